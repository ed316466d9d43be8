// The "Tool" page against a fake main window: what it shows for a tool, what its checks and
// radio buttons do to the tool, the Auto boxes, validation, Set All and the modified state.

#include <QLabel>
#include <QTest>

#include "gui/pages/tool_page.h"
#include "gui_test.h"
#include "pages_fake_host.h"
#include "scripted_presenter.h"

using guitest::button;
using guitest::click;
using guitest::edit;
using guitest::FakeFieldHost;
using guitest::parametersOf;

namespace {

// The toolpath's own values, shown where the tool has none.
void fillToolpath(FakeFieldHost& host) {
    host.toolpath.texts = {
        {"TP_COMMENT", "roughing"}, {"TP_CDESC", "toolpath cutter"}, {"TP_ZSTEPTYPE", "2"}};
    host.toolpath.reals = {
        {"TP_CDIAM", 14.0f},   {"TP_BRAD", 7.0f},       {"TP_CRAD", 0.5f},
        {"TP_TOL", 0.01f},     {"TP_STOCK", 0.2f},      {"TP_STEP", 3.0f},
        {"TP_DZSTEP", 1.0f},   {"TP_FRRAPID", 5000.0f}, {"TP_FRAPPROACH", 500.0f},
        {"TP_FRCUT", 1000.0f}, {"TP_SPINDLE", 8000.0f}};
    host.toolpath.integers = {{"TP_CPPNUM", 12}, {"TP_AUTOFLAGS", 0}};
}

int checkedCutterType(const QWidget* page) {
    for (int id : {1078, 1079, 1080}) {
        if (button(page, id)->isChecked()) {
            return id;
        }
    }
    return 0;
}

}  // namespace

class ToolPageTest : public QObject {
    Q_OBJECT

private slots:
    // The size shows in the tool's own form or as a diameter; the type follows the radii.
    void loadShowsSizeAndType_data() {
        QTest::addColumn<float>("bodyRadius");    // 0: the tool has no TP_BRAD
        QTest::addColumn<float>("diameter");      // 0: the tool has no TP_CDIAM
        QTest::addColumn<float>("cornerRadius");  // -1: the tool has no TP_CRAD
        QTest::addColumn<bool>("diameterMode");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("corner");
        QTest::addColumn<bool>("cutterCheck");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("cornerEnabled");
        QTest::newRow("ball within 0.001") << 2.0f << 0.0f << 2.0005f << false << "2"
                                           << "2" << true << 1078 << false;
        QTest::newRow("flat") << 3.0f << 0.0f << 0.0f << false << "3"
                              << "0" << true << 1079 << false;
        QTest::newRow("bull nose") << 5.0f << 0.0f << 1.0f << false << "5"
                                   << "1" << true << 1080 << true;
        QTest::newRow("brad as diameter") << 3.0f << 0.0f << 0.0f << true << "6"
                                          << "0" << true << 1079 << false;
        QTest::newRow("cdiam as radius") << 0.0f << 10.0f << 1.0f << false << "5"
                                         << "1" << true << 1080 << true;
        QTest::newRow("cdiam as diameter") << 0.0f << 10.0f << 1.0f << true << "10"
                                           << "1" << true << 1080 << true;
        // The check tells whether the tool has TP_CRAD; the corner comes from the toolpath.
        QTest::newRow("no corner radius") << 4.0f << 0.0f << -1.0f << false << "4"
                                          << "0.5" << false << 1080 << false;
        QTest::newRow("nothing from the tool") << 0.0f << 0.0f << -1.0f << false << "7"
                                               << "0.5" << false << 1080 << false;
    }
    void loadShowsSizeAndType() {
        QFETCH(float, bodyRadius);
        QFETCH(float, diameter);
        QFETCH(float, cornerRadius);
        QFETCH(bool, diameterMode);
        FakeFieldHost host;
        fillToolpath(host);
        host.diameterMode = diameterMode;
        if (bodyRadius > 0) {
            guitest::setReal(host.tool, kTpBrad, bodyRadius);
        }
        if (diameter > 0) {
            guitest::setReal(host.tool, kTpCdiam, diameter);
        }
        if (cornerRadius >= 0) {
            guitest::setReal(host.tool, kTpCrad, cornerRadius);
        }
        CPageTool page(host);
        page.Load();
        QTEST(edit(&page, 1007)->text(), "size");
        QTEST(edit(&page, 1008)->text(), "corner");
        QTEST(button(&page, 1077)->isChecked(), "cutterCheck");
        QTEST(checkedCutterType(&page), "type");
        QTEST(edit(&page, 1008)->isEnabled(), "cornerEnabled");
        QCOMPARE(edit(&page, 1007)->isEnabled(), button(&page, 1077)->isChecked());
        QCOMPARE(button(&page, 1078)->isEnabled(), button(&page, 1077)->isChecked());
        QVERIFY(!page.IsModified());
    }

    // A tool that gives its size as a diameter keeps that form; the next tool keeps its own.
    void cutterClicksWriteTheSizeInTheToolsForm() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setReal(host.tool, kTpCdiam, 10.0f);
        CPageTool page(host);
        page.Load();
        QVERIFY(!button(&page, 1077)->isChecked());
        click(&page, 1077);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=0.500"}));
        click(&page, 1079);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=0.000"}));
        click(&page, 1078);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=5.000"}));
        QVERIFY(!edit(&page, 1008)->isEnabled());

        host.tool = ToolParameterSet();
        guitest::setReal(host.tool, kTpBrad, 3.0f);
        guitest::setReal(host.tool, kTpCrad, 1.0f);
        page.Load();
        QCOMPARE(edit(&page, 1007)->text(), QStringLiteral("3"));
        edit(&page, 1007)->setText(QStringLiteral("4"));
        click(&page, 1079);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_BRAD=4.000", "TP_CRAD=0.000"}));
        click(&page, 1077);
        QCOMPARE(parametersOf(host.tool), QStringList());
    }

    // Each plain check adds its parameter with the field's value, and removes it again.
    void checksAddAndRemoveTheirParameter_data() {
        QTest::addColumn<int>("check");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comment") << 1020 << 1011 << "finish walls"
                                 << "TP_COMMENT=finish walls";
        QTest::newRow("description") << 1024 << 1026 << QStringLiteral("Fräser Ø10")
                                     << QStringLiteral("TP_CDESC=Fräser Ø10");
        QTest::newRow("tool number") << 1027 << 1028 << " 7 "
                                     << "TP_CPPNUM=7";
        QTest::newRow("stock") << 1021 << 1013 << "0.25"
                               << "TP_STOCK=0.250";
        QTest::newRow("spindle at its limit") << 1039 << 1017 << "100000"
                                              << "TP_SPINDLE=100000.000";
    }
    void checksAddAndRemoveTheirParameter() {
        QFETCH(int, check);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host;
        fillToolpath(host);
        CPageTool page(host);
        page.Load();
        QVERIFY(!edit(&page, field)->isEnabled());
        edit(&page, field)->setText(typed);
        click(&page, check);
        QCOMPARE(parametersOf(host.tool), QStringList{stored});
        QVERIFY(edit(&page, field)->isEnabled());
        QCOMPARE(host.stored, 1);
        click(&page, check);
        QCOMPARE(parametersOf(host.tool), QStringList());
        QVERIFY(!edit(&page, field)->isEnabled());
        QVERIFY(presenter.shown.empty());
    }

    // A value the framework refuses leaves the tool and the clicked button as they were.
    void refusedValuesChangeNothing_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("message");
        QTest::newRow("spindle above range")
            << 1017 << "100001" << 1039 << "Please enter a number between 0 and 100000.";
        QTest::newRow("real in the tool number")
            << 1028 << "1e30" << 1027 << "Please enter an integer.";
        QTest::newRow("tool number beyond int")
            << 1028 << "2147483648" << 1077 << "Please enter an integer.";
        QTest::newRow("size beyond float") << 1007 << "1e39" << 1079 << "Please enter a number.";
        QTest::newRow("diameter beyond float")
            << 1007 << "2e38" << 1077
            << "Please enter a number between -1.70141e+38 and 1.70141e+38.";
        QTest::newRow("letters in the stock") << 1013 << "abc" << 1030 << "Please enter a number.";
    }
    void refusedValuesChangeNothing() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, clicked);
        QFETCH(QString, message);
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setReal(host.tool, kTpBrad, 5.0f);
        guitest::setReal(host.tool, kTpCrad, 5.0f);
        guitest::setText(host.tool, kTpZsteptype, "2");
        guitest::setReal(host.tool, kTpDzstep, 1.0f);
        CPageTool page(host);
        page.Load();
        const QStringList before = parametersOf(host.tool);
        edit(&page, field)->setText(typed);
        const bool wasChecked = button(&page, clicked)->isChecked();
        click(&page, clicked);
        QCOMPARE(parametersOf(host.tool), before);
        QCOMPARE(button(&page, clicked)->isChecked(), wasChecked);
        QCOMPARE(checkedCutterType(&page), 1078);
        QVERIFY(button(&page, 1031)->isChecked());
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(presenter.shown[0].text), message);
        QCOMPARE(host.stored, 0);
        QVERIFY(!page.Commit());
    }

    void zStepTypesAndAuto() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setText(host.tool, kTpZsteptype, "2");
        guitest::setReal(host.tool, kTpDzstep, 1.5f);
        CPageTool page(host);
        page.Load();
        QVERIFY(button(&page, 1025)->isChecked());
        QVERIFY(button(&page, 1031)->isChecked());
        QCOMPARE(edit(&page, 1015)->text(), QStringLiteral("1.5"));
        QVERIFY(edit(&page, 1015)->isEnabled());
        QVERIFY(button(&page, 1043)->isEnabled());

        click(&page, 1030);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_ZSTEPTYPE=1", "TP_DZSTEP=0.000"}));
        QVERIFY(!edit(&page, 1015)->isEnabled());
        QVERIFY(!button(&page, 1043)->isEnabled());
        click(&page, 1032);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_ZSTEPTYPE=3", "TP_DZSTEP=0.000"}));
        click(&page, 1031);
        edit(&page, 1015)->setText(QStringLiteral("2"));
        click(&page, 1043);
        QCOMPARE(parametersOf(host.tool), QStringList{"TP_ZSTEPTYPE=2"});
        QVERIFY(!edit(&page, 1015)->isEnabled());
        host.autoFlags = 0x10;
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x18);
        click(&page, 1025);
        QCOMPARE(parametersOf(host.tool), QStringList());
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x10);
    }

    // A type the page cannot show selects its first button, so "0" is never stored.
    void unknownZStepTypesLoadAsNoZStep_data() {
        QTest::addColumn<QString>("toolType");      // empty: the tool has none
        QTest::addColumn<QString>("toolpathType");  // empty: the toolpath has none
        QTest::newRow("code 7") << "7"
                                << "";
        QTest::newRow("not a number") << "x"
                                      << "";
        QTest::newRow("huge negative") << "-99999999999"
                                       << "";
        QTest::newRow("neither has one") << ""
                                         << "";
    }
    void unknownZStepTypesLoadAsNoZStep() {
        QFETCH(QString, toolType);
        QFETCH(QString, toolpathType);
        FakeFieldHost host;
        if (!toolType.isEmpty()) {
            guitest::setText(host.tool, kTpZsteptype, toolType.toStdString());
        }
        if (!toolpathType.isEmpty()) {
            host.toolpath.texts["TP_ZSTEPTYPE"] = toolpathType.toStdString();
        }
        CPageTool page(host);
        page.Load();
        QVERIFY(button(&page, 1030)->isChecked());
        host.tool = ToolParameterSet();
        click(&page, 1025);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_ZSTEPTYPE=1", "TP_DZSTEP=0.000"}));
    }

    void stepoverAuto() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setReal(host.tool, kTpStep, 2.0f);
        host.autoFlags = 0x2;
        CPageTool page(host);
        page.Load();
        QVERIFY(!button(&page, 1042)->isChecked());
        click(&page, 1042);
        QCOMPARE(parametersOf(host.tool), QStringList());
        QVERIFY(!edit(&page, 1014)->isEnabled());
        QVERIFY(button(&page, 1023)->isChecked());
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x3);
        click(&page, 1042);
        QCOMPARE(parametersOf(host.tool), QStringList{"TP_STEP=2.000"});
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x2);
    }

    // With an Auto bit from the tool the check is set although the value is not in the tool.
    void autoBitsFromTheToolSetTheirChecks_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("fromTool");
        QTest::addColumn<bool>("stepoverCheck");
        QTest::addColumn<bool>("zStepCheck");
        QTest::addColumn<int>("committed");
        QTest::newRow("both bits from the tool") << 0x9 << true << true << true << 0x9;
        QTest::newRow("stepover bit") << 0x1 << true << true << false << 0x1;
        // Without their checks the bits do not survive Commit.
        QTest::newRow("bits from the toolpath") << 0x9 << false << false << false << 0x0;
        QTest::newRow("other bits") << 0x32 << true << false << false << 0x32;
    }
    void autoBitsFromTheToolSetTheirChecks() {
        QFETCH(int, flags);
        QFETCH(bool, fromTool);
        FakeFieldHost host;
        fillToolpath(host);
        host.autoFlags = flags;
        host.autoFlagsFromTool = fromTool;
        CPageTool page(host);
        page.Load();
        QTEST(button(&page, 1023)->isChecked(), "stepoverCheck");
        QTEST(button(&page, 1025)->isChecked(), "zStepCheck");
        QCOMPARE(button(&page, 1042)->isChecked(), (flags & 0x1) != 0);
        QCOMPARE(button(&page, 1043)->isChecked(), (flags & 0x8) != 0);
        QVERIFY(!edit(&page, 1014)->isEnabled());
        QVERIFY(page.Commit());
        QTEST(host.autoFlags, "committed");
    }

    // Commit writes typed values into the parameters the tool has and adds none.
    void commitChangesOnlyPresentParameters() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setReal(host.tool, kTpCdiam, 10.0f);
        guitest::setReal(host.tool, kTpCrad, 1.0f);
        guitest::setReal(host.tool, kTpStock, 0.5f);
        guitest::setText(host.tool, kTpComment, "old");
        CPageTool page(host);
        page.Load();
        edit(&page, 1007)->setText(QStringLiteral("6"));
        edit(&page, 1008)->setText(QStringLiteral("2"));
        edit(&page, 1013)->setText(QStringLiteral("0.3"));
        edit(&page, 1011)->setText(QStringLiteral("new"));
        edit(&page, 1012)->setText(QStringLiteral("0.002"));
        QVERIFY(page.Commit());
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_CDIAM=12.000", "TP_CRAD=2.000",
                                                       "TP_STOCK=0.300", "TP_COMMENT=new"}));
        QCOMPARE(host.stored, 0);
    }

    // Set All adds every field of the page with the value it shows.
    void setAllAddsEveryField() {
        FakeFieldHost host;
        fillToolpath(host);
        CPageTool page(host);
        page.Load();
        QVERIFY(page.CheckAll());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_COMMENT=roughing", "TP_CDESC=toolpath cutter", "TP_CPPNUM=12",
                              "TP_BRAD=7.000", "TP_CRAD=0.500", "TP_STOCK=0.200", "TP_TOL=0.010",
                              "TP_STEP=3.000", "TP_ZSTEPTYPE=2", "TP_DZSTEP=1.000",
                              "TP_FRAPPROACH=500.000", "TP_FRCUT=1000.000", "TP_FRRAPID=5000.000",
                              "TP_SPINDLE=8000.000"}));
        QVERIFY(page.IsModified());
        // A second Set All finds every check set.
        const int stored = host.stored;
        QVERIFY(page.CheckAll());
        QCOMPARE(host.stored, stored);
    }

    void setAllStopsAtARefusedValue() {
        guitest::ScriptedPresenter presenter;
        FakeFieldHost host;
        fillToolpath(host);
        CPageTool page(host);
        page.Load();
        edit(&page, 1017)->setText(QStringLiteral("100001"));
        QVERIFY(!page.CheckAll());
        QCOMPARE(parametersOf(host.tool), QStringList());
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(!button(&page, 1020)->isChecked());
    }

    void modifiedState() {
        FakeFieldHost host;
        fillToolpath(host);
        guitest::setText(host.tool, kTpCdesc, "ball 10");
        CPageTool page(host);
        page.Load();
        QVERIFY(!page.IsModified());
        QTest::keyClicks(edit(&page, 1026), "x");
        QVERIFY(page.IsModified());
        page.SetModify(false);
        QVERIFY(!page.IsModified());
        page.SetModify(true);
        QVERIFY(edit(&page, 1017)->isModified());
        page.Load();
        QVERIFY(!page.IsModified());
        click(&page, 1023);
        QVERIFY(page.IsModified());
    }
};

CUTTERBASE_GUI_TEST(ToolPageTest)

#include "pages_tool_test.moc"
