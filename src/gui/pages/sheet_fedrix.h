#pragma once
// The sheet inside the "Fedrix" page: "Optimization", "Advanced 1" and "Advanced 2", in that
// order, starting on "Optimization".

#include "gui/pages/property_sheet.h"

class CPageFedrixAdvanced;
class CPageFedrixAdvanced2;
class CPageFedrixOptimize;
class CPageTool;
class FieldHost;

class CSheetFedrix : public PropertySheet {
public:
    CSheetFedrix(FieldHost& host, const CPageTool* toolPage, QWidget* parent = nullptr);

    CPageFedrixOptimize* OptimizePage() const { return optimizePage_; }
    CPageFedrixAdvanced* AdvancedPage() const { return advancedPage_; }
    CPageFedrixAdvanced2* Advanced2Page() const { return advanced2Page_; }

private:
    CPageFedrixOptimize* optimizePage_;
    CPageFedrixAdvanced* advancedPage_;
    CPageFedrixAdvanced2* advanced2Page_;
};
