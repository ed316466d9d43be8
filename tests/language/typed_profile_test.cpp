#include "language/typed_profile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "language/current_profile.h"
#include "support/test_support.h"

namespace {

class TypedProfileTest : public ::testing::Test {
protected:
    // Makes the file hold these lines and the current profile for the test body.
    void use(const std::string& body) {
        profile_.emplace(temp_.write("typed.ini", "[S]\r\n" + body));
    }

    testsupport::TempDir temp_;
    std::optional<ProfileSwitch> profile_;
};

// Written in a locale with a decimal comma where the machine has one: numbers keep the point.
TEST_F(TypedProfileTest, RealsRoundToThreeDecimalsHalvesAwayFromZeroWhateverTheLocale) {
    const std::pair<const char*, double> cases[] = {
        {"0.12345", 0.123}, {"-2.71828", -2.718}, {"0.0005", 0.001}, {"-0.0005", -0.001},
        {"1.2345", 1.235},  {"2.0005", 2.001},    {"1e-4", 0.0},     {"  7  ", 7.0},
        {"12abc", 12.0},    {"\"4.25\"", 4.25},   {"-0", 0.0},       {"123456.7894", 123456.789}};
    for (const auto& [text, expected] : cases) {
        use(std::string("r=") + text + "\r\n");
        EXPECT_DOUBLE_EQ(read_profile_real("S", "r", 99.0), expected) << text;
        EXPECT_FLOAT_EQ(read_profile_real("S", "r", 99.0f), static_cast<float>(expected)) << text;
    }
    use("big=-1e39\r\nhuge=1e999\r\nempty=\r\n");
    EXPECT_EQ(read_profile_real("S", "big", 0.0f), -HUGE_VALF);
    EXPECT_EQ(read_profile_real("S", "huge", 0.0), HUGE_VAL);
    EXPECT_DOUBLE_EQ(read_profile_real("S", "empty", 0.8), 0.8);
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const bool written = write_profile_real("S", "b", -1.0 / 3.0, 5) &&
                         write_profile_real("S", "d", 1.25, -1) &&
                         write_profile_real("S", "e", 1.0, 100000) &&
                         write_profile_vector2("S", "v", {1.5, -2.25}, 2);
    const double back = read_profile_real("S", "b", 0.0);
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(written);
    EXPECT_EQ(read_profile_string("S", "b", "") + "|" + read_profile_string("S", "d", "") + "|" +
                  read_profile_string("S", "v", ""),
              "-0.33333|1.250000|1.50 -2.25");
    EXPECT_LT(read_profile_string("S", "e", "").size(), 100u);
    EXPECT_DOUBLE_EQ(back, -0.333);
}

// Below the double epsilon nothing is rounded; a colour needs three numbers; a list's
// trailing blank is trimmed on read; lists and arrays shrink without leftovers.
TEST_F(TypedProfileTest, VectorsColoursIntegerPairsAndLists) {
    use("v3=1.23456 -2.5 3\r\nshort=1 2\r\nbox=0 0 0 10 20 30.0004\r\n"
        "tiny=1.23456789012345678 0 0\r\nc=10 20 30\r\nbig=256 -1 0\r\nwrap=4294967297 x\r\n"
        "t1=first\r\nt2=second\r\nt4=after the gap\r\nf0=a\r\nf1=b\r\nf3=d\r\n");
    EXPECT_EQ(read_profile_vector3("S", "v3", {9, 9, 9}, 2), (Vector3{1.23, -2.5, 3.0}));
    EXPECT_EQ(read_profile_vector3("S", "short", {9, 9, 9}, 3), (Vector3{9, 9, 9}));
    EXPECT_EQ(read_profile_box("S", "box", {}, 3), (Box{0, 0, 0, 10, 20, 30}));
    EXPECT_EQ(read_profile_vector3("S", "tiny", {}, 1000)[0], 1.23456789012345678);
    EXPECT_EQ(read_profile_colour("S", "c", 7) + read_profile_colour("S", "short", 7),
              10u + 20u * 256u + 30u * 65536u + 7u);
    EXPECT_EQ(read_profile_colour("S", "big", 7), 256u + 0xFFFFFF00u);
    EXPECT_EQ(read_profile_int_list("S", "short", 3, {7}), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(read_profile_int_list("S", "wrap", 1, {}), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(read_profile_text_list("S", "t", "def"), "first\r\nsecond");
    EXPECT_EQ(read_profile_string_array("S", "f"), (std::vector<std::string>{"a", "b"}));
    ASSERT_TRUE(
        write_profile_vector3("S", "w3", {1.0, -0.5, 2.25}, 3) &&
        write_profile_colour("S", "w", 0x12345678u) && write_profile_int_pair("S", "wp", {-1, 2}) &&
        write_profile_int_list("S", "wl", {1, -2, 3}) &&
        write_profile_real_list("S", "wr", {0.5, -1.0 / 3.0}) &&
        write_profile_text_list("S", "n", "a\r\nb") && write_profile_text_list("S", "n", "c") &&
        write_profile_string_array("S", "g", {"x", "y"}) &&
        write_profile_string_array("S", "g", {"z"}));
    EXPECT_EQ(read_profile_string("S", "w3", "") + "|" + read_profile_string("S", "w", "") + "|" +
                  read_profile_string("S", "wl", "") + "|" + read_profile_string("S", "n2", "-") +
                  "|" + read_profile_string("S", "g1", "-"),
              "1.000 -0.500 2.250|120 86 52|1 -2 3|-|-");
    EXPECT_EQ(read_profile_int_pair("S", "wp", {0, 0}), (IntPair{-1, 2}));
    EXPECT_EQ(read_profile_real_list("S", "wr", 2, {}), (std::vector<double>{0.5, -0.333}));
    EXPECT_EQ(read_profile_text_list("S", "n", "") + read_profile_string_array("S", "g")[0], "cz");
    // A line the file cannot hold makes the write fail.
    EXPECT_FALSE(write_profile_text_list("S", "bad", "x\ny"));
}

TEST_F(TypedProfileTest, VeryLongLinesAreReadWholeAndSafely) {
    const std::string digits(200000, '7');
    use("long=" + digits + "\r\nreal=1." + digits + "\r\nlist=" + std::string(100000, ' ') +
        "1 2\r\n" + std::string(100000, 'y') + "\r\nafter=ok\r\n");
    EXPECT_DOUBLE_EQ(read_profile_real("S", "real", 0.0), 1.778);
    EXPECT_EQ(read_profile_int_pair("S", "list", {0, 0}), (IntPair{1, 2}));
    EXPECT_EQ(read_profile_string("S", "after", ""), "ok");
    EXPECT_EQ(read_profile_vector3("S", "long", {1, 2, 3}, 3), (Vector3{1, 2, 3}));
}

}  // namespace
