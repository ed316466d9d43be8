#include "runtime/record_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <vector>

#include "runtime/record_bytes.h"
#include "runtime/record_dump.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

using recordtest::Bytes;
using recordtest::HeaderFields;

struct RecordFiles : ::testing::Test {
    testsupport::TempDir dir;

    void SetUp() override { set_record_program("unit-test", true); }
    void TearDown() override {
        // Reserved units too, so that every test starts from unit 1.
        for (int unit = 1; unit <= 64; ++unit) {
            record_close(unit);
        }
        set_record_program("CutterBase", false);
    }

    int open(const std::string& path, int mode, int* status) {
        int unit = 0;
        record_open(&unit, path, mode, status);
        return unit;
    }
    int open_ok(const std::string& path, int mode) {
        int status = -1;
        int unit = open(path, mode, &status);
        EXPECT_EQ(status, kStatusOk) << path;
        return unit;
    }
    int open_status(const std::string& bytes, int mode = kRecordModeRead) {
        int status = 0;
        int unit = open(dir.write("f.rec", bytes), mode, &status);
        if (unit != 0) {
            record_close(unit);
        }
        return status;
    }
};

// Writes one record of every field type, arrays included.
void write_every_type(int unit) {
    ASSERT_EQ(record_start(unit), kStatusOk);
    bool logicals[2] = {true, false};
    char chars[3] = {'a', 'b', '\t'};
    std::int16_t shorts[2] = {-2, 32767};
    std::int32_t ints[3] = {1, -100000, 2147483647};
    float reals[1] = {2.5f};
    double doubles[2] = {1.0 / 3.0, -1e300};
    EXPECT_EQ(record_write_logical(unit, logicals, 2), kStatusOk);
    EXPECT_EQ(record_write_char(unit, chars, 3), kStatusOk);
    EXPECT_EQ(record_write_short(unit, shorts, 2), kStatusOk);
    EXPECT_EQ(record_write_int(unit, ints, 2), kStatusOk);
    EXPECT_EQ(record_write_int(unit, ints + 2, 1), kStatusOk);  // joins the previous entry
    EXPECT_EQ(record_write_real(unit, reals, 1), kStatusOk);
    EXPECT_EQ(record_write_double(unit, doubles, 2), kStatusOk);
    EXPECT_EQ(record_write_text(unit, "milling"), kStatusOk);
    EXPECT_EQ(record_write_text(unit, ""), kStatusOk);
}

void expect_every_type(int unit) {
    bool logicals[2];
    char chars[3];
    std::int16_t shorts[2];
    std::int32_t ints[3];
    float real;
    double doubles[2];
    std::string text;
    ASSERT_EQ(record_read_logical(unit, logicals, 2), kStatusOk);
    EXPECT_TRUE(logicals[0]);
    EXPECT_FALSE(logicals[1]);
    ASSERT_EQ(record_read_char(unit, chars, 3), kStatusOk);
    EXPECT_EQ(std::string(chars, 3), "ab\t");
    ASSERT_EQ(record_read_short(unit, shorts, 2), kStatusOk);
    EXPECT_EQ(shorts[0], -2);
    EXPECT_EQ(shorts[1], 32767);
    ASSERT_EQ(record_read_int(unit, ints, 3), kStatusOk);
    EXPECT_EQ(ints[1], -100000);
    EXPECT_EQ(ints[2], 2147483647);
    ASSERT_EQ(record_read_real(unit, &real), kStatusOk);
    EXPECT_EQ(real, 2.5f);
    ASSERT_EQ(record_read_double(unit, doubles, 2), kStatusOk);
    EXPECT_EQ(doubles[0], 1.0 / 3.0);
    EXPECT_EQ(doubles[1], -1e300);
    ASSERT_EQ(record_read_text(unit, &text), kStatusOk);
    EXPECT_EQ(text, "milling");
    ASSERT_EQ(record_read_text(unit, &text), kStatusOk);
    EXPECT_EQ(text, "");
    EXPECT_EQ(record_read_int(unit, ints), kStatusEndOfRecord);
}

TEST_F(RecordFiles, EveryFieldTypeRoundTripsAndTheHeaderIsLaidOutAsDocumented) {
    std::string path = dir.file("all.rec");
    int unit = open_ok(path, kRecordModeCreate);
    write_every_type(unit);
    ASSERT_EQ(record_start(unit), kStatusOk);
    std::int32_t second = 7;
    record_write_int(unit, &second);
    ASSERT_EQ(record_close(unit), kStatusOk);

    std::string bytes = testsupport::read_file(path);
    ASSERT_GE(bytes.size(), 160u);
    EXPECT_EQ(bytes.substr(0, 4), "KRVX");  // this machine is little-endian
    Bytes expected(false);
    expected.u32(0xFFFFFFFFu).u32(static_cast<std::uint32_t>(bytes.size())).u32(160).u32(2).u32(0);
    EXPECT_EQ(bytes.substr(4, 20), expected.str());
    EXPECT_EQ(std::string(bytes.c_str() + 24), "unit-test");
    EXPECT_EQ(bytes.substr(152, 8), std::string("\1\1\1\1\0\0\0\0", 8));
    // First record: length, number 1, then the format text with its terminator.
    std::string format = "002L 003C 002W 003I 001R 002D 002S ";
    EXPECT_EQ(bytes.substr(164, format.size() + 1), format + '\0');

    unit = open_ok(path, kRecordModeRead);
    RecordFileInfo info;
    ASSERT_EQ(record_file_info(unit, &info), kStatusOk);
    EXPECT_FALSE(info.other_byte_order);
    EXPECT_TRUE(info.formatted);
    EXPECT_EQ(info.records, 2);
    EXPECT_EQ(info.word4, -1);
    EXPECT_EQ(info.tag, "unit-test");
    expect_every_type(unit);
    ASSERT_EQ(record_next(unit), kStatusOk);
    int number = 0;
    int key = 0;
    record_current(unit, &number, &key);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(key, 2);
    EXPECT_EQ(record_read_int(unit, &second), kStatusOk);
    EXPECT_EQ(second, 7);
    EXPECT_EQ(record_next(unit), kStatusEndOfRecord);
    ASSERT_EQ(record_goto(unit, 1), kStatusOk);
    expect_every_type(unit);
}

TEST_F(RecordFiles, UnformattedRecordsCarryNoFormatAndAreReadWithoutTypeChecks) {
    set_record_program("plain", false);
    std::string path = dir.file("plain.rec");
    int unit = open_ok(path, kRecordModeCreate);
    ASSERT_EQ(record_start(unit), kStatusOk);
    std::int32_t value = 0x01020304;
    ASSERT_EQ(record_write_int(unit, &value), kStatusOk);
    ASSERT_EQ(record_write_bytes(unit, "xyz", 3), kStatusOk);
    // More than one 128-byte block in one record.
    std::vector<double> many(40, 1.5);
    ASSERT_EQ(record_write_double(unit, many.data(), 40), kStatusOk);
    ASSERT_EQ(record_close(unit), kStatusOk);
    std::string bytes = testsupport::read_file(path);
    EXPECT_EQ(bytes[155], 0);
    EXPECT_EQ(bytes.substr(160, 4), std::string("\x47\x01\x01\x00", 4));  // 4 + 3 + 320 bytes

    unit = open_ok(path, kRecordModeRead);
    float as_real;
    ASSERT_EQ(record_read_real(unit, &as_real), kStatusOk);  // the bytes of the integer
    char text[3];
    ASSERT_EQ(record_read_bytes(unit, text, 3), kStatusOk);
    EXPECT_EQ(std::string(text, 3), "xyz");
    std::vector<double> back(40);
    ASSERT_EQ(record_read_double(unit, back.data(), 40), kStatusOk);
    EXPECT_EQ(back, many);
    EXPECT_EQ(record_read_bytes(unit, text, 1), kStatusEndOfRecord);
}

// A file written byte by byte as a big-endian machine writes it.
std::string big_endian_file() {
    std::string data = Bytes(true)
                           .u16(0x1234)
                           .u32(0x89ABCDEFu)
                           .f32(-0.75f)
                           .f64(12345.678)
                           .u8(5)
                           .raw("stock")
                           .u8(1)
                           .str();
    std::string first = recordtest::record(true, 1, "001W 001I 001R 001D 001S 001L ", data);
    std::string second = recordtest::record(true, 2, "001C ", "q");
    HeaderFields h;
    h.count = 2;
    h.end = static_cast<std::int32_t>(160 + first.size() + second.size());
    return recordtest::header(true, h) + first + second;
}

TEST_F(RecordFiles, FilesOfTheOtherByteOrderAreReadAndAppendedInTheirOwnOrder) {
    std::string path = dir.write("big.rec", big_endian_file());
    int unit = open_ok(path, kRecordModeRead);
    RecordFileInfo info;
    ASSERT_EQ(record_file_info(unit, &info), kStatusOk);
    EXPECT_TRUE(info.other_byte_order);
    EXPECT_EQ(info.records, 2);
    EXPECT_EQ(info.first, 160);
    EXPECT_EQ(info.word4, -1);
    EXPECT_EQ(info.tag, "crafted");
    std::int16_t w;
    std::int32_t i;
    float r;
    double d;
    std::string s;
    bool l;
    ASSERT_EQ(record_read_short(unit, &w), kStatusOk);
    ASSERT_EQ(record_read_int(unit, &i), kStatusOk);
    ASSERT_EQ(record_read_real(unit, &r), kStatusOk);
    ASSERT_EQ(record_read_double(unit, &d), kStatusOk);
    ASSERT_EQ(record_read_text(unit, &s), kStatusOk);
    ASSERT_EQ(record_read_logical(unit, &l), kStatusOk);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(static_cast<std::uint32_t>(i), 0x89ABCDEFu);
    EXPECT_EQ(r, -0.75f);
    EXPECT_EQ(d, 12345.678);
    EXPECT_EQ(s, "stock");
    EXPECT_TRUE(l);
    ASSERT_EQ(record_next(unit), kStatusOk);
    char c;
    ASSERT_EQ(record_read_char(unit, &c), kStatusOk);
    EXPECT_EQ(c, 'q');
    record_close(unit);

    unit = open_ok(path, kRecordModeUpdate);
    ASSERT_EQ(record_start(unit), kStatusOk);
    std::int32_t appended = 0x01020304;
    ASSERT_EQ(record_write_int(unit, &appended), kStatusOk);
    ASSERT_EQ(record_close(unit), kStatusOk);

    std::string bytes = testsupport::read_file(path);
    EXPECT_EQ(bytes.substr(0, 4), "XVRK");
    EXPECT_EQ(bytes.substr(16, 4), std::string("\0\0\0\3", 4));  // count, still big-endian
    std::string tail = recordtest::record(true, 3, "001I ", std::string("\1\2\3\4", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    unit = open_ok(path, kRecordModeRead);
    ASSERT_EQ(record_goto(unit, 3), kStatusOk);
    ASSERT_EQ(record_read_int(unit, &i), kStatusOk);
    EXPECT_EQ(i, appended);
}

TEST_F(RecordFiles, TheListingShowsSwappedValuesAndStopsAtDamage) {
    int unit = open_ok(dir.write("big.rec", big_endian_file()), kRecordModeRead);
    std::string listing;
    ASSERT_EQ(record_dump(unit, &listing), kStatusOk);
    EXPECT_EQ(listing,
              "header\torder=swapped\ttag=crafted\trecords=2\tfirst=160\tend=231\tformatted=1"
              "\tword4=-1\tword20=0\tflags=1,1,1\n"
              "record\t1\tkey=1\tlength=56\tW:4660\tI:-1985229329\tR:-0.75\tD:12345.678"
              "\tS:stock\tL:1\n"
              "record\t2\tkey=2\tlength=7\tC:q\n");
    record_close(unit);

    // Format entries beyond the data, data beyond the entries, a lost third record.
    std::string rec1 = recordtest::record(false, 1, "002I ", std::string(4, '\0'));
    std::string rec2 = recordtest::record(false, 2, "001C ", "ab");
    HeaderFields h;
    h.count = 3;
    unit =
        open_ok(dir.write("odd.rec", recordtest::header(false, h) + rec1 + rec2), kRecordModeRead);
    listing.clear();
    EXPECT_EQ(record_dump(unit, &listing), kStatusEndOfRecord);
    EXPECT_NE(listing.find("record\t1\tkey=1\tlength=10\tI:0\terror:-34\n"), std::string::npos)
        << listing;
    EXPECT_NE(listing.find("record\t2\tkey=2\tlength=8\tC:a\tunread:1\n"), std::string::npos);
    EXPECT_NE(listing.find("error\t-25\n"), std::string::npos);
}

TEST_F(RecordFiles, AHeaderThatCannotCountAnotherRecordRefusesTheWrite) {
    HeaderFields h;
    h.count = INT32_MAX;
    int unit = open_ok(dir.write("full.rec", recordtest::header(false, h)), kRecordModeUpdate);
    ASSERT_EQ(record_start(unit), kStatusOk);
    std::int32_t v = 1;
    ASSERT_EQ(record_write_int(unit, &v), kStatusOk);
    EXPECT_EQ(record_close(unit), kStatusWriteError);
}

TEST_F(RecordFiles, LittleEndianCraftedFileReadsWithoutSwapping) {
    std::string data = Bytes(false).u32(42).str();
    std::string rec = recordtest::record(false, 9, "001I", data);  // last blank left out
    HeaderFields h;
    h.count = 1;
    h.end = static_cast<std::int32_t>(160 + rec.size());
    int unit = open_ok(dir.write("le.rec", recordtest::header(false, h) + rec), kRecordModeRead);
    std::int32_t value = 0;
    ASSERT_EQ(record_read_int(unit, &value), kStatusOk);
    EXPECT_EQ(value, 42);
}

TEST_F(RecordFiles, UpdateAppendsAfterTheLastRecordAndEmptyFilesOpen) {
    std::string path = dir.file("grow.rec");
    int unit = open_ok(path, kRecordModeCreate);
    ASSERT_EQ(record_close(unit), kStatusOk);
    unit = open_ok(path, kRecordModeRead);  // no records: still opens
    EXPECT_EQ(record_next(unit), kStatusEndOfRecord);
    std::int32_t v;
    EXPECT_EQ(record_read_int(unit, &v), kStatusEndOfRecord);
    record_close(unit);
    for (std::int32_t round = 1; round <= 3; ++round) {
        unit = open_ok(path, kRecordModeUpdate);
        ASSERT_EQ(record_start(unit), kStatusOk);
        ASSERT_EQ(record_write_int(unit, &round), kStatusOk);
        ASSERT_EQ(record_close(unit), kStatusOk);
    }
    unit = open_ok(path, kRecordModeRead);
    for (std::int32_t round = 1; round <= 3; ++round) {
        ASSERT_EQ(round == 1 ? kStatusOk : record_next(unit), kStatusOk);
        ASSERT_EQ(record_read_int(unit, &v), kStatusOk);
        EXPECT_EQ(v, round);
    }
}

TEST_F(RecordFiles, TextsArePaddedCutOrRefused) {
    std::string path = dir.file("text.rec");
    int unit = open_ok(path, kRecordModeCreate);
    record_start(unit);
    record_write_text(unit, "ab");
    record_write_text(unit, "longer text");
    record_write_text(unit, "xy");
    record_write_text(unit, "");
    EXPECT_EQ(record_write_text(unit, std::string(256, 'x')), kStatusBufferTooSmall);
    EXPECT_EQ(record_write_text(unit, std::string(255, 'y')), kStatusOk);
    record_close(unit);

    unit = open_ok(path, kRecordModeRead);
    char field[6];
    ASSERT_EQ(record_read_text(unit, field, 6), kStatusOk);
    EXPECT_EQ(std::string(field, 6), "ab    ");
    ASSERT_EQ(record_read_text(unit, field, 6), kStatusBufferTooSmall);
    EXPECT_EQ(std::string(field, 6), "longer");
    char two[8];
    ASSERT_EQ(record_read_text(unit, two, 4, 2), kStatusOk);
    EXPECT_EQ(std::string(two, 8), "xy      ");
    std::string last;
    ASSERT_EQ(record_read_text(unit, &last), kStatusOk);
    EXPECT_EQ(last, std::string(255, 'y'));
}

TEST_F(RecordFiles, FailingReadsConsumeNothing) {
    std::string path = dir.file("mix.rec");
    int unit = open_ok(path, kRecordModeCreate);
    record_start(unit);
    std::int32_t ints[2] = {5, 6};
    record_write_int(unit, ints, 2);
    float real = 1.25f;
    record_write_real(unit, &real);
    record_close(unit);

    unit = open_ok(path, kRecordModeRead);
    std::int32_t three[3];
    EXPECT_EQ(record_read_int(unit, three, 3), kStatusTypeMismatch);
    float f;
    EXPECT_EQ(record_read_real(unit, &f), kStatusTypeMismatch);
    char type = 0;
    ASSERT_EQ(record_peek_type(unit, &type), kStatusOk);
    EXPECT_EQ(type, 'I');
    ASSERT_EQ(record_read_int(unit, three, 2), kStatusOk);
    EXPECT_EQ(three[1], 6);
    ASSERT_EQ(record_read_real(unit, &f), kStatusOk);
    EXPECT_EQ(f, 1.25f);
    EXPECT_EQ(record_peek_type(unit, &type), kStatusEndOfRecord);
}

TEST_F(RecordFiles, UnitsComeInBlocksOfSixteenAndAreGivenBack) {
    std::vector<int> units;
    for (int i = 0; i < 20; ++i) {
        int unit = 0;
        int status = -1;
        get_unit(&unit, &status);
        ASSERT_EQ(status, kStatusOk);
        units.push_back(unit);
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(units[static_cast<std::size_t>(i)], i + 1);
    }
    EXPECT_EQ(record_close(5), kStatusUnitNotOpen);  // reserved only, but given back
    int unit = 0;
    int status = -1;
    get_unit(&unit, &status);
    EXPECT_EQ(unit, 5);
    // Opening on a reserved number uses it; unit 0 takes the first free one.
    int named = 17;
    record_open(&named, dir.file("a.rec"), kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusOk);
    EXPECT_EQ(named, 17);
    int any = 0;
    record_open(&any, dir.file("b.rec"), kRecordModeCreate, &status);
    EXPECT_EQ(any, 21);
    for (int u = 1; u <= 21; ++u) {
        record_close(u);
    }
}

TEST_F(RecordFiles, CloseAllWritesEveryHeaderAndRunsAtExit) {
    std::string a = dir.file("a.rec");
    std::string b = dir.file("b.rec");
    std::int32_t v = 1;
    pid_t child = fork();
    if (child == 0) {
        int ub = 0;
        int status;
        record_open(&ub, b, kRecordModeCreate, &status);
        record_start(ub);
        record_write_int(ub, &v);
        std::exit(0);  // the exit handler writes the pending record and the header
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    int ua = open_ok(a, kRecordModeCreate);
    record_start(ua);
    record_write_int(ua, &v);
    int ub = open_ok(dir.file("c.rec"), kRecordModeCreate);
    record_close_all();
    EXPECT_EQ(record_close(ua), kStatusUnitNotOpen);
    EXPECT_EQ(record_close(ub), kStatusUnitNotOpen);
    for (const auto& path : {a, b}) {
        int unit = open_ok(path, kRecordModeRead);
        std::int32_t back = 0;
        EXPECT_EQ(record_read_int(unit, &back), kStatusOk) << path;
        EXPECT_EQ(back, 1);
        record_close(unit);
    }
}

struct BadFile {
    const char* what;
    std::string bytes;
    int open_status;
    int next_status;  // status of record_next after a successful open
};

std::vector<BadFile> bad_files() {
    std::string one = recordtest::record(false, 1, "001I ", std::string(4, '\1'));
    auto with = [](HeaderFields h) { return recordtest::header(false, h); };
    HeaderFields counted;
    counted.count = 1;
    counted.end = static_cast<std::int32_t>(160 + one.size());
    HeaderFields claims_more = counted;
    claims_more.count = 50;
    HeaderFields incomplete = counted;
    incomplete.complete = 0;
    HeaderFields far_first = counted;
    far_first.first = 1 << 30;
    HeaderFields negative_first = counted;
    negative_first.first = -4;
    std::string long_record = Bytes(false).u16(500).u16(1).raw("001I ").u8(0).zeros(4).str();
    std::string no_terminator = Bytes(false).u16(9).u16(1).raw("001I 1234").str();
    std::string long_format = recordtest::record(false, 1, std::string(70, ' '), "");
    std::string magic_neither = with(counted) + one;
    magic_neither.replace(0, 4, "KVRX");
    return {
        {"empty file", "", kStatusReadError, 0},
        {"truncated header", with(counted).substr(0, 100), kStatusReadError, 0},
        {"magic in neither order", magic_neither, kStatusBadMagic, 0},
        {"header byte 154 clear", with(incomplete) + one, kStatusBadMode, 0},
        {"first record past the end", with(far_first) + one, kStatusReadError, 0},
        {"first record inside the header", with(negative_first) + one, kStatusReadError, 0},
        {"record length beyond the file", with(counted) + long_record, kStatusReadError, 0},
        {"format without terminator", with(counted) + no_terminator, kStatusReadError, 0},
        {"format text over 63 characters", with(counted) + long_format, kStatusReadError, 0},
        {"first record header cut short", with(counted) + "\1\0", kStatusReadError, 0},
        {"more records claimed than stored", with(claims_more) + one, kStatusOk, kStatusReadError},
    };
}

TEST_F(RecordFiles, DamagedFilesGiveTheirStatusAndNeverLoop) {
    for (const auto& bad : bad_files()) {
        SCOPED_TRACE(bad.what);
        int status = 0;
        int unit = open(dir.write("bad.rec", bad.bytes), kRecordModeRead, &status);
        EXPECT_EQ(status, bad.open_status);
        if (status == kStatusOk) {
            std::int32_t v;
            EXPECT_EQ(record_read_int(unit, &v), kStatusOk);
            EXPECT_EQ(record_next(unit), bad.next_status);
            EXPECT_EQ(record_next(unit), bad.next_status);  // stays stuck, no wandering
        }
        record_close(unit);
    }
}

TEST_F(RecordFiles, MalformedFormatEntriesAreTypeMismatches) {
    for (std::string format : {"01xI ", "001Q ", "001IX", "00"}) {
        SCOPED_TRACE(format);
        std::string rec = recordtest::record(false, 1, format, std::string(4, '\0'));
        HeaderFields h;
        h.count = 1;
        int unit =
            open_ok(dir.write("fmt.rec", recordtest::header(false, h) + rec), kRecordModeRead);
        std::int32_t v;
        EXPECT_EQ(record_read_int(unit, &v), kStatusTypeMismatch);
        record_close(unit);
    }
}

TEST_F(RecordFiles, StatusCodesOfMisuse) {
    int status = 0;
    int unit = 4000;
    record_open(&unit, dir.file("x.rec"), kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusNoSuchUnit);
    EXPECT_EQ(record_close(4000), kStatusNoSuchUnit);
    EXPECT_EQ(record_close(0), kStatusNoSuchUnit);
    unit = 0;
    record_open(&unit, dir.file("x.rec"), 4, &status);
    EXPECT_EQ(status, kStatusBadMode);
    EXPECT_EQ(open_status("", kRecordModeUpdate), kStatusReadError);
    open(dir.file("missing.rec"), kRecordModeRead, &status);
    EXPECT_EQ(status, kStatusFileNotFound);
    open(dir.file(std::string(130, 'n')), kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusFileNotFound);
    open(dir.file("no/such/dir.rec"), kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusFileNotFound);

    // The blank-padded form of the name.
    std::string padded = dir.file("pad.rec") + "      ";
    unit = 0;
    record_open(&unit, padded.c_str(), static_cast<int>(padded.size()), kRecordModeCreate, &status);
    EXPECT_EQ(status, kStatusOk);
    std::int32_t v = 1;
    EXPECT_EQ(record_write_int(unit, &v), kStatusBadMode);  // no record started
    EXPECT_EQ(record_read_int(unit, &v), kStatusBadMode);
    record_close(unit);
    EXPECT_EQ(record_read_int(unit, &v), kStatusUnitNotOpen);

    unit = open_ok(dir.file("pad.rec"), kRecordModeRead);
    EXPECT_EQ(record_start(unit), kStatusBadMode);
    EXPECT_EQ(record_goto(unit, 2), kStatusEndOfRecord);
}

TEST_F(RecordFiles, RecordAndFormatLimitsAreChecked) {
    int unit = open_ok(dir.file("big.rec"), kRecordModeCreate);
    record_start(unit);
    // Twelve entries fill the 63 characters of format text; a thirteenth does not fit.
    for (int i = 0; i < 12; ++i) {
        std::int32_t v = i;
        float f = 0;
        EXPECT_EQ(i % 2 ? record_write_int(unit, &v) : record_write_real(unit, &f), kStatusOk);
    }
    bool l = true;
    EXPECT_EQ(record_write_logical(unit, &l), kStatusBufferTooSmall);
    std::int32_t v = 99;
    EXPECT_EQ(record_write_int(unit, &v), kStatusOk);  // joins the last entry

    record_start(unit);
    std::vector<double> huge(9000, 0.0);
    EXPECT_EQ(record_write_double(unit, huge.data(), 9000), kStatusBufferTooSmall);
    EXPECT_EQ(record_write_double(unit, huge.data(), 7000), kStatusOk);
    EXPECT_EQ(record_write_double(unit, huge.data(), 1000), kStatusOk);  // fills entries of 999
    EXPECT_EQ(record_write_double(unit, huge.data(), 200), kStatusBufferTooSmall);
    ASSERT_EQ(record_close(unit), kStatusOk);

    unit = open_ok(dir.file("big.rec"), kRecordModeRead);
    ASSERT_EQ(record_goto(unit, 2), kStatusOk);
    std::vector<double> back(8000);
    EXPECT_EQ(record_read_double(unit, back.data(), 8000), kStatusOk);
    EXPECT_EQ(record_read_double(unit, back.data(), 1), kStatusEndOfRecord);
}

TEST_F(RecordFiles, AWriteThatDoesNotCompleteIsReported) {
    pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{200, 200};
        setrlimit(RLIMIT_FSIZE, &limit);
        int unit = 0;
        int status;
        record_open(&unit, dir.file("full.rec"), kRecordModeCreate, &status);
        if (status != kStatusOk) {
            _exit(10);
        }
        record_start(unit);
        std::vector<std::int32_t> values(100, 1);
        record_write_int(unit, values.data(), 100);
        if (record_start(unit) != kStatusWriteError) {
            _exit(11);
        }
        std::int32_t small = 1;
        record_write_int(unit, &small);  // fits below the limit
        _exit(record_close(unit) == kStatusOk ? 0 : 12);
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    ASSERT_TRUE(WIFEXITED(wait_status));
    EXPECT_EQ(WEXITSTATUS(wait_status), 0);
    // The failed record is not counted; the one after it is.
    int unit = open_ok(dir.file("full.rec"), kRecordModeRead);
    RecordFileInfo info;
    record_file_info(unit, &info);
    EXPECT_EQ(info.records, 1);
}

}  // namespace
