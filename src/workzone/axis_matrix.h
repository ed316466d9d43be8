#pragma once
// 4 x 4 transformation matrices of 32-bit floats, row by row: element (r, c) is m[r][c].

#include <array>

struct Matrix4 {
    std::array<std::array<float, 4>, 4> m{};
};

Matrix4 identity_matrix();
// a x b, the ordinary matrix product.
Matrix4 multiply(const Matrix4& a, const Matrix4& b);

// The general inverse by cofactors, computed in double precision. A singular matrix (zero or
// non-finite determinant, or an inverse beyond the float range) gives the identity and false,
// so a bad view never spreads NaN through the axis systems.
bool invert(const Matrix4& matrix, Matrix4& inverse);

// The comparison of every identity test: the tolerance comes from a, not from b. NaN is never
// equal to anything.
bool nearly_equal(float a, float b);
// Element by element with nearly_equal, the element of `a` giving the tolerance.
bool nearly_equal(const Matrix4& a, const Matrix4& b);
bool is_identity(const Matrix4& matrix);

// Degrees to radians as the CAM system converts them (not pi / 180).
inline constexpr float kDegreesToRadians = 0.01745511f;
// Rz(c) x Ry(b) x Rx(a) in the 3 x 3 part, the rest identity; angles in degrees. A zero angle
// skips its factor; a cosine or sine below 1e-6 in magnitude counts as exactly 0.
Matrix4 rotation_from_angles(float a, float b, float c);
