#include <climits>

#include "platform/filesystem.h"
#include "workzone_fixture.h"

namespace {

class ToolpathLoad : public WorkzoneTest {
protected:
    // Item 7 carries a marker value.
    void write_marked(int number, float marker, const std::string& view = "") {
        ParameterItems items = valid_items();
        items.set_number(7, marker);
        items.set_number(19, 1.5f);
        items.set_text(61, "toolpath " + std::to_string(number));
        write_toolpath(number, items, view);
    }
};

TEST_F(ToolpathLoad, ReadsTheFourFilesOfAnyNumber) {
    const int numbers[] = {0, 7, 10000, 20003, INT_MAX};
    for (int number : numbers) {
        write_marked(number, static_cast<float>(number % 1000) + 0.5f,
                     "box 0 0 -10 1 5 0\ncurve c\n");
    }
    zone_.write("outil.niv", "0 0 -1\r\n0 0 -2\r\n");
    zone_.write("outil.per", "10 20 0\n");
    zone_.write("outil7.niv", "1 2\n");  // not a levels file: ignored
    for (int number : numbers) {
        ToolpathDetails details;
        std::string failed = "stale";
        ASSERT_EQ(details.Load(number, zone_.path(), &failed), 0) << number;
        EXPECT_EQ(failed, "");
        EXPECT_EQ(details.step, static_cast<float>(number % 1000) + 0.5f) << number;
        EXPECT_EQ(details.comment, "toolpath " + std::to_string(number));
        EXPECT_EQ(details.z_step_type, number == 0 ? 3 : 2) << number;
        EXPECT_EQ(details.view.limit_curves, std::vector<std::string>{"c"});
        if (number == 0) {
            EXPECT_EQ(details.levels, (std::vector<Point3>{{0, 0, -1}, {0, 0, -2}}));
            EXPECT_EQ(details.points, (std::vector<Point3>{{10, 20, 0}}));
        }
    }
}

TEST_F(ToolpathLoad, FailuresNameTheFileAndLeaveNoStaleValues) {
    write_marked(1, 9.0f);
    ParameterItems invalid;
    invalid.set_number(7, 4.0f);
    write_toolpath(2, invalid);
    write_marked(3, 1.0f, "matrix\n1 0 0\n");
    ASSERT_TRUE(write_parameter_file(zone_.file("outil4.par"), valid_items()));
    zone_.mkdir("outil6.par");
    zone_.write("outil6.mul", "");
    std::string long_directory = zone_.path() + "/" + std::string(611, 'd');
    const std::tuple<int, std::string, int, std::string> cases[] = {
        {5, zone_.path(), 7, zone_.file("outil5.par")},
        {6, zone_.path(), 7, zone_.file("outil6.par")},
        {2, zone_.path(), 7, zone_.file("outil2.par")},
        {3, zone_.path(), 8, zone_.file("outil3.mul")},
        {4, zone_.path(), 7, zone_.file("outil4.mul")},
        {-1, "", 7, "outil-1.par"},
        {0, long_directory, 7, long_directory + "/outil.par"}};
    for (const auto& [number, directory, status, failed_file] : cases) {
        ToolpathDetails details;
        ASSERT_EQ(details.Load(1, zone_.path(), nullptr), 0);
        std::string failed;
        EXPECT_EQ(details.Load(number, directory, &failed), status) << number;
        EXPECT_EQ(failed, failed_file) << number;
        if (status == 7 && number != 4) {
            EXPECT_EQ(details.step, 0.0f) << "values of toolpath 1 kept for " << number;
        }
    }
}

TEST_F(ToolpathLoad, GetToolpathDetailsLoadsOncePerKeyAndPrintsTheDebugLine) {
    write_marked(12, 3.0f);
    env_.set("KVXDEBUG", "1");
    testing::internal::CaptureStdout();
    GetToolpathDetails("", -1);  // the first call loads even for the initial key
    EXPECT_EQ(GetToolpathDetails(zone_.path(), 12).step, 3.0f);
    write_marked(12, 4.0f);
    EXPECT_EQ(GetToolpathDetails(zone_.path(), 12).step, 3.0f);
    EXPECT_EQ(GetToolpathDetails(zone_.path() + "/", 12).step, 4.0f);
    GetToolpathDetails(zone_.path(), 13);
    GetToolpathDetails(zone_.path(), 13);
    std::string out = testing::internal::GetCapturedStdout();
    std::string dir = zone_.path();
    EXPECT_EQ(out, "GetToolpathDetails([],-1)=7,[outil-1.par]\nGetToolpathDetails([" + dir +
                       "],12)=0,[]\n" + "GetToolpathDetails([" + dir + "/],12)=0,[]\n" +
                       "GetToolpathDetails([" + dir + "],13)=7,[" + dir + "/outil13.par]\n");
    EXPECT_EQ(&GetToolpathDetails(dir, 13), &toolpath_details());
}

TEST_F(ToolpathLoad, MachiningAngleRotatesTheCalculationSystem) {
    ParameterItems items = valid_items();
    items.set_number(21, 90.0f);
    write_toolpath(0, items);
    ToolpathDetails details;
    ASSERT_EQ(details.Load(0, zone_.path(), nullptr), 0);
    EXPECT_TRUE(nearly_equal(details.view.transform, rotation_from_angles(0, 0, 90.0f)));
    const AxisSystem* calculation = axis_system(kAxisSystemCalculation);
    ASSERT_TRUE(calculation->flags & kAxisLoaded);
    EXPECT_FALSE(calculation->flags & kAxisIdentity);
    EXPECT_TRUE(is_identity(multiply(calculation->matrix, calculation->inverse)));
}

TEST_F(ToolpathLoad, NamedViewAndZoneDebugOutput) {
    ParameterItems items = valid_items();
    items.set_text(63, "top");
    write_toolpath(0, items);
    zone_.write("outil.mul", "box 0 0 0 1 2 3\n");
    zone_.write("data/top.trn", "# top view\nmatrix\n1 0 0 5\n0 1 0 0\n0 0 1 0\n0 0 0 1\n");
    env_.set("KVXMENU_MZDEBUG", "yes");
    testing::internal::CaptureStdout();
    ToolpathDetails details;
    ASSERT_EQ(details.Load(0, zone_.path(), nullptr), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Load 0 - mzone:\n" + details.view.description() + "\n");
    EXPECT_TRUE(details.view.has_named_view);
    EXPECT_EQ(details.view.named_view_transform.m[0][3], 5.0f);
}

TEST_F(ToolpathLoad, DerivedModes) {
    // type, sub-mode 1, drive curve, points, curve mode, point mode
    const int cases[][6] = {{305, 2, 1, 0, 2, 0}, {305, 2, 0, 0, 1, 0}, {305, 2, 0, 1, 3, 0},
                            {305, 1, 0, 1, 0, 0}, {773, 0, 0, 0, 0, 2}, {773, 0, 0, 1, 0, 1}};
    for (const auto& c : cases) {
        ParameterItems items = valid_items();
        items.set_number(28, static_cast<float>(c[0]));
        items.set_number(29, static_cast<float>(c[1]));
        items.set_text(64, c[2] ? "drive" : "");
        write_toolpath(0, items);
        platform::delete_file(zone_.file("outil.per"));
        if (c[3]) {
            zone_.write("outil.per", "1 1 1\n2 2 2\n");
        }
        ToolpathDetails details;
        ASSERT_EQ(details.Load(0, zone_.path(), nullptr), 0);
        EXPECT_EQ(details.curve_mode, c[4]) << c[0] << " " << c[2];
        EXPECT_EQ(details.point_mode, c[5]) << c[0];
    }
}

}  // namespace
