#include <climits>
#include <cmath>
#include <vector>

#include "workzone_fixture.h"

namespace {

ToolpathDetails from_items(const ParameterItems& items, const std::string& directory = "") {
    ToolpathDetails details;
    details.CopyFromItems(items, directory);
    return details;
}

TEST(ToolpathDetailsItems, ReadingRules) {
    ParameterItems items = valid_items();
    items.set_number(3, 2.0f);  // item 4 is 0: the radius is item 3
    items.set_number(8, -1.0f);
    items.set_number(47, 4.0f);
    items.set_number(53, -2.9f);
    items.set_number(60, 1e20f);
    items.set_text(63, "top");
    items.set_text(67, "Ball 10");
    items.set_text(68, "long");
    ToolpathDetails d = from_items(items);
    EXPECT_EQ(d.cutter_radius, 2.0f);
    EXPECT_FALSE(d.HasTwoCutterValues(false));
    EXPECT_EQ(std::vector<int>({d.direction_mode, d.lead_in_type, d.step_type, d.cpp_number,
                                d.auto_flags, d.has_own_view}),
              std::vector<int>({2, 0, 1, -2, INT_MAX, 1}));
    EXPECT_EQ(d.cutter_description, "Ball 10" + std::string(73, ' ') + "long");
    items.set_number(47, 3.0f);
    EXPECT_EQ(from_items(items).lead_in_type, 3);
}

TEST(ToolpathDetailsItems, WritingRules) {
    ToolpathDetails details;
    details.corner_radius = details.cutter_radius = 1.0f;  // a ball: item 4 stays 0
    details.z_step = 4.0f;
    details.z_step_type = details.lead_in_type = 3;
    details.step_type = 2;
    details.cutter_description = std::string(80, 'a') + std::string(100, 'b');
    details.drive_curve = "/some/where/drive.crv";
    ParameterItems items = details.ToItems();
    EXPECT_EQ(
        std::vector<float>({items.number(1), items.number(4), items.number(19), items.number(47)}),
        std::vector<float>({1.0f, 0.0f, 0.0f, 99.0f}));
    EXPECT_EQ(items.text(67) + "|" + items.text(68) + "|" + items.text(64),
              std::string(80, 'a') + "|" + std::string(80, 'b') + "|drive.crv");
    details.z_step_type = 2;
    details.step_type = 1;
    details.cutter_radius = 5.0f;
    items = details.ToItems();
    EXPECT_EQ(std::vector<float>({items.number(4), items.number(19), items.number(47)}),
              std::vector<float>({5.0f, 4.0f, 3.0f}));
}

TEST(ToolpathDetailsItems, TypeNormalisation) {
    const int types[][2] = {{200, 201}, {300, 301}, {500, 502}, {700, 710}, {305, 305}, {-1, -1}};
    ToolpathDetails details;
    for (const auto& t : types) {
        details.SetType(t[0]);
        EXPECT_EQ(details.type, t[1]) << t[0];
    }
}

using ToolpathDetailsFiles = WorkzoneTest;

TEST_F(ToolpathDetailsFiles, CurveNamesAreLookedUpInTheWorkzone) {
    zone_.write("bound.crv", "");
    zone_.write("drive", "");
    std::string absolute = home_.write("elsewhere.crv", "");
    ParameterItems items = valid_items();
    items.set_text(62, "C:\\old\\zone\\bound");
    items.set_text(64, "/old/zone/drive");
    items.set_text(81, "missing");
    ToolpathDetails details = from_items(items, zone_.path());
    EXPECT_EQ(details.boundary_curve + "|" + details.drive_curve + "|" + details.machined_curve,
              zone_.file("bound.crv") + "|" + zone_.file("drive") + "|missing");
    items.set_text(81, absolute);
    EXPECT_EQ(from_items(items, zone_.path()).machined_curve, absolute);
}

TEST_F(ToolpathDetailsFiles, WriteThenReadGivesTheSameObject) {
    ToolpathDetails original = from_items(sample_items());
    original.number = 20003;
    original.direction_mode = 2;
    original.cutter_description = std::string(80, 'd') + "tail";
    original.other_items.set_text(131, "kept");
    std::string path = zone_.file("outil3.2.par");
    ASSERT_EQ(original.WriteParameterFile(20003, zone_.path()), 0);

    ToolpathDetails back;
    ASSERT_EQ(back.ReadParameterFile(path), 0);
    EXPECT_EQ(back.number, 20003);  // from the name; every other field is an item
    // Every item of the first write comes out of the second one unchanged.
    ParameterItems first = original.ToItems();
    ParameterItems second = back.ToItems();
    for (int item = 1; item <= kParameterItemCount; ++item) {
        EXPECT_FLOAT_EQ(first.number(item), second.number(item)) << item;
        EXPECT_EQ(first.text(item), second.text(item)) << item;
    }
}

TEST_F(ToolpathDetailsFiles, WriteFailuresLeaveTheOldFile) {
    std::string path = zone_.write("outil.par", "old");
    ToolpathDetails details;
    details.feed_cut = NAN;
    EXPECT_EQ(details.WriteParameterFile(path), 10);
    EXPECT_EQ(testsupport::read_file(path), "old");
    EXPECT_EQ(details.WriteParameterFile(zone_.file(std::string(620, 'p'))), 5);
}

TEST_F(ToolpathDetailsFiles, WritesLabelsFromTheLanguageTextFile) {
    env_.set("KVXLANG", "english");
    home_.write("texte/texte.english", "[PARAMETER_FILE]\n1 = Valid\n26 = Spindle speed\n");
    ToolpathDetails details;
    details.spindle = 3000.0f;
    std::string path = zone_.file("outil.par");
    ASSERT_EQ(details.WriteParameterFile(path), 0);
    std::string text = testsupport::read_file(path);
    EXPECT_EQ(text.substr(0, 29), "       1.00000   :   1 Valid\n");
    EXPECT_NE(text.find("    3000.00000   :  26 Spindle speed\n"), std::string::npos);
}

}  // namespace
