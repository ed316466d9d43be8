#pragma once
// The "Fedrix" page of the tool sheet: it holds the sheet of the three Fedrix pages, kept to the
// page's size by its own layout manager, and starts them from the default settings with the
// tool's cutting feed rate as maximum feed rate. The pages edit the tool's Fedrix settings, not
// its parameters.

#include <QWidget>
#include <memory>

#include "gui/framework/layout_manager.h"

class CPageFedrixAdvanced;
class CPageFedrixAdvanced2;
class CPageFedrixOptimize;
class CPageTool;
class CSheetFedrix;
class FedrixToolInfo;
class FieldHost;

inline constexpr int kFedrixPageDialogId = 136;

class CPageFedrix : public QWidget {
public:
    CPageFedrix(FieldHost& host, const CPageTool* toolPage, QWidget* parent = nullptr);
    ~CPageFedrix() override;

    // Loads the three pages from the settings; each is then unmodified.
    void LoadPages(const FedrixToolInfo& info);
    // Stores Optimization, Advanced 1 and Advanced 2 into the settings in that order; false at
    // the first page that refuses a field, whose message was shown.
    bool StorePages(FedrixToolInfo& info);
    bool IsModified() const;
    void SetModify(bool modified);

    CSheetFedrix* Sheet() const { return sheet_; }
    CPageFedrixOptimize* OptimizePage() const;
    CPageFedrixAdvanced* AdvancedPage() const;
    CPageFedrixAdvanced2* Advanced2Page() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* placeholder_;
    CSheetFedrix* sheet_;
    std::unique_ptr<LayoutManager> layout_;
};
