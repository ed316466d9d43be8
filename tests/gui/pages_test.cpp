// The property pages against a fake main window: what the tool, security and Fedrix pages show
// and what their controls do to the tool, and the sheets that hold them.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

#include "gui/framework/dialog_units.h"
#include "gui/framework/language_change.h"
#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "installation_fixture.h"
#include "pages_fake_host.h"
#include "pages_language.h"

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

// The tabs, then captions and accessible names of the tool and security pages.
QString pageCaptions(CSheetTool& sheet) {
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
}

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

    // Set All adds every field of each page; a refused value stops it first.
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
        // The security page's; its minimum width bit reaches the AutoFlags at Commit.
        host.autoFlags = 0x9;
        MachinePage machine(host);
        QVERIFY(machine.CheckAll());
        QCOMPARE(parametersOf(host.tool).mid(14),
                 (QStringList{"TP_APPROACH=2.000", "TP_RETRACT=5.000", "TP_LITYPE=2",
                              "TP_LIRAMP=30.000", "TP_LIRAD=0.000", "TP_STEPTYPE=1"}));
        QVERIFY(button(&machine, 1044)->isChecked() && machine.IsModified() &&
                host.autoFlags == 0x9 && machine.Commit());
        QCOMPARE(host.autoFlags, 0xB);
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
    void leadInCheckAndRefusedRadius() {
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
        // A refused radius stops clicks and Commit until it is mended.
        ScriptedPresenter presenter;
        FakeFieldHost radial(kRadial);
        MachinePage refused(radial);
        const QStringList before = parametersOf(radial.tool);
        edit(&refused, 1019)->setText(QStringLiteral("100001"));
        QCOMPARE(afterClick(radial, &refused, 1031), before);
        click(&refused, 1044);
        QVERIFY(button(&refused, 1032)->isChecked() && !button(&refused, 1044)->isChecked());
        QVERIFY(!refused.Commit());
        QCOMPARE(presenter.shown.size(), std::size_t(3));
        QCOMPARE(presenter.shown[0].text,
                 std::string("Please enter a number between 0 and 100000."));
        edit(&refused, 1019)->setText(QStringLiteral("100000"));
        QVERIFY(refused.Commit());
        QCOMPARE(parametersOf(radial.tool)[2], QStringLiteral("TP_LIRAD=100000.000"));
    }

    // Built-in, or a file's with missing keys; the size label follows the diameter switch.
    void captions() {
        PagesLanguageFile partial(
            "[PAGETOOL]\r\nIDC_TP_DIAM_LB=Durchmesser:\r\nIDC_TP_TYPEBALL=Kugel\r\n");
        FakeFieldHost host;
        host.diameterMode = true;
        host.language = &partial.file();
        CSheetTool translated(host);
        QCOMPARE(pageCaptions(translated), "|, Kugel, Durchmesser:, , , Durchmesser:, , ");
        host.language = nullptr;
        CSheetTool english(host);
        QCOMPARE(pageCaptions(english),
                 "Tool|Security, Ball, Diameter:, Corner Radius:, Security "
                 "Distances, Diameter:, Z-Step Type:, Ramp Angle:");
    }

    // Tab moves through the page as it reads, group by group, not in Set All's order; a field
    // stored from either page marks both pages modified.
    void readingOrderAndModified() {
        FakeFieldHost host;
        host.toolpath.reals = {{"TP_BRAD", 5.0f}, {"TP_APPROACH", 2.0f}};
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
        host.onStored = [&sheet] { sheet.SetModify(true); };
        sheet.ToolPage()->Load();
        sheet.MachinePage()->Load();
        QVERIFY(!sheet.IsModified());
        click(sheet.MachinePage(), 1025);
        QVERIFY(sheet.ToolPage()->IsModified() && sheet.MachinePage()->IsModified());
        sheet.SetModify(false);
        QVERIFY(!sheet.IsModified() && !sheet.ToolPage()->IsModified());
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
        // Three decimals kept; an integer out of range is refused at the store.
        FedrixToolInfo values;
        values.feed_rate_per_tooth = 123456789.123;
        values.max_feed_rate = 2147483647;
        CPageFedrixAdvanced2 advanced(host);
        advanced.Load(values);
        QCOMPARE(edit(&advanced, 1040)->text(), QStringLiteral("123456789.123"));
        FedrixToolInfo stored;
        QVERIFY(advanced.Store(stored));
        QCOMPARE(stored.Entries()[25].text, std::string("123456789.123"));
        CPageFedrixOptimize optimize(host, nullptr);
        optimize.Load(values);
        QVERIFY(!optimize.Store(stored) && presenter.shown.size() == 2);
        QCOMPARE(presenter.shown[1].text,
                 std::string("Please enter a number between 0 and 100000."));
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
            QCOMPARE(pageCaptions(sheet),
                     QString("Werkzeug|Sicherheit|Fedrix, Kugel, %1, Eckenradius:, "
                             "Sicherheitsabstände, %1, Zustellungsart:, Rampenwinkel:")
                         .arg(german ? "Durchmesser:" : "Körperradius:"));
        }
    }
};

CUTTERBASE_GUI_TEST(PropertyPagesTest)

#include "pages_test.moc"
