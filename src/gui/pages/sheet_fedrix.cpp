#include "gui/pages/sheet_fedrix.h"

#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_advanced_page.h"
#include "gui/pages/fedrix_optimize_page.h"

CSheetFedrix::CSheetFedrix(FieldHost& host, const CPageTool* toolPage, QWidget* parent)
    : PropertySheet(parent),
      optimizePage_(new CPageFedrixOptimize(host, toolPage, this)),
      advancedPage_(new CPageFedrixAdvanced(host, this)),
      advanced2Page_(new CPageFedrixAdvanced2(host, this)) {
    setWindowTitle(QStringLiteral("Sheet Fedrix"));
    AddPage(optimizePage_);
    AddPage(advancedPage_);
    AddPage(advanced2Page_);
    setCurrentWidget(optimizePage_);
}
