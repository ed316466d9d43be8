#include <cmath>

#include "workzone/axis_matrix.h"
#include "workzone_fixture.h"

namespace {

Matrix4 translation(float x, float y, float z) {
    Matrix4 m = identity_matrix();
    m.m[0][3] = x;
    m.m[1][3] = y;
    m.m[2][3] = z;
    return m;
}

TEST(AxisMatrix, ToleranceFromTheFirstValueAndInverses) {
    const std::tuple<float, float, bool> cases[] = {
        {0.0f, 5e-7f, true},        {5e-7f, 0.0f, true},  {1.0f, 1.000002f, false},
        {1.0f, 1.0000005f, true},   {2e-6f, 0.0f, false}, {0.0f, 2e-6f, false},
        {NAN, 0.0f, false},         {0.0f, NAN, false},   {1000.0f, 1000.002f, false},
        {1000.0f, 1000.0005f, true}};
    for (const auto& [a, b, equal] : cases) {
        EXPECT_EQ(nearly_equal(a, b), equal) << a << " vs " << b;
    }
    Matrix4 m = multiply(translation(10, -5, 2), rotation_from_angles(15, 30, 45));
    Matrix4 inverse;
    ASSERT_TRUE(invert(m, inverse));
    EXPECT_TRUE(is_identity(multiply(m, inverse)) && is_identity(multiply(inverse, m)));
    Matrix4 singular = identity_matrix(), nan_matrix = identity_matrix(), tiny = identity_matrix();
    singular.m[2][2] = 0.0f;
    nan_matrix.m[0][1] = NAN;
    tiny.m[0][0] = 1e-39f;  // its inverse is beyond the float range
    for (const Matrix4& bad : {singular, nan_matrix, tiny, Matrix4{}}) {
        Matrix4 result = translation(1, 2, 3);
        EXPECT_FALSE(invert(bad, result));
        EXPECT_TRUE(is_identity(result));
    }
}

using AxisSystems = WorkzoneTest;

// No machine file: the machine slot is the identity, named by the path it looked for.
TEST_F(AxisSystems, MachineFileFullShortAndBroken) {
    ASSERT_EQ(load_axis_system(kAxisSystemCad, "CAD"), 0);
    const AxisSystem* none = axis_system(kAxisSystemMachine);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->flags & (kAxisLoaded | kAxisIdentity), kAxisLoaded | kAxisIdentity);
    EXPECT_EQ(none->name, zone_.file("transfo.dat"));
    // content, loaded, elements [0][3] and [1][0]; a fourth number beyond the 128 characters of
    // the line makes the short form.
    const std::tuple<std::string, bool, float, float> cases[] = {
        {"machine\n1 4 0 0\n0 1 0 0\n0 0 1 0\n7 8 9 1\n1 0 0 0\n0 1 0 0\n0 0 1 0\n-7 -8 -9 1\n",
         true, 7.0f, 4.0f},
        {"short\n1 2 0\n0 1 0\n0 0 1\n1 0 0\n0 1 0\n0 0 1\n", true, 0.0f, 2.0f},
        {"short\n1 0 0\n0 1\n0 0 1\n1 0 0\n0 1 0\n0 0 1\n", false, 0, 0},
        {"x\n1 0 nan 0\n", false, 0, 0},
        {"h\n1e39 0 0\n0 1 0\n0 0 1\n1 0 0\n0 1 0\n0 0 1\n", false, 0, 0},
        {"head\n+1 0 0 " + std::string(200, ' ') +
             "5\n0 1 0 0\n0 0 1 0\n0 0 0 1\n1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n",
         true, 0, 0}};
    for (const auto& [content, loaded, element_03, element_10] : cases) {
        reset_axis_systems();
        std::string path = zone_.write("transfo.dat", content);
        testing::internal::CaptureStderr();
        ASSERT_EQ(load_axis_system(kAxisSystemCad, "CAD"), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), loaded ? "" : "read error " + path);
        const AxisSystem* machine = axis_system(kAxisSystemMachine);
        EXPECT_EQ((machine->flags & kAxisLoaded) != 0, loaded) << content;
        EXPECT_TRUE(!loaded ||
                    (machine->matrix.m[0][3] == element_03 &&
                     machine->matrix.m[1][0] == element_10 && machine->matrix.m[3][3] == 1.0f))
            << content;
    }
}

}  // namespace
