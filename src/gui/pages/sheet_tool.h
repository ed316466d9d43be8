#pragma once
// The property sheet beside the tool tree: the "Tool" and "Security" pages, and the "Fedrix" page
// when the current tool has feed-rate optimisation settings. Every page exists before the first
// load; a page's translated title becomes its tab's text.

#include <QTabWidget>

class CPageMachine;
class CPageTool;
class FieldHost;

class CSheetTool : public QTabWidget {
public:
    explicit CSheetTool(FieldHost& host, QWidget* parent = nullptr);

    CPageTool* ToolPage() const { return toolPage_; }
    CPageMachine* MachinePage() const { return machinePage_; }
    // The Fedrix page's presence, and with `activate` the page to show: the Fedrix page when
    // present, else the tool page. The Fedrix page is not built yet, so it stays absent.
    void ShowFedrixPage(bool present, bool activate);
    bool HasFedrixPage() const { return fedrixPresent_; }

    // Set All: the tool page, then the security page.
    void CheckAll();
    // Whether the tool or the security page was changed.
    bool IsModified() const;
    void SetModify(bool modified);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CPageTool* toolPage_;
    CPageMachine* machinePage_;
    bool fedrixPresent_ = false;
};
