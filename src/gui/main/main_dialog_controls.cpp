#include "gui/main/main_dialog_controls.h"

namespace {

using K = MainControlKind;
using namespace main_ids;

// Labels sit two units below the top of the edit they name. The tree takes the left of the middle
// band and the property sheet its right; the list and its two edits lie below them, the search box
// beside the edits.
const MainControl kControls[] = {
    {kToolpathNumberLabel, K::Label, "IDC_TOOLPATH_NUMB_LB", "Toolpath:", 7, 9, 38, 8, 0},
    {kToolpathNumber, K::Edit, nullptr, nullptr, 46, 7, 28, 12, kToolpathNumberLabel},
    {kUnitsLabel, K::Label, "IDC_UNITS_LB", "Units:", 82, 9, 40, 8, 0},
    {kUnits, K::Edit, nullptr, nullptr, 123, 7, 24, 12, kUnitsLabel},
    {kToolpathTypeLabel, K::Label, "IDC_TOOLPATH_TYPE_LB", "Toolpath Type:", 155, 9, 56, 8, 0},
    {kToolpathType, K::Edit, nullptr, nullptr, 212, 7, 201, 12, kToolpathTypeLabel},
    {kToolSettingsLabel, K::Label, "IDC_ACTUAL_TOOL_LB", "Tool Settings:", 7, 25, 80, 8, 0},
    {kToolSettings, K::Edit, nullptr, nullptr, 88, 23, 268, 12, kToolSettingsLabel},
    {kSetAll, K::Button, "IDC_SETALL", "Set All", 363, 22, 50, 14, 0},
    {kTree, K::Tree, nullptr, nullptr, 7, 41, 131, 232, 0},
    {kSheetPlace, K::Placeholder, nullptr, nullptr, 142, 41, 271, 232, 0},
    {kListLastRow, K::Edit, nullptr, nullptr, 7, 277, 36, 12, 0},
    {kListDirectory, K::Edit, nullptr, nullptr, 46, 277, 180, 12, 0},
    {kToolSearch, K::SearchBox, "IDC_TOOL_SEARCH", nullptr, 230, 277, 183, 12, 0},
    {kListPlace, K::Placeholder, nullptr, nullptr, 7, 292, 406, 80, 0},
    {kSaveAs, K::Button, "IDC_SAVEAS", "Save As...", 7, 377, 60, 15, 0},
    {kDelete, K::Button, "IDC_DELETE", "Delete", 71, 377, 60, 15, 0},
    {kReadFromToolpath, K::Button, "IDC_DEFAULT", "Read From Toolpath", 135, 377, 80, 15, 0},
    {kFedrix, K::CheckBox, "IDC_FEDRIX_ENABLE", "Fedrix", 221, 379, 40, 10, 0},
    {kClose, K::DefaultButton, "IDC_CLOSE", "Close", 265, 377, 72, 15, 0},
    {kCancel, K::Button, "ID_CANCEL", "Cancel", 341, 377, 72, 15, 0},
    {kOptions, K::Button, "IDC_OPTIONS", "Options...", 305, 22, 50, 14, 0},
    {kPrint, K::Button, nullptr, "Print...", 363, 276, 50, 14, 0},
};

// The bottom row shares the extra width 3 : 3 : 4 : 4 : 4 eighteenths; the Fedrix check box only
// moves. The folder edit and the search box share the extra width of their row. Labels, Options
// and the placeholders stay where they are.
const MainLayoutEntry kLayout[] = {
    {kToolpathType, 0, 0, 1, 1, 1, 0},  {kToolSettings, 0, 0, 1, 1, 1, 0},
    {kSetAll, 1, 0, 1, 1, 0, 0},        {kTree, 0, 0, 1, 2, 1, 1},
    {kSheetEntry, 1, 0, 1, 2, 0, 1},    {kListLastRow, 0, 1, 1, 2, 0, 0},
    {kListDirectory, 0, 1, 2, 2, 1, 0}, {kPrint, 1, 1, 1, 2, 0, 0},
    {kListEntry, 0, 1, 1, 2, 1, 1},     {kSaveAs, 0, 1, 18, 1, 3, 0},
    {kDelete, 3, 1, 18, 1, 3, 0},       {kReadFromToolpath, 6, 1, 18, 1, 4, 0},
    {kFedrix, 10, 1, 18, 1, 0, 0},      {kClose, 10, 1, 18, 1, 4, 0},
    {kCancel, 14, 1, 18, 1, 4, 0},      {kToolSearch, 1, 1, 2, 2, 1, 0},
    {kResultsEntry, 0, 1, 1, 2, 1, 1},
};

}  // namespace

std::span<const MainControl> MainDialogControls() {
    return kControls;
}

std::span<const MainLayoutEntry> MainDialogLayout() {
    return kLayout;
}
