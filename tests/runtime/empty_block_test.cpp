#include <gtest/gtest.h>

#include "message_files.h"
#include "runtime/memory.h"

namespace {

// A database that lives to the end of the process, as the environment's does, must not look
// leaked to the leak checker of the asan build when one of its sections is empty.
TEST(EmptyBlocks, AnEmptySectionKeptToTheEndIsStillReferenced) {
    static MessageDatabase* kept = nullptr;
    MessageFiles files;
    kept = files.load("[var]\nA = 1\n[empty]\n");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(get_value(kept, find_section(kept, "var"), "A"), "1");

    void* empty = Kmallocp(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(Kfree(empty), 0);
}

}  // namespace
