// The "Tool" and "Security" pages against a fake main window: what they show and what their
// controls do to the tool.

#include <QAccessible>

#include "gui/pages/machine_page.h"
#include "gui/pages/tool_page.h"
#include "installation_fixture.h"
#include "pages_fake_host.h"

using namespace guitest;

namespace {

struct Host : FakeFieldHost {
    explicit Host(std::initializer_list<Given> given = {}) : FakeFieldHost(given) {
        toolpath.texts = {{"TP_COMMENT", "roughing"},
                          {"TP_CDESC", "toolpath cutter"},
                          {"TP_ZSTEPTYPE", "2"},
                          {"TP_LITYPE", "2"},
                          {"TP_STEPTYPE", "1"}};
        toolpath.reals = {{"TP_CDIAM", 14.0f},   {"TP_BRAD", 7.0f},       {"TP_CRAD", 0.5f},
                          {"TP_TOL", 0.01f},     {"TP_STOCK", 0.2f},      {"TP_STEP", 3.0f},
                          {"TP_DZSTEP", 1.0f},   {"TP_FRRAPID", 5000.0f}, {"TP_FRAPPROACH", 500.0f},
                          {"TP_FRCUT", 1000.0f}, {"TP_SPINDLE", 8000.0f}, {"TP_APPROACH", 2.0f},
                          {"TP_RETRACT", 5.0f},  {"TP_LIRAMP", 30.0f},    {"TP_LIRAD", 4.0f}};
        toolpath.integers = {{"TP_CPPNUM", 12}, {"TP_AUTOFLAGS", 0}};
    }
};

struct Page : CPageTool {
    explicit Page(FieldHost& host) : CPageTool(host) { Load(); }
};

// Shown: size, corner, cutter check, ball, flat and bull nose.
struct SizeCase {
    const char* name;
    float bodyRadius, diameter, cornerRadius;  // negative: not in the tool
    bool diameterMode;
    const char* shown;
};

const SizeCase kSizes[] = {
    {"ball within 0.001", 2.0f, -1, 2.0005f, false, "2 2~ x x o o"},
    {"flat", 3.0f, -1, 0.0f, false, "3 0~ x o x o"},
    {"bull nose", 5.0f, -1, 1.0f, false, "5 1 x o o x"},
    {"brad as diameter", 3.0f, -1, 0.0f, true, "6 0~ x o x o"},
    {"cdiam as radius", -1, 10.0f, 1.0f, false, "5 1 x o o x"},
    {"cdiam as diameter", -1, 10.0f, 1.0f, true, "10 1 x o o x"},
    // The check tells whether the tool has TP_CRAD; the corner comes from the toolpath.
    {"no corner radius", 4.0f, -1, -1, false, "4~ 0.5~ o o~ o~ x~"},
    {"nothing from the tool", -1, -1, -1, false, "7~ 0.5~ o o~ o~ x~"},
    // Impossible geometry from a file shows as it is.
    {"corner above the body radius", 8.0f, -1, 100.0f, false, "8 100 x o o x"},
};

// Each plain check adds its parameter with the field's value, and removes it again.
struct CheckCase {
    const char* name;
    int check, field;
    QString typed, stored;
};

const CheckCase kChecks[] = {
    {"description", 1024, 1026, "Fräser Ø10", "TP_CDESC=Fräser Ø10"},
    {"tool number", 1027, 1028, " 7 ", "TP_CPPNUM=7"},
    {"stock", 1021, 1013, "0.25", "TP_STOCK=0.250"},
    {"spindle at its limit", 1039, 1017, "100000", "TP_SPINDLE=100000.000"},
};

// A refused value changes nothing; the corner is checked against the radius, also as diameter.
struct RefusalCase {
    const char *name, *typed, *message;
    int field, clicked;
    bool diameterMode;
};

const RefusalCase kRefusals[] = {
    {"spindle above range", "100001", "a number between 0 and 100000.", 1017, 1039, false},
    {"real in the tool number", "1e30", "an integer.", 1028, 1027, false},
    {"tool number beyond int", "2147483648", "an integer.", 1028, 1077, false},
    {"size beyond float", "1e39", "a number.", 1007, 1079, false},
    {"diameter beyond float", "2e38", "a number between 0 and 1.70141e+38.", 1007, 1077, true},
    {"negative radius", "-5", "a number between 0 and 1.70141e+38.", 1007, 1079, false},
    {"negative diameter", "-10", "a number between 0 and 1.70141e+38.", 1007, 1021, true},
    {"negative corner", "-1", "a number between 0 and 3.40282e+38.", 1008, 1077, false},
    {"corner above the radius", "5.001", "a number between 0 and 5.", 1008, 1021, false},
    {"corner above the diameter's radius", "6", "a number between 0 and 5.", 1008, 1021, true},
    {"letters in the stock", "abc", "a number.", 1013, 1030, false},
};

// Shown: the stepover and Z-step checks and Auto boxes; bits without their checks are dropped.
struct AutoCase {
    const char* name;
    int flags;
    bool fromTool;
    const char* shown;
    int committed;
};

const AutoCase kAutoBits[] = {
    {"both bits from the tool", 0x9, true, "x x x x", 0x9},
    {"stepover bit", 0x1, true, "x o x o~", 0x1},
    {"bits from the toolpath", 0x9, false, "o o x~ x~", 0x0},
    {"other bits", 0x32, true, "o o o~ o~", 0x32},
};

struct MachinePage : CPageMachine {
    explicit MachinePage(FieldHost& host) : CPageMachine(host) { Load(); }
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

class PropertyPagesTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsSizeAndType_data() { addRows(kSizes); }
    void loadShowsSizeAndType() {
        const SizeCase& row = fetchRow(kSizes);
        Host host;
        host.diameterMode = row.diameterMode;
        const std::pair<ParameterIndex, float> given[] = {
            {kTpBrad, row.bodyRadius}, {kTpCdiam, row.diameter}, {kTpCrad, row.cornerRadius}};
        for (const auto& [index, value] : given) {
            if (value >= 0) {
                host.give({{index, value}});
            }
        }
        Page page(host);
        QCOMPARE(shown(&page, {1007, 1008, 1077, 1078, 1079, 1080}), QString(row.shown));
    }

    // A tool that gives its size as a diameter keeps that form; the next tool keeps its own.
    void cutterClicksWriteTheSizeInTheToolsForm() {
        Host host({{kTpCdiam, 10.0f}});
        Page page(host);
        QCOMPARE(afterClick(host, &page, 1077), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=0.500"}));
        QCOMPARE(afterClick(host, &page, 1079), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=0.000"}));
        toggle(&page, 1078);
        QCOMPARE(parametersOf(host.tool), (QStringList{"TP_CDIAM=10.000", "TP_CRAD=5.000"}));
        QVERIFY(!edit(&page, 1008)->isEnabled());
        host.tool = ToolParameterSet();
        host.give({{kTpBrad, 3.0f}, {kTpCrad, 1.0f}});
        page.Load();
        edit(&page, 1007)->setText(QStringLiteral("4"));
        QCOMPARE(afterClick(host, &page, 1079), (QStringList{"TP_BRAD=4.000", "TP_CRAD=0.000"}));
        QCOMPARE(afterClick(host, &page, 1077), QStringList());
    }

    void checksAddAndRemoveTheirParameter_data() { addRows(kChecks); }
    // Typed and ticked with the mouse, then typed and cleared through assistive technology.
    void checksAddAndRemoveTheirParameter() {
        const CheckCase& row = fetchRow(kChecks);
        ScriptedPresenter presenter;
        Host host;
        Page page(host);
        edit(&page, row.field)->setText(row.typed);
        QCOMPARE(afterClick(host, &page, row.check), QStringList{row.stored});
        QVERIFY(edit(&page, row.field)->isEnabled() && host.stored == 1);
        page.SetModify(false);
        QAccessible::queryAccessibleInterface(edit(&page, row.field))
            ->setText(QAccessible::Value, QStringLiteral("9"));
        QVERIFY(page.IsModified());
        toggle(&page, row.check);
        QCOMPARE(parametersOf(host.tool), QStringList());
        QVERIFY(!edit(&page, row.field)->isEnabled() && presenter.shown.empty());
    }

    void refusedValuesChangeNothing_data() { addRows(kRefusals); }
    void refusedValuesChangeNothing() {
        const RefusalCase& row = fetchRow(kRefusals);
        ScriptedPresenter presenter;
        Host host({{kTpBrad, 5.0f}, {kTpCrad, 1.0f}, {kTpZsteptype, "2"}, {kTpDzstep, 1.0f}});
        host.diameterMode = row.diameterMode;
        Page page(host);
        const QStringList before = parametersOf(host.tool);
        edit(&page, row.field)->setText(row.typed);
        const bool wasChecked = button(&page, row.clicked)->isChecked();
        QCOMPARE(afterClick(host, &page, row.clicked), before);
        QCOMPARE(button(&page, row.clicked)->isChecked(), wasChecked);
        QVERIFY(button(&page, 1080)->isChecked() && button(&page, 1031)->isChecked());
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QCOMPARE(presenter.shown[0].text, std::string("Please enter ") + row.message);
        QVERIFY(host.stored == 0 && !page.Commit());
    }

    // Then a type the page cannot show selects its first button, so "0" is never stored.
    void zStepTypesAndAuto() {
        Host host({{kTpZsteptype, "2"}, {kTpDzstep, 1.5f}});
        Page page(host);
        QCOMPARE(shown(&page, {1025, 1031, 1015}), QStringLiteral("x x 1.5"));
        QCOMPARE(afterClick(host, &page, 1030), (QStringList{"TP_ZSTEPTYPE=1", "TP_DZSTEP=0.000"}));
        QVERIFY(!edit(&page, 1015)->isEnabled() && !button(&page, 1043)->isEnabled());
        QCOMPARE(afterClick(host, &page, 1032), (QStringList{"TP_ZSTEPTYPE=3", "TP_DZSTEP=0.000"}));
        click(&page, 1031);
        edit(&page, 1015)->setText(QStringLiteral("2"));
        QCOMPARE(afterClick(host, &page, 1043), QStringList{"TP_ZSTEPTYPE=2"});
        QVERIFY(!edit(&page, 1015)->isEnabled());
        host.autoFlags = 0x10;
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x18);
        QCOMPARE(afterClick(host, &page, 1025), QStringList());
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0x10);
        for (const char* type : {"7", "x", "-99999999999", ""}) {
            FakeFieldHost plain({{kTpZsteptype, type}});
            Page unknown(plain);
            QVERIFY2(button(&unknown, 1030)->isChecked(), type);
            plain.tool = ToolParameterSet();
            QCOMPARE(afterClick(plain, &unknown, 1025),
                     (QStringList{"TP_ZSTEPTYPE=1", "TP_DZSTEP=0.000"}));
        }
    }

    void autoBitsFromTheToolSetTheirChecks_data() { addRows(kAutoBits); }
    void autoBitsFromTheToolSetTheirChecks() {
        const AutoCase& row = fetchRow(kAutoBits);
        Host host;
        host.autoFlags = row.flags;
        host.autoFlagsFromTool = row.fromTool;
        Page page(host);
        QCOMPARE(shown(&page, {1023, 1025, 1042, 1043}), QString(row.shown));
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, row.committed);
    }

    // Commit keeps loaded values, adds none; a text ending in "**" is refused.
    void commitStoresWhatReadsBack() {
        Installation installation;
        ScriptedPresenter presenter;
        Host host({{kTpCdiam, 10.0f}, {kTpCrad, 1.0f}, {kTpStock, 1234.567f}});
        host.give({{kTpTol, 0.001f}, {kTpCdesc, "D10"}});
        host.diameterMode = true;
        Page page(host);
        QVERIFY(page.Commit());
        QCOMPARE(parametersOf(host.tool).mid(2),
                 (QStringList{"TP_STOCK=1234.567", "TP_TOL=0.001", "TP_CDESC=D10"}));
        for (const auto& [id, text] :
             {std::pair{1007, "12"}, {1008, "6"}, {1012, "0.002"}, {1011, "new"}, {1017, "5"}}) {
            edit(&page, id)->setText(QString::fromLatin1(text));
        }
        QVERIFY(page.Commit());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_CDIAM=12.000", "TP_CRAD=6.000", "TP_STOCK=1234.567",
                              "TP_TOL=0.002", "TP_CDESC=D10"}));
        QCOMPARE(host.stored, 0);
        QVERIFY(edit(&page, 1011)->maxLength() == 255 && edit(&page, 1026)->maxLength() == 255);
        edit(&page, 1026)->setText(QStringLiteral("D10 special ** "));
        QVERIFY(!page.Commit());
        QCOMPARE(parametersOf(host.tool).last(), QStringLiteral("TP_CDESC=D10"));
        installation.useCatalogue("all");
        QVERIFY(!page.Commit());
        QCOMPARE(presenter.shown.size(), std::size_t(2));
        QCOMPARE(presenter.shown[0].text,
                 std::string("The text\n\n\t'D10 special ** '\n\nends in \"**\": a tool file takes "
                             "such a line for a comment, and the text would be lost.\nPlease "
                             "change its end."));
        QCOMPARE(presenter.shown[1].text,
                 std::string("Der Text\n\n\t'D10 special ** '\n\nendet auf \"**\": eine "
                             "Werkzeugdatei h\xE4lt eine solche Zeile f\xFCr einen Kommentar, und "
                             "der Text ginge verloren.\nBitte \xE4ndern Sie sein Ende."));
    }

    // Set All adds every field; a refused value stops it first.
    void setAllAddsEveryField() {
        ScriptedPresenter presenter;
        Host host;
        Page page(host);
        edit(&page, 1017)->setText(QStringLiteral("100001"));
        QVERIFY(!page.CheckAll() && presenter.shown.size() == 1);
        QCOMPARE(parametersOf(host.tool), QStringList());
        edit(&page, 1017)->setText(QStringLiteral("8000"));
        QVERIFY(page.CheckAll());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_COMMENT=roughing", "TP_CDESC=toolpath cutter", "TP_CPPNUM=12",
                              "TP_BRAD=7.000", "TP_CRAD=0.500", "TP_STOCK=0.200", "TP_TOL=0.010",
                              "TP_STEP=3.000", "TP_ZSTEPTYPE=2", "TP_DZSTEP=1.000",
                              "TP_FRAPPROACH=500.000", "TP_FRCUT=1000.000", "TP_FRRAPID=5000.000",
                              "TP_SPINDLE=8000.000"}));
        const int stored = host.stored;
        QVERIFY(page.CheckAll() && page.IsModified());
        QCOMPARE(host.stored, stored);
    }

    void loadShowsTheLeadIn_data() { addRows(kLoads); }
    void loadShowsTheLeadIn() {
        const LoadCase& row = fetchRow(kLoads);
        Host host(
            {{kTpLitype, row.type}, {kTpLiramp, 45.0f}, {kTpLirad, 6.0f}, {kTpSteptype, row.step}});
        MachinePage page(host);
        QCOMPARE(shown(&page, {1027, 1030, 1031, 1032, 1018, 1040, 1019, 1041, 1028}),
                 QString(row.shown));
    }

    void leadInClicksStoreTheFourParameters_data() { addRows(kClicks); }
    void leadInClicksStoreTheFourParameters() {
        const ClickCase& row = fetchRow(kClicks);
        FakeFieldHost host(kRadial);
        MachinePage page(host);
        edit(&page, 1018)->setText(row.angle);
        QCOMPARE(afterClick(host, &page, row.radio).join(u' '), row.stored + " TP_STEPTYPE=2");
        QCOMPARE(edit(&page, 1018)->text(), row.shown);
    }

    // The check means "the tool has TP_STEPTYPE" and adds or removes the four.
    void leadInCheckAddsAndRemovesTheFourTogether() {
        Host host({{kTpLitype, "3"}, {kTpApproach, 1.0f}});
        MachinePage page(host);
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
        MachinePage page(host);
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
    void setAllAddsEverySecurityField() {
        Host host;
        host.autoFlags = 0x9;
        MachinePage page(host);
        QVERIFY(page.CheckAll());
        QCOMPARE(parametersOf(host.tool),
                 (QStringList{"TP_APPROACH=2.000", "TP_RETRACT=5.000", "TP_LITYPE=2",
                              "TP_LIRAMP=30.000", "TP_LIRAD=0.000", "TP_STEPTYPE=1"}));
        QVERIFY(button(&page, 1044)->isChecked() && page.IsModified() && host.autoFlags == 0x9);
        QVERIFY(page.Commit());
        QCOMPARE(host.autoFlags, 0xB);
    }
};

CUTTERBASE_GUI_TEST(PropertyPagesTest)

#include "pages_tool_test.moc"
