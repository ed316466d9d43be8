#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "support/test_support.h"
#include "toolfiles/variable_definitions.h"

namespace {

// Rewritten in place keeps the inode; replaced means another file renamed over it.
enum class Change { Created, RewrittenSameTime, RewrittenLaterTime, ReplacedSameTime, Removed };

struct Step {
    Change change;
    const char* label;     // the value of TP_BRAD written
    const char* expected;  // the label found afterwards; nullptr: no file
};

// The file is read again exactly when its device, inode, size or modification time changed,
// and whether it exists is decided each time.
TEST(VariableDefinitionsCache, ReadAgainExactlyWhenTheStampChanges) {
    const Step steps[] = {
        {Change::Created, "One", "One"},
        {Change::RewrittenSameTime, "Two", "One"},  // same stamp: not read again
        {Change::ReplacedSameTime, "Thr", "Thr"},
        {Change::RewrittenLaterTime, "Fou", "Fou"},
        {Change::RewrittenSameTime, "Fifth", "Fifth"},  // the size changed
        {Change::Removed, "", nullptr},
        {Change::Created, "Six", "Six"},
    };
    const testsupport::TempDir dir;
    const std::string path = dir.file("kvxvars.ang");
    timespec time{1700000000, 123456789};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.label);
        const std::string bytes = std::string("[kvxvars]\r\nTP_BRAD=") + step.label + "\r\n";
        if (step.change == Change::ReplacedSameTime) {
            ASSERT_EQ(std::rename(dir.write("other", bytes).c_str(), path.c_str()), 0);
        } else if (step.change == Change::Removed) {
            ASSERT_EQ(std::remove(path.c_str()), 0);
        } else {
            dir.write("kvxvars.ang", bytes);
            time.tv_sec += step.change == Change::RewrittenLaterTime ? 1 : 0;
        }
        if (step.change != Change::Removed) {
            const timespec times[2] = {time, time};
            ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
        }
        const auto definitions = VariableDefinitions::Open(path);
        ASSERT_EQ(definitions.has_value(), step.expected != nullptr);
        if (definitions) {
            EXPECT_EQ(definitions->Label("TP_BRAD", ""), step.expected);
            EXPECT_EQ(definitions->Label(" tp_brad ", ""), step.expected);  // as the file compares
            EXPECT_EQ(definitions->Label("TP_CRAD", "Corner  "), "Corner");
        }
    }
}

}  // namespace
