#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "runtime/dynamic_storage.h"
#include "runtime/memory.h"
#include "runtime/message_files.h"

namespace {

std::string block_number(void* area) {  // the third header word in front of the user area
    std::uint32_t word;
    std::memcpy(&word, static_cast<unsigned char*>(area) - 4, 4);
    return std::to_string(word);
}

struct Allocator : ::testing::Test {
    void TearDown() override {
        set_memory_budget(std::nullopt);
        set_system_allocation_limit(std::nullopt);
    }
};

TEST_F(Allocator, CountersFollowBothKindsAndTheBudgetRefusesOnlyLargePermanentRequests) {
    MemoryCounters before = memory_counters();
    void* permanent = Kreallocp(Kmallocp(40), 100);
    void* temporary = Krealloc(Kmalloc(24), 10);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(permanent) % alignof(std::max_align_t), 0u);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes + 110);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes + 100);
    EXPECT_EQ(Kfree(permanent) + Kfree(temporary), 0);
    EXPECT_EQ(Kfree(nullptr), -1);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    set_memory_budget(memory_counters().permanent_bytes + 2000);
    void* small = Kmallocp(1024);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Kmallocp(1025), nullptr);
    EXPECT_EQ(Kreallocp(small, 2048), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a refusal is silent
    small = Kreallocp(small, 1025);                         // growth counts by its increase
    void* second = Kmallocp(1024);
    void* shrunk = Kreallocp(small, 10);
    temporary = Kmalloc(1 << 16);
    EXPECT_TRUE(second && shrunk && temporary);
    EXPECT_EQ(Kfree(shrunk) + Kfree(second) + Kfree(temporary), 0);
}

TEST_F(Allocator, ExhaustedSystemWarnsAndKeepsTheOldBlock) {
    set_system_allocation_limit(4096);
    void* permanent = Kmallocp(16);
    void* temporary = Kmalloc(16);
    std::memcpy(permanent, "kept", 5);
    MemoryCounters before = memory_counters();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(!Kmallocp(5000) && !Kmalloc(5000) && !Kreallocp(permanent, 5000) &&
                !Krealloc(temporary, 5000));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Kmallocp: No more memory !Kmalloc(5000) : No more memory !"
              "Kreallocp: unable to increase size from 16 to 5000."
              "Krealloc: unable to increase size from 16 to 5000.");
    EXPECT_STREQ(static_cast<char*>(permanent), "kept");
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    EXPECT_EQ(Kfree(permanent) + Kfree(temporary), 0);
}

TEST_F(Allocator, DynamicStorageRefusesWhatItCannotHoldAndStaysUsable) {
    DynamicStorage* storage = dynamic_storage_create(1024);
    EXPECT_EQ(dynamic_storage_append(storage, 5), 0);
    EXPECT_EQ(dynamic_storage_append_text(storage, std::string_view("a\0b", 3)), 8);
    EXPECT_EQ(std::memcmp(dynamic_storage_address(storage, 8), "a\0b\0", 4), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_address(storage, storage->used), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Dynamic storage: trying to access unallocated memory\n");
    set_memory_budget(memory_counters().permanent_bytes + 512);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_append(storage, 2000), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Dynamic storage: no more memory, could not expand from 1024 to 2048 bytes\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_append(storage, std::size_t{1} << 40), -1);
    EXPECT_EQ(dynamic_storage_append(storage, 0x7FFFFFFF), -1);
    // The wanted size is reported whole, not wrapped to a negative number.
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("to -"), std::string::npos);
    EXPECT_EQ(dynamic_storage_append(storage, 1000), 12);
    dynamic_storage_free(storage);
    EXPECT_EQ(dynamic_storage_create(0), nullptr);
}

TEST(AllocatorMisuse, EndsTheProcessWithItsText) {
    void* live_temporary = Kmalloc(8);
    void* freed = Kmallocp(8);
    std::string freed_number = block_number(freed);
    Kfree(freed);
    int on_stack = 0;
    void* foreign = &on_stack;
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { Kfree(freed); }, "Trying to free previously freed memory"},
        {[&] { Kfree(foreign); }, "Trying to free not allocated or corrupted memory"},
        {[&] { Kreallocp(live_temporary, 16); },
         "Trying to reallocp temporary allocated memory#" + block_number(live_temporary)},
        {[&] { Kreallocp(freed, 16); },
         "Trying to reallocp previously freed memory #" + freed_number},
        {[&] { Kreallocp(foreign, 16); },
         "Trying to reallocp not allocated or corrupted memory #-1"},
        {[&] { Krealloc(Kmallocp(8), 16); },
         "Trying to realloc (tmp) permanently allocated memory"},
        {[&] { Krealloc(freed, 16); }, "Trying to realloc previously freed memory"},
        {[&] { Krealloc(foreign, 16); },
         "Trying to realloc (tmp) not allocated or corrupted memory"},
        {[&] {
             auto* area = static_cast<unsigned char*>(Kmalloc(8));
             std::memset(area - 8, 0x55, 4);  // the tag word
             Kfree(area);
         },
         "Trying to free not allocated or corrupted memory"}};
    for (const auto& [misuse, text] : cases) {
        EXPECT_EXIT(misuse(), ::testing::ExitedWithCode(255), ::testing::StrEq(text));
    }
    Kfree(live_temporary);
}

// A database that lives to the end of the process, as the environment's does, must not look
// leaked to the leak checker of the asan build when one of its sections is empty.
TEST(EmptyBlocks, AnEmptySectionKeptToTheEndIsStillReferenced) {
    static MessageDatabase* kept = nullptr;
    MessageFiles files;
    kept = files.load("[var]\nA = 1\n[empty]\n");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(get_value(kept, find_section(kept, "var"), "A"), "1");
    void* empty = Kmallocp(0);
    EXPECT_EQ(Kfree(empty), 0);
}

}  // namespace
