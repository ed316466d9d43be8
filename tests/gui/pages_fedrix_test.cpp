// The Fedrix page of the tool sheet and its three pages: presence with the tool, the defaults and
// the tool's cutting feed, the enabling rules, refused values, the round trip through a tool's
// Fedrix settings, "Default", captions and layout.

#include <QLabel>
#include <QTest>

#include "accessibility_check.h"
#include "gui/framework/language_change.h"
#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_advanced_page.h"
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
    QStringList shown;   // 1023, 1022, 1020, 1021
};

const DefaultCase kDefaults[] = {
    {"fractions of the stepover", "2", "101", nullptr, {"0.8", "0.16", "900", "1400"}},
    {"family 200", "2", "205", nullptr, {"0.95", "0.19", "900", "1400"}},
    {"variable Z-step from the levels",
     "3",
     "205",
     "0 0 2\n0 0 4\n",
     {"3.8", "0.76", "900", "1400"}},
    // A variable Z-step has no Z-step value on the tool page.
    {"variable Z-step without levels", "3", "205", nullptr, {"0.8", "0.16", "900", "1400"}},
    {"variable Z-step with empty levels", "3", "205", "", {"0.8", "0.16", "900", "1400"}},
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
        sheet.ShowFedrixPage(false, false);
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(sheet.MachinePage()));
        sheet.ShowFedrixPage(true, false);
        QCOMPARE(tabTexts(sheet), (QStringList{"Tool", "Security", "Fedrix"}));
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(sheet.ToolPage()));
        CSheetFedrix* inner = sheet.FedrixPage()->Sheet();
        QCOMPARE(tabTexts(*inner), (QStringList{"Optimization", "Advanced 1", "Advanced 2"}));
        QCOMPARE(inner->currentIndex(), 0);
        CPageFedrix* page = sheet.FedrixPage();
        sheet.ShowFedrixPage(true, true);
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(page));
        QCOMPARE(sheet.FedrixPage(), page);
        sheet.ShowFedrixPage(false, false);
        QCOMPARE(sheet.count(), 2);
        QVERIFY(!sheet.HasFedrixPage());
        QCOMPARE(sheet.currentWidget(), static_cast<QWidget*>(sheet.ToolPage()));
        sheet.setCurrentWidget(sheet.MachinePage());
        sheet.ShowFedrixPage(false, true);
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

    // Continuous adaptation is enabled after the defaults; a load applies the rules afresh.
    void plungeModeFollowsTheSettings() {
        FakeFieldHost host;
        FedrixSheet sheet(host);
        QWidget* page = sheet.page(1);
        QVERIFY(findControl(page, 1027)->isEnabled() && !findControl(page, 1025)->isEnabled());
        FedrixToolInfo predefined;
        predefined.plunge_continuous_adaptation = 0;
        sheet.fedrix()->LoadPages(predefined);
        QVERIFY(button(page, 1032)->isChecked());
        QVERIFY(!findControl(page, 1027)->isEnabled() && findControl(page, 1025)->isEnabled());
    }

    // Every value through the pages and back, typed edits making the pages modified.
    void loadAndStoreRoundTrip() {
        FedrixToolInfo info;
        info.optimize_feed_rates = false;
        info.min_feed_rate = 300;
        info.max_feed_rate = 2500;
        info.start_depth = 0.25f;
        info.max_depth = 1.5f;
        info.max_cut_height = 12.0f;
        info.plunge_continuous_adaptation = 0;
        info.ramp_feed_rate = 400;
        info.ramp_angle = 5.0f;
        info.plunge_factor = 0.8f;
        info.plunge_start_angle = 2.0f;
        info.plunge_end_angle = 60.0f;
        info.unsymmetry_factor = 2.5f;
        info.drag_factor = 0.9f;
        info.drag_start_angle = 3.0f;
        info.drag_end_angle = 50.0f;
        info.climb_factor = 1.2f;
        info.entangulation_start_angle = 15.0f;
        info.entangulation_end_angle = 80.0f;
        info.entangulation_factor = 0.7f;
        info.air_cut_feed_rate = 5000;
        info.air_cut_optimization = true;
        info.retraction_optimization = true;
        info.stock_distance = 0.5f;
        info.feed_rate_per_tooth = 0.05f;
        info.number_of_teeth = 4;
        info.spindle_speed_optimization = true;
        FakeFieldHost host;
        FedrixSheet sheet(host);
        sheet.fedrix()->LoadPages(info);
        QVERIFY(!sheet.fedrix()->IsModified());
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
        QCOMPARE(shown, row.shown);
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

    // The layout manager keeps the nested sheet on the page as the tool sheet grows.
    void nestedSheetFollowsThePage() {
        FakeFieldHost host;
        FedrixSheet fedrix(host);
        fedrix.sheet.resize(fedrix.sheet.sizeHint());
        fedrix.sheet.setCurrentWidget(fedrix.fedrix());
        fedrix.sheet.show();
        const QRect before = fedrix.fedrix()->Sheet()->geometry();
        fedrix.sheet.resize(fedrix.sheet.size() + QSize(120, 60));
        QCOMPARE(fedrix.fedrix()->Sheet()->geometry(), before.adjusted(0, 0, 120, 60));
    }

    // In English the Fedrix page needs no more room than the tool page; in both languages every
    // control lies inside its page and has an accessible name.
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
        }
    }
};

CUTTERBASE_GUI_TEST(FedrixPagesTest)

#include "pages_fedrix_test.moc"
