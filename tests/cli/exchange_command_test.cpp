// cutterbase-cli export and import: what goes to standard output and error, and the exit
// status that tells a script whether something was lost, skipped or unreadable.

#include <gtest/gtest.h>

#include <string>

#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(ExchangeCommands, ExitStatusTellsLossSkipAndBadInputApart) {
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    env.set("KVXHOME", root.file("home")).set("KVXLANG", "ang");
    root.write("lib/a.wkz", "N:  &TP_CPPNUM=1\nB:  &TP_BRAD=3.000\n");
    root.write("lib/sub/b.wkz", "N:  &TP_CPPNUM=2\nT:  &TP_TOL=0.010\n");
    const std::string into = root.mkdir("into");

    auto result = run_cli({"export", root.file("lib"), "--format", "tbl"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "T1 P1 Z0 D6.000 ;a.wkz\n");
    result = run_cli({"export", root.file("lib"), "--recursive", "--format", "tbl", "--inch"});
    EXPECT_EQ(result.exit_code, 1);
    // Subfolders come first, as in the tree.
    EXPECT_EQ(result.out, "T2 P2 Z0 D0.0000 ;sub/b.wkz\nT1 P1 Z0 D0.2362 ;a.wkz\n");
    EXPECT_EQ(result.err,
              "sub/b.wkz\tTP_CDIAM\tno diameter or body radius: D0\n"
              "sub/b.wkz\tTP_TOL\tnot carried by the format: 0.010\n");

    result = run_cli(
        {"export", root.file("lib"), "--recursive", "--format", "csv", "-o", root.file("all.csv")});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "");
    result = run_cli({"import", root.file("all.csv"), "--into", into, "--dry-run"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "would write\t" + into + "/sub/b.wkz\nwould write\t" + into +
                              "/a.wkz\nsummary\t2 written\t0 overwritten\t0 skipped\t0 "
                              "failed\tdry run\n");
    EXPECT_FALSE(platform::exists(into + "/a.wkz"));
    EXPECT_EQ(run_cli({"import", root.file("all.csv"), "--into", into}).exit_code, 0);
    result = run_cli({"import", root.file("all.csv"), "--into", into});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "sub/b.wkz\t\tfile exists, skipped: " + into +
                              "/sub/b.wkz\na.wkz\t\tfile exists, skipped: " + into + "/a.wkz\n");

    root.write("bad.csv", "path,A\r\nx,\"open\r\n");
    root.write("tools.txt", "T1 D3\n");
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } refused[] = {
        {{"import", root.file("bad.csv"), "--into", into},
         "cutterbase-cli: '" + root.file("bad.csv") + "': row 2: quote left open\n"},
        {{"import", root.file("none.csv"), "--into", into},
         "cutterbase-cli: cannot read '" + root.file("none.csv") + "'\n"},
        {{"import", root.file("tools.txt"), "--into", into},
         "cutterbase-cli: cannot tell the format of '" + root.file("tools.txt") +
             "': give --format\n"},
        {{"import", root.file("bad.csv"), "--into", root.file("none")},
         "cutterbase-cli: not a directory: '" + root.file("none") + "'\n"},
        {{"export", root.file("none"), "--format", "csv"},
         "cutterbase-cli: not a directory: '" + root.file("none") + "'\n"},
        {{"export", root.file("lib"), "--format", "fctb"},
         "usage: cutterbase-cli export DIR --format tbl|csv|fctb [--recursive] [--inch] [-o "
         "OUT]\n"},
    };
    for (const auto& [arguments, err] : refused) {
        result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, 2) << arguments[1];
        EXPECT_EQ(result.err, err);
    }
    result = run_cli({"import", root.file("tools.txt"), "--format", "tbl", "--into", into});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "written\t" + into +
                              "/T1.wkz\nsummary\t1 written\t0 overwritten\t0 "
                              "skipped\t0 failed\n");
}

}  // namespace
