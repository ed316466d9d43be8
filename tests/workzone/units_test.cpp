#include "workzone/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "runtime/environment.h"
#include "runtime/info_file.h"
#include "runtime/record_file.h"
#include "runtime/report.h"
#include "runtime/status.h"
#include "support/test_support.h"
#include "workzone/toolpath_details.h"

namespace {

constexpr int kCutterRadiusItem = 4;
constexpr int kFeedItem = 23;
constexpr int kAngleItem = 21;

struct ZoneInformation {
    std::optional<float> factor;
    std::optional<std::string> stock_offset;
};

// Writes the zone information: five records of other data, the factor, the offset text.
void write_zone_information(const std::string& path, const ZoneInformation& zone) {
    set_record_program("units-test", true);
    int unit = 0;
    int status = -1;
    record_open(&unit, path, kRecordModeCreate, &status);
    ASSERT_EQ(status, kStatusOk);
    for (std::int32_t other = 1; other <= 5; ++other) {
        record_start(unit);
        record_write_int(unit, &other);
    }
    if (zone.factor) {
        record_start(unit);
        record_write_real(unit, &*zone.factor);
        if (zone.stock_offset) {
            record_start(unit);
            record_write_text(unit, *zone.stock_offset);
        }
    }
    ASSERT_EQ(record_close(unit), kStatusOk);
    set_record_program("CutterBase", false);
}

struct Units : ::testing::Test {
    testsupport::TempDir home;
    testsupport::TempDir zone;
    testsupport::ScopedEnv env;

    bool was_quiet = false;

    void SetUp() override {
        // Workzones without the inch path variable warn about it on every detection.
        was_quiet = set_quiet_reporting(true);
        home.write("config/environ.cfg", "[path]\nENV = $KVXHOME/config\n");
        env.set("KVXHOME", home.path()).set("KVXZONE", zone.path());
        env.set("inch$KVXUNITSPATH", std::nullopt);
        unload_environment();
        forget_workzone_units();
    }
    void TearDown() override {
        forget_workzone_units();
        unload_environment();
        set_quiet_reporting(was_quiet);
    }
    std::string zone_file() const { return zone.file("zone0.inf"); }
};

ParameterItems sample_items() {
    ParameterItems items;
    items.set_number(1, 1.0f);
    items.set_number(kCutterRadiusItem, 254.0f);
    items.set_number(kStockItem, 3.0f);
    items.set_number(kFeedItem, 1500.0f);
    items.set_number(kAngleItem, 45.0f);
    items.set_number(122, 12.7f);
    items.set_text(61, "comment");
    return items;
}

TEST(UnitConversion, ExamplesConvertAndWriteBackExactly) {
    struct Case {
        const char* what;
        WorkzoneUnits units;
        int item;
        float file_value;
        float millimetres;
    };
    const Case cases[] = {
        {"factor 1 leaves lengths", {1, 1.0f, 0.0f}, kCutterRadiusItem, 254.0f, 254.0f},
        {"factor 1 leaves the stock", {1, 1.0f, 0.0f}, kStockItem, 3.0f, 3.0f},
        {"inch radius", {2, 25.4f, 0.0f}, kCutterRadiusItem, 254.0f, 10.0f},
        {"inch feed unchanged", {2, 25.4f, 0.0f}, kFeedItem, 1500.0f, 1500.0f},
        {"angle unchanged", {2, 25.4f, 0.0f}, kAngleItem, 45.0f, 45.0f},
        {"last length item", {2, 25.4f, 0.0f}, 122, 12.7f, 0.5f},
        {"stock with offset", {1, 2.0f, 0.5f}, kStockItem, 3.0f, 1.0f},
        {"offset without factor", {1, 1.0f, 0.5f}, kStockItem, 3.0f, 2.5f},
        {"offset leaves other lengths", {1, 2.0f, 0.5f}, kCutterRadiusItem, 254.0f, 127.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterItems items = sample_items();
        items.set_number(c.item, c.file_value);
        convert_items_from_workzone(items, c.units);
        EXPECT_FLOAT_EQ(items.number(c.item), c.millimetres);
        EXPECT_EQ(items.text(61), "comment");
        convert_items_to_workzone(items, c.units);
        EXPECT_FLOAT_EQ(items.number(c.item), c.file_value);
    }
}

TEST(UnitConversion, FactorOneAndNoOffsetIsThePlainRead) {
    ParameterItems items = sample_items();
    ParameterItems plain = items;
    convert_items_from_workzone(items, WorkzoneUnits{});
    for (int item = 1; item <= kParameterItemCount; ++item) {
        EXPECT_EQ(items.number(item), plain.number(item)) << item;
    }
}

TEST_F(Units, WithoutZoneInformationTheDefaultsHold) {
    WorkzoneUnits units = workzone_units();
    EXPECT_EQ(units.system, kUnitSystemMillimetres);
    EXPECT_EQ(units.factor, 1.0f);
    EXPECT_EQ(units.stock_offset, 0.0f);
}

TEST_F(Units, FactorAndOffsetComeFromTheZoneInformation) {
    struct Case {
        const char* what;
        ZoneInformation zone;
        float factor;
        float offset;
    };
    const Case cases[] = {
        {"both", {25.4f, "0.5"}, 25.4f, 0.5f},
        {"offset with trailing text", {2.0f, "  -1.25 mm"}, 2.0f, -1.25f},
        {"empty offset", {2.0f, ""}, 2.0f, 0.0f},
        {"no offset record", {2.0f, std::nullopt}, 2.0f, 0.0f},
        {"no factor record", {std::nullopt, std::nullopt}, 1.0f, 0.0f},
        {"zero factor", {0.0f, "1"}, 1.0f, 1.0f},
        {"negative factor", {-25.4f, "1"}, 1.0f, 1.0f},
        {"not a number", {std::nanf(""), "1"}, 1.0f, 1.0f},
        {"infinite", {INFINITY, "1"}, 1.0f, 1.0f},
        {"offset beyond 60 characters", {1.0f, std::string(59, ' ') + "12345"}, 1.0f, 1.0f},
        {"offset not a number", {1.0f, "abc"}, 1.0f, 0.0f},
        {"offset out of range", {1.0f, "1e999"}, 1.0f, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_zone_information(zone_file(), c.zone);
        WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.factor, c.factor);
        EXPECT_EQ(units.stock_offset, c.offset);
    }
}

TEST_F(Units, DamagedZoneInformationGivesTheDefaults) {
    for (const std::string& bytes :
         {std::string(), std::string(200, 'x'), std::string(170, '\0')}) {
        zone.write("zone0.inf", bytes);
        WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.factor, 1.0f);
        EXPECT_EQ(units.stock_offset, 0.0f);
    }
}

TEST_F(Units, AnInchFileMeansInchesAndTheResultIsKeptForTheProcess) {
    std::string marker = zone.write("inch.txt", "");
    env.set("inch$KVXUNITSPATH", marker);
    unload_environment();
    write_zone_information(zone_file(), {25.4f, "0"});
    const WorkzoneUnits& units = workzone_units();
    EXPECT_EQ(units.system, kUnitSystemInches);
    EXPECT_EQ(units.factor, 25.4f);

    write_zone_information(zone_file(), {2.0f, "0"});
    env.set("inch$KVXUNITSPATH", zone.mkdir("a-directory"));
    unload_environment();
    EXPECT_EQ(workzone_units().factor, 25.4f);  // cached
    forget_workzone_units();
    EXPECT_EQ(workzone_units().factor, 2.0f);
    EXPECT_EQ(workzone_units().system, kUnitSystemMillimetres);
}

TEST_F(Units, ConvertingReadAndWriteOfAParameterFile) {
    write_zone_information(zone_file(), {25.4f, "0.5"});
    ToolpathDetails plain;
    plain.CopyFromItems(sample_items(), zone.path());
    std::string path = zone.file("outil.par");
    ASSERT_EQ(plain.WriteParameterFile(path), 0);

    ToolpathDetails converted;
    ASSERT_EQ(read_parameter_file_converted(converted, path), 0);
    EXPECT_FLOAT_EQ(converted.cutter_radius, 10.0f);
    EXPECT_FLOAT_EQ(converted.stock, 3.0f / 25.4f - 0.5f);
    EXPECT_FLOAT_EQ(converted.feed_cut, plain.feed_cut);

    std::string back = zone.file("back.par");
    ASSERT_EQ(write_parameter_file_converted(converted, back), 0);
    ToolpathDetails reread;
    ASSERT_EQ(reread.ReadParameterFile(back), 0);
    EXPECT_NEAR(reread.cutter_radius, 254.0f, 1e-3f);
    EXPECT_NEAR(reread.stock, 3.0f, 1e-3f);

    EXPECT_NE(read_parameter_file_converted(converted, zone.file("missing.par")), 0);
}

}  // namespace
