// Where the desktop trash of a file lies, and which file systems are polled.

#include <gtest/gtest.h>

#include "platform/file_system_kind.h"
#include "platform/trash_location.h"
#include "support/test_support.h"

namespace {

TEST(TrashLocationTest, HomeTrashWhenUsable) {
    testsupport::TempDir home;
    testsupport::ScopedEnv env;
    env.set("HOME", home.path()).set("XDG_DATA_HOME", home.file("data"));
    const std::string tool = home.write("lib/t.wkz", "x");
    // The data folder must exist: the trash is made in it, never a path of folders.
    EXPECT_EQ(platform::trash_directory_for(tool), "");
    home.mkdir("data");
    EXPECT_EQ(platform::trash_directory_for(tool), home.file("data/Trash"));
    home.write("data/Trash", "a file, not a folder");
    EXPECT_EQ(platform::trash_directory_for(tool), "");
    EXPECT_EQ(platform::trash_directory_for(home.file("lib/missing.wkz")), "");
}

TEST(FileSystemKindTest, NetworkTypesArePolled) {
    EXPECT_TRUE(platform::is_network_file_system_type(0x6969L) &&
                platform::is_network_file_system_type(static_cast<int>(0xFF534D42U)));
    EXPECT_FALSE(platform::is_network_file_system_type(0xEF53L) ||
                 platform::is_network_file_system("/no/such/folder"));
}

}  // namespace
