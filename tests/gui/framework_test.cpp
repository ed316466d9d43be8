// The dialog framework: control ids, data exchange, text conversion and accessible input.

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/framework/accessible_input.h"
#include "gui/framework/accessible_names.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/installation_text.h"
#include "gui/framework/modified_flags.h"
#include "gui_test.h"
#include "scripted_presenter.h"
#include "table_rows.h"

namespace {

struct NumberCase {
    const char *name, *text, *real, *single, *integer;
};

const NumberCase kNumbers[] = {
    {"blanks and sign", " \t-25 ", "-25", "-25", "-25"},
    {"plus sign", "+3", "3", "3", "3"},
    {"fraction", ".5", "0.5", "0.5", "-"},
    {"exponent", "1e3", "1000", "1000", "-"},
    // Shown with the three decimals a tool or Fedrix file holds, as far as the type holds them.
    {"three decimals", "1234.567", "1234.567", "1234.567", "-"},
    {"five digits", "99999.999", "99999.999", "100000", "-"},
    {"beyond a float's digits", "123456789.123", "123456789.123", "123456792", "-"},
    {"thousandth", "0.001", "0.001", "0.001", "-"},
    {"zero without sign", "-0", "0", "0", "0"},
    {"below three decimals", "0.00001", "1e-05", "1e-05", "-"},
    {"decimal comma", "1,5", "-", "-", "-"},
    {"trailing letters", "12mm", "-", "-", "-"},
    {"empty", "", "-", "-", "-"},
    {"two signs", "+-1", "-", "-", "-"},
    {"int limit", "-2147483648", "-2147483648", "-2147483648", "-2147483648"},
    {"beyond int", "2147483648", "2147483648", "2147483648", "-"},
    {"beyond float", "4e38", "4e+38", "-", "-"},
    {"beyond double", "1e999", "-", "-", "-"},
    {"not finite", "inf", "-", "-", "-"},
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void findControlSearchesOneDialogOnly() {
        QDialog dialog;
        auto* page = new QWidget(&dialog);
        setDialogId(page, 130, "IDD_PAGE_TOOL");
        auto* pageEdit = new QLineEdit(page);
        setControlId(pageEdit, 1011, "IDC_EDIT_DIAMETER");
        auto* dialogEdit = new QLineEdit(new QWidget(&dialog));
        setControlId(dialogEdit, 1011);
        setControlId(new QLineEdit(new QDialog(&dialog)), 1016);
        QCOMPARE(findControl(&dialog, 1011), dialogEdit);
        QCOMPARE(findControl<QLineEdit>(page, 1011), pageEdit);
        QCOMPARE(findControl(&dialog, 1016), nullptr);
        QCOMPARE(findControl<QCheckBox>(page, 1011), nullptr);
        QCOMPARE(pageEdit->objectName(), QStringLiteral("IDC_EDIT_DIAMETER"));
    }

    // Reals, floats and integers as the fields show them; "-": no value of the kind.
    void parsesNumbersStrictly_data() { guitest::addRows(kNumbers); }
    void parsesNumbersStrictly() {
        const NumberCase& row = guitest::fetchRow(kNumbers);
        auto shown = [](auto value) { return value ? formatReal(double(*value)) : QString("-"); };
        QCOMPARE(shown(parseReal(row.text)), QString(row.real));
        QCOMPARE(shown(parseFloat(row.text)), QString(row.single));
        const std::optional<int> integer = parseInteger(row.text);
        QCOMPARE(integer ? formatInteger(*integer) : QString("-"), QString(row.integer));
    }

    // A failed exchange says so and leaves the value; a field left as shown keeps its value.
    void exchangeFailuresShowTheFrameworksMessages() {
        guitest::ScriptedPresenter presenter;
        QLineEdit edit(QStringLiteral("abc"));
        double real = 1.0;
        float single = 1.0f;
        int integer = 1;
        QVERIFY(!readReal(&edit, real) && !readReal(&edit, single) && !readInteger(&edit, integer));
        QVERIFY(!checkRange(&edit, 11, 0, 10) && !checkRange(&edit, 0.0005, 0.001, 1e6));
        QVERIFY(checkRange(&edit, 2.5, 2.5, 2.5) && real == 1.0 && single == 1.0f && integer == 1);
        real = 1234.5674;
        showReal(&edit, real);
        QVERIFY(readReal(&edit, real) && real == 1234.5674 && !changedSinceShown(&edit));
        edit.setText(QStringLiteral(" 2 "));
        QVERIFY(readReal(&edit, real) && real == 2.0);
        QStringList shown;
        for (const auto& message : presenter.shown) {
            QVERIFY(message.plain && message.icon == kIconExclamation);
            shown << QString::fromStdString(message.text);
        }
        QCOMPARE(shown,
                 (QStringList{"Please enter a number.", "Please enter a number.",
                              "Please enter an integer.", "Please enter a number between 0 and 10.",
                              "Please enter a number between 0.001 and 1e+06."}));
    }

    // Assistive technology acts like mouse and keyboard; shown text is not typing.
    void assistiveTechnologyActsLikeTheMouse() {
        installAccessibleInput();
        QDialog dialog;
        auto* check = new QCheckBox(QStringLiteral("&Fedrix"), &dialog);
        auto* edit = new QLineEdit(&dialog);
        watchTyping(edit);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(check);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Fedrix"));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(check->isChecked() && accessible->state().checked);
        QCOMPARE(QAccessible::queryAccessibleInterface(new QRadioButton(&dialog))->role(),
                 QAccessible::RadioButton);
        QCOMPARE(withoutMnemonic(QStringLiteral("Ecken&radius && Fase")),
                 QString("Eckenradius & Fase"));
        showText(edit, QStringLiteral("shown"));
        accessible = QAccessible::queryAccessibleInterface(edit);
        accessible->setText(QAccessible::Value, QStringLiteral("set"));
        QVERIFY(edit->isModified() && changedSinceShown(edit));
        showText(edit, QStringLiteral("shown"));
        QVERIFY(!edit->isModified() && !anyEditModified(&dialog));
        accessible->editableTextInterface()->replaceText(0, 5, QStringLiteral("typed"));
        QVERIFY(edit->isModified() && anyEditModified(&dialog));
    }

    void installationTextCrossesThroughTheCodePage() {
        QCOMPARE(fromInstallationText("\xD8 10 mm \xE4\x80"), QStringLiteral("Ø 10 mm ä€"));
        QCOMPARE(toInstallationText(QStringLiteral("Ø ä€\u4E2D")), std::string("\xD8 \xE4\x80?"));
        const std::string path = "/tmp/Fr\xC3\xA4ser/T1.wkz";
        QCOMPARE(toFileName(fromFileName(path)), path);
    }
};

CUTTERBASE_GUI_TEST(FrameworkTest)

#include "framework_test.moc"
