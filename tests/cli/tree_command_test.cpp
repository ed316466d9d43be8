#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(TreeCommand, PrintsTheLibraryOneIndentedItemALineWithoutAWorkzone) {
    apptest::Installation install;
    const std::string lib = install.path("lib");
    for (const char* file : {"lib/t.wkz", "lib/t.ncs", "lib/Mills/a\tb.wkz", "lib/Mills/x.txt"}) {
        install.root.write(file, "");
    }
    install.root.mkdir("lib/drills");
    install.env.set("KVX_FEDRIX", "1");
    const std::string listing = "0\t" + lib + "\t" + lib + "\n  1\tdrills\t" + lib +
                                "/drills\n  1\tMills\t" + lib + "/Mills\n    3\ta\\tb.wkz\t" + lib +
                                "/Mills/a\\tb.wkz\n  4\tt.wkz\t" + lib + "/t.wkz\n";
    auto result = run_cli({"tree", lib + "//"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, listing);

    // Without a directory, the one the program would use; Fedrix images only when switched on.
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "0");
    result = run_cli({"tree"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, std::string(listing).replace(listing.rfind("4\t"), 1, "3"));

    install.env.set("KVX_CUTTER_DIR", install.path("none"));
    for (const auto& arguments : {std::vector<std::string>{"tree", install.path("lib/t.wkz")},
                                  std::vector<std::string>{"tree"}}) {
        result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("not a tool directory"), std::string::npos);
    }
    EXPECT_EQ(run_cli({"tree", lib, lib}).exit_code, 2);
}

}  // namespace
