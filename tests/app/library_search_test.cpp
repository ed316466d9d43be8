// The search index, its queries and the library check: rules as tables, a library on disk.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/library_check.h"
#include "app/tool_index.h"
#include "app/tool_query.h"
#include "app_fixture.h"
#include "support/test_support.h"

namespace {

using Strings = std::vector<std::string>;

std::string fedrix(const std::string& basics) {
    return "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n[BASICS]\n" + basics;
}

// "code: English text" per finding.
Strings described(const std::vector<ToolFinding>& findings, int language = 0) {
    Strings out;
    for (const ToolFinding& finding : findings) {
        out.push_back(finding.code + ": " + FindingText(finding, language));
    }
    return out;
}

TEST(LibraryCheck, ToolFileRules) {
    const std::tuple<std::string, Strings> cases[] = {
        {"TP_BRAD=5 TP_CRAD=5.0005 TP_STOCK=-0.5 TP_TOL=0.01 TP_STEP=10.001", {}},
        {"TP_CDIAM=10 TP_BRAD=0 TP_CRAD=0", {}},
        {"", {"no-parameters: The file holds no parameter line."}},
        {"TP_BRAD=-1 TP_CDIAM=0",
         {"no-size: The tool has no size: neither TP_BRAD nor TP_CDIAM is above 0.",
          "size-mismatch: The body radius -1.000 (TP_BRAD) and the diameter 0.000 (TP_CDIAM) "
          "disagree."}},
        {"TP_BRAD=5 TP_CDIAM=10.003 TP_CRAD=5.003",
         {"size-mismatch: The body radius 5.000 (TP_BRAD) and the diameter 10.003 (TP_CDIAM) "
          "disagree.",
          "corner-radius-too-large: The corner radius 5.003 is larger than the cutter radius "
          "5.000."}},
        {"TP_BRAD=5 TP_CRAD=-0.1 TP_TOL=0 TP_STEP=10.002",
         {"corner-radius-negative: The corner radius -0.100 is below 0.",
          "tolerance-not-positive: The tolerance 0.000 is not above 0.",
          "stepover-too-large: The stepover 10.002 is larger than the diameter 10.000."}},
        {"TP_BRAD=5 TP_DZSTEP=-1 TP_FRCUT=-2 TP_SPINDLE=100001 TP_FRRAPID=1e5",
         {"negative-value: TP_DZSTEP = -1.000 is below 0.",
          "negative-value: TP_FRCUT = -2.000 is below 0.",
          "value-out-of-range: TP_SPINDLE = 100001.000 lies outside the range 0.000 to "
          "100000.000."}},
        // Damaged values are named once, and no other rule reads them.
        {"TP_BRAD=5,5 TP_CDIAM=10 TP_CPPNUM=12a TP_AUTOFLAGS=99999999999 TP_TOL= TP_CRAD=1e39 "
         "TP_BRAD=1",
         {"not-a-number: TP_BRAD = '5,5' is not a number.",
          "not-a-number: TP_CRAD = '1e39' is not a number.",
          "not-an-integer: TP_CPPNUM = '12a' is not an integer.",
          "not-an-integer: TP_AUTOFLAGS = '99999999999' is not an integer."}},
    };
    for (const auto& [entries, expected] : cases) {
        EXPECT_EQ(described(CheckToolBytes("t.wkz", apptest::tool_file(entries))), expected)
            << entries;
    }
    testsupport::TempDir dir;
    const auto missing = CheckToolFile(dir.file("missing.wkz"));
    EXPECT_EQ(described(missing), Strings{"unreadable: The file cannot be read."});
}

TEST(LibraryCheck, FedrixRulesAndGermanTexts) {
    testsupport::TempDir dir;
    const std::tuple<std::string, Strings> cases[] = {
        {fedrix("Start Depth=3.5\nMax Depth=3.5\n"), {}},
        {fedrix("Max Depth=0.7\n"),
         {"fedrix-start-depth: The Fedrix start depth 0.800 is above the maximum depth 0.700."}},
        {"[T.A.L.M.O.R.]\nFedrix=Other\n",
         {"fedrix-foreign: The file is no Fedrix tool file that this program can read."}},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(described(CheckFedrixFile(dir.write("a.ncs", bytes))), expected) << bytes;
    }
    EXPECT_EQ(described(CheckFedrixFile(dir.file("none.ncs"))).size(), 1u);
    EXPECT_EQ(
        described({SharedToolNumberFinding("a.wkz", 7, "Sub/b.wkz"),
                   FedrixWithoutToolFinding("/x/T1.ncs")},
                  1),
        (Strings{"shared-tool-number: Die Werkzeugnummer 7 hat auch 'Sub/b.wkz', ein Werkzeug "
                 "anderer Geometrie.",
                 "fedrix-without-tool: Zur Fedrix-Datei fehlt die Werkzeugdatei 'T1.wkz'."}));
    EXPECT_EQ(SearchTermErrorText("d:x\xC3\xA4", 1),
              "Der Suchbegriff 'd:x\xE4' ist unverst\xE4ndlich: erlaubt sind W\xF6rter, oder d:, "
              "r:, cr:, no: mit einer Zahl oder einem Bereich (8-12), shape:ball|flat|bull, "
              "fedrix:yes|no, problem:yes|no.");
}

// A library with folders, a link loop, a dangling link, Fedrix files, shared tool numbers, names
// in UTF-8 and in Windows-1252, a huge file and a damaged one.
class LibraryIndex : public testing::Test {
protected:
    void SetUp() override {
        lib.write("A/T1.wkz",
                  apptest::tool_file(
                      "TP_BRAD=5 TP_CRAD=5 TP_CPPNUM=7 TP_CDESC=Kugelfr\xE4ser TP_COMMENT=Finish"));
        lib.write("A/T1.ncs", fedrix("Start Depth=4\n"));
        lib.write("A/Orphan.ncs", fedrix(""));
        lib.write("A/B/Deep.wkz", apptest::tool_file("TP_BRAD=4 TP_CRAD=1 TP_CPPNUM=7"));
        ASSERT_EQ(::symlink(lib.file("A").c_str(), lib.file("A/B/loop").c_str()), 0);
        ASSERT_EQ(::symlink(lib.file("gone").c_str(), lib.file("dangling.wkz").c_str()), 0);
        lib.write(kUtf8, apptest::tool_file("TP_BRAD=3 TP_CPPNUM=9"));
        lib.write("Fr\xC3\xA4ser/Planfr\xE4ser2.wkz", apptest::tool_file("TP_CDIAM=6 TP_CPPNUM=9"));
        lib.write("Junk.wkz", std::string("\0\xFF\n", 3));
        // Sparse: a huge file that costs no disk.
        ASSERT_EQ(::truncate(lib.write("Huge.wkz", "").c_str(), 65 * 1024 * 1024), 0);
        ASSERT_TRUE(index.Build(lib.path(), true));
    }
    Strings matching(const std::string& text) const {
        const ParsedToolQuery parsed = ParseToolQuery(text);
        Strings out;
        for (const std::size_t i : MatchTools(index, parsed.query)) {
            out.push_back(index.entries()[i].relative_path);
        }
        return parsed.error.empty() ? out : Strings{"error " + parsed.error};
    }

    static constexpr const char* kUtf8 = "Fr\xC3\xA4ser/Planfr\xC3\xA4ser.wkz";
    testsupport::TempDir lib;
    ToolIndex index;
};

TEST_F(LibraryIndex, EntriesAndFindingsInTheTreesOrder) {
    const Strings all{"A/B/Deep.wkz", "A/T1.wkz", kUtf8, "Fr\xC3\xA4ser/Planfr\xE4ser2.wkz",
                      "Huge.wkz",     "Junk.wkz"};
    EXPECT_EQ(matching(""), all);
    EXPECT_EQ(index.Find(lib.file("A/T1.wkz")), &index.entries()[1]);
    EXPECT_EQ(index.Find(lib.file("A/t1.wkz")), nullptr);
    Strings findings;
    for (const ToolFinding& finding : index.findings()) {
        findings.push_back(finding.path.substr(lib.path().size() + 1) + " " + finding.code + " " +
                           (finding.values.empty() ? "" : finding.values.back()));
    }
    EXPECT_EQ(findings, (Strings{"A/B/Deep.wkz shared-tool-number A/T1.wkz",
                                 "A/T1.ncs fedrix-start-depth 3.500",
                                 "A/T1.wkz shared-tool-number A/B/Deep.wkz",
                                 "A/Orphan.ncs fedrix-without-tool Orphan.wkz",
                                 "Huge.wkz unreadable ", "Junk.wkz no-parameters "}));
}

TEST_F(LibraryIndex, QueriesAndTheirErrors) {
    const std::string p1 = kUtf8, p2 = "Fr\xC3\xA4ser/Planfr\xE4ser2.wkz";
    const std::tuple<std::string, Strings> cases[] = {
        {"fr\xC3\xA4SER", {"A/T1.wkz", p1, p2}},
        {"FR\xC4SER  kugel\tfinISH", {"A/T1.wkz"}},
        {"d:10", {"A/T1.wkz"}},
        {"d:8-10,0", {"A/B/Deep.wkz", "A/T1.wkz"}},
        {"r:3 cr:0 no:8-9 fedrix:NO problem:no shape:flat", {p1, p2}},
        {"no:7 shape:bull", {"A/B/Deep.wkz"}},
        {"shape:ball fedrix:yes", {"A/T1.wkz"}},
        {"problem:yes", {"A/B/Deep.wkz", "A/T1.wkz", "Huge.wkz", "Junk.wkz"}},
        {"d:3.9995", {}},
        {"12:30 \x01\xFF\xFE", {}},
        {"d:", {"error d:"}},
        {"x d:12-8", {"error d:12-8"}},
        {"shape:round", {"error shape:round"}},
        {"fedrix:maybe", {"error fedrix:maybe"}},
        {"no:1.5", {"error no:1.5"}},
        {"a:b c", {"error a:b"}},
        {"D:1e3", {"error D:1e3"}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(matching(text), expected) << text;
    }
    // Ten thousand terms and words: an answer, not a hang.
    std::string many;
    for (int i = 0; i < 5000; ++i) {
        many += "d:1-100 w" + std::to_string(i) + " ";
    }
    EXPECT_EQ(matching(many), Strings{});
}

TEST_F(LibraryIndex, RebuildReusesUnchangedFilesAndCancelKeepsTheIndex) {
    const std::string path = lib.file(kUtf8);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    // Same size and time: the stamp says unchanged, so the old values stay.
    lib.write(kUtf8, apptest::tool_file("TP_BRAD=4 TP_CPPNUM=9"));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    std::vector<std::size_t> progress;
    ASSERT_TRUE(index.Build(lib.path(), true, [&](std::size_t done, std::size_t total) {
        progress.push_back(done * 100 + total);
    }));
    EXPECT_FLOAT_EQ(index.entries()[2].radius, 3.0);
    EXPECT_EQ(progress.back(), 707u);  // six tools and the lone Fedrix file
    lib.write(kUtf8, apptest::tool_file("TP_BRAD=4.5 TP_CPPNUM=9"));
    lib.write("New.wkz", apptest::tool_file("TP_BRAD=1"));
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(index.Build(lib.path(), true, {}, &cancel));
    EXPECT_EQ(index.entries().size(), 6u);
    ASSERT_TRUE(index.Build(lib.path(), false));
    EXPECT_FLOAT_EQ(index.entries()[2].radius, 4.5);
    EXPECT_EQ(matching("fedrix:yes"), Strings{});
    // The shared number 9 now names cutters of different size.
    EXPECT_EQ(index.findings().size(), 6u);
}

}  // namespace
