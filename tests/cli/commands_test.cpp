// cutterbase-cli end to end: one check per format, exit status and message; toolpath D10 R2.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_fixture.h"
#include "platform/filesystem.h"
#include "runtime/record_bytes.h"
#include "workzone/workzone_fixture.h"

namespace {

using testsupport::CliOptions;
using testsupport::read_file;
using testsupport::run_cli;
using Arguments = std::vector<std::string>;

// Exit status, output and errors of one run as "EXIT|OUT|ERR", to compare at once.
std::string outcome(const Arguments& arguments, const CliOptions& options = {}) {
    const auto result = run_cli(arguments, options);
    return std::to_string(result.exit_code) + "|" + result.out + "|" + result.err;
}

using Installed = CatalogueTest;

TEST_F(Installed, EnvAndExpandPrintOneLinePerArgument) {
    env_.set("KVXNULL", std::nullopt).set("KVXTMP", std::nullopt).set("ENVPATH", std::nullopt);
    temp_.write("home/config/environ.cfg", "[var]\n[path]\nENV = $KVXHOME/config\nDOC = /d//x\n");
    env_.set("CB_CLI_SET", "set").set("CB_CLI_NONE", std::nullopt);
    // The expansion buffer holds 384 characters, its terminator included.
    const std::string fits(383, 'b'), over(385, 'a');
    EXPECT_EQ(
        outcome({"expand", "$CB_CLI_NONE/a   ", over}),
        "0|-43\tUndefined_CB_CLI_NONE/a\n-42\t" + over + "\n|Undefined variable : '$CB_CLI_NONE'");
    EXPECT_EQ(outcome({"--quiet", "expand", "--path", "?DOC", fits, fits + "c"}),
              "0|0\t/d/x\n0\t" + fits + "\n-32\t" + fits + "c\n|");
    EXPECT_EQ(outcome({"env", "--origin", "CB_CLI_SET", "PC", "CB_CLI_NONE"}),
              "1|CB_CLI_SET\tset\tfrom environment\nPC\t1\tset by program\nCB_CLI_NONE\t\n|");
    EXPECT_EQ(run_cli({"env", "CB_CLI_SET"}).out, "CB_CLI_SET\tset\n");
    env_.set("KVXHOME", std::nullopt);
    EXPECT_EQ(outcome({"env", "CB_CLI_NONE"}),
              "255||The environment variable 'KVXHOME' is not defined\n");
}

TEST_F(Installed, MessagePrintsIconCategoryAndEscapedTextOfEveryMessageShown) {
    env_.set("KVXLANG", "ALL");
    EXPECT_EQ(outcome({"message", "GENERAL", "NOPE"}),
              "0|16\tFehler\tDie Meldungseintrag\\n\\n\\t[GENERAL]\\n\\tNOPE = ???\\n\\nkonnte "
              "nicht gefunden werden in \\n\\n\\t'" +
                  texte("TalmorError.all") + "'\n|");
    env_.set("KVXLANG", "ang");
    EXPECT_EQ(run_cli({"message", "TEST", "WARN", "x"}).out, "48\tWarning\tCareful with x\n");
    // A catalogue of the wrong type is announced, then read; none at all fails.
    temp_.write("home/texte/TalmorError.ang",
                "[T.A.L.M.O.R.]\nCATEGORY=Other\n[TEST]\nOTHER=I still read\n");
    EXPECT_EQ(run_cli({"message", "TEST", "OTHER"}).out,
              "16\tERROR\t\tThe file\\n\\n\\t'" + texte("TalmorError.ang") +
                  "'\\n\\ndoes not include the error file type:\\n\\n\\t'CATEGORY = "
                  "TalmorError'\n64\tINFORMATION\tstill read\n");
    env_.set("KVXLANG", "fra");
    EXPECT_EQ(outcome({"message", "TEST", "WARN"}), "1||cutterbase-cli: message catalogue '" +
                                                        texte("TalmorError.fra") + "' not found\n");
    EXPECT_EQ(run_cli({"message", "TEST"}).exit_code, 2);
}

// tree: IMAGE, TEXT, PATH indented by level; list: IMAGE, eleven columns, SHAPE.
TEST(LibraryCommands, TreeListFindAndVetPrintTheLibraryWithoutAWorkzone) {
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
    install.env.set("KVX_FEDRIX", "1");
    const std::string tree = "0\t" + lib + "\t" + lib + "\n  1\tMills\t" + mills +
                             "\n    4\tball.wkz\t" + mills + "/ball.wkz\n    3\tbull.wkz\t" +
                             mills + "/bull.wkz\n    3\tf\\tl.wkz\t" + mills +
                             "/f\\tl.wkz\n  4\tt.wkz\t" + lib + "/t.wkz\n";
    EXPECT_EQ(outcome({"tree", lib + "//"}), "0|" + tree + "|");
    const std::string rows =
        "4\tball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\t\t6\n"
        "3\tbull.wkz\t\t4.000\t1.000\t0.200\t\t\t\t\t\t\t7\n"
        "3\tf\\tl.wkz\t3\t5.000\t\t\t\t\t\t\t\ta\\tb\t5\n";
    install.env.set("KVX_CUTTER_DIR", lib);
    EXPECT_EQ(outcome({"list", mills}), "0|1\t..\t\t\t\t\t\t\t\t\t\t\t\n" + rows + "|");
    install.env.set("KVX_CUTTER_DIR", mills);
    EXPECT_EQ(run_cli({"list", mills}).out, rows);
    // The program's own tree; Fedrix images only when on; --sort clicks in order; diameters.
    install.env.set("KVX_CUTTER_DIR", lib).set("KVX_FEDRIX", "0");
    EXPECT_EQ(run_cli({"tree"}).out, std::regex_replace(tree, std::regex("  4\t"), "  3\t"));
    EXPECT_EQ(run_cli({"list", "--sort", "1", mills, "--diameter", "--sort", "1"}).out,
              "1\t..\t\t\t\t\t\t\t\t\t\t\t\n"
              "3\tbull.wkz\t\t8.000\t1.000\t0.200\t\t\t\t\t\t\t7\n"
              "3\tf\\tl.wkz\t3\t10.000\t\t\t\t\t\t\t\ta\\tb\t5\n"
              "3\tball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\t\t6\n");

    const std::string vet = install.path("vet");
    install.root.write(
        "vet/Mills/ball.wkz",
        "D : &TP_CDIAM=6\r\nC : &TP_CRAD=3\r\nN : &TP_CPPNUM=12\r\nX : &TP_COMMENT=a\tb");
    install.root.write("vet/Mills/ball.ncs", "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n");
    install.root.write("vet/bull.wkz", "B : &TP_BRAD=4\r\nC : &TP_CRAD=1\r\nN : &TP_CPPNUM=12");
    install.env.set("KVX_CUTTER_DIR", vet).set("KVX_FEDRIX", "1");
    EXPECT_EQ(outcome({"find", "--dir", vet + "/Mills", "d:6", "BALL"}),
              "0|4\tball.wkz\t12\t3.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n|");
    EXPECT_EQ(outcome({"find", "--diameter", "no:12"}),
              "0|4\tMills/ball.wkz\t12\t6.000\t3.000\t\t\t\t\t\t\ta\\tb\t6\n"
              "3\tbull.wkz\t12\t8.000\t1.000\t\t\t\t\t\t\t\t7\n|");
    EXPECT_EQ(outcome({"find", "nothing"}), "0||");
    EXPECT_EQ(
        outcome({"find", "--dir", vet, "cr:1", "shape:cube"}),
        "2||cutterbase-cli: The search term 'shape:cube' is not understood: use words, or d:, "
        "r:, cr:, no: with a number or a range (8-12), shape:ball|flat|bull, fedrix:yes|no, "
        "problem:yes|no.\n");

    // One number on two cutters: warnings alone leave the exit code 0.
    const std::string shared =
        vet + "/Mills/ball.wkz\tshared-tool-number\twarning\tThe tool number 12 is also the " +
        "number of 'bull.wkz', a tool of other geometry.\n" + vet +
        "/bull.wkz\tshared-tool-number\twarning\tThe tool number 12 is also the number of " +
        "'Mills/ball.wkz', a tool of other geometry.\n";
    EXPECT_EQ(outcome({"vet"}), "0|" + shared + "|");
    install.root.write("vet/zero.wkz", "D : &TP_CDIAM=0");
    EXPECT_EQ(outcome({"vet", vet}), "1|" + shared + vet +
                                         "/zero.wkz\tno-size\terror\tThe tool has no size: "
                                         "neither TP_BRAD nor TP_CDIAM is above 0.\n|");
    install.env.set("KVX_CUTTER_DIR", install.path("none"));
    // The exit status, "!" where the error names what is not a directory, the command line;
    // "L" and "V" stand for the libraries.
    for (const char* line :
         {"1!tree L/t.wkz", "1!tree", "1!list L/t.wkz", "2 tree L L", "2 list", "2 list L L",
          "2 list L --sort", "2 list L --sort 11", "2 list L --sort -1", "2 list L --sort 1x",
          "2!vet V/zero.wkz", "2!find --dir V/none x", "2 vet V V", "2 find"}) {
        std::istringstream in(std::regex_replace(std::regex_replace(line + 2, std::regex("L"), lib),
                                                 std::regex("V"), vet));
        const auto result = run_cli(Arguments(std::istream_iterator<std::string>(in), {}));
        EXPECT_EQ(result.exit_code, line[0] - '0') << line;
        EXPECT_EQ(result.err.find("not a") != std::string::npos, line[1] == '!') << result.err;
    }
}

TEST(RecordsCommandAndLimits, RecordsListedOneALineAFullOutputAndTooLittleMemoryFail) {
    testsupport::TempDir dir;
    // Two logicals, a character, a short, an int, a real, a double and a text, little-endian.
    const std::string data(
        "\1\0\t\xF9\xFF\x40\xE2\1\0\x33\x33\xCB\x41\x9A\x99\x99\x99\x99\x99\xB9\x3F\5a\\b\nc", 27);
    const std::string bytes =
        recordtest::file(false, 2,
                         recordtest::record(false, 1, "002L 001C 001W 001I 001R 001D 001S ", data) +
                             recordtest::record(false, 2, "", ""));
    const std::string first =
        "record\t1\tkey=1\tlength=63\tL:1\tL:0\tC:\\t\tW:-7\tI:123456\tR:25.4"
        "\tD:0.1\tS:a\\\\b\\nc\n";
    // Without formats each record is listed as its bytes.
    std::string plain = recordtest::file(false, 1, std::string("\x1B\0\1\0", 4) + data);
    plain[155] = '\0';
    EXPECT_NE(run_cli({"records", dir.write("plain.rec", plain)})
                  .out.find("\nrecord\t1\tkey=1\tlength=27\tbytes:0100"),
              std::string::npos);
    // The second record's header cut off: the first one is listed before the failure.
    const std::string cut = outcome({"records", dir.write("cut.inf", bytes.substr(0, 229))});
    EXPECT_TRUE(cut.starts_with("1|") && cut.find(first + "error\t-25\n|") != cut.npos) << cut;
    const std::string one = recordtest::record(false, 1, "001I ", std::string(4, '\1'));
    const std::string negative = dir.write("negative.inf", recordtest::file(false, -1, one));
    EXPECT_EQ(outcome({"records", negative}),
              "1|header\torder=native\ttag=crafted\trecords=-1\tfirst=160\tend=174\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\nerror\t-25\n|cutterbase-cli: " +
                  negative + ": damaged record file (status -25)\n");
    EXPECT_EQ(run_cli({"records"}).exit_code, 2);

    // More than one buffer of output fails in the middle, a short listing only at the end.
    Arguments long_listing = {"expand"};
    long_listing.insert(long_listing.end(), 300, std::string(40, 'x'));
    CliOptions full;
    full.standard_output = "/dev/full";
    for (const Arguments& arguments : {Arguments{"env", "PATH"}, long_listing}) {
        EXPECT_EQ(outcome(arguments, full),
                  "1||cutterbase-cli: cannot write the standard output: No space left on device\n")
            << arguments.size();
    }

    // Too large a file fails rather than aborts; records streams a file larger than its memory.
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address space limit";
#endif
    CliOptions limited;
    limited.address_space = std::size_t{96} << 20;
    // Sparse files: a gigabyte of zeros that takes no room on the disk.
    for (const auto& [command, name] : {std::pair{"show", "huge.wkz"}, {"fedrix", "huge.ncs"}}) {
        const std::string path = dir.write(name, "");
        ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
        EXPECT_EQ(outcome({command, path}, limited), "1||cutterbase-cli: out of memory\n") << name;
    }

    const std::string seven =
        recordtest::record(false, 7, "002I 001S ", std::string(8, '\0') + "\4text");
    std::string many;
    const int count = 600000;
    for (int i = 0; i < count; ++i) {
        many += seven;
    }
    const std::string path = dir.write("big.inf", recordtest::file(false, count, many));
    limited.address_space = std::size_t{24} << 20;
    const auto result = run_cli({"records", path}, limited);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), count + 1);
    EXPECT_TRUE(result.out.ends_with("\nrecord\t600000\tkey=7\tlength=24\tI:0\tI:0\tS:text\n"));
}

struct ToolAgainstWorkzone : WorkzoneTest {
    testsupport::TempDir library;
    std::string out = zone_.file("cutter.out");

    void SetUp() override {
        WorkzoneTest::SetUp();
        write_toolpath(0, sample_items());
        env_.set("KVXLANG", "ang")
            .set("KVX_CUTTER_DIR", library.path())
            .set("KVX_CUTTER_HOOK_COMMAND", std::nullopt)
            .set("KVXTMPDIR", zone_.path());
    }

    std::string tool(const std::string& relative, const std::string& corner_radius = "2.500") {
        return library.write(relative, "B : &TP_BRAD=5.000\r\nC : &TP_CRAD=" + corner_radius);
    }
};

TEST_F(ToolAgainstWorkzone, RefusalsAndAnUnreadableToolpathSayWhatWentWrong) {
    const std::string fifo = library.file("fifo.wkz"), zero = library.file("zero.wkz");
    const std::string bad = library.write("bad.ncs", "[T.A.L.M.O.R.]\r\nFedrix=Other\r\n");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", zero.c_str()), 0);
    const std::string usage = "2||usage: cutterbase-cli toolpath [--tp N] [NAME[.SUFFIX]...]\n";
    const std::string line_break = "1||cutterbase-cli: the tool path holds a line break: '";
    const std::pair<Arguments, std::string> cases[] = {
        {{"toolpath", "--tp"}, usage},
        {{"toolpath", "--tp", "12x"}, usage},
        {{"toolpath", "--tp", "2147483648"}, usage},
        // A tool path holding a line break cannot go into a change file.
        {{"apply", tool("bull/d10\nr2.wkz"), "-o", out},
         line_break + library.file("bull/d10\\nr2.wkz") + "'\n"},
        {{"apply", tool("bull\r/d10r2.wkz"), "-o", out},
         line_break + library.file("bull\\r/d10r2.wkz") + "'\n"},
        // FIFOs and devices are never opened as tool, Fedrix or record files.
        {{"show", fifo}, "1||cutterbase-cli: cannot read '" + fifo + "'\n"},
        {{"check", fifo}, "2||cutterbase-cli: cannot read '" + fifo + "'\n"},
        {{"apply", zero, "-o", out}, "1||cutterbase-cli: cannot read '" + zero + "'\n"},
        {{"fedrix", fifo}, "1||cutterbase-cli: cannot read '" + fifo + "'\n"},
        {{"records", fifo},
         "1||cutterbase-cli: " + fifo + ": cannot open record file (status -21)\n"},
        {{"fedrix", bad}, "1||'" + bad + "' ist nicht eine 'Fedrix Tool' Ini-Datei!\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(outcome(arguments), expected) << arguments[0] << " " << arguments.back();
    }
    EXPECT_FALSE(platform::exists(out));

    // An unreadable toolpath fails every command that compares with it.
    const std::string tool_file = tool("bull/d10r2.wkz");
    const Arguments commands[] = {{"toolpath"},
                                  {"toolpath", "UNIT", "TP_CDIAM"},
                                  {"check", tool_file},
                                  {"apply", tool_file, "-o", out}};
    for (const char* failed : {"outil.par", "outil.mul"}) {
        write_toolpath(0, sample_items());
        std::remove(zone_.file(failed).c_str());
        for (const Arguments& arguments : commands) {
            EXPECT_EQ(outcome(arguments), "2||cutterbase-cli: cannot read the toolpath '" +
                                              zone_.file(failed) + "' (status 7)\n")
                << arguments[0];
        }
        EXPECT_FALSE(platform::exists(out));
    }
    EXPECT_EQ(run_cli({"toolpath", "UNIT"}).out, "UNIT\tchar\t0\tmm\n");

    // Trailing blanks of KVXZONE name the same workzone.
    env_.set("KVXZONE", zone_.path() + "/  ");
    write_toolpath(0, sample_items());
    EXPECT_EQ(run_cli({"toolpath", "TP_COMMENT"}).out, "TP_COMMENT\tchar\t0\troughing\n");
    EXPECT_EQ(run_cli({"expand", "--path", "$KVXZONE/workzone.num"}).out,
              "0\t" + zone_.path() + "/workzone.num\n");

    // Read only as far as the format goes: 4 GB of zeros behind the items are not read.
    ASSERT_EQ(::symlink("/dev/zero", zone_.file("outil.niv").c_str()), 0);
    ASSERT_EQ(::mkfifo(zone_.file("outil.per").c_str(), 0600), 0);
    ASSERT_EQ(::truncate(zone_.file("outil.par").c_str(), std::int64_t{4} << 30), 0);
    EXPECT_EQ(outcome({"toolpath", "TP_ZSTEPTYPE", "TP_BRAD"}),
              "0|TP_ZSTEPTYPE\tchar\t0\tTP_ZSTEPTYPE-2\nTP_BRAD\tdist\t0\t5.00000\n|");
}

TEST_F(ToolAgainstWorkzone, ApplyFormsTheReferenceFromTheWorkingDirectoryOrSaysWhatWentWrong) {
    const std::string tool_file = tool("bull/d10r2.wkz");
    const std::string name = library.path().substr(library.path().rfind('/') + 1);
    // KVX_CUTTER_DIR, working directory, tool argument: the toolpath's own tool, no reference
    const std::tuple<std::string, std::string, std::string> relative[] = {
        {library.path(), zone_.path(), "../" + name + "/bull/d10r2.wkz"},
        {name, library.path() + "/..", library.file("bull/d10r2.wkz")},
    };
    for (const auto& [directory, working, given] : relative) {
        env_.set("KVX_CUTTER_DIR", directory);
        EXPECT_EQ(outcome({"apply", given, "-o", out}, working), "0||") << directory;
        EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ") << directory << " " << given;
    }
    // Another tool of the library: its reference is sent along, to cutter.out by default.
    env_.set("KVX_CUTTER_DIR", library.path());
    tool("flat/R&D.wkz", "2.000");
    EXPECT_EQ(run_cli({"apply", library.file("flat/R&D.wkz")}, zone_.path()).exit_code, 0);
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\R\\&D.wkz ");

    env_.set("KVX_CUTTER_DIR", zone_.file("none"));
    EXPECT_EQ(outcome({"apply", "bull/d10r2.wkz", "-o", out}, library.path()),
              "0||cutterbase-cli: KVX_CUTTER_DIR names no tool directory; the current directory '" +
                  library.path() + "' is taken as the tool library\n");

    env_.set("KVX_CUTTER_DIR", library.path());
    const std::string missing = zone_.file("no/cutter.out");
    for (const std::string language : {"ang", "all", "fra"}) {
        env_.set("KVXLANG", language);
        EXPECT_EQ(outcome({"apply", tool_file, "-o", missing}),
                  language == "all"
                      ? "1||Die \xC4nderungsdatei\n\n\t'" + missing +
                            "'\n\nkonnte nicht geschrieben werden!\n"
                      : "1||The change file\n\n\t'" + missing + "'\n\ncould not be written!\n")
            << language;
    }

    // Beyond the file-size limit the write fails instead of ending the program.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const struct rlimit small = {30, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int status = run_cli({"apply", library.file("flat/R&D.wkz"), "-o", out}).exit_code;
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(status, 1);

    // Apply run halfway down 22 levels of 200 characters: the absolute path is too long.
    const std::string level(200, 'd');
    std::string deep = level;
    std::string make = "bash -c 'cd \"" + library.path() + "\"";
    for (int i = 0; i < 22; ++i) {
        deep += i ? "/" + level : "";
        make += " && mkdir " + level + " && cd -P " + level;
    }
    EXPECT_EQ(std::system((make + " && printf \"C :   &TP_CRAD=2.500\\r\\n\" > t.wkz'").c_str()),
              0);
    const std::string working = library.file(deep.substr(0, 11 * 201 - 1));
    const std::string below = deep.substr(11 * 201) + "/t.wkz";
    EXPECT_GT(working.size() + below.size(), static_cast<std::size_t>(PATH_MAX));
    EXPECT_EQ(outcome({"apply", below, "-o", out}, working), "0||");
    std::string reference = ".\\" + deep + "/t.wkz";
    std::replace(reference.begin(), reference.end(), '/', '\\');
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 &TP_INDEX82=" + reference + " ");
    EXPECT_EQ(std::system(("rm -rf '" + library.file(level) + "'").c_str()), 0);
}

TEST_F(ToolAgainstWorkzone, ListingsOfFieldsWithTabsAndLineBreaks) {
    env_.set("KVXLANG", "en").set("CB_FIELD", "a\tb\nc\rd\\e");
    ParameterItems items = sample_items();
    items.set_text(61, "rough\tpass\\1");
    write_toolpath(0, items);
    const std::string tool_file =
        library.write("t.wkz",
                      "Com\tment : &TP_COMMENT=x\ry\tz\r\nB : &TP_BRAD=5\r\nN : &TP_CPPNUM=12\r\n"
                      "Mine : &MY_NOTE=a=b\r\n");
    const std::pair<Arguments, std::string> cases[] = {
        {{"env", "CB_FIELD"}, "CB_FIELD\ta\\tb\\nc\\rd\\e\n"},
        {{"expand", "x\ty\\z"}, "0\tx\\ty\\z\n"},
        {{"toolpath", "TP_COMMENT", "TP_LITYPE.short", "TP_RADS", "TP_NOPE", "TP_CPPNUM",
          "<user-start>"},
         "TP_COMMENT\tchar\t0\trough\\tpass\\1\nTP_LITYPE.short\tchar\t0\tRad\n"
         "TP_RADS\tdist\t0\t5.00000;2.00000\nTP_NOPE\tnone\t0\t\nTP_CPPNUM\tint\t0\t7\n"
         "<user-start>\tchar\t1\t?\?<user-start>(char)?\?\n"},
        {{"show", tool_file},
         "Com\\tment\tTP_COMMENT\tText\t1\tx\\ry\\tz\nB\tTP_BRAD\tReal\t1\t5.000\n"
         "N\tTP_CPPNUM\tInteger\t1\t12\nMine\tMY_NOTE\tText\t0\ta=b\n"},
        {{"check", tool_file}, "Com\\tment\t\trough\\tpass\\1\t\t\tx\\ry\\tz\nN\t\t7\t\t\t12\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(run_cli(arguments).out, expected) << arguments[0];
    }
    EXPECT_EQ(run_cli({"startup", "-o", "o\tx\n"}).out.substr(0, 19), "output_file\to\\tx\\n\n");
    // Without names: one line per tool parameter in index order, as a tool file writes them.
    EXPECT_TRUE(run_cli({"toolpath"}).out.starts_with("1\tTP_COMMENT\trough\\tpass\\1\n"));
    write_toolpath(12, sample_items());
    const std::string listing = run_cli({"toolpath", "--tp", "+12"}).out;
    EXPECT_NE(listing.find("\n18\tTP_LITYPE\t3\n19\tTP_LIRAMP\t5.000\n"), std::string::npos);
    EXPECT_TRUE(
        listing.ends_with("\n23\tTP_TYPE\tPencil three\n24\tTP_INDEX82\t.\\bull\\d10r2.wkz\n"));
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 24);
    const std::string ncs = library.write(
        "t.ncs",
        "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n[BASICS]\r\nOptimize Feed Rates=n");
    EXPECT_EQ(run_cli({"fedrix", ncs}).out.substr(0, 73),
              "T.A.L.M.O.R.\tFedrix\tFedrix Tool Information\nBASICS\tOptimize Feed Rates\tn\n");
}

TEST(StartupCommand, PrintsTheConfigurationAndEachMessageOnOneLineHelpAndVersionNeedNothing) {
    apptest::Installation install;
    const auto path = [&](const std::string& relative) { return install.path(relative); };
    install.root.mkdir("zone");
    const std::string marker = "[T.A.L.M.O.R.]\nCutter-Base=Karvex - CutterBase\n";
    install.root.write(
        "prog/CutterBase.INI",
        marker + "[GENERAL]\nLast Tool Dir=/tools/drills\nShow Consistency Message=2\n");
    install.env.set("KVXZONE", path("zone/")).set("KVX_CUTTER_DIR", path("zone"));
    install.env.set("KVX_CUTTER_HOOK_COMMAND", path("prog/CutterBase")).set("KVX_FEDRIX", "1");
    const std::string system = install.root.write("xdg/CutterBase/CutterBase.INI", marker);
    const std::string huge = "/" + std::string(10000, '9');
    EXPECT_EQ(outcome({"startup", "-tpnum", "7", "-o", huge, huge}),
              "0|output_file\t" + huge + "\ntoolpath_number\t7\nworkzone_directory\t" +
                  path("zone") + "\ntool_directory\t" + path("zone") +
                  "\nfedrix_enabled\t1\nprogram_directory\t" + path("prog") + "\nsettings_path\t" +
                  install.path("user/.config/CutterBase/CutterBase.INI") +
                  "\ninstallation_settings_path\t" + path("prog/CutterBase.INI") +
                  "\nlast_tool_directory\t/tools/drills\nshow_consistency_message\t1"
                  "\ndiameter_mode\t0\nsettings_layer\t" +
                  system + "\nsettings_layer\t" + path("prog/CutterBase.INI") + "\n|");

    install.env.set("KVXZONE", std::nullopt);
    EXPECT_EQ(outcome({"startup", "word"}),
              "1|output_file\tcutter.out\ntoolpath_number\t0\n|CUTTERBASE/"
              "CUTBASE_TPNUM_UNKNOWN\ttpnum word\n"
              "LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE\tno\\nzone\n");

    // Help and version need nothing; an unknown option shows the usage.
    install.env.set("KVXHOME", std::nullopt);
    const auto help = run_cli({"--help"});
    EXPECT_TRUE(help.exit_code == 0 && help.err.empty() &&
                help.out.starts_with("usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\n"));
    EXPECT_TRUE(std::regex_match(
        outcome({"--quiet", "--version"}),
        std::regex("0\\|cutterbase-cli \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n\\|")));
    EXPECT_EQ(outcome({"-h"}), "2||cutterbase-cli: unknown command '-h'\n" + help.out);
}

TEST_F(Installed, ExchangeCommandsExitStatusTellsLossSkipAndBadInputApart) {
    env_.set("KVXLANG", "ang");
    temp_.write("lib/a.wkz", "N:  &TP_CPPNUM=1\nB:  &TP_BRAD=3.000\n");
    temp_.write("lib/sub/b.wkz", "N:  &TP_CPPNUM=2\nT:  &TP_TOL=0.010\n");
    const std::string lib = temp_.file("lib"), into = temp_.mkdir("into");
    EXPECT_EQ(outcome({"export", lib, "--format", "tbl"}), "0|T1 P1 Z0 D6.000 ;a.wkz\n|");
    // Subfolders come first, as in the tree.
    EXPECT_EQ(outcome({"export", lib, "--recursive", "--format", "tbl", "--inch"}),
              "1|T2 P2 Z0 D0.0000 ;sub/b.wkz\nT1 P1 Z0 D0.2362 ;a.wkz\n"
              "|sub/b.wkz\tTP_CDIAM\tno diameter or body radius: D0\n"
              "sub/b.wkz\tTP_TOL\tnot carried by the format: 0.010\n");
    const std::string csv = temp_.file("all.csv");
    EXPECT_EQ(outcome({"export", lib, "--recursive", "--format", "csv", "-o", csv}), "0||");
    EXPECT_EQ(outcome({"import", csv, "--into", into, "--dry-run"}),
              "0|would write\t" + into + "/sub/b.wkz\nwould write\t" + into +
                  "/a.wkz\nsummary\t2 written\t0 overwritten\t0 skipped\t0 failed\tdry run\n|");
    EXPECT_EQ(run_cli({"import", csv, "--into", into}).exit_code, 0);
    EXPECT_EQ(run_cli({"import", csv, "--into", into}).exit_code, 1);

    const std::string text = temp_.write("tools.txt", "T1 D3\n");
    const std::string none = temp_.file("none");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"import", none + ".csv", "--into", into}, "cannot read '" + none + ".csv'\n"},
        {{"import", text, "--into", into},
         "cannot tell the format of '" + text + "': give --format\n"},
        {{"import", csv, "--into", none}, "not a directory: '" + none + "'\n"},
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
