#include <sstream>

#include "workzone/toolpath_variable_fields.h"
#include "workzone_fixture.h"

namespace {

// "TYPE:ITEM;ITEM" with reals as "2.5f", integers as "#7" and texts as they are.
std::string shown(const VariableValue& value) {
    std::ostringstream out;
    out << value.type << ":";
    for (std::size_t i = 0; i < value.values.size(); ++i) {
        out << (i ? ";" : "");
        if (auto* real = std::get_if<float>(&value.values[i])) {
            out << *real << "f";
        } else if (auto* integer = std::get_if<std::int32_t>(&value.values[i])) {
            out << "#" << *integer;
        } else {
            out << std::get<std::string>(value.values[i]);
        }
    }
    return value.count == static_cast<int>(value.values.size()) ? out.str() : "bad count";
}

TEST(ToolpathTypeRules, MachiningDirectionFollowsTheTypeAndTheMode) {
    // type, mode, direction, writable
    const int directions[][4] = {{304, 1, 4, 0}, {770, 2, 4, 0}, {506, 1, 3, 0},
                                 {602, 2, 3, 0}, {201, 1, 1, 1}, {740, 2, 2, 1}};
    for (const auto& d : directions) {
        ToolpathDetails details;
        details.type = d[0];
        details.direction_mode = d[1];
        EXPECT_EQ(MachiningDirection(details), d[2]) << d[0];
        EXPECT_EQ(StoreMachiningDirection(details, 3 - d[1]), d[3] == 1) << d[0];
        EXPECT_EQ(details.direction_mode, d[3] ? 3 - d[1] : d[1]);
        EXPECT_FALSE(StoreMachiningDirection(details, 4));
    }
}

using EnumTexts = WorkzoneTest;

TEST_F(EnumTexts, KeysWithSuffixesThenTheBareValueThenTheFallback) {
    struct Case {
        std::int32_t id, value;
        std::optional<std::string> suffix;
        bool no_fallback;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {75, 3, std::nullopt, false, "Radial"},
        {75, 3, "INT", true, "3"},
        {75, 3, "x; abbr", false, "R."},
        // Only 19 characters of a suffix list take part: "short" lies beyond them.
        {75, 3, "aaaaaaaaaaaaaaaaaa;short", false, "Radial"},
        {75, 5, std::nullopt, false, "TP_LITYPE-5"},
        {75, 5, "short", true, std::nullopt},
        {500, 1, std::nullopt, false, "VarId-500-1"},
        {9999, 2, ".int", false, "VarId-9999-2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnumText(c.id, c.value, c.suffix, c.no_fallback), c.text)
            << c.id << " " << c.value << " " << c.suffix.value_or("(none)");
    }
    const std::tuple<std::int32_t, const char*, std::int32_t> values[] = {
        {75, "Rad", 3},   {75, " -12abc", -12}, {75, "ramp", -1},
        {11, "Ramp", -1}, {500, "Ramp", -1},    {4, "Pencil three", 30204}};
    for (const auto& [id, text, code] : values) {
        EXPECT_EQ(EnumValueFromText(id, text), code) << id << " " << text;
    }
    // Without an information file the fallback; the file is looked for only once.
    env_.set("KVXLANG", "xx");
    UnloadToolpathVariableInfo();
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "TP_LITYPE-3");
    home_.write("texte/tpvarinfo.xx", kInfoFile);
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "TP_LITYPE-3");
    UnloadToolpathVariableInfo();
    EXPECT_EQ(EnumText(75, 3, std::nullopt, false), "Radial");
}

using UserVariables = WorkzoneTest;

TEST_F(UserVariables, UnitNeedsNoToolpathAndTheTableTakes103More) {
    env_.set("KVXDEBUG", "1");
    testing::internal::CaptureStdout();
    EXPECT_EQ(shown(read("UNIT")), "5:mm");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(FindVariable("UNIT")->id, 1001);
    for (int i = 0; i < 103; ++i) {
        const VariableDescriptor* row =
            DefineUserVariable("U" + std::to_string(i), MakeIntegerValue(i));
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->id, 1002 + i);
    }
    EXPECT_EQ(DefineUserVariable("ONE_TOO_MANY", MakeIntegerValue(0)), nullptr);
    EXPECT_NE(DefineUserVariable("U5", MakeIntegerValue(0)), nullptr);
    EXPECT_EQ(read("U102").integer(), 102);
    EXPECT_EQ(VariableRow(kVariableTableRows - 1).id, kVariableIdEnd);
}

TEST_F(UserVariables, ValuesByTypeAndRedefinitionKeepsTheFirst) {
    DefineUserVariable("LEN", MakeRealValue(kVariableTypeDist, 2.5f));
    DefineUserVariable("COUNT", MakeIntegerValue(12));
    DefineUserVariable("NAME", MakeTextValue("first"));
    EXPECT_EQ(DefineUserVariable("NAME", MakeTextValue("second"))->id, FindVariable("NAME")->id);
    testing::internal::CaptureStderr();
    DefineUserVariable("TILT", MakeRealValue(kVariableTypeAngle, 3.0f));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Internal error setting [TILT] to type 3\n");
    const std::tuple<const char*, int, const char*> cases[] = {
        {"LEN", 0, "1:2.5f"},
        {"COUNT", 0, "4:#12"},
        {"NAME", 0, "5:first"},
        {"TILT", 3, "5:Whoops!!"},
        {"<user-start>", 1, "5:?\?<user-start>(char)?\?"}};
    for (const auto& [name, status, expected] : cases) {
        EXPECT_EQ(shown(read(name)), expected) << name;
        EXPECT_EQ(last_status_, status) << name;
    }
}

using ToolpathVariables = WorkzoneTest;

TEST_F(ToolpathVariables, ReadsThroughTheRulesOfEachVariable) {
    write_toolpath(0, sample_items());
    // Item 6 is 0, so the second cutter is a ball: one value.
    const std::pair<const char*, const char*> cases[] = {
        {"TP_NOPE", "0:"},         {"tp_cdiam", "0:"},           {"TP_CDIAM_", "0:"},
        {"TP_CDIAM", "1:10f"},     {"TP_RADS", "1:5f;2f"},       {"TP_RCRADS", "1:1.5f"},
        {"TP_MANGLE", "3:30f"},    {"TP_CPPNUM", "4:#7"},        {"TP_AUTOFLAGS", "4:#9"},
        {"TP_NUM", "4:#0"},        {"TP_COMMENT", "5:roughing"}, {"TP_TYPE", "5:Pencil three"},
        {"TP_LITYPE", "5:Radial"}, {"TP_LITYPE.short", "5:Rad"}, {"TP_STEPTYPE.int", "5:2"},
        {"TP_MDIR", "5:Climb"},    {"TP_AUTOZSTEP.int", "5:1"},  {"TP_CSHAPE", "5:TP_CSHAPE-0"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(shown(read(name)), expected) << name;
        EXPECT_EQ(last_status_, 0) << name;
    }
}

TEST_F(ToolpathVariables, DiameterModeAndDirectionModeTwo) {
    ParameterItems items = sample_items();
    items.set_number(8, 0.0f);
    write_toolpath(0, items);
    EXPECT_EQ(read("TP_MANGLE").real(), 90.0f);
    EXPECT_EQ(read("TP_MDIR").text(), "Conventional");
    env_.set("KVXUSERAD", "diameter");
    EXPECT_EQ(shown(read("TP_DIMS")), "1:10f;2f");
    EXPECT_EQ(shown(read("TP_RCDIMS")), "1:3f");
    env_.set("KVXUSERAD", "Diameter");
    EXPECT_EQ(shown(read("TP_DIMS")), "1:5f;2f");
}

TEST_F(ToolpathVariables, WritesReadBackAsWritten) {
    write_toolpath(0, sample_items());
    env_.set("KVXUSERAD", "diameter");
    DefineUserVariable("LEN", MakeRealValue(kVariableTypeDist, 1.0f));
    const VariableValue points{kVariableTypeCoord, 6, {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}};
    const std::tuple<const char*, VariableValue, const char*, const char*> cases[] = {
        {"TP_CDIAM", MakeRealValue(1, 12.0f), "TP_BRAD", "1:6f"},
        {"TP_RCDIAM", MakeIntegerValue(8), "TP_RCBRAD", "1:4f"},
        {"TP_LITYPE", MakeIntegerValue(1), "TP_LITYPE.int", "5:1"},
        {"TP_LITYPE", MakeTextValue("3"), "TP_LITYPE.short", "5:Rad"},
        {"TP_TYPE", MakeIntegerValue(20305), "TP_TYPE.int", "5:20305"},
        {"TP_TYPE", MakeTextValue("Pencil three"), "TP_TYPE.int", "5:30204"},
        {"TP_MANGLE", MakeRealValue(3, 90.0f), "TP_MDIR.int", "5:2"},
        {"TP_MDIR", MakeTextValue("Conventional"), "TP_MDIR", "5:Conventional"},
        {"TP_AUTOPKTW", MakeIntegerValue(1), "TP_AUTOFLAGS", "4:#11"},
        {"TP_DIMS", MakeRealValue(1, 8.0f), "TP_RADS", "1:4f"},
        {"TP_ENTRYPTS", points, "TP_ENTRYPTS", "101:1f;2f;3f;4f;5f;6f"},
        {"TP_VARZSTEPS",
         {kVariableTypeStep, 3, {0.0f, 0.0f, -4.0f}},
         "TP_VARZSTEPS",
         "102:0f;0f;-4f"},
        {"LEN", MakeIntegerValue(3), "LEN", "1:3f"},
    };
    for (const auto& [name, written, read_as, expected] : cases) {
        EXPECT_EQ(write(name, written), 0) << name;
        EXPECT_EQ(shown(read(read_as)), expected) << name << " -> " << read_as;
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
    // Not writable: status 2; a value the variable refuses: status 3.
    for (const char* name : {"TP_NUM", "TP_NOPE", "<user-start>"}) {
        EXPECT_EQ(write(name, MakeIntegerValue(3)), 2) << name;
    }
    const std::pair<const char*, VariableValue> refused[] = {
        {"TP_MDIR", MakeIntegerValue(1)},
        {"TP_CDIAM", MakeTextValue("10")},
        {"TP_CDIAM", VariableValue{}},
        {"TP_CPPNUM", MakeRealValue(2, 1.5f)},
        {"TP_COMMENT", MakeIntegerValue(1)},
        {"TP_LITYPE", MakeTextValue("Nope")},
        {"TP_AUTOZSTEP", MakeIntegerValue(2)},
        {"TP_RADS", {1, 3, {1.0f, 2.0f, 3.0f}}},
        {"TP_ENTRYPTS", {101, 2, {1.0f, 2.0f}}},
        {"COUNT", MakeTextValue("1")},
        {"TILT", MakeRealValue(kVariableTypeAngle, 2.0f)}};
    for (const auto& [name, value] : refused) {
        EXPECT_EQ(write(name, value), 3) << name;
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
        const std::pair<const char*, std::string> reads[] = {
            {"TP_CDIAM", "1:0f"},
            {"TP_NUM", "4:#" + std::to_string(number)},
            {"TP_LITYPE.no;such;suffix", "5:TP_LITYPE-0"}};
        for (const auto& [name, expected] : reads) {
            VariableValue value;
            EXPECT_EQ(GetToolpathVariable(name, directory, number, value), 0) << number;
            EXPECT_EQ(shown(value), expected) << number;
        }
    }
    VariableValue value;
    EXPECT_EQ(GetToolpathVariable(std::string(5000, 'T'), zone_.path(), 0, value), 0);
    EXPECT_EQ(value.type, 0);
}

}  // namespace
