#include "runtime/lock_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "runtime/clock.h"
#include "runtime/info_file.h"
#include "runtime/record_diagnostics.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

std::string own_content() {
    return std::to_string(platform::process_id()) + '\0';
}

void set_mtime(const std::string& path, std::int64_t seconds) {
    timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Runs `body` in a child process that ends without its exit handlers; returns the exit status.
int in_child(const std::function<bool()>& body) {
    if (fork() == 0) {
        _exit(body() ? 0 : 1);
    }
    int wait_status = 0;
    wait(&wait_status);
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

// Time moves only when the code under test sleeps.
struct FakeClock : Clock {
    FakeClock() : previous(set_runtime_clock(this)) {}
    ~FakeClock() override { set_runtime_clock(previous); }
    std::int64_t now_milliseconds() override { return now; }
    void sleep_milliseconds(int milliseconds) override {
        now += milliseconds;
        slept += milliseconds;
        if (on_sleep) {
            on_sleep();
        }
    }

    Clock* previous;
    std::int64_t now = 1'000'000;
    std::int64_t slept = 0;
    std::function<void()> on_sleep;
};

struct Locks : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    FakeClock clock;
    std::vector<int> progress;
    int cancel_at = -1;  // elapsed seconds at which the progress callback asks to stop
    std::string path = dir.file("zone1.lck");
    // Another process's lock, known to the lock functions only by its id and its touches.
    std::string foreign = std::to_string(platform::process_id() + 1) + '\0';
    int status = -1;

    static int record_progress(void* context, const char*, int elapsed) {
        auto* self = static_cast<Locks*>(context);
        self->progress.push_back(elapsed);
        return self->cancel_at >= 0 && elapsed >= self->cancel_at ? 1 : 0;
    }
    void SetUp() override {
        env.set(kRecordDebugVariable, std::nullopt);
        set_lock_progress(&Locks::record_progress, this);
        set_wait_progress(&Locks::record_progress, this);
    }
    void TearDown() override {
        set_lock_progress(nullptr, nullptr);
        set_wait_progress(nullptr, nullptr);
    }
    std::string acquire_printing(std::int64_t* time) {
        env.set(kRecordDebugVariable, "1");
        testing::internal::CaptureStdout();
        *time = acquire_lock(path, &status);
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(Locks, AFreeLockIsTakenAtOnceAndOneThatCannotBeCreatedFailsWithoutWaiting) {
    std::int64_t time = acquire_lock(path, &status);
    EXPECT_EQ(time, *platform::modification_time(path));
    EXPECT_EQ(status, kLockAcquired);
    EXPECT_EQ(progress, std::vector<int>{0});  // only the final report, minus status 0
    EXPECT_EQ(testsupport::read_file(path), own_content());
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // The /proc directory refuses files even to root.
    std::vector<std::string> paths = {dir.file("missing/zone1.lck"), "/proc/cutterbase-zone1.lck"};
    if (geteuid() != 0) {
        paths.push_back(dir.mkdir("readonly") + "/zone1.lck");
        chmod(dir.file("readonly").c_str(), 0500);
    }
    for (const auto& locked : paths) {
        EXPECT_EQ(create_lock(locked), -2) << locked;
        EXPECT_EQ(acquire_lock(locked, &status), 0);
        EXPECT_EQ(status, kLockFailed);
    }
    EXPECT_EQ(clock.slept, 0);
    chmod(dir.file("readonly").c_str(), 0700);
}

TEST_F(Locks, ContentsThatAreNotExactlyOurIdBelongToSomeoneElse) {
    std::string own = std::to_string(platform::process_id());
    const std::pair<std::string, int> cases[] = {{own + '\0', 1},
                                                 {own, 1},
                                                 {foreign, -1},
                                                 {own + '\0' + "junk", -1},
                                                 {own + "7" + '\0', -1},
                                                 {"\x01\xfe garbage", -1},
                                                 {"", -1},
                                                 {std::string(4096, '9'), -1}};
    for (const auto& [content, create] : cases) {
        dir.write("zone1.lck", content);
        EXPECT_EQ(create_lock(path), create) << content;
        EXPECT_EQ(check_lock(path, platform::process_id()) != 0, create == 1);
    }
    env.set(kRecordDebugVariable, "1");
    testing::internal::CaptureStdout();
    EXPECT_EQ(check_lock(path, platform::process_id() + 1), 0);
    EXPECT_EQ(check_lock(dir.file("none.lck"), platform::process_id()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout().substr(0, 12), "\nverif error");
}

TEST_F(Locks, ALockKeptFreshByItsOwnerIsNeverBrokenAndWaitingCanBeCancelled) {
    dir.write("zone1.lck", foreign);
    clock.on_sleep = [&] { set_mtime(path, platform::modification_time(path).value_or(0) + 1); };
    cancel_at = 30;
    std::int64_t time = -1;
    std::string printed = acquire_printing(&time);
    EXPECT_EQ(status, kLockCancelled);
    EXPECT_EQ(time, 0);
    EXPECT_EQ(testsupport::read_file(path), foreign);
    EXPECT_GE(clock.slept, 30'000);
    EXPECT_EQ(printed.find("TIME OUT"), std::string::npos);
    EXPECT_NE(printed.find("[Lock " + path), std::string::npos);
    ASSERT_EQ(progress.size(), 32u);  // once a second, then minus the final status
    EXPECT_TRUE(progress[1] == 1 && progress[30] == 30 && progress[31] == -kLockCancelled);
}

TEST_F(Locks, AnAbandonedLockIsBrokenAfterTenSecondsWithoutChange) {
    for (bool crashed : {true, false}) {
        if (crashed) {
            ASSERT_EQ(in_child([&] { return create_lock(path) == 0; }), 0);
        } else {
            dir.write("zone1.lck", "not a process id");
        }
        clock.slept = 0;
        std::int64_t time = 0;
        std::string printed = acquire_printing(&time);
        EXPECT_EQ(status, kLockBroken) << crashed;
        EXPECT_NE(time, 0);
        EXPECT_EQ(testsupport::read_file(path), own_content());
        EXPECT_GE(clock.slept, 10'000);
        EXPECT_LE(clock.slept, 10'200);
        EXPECT_NE(printed.find("TIME OUT [Lock " + path + "] ("), std::string::npos) << printed;
        EXPECT_EQ(progress.back(), -kLockBroken);
        release_lock(path, &status);
        EXPECT_EQ(status, kLockReleased);
    }
}

TEST_F(Locks, ReleaseRemovesOnlyThisProcesssLockAndFreshnessLastsSixSeconds) {
    release_lock(path, &status);
    EXPECT_EQ(status, kLockNotReleased);
    dir.write("zone1.lck", foreign);
    release_lock(path, &status);
    EXPECT_EQ(status, kLockNotReleased);
    EXPECT_TRUE(platform::exists(path));
    set_mtime(path, 1'000'000);
    EXPECT_EQ(lock_is_fresh(path, 999'995), 1);
    EXPECT_EQ(lock_is_fresh(path, 999'994), 0);
    EXPECT_EQ(lock_is_fresh(dir.file("none.lck"), 0), 0);
}

TEST_F(Locks, WaitingForRemovalEndsWithTheFileTheTimeOrTheCallback) {
    const std::tuple<int, int, int, int> cases[] = {
        // seconds to wait (-1: ten), removed after, cancelled after, status
        {5, 0, -1, 0},
        {5, 99, -1, 1},
        {-1, 99, -1, 1},
        {5, 2, -1, 0},
        {5, 99, 1, kLockCancelled}};
    for (const auto& [seconds, removed_after, cancel, expected] : cases) {
        if (removed_after > 0) {
            dir.write("zone1.lck", "x");
        }
        clock.slept = 0;
        cancel_at = cancel;
        clock.on_sleep = [&, removed = removed_after] {
            clock.slept < removed * 1000 || platform::delete_file(path);
        };
        wait_lock_removal(path, &status, seconds);
        EXPECT_EQ(status, expected) << seconds << " " << removed_after;
        EXPECT_EQ(clock.slept / 1000,
                  std::min({seconds < 0 ? 10 : seconds, removed_after, cancel < 0 ? 99 : cancel}));
        EXPECT_EQ(platform::exists(path), cancel > 0);
        platform::delete_file(path);
    }
}

TEST_F(Locks, ZoneInformationNamesAndLocks) {
    env.set("KVXZONE", dir.path() + "/");
    const std::tuple<const char*, int, std::string> names[] = {
        {"zoneinfo", 12, "zonei12"}, {"ab cd", 3, "ab3"}, {" lead", -2, "-2"}};
    std::string name;
    for (const auto& [prefix, number, file] : names) {
        EXPECT_EQ(info_file_name(prefix, number, &name), kStatusOk);
        EXPECT_EQ(name, dir.file(file) + ".inf");
        EXPECT_EQ(info_lock_file_name(prefix, number, &name), kStatusOk);
        EXPECT_EQ(name, dir.file(file) + ".lck");
    }
    env.set("KVXZONE", "/" + std::string(130, 'd'));  // beyond 128 characters
    EXPECT_NE(info_file_name("zone", 2, &name), kStatusOk);
    set_info_zone_directory(dir.path());

    // Locking again while the lock is held returns at once.
    std::int64_t first = info_lock("zone", 1, &status);
    EXPECT_EQ(status, kLockAcquired);
    clock.now += 5'000;
    EXPECT_EQ(info_lock("zone", 1, &status), first);
    EXPECT_EQ(progress.size(), 1u);
    // Another process broke our lock, took it, and died: ours is no longer fresh.
    in_child([&] { return platform::delete_file(path) && create_lock(path) == 0; });
    set_mtime(path, first + 2);
    EXPECT_NE(info_lock("zone", 1, &status), 0);
    EXPECT_EQ(status, kLockBroken);
    EXPECT_EQ(info_unlock("zone", 1), kLockReleased);
    EXPECT_EQ(info_unlock("zone", 1), 0);

    // A full table gives up its first entry; the rest go when the process exits.
    EXPECT_EQ(in_child([&]() -> bool {
                  for (int number = 1; number <= kInfoLockEntries + 1; ++number) {
                      info_lock("many", number, &status);
                  }
                  std::exit(!platform::exists(dir.file("many1.lck")) &&
                                    platform::exists(dir.file("many2.lck"))
                                ? 0
                                : 1);
              }),
              0);
    EXPECT_FALSE(platform::exists(dir.file("many2.lck")));
    set_info_zone_directory("");
}

}  // namespace
