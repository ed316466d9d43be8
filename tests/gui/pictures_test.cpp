// Pictures in English and German in the folder CUTTERBASE_GUI_PICTURES names, for a person to
// look at: the dialogs, the main window with each page, searching and the check's findings.

#include <QDir>

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/dialogs/startup_failure.h"
#include "gui/framework/installation_text.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "language/message_presenter.h"
#include "main_window_fixture.h"

class DialogPictures : public QObject {
    Q_OBJECT

    QString folder_ = qEnvironmentVariable("CUTTERBASE_GUI_PICTURES");

    void save(QWidget&& widget, const QString& name) { save(widget, name); }
    void save(QWidget& widget, const QString& name) {
        QVERIFY2(QDir().mkpath(folder_) && widget.grab().save(folder_ + u'/' + name + ".png"),
                 qPrintable(name));
    }
    // At the window's first size and larger.
    void saveSizes(QWidget& widget, const QString& name) {
        for (const auto& [width, height] : {std::pair{800, 700}, {1100, 850}}) {
            widget.resize(width, height);
            save(widget, QString("%1-%2x%3").arg(name).arg(width).arg(height));
        }
    }

private slots:
    void init() {
        if (folder_.isEmpty()) {
            QSKIP("CUTTERBASE_GUI_PICTURES names no folder");
        }
    }

    void dialogs() {
        QCoreApplication::setApplicationName(QStringLiteral("CutterBase"));
        guitest::Installation installation;
        for (const QString language : {"ang", "all"}) {
            installation.useCatalogue(language.toStdString());
            save(AboutDialog(), "about-" + language);
            qputenv("KVXLANG", language.toLatin1());
            save(MessageDialog(fromInstallationText(startupFailureText(
                                   "The environment variable 'KVXHOME' is not defined\n")),
                               kButtonsOk, kIconStop, true),
                 "message-startup-" + language);
        }
    }

    // Both sizes, every page, radii and diameters; a tool's findings, a search's matches and error.
    void mainWindow() {
        for (const QString language : {"ang", "all"}) {
            guitest::MainWindowFixture fixture(language.toStdString());
            fixture.env().set("KVX_FEDRIX", "1");
            fixture.tool("bull/d10r2.wkz");
            fixture.tool("bull/d10r2_reground.wkz", "2.500");
            fixture.tool("bull/d10r6_wrong.wkz", "6.000");
            fixture.tool("bull/long reach/d10r1.wkz", "1.000");
            fixture.tool("flat/f6.wkz", "0.000");
            fixture.write(
                "bull/d10r2.ncs",
                "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n[BASICS]\r\nMin Feed "
                "Rate=1080\r\nMax Feed Rate=1680\r\nStart Depth=0.26\r\nMax Depth=1.3\r\n");
            for (const QString mode : {"-diameter", ""}) {
                fixture.env().set("KVXUSERAD", mode.isEmpty() ? "radius" : "diameter");
                auto dialog = fixture.open();
                dialog->show();
                for (const auto& [width, height] : {std::pair{1100, 850}, {800, 700}}) {
                    dialog->resize(width, height);
                    save(*dialog,
                         "main-" + language + QString("-%1x%2").arg(width).arg(height) + mode);
                }
                dialog->Sheet()->setCurrentIndex(1);
                save(*dialog, "main-security-" + language + mode);
                if (!mode.isEmpty()) {
                    continue;
                }
                CSheetFedrix* inner = dialog->Sheet()->FedrixPage()->Sheet();
                dialog->Sheet()->setCurrentWidget(dialog->Sheet()->FedrixPage());
                for (int page = 0; page < inner->count(); ++page) {
                    inner->setCurrentIndex(page);
                    save(*dialog, QString("main-fedrix%1-%2").arg(page + 1).arg(language));
                }
                QTRY_VERIFY(dialog->Search()->indexReady());
                QVERIFY(
                    guitest::selectInTree(*dialog, fixture.libraryFile("bull/d10r6_wrong.wkz")));
                saveSizes(*dialog, "main-findings-" + language);
                auto* box = findControl<ToolSearchBox>(dialog.get(), main_ids::kToolSearch);
                QTest::keyClicks(box, "d10");
                saveSizes(*dialog, "main-search-" + language);
                QTest::keyClicks(box, " shape:cone");
                saveSizes(*dialog, "main-search-error-" + language);
            }
        }
    }

    // Typed before 5,000 tools are read: the progress in the list, if taken in time.
    void progress() {
        guitest::MainWindowFixture fixture;
        for (int i = 0; i < 5000; ++i) {
            fixture.tool("many/t" + std::to_string(i) + ".wkz");
        }
        auto dialog = fixture.open();
        QTest::keyClicks(findControl<ToolSearchBox>(dialog.get(), main_ids::kToolSearch), "t1");
        dialog->show();
        QTest::qWait(150);
        saveSizes(*dialog, "main-search-progress-ang");
    }
};

CUTTERBASE_GUI_TEST(DialogPictures)

#include "pictures_test.moc"
