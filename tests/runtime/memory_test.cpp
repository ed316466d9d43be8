#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "runtime/fatal_text.h"
#include "runtime/memory.h"
#include "runtime/memory_internal.h"

namespace {

// The three header words in front of the user area: size, tag, block number.
std::uint32_t header_word(void* area, int index) {
    std::uint32_t word;
    std::memcpy(&word, static_cast<unsigned char*>(area) - 12 + 4 * index, 4);
    return word;
}

struct Allocator : ::testing::Test {
    void TearDown() override {
        set_memory_budget(std::nullopt);
        set_system_allocation_limit(std::nullopt);
    }
};

TEST_F(Allocator, HeadersTagAndNumberBlocksAndCountersFollowBothKinds) {
    MemoryCounters before = memory_counters();
    void* permanent = Kmallocp(40);
    void* temporary = Kmalloc(24);
    ASSERT_TRUE(permanent && temporary);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(permanent) % alignof(std::max_align_t), 0u);
    EXPECT_EQ(header_word(permanent, 0), 40u);
    EXPECT_EQ(header_word(permanent, 1), kPermanentBlockTag);
    EXPECT_EQ(header_word(permanent, 2), before.allocations);
    EXPECT_EQ(header_word(temporary, 1), kTemporaryBlockTag);
    EXPECT_EQ(header_word(temporary, 2), before.allocations + 1);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes + 64);

    permanent = Kreallocp(permanent, 100);
    temporary = Krealloc(temporary, 10);
    EXPECT_EQ(header_word(permanent, 2), before.allocations);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes + 110);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes + 100);
    EXPECT_EQ(Kfree(permanent) + Kfree(temporary), 0);
    EXPECT_EQ(Kfree(nullptr), -1);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes);
}

TEST_F(Allocator, BudgetRefusesOnlyPermanentRequestsAbove1024BytesSilently) {
    EXPECT_EQ(memory_detail::budget_from_free_memory(UINT64_MAX), UINT64_MAX / 10 * 7 + 3);
    std::uint64_t available = memory_detail::available_system_memory();
    EXPECT_GT(memory_budget(), available / 2);
    EXPECT_LT(memory_budget(), available);

    set_memory_budget(memory_counters().permanent_bytes + 2000);
    void* small = Kmallocp(1024);
    ASSERT_NE(small, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Kmallocp(1025), nullptr);
    EXPECT_EQ(Kreallocp(small, 2048), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    small = Kreallocp(small, 1025);  // growth counts by its increase
    ASSERT_NE(small, nullptr);
    void* second = Kmallocp(1024);
    void* shrunk = Kreallocp(small, 10);
    void* temporary = Kmalloc(1 << 16);
    EXPECT_TRUE(second && shrunk && temporary);
    Kfree(shrunk);
    Kfree(second);
    Kfree(temporary);
}

TEST_F(Allocator, ExhaustedSystemWarnsAndKeepsTheOldBlock) {
    set_system_allocation_limit(4096);
    void* permanent = Kmallocp(16);
    void* temporary = Kmalloc(16);
    std::memcpy(permanent, "kept", 5);
    MemoryCounters before = memory_counters();
    testing::internal::CaptureStderr();
    EXPECT_EQ(Kmallocp(5000), nullptr);
    EXPECT_EQ(Kmalloc(5000), nullptr);
    EXPECT_EQ(Kreallocp(permanent, 5000), nullptr);
    EXPECT_EQ(Krealloc(temporary, 5000), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Kmallocp: No more memory !Kmalloc(5000) : No more memory !"
              "Kreallocp: unable to increase size from 16 to 5000."
              "Krealloc: unable to increase size from 16 to 5000.");
    EXPECT_STREQ(static_cast<char*>(permanent), "kept");
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    EXPECT_EQ(Kfree(permanent) + Kfree(temporary), 0);
}

TEST(AllocatorMisuse, EndsTheProcessWithItsText) {
    void* live_temporary = Kmalloc(8);
    std::string temporary_number = std::to_string(header_word(live_temporary, 2));
    void* freed = Kmallocp(8);
    std::string freed_number = std::to_string(header_word(freed, 2));
    Kfree(freed);
    int on_stack = 0;
    void* foreign = &on_stack;
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { Kfree(freed); }, "Trying to free previously freed memory"},
        {[&] { Kfree(foreign); }, "Trying to free not allocated or corrupted memory"},
        {[&] { Kreallocp(live_temporary, 16); },
         "Trying to reallocp temporary allocated memory#" + temporary_number},
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
             std::memset(area - 8, 0x55, 4);
             Kfree(area);
         },
         "Trying to free not allocated or corrupted memory"}};
    for (const auto& [misuse, text] : cases) {
        EXPECT_EXIT(misuse(), ::testing::ExitedWithCode(255), "^" + literal_pattern(text) + "$");
    }
    Kfree(live_temporary);
}

}  // namespace
