#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

using testsupport::read_file;
using testsupport::TempDir;

std::size_t entry_count(const std::string& directory) {
    return platform::find_files(directory + "/*").size() - 2;  // without "." and ".."
}

bool is_link(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

TEST(ResolveCase, ResolvesEachComponentAndKeepsTheMissingRest) {
    TempDir dir;
    dir.write("Tools/Mill.WKZ", "x");
    dir.write("ab", "");
    dir.write("AB", "");
    EXPECT_EQ(platform::resolve_case(dir.file("tools/mill.wkz")), dir.file("Tools/Mill.WKZ"));
    EXPECT_EQ(platform::resolve_case(dir.file("TOOLS/new/x.wkz")), dir.file("Tools/new/x.wkz"));
    EXPECT_EQ(platform::resolve_case(dir.file("none//x")), dir.file("none//x"));
    EXPECT_EQ(platform::resolve_case(dir.file("Ab")), dir.file("AB"));
    EXPECT_TRUE(platform::is_regular_file(dir.file("tools/mill.wkz")));
}

TEST(FileOperations, ReadOnlyDirectoriesExclusiveCreationAndReading) {
    TempDir dir;
    const std::string file = dir.write("t.wkz", "x");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_TRUE(platform::is_read_only(dir.file("T.WKZ")));
    EXPECT_FALSE(platform::delete_file(file));
    EXPECT_TRUE(platform::make_writable(file));
    EXPECT_TRUE(platform::delete_file(dir.file("T.wkz")));
    EXPECT_FALSE(platform::delete_file(dir.path()));

    EXPECT_FALSE(platform::create_directory(dir.file("a/b")));
    EXPECT_TRUE(platform::create_directory(dir.file("a")));
    EXPECT_FALSE(platform::create_directory(dir.file("A")));
    EXPECT_TRUE(platform::create_directories(dir.file("A/b/c/d/")));
    EXPECT_TRUE(platform::remove_directory(dir.file("a/B/C/D")));
    EXPECT_FALSE(platform::exists(dir.file("a/b/c/d")));

    const int fd = platform::create_exclusive(dir.file("Lock"));
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(platform::create_exclusive(dir.file("LOCK")), -1);
    EXPECT_EQ(errno, EEXIST);

    std::string bytes(200000, 'x');
    bytes[7] = '\0';
    dir.write("Big", bytes);
    EXPECT_EQ(platform::read_file(dir.file("big")), bytes);
    EXPECT_FALSE(platform::read_file(dir.path()).has_value());
}

TEST(ReplaceFile, CreatesAndReplacesKeepingPermissionsWithoutLeftovers) {
    TempDir dir;
    EXPECT_TRUE(platform::replace_file(dir.file("new.ini"), "one"));
    ASSERT_EQ(::chmod(dir.file("new.ini").c_str(), 0640), 0);
    EXPECT_TRUE(platform::replace_file(dir.file("new.ini"), "two"));
    EXPECT_EQ(read_file(dir.file("new.ini")), "two");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("new.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // The temporary name of the longest file name still fits.
    const std::string longest(255, 'n');
    EXPECT_TRUE(platform::replace_file(dir.file(longest), "x"));
    EXPECT_EQ(read_file(dir.file(longest)), "x");
    EXPECT_EQ(entry_count(dir.path()), 2u);
}

// Where a write lands: the name as given (its directory found ignoring case), or through the
// link "out", creating the file a dangling link names; the link stays a link.
TEST(ReplaceFile, WritesUnderTheNameGivenAndThroughLinks) {
    struct Case {
        const char* existing_file;  // written first with "old"
        const char* link_target;    // of the link "out"
        const char* written;        // the path replace_file is given
        const char* lands_in;       // the file that then holds "new"
    };
    const Case cases[] = {
        {"self.wkz", nullptr, "SELF.WKZ", "SELF.WKZ"},
        {"Lib/t.wkz", nullptr, "LIB/new.wkz", "Lib/new.wkz"},
        {nullptr, "target.out", "out", "target.out"},
        {nullptr, "sub/target.out", "out", "sub/target.out"},
        {"chain.out", "chain.out", "out", "chain.out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.written) + " into " + c.lands_in);
        TempDir dir;
        dir.mkdir("sub");
        if (c.existing_file != nullptr) {
            dir.write(c.existing_file, "old");
        }
        if (c.link_target != nullptr) {
            ASSERT_EQ(::symlink(c.link_target, dir.file("out").c_str()), 0);
        }
        EXPECT_TRUE(platform::replace_file(dir.file(c.written), "new"));
        EXPECT_EQ(read_file(dir.file(c.lands_in)), "new");
        if (c.existing_file != nullptr && std::string(c.existing_file) != c.lands_in) {
            EXPECT_EQ(read_file(dir.file(c.existing_file)), "old");
        }
        EXPECT_EQ(is_link(dir.file("out")), c.link_target != nullptr);
    }
}

TEST(ReplaceFile, ALinkLoopIsAnErrorAndStaysALoop) {
    TempDir dir;
    ASSERT_EQ(::symlink("b", dir.file("a").c_str()), 0);
    ASSERT_EQ(::symlink("a", dir.file("b").c_str()), 0);
    errno = 0;
    EXPECT_FALSE(platform::replace_file(dir.file("a"), "new"));
    EXPECT_EQ(errno, ELOOP);
    EXPECT_FALSE(platform::can_replace_file(dir.file("a")));
    EXPECT_TRUE(is_link(dir.file("a")));
    EXPECT_EQ(entry_count(dir.path()), 2u);
}

TEST(ReplaceFile, RefusesWithoutTouchingAnything) {
    TempDir dir;
    const std::string file = dir.write("ro.ini", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(platform::replace_file(file, "new"));
    EXPECT_EQ(read_file(file), "old");
    EXPECT_FALSE(platform::replace_file(dir.file("missing/x.ini"), "new"));
    EXPECT_FALSE(platform::exists(dir.file("missing")));
    EXPECT_FALSE(platform::replace_file(dir.path(), "new"));
    EXPECT_FALSE(platform::replace_file(dir.file("ro.ini/x"), "new"));
    EXPECT_EQ(entry_count(dir.path()), 1u);
}

}  // namespace
