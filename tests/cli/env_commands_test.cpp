#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace {

using testsupport::run_cli;

struct EnvCommands : ::testing::Test {
    void SetUp() override {
        env.set("KVXNULL", std::nullopt).set("KVXTMP", std::nullopt).set("ENVPATH", std::nullopt);
        root.write("home/config/environ.cfg",
                   "[var]\nCB_CLI_CFG = configured   \nCB_CLI_REF = $CB_CLI_CFG/x\n"
                   "[path]\nENV = $KVXHOME/config\nDOC = /doc//one;/doc\\two\n");
        env.set("KVXHOME", root.file("home")).set("KVXTMPDIR", root.file("tmp"));
        env.set("CB_CLI_SET", "from process").set("CB_CLI_NONE", std::nullopt);
    }
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
};

TEST_F(EnvCommands, EnvAndExpandPrintOneLinePerArgument) {
    const std::string fits(383, 'b'), over(385, 'a');
    auto result =
        run_cli({"expand", "$CB_CLI_REF", "$$x?DOC", "$CB_CLI_NONE/a   ", "$(oops", over});
    EXPECT_EQ(result.out,
              "0\tconfigured/x\n0\t$x/doc//one;/doc\\two\n-43\tUndefined_CB_CLI_NONE/a\n"
              "-31\toops\n-42\t" +
                  over + "\n");
    EXPECT_EQ(result.err, "Undefined variable : '$CB_CLI_NONE'");
    result = run_cli({"--quiet", "expand", "--path", "?DOC//./x", fits, fits + "c"});
    EXPECT_EQ(result.out, "0\t/doc/one;/doc/two/x\n0\t" + fits + "\n-32\t" + fits + "c\n");
    EXPECT_EQ(result.err, "");

    result = run_cli({"env", "--origin", "CB_CLI_SET", "CB_CLI_CFG", "TMP", "PC", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "CB_CLI_SET\tfrom process\tfrom environment\nCB_CLI_CFG\tconfigured\tfrom '" +
                  root.file("home/config/environ.cfg") + "' line 2\nTMP\t" + root.file("tmp") +
                  "\tfrom environment variable KVXTMPDIR\nPC\t1\tset by program\nCB_CLI_NONE\t\n");
    env.set("KVXHOME", std::nullopt);
    result = run_cli({"env", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 255);
    EXPECT_EQ(result.err, "The environment variable 'KVXHOME' is not defined\n");
}

}  // namespace
