#include "gui/pages/page_controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "gui/framework/accessible_input.h"
#include "gui/framework/accessible_names.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/modified_flags.h"
#include "language/builtin_texts.h"
#include "language/message_catalogue.h"
#include "toolfiles/tool_file.h"

namespace {

// Numbers need no more than this; texts take the row's width.
constexpr int kNumberEditWidth = 32;
// Margins and spacing of the page and its groups, so that two columns of groups fit the page.
constexpr int kPageMargin = 4;
constexpr int kGroupMargin = 3;
constexpr int kGroupMarginY = 3;
// The column of the page's grid a group sits in.
constexpr char kGroupColumn[] = "groupColumn";
constexpr int kSpacing = 3;
constexpr int kLabelIndent = 6;

QWidget* CreateControl(const ControlRow& row, QWidget* parent, const DialogUnits& units) {
    const QString caption = QString::fromLatin1(row.caption);
    switch (row.kind) {
        case ControlKind::Group:
            return new QGroupBox(caption, parent);
        case ControlKind::Label:
        case ControlKind::Units:
            return new QLabel(caption, parent);
        case ControlKind::Check:
            return new QCheckBox(caption, parent);
        case ControlKind::Radio:
            return new QRadioButton(caption, parent);
        case ControlKind::TextEdit: {
            // No more than a parameter keeps, so that nothing is cut when the tool is saved.
            auto* edit = new QLineEdit(parent);
            edit->setMaxLength(static_cast<int>(kMaxParameterText));
            watchTyping(edit);
            return edit;
        }
        case ControlKind::RealEdit:
        case ControlKind::IntegerEdit: {
            auto* edit = new QLineEdit(parent);
            edit->setFixedWidth(units.x(kNumberEditWidth));
            watchTyping(edit);
            return edit;
        }
        case ControlKind::Button:
            return new QPushButton(caption, parent);
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setObjectName(caption);
            return picture;
        }
    }
    return nullptr;
}

struct PageGrids {
    QGridLayout* top;
    QGridLayout* groups;
    std::map<int, std::pair<QGroupBox*, QGridLayout*>> boxes;
    std::map<std::pair<int, int>, QHBoxLayout*> radioRows;
};

void PlaceControl(const ControlRow& row, QWidget* control, PageGrids& grids) {
    QGridLayout* grid = grids.top;
    if (row.place.parent != kTopOfPage) {
        grid = grids.boxes.at(row.place.parent).second;
    }
    if (row.kind == ControlKind::Radio) {
        QHBoxLayout*& line = grids.radioRows[{row.place.parent, row.place.row}];
        if (line == nullptr) {
            line = new QHBoxLayout;
            grid->addLayout(line, row.place.row, row.place.column, 1, row.place.span);
        }
        line->addWidget(control);
        return;
    }
    grid->addWidget(control, row.place.row, row.place.column, 1, row.place.span);
}

// The table lists the checks in the order Set All ticks them; the keyboard follows the page as
// it reads: the rows above the groups, then group by group, each row from left to right.
void SetReadingTabOrder(std::span<const ControlRow* const> rows,
                        const std::map<int, QWidget*>& created) {
    std::map<int, Place> groups;
    for (const ControlRow* row : rows) {
        if (row->kind == ControlKind::Group) {
            groups[row->id] = row->place;
        }
    }
    std::vector<std::pair<std::array<int, 5>, QWidget*>> order;
    for (const ControlRow* row : rows) {
        const bool focusable = row->kind == ControlKind::Check || row->kind == ControlKind::Radio ||
                               row->kind == ControlKind::Button || IsEdit(row->kind);
        if (!focusable) {
            continue;
        }
        const bool top = row->place.parent == kTopOfPage;
        const Place group = top ? Place{kTopOfPage, -1, 0, 1} : groups.at(row->place.parent);
        order.push_back(
            {{group.row, group.column, row->place.row, row->place.column, row->radioIndex},
             created.at(row->id)});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

}  // namespace

void BuildPageControls(QWidget* page, std::span<const ControlRow* const> rows) {
    installAccessibleInput();
    const DialogUnits units(page->font());
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(units.x(kPageMargin), units.y(kPageMargin), units.x(kPageMargin),
                               units.y(kPageMargin));
    PageGrids grids{new QGridLayout, new QGridLayout, {}, {}};
    for (QGridLayout* grid : {grids.top, grids.groups}) {
        grid->setSpacing(units.x(kSpacing));
    }
    column->addLayout(grids.top);
    column->addLayout(grids.groups);
    column->addStretch(1);
    grids.top->setColumnStretch(1, 1);

    std::map<int, QWidget*> created;
    for (const ControlRow* row : rows) {
        if (row->kind != ControlKind::Group) {
            continue;
        }
        auto* box = static_cast<QGroupBox*>(CreateControl(*row, page, units));
        setControlId(box, row->id, row->name);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(units.x(kGroupMargin), units.y(kGroupMarginY),
                                 units.x(kGroupMargin), units.y(kGroupMarginY));
        grid->setHorizontalSpacing(units.x(kSpacing));
        grid->setVerticalSpacing(units.y(kSpacing));
        grids.boxes[row->id] = {box, grid};
        grids.groups->addWidget(box, row->place.row, row->place.column, row->place.rows,
                                row->place.span);
        box->setProperty(kGroupColumn, row->place.column);
        created[row->id] = box;
    }
    for (const ControlRow* row : rows) {
        if (row->kind == ControlKind::Group) {
            continue;
        }
        QWidget* parent =
            row->place.parent == kTopOfPage ? page : grids.boxes.at(row->place.parent).first;
        QWidget* control = CreateControl(*row, parent, units);
        // A label after other fields of its line stands off them.
        if (row->kind == ControlKind::Label && row->place.parent != kTopOfPage &&
            row->place.column > 0) {
            static_cast<QLabel*>(control)->setIndent(units.x(kLabelIndent));
        }
        if (row->id != 0) {
            setControlId(control, row->id, row->name);
            created[row->id] = control;
        }
        PlaceControl(*row, control, grids);
    }
    for (auto& [key, line] : grids.radioRows) {
        line->addStretch(1);
    }
    // Values and units keep their width; what is left goes to the right of each group.
    for (auto& [id, box] : grids.boxes) {
        box.second->setColumnStretch(box.second->columnCount(), 1);
    }
    for (const ControlRow* row : rows) {
        if (row->buddy == 0 || !IsEdit(row->kind)) {
            continue;
        }
        QWidget* edit = created.at(row->id);
        QWidget* source = created.at(row->buddy);
        // A label of two edits (from and to) is the buddy of the first and names both.
        auto* label = qobject_cast<QLabel*>(source);
        if (label != nullptr && label->buddy() == nullptr) {
            label->setBuddy(edit);
        } else {
            nameAfter(edit, source);
        }
    }
    SetReadingTabOrder(rows, created);
    renewAccessibleNames(page);
}

void AlignGroupColumns(QWidget* page) {
    std::map<int, int> widths;
    std::vector<std::pair<int, QGridLayout*>> grids;
    for (QGroupBox* box : page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        auto* grid = qobject_cast<QGridLayout*>(box->layout());
        if (grid == nullptr) {
            continue;
        }
        const int column = box->property(kGroupColumn).toInt();
        grids.emplace_back(column, grid);
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0;
            int gridColumn = 0;
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(i, &row, &gridColumn, &rowSpan, &columnSpan);
            if (gridColumn == 0 && columnSpan == 1) {
                widths[column] = std::max(widths[column], grid->itemAt(i)->sizeHint().width());
            }
        }
    }
    for (auto& [column, grid] : grids) {
        grid->setColumnMinimumWidth(0, widths[column]);
    }
}

QGridLayout* TopGrid(const QWidget* page) {
    return qobject_cast<QGridLayout*>(page->layout()->itemAt(0)->layout());
}

void EnableControl(const QWidget* page, int id, bool enabled) {
    if (QWidget* control = findControl(page, id)) {
        control->setEnabled(enabled);
    }
}

void ShowRadio(QAbstractButton* button, bool checked) {
    if (button->isChecked() == checked) {
        return;
    }
    // Clearing the checked button of an exclusive group needs the group's exclusion lifted.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

bool ReadRange(QLineEdit* edit, double value, const std::optional<Range>& range) {
    return !range || checkRange(edit, value, range->minimum, range->maximum);
}

bool IsEdit(ControlKind kind) {
    return kind == ControlKind::TextEdit || kind == ControlKind::RealEdit ||
           kind == ControlKind::IntegerEdit;
}

bool ReadFloatAsDouble(QLineEdit* edit, double& value) {
    if (!changedSinceShown(edit)) {
        return true;
    }
    float single = 0.0f;
    return readReal(edit, single) && readReal(edit, value);
}

bool ReadText(QLineEdit* edit, std::string& text) {
    const bool changed = changedSinceShown(edit);
    std::string typed = changed ? toInstallationText(edit->text()) : text;
    if ((changed || edit->isEnabled()) && ends_as_comment(typed)) {
        TalmorError* catalogue = GetCatalogue();
        catalogue->InternalMessage(
            __FILE__, __LINE__, __DATE__, __TIME__,
            builtin_text(BuiltinText::TextEndsAsComment, catalogue->LanguageIndex()), kButtonsOk,
            make_format_arguments(typed));
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    text = std::move(typed);
    return true;
}
