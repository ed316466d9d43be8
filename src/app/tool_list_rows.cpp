#include "app/tool_list_rows.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>

#include "app/file_utilities.h"
#include "app/path_parts.h"
#include "app/tool_file_values.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "platform/path_identity.h"
#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"
#include "toolfiles/tool_file.h"

namespace {

// Columns 3 to 9 and the parameter each shows.
struct RealColumn {
    int column;
    ParameterIndex index;
};
constexpr RealColumn kRealColumns[] = {
    {3, kTpCrad},   {4, kTpStock},    {5, kTpStep},    {6, kTpTol},
    {7, kTpDzstep}, {8, kTpApproach}, {9, kTpRetract},
};

std::string upper(std::string text) {
    for (char& c : text) {
        c = platform::ascii_upper(c);
    }
    return text;
}

// Reals with three decimals. Sizes are doubled and halved in double precision, so the largest
// float of a damaged file stays a finite number.
std::string fixed3(double value) {
    return platform::format_fixed(value, 3);
}

int cutter_shape(const std::optional<ToolParameter>& corner_radius, double shown_size,
                 bool diameter_mode) {
    if (!corner_radius || corner_radius->real == 0.0f) {
        return kImageFlatEnd;
    }
    const double radius = diameter_mode ? shown_size / 2 : shown_size;
    return std::fabs(static_cast<double>(corner_radius->real) - radius) < 0.001 ? kImageBall
                                                                                : kImageBullNose;
}

bool is_dot_entry(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

void ReadToolRowValues(ToolListRow& row, bool diameter_mode) {
    row.shape = kImageFlatEnd;
    const std::optional<std::string> bytes = platform::read_file(row.path);
    if (!bytes) {
        return;
    }
    FillToolRowValues(row, ToolFileValues(*bytes), diameter_mode);
}

void FillToolRowValues(ToolListRow& row, const ToolFileValues& tool, bool diameter_mode) {
    if (const auto number = tool.Get(kTpCppnum)) {
        row.columns[kColumnNumber] = std::to_string(number->integer);
    }
    double size = 0.0;
    const auto body_radius = tool.Get(kTpBrad);
    if (body_radius) {
        size = body_radius->real;
        if (diameter_mode) {
            size *= 2;
        }
        row.columns[kColumnSize] = fixed3(size);
    }
    if (!body_radius || body_radius->real == 0.0f) {
        if (const auto diameter = tool.Get(kTpCdiam)) {
            size = diameter->real;
            if (!diameter_mode) {
                size /= 2;
            }
            row.columns[kColumnSize] = fixed3(size);
        } else {
            size = 0.0;
        }
    }
    const auto corner_radius = tool.Get(kTpCrad);
    row.shape = cutter_shape(corner_radius, size, diameter_mode);
    for (const RealColumn& real : kRealColumns) {
        if (const auto value = real.index == kTpCrad ? corner_radius : tool.Get(real.index)) {
            row.columns[static_cast<std::size_t>(real.column)] = fixed3(value->real);
        }
    }
    if (const auto comment = tool.Get(kTpComment)) {
        row.columns[kColumnComment] = comment->text;
    }
}

std::vector<ToolListRow> ReadToolListRows(const ToolListSource& source,
                                          const ToolListProgress& progress,
                                          const ToolRowValues& values) {
    std::vector<ToolListRow> rows;
    std::string directory = source.directory;
    if (!ValidateDirectory(directory, false, false)) {
        return rows;
    }
    // One listing serves the folders, the tools and the Fedrix files of the folder; the kinds
    // come from the listing itself, so a folder of thousands of tools costs no stat each.
    std::optional<std::vector<platform::DirectoryEntry>> listing =
        platform::read_entry_kinds(directory);
    if (!listing) {
        return rows;
    }
    std::vector<platform::DirectoryEntry> entries = std::move(*listing);
    platform::DirectoryEntry parent;
    parent.name = "..";
    parent.is_directory = true;
    entries.push_back(std::move(parent));
    // Names equal but for case ("Bull", "bull") in one order every time, as in the tree.
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const int order = platform::ascii_compare_ignoring_case(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    rows.reserve(entries.size());
    const auto add = [&](ToolListRow row) {
        rows.push_back(std::move(row));
        if (progress) {
            progress(rows.size() - 1);
        }
    };
    for (const auto& entry : entries) {
        if (!entry.is_directory || entry.name == ".") {
            continue;
        }
        ToolListRow row;
        row.image = kImageFolder;
        row.path = platform::join_path(directory, entry.name);
        if (entry.name == "..") {
            // The library's root has no way up: the parent must not lie above it.
            if (!NormalizePath(row.path) ||
                platform::ascii_compare_ignoring_case(upper(row.path),
                                                      upper(source.tool_directory)) < 0) {
                continue;
            }
            row.kind = ToolListRowKind::Parent;
        } else {
            row.kind = ToolListRowKind::Folder;
        }
        row.columns[kColumnName] = entry.name;
        add(std::move(row));
    }
    std::unordered_set<std::string> names;
    if (source.fedrix_enabled) {
        // Only a file is a Fedrix file: a folder named like one leaves its tool plain.
        for (const auto& entry : entries) {
            if (!entry.is_directory) {
                names.insert(upper(entry.name));
            }
        }
    }
    for (const auto& entry : entries) {
        if (is_dot_entry(entry.name) || !platform::wildcard_match("*.wkz", entry.name)) {
            continue;
        }
        ToolListRow row;
        row.kind = ToolListRowKind::Tool;
        row.path = platform::join_path(directory, entry.name);
        // Dangling links are left out, as the tree leaves them out.
        if (entry.is_symlink && !platform::file_identity(row.path)) {
            continue;
        }
        const std::string fedrix_name = upper(StripExtension(entry.name) + ".ncs");
        row.image = names.count(fedrix_name) != 0 ? kImageFedrixTool : kImageTool;
        row.columns[kColumnName] = entry.name;
        if (values) {
            values(row);
        } else {
            ReadToolRowValues(row, source.diameter_mode);
        }
        add(std::move(row));
    }
    return rows;
}
