// Export and import through the other formats: round trips, the bytes each writer gives, the
// loss report, and input that must never put a file outside the target folder.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "exchange/csv_format.h"
#include "exchange/exchange_format.h"
#include "exchange/exchange_import.h"
#include "exchange/safe_name.h"
#include "exchange/tool_bit_format.h"
#include "exchange/tool_table_format.h"
#include "platform/filesystem.h"
#include "support/test_support.h"
#include "tool/tool_parameter_set.h"

namespace {

using testsupport::read_file;

// A library with what breaks careless writers: separators and quotes in texts, an empty
// text, a Windows-1252 letter, a name outside the table, a repeated name, a subfolder.
struct Library {
    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    Library() {
        env.set("KVXLANG", "ang").set("KVXHOME", root.file("home"));
        root.write("home/texte/kvxvars.ang", "[kvxvars]\r\nTP_CDIAM=Durchmesser\r\n");
        root.write("lib/Bull/D10 R2.wkz",
                   "D:  &TP_CDESC=Bull, \"D10\" \xE9\nB:  &TP_BRAD=5.000\nC:  &TP_CRAD=2.000\n"
                   "N:  &TP_CPPNUM=7\nX:  &MY_HOLDER=HSK 63\nF:  &TP_FRCUT=1200.000\n");
        root.write("lib/ball.wkz",
                   "D:  &TP_CDIAM=6.000\nC:  &TP_CRAD=3.000\nK:  &TP_COMMENT=\n"
                   "N:  &TP_CPPNUM=3\nN:  &TP_CPPNUM=4\n");
        root.write("lib/flat.wkz", "D:  &TP_CDIAM=8.000\nN:  &TP_CPPNUM=3\n");
        root.write("lib/nonumber.wkz", "B:  &TP_BRAD=2.000\n");
    }
    std::vector<ExchangeTool> tools(const std::string& folder = "lib") {
        LossReport ignored;
        return *CollectTools(root.file(folder), true, ignored);
    }
};

std::multimap<std::string, std::string> values(const ExchangeTool& tool) {
    std::multimap<std::string, std::string> result;
    for (const ToolParameter& parameter : tool.parameters) {
        result.emplace(parameter.name, std::to_string(static_cast<int>(parameter.kind)) + " " +
                                           FormatParameterValue(parameter));
    }
    return result;
}

std::vector<std::string> lines(const LossReport& report) {
    std::vector<std::string> result;
    for (const LossEntry& entry : report.entries()) {
        result.push_back(FormatLossEntry(entry));
    }
    return result;
}

TEST(ExchangeRoundTrip, CsvGivesTheParametersBackAndTheSameBytesAgain) {
    Library library;
    LossReport report;
    const std::string csv = WriteCsv(library.tools(), report);
    const std::string header =
        "path,TP_COMMENT,TP_CDESC,TP_CDIAM,TP_BRAD,TP_CRAD,TP_TOL,TP_STOCK,TP_STEP,TP_DZSTEP,"
        "TP_ZSTEPTYPE,TP_APPROACH,TP_RETRACT,TP_FRRAPID,TP_FRAPPROACH,TP_FRCUT,TP_SPINDLE,"
        "TP_CPPNUM,TP_LITYPE,TP_LIRAMP,TP_LIRAD,TP_STEPTYPE,TP_AUTOFLAGS,TP_TYPE,TP_INDEX82,"
        "MY_HOLDER\r\n";
    EXPECT_EQ(csv, header +
                       "Bull/D10 R2.wkz,,\"Bull, \"\"D10\"\" \xC3\xA9\",,5.000,2.000,,,,,,,,,,"
                       "1200.000,,7,,,,,,,,HSK 63\r\n"
                       "ball.wkz,\"\",,6.000,,3.000,,,,,,,,,,,,3,,,,,,,,\r\n"
                       "flat.wkz,,,8.000,,,,,,,,,,,,,,3,,,,,,,,\r\n"
                       "nonumber.wkz,,,,2.000,,,,,,,,,,,,,,,,,,,,,\r\n");
    EXPECT_EQ(lines(report),
              std::vector<std::string>{"ball.wkz\tTP_CPPNUM\tnamed twice in the tool, only the "
                                       "first carried: 4"});

    LossReport import_report;
    const CsvRead read = ReadCsv(csv, import_report);
    ASSERT_EQ(read.error, "");
    const std::string into = library.root.mkdir("into");
    const ImportSummary summary =
        ImportTools(read.tools, into, {.keep_folders = true}, import_report);
    EXPECT_EQ(summary.written, 4u);
    EXPECT_TRUE(import_report.empty()) << FormatLossEntry(import_report.entries()[0]);
    const std::vector<ExchangeTool> before = library.tools(), after = library.tools("into");
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::multimap<std::string, std::string> expected = values(before[i]);
        if (before[i].path == "ball.wkz") {
            expected.erase(std::prev(expected.upper_bound("TP_CPPNUM")));
        }
        EXPECT_EQ(values(after[i]), expected) << before[i].path;
    }
    LossReport again;
    EXPECT_EQ(WriteCsv(after, again), csv);
    // Labels come from the installation, as saving a tool gives them.
    EXPECT_EQ(read_file(into + "/flat.wkz").substr(0, 26), "Durchmesser              :");
}

TEST(ExchangeRoundTrip, ToolTableCarriesNumberDiameterAndDescription) {
    Library library;
    LossReport report;
    const std::vector<ExchangeTool> tools = library.tools();
    EXPECT_EQ(WriteToolTable(tools, false, report),
              "T7 P7 Z0 D10.000 ;Bull, \"D10\" \xC3\xA9\nT3 P3 Z0 D6.000 ;ball.wkz\n");
    EXPECT_EQ(lines(report),
              (std::vector<std::string>{
                  "Bull/D10 R2.wkz\tTP_CRAD\tnot carried by the format: 2.000",
                  "Bull/D10 R2.wkz\tMY_HOLDER\tnot carried by the format: HSK 63",
                  "Bull/D10 R2.wkz\tTP_FRCUT\tnot carried by the format: 1200.000",
                  "ball.wkz\tTP_CRAD\tnot carried by the format: 3.000",
                  "ball.wkz\tTP_COMMENT\tnot carried by the format",
                  "ball.wkz\tTP_CPPNUM\tnamed twice in the tool, only the first carried",
                  "flat.wkz\tTP_CPPNUM\ttool number used by an earlier tool: ball.wkz, tool "
                  "skipped",
                  "nonumber.wkz\tTP_CPPNUM\tno tool number, tool skipped"}));
    LossReport inch;
    EXPECT_EQ(WriteToolTable({tools[0]}, true, inch).substr(0, 16), "T7 P7 Z0 D0.3937");

    LossReport read_report;
    const std::vector<ExchangeTool> read = ReadToolTable(
        "; a comment line\n\nT7 P7 Z0 D10.000 ;Bull D10\r\nt12 d3.5 x1.5\nT0 D1\nT7 D2 ;again\n"
        "P4 D6\nT5 D6 Q\n",
        read_report);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(values(read[0]), (std::multimap<std::string, std::string>{{"TP_CDESC", "0 Bull D10"},
                                                                        {"TP_CDIAM", "1 10.000"},
                                                                        {"TP_CPPNUM", "2 7"},
                                                                        {"TP_CRAD", "1 0.000"}}));
    EXPECT_EQ(read[1].path, "T12");
    EXPECT_EQ(lines(read_report),
              (std::vector<std::string>{"T12\tX\tnot carried by the format: 1.5",
                                        "line 5\tT\ttool number out of range, tool skipped: 0.000",
                                        "again\tT\ttool number used by an earlier tool: Bull D10",
                                        "line 7\tT\tcannot be read, skipped",
                                        "line 8\tT\tcannot be read, skipped"}));
}

TEST(ExchangeRoundTrip, ToolBitsCarryShapeDiameterNumberAndName) {
    Library library;
    LossReport report;
    const std::vector<ExchangeFile> files = WriteToolBits(library.tools(), "lib.fctl", report);
    ASSERT_EQ(files.size(), 5u);
    EXPECT_EQ(files[0].path, "Bull/D10 R2.fctb");
    EXPECT_EQ(files[0].bytes,
              "{\n  \"version\": 2,\n  \"name\": \"Bull, \\\"D10\\\" \xC3\xA9\",\n  \"shape\": "
              "\"bullnose.fcstd\",\n  \"parameter\": {\n    \"Diameter\": \"10.000 mm\",\n    "
              "\"FlatRadius\": \"3.000 mm\"\n  },\n  \"attribute\": {}\n}\n");
    EXPECT_NE(files[1].bytes.find("\"ballend.fcstd\""), std::string::npos);
    EXPECT_NE(files[2].bytes.find("\"endmill.fcstd\""), std::string::npos);
    // flat.wkz repeats number 3 and nonumber.wkz has none: both numbered above the highest.
    const ToolLibraryRead listed = ReadToolLibrary(files[4].bytes);
    ASSERT_EQ(listed.entries.size(), 4u);
    EXPECT_EQ(listed.entries[2].number, 8);
    EXPECT_EQ(listed.entries[3].number, 9);

    const std::string out = library.root.file("bits");
    ASSERT_TRUE(WriteExportFiles(files, out, report));
    LossReport read_report;
    const SourceRead read = ReadSource(out + "/lib.fctl", ExchangeFormat::ToolBits, read_report);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.tools.size(), 4u);
    EXPECT_EQ(read.tools[0].path, "Bull/D10 R2");
    EXPECT_EQ(values(read.tools[0]),
              (std::multimap<std::string, std::string>{{"TP_CDESC", "0 Bull, \"D10\" \xE9"},
                                                       {"TP_CDIAM", "1 10.000"},
                                                       {"TP_CPPNUM", "2 7"},
                                                       {"TP_CRAD", "1 2.000"}}));
    EXPECT_EQ(values(read.tools[1]).find("TP_CRAD")->second, "1 3.000");
    EXPECT_TRUE(read_report.empty());

    LossReport other;
    EXPECT_FALSE(ReadToolBit(R"({"shape":"drill.fcstd"})", "d.fctb", 1, other));
    EXPECT_FALSE(ReadToolBit("{", "bad.fctb", 1, other));
    const auto torus = ReadToolBit(
        R"({"name":"T","shape":"torus.fcstd","parameter":{"Diameter":"0.5 in",
            "TorusRadius":"1 mm","Length":"50 mm","Flutes":2},"attribute":{"Material":"HSS"}})",
        "t.fctb", std::nullopt, other);
    ASSERT_TRUE(torus);
    EXPECT_EQ(values(*torus).find("TP_CDIAM")->second, "1 12.700");
    EXPECT_EQ(lines(other),
              (std::vector<std::string>{"d\tshape\tshape not known, tool skipped: drill",
                                        "bad\tshape\tcannot be read, skipped",
                                        "t\tLength\tnot carried by the format: 50 mm",
                                        "t\tFlutes\tnot carried by the format: 2",
                                        "t\tMaterial\tnot carried by the format: HSS"}));
}

TEST(ExchangeBadInput, MalformedCsvIsAnErrorThatNamesTheRow) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "row 1: the header does not start with \"path\""},
        {"name,TP_CDESC\r\n", "row 1: the header does not start with \"path\""},
        {"path,A,A\r\n", "row 1: the name \"A\" is given twice"},
        {"path,A\r\nx,\"open\r\n", "row 2: quote left open"},
        {"path,A\r\nx,\"a\"b\r\n", "row 2: text after a quote"},
        {"path,A\r\nx,a\"b\r\n", "row 2: quote inside an unquoted cell"},
        {"path,A\r\nx\r\n", "row 2: 1 cells where the header has 2"},
        {"path,A\r\nx,1,2\r\n", "row 2: 3 cells where the header has 2"},
        {"path,A\rx,1\r\n", "row 1: carriage return alone"},
    };
    for (const auto& [bytes, error] : cases) {
        LossReport report;
        const CsvRead read = ReadCsv(bytes, report);
        EXPECT_EQ(read.error, error) << bytes;
        EXPECT_TRUE(read.tools.empty());
    }
}

TEST(ExchangeBadInput, ValuesATooLFileCannotHoldAreReportedAndLeftOut) {
    const std::string csv =
        "\xEF\xBB\xBFpath,TP_BRAD,TP_CPPNUM,TP_CDESC,bad name,TP_COMMENT\n"
        "a,1e39,2147483648,\"two\nlines\",x,\xE2\x82\xAC \xE2\x9C\x93\n"
        "b,abc,1.5,ends in **,,\"" +
        std::string(300, 'c') +
        "\"\n"
        "c, 2.5 ,-7,\"\",,\n";
    LossReport report;
    const CsvRead read = ReadCsv(csv, report);
    ASSERT_EQ(read.tools.size(), 3u);
    EXPECT_EQ(values(read.tools[0]),
              (std::multimap<std::string, std::string>{{"TP_COMMENT", "0 \x80 ?"}}));
    EXPECT_EQ(read.tools[1].parameters.size(), 1u);
    EXPECT_EQ(values(read.tools[2]),
              (std::multimap<std::string, std::string>{
                  {"TP_BRAD", "1 2.500"}, {"TP_CDESC", "0 "}, {"TP_CPPNUM", "2 -7"}}));
    EXPECT_EQ(lines(report), (std::vector<std::string>{
                                 "a\tTP_BRAD\tnot a number or out of range, left out: 1e39",
                                 "a\tTP_CPPNUM\tnot a number or out of range, left out: 2147483648",
                                 "a\tTP_CDESC\tholds a line break or NUL, left out",
                                 "a\tbad name\tname cannot stand in a tool file, left out",
                                 "a\tTP_COMMENT\tcharacters outside the code page became ?: \x80 ?",
                                 "b\tTP_BRAD\tnot a number or out of range, left out: abc",
                                 "b\tTP_CPPNUM\tnot a number or out of range, left out: 1.5",
                                 "b\tTP_CDESC\tends in ** and would read as a comment, left out",
                                 "b\tTP_COMMENT\tlonger than 255 characters, cut"}));
}

TEST(ExchangeBadInput, NamesNeverLeadOutOfTheTargetFolder) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"../../etc/passwd", true, "etc/passwd.wkz"},
        {"/abs/olute.WKZ", true, "abs/olute.WKZ"},
        {"a\\..\\b", true, "a/b.wkz"},
        {"../x", false, ".._x.wkz"},
        {"..", false, "_.wkz"},
        {"line\nbreak\ttab\x7F", false, "line_break_tab_.wkz"},
        {"  ./  ", true, ""},
        {"", false, ""},
    };
    for (const auto& [name, keep, expected] : cases) {
        EXPECT_EQ(SafeToolPath(name, keep), expected) << name;
    }
    // Never cut inside a UTF-8 character.
    EXPECT_EQ(SafeToolPath(std::string(199, 'a') + "\xC3\xA9", false),
              std::string(199, 'a') + ".wkz");
}

TEST(ExchangeImport, NeverOverwritesUnlessToldAndRenamesDuplicates) {
    Library library;
    const std::string into = library.root.write("into/Same.wkz", "old\n");
    const std::string folder = library.root.file("into");
    ExchangeTool tool{"same", {ParseToolParameter("", "TP_CPPNUM", "1")}};
    const std::vector<ExchangeTool> tools{tool, tool, {"", {}}};
    LossReport report;
    ImportSummary summary = ImportTools(tools, folder, {.dry_run = true}, report);
    EXPECT_EQ(summary.skipped, 1u);
    EXPECT_EQ(summary.written, 2u);
    EXPECT_FALSE(platform::exists(folder + "/same_2.wkz"));
    EXPECT_EQ(lines(report), (std::vector<std::string>{"same\t\tfile exists, skipped: " + into,
                                                       "same\t\tfile name changed: same_2.wkz",
                                                       "\t\tfile name changed: tool.wkz"}));
    LossReport again;
    summary = ImportTools(tools, folder, {.overwrite = true}, again);
    EXPECT_EQ(summary.overwritten, 1u);
    // The file there is replaced under its own name, not joined by one differing in case.
    EXPECT_EQ(read_file(into), read_file(folder + "/same_2.wkz"));
    EXPECT_FALSE(platform::exists(folder + "/same.wkz") &&
                 platform::resolve_case(folder + "/same.wkz") != into);

    // A name given again takes the next free suffix, also past one the source gave itself.
    LossReport renamed;
    const ExchangeTool second{"same_2", tool.parameters};
    ImportTools({tool, second, tool, tool}, library.root.mkdir("third"), {.dry_run = true},
                renamed);
    EXPECT_EQ(lines(renamed), (std::vector<std::string>{"same\t\tfile name changed: same_3.wkz",
                                                        "same\t\tfile name changed: same_4.wkz"}));

    // Cancelling keeps what was written and counts what was not reached.
    LossReport cancelled;
    summary = ImportTools(tools, library.root.mkdir("other"), {}, cancelled,
                          [](std::size_t done, std::size_t) { return done < 1; });
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.written, 1u);
    EXPECT_EQ(summary.not_reached, 2u);
    EXPECT_TRUE(platform::exists(library.root.file("other/same.wkz")));
}

}  // namespace
