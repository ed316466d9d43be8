// FIFOs, devices, directories that can only grow and the file-size limit: none may hang a
// reader, kill a writer or leave a temporary file behind.

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

#include "platform/filesystem.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using testsupport::TempDir;

std::size_t entry_count(const std::string& directory) {
    return platform::find_files(directory + "/*").size() - 2;
}

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
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(std::fgetc(stream), '[');
    std::fclose(stream);
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
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(created);
    EXPECT_EQ(entries, 1u);
    EXPECT_EQ(testsupport::read_file(dir.file("t.ini")), "old");
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
    EXPECT_EQ(testsupport::read_file(dir.file("t.ini")), "old");
}

}  // namespace
