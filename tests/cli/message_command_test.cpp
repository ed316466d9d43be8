#include <gtest/gtest.h>

#include "language/catalogue_fixture.h"

namespace {

using testsupport::run_cli;
using MessageCommandTest = CatalogueTest;

TEST_F(MessageCommandTest, PrintsIconCategoryAndEscapedTextInTheLanguage) {
    const std::tuple<const char*, std::vector<std::string>, std::string> cases[] = {
        {"ang", {"message", "TEST", "WARN", "x"}, "48\tWarning\tCareful with x\n"},
        {"ang", {"message", "test", "count", "3", "2.5"}, "64\tInformation\t3 tools,  2.50 mm\n"},
        {"ALL",
         {"message", "GENERAL", "NOPE"},
         "16\tFehler\tDie Meldungseintrag\\n\\n\\t[GENERAL]\\n\\tNOPE = ???\\n\\nkonnte nicht "
         "gefunden werden in \\n\\n\\t'" +
             texte("TalmorError.all") + "'\n"},
    };
    for (const auto& [language, arguments, out] : cases) {
        env_.set("KVXLANG", language);
        const testsupport::CliResult result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, 0) << arguments[2] << result.err;
        EXPECT_EQ(result.out, out);
    }
}

TEST_F(MessageCommandTest, AnnouncesACatalogueOfTheWrongTypeAndFailsWithoutOne) {
    temp_.write("home/texte/TalmorError.ang",
                "[T.A.L.M.O.R.]\nCATEGORY=Other\n[TEST]\nOTHER=I still read\n");
    EXPECT_EQ(run_cli({"message", "TEST", "OTHER"}).out,
              "16\tERROR\t\tThe file\\n\\n\\t'" + texte("TalmorError.ang") +
                  "'\\n\\ndoes not include the error file type:\\n\\n\\t'CATEGORY = "
                  "TalmorError'\n64\tINFORMATION\tstill read\n");
    env_.set("KVXLANG", "fra");
    const testsupport::CliResult missing = run_cli({"message", "TEST", "WARN"});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.err.find("TalmorError.fra"), std::string::npos);
    EXPECT_EQ(run_cli({"message", "TEST"}).exit_code, 2);
}

}  // namespace
