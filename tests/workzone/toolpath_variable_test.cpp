#include <gtest/gtest.h>

#include <map>

#include "toolpath_variable_fixture.h"
#include "workzone/toolpath_variable_fields.h"

namespace {

using Items = std::vector<VariableItem>;

TEST(VariableTable, HoldsTheToolpathVariablesTheMarkerAndTheEndRow) {
    ReloadVariableTable();
    ASSERT_EQ(VariableTableEnd(), 95);
    std::map<std::int32_t, int> rows_by_type;
    for (int position = 0; position < 94; ++position) {
        const VariableDescriptor& row = VariableRow(position);
        EXPECT_EQ(row.id, position + 2) << row.name;
        EXPECT_EQ(row.source, kVariableSourceToolpath);
        EXPECT_EQ(row.flag, 1);
        EXPECT_EQ(FindVariable(row.name), &row);
        ++rows_by_type[row.type];
    }
    const std::map<std::int32_t, int> expected = {{1, 45}, {2, 4},  {3, 4},   {4, 4},
                                                  {5, 9},  {6, 26}, {101, 1}, {102, 1}};
    EXPECT_EQ(rows_by_type, expected);
    const VariableDescriptor& marker = VariableRow(94);
    EXPECT_EQ(marker.name, "<user-start>");
    EXPECT_EQ(marker.id, 1000);
    EXPECT_EQ(marker.source, 3);
    EXPECT_EQ(marker.type, 5);
    EXPECT_EQ(marker.flag, 0);
    EXPECT_EQ(VariableRow(95).id, 9999);
    EXPECT_EQ(VariableRow(95).type, 206);
    EXPECT_EQ(&VariableRow(500), &VariableRow(95));
    EXPECT_EQ(FindVariable(""), nullptr);
    EXPECT_EQ(FindVariable("tp_cdiam"), nullptr);
}

TEST(ToolpathTypeRules, PublicTypeAndItsInverse) {
    struct Case {
        int stored, sub1, sub2, public_type;
    };
    const Case cases[] = {
        {305, 1, 0, 10305}, {305, 2, 0, 20305}, {305, 0, 0, 20305}, {204, 0, 2, 20204},
        {204, 0, 3, 30204}, {204, 0, 1, 10204}, {204, 0, 0, 10204}, {205, 0, 0, 205},
        {209, 0, 0, 205},   {210, 0, 0, 208},   {502, 0, 0, 10502}, {503, 0, 0, 10502},
        {504, 0, 0, 10502}, {201, 0, 0, 201},   {773, 0, 0, 773},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PublicToolpathType(c.stored, c.sub1, c.sub2), c.public_type) << c.stored;
        ToolpathDetails details;
        StorePublicToolpathType(details, c.public_type);
        EXPECT_EQ(PublicToolpathType(details.type, details.sub_mode_1, details.sub_mode_2),
                  c.public_type);
    }
}

TEST(ToolpathTypeRules, MachiningDirectionFollowsTheTypeAndTheMode) {
    struct Case {
        int type, mode, direction;
        bool writable;
    };
    const Case cases[] = {
        {304, 1, 4, false}, {305, 1, 4, false}, {505, 2, 4, false}, {601, 1, 4, false},
        {710, 1, 4, false}, {770, 2, 4, false}, {506, 1, 3, false}, {602, 2, 3, false},
        {201, 1, 1, true},  {201, 2, 2, true},  {740, 2, 2, true},
    };
    for (const auto& c : cases) {
        ToolpathDetails details;
        details.type = c.type;
        details.direction_mode = c.mode;
        EXPECT_EQ(MachiningDirection(details), c.direction) << c.type;
        EXPECT_EQ(StoreMachiningDirection(details, 3 - c.mode), c.writable) << c.type;
        EXPECT_EQ(details.direction_mode, c.writable ? 3 - c.mode : c.mode);
        EXPECT_FALSE(StoreMachiningDirection(details, 4));
    }
}

using EnumTexts = ToolpathVariableTest;

TEST_F(EnumTexts, KeysWithSuffixesThenTheBareValueThenTheFallback) {
    struct Case {
        std::int32_t id, value;
        std::optional<std::string> suffix;
        bool no_fallback;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {75, 3, std::nullopt, false, "Radial"},
        {75, 3, "", false, "Radial"},
        {75, 3, ".int", false, "3"},
        {75, 3, "INT", true, "3"},
        {75, 3, "short", false, "Rad"},
        {75, 3, ".short", false, "Rad"},
        {75, 3, "x; abbr", false, "R."},
        {75, 3, "abbr;short", false, "R."},
        {75, 3, "x;\t short", false, "Rad"},
        {75, 3, "x;y", false, "Radial"},
        // Only 19 characters of a suffix list take part: "short" lies beyond them.
        {75, 3, "aaaaaaaaaaaaaaaaaa;short", false, "Radial"},
        {75, 4, std::nullopt, false, "Spiral"},
        {75, 5, std::nullopt, false, "TP_LITYPE-5"},
        {75, 5, "short", true, std::nullopt},
        {11, 1, std::nullopt, false, "TP_CSHAPE-1"},
        {500, 1, std::nullopt, false, "VarId-500-1"},
        {9999, 2, ".int", false, "VarId-9999-2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnumText(c.id, c.value, c.suffix, c.no_fallback), c.text)
            << c.id << " " << c.value << " " << c.suffix.value_or("(none)");
    }
}

TEST_F(EnumTexts, ValueFromText) {
    const std::pair<std::int32_t, std::string> unknown_id{500, "Ramp"};
    EXPECT_EQ(EnumValueFromText(unknown_id.first, unknown_id.second), -1);
    const std::tuple<std::int32_t, const char*, std::int32_t> cases[] = {
        {75, "Ramp", 2},  {75, "Rad", 3},       {75, "Spiral", 4},
        {75, "7", 7},     {75, " -12abc", -12}, {75, "ramp", -1},
        {75, "Nope", -1}, {11, "Ramp", -1},     {4, "Pencil three", 30204},
    };
    for (const auto& [id, text, code] : cases) {
        EXPECT_EQ(EnumValueFromText(id, text), code) << id << " " << text;
    }
}

TEST_F(EnumTexts, MissingInformationFileFallsBackAndIsLookedForOnlyOnce) {
    env_.set("KVXLANG", "xx");
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "TP_LITYPE-3");
    EXPECT_EQ(EnumValueFromText(75, "Radial"), -1);
    home_.write("texte/tpvarinfo.xx", kInfoFile);
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "TP_LITYPE-3");
    UnloadToolpathVariableInfo();
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "Radial");
}

using UserVariables = ToolpathVariableTest;

TEST_F(UserVariables, UnitIsMillimetresWithoutLoadingAToolpath) {
    env_.set("KVXDEBUG", "1");
    testing::internal::CaptureStdout();
    VariableValue unit = read("UNIT");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(last_status_, 0);
    EXPECT_EQ(unit.type, 5);
    EXPECT_EQ(unit.values, Items{"mm"});
    EXPECT_EQ(FindVariable("UNIT")->id, 1001);
}

TEST_F(UserVariables, TableTakes103MoreAfterUnit) {
    read("UNIT");
    for (int i = 0; i < 103; ++i) {
        const VariableDescriptor* row =
            DefineUserVariable("U" + std::to_string(i), MakeIntegerValue(i));
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->id, 1002 + i);
    }
    EXPECT_EQ(VariableTableEnd(), kVariableTableRows - 1);
    EXPECT_EQ(DefineUserVariable("ONE_TOO_MANY", MakeIntegerValue(0)), nullptr);
    EXPECT_EQ(FindVariable("ONE_TOO_MANY"), nullptr);
    EXPECT_NE(DefineUserVariable("U5", MakeIntegerValue(0)), nullptr);
    EXPECT_EQ(read("U102").integer(), 102);
    EXPECT_EQ(VariableRow(kVariableTableRows - 1).id, kVariableIdEnd);
}

TEST_F(UserVariables, ValuesByTypeAndRedefinitionKeepsTheFirst) {
    DefineUserVariable("LEN", MakeRealValue(kVariableTypeDist, 2.5f));
    DefineUserVariable("FACTOR", MakeRealValue(kVariableTypeReal, 0.5f));
    DefineUserVariable("COUNT", MakeIntegerValue(12));
    DefineUserVariable("NAME", MakeTextValue("first"));
    EXPECT_EQ(DefineUserVariable("NAME", MakeTextValue("second"))->id, FindVariable("NAME")->id);
    testing::internal::CaptureStderr();
    DefineUserVariable("TILT", MakeRealValue(kVariableTypeAngle, 3.0f));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Internal error setting [TILT] to type 3\n");

    struct Case {
        const char* name;
        int status;
        std::int32_t type;
        VariableItem item;
    };
    const Case cases[] = {
        {"LEN", 0, 1, 2.5f},
        {"FACTOR", 0, 2, 0.5f},
        {"COUNT", 0, 4, std::int32_t{12}},
        {"NAME", 0, 5, std::string("first")},
        {"TILT", 3, 5, std::string("Whoops!!")},
        {"<user-start>", 1, 5,
         std::string("??"
                     "<user-start>(char)??")},
    };
    for (const auto& c : cases) {
        VariableValue value = read(c.name);
        EXPECT_EQ(last_status_, c.status) << c.name;
        EXPECT_EQ(value.type, c.type) << c.name;
        ASSERT_EQ(value.count, 1) << c.name;
        EXPECT_EQ(value.values[0], c.item) << c.name;
    }
    EXPECT_EQ(FindVariable("LEN")->id + 1, FindVariable("FACTOR")->id);
}

using ToolpathVariables = ToolpathVariableTest;

TEST_F(ToolpathVariables, UnknownNamesGiveAnEmptyRecordWithStatusZero) {
    for (const char* name : {"TP_NOPE", "tp_cdiam", "", ".int", "TP_CDIAM_"}) {
        VariableValue value = read(name);
        EXPECT_EQ(last_status_, 0) << name;
        EXPECT_EQ(value.type, 0) << name;
        EXPECT_EQ(value.count, 0) << name;
        EXPECT_TRUE(value.values.empty()) << name;
    }
}

TEST_F(ToolpathVariables, ReadsThroughTheRulesOfEachVariable) {
    write_toolpath(0, sample_items());
    struct Case {
        const char* name;
        std::int32_t type;
        Items values;
    };
    const Case cases[] = {
        {"TP_CDIAM", 1, {10.0f}},
        {"TP_BRAD", 1, {5.0f}},
        {"TP_RADS", 1, {5.0f, 2.0f}},
        {"TP_DIMS", 1, {5.0f, 2.0f}},
        // Item 6 is 0, so the second cutter is a ball: one value.
        {"TP_RCRADS", 1, {1.5f}},
        {"TP_RCDIAM", 1, {3.0f}},
        {"TP_MANGLE", 3, {30.0f}},
        {"TP_FRCUT", 2, {1200.0f}},
        {"TP_CPPNUM", 4, {7}},
        {"TP_AUTOFLAGS", 4, {9}},
        {"TP_NUM", 4, {0}},
        {"TP_COMMENT", 5, {"roughing"}},
        {"TP_TYPE", 5, {"Pencil three"}},
        {"TP_TYPE.int", 5, {"30204"}},
        {"TP_LITYPE", 5, {"Radial"}},
        {"TP_LITYPE.int", 5, {"3"}},
        {"TP_LITYPE.short", 5, {"Rad"}},
        {"TP_STEPTYPE.int", 5, {"2"}},
        {"TP_ZSTEPTYPE.int", 5, {"2"}},
        {"TP_MDIR", 5, {"Climb"}},
        {"TP_AUTOSTEPOVER.int", 5, {"1"}},
        {"TP_AUTOPKTW.int", 5, {"0"}},
        {"TP_AUTOZSTEP.int", 5, {"1"}},
        {"TP_CSHAPE", 5, {"TP_CSHAPE-0"}},
    };
    for (const auto& c : cases) {
        VariableValue value = read(c.name);
        EXPECT_EQ(last_status_, 0) << c.name;
        EXPECT_EQ(value.type, c.type) << c.name;
        EXPECT_EQ(value.count, static_cast<int>(c.values.size())) << c.name;
        EXPECT_EQ(value.values, c.values) << c.name;
    }
}

TEST_F(ToolpathVariables, DimensionsAreDiametersInDiameterMode) {
    write_toolpath(0, sample_items());
    env_.set("KVXUSERAD", "diameter");
    EXPECT_EQ(read("TP_DIMS").values, (Items{10.0f, 2.0f}));
    EXPECT_EQ(read("TP_RCDIMS").values, (Items{3.0f}));
    EXPECT_EQ(read("TP_RADS").values, (Items{5.0f, 2.0f}));
    env_.set("KVXUSERAD", "Diameter");
    EXPECT_EQ(read("TP_DIMS").values, (Items{5.0f, 2.0f}));
}

TEST_F(ToolpathVariables, DirectionModeTwoReadsAsNinetyDegrees) {
    ParameterItems items = sample_items();
    items.set_number(8, 0.0f);
    write_toolpath(0, items);
    EXPECT_EQ(read("TP_MANGLE").real(), 90.0f);
    EXPECT_EQ(read("TP_MDIR.int").text(), "2");
    EXPECT_EQ(read("TP_MDIR").text(), "Conventional");
}

TEST_F(ToolpathVariables, WritesReadBackAsWritten) {
    write_toolpath(0, sample_items());
    env_.set("KVXUSERAD", "diameter");
    DefineUserVariable("LEN", MakeRealValue(kVariableTypeDist, 1.0f));
    struct Case {
        const char* name;
        VariableValue written;
        const char* read_as;
        VariableValue expected;
    };
    const VariableValue points{kVariableTypeCoord, 6, {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}};
    const VariableValue steps{kVariableTypeStep, 3, {0.0f, 0.0f, -4.0f}};
    const Case cases[] = {
        {"TP_CDIAM", MakeRealValue(1, 12.0f), "TP_CDIAM", MakeRealValue(1, 12.0f)},
        {"TP_CDIAM", MakeRealValue(1, 12.0f), "TP_BRAD", MakeRealValue(1, 6.0f)},
        {"TP_RCDIAM", MakeIntegerValue(8), "TP_RCBRAD", MakeRealValue(1, 4.0f)},
        {"TP_TOL", MakeRealValue(1, 0.005f), "TP_TOL", MakeRealValue(1, 0.005f)},
        {"TP_SPINDLE", MakeRealValue(2, 9000.0f), "TP_SPINDLE", MakeRealValue(2, 9000.0f)},
        {"TP_COMMENT", MakeTextValue("finish"), "TP_COMMENT", MakeTextValue("finish")},
        {"TP_CPPNUM", MakeIntegerValue(42), "TP_CPPNUM", MakeIntegerValue(42)},
        {"TP_LITYPE", MakeTextValue("Ramp"), "TP_LITYPE", MakeTextValue("Ramp")},
        {"TP_LITYPE", MakeIntegerValue(1), "TP_LITYPE.int", MakeTextValue("1")},
        {"TP_LITYPE", MakeTextValue("3"), "TP_LITYPE.short", MakeTextValue("Rad")},
        {"TP_TYPE", MakeIntegerValue(20305), "TP_TYPE.int", MakeTextValue("20305")},
        {"TP_TYPE", MakeIntegerValue(10305), "TP_TYPE.int", MakeTextValue("10305")},
        {"TP_TYPE", MakeIntegerValue(208), "TP_TYPE.int", MakeTextValue("208")},
        {"TP_TYPE", MakeIntegerValue(205), "TP_TYPE.int", MakeTextValue("205")},
        {"TP_TYPE", MakeIntegerValue(10204), "TP_TYPE.int", MakeTextValue("10204")},
        {"TP_TYPE", MakeTextValue("Pencil three"), "TP_TYPE.int", MakeTextValue("30204")},
        {"TP_TYPE", MakeIntegerValue(10502), "TP_TYPE.int", MakeTextValue("10502")},
        {"TP_TYPE", MakeIntegerValue(201), "TP_TYPE.int", MakeTextValue("201")},
        {"TP_MANGLE", MakeRealValue(3, 90.0f), "TP_MANGLE", MakeRealValue(3, 90.0f)},
        {"TP_MANGLE", MakeRealValue(3, 90.0f), "TP_MDIR.int", MakeTextValue("2")},
        {"TP_MANGLE", MakeRealValue(3, 15.0f), "TP_MANGLE", MakeRealValue(3, 15.0f)},
        {"TP_MDIR", MakeIntegerValue(1), "TP_MDIR.int", MakeTextValue("1")},
        {"TP_MDIR", MakeTextValue("Conventional"), "TP_MDIR", MakeTextValue("Conventional")},
        {"TP_AUTOPKTW", MakeIntegerValue(1), "TP_AUTOFLAGS", MakeIntegerValue(11)},
        {"TP_AUTOSTEPOVER", MakeIntegerValue(0), "TP_AUTOSTEPOVER.int", MakeTextValue("0")},
        {"TP_RADS", MakeRealValue(1, 4.0f), "TP_RADS", MakeRealValue(1, 4.0f)},
        {"TP_RADS", {1, 2, {6.0f, 1.0f}}, "TP_RADS", {1, 2, {6.0f, 1.0f}}},
        {"TP_DIMS", {1, 2, {10.0f, 1.0f}}, "TP_DIMS", {1, 2, {10.0f, 1.0f}}},
        {"TP_DIMS", MakeRealValue(1, 8.0f), "TP_RADS", MakeRealValue(1, 4.0f)},
        {"TP_ENTRYPTS", points, "TP_ENTRYPTS", points},
        {"TP_VARZSTEPS", steps, "TP_VARZSTEPS", steps},
        {"TP_VIEWNAME", MakeTextValue(""), "TP_VIEWNAME", MakeTextValue("")},
        {"LEN", MakeIntegerValue(3), "LEN", MakeRealValue(1, 3.0f)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(write(c.name, c.written), 0) << c.name;
        VariableValue value = read(c.read_as);
        EXPECT_EQ(value.type, c.expected.type) << c.name << " -> " << c.read_as;
        EXPECT_EQ(value.count, c.expected.count) << c.name << " -> " << c.read_as;
        EXPECT_EQ(value.values, c.expected.values) << c.name << " -> " << c.read_as;
    }
}

TEST_F(ToolpathVariables, RefusedWrites) {
    ParameterItems items = sample_items();
    items.set_number(28, 305.0f);
    write_toolpath(0, items);
    DefineUserVariable("COUNT", MakeIntegerValue(1));
    testing::internal::CaptureStderr();
    DefineUserVariable("TILT", MakeRealValue(kVariableTypeAngle, 1.0f));
    testing::internal::GetCapturedStderr();
    const std::pair<const char*, VariableValue> cases[] = {
        {"TP_NUM", MakeIntegerValue(3)},         {"TP_NOPE", MakeIntegerValue(3)},
        {"<user-start>", MakeTextValue("x")},    {"TP_MDIR", MakeIntegerValue(1)},
        {"TP_CDIAM", MakeTextValue("10")},       {"TP_CDIAM", VariableValue{}},
        {"TP_CPPNUM", MakeRealValue(2, 1.5f)},   {"TP_COMMENT", MakeIntegerValue(1)},
        {"TP_LITYPE", MakeTextValue("Nope")},    {"TP_AUTOZSTEP", MakeIntegerValue(2)},
        {"TP_RADS", {1, 3, {1.0f, 2.0f, 3.0f}}}, {"TP_ENTRYPTS", {101, 2, {1.0f, 2.0f}}},
        {"COUNT", MakeTextValue("1")},           {"TILT", MakeRealValue(kVariableTypeAngle, 2.0f)},
    };
    const int statuses[] = {2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(write(cases[i].first, cases[i].second), statuses[i]) << cases[i].first;
    }
    EXPECT_EQ(read("TP_MDIR.int").text(), "4");
    EXPECT_EQ(read("TP_CDIAM").real(), 10.0f);
    EXPECT_EQ(read("COUNT").integer(), 1);
}

TEST_F(ToolpathVariables, BadDirectoriesAndNumbersReadDefaultsWithoutHarm) {
    write_toolpath(0, sample_items());
    const std::string long_directory = zone_.path() + "/" + std::string(611, 'd');
    const std::pair<std::string, int> cases[] = {{long_directory, 0},
                                                 {std::string(2000, '/'), 0},
                                                 {zone_.path(), -1},
                                                 {zone_.path(), 2147483647},
                                                 {zone_.path(), -2147483647 - 1}};
    for (const auto& [directory, number] : cases) {
        VariableValue value;
        EXPECT_EQ(GetToolpathVariable("TP_CDIAM", directory, number, value), 0) << number;
        EXPECT_EQ(value.type, kVariableTypeDist);
        EXPECT_EQ(value.real(), 0.0f);
        EXPECT_EQ(GetToolpathVariable("TP_NUM", directory, number, value), 0);
        EXPECT_EQ(value.integer(), number);
        EXPECT_EQ(GetToolpathVariable("TP_LITYPE.no;such;suffix", directory, number, value), 0);
        EXPECT_EQ(value.text(), "TP_LITYPE-0");
    }
    VariableValue value;
    const std::string huge_name = "TP_LITYPE.int" + std::string(5000, 'x');
    EXPECT_EQ(GetToolpathVariable(huge_name, zone_.path(), 0, value), 0);
    EXPECT_EQ(value.text(), "Radial");
    EXPECT_EQ(GetToolpathVariable(std::string(5000, 'T'), zone_.path(), 0, value), 0);
    EXPECT_EQ(value.type, 0);
}

}  // namespace
