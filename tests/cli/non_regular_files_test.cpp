// Files a hostile user can hand the commands: FIFOs and devices where data files belong,
// output names that differ from a tool file only in case, a low file-size limit.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/tool_library_fixture.h"
#include "platform/filesystem.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;

struct SpecialFiles : ToolLibraryTest {
    std::size_t entries(const std::string& directory) {
        return platform::find_files(directory + "/*").size() - 2;
    }
};

TEST_F(SpecialFiles, FifosAndDevicesAreRefusedAsToolFedrixAndRecordFiles) {
    ASSERT_EQ(::mkfifo(library.file("fifo.wkz").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", library.file("zero.wkz").c_str()), 0);
    ASSERT_EQ(::mkfifo(library.file("fifo.ncs").c_str(), 0600), 0);
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"show", library.file("fifo.wkz")}, 1},
        {{"show", library.file("zero.wkz")}, 1},
        {{"check", library.file("fifo.wkz")}, 2},
        {{"apply", library.file("zero.wkz"), "-o", zone_.file("cutter.out")}, 1},
        {{"fedrix", library.file("fifo.ncs")}, 1},
        {{"records", library.file("fifo.ncs")}, 1},
    };
    for (const auto& [arguments, exit_code] : cases) {
        auto result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, exit_code) << arguments[1];
        EXPECT_NE(result.err.find("cannot"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(platform::exists(zone_.file("cutter.out")));
}

TEST_F(SpecialFiles, ToolpathFilesAreReadOnlyAsFarAsTheirFormatGoes) {
    ASSERT_EQ(::symlink("/dev/zero", zone_.file("outil.niv").c_str()), 0);
    ASSERT_EQ(::mkfifo(zone_.file("outil.per").c_str(), 0600), 0);
    // Behind its 140 items the parameter file holds 4 GB of zeros, read no further.
    ASSERT_EQ(::truncate(zone_.file("outil.par").c_str(), std::int64_t{4} << 30), 0);
    auto result = run_cli({"toolpath", "TP_ZSTEPTYPE", "TP_BRAD"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "TP_ZSTEPTYPE\tchar\t0\tTP_ZSTEPTYPE-2\nTP_BRAD\tdist\t0\t5.00000\n");
}

// Where the change file lands through links is the file layer's own test.
TEST_F(SpecialFiles, AChangeFileNamedLikeTheToolInAnotherCaseLeavesTheToolAlone) {
    const std::string self = tool("self.wkz");
    const std::string before = read_file(self);
    auto result = run_cli({"apply", self, "-o", library.file("SELF.WKZ")});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(self), before);
    EXPECT_EQ(read_file(library.file("SELF.WKZ")),
              "!EDIT_LEVEL=4 &TP_CRAD=2.500 &TP_INDEX82=.\\self.wkz ");
}

// Beyond the limit the write fails and is reported; no temporary file stays behind.
TEST_F(SpecialFiles, AFileSizeLimitFailsApplyCleanly) {
    const std::string self = tool("self.wkz");
    const std::size_t before = entries(zone_.path());
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 30;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    auto result = run_cli({"apply", self, "-o", zone_.file("cutter.out")});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(entries(zone_.path()), before);
}

}  // namespace
