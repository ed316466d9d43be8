#pragma once
// Search over the whole tool library for the main window: the index is built on a worker thread
// (its own ToolIndex, handed over in the window's thread when done), while the box stays
// responsive and the list area shows the progress. While a query is in the box, a second tool
// list in the place of the folder list shows the matching tools (column 0 the path relative to
// the library) with the folder list's columns, pictures and sorting; the row counter says how
// many match, the folder edit says so in words or names what is wrong with the query. The index
// also gives the library check's findings, which both lists mark.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/tool_index.h"
#include "app/tool_query.h"
#include "gui/main/tool_findings.h"

class CListCtrlTool;
class LanguageFile;
class QLineEdit;
class QProgressBar;
class QThread;
class ToolSearchBox;

class ToolSearch : public QObject {
    Q_OBJECT

public:
    static constexpr char kResultsName[] = "LISTCTRLTOOL_SEARCH";
    static constexpr char kProgressName[] = "IDC_TOOL_SEARCH_PROGRESS";

    struct Controls {
        ToolSearchBox* box;
        CListCtrlTool* folderList;  // its parent holds the result list too
        QLineEdit* counter;         // the folder list's row counter
        QLineEdit* status;          // the folder list's folder edit
    };
    ToolSearch(const Controls& controls, const LanguageFile* language, int languageIndex,
               bool diameterMode, QObject* parent = nullptr);
    // Stops a build that runs and waits for its thread.
    ~ToolSearch() override;

    // The library to index; a different one drops the index and builds it again.
    void setLibrary(const std::string& toolDirectory, bool fedrixEnabled);
    // Tool files were written or deleted: the index is read again (unchanged files reused).
    void libraryChanged();
    // Builds the index in the background unless it is built or being built.
    void startIndex();
    bool indexReady() const { return index_ != nullptr; }
    bool building() const { return worker_ != nullptr; }

    // A query is in the box: the result list shows in the folder list's place.
    bool active() const { return active_; }
    CListCtrlTool* results() const { return results_; }
    // The tool the window shows: its row in the result list is selected, when it has one.
    void showTool(const std::string& path, bool isTool);

    // The result list's "Export...": its tools in the order shown, named by their paths in
    // the library.
    void exportMatches();

    const ToolFindings& findings() const { return findings_; }
    // The findings of a tool file: the index's when it holds the file as it is on disk, else
    // the file's own rules checked now.
    std::vector<ToolFinding> findingsOf(const std::string& path) const;

protected:
    // The window's first show starts the index, after the window has painted.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The box was emptied: the window shows the folder view again.
    void searchEnded();
    // A new index was handed over: marks and the shown tool's findings are renewed.
    void indexUpdated();

private:
    void queryEdited(const QString& text);
    void setActive(bool active);
    void startBuild();
    void buildFinished();
    void showProgress();
    void runQuery();
    void showStatus(const QString& text);
    // Down in the box: the result list takes the focus, its first row selected when none is.
    void enterResults();

    QPointer<ToolSearchBox> box_;
    QPointer<CListCtrlTool> folderList_;
    QPointer<QLineEdit> counter_;
    QPointer<QLineEdit> status_;
    CListCtrlTool* results_;
    QProgressBar* progress_;
    QTimer progressTimer_;
    int language_;
    bool diameterMode_;

    std::string toolDirectory_;
    bool fedrixEnabled_ = false;
    std::unique_ptr<ToolIndex> index_;  // the window thread's
    bool stale_ = false;                // files were written since index_ was built
    ToolFindings findings_;

    QThread* worker_ = nullptr;
    std::unique_ptr<ToolIndex> building_;  // the worker's while it runs
    int generation_ = 0;                   // of the build whose result is wanted
    bool rebuildWanted_ = false;
    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> done_{0};
    std::atomic<std::size_t> total_{0};

    bool active_ = false;
    std::optional<ToolQuery> query_;  // the box's query; none while it is malformed
    std::string shownPath_;
};
