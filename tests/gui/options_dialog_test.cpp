// The Options dialog: its directory edit, Browse through the file chooser, OK and Cancel, and
// the column list nobody reads.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "accessibility_check.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "language/message_presenter.h"
#include "scripted_file_chooser.h"

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheDirectoryAndTheUnreadColumnList() {
        COptionsDlg dialog("/tools/lib");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(findControl<QLineEdit>(&dialog, COptionsDlg::kDirectoryEdit)->text(),
                 QStringLiteral("/tools/lib"));
        QCOMPARE(findControl<QCheckBox>(&dialog, COptionsDlg::kInconsistenciesCheck)->text(),
                 QStringLiteral("Tool Inconsistencies"));
        QVERIFY(!findControl(&dialog, COptionsDlg::kColumnListPlaceholder)->isVisibleTo(&dialog));
        QTreeWidget* columns = dialog.columnList();
        QCOMPARE(columns->topLevelItemCount(), 3);
        const QStringList third{"Werkzeugradius", "Eckenradius", "Aufmaß"};
        for (int row = 0; row < 3; ++row) {
            const QTreeWidgetItem* item = columns->topLevelItem(row);
            QCOMPARE(item->text(0) + item->text(1), QString());
            QCOMPARE(item->text(2), third[row]);
            QCOMPARE(item->checkState(0), Qt::Unchecked);
        }
        QCOMPARE(guitest::namelessControls(&dialog), QStringList());
    }

    void browseOkAndCancel() {
        guitest::ScriptedFileChooser chooser;
        chooser.directories = {std::nullopt, "/other/tools"};
        // buttons pressed, directory the dialog hands over, its result
        const std::tuple<QList<int>, std::string, int> cases[] = {
            {{COptionsDlg::kBrowseButton, kAnswerOk}, "/typed", QDialog::Accepted},
            {{COptionsDlg::kBrowseButton, kAnswerOk}, "/other/tools", QDialog::Accepted},
            {{kAnswerCancel}, "/tools/lib", QDialog::Rejected},
        };
        for (const auto& [buttons, directory, result] : cases) {
            COptionsDlg dialog("/tools/lib");
            auto* edit = findControl<QLineEdit>(&dialog, COptionsDlg::kDirectoryEdit);
            edit->setText(QStringLiteral("/typed"));
            for (const int button : buttons) {
                QTest::mouseClick(findControl<QPushButton>(&dialog, button), Qt::LeftButton);
            }
            QCOMPARE(dialog.result(), result);
            QCOMPARE(dialog.toolDirectory(), directory);
        }
        QCOMPARE(chooser.directoryTitles,
                 std::vector<std::string>(2, std::string("Choose Tool Directory")));
    }
};

CUTTERBASE_GUI_TEST(OptionsDialogTest)

#include "options_dialog_test.moc"
