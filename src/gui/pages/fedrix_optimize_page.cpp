#include "gui/pages/fedrix_optimize_page.h"

#include <QLabel>

#include "gui/pages/page_rows.h"
#include "gui/pages/tool_page.h"
#include "gui/resources/pictures.h"
#include "tool/fedrix_defaults.h"
#include "tool/level_file_depth.h"
#include "workzone/toolpath_reader.h"

namespace {

using D = FedrixOptimizeData;
using namespace page_rows;

constexpr QSize kTemplateSize{256, 181};
constexpr Range kDepthRange{0.0, 100.0};
constexpr Range kFeedRange{0.0, 100000.0};
constexpr char kCurvePicture[] = "fedrix_feed_depth";
// The picture in dialog units: the feed rates stand above the ends of its curve, the depths
// below them.
constexpr QSize kCurveSize{150, 66};

constexpr int kSpareColumn = 5;

constexpr int kFeedLabel = 1050;
constexpr int kDepthLabel = 1051;
constexpr int kCutHeightLabel = 1052;

// In the order the page exchanges them: the first refused field is the one reported.
const PageControl<D> kOptimizePage[] = {
    Label<D>(kFeedLabel, "IDC_FEDRIX_FEEDRATE_LB", "Feedrate:", {kTopOfPage, 1, 0}),
    Label<D>(kDepthLabel, "IDC_FEDRIX_DEPTH_LB", "Depth of Cut:", {kTopOfPage, 3, 0}),
    Label<D>(kCutHeightLabel, "IDC_FEDRIX_MAXCUTHEIGHT_LB",
             "Maximal Tool Cut Height:", {kTopOfPage, 5, 0}),
    Edit<D>(1023, {kTopOfPage, 3, 3}, &D::maxDepth, kDepthLabel, kDepthRange),
    Edit<D>(1022, {kTopOfPage, 3, 1}, &D::startDepth, kDepthLabel, kDepthRange),
    Edit<D>(1020, {kTopOfPage, 1, 3}, &D::minFeedRate, kFeedLabel, kFeedRange),
    Edit<D>(1021, {kTopOfPage, 1, 1}, &D::maxFeedRate, kFeedLabel, kFeedRange),
    Check<D>(1029, "IDC_FEDRIX_OPTIMIZE_FEEDRATES", "Optimize Feedrates", {kTopOfPage, 0, 0, 5},
             &D::optimizeFeedRates, Click::Rule, 0, false),
    Edit<D>(1024, {kTopOfPage, 5, 1}, &D::maxCutHeight, kCutHeightLabel, kDepthRange),
    Units<D>("mm/min", {kTopOfPage, 1, 4}),
    Picture<D>(kCurvePicture, {kTopOfPage, 2, 1, 4}),
    Millimetres<D>({kTopOfPage, 3, 4}),
    Millimetres<D>({kTopOfPage, 5, 2}),
    Button<D>(kFedrixDefaultButton, nullptr, "Default", {kTopOfPage, 6, 3, 2}, Click::Default),
};

constexpr int kDefaultControls[] = {1023, 1022, 1020, 1021};

}  // namespace

CPageFedrixOptimize::CPageFedrixOptimize(FieldHost& host, const CPageTool* toolPage,
                                         QWidget* parent)
    : FedrixTablePage(host, kOptimizePage, kFedrixOptimizeDialogId, "IDD_PAGE_FEDRIX_OPTIMIZE",
                      "Optimization", "PAGEFEDRIXOPTIMIZE", kTemplateSize, parent),
      toolPage_(toolPage) {
    const DialogUnits units(font());
    const QSize size(units.x(kCurveSize.width()), units.y(kCurveSize.height()));
    // The picture spans the feed rates, their unit and the column between the edits, which takes
    // what the others leave of the picture's width; the page's spare width goes to the right.
    QGridLayout* grid = TopGrid(this);
    grid->setColumnStretch(1, 0);
    grid->setColumnStretch(kSpareColumn, 1);
    const int edit = findControl(this, 1021)->minimumWidth();
    const int unit = grid->itemAtPosition(1, 4)->widget()->sizeHint().width();
    grid->setColumnMinimumWidth(2, size.width() - 2 * edit - unit - 3 * grid->horizontalSpacing());
    auto* curve = findChild<QLabel*>(QLatin1String(kCurvePicture));
    curve->setPixmap(picturePixmap(QLatin1String(kCurvePicture), size, devicePixelRatioF()));
    curve->setFixedSize(size);
    ApplyCaptions();
}

void CPageFedrixOptimize::Default() {
    const ToolPageData tool = toolPage_ != nullptr ? toolPage_->data() : ToolPageData();
    const bool variable = tool.zStepType == kZStepVariable;
    const std::string workzone = host_.WorkzoneDirectory();
    double levels = 0.0;
    if (variable && !workzone.empty()) {
        levels = LevelFileDepth(FedrixLevelFilePath(workzone, host_.CommandLineToolpathNumber()));
    }

    FedrixDefaultInputs in;
    in.diameter = tool.bodyRadius * 2.0f;
    in.stepover = tool.stepover;
    in.depth = FedrixDefaultDepth(variable, levels, tool.zStep);
    in.cutting_feed = tool.cuttingFeed;
    in.family200 = IsFamily200Type(host_.PublicToolpathType());
    const FedrixDefaults out = ComputeFedrixDefaults(in);

    D& d = data_;
    d.maxDepth = out.max_depth;
    d.startDepth = out.start_depth;
    d.minFeedRate = out.min_feed_rate;
    d.maxFeedRate = out.max_feed_rate;
    d.pageChanged = true;
    for (int id : kDefaultControls) {
        ShowRow(this, *FindRow<D>(rows_, id), d);
    }
}

bool CPageFedrixOptimize::Clicked(const PageControl<D>& row) {
    if (row.click == Click::Default) {
        Default();
        return true;
    }
    return FedrixTablePage::Clicked(row);
}
