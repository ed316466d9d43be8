// The about dialog: its texts in English and German, its picture and icon.

#include <QLabel>
#include <QTest>

#include "accessibility_check.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/version_info.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "installation_fixture.h"

namespace {

QString textOf(const QWidget& dialog, int id) {
    return findControl<QLabel>(&dialog, id)->text();
}

// Whether the label's picture drew anything where its middle is.
bool drawn(const QWidget& dialog, int id) {
    const QImage image = findControl<QLabel>(&dialog, id)->pixmap().toImage();
    return !image.isNull() && image.pixelColor(image.rect().center()).alpha() != 0;
}

}  // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCompiledVersionWithCatalogueLabels() {
        guitest::Installation installation;
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About CutterBase"));
        const std::pair<int, QString> texts[] = {
            {AboutDialog::kProductLabel, "Product:"},
            {AboutDialog::kVersionLabel, "Version:"},
            {AboutDialog::kBuildLabel, "Build:"},
            {AboutDialog::kProductField, " Karvex - CutterBase"},
            {AboutDialog::kVersionField, " " + QString::fromStdString(programVersion().version)},
            {AboutDialog::kBuildField, " " + QString::fromStdString(programVersion().build)},
            {AboutDialog::kRightsField, " " + QString::fromStdString(programVersion().rights)},
        };
        for (const auto& [id, text] : texts) {
            QCOMPARE(textOf(about, id), text);
        }
        QVERIFY(drawn(about, AboutDialog::kPictureControl) &&
                drawn(about, AboutDialog::kIconControl));
        QCOMPARE(guitest::namelessControls(&about), QStringList());

        installation.useCatalogue("all");
        AboutDialog german;
        QCOMPARE(german.windowTitle(), QStringLiteral("Über CutterBase"));
        QCOMPARE(textOf(german, AboutDialog::kProductLabel), QStringLiteral("Produkt:"));
    }
};

CUTTERBASE_GUI_TEST(AboutDialogTest)

#include "about_dialog_test.moc"
