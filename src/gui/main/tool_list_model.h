#pragma once
// The rows of the tool list as a Qt table model: the texts of the rows' eleven columns, the row
// image in column 0 and the cutter shape in column 2, and the column titles. Qt never sorts it;
// the list sorts it on header clicks only.

#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <vector>

#include "app/tool_list_refresh.h"
#include "app/tool_list_rows.h"
#include "app/tool_list_sort.h"

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
    const ToolListSort& sortState() const { return sort_; }
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
};
