#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/dynamic_storage.h"
#include "runtime/memory.h"

namespace {

struct Storage : ::testing::Test {
    void TearDown() override {
        set_memory_budget(std::nullopt);
        set_system_allocation_limit(std::nullopt);
    }
};

TEST_F(Storage, AppendsAreWordAlignedAndTextsSurviveGrowth) {
    MemoryCounters before = memory_counters();
    DynamicStorage* storage = dynamic_storage_create(16);
    ASSERT_NE(storage, nullptr);
    EXPECT_EQ(dynamic_storage_append(storage, 5), 0);
    EXPECT_EQ(dynamic_storage_append(storage, 5), 8);
    EXPECT_EQ(dynamic_storage_append(storage, 0), 16);
    EXPECT_EQ(dynamic_storage_append(storage, 1), 16);
    EXPECT_EQ(storage->capacity, 32);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_address(storage, -1), nullptr);
    EXPECT_EQ(dynamic_storage_address(storage, storage->used), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Dynamic storage: trying to access unallocated memory\n");

    std::vector<std::int32_t> offsets;
    for (int i = 0; i < 20000; ++i) {
        offsets.push_back(dynamic_storage_append_text(storage, "text " + std::to_string(i)));
    }
    for (int i = 0; i < 20000; i += 997) {
        EXPECT_STREQ(static_cast<const char*>(dynamic_storage_address(storage, offsets[i])),
                     ("text " + std::to_string(i)).c_str());
    }
    dynamic_storage_trim(storage);
    EXPECT_EQ(storage->capacity, storage->used);
    std::int32_t used = storage->used;
    EXPECT_EQ(dynamic_storage_append_text(storage, std::string_view("a\0b", 3)), used);
    EXPECT_EQ(std::memcmp(dynamic_storage_address(storage, used), "a\0b\0", 4), 0);
    dynamic_storage_free(storage);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes);
}

TEST_F(Storage, ExhaustionAndImpossibleRequestsLeaveTheStorageUsable) {
    MemoryCounters before = memory_counters();
    set_system_allocation_limit(100);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_create(1000), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Kmallocp: No more memory !Dynamic storage: no more memory\n");
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes);
    set_system_allocation_limit(std::nullopt);
    EXPECT_EQ(dynamic_storage_create(0), nullptr);
    EXPECT_EQ(dynamic_storage_create(-4), nullptr);

    DynamicStorage* storage = dynamic_storage_create(1024);
    ASSERT_NE(storage, nullptr);
    set_memory_budget(memory_counters().permanent_bytes + 512);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_append(storage, 2000), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Dynamic storage: no more memory, could not expand from 1024 to 2048 bytes\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(dynamic_storage_append(storage, std::size_t{1} << 40), -1);
    EXPECT_EQ(dynamic_storage_append(storage, 0x7FFFFFFF), -1);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(storage->used, 0);
    EXPECT_EQ(dynamic_storage_append(storage, 1000), 0);
    dynamic_storage_free(storage);
}

}  // namespace
