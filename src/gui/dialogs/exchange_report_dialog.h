#pragma once
// What an export or import did: its summary and the loss report, one line per tool and field,
// in a read-only text the user can select and copy.

#include <QDialog>
#include <QString>

#include "exchange/loss_report.h"

class QLabel;
class QPlainTextEdit;

class ExchangeReportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr char kSummaryName[] = "exchangeSummary";
    static constexpr char kReportName[] = "exchangeReport";

    ExchangeReportDialog(QWidget* parent, const QString& summary, const LossReport& report);

    // The report as shown: "TOOL<TAB>FIELD<TAB>REASON" a line, or the nothing-lost text.
    QString reportText() const;

private:
    QLabel* summary_;
    QPlainTextEdit* report_;
};

// The language's built-in text with each "%s" replaced by the next argument, for windows.
QString exchangeText(int which, std::initializer_list<QString> arguments = {});
