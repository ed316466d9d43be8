#pragma once
// Axis system files: line 1 is ignored; the full form has eight lines of four numbers (the
// columns of the matrix, then of its inverse), the short form six lines of three numbers (the
// columns of the rotation parts only).

#include <string>
#include <string_view>

#include "workzone/axis_matrix.h"

// Lines are read up to this many characters; the rest of a longer line is skipped.
inline constexpr std::size_t kAxisFileLineMax = 128;

// Full form, else short form; false when neither reads. The outputs change only on success.
bool parse_axis_system_text(std::string_view text, Matrix4& matrix, Matrix4& inverse);

// Reads the file: -1 without a message when it does not exist, -1 with "cannot open %s" or
// "read error %s" through the report channel; 0 on success.
int read_axis_system_file(const std::string& path, Matrix4& matrix, Matrix4& inverse);
