// The Options dialog: directory, Browse, OK and Cancel, the unread column list.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "accessibility_check.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_presenter.h"
#include "scripted_file_chooser.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

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
        QStringList columns;
        for (int row = 0; row < dialog.columnList()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = dialog.columnList()->topLevelItem(row);
            columns << item->text(0) + item->text(1) + item->text(2) +
                           (item->checkState(0) == Qt::Unchecked ? "" : " checked");
        }
        QCOMPARE(columns, QStringList({"Werkzeugradius", "Eckenradius", "Aufmaß"}));
        QCOMPARE(guitest::namelessControls(&dialog), QStringList());
    }

    // OK takes the directory made absolute; a non-directory is refused and the dialog stays.
    void browseOkAndCancel() {
        guitest::ScriptedFileChooser chooser;
        chooser.directories = {std::nullopt, "/other/tools"};
        guitest::Installation installation;
        guitest::ScriptedPresenter presenter;
        const std::string current = std::filesystem::current_path().string();
        const testsupport::TempDir temp;
        const std::string file = temp.write("plain.wkz", "");
        // typed, buttons pressed, directory the dialog hands over, its result (0: still open)
        const std::tuple<std::string, QList<int>, std::string, int> cases[] = {
            {"/typed/", {COptionsDlg::kBrowseButton, kAnswerOk}, "/typed", QDialog::Accepted},
            {"/typed", {COptionsDlg::kBrowseButton, kAnswerOk}, "/other/tools", QDialog::Accepted},
            {"/typed", {kAnswerCancel}, "/tools/lib", QDialog::Rejected},
            {"missing/../tools", {kAnswerOk}, current + "/tools", QDialog::Accepted},
            {file, {kAnswerOk}, "/tools/lib", 0},
        };
        for (const auto& [typed, buttons, directory, result] : cases) {
            COptionsDlg dialog("/tools/lib");
            dialog.show();
            auto* edit = findControl<QLineEdit>(&dialog, COptionsDlg::kDirectoryEdit);
            edit->setText(QString::fromStdString(typed));
            for (const int button : buttons) {
                QTest::mouseClick(findControl<QPushButton>(&dialog, button), Qt::LeftButton);
            }
            QCOMPARE(dialog.isVisible() ? 0 : dialog.result(), result);
            QCOMPARE(dialog.toolDirectory(), directory);
        }
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(presenter.shown[0].text.find("'" + file + "'\n\nis not a directory") !=
                std::string::npos);
        QCOMPARE(chooser.directoryTitles,
                 std::vector<std::string>(2, std::string("Choose Tool Directory")));
    }
};

CUTTERBASE_GUI_TEST(OptionsDialogTest)

#include "options_dialog_test.moc"
