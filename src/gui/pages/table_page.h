#pragma once
// What the tool and security pages share: a page built from its table, with the apply checks'
// click handling, the modified state, Set All and the captions of its language-file section.
// A click first reads every control with validation; when that fails, the clicked button shows
// again what the tool holds, so the page never shows a state the tool does not have.

#include <QEvent>
#include <QLineEdit>
#include <QSize>
#include <QWidget>
#include <string>

#include "gui/framework/captions.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/language_change.h"
#include "gui/framework/modified_flags.h"
#include "gui/pages/field_host.h"
#include "gui/pages/page_controls.h"
#include "language/language_selection.h"

// Both pages are 268 by 213 dialog units.
inline constexpr int kPageWidthUnits = 268;
inline constexpr int kPageHeightUnits = 213;

template <typename Data>
class TablePage : public QWidget {
public:
    // Whether a click changed the page or the user typed into one of its edits.
    bool IsModified() const { return data_.pageChanged || anyEditModified(this); }
    void SetModify(bool modified) {
        data_.pageChanged = modified;
        for (QLineEdit* edit : findChildren<QLineEdit*>()) {
            edit->setModified(modified);
        }
    }
    // Set All: ticks every clear check that Set All covers, in table order, and runs its click
    // as the user's would. Stops at the first click whose validation fails.
    bool CheckAll() {
        for (const PageControl<Data>& row : rows_) {
            if (!row.setAll) {
                continue;
            }
            auto* check = findControl<QAbstractButton>(this, row.id);
            if (check->isChecked()) {
                continue;
            }
            check->setChecked(true);
            if (!Clicked(row)) {
                return false;
            }
        }
        return true;
    }
    const Data& data() const { return data_; }
    QSize sizeHint() const override {
        const DialogUnits units(font());
        return QSize(units.x(kPageWidthUnits), units.y(kPageHeightUnits))
            .expandedTo(minimumSizeHint());
    }

protected:
    TablePage(FieldHost& host, PageTableRows<Data> rows, int dialogId, const char* resourceName,
              const char* caption, const char* section, QWidget* parent)
        : QWidget(parent), host_(host), rows_(rows), section_(section) {
        setDialogId(this, dialogId, resourceName);
        setWindowTitle(QString::fromLatin1(caption));
        BuildPageControls(this, rows_);
        for (const PageControl<Data>& row : rows_) {
            if (row.click != Click::None) {
                auto* button = findControl<QAbstractButton>(this, row.id);
                connect(button, &QAbstractButton::clicked, this, [this, &row] { Clicked(row); });
            }
        }
    }

    // The page's part of a click; false when its validation failed.
    virtual bool Clicked(const PageControl<Data>& row) = 0;
    // The page's checks of values that depend on each other, on what the controls gave; false
    // after its message when one is refused.
    virtual bool CheckRead(const Data& /*read*/) { return true; }
    // The page's rules that follow every successful read of the controls.
    virtual void AfterRead() {}

    // Every control into the variables, with validation; false leaves them as they were.
    bool ReadControls() {
        Data read = data_;
        if (!ReadPageControls(this, rows_, read) || !CheckRead(read)) {
            return false;
        }
        data_ = read;
        AfterRead();
        return true;
    }
    bool ReadAfterClick(const PageControl<Data>& clicked) {
        if (ReadControls()) {
            return true;
        }
        ShowButton(this, rows_, clicked, data_);
        return false;
    }
    void ShowControls() { ShowPageControls(this, rows_, data_); }

    // A plain apply check: its edit's value into the tool, or the parameter out of it.
    bool ClickField(const PageControl<Data>& check) {
        if (!ReadAfterClick(check)) {
            return false;
        }
        const PageControl<Data>* edit = CoveredEdit(rows_, check.id);
        host_.StoreField(findControl(this, edit->id), check.parameter,
                         data_.*std::get<bool Data::*>(check.variable), ValueOf(*edit, data_));
        return true;
    }
    // The plain apply checks from the tool, or from the toolpath where the tool has none.
    void LoadFields() {
        for (const PageControl<Data>& check : rows_) {
            if (check.click == Click::Field) {
                LoadField(check);
            }
        }
    }
    void LoadField(const PageControl<Data>& check) {
        const PageControl<Data>* edit = CoveredEdit(rows_, check.id);
        ParameterValue value = ValueOf(*edit, data_);
        data_.*std::get<bool Data::*>(check.variable) =
            host_.LoadField(findControl(this, edit->id), check.parameter, value);
        AssignValue(*edit, data_, value);
    }
    // The values of the plain apply checks that are set, into the parameters the tool has.
    void CommitFields() {
        for (const PageControl<Data>& check : rows_) {
            if (check.click == Click::Field && data_.*std::get<bool Data::*>(check.variable)) {
                host_.SetFieldValue(check.parameter, ValueOf(*CoveredEdit(rows_, check.id), data_));
            }
        }
    }

    // The captions of the active language file, and the fields lined up for them.
    void ApplyCaptions() {
        const LanguageFile* file = host_.Language();
        if (file != nullptr && file->Loaded()) {
            setWindowTitle(
                fromInstallationText(file->Caption(section_, objectName().toStdString())));
            applyCaptions(this, *file, section_);
        }
        AlignGroupColumns(this);
    }
    void customEvent(QEvent* event) override {
        if (event->type() == kLanguageChangeEvent) {
            ApplyCaptions();
        }
        QWidget::customEvent(event);
    }

    FieldHost& host_;
    PageTableRows<Data> rows_;
    std::string section_;
    Data data_;
};
