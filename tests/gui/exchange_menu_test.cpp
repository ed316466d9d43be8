// The tree's export and import menu: its captions in English and German, export and import
// through the file chooser with the format its filter gives, and the report window.

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "accessibility_check.h"
#include "gui/dialogs/exchange_menu.h"
#include "gui/dialogs/exchange_report_dialog.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "scripted_file_chooser.h"

namespace {

class ExchangeChooser : public guitest::ScriptedFileChooser {
public:
    std::optional<std::string> choose_open_file(void*, const SaveFileRequest& request) override {
        openRequests.push_back(request);
        return openFile;
    }
    std::optional<std::string> openFile;
    std::vector<SaveFileRequest> openRequests;
};

// Runs `command`, closing the report window it opens; the report's summary and text.
QStringList reportOf(const std::function<void()>& command) {
    QStringList shown;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* report = qobject_cast<ExchangeReportDialog*>(widget);
            if (report != nullptr && report->isVisible()) {
                shown << report->findChild<QLabel*>(ExchangeReportDialog::kSummaryName)->text()
                      << report->reportText() << guitest::namelessControls(report);
                report->reject();
            }
        }
    });
    timer.start(10);
    command();
    return shown;
}

}  // namespace

class ExchangeMenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuCaptionsFollowTheLanguage() {
        guitest::Installation installation;
        QWidget owner;
        const auto captions = [&owner] {
            std::unique_ptr<QMenu> menu(CreateExchangeMenu(&owner, "/x", {}));
            QStringList texts{menu->accessibleName()};
            for (QAction* action : menu->actions()) {
                texts << action->objectName() + "=" + action->text();
            }
            return texts;
        };
        QCOMPARE(captions(),
                 (QStringList{"Export, Import into this folder", "exchangeExportAction=Export...",
                              "exchangeImportAction=Import into this folder..."}));
        installation.useCatalogue("all");
        QCOMPARE(captions().mid(1), (QStringList{"exchangeExportAction=Exportieren...",
                                                 "exchangeImportAction=In diesen Ordner "
                                                 "importieren..."}));
    }

    void exportThenImportGoThroughTheChooserAndReport() {
        guitest::Installation installation;
        testsupport::TempDir root;
        root.write("lib/Bull/d10.wkz",
                   "D:  &TP_CDESC=Bull D10\nB:  &TP_BRAD=5.000\n"
                   "C:  &TP_CRAD=2.000\nN:  &TP_CPPNUM=7\n");
        root.write("lib/flat.wkz", "D:  &TP_CDIAM=8.000\n");
        ExchangeChooser chooser;
        chooser.saveFiles.push_back(root.file("out/lib.csv"));
        root.mkdir("out");
        QWidget owner;
        QStringList shown = reportOf([&] { ExportFolderAsked(&owner, root.file("lib")); });
        QCOMPARE(shown, (QStringList{
                            "1 files written: " + QString::fromStdString(root.file("out/lib.csv")),
                            "Nothing was lost."}));
        QCOMPARE(chooser.saveRequests.at(0).filter.substr(0, 18),
                 std::string("Tool table (*.tbl)"));
        QVERIFY(testsupport::read_file(root.file("out/lib.csv")).starts_with("path,"));

        chooser.openFile = root.file("out/lib.csv");
        int rebuilt = 0;
        const std::string into = root.mkdir("into");
        shown = reportOf([&] { ImportIntoFolderAsked(&owner, into, [&] { ++rebuilt; }); });
        QCOMPARE(shown.value(0), QString("2 tool files written, 0 replaced, 0 skipped, 0 failed."));
        QCOMPARE(rebuilt, 1);
        QVERIFY(testsupport::read_file(into + "/Bull/d10.wkz").find("TP_CRAD=2.000") !=
                std::string::npos);
        // Again: nothing replaced, every tool skipped and named in the report.
        shown = reportOf([&] { ImportIntoFolderAsked(&owner, into, [&] { ++rebuilt; }); });
        QCOMPARE(shown.value(0), QString("0 tool files written, 0 replaced, 2 skipped, 0 failed."));
        QCOMPARE(shown.value(1).count("file exists, skipped"), 2);
        QCOMPARE(rebuilt, 1);
        installation.useCatalogue("all");
        shown = reportOf([&] { ImportIntoFolderAsked(&owner, into, {}); });
        QCOMPARE(shown.value(1).count("Datei existiert, \u00FC"
                                      "bersprungen"),
                 2);
    }
};

CUTTERBASE_GUI_TEST(ExchangeMenuTest)

#include "exchange_menu_test.moc"
