#include <climits>
#include <clocale>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <streambuf>

#include "workzone/data_file_reader.h"
#include "workzone/toolpath_geometry.h"
#include "workzone/view_file_reader.h"
#include "workzone/workzone_paths_kinds.h"
#include "workzone_fixture.h"

namespace {

std::string lines(const std::vector<std::string>& content) {
    std::string text;
    for (const std::string& line : content) {
        text += line + "\n";
    }
    return text;
}

ParameterItems parsed(const std::string& content) {
    ParameterItems items;
    parse_parameter_items(content, items);
    return items;
}

// Written in a locale with a decimal comma where the machine has one: the file keeps the point.
TEST(ParameterFileLayout, WritesTheExactLines) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    ParameterItems items;
    for (const auto& [item, value] :
         {std::pair{1, 1.0f}, {3, 2.5f}, {10, -0.125f}, {26, 12000.0f}}) {
        items.set_number(item, value);
    }
    items.set_text(61, "Roughing pass   ");
    items.set_text(67, "Line one\r\nLine two");
    std::ostringstream out;
    const bool written = write_parameter_items(
        out, items, [](int item) { return item == 1 ? std::string("Valid") : std::string(); });
    const float back = parsed(out.str()).number(10);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(written);
    EXPECT_EQ(back, -0.125f);
    std::istringstream in(out.str());
    std::vector<std::string> written_lines;
    for (std::string line; std::getline(in, line);) {
        written_lines.push_back(line);
    }
    ASSERT_EQ(written_lines.size(), 140u);
    const std::pair<int, const char*> expected[] = {
        {1, "       1.00000   :   1 Valid"}, {3, "       2.50000   :   3 "},
        {10, "      -0.12500   :  10 "},     {26, "   12000.00000   :  26 "},
        {61, " 61 :Roughing pass"},          {62, " 62 : "},
        {67, " 67 :Line one  Line two"},     {140, "140 : "}};
    for (const auto& [item, line] : expected) {
        EXPECT_EQ(written_lines[item - 1], line);
    }
    for (const auto& [value, writable] : {std::pair{99999999.0f, true},
                                          {-1e12f, true},
                                          {1e15f, false},
                                          {-1e14f, false},
                                          {NAN, false},
                                          {-INFINITY, false}}) {
        items.set_number(7, value);
        std::ostringstream large;
        ASSERT_EQ(write_parameter_items(large, items), writable) << value;
        EXPECT_TRUE(!writable || parsed(large.str()).number(7) == value) << value;
    }
}

TEST(ParameterFileReading, NumericFieldsByHandAndBad) {
    const std::pair<const char*, float> good[] = {{"  1 2.5", 12.5f},
                                                  {"+3.5", 3.5f},
                                                  {"-.5", -0.5f},
                                                  {"5.", 5.0f},
                                                  {"", 0.0f},
                                                  {"\t7", 7.0f},
                                                  {"       2.00000xyz", 2.0f},
                                                  {"      -3.00000   :   3 label", -3.0f}};
    for (const auto& [field, expected] : good) {
        ParameterItems items = parsed(lines({"1.00000", "2", field, "4"}));
        EXPECT_TRUE(items.valid() && items.number(3) == expected) << field;
    }
    const std::string bad[] = {"abc", "nan", "inf",   "-inf", "1e39", "4e38",
                               ".",   "--1", "1.2.3", "0x10", "1,5",  std::string("1\0", 2)};
    for (const std::string& field : bad) {
        ParameterItems items = parsed(lines({"1.00000", "2", field, "4"}));
        EXPECT_FALSE(items.valid() || items.number(4) != 0.0f) << field;
    }
    EXPECT_FALSE(parsed("").valid());
    EXPECT_FALSE(parsed("       0.00000   :   1\n       5.00000\n").valid());
    EXPECT_FALSE(parsed(std::string("\x01\xff\x00\x7f\n\xfe\xfe", 7)).valid());
}

TEST(ParameterFileReading, ShortFilesLongLinesExtraLinesAndTexts) {
    const std::vector<std::string> short_file(30, "       3.00000");
    // A line over 100 characters does not push the following items down.
    const std::tuple<std::string, int, float> cases[] = {
        {lines(short_file), 30, 3.0f},
        {lines(short_file), 31, 0.0f},
        {lines({"1" + std::string(300, ' ') + "99", "       7.00000"}), 2, 7.0f},
        {lines(std::vector<std::string>(150, "       1.00000")), 130, 1.0f}};
    for (const auto& [content, item, value] : cases) {
        ParameterItems items = parsed(content);
        EXPECT_TRUE(items.valid() && items.number(item) == value) << item;
    }
    std::vector<std::string> content(60, "1");
    // 62 holds the mark of an empty text; 64 is cut to 80 characters.
    content.insert(content.end(), {" 61 :A comment with: colon   \r", "     0.00000   :  62 label",
                                   "no colon here", " 64 :" + std::string(95, 'c'), " 65 : "});
    ParameterItems items = parsed(lines(content));
    ASSERT_TRUE(items.valid());
    EXPECT_EQ(items.text(61) + "|" + items.text(62) + "|" + items.text(63) + "|" + items.text(65),
              "A comment with: colon||no colon here|");
    EXPECT_EQ(items.text(64), std::string(80, 'c'));
}

// A device that fails in the middle of the file.
class FailingBuffer : public std::streambuf {
    char text_[8] = "1\n2\n";
    bool served_ = false;
    int_type underflow() override {
        if (served_) {
            throw std::runtime_error("device error");
        }
        served_ = true;
        setg(text_, text_, text_ + 4);
        return traits_type::to_int_type(text_[0]);
    }
};

TEST(ParameterFileReading, ReadErrorInvalidatesTheFile) {
    FailingBuffer buffer;
    std::istream in(&buffer);
    ParameterItems items;
    read_parameter_items(in, items);
    EXPECT_FALSE(items.valid());
}

// A reader whose header check and steps give fixed answers.
struct ScriptedReader : DataFileReader {
    ScriptedReader(const std::string& path, int mode, bool header, int step)
        : DataFileReader(path, 1, mode), header_(header), step_(step) {}
    bool HeaderMatches() override { return header_; }
    int ReadStep() override { return step_; }
    int WriteStep() override { return step_; }
    bool header_;
    int step_;
};

TEST(DataFiles, ReaderStatusCodesPointListsAndViewTexts) {
    testsupport::TempDir dir;
    std::string present = dir.write("present.txt", "x");
    std::string long_path = dir.path() + "/" + std::string(611 - dir.path().size() - 1, 'n');
    const int read = DataFileReader::kRead;
    const std::tuple<std::string, int, bool, int, int> cases[] = {
        {present, read, true, 0, 0},
        {present, read, false, 0, 22},
        {present, read, true, 8, 8},
        {dir.file("absent"), read, true, 0, 7},
        {long_path, read, true, 0, 5},
        {long_path.substr(0, 610), read, true, 0, 7},
        {dir.file("new"), DataFileReader::kWrite, true, 10, 10}};
    for (const auto& [path, mode, header, step, status] : cases) {
        EXPECT_EQ(ScriptedReader(path, mode, header, step).Run(), status) << path.size();
    }
    // The number of points read, or -1 where the list is refused and left as it was.
    const std::pair<std::string, int> lists[] = {
        {"1 2 3\n4 5 6\n", 2},    {"1 2 3", 1},         {"", 0},
        {"+1 -2 .5 \n", 1},       {"1e3\t2E-2 3\n", 1}, {"1 2\n", -1},
        {"1 2 3\n\n4 5 6\n", -1}, {"1 2 3 4\n", -1},    {"nan 1 2\n", -1},
        {"1e39 0 0\n", -1},       {"1 2 3abc\n", -1},   {std::string("1 2\0 3\n", 7), -1}};
    for (const auto& [text, count] : lists) {
        std::vector<Point3> points = {{9, 9, 9}};
        EXPECT_EQ(parse_point_list(text, points), count >= 0) << text;
        EXPECT_EQ(static_cast<int>(points.size()), count >= 0 ? count : 1) << text;
    }
    MachiningZoneView view;
    ASSERT_TRUE(
        parse_view_text("# zone\n\nmatrix\n1 0 0 12.5\n0 1 0 0\n0 0 1 0\n0 0 0 1\n"
                        "box 0 0 0 100 50 0.5\ncurve outer\ncurve island one\n",
                        view));
    EXPECT_TRUE(view.has_box && view.box_max == (Point3{100, 50, 0.5f}));
    EXPECT_EQ(view.transform.m[0][3], 12.5f);
    EXPECT_EQ(view.limit_curves, (std::vector<std::string>{"outer", "island one"}));
    for (const char* text : {"zone 1\n", "matrix\n1 0 0 0\n0 1 0 0\n0 0 1 0\n", "box 1 2 3 4 5\n",
                             "curve\n", "box 1 2 3 4 5 nan\n"}) {
        MachiningZoneView untouched;
        untouched.has_box = true;
        EXPECT_FALSE(parse_view_text(text, untouched) || !untouched.has_box) << text;
    }
}

TEST(ToolpathFiles, NamesByNumberAndPathsWithOneSeparator) {
    // The largest numbers need more than the nine characters an old buffer had; the whole text
    // keeps them apart from toolpath 21473647.
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, ".par", "outil.par"},
        {9999, ".mul", "outil9999.mul"},
        {10000, ".par", "outil0.1.par"},
        {123456, ".niv", "outil3456.12.niv"},
        {INT_MAX, ".par", "outil3647.214748.par"},
        {21473647, ".par", "outil3647.2147.par"},
        {-1, ".par", "outil-1.par"},
        {5, "", "outil5"}};
    for (const auto& [number, extension, name] : cases) {
        EXPECT_EQ(ToolpathFileName(number, extension), name) << number;
    }
    EXPECT_EQ(ToolpathFilePath("/zones/z1/", 7, ".par"), "/zones/z1/outil7.par");
    // A directory written on Windows keeps its own trailing separator.
    EXPECT_EQ(ToolpathFilePath("C:\\zones\\z1\\", 7, ".par"), "C:\\zones\\z1\\outil7.par");
    EXPECT_EQ(ToolpathFilePath("", 12, ".per"), "outil12.per");
    const std::string directory(700, 'd');
    EXPECT_EQ(ToolpathFilePath(directory, 3, ".par"), directory + "/outil3.par");
}

using WorkzoneFileKinds = WorkzoneTest;

TEST_F(WorkzoneFileKinds, DefaultAndConfiguredTemplatesWithinTheirMaximum) {
    const std::string zone = zone_.path();
    auto expect_path = [](int kind, std::optional<std::string> name, const std::string& path,
                          int maximum = 384, int status = 0) {
        std::string result = "previous";
        EXPECT_EQ(WorkzoneFilePath(kind, name, maximum, result), status) << kind << " " << maximum;
        EXPECT_EQ(result, path) << kind << " " << maximum;
    };
    expect_path(1012, "outil7", zone + "/outil7.par");
    expect_path(105, "machine", "data/machine.ref");
    // Without a name, or without a star, the template stands as it is.
    expect_path(1020, "ignored", zone + "/basepart.bas");
    expect_path(1012, std::nullopt, zone + "/*.par");
    expect_path(9, "bare", "bare");
    write_configuration(
        "TOOL_PARAMETERS = /p/*.tp\nTOOL_VIEW =\nHOLDER = $KVXZONE\\holders\\\\*.hld\n");
    unload_environment();
    expect_path(1016, "outil", zone + "/outil.mul");  // an empty entry replaces nothing
    expect_path(1026, "h1", zone + "/holders/h1.hld");
    // The template has 7 characters, the name 6; expansion keeps one character in reserve.
    expect_path(1012, "outil7", "/p/outil7.tp", 13);
    expect_path(1012, "outil7", "outil7", 12, -42);
    expect_path(1012, std::nullopt, "/p/*.tp", 8);
    expect_path(1012, std::nullopt, "/p/*.tp", 7, -32);
    expect_path(1012, std::nullopt, "", 6, -42);
    expect_path(1012, "outil7", "outil7", -5, -42);
    expect_path(1012, std::string(5000, 'n'), std::string(5000, 'n'), 384, -42);
    env_.set("KVXDATA", std::nullopt);
    testing::internal::CaptureStderr();
    expect_path(105, "m", "Undefined_KVXDATA/m.ref", 384, -43);
    testing::internal::GetCapturedStderr();
}

}  // namespace
