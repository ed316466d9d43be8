#include "gui/dialogs/exchange_report_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/framework/installation_text.h"
#include "language/builtin_texts.h"
#include "language/message_catalogue.h"

static_assert(static_cast<int>(BuiltinText::ExchangeReasonRenumbered) -
                      static_cast<int>(BuiltinText::ExchangeReasonNotCarried) ==
                  static_cast<int>(LossReason::Renumbered),
              "one built-in text per loss reason, in its order");

QString exchangeText(int which, std::initializer_list<QString> arguments) {
    TalmorError* catalogue = GetCatalogue();
    QString text = fromInstallationText(
        builtin_text(static_cast<BuiltinText>(which), catalogue->LanguageIndex()));
    for (const QString& argument : arguments) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"));
        if (at < 0) {
            break;
        }
        text.replace(at, 2, argument);
    }
    return text;
}

ExchangeReportDialog::ExchangeReportDialog(QWidget* parent, const QString& summary,
                                           const LossReport& report)
    : QDialog(parent) {
    setWindowTitle(exchangeText(static_cast<int>(BuiltinText::ExchangeReportTitle)));
    summary_ = new QLabel(summary, this);
    summary_->setObjectName(QString::fromLatin1(kSummaryName));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    report_ = new QPlainTextEdit(this);
    report_->setObjectName(QString::fromLatin1(kReportName));
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setAccessibleName(windowTitle());
    QStringList lines;
    int widest = 0;  // the tool and field columns line up at one tab stop each
    for (const LossEntry& entry : report.entries()) {
        const int reason = static_cast<int>(BuiltinText::ExchangeReasonNotCarried) +
                           static_cast<int>(entry.reason);
        QString line = fromFileName(entry.tool) + u'\t' + fromFileName(entry.field) + u'\t' +
                       exchangeText(reason);
        if (!entry.detail.empty()) {
            line += QStringLiteral(": ") + fromFileName(entry.detail);
        }
        lines.append(line);
        for (const std::string* part : {&entry.tool, &entry.field}) {
            widest =
                std::max(widest, report_->fontMetrics().horizontalAdvance(fromFileName(*part)));
        }
    }
    report_->setTabStopDistance(widest + report_->fontMetrics().horizontalAdvance(u'M') * 2);
    report_->setPlainText(lines.isEmpty()
                              ? exchangeText(static_cast<int>(BuiltinText::ExchangeNothingLost))
                              : lines.join(u'\n'));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(
        fromInstallationText(builtin_label(BuiltinLabel::Ok, GetCatalogue()->LanguageIndex())),
        QDialogButtonBox::AcceptRole);
    ok->setAccessibleName(ok->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(report_, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

QString ExchangeReportDialog::reportText() const {
    return report_->toPlainText();
}
