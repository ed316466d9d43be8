// The "Security" page against a fake main window: the lead-in rules and their four parameters,
// the ramp angle limit, the radial radius range, the minimum width Auto box and Set All.

#include <QTest>

#include "gui/pages/machine_page.h"
#include "gui_test.h"
#include "pages_fake_host.h"
#include "scripted_presenter.h"
#include "table_rows.h"

using namespace guitest;

namespace {

// A host whose toolpath has its own values, shown where the tool has none.
struct Host : FakeFieldHost {
    explicit Host(std::initializer_list<guitest::Given> given = {}) : FakeFieldHost(given) {
        toolpath.texts = {{"TP_LITYPE", "2"}, {"TP_STEPTYPE", "1"}};
        toolpath.reals = {
            {"TP_APPROACH", 2.0f}, {"TP_RETRACT", 5.0f}, {"TP_LIRAMP", 30.0f}, {"TP_LIRAD", 4.0f}};
    }
};

// The page over the host, loaded.
struct Page : CPageMachine {
    explicit Page(FieldHost& host) : CPageMachine(host) { Load(); }
};

// A radial lead-in with its approach, in the tool.
const std::initializer_list<guitest::Given> kRadial = {
    {kTpLitype, "3"}, {kTpLiramp, 10.0f}, {kTpLirad, 6.0f}, {kTpSteptype, "2"}};

// The tool's lead-in type and step type with a ramp of 45 and a radius of 6.
struct LoadCase {
    const char *name, *type, *step;
    int radio;
    const char *ramp, *radius;
    bool radialApproach, rampEnabled, radialEnabled;
};

const LoadCase kLoads[] = {
    {"radial with approach", "3", "2", 1032, "45", "6", true, true, true},
    {"ramp", "2", "1", 1031, "45", "0", false, true, false},
    {"vertical", "1", "1", 1030, "90", "0", false, false, false},
    // A code the page does not know selects the first button.
    {"unknown code", "9", "3", 1030, "90", "0", false, false, false},
};

// Every click in the lead-in group stores all four parameters (the step type stays 2); the
// angle is clamped.
struct ClickCase {
    const char* name;
    int radio;
    QString angle, stored, shown;
};

const ClickCase kClicks[] = {
    {"vertical", 1030, "45", "TP_LITYPE=1 TP_LIRAMP=90.000 TP_LIRAD=0.000", "90"},
    {"ramp above the limit", 1031, "95", "TP_LITYPE=2 TP_LIRAMP=89.999 TP_LIRAD=0.000", "89.999"},
    {"negative ramp", 1031, "-5", "TP_LITYPE=2 TP_LIRAMP=0.000 TP_LIRAD=0.000", "0"},
    {"radial keeps both", 1032, "12.5", "TP_LITYPE=3 TP_LIRAMP=12.500 TP_LIRAD=6.000", "12.5"},
};

}  // namespace

class MachinePageTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheLeadIn_data() { guitest::addRows(kLoads); }
    void loadShowsTheLeadIn() {
        const LoadCase& row = guitest::fetchRow(kLoads);
        Host host(
            {{kTpLitype, row.type}, {kTpLiramp, 45.0f}, {kTpLirad, 6.0f}, {kTpSteptype, row.step}});
        Page page(host);
        QVERIFY(button(&page, 1027)->isChecked() && button(&page, row.radio)->isChecked());
        QCOMPARE(edit(&page, 1018)->text() + " " + edit(&page, 1019)->text(),
                 QString(row.ramp) + " " + row.radius);
        QCOMPARE(button(&page, 1028)->isChecked(), row.radialApproach);
        for (int id : {1018, 1040, 1019, 1041, 1028}) {
            const bool ramp = id == 1018 || id == 1040;
            QCOMPARE(findControl(&page, id)->isEnabled(),
                     ramp ? row.rampEnabled : row.radialEnabled);
        }
        QVERIFY(button(&page, 1030)->isEnabled());
    }

    void leadInClicksStoreTheFourParameters_data() { guitest::addRows(kClicks); }
    void leadInClicksStoreTheFourParameters() {
        const ClickCase& row = guitest::fetchRow(kClicks);
        FakeFieldHost host(kRadial);
        Page page(host);
        edit(&page, 1018)->setText(row.angle);
        QCOMPARE(afterClick(host, &page, row.radio).join(u' '), row.stored + " TP_STEPTYPE=2");
        QCOMPARE(edit(&page, 1018)->text(), row.shown);
    }

    // The check means "the tool has TP_STEPTYPE": without it the values come from the toolpath,
    // and the check adds and removes the four together.
    void leadInCheckAddsAndRemovesTheFourTogether() {
        Host host({{kTpLitype, "3"}, {kTpApproach, 1.0f}});
        Page page(host);
        QVERIFY(!button(&page, 1027)->isChecked() && button(&page, 1032)->isChecked());
        QVERIFY(!button(&page, 1032)->isEnabled() && !edit(&page, 1018)->isEnabled());
        QCOMPARE(edit(&page, 1018)->text(), QStringLiteral("30"));
        QCOMPARE(afterClick(host, &page, 1027),
                 (QStringList{"TP_LITYPE=3", "TP_APPROACH=1.000", "TP_LIRAMP=30.000",
                              "TP_LIRAD=4.000", "TP_STEPTYPE=1"}));
        click(&page, 1028);
        QCOMPARE(parametersOf(host.tool).last(), QStringLiteral("TP_STEPTYPE=2"));
        QCOMPARE(afterClick(host, &page, 1027), QStringList{"TP_APPROACH=1.000"});
        QVERIFY(!button(&page, 1032)->isEnabled() && !button(&page, 1028)->isEnabled());
    }

    void refusedRadiusChangesNothing() {
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host(kRadial);
        Page page(host);
        const QStringList before = parametersOf(host.tool);
        edit(&page, 1019)->setText(QStringLiteral("100001"));
        QCOMPARE(afterClick(host, &page, 1031), before);
        click(&page, 1044);
        QVERIFY(button(&page, 1032)->isChecked() && !button(&page, 1044)->isChecked());
        QVERIFY(!page.Commit());
        QCOMPARE(presenter.shown.size(), std::size_t(3));
        QCOMPARE(presenter.shown[0].text,
                 std::string("Please enter a number between 0 and 100000."));
        edit(&page, 1019)->setText(QStringLiteral("100000"));
        QVERIFY(page.Commit());
        QCOMPARE(parametersOf(host.tool)[2], QStringLiteral("TP_LIRAD=100000.000"));
    }

    // Set All adds every field; the minimum width box changes no parameter, its bit reaches the
    // AutoFlags at Commit beside the other bits.
    void setAllAddsEveryField() {
        Host host;
        host.autoFlags = 0x9;
        Page page(host);
        QVERIFY(page.CheckAll());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_APPROACH=2.000", "TP_RETRACT=5.000", "TP_LITYPE=2",
                              "TP_LIRAMP=30.000", "TP_LIRAD=0.000", "TP_STEPTYPE=1"}));
        QVERIFY(button(&page, 1044)->isChecked() && page.IsModified() && host.autoFlags == 0x9);
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0xB);
    }
};

CUTTERBASE_GUI_TEST(MachinePageTest)

#include "pages_machine_test.moc"
