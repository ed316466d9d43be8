#include "workzone/workzone_paths_kinds.h"

#include "workzone_fixture.h"

namespace {

using WorkzoneFileKinds = WorkzoneTest;

TEST_F(WorkzoneFileKinds, DefaultAndConfiguredTemplates) {
    const std::string zone = zone_.path();
    // Without a name, or without a star, the template stands as it is.
    const std::tuple<int, std::optional<std::string>, std::string> defaults[] = {
        {1012, "outil7", zone + "/outil7.par"},
        {105, "machine", "data/machine.ref"},
        {1020, "ignored", zone + "/basepart.bas"},
        {1012, std::nullopt, zone + "/*.par"},
        {9, "bare", "bare"},
    };
    for (const auto& [kind, name, path] : defaults) {
        std::string result;
        EXPECT_EQ(WorkzoneFilePath(kind, name, 384, result), 0) << kind;
        EXPECT_EQ(result, path) << kind;
    }
    write_configuration(
        "TOOL_PARAMETERS = $KVXZONE/params/*.tp\nTOOL_VIEW =\n"
        "HOLDER = $KVXZONE\\holders\\\\*.hld\n");
    const std::tuple<int, const char*, std::string> configured[] = {
        {1012, "outil7", zone + "/params/outil7.tp"},
        {1016, "outil", zone + "/outil.mul"},  // an empty entry replaces nothing
        {1026, "h1", zone + "/holders/h1.hld"},
    };
    unload_environment();
    for (const auto& [kind, name, path] : configured) {
        std::string result;
        EXPECT_EQ(WorkzoneFilePath(kind, std::string(name), 384, result), 0) << kind;
        EXPECT_EQ(result, path) << kind;
    }
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
