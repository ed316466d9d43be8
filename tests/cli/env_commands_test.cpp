#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace {

using testsupport::run_cli;

// An installation whose configuration defines a few names; the program inherits the
// process environment set here.
struct EnvCommands : ::testing::Test {
    void SetUp() override {
        for (const char* name :
             {"KVXNULL", "KVXTMP", "KVXZONE", "ENVPATH", "CB_CLI_SET", "CB_CLI_NONE", "DOCPATH"}) {
            env.set(name, std::nullopt);
        }
        base = root.write("home/config/environ.cfg",
                          "[var]\nCB_CLI_CFG = configured   \nCB_CLI_REF = $CB_CLI_CFG/x\n"
                          "[path]\nENV = $KVXHOME/config\nDOC = /doc//one;/doc\\two\n");
        env.set("KVXHOME", root.file("home"));
        env.set("KVXTMPDIR", root.file("tmp"));
        env.set("CB_CLI_SET", "from process");
    }
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    std::string base;
};

TEST_F(EnvCommands, EnvPrintsNameTabValueAndOptionallyTheOrigin) {
    auto result = run_cli({"env", "CB_CLI_SET", "CB_CLI_NONE", "TMP", "LINUX"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "CB_CLI_SET\tfrom process\nCB_CLI_NONE\t\nTMP\t" + root.file("tmp") + "\nLINUX\t1\n");
    result = run_cli({"env", "--origin", "CB_CLI_SET", "CB_CLI_CFG", "TMP", "PC", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "CB_CLI_SET\tfrom process\tfrom environment\n"
              "CB_CLI_CFG\tconfigured\tfrom '" +
                  base + "' line 2\nTMP\t" + root.file("tmp") +
                  "\tfrom environment variable KVXTMPDIR\nPC\t1\tset by program\nCB_CLI_NONE\t\n");
}

TEST_F(EnvCommands, MissingInstallationIsFatal) {
    env.set("KVXHOME", std::nullopt);
    auto result = run_cli({"env", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 255);
    EXPECT_EQ(result.err, "The environment variable 'KVXHOME' is not defined\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(EnvCommands, ExpandPrintsStatusTabResult) {
    auto result = run_cli(
        {"expand", "$CB_CLI_REF", "$$x?DOC", "$CB_CLI_NONE/a   ", "$(oops", std::string(385, 'a')});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "0\tconfigured/x\n0\t$x/doc//one;/doc\\two\n"
              "-43\tUndefined_CB_CLI_NONE/a\n-31\toops\n-42\t" +
                  std::string(385, 'a') + "\n");
    EXPECT_EQ(result.err, "Undefined variable : '$CB_CLI_NONE'");
}

TEST_F(EnvCommands, ExpandPathNormalisesAndUsesA384CharacterBuffer) {
    std::string fits(383, 'b');
    auto result = run_cli(
        {"--quiet", "expand", "--path", "?DOC//./x", "$CB_CLI_NONE\\\\y", fits, fits + "c"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "0\t/doc/one;/doc/two/x\n-43\tUndefined_CB_CLI_NONE/y\n0\t" + fits +
                              "\n-32\t" + fits + "c\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(EnvCommands, CommandsWithoutArgumentsShowTheirUsage) {
    for (const char* command : {"env", "expand"}) {
        auto result = run_cli({command});
        EXPECT_EQ(result.exit_code, 2) << command;
        EXPECT_EQ(result.out, "") << command;
        EXPECT_NE(result.err.find("usage: cutterbase-cli"), std::string::npos) << command;
    }
}

}  // namespace
