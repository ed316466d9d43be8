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

// The title, then the labels and fields.
QStringList textsOf(const AboutDialog& about) {
    QStringList texts{about.windowTitle()};
    for (int id : {AboutDialog::kProductLabel, AboutDialog::kVersionLabel, AboutDialog::kBuildLabel,
                   AboutDialog::kProductField, AboutDialog::kVersionField, AboutDialog::kBuildField,
                   AboutDialog::kRightsField}) {
        texts << findControl<QLabel>(&about, id)->text();
    }
    return texts;
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
        const auto field = [](const std::string& text) {
            return " " + QString::fromStdString(text);
        };
        QCOMPARE(textsOf(about),
                 (QStringList{"About Karvex - CutterBase", "Product:", "Version:", "Build:",
                              " Karvex - CutterBase", field(programVersion().version),
                              field(programVersion().build), field(programVersion().rights)}));
        QVERIFY(drawn(about, AboutDialog::kPictureControl) &&
                drawn(about, AboutDialog::kIconControl));
        QCOMPARE(guitest::namelessControls(&about), QStringList());
        installation.useCatalogue("all");
        QCOMPARE(textsOf(AboutDialog()).mid(0, 2),
                 (QStringList{"Über Karvex - CutterBase", "Produkt:"}));
    }
};

CUTTERBASE_GUI_TEST(AboutDialogTest)

#include "about_dialog_test.moc"
