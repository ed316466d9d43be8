#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/filesystem.h"
#include "support/test_support.h"

namespace {

using testsupport::TempDir;

std::size_t entry_count(const std::string& directory) {
    return platform::find_files(directory + "/*").size() - 2;  // without "." and ".."
}

TEST(ResolveCase, ResolvesEachComponentAndKeepsTheMissingRest) {
    TempDir dir;
    dir.write("Tools/Mill.WKZ", "x");
    EXPECT_EQ(platform::resolve_case(dir.file("tools/mill.wkz")), dir.file("Tools/Mill.WKZ"));
    EXPECT_EQ(platform::resolve_case(dir.file("TOOLS/new/x.wkz")), dir.file("Tools/new/x.wkz"));
    EXPECT_EQ(platform::resolve_case(dir.file("Tools/Mill.WKZ")), dir.file("Tools/Mill.WKZ"));
    EXPECT_EQ(platform::resolve_case(dir.file("none//x")), dir.file("none//x"));
    EXPECT_TRUE(platform::exists(dir.file("TOOLS/MILL.wkz")));
    EXPECT_TRUE(platform::is_regular_file(dir.file("tools/mill.wkz")));
    EXPECT_TRUE(platform::is_directory(dir.file("tools")));
    EXPECT_FALSE(platform::exists(dir.file("tools/drill.wkz")));
}

TEST(ResolveCase, TakesTheFirstNameInOrderWhenSeveralSpellingsExist) {
    TempDir dir;
    dir.write("ab", "");
    dir.write("AB", "");
    EXPECT_EQ(platform::resolve_case(dir.file("Ab")), dir.file("AB"));
}

TEST(Attributes, ReadOnlyFilesCannotBeDeletedUntilMadeWritable) {
    TempDir dir;
    const std::string file = dir.write("t.wkz", "x");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_TRUE(platform::is_read_only(dir.file("T.WKZ")));
    EXPECT_FALSE(platform::delete_file(file));
    EXPECT_TRUE(platform::exists(file));
    EXPECT_TRUE(platform::make_writable(file));
    EXPECT_FALSE(platform::is_read_only(file));
    EXPECT_TRUE(platform::delete_file(dir.file("T.wkz")));
    EXPECT_FALSE(platform::exists(file));
    EXPECT_FALSE(platform::delete_file(file));
    EXPECT_FALSE(platform::delete_file(dir.path()));
}

TEST(Directories, CreateSingleAndRecursive) {
    TempDir dir;
    EXPECT_FALSE(platform::create_directory(dir.file("a/b")));
    EXPECT_TRUE(platform::create_directory(dir.file("a")));
    EXPECT_FALSE(platform::create_directory(dir.file("A")));
    EXPECT_TRUE(platform::create_directories(dir.file("A/b/c/d/")));
    EXPECT_TRUE(platform::is_directory(dir.file("a/b/c/d")));
    EXPECT_TRUE(platform::create_directories(dir.file("a/b")));
    dir.write("f", "");
    EXPECT_FALSE(platform::create_directories(dir.file("f/g")));
    EXPECT_TRUE(platform::remove_directory(dir.file("a/B/C/D")));
    EXPECT_FALSE(platform::exists(dir.file("a/b/c/d")));
}

TEST(ExclusiveCreation, SecondCreationFailsInAnySpelling) {
    TempDir dir;
    const int fd = platform::create_exclusive(dir.file("Lock"));
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(platform::create_exclusive(dir.file("Lock")), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(platform::create_exclusive(dir.file("LOCK")), -1);
    EXPECT_EQ(errno, EEXIST);
}

TEST(CurrentDirectory, SetIgnoringCase) {
    TempDir dir;
    dir.mkdir("Work");
    const auto before = platform::current_directory();
    ASSERT_TRUE(before.has_value());
    ASSERT_TRUE(platform::set_current_directory(dir.file("work")));
    char* real = ::realpath(dir.file("Work").c_str(), nullptr);
    EXPECT_EQ(platform::current_directory(), std::string(real));
    std::free(real);
    ASSERT_TRUE(platform::set_current_directory(*before));
    EXPECT_FALSE(platform::modification_time(dir.file("missing")).has_value());
}

TEST(JoinPath, ExactlyOneSeparator) {
    EXPECT_EQ(platform::join_path("/a", "b"), "/a/b");
    EXPECT_EQ(platform::join_path("/a//", "/b"), "/a/b");
    EXPECT_EQ(platform::join_path("/", "b"), "/b");
    EXPECT_EQ(platform::join_path("", "b"), "b");
    EXPECT_EQ(platform::join_path("a", ""), "a/");
}

TEST(ReadFile, WholeFileOrNothing) {
    TempDir dir;
    std::string bytes(200000, 'x');
    bytes[7] = '\0';
    dir.write("Big", bytes);
    EXPECT_EQ(platform::read_file(dir.file("big")), bytes);
    EXPECT_FALSE(platform::read_file(dir.file("missing")).has_value());
    EXPECT_FALSE(platform::read_file(dir.path()).has_value());
}

TEST(ReplaceFile, CreatesAndReplacesKeepingPermissions) {
    TempDir dir;
    EXPECT_TRUE(platform::replace_file(dir.file("new.ini"), "one"));
    EXPECT_EQ(testsupport::read_file(dir.file("new.ini")), "one");
    ASSERT_EQ(::chmod(dir.file("new.ini").c_str(), 0640), 0);
    EXPECT_TRUE(platform::replace_file(dir.file("NEW.INI"), "two"));
    EXPECT_EQ(testsupport::read_file(dir.file("new.ini")), "two");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("new.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entry_count(dir.path()), 1u);
}

TEST(ReplaceFile, LongestNameStillFitsItsTemporary) {
    TempDir dir;
    const std::string name(255, 'n');
    EXPECT_TRUE(platform::replace_file(dir.file(name), "x"));
    EXPECT_EQ(testsupport::read_file(dir.file(name)), "x");
    EXPECT_EQ(entry_count(dir.path()), 1u);
}

TEST(ReplaceFile, WritesThroughASymbolicLink) {
    TempDir dir;
    dir.write("real.ini", "old");
    ASSERT_EQ(::symlink("real.ini", dir.file("link.ini").c_str()), 0);
    EXPECT_TRUE(platform::replace_file(dir.file("link.ini"), "new"));
    EXPECT_EQ(testsupport::read_file(dir.file("real.ini")), "new");
    struct stat info {};
    ASSERT_EQ(::lstat(dir.file("link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(ReplaceFile, RefusesWithoutTouchingAnything) {
    TempDir dir;
    const std::string file = dir.write("ro.ini", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(platform::replace_file(file, "new"));
    EXPECT_EQ(testsupport::read_file(file), "old");
    EXPECT_FALSE(platform::replace_file(dir.file("missing/x.ini"), "new"));
    EXPECT_FALSE(platform::exists(dir.file("missing")));
    EXPECT_FALSE(platform::replace_file(dir.path(), "new"));
    EXPECT_FALSE(platform::replace_file(dir.file("ro.ini/x"), "new"));
    EXPECT_EQ(entry_count(dir.path()), 1u);
}

// Root writes into any directory, so the refusal is checked as an unprivileged user.
TEST(ReplaceFile, RefusesAnUnwritableDirectory) {
    TempDir dir;
    const std::string locked = dir.mkdir("locked");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                std::_Exit(2);
            }
            std::_Exit(platform::replace_file(locked + "/x.ini", "new") ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(entry_count(locked), 0u);
}

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string file = dir.write("t.ini", "old");
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = platform::replace_file(file, std::string(5000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(testsupport::read_file(file), "old");
    EXPECT_EQ(entry_count(dir.path()), 1u);
}

}  // namespace
