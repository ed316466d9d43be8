#include "gui/pages/fedrix_page.h"

#include <QResizeEvent>

#include "gui/framework/control_ids.h"
#include "gui/framework/dialog_units.h"
#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_advanced_page.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/field_host.h"
#include "gui/pages/sheet_fedrix.h"
#include "tool/fedrix_defaults.h"
#include "toolfiles/fedrix_tool_info.h"

namespace {

// The page's template and the placeholder that gives the nested sheet its place, in dialog
// units.
constexpr QSize kTemplateSize{268, 213};
constexpr int kSheetMargin = 4;
constexpr int kPlaceholder = 1031;

}  // namespace

CPageFedrix::CPageFedrix(FieldHost& host, const CPageTool* toolPage, QWidget* parent)
    : QWidget(parent),
      placeholder_(new QWidget(this)),
      sheet_(new CSheetFedrix(host, toolPage, this)) {
    setDialogId(this, kFedrixPageDialogId);
    setWindowTitle(QStringLiteral("Fedrix"));
    setControlId(placeholder_, kPlaceholder);
    placeholder_->hide();

    resize(sizeHint());
    const DialogUnits units(font());
    const int margin = units.x(kSheetMargin);
    placeholder_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
    sheet_->setGeometry(placeholder_->geometry());
    layout_ = std::make_unique<LayoutManager>(this);
    layout_->Add(sheet_, 0, 0, 1, 1, 1, 1);

    ParameterValue cuttingFeed;
    host.LoadField(nullptr, kTpFrcut, cuttingFeed);
    FedrixToolInfo info;
    info.max_feed_rate = TruncateToInt32(cuttingFeed.real);
    LoadPages(info);
}

// The layout manager lets go of the nested sheet before the page and its children go.
CPageFedrix::~CPageFedrix() {
    layout_->Destroy();
}

void CPageFedrix::LoadPages(const FedrixToolInfo& info) {
    OptimizePage()->Load(info);
    AdvancedPage()->Load(info);
    Advanced2Page()->Load(info);
}

bool CPageFedrix::StorePages(FedrixToolInfo& info) {
    return OptimizePage()->Store(info) && AdvancedPage()->Store(info) &&
           Advanced2Page()->Store(info);
}

bool CPageFedrix::IsModified() const {
    return OptimizePage()->IsModified() || AdvancedPage()->IsModified() ||
           Advanced2Page()->IsModified();
}

void CPageFedrix::SetModify(bool modified) {
    OptimizePage()->SetModify(modified);
    AdvancedPage()->SetModify(modified);
    Advanced2Page()->SetModify(modified);
}

CPageFedrixOptimize* CPageFedrix::OptimizePage() const {
    return sheet_->OptimizePage();
}

CPageFedrixAdvanced* CPageFedrix::AdvancedPage() const {
    return sheet_->AdvancedPage();
}

CPageFedrixAdvanced2* CPageFedrix::Advanced2Page() const {
    return sheet_->Advanced2Page();
}

QSize CPageFedrix::sizeHint() const {
    const DialogUnits units(font());
    const int margins = 2 * units.x(kSheetMargin);
    return QSize(units.x(kTemplateSize.width()), units.y(kTemplateSize.height()))
        .expandedTo(sheet_->sizeHint() + QSize(margins, margins));
}

void CPageFedrix::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (layout_ != nullptr) {
        layout_->Resize(event->size().width(), event->size().height());
    }
}
