#pragma once
// The shown tool's findings in one line beside the tabs of its sheet, just below the tool
// settings line (the tab row's free right part): the warning mark, the first finding and how many
// more there are; the tooltip and the accessible description list them all. Hidden while the tool
// has none.

#include <QWidget>
#include <vector>

#include "app/library_check.h"

class QLabel;
class QTabWidget;
class ToolFindings;

class FindingsLine : public QWidget {
    Q_OBJECT

public:
    static constexpr char kObjectName[] = "IDC_TOOL_FINDINGS";

    // Placed in the row of the sheet's tabs, right of them; follows the sheet and its tabs.
    explicit FindingsLine(QTabWidget* sheet);
    void showFindings(const std::vector<ToolFinding>& findings, const ToolFindings& texts);
    // The line as shown, unelided; empty while hidden.
    const QString& fullText() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QTabWidget* sheet_;
    QLabel* mark_;
    QLabel* label_;
    QString text_;
};
