// Pictures of the main window searching the library and showing the library check's findings,
// in English and German, at its first size and larger, in the folder CUTTERBASE_GUI_PICTURES
// names, for a person to look at.

#include <QDir>
#include <QTest>

#include "gui/framework/control_ids.h"
#include "gui/main/main_dialog_controls.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "gui_test.h"
#include "main_window_fixture.h"

class SearchPictures : public QObject {
    Q_OBJECT

    QString folder_ = qEnvironmentVariable("CUTTERBASE_GUI_PICTURES");

    void save(QWidget& widget, const QString& name) {
        for (const auto& [width, height] : {std::pair{800, 700}, {1100, 850}}) {
            widget.resize(width, height);
            const QString file =
                QString("%1/%2-%3x%4.png").arg(folder_, name).arg(width).arg(height);
            QVERIFY2(QDir().mkpath(folder_) && widget.grab().save(file), qPrintable(file));
        }
    }

private slots:
    void init() {
        if (folder_.isEmpty()) {
            QSKIP("CUTTERBASE_GUI_PICTURES names no folder");
        }
    }

    // The toolpath's folder with a tool whose corner radius exceeds its radius, shown with its
    // findings; then the matches of a query and the error of a malformed one.
    void searchAndFindings() {
        for (const QString language : {"ang", "all"}) {
            guitest::MainWindowFixture fixture(language.toStdString());
            fixture.tool("bull/d10r2.wkz");
            fixture.tool("bull/d10r2_reground.wkz", "2.500");
            fixture.tool("bull/d10r6_wrong.wkz", "6.000");
            fixture.tool("bull/long reach/d10r1.wkz", "1.000");
            fixture.tool("flat/f10.wkz", "0.000");
            auto dialog = fixture.open();
            dialog->show();
            QTRY_VERIFY(dialog->Search()->indexReady());
            QVERIFY(guitest::selectInTree(*dialog, fixture.libraryFile("bull/d10r6_wrong.wkz")));
            save(*dialog, "main-findings-" + language);
            auto* box = findControl<ToolSearchBox>(dialog.get(), main_ids::kToolSearch);
            QTest::keyClicks(box, "d10");
            save(*dialog, "main-search-" + language);
            QTest::keyClicks(box, " shape:cone");
            save(*dialog, "main-search-error-" + language);
        }
    }

    // Typed before a library of 5,000 tools is read: the progress in the list (when the picture
    // is taken in time).
    void progress() {
        guitest::MainWindowFixture fixture;
        for (int i = 0; i < 5000; ++i) {
            fixture.tool("many/t" + std::to_string(i) + ".wkz");
        }
        auto dialog = fixture.open();
        QTest::keyClicks(findControl<ToolSearchBox>(dialog.get(), main_ids::kToolSearch), "t1");
        dialog->show();
        QTest::qWait(150);
        save(*dialog, "main-search-progress-ang");
    }
};

CUTTERBASE_GUI_TEST(SearchPictures)

#include "search_pictures_test.moc"
