// The about dialog: its texts in English and German, its picture and icon.

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

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

// Whether the picture drew anything: some pixel is not transparent.
bool drawn(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(),
                       [](QRgb pixel) { return qAlpha(pixel) != 0; });
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
            {AboutDialog::kBuildField, " " + QString::fromStdString(programVersion().build)},
            {AboutDialog::kRightsField, " " + QString::fromStdString(programVersion().rights)},
        };
        for (const auto& [id, text] : texts) {
            QCOMPARE(textOf(about, id), text);
        }
        const QString version = textOf(about, AboutDialog::kVersionField);
        QVERIFY2(QRegularExpression(QStringLiteral("^ \\d+(\\.\\d+)+$")).match(version).hasMatch(),
                 qPrintable(version));
        QVERIFY(drawn(findControl<QLabel>(&about, AboutDialog::kPictureControl)->pixmap()));
        QVERIFY(drawn(findControl<QLabel>(&about, AboutDialog::kIconControl)->pixmap()));
        QCOMPARE(guitest::namelessControls(&about), QStringList());

        installation.useCatalogue("all");
        AboutDialog german;
        QCOMPARE(german.windowTitle(), QStringLiteral("Über CutterBase"));
        QCOMPARE(textOf(german, AboutDialog::kProductLabel), QStringLiteral("Produkt:"));
    }
};

CUTTERBASE_GUI_TEST(AboutDialogTest)

#include "about_dialog_test.moc"
