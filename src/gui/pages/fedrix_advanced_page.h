#pragma once
// The "Advanced 1" page of the Fedrix settings: plunge cutting (a feed rate adapted continuously
// over the plunge angle, or a predefined feed rate from a start angle on), drag cutting, the
// asymmetry factor (1 to 10) and down milling.

#include "gui/pages/fedrix_table_page.h"

inline constexpr int kFedrixAdvancedDialogId = 137;

class CPageFedrixAdvanced : public FedrixTablePage<FedrixAdvancedData> {
public:
    explicit CPageFedrixAdvanced(FieldHost& host, QWidget* parent = nullptr);

protected:
    // Continuous adaptation enables the plunge angles and factor, a predefined feed rate its
    // feed rate and start angle.
    void EnableControls() override;
};
