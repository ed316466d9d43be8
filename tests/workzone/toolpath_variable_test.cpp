#include <climits>
#include <sstream>

#include "platform/filesystem.h"
#include "workzone/toolpath_reader.h"

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

using ToolpathVariables = WorkzoneTest;

TEST_F(ToolpathVariables, EnumTextsTryTheSuffixesThenTheBareValueThenTheFallback) {
    // Only 19 characters of a suffix list take part: "short" lies beyond them.
    const std::tuple<std::int32_t, std::int32_t, std::optional<std::string>, bool,
                     std::optional<std::string>>
        cases[] = {{75, 3, std::nullopt, false, "Radial"},
                   {75, 3, "INT", true, "3"},
                   {75, 3, "x; abbr", false, "R."},
                   {75, 3, "aaaaaaaaaaaaaaaaaa;short", false, "Radial"},
                   {75, 5, std::nullopt, false, "TP_LITYPE-5"},
                   {75, 5, "short", true, std::nullopt},
                   {500, 1, std::nullopt, false, "VarId-500-1"},
                   {9999, 2, ".int", false, "VarId-9999-2"}};
    for (const auto& [id, value, suffix, no_fallback, text] : cases) {
        EXPECT_EQ(EnumText(id, value, suffix, no_fallback), text) << id << " " << value;
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

TEST_F(ToolpathVariables, ReadsThroughTheRulesOfEachVariable) {
    ParameterItems items = sample_items();
    write_toolpath(0, items);
    // Item 6 is 0, so the second cutter is a ball: one value.
    const std::pair<const char*, const char*> cases[] = {
        {"tp_cdiam", "0:"},           {"TP_CDIAM_", "0:"},         {"TP_RCRADS", "1:1.5f"},
        {"TP_MANGLE", "3:30f"},       {"TP_AUTOFLAGS", "4:#9"},    {"TP_NUM", "4:#0"},
        {"TP_COMMENT", "5:roughing"}, {"TP_LITYPE", "5:Radial"},   {"TP_STEPTYPE.int", "5:2"},
        {"TP_MDIR", "5:Climb"},       {"TP_AUTOZSTEP.int", "5:1"}, {"TP_CSHAPE", "5:TP_CSHAPE-0"}};
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(shown(read(name)), expected) << name;
        EXPECT_EQ(last_status_, 0) << name;
    }
    // Direction mode 2, and sizes as diameters only for the exact word.
    items.set_number(8, 0.0f);
    write_toolpath(0, items);
    forget_toolpath_details_load();
    EXPECT_EQ(read("TP_MANGLE").real(), 90.0f);
    EXPECT_EQ(read("TP_MDIR").text(), "Conventional");
    env_.set("KVXUSERAD", "diameter");
    EXPECT_EQ(shown(read("TP_DIMS")) + " " + shown(read("TP_RCDIMS")), "1:10f;2f 1:3f");
    env_.set("KVXUSERAD", "Diameter");
    EXPECT_EQ(shown(read("TP_DIMS")), "1:5f;2f");
}

// UNIT needs no toolpath; user variables take the 103 rows behind it and keep their first
// definition. Writes read back as written; not writable: status 2; refused: status 3 (a type
// 305 has a fixed machining direction).
TEST_F(ToolpathVariables, UserVariablesAndWritesReadBackAsWrittenOrAreRefused) {
    env_.set("KVXDEBUG", "1");
    testing::internal::CaptureStdout();
    EXPECT_EQ(shown(read("UNIT")), "5:mm");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // no toolpath load
    EXPECT_EQ(FindVariable("UNIT")->id, 1001);
    write_toolpath(0, sample_items());
    DefineUserVariable("LEN", MakeRealValue(kVariableTypeDist, 1.0f));
    DefineUserVariable("COUNT", MakeIntegerValue(1));
    EXPECT_EQ(DefineUserVariable("COUNT", MakeTextValue("x"))->id, 1003);
    testing::internal::CaptureStderr();
    DefineUserVariable("TILT", MakeRealValue(kVariableTypeAngle, 3.0f));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Internal error setting [TILT] to type 3\n");
    EXPECT_EQ(shown(read("TILT")), "5:Whoops!!");
    EXPECT_EQ(last_status_, 3);
    for (int i = 4; i <= 103; ++i) {
        ASSERT_NE(DefineUserVariable("U" + std::to_string(i), MakeIntegerValue(i)), nullptr) << i;
    }
    EXPECT_EQ(DefineUserVariable("ONE_TOO_MANY", MakeIntegerValue(0)), nullptr);
    EXPECT_EQ(FindVariable("U103")->id, 1104);
    EXPECT_EQ(VariableRow(kVariableTableRows - 1).id, kVariableIdEnd);

    env_.set("KVXUSERAD", "diameter");
    const VariableValue points{kVariableTypeCoord, 6, {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}};
    const VariableValue steps{kVariableTypeStep, 3, {0.0f, 0.0f, -4.0f}};
    const std::tuple<const char*, VariableValue, const char*, const char*> cases[] = {
        {"TP_CDIAM", MakeRealValue(1, 12.0f), "TP_BRAD", "1:6f"},
        {"TP_LITYPE", MakeIntegerValue(1), "TP_LITYPE.int", "5:1"},
        {"TP_LITYPE", MakeTextValue("3"), "TP_LITYPE.short", "5:Rad"},
        {"TP_TYPE", MakeIntegerValue(20305), "TP_TYPE.int", "5:20305"},
        {"TP_TYPE", MakeTextValue("Pencil three"), "TP_TYPE.int", "5:30204"},
        {"TP_MANGLE", MakeRealValue(3, 90.0f), "TP_MDIR.int", "5:2"},
        {"TP_AUTOPKTW", MakeIntegerValue(1), "TP_AUTOFLAGS", "4:#11"},
        {"TP_ENTRYPTS", points, "TP_ENTRYPTS", "101:1f;2f;3f;4f;5f;6f"},
        {"TP_VARZSTEPS", steps, "TP_VARZSTEPS", "102:0f;0f;-4f"},
        {"LEN", MakeIntegerValue(3), "LEN", "1:3f"}};
    for (const auto& [name, written, read_as, expected] : cases) {
        EXPECT_EQ(write(name, written), 0) << name;
        EXPECT_EQ(shown(read(read_as)), expected) << name << " -> " << read_as;
    }
    for (const char* name : {"TP_NUM", "TP_NOPE", "<user-start>"}) {
        EXPECT_EQ(write(name, MakeIntegerValue(3)), 2) << name;
    }
    ASSERT_EQ(write("TP_TYPE", MakeIntegerValue(305)), 0);
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
    EXPECT_EQ(read("TP_MDIR.int").text() + shown(read("COUNT")), "44:#1");
}

TEST_F(ToolpathVariables, BadDirectoriesAndNumbersReadDefaultsWithoutHarm) {
    write_toolpath(0, sample_items());
    const std::pair<std::string, int> cases[] = {{zone_.path() + "/" + std::string(611, 'd'), 0},
                                                 {std::string(2000, '/'), 0},
                                                 {zone_.path(), -1},
                                                 {zone_.path(), INT32_MAX},
                                                 {zone_.path(), INT32_MIN}};
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
    EXPECT_EQ(read(std::string(5000, 'T')).type, 0);
    EXPECT_EQ(last_status_, 0);
}

TEST(ToolpathReaderTable, Family200Types) {
    const std::pair<int, bool> cases[] = {{200, false},   {201, true},    {299, true},
                                          {300, false},   {10204, true},  {30204, true},
                                          {10205, false}, {40204, false}, {-201, false}};
    for (const auto& [type, family] : cases) {
        EXPECT_EQ(IsFamily200Type(type), family) << type;
    }
}

TEST_F(ToolpathVariables, ReadsByKindRoundsIndexedRealsAndLeavesTheOutputOnFailure) {
    ParameterItems items = sample_items();
    items.set_number(3, -2.0004f);
    items.set_number(4, 4.999755f);
    items.set_number(26, 8000.4996f);
    items.set_number(36, 2.0625f);  // an exact half
    items.set_number(42, -0.0625f);
    write_toolpath(0, items);
    const ToolpathReader reader(0);
    const std::pair<int, float> reals[] = {{3, 10.0f},   {5, -2.0f},    {16, 8000.5f},
                                           {20, 2.063f}, {19, -0.063f}, {13, 5000.0f}};
    for (const auto& [index, expected] : reals) {
        float value = -1.0f;
        EXPECT_TRUE(reader.ReadIndexed(index, value)) << index;
        EXPECT_FLOAT_EQ(value, expected) << index;
    }
    std::string text;
    float real = -1.0f;
    std::int32_t integer = -1;
    EXPECT_TRUE(reader.ReadText("TP_LITYPE", text));
    EXPECT_EQ(text, "3");
    EXPECT_EQ(reader.ReadToolpathType(), "30204");
    text = "untouched";
    EXPECT_FALSE(reader.ReadText("TP_CDIAM", text) || reader.ReadReal("TP_CPPNUM", real) ||
                 reader.ReadReal("TP_RADS.int", real) || reader.ReadInteger("TP_FRCUT", integer));
    for (int index : {0, 25, -1, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(reader.ReadIndexed(index, text) || reader.ReadIndexed(index, real) ||
                     reader.ReadIndexed(index, integer))
            << index;
    }
    EXPECT_FALSE(reader.ReadIndexed(3, text) || reader.ReadIndexed(1, real) ||
                 reader.ReadIndexed(10, integer));
    EXPECT_TRUE(text == "untouched" && real == -1.0f && integer == -1);
}

TEST_F(ToolpathVariables, WorkzoneIsLookedUpAtEveryRead) {
    write_toolpath(0, sample_items());
    const ToolpathReader reader(0);
    float feed = 0.0f;
    ASSERT_TRUE(reader.ReadReal("TP_FRCUT", feed));
    testsupport::TempDir other;
    ParameterItems items = sample_items();
    items.set_number(23, 321.0f);
    ASSERT_TRUE(write_parameter_file(other.file("outil.par"), items));
    other.write("outil.mul", "");
    env_.set("KVXZONE", other.path());
    EXPECT_TRUE(reader.ReadReal("TP_FRCUT", feed));
    EXPECT_EQ(feed, 321.0f);
    // Undefined: the current directory.
    env_.set("KVXZONE", std::nullopt);
    const std::optional<std::string> previous = platform::current_directory();
    ASSERT_TRUE(platform::set_current_directory(zone_.path()));
    const bool read = reader.ReadReal("TP_FRCUT", feed);
    platform::set_current_directory(previous.value_or("/"));
    EXPECT_TRUE(read && feed == 1200.0f);
}

}  // namespace
