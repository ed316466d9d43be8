// The about dialog and the pictures compiled into the program.

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "accessibility_check.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/version_info.h"
#include "gui/framework/control_ids.h"
#include "gui/resources/pictures.h"
#include "gui_test.h"
#include "installation_fixture.h"

namespace {

QString textOf(const QWidget& dialog, int id) {
    return findControl<QLabel>(&dialog, id)->text();
}

// Whether the picture drew anything: some pixel is not transparent.
bool drawn(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCompiledVersionWithCatalogueLabels() {
        guitest::Installation installation;
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About CutterBase"));
        QCOMPARE(textOf(about, AboutDialog::kProductLabel), QStringLiteral("Product:"));
        QCOMPARE(textOf(about, AboutDialog::kVersionLabel), QStringLiteral("Version:"));
        QCOMPARE(textOf(about, AboutDialog::kBuildLabel), QStringLiteral("Build:"));
        QCOMPARE(textOf(about, AboutDialog::kProductField), QStringLiteral(" Karvex - CutterBase"));
        const QString version = textOf(about, AboutDialog::kVersionField);
        QVERIFY2(QRegularExpression(QStringLiteral("^ \\d+(\\.\\d+)+$")).match(version).hasMatch(),
                 qPrintable(version));
        QCOMPARE(textOf(about, AboutDialog::kBuildField),
                 QStringLiteral(" ") + QString::fromStdString(programVersion().build));
        QCOMPARE(textOf(about, AboutDialog::kRightsField),
                 QStringLiteral(" ") + QString::fromStdString(programVersion().rights));
        QVERIFY(drawn(findControl<QLabel>(&about, AboutDialog::kPictureControl)->pixmap()));
        QVERIFY(!findControl<QLabel>(&about, AboutDialog::kIconControl)->pixmap().isNull());
        QCOMPARE(guitest::namelessControls(&about), QStringList());

        installation.useCatalogue("all");
        AboutDialog german;
        QCOMPARE(german.windowTitle(), QStringLiteral("Über CutterBase"));
        QCOMPARE(textOf(german, AboutDialog::kProductLabel), QStringLiteral("Produkt:"));
    }

    void everyPictureIsCompiledIn_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"cutterbase", "about", "flag_ang", "flag_all", "flag_fra", "flag_esp", "flag_sue"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void everyPictureIsCompiledIn() {
        QFETCH(QString, name);
        QVERIFY(drawn(picturePixmap(name, QSize(20, 17))));
    }
};

CUTTERBASE_GUI_TEST(AboutDialogTest)

#include "about_dialog_test.moc"
