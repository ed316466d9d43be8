#include <cstdio>
#include <cstdlib>
#include <optional>

#include "runtime/report.h"
#include "workzone/axis_system.h"
#include "workzone/point_file_readers.h"
#include "workzone/toolpath_details.h"
#include "workzone/view_file_reader.h"
#include "workzone/workzone_paths.h"
#include "workzone/workzone_paths_kinds.h"

namespace {

// Bound of the named view's path.
constexpr int kViewPathMax = 384;

struct LastLoad {
    bool done = false;
    int number = -1;
    std::string directory;
    int status = 0;
    std::string failed_path;
};

LastLoad& last_load() {
    static LastLoad last;
    return last;
}

void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

int ToolpathDetails::Load(int toolpath_number, const std::string& directory,
                          std::string* failed_path) {
    // A failed load must not leave the values of the previous toolpath under the new number.
    Reset();
    auto fail = [&](int status, const std::string& path) {
        if (failed_path) {
            *failed_path = path;
        }
        return status;
    };
    if (failed_path) {
        failed_path->clear();
    }

    std::string parameter_path = ToolpathFilePath(directory, toolpath_number, ".par");
    if (ReadParameterFile(toolpath_number, directory) != kDataFileOk) {
        return fail(kDataFileMissing, parameter_path);
    }
    std::string view_path = ToolpathFilePath(directory, toolpath_number, ".mul");
    int status = ViewFileReader(view_path, kFileKindToolView, view).Run();
    if (status != kDataFileOk) {
        return fail(status, view_path);
    }
    if (machining_angle != 0.0f) {
        view.transform =
            multiply(rotation_from_angles(0.0f, 0.0f, machining_angle), view.transform);
    }
    if (!view_name.empty()) {
        std::string named_path;
        if (WorkzoneFilePath(kFileKindView, view_name, kViewPathMax, named_path) != -42) {
            ViewFileReader(named_path, kFileKindView, view).Run();
        }
    }
    Matrix4 inverse;
    invert(view.transform, inverse);
    set_axis_system(kAxisSystemCalculation, view.transform, inverse);
    if (std::getenv("KVXMENU_MZDEBUG") != nullptr) {
        print(format_text("Load %d - mzone:\n", toolpath_number) + view.description() + "\n");
    }
    std::string levels_path = ToolpathFilePath(directory, toolpath_number, ".niv");
    if (LevelsFileReader(levels_path, levels).Run() == kDataFileOk) {
        z_step_type = 3;
    }
    std::string points_path = ToolpathFilePath(directory, toolpath_number, ".per");
    DrillPointsFileReader(points_path, points).Run();
    if (type == 305 && sub_mode_1 == 2) {
        curve_mode = !drive_curve.empty() ? 2 : (points.empty() ? 1 : 3);
    } else if (type == 773) {
        point_mode = points.empty() ? 2 : 1;
    }
    return kDataFileOk;
}

ToolpathDetails& toolpath_details() {
    static ToolpathDetails details;
    return details;
}

ToolpathDetails& GetToolpathDetails(const std::string& directory, int toolpath_number) {
    ToolpathDetails& details = toolpath_details();
    LastLoad& last = last_load();
    if (last.done && last.number == toolpath_number && last.directory == directory) {
        return details;
    }
    std::string failed;
    int status = details.Load(toolpath_number, directory, &failed);
    if (std::getenv("KVXDEBUG") != nullptr) {
        print(format_text("GetToolpathDetails([%s],%d)=%d,[%s]\n", directory.c_str(),
                          toolpath_number, status, failed.c_str()));
    }
    last.done = true;
    last.number = toolpath_number;
    last.directory = directory;
    last.status = status;
    last.failed_path = failed;
    return details;
}

int ToolpathLoadStatus(const std::string& directory, int toolpath_number,
                       std::string* failed_path) {
    GetToolpathDetails(directory, toolpath_number);
    const LastLoad& last = last_load();
    if (failed_path) {
        *failed_path = last.failed_path;
    }
    return last.status;
}

void forget_toolpath_details_load() {
    last_load() = LastLoad();
}
