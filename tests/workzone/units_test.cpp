#include "workzone/units.h"

#include <cmath>
#include <cstring>

#include "runtime/record_bytes.h"
#include "runtime/report.h"
#include "workzone_fixture.h"

namespace {

constexpr int kRadius = 4;
constexpr int kFeed = 23;

// The zone information: five records of other data, the factor, the offset text.
std::string zone_information(std::optional<float> factor, std::optional<std::string> offset) {
    std::string records;
    for (std::uint16_t key = 1; key <= 5; ++key) {
        records += recordtest::record(false, key, "001I ", std::string(4, '\0'));
    }
    if (factor) {
        std::string bytes(4, '\0');
        std::memcpy(bytes.data(), &*factor, 4);  // this machine is little-endian
        records += recordtest::record(false, 6, "001R ", bytes);
    }
    if (factor && offset) {
        records += recordtest::record(false, 7, "001S ", char(offset->size()) + *offset);
    }
    return recordtest::file(false, factor ? (offset ? 7 : 6) : 5, records);
}

struct Units : WorkzoneTest {
    bool was_quiet = set_quiet_reporting(true);  // no inch path variable: a warning each time
    void SetUp() override {
        env_.set("inch$KVXUNITSPATH", std::nullopt);
        WorkzoneTest::SetUp();
        forget_workzone_units();
    }
    void TearDown() override {
        forget_workzone_units();
        WorkzoneTest::TearDown();
        set_quiet_reporting(was_quiet);
    }
    void write_zone(std::optional<float> factor, std::optional<std::string> offset) {
        zone_.write("zone0.inf", zone_information(factor, offset));
    }
};

ParameterItems unit_items() {
    ParameterItems items;
    const std::pair<int, float> numbers[] = {
        {1, 1.0f}, {kRadius, 254.0f}, {kStockItem, 3.0f}, {kFeed, 1500.0f}, {122, 12.7f}};
    for (const auto& [item, value] : numbers) {
        items.set_number(item, value);
    }
    items.set_text(61, "comment");
    return items;
}

TEST(UnitConversion, ExamplesConvertAndWriteBackExactly) {
    // system, factor, offset, item, value in the file, value in millimetres
    const std::tuple<WorkzoneUnits, int, float, float> cases[] = {
        {{2, 25.4f, 0.0f}, kRadius, 254.0f, 10.0f}, {{2, 25.4f, 0.0f}, kFeed, 1500.0f, 1500.0f},
        {{2, 25.4f, 0.0f}, 122, 12.7f, 0.5f},       {{1, 2.0f, 0.5f}, kStockItem, 3.0f, 1.0f},
        {{1, 1.0f, 0.5f}, kStockItem, 3.0f, 2.5f},  {{1, 2.0f, 0.5f}, kRadius, 254.0f, 127.0f}};
    for (const auto& [units, item, file_value, millimetres] : cases) {
        ParameterItems items = unit_items();
        items.set_number(item, file_value);
        convert_items_from_workzone(items, units);
        EXPECT_FLOAT_EQ(items.number(item), millimetres) << item;
        EXPECT_EQ(items.text(61), "comment");
        convert_items_to_workzone(items, units);
        EXPECT_FLOAT_EQ(items.number(item), file_value) << item;
    }
}

TEST_F(Units, FactorAndOffsetComeFromTheZoneInformation) {
    EXPECT_EQ(workzone_units().system, kUnitSystemMillimetres);
    EXPECT_EQ(workzone_units().factor, 1.0f);  // no zone information
    struct Case {
        std::optional<float> factor;
        std::optional<std::string> offset;
        float expected_factor, expected_offset;
    };
    const Case cases[] = {
        {25.4f, "0.5", 25.4f, 0.5f},      {2.0f, "  -1.25 mm", 2.0f, -1.25f},
        {2.0f, std::nullopt, 2.0f, 0.0f}, {std::nullopt, std::nullopt, 1.0f, 0.0f},
        {0.0f, "1", 1.0f, 1.0f},          {std::nanf(""), "1", 1.0f, 1.0f},
        {1.0f, "abc", 1.0f, 0.0f},        {1.0f, std::string(59, ' ') + "12345", 1.0f, 1.0f}};
    for (const auto& c : cases) {
        write_zone(c.factor, c.offset);
        WorkzoneUnits units = detect_workzone_units();
        EXPECT_EQ(units.factor, c.expected_factor) << c.offset.value_or("-");
        EXPECT_EQ(units.stock_offset, c.expected_offset) << c.offset.value_or("-");
    }
    for (const std::string& bytes :
         {std::string(), std::string(200, 'x'), std::string(170, '\0')}) {
        zone_.write("zone0.inf", bytes);
        EXPECT_EQ(detect_workzone_units().factor, 1.0f);
        EXPECT_EQ(detect_workzone_units().stock_offset, 0.0f);
    }
}

TEST_F(Units, AnInchFileMeansInchesAndTheResultIsKeptForTheProcess) {
    env_.set("inch$KVXUNITSPATH", zone_.write("inch.txt", ""));
    unload_environment();
    write_zone(25.4f, "0");
    EXPECT_EQ(workzone_units().system, kUnitSystemInches);
    EXPECT_EQ(workzone_units().factor, 25.4f);

    write_zone(2.0f, "0");
    env_.set("inch$KVXUNITSPATH", zone_.mkdir("a-directory"));
    unload_environment();
    EXPECT_EQ(workzone_units().factor, 25.4f);  // kept
    forget_workzone_units();
    EXPECT_EQ(workzone_units().factor, 2.0f);
    EXPECT_EQ(workzone_units().system, kUnitSystemMillimetres);
}

TEST_F(Units, ConvertingReadAndWriteOfAParameterFile) {
    write_zone(25.4f, "0.5");
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
