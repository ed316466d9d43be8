// The Fedrix page of the tool sheet and its three pages: presence with the tool, the defaults and
// the tool's cutting feed, the enabling rules, refused values, the round trip through a tool's
// Fedrix settings, "Default", captions and layout.

#include <QLabel>
#include <QTest>

#include "accessibility_check.h"
#include "gui/framework/language_change.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui_test.h"
#include "pages_fake_host.h"
#include "pages_language.h"
#include "scripted_presenter.h"
#include "table_rows.h"

using guitest::button;
using guitest::click;
using guitest::edit;
using guitest::FakeFieldHost;
using guitest::tabTexts;

namespace {

// The tool sheet with its Fedrix page added.
struct FedrixSheet {
    explicit FedrixSheet(FakeFieldHost& host) : sheet(host) {
        sheet.ToolPage()->Load();
        sheet.ShowFedrixPage(true, false);
    }
    CPageFedrix* fedrix() const { return sheet.FedrixPage(); }
    QWidget* page(int index) const { return fedrix()->Sheet()->widget(index); }
    CSheetTool sheet;
};

QStringList entriesOf(const FedrixToolInfo& info) {
    QStringList list;
    for (const FedrixToolInfo::Entry& entry : info.Entries()) {
        list << QString::fromLatin1(entry.key) + u'=' + QString::fromStdString(entry.text);
    }
    return list;
}

// A value other than the default for every setting.
const char kEverySetting[] =
    "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n[BASICS]\r\nOptimize Feed Rates=n\r\n"
    "Min Feed Rate=300\r\nMax Feed Rate=2500\r\nStart Depth=0.250\r\nMax Depth=1.500\r\n"
    "Max Cut Height=12.000\r\n[ADVANCED]\r\nPlunge Continous Adaptation=0\r\n"
    "Plunge Factor=0.800\r\nPlunge Start Angle=2.000\r\nPlunge End Angle=60.000\r\n"
    "Ramp Feed Rate=400\r\nRamp Angle=5.000\r\nUnsymmetry Factor=2.500\r\nDrag Factor=0.900\r\n"
    "Drag Start Angle=3.000\r\nDrag End Angle=50.000\r\nClimb Factor=1.200\r\n"
    "Entangulation Start Angle=15.000\r\nEntangulation End Angle=80.000\r\n"
    "Entangulation Factor=0.700\r\nAir Cut Feed Rate=5000\r\nAir Cut Optimization=y\r\n"
    "Retraction Optimization=y\r\nStock Distance=0.500\r\nFeed Rate Per Tooth=0.050\r\n"
    "Number Of Teeth=4\r\nSpindle Speed Optimization=y\r\n";

struct EnablingCase {
    const char* name;
    int page;  // 0 Optimization, 1 Advanced 1, 2 Advanced 2
    int clicked;
    QList<int> enabled;  // after the click
    QList<int> disabled;
};

const EnablingCase kEnabling[] = {
    {"predefined plunge feed", 1, 1032, {1025, 1026}, {1027, 1028, 1031}},
    {"empty cuts", 2, 1035, {1036}, {1038, 1040, 1041}},
    {"path connections", 2, 1037, {1038}, {1036, 1040, 1041}},
    {"spindle speed", 2, 1039, {1040, 1041}, {1036, 1038}},
    {"optimisation disables nothing", 0, 1029, {1020, 1021, 1022, 1023, 1024}, {}},
};

struct DefaultCase {
    const char* name;
    const char* zStepType;  // TP_ZSTEPTYPE: "2" fixed, "3" variable
    const char* toolpathType;
    const char* levels;  // outil7.niv, or none
    const char* shown;   // 1023, 1022, 1020, 1021
};

// A variable Z-step has no Z-step value on the tool page.
const DefaultCase kDefaults[] = {
    {"fractions of the stepover", "2", "101", nullptr, "0.8 0.16 900 1400"},
    {"family 200", "2", "205", nullptr, "0.95 0.19 900 1400"},
    {"variable Z-step from the levels", "3", "205", "0 0 2\n0 0 4\n", "3.8 0.76 900 1400"},
    {"variable Z-step without levels", "3", "205", nullptr, "0.8 0.16 900 1400"},
    {"variable Z-step with empty levels", "3", "205", "", "0.8 0.16 900 1400"},
};

}  // namespace

class FedrixPagesTest : public QObject {
    Q_OBJECT

private slots:
    // Added as the last tab, shown only when asked; removed again, leaving the tool page shown.
    void fedrixTabComesAndGoes() {
        FakeFieldHost host;
        CSheetTool sheet(host);
        sheet.setCurrentWidget(sheet.MachinePage());
        sheet.ShowFedrixPage(true, false);
        QCOMPARE(tabTexts(sheet), (QStringList{"Tool", "Security", "Fedrix"}));
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(sheet.ToolPage()));
        CSheetFedrix* inner = sheet.FedrixPage()->Sheet();
        QCOMPARE(tabTexts(*inner), (QStringList{"Optimization", "Advanced 1", "Advanced 2"}));
        QCOMPARE(inner->currentIndex(), 0);
        CPageFedrix* page = sheet.FedrixPage();
        sheet.ShowFedrixPage(true, true);
        QVERIFY(sheet.currentWidget() == page && sheet.FedrixPage() == page);
        sheet.ShowFedrixPage(false, false);
        QVERIFY(sheet.count() == 2 && !sheet.HasFedrixPage());
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(sheet.ToolPage()));
    }

    // The default settings, with the cutting feed of the tool, else of the toolpath, cut to a
    // whole number (and to the integer range) as maximum feed rate.
    void startsFromTheDefaultsAndTheCuttingFeed() {
        FakeFieldHost host({{kTpFrcut, 1234.9f}});
        host.toolpath.reals = {{"TP_FRCUT", 800.0f}};
        FedrixSheet sheet(host);
        FedrixToolInfo info;
        QVERIFY(sheet.fedrix()->StorePages(info));
        FedrixToolInfo expected;
        expected.max_feed_rate = 1234;
        QCOMPARE(entriesOf(info), entriesOf(expected));
        QVERIFY(button(sheet.page(1), 1030)->isChecked() &&
                !button(sheet.page(1), 1032)->isChecked());
        QCOMPARE(edit(sheet.page(0), 1022)->text(), QStringLiteral("0.8"));

        FakeFieldHost fromToolpath;
        fromToolpath.toolpath.reals = {{"TP_FRCUT", 800.0f}};
        QCOMPARE(edit(FedrixSheet(fromToolpath).page(0), 1021)->text(), QStringLiteral("800"));
        FakeFieldHost huge({{kTpFrcut, 1e20f}});
        QCOMPARE(edit(FedrixSheet(huge).page(0), 1021)->text(), QStringLiteral("2147483647"));
    }

    void enablingRules_data() { guitest::addRows(kEnabling); }
    void enablingRules() {
        const EnablingCase& row = guitest::fetchRow(kEnabling);
        FakeFieldHost host;
        FedrixSheet sheet(host);
        QWidget* page = sheet.page(row.page);
        QVERIFY(!sheet.fedrix()->IsModified());
        click(page, row.clicked);
        for (int id : row.enabled) {
            QVERIFY2(findControl(page, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id : row.disabled) {
            QVERIFY2(!findControl(page, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QVERIFY(sheet.fedrix()->IsModified());
    }

    // Every value through the pages and back; a load applies the enabling rules afresh, and
    // typing makes the pages modified.
    void loadAndStoreRoundTrip() {
        FakeFieldHost host;
        FedrixSheet sheet(host);
        QVERIFY(findControl(sheet.page(1), 1027)->isEnabled());
        testsupport::TempDir folder;
        FedrixToolInfo info(folder.write("t.ncs", kEverySetting));
        QVERIFY(info.Check() && info.ReadSucceeded());
        sheet.fedrix()->LoadPages(info);
        QVERIFY(!sheet.fedrix()->IsModified());
        QVERIFY(button(sheet.page(1), 1032)->isChecked());
        QVERIFY(!findControl(sheet.page(1), 1027)->isEnabled() &&
                findControl(sheet.page(1), 1025)->isEnabled());
        FedrixToolInfo back;
        QVERIFY(sheet.fedrix()->StorePages(back));
        QCOMPARE(entriesOf(back), entriesOf(info));

        QTest::keyClick(edit(sheet.page(2), 1041), Qt::Key_5);
        QVERIFY(sheet.fedrix()->IsModified());
        QVERIFY(sheet.fedrix()->StorePages(back));
        QCOMPARE(back.number_of_teeth, 45);
    }

    // The framework's message; the pages after the refusing one are not stored.
    void refusedValueStopsTheStore() {
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host;
        FedrixSheet sheet(host);
        edit(sheet.page(1), 1039)->setText(QStringLiteral("0.5"));
        edit(sheet.page(2), 1041)->setText(QStringLiteral("6"));
        FedrixToolInfo info;
        QVERIFY(!sheet.fedrix()->StorePages(info));
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QCOMPARE(presenter.shown[0].text, std::string("Please enter a number between 1 and 10."));
        QCOMPARE(info.number_of_teeth, 0);

        edit(sheet.page(0), 1023)->setText(QStringLiteral("100.5"));
        QVERIFY(!sheet.fedrix()->StorePages(info));
        QCOMPARE(presenter.shown.size(), std::size_t(2));
        QCOMPARE(presenter.shown[1].text, std::string("Please enter a number between 0 and 100."));
        edit(sheet.page(0), 1023)->setText(QStringLiteral("100"));
        edit(sheet.page(1), 1039)->setText(QStringLiteral("10"));
        QVERIFY(sheet.fedrix()->StorePages(info));
        QCOMPARE(info.number_of_teeth, 6);
    }

    // Proposals from the tool page (diameter 10, stepover 2, Z-step 1, cutting feed 1000) and
    // the toolpath; the cut height typed before stays.
    void defaultProposes_data() { guitest::addRows(kDefaults); }
    void defaultProposes() {
        const DefaultCase& row = guitest::fetchRow(kDefaults);
        testsupport::TempDir zone;
        FakeFieldHost host({{kTpBrad, 5.0f},
                            {kTpStep, 2.0f},
                            {kTpZsteptype, row.zStepType},
                            {kTpDzstep, 1.0f},
                            {kTpFrcut, 1000.0f}});
        host.toolpath.texts = {{"TP_TYPE", row.toolpathType}};
        host.workzone = zone.path();
        host.toolpathNumber = 7;
        zone.write("outil.niv", "0 0 9\n");
        if (row.levels != nullptr) {
            zone.write("outil7.niv", row.levels);
        }
        FedrixSheet sheet(host);
        QWidget* page = sheet.page(0);
        edit(page, 1024)->setText(QStringLiteral("7"));
        click(page, kFedrixDefaultButton);
        QStringList shown;
        for (int id : {1023, 1022, 1020, 1021}) {
            shown << edit(page, id)->text();
        }
        QCOMPARE(shown.join(u' '), QString::fromLatin1(row.shown));
        QCOMPARE(edit(page, 1024)->text(), QStringLiteral("7"));
        QVERIFY(sheet.fedrix()->IsModified());
    }

    // Captions and tab texts from the language file, the degree labels from its units; again
    // after a language change.
    void germanCaptions() {
        guitest::PagesLanguageFile german(guitest::kGermanFedrixCaptions);
        FakeFieldHost host;
        QWidget window;
        auto* sheet = new CSheetTool(host, &window);
        sheet->ShowFedrixPage(true, true);
        CSheetFedrix* inner = sheet->FedrixPage()->Sheet();
        QCOMPARE(button(inner->widget(0), 1029)->text(), QStringLiteral("Optimize Feedrates"));
        host.language = &german.file();
        sendLanguageChange(&window);
        QCOMPARE(tabTexts(*inner), (QStringList{"Optimierung", "Erweitert 1", "Erweitert 2"}));
        QCOMPARE(button(inner->widget(0), 1029)->text(), QStringLiteral("Vorschübe optimieren"));
        QCOMPARE(findControl<QLabel>(inner->widget(1), 1067)->text(), QStringLiteral("Grad"));
        QCOMPARE(findControl<QLabel>(inner->widget(2), 1077)->text(), QStringLiteral("Grad"));
        QCOMPARE(edit(inner->widget(2), 1038)->accessibleName(),
                 QStringLiteral("Abstand zur Fläche:"));

        FedrixSheet fresh(host);
        QCOMPARE(button(fresh.page(1), 1030)->text(),
                 QStringLiteral("Stetige Anpassung des Vorschubs"));
        QCOMPARE(findControl<QLabel>(fresh.page(1), 1072)->text(), QStringLiteral("Grad"));
    }

    // In English the Fedrix page needs no more room than the tool page; in both languages every
    // control lies inside its page and has an accessible name. The nested sheet grows with the
    // tool sheet.
    void pagesFitTheSheet() {
        guitest::PagesLanguageFile file(guitest::kGermanPageCaptions +
                                        std::string(guitest::kGermanFedrixCaptions));
        for (bool german : {false, true}) {
            FakeFieldHost host;
            host.language = german ? &file.file() : nullptr;
            FedrixSheet fedrix(host);
            CSheetTool& sheet = fedrix.sheet;
            if (!german) {
                QCOMPARE(fedrix.fedrix()->sizeHint(), sheet.ToolPage()->sizeHint());
            }
            sheet.resize(sheet.sizeHint());
            sheet.show();
            sheet.setCurrentWidget(fedrix.fedrix());
            QCOMPARE(guitest::namelessControls(&sheet), QStringList());
            for (int index = 0; index < 3; ++index) {
                QWidget* page = fedrix.page(index);
                fedrix.fedrix()->Sheet()->setCurrentWidget(page);
                QCOMPARE(guitest::cutControls(page), QStringList());
            }
            const QRect before = fedrix.fedrix()->Sheet()->geometry();
            sheet.resize(sheet.size() + QSize(120, 60));
            QCOMPARE(fedrix.fedrix()->Sheet()->geometry(), before.adjusted(0, 0, 120, 60));
        }
    }
};

CUTTERBASE_GUI_TEST(FedrixPagesTest)

#include "pages_fedrix_test.moc"
