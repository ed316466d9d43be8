// cutterbase-cli find and vet: their output formats and exit codes.

#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "cli/cli_outcome.h"

namespace {

TEST(FindAndVetCommands, PrintRowsAndFindingsWithTheirExitCodes) {
    apptest::Installation install;
    const std::string lib = install.path("lib");
    install.root.write(
        "lib/Mills/ball.wkz",
        "D : &TP_CDIAM=6\r\nC : &TP_CRAD=3\r\nN : &TP_CPPNUM=12\r\nX : &TP_COMMENT=a\tb");
    install.root.write("lib/Mills/ball.ncs", "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n");
    install.root.write("lib/bull.wkz", "B : &TP_BRAD=4\r\nC : &TP_CRAD=1\r\nN : &TP_CPPNUM=12");
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "1");
    EXPECT_EQ(outcome({"find", "d:6", "BALL"}),
              "0|4\tMills/ball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n|");
    EXPECT_EQ(outcome({"find", "--diameter", "--dir", lib + "/Mills", "no:12"}),
              "0|4\tball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n|");
    EXPECT_EQ(outcome({"find", "nothing"}), "0||");
    const std::string refused = outcome({"find", "--dir", lib, "cr:1", "shape:cube"});
    EXPECT_TRUE(refused.starts_with("2||")) << refused;
    EXPECT_NE(refused.find("'shape:cube' is not understood"), std::string::npos) << refused;

    // One number on two cutters: warnings alone leave the exit code 0.
    const std::string shared =
        lib + "/Mills/ball.wkz\tshared-tool-number\twarning\tThe tool number 12 is also the " +
        "number of 'bull.wkz', a tool of other geometry.\n" + lib +
        "/bull.wkz\tshared-tool-number\twarning\tThe tool number 12 is also the number of " +
        "'Mills/ball.wkz', a tool of other geometry.\n";
    EXPECT_EQ(outcome({"vet"}), "0|" + shared + "|");
    install.root.write("lib/zero.wkz", "D : &TP_CDIAM=0");
    EXPECT_EQ(outcome({"vet", lib}), "1|" + shared + lib +
                                         "/zero.wkz\tno-size\terror\tThe tool has no size: "
                                         "neither TP_BRAD nor TP_CDIAM is above 0.\n|");
    EXPECT_EQ(testsupport::run_cli({"vet", lib + "/zero.wkz"}).exit_code, 2);
    EXPECT_EQ(testsupport::run_cli({"find", "--dir", lib + "/none", "x"}).exit_code, 2);
    EXPECT_EQ(testsupport::run_cli({"vet", lib, lib}).exit_code, 2);
    EXPECT_EQ(testsupport::run_cli({"find"}).exit_code, 2);
}

}  // namespace
