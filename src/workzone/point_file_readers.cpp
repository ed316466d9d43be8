#include "workzone/point_file_readers.h"

PointFileReader::PointFileReader(const std::optional<std::string>& path, int kind,
                                 std::vector<Point3>& points)
    : TextFileReader(path, kind, kRead), points_(points) {}

bool PointFileReader::Parse(const std::string& text) {
    return parse_point_list(text, points_);
}
