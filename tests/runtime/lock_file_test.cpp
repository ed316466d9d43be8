#include "runtime/lock_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "runtime/fake_clock.h"
#include "runtime/record_diagnostics.h"
#include "support/test_support.h"

namespace {

using locktest::FakeClock;
using locktest::ScopedClock;

std::string pid_content(unsigned long pid) {
    return std::to_string(pid) + std::string(1, '\0');
}

std::string own_content() {
    return pid_content(platform::process_id());
}

void set_mtime(const std::string& path, std::int64_t seconds) {
    timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Another process that takes the lock and, on each request, touches it as a live owner does.
class LockOwner {
public:
    explicit LockOwner(const std::string& path) {
        int to_child[2];
        int to_parent[2];
        if (pipe(to_child) != 0 || pipe(to_parent) != 0) {
            ADD_FAILURE() << "pipe";
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(to_child[1]);
            close(to_parent[0]);
            char ack = create_lock(path) == 0 ? 'r' : 'f';
            std::int64_t stamp = platform::modification_time(path).value_or(0);
            if (write(to_parent[1], &ack, 1) != 1) {
                _exit(1);
            }
            char request;
            while (read(to_child[0], &request, 1) == 1) {
                set_mtime(path, ++stamp);
                if (write(to_parent[1], &ack, 1) != 1) {
                    break;
                }
            }
            _exit(0);
        }
        close(to_child[0]);
        close(to_parent[1]);
        request_ = to_child[1];
        reply_ = to_parent[0];
        char ready = 0;
        EXPECT_EQ(read(reply_, &ready, 1), 1);
        EXPECT_EQ(ready, 'r');
    }
    ~LockOwner() {
        close(request_);
        close(reply_);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    void touch() {
        char c = 't';
        ASSERT_EQ(write(request_, &c, 1), 1);
        ASSERT_EQ(read(reply_, &c, 1), 1);
    }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int request_ = -1;
    int reply_ = -1;
};

// A process that took the lock and ended without releasing it.
void crashed_owner(const std::string& path) {
    pid_t child = fork();
    if (child == 0) {
        _exit(create_lock(path) == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

struct ProgressLog {
    std::vector<int> calls;
    int cancel_at = -1;  // elapsed seconds at which the callback asks to stop

    static int record(void* context, const char*, int elapsed) {
        auto* log = static_cast<ProgressLog*>(context);
        log->calls.push_back(elapsed);
        return log->cancel_at >= 0 && elapsed >= log->cancel_at ? 1 : 0;
    }
};

struct Locks : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedEnv env;
    FakeClock clock;
    ScopedClock installed{&clock};
    ProgressLog progress;
    std::string path = dir.file("zone1.lck");

    void SetUp() override {
        env.set(kRecordDebugVariable, std::nullopt);
        set_lock_progress(&ProgressLog::record, &progress);
        set_wait_progress(&ProgressLog::record, &progress);
    }
    void TearDown() override {
        set_lock_progress(nullptr, nullptr);
        set_wait_progress(nullptr, nullptr);
    }
};

TEST_F(Locks, CreateWritesTheProcessIdAndRecognisesItsOwnLock) {
    EXPECT_EQ(create_lock(path), 0);
    EXPECT_EQ(testsupport::read_file(path), own_content());
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(create_lock(path), 1);
    EXPECT_EQ(check_lock(path, platform::process_id()), *platform::modification_time(path));
    EXPECT_EQ(create_lock(dir.file("missing/zone1.lck")), -2);
}

TEST_F(Locks, ContentsThatAreNotExactlyOurIdBelongToSomeoneElse) {
    struct Case {
        const char* what;
        std::string content;
        int create;
        const char* diagnostic;  // printed by check_lock with diagnostics on
    };
    std::string own = std::to_string(platform::process_id());
    const Case cases[] = {
        {"our id", own_content(), 1, ""},
        {"our id without the zero byte", own, 1, ""},
        {"another process", pid_content(platform::process_id() + 1), -1, "\nverif error"},
        {"our id and more", own_content() + "junk", -1, "\nverif error"},
        {"our id as a prefix", own + "7" + std::string(1, '\0'), -1, "\nverif error"},
        {"garbage", "\x01\xfe garbage", -1, "\nverif error"},
        {"empty", "", -1, "\nread error : nblu = 0\n\n"},
        {"long", std::string(4096, '9'), -1, "\nverif error"},
    };
    env.set(kRecordDebugVariable, "1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("zone1.lck", c.content);
        EXPECT_EQ(create_lock(path), c.create);
        testing::internal::CaptureStdout();
        std::int64_t time = check_lock(path, platform::process_id());
        std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(time != 0, c.create == 1);
        EXPECT_EQ(printed.substr(0, std::strlen(c.diagnostic)), c.diagnostic);
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(check_lock(dir.file("none.lck"), platform::process_id()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nstat error : nomfic = " + dir.file("none.lck") + "\n\n");
}

TEST_F(Locks, AFreeLockIsTakenAtOnce) {
    int status = -1;
    std::int64_t time = acquire_lock(path, &status);
    EXPECT_EQ(status, kLockAcquired);
    EXPECT_EQ(time, *platform::modification_time(path));
    EXPECT_EQ(clock.slept, 0);
    EXPECT_EQ(progress.calls, std::vector<int>{0});  // only the final report, minus status 0
}

TEST_F(Locks, ALockKeptFreshByItsOwnerIsNeverBrokenAndWaitingCanBeCancelled) {
    LockOwner owner(path);
    clock.on_sleep = [&] { owner.touch(); };
    progress.cancel_at = 30;
    env.set(kRecordDebugVariable, "1");
    testing::internal::CaptureStdout();
    int status = -1;
    std::int64_t time = acquire_lock(path, &status);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, kLockCancelled);
    EXPECT_EQ(time, 0);
    EXPECT_EQ(testsupport::read_file(path), pid_content(static_cast<unsigned long>(owner.pid())));
    EXPECT_GE(clock.slept, 30'000);
    EXPECT_EQ(printed.find("TIME OUT"), std::string::npos);
    // One lock-change line per touch.
    std::size_t changes = 0;
    for (auto at = printed.find("[Lock "); at != std::string::npos;
         at = printed.find("[Lock ", at + 1)) {
        ++changes;
    }
    EXPECT_GE(changes, 140u);
    // At most once a second, then minus the final status.
    ASSERT_EQ(progress.calls.size(), 32u);
    for (int second = 0; second <= 30; ++second) {
        EXPECT_EQ(progress.calls[static_cast<std::size_t>(second)], second);
    }
    EXPECT_EQ(progress.calls.back(), -kLockCancelled);
}

TEST_F(Locks, AnAbandonedLockIsBrokenAfterTenSecondsWithoutChange) {
    struct Case {
        const char* what;
        void (*leave)(const std::string& path, const testsupport::TempDir& dir);
    };
    const Case cases[] = {
        {"crashed process",
         [](const std::string& p, const testsupport::TempDir&) { crashed_owner(p); }},
        {"garbage",
         [](const std::string&, const testsupport::TempDir& d) {
             d.write("zone1.lck", "not a process id");
         }},
    };
    env.set(kRecordDebugVariable, "1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.leave(path, dir);
        clock.slept = 0;
        progress.calls.clear();
        testing::internal::CaptureStdout();
        int status = -1;
        std::int64_t time = acquire_lock(path, &status);
        std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, kLockBroken);
        EXPECT_NE(time, 0);
        EXPECT_EQ(testsupport::read_file(path), own_content());
        EXPECT_GE(clock.slept, 10'000);
        EXPECT_LE(clock.slept, 10'200);
        EXPECT_NE(printed.find("TIME OUT [Lock " + path + "] ("), std::string::npos) << printed;
        EXPECT_EQ(progress.calls.back(), -kLockBroken);
        int released = 0;
        release_lock(path, &released);
        EXPECT_EQ(released, kLockReleased);
    }
}

TEST_F(Locks, ALockThatCannotBeCreatedFailsWithoutWaiting) {
    int status = -1;
    EXPECT_EQ(acquire_lock(dir.file("missing/zone1.lck"), &status), 0);
    EXPECT_EQ(status, kLockFailed);
    EXPECT_EQ(clock.slept, 0);
    // A directory nobody can create files in, root included.
    EXPECT_EQ(create_lock("/proc/cutterbase-zone1.lck"), -2);
    EXPECT_EQ(acquire_lock("/proc/cutterbase-zone1.lck", &status), 0);
    EXPECT_EQ(status, kLockFailed);
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root from writing";
    }
    std::string locked = dir.mkdir("readonly");
    chmod(locked.c_str(), 0500);
    EXPECT_EQ(create_lock(locked + "/zone1.lck"), -2);
    EXPECT_EQ(acquire_lock(locked + "/zone1.lck", &status), 0);
    EXPECT_EQ(status, kLockFailed);
    chmod(locked.c_str(), 0700);
}

TEST_F(Locks, ReleaseRemovesOnlyThisProcesssLock) {
    int status = 0;
    create_lock(path);
    release_lock(path, &status);
    EXPECT_EQ(status, kLockReleased);
    EXPECT_FALSE(platform::exists(path));
    release_lock(path, &status);  // already gone
    EXPECT_EQ(status, kLockNotReleased);
    {
        LockOwner owner(path);
        release_lock(path, &status);
        EXPECT_EQ(status, kLockNotReleased);
        EXPECT_TRUE(platform::exists(path));
    }
    // With its directory gone, the bare name in the current directory is tried.
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    dir.write("bare.lck", own_content());
    release_lock(dir.file("gone/bare.lck"), &status);
    EXPECT_EQ(status, kLockReleased);
    EXPECT_FALSE(platform::exists(dir.file("bare.lck")));
    release_lock(dir.file("gone/bare.lck"), &status);
    EXPECT_EQ(status, kLockNotReleased);
    ASSERT_EQ(chdir(previous), 0);
}

TEST_F(Locks, FreshMeansModifiedLessThanSixSecondsAfterTheGivenTime) {
    dir.write("zone1.lck", own_content());
    set_mtime(path, 1'000'000);
    EXPECT_EQ(lock_is_fresh(path, 1'000'000), 1);
    EXPECT_EQ(lock_is_fresh(path, 999'995), 1);
    EXPECT_EQ(lock_is_fresh(path, 999'994), 0);
    EXPECT_EQ(lock_is_fresh(dir.file("none.lck"), 0), 0);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    EXPECT_EQ(lock_is_fresh("/nonexistent/zone1.lck", 1'000'000), 1);
    ASSERT_EQ(chdir(previous), 0);
}

TEST_F(Locks, WaitingForRemoval) {
    int status = -1;
    wait_lock_removal(path, &status, 5);
    EXPECT_EQ(status, 0);

    dir.write("zone1.lck", "x");
    wait_lock_removal(path, &status, 5);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(platform::exists(path));
    EXPECT_GE(clock.slept, 5'000);
    EXPECT_LT(clock.slept, 5'400);

    dir.write("zone1.lck", "x");
    clock.slept = 0;
    wait_lock_removal(path, &status, -1);  // ten seconds
    EXPECT_EQ(status, 1);
    EXPECT_GE(clock.slept, 10'000);

    dir.write("zone1.lck", "x");
    clock.slept = 0;
    clock.on_sleep = [&] {
        if (clock.slept >= 2'000) {
            platform::delete_file(path);
        }
    };
    wait_lock_removal(path, &status, 5);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(clock.slept, 2'000);

    dir.write("zone1.lck", "x");
    progress.calls.clear();
    progress.cancel_at = 1;
    clock.on_sleep = nullptr;
    wait_lock_removal(path, &status, 5);
    EXPECT_EQ(status, kLockCancelled);
    EXPECT_TRUE(platform::exists(path));
    EXPECT_EQ(progress.calls, (std::vector<int>{0, 1, -kLockCancelled}));
}

}  // namespace
