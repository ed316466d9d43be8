// The message dialog and its presenter, the about and Options dialogs, and the tree's export and
// import menu with its report window.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/exchange_menu.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/dialogs/message_dialog_presenter.h"
#include "gui/dialogs/message_text.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/dialogs/version_info.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_catalogue.h"
#include "scripted_file_chooser.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

namespace {

struct ButtonSet {
    const char* name;
    int set;
    const char* shown;  // "id caption" of each button from the left
};

const ButtonSet kButtonSets[] = {
    {"0", 0, "1 OK"},
    {"1", 1, "1 OK|2 Cancel"},
    {"2", 2, "3 &Abort|4 &Retry|5 &Ignore"},
    {"3", 3, "6 &Yes|7 &No|2 Cancel"},
    {"4", 4, "6 &Yes|7 &No"},
    {"5", 5, "4 &Retry|2 Cancel"},
    {"6", 6, "6 &Yes|4009 Yes to &All|7 &No|4011 N&o to All"},
    {"7", 7, "6 &Yes|4009 Yes to &All|7 &No|4011 N&o to All|2 Cancel"},
    {"8", 8, "1 OK|4013 OK to &All|2 Cancel"},
    {"9 is OK", 9, "1 OK"},
    {"-1 is OK", -1, "1 OK"},
};

// What the catalogue lacks or garbles (blanks only, a control character) is built in.
struct LabelCase {
    const char* name;
    const char* language;
    int icon;
    const char* shown;
    const char* bytes;
};

const LabelCase kLabels[] = {
    {"English", "ang", kIconQuestion, "CutterBase - Question|&Yes|N&o to All|&More...", nullptr},
    {"German", "all", kIconStop, "CutterBase - Fehler|&Ja|N&ein, alle|&Mehr...", nullptr},
    {"garbage", "ang", kIconStop, "CutterBase - Error|&Yes|N&o to All|&More...", "\x01\xFFg\r\n"},
    {"German garbage", "all", kIconQuestion, "CutterBase - Frage|&Ja|N&ein, alle|&Mehr...", "x"},
    {"garbled entries", "ang", kIconStop, "CutterBase - Oops|&Yes|N&o to All|&More...",
     "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n[ERROR_INTERNAL]\r\nERROR= Oops\t\r\n"
     "IDYES=\t \r\nIDNOTOALL=N\x01o\r\nIDC_EG_ERROR_DLG_MORE=\x1B[1mMore\r\n"},
};

QList<QPushButton*> shownButtons(const MessageDialog& dialog) {
    QList<QPushButton*> shown = dialog.findChildren<QPushButton*>();
    shown.removeIf([&](QPushButton* button) { return !button->isVisibleTo(&dialog); });
    std::sort(shown.begin(), shown.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return shown;
}

void pressWhenShown(int control, QString* text) {
    QTimer::singleShot(0, [control, text] {
        if (auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
            *text = findControl<MessageText>(dialog, MessageDialog::kTextControl)->text();
            QTest::mouseClick(findControl<QPushButton>(dialog, control), Qt::LeftButton);
        }
    });
}

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

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("CutterBase")); }

    // Centred, ten pixels apart (nine where half a width was cut).
    void showsTheButtonsOfTheSetInARow_data() { guitest::addRows(kButtonSets); }
    void showsTheButtonsOfTheSetInARow() {
        const ButtonSet& row = guitest::fetchRow(kButtonSets);
        guitest::Installation installation;
        MessageDialog dialog(QStringLiteral("Text"), row.set, kIconQuestion, false);
        const QList<QPushButton*> shown = shownButtons(dialog);
        QStringList texts;
        for (QPushButton* button : shown) {
            texts << QString::number(controlId(button)) + u' ' + button->text();
            QVERIFY(button->width() == dialog.buttonWidth() && button->y() == shown.front()->y());
            QVERIFY(button->y() >= dialog.templateTextRect().bottom());
            const int gap =
                button->x() - shown[std::max(0, int(texts.size()) - 2)]->x() - dialog.buttonWidth();
            QVERIFY2(button == shown.front() || gap == 10 || gap == 9, qPrintable(texts.back()));
        }
        QCOMPARE(texts.join(u'|'), QString::fromUtf8(row.shown));
        QVERIFY(shown.front()->isDefault());
        QVERIFY(std::abs(shown.front()->x() + shown.back()->geometry().right() + 1 -
                         dialog.width()) <= 1);
        QCOMPARE(guitest::namelessControls(&dialog), QStringList());
    }

    // Tabs expanded when measuring; never beyond the screen.
    void aLongTextGrowsTheDialog() {
        guitest::Installation installation;
        MessageDialog small(QStringLiteral("Saved.\nTwo lines"), kButtonsOk, kIconInformation,
                            false);
        QCOMPARE(small.verticalGrowth(), 0);
        MessageDialog tall(QStringList(20, QStringLiteral("line")).join(u'\n'), kButtonsYesNo,
                           kIconQuestion, false);
        const int needed = 20 * QFontMetrics(tall.font()).lineSpacing();
        QCOMPARE(tall.verticalGrowth(), needed - tall.templateTextRect().height());
        QCOMPARE(tall.size(), small.size() + QSize(0, tall.verticalGrowth()));
        const int buttons = shownButtons(tall).front()->y();
        QVERIFY(buttons >= tall.templateTextRect().top() + needed);
        for (const int id : {MessageDialog::kCheckControl, MessageDialog::kMoreControl}) {
            QVERIFY(!findControl(&tall, id)->isVisibleTo(&tall) &&
                    findControl(&tall, id)->y() == buttons);
        }
        // Escape (and so closing) answers Cancel, even without a Cancel button.
        tall.show();
        QTest::keyClick(&tall, Qt::Key_Escape);
        QVERIFY(tall.result() == kAnswerCancel &&
                !(tall.windowFlags() & Qt::WindowCloseButtonHint));

        const QString report = QStringLiteral("TP_DIAMETER\t\t\t\t\t\t10.000\t\t12.000");
        MessageDialog wide(report, kButtonsOk, kIconExclamation, false);
        auto* text = findControl<MessageText>(&wide, MessageDialog::kTextControl);
        const int width =
            QFontMetrics(wide.font()).size(Qt::TextExpandTabs, report, text->tabStop()).width();
        QVERIFY(width >= 9 * text->tabStop() && text->width() >= width);
        QCOMPARE(wide.size(), small.size() + QSize(width - wide.templateTextRect().width(), 0));
        MessageDialog huge(QStringList(400, QString(300, u'W')).join(u'\n'), kButtonsOk, kIconStop,
                           false);
        const QSize screen = huge.screen()->availableGeometry().size();
        QVERIFY(huge.width() <= screen.width() && huge.height() <= screen.height());
        QVERIFY(shownButtons(huge).front()->geometry().bottom() < huge.height());
        MessageDialog plain(QStringLiteral("'x.ncs' ist nicht eine 'Fedrix Tool' Ini-Datei!"),
                            kButtonsYesNo, kIconExclamation, true);
        QCOMPARE(plain.windowTitle() + u'|' + findControl<QPushButton>(&plain, kAnswerYes)->text(),
                 QStringLiteral("CutterBase|&Yes"));
    }

    void titlesAndCaptions_data() { guitest::addRows(kLabels); }
    void titlesAndCaptions() {
        const LabelCase& row = guitest::fetchRow(kLabels);
        guitest::Installation installation;
        guitest::ScriptedPresenter quiet;  // the catalogue's own message about a garbage file
        if (row.bytes != nullptr) {
            installation.writeText(std::string("TalmorError.") + row.language, row.bytes);
        }
        installation.useCatalogue(row.language);
        MessageDialog dialog(QStringLiteral("?"), kButtonsYesNoToAll, row.icon, false);
        QStringList shown{dialog.windowTitle()};
        for (int id : {kAnswerYes, kControlNoToAll, MessageDialog::kMoreControl}) {
            shown << findControl<QPushButton>(&dialog, id)->text();
        }
        QCOMPARE(shown.join(u'|'), QString::fromUtf8(row.shown));
    }

    // Plain messages remember nothing; names show as UTF-8 where they are, else in the code page.
    void noToAllIsRememberedForTheMessage() {
        guitest::Installation installation;
        MessageDialogPresenter presenter;
        MessagePresenter* previous = install_message_presenter(&presenter);
        auto raise = [] {
            return GetCatalogue()->Message(__FILE__, __LINE__, __DATE__, __TIME__, "TEST",
                                           "OVERWRITE", kButtonsYesNoToAllCancel,
                                           make_format_arguments(std::string("T1.wkz")));
        };
        QString shown;
        pressWhenShown(kControlNoToAll, &shown);
        QCOMPARE(raise(), kAnswerNo);
        shown.clear();
        pressWhenShown(kAnswerCancel, &shown);
        QCOMPARE(raise(), kAnswerNo);
        QVERIFY(shown.isEmpty());
        QCoreApplication::processEvents();
        const std::size_t remembered = GetCatalogue()->RememberedAnswers().size();
        pressWhenShown(kControlOkToAll, &shown);
        QCOMPARE(presenter.PresentPlain("'/M\xC3\xBChle/Fr\xE4se.ncs' \xC4rger",
                                        kButtonsOkToAllCancel, kIconInformation),
                 kAnswerOk);
        QCOMPARE(shown, QStringLiteral("'/Mühle/Fräse.ncs' Ärger"));
        QCOMPARE(GetCatalogue()->RememberedAnswers().size(), remembered);
        install_message_presenter(previous);
    }

    void showsTheCompiledVersionWithCatalogueLabels() {
        guitest::Installation installation;
        AboutDialog about;
        const VersionInfo& version = programVersion();
        QCOMPARE(textsOf(about).join('|').toStdString(),
                 "About Karvex - CutterBase|Product:|Version:|Build:| Karvex - CutterBase| " +
                     version.version + "| " + version.build + "| " + version.rights);
        QVERIFY(drawn(about, AboutDialog::kPictureControl) &&
                drawn(about, AboutDialog::kIconControl));
        QCOMPARE(guitest::namelessControls(&about), QStringList());
        installation.useCatalogue("all");
        QCOMPARE(textsOf(AboutDialog()).mid(0, 2),
                 (QStringList{"Über Karvex - CutterBase", "Produkt:"}));
    }

    void optionsDialog() {
        COptionsDlg options("/tools/lib");
        QVERIFY(!findControl(&options, COptionsDlg::kColumnListPlaceholder)->isVisibleTo(&options));
        QStringList shown{
            options.windowTitle(),
            findControl<QLineEdit>(&options, COptionsDlg::kDirectoryEdit)->text(),
            findControl<QCheckBox>(&options, COptionsDlg::kInconsistenciesCheck)->text()};
        for (int row = 0; row < options.columnList()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = options.columnList()->topLevelItem(row);
            shown << item->text(0) + item->text(1) + item->text(2) +
                         (item->checkState(0) == Qt::Unchecked ? "" : " checked");
        }
        QCOMPARE(shown, QStringList({"Options", "/tools/lib", "Tool Inconsistencies",
                                     "Werkzeugradius", "Eckenradius", "Aufmaß"}));
        QCOMPARE(guitest::namelessControls(&options), QStringList());

        // OK takes the directory made absolute; a non-directory is refused and the dialog stays.
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

    // The tree's menu in the catalogue's language; its commands through the chooser and report.
    void exportAndImport() {
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
        testsupport::TempDir root;
        root.write("lib/Bull/d10.wkz",
                   "D:  &TP_CDESC=Bull D10\nB:  &TP_BRAD=5.000\n"
                   "C:  &TP_CRAD=2.000\nN:  &TP_CPPNUM=7\n");
        root.write("lib/flat.wkz", "D:  &TP_CDIAM=8.000\n");
        guitest::ScriptedFileChooser chooser;
        chooser.saveFiles.push_back(root.file("out/lib.csv"));
        root.mkdir("out");
        QStringList shown = guitest::reportOf([&] { ExportFolderAsked(&owner, root.file("lib")); });
        QCOMPARE(shown, (QStringList{
                            "1 files written: " + QString::fromStdString(root.file("out/lib.csv")),
                            "Nothing was lost."}));
        QCOMPARE(chooser.saveRequests.at(0).filter.substr(0, 18),
                 std::string("Tool table (*.tbl)"));
        QVERIFY(testsupport::read_file(root.file("out/lib.csv")).starts_with("path,"));

        chooser.openFiles = {root.file("out/lib.csv"), root.file("out/lib.csv")};
        int rebuilt = 0;
        const std::string into = root.mkdir("into");
        shown = guitest::reportOf([&] { ImportIntoFolderAsked(&owner, into, [&] { ++rebuilt; }); });
        QCOMPARE(shown.value(0), QString("2 tool files written, 0 replaced, 0 skipped, 0 failed."));
        QCOMPARE(rebuilt, 1);
        QVERIFY(testsupport::read_file(into + "/Bull/d10.wkz").find("TP_CRAD=2.000") !=
                std::string::npos);
        // Again, in German: every tool skipped and named in the report, nothing to rebuild.
        installation.useCatalogue("all");
        QCOMPARE(captions().mid(1), (QStringList{"exchangeExportAction=Exportieren...",
                                                 "exchangeImportAction=In diesen Ordner "
                                                 "importieren..."}));
        shown = guitest::reportOf([&] { ImportIntoFolderAsked(&owner, into, [&] { ++rebuilt; }); });
        QCOMPARE(shown.value(1).count("Datei existiert, \u00FC"
                                      "bersprungen"),
                 2);
        QCOMPARE(rebuilt, 1);
    }
};

CUTTERBASE_GUI_TEST(DialogsTest)

#include "dialogs_test.moc"
