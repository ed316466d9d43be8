// Writes pictures of the dialogs in English and German into the folder named by
// CUTTERBASE_GUI_PICTURES, for a person to look at; skipped without it.

#include <QDir>
#include <QPainter>
#include <QTest>

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/resources/pictures.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_presenter.h"

namespace {

const char* const kReport =
    "The tool does not fit the toolpath:\n"
    "\n"
    "Parameter\t\tTool\t\tToolpath\n"
    "TP_DIAMETER\t\t10.000\t\t12.000\n"
    "TP_CORNER_RADIUS\t0.500\t\t0.000\n"
    "TP_LENGTH\t\t75.000\t\t60.000\n"
    "TP_STEPOVER\t\t4.000\t\t6.000\n"
    "TP_FEED_RATE\t\t1200.000\t800.000\n"
    "\n"
    "Use the tool anyway?";

}  // namespace

class DialogPictures : public QObject {
    Q_OBJECT

private slots:
    void writePictures() {
        const QString folder = qEnvironmentVariable("CUTTERBASE_GUI_PICTURES");
        if (folder.isEmpty()) {
            QSKIP("CUTTERBASE_GUI_PICTURES names no folder");
        }
        QDir().mkpath(folder);
        // The flags and the icon at the size the windows draw them, enlarged four times.
        QImage strip(6 * 24, 20, QImage::Format_ARGB32);
        strip.fill(Qt::white);
        {
            QPainter painter(&strip);
            int left = 2;
            for (const char* name :
                 {"flag_ang", "flag_all", "flag_fra", "flag_esp", "flag_sue", "cutterbase"}) {
                painter.drawPixmap(left, 1, picturePixmap(QString::fromLatin1(name), {20, 17}));
                left += 24;
            }
        }
        QVERIFY(strip.scaled(strip.size() * 4).save(folder + QStringLiteral("/pictures.png")));
        QCoreApplication::setApplicationName(QStringLiteral("CutterBase"));
        guitest::Installation installation;
        for (const char* language : {"ang", "all"}) {
            installation.useCatalogue(language);
            const QString suffix = QString::fromLatin1(language) + QStringLiteral(".png");
            MessageDialog ok(QStringLiteral("The tool file was saved."), kButtonsOk,
                             kIconInformation, false);
            QVERIFY(ok.grab().save(folder + QStringLiteral("/message-set0-") + suffix));
            MessageDialog yesNo(QStringLiteral("Delete the tool file\n\n\t'/tools/mill/D10.wkz'?"),
                                kButtonsYesNo, kIconQuestion, false);
            QVERIFY(yesNo.grab().save(folder + QStringLiteral("/message-set4-") + suffix));
            MessageDialog report(QString::fromLatin1(kReport), kButtonsYesNoToAllCancel,
                                 kIconExclamation, false);
            QVERIFY(report.grab().save(folder + QStringLiteral("/message-set7-") + suffix));
            AboutDialog about;
            QVERIFY(about.grab().save(folder + QStringLiteral("/about-") + suffix));
        }
    }
};

CUTTERBASE_GUI_TEST(DialogPictures)

#include "pictures_test.moc"
