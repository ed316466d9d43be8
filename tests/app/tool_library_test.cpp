// The tool library on the disk: files, the tree, the list's rows and its sort.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/file_utilities.h"
#include "app/path_parts.h"
#include "app/tool_list_rows.h"
#include "app/tool_list_sort.h"
#include "app/tool_tree.h"
#include "app_fixture.h"
#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

TEST(FileUtilities, ValidateAndDeleteAskingFirst) {
    apptest::Installation install;
    const auto path = [&](const std::string& relative) { return install.path(relative); };
    install.root.write("tools/Mills/T1.wkz", "x");
    install.root.write("tools/Mills/t2.wkz", "x");
    install.root.mkdir("tools/Mills/sub.wkz");
    ASSERT_EQ(::chmod(path("tools/Mills/T1.wkz").c_str(), 0444), 0);
    // Path, what ValidateDirectory leaves of it, directory valid, file valid.
    const std::tuple<std::string, std::string, bool, bool> cases[] = {
        {"tools/Mills//", "tools/Mills", true, false},
        {"tools/mills/t1.WKZ", "tools/mills/t1.WKZ", false, true},
        {"tools/Mills/*2.wkz", "tools/Mills/*2.wkz", false, true},
        {"tools/missing/", "tools/missing", false, false},
    };
    for (const auto& [relative, stripped, directory_valid, file_valid] : cases) {
        std::string directory = path(relative);
        EXPECT_EQ(ValidateDirectory(directory, false, false), directory_valid) << relative;
        EXPECT_EQ(directory, path(stripped));
        EXPECT_EQ(ValidateFile(path(relative), false), file_valid) << relative;
    }
    std::string missing = path("missing/");
    EXPECT_FALSE(ValidateDirectory(missing, true, true));
    EXPECT_EQ(missing, platform::current_directory().value());
    EXPECT_FALSE(ValidateFile(path("missing"), true));
    EXPECT_EQ(install.ids(true),
              (std::vector<std::string>{"dir " + path("missing"), "file " + path("missing")}));
    // Deleting asks first and leaves directories; a link goes, its read-only target stays.
    install.presenter.shown.clear();
    install.presenter.answers = {kAnswerNo, kAnswerYes};
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/T1.wkz"), true));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    EXPECT_TRUE(DeleteFileAsk(path("tools/mills/T2.WKZ"), true));
    EXPECT_FALSE(platform::exists(path("tools/Mills/t2.wkz")));
    EXPECT_EQ(install.ids(true),
              (std::vector<std::string>{"delete " + path("tools/Mills/T1.wkz"),
                                        "delete " + path("tools/mills/T2.WKZ")}));
    EXPECT_FALSE(DeleteFileAsk(path("tools/Mills/sub.wkz"), false));
    ASSERT_EQ(::symlink(path("tools/Mills/T1.wkz").c_str(), path("link.wkz").c_str()), 0);
    EXPECT_TRUE(DeleteFileAsk(path("link.wkz"), false));
    EXPECT_TRUE(platform::is_read_only(path("tools/Mills/T1.wkz")));
    EXPECT_TRUE(DeleteFileAsk(path("tools/Mills/T1.wkz"), false));
    EXPECT_FALSE(platform::exists(path("tools/Mills/T1.wkz")));
}

TEST(PathParts, NormalizePath) {
    const std::tuple<std::string, bool, std::string> cases[] = {
        {"/tools/./mills/../../drills/t.wkz", true, "/drills/t.wkz"},
        {"/../lib", false, "/../lib"},
        // Failing discards the steps up already taken, not the "/./" removal.
        {"/a/./b/../../../c", false, "/a/b/../../../c"},
        // A name that starts with two points is no step up.
        {"/lib/..hidden/../t.wkz", true, "/lib/t.wkz"},
    };
    for (const auto& [given, ok, result] : cases) {
        std::string path = given;
        EXPECT_EQ(NormalizePath(path), ok) << given;
        EXPECT_EQ(path, result) << given;
    }
}

// The tree as lines "LEVEL IMAGE TEXT PATH", the paths below the library's folder.
std::string lines(const ToolTreeItem& item, const std::string& top, int level = 0) {
    std::string text = std::to_string(level) + " " + std::to_string(item.image) + " " +
                       (item.kind == ToolTreeKind::Root ? std::string("ROOT") : item.text) + " " +
                       (item.path.rfind(top, 0) == 0 ? item.path.substr(top.size()) : "?") + "\n";
    for (const ToolTreeItem& child : item.children) {
        text += lines(child, top, level + 1);
    }
    return text;
}

struct ToolLibrary : ::testing::Test {
    testsupport::TempDir root;
    std::string lib = root.file("lib");

    void SetUp() override {
        for (const char* file :
             {"lib/b.wkz", "lib/a.wkz", "lib/A.ncs", "lib/notes.txt", "lib/ball/z.wkz",
              "lib/ball/z.NCS", "lib/Bull/r2.wkz", "lib/Bull/deep/d.wkz", "lib/x.wkz/inside.wkz",
              "shared/s.wkz", "shared/s.ncs"}) {
            root.write(file, "");
        }
        root.mkdir("lib/empty");
        root.mkdir("lib/b.ncs");  // a folder is no Fedrix file: b.wkz keeps the plain image
        const std::pair<std::string, const char*> links[] = {{root.file("shared"), "lib/shared"},
                                                             {lib, "lib/Bull/up"},
                                                             {root.file("missing"), "lib/gone.wkz"},
                                                             {root.file("missing"), "lib/gone"}};
        for (const auto& [target, link] : links) {
            ASSERT_EQ(::symlink(target.c_str(), root.file(link).c_str()), 0);
        }
    }
};

TEST_F(ToolLibrary, TreeFoldersBeforeToolsLinkLoopsAndUnreadableFoldersEmpty) {
    // The link loop "up" is an empty folder; dangling links and other files are left out.
    const std::string expected =
        "0 0 ROOT \n1 1 b.ncs /b.ncs\n1 1 ball /ball\n2 4 z.wkz /ball/z.wkz\n1 1 Bull /Bull\n2 1 "
        "deep /Bull/deep\n"
        "3 3 d.wkz /Bull/deep/d.wkz\n2 1 up /Bull/up\n2 3 r2.wkz /Bull/r2.wkz\n1 1 empty /empty\n"
        "1 1 shared /shared\n2 4 s.wkz /shared/s.wkz\n1 1 x.wkz /x.wkz\n"
        "2 3 inside.wkz /x.wkz/inside.wkz\n1 4 a.wkz /a.wkz\n1 3 b.wkz /b.wkz\n1 3 x.wkz /x.wkz\n";
    EXPECT_EQ(lines(ScanToolTree(lib, true), lib), expected);
    // "Bull/up" leads back to the library, whose "Bull" is open already and stays empty.
    const std::string bull = lib + "/Bull";
    EXPECT_EQ(
        lines(ScanToolTree(bull, false), bull),
        "0 0 ROOT \n1 1 deep /deep\n2 3 d.wkz /deep/d.wkz\n1 1 up /up\n2 1 b.ncs /up/b.ncs\n"
        "2 1 ball /up/ball\n3 3 z.wkz /up/ball/z.wkz\n2 1 Bull /up/Bull\n2 1 empty /up/empty\n"
        "2 1 shared /up/shared\n3 3 s.wkz /up/shared/s.wkz\n2 1 x.wkz /up/x.wkz\n"
        "3 3 inside.wkz /up/x.wkz/inside.wkz\n2 3 a.wkz /up/a.wkz\n2 3 b.wkz /up/b.wkz\n"
        "2 3 x.wkz /up/x.wkz\n1 3 r2.wkz /r2.wkz\n");
    EXPECT_TRUE(ScanToolTree(root.file("missing"), false).children.empty());
    if (::geteuid() == 0) {
        return;  // the superuser reads every folder
    }
    ASSERT_EQ(::chmod(root.file("lib/ball").c_str(), 0), 0);
    const std::string closed = lines(ScanToolTree(lib, false), lib);
    ::chmod(root.file("lib/ball").c_str(), 0700);
    EXPECT_NE(closed.find("\n1 1 ball /ball\n1 1 Bull /Bull\n"), std::string::npos) << closed;
}

TEST_F(ToolLibrary, ListRowsFoldersAndTheWayUpFirstThenToolsWithTheirFedrixImage) {
    // kind (0 folder, 1 "..", 2 tool), image, name, path, shape; rows counted as they are made
    const auto listing = [&](const ToolListSource& source) {
        std::string text;
        std::size_t counted = 0;
        const auto rows =
            ReadToolListRows(source, [&](std::size_t index) { EXPECT_EQ(index, counted++); });
        EXPECT_EQ(counted, rows.size());
        for (const ToolListRow& row : rows) {
            text += std::to_string(static_cast<int>(row.kind)) + " " + std::to_string(row.image) +
                    " " + row.columns[kColumnName] + " " + row.path.substr(lib.size()) + " " +
                    std::to_string(row.shape) + "\n";
        }
        return text;
    };
    // The library's root has no way up; the Fedrix image only when switched on.
    const std::string top =
        "0 1 b.ncs /b.ncs 0\n0 1 ball /ball 0\n0 1 Bull /Bull 0\n0 1 empty /empty 0\n"
        "0 1 shared /shared 0\n0 1 x.wkz /x.wkz 0\n2 FEDRIX a.wkz /a.wkz 5\n"
        "2 3 b.wkz /b.wkz 5\n2 3 x.wkz /x.wkz 5\n";
    for (const char* image : {"3", "4"}) {
        EXPECT_EQ(listing({lib + "/", lib, image[0] == '4', false}),
                  std::string(top).replace(top.find("FEDRIX"), 6, image));
    }
    // The tool directory given with other letter cases still allows the way up to it.
    const std::string bull =
        "1 1 ..  0\n0 1 deep /Bull/deep 0\n0 1 up /Bull/up 0\n2 3 r2.wkz /Bull/r2.wkz 5\n";
    EXPECT_EQ(listing({lib + "/Bull/", lib, false, false}), bull);
    EXPECT_EQ(listing({lib + "/Bull", root.file("LIB"), false, false}), bull);
    EXPECT_EQ(listing({lib + "/Bull/deep", lib + "/Bull", false, false}),
              "1 1 .. /Bull 0\n2 3 d.wkz /Bull/deep/d.wkz 5\n");
    EXPECT_EQ(listing({lib, lib + "/Bull", false, false}), listing({lib, lib, false, false}));
    EXPECT_EQ(listing({root.file("none"), lib, false, false}), "");
    EXPECT_EQ(listing({lib + "/b.wkz", lib, false, false}), "");
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
    // tool file; the size in radius mode, in diameter mode and the other values
    const std::pair<const char*, const char*> cases[] = {
        {"TP_BRAD=0 TP_CDIAM=12", "6.000 12.000 |||||||||5"},
        {"TP_BRAD=0", "0.000 0.000 |||||||||5"},
        // 4.9995 reads 4.999; a ball while the corner lies within 0.001 of the radius.
        {"TP_BRAD=5 TP_CRAD=4.9995", "5.000 10.000 |4.999||||||||6"},
        {"TP_BRAD=5.001 TP_CRAD=5", "5.001 10.002 |5.000||||||||7"},
        {"TP_BRAD=4.999 TP_CRAD=5", "4.999 9.998 |5.000||||||||6"},
        {"TP_BRAD=5 TP_CRAD=5.001", "5.000 10.000 |5.001||||||||7"},
        {"TP_BRAD=5 TP_CRAD=0", "5.000 10.000 |0.000||||||||5"},
        // No size at all: the shown size is 0, so any corner radius is a bull nose.
        {"TP_CRAD=1", "  |1.000||||||||7"},
        // The first line of a name counts, as for the tool itself.
        {"TP_CDIAM=8 TP_CRAD=4 TP_CRAD=1", "4.000 8.000 |4.000||||||||6"},
        // The largest float: doubled it stays a number, halved it equals the corner radius.
        {"TP_BRAD=3.4e38 TP_CRAD=3.4e38 TP_CPPNUM=99999999999",
         "339999995214436424907732413799364296704.000 679999990428872849815464827598728593408.000 "
         "2147483647|339999995214436424907732413799364296704.000||||||||6"},
        {"TP_COMMENT=rough,long TP_RETRACT=7 TP_APPROACH=6 TP_DZSTEP=0.5 TP_TOL=0.01 TP_STEP=3 "
         "TP_STOCK=0.2 TP_CPPNUM=12 TP_CDESC=ignored",
         "  12||0.200|3.000|0.010|0.500|6.000|7.000|rough,long|5"},
    };
    for (const auto& [file, expected] : cases) {
        std::string seen;
        for (const bool diameter_mode : {false, true}) {
            ToolListRow row;
            row.path = dir.write("t.wkz", apptest::tool_file(file));
            ReadToolRowValues(row, diameter_mode);
            seen += row.columns[kColumnSize] + " " + (diameter_mode ? values(row) : "");
        }
        EXPECT_EQ(seen, expected) << file;
    }
}

// A folder is "NAME/"; a tool "NAME=VALUE" puts VALUE into every column but 0.
std::vector<ToolListRow> rows(const std::vector<std::string>& row_texts) {
    std::vector<ToolListRow> result;
    for (const std::string& row_text : row_texts) {
        ToolListRow& row = result.emplace_back();
        const std::size_t end = row_text.find_first_of("=/");
        row.columns.fill(row_text.substr(end + 1));
        row.columns[kColumnName] = row_text.substr(0, end);
        if (row_text[end] == '/') {
            row.kind = ToolListRowKind::Folder;
            row.image = kImageFolder;
        }
    }
    return result;
}

TEST(ToolListSort, ClicksAlternateEachColumnsDirectionAndFoldersFollowIt) {
    const std::vector<std::string> start = {"c=3", "Up/", "a=1.0004", "B=12", "down/", "d=1.0001"};
    // clicks, then the sort column and the rows afterwards
    const std::pair<std::vector<int>, std::string> cases[] = {
        {{0}, "0: d c B a Up/ down/ "},
        {{0, 0}, "0: down/ Up/ a B c d "},
        {{0, 0, 0}, "0: d c B a Up/ down/ "},
        // Column 2 compares thousandths: 1.0004 and 1.0001 are equal and keep their order.
        {{2}, "2: B c a d Up/ down/ "},
        {{0, 2}, "2: B c d a Up/ down/ "},
        // Back to column 0 after column 2: column 0 still remembers its own direction.
        {{0, 0, 2, 0}, "0: down/ Up/ a B c d "},
        {{10, 10}, "10: down/ Up/ d a B c "},
    };
    for (const auto& [clicks, expected] : cases) {
        std::vector<ToolListRow> list = rows(start);
        ToolListSort sort;
        for (const int column : clicks) {
            sort.HeaderClick(column, list);
        }
        std::string names = std::to_string(sort.sort_column()) + ": ";
        for (const ToolListRow& row : list) {
            names += row.columns[kColumnName] + (row.IsFolder() ? "/ " : " ");
        }
        EXPECT_EQ(names, expected) << clicks.size() << " clicks, last " << clicks.back();
    }
    // "column|row A|row B|A against B": numbers without overflow, texts ignoring case
    for (const char* line :
         {"1|low=-2147483648|high=2147483647|-1", "1|over=99999999999|high=2147483647|0",
          "1|seven=7|twelve=12|-1", "1|none=|text=x7|0", "2|low=-1e300|high=1e300|-1",
          "2|over=1e999|high=1e300|1", "2|float=3.4e38|high=1e300|-1", "2|nine=9|ten=10|-1",
          "2|small=0.0004|none=|0", "2|half=0.0005|thousandth=0.001|0",
          "2|half=-0.0005|thousandth=-0.001|0", "9|lead=  2.5mm|three=3|-1", "0|B=|b=|0",
          "0|a=|B=|-1", "0|Ball=|Ball2=|-1", "10|z=Zeta|a=alpha|1", "2|folder/|a=-1|-1",
          "7|folder/|Folder/|0", "7|Ball/|ball2/|-1"}) {
        std::vector<std::string> field;
        std::istringstream in(line);
        for (std::string text; std::getline(in, text, '|');) {
            field.push_back(text);
        }
        const int column = std::stoi(field[0]), expected = std::stoi(field[3]);
        const auto pair = rows({field[1], field[2]});
        EXPECT_EQ(CompareToolListRows(pair[0], pair[1], column, false), expected) << line;
        EXPECT_EQ(CompareToolListRows(pair[1], pair[0], column, false), -expected) << line;
        EXPECT_EQ(CompareToolListRows(pair[0], pair[1], column, true), -expected) << line;
    }
}

}  // namespace
