#include "app/edited_tool.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/file_utilities.h"
#include "app_fixture.h"
#include "tool/tool_parameter_set.h"

namespace {

// A regular file with a parameter line, or empty, holds a tool; a FIFO is never opened.
TEST(EditedTool, ReadableFilesProposalsAndDirectories) {
    apptest::Installation install;
    ASSERT_EQ(::mkfifo(install.root.mkdir("t").append("/fifo.wkz").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/null", install.path("t/null.wkz").c_str()), 0);
    install.root.mkdir("t/dir.wkz");
    // file written with bytes (null: made above or missing), the name looked up, readable
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Tool.wkz", "Body Radius: &TP_BRAD=5.000\r\n", true},
        {"empty.wkz", "", true},
        {"comments.wkz", "** written by hand **\r\n\r\n", false},
        {"fifo.wkz", nullptr, false},
        {"null.wkz", nullptr, false},
        {"dir.wkz", nullptr, false},
        {"missing.wkz", nullptr, false},
    };
    for (const auto& [name, bytes, readable] : cases) {
        SCOPED_TRACE(name);
        if (bytes != nullptr) {
            install.root.write(std::string("t/") + name, bytes);
        }
        const std::string path = install.path("t/") + (*name == 'T' ? "tool.WKZ" : name);
        EXPECT_EQ(IsReadableToolFile(path), readable);
        ToolParameterSet tool;
        tool.Load(path);
        EXPECT_EQ(HoldsReadableTool(tool), readable && MayReadAsToolFile(path));
    }
    // Nothing selected (a tool or a folder: the main window's test); directories typed.
    const SaveProposal nothing = ProposeSaveAs("", false, "desc", "/lib");
    EXPECT_EQ(nothing.folder + "|" + nothing.file_name, "/lib|desc");
    EXPECT_EQ(AbsoluteDirectory("a/./b/../c//"), std::filesystem::current_path().string() + "/a/c");
    EXPECT_EQ(AbsoluteDirectory(""), "");
    EXPECT_TRUE(NamesNonDirectory("/dev/null") && !NamesNonDirectory("/no/such/directory"));
}

}  // namespace
