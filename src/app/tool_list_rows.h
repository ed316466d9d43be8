#pragma once
// The rows of the tool list: one folder of the tool library as a table, with a ".." row leading
// up, a row per subfolder and a row per tool file with the tool's main values. Plain data read
// from the disk; the list widget and the command line only show it.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/tool_tree.h"

class ToolFileValues;

inline constexpr int kToolListColumnCount = 11;

// Column 0 the name, 1 the cutter's program number, 2 the tool size, 3 to 9 reals, 10 the
// comment.
inline constexpr int kColumnName = 0;
inline constexpr int kColumnNumber = 1;
inline constexpr int kColumnSize = 2;
inline constexpr int kColumnComment = 10;

// The cutter shape shown beside the size (column 2) of a tool row.
inline constexpr int kImageFlatEnd = 5;
inline constexpr int kImageBall = 6;
inline constexpr int kImageBullNose = 7;

enum class ToolListRowKind { Folder, Parent, Tool };

struct ToolListRow {
    ToolListRowKind kind = ToolListRowKind::Tool;
    int image =
        kImageTool;    // kImageFolder for folder and ".." rows, kImageTool or kImageFedrixTool
    int shape = 0;     // a tool row's kImageFlatEnd, kImageBall or kImageBullNose; else 0
    std::string path;  // the full path; for ".." the parent directory
    std::array<std::string, kToolListColumnCount> columns;

    // What the sort treats as a folder: every row with the folder image.
    bool IsFolder() const { return image == kImageFolder; }
};

struct ToolListSource {
    std::string directory;       // the folder shown
    std::string tool_directory;  // ToolDirectory: no ".." row leads above it
    bool fedrix_enabled = false;
    bool diameter_mode = false;  // sizes as diameters
};

// Called after each row is made, with its index from 0, before the next tool file is read.
using ToolListProgress = std::function<void(std::size_t row_index)>;
// Gives a tool row its values; ReadToolRowValues when none is given.
using ToolRowValues = std::function<void(ToolListRow& row)>;

// The rows in the order the folder lists them (names ignoring case): its subfolders and its
// ".." row, then its tool files ("*.wkz"; a directory of that name is both). ".." is shown only
// when the parent does not compare below the tool directory (ignoring case), so the library's
// root has none. Each tool file is read once; one that cannot be read gives a row with its name
// and empty values. A folder that cannot be read gives no rows. Reports nothing.
std::vector<ToolListRow> ReadToolListRows(const ToolListSource& source,
                                          const ToolListProgress& progress = {},
                                          const ToolRowValues& values = {});

// The values of a tool row read from its file: the tool's number, size (a radius, or a
// diameter in diameter mode), corner radius, stock, stepover, tolerance, Z-step, approach,
// retract and comment, each only when the file has it; and the cutter shape.
void ReadToolRowValues(ToolListRow& row, bool diameter_mode);
// The same from a file already read.
void FillToolRowValues(ToolListRow& row, const ToolFileValues& tool, bool diameter_mode);
