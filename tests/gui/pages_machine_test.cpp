// The "Security" page against a fake main window.

#include "gui/pages/machine_page.h"
#include "pages_fake_host.h"

using namespace guitest;

namespace {

struct Host : FakeFieldHost {
    explicit Host(std::initializer_list<Given> given = {}) : FakeFieldHost(given) {
        toolpath.texts = {{"TP_LITYPE", "2"}, {"TP_STEPTYPE", "1"}};
        toolpath.reals = {
            {"TP_APPROACH", 2.0f}, {"TP_RETRACT", 5.0f}, {"TP_LIRAMP", 30.0f}, {"TP_LIRAD", 4.0f}};
    }
};

struct Page : CPageMachine {
    explicit Page(FieldHost& host) : CPageMachine(host) { Load(); }
};

const std::initializer_list<Given> kRadial = {
    {kTpLitype, "3"}, {kTpLiramp, 10.0f}, {kTpLirad, 6.0f}, {kTpSteptype, "2"}};

// Lead-in and step type with ramp 45 and radius 6.
struct LoadCase {
    const char *name, *type, *step, *shown;
};

const LoadCase kLoads[] = {
    {"radial with approach", "3", "2", "x o o x 45 L 6 L x"},
    {"ramp", "2", "1", "x o x o 45 L 0~ L~ o~"},
    {"vertical", "1", "1", "x x o o 90~ L~ 0~ L~ o~"},
    {"unknown code", "9", "3", "x x o o 90~ L~ 0~ L~ o~"},
};

// Each click stores all four parameters; the angle is clamped.
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
    void loadShowsTheLeadIn_data() { addRows(kLoads); }
    void loadShowsTheLeadIn() {
        const LoadCase& row = fetchRow(kLoads);
        Host host(
            {{kTpLitype, row.type}, {kTpLiramp, 45.0f}, {kTpLirad, 6.0f}, {kTpSteptype, row.step}});
        Page page(host);
        QCOMPARE(shown(&page, {1027, 1030, 1031, 1032, 1018, 1040, 1019, 1041, 1028}),
                 QString(row.shown));
    }

    void leadInClicksStoreTheFourParameters_data() { addRows(kClicks); }
    void leadInClicksStoreTheFourParameters() {
        const ClickCase& row = fetchRow(kClicks);
        FakeFieldHost host(kRadial);
        Page page(host);
        edit(&page, 1018)->setText(row.angle);
        QCOMPARE(afterClick(host, &page, row.radio).join(u' '), row.stored + " TP_STEPTYPE=2");
        QCOMPARE(edit(&page, 1018)->text(), row.shown);
    }

    // The check means "the tool has TP_STEPTYPE" and adds or removes the four.
    void leadInCheckAddsAndRemovesTheFourTogether() {
        Host host({{kTpLitype, "3"}, {kTpApproach, 1.0f}});
        Page page(host);
        QCOMPARE(shown(&page, {1027, 1032, 1018}), QStringLiteral("o x~ 30~"));
        QCOMPARE(afterClick(host, &page, 1027),
                 (QStringList{"TP_LITYPE=3", "TP_APPROACH=1.000", "TP_LIRAMP=30.000",
                              "TP_LIRAD=4.000", "TP_STEPTYPE=1"}));
        click(&page, 1028);
        QCOMPARE(parametersOf(host.tool).last(), QStringLiteral("TP_STEPTYPE=2"));
        QCOMPARE(afterClick(host, &page, 1027), QStringList{"TP_APPROACH=1.000"});
        QCOMPARE(shown(&page, {1032, 1028}), QStringLiteral("x~ x~"));
    }

    // A refused radius stops clicks and Commit until it is mended.
    void refusedRadiusChangesNothing() {
        ScriptedPresenter presenter;
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

    // The minimum width bit reaches the AutoFlags at Commit.
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
