// The dialog framework: control ids, data exchange, text conversion, accessible input, the layout
// manager, the Qt file chooser, and the language box switching catalogue, locale and captions.

#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/framework/accessible_input.h"
#include "gui/framework/accessible_names.h"
#include "gui/framework/captions.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/data_exchange.h"
#include "gui/framework/installation_text.h"
#include "gui/framework/language_change.h"
#include "gui/framework/layout_manager.h"
#include "gui/framework/modified_flags.h"
#include "gui/framework/qt_file_chooser.h"
#include "gui/framework/save_file_dialog.h"
#include "gui/main/language_box.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_catalogue.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

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

QWidget* control(QWidget* parent, const QRect& rect) {
    auto* widget = new QPushButton(parent);
    widget->setGeometry(rect);
    return widget;
}

struct Placement {
    const char* name;
    int factors[6];  // mx, my, dx, dy, sx, sy
    QRect added;
    QSize change;
    QRect expected;  // null: only that the arithmetic stays defined (the sanitizer build checks)
};

const Placement kPlacements[] = {
    {"16.67 to 16, 22.2 to 22", {3, 0, 18, 1, 4, 0}, {10, 10, 50, 20}, {100, 0}, {26, 10, 72, 20}},
    {"negative toward zero", {3, 0, 18, 1, 0, 0}, {100, 10, 50, 20}, {-100, 0}, {84, 10, 50, 20}},
    {"each term cut on its own", {1, 0, 3, 1, 1, 0}, {10, 10, 50, 20}, {2, 0}, {10, 10, 50, 20}},
    {"divisors 0 stay put", {5, 5, 0, 0, 5, 5}, {10, 10, 50, 20}, {100, 100}, {10, 10, 50, 20}},
    {"smaller owner shrinks", {1, 0, 2, 1, 1, 0}, {100, 10, 50, 20}, {-40, 0}, {80, 10, 30, 20}},
    {"negative width is 10", {0, 0, 1, 1, 1, 0}, {100, 10, 50, 20}, {-100, 0}, {100, 10, 10, 20}},
    {"left below 0 is 0", {1, 0, 1, 1, 0, 0}, {30, 10, 50, 20}, {-100, 0}, {0, 10, 10, 20}},
    {"top below 0, height < 0", {0, 1, 1, 1, 0, 1}, {10, 30, 50, 20}, {0, -100}, {10, 0, 50, 10}},
    {"half the height", {0, 1, 1, 2, 0, 1}, {10, 30, 50, 20}, {0, 51}, {10, 55, 50, 45}},
    {"huge factors in range", {INT_MAX, 0, 1, 1, INT_MAX, 0}, {10, 10, 50, 20}, {100, 0}, {}},
};

// Runs `step` on the file dialog the next modal loop shows, then cancels it if it is still open.
void whenShown(std::function<void(QFileDialog*)> step) {
    QTimer::singleShot(0, [step] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            step(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
}

struct Listener : QWidget {
    using QWidget::QWidget;
    int heard = 0;
    void customEvent(QEvent* event) override { heard += event->type() == kLanguageChangeEvent; }
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private slots:
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
    void accessibleInputAndTexts() {
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
        // Texts cross to and from the installation's code page; file names keep their bytes.
        QCOMPARE(fromInstallationText("\xD8 10 mm \xE4\x80"), QStringLiteral("Ø 10 mm ä€"));
        QCOMPARE(toInstallationText(QStringLiteral("Ø ä€\u4E2D")), std::string("\xD8 \xE4\x80?"));
        const std::string path = "/tmp/Fr\xC3\xA4ser/T1.wkz";
        QCOMPARE(toFileName(fromFileName(path)), path);
    }

    void placesEachControlFromItsAddedRectangle_data() { guitest::addRows(kPlacements); }
    void placesEachControlFromItsAddedRectangle() {
        const Placement& row = guitest::fetchRow(kPlacements);
        QDialog dialog;
        dialog.resize(400, 300);
        QWidget* widget = control(&dialog, row.added);
        LayoutManager manager(&dialog);
        const int* f = row.factors;
        manager.Add(widget, f[0], f[1], f[2], f[3], f[4], f[5]);
        // Placed from the added rectangle every time: an earlier size leaves no trace.
        manager.Resize(437, 251);
        manager.Resize(400 + row.change.width(), 300 + row.change.height());
        if (row.expected.isNull()) {
            QVERIFY(widget->width() >= 0);
        } else {
            QCOMPARE(widget->geometry(), row.expected);
        }
    }

    void framesDeletedControlsAndDestroy() {
        QDialog dialog;
        dialog.resize(400, 300);
        auto* frame = new QFrame(&dialog);
        frame->setGeometry(50, 50, 200, 200);
        QWidget* inner = control(frame, QRect(10, 10, 20, 20));
        QWidget* gone = control(&dialog, QRect(20, 0, 10, 10));
        LayoutManager manager(&dialog);
        manager.Add(nullptr, 1, 1, 1, 1, 1, 1);
        manager.Add(gone, 1, 0, 1, 1, 0, 0);
        manager.Add(inner, 1, 0, 1, 1, 0, 0);
        QCOMPARE(manager.Entries().back().left, 60);
        delete gone;
        manager.Resize(420, 300);
        QCOMPARE(inner->geometry(), QRect(30, 10, 20, 20));
        manager.Destroy();
        manager.Resize(500, 300);
        QCOMPARE(inner->geometry(), QRect(30, 10, 20, 20));
    }

    // Asks for a tool file to save in the folder as the main window does, choosing a name.
    void fileAndFolderPickers() {
        testsupport::TempDir folder;
        const std::string existing = folder.write("D10.wkz", "x");
        const std::string readOnly = folder.write("R.wkz", "x");
        const std::string locked = folder.mkdir("locked");
        QVERIFY(::chmod(readOnly.c_str(), 0444) == 0 && ::chmod(locked.c_str(), 0555) == 0);
        const std::string replace = existing + " already exists.\nDo you want to replace it?";
        const std::string refused =
            readOnly + "\nThis file is read-only.\nChoose another file name.";
        const std::string lockedOut =
            locked + "\nThis folder cannot be written to.\nChoose another folder.";
        // chosen name ("" the dialog's proposal), answers, the result, the text shown ("" none)
        using Case =
            std::tuple<std::string, std::deque<int>, std::optional<std::string>, std::string>;
        const Case cases[] = {
            {"", {}, existing, replace},
            {folder.file("T1"), {}, folder.file("T1.wkz"), ""},
            {existing, {kAnswerNo}, std::nullopt, replace},
            {readOnly, {}, std::nullopt, refused},
            {locked + "/T1", {}, std::nullopt, lockedOut},
        };
        for (const auto& [name, answers, result, text] : cases) {
            guitest::ScriptedPresenter presenter;
            presenter.buttons = answers;
            QString seen;
            whenShown([&, name = name](QFileDialog* dialog) {
                seen = dialog->windowTitle() + '|' + dialog->nameFilters().join(';') + '|' +
                       dialog->selectedFiles().value(0);
                if (!name.empty()) {
                    dialog->selectFile(QString::fromStdString(name));
                }
                static_cast<QDialog*>(dialog)->accept();
            });
            const SaveFileRequest request{"Save Tool As", folder.path(), "D10",
                                          "Karvex Tool (*.wkz)|*.wkz||", "wkz"};
            QCOMPARE(QtFileChooser().choose_save_file(nullptr, request), result);
            QCOMPARE(seen, "Save Tool As|Karvex Tool (*.wkz)|" + QString::fromStdString(existing));
            QCOMPARE(presenter.shown.size(), std::size_t(text.empty() ? 0 : 1));
            for (const auto& message : presenter.shown) {
                QCOMPARE(message.text, text);
                QVERIFY(message.plain &&
                        message.buttonSet == (text == replace ? kButtonsYesNo : kButtonsOk));
            }
        }
        QVERIFY(::chmod(locked.c_str(), 0755) == 0);
        // The folder picker gives the chosen folder, nothing when cancelled.
        whenShown([&](QFileDialog* dialog) {
            dialog->setDirectory(QString::fromStdString(folder.path()));
            dialog->selectFile(QString::fromStdString(locked));
            static_cast<QDialog*>(dialog)->accept();
        });
        QtFileChooser chooser;
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"),
                 std::optional<std::string>(locked));
        whenShown([](QFileDialog*) {});
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"), std::nullopt);
    }

    void cleanup() { QLocale::setDefault(QLocale(QLocale::C)); }

    // A file that does not load (another program's is announced) tells nobody.
    void languagesAndCaptions() {
        guitest::Installation installation;
        guitest::ScriptedPresenter presenter;
        testsupport::ScopedEnv env;
        env.set("KVXLANG", "ALL");
        QWidget main;
        auto* listener = new Listener(&main);
        LanguageBox box(guitest::kApplication);
        box.setMainWindow(&main);
        QVERIFY(box.create() && !box.isVisible());
        QVERIFY(box.selectedLanguage() == 1 && box.currentIndex() == 1);
        QStringList names;
        for (int i = 0; i < box.count(); ++i) {
            names << box.itemText(i);
            const QImage flag = box.itemIcon(i).pixmap(QSize(20, 17)).toImage();
            QVERIFY(!flag.isNull() && qAlpha(flag.pixel(10, 8)) != 0);
        }
        QCOMPARE(names, (QStringList{"English", "Deutsch", "Français", "Español", "Svenska"}));
        QCOMPARE(GetCatalogue()->Path(), installation.home() + "/texte/TalmorError.all");
        QVERIFY(QLocale().name() == QStringLiteral("de_DE") && listener->heard == 1);

        installation.writeText(std::string(guitest::kApplication) + ".all",
                               "[T.A.L.M.O.R.]\r\nPRODUCT=Other\r\nang=English\r\n");
        QVERIFY(!box.applyLanguage(1) && box.count() == 5 && listener->heard == 1);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(presenter.shown[0].text.find("PRODUCT = KvxCutterBase") != std::string::npos);
        QVERIFY(box.applyLanguage(0) && !box.applyLanguage(2));
        QVERIFY(box.currentIndex() == 0 && listener->heard == 2);
        QCOMPARE(
            QLocale().name() + LanguageBox::localeOf(4).name() + LanguageBox::localeOf(7).name(),
            QStringLiteral("fr_FRsv_SEen_US"));

        // A nested page keeps its own section's captions; without a language file none change.
        installation.writeText(std::string(guitest::kApplication) + ".ang",
                               "[T.A.L.M.O.R.]\r\nPRODUCT=KvxCutterBase\r\n[PAGETOOL]\r\n"
                               "IDC_CHECK_RADIUS=Corner radius\r\nIDC_NESTED=Nested\r\n");
        QWidget page;
        auto* check = new QCheckBox(QStringLiteral("template"), new QWidget(&page));
        setControlId(check, 1017, "IDC_CHECK_RADIUS");
        auto* nestedPage = new QWidget(&page);
        setDialogId(nestedPage, 136, "IDD_PAGE_FEDRIX");
        auto* nested = new QCheckBox(QStringLiteral("template"), nestedPage);
        setControlId(nested, 1031, "IDC_NESTED");
        setControlId(new QLineEdit(new QDialog(&page)), 1016);
        // Ids are looked up inside one page: neither nested pages nor other windows are entered.
        QVERIFY(findControl(&page, 1017) == check && findControl<QCheckBox>(nestedPage, 1031));
        QVERIFY(findControl(&page, 1031) == nullptr && findControl(&page, 1016) == nullptr);
        QVERIFY(box.applyLanguage(0));
        applyCaptions(&page, box.languageFile(), "PAGETOOL");
        QCOMPARE(check->text() + u'|' + nested->text(), QStringLiteral("Corner radius|template"));
        QVERIFY(!box.applyLanguage(2));
        check->setText(QStringLiteral("kept"));
        applyCaptions(&page, box.languageFile(), "PAGETOOL");
        QCOMPARE(check->text(), QStringLiteral("kept"));
    }
};

CUTTERBASE_GUI_TEST(FrameworkTest)

#include "framework_test.moc"
