#pragma once
// The rows of the tool list as a Qt table model: the texts of the rows' eleven columns, the row
// image in column 0 and the cutter shape in column 2, and the column titles. Qt never sorts it;
// the list sorts it on header clicks only. Tools with findings show the warning mark over their
// picture and list the findings in their tooltip.

#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <vector>

#include "app/tool_list_refresh.h"
#include "app/tool_list_rows.h"
#include "app/tool_list_sort.h"

class ToolFindings;

class ToolListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ToolListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setTitle(int column, const QString& title);
    // Replaces every row; the sort state stays (a new folder is shown unsorted).
    void setRows(std::vector<ToolListRow> rows);
    const std::vector<ToolListRow>& rows() const { return rows_; }
    // A header click: sorts the rows, keeping the selection and current row with their rows.
    void headerClick(int column);
    // New rows in the order of the last click, if any (a refined search keeps its order).
    void sortAgain();
    const ToolListSort& sortState() const { return sort_; }
    // The findings the rows show (not owned; null for none); findingsChanged repaints them.
    void setFindings(const ToolFindings* findings) { findings_ = findings; }
    void findingsChanged();
    // Whether a header click ordered the rows since they were set.
    bool sorted() const { return sorted_; }
    // Applies an in-place update of the rows (library_watcher.cpp).
    void applyEdit(const ToolListEdit& edit);

private:
    std::vector<ToolListRow> rows_;
    ToolListSort sort_;
    bool sorted_ = false;
    std::array<QString, kToolListColumnCount> titles_;
    std::array<QIcon, 8> icons_;  // by image number
    const ToolFindings* findings_ = nullptr;
    // The pictures with the warning mark, made on first use: [error][image].
    mutable std::array<std::array<QIcon, 8>, 2> markedIcons_;
};
