#include <gtest/gtest.h>

#include "support/test_support.h"
#include "workzone/parameter_file.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;
using testsupport::ScopedEnv;
using testsupport::TempDir;

// An installation, a workzone whose current toolpath has a bull-nosed cutter D10 R2, and a
// tool library holding the tool the toolpath names.
struct ToolAgainstWorkzone : ::testing::Test {
    TempDir home;
    TempDir zone;
    TempDir library;
    ScopedEnv env;

    void SetUp() override {
        home.write("config/environ.cfg", "[var]\n[path]\nENV = " + home.path() +
                                             "/config\nTXT = " + home.path() + "/texte\n");
        ParameterItems items;
        items.set_number(1, 1.0f);
        items.set_number(3, 2.0f);  // corner radius
        items.set_number(4, 5.0f);  // cutter radius
        items.set_number(23, 1200.0f);
        items.set_number(28, 204.0f);
        items.set_text(61, "roughing");
        items.set_text(82, ".\\bull\\d10r2.wkz");
        ASSERT_TRUE(write_parameter_file(zone.file("outil.par"), items));
        zone.write("outil.mul", "");
        env.set("KVXHOME", home.path())
            .set("KVXLANG", "ang")
            .set("KVXZONE", zone.path())
            .set("KVX_CUTTER_DIR", library.path())
            .set("KVX_CUTTER_HOOK_COMMAND", std::nullopt)
            .set("KVXTMPDIR", zone.path());
    }

    std::string tool(const std::string& relative, const std::string& corner_radius) {
        return library.write(relative,
                             "Body Radius              :       &TP_BRAD=5.000\r\n"
                             "Corner Radius            :       &TP_CRAD=" +
                                 corner_radius + "\r\n");
    }
};

TEST_F(ToolAgainstWorkzone, CheckReportsTheDifferences) {
    auto same = run_cli({"check", tool("bull/d10r2.wkz", "2.000")});
    EXPECT_EQ(same.exit_code, 0) << same.err;
    EXPECT_EQ(same.out, "");

    auto differing = run_cli({"check", tool("bull/d10r2.wkz", "2.500")});
    EXPECT_EQ(differing.exit_code, 1) << differing.err;
    EXPECT_EQ(differing.out, "Corner Radius\t\t2.000\t\t\t2.500\n");

    EXPECT_EQ(run_cli({"check", library.file("none.wkz")}).exit_code, 2);
}

TEST_F(ToolAgainstWorkzone, ApplyWritesTheChangeFileAsCloseWould) {
    tool("bull/d10r2.wkz", "2.500");
    auto result =
        run_cli({"apply", "bull/d10r2.wkz", "-o", zone.file("cutter.out")}, library.path());
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone.file("cutter.out")), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ");

    // Another tool of the library: its reference is sent along.
    tool("flat/R&D.wkz", "2.000");
    result = run_cli({"apply", library.file("flat/R&D.wkz")}, zone.path());
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone.file("cutter.out")), "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\R\\&D.wkz ");

    result = run_cli({"apply", library.file("flat/R&D.wkz"), "-o", zone.file("no/dir/out")});
    EXPECT_EQ(result.exit_code, 1);
}

}  // namespace
