#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/profile.h"
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

TEST(FileOperations, ResolveCaseDirectoryTreesAndReading) {
    TempDir dir;
    dir.write("Tools/Mill.WKZ", "x");
    dir.write("ab", "");
    dir.write("AB", "");
    EXPECT_EQ(platform::resolve_case(dir.file("tools/mill.wkz")), dir.file("Tools/Mill.WKZ"));
    EXPECT_EQ(platform::resolve_case(dir.file("TOOLS/new/x.wkz")), dir.file("Tools/new/x.wkz"));
    EXPECT_EQ(platform::resolve_case(dir.file("none//x")), dir.file("none//x"));
    EXPECT_EQ(platform::resolve_case(dir.file("Ab")), dir.file("AB"));
    EXPECT_TRUE(platform::is_regular_file(dir.file("tools/mill.wkz")));

    // Directory trees and reading; read-only files and single directories are the file
    // utilities' own tests.
    EXPECT_FALSE(platform::delete_file(dir.path()));
    EXPECT_TRUE(platform::create_directory(dir.file("a")));
    EXPECT_FALSE(platform::create_directory(dir.file("A")));
    EXPECT_TRUE(platform::create_directories(dir.file("A/b/c/d/")));
    EXPECT_TRUE(platform::remove_directory(dir.file("a/B/C/D")));
    EXPECT_FALSE(platform::exists(dir.file("a/b/c/d")));
    std::string bytes(200000, 'x');
    bytes[7] = '\0';
    dir.write("Big", bytes);
    EXPECT_EQ(platform::read_file(dir.file("big")), bytes);
    EXPECT_FALSE(platform::read_file(dir.path()).has_value());
}

TEST(ReplaceFile, CreatesReplacesKeepingPermissionsAndRefusesWithoutLeftovers) {
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

    // A loop of links is an error and stays a loop.
    ASSERT_EQ(::symlink("b", dir.file("a").c_str()), 0);
    ASSERT_EQ(::symlink("a", dir.file("b").c_str()), 0);
    errno = 0;
    EXPECT_FALSE(platform::replace_file(dir.file("a"), "new"));
    EXPECT_EQ(errno, ELOOP);
    EXPECT_FALSE(platform::can_replace_file(dir.file("a")));
    EXPECT_TRUE(is_link(dir.file("a")));

    // Refusals touch nothing: a read-only file, a missing folder, a folder, a file as a folder.
    const std::string file = dir.write("ro.ini", "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(platform::replace_file(file, "new"));
    EXPECT_EQ(read_file(file), "old");
    EXPECT_FALSE(platform::replace_file(dir.file("missing/x.ini"), "new") ||
                 platform::replace_file(dir.path(), "new") ||
                 platform::replace_file(dir.file("ro.ini/x"), "new"));
    EXPECT_FALSE(platform::exists(dir.file("missing")));
    EXPECT_EQ(entry_count(dir.path()), 5u);
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

// FIFOs, devices, directories that can only grow and the file-size limit: none may hang a
// reader, kill a writer or leave a temporary file behind.
TEST(RegularFiles, OnlyRegularFilesAreOpenedAndNothingWaits) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", dir.file("zero").c_str()), 0);
    dir.mkdir("folder");
    const struct {
        const char* name;
        int error;
    } cases[] = {{"fifo", EINVAL}, {"zero", EINVAL}, {"folder", EISDIR}, {"none", ENOENT}};
    for (const auto& c : cases) {
        errno = 0;
        EXPECT_EQ(platform::open_regular_file(dir.file(c.name)), -1) << c.name;
        EXPECT_EQ(errno, c.error) << c.name;
        EXPECT_EQ(platform::open_regular_stream(dir.file(c.name)), nullptr) << c.name;
        EXPECT_FALSE(platform::read_file(dir.file(c.name)).has_value()) << c.name;
        EXPECT_FALSE(platform::ProfileDocument::load(dir.file(c.name)).has_value()) << c.name;
    }
    dir.write("Real.ini", "[s]\nk=v\n");
    std::FILE* stream = platform::open_regular_stream(dir.file("real.INI"));
    EXPECT_TRUE(stream != nullptr && std::fgetc(stream) == '[' && std::fclose(stream) == 0);
}

// An append-only directory refuses the rename and the removal of the temporary file: the
// write must fail before it creates one.
TEST(ReplaceFile, AnAppendOnlyDirectoryFailsWithoutATemporaryFile) {
    TempDir dir;
    dir.write("t.ini", "old");
    const int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    ASSERT_EQ(::ioctl(fd, FS_IOC_GETFLAGS, &flags), 0);
    int append_only = flags | FS_APPEND_FL;
    if (::ioctl(fd, FS_IOC_SETFLAGS, &append_only) != 0) {
        ::close(fd);
        GTEST_SKIP() << "append-only flag not available here";
    }
    const bool replaced = platform::replace_file(dir.file("t.ini"), "new");
    const bool created = platform::replace_file(dir.file("n.ini"), "new");
    const std::size_t entries = entry_count(dir.path());
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    EXPECT_TRUE(!replaced && !created && entries == 1u);
    EXPECT_EQ(read_file(dir.file("t.ini")), "old");
}

// Without the signal ignored, the limit ends the process in the middle of the write.
TEST(ReplaceFileDeathTest, TheFileSizeLimitFailsTheWriteInsteadOfEndingTheProcess) {
    TempDir dir;
    dir.write("t.ini", "old");
    EXPECT_EXIT(
        {
            platform::ignore_file_size_signal();
            struct rlimit small {};
            ::getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = 1000;
            ::setrlimit(RLIMIT_FSIZE, &small);
            const bool written = platform::replace_file(dir.file("t.ini"), std::string(5000, 'n'));
            std::_Exit(!written && entry_count(dir.path()) == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read_file(dir.file("t.ini")), "old");
}

using Names = std::vector<std::string>;

TEST(WildcardMatch, WindowsMeaningOfStarQuestionAndPointQuickly) {
    // Pattern and name in pairs.
    const char* const matching[] = {"*.*",    "README", "*.",    "README", "*.",    "..",
                                    "a?.txt", "a.txt",  "a??",   "a",      "*.WKZ", "mill.wkz",
                                    "*.wkz",  ".wkz",   "a*b*c", "aXbYc",  "[a]",   "[A]"};
    const char* const differing[] = {"*.",  "a.txt", "*.",    ".profile",   "a?.txt", "abc.txt",
                                     "a?c", "a.c",   "*.wkz", "mill.wkz.1", "*.t?t",  "x.tt"};
    for (std::size_t i = 0; i < std::size(matching); i += 2) {
        EXPECT_TRUE(platform::wildcard_match(matching[i], matching[i + 1])) << matching[i];
    }
    for (std::size_t i = 0; i < std::size(differing); i += 2) {
        EXPECT_FALSE(platform::wildcard_match(differing[i], differing[i + 1])) << differing[i];
    }
    // Many stars on a long name finish quickly.
    const std::string name(5000, 'a');
    std::string pattern;
    while (pattern.size() < 400) {
        pattern += "*a";
    }
    EXPECT_TRUE(platform::wildcard_match(pattern, name));
    EXPECT_FALSE(platform::wildcard_match(pattern + "b", name));
}

Names names(const std::vector<platform::DirectoryEntry>& entries) {
    Names out;
    for (const auto& e : entries) {
        out.push_back(e.name);
    }
    return out;
}

TEST(FindFiles, SortsIgnoringCaseAndFillsAttributes) {
    TempDir dir;
    for (const char* name : {"Lib/b.wkz", "Lib/A.wkz", "Lib/c.txt", "Lib/README", "Lib/_x.wkz"}) {
        dir.write(name, "bb");
    }
    dir.mkdir("Lib/sub");
    ASSERT_EQ(::symlink(dir.file("Lib").c_str(), dir.file("Lib/loop").c_str()), 0);
    EXPECT_EQ(names(platform::find_files(dir.file("Lib/*"))),
              (Names{".", "..", "A.wkz", "b.wkz", "c.txt", "loop", "README", "sub", "_x.wkz"}));
    const auto entries = platform::find_files(dir.file("lib/?.wkz"));
    ASSERT_EQ(names(entries), (Names{"A.wkz", "b.wkz"}));
    EXPECT_EQ(entries[1].size, 2);
    const auto loop = platform::find_files(dir.file("LIB/LOOP"));
    EXPECT_TRUE(loop.size() == 1 && loop[0].is_directory && loop[0].is_symlink);
    EXPECT_TRUE(platform::find_files(dir.file("nowhere/*")).empty());
    EXPECT_TRUE(platform::find_files(dir.file("Lib/")).empty());
}

}  // namespace
