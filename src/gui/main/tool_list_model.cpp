#include "gui/main/tool_list_model.h"

#include <algorithm>
#include <numeric>

#include "gui/framework/installation_text.h"
#include "gui/main/tool_findings.h"
#include "gui/resources/pictures.h"

ToolListModel::ToolListModel(QObject* parent) : QAbstractTableModel(parent) {
    for (std::size_t image = 0; image < icons_.size(); ++image) {
        icons_[image] = toolListIcon(static_cast<int>(image));
    }
}

int ToolListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ToolListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kToolListColumnCount;
}

QVariant ToolListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    const ToolListRow& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const std::vector<ToolFinding>* findings =
        findings_ != nullptr && row.kind == ToolListRowKind::Tool ? findings_->of(row.path)
                                                                  : nullptr;
    if (findings != nullptr && role == Qt::ToolTipRole) {
        return findings_->lines(*findings);
    }
    if (findings != nullptr && role == Qt::DecorationRole && column == kColumnName &&
        row.image > 0 && row.image < static_cast<int>(icons_.size())) {
        QIcon& marked =
            markedIcons_[HasErrorFinding(*findings) ? 1 : 0][static_cast<std::size_t>(row.image)];
        if (marked.isNull()) {
            marked = markedIcon(icons_[static_cast<std::size_t>(row.image)], QSize(20, 17),
                                HasErrorFinding(*findings));
        }
        return marked;
    }
    if (role == Qt::DisplayRole) {
        const std::string& text = row.columns[static_cast<std::size_t>(column)];
        return column == kColumnName ? fromFileName(text) : fromInstallationText(text);
    }
    if (role == Qt::DecorationRole) {
        const int image =
            column == kColumnName ? row.image : (column == kColumnSize ? row.shape : 0);
        if (image > 0 && image < static_cast<int>(icons_.size())) {
            return icons_[static_cast<std::size_t>(image)];
        }
    }
    return {};
}

QVariant ToolListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kToolListColumnCount) {
        return titles_[static_cast<std::size_t>(section)];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ToolListModel::setTitle(int column, const QString& title) {
    titles_[static_cast<std::size_t>(column)] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ToolListModel::setRows(std::vector<ToolListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    sorted_ = false;
    endResetModel();
}

void ToolListModel::findingsChanged() {
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kToolListColumnCount - 1),
                         {Qt::DecorationRole, Qt::ToolTipRole});
    }
}

void ToolListModel::sortAgain() {
    if (sort_.sort_column() < 0) {
        return;
    }
    beginResetModel();
    std::stable_sort(
        rows_.begin(), rows_.end(),
        [this](const ToolListRow& a, const ToolListRow& b) { return sort_.Before(a, b); });
    endResetModel();
}

void ToolListModel::headerClick(int column) {
    emit layoutAboutToBeChanged();
    sort_.Click(column);
    sorted_ = true;
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return sort_.Before(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    });
    std::vector<ToolListRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> new_row(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[static_cast<std::size_t>(order[i])]));
        new_row[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    // Selection and current row follow their rows.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.append(this->index(new_row[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}
