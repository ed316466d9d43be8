#pragma once
// The tool list beside the tree: one folder of the tool library as a table with a ".." row, its
// subfolders and its tools' main values. It reads the disk only when the folder changes, sorts
// only on header clicks, and tells the main window when the user moves or clicks in it, so the
// tree follows. It keeps Return and Escape: they never press Close or cancel the window.

#include <QElapsedTimer>
#include <QPointer>
#include <QTreeView>
#include <set>
#include <string>

#include "app/tool_list_refresh.h"
#include "app/tool_list_rows.h"

class LanguageFile;
class QLineEdit;
class ToolListModel;

class CListCtrlTool : public QTreeView {
    Q_OBJECT

public:
    // Column widths in pixels of a font whose average letter is 6 pixels wide; columnWidth
    // scales them to the list's font and widens a column whose title (of the active language)
    // would not fit.
    static constexpr int kColumnWidths[kToolListColumnCount] = {100, 30, 85, 55, 55, 55,
                                                                55,  55, 55, 55, 150};
    int columnWidth(int column) const;

    // Builds the columns with their built-in titles, then, when `language` is loaded, the titles
    // of its section LISTCTRLTOOL (column 2's key follows `diameterMode`); a missing key gives an
    // empty title. Sizes are shown as diameters in diameter mode.
    CListCtrlTool(const LanguageFile* language, bool diameterMode, QWidget* parent = nullptr);

    // The library's root, above which no ".." row leads; and whether tools show Fedrix images.
    void setToolDirectory(const std::string& directory) { toolDirectory_ = directory; }
    void setFedrixEnabled(bool enabled) { fedrixEnabled_ = enabled; }
    // The main window's edits for the index of the last row added (1088) and the folder shown
    // (1089); either may be null. The index is repainted a few times a second at most.
    void setStatusEdits(QLineEdit* rowIndex, QLineEdit* directory);

    // Shows the folder `path` (with `isTool`, the folder of the tool file `path`). The disk is
    // read only when that folder differs (ignoring case) from the one shown, and the new rows
    // are unsorted. Then selects, focuses and shows the row of `path` when `isTool`; otherwise
    // nothing is selected.
    void fill(const std::string& path, bool isTool);
    // The next fill reads the disk again, whatever folder it shows (after Save As and Delete).
    void forgetDirectory() { currentDirectory_.clear(); }
    const std::string& currentDirectory() const { return currentDirectory_; }
    // The path of the selected row (for ".." the parent folder); "" when none is selected.
    std::string selectedPath() const;
    ToolListModel* toolModel() const { return model_; }
    // Times the disk was read for a folder since the list was made.
    int folderReads() const { return folderReads_; }
    // What the list reads for its folder; and the folder shown changed on disk: its rows
    // brought up to date in place from `refresh`, a reading of the same folder
    // (library_watcher.cpp).
    ToolListSource source() const {
        return {currentDirectory_, toolDirectory_, fedrixEnabled_, diameterMode_};
    }
    void refreshInPlace(const ToolListRefresh& refresh);
    // Reads the values of up to `maxReads` rows named in `pending`, taking them out of it.
    std::size_t readPendingValues(std::set<std::string>& pending, std::size_t maxReads);

signals:
    // The user moved the selection with a navigation key or clicked: the main window selects
    // the selected row's entry in the tree (message 1414).
    void selectFromList();
    // A left double-click on a row whose file or folder exists: the main window applies it.
    void rowDoubleClicked(const std::string& path);
    // The Delete key, before the list's own handling of it.
    void deleteKeyPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void rowAdded(std::size_t index);

    ToolListModel* model_;
    std::string toolDirectory_;
    bool fedrixEnabled_ = false;
    bool diameterMode_ = false;
    std::string currentDirectory_;
    QPointer<QLineEdit> rowIndexEdit_;
    QPointer<QLineEdit> directoryEdit_;
    QElapsedTimer sinceRepaint_;
    int folderReads_ = 0;
};
