// Writes pictures of the dialogs and the tool sheet in English and German into the folder named
// by CUTTERBASE_GUI_PICTURES, for a person to look at; skipped without it.

#include <QDir>
#include <QPainter>
#include <QTest>
#include <fstream>

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui/resources/pictures.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_presenter.h"
#include "main_window_fixture.h"
#include "pages_fake_host.h"
#include "pages_language.h"
#include "tool_library_fixture.h"
#include "toolfiles/fedrix_tool_info.h"

namespace {

const char* const kReport =
    "The tool does not fit the toolpath:\n\nParameter\t\tTool\t\tToolpath\n"
    "TP_DIAMETER\t\t10.000\t\t12.000\nTP_CORNER_RADIUS\t0.500\t\t0.000\n"
    "TP_LENGTH\t\t75.000\t\t60.000\nTP_STEPOVER\t\t4.000\t\t6.000\n"
    "TP_FEED_RATE\t\t1200.000\t800.000\n\nUse the tool anyway?";

// A bull-nose tool with a few parameters over a toolpath that has the rest.
struct ExampleHost : guitest::FakeFieldHost {
    ExampleHost()
        : FakeFieldHost({{kTpCdesc, "Torus 10 x 1"},
                         {kTpBrad, 5.0f},
                         {kTpCrad, 1.0f},
                         {kTpFrcut, 1500.0f},
                         {kTpZsteptype, "2"},
                         {kTpDzstep, 0.5f},
                         {kTpApproach, 3.0f}}) {
        toolpath.texts = {{"TP_COMMENT", "Schlichten Kontur"},
                          {"TP_ZSTEPTYPE", "2"},
                          {"TP_LITYPE", "3"},
                          {"TP_STEPTYPE", "2"}};
        toolpath.reals = {
            {"TP_BRAD", 5.0f},        {"TP_CRAD", 1.0f},         {"TP_TOL", 0.01f},
            {"TP_STOCK", 0.2f},       {"TP_STEP", 3.0f},         {"TP_DZSTEP", 1.0f},
            {"TP_FRRAPID", 5000.0f},  {"TP_FRAPPROACH", 500.0f}, {"TP_FRCUT", 1200.0f},
            {"TP_SPINDLE", 12000.0f}, {"TP_APPROACH", 2.0f},     {"TP_RETRACT", 5.0f},
            {"TP_LIRAMP", 30.0f},     {"TP_LIRAD", 4.0f}};
        toolpath.integers = {{"TP_CPPNUM", 12}};
    }
};

}  // namespace

class DialogPictures : public QObject {
    Q_OBJECT

    QString folder_;

    void save(QWidget& widget, const QString& name) {
        QVERIFY2(widget.grab().save(folder_ + u'/' + name + QStringLiteral(".png")),
                 qPrintable(name));
    }

private slots:
    void init() {
        folder_ = qEnvironmentVariable("CUTTERBASE_GUI_PICTURES");
        if (folder_.isEmpty()) {
            QSKIP("CUTTERBASE_GUI_PICTURES names no folder");
        }
        QDir().mkpath(folder_);
    }

    void dialogs() {
        // The flags, the icon and the tree's images at the size the windows draw them, enlarged
        // four times.
        QImage strip(11 * 24, 20, QImage::Format_ARGB32);
        strip.fill(Qt::white);
        {
            QPainter painter(&strip);
            int left = 2;
            for (const char* name : {"flag_ang", "flag_all", "flag_fra", "flag_esp", "flag_sue",
                                     "cutterbase", "tree_root", "tree_folder", "tree_folder_open",
                                     "tree_tool", "tree_tool_fedrix"}) {
                painter.drawPixmap(left, 1, picturePixmap(QString::fromLatin1(name), {20, 17}));
                left += 24;
            }
        }
        QVERIFY(strip.scaled(strip.size() * 4).save(folder_ + QStringLiteral("/pictures.png")));
        QCoreApplication::setApplicationName(QStringLiteral("CutterBase"));
        guitest::Installation installation;
        for (const QString language : {"ang", "all"}) {
            installation.useCatalogue(language.toStdString());
            MessageDialog ok("The tool file was saved.", kButtonsOk, kIconInformation, false);
            save(ok, "message-set0-" + language);
            MessageDialog yesNo("Delete the tool file\n\n\t'/tools/mill/D10.wkz'?", kButtonsYesNo,
                                kIconQuestion, false);
            save(yesNo, "message-set4-" + language);
            MessageDialog report(kReport, kButtonsYesNoToAllCancel, kIconExclamation, false);
            save(report, "message-set7-" + language);
            AboutDialog about;
            save(about, "about-" + language);
        }
    }

    // The tool, security and three Fedrix pages in English and German, the first two with radii
    // and with diameters.
    void toolSheet() {
        guitest::PagesLanguageFile german(guitest::kGermanPageCaptions +
                                          std::string(guitest::kGermanFedrixCaptions));
        FedrixToolInfo info;
        info.min_feed_rate = 900;
        info.max_feed_rate = 1500;
        info.start_depth = 0.4f;
        info.max_depth = 2.0f;
        info.spindle_speed_optimization = true;
        info.number_of_teeth = 4;
        info.feed_rate_per_tooth = 0.05f;
        for (bool inGerman : {false, true}) {
            for (bool diameterMode : {false, true}) {
                ExampleHost host;
                host.diameterMode = diameterMode;
                host.language = inGerman ? &german.file() : nullptr;
                CSheetTool sheet(host);
                sheet.ToolPage()->Load();
                sheet.MachinePage()->Load();
                sheet.ShowFedrixPage(true, false);
                sheet.FedrixPage()->LoadPages(info);
                sheet.resize(sheet.sizeHint());
                sheet.show();
                const QString suffix =
                    QString(inGerman ? "-all" : "-ang") + QString(diameterMode ? "-diameter" : "");
                sheet.setCurrentIndex(0);
                save(sheet, "page-tool" + suffix);
                sheet.setCurrentIndex(1);
                save(sheet, "page-security" + suffix);
                if (diameterMode) {
                    continue;
                }
                sheet.setCurrentIndex(2);
                CSheetFedrix* inner = sheet.FedrixPage()->Sheet();
                const char* const names[] = {"page-fedrix-optimize", "page-fedrix-advanced1",
                                             "page-fedrix-advanced2"};
                for (int page = 0; page < inner->count(); ++page) {
                    inner->setCurrentIndex(page);
                    save(sheet, names[page] + suffix);
                }
            }
        }
    }

    // The main window showing the toolpath's tool, which has Fedrix settings, at its first size
    // and larger, then its Fedrix pages, in English and German.
    void mainWindow() {
        for (const char* language : {"ang", "all"}) {
            guitest::MainWindowFixture fixture(language);
            fixture.env().set("KVX_FEDRIX", "1");
            fixture.tool("bull/d10r2.wkz");
            fixture.tool("bull/d10r2_reground.wkz", "2.500");
            fixture.tool("flat/f6.wkz", "0.000");
            std::ofstream(fixture.libraryFile("bull/d10r2.ncs"), std::ios::binary)
                << ("[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n"
                    "[BASICS]\r\nMin Feed Rate=1080\r\n"
                    "Max Feed Rate=1680\r\nStart Depth=0.26\r\n"
                    "Max Depth=1.3\r\n");
            auto dialog = fixture.open();
            dialog->show();
            for (const QSize size : {QSize(800, 700), QSize(1100, 850)}) {
                dialog->resize(size);
                save(*dialog, QStringLiteral("main-%1-%2x%3")
                                  .arg(QLatin1String(language))
                                  .arg(size.width())
                                  .arg(size.height()));
            }
            dialog->resize(800, 700);
            dialog->Sheet()->setCurrentWidget(dialog->Sheet()->FedrixPage());
            CSheetFedrix* inner = dialog->Sheet()->FedrixPage()->Sheet();
            for (int page = 0; page < inner->count(); ++page) {
                inner->setCurrentIndex(page);
                save(*dialog,
                     QStringLiteral("main-fedrix%1-%2").arg(page + 1).arg(QLatin1String(language)));
            }
        }
    }

    // The small library open down to a selected tool with Fedrix settings.
    void toolTree() {
        guitest::ToolLibrary library;
        CTreeCtrlTool tree;
        tree.resize(260, 240);
        tree.rebuildTree(library.root, true);
        tree.rootItem()->setExpanded(true);
        tree.selectItem(tree.itemToSelect(library.path("x.wkz/inside.wkz")));
        tree.selectItem(tree.itemToSelect(library.path("Ball/B6.wkz")));
        tree.show();
        save(tree, "tree");
    }
};

CUTTERBASE_GUI_TEST(DialogPictures)

#include "pictures_test.moc"
