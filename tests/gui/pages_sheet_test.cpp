// The tool sheet: the tool and security pages, the Fedrix page and its three pages.

#include <QGroupBox>
#include <QLabel>

#include "accessibility_check.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/language_change.h"
#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "pages_fake_host.h"
#include "pages_language.h"

using namespace guitest;

namespace {

struct FedrixSheet {
    explicit FedrixSheet(FakeFieldHost& host) : sheet(host) {
        sheet.ToolPage()->Load();
        sheet.ShowFedrixPage(true, false);
    }
    CPageFedrix* fedrix() const { return sheet.FedrixPage(); }
    QWidget* page(int index) const { return fedrix()->Sheet()->widget(index); }
    QStringList captions() const {
        return tabTexts(*fedrix()->Sheet())
               << button(page(0), 1029)->text() << button(page(1), 1030)->text()
               << findControl<QLabel>(page(1), 1067)->text()
               << findControl<QLabel>(page(2), 1077)->text()
               << edit(page(2), 1038)->accessibleName();
    }
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
    int page, clicked;             // page 0 Optimization, 1 Advanced 1, 2 Advanced 2
    QList<int> enabled, disabled;  // after the click
};

const EnablingCase kEnabling[] = {
    {"predefined plunge feed", 1, 1032, {1025, 1026}, {1027, 1028, 1031}},
    {"empty cuts", 2, 1035, {1036}, {1038, 1040, 1041}},
    {"path connections", 2, 1037, {1038}, {1036, 1040, 1041}},
    {"spindle speed", 2, 1039, {1040, 1041}, {1036, 1038}},
    {"optimisation disables nothing", 0, 1029, {1020, 1021, 1022, 1023, 1024}, {}},
};

QString captionOf(const QWidget* page, int id) {
    QWidget* control = findControl(page, id);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        return box->title();
    }
    return qobject_cast<QAbstractButton*>(control)->text();
}

}  // namespace

class ToolSheetTest : public QObject {
    Q_OBJECT

private slots:
    // A field stored from either page marks both pages modified.
    void modifiedOverBothPages() {
        FakeFieldHost host;
        host.toolpath.reals = {{"TP_BRAD", 5.0f}, {"TP_APPROACH", 2.0f}};
        CSheetTool sheet(host);
        host.onStored = [&sheet] { sheet.SetModify(true); };
        sheet.ToolPage()->Load();
        sheet.MachinePage()->Load();
        QVERIFY(!sheet.IsModified());
        click(sheet.MachinePage(), 1025);
        QVERIFY(sheet.ToolPage()->IsModified() && sheet.MachinePage()->IsModified());
        sheet.SetModify(false);
        QVERIFY(!sheet.IsModified() && !sheet.ToolPage()->IsModified());
    }

    // Three decimals kept; an integer out of range is refused at the store.
    void fedrixValuesKeepWhatTheFileHolds() {
        ScriptedPresenter presenter;
        FakeFieldHost host;
        FedrixToolInfo info;
        info.feed_rate_per_tooth = 123456789.123;
        info.max_feed_rate = 2147483647;
        CPageFedrixAdvanced2 advanced(host);
        advanced.Load(info);
        QCOMPARE(edit(&advanced, 1040)->text(), QStringLiteral("123456789.123"));
        FedrixToolInfo stored;
        QVERIFY(advanced.Store(stored));
        QCOMPARE(stored.Entries()[25].text, std::string("123456789.123"));
        CPageFedrixOptimize optimize(host, nullptr);
        optimize.Load(info);
        QVERIFY(!optimize.Store(stored) && presenter.shown.size() == 1);
        QCOMPARE(presenter.shown[0].text,
                 std::string("Please enter a number between 0 and 100000."));
    }

    // At construction and on a language change; the size label follows the diameter switch.
    void captions() {
        PagesLanguageFile german(kGermanPageCaptions);
        PagesLanguageFile partial(
            "[PAGETOOL]\r\nIDC_TP_DIAM_LB=Durchmesser:\r\nIDC_TP_TYPEBALL=Kugel\r\n");
        const auto seen = [](CSheetTool& sheet) {
            const QWidget *tool = sheet.ToolPage(), *machine = sheet.MachinePage();
            QStringList texts{tabTexts(sheet).join(u'|')};
            for (const auto& [page, id] :
                 {std::pair{tool, 1078}, {tool, 1082}, {tool, 1083}, {machine, 1048}}) {
                texts << captionOf(page, id);
            }
            for (const auto& [page, id] : {std::pair{tool, 1007}, {tool, 1015}, {machine, 1018}}) {
                texts << edit(page, id)->accessibleName();
            }
            return texts.join(", ");
        };
        FakeFieldHost host;
        QWidget window;
        auto* sheet = new CSheetTool(host, &window);
        host.language = &german.file();
        sendLanguageChange(&window);
        QCOMPARE(seen(*sheet),
                 "Werkzeug|Sicherheit, Kugel, Körperradius:, Eckenradius:, "
                 "Sicherheitsabstände, Körperradius:, Zustellungsart:, Rampenwinkel:");
        host.diameterMode = true;
        host.language = &partial.file();
        CSheetTool translated(host);
        QCOMPARE(seen(translated), "|, Kugel, Durchmesser:, , , Durchmesser:, , ");
        host.language = nullptr;
        CSheetTool english(host);
        QCOMPARE(seen(english),
                 "Tool|Security, Ball, Diameter:, Corner Radius:, Security "
                 "Distances, Diameter:, Z-Step Type:, Ramp Angle:");
    }

    // Tab moves through the page as it reads, group by group, not in Set All's order.
    void keyboardFollowsTheReadingOrder() {
        FakeFieldHost host;
        CSheetTool sheet(host);
        QWidget* first = findControl(sheet.ToolPage(), 1020);
        QList<int> order{1020};
        for (QWidget* widget = first->nextInFocusChain(); widget != first && order.size() < 100;
             widget = widget->nextInFocusChain()) {
            if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus) &&
                sheet.ToolPage()->isAncestorOf(widget)) {
                order << controlId(widget);
            }
        }
        QCOMPARE(order,
                 (QList<int>{1020, 1011, 1024, 1026, 1077, 1078, 1079, 1080, 1007, 1008, 1021,
                             1013, 1022, 1012, 1023, 1014, 1042, 1025, 1030, 1031, 1015, 1032,
                             1043, 1037, 1016, 1038, 1009, 1036, 1010, 1039, 1017, 1027, 1028}));
    }

    // The maximum feed rate is the tool's (else the toolpath's) cutting feed cut to a whole number.
    void defaultsAndTheRoundTrip() {
        FakeFieldHost host({{kTpFrcut, 1234.9f}}), fromToolpath, huge({{kTpFrcut, 1e20f}});
        host.toolpath.reals = fromToolpath.toolpath.reals = {{"TP_FRCUT", 800.0f}};
        QCOMPARE(edit(FedrixSheet(fromToolpath).page(0), 1021)->text(), QStringLiteral("800"));
        QCOMPARE(edit(FedrixSheet(huge).page(0), 1021)->text(), QStringLiteral("2147483647"));
        FedrixSheet sheet(host);
        FedrixToolInfo expected, back;
        expected.max_feed_rate = 1234;
        QVERIFY(sheet.fedrix()->StorePages(back));
        QCOMPARE(entriesOf(back), entriesOf(expected));
        QVERIFY(findControl(sheet.page(1), 1027)->isEnabled());
        testsupport::TempDir folder;
        FedrixToolInfo info(folder.write("t.ncs", kEverySetting));
        QVERIFY(info.Check() && info.ReadSucceeded());
        sheet.fedrix()->LoadPages(info);
        QVERIFY(!sheet.fedrix()->IsModified());
        QVERIFY(!findControl(sheet.page(1), 1027)->isEnabled() &&
                findControl(sheet.page(1), 1025)->isEnabled());
        QVERIFY(sheet.fedrix()->StorePages(back));
        QCOMPARE(entriesOf(back), entriesOf(info));
        QTest::keyClick(edit(sheet.page(2), 1041), Qt::Key_5);
        QVERIFY(sheet.fedrix()->IsModified() && sheet.fedrix()->StorePages(back));
        QCOMPARE(back.number_of_teeth, 45);
        // The first refused value is reported; the pages after it are not stored.
        ScriptedPresenter presenter;
        edit(sheet.page(0), 1023)->setText(QStringLiteral("100.5"));
        edit(sheet.page(2), 1041)->setText(QStringLiteral("6"));
        QVERIFY(!sheet.fedrix()->StorePages(back) && back.number_of_teeth == 45);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QCOMPARE(presenter.shown[0].text, std::string("Please enter a number between 0 and 100."));
        edit(sheet.page(0), 1023)->setText(QStringLiteral("100"));
        QVERIFY(sheet.fedrix()->StorePages(back) && back.number_of_teeth == 6);
    }

    void enablingRules_data() { addRows(kEnabling); }
    void enablingRules() {
        const EnablingCase& row = fetchRow(kEnabling);
        FakeFieldHost host;
        FedrixSheet sheet(host);
        QWidget* page = sheet.page(row.page);
        click(page, row.clicked);
        for (int id : row.enabled + row.disabled) {
            QVERIFY2(findControl(page, id)->isEnabled() == row.enabled.contains(id),
                     qPrintable(QString::number(id)));
        }
        QVERIFY(sheet.fedrix()->IsModified());
    }

    // D10, stepover 2, Z-step 1, feed 1000; a variable Z-step takes the command line's levels.
    void defaultProposes() {
        testsupport::TempDir zone;
        zone.write("outil.niv", "0 0 9\n");
        zone.write("outil7.niv", "0 0 2\n0 0 4\n");
        for (const auto& [zStepType, toolpathType, shown] :
             {std::tuple{"2", "101", "0.8 0.16 900 1400 7"}, {"3", "205", "3.8 0.76 900 1400 7"}}) {
            FakeFieldHost host({{kTpBrad, 5.0f},
                                {kTpStep, 2.0f},
                                {kTpZsteptype, zStepType},
                                {kTpDzstep, 1.0f},
                                {kTpFrcut, 1000.0f}});
            host.toolpath.texts = {{"TP_TYPE", toolpathType}};
            host.workzone = zone.path();
            host.toolpathNumber = 7;
            FedrixSheet sheet(host);
            edit(sheet.page(0), 1024)->setText(QStringLiteral("7"));
            click(sheet.page(0), kFedrixDefaultButton);
            QStringList texts;
            for (int id : {1023, 1022, 1020, 1021, 1024}) {
                texts << edit(sheet.page(0), id)->text();
            }
            QCOMPARE(texts.join(u' '), QString::fromLatin1(shown));
            QVERIFY(sheet.fedrix()->IsModified());
        }
    }

    // Every page holds its controls with their whole captions (German with diameters); English
    // keeps the tool page's template size; German when built and on a change.
    void pagesFitTheSheet() {
        PagesLanguageFile file(kGermanPageCaptions + std::string(kGermanFedrixCaptions));
        const QString captions = QString::fromUtf8(
            "Optimierung|Erweitert 1|Erweitert 2|Vorschübe optimieren|Stetige Anpassung des "
            "Vorschubs|Grad|Grad|Abstand zur Fläche:");
        for (bool german : {false, true}) {
            FakeFieldHost host;
            host.language = german ? &file.file() : nullptr;
            host.diameterMode = german;
            FedrixSheet fedrix(host);
            CSheetTool& sheet = fedrix.sheet;
            if (!german) {
                QCOMPARE(tabTexts(sheet) + tabTexts(*fedrix.fedrix()->Sheet()),
                         (QStringList{"Tool", "Security", "Fedrix", "Optimization", "Advanced 1",
                                      "Advanced 2"}));
                QCOMPARE(fedrix.fedrix()->sizeHint(), sheet.ToolPage()->sizeHint());
                QVERIFY(sheet.currentWidget() == sheet.ToolPage() &&
                        fedrix.fedrix()->Sheet()->currentIndex() == 0);
            } else {
                QCOMPARE(fedrix.captions().join(u'|'), captions);
            }
            sheet.resize(sheet.sizeHint());
            sheet.show();
            for (int index : {0, 1}) {
                QWidget* page = sheet.widget(index);
                sheet.setCurrentWidget(page);
                const DialogUnits units(page->font());
                const QSize need = page->minimumSizeHint();
                QVERIFY(german || need.boundedTo(QSize(units.x(kPageWidthUnits),
                                                       units.y(kPageHeightUnits))) == need);
                QCOMPARE(cutControls(page), QStringList());
            }
            sheet.setCurrentWidget(fedrix.fedrix());
            QCOMPARE(namelessControls(&sheet), QStringList());
            for (int index = 0; index < 3; ++index) {
                fedrix.fedrix()->Sheet()->setCurrentWidget(fedrix.page(index));
                QCOMPARE(cutControls(fedrix.page(index)), QStringList());
            }
            const QRect before = fedrix.fedrix()->Sheet()->geometry();
            sheet.resize(sheet.size() + QSize(120, 60));
            QCOMPARE(fedrix.fedrix()->Sheet()->geometry(), before.adjusted(0, 0, 120, 60));
            host.language = &file.file();
            sendLanguageChange(&sheet);
            QCOMPARE(fedrix.captions().join(u'|'), captions);
        }
    }
};

CUTTERBASE_GUI_TEST(ToolSheetTest)

#include "pages_sheet_test.moc"
