#pragma once
// Installation, workzone and library: the toolpath has a bull nose R5 r2, ".\bull\d10r2.wkz";
// with the main window's parts and the scripted message and file answers its tests use.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "gui/framework/control_ids.h"
#include "gui/main/cutter_base_dlg.h"
#include "gui/main/language_box.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/main_dialog_controls.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "scripted_file_chooser.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

namespace guitest {

class MainWindowFixture {
public:
    explicit MainWindowFixture(const std::string& language = "ang");
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    // A tool of the toolpath's body radius with this corner radius (2.000 matches the toolpath).
    std::string tool(const std::string& relative, const std::string& cornerRadius = "2.000");
    std::string write(const std::string& relative, const std::string& bytes) {
        return library_.write(relative, bytes);
    }
    // Writes the current toolpath again with this tool reference.
    void setToolReference(const std::string& reference);
    // The user's settings file as Close writes it, with this last tool directory.
    void writeUserSettings(const std::string& lastToolDirectory);

    // Replaces the language file of the fixture's language and selects the language again.
    void replaceLanguageFile(const std::string& bytes);

    // The main window for the toolpath number, writing `changeFile()`; constructed, not shown.
    std::unique_ptr<CCutterBaseDlg> open(int toolpathNumber = 1);

    std::string library() const { return library_.path(); }
    std::string libraryFile(const std::string& relative) const { return library_.file(relative); }
    std::string changeFile() const { return zone_.file("cutter.out"); }
    std::string userSettings() const;
    std::optional<std::string> readChangeFile() const;

    testsupport::ScopedEnv& env() { return env_; }

private:
    Installation installation_;
    testsupport::TempDir zone_;
    testsupport::TempDir library_;
    testsupport::TempDir config_;
    testsupport::ScopedEnv env_;
    LanguageBox languageBox_;
    QString previousName_;
    std::string language_;
};

// The selected tree item's path; "" when nothing is selected.
std::string selectedPath(const CCutterBaseDlg& dialog);
// Shows the window and clicks the item of `path`; false when the tree has none.
bool selectInTree(CCutterBaseDlg& dialog, const std::string& path);
// The text of the main window's edit or the caption of its button, label or check box.
QString textOf(const CCutterBaseDlg& dialog, int id);
// The tool page's corner radius, and typing over it as the user does.
QLineEdit* cornerRadius(const CCutterBaseDlg& dialog);
void typeCornerRadius(const CCutterBaseDlg& dialog, const char* text);

}  // namespace guitest
