#include "workzone/workzone_paths_kinds.h"

#include "workzone_fixture.h"

namespace {

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
