#pragma once
// The program's only top-level window: the toolpath it was started for, the tool library as a
// tree, and the chosen tool's parameters on the property sheet. It owns the current tool and
// carries out the commands; Close writes the chosen tool into the change file that the CAM
// system applies after the program has ended. The whole initialisation runs in the constructor,
// before the window is shown.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/loaded_tool_bytes.h"
#include "app/startup_configuration.h"
#include "gui/pages/field_host.h"
#include "tool/toolpath_reader_values.h"
#include "workzone/toolpath_reader.h"

class CListCtrlTool;
class CSheetTool;
class CTreeCtrlTool;
class FindingsLine;
class LanguageBox;
class LayoutManager;
class LibraryWatcher;
class QAction;
class QTreeWidgetItem;
class ToolParameterSet;
class ToolSearch;

class CCutterBaseDlg : public QDialog, public FieldHost {
    Q_OBJECT

public:
    // The window's first size, placed at the top left of the available screen area.
    static constexpr int kInitialWidth = 800;
    static constexpr int kInitialHeight = 700;
    // The entry of the context menu and F1 that opens the about dialog.
    static constexpr char kAboutActionName[] = "aboutAction";

    // `outputFile` is the change file Close writes; `languageBox` (may be null) holds the
    // language file the captions come from.
    CCutterBaseDlg(const std::string& outputFile, std::int32_t toolpathNumber,
                   const LanguageBox* languageBox, QWidget* parent = nullptr);
    ~CCutterBaseDlg() override;

    // Start-up found no workzone or no tool directory: the window has cancelled itself, holds no
    // tree, sheet or tool, and must not be shown.
    bool StartupCancelled() const { return startupCancelled_; }

    // Loads the path (a tool file or a folder), selects it in the tree when asked and shows it
    // on the pages; the tool is unmodified afterwards.
    void ShowTool(const std::string& path, bool selectInTree, bool checkConsistency);
    // Makes a new tool current and loads `path` into it. False for a folder, and for a tool that
    // fails the consistency check (`path` becomes the last tool directory) or does not exist
    // (`path` becomes the tool directory); the tool is then empty.
    bool LoadTool(std::string& path, bool checkConsistency);
    // The tool file the toolpath names, else the last tool directory.
    std::string InitialSelection() const;
    // Selects the root, or the item of `path` when it lies below the tool directory, and gives
    // the tree the focus.
    void SelectPath(const std::string& path);
    // The tree afresh from the disk, its root expanded, nothing selected.
    void RebuildTree();

    // Validates and commits the pages, proposes the shown tool's file (whatever has moved the
    // tree's selection since) and saves the tool there; true when the tool was saved (and is
    // then shown). A failed save is announced, naming the file.
    bool SaveToolAs();
    // Deletes the selected tool file and its Fedrix file after one question. A file another
    // program has removed already is named as gone, and the tree and list follow.
    void DeleteTool();
    // Saves the tool first when it was edited, writes the change file when a tool was chosen or
    // changed and ends the dialog; false when the dialog stays open.
    bool ApplyAndClose();
    // Shows the toolpath's tool again (or the last tool directory) and forgets the choice; edits
    // are offered for saving first and kept when that fails.
    void ReadFromToolpath();
    void SetAll();
    // Runs the Options dialog; on OK its directory becomes the tool directory and the tree is
    // built afresh with its root shown, also when the directory did not change.
    void Options();
    // Cancel, Escape and the close box: unsaved edits are dropped only after a Yes.
    void reject() override;

    bool IsToolModified() const;
    void SetToolModified(bool modified);
    bool IsFedrixModified() const;
    void SetFedrixModified(bool modified);
    bool ToolChanged() const { return toolChanged_; }

    const std::string& ToolDirectory() const { return startup_.tool_directory; }
    CTreeCtrlTool* Tree() const { return tree_; }
    CSheetTool* Sheet() const { return sheet_; }
    CListCtrlTool* List() const { return list_; }
    ToolSearch* Search() const { return search_; }
    LibraryWatcher* Watcher() const { return watcher_; }

    // FieldHost
    ToolParameterSet* CurrentTool() override { return tool_.get(); }
    const ToolpathValues& Toolpath() const override { return toolpath_; }
    bool DiameterMode() const override { return startup_.diameter_mode; }
    int AutoFlags() const override { return autoFlags_; }
    void SetAutoFlags(int flags) override { autoFlags_ = flags; }
    bool AutoFlagsFromTool() const override { return autoFlagsFromFile_; }
    const LanguageFile* Language() const override;
    void FieldStored() override { SetToolModified(true); }
    std::string WorkzoneDirectory() const override { return startup_.workzone_directory; }
    std::int32_t CommandLineToolpathNumber() const override { return toolpathNumber_; }
    int PublicToolpathType() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Reloaded: the file changed on disk and the user kept that version, dropping the edits.
    enum class SaveOutcome { Saved, Cancelled, Failed, Reloaded };

    void buildControls();
    void addAboutEntry();
    void connectCommands();
    void applyLanguageTexts();
    void registerLayout();
    QWidget* layoutControl(int id) const;
    void placeWindow();
    void exchangeToControls();
    bool exchangeFromControls();

    void selectionChanged(QTreeWidgetItem* newItem);
    void treeDoubleClicked();
    void createList();
    void createSearch();
    void showFindings();
    void selectFromList(CListCtrlTool* list);
    void listDoubleClicked(const std::string& path);
    void fedrixClicked();
    SaveOutcome saveToolAs();
    bool saveFedrixFile(const std::string& toolPath);
    bool fedrixFileExists(const std::string& toolPath) const;
    std::string lastToolDirectory() const;
    void readToolpathType();
    void limitWindowSize();
    void showAbout();

    // The library on disk (cutter_base_dlg_library.cpp).
    void followLibrary();
    void captureLoaded(const std::string& path);
    void followShown(const std::string& requested, const std::string& shown, bool isTool);
    std::optional<SaveOutcome> guardOverwrite(const std::string& target);
    bool mayDelete(const std::string& path);
    void reloadShown();
    void shownToolChangedOnDisk();
    void selectedItemRemoved(const std::string& path);

    std::string outputFile_;
    std::int32_t toolpathNumber_;
    const LanguageBox* languageBox_;
    StartupConfiguration startup_;
    bool startupCancelled_ = false;
    // FedrixEnabled: the Fedrix check box, the tools' Fedrix files and their tree images.
    bool fedrixEnabled_ = false;

    ToolpathReader reader_{0};
    ToolpathReaderValues toolpath_{reader_};
    std::unique_ptr<ToolParameterSet> tool_;
    std::unique_ptr<LayoutManager> layout_;
    CTreeCtrlTool* tree_ = nullptr;
    CSheetTool* sheet_ = nullptr;
    CListCtrlTool* list_ = nullptr;
    ToolSearch* search_ = nullptr;
    FindingsLine* findingsLine_ = nullptr;
    QAction* aboutAction_ = nullptr;

    // Exchanged with the controls.
    QString toolSettingsText_;
    bool fedrixChecked_ = false;
    QString unitsText_;
    std::string toolpathTypeText_;

    QString toolpathTextPrefix_;  // language file key "sActualToolToolpath"
    std::string saveAsTitle_;     // language file key "sSaveToolAs"

    int autoFlags_ = 0;
    bool autoFlagsFromFile_ = false;
    bool toolModified_ = false;
    bool fedrixModified_ = false;
    bool toolChanged_ = false;
    // What ShowTool showed last: the edited tool or folder, which Save As proposes.
    std::string shownPath_;
    bool shownIsTool_ = false;
    // Set while a selection change is handled: the selections it makes itself are ignored.
    bool selectionGuard_ = false;
    // ShowTool's nesting through the tree's selection, and the Fedrix file of another kind it has
    // announced in this run.
    int showDepth_ = 0;
    std::string fedrixRejected_;
    // The shown tool's files as loaded, and what follows the library on disk.
    LoadedToolBytes loaded_;
    LibraryWatcher* watcher_ = nullptr;
};
