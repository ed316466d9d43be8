#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gui/dialogs/exchange_report_dialog.h"
#include "gui/framework/numeric_locale.h"
#include "gui_test.h"

namespace {

std::map<std::string, guitest::Factory>& registry() {
    static std::map<std::string, guitest::Factory> tests;
    return tests;
}

}  // namespace

bool guitest::registerTest(const char* name, Factory factory) {
    return registry().emplace(name, std::move(factory)).second;
}

QStringList guitest::columnTexts(const QAbstractItemView& view, int column, int role) {
    QStringList texts;
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        texts << view.model()->index(row, column).data(role).toString();
    }
    return texts;
}

QStringList guitest::namelessControls(QWidget* root) {
    QStringList nameless;
    for (QWidget* widget : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
            !qobject_cast<QComboBox*>(widget) && !qobject_cast<QAbstractSpinBox*>(widget) &&
            !qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QTextEdit*>(widget) &&
            !qobject_cast<QPlainTextEdit*>(widget) &&
            (!qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QScrollBar*>(widget))) {
            nameless << namelessControls(widget);
        } else if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                   accessible == nullptr ||
                   accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            nameless << widget->objectName() + " (" + widget->metaObject()->className() + ")";
        }
    }
    return nameless;
}

QStringList guitest::reportOf(const std::function<void()>& command) {
    QStringList shown;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* report = qobject_cast<ExchangeReportDialog*>(widget);
            if (report != nullptr && report->isVisible()) {
                shown << report->findChild<QLabel*>(ExchangeReportDialog::kSummaryName)->text()
                      << report->reportText() << namelessControls(report);
                report->reject();
            }
        }
    });
    timer.start(10);
    command();
    return shown;
}

void guitest::clickRow(QAbstractItemView& view, int row, Qt::MouseButton button, bool twice) {
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    twice ? QTest::mouseDClick(view.viewport(), button, {}, at)
          : QTest::mouseClick(view.viewport(), button, {}, at);
}

// test_gui [CLASS [QTEST OPTIONS...]]
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    keepNumericLocaleC();
    const bool one = argc > 1 && argv[1][0] != '-';
    if (one && registry().count(argv[1]) == 0) {
        std::fprintf(stderr, "no window test named %s\n", argv[1]);
        return 2;
    }
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + (one ? 2 : 1), argv + argc);
    int failures = 0;
    for (const auto& [name, factory] : registry()) {
        if (!one || name == argv[1]) {
            std::unique_ptr<QObject> test = factory();
            failures +=
                QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
        }
    }
    return failures == 0 ? 0 : 1;
}
