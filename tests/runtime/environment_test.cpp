#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "environment_fixture.h"
#include "runtime/environment.h"
#include "runtime/message_database.h"

namespace {

using environment_test::Installation;
using environment_test::kMinimalBase;
using testing::HasSubstr;

struct EnvironmentLookup : environment_test::QuietReports {
    Installation install;
};

TEST_F(EnvironmentLookup, ProcessEnvironmentWinsOverEveryConfigurationFile) {
    install.base(
        "[var]\nCB_SHADOWED = base\nCB_CONFIGURED = base value   \n"
        "[path]\nENV = @/site\nLIB = @/lib\n");
    install.config("site", "[var]\nCB_SHADOWED = site\n");
    install.env.set("CB_SHADOWED", "process");

    EXPECT_EQ(get_variable("CB_SHADOWED"), "process");
    EXPECT_EQ(variable_origin("CB_SHADOWED", "process"), "from environment");
    EXPECT_EQ(get_variable("CB_CONFIGURED"), "base value");
    EXPECT_EQ(variable_origin("CB_CONFIGURED", "base value"),
              "from '" + install.base_file() + "' line 3");
    EXPECT_EQ(get_variable("CB_NOWHERE"), std::nullopt);

    EXPECT_EQ(get_path_variable("LIB"), install.fill("@/lib"));
    install.env.set("LIBPATH", "/from/process");
    EXPECT_EQ(get_path_variable("LIB"), "/from/process");
    EXPECT_EQ(path_origin("LIB", "/from/process"), "from environment 'LIBPATH'");
}

TEST_F(EnvironmentLookup, BuiltInVariablesNameLinuxAndAreSetByTheProgram) {
    install.base(kMinimalBase);
    EXPECT_EQ(get_variable("LINUX"), "1");
    EXPECT_EQ(get_variable("PC"), "1");
    EXPECT_EQ(get_variable("WINDOWS"), std::nullopt);
    EXPECT_EQ(variable_origin("PC", "1"), "set by program");
}

TEST_F(EnvironmentLookup, BaseWithoutVariableSectionGetsNoBuiltIns) {
    install.base("[path]\nENV = $KVXHOME/config\n");
    EXPECT_EQ(get_variable("LINUX"), std::nullopt);
    EXPECT_EQ(find_section(environment_database(), "var"), kNoSection);
}

TEST_F(EnvironmentLookup, LaterFilesChooseTheLinuxBranch) {
    install.base("[var]\nCB_OS = unknown\n[path]\nENV = @/site\n");
    install.config("site",
                   "[var]\n"
                   "/if (WINDOWS)\nCB_OS = windows\n/else\nCB_OS = linux\n/endif\n"
                   "/if LINUX == 1\n/if CB_SITE == north\nCB_WHERE = north\n/else\n"
                   "CB_WHERE = elsewhere\n/endif\n/endif\n");
    install.env.set("CB_SITE", "north");
    EXPECT_EQ(get_variable("CB_OS"), "linux");
    EXPECT_EQ(get_variable("CB_WHERE"), "north");
}

// During the base load there is no database: conditions see only the process environment,
// and asking for a configured name must not start the load a second time.
TEST_F(EnvironmentLookup, BaseFileConditionsSeeOnlyTheProcessEnvironment) {
    install.base(
        "[var]\nCB_EARLY = 1\n"
        "/if CB_EARLY\nCB_SEEN = configured\n/endif\n"
        "/if CB_FROM_PROCESS\nCB_SEEN_PROCESS = yes\n/endif\n"
        "/if LINUX\nCB_LINUX_IN_BASE = yes\n/endif\n"
        "[path]\nENV = $KVXHOME/config\n");
    install.env.set("CB_FROM_PROCESS", "1");
    EXPECT_EQ(get_variable("CB_SEEN"), std::nullopt);
    EXPECT_EQ(get_variable("CB_SEEN_PROCESS"), "yes");
    EXPECT_EQ(get_variable("CB_LINUX_IN_BASE"), std::nullopt);
}

TEST_F(EnvironmentLookup, EnvironmentPathLoadsItsFirstDirectoryLast) {
    install.base("[var]\nCB_ORDER = base\nCB_ONLY_BASE = b\n[path]\nENV = @/one;@/two,@/three/\n");
    install.config("one", "[var]\nCB_ORDER = +,one\n");
    install.config("two", "[var]\nCB_ORDER = +,two\nCB_TWO = 2\n");
    install.config("three", "[var]\nCB_ORDER = +,three\n");
    EXPECT_EQ(get_variable("CB_ORDER"), "base,three,two,one");
    EXPECT_EQ(get_variable("CB_TWO"), "2");
    EXPECT_EQ(get_variable("CB_ONLY_BASE"), "b");
    EXPECT_EQ(variable_origin("CB_ORDER", ""),
              "from '" + install.fill("@/one/environ.cfg") + "' line 2");
}

// The second file may move the environment path; the rest of the walk uses the new one.
TEST_F(EnvironmentLookup, SecondFileCanRedefineTheEnvironmentPath) {
    install.base("[path]\nENV = @/second\n[var]\nCB_FROM = base\n");
    install.config("second", "[path]\nENV = @/extra; @/second\n[var]\nCB_FROM = second\n");
    install.config("extra", "[var]\nCB_FROM = extra\n");
    EXPECT_EQ(get_variable("CB_FROM"), "extra");
}

TEST_F(EnvironmentLookup, MissingDirectoriesOfTheEnvironmentPathAreSkipped) {
    install.base("[var]\nCB_FROM = base\n[path]\nENV = @/present;@/absent1;@/absent2\n");
    install.config("present", "[var]\nCB_FROM = present\n");
    EXPECT_EQ(get_variable("CB_FROM"), "present");
}

TEST_F(EnvironmentLookup, EnvironmentPathFromTheProcessEnvironment) {
    install.base("[var]\nCB_FROM = base\n");
    std::string site = install.config("site", "[var]\nCB_FROM = site\n");
    install.env.set("ENVPATH", site);
    EXPECT_EQ(get_variable("CB_FROM"), "site");
}

struct LoadTrace {
    const char* env_path;
    const char* last_trace;
};

class EnvironmentLoadTrace : public EnvironmentLookup,
                             public testing::WithParamInterface<LoadTrace> {};

// The closing trace tells how far the walk went; the base file is never loaded twice (it
// holds a plain line, which an overload would refuse).
TEST_P(EnvironmentLoadTrace, BaseFileIsLoadedOnce) {
    install.base(std::string("[var]\nplain line\nCB_X = base\n[path]\nENV = ") +
                 GetParam().env_path + "\n");
    install.config("site", "[var]\nCB_X = site\n");
    install.config("more", "[var]\nCB_X = more\n");
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    load_environment();
    std::string out = testing::internal::GetCapturedStdout();
    set_verbose_reporting(false);
    EXPECT_EQ(out.rfind(GetParam().last_trace),
              out.size() - std::string(GetParam().last_trace).size())
        << out;
    EXPECT_THAT(out, testing::StartsWith("LOADING ENVIRONMENT FILES ....\n"));
    EXPECT_EQ(out.find("loading configuration file"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Walks, EnvironmentLoadTrace,
    testing::Values(LoadTrace{"$KVXHOME/config", ".LOADING ENVIRONMENT FILES ....done.\n"},
                    LoadTrace{"$KVXHOME\\config\\", ".LOADING ENVIRONMENT FILES ....done.\n"},
                    LoadTrace{"$KVXHOME/config;@/site", "..LOADING ENVIRONMENT FILES ....done.\n"},
                    LoadTrace{"@/more;$KVXHOME/config;@/site",
                              "\nLOADING ENVIRONMENT FILES ....done.\n"}));

TEST_F(EnvironmentLookup, HomeWithATrailingSeparatorNamesTheSameBaseFile) {
    install.base(kMinimalBase);
    install.env.set("KVXHOME", install.home() + "/");
    EXPECT_EQ(get_variable("CB_HOME_VALUE"), "home");
    EXPECT_EQ(variable_origin("CB_HOME_VALUE", "home"),
              "from '" + install.base_file() + "' line 2");
}

TEST_F(EnvironmentLookup, OverloadWalksTheListBackwardsAndSkipsBlanksAndEmptyElements) {
    install.config("a", "[var]\nCB_V = a\n");
    install.config("b", "[var]\nCB_V = b\nCB_B = b\n");
    install.env.set("CB_DIRS", install.fill("  @/a/ ;; @/b\\ ,"));
    MessageDatabase* db = overload_environment(nullptr, "$CB_DIRS", "environ.cfg");
    ASSERT_NE(db, nullptr);
    std::uint16_t var = find_section(db, "var");
    EXPECT_EQ(get_value(db, var, "CB_V"), "a");
    EXPECT_EQ(get_value(db, var, "CB_B"), "b");
    free_database(db);

    MessageDatabase* empty = overload_environment(nullptr, install.fill("@/none"), "environ.cfg");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(section_count(empty), 0);
    free_database(empty);
}

TEST_F(EnvironmentLookup, UnloadStartsAgainFromANewInstallation) {
    install.base("[var]\nCB_GEN = first\n[path]\nENV = $KVXHOME/config\n");
    EXPECT_EQ(get_variable("CB_GEN"), "first");
    install.base("[var]\nCB_GEN = second\n[path]\nENV = $KVXHOME/config\n");
    EXPECT_EQ(get_variable("CB_GEN"), "first");
    unload_environment();
    EXPECT_EQ(environment_database(), nullptr);
    EXPECT_EQ(get_variable("CB_GEN"), "second");
}

struct FatalLoad {
    const char* name;
    const char* base;  // nullptr: no base file
    bool unset_home;
    const char* expected;  // "@" stands for the temporary root
};

class EnvironmentFatal : public EnvironmentLookup, public testing::WithParamInterface<FatalLoad> {};

TEST_P(EnvironmentFatal, EndsTheProcessWithTheText) {
    if (GetParam().base != nullptr) {
        install.base(GetParam().base);
    }
    if (GetParam().unset_home) {
        install.env.set("KVXHOME", std::nullopt);
    }
    std::string expected = install.fill(GetParam().expected);
    EXPECT_EXIT(get_variable("CB_ANYTHING"), testing::ExitedWithCode(255), HasSubstr(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Installations, EnvironmentFatal,
    testing::Values(
        FatalLoad{"NoHome", kMinimalBase, true,
                  "The environment variable 'KVXHOME' is not defined\n"},
        FatalLoad{"NoBaseFile", nullptr, false, "Error loading '@/home/config/environ.cfg'\n"},
        FatalLoad{"NoEnvironmentPath", "[var]\nCB_X = 1\n", false,
                  "Error loading 'environ.cfg' files\n"},
        FatalLoad{"EnvironmentPathTooLong",
                  "[path]\nENV = $KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME"
                  "$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME\n",
                  false, "Error loading 'environ.cfg' files\n"}),
    [](const testing::TestParamInfo<FatalLoad>& param_info) {
        return std::string(param_info.param.name);
    });

struct TemporaryDirectory : EnvironmentLookup {
    void SetUp() override {
        EnvironmentLookup::SetUp();
        install.base(kMinimalBase);
        install.env.set("KVXZONE", install.root.file("zone"));
        install.env.set("KVXTMP", install.root.file("tmp"));
        install.env.set("TMP", "/never/used");
        install.root.write("zone/workzone.num", "42  \r\nsecond line\n");
    }
};

TEST_F(TemporaryDirectory, KvxTmpDirWinsAndNamesItsOrigin) {
    install.env.set("KVXTMPDIR", "/given/tmp");
    EXPECT_EQ(get_variable("TMP"), "/given/tmp");
    EXPECT_EQ(variable_origin("TMP", "/given/tmp"), "from environment variable KVXTMPDIR");
}

TEST_F(TemporaryDirectory, WorkzoneNumberBelowKvxTmpIsCreatedAndKeptAlive) {
    std::string expected = install.root.file("tmp/42");
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_EQ(variable_origin("TMP", expected), "");

    // Computed once: a new number file does not move it, a removed directory comes back.
    install.root.write("zone/workzone.num", "7\n");
    std::filesystem::remove(expected);
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
}

TEST_F(TemporaryDirectory, UndefinedKvxTmpGivesNoDirectoryRatherThanARelativeOne) {
    install.env.set("KVXTMP", std::nullopt);
    EXPECT_EQ(get_variable("TMP"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists("Undefined_KVXTMP"));
}

TEST_F(TemporaryDirectory, NumberFileNamingTmpItselfEnds) {
    install.root.write("zone/workzone.num", "$TMP\n");
    EXPECT_EQ(get_variable("TMP"), std::nullopt);
}

struct FatalTemporary {
    const char* name;
    const char* number_file;  // nullptr: absent
    bool unset_zone;
    bool tmp_is_a_file;
    const char* expected;
};

class TemporaryDirectoryFatal : public TemporaryDirectory,
                                public testing::WithParamInterface<FatalTemporary> {};

TEST_P(TemporaryDirectoryFatal, EndsTheProcessWithTheText) {
    const FatalTemporary& p = GetParam();
    std::filesystem::remove(install.root.file("zone/workzone.num"));
    if (p.number_file != nullptr) {
        install.root.write("zone/workzone.num", p.number_file);
    }
    if (p.unset_zone) {
        install.env.set("KVXZONE", std::nullopt);
    }
    if (p.tmp_is_a_file) {
        install.root.write("tmp", "not a directory");
    }
    EXPECT_EXIT(get_variable("TMP"), testing::ExitedWithCode(255),
                HasSubstr(install.fill(p.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Workzones, TemporaryDirectoryFatal,
    testing::Values(FatalTemporary{"NoZone", "1\n", true, false, "KVXZONE is not defined\n"},
                    FatalTemporary{"NoNumberFile", nullptr, false, false,
                                   "Error opening file '@/zone/workzone.num' for read access\n"},
                    FatalTemporary{"EmptyNumberFile", "", false, false,
                                   "Error reading file '@/zone/workzone.num'\n"},
                    FatalTemporary{"UncreatableDirectory", "5\n", false, true,
                                   "Could not create temporary directory '@/tmp/5'"}),
    [](const testing::TestParamInfo<FatalTemporary>& param_info) {
        return std::string(param_info.param.name);
    });

}  // namespace
