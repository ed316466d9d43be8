#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "environment_fixture.h"
#include "runtime/message_database.h"

namespace {

using testing::HasSubstr;
using Environment = environment_test::Installation;

const char kBase[] = "[path]\nENV = $KVXHOME/config\n";

TEST_F(Environment, ProcessEnvironmentWinsAndOriginsSayWhere) {
    base(
        "[var]\nCB_SHADOWED = base\nCB_CONFIGURED = base value   \n"
        "/if WINDOWS\nCB_OS = windows\n/endif\n[path]\nENV = @/site\nLIB = @/lib\n");
    config("site", "[var]\nCB_SHADOWED = site\n/if (LINUX)\nCB_OS = linux\n/endif\n");
    env.set("CB_SHADOWED", "process");
    EXPECT_EQ(get_variable("CB_SHADOWED"), "process");
    EXPECT_EQ(variable_origin("CB_SHADOWED", ""), "from environment");
    EXPECT_EQ(get_variable("CB_CONFIGURED"), "base value");
    EXPECT_EQ(variable_origin("CB_CONFIGURED", ""), "from '" + base_file() + "' line 3");
    EXPECT_EQ(get_variable("CB_NOWHERE"), std::nullopt);
    // Built-in variables name this platform, so later files take the Linux branch.
    EXPECT_EQ(get_variable("CB_OS"), "linux");
    EXPECT_EQ(get_variable("PC"), "1");
    EXPECT_EQ(variable_origin("PC", ""), "set by program");
    EXPECT_EQ(get_path_variable("LIB"), fill("@/lib"));
    env.set("LIBPATH", "/from/process");
    EXPECT_EQ(get_path_variable("LIB"), "/from/process");
    EXPECT_EQ(path_origin("LIB", ""), "from environment 'LIBPATH'");
}

// While the base file is read there is no database: its conditions see only the process
// environment, and must not start the load a second time.
TEST_F(Environment, BaseFileConditionsSeeOnlyTheProcessEnvironment) {
    base(
        "[var]\nCB_EARLY = 1\n/if CB_EARLY\nCB_SEEN = configured\n/endif\n"
        "/if CB_FROM_PROCESS\n/if CB_LEVEL == 2\nCB_NESTED = yes\n/endif\n/endif\n" +
        std::string(kBase));
    env.set("CB_FROM_PROCESS", "1").set("CB_LEVEL", "2");
    EXPECT_EQ(get_variable("CB_SEEN"), std::nullopt);
    EXPECT_EQ(get_variable("CB_NESTED"), "yes");
    base(kBase);  // without a variable section no built-ins either
    unload_environment();
    EXPECT_EQ(get_variable("LINUX"), std::nullopt);
}

TEST_F(Environment, EnvironmentPathLoadsItsFirstDirectoryLastAndMayBeMoved) {
    base("[var]\nCB_ORDER = base\n[path]\nENV = @/one;@/two,@/absent;@/three/\n");
    config("one", "[var]\nCB_ORDER = +,one\n");
    config("two", "[var]\nCB_ORDER = +,two\n");
    config("three", "[var]\nCB_ORDER = +,three\n");
    EXPECT_EQ(get_variable("CB_ORDER"), "base,three,two,one");
    EXPECT_EQ(variable_origin("CB_ORDER", ""), "from '" + fill("@/one/environ.cfg") + "' line 2");

    unload_environment();
    base("[path]\nENV = @/second\n[var]\nCB_FROM = base\n");
    config("second", "[path]\nENV = @/extra; @/second\n[var]\nCB_FROM = second\n");
    config("extra", "[var]\nCB_FROM = extra\n");
    EXPECT_EQ(get_variable("CB_FROM"), "extra");
    unload_environment();
    env.set("ENVPATH", fill("@/second"));
    config("second", "[var]\nCB_FROM = second\n");
    EXPECT_EQ(get_variable("CB_FROM"), "second");
}

// The closing trace tells how far the walk went. The base file holds a plain line, which an
// overload would refuse: it must never be loaded twice.
TEST_F(Environment, BaseFileIsLoadedOnceWhateverTheEnvironmentPath) {
    const std::pair<const char*, const char*> walks[] = {{"$KVXHOME\\config\\", "\n."},
                                                         {"$KVXHOME/config;@/site", "\n.."},
                                                         {"@/more;$KVXHOME/config;@/site", "\n"}};
    config("site", "[var]\nCB_X = site\n");
    config("more", "[var]\nCB_X = more\n");
    env.set("KVXHOME", home() + "/");
    for (const auto& [path, dots] : walks) {
        base(std::string("[var]\nplain line\n[path]\nENV = ") + path + "\n");
        unload_environment();
        set_verbose_reporting(true);
        testing::internal::CaptureStdout();
        load_environment();
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_THAT(out, testing::StartsWith("LOADING ENVIRONMENT FILES ....\n")) << path;
        EXPECT_THAT(out,
                    testing::EndsWith(std::string(dots) + "LOADING ENVIRONMENT FILES ....done.\n"))
            << path;
    }
}

TEST_F(Environment, BrokenInstallationsEndTheProcessWithTheirText) {
    const struct {
        const char* unset;
        const char* base;  // nullptr: no base file
        const char* number_file;
        const char* lookup;
        const char* text;  // "@" is the temporary root
    } cases[] = {
        {"KVXHOME", nullptr, nullptr, "X", "The environment variable 'KVXHOME' is not defined\n"},
        {"", nullptr, nullptr, "X", "Error loading '@/home/config/environ.cfg'\n"},
        {"", "[var]\nX = 1\n", nullptr, "X", "Error loading 'environ.cfg' files\n"},
        {"",
         "[path]\nENV = $KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME"
         "$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME\n",
         nullptr, "X", "Error loading 'environ.cfg' files\n"},
        {"", kBase, nullptr, "TMP", "Error opening file '@/zone/workzone.num' for read access\n"},
        {"", kBase, "", "TMP", "Error reading file '@/zone/workzone.num'\n"},
        {"", kBase, "9\n", "TMP", "Could not create temporary directory '@/tmp/9'"},
        {"KVXZONE", kBase, "9\n", "TMP", "KVXZONE is not defined\n"}};
    env.set("KVXZONE", root.file("zone")).set("KVXTMP", root.file("tmp"));
    root.write("tmp/9", "a file where the directory should be");
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                env.set(c.unset, std::nullopt);
                if (c.base) {
                    base(c.base);
                }
                if (c.number_file) {
                    root.write("zone/workzone.num", c.number_file);
                }
                get_variable(c.lookup);
            },
            testing::ExitedWithCode(255), HasSubstr(fill(c.text)));
    }
}

TEST_F(Environment, TemporaryDirectoryIsTheWorkzoneNumberBelowKvxTmp) {
    base(kBase);
    env.set("KVXZONE", root.file("zone"));
    root.write("zone/workzone.num", "42  \r\nsecond line\n");
    EXPECT_EQ(get_variable("TMP"), std::nullopt);  // no KVXTMP
    EXPECT_FALSE(std::filesystem::exists("Undefined_KVXTMP"));
    env.set("KVXTMP", root.file("tmp")).set("TMP", "/unused");
    root.write("zone/workzone.num", "$TMP\n");
    EXPECT_EQ(get_variable("TMP"), std::nullopt);  // and no loop

    root.write("zone/workzone.num", "42  \r\nsecond line\n");
    const std::string expected = root.file("tmp/42");
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_EQ(variable_origin("TMP", expected), "");
    // Computed once: a new number does not move it, a removed directory comes back.
    root.write("zone/workzone.num", "7\n");
    std::filesystem::remove(expected);
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    env.set("KVXTMPDIR", "/given");
    EXPECT_EQ(get_variable("TMP"), "/given");
    EXPECT_EQ(variable_origin("TMP", ""), "from environment variable KVXTMPDIR");
}

}  // namespace
