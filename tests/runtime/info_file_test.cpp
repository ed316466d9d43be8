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

struct InfoFiles : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    locktest::FakeClock clock;
    locktest::ScopedClock installed{&clock};
    int progress_calls = 0;
    int status = -1;

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

TEST_F(InfoFiles, NamesAreCutToFiveCharactersInTheZoneDirectory) {
    const std::tuple<const char*, int, std::string> cases[] = {
        {"zone", 1, dir.file("zone1")},
        {"zoneinfo", 12, dir.file("zonei12")},
        {"ab cd", 3, dir.file("ab3")},
        {" lead", 0, dir.file("0")},
        {"tools", -2, dir.file("tools-2")}};
    std::string path;
    for (const auto& [name, number, file] : cases) {
        EXPECT_EQ(info_file_name(name, number, &path), kStatusOk);
        EXPECT_EQ(path, file + ".inf");
        EXPECT_EQ(info_lock_file_name(name, number, &path), kStatusOk);
        EXPECT_EQ(path, file + ".lck");
    }
    set_info_zone_directory("/explicit/zone");
    info_file_name("zone", 2, &path);
    EXPECT_EQ(path, "/explicit/zone/zone2.inf");
    set_info_zone_directory("");
    env.set("KVXZONE", "\\windows\\style\\\\");
    info_file_name("zone", 2, &path);
    EXPECT_EQ(path, "/windows/style/zone2.inf");
    env.set("KVXZONE", "/" + std::string(130, 'd'));  // beyond 128 characters
    EXPECT_NE(info_file_name("zone", 2, &path), kStatusOk);
}

TEST_F(InfoFiles, LockingAgainWhileStillHeldReturnsAtOnce) {
    std::int64_t first = info_lock("zone", 1, &status);
    EXPECT_EQ(status, kLockAcquired);
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
    std::int64_t first = info_lock("zone", 1, &status);
    ASSERT_NE(first, 0);
    std::string path = dir.file("zone1.lck");
    if (fork() == 0) {  // another process broke our lock, took it, and died
        platform::delete_file(path);
        _exit(create_lock(path) == 0 ? 0 : 1);
    }
    wait(nullptr);
    timespec times[2] = {{static_cast<time_t>(first + 2), 0}, {static_cast<time_t>(first + 2), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
    EXPECT_NE(info_lock("zone", 1, &status), 0);
    EXPECT_EQ(status, kLockBroken);
    EXPECT_GE(clock.slept, 10'000);
}

TEST_F(InfoFiles, AFullTableGivesUpItsFirstEntryAndExitReleasesTheRest) {
    for (int number = 1; number <= kInfoLockEntries; ++number) {
        ASSERT_NE(info_lock("many", number, &status), 0) << number;
    }
    EXPECT_NE(info_lock("many", 1000, &status), 0);
    EXPECT_FALSE(platform::exists(dir.file("many1.lck")));
    EXPECT_TRUE(platform::exists(dir.file("many2.lck")));
    info_unlock_all();
    EXPECT_FALSE(platform::exists(dir.file("many1000.lck")));

    if (fork() == 0) {
        info_lock("exit", 1, &status);
        std::exit(platform::exists(dir.file("exit1.lck")) ? 0 : 1);
    }
    int wait_status = 0;
    wait(&wait_status);
    EXPECT_TRUE(WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0);
    EXPECT_FALSE(platform::exists(dir.file("exit1.lck")));
}

}  // namespace
