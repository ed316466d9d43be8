#include "gui/main/tool_search.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QThread>

#include "app/library_check.h"
#include "gui/dialogs/exchange_menu.h"
#include "gui/dialogs/exchange_report_dialog.h"
#include "gui/framework/installation_text.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/search_texts.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tool_search_box.h"
#include "language/builtin_texts.h"
#include "platform/ascii_case.h"

namespace {

// How often the progress bar follows the worker.
constexpr int kProgressMilliseconds = 100;
// Relative paths are longer than names: the first column starts this many times wider.
constexpr int kPathColumnFactor = 2;

}  // namespace

ToolSearch::ToolSearch(const Controls& controls, const LanguageFile* language, int languageIndex,
                       bool diameterMode, QObject* parent)
    : QObject(parent),
      box_(controls.box),
      folderList_(controls.folderList),
      counter_(controls.counter),
      status_(controls.status),
      results_(new CListCtrlTool(language, diameterMode, controls.folderList->parentWidget())),
      progress_(new QProgressBar(results_)),
      language_(languageIndex),
      diameterMode_(diameterMode) {
    findings_.setLanguage(languageIndex);
    results_->setObjectName(QLatin1String(kResultsName));
    results_->setAccessibleName(searchText(SearchText::ResultsName, languageIndex));
    results_->header()->resizeSection(kColumnName,
                                      kPathColumnFactor * results_->columnWidth(kColumnName));
    results_->setGeometry(folderList_->geometry());
    results_->hide();
    results_->toolModel()->setFindings(&findings_);
    folderList_->toolModel()->setFindings(&findings_);
    // The matches' own menu: export them, then the window's entries.
    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(results_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        auto* menu = new QMenu(results_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* exportAction =
            menu->addAction(exchangeText(static_cast<int>(BuiltinText::ExchangeExportCaption)));
        exportAction->setObjectName(QString::fromLatin1(kExchangeExportAction));
        connect(exportAction, &QAction::triggered, this, [this] { exportMatches(); });
        if (!results_->window()->actions().isEmpty()) {
            menu->addSeparator();
            menu->addActions(results_->window()->actions());
        }
        menu->popup(results_->viewport()->mapToGlobal(position));
    });

    progress_->setObjectName(QLatin1String(kProgressName));
    progress_->setAccessibleName(searchText(SearchText::ProgressName, languageIndex));
    progress_->setFormat(searchText(SearchText::Reading, languageIndex));
    progress_->setTextVisible(true);
    progress_->hide();
    progressTimer_.setInterval(kProgressMilliseconds);
    connect(&progressTimer_, &QTimer::timeout, this, [this] { showProgress(); });

    if (box_ != nullptr) {
        box_->setLanguage(languageIndex);
        connect(box_, &ToolSearchBox::queryEdited, this,
                [this](const QString& text) { queryEdited(text); });
        connect(box_, &ToolSearchBox::downPressed, this, [this] { enterResults(); });
        box_->window()->installEventFilter(this);
    }
}

bool ToolSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == box_->window()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { startIndex(); });
    }
    return QObject::eventFilter(watched, event);
}

ToolSearch::~ToolSearch() {
    if (folderList_ != nullptr) {
        folderList_->toolModel()->setFindings(nullptr);
    }
    if (worker_ != nullptr) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
    }
}

void ToolSearch::setLibrary(const std::string& toolDirectory, bool fedrixEnabled) {
    if (toolDirectory == toolDirectory_ && fedrixEnabled == fedrixEnabled_) {
        libraryChanged();
        return;
    }
    const bool wanted = index_ != nullptr || worker_ != nullptr;
    if (worker_ != nullptr) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
        building_.reset();
        ++generation_;
        rebuildWanted_ = false;
    }
    toolDirectory_ = toolDirectory;
    fedrixEnabled_ = fedrixEnabled;
    findings_.setIndex(nullptr);
    index_.reset();
    results_->setToolDirectory(toolDirectory);
    results_->toolModel()->setRows({});
    folderList_->toolModel()->findingsChanged();
    if (wanted || active_) {
        startBuild();
    }
}

void ToolSearch::libraryChanged() {
    if (index_ == nullptr && worker_ == nullptr) {
        return;
    }
    stale_ = true;
    startBuild();
}

void ToolSearch::startIndex() {
    if (index_ == nullptr && worker_ == nullptr) {
        startBuild();
    }
}

void ToolSearch::startBuild() {
    if (worker_ != nullptr) {
        rebuildWanted_ = true;
        return;
    }
    if (toolDirectory_.empty()) {
        return;
    }
    // A rebuild starts from a copy, so that the window keeps searching the last index meanwhile
    // and files whose stamp is unchanged are not read again.
    building_ =
        index_ != nullptr ? std::make_unique<ToolIndex>(*index_) : std::make_unique<ToolIndex>();
    cancel_ = false;
    done_ = 0;
    total_ = 0;
    const int generation = ++generation_;
    worker_ = QThread::create(
        [this, index = building_.get(), directory = toolDirectory_, fedrix = fedrixEnabled_] {
            index->Build(
                directory, fedrix,
                [this](std::size_t done, std::size_t total) {
                    done_ = done;
                    total_ = total;
                },
                &cancel_);
        });
    connect(worker_, &QThread::finished, this, [this, generation] {
        if (generation == generation_) {
            buildFinished();
        }
    });
    worker_->start(QThread::LowPriority);
    progressTimer_.start();
}

void ToolSearch::buildFinished() {
    worker_->deleteLater();
    worker_ = nullptr;
    progressTimer_.stop();
    progress_->hide();
    index_ = std::move(building_);
    stale_ = rebuildWanted_;
    findings_.setIndex(index_.get());
    folderList_->toolModel()->findingsChanged();
    // The query runs in this same turn of the event loop: the matches show at once.
    if (active_ && query_) {
        runQuery();
    }
    emit indexUpdated();
    if (rebuildWanted_) {
        rebuildWanted_ = false;
        startBuild();
    }
}

void ToolSearch::showProgress() {
    if (worker_ == nullptr || !active_ || index_ != nullptr) {
        progress_->hide();
        return;
    }
    const QRect area = results_->viewport()->geometry();
    progress_->setGeometry(area.x() + 8, area.y() + 8, std::max(0, area.width() - 16),
                           progress_->sizeHint().height());
    const std::size_t total = total_;
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(std::min<std::size_t>(done_, total)));
    progress_->show();
    progress_->raise();
}

void ToolSearch::queryEdited(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        query_.reset();
        setActive(false);
        return;
    }
    ParsedToolQuery parsed = ParseToolQuery(trimmed.toStdString());
    setActive(true);
    if (!parsed.error.empty()) {
        // Typing goes on: the last matches stay, the line says what is wrong.
        query_.reset();
        counter_->clear();
        showStatus(fromInstallationText(SearchTermErrorText(parsed.error, language_)));
        return;
    }
    query_ = std::move(parsed.query);
    if (index_ == nullptr) {
        counter_->clear();
        showStatus({});
        startIndex();
        showProgress();
        return;
    }
    runQuery();
}

void ToolSearch::setActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    if (active) {
        results_->setGeometry(folderList_->geometry());
        results_->toolModel()->setRows({});
    }
    results_->setVisible(active);
    folderList_->setVisible(!active);
    if (!active) {
        progress_->hide();
        status_->setToolTip({});
        emit searchEnded();
    }
}

void ToolSearch::enterResults() {
    if (!active_ || results_->model()->rowCount() == 0) {
        return;
    }
    results_->setFocus(Qt::TabFocusReason);
    if (results_->selectionModel()->selectedRows().isEmpty()) {
        results_->selectionModel()->setCurrentIndex(
            results_->model()->index(0, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        emit results_->selectFromList();
    }
}

void ToolSearch::showStatus(const QString& text) {
    // A long message shows its start; the tooltip holds all of it.
    status_->setText(text);
    status_->setCursorPosition(0);
    status_->setToolTip(text);
}

void ToolSearch::runQuery() {
    const std::vector<std::size_t> matches = MatchTools(*index_, *query_);
    results_->toolModel()->setRows(SearchRows(*index_, matches, diameterMode_));
    results_->toolModel()->sortAgain();
    counter_->setText(QString::number(matches.size()));
    showStatus(matches.size() == 1 ? searchText(SearchText::FoundOne, language_)
                                   : searchText(SearchText::Found, language_).arg(matches.size()));
    showTool(shownPath_, !shownPath_.empty());
}

void ToolSearch::showTool(const std::string& path, bool isTool) {
    shownPath_ = isTool ? path : std::string();
    if (!active_) {
        return;
    }
    results_->clearSelection();
    const auto& rows = results_->toolModel()->rows();
    for (std::size_t row = 0; row < rows.size() && !shownPath_.empty(); ++row) {
        if (platform::ascii_equal_ignoring_case(rows[row].path, shownPath_)) {
            const QModelIndex index = results_->toolModel()->index(static_cast<int>(row), 0);
            results_->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            results_->scrollTo(index);
            return;
        }
    }
}

void ToolSearch::exportMatches() {
    std::vector<std::string> paths;
    std::vector<std::string> names;
    for (const ToolListRow& row : results_->toolModel()->rows()) {
        paths.push_back(row.path);
        names.push_back(row.columns[kColumnName]);
    }
    ExportToolsAsked(results_, toolDirectory_, paths, names);
}

std::vector<ToolFinding> ToolSearch::findingsOf(const std::string& path) const {
    if (index_ != nullptr && !stale_) {
        if (const std::vector<ToolFinding>* known = findings_.of(path)) {
            return *known;
        }
    }
    return CheckToolFile(path);
}
