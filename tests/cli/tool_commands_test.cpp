#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using testsupport::run_cli;

TEST(ToolCommands, ShowListsEveryParameterInFileOrderFedrixInWriteOrder) {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    env.set("KVXHOME", dir.path()).set("KVXLANG", "ang");
    std::string path = dir.write("t.wkz",
                                 "Comment                  :       &TP_COMMENT=rough & ready\r\n"
                                 "Body Radius              :       &TP_BRAD=5\r\n"
                                 "Tool Number              :       &TP_CPPNUM=12\r\n"
                                 "Mine                     :       &MY_NOTE=a=b\r\n");
    auto result = run_cli({"show", path});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "Comment\tTP_COMMENT\tText\t1\trough & ready\n"
              "Body Radius\tTP_BRAD\tReal\t1\t5.000\n"
              "Tool Number\tTP_CPPNUM\tInteger\t1\t12\n"
              "Mine\tMY_NOTE\tText\t0\ta=b\n");
    EXPECT_EQ(run_cli({"show", dir.file("missing.wkz")}).exit_code, 1);

    // fedrix: the values in write order.
    path = dir.write("t.ncs",
                     "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n"
                     "[ADVANCED]\r\nNumber Of Teeth=4\r\n");
    result = run_cli({"fedrix", path});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out.substr(0, 73),
              "T.A.L.M.O.R.\tFedrix\tFedrix Tool Information\nBASICS\tOptimize Feed Rates\ty\n");
    EXPECT_NE(result.out.find("ADVANCED\tNumber Of Teeth\t4\n"), std::string::npos);

    auto bad = run_cli({"fedrix", dir.write("bad.ncs", "[T.A.L.M.O.R.]\r\nFedrix=Other\r\n")});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_NE(bad.err.find("ist nicht eine 'Fedrix Tool' Ini-Datei!"), std::string::npos);
}

}  // namespace
