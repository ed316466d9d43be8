#include <climits>

#include "workzone/workzone_paths_kinds.h"
#include "workzone_fixture.h"

namespace {

TEST(ToolpathFileName, NumberTextByRange) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, ".par", "outil.par"},
        {9999, ".mul", "outil9999.mul"},
        {10000, ".par", "outil0.1.par"},
        {123456, ".niv", "outil3456.12.niv"},
        // The largest numbers need more than the nine characters an old buffer had; the whole
        // text keeps them apart from toolpath 21473647.
        {INT_MAX, ".par", "outil3647.214748.par"},
        {21473647, ".par", "outil3647.2147.par"},
        {-1, ".par", "outil-1.par"},
        {5, "", "outil5"},
    };
    for (const auto& [number, extension, name] : cases) {
        EXPECT_EQ(ToolpathFileName(number, extension), name) << number;
    }
}

TEST(ToolpathFilePath, OneSeparatorBetweenDirectoryAndName) {
    EXPECT_EQ(ToolpathFilePath("/zones/z1/", 7, ".par"), "/zones/z1/outil7.par");
    // A directory written on Windows keeps its own trailing separator.
    EXPECT_EQ(ToolpathFilePath("C:\\zones\\z1\\", 7, ".par"), "C:\\zones\\z1\\outil7.par");
    EXPECT_EQ(ToolpathFilePath("", 12, ".per"), "outil12.per");
    const std::string directory(700, 'd');
    EXPECT_EQ(ToolpathFilePath(directory, 3, ".par"), directory + "/outil3.par");
}

using WorkzoneFileKinds = WorkzoneTest;

TEST_F(WorkzoneFileKinds, DefaultAndConfiguredTemplates) {
    const std::string zone = zone_.path();
    auto expect_path = [](int kind, std::optional<std::string> name, const std::string& path) {
        std::string result;
        EXPECT_EQ(WorkzoneFilePath(kind, name, 384, result), 0) << kind;
        EXPECT_EQ(result, path) << kind;
    };
    expect_path(1012, "outil7", zone + "/outil7.par");
    expect_path(105, "machine", "data/machine.ref");
    // Without a name, or without a star, the template stands as it is.
    expect_path(1020, "ignored", zone + "/basepart.bas");
    expect_path(1012, std::nullopt, zone + "/*.par");
    expect_path(9, "bare", "bare");
    write_configuration(
        "TOOL_PARAMETERS = $KVXZONE/params/*.tp\nTOOL_VIEW =\nHOLDER = "
        "$KVXZONE\\holders\\\\*.hld\n");
    unload_environment();
    expect_path(1012, "outil7", zone + "/params/outil7.tp");
    expect_path(1016, "outil", zone + "/outil.mul");  // an empty entry replaces nothing
    expect_path(1026, "h1", zone + "/holders/h1.hld");
}

TEST_F(WorkzoneFileKinds, TooLongForTheMaximumGivesTheNameUnexpanded) {
    write_configuration("TOOL_PARAMETERS = /p/*.tp\n");
    struct Case {
        std::optional<std::string> name;
        int maximum, status;
        std::string path;
    };
    // The template has 7 characters, the name 6; expansion keeps one character in reserve.
    const Case cases[] = {
        {"outil7", 13, 0, "/p/outil7.tp"},
        {"outil7", 12, -42, "outil7"},
        {std::nullopt, 8, 0, "/p/*.tp"},
        {std::nullopt, 7, -32, "/p/*.tp"},
        {std::nullopt, 6, -42, ""},
        {"outil7", -5, -42, "outil7"},
        {std::string(5000, 'n'), 384, -42, std::string(5000, 'n')},
    };
    for (const auto& c : cases) {
        std::string result = "previous";
        EXPECT_EQ(WorkzoneFilePath(1012, c.name, c.maximum, result), c.status) << c.maximum;
        EXPECT_EQ(result, c.path) << c.maximum;
    }
    env_.set("KVXDATA", std::nullopt);
    std::string result;
    testing::internal::CaptureStderr();
    EXPECT_EQ(WorkzoneFilePath(105, std::string("m"), 384, result), -43);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, "Undefined_KVXDATA/m.ref");
}

}  // namespace
