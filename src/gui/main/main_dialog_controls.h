#pragma once
// The main dialog's template (102): its controls with their ids, resource names, built-in
// captions and places in dialog units, and the layout table that moves them on a resize. The
// dialog builds its controls from the first table and registers the second in its order.

#include <span>

class QDialog;
class QWidget;

inline constexpr int kMainDialogId = 102;
inline constexpr int kMainDialogWidthUnits = 420;
inline constexpr int kMainDialogHeightUnits = 399;
inline constexpr char kMainDialogResourceName[] = "IDD_CUTTERBASE_DIALOG";
inline constexpr char kMainDialogSection[] = "CUTTERBASEDLG";

namespace main_ids {
inline constexpr int kClose = 1000;
inline constexpr int kTree = 1001;
inline constexpr int kReadFromToolpath = 1002;
inline constexpr int kToolSettings = 1003;
inline constexpr int kCancel = 1004;
inline constexpr int kToolpathNumber = 1005;
inline constexpr int kSaveAs = 1006;
inline constexpr int kSetAll = 1007;
inline constexpr int kSheetPlace = 1008;
inline constexpr int kDelete = 1009;
inline constexpr int kToolpathType = 1010;
inline constexpr int kUnits = 1011;
inline constexpr int kListPlace = 1012;
inline constexpr int kOptions = 1013;
inline constexpr int kPrint = 1014;
inline constexpr int kFedrix = 1027;
inline constexpr int kToolSettingsLabel = 1028;
inline constexpr int kToolpathTypeLabel = 1029;
inline constexpr int kToolpathNumberLabel = 1043;
inline constexpr int kUnitsLabel = 1044;
inline constexpr int kListLastRow = 1088;
inline constexpr int kListDirectory = 1089;
inline constexpr int kToolSearch = 1090;
}  // namespace main_ids

enum class MainControlKind {
    Label,
    Edit,
    Button,
    DefaultButton,
    CheckBox,
    Tree,
    Placeholder,
    SearchBox,
};

struct MainControl {
    int id;
    MainControlKind kind;
    const char* resourceName;  // the caption's key; null where the template names none
    const char* caption;       // built-in caption
    int x, y, width, height;   // dialog units
    int label;                 // an edit's label, which names it; 0 for none
};

// In creation order, which is also the keyboard order.
std::span<const MainControl> MainDialogControls();

// Stand-ins in the layout table for the windows that take a placeholder's rectangle, and for the
// search's result list, which takes the list's.
inline constexpr int kSheetEntry = -main_ids::kSheetPlace;
inline constexpr int kListEntry = -main_ids::kListPlace;
inline constexpr int kResultsEntry = -main_ids::kToolSearch;

struct MainLayoutEntry {
    int id;  // a control id, or kSheetEntry / kListEntry
    int mx, my, dx, dy, sx, sy;
};

// In registration order.
std::span<const MainLayoutEntry> MainDialogLayout();
