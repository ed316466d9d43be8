// The "Security" page against a fake main window: the lead-in rules and their four parameters,
// the ramp angle limit, the radial radius range, the minimum width Auto box and Set All.

#include <QTest>

#include "gui/pages/machine_page.h"
#include "gui_test.h"
#include "pages_fake_host.h"
#include "scripted_presenter.h"

using guitest::button;
using guitest::click;
using guitest::edit;
using guitest::FakeFieldHost;
using guitest::parametersOf;

namespace {

void fillToolpath(FakeFieldHost& host) {
    host.toolpath.texts = {{"TP_LITYPE", "2"}, {"TP_STEPTYPE", "1"}};
    host.toolpath.reals = {
        {"TP_APPROACH", 2.0f}, {"TP_RETRACT", 5.0f}, {"TP_LIRAMP", 30.0f}, {"TP_LIRAD", 4.0f}};
}

void setLeadIn(FakeFieldHost& host, const char* type, float ramp, float radius, const char* step) {
    guitest::setText(host.tool, kTpLitype, type);
    guitest::setReal(host.tool, kTpLiramp, ramp);
    guitest::setReal(host.tool, kTpLirad, radius);
    guitest::setText(host.tool, kTpSteptype, step);
}

}  // namespace

class MachinePageTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheLeadIn_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("ramp");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<bool>("radialApproach");
        QTest::addColumn<bool>("rampEnabled");
        QTest::addColumn<bool>("radialEnabled");
        QTest::newRow("radial with approach") << "3"
                                              << "2" << 1032 << "45"
                                              << "6" << true << true << true;
        QTest::newRow("ramp") << "2"
                              << "1" << 1031 << "45"
                              << "0" << false << true << false;
        QTest::newRow("vertical") << "1"
                                  << "1" << 1030 << "90"
                                  << "0" << false << false << false;
        // A code the page does not know selects the first button.
        QTest::newRow("unknown code") << "9"
                                      << "3" << 1030 << "90"
                                      << "0" << false << false << false;
    }
    void loadShowsTheLeadIn() {
        QFETCH(QString, type);
        QFETCH(QString, step);
        QFETCH(int, radio);
        FakeFieldHost host;
        fillToolpath(host);
        setLeadIn(host, type.toLatin1().constData(), 45.0f, 6.0f, step.toLatin1().constData());
        CPageMachine page(host);
        page.Load();
        QVERIFY(button(&page, 1027)->isChecked());
        QVERIFY(button(&page, radio)->isChecked());
        QTEST(edit(&page, 1018)->text(), "ramp");
        QTEST(edit(&page, 1019)->text(), "radius");
        QTEST(button(&page, 1028)->isChecked(), "radialApproach");
        QTEST(edit(&page, 1018)->isEnabled(), "rampEnabled");
        QTEST(findControl(&page, 1040)->isEnabled(), "rampEnabled");
        QTEST(edit(&page, 1019)->isEnabled(), "radialEnabled");
        QTEST(findControl(&page, 1041)->isEnabled(), "radialEnabled");
        QTEST(button(&page, 1028)->isEnabled(), "radialEnabled");
        QVERIFY(button(&page, 1030)->isEnabled());
    }

    // The check means "the tool has TP_STEPTYPE"; the values come from the toolpath.
    void leadInCheckFollowsTheStepType() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setText(host.tool, kTpLitype, "3");
        CPageMachine page(host);
        page.Load();
        QVERIFY(!button(&page, 1027)->isChecked());
        QVERIFY(button(&page, 1032)->isChecked());
        QVERIFY(!button(&page, 1032)->isEnabled());
        QVERIFY(!edit(&page, 1018)->isEnabled());
        QVERIFY(!findControl(&page, 1040)->isEnabled());
        QCOMPARE(edit(&page, 1018)->text(), QStringLiteral("30"));
    }

    // Every click in the lead-in group stores all four parameters; the angle is clamped.
    void leadInClicksStoreTheFourParameters_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("vertical") << 1030 << "45"
                                  << QStringList{"TP_LITYPE=1", "TP_LIRAMP=90.000",
                                                 "TP_LIRAD=0.000", "TP_STEPTYPE=2"}
                                  << "90";
        QTest::newRow("ramp above the limit")
            << 1031 << "95"
            << QStringList{"TP_LITYPE=2", "TP_LIRAMP=89.999", "TP_LIRAD=0.000", "TP_STEPTYPE=2"}
            << "89.999";
        QTest::newRow("negative ramp")
            << 1031 << "-5"
            << QStringList{"TP_LITYPE=2", "TP_LIRAMP=0.000", "TP_LIRAD=0.000", "TP_STEPTYPE=2"}
            << "0";
        QTest::newRow("radial keeps both")
            << 1032 << "12.5"
            << QStringList{"TP_LITYPE=3", "TP_LIRAMP=12.500", "TP_LIRAD=6.000", "TP_STEPTYPE=2"}
            << "12.5";
    }
    void leadInClicksStoreTheFourParameters() {
        QFETCH(int, radio);
        QFETCH(QString, angle);
        FakeFieldHost host;
        setLeadIn(host, "3", 10.0f, 6.0f, "2");
        CPageMachine page(host);
        page.Load();
        edit(&page, 1018)->setText(angle);
        click(&page, radio);
        QTEST(parametersOf(host.tool), "stored");
        QTEST(edit(&page, 1018)->text(), "shown");
    }

    void leadInCheckAddsAndRemovesTheFourTogether() {
        FakeFieldHost host;
        fillToolpath(host);
        setLeadIn(host, "3", 10.0f, 6.0f, "2");
        guitest::setReal(host.tool, kTpApproach, 1.0f);
        CPageMachine page(host);
        page.Load();
        click(&page, 1027);
        QCOMPARE(parametersOf(host.tool), QStringList{"TP_APPROACH=1.000"});
        QVERIFY(!button(&page, 1032)->isEnabled());
        QVERIFY(!button(&page, 1028)->isEnabled());
        click(&page, 1027);
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_APPROACH=1.000", "TP_LITYPE=3", "TP_LIRAMP=10.000",
                              "TP_LIRAD=6.000", "TP_STEPTYPE=2"}));
        click(&page, 1028);
        QCOMPARE(parametersOf(host.tool).last(), QStringLiteral("TP_STEPTYPE=1"));
    }

    void refusedRadiusChangesNothing() {
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host;
        setLeadIn(host, "3", 10.0f, 6.0f, "2");
        CPageMachine page(host);
        page.Load();
        const QStringList before = parametersOf(host.tool);
        edit(&page, 1019)->setText(QStringLiteral("100001"));
        click(&page, 1031);
        QCOMPARE(parametersOf(host.tool), before);
        QVERIFY(button(&page, 1032)->isChecked());
        click(&page, 1044);
        QVERIFY(!button(&page, 1044)->isChecked());
        QVERIFY(!page.Commit());
        QCOMPARE(presenter.shown.size(), std::size_t(3));
        QCOMPARE(presenter.shown[0].text,
                 std::string("Please enter a number between 0 and 100000."));
        edit(&page, 1019)->setText(QStringLiteral("100000"));
        QVERIFY(page.Commit());
        QCOMPARE(parametersOf(host.tool)[2], QStringLiteral("TP_LIRAD=100000.000"));
    }

    // The minimum width box changes no parameter; its bit reaches the AutoFlags at Commit.
    void autoMinimumWidth() {
        FakeFieldHost host;
        host.autoFlags = 0x9;
        CPageMachine page(host);
        page.Load();
        QVERIFY(!button(&page, 1044)->isChecked());
        click(&page, 1044);
        QVERIFY(page.IsModified());
        QCOMPARE(host.stored, 0);
        QCOMPARE(host.autoFlags, 0x9);
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0xB);
    }

    void setAllAddsEveryField() {
        FakeFieldHost host;
        fillToolpath(host);
        CPageMachine page(host);
        page.Load();
        QVERIFY(page.CheckAll());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_APPROACH=2.000", "TP_RETRACT=5.000", "TP_LITYPE=2",
                              "TP_LIRAMP=30.000", "TP_LIRAD=0.000", "TP_STEPTYPE=1"}));
        QVERIFY(button(&page, 1044)->isChecked());
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x2);
    }
};

CUTTERBASE_GUI_TEST(MachinePageTest)

#include "pages_machine_test.moc"
