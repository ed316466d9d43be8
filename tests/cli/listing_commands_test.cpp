// The commands that need no workzone: env, expand, message, show, fedrix, records, tree and
// list; and a standard output or a memory that runs out.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_fixture.h"
#include "runtime/record_bytes.h"
#include "support/test_support.h"

namespace {

using testsupport::CliOptions;
using testsupport::run_cli;
using Arguments = std::vector<std::string>;

// What the values are and where they come from is the environment's own test.
TEST(EnvCommands, EnvAndExpandPrintOneLinePerArgument) {
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    env.set("KVXNULL", std::nullopt).set("KVXTMP", std::nullopt).set("ENVPATH", std::nullopt);
    root.write("home/config/environ.cfg", "[var]\n[path]\nENV = $KVXHOME/config\nDOC = /d//x\n");
    env.set("KVXHOME", root.file("home")).set("CB_CLI_SET", "set").set("CB_CLI_NONE", std::nullopt);
    // The expansion buffer holds 384 characters, its terminator included.
    const std::string fits(383, 'b'), over(385, 'a');
    auto result = run_cli({"expand", "$CB_CLI_NONE/a   ", over});
    EXPECT_EQ(result.out, "-43\tUndefined_CB_CLI_NONE/a\n-42\t" + over + "\n");
    EXPECT_EQ(result.err, "Undefined variable : '$CB_CLI_NONE'");
    result = run_cli({"--quiet", "expand", "--path", "?DOC", fits, fits + "c"});
    EXPECT_EQ(result.out, "0\t/d/x\n0\t" + fits + "\n-32\t" + fits + "c\n");
    EXPECT_EQ(result.err, "");

    result = run_cli({"env", "--origin", "CB_CLI_SET", "PC", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "CB_CLI_SET\tset\tfrom environment\nPC\t1\tset by program\nCB_CLI_NONE\t\n");
    EXPECT_EQ(run_cli({"env", "CB_CLI_SET"}).out, "CB_CLI_SET\tset\n");
    env.set("KVXHOME", std::nullopt);
    result = run_cli({"env", "CB_CLI_NONE"});
    EXPECT_EQ(result.exit_code, 255);
    EXPECT_EQ(result.err, "The environment variable 'KVXHOME' is not defined\n");
}

using MessageCommand = CatalogueTest;

TEST_F(MessageCommand, PrintsIconCategoryAndEscapedTextOfEveryMessageShown) {
    env_.set("KVXLANG", "ang");
    EXPECT_EQ(run_cli({"message", "TEST", "WARN", "x"}).out, "48\tWarning\tCareful with x\n");
    env_.set("KVXLANG", "ALL");
    const testsupport::CliResult german = run_cli({"message", "GENERAL", "NOPE"});
    EXPECT_EQ(german.exit_code, 0) << german.err;
    EXPECT_EQ(german.out,
              "16\tFehler\tDie Meldungseintrag\\n\\n\\t[GENERAL]\\n\\tNOPE = ???\\n\\nkonnte nicht "
              "gefunden werden in \\n\\n\\t'" +
                  texte("TalmorError.all") + "'\n");
    // A catalogue of the wrong type is announced, then read; none at all fails.
    env_.set("KVXLANG", "ang");
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

TEST(FedrixCommand, ListsEverySettingInWriteOrder) {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    env.set("KVXHOME", dir.path()).set("KVXLANG", "ang");
    auto result =
        run_cli({"fedrix", dir.write("t.ncs",
                                     "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n"
                                     "[ADVANCED]\r\nNumber Of Teeth=4\r\n")});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out.substr(0, 73),
              "T.A.L.M.O.R.\tFedrix\tFedrix Tool Information\nBASICS\tOptimize Feed Rates\ty\n");
    EXPECT_NE(result.out.find("ADVANCED\tNumber Of Teeth\t4\n"), std::string::npos);
    result = run_cli({"fedrix", dir.write("bad.ncs", "[T.A.L.M.O.R.]\r\nFedrix=Other\r\n")});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("ist nicht eine 'Fedrix Tool' Ini-Datei!"), std::string::npos);
}

TEST(RecordsCommand, ListsTheHeaderAndOneRecordALineOrFails) {
    testsupport::TempDir dir;
    // Two logicals, a character, a short, an int, a real, a double and a text, little-endian.
    const std::string data(
        "\1\0\t\xF9\xFF\x40\xE2\1\0\x33\x33\xCB\x41\x9A\x99\x99\x99\x99\x99\xB9\x3F\5a\\b\nc", 27);
    const std::string bytes =
        recordtest::file(false, 2,
                         recordtest::record(false, 1, "002L 001C 001W 001I 001R 001D 001S ", data) +
                             recordtest::record(false, 2, "", ""));
    auto result = run_cli({"records", dir.write("zone0.inf", bytes)});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out,
              "header\torder=native\ttag=crafted\trecords=2\tfirst=160\tend=232\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\n"
              "record\t1\tkey=1\tlength=63\tL:1\tL:0\tC:\\t\tW:-7\tI:123456\tR:25.4\tD:0.1"
              "\tS:a\\\\b\\nc\n"
              "record\t2\tkey=2\tlength=1\n");
    // Without formats each record is listed as its bytes.
    std::string plain = recordtest::file(false, 1, std::string("\x1B\0\1\0", 4) + data);
    plain[155] = '\0';
    result = run_cli({"records", dir.write("plain.rec", plain)});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_NE(result.out.find("\nrecord\t1\tkey=1\tlength=27\tbytes:0100"), std::string::npos);

    // The second record's header cut off, a negative record count, none named.
    result = run_cli({"records", dir.write("cut.inf", bytes.substr(0, bytes.size() - 3))});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.out.find("record\t1\t"), std::string::npos);
    EXPECT_NE(result.out.find("error\t-25\n"), std::string::npos);
    const std::string one = recordtest::record(false, 1, "001I ", std::string(4, '\1'));
    result = run_cli({"records", dir.write("negative.inf", recordtest::file(false, -1, one))});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "header\torder=native\ttag=crafted\trecords=-1\tfirst=160\tend=174\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\nerror\t-25\n");
    EXPECT_NE(result.err.find("damaged record file (status -25)"), std::string::npos);
    EXPECT_EQ(run_cli({"records"}).exit_code, 2);
}

// tree: IMAGE, TEXT and PATH of each item, two blanks of indentation a level; list: IMAGE, the
// eleven columns and the SHAPE of each row, in the order of the header clicks given.
TEST(TreeAndListCommands, PrintTheLibraryWithoutAWorkzone) {
    apptest::Installation install;
    const std::string lib = install.path("lib");
    const std::string mills = lib + "/Mills";
    install.root.write("lib/t.wkz", "");
    install.root.write("lib/t.ncs", "");
    install.root.write("lib/Mills/f\tl.wkz",
                       "B : &TP_BRAD=5\r\nN : &TP_CPPNUM=3\r\nC : &TP_COMMENT=a\tb");
    install.root.write("lib/Mills/ball.wkz",
                       "D : &TP_CDIAM=6\r\nC : &TP_CRAD=3\r\nN : &TP_CPPNUM=12");
    install.root.write("lib/Mills/ball.ncs", "");
    install.root.write("lib/Mills/bull.wkz",
                       "B : &TP_BRAD=4\r\nC : &TP_CRAD=1\r\nS : &TP_STOCK=0.2");
    install.root.mkdir("lib/Mills/Old");
    install.env.set("KVX_FEDRIX", "1");
    const std::string tree =
        "0\t" + lib + "\t" + lib + "\n  1\tMills\t" + mills + "\n    1\tOld\t" + mills +
        "/Old\n    4\tball.wkz\t" + mills + "/ball.wkz\n    3\tbull.wkz\t" + mills +
        "/bull.wkz\n    3\tf\\tl.wkz\t" + mills + "/f\\tl.wkz\n  4\tt.wkz\t" + lib + "/t.wkz\n";
    auto result = run_cli({"tree", lib + "//"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, tree);
    const std::string up = "1\t..\t\t\t\t\t\t\t\t\t\t\t\n";
    const std::string old = "1\tOld\t\t\t\t\t\t\t\t\t\t\t\n";
    const std::string ball = "4\tball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\t\t6\n";
    const std::string bull = "3\tbull.wkz\t\t4.000\t1.000\t0.200\t\t\t\t\t\t\t7\n";
    const std::string flat = "3\tf\\tl.wkz\t3\t5.000\t\t\t\t\t\t\t\ta\\tb\t5\n";
    install.env.set("KVX_CUTTER_DIR", lib);
    result = run_cli({"list", mills});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, up + old + ball + bull + flat);
    // The library's root has no way up; KVX_CUTTER_DIR decides where the root is.
    EXPECT_EQ(run_cli({"list", lib}).out,
              "1\tMills\t\t\t\t\t\t\t\t\t\t\t\n4\tt.wkz\t\t\t\t\t\t\t\t\t\t\t5\n");
    install.env.set("KVX_CUTTER_DIR", mills);
    EXPECT_EQ(run_cli({"list", mills}).out, old + ball + bull + flat);

    // Without a directory the tree is the one the program would use. The Fedrix images only
    // when switched on; each --sort is one header click, in order (the clicks' effect is the
    // sort's own test); sizes as diameters.
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "0");
    result = run_cli({"tree"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, std::regex_replace(tree, std::regex("  4\t"), "  3\t"));
    result = run_cli({"list", "--sort", "1", mills, "--diameter", "--sort", "1"});
    EXPECT_EQ(result.out, up + old +
                              "3\tbull.wkz\t\t8.000\t1.000\t0.200\t\t\t\t\t\t\t7\n"
                              "3\tf\\tl.wkz\t3\t10.000\t\t\t\t\t\t\t\ta\\tb\t5\n"
                              "3\tball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\t\t6\n");

    install.env.set("KVX_CUTTER_DIR", install.path("none"));
    for (const Arguments& arguments :
         {Arguments{"tree", lib + "/t.wkz"}, {"tree"}, {"list", lib + "/t.wkz"}}) {
        result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, 1) << arguments.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("not a"), std::string::npos) << result.err;
    }
    for (const Arguments& arguments : {Arguments{"tree", lib, lib},
                                       {"list"},
                                       {"list", lib, lib},
                                       {"list", lib, "--sort"},
                                       {"list", lib, "--sort", "11"},
                                       {"list", lib, "--sort", "-1"},
                                       {"list", lib, "--sort", "1x"}}) {
        EXPECT_EQ(run_cli(arguments).exit_code, 2) << arguments.back();
    }
}

TEST(CliOutput, AListingThatCannotBeWrittenFailsTheCommand) {
    // More than one buffer of output fails in the middle, a short listing only at the end.
    Arguments long_listing = {"expand"};
    long_listing.insert(long_listing.end(), 300, std::string(40, 'x'));
    CliOptions full;
    full.standard_output = "/dev/full";
    for (const Arguments& arguments : {Arguments{"expand", "text"}, long_listing}) {
        EXPECT_EQ(run_cli(arguments).exit_code, 0);
        const auto result = run_cli(arguments, full);
        EXPECT_EQ(result.exit_code, 1) << arguments.size();
        EXPECT_EQ(result.err.rfind("cutterbase-cli: cannot write the standard output", 0), 0u)
            << result.err;
    }
    EXPECT_EQ(run_cli({"env", "PATH"}, full).err,
              "cutterbase-cli: cannot write the standard output: No space left on device\n");
}

// A file too large for the memory left is a failure, not an abort; records lists a file larger
// than the memory it may use, one record at a time.
TEST(CliMemory, LargeFilesUnderAnAddressSpaceLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address space limit";
#endif
    testsupport::TempDir dir;
    CliOptions limited;
    limited.address_space = std::size_t{96} << 20;
    // Sparse files: a gigabyte of zeros that takes no room on the disk.
    for (const auto& [command, name] : {std::pair{"show", "huge.wkz"}, {"fedrix", "huge.ncs"}}) {
        const std::string path = dir.write(name, "");
        ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
        const auto result = run_cli({command, path}, limited);
        EXPECT_EQ(result.exit_code, 1) << name;
        EXPECT_EQ(result.err, "cutterbase-cli: out of memory\n") << name;
    }

    const std::string one =
        recordtest::record(false, 7, "002I 001S ", std::string(8, '\0') + "\4text");
    std::string bytes;
    const int count = 600000;
    for (int i = 0; i < count; ++i) {
        bytes += one;
    }
    const std::string path = dir.write("big.inf", recordtest::file(false, count, bytes));
    bytes.clear();
    limited.address_space = std::size_t{24} << 20;
    const auto result = run_cli({"records", path}, limited);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), count + 1);
    const std::string last = "record\t600000\tkey=7\tlength=24\tI:0\tI:0\tS:text\n";
    EXPECT_EQ(result.out.substr(result.out.size() - last.size()), last);
}

}  // namespace
