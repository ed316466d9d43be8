// toolpath, check and apply against a workzone whose current toolpath has a bull-nosed cutter
// D10 R2 (named ".\bull\d10r2.wkz"), with a tool library next to it, in English, without a hook
// command; and the files a hostile user can hand them.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "platform/filesystem.h"
#include "workzone/workzone_fixture.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;
using Arguments = std::vector<std::string>;

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

    // A tool of the toolpath's body radius with this corner radius.
    std::string tool(const std::string& relative, const std::string& corner_radius = "2.500") {
        return library.write(relative, "B : &TP_BRAD=5.000\r\nC : &TP_CRAD=" + corner_radius);
    }
};

TEST_F(ToolAgainstWorkzone, ToolpathListsTheToolParametersOfAnyToolpath) {
    // Without names: one line per tool parameter in index order, as a tool file writes them.
    write_toolpath(12, sample_items());
    env_.set("KVXLANG", "en");
    auto result = run_cli({"toolpath", "--tp", "+12"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out.substr(0, 68),
              "1\tTP_COMMENT\troughing\n2\tTP_CDESC\tbull nose D10 R2\n3\tTP_CDIAM\t10.000\n");
    EXPECT_NE(result.out.find("\n18\tTP_LITYPE\t3\n19\tTP_LIRAMP\t5.000\n"), std::string::npos);
    EXPECT_NE(result.out.find("\n23\tTP_TYPE\tPencil three\n24\tTP_INDEX82\t.\\bull\\d10r2.wkz\n"),
              std::string::npos);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 24);

    for (const char* number : {"", "x", "12x", "2147483648", "-"}) {
        result = run_cli({"toolpath", "--tp", number});
        EXPECT_EQ(result.exit_code, 2) << number;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "usage: cutterbase-cli toolpath [--tp N] [NAME[.SUFFIX]...]\n");
    }
    EXPECT_EQ(run_cli({"toolpath", "--tp"}).exit_code, 2);
}

// check and apply on the toolpath's own tool and its regrinding are the demo installation's
// test.
TEST_F(ToolAgainstWorkzone, ApplyFormsTheReferenceFromTheWorkingDirectoryOrSaysWhatWentWrong) {
    tool("bull/d10r2.wkz");
    // A tool path or a tool directory relative to the working directory: each names the
    // toolpath's own tool, so no reference is sent (links and "." steps are the reference's own
    // test).
    const std::string name = library.path().substr(library.path().rfind('/') + 1);
    // KVX_CUTTER_DIR, working directory, tool argument
    const std::tuple<std::string, std::string, std::string> relative[] = {
        {library.path(), zone_.path(), "../" + name + "/bull/d10r2.wkz"},
        {name, library.path() + "/..", library.file("bull/d10r2.wkz")},
    };
    for (const auto& [directory, working, given] : relative) {
        env_.set("KVX_CUTTER_DIR", directory);
        const auto result = run_cli({"apply", given, "-o", out}, working);
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ") << directory << " " << given;
    }
    // Another tool of the library: its reference is sent along, to cutter.out by default.
    env_.set("KVX_CUTTER_DIR", library.path());
    tool("flat/R&D.wkz", "2.000");
    EXPECT_EQ(run_cli({"apply", library.file("flat/R&D.wkz")}, zone_.path()).exit_code, 0);
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\R\\&D.wkz ");
    std::remove(out.c_str());

    // A tool path holding a line break cannot go into a change file.
    for (const auto& [path, shown] : {std::pair{"bull/d10\nr2.wkz", "bull/d10\\nr2.wkz"},
                                      std::pair{"bull\r/d10r2.wkz", "bull\\r/d10r2.wkz"}}) {
        const auto result = run_cli({"apply", tool(path), "-o", out});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.err, "cutterbase-cli: the tool path holds a line break: '" +
                                  library.file(shown) + "'\n");
    }
    EXPECT_FALSE(platform::exists(out));

    const std::string tool_file = library.file("bull/d10r2.wkz");
    for (const auto& directory :
         {std::optional<std::string>(), std::optional(zone_.file("none"))}) {
        env_.set("KVX_CUTTER_DIR", directory);
        const auto result = run_cli({"apply", "bull/d10r2.wkz", "-o", out}, library.path());
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(result.err,
                  "cutterbase-cli: KVX_CUTTER_DIR names no tool directory; the current "
                  "directory '" +
                      library.path() + "' is taken as the tool library\n");
    }

    const std::string missing = zone_.file("no/cutter.out");
    const std::tuple<const char*, std::string> messages[] = {
        {"ang", "The change file\n\n\t'" + missing + "'\n\ncould not be written!"},
        {"all", "Die \xC4nderungsdatei\n\n\t'" + missing + "'\n\nkonnte nicht geschrieben werden!"},
        {"fra", "The change file\n\n\t'" + missing + "'\n\ncould not be written!"},
    };
    for (const auto& [language, text] : messages) {
        env_.set("KVXLANG", language);
        const auto result = run_cli({"apply", tool_file, "-o", missing});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_NE(result.err.find(text), std::string::npos) << language << ": " << result.err;
    }
}

TEST_F(ToolAgainstWorkzone, AToolFileBeyondTheLongestAbsolutePathIsReadAsShowReadsIt) {
    // 22 levels of 200 characters, made and removed step by step; apply runs from halfway
    // down, so the path given is short, the absolute one too long.
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
    const std::string relative = deep.substr(11 * 201) + "/t.wkz";
    EXPECT_GT(working.size() + relative.size(), static_cast<std::size_t>(PATH_MAX));
    const auto applied = run_cli({"apply", relative, "-o", out}, working);
    EXPECT_EQ(applied.exit_code, 0) << applied.err;
    std::string reference = ".\\" + deep + "/t.wkz";
    std::replace(reference.begin(), reference.end(), '/', '\\');
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 &TP_INDEX82=" + reference + " ");
    EXPECT_EQ(std::system(("rm -rf '" + library.file(level) + "'").c_str()), 0);
}

TEST_F(ToolAgainstWorkzone, AnUnreadableToolpathFailsEveryCommandThatComparesWithIt) {
    const std::string tool_file = tool("bull/d10r2.wkz");
    // The file of the current toolpath that is missing.
    for (const char* failed : {"outil.par", "outil.mul"}) {
        write_toolpath(0, sample_items());
        std::remove(zone_.file(failed).c_str());
        for (const Arguments& arguments : {Arguments{"toolpath"},
                                           {"toolpath", "UNIT", "TP_CDIAM"},
                                           {"check", tool_file},
                                           {"apply", tool_file, "-o", out}}) {
            const auto result = run_cli(arguments);
            EXPECT_EQ(result.exit_code, 2) << arguments[0] << " " << failed;
            EXPECT_EQ(result.out, "") << arguments[0];
            EXPECT_EQ(result.err, "cutterbase-cli: cannot read the toolpath '" +
                                      zone_.file(failed) + "' (status 7)\n");
        }
        EXPECT_FALSE(platform::exists(out));
    }
    // A name that does not read the toolpath needs none.
    EXPECT_EQ(run_cli({"toolpath", "UNIT"}).out, "UNIT\tchar\t0\tmm\n");

    // Trailing blanks of KVXZONE name the same workzone.
    env_.set("KVXZONE", zone_.path() + "/  ");
    write_toolpath(0, sample_items());
    EXPECT_EQ(run_cli({"toolpath", "TP_COMMENT"}).out, "TP_COMMENT\tchar\t0\troughing\n");
    EXPECT_EQ(run_cli({"check", tool_file}).exit_code, 1);
    EXPECT_EQ(run_cli({"expand", "--path", "$KVXZONE/workzone.num"}).out,
              "0\t" + zone_.path() + "/workzone.num\n");
}

// One record a line, fields separated by a tab; tabs and line breaks inside a field escaped.
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
        // show: in file order, with the kind and whether the program knows the parameter.
        {{"show", tool_file},
         "Com\\tment\tTP_COMMENT\tText\t1\tx\\ry\\tz\nB\tTP_BRAD\tReal\t1\t5.000\n"
         "N\tTP_CPPNUM\tInteger\t1\t12\nMine\tMY_NOTE\tText\t0\ta=b\n"},
        {{"check", tool_file}, "Com\\tment\t\trough\\tpass\\1\t\t\tx\\ry\\tz\nN\t\t7\t\t\t12\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(run_cli(arguments).out, expected) << arguments[0];
    }
    const std::string listing = run_cli({"toolpath"}).out;
    EXPECT_EQ(listing.substr(0, listing.find('\n') + 1), "1\tTP_COMMENT\trough\\tpass\\1\n");
    EXPECT_EQ(run_cli({"startup", "-o", "o\tx\n"}).out.substr(0, 19), "output_file\to\\tx\\n\n");
}

TEST_F(ToolAgainstWorkzone, FifosAndDevicesAreRefusedAsToolFedrixAndRecordFiles) {
    ASSERT_EQ(::mkfifo(library.file("fifo.wkz").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", library.file("zero.wkz").c_str()), 0);
    ASSERT_EQ(::mkfifo(library.file("fifo.ncs").c_str(), 0600), 0);
    const std::pair<Arguments, int> cases[] = {
        {{"show", library.file("fifo.wkz")}, 1},
        {{"show", library.file("zero.wkz")}, 1},
        {{"check", library.file("fifo.wkz")}, 2},
        {{"apply", library.file("zero.wkz"), "-o", out}, 1},
        {{"fedrix", library.file("fifo.ncs")}, 1},
        {{"records", library.file("fifo.ncs")}, 1},
    };
    for (const auto& [arguments, exit_code] : cases) {
        const auto result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, exit_code) << arguments[1];
        EXPECT_NE(result.err.find("cannot"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(platform::exists(out));

    // Toolpath files are read only as far as their format goes: behind its 140 items the
    // parameter file holds 4 GB of zeros, read no further.
    ASSERT_EQ(::symlink("/dev/zero", zone_.file("outil.niv").c_str()), 0);
    ASSERT_EQ(::mkfifo(zone_.file("outil.per").c_str(), 0600), 0);
    ASSERT_EQ(::truncate(zone_.file("outil.par").c_str(), std::int64_t{4} << 30), 0);
    const auto result = run_cli({"toolpath", "TP_ZSTEPTYPE", "TP_BRAD"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "TP_ZSTEPTYPE\tchar\t0\tTP_ZSTEPTYPE-2\nTP_BRAD\tdist\t0\t5.00000\n");
}

// Beyond the file-size limit the write fails and is reported; no temporary file stays behind.
TEST_F(ToolAgainstWorkzone, AFileSizeLimitFailsApplyCleanly) {
    const std::string self = tool("self.wkz");
    const std::size_t entries = platform::find_files(zone_.path() + "/*").size();
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 30;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = run_cli({"apply", self, "-o", out});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(platform::find_files(zone_.path() + "/*").size(), entries);
}

}  // namespace
