// cutterbase-cli export and import: what goes to standard output and error, and the exit
// status that tells a script whether something was lost, skipped or unreadable.

#include <gtest/gtest.h>

#include <string>

#include "cli/cli_outcome.h"

namespace {

TEST(ExchangeCommands, ExitStatusTellsLossSkipAndBadInputApart) {
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    env.set("KVXHOME", root.file("home")).set("KVXLANG", "ang");
    root.write("lib/a.wkz", "N:  &TP_CPPNUM=1\nB:  &TP_BRAD=3.000\n");
    root.write("lib/sub/b.wkz", "N:  &TP_CPPNUM=2\nT:  &TP_TOL=0.010\n");
    const std::string lib = root.file("lib"), into = root.mkdir("into");
    EXPECT_EQ(outcome({"export", lib, "--format", "tbl"}), "0|T1 P1 Z0 D6.000 ;a.wkz\n|");
    // Subfolders come first, as in the tree.
    EXPECT_EQ(outcome({"export", lib, "--recursive", "--format", "tbl", "--inch"}),
              "1|T2 P2 Z0 D0.0000 ;sub/b.wkz\nT1 P1 Z0 D0.2362 ;a.wkz\n"
              "|sub/b.wkz\tTP_CDIAM\tno diameter or body radius: D0\n"
              "sub/b.wkz\tTP_TOL\tnot carried by the format: 0.010\n");
    const std::string csv = root.file("all.csv");
    EXPECT_EQ(outcome({"export", lib, "--recursive", "--format", "csv", "-o", csv}), "0||");
    EXPECT_EQ(outcome({"import", csv, "--into", into, "--dry-run"}),
              "0|would write\t" + into + "/sub/b.wkz\nwould write\t" + into +
                  "/a.wkz\nsummary\t2 written\t0 overwritten\t0 skipped\t0 failed\tdry run\n|");
    EXPECT_EQ(testsupport::run_cli({"import", csv, "--into", into}).exit_code, 0);
    const auto skipped = testsupport::run_cli({"import", csv, "--into", into});
    EXPECT_EQ(skipped.exit_code, 1);
    EXPECT_EQ(skipped.err, "sub/b.wkz\t\tfile exists, skipped: " + into +
                               "/sub/b.wkz\na.wkz\t\tfile exists, skipped: " + into + "/a.wkz\n");

    const std::string bad = root.write("bad.csv", "path,A\r\nx,\"open\r\n");
    const std::string text = root.write("tools.txt", "T1 D3\n");
    const std::string none = root.file("none");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"import", bad, "--into", into}, "'" + bad + "': row 2: quote left open\n"},
        {{"import", none + ".csv", "--into", into}, "cannot read '" + none + ".csv'\n"},
        {{"import", text, "--into", into},
         "cannot tell the format of '" + text + "': give --format\n"},
        {{"import", bad, "--into", none}, "not a directory: '" + none + "'\n"},
        {{"export", none, "--format", "csv"}, "not a directory: '" + none + "'\n"},
    };
    for (const auto& [arguments, err] : refused) {
        EXPECT_EQ(outcome(arguments), "2||cutterbase-cli: " + err) << arguments[1];
    }
    EXPECT_EQ(outcome({"export", lib, "--format", "fctb"}),
              "2||usage: cutterbase-cli export DIR --format tbl|csv|fctb [--recursive] [--inch] "
              "[-o OUT]\n");
    EXPECT_EQ(outcome({"import", text, "--format", "tbl", "--into", into}),
              "0|written\t" + into +
                  "/T1.wkz\nsummary\t1 written\t0 overwritten\t0 skipped\t0 failed\n|");
}

}  // namespace
