// Axis system files from arbitrary bytes: no crash, and a matrix that reads never turns into
// NaN through the inverse and the relation products.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "workzone/axis_matrix.h"
#include "workzone/axis_system_file.h"

namespace {

bool finite(const Matrix4& matrix) {
    for (const auto& row : matrix.m) {
        for (float value : row) {
            if (std::isnan(value)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    Matrix4 matrix;
    Matrix4 inverse;
    if (!parse_axis_system_text(text, matrix, inverse)) {
        return 0;
    }
    Matrix4 computed;
    invert(matrix, computed);
    if (!finite(computed)) {
        __builtin_trap();
    }
    is_identity(multiply(matrix, computed));
    is_identity(multiply(inverse, matrix));
    return 0;
}
