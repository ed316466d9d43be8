#include "runtime/lock_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/filesystem.h"
#include "runtime/clock.h"
#include "runtime/record_diagnostics.h"
#include "support/test_support.h"

namespace {

void set_mtime(const std::string& path, std::int64_t seconds) {
    timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Time moves only when the code under test sleeps; another process's lock is known to the lock
// functions only by its id and its touches.
struct Locks : ::testing::Test, Clock {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    Clock* previous = set_runtime_clock(this);
    std::int64_t now = 1'000'000, slept = 0;
    std::function<void()> on_sleep;
    std::vector<int> progress;
    int cancel_at = -1;  // elapsed seconds at which the progress callback asks to stop
    std::string path = dir.file("zone1.lck");
    const std::string own = std::to_string(platform::process_id()) + '\0';
    const std::string foreign = std::to_string(platform::process_id() + 1) + '\0';
    int status = -1;

    std::int64_t now_milliseconds() override { return now; }
    void sleep_milliseconds(int milliseconds) override {
        now += milliseconds;
        slept += milliseconds;
        if (on_sleep) {
            on_sleep();
        }
    }
    static int record_progress(void* context, const char*, int elapsed) {
        auto* self = static_cast<Locks*>(context);
        self->progress.push_back(elapsed);
        return self->cancel_at >= 0 && elapsed >= self->cancel_at ? 1 : 0;
    }
    void SetUp() override {
        env.set(kRecordDebugVariable, "1");
        set_lock_progress(&Locks::record_progress, this);
    }
    void TearDown() override {
        set_lock_progress(nullptr, nullptr);
        set_runtime_clock(previous);
    }
};

TEST_F(Locks, OnlyExactlyOurIdIsOursAndAFreeLockIsTakenAtOnce) {
    const std::string id = own.substr(0, own.size() - 1);
    const std::pair<std::string, int> contents[] = {
        {own, 1}, {id, 1}, {foreign, -1}, {own + "junk", -1}, {id + "7" + '\0', -1}, {"", -1}};
    for (const auto& [content, create] : contents) {
        dir.write("zone1.lck", content);
        EXPECT_EQ(create_lock(path), create) << content;
        EXPECT_EQ(check_lock(path, platform::process_id()) != 0, create == 1);
    }
    release_lock(path, &status);
    EXPECT_TRUE(status == kLockNotReleased && platform::exists(path));
    set_mtime(path, 1'000'000);
    EXPECT_EQ(lock_is_fresh(path, 999'995) * 2 + lock_is_fresh(path, 999'994), 2);
    platform::delete_file(path);
    const std::int64_t time = acquire_lock(path, &status);
    EXPECT_EQ(time, *platform::modification_time(path));
    EXPECT_EQ(status, kLockAcquired);
    EXPECT_EQ(progress, std::vector<int>{0});  // only the final report, minus status 0
    EXPECT_EQ(testsupport::read_file(path), own);
    struct stat info;
    EXPECT_TRUE(stat(path.c_str(), &info) == 0 && (info.st_mode & 0777) == 0600);
    EXPECT_EQ(acquire_lock(dir.file("missing/zone1.lck"), &status), 0);
    EXPECT_TRUE(status == kLockFailed && slept == 0);
}

TEST_F(Locks, ALockKeptFreshIsNeverBrokenAnAbandonedOneAfterTenSeconds) {
    dir.write("zone1.lck", foreign);
    on_sleep = [&] { set_mtime(path, platform::modification_time(path).value_or(0) + 1); };
    cancel_at = 30;
    testing::internal::CaptureStdout();
    EXPECT_EQ(acquire_lock(path, &status), 0);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, kLockCancelled);
    EXPECT_EQ(testsupport::read_file(path), foreign);
    EXPECT_EQ(printed.find("TIME OUT"), std::string::npos);
    ASSERT_EQ(progress.size(), 32u);  // once a second, then minus the final status
    EXPECT_TRUE(progress[1] == 1 && progress[30] == 30 && progress[31] == -kLockCancelled);

    on_sleep = nullptr;
    slept = 0;
    testing::internal::CaptureStdout();
    EXPECT_NE(acquire_lock(path, &status), 0);
    printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, kLockBroken);
    EXPECT_EQ(testsupport::read_file(path), own);
    EXPECT_TRUE(slept >= 10'000 && slept <= 10'200) << slept;
    EXPECT_NE(printed.find("TIME OUT [Lock " + path + "] ("), std::string::npos) << printed;
    release_lock(path, &status);
    EXPECT_TRUE(status == kLockReleased && !platform::exists(path));
}

}  // namespace
