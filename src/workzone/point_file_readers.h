#pragma once
// Readers of a toolpath's levels file (".niv") and drill points file (".per"): lines of three
// numbers each.

#include <vector>

#include "workzone/data_file_reader.h"
#include "workzone/toolpath_geometry.h"
#include "workzone/workzone_paths_kinds.h"

class PointFileReader : public TextFileReader {
public:
    // `points` is replaced only when the whole file reads.
    PointFileReader(const std::optional<std::string>& path, int kind, std::vector<Point3>& points);

protected:
    bool Parse(const std::string& text) override;

private:
    std::vector<Point3>& points_;
};

class LevelsFileReader : public PointFileReader {
public:
    LevelsFileReader(const std::optional<std::string>& path, std::vector<Point3>& levels)
        : PointFileReader(path, kFileKindToolLevels, levels) {}
};

class DrillPointsFileReader : public PointFileReader {
public:
    DrillPointsFileReader(const std::optional<std::string>& path, std::vector<Point3>& points)
        : PointFileReader(path, kFileKindToolDrillPoints, points) {}
};
