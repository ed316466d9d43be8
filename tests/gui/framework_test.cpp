// The stand-ins for the dialog framework: control ids, data exchange, modified flags, text
// conversion, dialog units, accessible names and the language-change notification.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "accessibility_check.h"
#include "gui/framework/accessible_names.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "gui/framework/language_change.h"
#include "gui/framework/modified_flags.h"
#include "gui_test.h"
#include "scripted_presenter.h"

namespace {

class LanguageChangeCounter : public QWidget {
public:
    using QWidget::QWidget;
    int received = 0;

protected:
    void customEvent(QEvent* event) override {
        if (event->type() == kLanguageChangeEvent) {
            ++received;
        }
    }
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void findControlSearchesOneDialogOnly() {
        QDialog dialog;
        setDialogId(&dialog, 102, "IDD_CUTTERBASE_DIALOG");
        auto* page = new QWidget(&dialog);
        setDialogId(page, 130, "IDD_PAGE_TOOL");
        auto* pageEdit = new QLineEdit(page);
        setControlId(pageEdit, 1011, "IDC_EDIT_DIAMETER");
        auto* frame = new QWidget(&dialog);
        auto* dialogEdit = new QLineEdit(frame);
        setControlId(dialogEdit, 1011);
        auto* other = new QDialog(&dialog);
        setControlId(new QLineEdit(other), 1016);

        QCOMPARE(findControl(&dialog, 1011), dialogEdit);
        QCOMPARE(findControl<QLineEdit>(page, 1011), pageEdit);
        QCOMPARE(findControl(&dialog, 1016), nullptr);
        QCOMPARE(findControl<QCheckBox>(page, 1011), nullptr);
        QCOMPARE(pageEdit->objectName(), QStringLiteral("IDC_EDIT_DIAMETER"));
        QCOMPARE(controlId(pageEdit), 1011);
        QCOMPARE(dialogId(page), 130);
        QCOMPARE(controlId(page), 0);
    }

    void parseReal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12.5" << true << 12.5;
        QTest::newRow("blanks around") << " \t-0.25e1  " << true << -2.5;
        QTest::newRow("plus sign") << "+3" << true << 3.0;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("decimal comma") << "1,5" << false << 0.0;
        QTest::newRow("trailing letters") << "12mm" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("beyond double") << "1e999" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
        QTest::newRow("non-Latin digits") << QStringLiteral("\u0661") << false << 0.0;
    }
    void parseReal() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const std::optional<double> parsed = ::parseReal(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, value);
        }
    }

    void parseFloatRefusesValuesBeyondItsRange() {
        QCOMPARE(::parseFloat(QStringLiteral("3e38")), std::optional<float>(3e38f));
        QCOMPARE(::parseFloat(QStringLiteral("4e38")), std::nullopt);
        QCOMPARE(::parseFloat(QStringLiteral("-4e38")), std::nullopt);
    }

    void parseInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("blanks and sign") << "  -7 " << true << -7;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("above range") << "2147483648" << false << 0;
        QTest::newRow("far below range") << "-99999999999999999999" << false << 0;
        QTest::newRow("fraction") << "1.5" << false << 0;
        QTest::newRow("exponent") << "1e3" << false << 0;
        QTest::newRow("two signs") << "+-1" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void parseInteger() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<int> parsed = ::parseInteger(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, value);
        }
    }

    void formatsRealsLikePercentPointSixG_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 5.0 << "5";
        QTest::newRow("fraction") << 0.1 << "0.1";
        QTest::newRow("float noise") << double(12.345f) << "12.345";
        QTest::newRow("seven digits") << 1234567.0 << "1.23457e+06";
        QTest::newRow("small") << 0.00001 << "1e-05";
        QTest::newRow("negative") << -2.5 << "-2.5";
    }
    void formatsRealsLikePercentPointSixG() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatReal(value), text);
    }

    // A failed exchange shows the framework's plain message and leaves the value alone.
    void exchangeFailuresShowTheFrameworksMessages() {
        guitest::ScriptedPresenter presenter;
        QLineEdit edit;
        double real = 1.0;
        float single = 1.0f;
        int integer = 1;
        edit.setText(QStringLiteral("abc"));
        QVERIFY(!readReal(&edit, real));
        QVERIFY(!readReal(&edit, single));
        QVERIFY(!readInteger(&edit, integer));
        edit.setText(QStringLiteral("3000000000"));
        QVERIFY(!readInteger(&edit, integer));
        QVERIFY(!checkRange(&edit, 11, 0, 10));
        QVERIFY(!checkRange(&edit, 0.0005, 0.001, 1e6));
        QCOMPARE(real, 1.0);
        QCOMPARE(single, 1.0f);
        QCOMPARE(integer, 1);

        const std::vector<std::string> expected = {
            "Please enter a number.",
            "Please enter a number.",
            "Please enter an integer.",
            "Please enter an integer.",
            "Please enter a number between 0 and 10.",
            "Please enter a number between 0.001 and 1e+06.",
        };
        QCOMPARE(presenter.shown.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(presenter.shown[i].text, expected[i]);
            QVERIFY(presenter.shown[i].plain);
            QCOMPARE(presenter.shown[i].buttonSet, kButtonsOk);
            QCOMPARE(presenter.shown[i].icon, kIconExclamation);
        }
    }

    void exchangeRoundTrips() {
        guitest::ScriptedPresenter presenter;
        QLineEdit edit;
        showReal(&edit, 2.5);
        double real = 0;
        QVERIFY(readReal(&edit, real));
        QCOMPARE(real, 2.5);
        QVERIFY(checkRange(&edit, real, 2.5, 2.5));
        showInteger(&edit, -3);
        int integer = 0;
        QVERIFY(readInteger(&edit, integer));
        QCOMPARE(integer, -3);
        QVERIFY(presenter.shown.empty());
    }

    void typingSetsTheModifiedFlagAndShowingClearsIt() {
        QWidget page;
        auto* first = new QLineEdit(&page);
        new QLineEdit(&page);
        QVERIFY(!anyEditModified(&page));
        QTest::keyClicks(first, "12");
        QVERIFY(anyEditModified(&page));
        showReal(first, 1.0);
        QVERIFY(!anyEditModified(&page));
        QTest::keyClicks(first, "3");
        clearEditsModified(&page);
        QVERIFY(!anyEditModified(&page));
    }

    void installationTextCrossesThroughTheCodePage() {
        QCOMPARE(fromInstallationText("\xD8 10 mm \xE4\x80"), QStringLiteral("Ø 10 mm ä€"));
        QCOMPARE(toInstallationText(QStringLiteral("Ø ä€")), std::string("\xD8 \xE4\x80"));
        QCOMPARE(toInstallationText(QStringLiteral("\u4E2D")), std::string("?"));
        const std::string path = "/tmp/Fr\xC3\xA4ser/T1.wkz";
        QCOMPARE(toFileName(fromFileName(path)), path);
    }

    void dialogUnitsFollowTheFont() {
        QFont small = QApplication::font();
        small.setPixelSize(10);
        QFont large = small;
        large.setPixelSize(20);
        const DialogUnits smallUnits(small);
        const DialogUnits largeUnits(large);
        QVERIFY(smallUnits.baseWidth() > 0);
        QCOMPARE(smallUnits.x(4), smallUnits.baseWidth());
        QCOMPARE(smallUnits.y(8), smallUnits.baseHeight());
        QCOMPARE(smallUnits.y(8), QFontMetrics(small).height());
        QVERIFY(largeUnits.x(100) > smallUnits.x(100) * 3 / 2);
        QCOMPARE(smallUnits.rect(4, 8, 8, 16),
                 QRect(smallUnits.baseWidth(), smallUnits.baseHeight(), 2 * smallUnits.baseWidth(),
                       2 * smallUnits.baseHeight()));
    }

    void inputControlsAreNamedByLabelOrApplyCheck() {
        QDialog dialog;
        auto* label = new QLabel(QStringLiteral("&Diameter:"), &dialog);
        auto* labelled = new QLineEdit(&dialog);
        labelled->setObjectName(QStringLiteral("IDC_EDIT_DIAMETER"));
        label->setBuddy(labelled);
        auto* check = new QCheckBox(QStringLiteral("Corner &radius"), &dialog);
        auto* checked = new QLineEdit(&dialog);
        nameAfter(checked, check);
        auto* nameless = new QLineEdit(&dialog);
        nameless->setObjectName(QStringLiteral("IDC_EDIT_NAMELESS"));
        renewAccessibleNames(&dialog);

        QCOMPARE(guitest::namelessControls(&dialog),
                 QStringList{QStringLiteral("IDC_EDIT_NAMELESS (QLineEdit)")});
        QCOMPARE(labelled->accessibleName(), QStringLiteral("Diameter:"));
        QCOMPARE(checked->accessibleName(), QStringLiteral("Corner radius"));

        label->setText(QStringLiteral("&Durchmesser:"));
        check->setText(QStringLiteral("Ecken&radius"));
        renewAccessibleNames(&dialog);
        QCOMPARE(labelled->accessibleName(), QStringLiteral("Durchmesser:"));
        QCOMPARE(checked->accessibleName(), QStringLiteral("Eckenradius"));
        QCOMPARE(withoutMnemonic(QStringLiteral("Save && &close&")),
                 QStringLiteral("Save & close"));
    }

    void languageChangeReachesEveryDescendant() {
        LanguageChangeCounter window;
        auto* child = new LanguageChangeCounter(&window);
        auto* grandchild = new LanguageChangeCounter(new QWidget(child));
        sendLanguageChange(&window);
        QCOMPARE(window.received, 0);
        QCOMPARE(child->received, 1);
        QCOMPARE(grandchild->received, 1);
    }
};

CUTTERBASE_GUI_TEST(FrameworkTest)

#include "framework_test.moc"
