#include "gui/main/list_ctrl_tool.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "app/file_utilities.h"
#include "app/path_parts.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "gui/framework/wait_cursor.h"
#include "gui/main/tool_list_model.h"
#include "language/language_selection.h"
#include "platform/ascii_case.h"

namespace {

constexpr char kSection[] = "LISTCTRLTOOL";

struct Column {
    const char* title;
    const char* key;
};
// Column 2's key in diameter mode; kColumns gives the radius one.
constexpr char kDiameterKey[] = "IDC_LISTCTRLTOOL_DIAM";
constexpr Column kColumns[kToolListColumnCount] = {
    {"Tools", "IDC_LISTCTRLTOOL_TOOL"},        {"No.", "IDC_LISTCTRLTOOL_CPP_NUM"},
    {"Diameter", "IDC_LISTCTRLTOOL_BRAD"},     {"Corner Radius", "IDC_LISTCTRLTOOL_CRAD"},
    {"Stock", "IDC_LISTCTRLTOOL_STOCK"},       {"Stepover", "IDC_LISTCTRLTOOL_STEP"},
    {"Tolerance", "IDC_LISTCTRLTOOL_TOL"},     {"Z-Step", "IDC_LISTCTRLTOOL_DZSTEP"},
    {"Approach", "IDC_LISTCTRLTOOL_APPROACH"}, {"Retract", "IDC_LISTCTRLTOOL_RETRACT"},
    {"Comment", "IDC_LISTCTRLTOOL_COMMENT"},
};

// The row counter is repainted at most this often while a folder is read.
constexpr qint64 kCounterRepaintMilliseconds = 250;

// The widths were laid out for a font whose average letter is 6 pixels wide.
constexpr int kLaidOutLetterWidth = 6;

bool isNavigationKey(int key) {
    switch (key) {
        case Qt::Key_Down:
        case Qt::Key_Up:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

CListCtrlTool::CListCtrlTool(const LanguageFile* language, bool diameterMode, QWidget* parent)
    : QTreeView(parent), model_(new ToolListModel(this)), diameterMode_(diameterMode) {
    setObjectName(QString::fromLatin1(kSection));
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(20, 17));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const bool titlesFromFile = language != nullptr && language->Loaded();
    for (int column = 0; column < kToolListColumnCount; ++column) {
        QString title = QString::fromLatin1(kColumns[column].title);
        if (titlesFromFile) {
            const char* key =
                column == kColumnSize && diameterMode ? kDiameterKey : kColumns[column].key;
            title = fromInstallationText(language->Caption(kSection, key));
        }
        model_->setTitle(column, title);
        header()->resizeSection(column, columnWidth(column));
    }
    // Named by what it shows, the tools; the built-in title when the file gives none.
    const QString name = model_->headerData(kColumnName, Qt::Horizontal).toString();
    setAccessibleName(name.isEmpty() ? QString::fromLatin1(kColumns[kColumnName].title) : name);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        const WaitCursor wait;
        model_->headerClick(column);
        const QModelIndexList selected = selectionModel()->selectedRows();
        if (!selected.isEmpty()) {
            scrollTo(selected.first());
        }
    });
}

int CListCtrlTool::columnWidth(int column) const {
    const int letter = DialogUnits(font()).baseWidth();
    const int laidOut =
        (kColumnWidths[column] * letter + kLaidOutLetterWidth / 2) / kLaidOutLetterWidth;
    return std::max(laidOut, header()->sectionSizeHint(column));
}

void CListCtrlTool::setStatusEdits(QLineEdit* rowIndex, QLineEdit* directory) {
    rowIndexEdit_ = rowIndex;
    directoryEdit_ = directory;
}

void CListCtrlTool::rowAdded(std::size_t index) {
    if (rowIndexEdit_ == nullptr) {
        return;
    }
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kCounterRepaintMilliseconds) {
        rowIndexEdit_->setText(QString::number(index));
        rowIndexEdit_->repaint();
        sinceRepaint_.start();
    }
}

void CListCtrlTool::fill(const std::string& path, bool isTool) {
    const std::string directory = isTool ? DirectoryPart(path) : path;
    if (currentDirectory_.empty() ||
        !platform::ascii_equal_ignoring_case(directory, currentDirectory_)) {
        const WaitCursor wait;
        currentDirectory_ = directory;
        ++folderReads_;
        if (directoryEdit_ != nullptr) {
            directoryEdit_->setText(fromFileName(directory));
            directoryEdit_->repaint();
        }
        model_->setRows({});
        sinceRepaint_.invalidate();
        std::vector<ToolListRow> rows =
            ReadToolListRows({directory, toolDirectory_, fedrixEnabled_, diameterMode_},
                             [this](std::size_t index) { rowAdded(index); });
        if (rowIndexEdit_ != nullptr && !rows.empty()) {
            rowIndexEdit_->setText(QString::number(rows.size() - 1));
        }
        model_->setRows(std::move(rows));
        setAccessibleDescription(fromFileName(directory));
    }
    clearSelection();
    if (!isTool) {
        return;
    }
    const auto& rows = model_->rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (platform::ascii_equal_ignoring_case(rows[row].path, path)) {
            const QModelIndex index = model_->index(static_cast<int>(row), 0);
            selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            scrollTo(index);
            return;
        }
    }
}

std::string CListCtrlTool::selectedPath() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return {};
    }
    return model_->rows()[static_cast<std::size_t>(selected.first().row())].path;
}

void CListCtrlTool::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deleteKeyPressed();
    }
    QTreeView::keyPressEvent(event);
    // The list wants every key: Return and Escape must not reach the window's buttons.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            break;
        default:
            break;
    }
    if (isNavigationKey(event->key())) {
        emit selectFromList();
    }
}

void CListCtrlTool::mousePressEvent(QMouseEvent* event) {
    QTreeView::mousePressEvent(event);
    // A right click selects its row too, so that the tree follows it.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && index.isValid()) {
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void CListCtrlTool::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        emit selectFromList();
    }
}

void CListCtrlTool::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            const std::string path = model_->rows()[static_cast<std::size_t>(index.row())].path;
            if (ValidateFile(path, false)) {
                emit rowDoubleClicked(path);
            }
        }
    }
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        emit selectFromList();
    }
}
