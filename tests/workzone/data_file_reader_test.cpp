#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "workzone/data_file_reader.h"
#include "workzone/toolpath_geometry.h"
#include "workzone/view_file_reader.h"

namespace {

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

TEST(DataFileReader, StatusCodes) {
    testsupport::TempDir dir;
    std::string present = dir.write("present.txt", "x");
    std::string long_path = dir.path() + "/" + std::string(611 - dir.path().size() - 1, 'n');
    ASSERT_EQ(long_path.size(), 611u);
    const int read = DataFileReader::kRead;
    const std::tuple<std::string, int, bool, int, int> cases[] = {
        {present, read, true, 0, 0},
        {present, read, false, 0, 22},
        {present, read, true, 8, 8},
        {dir.file("absent"), read, true, 0, 7},
        {long_path, read, true, 0, 5},
        {long_path.substr(0, 610), read, true, 0, 7},
        {dir.file("new"), DataFileReader::kWrite, true, 10, 10},
    };
    for (const auto& [path, mode, header, step, status] : cases) {
        EXPECT_EQ(ScriptedReader(path, mode, header, step).Run(), status) << path.size();
    }
}

TEST(PointList, Lines) {
    // The number of points read, or -1 where the list is refused and left as it was.
    const std::pair<std::string, int> cases[] = {
        {"1 2 3\n4 5 6\n", 2},    {"1 2 3", 1},         {"", 0},
        {"+1 -2 .5 \n", 1},       {"1e3\t2E-2 3\n", 1}, {"1 2\n", -1},
        {"1 2 3\n\n4 5 6\n", -1}, {"1 2 3 4\n", -1},    {"nan 1 2\n", -1},
        {"1e39 0 0\n", -1},       {"1 2 3abc\n", -1},   {std::string("1 2\0 3\n", 7), -1}};
    for (const auto& [text, count] : cases) {
        std::vector<Point3> points = {{9, 9, 9}};
        EXPECT_EQ(parse_point_list(text, points), count >= 0) << text;
        EXPECT_EQ(static_cast<int>(points.size()), count >= 0 ? count : 1) << text;
    }
    std::vector<Point3> values = {{1.5f, -2.25f, 1e-7f}, {0, 0, 123456.7f}};
    std::vector<Point3> back;
    ASSERT_TRUE(parse_point_list(format_point_list(values), back));
    EXPECT_EQ(back, values);
}

TEST(ViewText, KeywordsAndRoundTrip) {
    MachiningZoneView view;
    view.transform.m[0][3] = 12.5f;
    view.has_box = true;
    view.box_max = {100, 50, 0.5f};
    view.limit_curves = {"outer", "island one"};
    MachiningZoneView back;
    ASSERT_TRUE(parse_view_text("# zone\n\n" + format_view_text(view), back));
    EXPECT_TRUE(nearly_equal(back.transform, view.transform));
    EXPECT_EQ(back.box_max, view.box_max);
    EXPECT_EQ(back.limit_curves, view.limit_curves);

    const std::string bad[] = {"zone 1\n", "matrix\n1 0 0 0\n0 1 0 0\n0 0 1 0\n", "box 1 2 3 4 5\n",
                               "curve\n", "box 1 2 3 4 5 nan\n"};
    for (const std::string& text : bad) {
        MachiningZoneView untouched;
        untouched.has_box = true;
        EXPECT_FALSE(parse_view_text(text, untouched)) << text;
        EXPECT_TRUE(untouched.has_box);
    }
}

}  // namespace
