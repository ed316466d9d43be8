#pragma once
// The property sheet beside the tool tree: the "Tool" and "Security" pages, and the "Fedrix" page
// when the current tool has feed-rate optimisation settings. Every page exists before the first
// load; a page's translated title becomes its tab's text.

#include "gui/pages/property_sheet.h"

class CPageFedrix;
class CPageMachine;
class CPageTool;
class FieldHost;

class CSheetTool : public PropertySheet {
public:
    explicit CSheetTool(FieldHost& host, QWidget* parent = nullptr);

    CPageTool* ToolPage() const { return toolPage_; }
    CPageMachine* MachinePage() const { return machinePage_; }
    // Null while the Fedrix page is absent.
    CPageFedrix* FedrixPage() const { return fedrixPage_; }

    // Adds the Fedrix page as the last tab (started from the default settings) or removes and
    // deletes it; removing it shows the tool page. With `activate` the page shown afterwards is
    // the Fedrix page when present, else the tool page. An unchanged presence without `activate`
    // changes nothing.
    void ShowFedrixPage(bool present, bool activate);
    bool HasFedrixPage() const { return fedrixPage_ != nullptr; }

    // Set All: the tool page, then the security page.
    void CheckAll();
    // Whether the tool or the security page was changed (the Fedrix page answers for itself).
    bool IsModified() const;
    void SetModify(bool modified);

private:
    FieldHost& host_;
    CPageTool* toolPage_;
    CPageMachine* machinePage_;
    CPageFedrix* fedrixPage_ = nullptr;
};
