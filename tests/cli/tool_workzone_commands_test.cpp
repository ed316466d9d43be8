#include <gtest/gtest.h>

#include "workzone/workzone_fixture.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;

// A workzone whose current toolpath has a bull-nosed cutter D10 R2, and a tool library holding
// the tool the toolpath names.
struct ToolAgainstWorkzone : WorkzoneTest {
    testsupport::TempDir library;

    void SetUp() override {
        WorkzoneTest::SetUp();
        write_toolpath(0, sample_items());
        env_.set("KVXLANG", "ang")
            .set("KVX_CUTTER_DIR", library.path())
            .set("KVX_CUTTER_HOOK_COMMAND", std::nullopt)
            .set("KVXTMPDIR", zone_.path());
    }

    std::string tool(const std::string& relative, const std::string& corner_radius) {
        return library.write(relative,
                             "Body Radius              :       &TP_BRAD=5.000\r\n"
                             "Corner Radius            :       &TP_CRAD=" +
                                 corner_radius + "\r\n");
    }
};

TEST_F(ToolAgainstWorkzone, CheckReportsTheDifferencesApplyWritesTheChangeFile) {
    EXPECT_EQ(run_cli({"check", tool("bull/d10r2.wkz", "2.000")}).exit_code, 0);
    auto differing = run_cli({"check", tool("bull/d10r2.wkz", "2.500")});
    EXPECT_EQ(differing.exit_code, 1) << differing.err;
    EXPECT_EQ(differing.out, "Corner Radius\t\t2.000\t\t\t2.500\n");
    EXPECT_EQ(run_cli({"check", library.file("none.wkz")}).exit_code, 2);

    // apply writes the change file as closing the tool window would.
    auto result =
        run_cli({"apply", "bull/d10r2.wkz", "-o", zone_.file("cutter.out")}, library.path());
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone_.file("cutter.out")), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ");

    // Another tool of the library: its reference is sent along.
    tool("flat/R&D.wkz", "2.000");
    result = run_cli({"apply", library.file("flat/R&D.wkz")}, zone_.path());
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone_.file("cutter.out")), "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\R\\&D.wkz ");

    EXPECT_EQ(
        run_cli({"apply", library.file("flat/R&D.wkz"), "-o", zone_.file("no/out")}).exit_code, 1);
}

}  // namespace
