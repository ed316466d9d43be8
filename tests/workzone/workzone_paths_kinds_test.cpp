#include "workzone/workzone_paths_kinds.h"
#include "toolpath_variable_fixture.h"

namespace {

using WorkzoneFileKinds = ToolpathVariableTest;

TEST_F(WorkzoneFileKinds, PathsOfTheDefaultTemplates) {
    const std::string zone = zone_.path();
    const std::tuple<int, std::optional<std::string>, int, std::string> cases[] = {
        {1012, "outil7", 0, zone + "/outil7.par"},
        {101, "front", 0, zone + "/data/front.trn"},
        {105, "machine", 0, "data/machine.ref"},
        // Without a name, or without a star, the template stands as it is.
        {1020, "ignored", 0, zone + "/basepart.bas"},
        {1012, std::nullopt, 0, zone + "/*.par"},
        {9, "bare", 0, "bare"},
        {9, std::nullopt, 0, "*"},
    };
    for (const auto& [kind, name, status, path] : cases) {
        std::string result;
        EXPECT_EQ(WorkzoneFilePath(kind, name, 384, result), status) << kind;
        EXPECT_EQ(result, path) << kind;
    }
}

TEST_F(WorkzoneFileKinds, ConfiguredTemplatesReplaceNonEmptyEntriesOnly) {
    write_configuration(
        "TOOL_PARAMETERS = $KVXZONE/params/*.tp\n"
        "TOOL_VIEW =\n"
        "HOLDER = $KVXZONE\\holders\\\\*.hld\n"
        "STOCK = /fixed/stock.res\n");
    const std::string zone = zone_.path();
    const std::tuple<int, const char*, std::string> cases[] = {
        {1012, "outil7", zone + "/params/outil7.tp"},
        {1016, "outil", zone + "/outil.mul"},
        {1026, "h1", zone + "/holders/h1.hld"},
        {1025, "x", "/fixed/stock.res"},
    };
    for (const auto& [kind, name, path] : cases) {
        std::string result;
        EXPECT_EQ(WorkzoneFilePath(kind, std::string(name), 384, result), 0) << kind;
        EXPECT_EQ(result, path) << kind;
    }
    EXPECT_EQ(WorkzoneFileTemplate(1016), "$KVXZONE/*.mul");
}

TEST_F(WorkzoneFileKinds, TooLongForTheMaximumGivesTheNameUnexpanded) {
    write_configuration("TOOL_PARAMETERS = /p/*.tp\n");
    struct Case {
        std::optional<std::string> name;
        int maximum;
        int status;
        std::string path;
    };
    // The template has 7 characters, the name 6.
    const Case cases[] = {
        {"outil7", 13, 0, "/p/outil7.tp"},
        {"outil7", 12, -42, "outil7"},
        // Expansion keeps one character of its buffer in reserve.
        {std::nullopt, 8, 0, "/p/*.tp"},
        {std::nullopt, 7, -32, "/p/*.tp"},
        {std::nullopt, 6, -42, ""},
        {"outil7", 0, -42, "outil7"},
        {"outil7", -5, -42, "outil7"},
        {std::string(5000, 'n'), 384, -42, std::string(5000, 'n')},
    };
    for (const auto& c : cases) {
        std::string result = "previous";
        EXPECT_EQ(WorkzoneFilePath(1012, c.name, c.maximum, result), c.status) << c.maximum;
        EXPECT_EQ(result, c.path) << c.maximum;
    }
}

TEST_F(WorkzoneFileKinds, UndefinedVariablesStillGiveACompletePath) {
    env_.set("KVXDATA", std::nullopt);
    std::string result;
    testing::internal::CaptureStderr();
    EXPECT_EQ(WorkzoneFilePath(105, std::string("m"), 384, result), -43);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, "Undefined_KVXDATA/m.ref");
}

}  // namespace
