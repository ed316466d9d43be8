// The message dialog: the buttons of each set at their slots, growth with the text, keys, titles,
// and the "to All" answers remembered through the catalogue.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "accessibility_check.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/dialogs/message_dialog_presenter.h"
#include "gui/dialogs/message_text.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_catalogue.h"
#include "scripted_presenter.h"
#include "table_rows.h"

namespace {

struct ButtonSet {
    const char* name;
    int set;
    QList<int> controls;
    QStringList captions;
};

const ButtonSet kButtonSets[] = {
    {"0", 0, {1}, {"OK"}},
    {"1", 1, {1, 2}, {"OK", "Cancel"}},
    {"2", 2, {3, 4, 5}, {"&Abort", "&Retry", "&Ignore"}},
    {"3", 3, {6, 7, 2}, {"&Yes", "&No", "Cancel"}},
    {"4", 4, {6, 7}, {"&Yes", "&No"}},
    {"5", 5, {4, 2}, {"&Retry", "Cancel"}},
    {"6", 6, {6, 4009, 7, 4011}, {"&Yes", "Yes to &All", "&No", "N&o to All"}},
    {"7", 7, {6, 4009, 7, 4011, 2}, {"&Yes", "Yes to &All", "&No", "N&o to All", "Cancel"}},
    {"8", 8, {1, 4013, 2}, {"OK", "OK to &All", "Cancel"}},
    {"9 is OK", 9, {1}, {"OK"}},
    {"-1 is OK", -1, {1}, {"OK"}},
};

// The catalogue's language, the icon, the title and the captions of Yes, "No to All" and
// "More..." (parted by '|'), and the catalogue's bytes (nullptr: the installation's). What a
// catalogue lacks or garbles (nothing but blanks, a control character) is built in; blanks
// around an entry are dropped.
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

// Presses a button of the message dialog that the next modal loop shows.
void pressWhenShown(int control, bool* pressed, QString* text = nullptr) {
    QTimer::singleShot(0, [control, pressed, text] {
        if (auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget())) {
            *pressed = true;
            if (text != nullptr) {
                *text = findControl<MessageText>(dialog, MessageDialog::kTextControl)->text();
            }
            QTest::mouseClick(findControl<QPushButton>(dialog, control), Qt::LeftButton);
        }
    });
}

}  // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("CutterBase")); }

    void showsTheButtonsOfTheSetInARow_data() { guitest::addRows(kButtonSets); }
    void showsTheButtonsOfTheSetInARow() {
        const ButtonSet& row = guitest::fetchRow(kButtonSets);
        guitest::Installation installation;
        MessageDialog dialog(QStringLiteral("Text"), row.set, kIconQuestion, false);

        const QList<QPushButton*> shown = shownButtons(dialog);
        QList<int> ids;
        QStringList texts;
        for (QPushButton* button : shown) {
            ids.append(controlId(button));
            texts.append(button->text());
            QCOMPARE(button->width(), dialog.buttonWidth());
            QCOMPARE(button->y(), shown.front()->y());
            QVERIFY(button->y() >= dialog.templateTextRect().bottom());
        }
        QCOMPARE(ids, row.controls);
        QCOMPARE(texts, row.captions);
        QVERIFY(findControl<QPushButton>(&dialog, row.controls.front())->isDefault());
        // Centred, with ten pixels between neighbours (one less where half a width was cut).
        QVERIFY(std::abs(shown.front()->x() + shown.back()->geometry().right() + 1 -
                         dialog.width()) <= 1);
        for (qsizetype i = 1; i < shown.size(); ++i) {
            const int gap = shown[i]->x() - shown[i - 1]->geometry().right() - 1;
            QVERIFY2(gap == 10 || gap == 9, qPrintable(QString::number(gap)));
        }
        QCOMPARE(guitest::namelessControls(&dialog), QStringList());
    }

    void keysAndClosingGiveTheDesignsAnswers() {
        guitest::Installation installation;
        const auto answer = [](int set, const std::function<void(MessageDialog&)>& act) {
            MessageDialog dialog(QStringLiteral("Delete?"), set, kIconQuestion, false);
            dialog.show();
            act(dialog);
            return dialog.result();
        };
        QCOMPARE(answer(kButtonsOk, [](auto& d) { QTest::keyClick(&d, Qt::Key_Return); }),
                 kAnswerOk);
        QCOMPARE(answer(kButtonsYesNo, [](auto& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
                 kAnswerCancel);
        QCOMPARE(answer(kButtonsYesNo, [](auto& d) { QVERIFY(d.close()); }), kAnswerCancel);
        MessageDialog yesNo(QStringLiteral("Delete?"), kButtonsYesNo, kIconQuestion, false);
        QVERIFY(!(yesNo.windowFlags() & Qt::WindowCloseButtonHint));
        // A plain message has the standard captions and the application's name as title.
        MessageDialog plain(QStringLiteral("'x.ncs' ist nicht eine 'Fedrix Tool' Ini-Datei!"),
                            kButtonsYesNo, kIconExclamation, true);
        QCOMPARE(plain.windowTitle(), QStringLiteral("CutterBase"));
        QCOMPARE(findControl<QPushButton>(&plain, kAnswerYes)->text(), QStringLiteral("&Yes"));
    }

    void aLongTextGrowsTheDialogButNeverBeyondTheScreen() {
        guitest::Installation installation;
        MessageDialog small(QStringLiteral("Saved."), kButtonsOk, kIconInformation, false);
        MessageDialog twoLines(QStringLiteral("Saved.\nTwo lines"), kButtonsOk, kIconInformation,
                               false);
        QCOMPARE(twoLines.size(), small.size());
        QCOMPARE(small.verticalGrowth(), 0);
        MessageDialog tall(QStringList(20, QStringLiteral("line")).join(u'\n'), kButtonsYesNo,
                           kIconQuestion, false);
        const int needed = 20 * QFontMetrics(tall.font()).lineSpacing();
        QCOMPARE(tall.verticalGrowth(), needed - tall.templateTextRect().height());
        QCOMPARE(tall.size(), small.size() + QSize(0, tall.verticalGrowth()));
        for (QPushButton* button : shownButtons(tall)) {
            QVERIFY(button->y() >= tall.templateTextRect().top() + needed);
        }
        // The hidden check box and "More..." move down as well.
        auto* check = findControl<QCheckBox>(&tall, MessageDialog::kCheckControl);
        auto* more = findControl<QPushButton>(&tall, MessageDialog::kMoreControl);
        QVERIFY(!check->isVisibleTo(&tall) && !more->isVisibleTo(&tall));
        QVERIFY(more->y() == shownButtons(tall).front()->y() && check->y() == more->y());

        // Tabs are expanded when the text is measured.
        const QString report = QStringLiteral("TP_DIAMETER\t\t\t\t\t\t10.000\t\t12.000");
        MessageDialog wide(report, kButtonsOk, kIconExclamation, false);
        auto* text = findControl<MessageText>(&wide, MessageDialog::kTextControl);
        const int width =
            QFontMetrics(wide.font()).size(Qt::TextExpandTabs, report, text->tabStop()).width();
        QVERIFY(width >= 9 * text->tabStop());
        QCOMPARE(wide.width(), small.width() + width - wide.templateTextRect().width());
        QCOMPARE(wide.verticalGrowth(), 0);
        QVERIFY(text->width() >= width);

        // It never grows beyond the screen.
        MessageDialog huge(QStringList(400, QString(300, u'W')).join(u'\n'), kButtonsOk, kIconStop,
                           false);
        const QSize screen = huge.screen()->availableGeometry().size();
        QVERIFY(huge.width() <= screen.width() && huge.height() <= screen.height());
        for (QPushButton* button : shownButtons(huge)) {
            QVERIFY(button->geometry().bottom() < huge.height());
        }
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

    void noToAllIsRememberedForTheMessage() {
        guitest::Installation installation;
        MessageDialogPresenter presenter;
        MessagePresenter* previous = install_message_presenter(&presenter);
        auto raise = [] {
            return GetCatalogue()->Message(__FILE__, __LINE__, __DATE__, __TIME__, "TEST",
                                           "OVERWRITE", kButtonsYesNoToAllCancel,
                                           make_format_arguments(std::string("T1.wkz")));
        };
        bool pressed = false;
        pressWhenShown(kControlNoToAll, &pressed);
        QCOMPARE(raise(), kAnswerNo);
        QVERIFY(pressed);
        pressed = false;
        pressWhenShown(kAnswerCancel, &pressed);
        QCOMPARE(raise(), kAnswerNo);
        QVERIFY(!pressed);
        QCoreApplication::processEvents();

        // Plain messages remember nothing. A name shows as UTF-8 where it is, else as the
        // installation's code page, as the text around it.
        const std::size_t remembered = GetCatalogue()->RememberedAnswers().size();
        QString shown;
        pressWhenShown(kControlOkToAll, &pressed, &shown);
        QCOMPARE(presenter.PresentPlain("'/M\xC3\xBChle/Fr\xE4se.ncs' \xC4rger",
                                        kButtonsOkToAllCancel, kIconInformation),
                 kAnswerOk);
        QCOMPARE(shown, QStringLiteral("'/Mühle/Fräse.ncs' Ärger"));
        QCOMPARE(GetCatalogue()->RememberedAnswers().size(), remembered);
        install_message_presenter(previous);
    }
};

CUTTERBASE_GUI_TEST(MessageDialogTest)

#include "message_dialog_test.moc"
