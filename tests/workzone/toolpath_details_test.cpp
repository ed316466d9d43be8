#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/filesystem.h"
#include "runtime/record_bytes.h"
#include "runtime/report.h"
#include "workzone/units.h"
#include "workzone_fixture.h"

namespace {

ToolpathDetails from_items(const ParameterItems& items, const std::string& directory = "") {
    ToolpathDetails details;
    details.CopyFromItems(items, directory);
    return details;
}

TEST(ToolpathDetailsItems, ReadingAndTypeRules) {
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

    ToolpathDetails details;
    for (const auto& [type, normal] :
         {std::pair{200, 201}, {300, 301}, {500, 502}, {700, 710}, {305, 305}, {-1, -1}}) {
        details.SetType(type);
        EXPECT_EQ(details.type, normal) << type;
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

class ToolpathLoad : public WorkzoneTest {
protected:
    // Item 7 carries a marker value.
    void write_marked(int number, float marker, const std::string& view = "") {
        ParameterItems items = valid_items();
        items.set_number(7, marker);
        items.set_number(19, 1.5f);
        items.set_text(61, "toolpath " + std::to_string(number));
        write_toolpath(number, items, view);
    }
};

TEST_F(ToolpathLoad, ReadsTheFourFilesOfAnyNumber) {
    for (int number : {0, 20003, INT_MAX}) {
        write_marked(number, static_cast<float>(number % 1000) + 0.5f,
                     "box 0 0 -10 1 5 0\ncurve c\n");
    }
    zone_.write("outil.niv", "0 0 -1\r\n0 0 -2\r\n");
    zone_.write("outil.per", "10 20 0\n");
    zone_.write("outil20003.niv", "1 2\n");  // not a levels file: ignored
    for (int number : {0, 20003, INT_MAX}) {
        ToolpathDetails details;
        std::string failed = "stale";
        ASSERT_EQ(details.Load(number, zone_.path(), &failed), 0) << number;
        EXPECT_EQ(failed, "");
        EXPECT_EQ(details.step, static_cast<float>(number % 1000) + 0.5f) << number;
        EXPECT_EQ(details.comment, "toolpath " + std::to_string(number));
        EXPECT_EQ(details.z_step_type, number == 0 ? 3 : 2) << number;
        EXPECT_EQ(details.view.limit_curves, std::vector<std::string>{"c"});
        EXPECT_EQ(details.levels.size() + details.points.size(), number == 0 ? 3u : 0u);
    }
}

// A missing or garbled parameter file and a missing view file are the toolpath command's test.
TEST_F(ToolpathLoad, FailuresNameTheFileAndLeaveNoStaleValues) {
    write_marked(1, 9.0f);
    write_marked(3, 1.0f, "matrix\n1 0 0\n");
    zone_.mkdir("outil6.par");
    zone_.write("outil6.mul", "");
    std::string long_directory = zone_.path() + "/" + std::string(611, 'd');
    const std::tuple<int, std::string, int, std::string> cases[] = {
        {6, zone_.path(), 7, zone_.file("outil6.par")},
        {3, zone_.path(), 8, zone_.file("outil3.mul")},
        {-1, "", 7, "outil-1.par"},
        {0, long_directory, 7, long_directory + "/outil.par"}};
    for (const auto& [number, directory, status, failed_file] : cases) {
        ToolpathDetails details;
        ASSERT_EQ(details.Load(1, zone_.path(), nullptr), 0);
        std::string failed;
        EXPECT_EQ(details.Load(number, directory, &failed), status) << number;
        EXPECT_EQ(failed, failed_file) << number;
        EXPECT_TRUE(status != 7 || details.step == 0.0f) << number;
    }
}

TEST_F(ToolpathLoad, GetToolpathDetailsLoadsOncePerKeyAndPrintsTheDebugLine) {
    write_marked(12, 3.0f);
    env_.set("KVXDEBUG", "1");
    testing::internal::CaptureStdout();
    GetToolpathDetails("", -1);  // the first call loads even for the initial key
    EXPECT_EQ(GetToolpathDetails(zone_.path(), 12).step, 3.0f);
    write_marked(12, 4.0f);
    EXPECT_EQ(GetToolpathDetails(zone_.path(), 12).step, 3.0f);
    EXPECT_EQ(GetToolpathDetails(zone_.path() + "/", 12).step, 4.0f);
    GetToolpathDetails(zone_.path(), 13);
    GetToolpathDetails(zone_.path(), 13);
    std::string out = testing::internal::GetCapturedStdout();
    std::string dir = zone_.path();
    EXPECT_EQ(out, "GetToolpathDetails([],-1)=7,[outil-1.par]\nGetToolpathDetails([" + dir +
                       "],12)=0,[]\n" + "GetToolpathDetails([" + dir + "/],12)=0,[]\n" +
                       "GetToolpathDetails([" + dir + "],13)=7,[" + dir + "/outil13.par]\n");
    EXPECT_EQ(&GetToolpathDetails(dir, 13), &toolpath_details());
}

TEST_F(ToolpathLoad, MachiningAngleAndNamedViewSetTheCalculationSystem) {
    ParameterItems items = valid_items();
    items.set_number(21, 90.0f);
    items.set_text(63, "top");
    write_toolpath(0, items, "box 0 0 0 1 2 3\n");
    zone_.write("data/top.trn", "# top view\nmatrix\n1 0 0 5\n0 1 0 0\n0 0 1 0\n0 0 0 1\n");
    env_.set("KVXMENU_MZDEBUG", "yes");
    testing::internal::CaptureStdout();
    ToolpathDetails details;
    ASSERT_EQ(details.Load(0, zone_.path(), nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Load 0 - mzone:\n" + details.view.description() + "\n");
    EXPECT_TRUE(details.view.has_named_view);
    EXPECT_EQ(details.view.named_view_transform.m[0][3], 5.0f);
    EXPECT_TRUE(nearly_equal(details.view.transform, rotation_from_angles(0, 0, 90.0f)));
    const AxisSystem* calculation = axis_system(kAxisSystemCalculation);
    ASSERT_TRUE(calculation->flags & kAxisLoaded);
    EXPECT_FALSE(calculation->flags & kAxisIdentity);
    EXPECT_TRUE(is_identity(multiply(calculation->matrix, calculation->inverse)));
}

// The zone information: five records of other data, record 6 the factor, record 7 the offset,
// a text of 60 characters: one that fills it is read whole, a longer one cut.
TEST_F(ToolpathDetailsFiles, UnitFactorAndOffsetComeFromTheZoneInformation) {
    env_.set("inch$KVXUNITSPATH", std::nullopt);
    const bool quiet = set_quiet_reporting(true);  // no inch path variable: a warning each time
    const std::tuple<std::optional<float>, std::optional<std::string>, float, float> cases[] = {
        {25.4f, "0.5", 25.4f, 0.5f},
        {2.0f, "  -1.25 mm", 2.0f, -1.25f},
        {2.0f, std::nullopt, 2.0f, 0.0f},
        {std::nullopt, std::nullopt, 1.0f, 0.0f},
        {0.0f, "1", 1.0f, 1.0f},
        {std::nanf(""), "1", 1.0f, 1.0f},
        {1.0f, "abc", 1.0f, 0.0f},
        {1.0f, std::string(57, ' ') + "2.5", 1.0f, 2.5f},
        {1.0f, std::string(58, ' ') + "2.5", 1.0f, 2.0f}};
    for (const auto& [factor, offset, expected_factor, expected_offset] : cases) {
        std::string records;
        for (std::uint16_t key = 1; key <= 5; ++key) {
            records += recordtest::record(false, key, "001I ", std::string(4, '\0'));
        }
        const float value = factor.value_or(0.0f);
        std::string bytes(4, '\0');
        std::memcpy(bytes.data(), &value, 4);  // this machine is little-endian
        records += factor ? recordtest::record(false, 6, "001R ", bytes) : "";
        records +=
            offset ? recordtest::record(false, 7, "001S ", char(offset->size()) + *offset) : "";
        zone_.write("zone0.inf", recordtest::file(false, factor ? (offset ? 7 : 6) : 5, records));
        const WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.system, kUnitSystemMillimetres);
        EXPECT_EQ(units.factor, expected_factor) << offset.value_or("-");
        EXPECT_EQ(units.stock_offset, expected_offset) << offset.value_or("-");
    }
    for (const std::string& bytes : {std::string(), std::string(200, 'x'), std::string(170, 0)}) {
        zone_.write("zone0.inf", bytes);
        EXPECT_TRUE(detect_workzone_units().factor == 1.0f &&
                    detect_workzone_units().stock_offset == 0.0f);
    }
    env_.set("inch$KVXUNITSPATH", zone_.write("inch.txt", ""));  // an inch file means inches
    unload_environment();
    EXPECT_EQ(detect_workzone_units().system, kUnitSystemInches);
    set_quiet_reporting(quiet);
}

}  // namespace
