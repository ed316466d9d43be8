#include "app/path_parts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PathParts, SplitAtTheLastSeparatorAndPoint) {
    const struct {
        std::string path, directory, name, bare_name, extension, stripped;
    } cases[] = {
        {"/a/t.wkz", "/a", "t.wkz", "t", "wkz", "/a/t"},
        {"t.wkz", "", "t.wkz", "t", "wkz", "t"},
        {"/a.b/t", "/a.b", "t", "t", "b/t", "/a"},
        {"/a/t.tar.gz", "/a", "t.tar.gz", "t.tar", "gz", "/a/t.tar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(DirectoryPart(c.path), c.directory);
        EXPECT_EQ(FileNamePart(c.path, true), c.name);
        EXPECT_EQ(FileNamePart(c.path, false), c.bare_name);
        EXPECT_EQ(ExtensionPart(c.path), c.extension);
        EXPECT_EQ(StripExtension(c.path), c.stripped);
    }
    std::string path = "/tools/mills/t.wkz";
    EXPECT_FALSE(MakeRelativePath("/Tools", path));
    EXPECT_TRUE(MakeRelativePath("/tools", path));
    EXPECT_EQ(path, "./mills/t.wkz");
}

TEST(PathParts, NormalizePath) {
    const struct {
        std::string path;
        bool ok;
        std::string result;
    } cases[] = {
        {"/lib/././mills/t.wkz", true, "/lib/mills/t.wkz"},
        {"/lib/mills/..", true, "/lib"},
        {"/tools/./mills/../../drills/t.wkz", true, "/drills/t.wkz"},
        {"/../lib", false, "/../lib"},
        {"a/../b", false, "a/../b"},
        // Failing discards the steps up already taken, not the "/./" removal.
        {"/a/./b/../../../c", false, "/a/b/../../../c"},
        // A name that starts with two points is no step up.
        {"/lib/..hidden/../t.wkz", true, "/lib/t.wkz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string path = c.path;
        EXPECT_EQ(NormalizePath(path), c.ok);
        EXPECT_EQ(path, c.result);
    }
}

}  // namespace
