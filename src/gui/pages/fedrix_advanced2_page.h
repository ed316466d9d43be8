#pragma once
// The "Advanced 2" page of the Fedrix settings: entangulation, empty cuts, path connections and
// the adaptation of the spindle speed, each optimisation with the fields it needs.

#include "gui/pages/fedrix_table_page.h"

inline constexpr int kFedrixAdvanced2DialogId = 139;

class CPageFedrixAdvanced2 : public FedrixTablePage<FedrixAdvanced2Data> {
public:
    explicit CPageFedrixAdvanced2(FieldHost& host, QWidget* parent = nullptr);

protected:
    // Each optimisation's fields follow its box.
    void EnableControls() override;
};
