#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "language/catalogue_fixture.h"
#include "language/current_profile.h"
#include "support/test_support.h"
#include "toolfiles/fedrix_tool_info.h"

namespace {

using testsupport::read_file;
using testsupport::TempDir;

// The file of the default values, written by hand from the table of sections and keys.
const char kDefaults[] =
    "[T.A.L.M.O.R.]\r\n"
    "Fedrix=Fedrix Tool Information\r\n"
    "[BASICS]\r\n"
    "Optimize Feed Rates=y\r\n"
    "Min Feed Rate=250\r\n"
    "Max Feed Rate=0\r\n"
    "Start Depth=0.800\r\n"
    "Max Depth=3.500\r\n"
    "Max Cut Height=0.000\r\n"
    "[ADVANCED]\r\n"
    "Plunge Continous Adaptation=1\r\n"
    "Plunge Factor=1.000\r\n"
    "Plunge Start Angle=1.000\r\n"
    "Plunge End Angle=70.000\r\n"
    "Ramp Feed Rate=0\r\n"
    "Ramp Angle=0.000\r\n"
    "Unsymmetry Factor=1.000\r\n"
    "Drag Factor=1.000\r\n"
    "Drag Start Angle=1.000\r\n"
    "Drag End Angle=70.000\r\n"
    "Climb Factor=1.000\r\n"
    "Entangulation Start Angle=10.000\r\n"
    "Entangulation End Angle=90.000\r\n"
    "Entangulation Factor=1.000\r\n"
    "Air Cut Feed Rate=0\r\n"
    "Air Cut Optimization=n\r\n"
    "Retraction Optimization=n\r\n"
    "Stock Distance=0.000\r\n"
    "Feed Rate Per Tooth=0.000\r\n"
    "Number Of Teeth=0\r\n"
    "Spindle Speed Optimization=n\r\n";

const std::string kMarker = "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n";

struct FedrixTest : ::testing::Test {
    TempDir dir;
    ScriptedPresenter presenter;
};

TEST_F(FedrixTest, DefaultsAreWrittenExactlyAndValuesRoundTripWithThreeDecimals) {
    std::string path = dir.write("D10.ncs", "[OLD]\r\nstale=1\r\n");
    FedrixToolInfo info(path);
    ASSERT_TRUE(info.Save());
    EXPECT_EQ(read_file(path), kDefaults);
    info.optimize_feed_rates = false;
    info.start_depth = 1.23456f;
    info.number_of_teeth = 4;
    ASSERT_TRUE(info.Save());
    FedrixToolInfo back(path);
    ASSERT_TRUE(back.Check() && back.ReadSucceeded());
    EXPECT_FALSE(back.optimize_feed_rates);
    EXPECT_FLOAT_EQ(back.start_depth, 1.235f);
    EXPECT_EQ(back.number_of_teeth, 4);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(FedrixTest, OnlyTheRightMarkerIsReadAndAWrongOneIsAnnounced) {
    std::string path = dir.write(
        "w.ncs",
        "[T.A.L.M.O.R.]\r\nFedrix=fedrix tool information\r\n[BASICS]\r\nMin Feed Rate=1\r\n");
    FedrixToolInfo info(path);
    info.Check();
    EXPECT_FALSE(info.ReadSucceeded());
    EXPECT_EQ(info.min_feed_rate, 250);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "'" + path + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");

    // Blanks around the marker are trimmed.
    dir.write("w.ncs", "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information \r\n");
    info.Check();
    EXPECT_TRUE(info.ReadSucceeded());
}

// Reals beyond the float range read as 0, zero has no sign, three decimals survive whatever the
// size; integers beyond 32 bits read as the nearest limit, never as another number.
TEST_F(FedrixTest, ValuesReadAsTheyCanBeWrittenBack) {
    FedrixToolInfo info(dir.write(
        "r.ncs", kMarker + "[BASICS]\r\nMin Feed Rate=-99999999999\r\nMax Feed Rate=2147483648\r\n"
                           "Start Depth=1e39\r\nMax Depth=-1e999\r\nMax Cut Height=-0.0004\r\n"
                           "[ADVANCED]\r\nFeed Rate Per Tooth=123456789.123\r\n"
                           "Number Of Teeth=99999999999\r\n"));
    ASSERT_TRUE(info.Check() && info.ReadSucceeded());
    const std::pair<int, const char*> expected[] = {
        {2, "-2147483648"}, {3, "2147483647"},     {4, "0.000"},       {5, "0.000"},
        {6, "0.000"},       {25, "123456789.123"}, {26, "2147483647"},
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(info.Entries()[index].text, text) << info.Entries()[index].key;
    }
}

TEST_F(FedrixTest, AFileThatCannotBeReadIsSaidToBeUnreadable) {
    const std::string path = dir.file("pipe.ncs");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    FedrixToolInfo info(path);
    ProfileSwitch use(path);
    EXPECT_FALSE(info.Read() || info.ReadSucceeded());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "'" + path + "' konnte nicht gelesen werden!");
}

// The file replaced while it is being read: every value still comes from one version.
class ReplacedWhileRead : public FedrixToolInfo {
public:
    using FedrixToolInfo::FedrixToolInfo;
    std::function<void()> replace;

protected:
    int OnFileFound() override {
        replace();
        return FedrixToolInfo::OnFileFound();
    }
};

TEST_F(FedrixTest, EveryValueComesFromOneParseOfTheFile) {
    std::string path = dir.write("v.ncs", kMarker + "[BASICS]\r\nMin Feed Rate=1\r\n");
    ReplacedWhileRead info(path);
    info.replace = [&] { dir.write("v.ncs", "[BASICS]\r\nMin Feed Rate=2\r\n"); };
    ASSERT_TRUE(info.Check() && info.ReadSucceeded());
    EXPECT_EQ(info.min_feed_rate, 1);
}

TEST(FedrixPath, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(FedrixFilePath("/lib/D10_ball.wkz"), "/lib/D10_ball.ncs");
    EXPECT_EQ(FedrixFilePath("/lib/v1.2/D10"), "/lib/v1.2/D10.ncs");
}

}  // namespace
