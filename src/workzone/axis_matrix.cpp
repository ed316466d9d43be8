#include "workzone/axis_matrix.h"

#include <cmath>

namespace {

constexpr float kSmall = 1e-6f;

float cleaned(float value) {
    return std::fabs(value) < kSmall ? 0.0f : value;
}

// Rotation about one axis in the 3 x 3 part; axis 0 = x, 1 = y, 2 = z.
Matrix4 axis_rotation(int axis, float degrees) {
    float radians = degrees * kDegreesToRadians;
    float c = cleaned(std::cos(radians));
    float s = cleaned(std::sin(radians));
    Matrix4 r = identity_matrix();
    int i = (axis + 1) % 3;
    int j = (axis + 2) % 3;
    r.m[i][i] = c;
    r.m[i][j] = -s;
    r.m[j][i] = s;
    r.m[j][j] = c;
    return r;
}

// Determinant of the 3 x 3 minor of `a` without row `row` and column `column`.
double minor(const double a[4][4], int row, int column) {
    double s[3][3];
    for (int r = 0, sr = 0; r < 4; ++r) {
        if (r == row) {
            continue;
        }
        for (int c = 0, sc = 0; c < 4; ++c) {
            if (c == column) {
                continue;
            }
            s[sr][sc++] = a[r][c];
        }
        ++sr;
    }
    return s[0][0] * (s[1][1] * s[2][2] - s[1][2] * s[2][1]) -
           s[0][1] * (s[1][0] * s[2][2] - s[1][2] * s[2][0]) +
           s[0][2] * (s[1][0] * s[2][1] - s[1][1] * s[2][0]);
}

}  // namespace

Matrix4 identity_matrix() {
    Matrix4 result;
    for (int i = 0; i < 4; ++i) {
        result.m[i][i] = 1.0f;
    }
    return result;
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[r][k] * b.m[k][c];
            }
            result.m[r][c] = sum;
        }
    }
    return result;
}

bool invert(const Matrix4& matrix, Matrix4& inverse) {
    double a[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = matrix.m[r][c];
        }
    }
    double cofactors[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sign = ((r + c) % 2 == 0) ? 1.0 : -1.0;
            cofactors[r][c] = sign * minor(a, r, c);
        }
    }
    double determinant = 0.0;
    for (int c = 0; c < 4; ++c) {
        determinant += a[0][c] * cofactors[0][c];
    }
    if (determinant == 0.0 || !std::isfinite(determinant)) {
        inverse = identity_matrix();
        return false;
    }
    Matrix4 result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            // The inverse is the transposed cofactor matrix over the determinant.
            double value = cofactors[c][r] / determinant;
            float narrowed = static_cast<float>(value);
            if (!std::isfinite(value) || !std::isfinite(narrowed)) {
                inverse = identity_matrix();
                return false;
            }
            result.m[r][c] = narrowed;
        }
    }
    inverse = result;
    return true;
}

bool nearly_equal(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) {
        return false;
    }
    double x = a;
    double y = b;
    if (std::fabs(x) >= 1e-6) {
        return std::fabs(x - y) < std::fabs(x) * 1e-6;
    }
    return std::fabs(y) < 1e-6;
}

bool nearly_equal(const Matrix4& a, const Matrix4& b) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!nearly_equal(a.m[r][c], b.m[r][c])) {
                return false;
            }
        }
    }
    return true;
}

bool is_identity(const Matrix4& matrix) {
    return nearly_equal(matrix, identity_matrix());
}

Matrix4 rotation_from_angles(float a, float b, float c) {
    Matrix4 result = identity_matrix();
    if (c != 0.0f) {
        result = axis_rotation(2, c);
    }
    if (b != 0.0f) {
        result = multiply(result, axis_rotation(1, b));
    }
    if (a != 0.0f) {
        result = multiply(result, axis_rotation(0, a));
    }
    return result;
}
