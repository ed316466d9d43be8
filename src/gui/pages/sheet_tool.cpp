#include "gui/pages/sheet_tool.h"

#include <QEvent>

#include "gui/pages/machine_page.h"
#include "gui/pages/tool_page.h"

CSheetTool::CSheetTool(FieldHost& host, QWidget* parent)
    : QTabWidget(parent),
      toolPage_(new CPageTool(host, this)),
      machinePage_(new CPageMachine(host, this)) {
    for (QWidget* page : {static_cast<QWidget*>(toolPage_), static_cast<QWidget*>(machinePage_)}) {
        addTab(page, page->windowTitle());
        page->installEventFilter(this);
    }
    setCurrentWidget(toolPage_);
}

void CSheetTool::ShowFedrixPage([[maybe_unused]] bool present, bool activate) {
    if (activate) {
        setCurrentWidget(toolPage_);
    }
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

bool CSheetTool::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange) {
        if (auto* page = qobject_cast<QWidget*>(watched)) {
            const int tab = indexOf(page);
            if (tab >= 0) {
                setTabText(tab, page->windowTitle());
            }
        }
    }
    return QTabWidget::eventFilter(watched, event);
}
