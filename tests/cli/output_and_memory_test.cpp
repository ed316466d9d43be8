#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/record_bytes.h"
#include "support/test_support.h"

namespace {

using testsupport::CliOptions;
using testsupport::run_cli;

TEST(CliOutput, AListingThatCannotBeWrittenFailsTheCommand) {
    testsupport::TempDir dir;
    const std::string tool = dir.write("t.wkz", "Body Radius   :       &TP_BRAD=5\r\n");
    const std::string fedrix =
        dir.write("t.ncs", "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n");
    // More than one buffer of output fails in the middle, a short listing only at the end.
    std::vector<std::string> long_listing = {"expand"};
    long_listing.insert(long_listing.end(), 300, std::string(40, 'x'));
    const std::vector<std::string> commands[] = {
        {"env", "PATH"},    {"expand", "text"},
        long_listing,       {"show", tool},
        {"fedrix", fedrix}, {"records", dir.write("empty.rec", recordtest::file(false, 0, ""))},
    };
    CliOptions full;
    full.standard_output = "/dev/full";
    for (const auto& arguments : commands) {
        EXPECT_EQ(run_cli(arguments).exit_code, 0) << arguments[0];
        const auto result = run_cli(arguments, full);
        EXPECT_EQ(result.exit_code, 1) << arguments[0];
        EXPECT_EQ(result.err.rfind("cutterbase-cli: cannot write the standard output", 0), 0u)
            << arguments[0] << ": " << result.err;
    }
    EXPECT_EQ(run_cli({"show", tool}, full).err,
              "cutterbase-cli: cannot write the standard output: No space left on device\n");
}

TEST(CliMemory, AFileTooLargeForTheMemoryLeftIsAFailureNotAnAbort) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address space limit";
#endif
    testsupport::TempDir dir;
    CliOptions limited;
    limited.address_space = std::size_t{96} << 20;
    // Sparse files: a gigabyte of zeros that takes no room on the disk.
    for (const auto& [command, name] : {std::pair{"show", "huge.wkz"}, {"fedrix", "huge.ncs"}}) {
        const std::string path = dir.write(name, "");
        ASSERT_EQ(truncate(path.c_str(), off_t{1} << 30), 0);
        const auto result = run_cli({command, path}, limited);
        EXPECT_EQ(result.exit_code, 1) << name;
        EXPECT_EQ(result.err, "cutterbase-cli: out of memory\n") << name;
    }
}

TEST(CliMemory, RecordsListsAFileLargerThanTheMemoryItMayUse) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address space limit";
#endif
    testsupport::TempDir dir;
    const std::string one =
        recordtest::record(false, 7, "002I 001S ", std::string(8, '\0') + "\4text");
    std::string bytes;
    const int count = 600000;
    for (int i = 0; i < count; ++i) {
        bytes += one;
    }
    const std::string path = dir.write("big.inf", recordtest::file(false, count, bytes));
    bytes.clear();
    CliOptions limited;
    limited.address_space = std::size_t{24} << 20;
    const auto result = run_cli({"records", path}, limited);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), count + 1);
    const std::string last = "record\t600000\tkey=7\tlength=24\tI:0\tI:0\tS:text\n";
    EXPECT_EQ(result.out.substr(result.out.size() - last.size()), last);
}

}  // namespace
