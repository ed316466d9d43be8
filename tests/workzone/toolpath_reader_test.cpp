#include <climits>

#include "platform/filesystem.h"
#include "workzone/toolpath_reader.h"
#include "workzone_fixture.h"

namespace {

class ToolpathReaderTest : public WorkzoneTest {
protected:
    void SetUp() override {
        WorkzoneTest::SetUp();
        write_toolpath(0, sample_items());
    }
};

TEST(ToolpathReaderTable, Family200Types) {
    const std::pair<int, bool> cases[] = {
        {200, false},  {201, true},    {299, true},    {300, false},  {10204, true},
        {30204, true}, {10205, false}, {40204, false}, {-201, false},
    };
    for (const auto& [type, family] : cases) {
        EXPECT_EQ(IsFamily200Type(type), family) << type;
    }
}

TEST_F(ToolpathReaderTest, ReadsByKindAndLeavesTheOutputAsItWasOnFailure) {
    const ToolpathReader reader(0);
    std::string text;
    float real = -1.0f;
    std::int32_t integer = -1;
    EXPECT_TRUE(reader.ReadText("TP_LITYPE", text));
    EXPECT_EQ(text, "3");
    EXPECT_EQ(reader.ReadToolpathType(), "30204");
    text = "untouched";
    EXPECT_FALSE(reader.ReadText("TP_CDIAM", text));
    EXPECT_FALSE(reader.ReadReal("TP_CPPNUM", real));
    EXPECT_FALSE(reader.ReadReal("TP_RADS.int", real));
    EXPECT_FALSE(reader.ReadInteger("TP_FRCUT", integer));
    for (int index : {0, 25, -1, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(reader.ReadIndexed(index, text) || reader.ReadIndexed(index, real) ||
                     reader.ReadIndexed(index, integer))
            << index;
    }
    EXPECT_FALSE(reader.ReadIndexed(3, text) || reader.ReadIndexed(1, real) ||
                 reader.ReadIndexed(10, integer));
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(real, -1.0f);
    EXPECT_EQ(integer, -1);
}

TEST_F(ToolpathReaderTest, IndexedReadsRoundRealsToThousandths) {
    ParameterItems items = sample_items();
    items.set_number(3, -2.0004f);
    items.set_number(4, 4.999755f);
    items.set_number(26, 8000.4996f);
    items.set_number(36, 2.0625f);  // an exact half
    items.set_number(42, -0.0625f);
    write_toolpath(0, items);
    const ToolpathReader reader(0);
    const std::pair<int, float> cases[] = {
        {3, 10.0f}, {5, -2.0f}, {16, 8000.5f}, {20, 2.063f}, {19, -0.063f}, {13, 5000.0f},
    };
    for (const auto& [index, expected] : cases) {
        float value = -1.0f;
        EXPECT_TRUE(reader.ReadIndexed(index, value)) << index;
        EXPECT_FLOAT_EQ(value, expected) << index;
    }
}

TEST_F(ToolpathReaderTest, WorkzoneIsLookedUpAtEveryRead) {
    const ToolpathReader reader(0);
    float feed = 0.0f;
    ASSERT_TRUE(reader.ReadReal("TP_FRCUT", feed));
    testsupport::TempDir other;
    ParameterItems items = sample_items();
    items.set_number(23, 321.0f);
    ASSERT_TRUE(write_parameter_file(other.file("outil.par"), items));
    other.write("outil.mul", "");
    env_.set("KVXZONE", other.path());
    EXPECT_TRUE(reader.ReadReal("TP_FRCUT", feed));
    EXPECT_EQ(feed, 321.0f);

    // Undefined: the current directory.
    env_.set("KVXZONE", std::nullopt);
    const std::optional<std::string> previous = platform::current_directory();
    ASSERT_TRUE(platform::set_current_directory(zone_.path()));
    const bool read = reader.ReadReal("TP_FRCUT", feed);
    platform::set_current_directory(previous.value_or("/"));
    EXPECT_TRUE(read);
    EXPECT_EQ(feed, 1200.0f);
}

}  // namespace
