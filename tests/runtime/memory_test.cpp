#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "runtime/fatal_text.h"
#include "runtime/memory.h"
#include "runtime/memory_internal.h"

namespace {

// The three header words directly in front of the user area.
struct HeaderWords {
    std::uint32_t size;
    std::uint32_t tag;
    std::uint32_t number;
};
HeaderWords header_words(void* area) {
    HeaderWords words;
    std::memcpy(&words, static_cast<unsigned char*>(area) - sizeof words, sizeof words);
    return words;
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
    ASSERT_NE(permanent, nullptr);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(permanent) % alignof(std::max_align_t), 0u);

    HeaderWords p = header_words(permanent);
    HeaderWords t = header_words(temporary);
    EXPECT_EQ(p.size, 40u);
    EXPECT_EQ(p.tag, kPermanentBlockTag);
    EXPECT_EQ(p.number, before.allocations);
    EXPECT_EQ(t.tag, kTemporaryBlockTag);
    EXPECT_EQ(t.number, before.allocations + 1);

    MemoryCounters during = memory_counters();
    EXPECT_EQ(during.total_bytes, before.total_bytes + 64);
    EXPECT_EQ(during.permanent_bytes, before.permanent_bytes + 40);

    permanent = Kreallocp(permanent, 100);
    temporary = Krealloc(temporary, 10);
    EXPECT_EQ(header_words(permanent).number, before.allocations);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes + 110);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes + 100);

    EXPECT_EQ(Kfree(permanent), 0);
    EXPECT_EQ(Kfree(temporary), 0);
    EXPECT_EQ(Kfree(nullptr), -1);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes);
}

TEST_F(Allocator, BudgetRefusesOnlyPermanentRequestsAbove1024Bytes) {
    set_memory_budget(memory_counters().permanent_bytes + 2000);
    void* small = Kmallocp(1024);
    ASSERT_NE(small, nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Kmallocp(1025), nullptr);
    EXPECT_EQ(Kreallocp(small, 2048), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a refusal is silent";
    // Growth counts by its increase, not by the new size.
    small = Kreallocp(small, 1025);
    ASSERT_NE(small, nullptr);
    // Not refused: the budget free sizes, shrinking, and temporary blocks.
    void* second = Kmallocp(1024);
    EXPECT_NE(second, nullptr);
    void* shrunk = Kreallocp(small, 10);
    EXPECT_NE(shrunk, nullptr);
    void* temporary = Kmalloc(1 << 16);
    EXPECT_NE(temporary, nullptr);
    Kfree(shrunk);
    Kfree(second);
    Kfree(temporary);
}

TEST_F(Allocator, BudgetIsSeventyPercentOfAvailableMemory) {
    EXPECT_EQ(memory_detail::budget_from_free_memory(1000), 700u);
    EXPECT_EQ(memory_detail::budget_from_free_memory(19), 13u);
    EXPECT_EQ(memory_detail::budget_from_free_memory(UINT64_MAX), UINT64_MAX / 10 * 7 + 3);
    std::uint64_t available = memory_detail::available_system_memory();
    ASSERT_GT(available, 0u);
    set_memory_budget(std::nullopt);
    std::uint64_t budget = memory_budget();
    EXPECT_GT(budget, available / 2);
    EXPECT_LT(budget, available);
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
              "Kmallocp: No more memory !"
              "Kmalloc(5000) : No more memory !"
              "Kreallocp: unable to increase size from 16 to 5000."
              "Krealloc: unable to increase size from 16 to 5000.");
    EXPECT_STREQ(static_cast<char*>(permanent), "kept");
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
    EXPECT_EQ(Kfree(permanent), 0);
    EXPECT_EQ(Kfree(temporary), 0);
}

struct MisuseCase {
    const char* name;
    std::function<void()> misuse;
    std::string text;
};

TEST(AllocatorMisuse, EndsTheProcessWithItsText) {
    // Block numbers are fixed once the block exists, so the cases compute them up front.
    void* live_temporary = Kmalloc(8);
    int temporary_number = static_cast<int>(header_words(live_temporary).number);
    void* freed = Kmallocp(8);
    int freed_number = static_cast<int>(header_words(freed).number);
    Kfree(freed);
    int on_stack = 0;
    void* foreign = &on_stack;

    const MisuseCase cases[] = {
        {"double free", [&] { Kfree(freed); }, "Trying to free previously freed memory"},
        {"free foreign", [&] { Kfree(foreign); },
         "Trying to free not allocated or corrupted memory"},
        {"reallocp temporary", [&] { Kreallocp(live_temporary, 16); },
         "Trying to reallocp temporary allocated memory#" + std::to_string(temporary_number)},
        {"reallocp freed", [&] { Kreallocp(freed, 16); },
         "Trying to reallocp previously freed memory #" + std::to_string(freed_number)},
        {"reallocp foreign", [&] { Kreallocp(foreign, 16); },
         "Trying to reallocp not allocated or corrupted memory #-1"},
        {"realloc permanent",
         [&] {
             void* permanent = Kmallocp(8);
             Krealloc(permanent, 16);
         },
         "Trying to realloc (tmp) permanently allocated memory"},
        {"realloc freed", [&] { Krealloc(freed, 16); },
         "Trying to realloc previously freed memory"},
        {"realloc foreign", [&] { Krealloc(foreign, 16); },
         "Trying to realloc (tmp) not allocated or corrupted memory"},
        {"free corrupted header",
         [&] {
             auto* area = static_cast<unsigned char*>(Kmalloc(8));
             std::memset(area - 8, 0x55, 4);
             Kfree(area);
         },
         "Trying to free not allocated or corrupted memory"},
    };
    for (const MisuseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(c.misuse(), ::testing::ExitedWithCode(255),
                    "^" + literal_pattern(c.text) + "$");
    }
    Kfree(live_temporary);
}

}  // namespace
