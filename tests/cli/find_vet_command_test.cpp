// cutterbase-cli find and vet: their output formats and exit codes.

#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(FindAndVetCommands, PrintRowsAndFindingsWithTheirExitCodes) {
    apptest::Installation install;
    const std::string lib = install.path("lib");
    install.root.write(
        "lib/Mills/ball.wkz",
        "D : &TP_CDIAM=6\r\nC : &TP_CRAD=3\r\nN : &TP_CPPNUM=12\r\nX : &TP_COMMENT=a\tb");
    install.root.write("lib/Mills/ball.ncs", "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n");
    install.root.write("lib/bull.wkz", "B : &TP_BRAD=4\r\nC : &TP_CRAD=1\r\nN : &TP_CPPNUM=12");
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "1");
    const std::string ball = "4\tMills/ball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n";
    auto result = run_cli({"find", "d:6", "BALL"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, ball);
    result = run_cli({"find", "--diameter", "--dir", lib + "/Mills", "no:12"});
    EXPECT_EQ(result.out, "4\tball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n");
    EXPECT_EQ(run_cli({"find", "nothing"}).exit_code, 0);
    result = run_cli({"find", "--dir", lib, "cr:1", "shape:cube"});
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("'shape:cube' is not understood"), std::string::npos) << result.err;

    // One number on two cutters: warnings alone leave the exit code 0.
    const std::string shared =
        lib +
        "/Mills/ball.wkz\tshared-tool-number\twarning\tThe tool "
        "number 12 is also the number of 'bull.wkz', a tool of other "
        "geometry.\n" +
        lib +
        "/bull.wkz\tshared-tool-number\twarning\tThe tool number 12 "
        "is also the number of 'Mills/ball.wkz', a tool of other geometry.\n";
    result = run_cli({"vet"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, shared);
    install.root.write("lib/zero.wkz", "D : &TP_CDIAM=0");
    result = run_cli({"vet", lib});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, shared + lib +
                              "/zero.wkz\tno-size\terror\tThe tool has no size: neither TP_BRAD "
                              "nor TP_CDIAM is above 0.\n");
    EXPECT_EQ(run_cli({"vet", lib + "/zero.wkz"}).exit_code, 2);
    EXPECT_EQ(run_cli({"find", "--dir", lib + "/none", "x"}).exit_code, 2);
    EXPECT_EQ(run_cli({"vet", lib, lib}).exit_code, 2);
    EXPECT_EQ(run_cli({"find"}).exit_code, 2);
}

}  // namespace
