#pragma once
// The tool tree's context menu for exchanging tools: "Export..." the folder under the mouse
// (with its subfolders) and "Import into this folder...", the format chosen by the file
// picker's filter. A tool's entries work on its folder.

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QTreeWidget;
class QWidget;

inline constexpr char kExchangeExportAction[] = "exchangeExportAction";
inline constexpr char kExchangeImportAction[] = "exchangeImportAction";

// Gives the tree its context menu; `imported` runs after an import that wrote files.
void InstallExchangeMenu(QTreeWidget* tree, std::function<void()> imported);

// The menu for the folder (tests open it without a mouse).
QMenu* CreateExchangeMenu(QWidget* owner, const std::string& folder,
                          const std::function<void()>& imported);

// The two commands, for the menu and for tests: each asks the installed file chooser, then
// shows what happened in the report window (modal).
void ExportFolderAsked(QWidget* owner, const std::string& folder);
// Export of the tools a search found: `paths` in the order shown, named by `names` (their paths
// relative to the library).
void ExportToolsAsked(QWidget* owner, const std::string& library,
                      const std::vector<std::string>& paths, const std::vector<std::string>& names);
void ImportIntoFolderAsked(QWidget* owner, const std::string& folder,
                           const std::function<void()>& imported);
