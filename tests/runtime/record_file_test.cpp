#include "runtime/record_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "runtime/record_bytes.h"
#include "runtime/record_dump.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

using recordtest::Bytes;
using recordtest::HeaderFields;
using recordtest::record;

void expect_ok(std::initializer_list<int> statuses) {
    for (int status : statuses) {
        EXPECT_EQ(status, kStatusOk);
    }
}

struct RecordFiles : ::testing::Test {
    testsupport::TempDir dir;

    void SetUp() override { set_record_program("unit-test", true); }
    void TearDown() override {
        for (int unit = 1; unit <= 64; ++unit) {  // reserved units too: each test starts at 1
            record_close(unit);
        }
        set_record_program("CutterBase", false);
    }
    int open(const std::string& path, int mode, int* status) {
        int unit = 0;
        record_open(&unit, path, mode, status);
        return unit;
    }
    int open_ok(const std::string& path, int mode = kRecordModeRead) {
        int status = -1;
        int unit = open(path, mode, &status);
        EXPECT_EQ(status, kStatusOk) << path;
        return unit;
    }
};

TEST_F(RecordFiles, EveryFieldTypeRoundTripsBehindTheDocumentedHeader) {
    std::string path = dir.file("all.rec");
    int unit = open_ok(path, kRecordModeCreate);
    bool logicals[2] = {true, false};
    std::int16_t shorts[2] = {-2, 32767};
    std::int32_t ints[3] = {7, -100000, 2147483647};
    float real = 2.5f;
    double doubles[2] = {1.0 / 3.0, -1e300};
    expect_ok({record_start(unit), record_write_logical(unit, logicals, 2),
               record_write_char(unit, "ab\t", 3), record_write_short(unit, shorts, 2),
               record_write_int(unit, ints, 2), record_write_int(unit, ints + 2, 1),
               record_write_real(unit, &real), record_write_double(unit, doubles, 2),
               record_write_text(unit, "milling"), record_write_text(unit, ""), record_start(unit),
               record_write_int(unit, ints), record_close(unit)});
    std::string bytes = testsupport::read_file(path);
    ASSERT_GE(bytes.size(), 200u);
    Bytes expected(false);  // this machine is little-endian
    expected.raw("KRVX").u32(0xFFFFFFFFu).u32(static_cast<std::uint32_t>(bytes.size()));
    expected.u32(160).u32(2).u32(0).raw("unit-test");
    EXPECT_EQ(bytes.substr(0, 33), expected.str());
    EXPECT_EQ(bytes.substr(152, 8), std::string("\1\1\1\1\0\0\0\0", 8));
    // The second write of integers joined the first entry.
    EXPECT_EQ(bytes.substr(164, 36), std::string("002L 003C 002W 003I 001R 002D 002S \0", 36));

    // Read back through the listing, which reads each field with its typed read.
    std::string listing;
    ASSERT_EQ(record_dump(open_ok(path), &listing), kStatusOk);
    EXPECT_EQ(listing.substr(listing.find('\n') + 1),
              "record\t1\tkey=1\tlength=86\tL:1\tL:0\tC:a\tC:b\tC:\\t\tW:-2\tW:32767\tI:7"
              "\tI:-100000\tI:2147483647\tR:2.5\tD:0.3333333333333333\tD:-1e+300\tS:milling\tS:\n"
              "record\t2\tkey=2\tlength=10\tI:7\n");
    unit = open_ok(path);
    EXPECT_EQ(record_goto(unit, 3), kStatusEndOfRecord);
}

// Written byte by byte as a big-endian machine writes it.
std::string big_endian_file() {
    // W 0x1234, I 0x89ABCDEF, R -0.75 and D 12345.678, most significant byte first.
    std::string data("\x12\x34\x89\xAB\xCD\xEF\xBF\x40\0\0\x40\xC8\x1C\xD6\xC8\xB4\x39\x58", 18);
    return recordtest::file(true, 2,
                            record(true, 1, "001W 001I 001R 001D 001S 001L ", data + "\5stock\1") +
                                record(true, 2, "001C ", "q"));
}

TEST_F(RecordFiles, FilesOfTheOtherByteOrderAreReadListedAndAppendedInTheirOwnOrder) {
    std::string path = dir.write("big.rec", big_endian_file());
    int unit = open_ok(path);
    std::string listing;
    ASSERT_EQ(record_dump(unit, &listing), kStatusOk);
    EXPECT_EQ(listing,
              "header\torder=swapped\ttag=crafted\trecords=2\tfirst=160\tend=231\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\n"
              "record\t1\tkey=1\tlength=56\tW:4660\tI:-1985229329\tR:-0.75\tD:12345.678"
              "\tS:stock\tL:1\n"
              "record\t2\tkey=2\tlength=7\tC:q\n");
    record_close(unit);

    unit = open_ok(path, kRecordModeUpdate);
    std::int32_t appended = 0x01020304;
    expect_ok({record_start(unit), record_write_int(unit, &appended), record_close(unit)});
    std::string bytes = testsupport::read_file(path);
    EXPECT_EQ(bytes.substr(0, 4), "XVRK");
    EXPECT_EQ(bytes.substr(16, 4), std::string("\0\0\0\3", 4));
    std::string tail = record(true, 3, "001I ", std::string("\1\2\3\4", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
}

// A text that exactly fills its field is read whole; one character more is cut and reported.
TEST_F(RecordFiles, TextsArePaddedCutOrRefusedAndFailingReadsConsumeNothing) {
    std::string path = dir.file("text.rec");
    int unit = open_ok(path, kRecordModeCreate);
    std::int32_t ints[2] = {5, 6};
    float real = 1.25f;
    expect_ok({record_start(unit), record_write_text(unit, "ab"), record_write_text(unit, "sixsix"),
               record_write_text(unit, "seven77"), record_write_text(unit, "xy"),
               record_write_text(unit, "")});
    EXPECT_EQ(record_write_text(unit, std::string(256, 'x')), kStatusBufferTooSmall);
    expect_ok({record_write_text(unit, std::string(255, 'y')), record_write_int(unit, ints, 2),
               record_write_real(unit, &real), record_close(unit)});
    unit = open_ok(path);
    char field[6], full[6], longer[6], two[8];
    std::string last;
    expect_ok({record_read_text(unit, field, 6), record_read_text(unit, full, 6)});
    ASSERT_EQ(record_read_text(unit, longer, 6), kStatusBufferTooSmall);
    expect_ok({record_read_text(unit, two, 4, 2), record_read_text(unit, &last)});
    EXPECT_EQ(std::string(field, 6) + "|" + std::string(full, 6) + "|" + std::string(longer, 6) +
                  "|" + std::string(two, 8),
              "ab    |sixsix|seven7|xy      ");
    EXPECT_EQ(last, std::string(255, 'y'));
    std::int32_t three[3];
    char type = 0;
    EXPECT_EQ(record_read_int(unit, three, 3), kStatusTypeMismatch);
    EXPECT_EQ(record_read_real(unit, &real), kStatusTypeMismatch);
    expect_ok({record_peek_type(unit, &type), record_read_int(unit, three, 2),
               record_read_real(unit, &real)});
    EXPECT_TRUE(type == 'I' && three[1] == 6 && real == 1.25f);
    EXPECT_EQ(record_peek_type(unit, &type), kStatusEndOfRecord);
}

TEST_F(RecordFiles, DamagedFilesGiveTheirStatusAndNeverLoop) {
    std::string one = record(false, 1, "001I ", std::string(4, '\1'));
    auto with = [&](HeaderFields h, const std::string& records) {
        return recordtest::header(false, h) + records;
    };
    const auto end = static_cast<std::int32_t>(160 + one.size());
    const HeaderFields counted = {.end = end, .count = 1};
    std::string magic_neither = with(counted, one).replace(0, 4, "KVRX");
    auto formatted = [](const char* format) {
        return recordtest::file(false, 1, record(false, 1, format, "1234"));
    };
    // Empty, truncated header, magic in neither order, byte 154 clear, first record past the end
    // or inside the header, a record longer than the file, a format without terminator or over 63
    // characters, a record header cut short, more records claimed than stored, format entries.
    const struct {
        std::string bytes;
        int open_status;
        int read_status = kStatusOk;  // of an integer, after a successful open
        int next_status = kStatusEndOfRecord;
    } cases[] = {
        {"", kStatusReadError},
        {with(counted, one).substr(0, 100), kStatusReadError},
        {magic_neither, kStatusBadMagic},
        {with({.end = end, .count = 1, .complete = 0}, one), kStatusBadMode},
        {with({.end = end, .first = 1 << 30, .count = 1}, one), kStatusReadError},
        {with({.end = end, .first = -4, .count = 1}, one), kStatusReadError},
        {with(counted, Bytes(false).u16(500).u16(1).raw("001I ").zeros(5).str()), kStatusReadError},
        {with(counted, Bytes(false).u16(9).u16(1).raw("001I 1234").str()), kStatusReadError},
        {with(counted, record(false, 1, std::string(70, ' '), "")), kStatusReadError},
        {with(counted, "\1\0"), kStatusReadError},
        {with({.end = end, .count = 50}, one), kStatusOk, kStatusOk, kStatusReadError},
        {formatted("001I"), kStatusOk},  // the last blank may be left out
        {formatted("01xI "), kStatusOk, kStatusTypeMismatch},
        {formatted("001Q "), kStatusOk, kStatusTypeMismatch},
        {formatted("001IX"), kStatusOk, kStatusTypeMismatch},
        {formatted("00"), kStatusOk, kStatusTypeMismatch}};
    for (const auto& bad : cases) {
        SCOPED_TRACE(&bad - cases);
        int status = 0;
        int unit = open(dir.write("bad.rec", bad.bytes), kRecordModeRead, &status);
        EXPECT_EQ(status, bad.open_status);
        if (status == kStatusOk) {
            std::int32_t v;
            EXPECT_EQ(record_read_int(unit, &v), bad.read_status);
            EXPECT_EQ(record_next(unit), bad.next_status);
            EXPECT_EQ(record_next(unit), bad.next_status);  // stays stuck, no wandering
        }
        record_close(unit);
    }
}

// Unit 0 asks for the first free unit; a failed open gives it back.
TEST_F(RecordFiles, UnitsAndMisuseHaveTheirStatus) {
    int unit = 0, status = -1;
    get_unit(&unit, &status);
    EXPECT_EQ(open_ok(dir.file("b.rec"), kRecordModeCreate), 2);
    EXPECT_EQ(record_close(1), kStatusUnitNotOpen);
    unit = 4000;
    record_open(&unit, dir.file("x.rec"), kRecordModeCreate, &status);
    EXPECT_EQ(status + record_close(4000) + record_close(0), 3 * kStatusNoSuchUnit);
    const std::tuple<std::string, int, int> opens[] = {
        {dir.file("x.rec"), 4, kStatusBadMode},
        {dir.write("empty.rec", ""), kRecordModeUpdate, kStatusReadError},
        {dir.file("missing.rec"), kRecordModeRead, kStatusFileNotFound},
        {dir.file(std::string(130, 'n')), kRecordModeCreate, kStatusFileNotFound}};
    for (const auto& [path, mode, expected] : opens) {
        open(path, mode, &status);
        EXPECT_EQ(status, expected) << path;
    }
    std::string padded = dir.file("pad.rec") + "      ";  // the blank-padded form of the name
    unit = 0;
    record_open(&unit, padded.c_str(), static_cast<int>(padded.size()), kRecordModeCreate, &status);
    std::int32_t v = 1;
    // The write needs a started record, the read a readable file; an empty file still opens.
    EXPECT_EQ(status + record_write_int(unit, &v) + record_read_int(unit, &v), 2 * kStatusBadMode);
    record_close_all();
    EXPECT_EQ(record_read_int(unit, &v), kStatusUnitNotOpen);
    unit = open_ok(dir.file("pad.rec"));
    EXPECT_EQ(record_start(unit), kStatusBadMode);
    EXPECT_EQ(record_next(unit) + record_read_int(unit, &v), 2 * kStatusEndOfRecord);
}

// Twelve entries fill the 63 characters of format text; a header that cannot count another
// record refuses the write.
TEST_F(RecordFiles, RecordAndFormatLimitsAreChecked) {
    int unit = open_ok(dir.file("big.rec"), kRecordModeCreate);
    record_start(unit);
    for (std::int32_t i = 0; i < 12; ++i) {
        float f = 0;
        EXPECT_EQ(i % 2 ? record_write_int(unit, &i) : record_write_real(unit, &f), kStatusOk);
    }
    bool l = true;
    std::int32_t v = 99;
    EXPECT_EQ(record_write_logical(unit, &l), kStatusBufferTooSmall);
    EXPECT_EQ(record_write_int(unit, &v), kStatusOk);  // joins the last entry
    std::vector<double> huge(9000, 0.0);
    EXPECT_EQ(record_write_double(unit, huge.data(), 9000), kStatusBufferTooSmall);
    unit = open_ok(dir.write("full.rec", recordtest::header(false, {.count = INT32_MAX})),
                   kRecordModeUpdate);
    expect_ok({record_start(unit), record_write_int(unit, &v)});
    EXPECT_EQ(record_close(unit), kStatusWriteError);
}

}  // namespace
