#pragma once
// What the three Fedrix pages share: a page built from its table that is loaded from and stored
// into a tool's Fedrix settings, with its enabling rules applied after every load and every
// click of a check or radio button that carries a rule.

#include "gui/pages/fedrix_page_data.h"
#include "gui/pages/table_page.h"

template <typename Data>
class FedrixTablePage : public TablePage<Data> {
public:
    // Copies the values from the settings, marks the page unmodified, shows the values and
    // applies the enabling rules.
    void Load(const FedrixToolInfo& info) {
        CopyFromInfo(info, this->data_);
        this->SetModify(false);
        this->ShowControls();
        EnableControls();
    }
    // Reads the controls with validation and copies the values into the settings; false,
    // changing nothing, when a field is refused (the framework's message was shown).
    bool Store(FedrixToolInfo& info) {
        if (!this->ReadControls()) {
            return false;
        }
        CopyIntoInfo(this->data_, info);
        return true;
    }
    QSize sizeHint() const override {
        const DialogUnits units(this->font());
        return QSize(units.x(templateSize_.width()), units.y(templateSize_.height()))
            .expandedTo(this->minimumSizeHint());
    }

protected:
    FedrixTablePage(FieldHost& host, PageTableRows<Data> rows, int dialogId,
                    const char* resourceName, const char* caption, const char* section,
                    QSize templateSize, QWidget* parent)
        : TablePage<Data>(host, rows, dialogId, resourceName, caption, section, parent),
          templateSize_(templateSize) {}

    // A click reads the controls, marks the page changed and applies the rules.
    bool Clicked(const PageControl<Data>& row) override {
        if (row.click != Click::Rule || !this->ReadAfterClick(row)) {
            return false;
        }
        this->data_.pageChanged = true;
        EnableControls();
        return true;
    }
    // The page's enabling rules from its variables.
    virtual void EnableControls() {}

private:
    QSize templateSize_;  // dialog units
};
