#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

std::string tool(const std::string& values) {
    std::string bytes;
    for (std::size_t start = 0; start < values.size();) {
        const auto end = values.find(' ', start);
        bytes += "Label                    :       &" + values.substr(start, end - start) + "\r\n";
        start = end == std::string::npos ? values.size() : end + 1;
    }
    return bytes;
}

TEST(ListCommand, PrintsTheRowsAfterTheHeaderClicksWithoutAWorkzone) {
    apptest::Installation install;
    const std::string lib = install.path("lib");
    install.root.write("lib/Mills/flat.wkz", tool("TP_BRAD=5 TP_CPPNUM=3 TP_COMMENT=a\tb"));
    install.root.write("lib/Mills/ball.wkz", tool("TP_CDIAM=6 TP_CRAD=3 TP_CPPNUM=12"));
    install.root.write("lib/Mills/ball.ncs", "");
    install.root.write("lib/Mills/bull.wkz", tool("TP_BRAD=4 TP_CRAD=1 TP_STOCK=0.2"));
    install.root.mkdir("lib/Mills/Old");
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "1");
    const std::string up = "1\t..\t\t\t\t\t\t\t\t\t\t\t\n";
    const std::string old = "1\tOld\t\t\t\t\t\t\t\t\t\t\t\n";
    const std::string ball = "4\tball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\t\t6\n";
    const std::string bull = "3\tbull.wkz\t\t4.000\t1.000\t0.200\t\t\t\t\t\t\t7\n";
    const std::string flat =
        "3\tflat.wkz\t3\t5.000\t\t\t\t\t\t\t\t"
        "a\\tb\t5\n";
    auto result = run_cli({"list", lib + "/Mills"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, up + old + ball + bull + flat);

    // Each --sort is one header click, in order (the clicks' effect is the sort's own test).
    result = run_cli({"list", "--sort", "1", lib + "/Mills", "--sort", "1"});
    EXPECT_EQ(result.out, up + old + bull + flat + ball);

    // Sizes as diameters; the Fedrix image only when switched on.
    install.env.set("KVX_FEDRIX", "0");
    result = run_cli({"list", lib + "/Mills", "--diameter", "--sort", "2"});
    EXPECT_EQ(result.out,
              "3\tflat.wkz\t3\t10.000\t\t\t\t\t\t\t\ta\\tb\t5\n"
              "3\tbull.wkz\t\t8.000\t1.000\t0.200\t\t\t\t\t\t\t7\n"
              "3\tball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\t\t6\n" +
                  old + up);

    // The library's root has no way up; KVX_CUTTER_DIR decides where the root is.
    EXPECT_EQ(run_cli({"list", lib}).out, "1\tMills\t\t\t\t\t\t\t\t\t\t\t\n");
    install.env.set("KVX_CUTTER_DIR", lib + "/Mills").set("KVX_FEDRIX", "1");
    EXPECT_EQ(run_cli({"list", lib + "/Mills"}).out, old + ball + bull + flat);

    result = run_cli({"list", lib + "/Mills/flat.wkz"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("not a directory"), std::string::npos);
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"list"},
                                               {"list", lib, lib},
                                               {"list", lib, "--sort"},
                                               {"list", lib, "--sort", "11"},
                                               {"list", lib, "--sort", "-1"},
                                               {"list", lib, "--sort", "1x"}}) {
        EXPECT_EQ(run_cli(arguments).exit_code, 2) << arguments.back();
    }
}

}  // namespace
