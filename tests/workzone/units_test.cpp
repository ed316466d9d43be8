#include "workzone/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "runtime/record_file.h"
#include "runtime/report.h"
#include "runtime/status.h"
#include "workzone_fixture.h"

namespace {

constexpr int kCutterRadiusItem = 4;
constexpr int kFeedItem = 23;

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

struct Units : WorkzoneTest {
    bool was_quiet = false;
    void SetUp() override {
        // Workzones without the inch path variable warn about it on every detection.
        was_quiet = set_quiet_reporting(true);
        env_.set("inch$KVXUNITSPATH", std::nullopt);
        WorkzoneTest::SetUp();
        forget_workzone_units();
    }
    void TearDown() override {
        forget_workzone_units();
        WorkzoneTest::TearDown();
        set_quiet_reporting(was_quiet);
    }
    std::string zone_file() const { return zone_.file("zone0.inf"); }
};

ParameterItems unit_items() {
    ParameterItems items;
    const std::pair<int, float> numbers[] = {{1, 1.0f},
                                             {kCutterRadiusItem, 254.0f},
                                             {kStockItem, 3.0f},
                                             {kFeedItem, 1500.0f},
                                             {122, 12.7f}};
    for (const auto& [item, value] : numbers) {
        items.set_number(item, value);
    }
    items.set_text(61, "comment");
    return items;
}

TEST(UnitConversion, ExamplesConvertAndWriteBackExactly) {
    struct Case {
        const char* what;
        WorkzoneUnits units;
        int item;
        float file_value, millimetres;
    };
    const Case cases[] = {
        {"inch radius", {2, 25.4f, 0.0f}, kCutterRadiusItem, 254.0f, 10.0f},
        {"inch feed unchanged", {2, 25.4f, 0.0f}, kFeedItem, 1500.0f, 1500.0f},
        {"last length item", {2, 25.4f, 0.0f}, 122, 12.7f, 0.5f},
        {"stock with offset", {1, 2.0f, 0.5f}, kStockItem, 3.0f, 1.0f},
        {"offset without factor", {1, 1.0f, 0.5f}, kStockItem, 3.0f, 2.5f},
        {"offset leaves other lengths", {1, 2.0f, 0.5f}, kCutterRadiusItem, 254.0f, 127.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParameterItems items = unit_items();
        items.set_number(c.item, c.file_value);
        convert_items_from_workzone(items, c.units);
        EXPECT_FLOAT_EQ(items.number(c.item), c.millimetres);
        EXPECT_EQ(items.text(61), "comment");
        convert_items_to_workzone(items, c.units);
        EXPECT_FLOAT_EQ(items.number(c.item), c.file_value);
    }
}

TEST_F(Units, FactorAndOffsetComeFromTheZoneInformation) {
    struct Case {
        const char* what;
        ZoneInformation zone;
        float factor, offset;
    };
    const Case cases[] = {
        {"both", {25.4f, "0.5"}, 25.4f, 0.5f},
        {"offset with trailing text", {2.0f, "  -1.25 mm"}, 2.0f, -1.25f},
        {"no offset record", {2.0f, std::nullopt}, 2.0f, 0.0f},
        {"no factor record", {std::nullopt, std::nullopt}, 1.0f, 0.0f},
        {"zero factor", {0.0f, "1"}, 1.0f, 1.0f},
        {"not a number", {std::nanf(""), "1"}, 1.0f, 1.0f},
        {"offset beyond 60 characters", {1.0f, std::string(59, ' ') + "12345"}, 1.0f, 1.0f},
        {"offset not a number", {1.0f, "abc"}, 1.0f, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_zone_information(zone_file(), c.zone);
        WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.factor, c.factor);
        EXPECT_EQ(units.stock_offset, c.offset);
    }
}

TEST_F(Units, MissingOrDamagedZoneInformationGivesTheDefaults) {
    EXPECT_EQ(workzone_units().system, kUnitSystemMillimetres);
    EXPECT_EQ(workzone_units().factor, 1.0f);
    for (const std::string& bytes :
         {std::string(), std::string(200, 'x'), std::string(170, '\0')}) {
        zone_.write("zone0.inf", bytes);
        WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.factor, 1.0f);
        EXPECT_EQ(units.stock_offset, 0.0f);
    }
}

TEST_F(Units, AnInchFileMeansInchesAndTheResultIsKeptForTheProcess) {
    std::string marker = zone_.write("inch.txt", "");
    env_.set("inch$KVXUNITSPATH", marker);
    unload_environment();
    write_zone_information(zone_file(), {25.4f, "0"});
    const WorkzoneUnits& units = workzone_units();
    EXPECT_EQ(units.system, kUnitSystemInches);
    EXPECT_EQ(units.factor, 25.4f);

    write_zone_information(zone_file(), {2.0f, "0"});
    env_.set("inch$KVXUNITSPATH", zone_.mkdir("a-directory"));
    unload_environment();
    EXPECT_EQ(workzone_units().factor, 25.4f);  // cached
    forget_workzone_units();
    EXPECT_EQ(workzone_units().factor, 2.0f);
    EXPECT_EQ(workzone_units().system, kUnitSystemMillimetres);
}

TEST_F(Units, ConvertingReadAndWriteOfAParameterFile) {
    write_zone_information(zone_file(), {25.4f, "0.5"});
    ToolpathDetails plain;
    plain.CopyFromItems(unit_items(), zone_.path());
    std::string path = zone_.file("outil.par");
    ASSERT_EQ(plain.WriteParameterFile(path), 0);

    ToolpathDetails converted;
    ASSERT_EQ(read_parameter_file_converted(converted, path), 0);
    EXPECT_FLOAT_EQ(converted.cutter_radius, 10.0f);
    EXPECT_FLOAT_EQ(converted.stock, 3.0f / 25.4f - 0.5f);
    EXPECT_FLOAT_EQ(converted.feed_cut, plain.feed_cut);

    std::string back = zone_.file("back.par");
    ASSERT_EQ(write_parameter_file_converted(converted, back), 0);
    ToolpathDetails reread;
    ASSERT_EQ(reread.ReadParameterFile(back), 0);
    EXPECT_NEAR(reread.cutter_radius, 254.0f, 1e-3f);
    EXPECT_NEAR(reread.stock, 3.0f, 1e-3f);

    EXPECT_NE(read_parameter_file_converted(converted, zone_.file("missing.par")), 0);
}

}  // namespace
