#include <gtest/gtest.h>

#include "runtime/record_bytes.h"
#include "runtime/record_file.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

using testsupport::run_cli;

std::string write_sample(const testsupport::TempDir& dir, bool formatted) {
    std::string path = dir.file(formatted ? "zone0.inf" : "plain.rec");
    set_record_program("CutterBase", formatted);
    int unit = 0;
    int status = -1;
    record_open(&unit, path, kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusOk);
    bool flags[2] = {true, false};
    std::int16_t w = -7;
    std::int32_t i = 123456;
    float r = 25.4f;
    double d = 0.1;
    for (int written :
         {record_start(unit), record_write_logical(unit, flags, 2),
          record_write_char(unit, "\t", 1), record_write_short(unit, &w),
          record_write_int(unit, &i), record_write_real(unit, &r), record_write_double(unit, &d),
          record_write_text(unit, "a\\b\nc"), record_start(unit), record_close(unit)}) {
        EXPECT_EQ(written, kStatusOk);
    }
    set_record_program("CutterBase", false);
    return path;
}

TEST(RecordsCommand, ListsTheHeaderAndOneRecordALineOrFails) {
    testsupport::TempDir dir;
    auto result = run_cli({"records", write_sample(dir, true)});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out,
              "header\torder=native\ttag=CutterBase\trecords=2\tfirst=160\tend=232\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\n"
              "record\t1\tkey=1\tlength=63\tL:1\tL:0\tC:\\t\tW:-7\tI:123456\tR:25.4\tD:0.1"
              "\tS:a\\\\b\\nc\n"
              "record\t2\tkey=2\tlength=1\n");

    result = run_cli({"records", write_sample(dir, false)});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_NE(result.out.find("\nrecord\t1\tkey=1\tlength=27\tbytes:0100"), std::string::npos);

    // The second record's header cut off, a missing file, no file named.
    std::string bytes = testsupport::read_file(write_sample(dir, true));
    result = run_cli({"records", dir.write("cut.inf", bytes.substr(0, bytes.size() - 3))});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.out.find("record\t1\t"), std::string::npos);
    EXPECT_NE(result.out.find("error\t-25\n"), std::string::npos);
    result = run_cli({"records", dir.file("none.inf")});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("status -21"), std::string::npos);
    EXPECT_EQ(run_cli({"records"}).exit_code, 2);
}

TEST(RecordsCommand, ANegativeRecordCountIsADamagedHeaderNotAnEmptyFile) {
    testsupport::TempDir dir;
    const std::string one = recordtest::record(false, 1, "001I ", std::string(4, '\1'));
    const auto result =
        run_cli({"records", dir.write("negative.inf", recordtest::file(false, -1, one))});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out,
              "header\torder=native\ttag=crafted\trecords=-1\tfirst=160\tend=174\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\nerror\t-25\n");
    EXPECT_NE(result.err.find("damaged record file (status -25)"), std::string::npos);
}

}  // namespace
