#include "gui/pages/sheet_tool.h"

#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/tool_page.h"

CSheetTool::CSheetTool(FieldHost& host, QWidget* parent)
    : PropertySheet(parent),
      host_(host),
      toolPage_(new CPageTool(host, this)),
      machinePage_(new CPageMachine(host, this)) {
    AddPage(toolPage_);
    AddPage(machinePage_);
    setCurrentWidget(toolPage_);
}

void CSheetTool::ShowFedrixPage(bool present, bool activate) {
    if (present == HasFedrixPage()) {
        if (activate) {
            setCurrentWidget(present ? static_cast<QWidget*>(fedrixPage_) : toolPage_);
        }
        return;
    }
    if (present) {
        fedrixPage_ = new CPageFedrix(host_, toolPage_, this);
        AddPage(fedrixPage_);
        setCurrentWidget(fedrixPage_);
        setCurrentWidget(activate ? static_cast<QWidget*>(fedrixPage_) : toolPage_);
        return;
    }
    removeTab(indexOf(fedrixPage_));
    delete fedrixPage_;
    fedrixPage_ = nullptr;
    setCurrentWidget(toolPage_);
}

void CSheetTool::CheckAll() {
    if (toolPage_->CheckAll()) {
        machinePage_->CheckAll();
    }
}

bool CSheetTool::IsModified() const {
    return toolPage_->IsModified() || machinePage_->IsModified();
}

void CSheetTool::SetModify(bool modified) {
    toolPage_->SetModify(modified);
    machinePage_->SetModify(modified);
}
