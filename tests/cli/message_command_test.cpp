#include <gtest/gtest.h>

#include "language/catalogue_fixture.h"

namespace {

using testsupport::run_cli;
using MessageCommandTest = CatalogueTest;

TEST_F(MessageCommandTest, PrintsIconCategoryAndEscapedText) {
    struct Case {
        std::vector<std::string> arguments;
        std::string out;
    };
    const Case cases[] = {
        {{"message", "TEST", "WARN", "x"}, "48\tWarning\tCareful with x\n"},
        {{"message", "test", "count", "3", "2.5"}, "64\tInformation\t3 tools,  2.50 mm\n"},
        {{"message", "GENERAL", "GENERAL_DIR_NOT_VALID", "/t"},
         "16\tError\tThe directory\\n\\n\\t'/t'\\n\\nis not valid.\n"},
        {{"message", "TEST", "HOSTILE"}, "16\tError\t%n%s%s%1000000d %p\n"},
        {{"message", "TEST", "NOPE"},
         "16\tError\tThe message entry\\n\\n\\t[TEST]\\n\\tNOPE = ???\\n\\ncould not be found "
         "in\\n\\n\\t'" +
             texte("TalmorError.ang") + "'\n"},
    };
    for (const Case& c : cases) {
        testsupport::CliResult result = run_cli(c.arguments);
        EXPECT_EQ(result.exit_code, 0) << c.arguments[2] << result.err;
        EXPECT_EQ(result.out, c.out);
    }
}

TEST_F(MessageCommandTest, FollowsKvxlang) {
    env_.set("KVXLANG", "ALL");
    testsupport::CliResult result = run_cli({"message", "GENERAL", "NOPE"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "16\tFehler\tDie Meldungseintrag\\n\\n\\t[GENERAL]\\n\\tNOPE = ???\\n\\nkonnte nicht "
              "gefunden werden in \\n\\n\\t'" +
                  texte("TalmorError.all") + "'\n");
}

TEST_F(MessageCommandTest, ShowsWhatTheCatalogueSaysAboutItself) {
    temp_.write("home/texte/TalmorError.ang",
                "[T.A.L.M.O.R.]\nCATEGORY=Other\n[TEST]\nOTHER=I still read\n");
    testsupport::CliResult result = run_cli({"message", "TEST", "OTHER"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "16\tERROR\t\tThe file\\n\\n\\t'" + texte("TalmorError.ang") +
                              "'\\n\\ndoes not include the error file type:\\n\\n\\t'CATEGORY = "
                              "TalmorError'\n64\tINFORMATION\tstill read\n");
}

TEST_F(MessageCommandTest, FailsWithoutCatalogueOrArguments) {
    env_.set("KVXLANG", "fra");
    testsupport::CliResult missing = run_cli({"message", "TEST", "WARN"});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("TalmorError.fra"), std::string::npos);

    temp_.write("home/texte/TalmorError.fra", "[T.A.L.M.O.R.]\nCATEGORY=TalmorError\n");
    testsupport::CliResult silent = run_cli({"message", "TEST", "WARN"});
    EXPECT_EQ(silent.exit_code, 1);
    EXPECT_EQ(silent.out, "");

    EXPECT_EQ(run_cli({"message", "TEST"}).exit_code, 2);
}

}  // namespace
