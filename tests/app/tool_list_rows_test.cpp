#include "app/tool_list_rows.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_support.h"

namespace {

// A tool file of the blank-separated "NAME=VALUE" entries.
std::string tool_file(const std::string& entries) {
    std::string bytes = "Tool **\r\n";
    std::istringstream words(entries);
    for (std::string entry; words >> entry;) {
        bytes += "Label                    :       &" + entry + "\r\n";
    }
    return bytes;
}

// Columns 1 and 3 to 10 joined by '|', then the shape: all but the size.
std::string values(const ToolListRow& row) {
    std::string text;
    for (int c = 1; c < kToolListColumnCount; ++c) {
        text += c == kColumnSize ? "" : row.columns[static_cast<std::size_t>(c)] + "|";
    }
    return text + std::to_string(row.shape);
}

TEST(ToolListRowValues, SizeColumnAndCutterShapeInRadiusAndDiameterMode) {
    testsupport::TempDir dir;
    // tool file, size in radius mode, in diameter mode, the other values
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"TP_BRAD=5", "5.000", "10.000", "|||||||||5"},
        {"TP_BRAD=0 TP_CDIAM=12", "6.000", "12.000", "|||||||||5"},
        {"TP_CDIAM=12", "6.000", "12.000", "|||||||||5"},
        {"TP_BRAD=0", "0.000", "0.000", "|||||||||5"},
        {"TP_BRAD=5 TP_CRAD=5", "5.000", "10.000", "|5.000||||||||6"},
        // 4.9995 reads as 4.999: still a ball, the difference is just below 0.001.
        {"TP_BRAD=5 TP_CRAD=4.9995", "5.000", "10.000", "|4.999||||||||6"},
        {"TP_BRAD=5 TP_CRAD=2", "5.000", "10.000", "|2.000||||||||7"},
        {"TP_BRAD=5 TP_CRAD=0", "5.000", "10.000", "|0.000||||||||5"},
        // No size at all: the shown size is 0, so any corner radius is a bull nose.
        {"TP_CRAD=1", "", "", "|1.000||||||||7"},
        // The first line of a name counts, as for the tool itself.
        {"TP_CDIAM=8 TP_CRAD=4 TP_CRAD=1", "4.000", "8.000", "|4.000||||||||6"},
        {"TP_COMMENT=rough,long TP_RETRACT=7 TP_APPROACH=6 TP_DZSTEP=0.5 TP_TOL=0.01 TP_STEP=3 "
         "TP_STOCK=0.2 TP_CPPNUM=12 TP_CDESC=ignored",
         "", "", "12||0.200|3.000|0.010|0.500|6.000|7.000|rough,long|5"},
    };
    for (const auto& [file, radius, diameter, others] : cases) {
        for (const bool diameter_mode : {false, true}) {
            SCOPED_TRACE(std::string(file) + (diameter_mode ? " as diameter" : " as radius"));
            ToolListRow row;
            row.path = dir.write("t.wkz", tool_file(file));
            ReadToolRowValues(row, diameter_mode);
            EXPECT_EQ(row.columns[kColumnSize], diameter_mode ? diameter : radius);
            EXPECT_EQ(values(row), others);
        }
    }
    // The largest float of a damaged file: doubled it stays a number, and halved again it
    // still equals the corner radius.
    ToolListRow row;
    row.path = dir.write("t.wkz", tool_file("TP_BRAD=3.4e38 TP_CRAD=3.4e38 TP_CPPNUM=99999999999"));
    ReadToolRowValues(row, true);
    EXPECT_EQ(row.columns[kColumnSize], "679999990428872849815464827598728593408.000");
    EXPECT_EQ(row.columns[kColumnNumber], "2147483647");
    EXPECT_EQ(row.shape, kImageBall);
}

struct ToolListFolder : ::testing::Test {
    testsupport::TempDir root;
    std::string lib = root.file("lib");

    void SetUp() override {
        root.write("lib/Ball/b2.wkz", tool_file("TP_BRAD=1 TP_CRAD=1"));
        root.write("lib/Ball/B1.WKZ", tool_file("TP_BRAD=2"));
        root.write("lib/Ball/b1.ncs", "");
        root.write("lib/Ball/notes.txt", "");
        root.write("lib/Ball/x.wkz/inside.wkz", "");
        root.mkdir("lib/Ball/Deep");
        root.mkdir("lib/Ball/apex");
        root.write("lib/top.wkz", "");
        ASSERT_EQ(::symlink(root.file("missing").c_str(), root.file("lib/Ball/gone.wkz").c_str()),
                  0);
    }

    // One row a line: kind, image, column 0, path below the root, shape.
    std::string listing(const ToolListSource& source) {
        std::string text;
        for (const ToolListRow& row : ReadToolListRows(source)) {
            const char* kind = row.kind == ToolListRowKind::Folder   ? "folder"
                               : row.kind == ToolListRowKind::Parent ? "parent"
                                                                     : "tool";
            text += std::string(kind) + " " + std::to_string(row.image) + " " +
                    row.columns[kColumnName] + " " + row.path.substr(root.path().size()) + " " +
                    std::to_string(row.shape) + "\n";
        }
        return text;
    }
};

TEST_F(ToolListFolder, FoldersAndTheWayUpFirstThenToolsWithTheirFedrixImage) {
    const std::string ball =
        "folder 1 apex /lib/Ball/apex 0\n"
        "folder 1 Deep /lib/Ball/Deep 0\n"
        "folder 1 x.wkz /lib/Ball/x.wkz 0\n"
        "tool FEDRIX B1.WKZ /lib/Ball/B1.WKZ 5\n"
        "tool 3 b2.wkz /lib/Ball/b2.wkz 6\n"
        "tool 3 x.wkz /lib/Ball/x.wkz 5\n";
    for (const bool fedrix : {false, true}) {
        std::string expected = "parent 1 .. /lib 0\n" + ball;
        expected.replace(expected.find("FEDRIX"), 6, fedrix ? "4" : "3");
        EXPECT_EQ(listing({lib + "/Ball/", lib, fedrix, false}), expected);
        // The tool directory given with other letter cases still allows the way up to it.
        EXPECT_EQ(listing({lib + "/Ball", root.file("LIB"), fedrix, false}), expected);
    }
    // The library's root has no way up; a folder above the library keeps its own.
    EXPECT_EQ(listing({lib, lib, false, false}),
              "folder 1 Ball /lib/Ball 0\ntool 3 top.wkz /lib/top.wkz 5\n");
    EXPECT_EQ(listing({lib + "/Ball/Deep", lib + "/Ball", false, false}),
              "parent 1 .. /lib/Ball 0\n");
    EXPECT_EQ(listing({lib, lib + "/Ball", false, false}).substr(0, 10), "folder 1 B");
    EXPECT_EQ(listing({root.file("none"), lib, false, false}), "");
    EXPECT_EQ(listing({lib + "/top.wkz", lib, false, false}), "");
}

TEST_F(ToolListFolder, ProgressCountsEachRowBeforeTheNextToolIsRead) {
    std::vector<std::size_t> seen;
    const auto rows = ReadToolListRows({lib + "/Ball", lib, false, false},
                                       [&](std::size_t index) { seen.push_back(index); });
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(seen, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
}

}  // namespace
