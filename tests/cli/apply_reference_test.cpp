#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <tuple>

#include "cli/tool_library_fixture.h"
#include "platform/filesystem.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;

std::string base_name(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The library holds the toolpath's tool with corner radius 2.5 instead of 2.
struct ApplyReference : ToolLibraryTest {
    std::string out = zone_.file("cutter.out");

    void SetUp() override {
        ToolLibraryTest::SetUp();
        tool("bull/d10r2.wkz");
    }
};

TEST_F(ApplyReference, TheToolPathIsNormalisedBeforeItsReferenceIsFormed) {
    const std::string parent = library.path().substr(0, library.path().rfind('/'));
    const std::string link = zone_.file("library-link");
    ASSERT_EQ(::symlink(library.path().c_str(), link.c_str()), 0);
    // KVX_CUTTER_DIR, working directory, tool argument: each names the toolpath's own tool.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {library.path(), zone_.path(), "../" + base_name(library.path()) + "/bull/d10r2.wkz"},
        {library.path(), library.path(), "./bull/d10r2.wkz"},
        {library.path(), library.path(), "bull//d10r2.wkz"},
        {library.path() + "/bull/..", library.path(), "bull/d10r2.wkz"},
        {base_name(library.path()), parent, library.file("bull/d10r2.wkz")},
        {link, library.path(), "bull/d10r2.wkz"},
        {library.path(), zone_.path(), "library-link/bull/d10r2.wkz"},
    };
    for (const auto& [directory, working, tool] : cases) {
        env_.set("KVX_CUTTER_DIR", directory);
        const auto result = run_cli({"apply", tool, "-o", out}, working);
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ") << directory << " " << tool;
    }
}

TEST_F(ApplyReference, AMissingToolDirectoryIsSaidOnStandardError) {
    for (const std::optional<std::string>& directory :
         {std::optional<std::string>(), std::optional<std::string>(zone_.file("none"))}) {
        env_.set("KVX_CUTTER_DIR", directory);
        const auto result = run_cli({"apply", "bull/d10r2.wkz", "-o", out}, library.path());
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_NE(
            result.err.find("KVX_CUTTER_DIR names no tool directory; the current directory '" +
                            library.path() + "' is taken as the tool library\n"),
            std::string::npos)
            << result.err;
    }
}

TEST_F(ApplyReference, AChangeFileThatCannotBeWrittenIsSaidInTheUsersLanguage) {
    const std::string missing = zone_.file("no/cutter.out");
    const std::tuple<const char*, std::string> cases[] = {
        {"ang", "The change file\n\n\t'" + missing + "'\n\ncould not be written!"},
        {"all", "Die \xC4nderungsdatei\n\n\t'" + missing + "'\n\nkonnte nicht geschrieben werden!"},
        {"fra", "The change file\n\n\t'" + missing + "'\n\ncould not be written!"},
    };
    for (const auto& [language, text] : cases) {
        env_.set("KVXLANG", language);
        const auto result = run_cli({"apply", library.file("bull/d10r2.wkz"), "-o", missing});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_NE(result.err.find(text), std::string::npos) << language << ": " << result.err;
    }
}

// Directories made one below the other through descriptors, so that the depth may pass the
// longest path the system accepts.
class DeepTree {
public:
    DeepTree(const std::string& top, int levels) : top_(top) {
        int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < levels && fd >= 0; ++i) {
            ::mkdirat(fd, kName.c_str(), 0700);
            const int next = ::openat(fd, kName.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
            relative_ += (i ? "/" : "") + kName;
        }
        if (fd >= 0) {
            const int file = ::openat(fd, "t.wkz", O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const std::string bytes = "Corner Radius            :       &TP_CRAD=2.500\r\n";
            ok_ = file >= 0 &&
                  ::write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
            ::close(file);
            ::close(fd);
        }
    }
    // Too deep for std::filesystem; rm walks the tree through descriptors.
    ~DeepTree() { EXPECT_EQ(std::system(("rm -rf '" + top_ + "/" + kName + "'").c_str()), 0); }
    bool ok() const { return ok_; }
    // The first `levels` directories, relative to the top.
    std::string directories(int levels) const { return relative_.substr(0, levels * 201 - 1); }
    // The tool file relative to the directory `levels` deep.
    std::string tool(int levels) const { return relative_.substr(levels * 201) + "/t.wkz"; }

private:
    inline static const std::string kName = std::string(200, 'd');
    std::string top_;
    std::string relative_;
    bool ok_ = false;
};

TEST_F(ApplyReference, AToolFileBeyondTheLongestAbsolutePathIsReadAsShowReadsIt) {
    const DeepTree deep(library.path(), 22);
    ASSERT_TRUE(deep.ok());
    // Run from halfway down: the path given is short, the absolute one too long.
    const std::string working = library.file(deep.directories(11));
    ASSERT_GT(working.size() + deep.tool(11).size(), static_cast<std::size_t>(PATH_MAX));
    const auto shown = run_cli({"show", deep.tool(11)}, working);
    EXPECT_EQ(shown.exit_code, 0) << shown.err;
    const auto applied = run_cli({"apply", deep.tool(11), "-o", out}, working);
    EXPECT_EQ(applied.exit_code, 0) << applied.err;
    std::string reference = ".\\" + deep.directories(11) + "/" + deep.tool(11);
    std::replace(reference.begin(), reference.end(), '/', '\\');
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_CRAD=2.500 &TP_INDEX82=" + reference + " ");
}

}  // namespace
