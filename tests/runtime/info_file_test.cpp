#include "runtime/info_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/filesystem.h"
#include "runtime/fake_clock.h"
#include "runtime/lock_file.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

using locktest::FakeClock;
using locktest::ScopedClock;

struct InfoFiles : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    FakeClock clock;
    ScopedClock installed{&clock};
    int progress_calls = 0;

    static int count(void* context, const char*, int) {
        ++*static_cast<int*>(context);
        return 0;
    }
    void SetUp() override {
        env.set("KVXZONE", dir.path() + "/");
        set_lock_progress(&InfoFiles::count, &progress_calls);
    }
    void TearDown() override {
        info_unlock_all();
        set_lock_progress(nullptr, nullptr);
        set_info_zone_directory("");
    }
};

TEST_F(InfoFiles, NamesAreCutToFiveCharactersAtTheFirstBlank) {
    struct Case {
        const char* name;
        int number;
        const char* file;
    };
    const Case cases[] = {
        {"zone", 1, "zone1"}, {"zoneinfo", 12, "zonei12"}, {"ab cd", 3, "ab3"}, {" lead", 0, "0"},
        {"", 7, "7"},         {"tools", -2, "tools-2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path;
        EXPECT_EQ(info_file_name(c.name, c.number, &path), kStatusOk);
        EXPECT_EQ(path, dir.path() + "/" + c.file + ".inf");
        EXPECT_EQ(info_lock_file_name(c.name, c.number, &path), kStatusOk);
        EXPECT_EQ(path, dir.path() + "/" + c.file + ".lck");
    }
}

TEST_F(InfoFiles, TheZoneDirectoryComesFromTheCallerTheEnvironmentOrIsTheCurrentOne) {
    std::string path;
    set_info_zone_directory("/explicit/zone");
    info_file_name("zone", 2, &path);
    EXPECT_EQ(path, "/explicit/zone/zone2.inf");
    set_info_zone_directory("");
    env.set("KVXZONE", "\\windows\\style\\\\");
    info_file_name("zone", 2, &path);
    EXPECT_EQ(path, "/windows/style/zone2.inf");
    env.set("KVXZONE", std::nullopt);
    info_file_name("zone", 2, &path);
    std::string expected = "zone2.inf";
    EXPECT_EQ(path.substr(path.size() - expected.size()), expected);
    EXPECT_LE(path.size(), std::string("./zone2.inf").size());
    // The expanded name must fit 128 characters.
    env.set("KVXZONE", "/" + std::string(130, 'd'));
    EXPECT_NE(info_file_name("zone", 2, &path), kStatusOk);
}

TEST_F(InfoFiles, LockingAgainWhileStillHeldReturnsAtOnce) {
    int status = -1;
    std::int64_t first = info_lock("zone", 1, &status);
    EXPECT_EQ(status, kLockAcquired);
    EXPECT_NE(first, 0);
    EXPECT_TRUE(platform::exists(dir.file("zone1.lck")));
    int calls = progress_calls;
    clock.now += 5'000;
    EXPECT_EQ(info_lock("zone", 1, &status), first);
    EXPECT_EQ(status, kLockAcquired);
    EXPECT_EQ(progress_calls, calls);  // no acquisition took place

    EXPECT_EQ(info_unlock("zone", 1), kLockReleased);
    EXPECT_FALSE(platform::exists(dir.file("zone1.lck")));
    EXPECT_EQ(info_unlock("zone", 1), 0);
}

TEST_F(InfoFiles, ALockTakenOverByAnotherProcessIsNotFreshAnyMore) {
    int status = -1;
    std::int64_t first = info_lock("zone", 1, &status);
    ASSERT_NE(first, 0);
    std::string path = dir.file("zone1.lck");
    // Another process broke our lock and took it; then it died.
    pid_t child = fork();
    if (child == 0) {
        platform::delete_file(path);
        _exit(create_lock(path) == 0 ? 0 : 1);
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    timespec times[2] = {{static_cast<time_t>(first + 2), 0}, {static_cast<time_t>(first + 2), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);

    std::int64_t again = info_lock("zone", 1, &status);
    EXPECT_EQ(status, kLockBroken);
    EXPECT_NE(again, 0);
    EXPECT_GE(clock.slept, 10'000);
}

TEST_F(InfoFiles, AFullTableGivesUpItsFirstEntry) {
    int status = -1;
    for (int number = 1; number <= kInfoLockEntries; ++number) {
        ASSERT_NE(info_lock("many", number, &status), 0) << number;
    }
    EXPECT_TRUE(platform::exists(dir.file("many1.lck")));
    EXPECT_NE(info_lock("many", 1000, &status), 0);
    EXPECT_FALSE(platform::exists(dir.file("many1.lck")));
    EXPECT_TRUE(platform::exists(dir.file("many2.lck")));
    EXPECT_TRUE(platform::exists(dir.file("many1000.lck")));
    info_unlock_all();
    EXPECT_FALSE(platform::exists(dir.file("many1000.lck")));
    EXPECT_FALSE(platform::exists(dir.file("many500.lck")));
}

TEST_F(InfoFiles, LocksStillHeldAreReleasedWhenTheProcessExits) {
    pid_t child = fork();
    if (child == 0) {
        int status;
        info_lock("exit", 1, &status);
        std::exit(platform::exists(dir.file("exit1.lck")) ? 0 : 1);
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    ASSERT_TRUE(WIFEXITED(wait_status));
    EXPECT_EQ(WEXITSTATUS(wait_status), 0);
    EXPECT_FALSE(platform::exists(dir.file("exit1.lck")));
}

}  // namespace
