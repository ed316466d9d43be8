#pragma once
// The "Security" page: approach and retract distances, the lead-in and the automatic minimum
// pocket width of the current tool. The lead-in check adds or removes its four parameters
// (TP_LITYPE, TP_LIRAMP, TP_LIRAD, TP_STEPTYPE) together.

#include <array>

#include "gui/pages/machine_page_data.h"
#include "gui/pages/table_page.h"

inline constexpr int kMachinePageDialogId = 131;

class CPageMachine : public TablePage<MachinePageData> {
public:
    explicit CPageMachine(FieldHost& host, QWidget* parent = nullptr);

    // Fills the page from the current tool and the toolpath; the page is then unmodified.
    void Load();
    // Reads the page with validation and writes the values of the checked fields and the
    // minimum width Auto bit; false, changing nothing, when validation fails.
    bool Commit();

protected:
    bool Clicked(const PageControl<MachinePageData>& row) override;
    void AfterRead() override;

private:
    bool ClickLeadIn(const PageControl<MachinePageData>& row);
    void EnableLeadIn();
    // The four lead-in parameters as the page holds them, in the order they are stored.
    struct LeadInValue {
        ParameterIndex index;
        ParameterValue value;
    };
    std::array<LeadInValue, 4> LeadInValues() const;
};
