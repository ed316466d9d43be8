#include <gtest/gtest.h>

#include <string>

#include "environment_fixture.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

using environment_test::Installation;
using environment_test::kMinimalBase;

struct PathExpansion : environment_test::QuietReports {
    void SetUp() override {
        QuietReports::SetUp();
        install.base(kMinimalBase);
        install.env.set("CB_HOME", "/opt/kvx");
        install.env.set("CB_WIN", "C:\\kvx\\\\data\\");
        install.root.write("lib2/tool.dat", "x");
        install.root.write("lib2/sub/part.dat", "x");
        install.root.mkdir("lib1");
        install.env.set("LIBPATH", install.fill("@/lib1;@\\lib2\\"));
    }
    Installation install;
};

struct PathCase {
    const char* text;
    const char* expected;
    int status;
};

class PathNormalisation : public PathExpansion, public testing::WithParamInterface<PathCase> {};

TEST_P(PathNormalisation, ExpandsAndNormalisesInPlace) {
    std::string buffer = GetParam().text;
    buffer.resize(64, ' ');
    int status = 99;
    expand_path(buffer.data(), &status, 64);
    EXPECT_EQ(status, GetParam().status);
    std::string expected = GetParam().expected;
    expected.resize(64, ' ');
    EXPECT_EQ(buffer, expected);

    std::string text = GetParam().text;
    EXPECT_EQ(expand_path_text(text, 64), GetParam().status);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathNormalisation,
    testing::Values(PathCase{"a//b\\./c\\\\\\d", "a/b/c/d", kStatusOk},
                    PathCase{"a/./././b/.", "a/b/.", kStatusOk},
                    PathCase{"./x/./y/", "./x/y/", kStatusOk},
                    PathCase{"../x\\.\\y/.hidden", "../x/y/.hidden", kStatusOk},
                    PathCase{"$CB_WIN\\sub", "C:/kvx/data/sub", kStatusOk},
                    PathCase{"$CB_HOME//.//bin", "/opt/kvx/bin", kStatusOk},
                    PathCase{"$CB_NOPE//x", "Undefined_CB_NOPE/x", kStatusUndefined},
                    // A syntax error leaves the expanded text as it is.
                    PathCase{"$(A//b", "A//b", kStatusSyntaxError}));

TEST_F(PathExpansion, TextFormNeedsRoomForItsText) {
    std::string text = std::string(20, 'a');
    EXPECT_EQ(expand_path_text(text, 19), kStatusTextTooLong);
    EXPECT_EQ(text, std::string(20, 'a'));
    EXPECT_EQ(expand_path_text(text, 21), kStatusOk);
}

TEST_F(PathExpansion, FixedFormCopiesWithoutTrailingBlanksAndChecksTheDestination) {
    const std::string source = "$CB_HOME//x    ";
    std::string destination(20, '#');
    int status = 99;
    expand_path_fixed(source.data(), static_cast<int>(source.size()), destination.data(), 20,
                      &status);
    EXPECT_EQ(status, kStatusOk);
    EXPECT_EQ(destination, "/opt/kvx/x          ");

    destination.assign(8, '#');
    expand_path_fixed(source.data(), static_cast<int>(source.size()), destination.data(), 8,
                      &status);
    EXPECT_EQ(status, kStatusBufferTooSmall);
    EXPECT_EQ(destination, "########");

    // Source and destination may be the same buffer.
    std::string same = "$CB_HOME/y          ";
    expand_path_fixed(same.data(), 20, same.data(), 20, &status);
    EXPECT_EQ(status, kStatusOk);
    EXPECT_EQ(same, "/opt/kvx/y          ");
}

TEST_F(PathExpansion, CheckPathFindsEntriesWithinItsWorkBuffer) {
    struct {
        std::string source;
        int status;
    } cases[] = {
        {install.fill("@\\lib2//tool.dat   "), kStatusOk},
        {install.fill("@/LIB2/Tool.DAT"), kStatusOk},
        {install.fill("@/lib2/missing.dat"), kStatusFileNotFound},
        {"$CB_NOPE", kStatusFileNotFound},
        {std::string(128, 'a'), kStatusBufferTooSmall},
        {"$(CB_HOME", kStatusSyntaxError},
    };
    for (const auto& c : cases) {
        int status = 99;
        check_path_fixed(c.source.data(), static_cast<int>(c.source.size()), &status);
        EXPECT_EQ(status, c.status) << c.source;
    }
}

struct SearchCase {
    const char* text;
    const char* expected;  // "@" is the temporary root; nullptr: text unchanged
    int status;
};

class FileSearch : public PathExpansion, public testing::WithParamInterface<SearchCase> {};

TEST_P(FileSearch, FindsTheFirstElementHoldingTheFile) {
    std::string text = install.fill(GetParam().text);
    const std::string before = text;
    EXPECT_EQ(search_file(text, 384), GetParam().status);
    EXPECT_EQ(text, GetParam().expected ? install.fill(GetParam().expected) : before);

    std::string source = before + "   ";
    std::string destination(384, '#');
    int status = 99;
    search_file_fixed(source.data(), static_cast<int>(source.size()), destination.data(), 384,
                      &status);
    EXPECT_EQ(status, GetParam().status);
    if (GetParam().expected != nullptr) {
        std::string expected = install.fill(GetParam().expected);
        expected.resize(384, ' ');
        EXPECT_EQ(destination, expected);
    } else {
        EXPECT_EQ(destination, std::string(384, '#'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Searches, FileSearch,
    testing::Values(SearchCase{"?LIB/tool.dat", "@/lib2/tool.dat", kStatusOk},
                    SearchCase{"?LIB\\sub\\\\part.dat", "@/lib2/sub/part.dat", kStatusOk},
                    SearchCase{"?LIB/none.dat", "@/lib1/none.dat", kStatusFileNotFound},
                    SearchCase{"?NOLIB/x", "Undefined_NOLIB/x", kStatusFileNotFound},
                    SearchCase{"@//lib2/tool.dat", "@/lib2/tool.dat", kStatusOk},
                    SearchCase{"@/lib2/none.dat", "@/lib2/none.dat", kStatusFileNotFound},
                    SearchCase{"dir/file?", nullptr, kStatusNoSearchPart},
                    SearchCase{"?LIB", nullptr, kStatusNoSearchPart},
                    SearchCase{"?LIB/$(x", nullptr, kStatusSyntaxError}));

TEST_F(PathExpansion, SearchRefusesLongTextsAndResultsBeyondItsCapacity) {
    std::string text = "?LIB/" + std::string(377, 'a');
    EXPECT_EQ(search_file(text, 384), kStatusTextTooLong);
    text = "?LIB/tool.dat";
    EXPECT_EQ(search_file(text, 10), kStatusBufferTooSmall);
    EXPECT_EQ(text, "?LIB/tool.dat");

    std::string destination(10, '#');
    int status = 99;
    search_file_fixed(text.data(), static_cast<int>(text.size()), destination.data(), 10, &status);
    EXPECT_EQ(status, kStatusBufferTooSmall);
    EXPECT_EQ(destination, std::string(10, '#'));
}

}  // namespace
