#pragma once
// The "Tool" page: cutter, tolerances, stepover, Z-step and the machine's feeds, speed and tool
// number of the current tool. Each field has an apply check; a clear check disables the field,
// which shows the toolpath's value, and removes the parameter from the tool. Clicks change the
// tool at once; Commit writes typed values into the parameters the tool already has.

#include "gui/pages/table_page.h"
#include "gui/pages/tool_page_data.h"

inline constexpr int kToolPageDialogId = 130;

class CPageTool : public TablePage<ToolPageData> {
public:
    explicit CPageTool(FieldHost& host, QWidget* parent = nullptr);

    // Fills the page from the current tool and the toolpath; the page is then unmodified.
    void Load();
    // Reads the page with validation and writes the values of the checked fields and the
    // stepover and Z-step Auto bits; false, changing nothing, when validation fails.
    bool Commit();

protected:
    bool Clicked(const PageControl<ToolPageData>& row) override;
    bool CheckRead(const ToolPageData& read) override;
    void AfterRead() override;

private:
    bool ClickStepover(const PageControl<ToolPageData>& row);
    bool ClickZStep(const PageControl<ToolPageData>& row);
    bool ClickCutter(const PageControl<ToolPageData>& row);
    void EnableCutter();
    void EnableStepover();
    void EnableZStep();
    // TP_CDIAM with the diameter when the tool came with one, else TP_BRAD with the radius.
    ParameterIndex SizeParameter() const;
    ParameterValue SizeValue() const;
};
