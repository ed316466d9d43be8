#pragma once
// Builds a page from its table and moves values between the page's variables and its controls.
// Reading goes through the framework's validation: the first field that does not parse or lies
// outside its range shows the framework's message, and the variables are left as they were.

#include <QAbstractButton>
#include <QGridLayout>
#include <QLineEdit>
#include <QWidget>
#include <span>
#include <type_traits>
#include <vector>

#include "gui/framework/control_ids.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/installation_text.h"
#include "gui/pages/page_table.h"
#include "tool/tool_parameter.h"

// Creates the controls of the rows on `page` with their ids, resource names, captions, places
// and accessible names.
void BuildPageControls(QWidget* page, std::span<const ControlRow* const> rows);
// Gives the first column of every group the width of the widest first column among the groups
// above and below it, so that their fields line up; again after every caption change.
void AlignGroupColumns(QWidget* page);
// The grid of the rows above the groups, for a page that arranges them its own way.
QGridLayout* TopGrid(const QWidget* page);
void EnableControl(const QWidget* page, int id, bool enabled);
// Shows or clears a radio button; a group may show none checked before its first load.
void ShowRadio(QAbstractButton* button, bool checked);
bool ReadRange(QLineEdit* edit, double value, const std::optional<Range>& range);
bool IsEdit(ControlKind kind);
// The edit's text in the installation's code page; the text shown is kept as it is. A text a
// tool file would take for a comment is refused where it can reach the tool: typed, or in an
// enabled field. Out of line: inlined into pages without text variables, g++ takes the
// never-taken text branch for a write beyond their variables.
bool ReadText(QLineEdit* edit, std::string& text);

// A real a float could hold, kept with the precision of a double.
bool ReadFloatAsDouble(QLineEdit* edit, double& value);

// A number through `read` and the row's range; the variable changes only when both accept it.
template <typename Value, typename Read>
bool ReadNumber(QLineEdit* edit, const ControlRow& row, Value& variable, Read read) {
    Value value = variable;
    if (!read(edit, value) || !ReadRange(edit, value, row.range)) {
        return false;
    }
    variable = value;
    return true;
}

template <typename Data>
void BuildPageControls(QWidget* page, PageTableRows<Data> rows) {
    std::vector<const ControlRow*> controls;
    for (const PageControl<Data>& row : rows) {
        controls.push_back(&row);
    }
    BuildPageControls(page, controls);
}

template <typename Data>
const PageControl<Data>* FindRow(PageTableRows<Data> rows, int id) {
    for (const PageControl<Data>& row : rows) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

// The edit an apply check covers: the first edit that the check names.
template <typename Data>
const PageControl<Data>* CoveredEdit(PageTableRows<Data> rows, int checkId) {
    for (const PageControl<Data>& row : rows) {
        if (row.buddy == checkId && IsEdit(row.kind)) {
            return &row;
        }
    }
    return nullptr;
}

template <typename Data>
bool ReadRow(const QWidget* page, const PageControl<Data>& row, Data& data) {
    QWidget* control = findControl(page, row.id);
    auto* edit = qobject_cast<QLineEdit*>(control);
    return std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool Data::*>) {
                data.*member = qobject_cast<QAbstractButton*>(control)->isChecked();
            } else if constexpr (std::is_same_v<Member, int Data::*>) {
                if (row.kind == ControlKind::Radio) {
                    if (row.radioIndex == 0) {
                        data.*member = -1;
                    }
                    if (qobject_cast<QAbstractButton*>(control)->isChecked()) {
                        data.*member = row.radioIndex;
                    }
                    return true;
                }
                return ReadNumber(edit, row, data.*member, readInteger);
            } else if constexpr (std::is_same_v<Member, float Data::*>) {
                return ReadNumber(edit, row, data.*member,
                                  [](QLineEdit* e, float& v) { return readReal(e, v); });
            } else if constexpr (std::is_same_v<Member, double Data::*>) {
                return ReadNumber(edit, row, data.*member, ReadFloatAsDouble);
            } else if constexpr (std::is_same_v<Member, std::string Data::*>) {
                return ReadText(edit, data.*member);
            }
            return true;
        },
        row.variable);
}

// Every control into a copy of the variables; they take the copy only when all fields are good.
template <typename Data>
bool ReadPageControls(const QWidget* page, PageTableRows<Data> rows, Data& data) {
    Data read = data;
    for (const PageControl<Data>& row : rows) {
        if (!ReadRow(page, row, read)) {
            return false;
        }
    }
    data = read;
    return true;
}

template <typename Data>
void ShowRow(const QWidget* page, const PageControl<Data>& row, const Data& data) {
    QWidget* control = findControl(page, row.id);
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool Data::*>) {
                qobject_cast<QAbstractButton*>(control)->setChecked(data.*member);
            } else if constexpr (std::is_same_v<Member, int Data::*>) {
                if (row.kind == ControlKind::Radio) {
                    ShowRadio(qobject_cast<QAbstractButton*>(control),
                              data.*member == row.radioIndex);
                } else {
                    showInteger(qobject_cast<QLineEdit*>(control), data.*member);
                }
            } else if constexpr (std::is_same_v<Member, float Data::*> ||
                                 std::is_same_v<Member, double Data::*>) {
                showReal(qobject_cast<QLineEdit*>(control), data.*member);
            } else if constexpr (std::is_same_v<Member, std::string Data::*>) {
                showText(qobject_cast<QLineEdit*>(control), fromInstallationText(data.*member));
            }
        },
        row.variable);
}

template <typename Data>
void ShowPageControls(const QWidget* page, PageTableRows<Data> rows, const Data& data) {
    for (const PageControl<Data>& row : rows) {
        ShowRow(page, row, data);
    }
}

// A check, or every button of a radio group, as the variables hold it.
template <typename Data>
void ShowButton(const QWidget* page, PageTableRows<Data> rows, const PageControl<Data>& button,
                const Data& data) {
    for (const PageControl<Data>& row : rows) {
        if (row.variable == button.variable) {
            ShowRow(page, row, data);
        }
    }
}

// The value of an edit's variable as the tool keeps it.
template <typename Data>
ParameterValue ValueOf(const PageControl<Data>& edit, const Data& data) {
    ParameterValue value;
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, int Data::*>) {
                value.integer = data.*member;
            } else if constexpr (std::is_same_v<Member, float Data::*>) {
                value.real = data.*member;
            } else if constexpr (std::is_same_v<Member, std::string Data::*>) {
                value.text = data.*member;
            }
        },
        edit.variable);
    return value;
}

template <typename Data>
void AssignValue(const PageControl<Data>& edit, Data& data, const ParameterValue& value) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, int Data::*>) {
                data.*member = value.integer;
            } else if constexpr (std::is_same_v<Member, float Data::*>) {
                data.*member = value.real;
            } else if constexpr (std::is_same_v<Member, std::string Data::*>) {
                data.*member = value.text;
            }
        },
        edit.variable);
}
