#include "app/path_parts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PartsCase {
    std::string path;
    std::string directory;
    std::string name;
    std::string name_without_extension;
    std::string extension;
    std::string stripped;
};

TEST(PathParts, SplitsPathsAtTheLastSeparatorAndPoint) {
    const PartsCase cases[] = {
        {"/a/t.wkz", "/a", "t.wkz", "t", "wkz", "/a/t"},
        {"t.wkz", "", "t.wkz", "t", "wkz", "t"},
        {"/a.b/t", "/a.b", "t", "t", "b/t", "/a"},
        {"/lib/mills/", "/lib/mills", "", "", "/lib/mills/", "/lib/mills/"},
        {"noext", "", "noext", "noext", "noext", "noext"},
        {"/a/t.tar.gz", "/a", "t.tar.gz", "t.tar", "gz", "/a/t.tar"},
        {"/a/.hidden", "/a", ".hidden", "", "hidden", "/a/"},
        {"/t", "", "t", "t", "/t", "/t"},
        {"", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(DirectoryPart(c.path), c.directory);
        EXPECT_EQ(FileNamePart(c.path, true), c.name);
        EXPECT_EQ(FileNamePart(c.path, false), c.name_without_extension);
        EXPECT_EQ(ExtensionPart(c.path), c.extension);
        EXPECT_EQ(StripExtension(c.path), c.stripped);
    }
}

TEST(PathParts, MakeRelativePathKeepsCase) {
    struct Case {
        std::string base, path;
        bool ok;
        std::string result;
    } cases[] = {
        {"/tools", "/tools/mills/t.wkz", true, "./mills/t.wkz"},
        {"/Tools", "/tools/mills/t.wkz", false, "/tools/mills/t.wkz"},
        {"/tools/mills/t.wkz", "/tools", false, "/tools"},
        {"", "a/b", true, ".a/b"},
        {"/tools", "/tools", true, "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base + " | " + c.path);
        std::string path = c.path;
        EXPECT_EQ(MakeRelativePath(c.base, path), c.ok);
        EXPECT_EQ(path, c.result);
    }
}

TEST(PathParts, NormalizePath) {
    struct Case {
        std::string path;
        bool ok;
        std::string result;
    } cases[] = {
        {"/lib/./mills/t.wkz", true, "/lib/mills/t.wkz"},
        {"/lib/mills/..", true, "/lib"},
        {"/lib/././mills/./t", true, "/lib/mills/t"},
        {"/tools/./mills/../drills/t.wkz", true, "/tools/drills/t.wkz"},
        {"/a/b/c/../../d", true, "/a/d"},
        {"../lib/t.wkz", true, "../lib/t.wkz"},
        {"/../lib", false, "/../lib"},
        // The rounds that already went up are discarded; only the "/./" removal stays.
        {"/a/./b/../../../c", false, "/a/b/../../../c"},
        {"a/../b", false, "a/../b"},
        // A name that merely starts with two points is not a step up.
        {"/lib/..hidden/t.wkz", true, "/lib/..hidden/t.wkz"},
        {"/lib/mills/..x/../t", true, "/lib/mills/t"},
        {"", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string path = c.path;
        EXPECT_EQ(NormalizePath(path), c.ok);
        EXPECT_EQ(path, c.result);
    }
}

TEST(PathParts, NormalizePathHandlesLongInput) {
    std::string path = "/root";
    for (int i = 0; i < 2000; ++i) {
        path += "/d/./..";
    }
    EXPECT_TRUE(NormalizePath(path));
    EXPECT_EQ(path, "/root");
}

}  // namespace
