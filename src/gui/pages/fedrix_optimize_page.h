#pragma once
// The "Optimization" page of the Fedrix settings: whether feed rates are optimised, the feed-rate
// range over the range of depths of cut (beside a picture of that curve) and the maximal tool cut
// height. "Default" proposes the depths and feed rates from the tool page and the toolpath.

#include "gui/pages/fedrix_table_page.h"

class CPageTool;

inline constexpr int kFedrixOptimizeDialogId = 138;
inline constexpr int kFedrixDefaultButton = 1083;

class CPageFedrixOptimize : public FedrixTablePage<FedrixOptimizeData> {
public:
    // `toolPage` supplies the size, stepover, Z-step and cutting feed of "Default"; without it
    // they are 0.
    CPageFedrixOptimize(FieldHost& host, const CPageTool* toolPage, QWidget* parent = nullptr);

    // "Default": maximum and start depth, minimum and maximum feed rate proposed from the tool
    // page (as last read from its controls) and the toolpath; a variable Z-step takes its depth
    // from the level file of the command-line toolpath. Shows them and marks the page changed;
    // the other fields keep what they show.
    void Default();

protected:
    bool Clicked(const PageControl<FedrixOptimizeData>& row) override;

private:
    const CPageTool* toolPage_;
};
