#include <gtest/gtest.h>

#include "environment_fixture.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

struct PathExpansion : environment_test::Installation {
    void SetUp() override {
        Installation::SetUp();
        base("[path]\nENV = $KVXHOME/config\n");
        env.set("CB_HOME", "/opt/kvx").set("CB_WIN", "C:\\kvx\\\\data\\");
        env.set("LIBPATH", fill("@/lib1;@\\lib2\\"));
        root.write("lib2/tool.dat", "x");
        root.write("lib2/sub/part.dat", "x");
        root.mkdir("lib1");
    }
};

TEST_F(PathExpansion, NormalisesSeparatorRunsAndPointSegments) {
    const struct {
        const char* text;
        const char* expected;
        int status;
    } cases[] = {
        {"a//b\\./c\\\\\\d", "a/b/c/d", kStatusOk},
        {"a/./././b/.", "a/b/.", kStatusOk},
        {"./x/./y/", "./x/y/", kStatusOk},
        {"../x\\.\\y/.hidden", "../x/y/.hidden", kStatusOk},
        {"$CB_WIN\\sub", "C:/kvx/data/sub", kStatusOk},
        {"$CB_HOME//.//bin", "/opt/kvx/bin", kStatusOk},
        {"$CB_NOPE//x", "Undefined_CB_NOPE/x", kStatusUndefined},
        {"$(A//b", "A//b", kStatusSyntaxError},  // left as expanded
    };
    for (const auto& c : cases) {
        std::string buffer = c.text;
        buffer.resize(64, ' ');
        int status = 99;
        expand_path(buffer.data(), &status, 64);
        EXPECT_EQ(status, c.status) << c.text;
        EXPECT_EQ(buffer.substr(0, buffer.find_last_not_of(' ') + 1), c.expected);

        std::string text = c.text;
        EXPECT_EQ(expand_path_text(text, 64), c.status);
        EXPECT_EQ(text, c.expected);
    }
}

TEST_F(PathExpansion, FixedFormsCheckTheirBuffers) {
    const std::string source = "$CB_HOME//x    ";
    const int size = static_cast<int>(source.size());
    std::string destination(20, '#');
    int status = 99;
    expand_path_fixed(source.data(), size, destination.data(), 20, &status);
    EXPECT_EQ(status, kStatusOk);
    EXPECT_EQ(destination, "/opt/kvx/x          ");
    destination.assign(8, '#');
    expand_path_fixed(source.data(), size, destination.data(), 8, &status);
    EXPECT_EQ(status, kStatusBufferTooSmall);
    EXPECT_EQ(destination, "########");
    std::string same = "$CB_HOME/y          ";
    expand_path_fixed(same.data(), 20, same.data(), 20, &status);
    EXPECT_EQ(same, "/opt/kvx/y          ");

    const std::pair<std::string, int> checks[] = {
        {fill("@\\lib2//tool.dat   "), kStatusOk},         {fill("@/LIB2/Tool.DAT"), kStatusOk},
        {fill("@/lib2/missing.dat"), kStatusFileNotFound}, {"$CB_NOPE", kStatusFileNotFound},
        {std::string(128, 'a'), kStatusBufferTooSmall},    {"$(CB_HOME", kStatusSyntaxError},
    };
    for (const auto& [path, expected] : checks) {
        check_path_fixed(path.data(), static_cast<int>(path.size()), &status);
        EXPECT_EQ(status, expected) << path;
    }
}

TEST_F(PathExpansion, SearchFindsTheFirstElementHoldingTheFile) {
    const struct {
        const char* text;
        const char* expected;  // nullptr: unchanged
        int status;
        int capacity;
    } cases[] = {
        {"?LIB/tool.dat", "@/lib2/tool.dat", kStatusOk, 384},
        {"?LIB\\sub\\\\part.dat", "@/lib2/sub/part.dat", kStatusOk, 384},
        {"?LIB/none.dat", "@/lib1/none.dat", kStatusFileNotFound, 384},
        {"?NOLIB/x", "Undefined_NOLIB/x", kStatusFileNotFound, 384},
        {"@//lib2/tool.dat", "@/lib2/tool.dat", kStatusOk, 384},
        {"@/lib2/none.dat", "@/lib2/none.dat", kStatusFileNotFound, 384},
        {"dir/file?", nullptr, kStatusNoSearchPart, 384},
        {"?LIB/$(x", nullptr, kStatusSyntaxError, 384},
        {"?LIB/tool.dat", nullptr, kStatusBufferTooSmall, 10},
    };
    for (const auto& c : cases) {
        const std::string before = fill(c.text);
        std::string text = before;
        EXPECT_EQ(search_file(text, c.capacity), c.status) << c.text;
        std::string expected = c.expected ? fill(c.expected) : before;
        EXPECT_EQ(text, expected);

        std::string source = before + "   ";
        std::string destination(static_cast<std::size_t>(c.capacity), '#');
        int status = 99;
        search_file_fixed(source.data(), static_cast<int>(source.size()), destination.data(),
                          c.capacity, &status);
        EXPECT_EQ(status, c.status) << c.text;
        expected.resize(destination.size(), c.expected ? ' ' : '#');
        EXPECT_EQ(destination, c.expected ? expected : std::string(destination.size(), '#'));
    }
    std::string text = "?LIB/" + std::string(377, 'a');
    EXPECT_EQ(search_file(text, 384), kStatusTextTooLong);
}

}  // namespace
