// The message dialog: the buttons of each set at their slots, growth with the text, keys, titles,
// and the "to All" answers remembered through the catalogue.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "accessibility_check.h"
#include "gui/dialogs/message_dialog.h"
#include "gui/dialogs/message_dialog_presenter.h"
#include "gui/dialogs/message_text.h"
#include "gui/framework/control_ids.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_catalogue.h"

namespace {

QList<QPushButton*> shownButtons(const MessageDialog& dialog) {
    QList<QPushButton*> shown;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isVisibleTo(&dialog)) {
            shown.append(button);
        }
    }
    std::sort(shown.begin(), shown.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return shown;
}

QString lines(int count, const QString& line) {
    QStringList all;
    for (int i = 0; i < count; ++i) {
        all.append(line);
    }
    return all.join(u'\n');
}

// Presses a button of the message dialog that the next modal loop shows.
void pressWhenShown(int control, bool* pressed = nullptr) {
    QTimer::singleShot(0, [control, pressed] {
        auto* dialog = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (pressed != nullptr) {
            *pressed = true;
        }
        QTest::mouseClick(findControl<QPushButton>(dialog, control), Qt::LeftButton);
    });
}

}  // namespace

class MessageDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("CutterBase")); }

    void showsTheButtonsOfTheSetInARow_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<QList<int>>("controls");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("0") << 0 << QList<int>{1} << QStringList{"OK"};
        QTest::newRow("1") << 1 << QList<int>{1, 2} << QStringList{"OK", "Cancel"};
        QTest::newRow("2") << 2 << QList<int>{3, 4, 5}
                           << QStringList{"&Abort", "&Retry", "&Ignore"};
        QTest::newRow("3") << 3 << QList<int>{6, 7, 2} << QStringList{"&Yes", "&No", "Cancel"};
        QTest::newRow("4") << 4 << QList<int>{6, 7} << QStringList{"&Yes", "&No"};
        QTest::newRow("5") << 5 << QList<int>{4, 2} << QStringList{"&Retry", "Cancel"};
        QTest::newRow("6") << 6 << QList<int>{6, 4009, 7, 4011}
                           << QStringList{"&Yes", "Yes to &All", "&No", "N&o to All"};
        QTest::newRow("7") << 7 << QList<int>{6, 4009, 7, 4011, 2}
                           << QStringList{"&Yes", "Yes to &All", "&No", "N&o to All", "Cancel"};
        QTest::newRow("8") << 8 << QList<int>{1, 4013, 2}
                           << QStringList{"OK", "OK to &All", "Cancel"};
        QTest::newRow("9 is OK") << 9 << QList<int>{1} << QStringList{"OK"};
        QTest::newRow("-1 is OK") << -1 << QList<int>{1} << QStringList{"OK"};
    }
    void showsTheButtonsOfTheSetInARow() {
        QFETCH(int, set);
        QFETCH(QList<int>, controls);
        QFETCH(QStringList, captions);
        guitest::Installation installation;
        MessageDialog dialog(QStringLiteral("Text"), set, kIconQuestion, false);

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
        QCOMPARE(ids, controls);
        QCOMPARE(texts, captions);
        QVERIFY(findControl<QPushButton>(&dialog, controls.front())->isDefault());
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
        MessageDialog ok(QStringLiteral("Saved."), kButtonsOk, kIconInformation, false);
        ok.show();
        QTest::keyClick(&ok, Qt::Key_Return);
        QCOMPARE(ok.result(), kAnswerOk);

        MessageDialog escaped(QStringLiteral("Delete?"), kButtonsYesNo, kIconQuestion, false);
        escaped.show();
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QCOMPARE(escaped.result(), kAnswerCancel);

        MessageDialog closed(QStringLiteral("Delete?"), kButtonsYesNo, kIconQuestion, false);
        closed.show();
        QVERIFY(closed.close());
        QCOMPARE(closed.result(), kAnswerCancel);
        QVERIFY(!(closed.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void aLongTextGrowsTheDialogAndMovesTheButtonsDown() {
        guitest::Installation installation;
        MessageDialog small(QStringLiteral("Saved."), kButtonsOk, kIconInformation, false);
        MessageDialog twoLines(QStringLiteral("Saved.\nTwo lines"), kButtonsOk, kIconInformation,
                               false);
        QCOMPARE(twoLines.size(), small.size());
        QCOMPARE(small.verticalGrowth(), 0);
        MessageDialog tall(lines(20, QStringLiteral("line")), kButtonsYesNo, kIconQuestion, false);
        const QFontMetrics metrics(tall.font());
        const int needed = 20 * metrics.lineSpacing();
        QCOMPARE(tall.verticalGrowth(), needed - tall.templateTextRect().height());
        QCOMPARE(tall.height(), small.height() + tall.verticalGrowth());
        QCOMPARE(tall.width(), small.width());
        const int textBottom = tall.templateTextRect().top() + needed;
        for (QPushButton* button : shownButtons(tall)) {
            QVERIFY(button->y() >= textBottom);
        }
        // The hidden check box and "More..." keep their captions and move down as well.
        auto* check = findControl<QCheckBox>(&tall, MessageDialog::kCheckControl);
        auto* more = findControl<QPushButton>(&tall, MessageDialog::kMoreControl);
        QCOMPARE(check->text(), QStringLiteral("Do not display this message again"));
        QCOMPARE(more->text(), QStringLiteral("&More..."));
        QVERIFY(!check->isVisibleTo(&tall) && !more->isVisibleTo(&tall));
        QCOMPARE(more->y(), shownButtons(tall).front()->y());
    }

    void tabsAreExpandedWhenTheTextIsMeasured() {
        guitest::Installation installation;
        MessageDialog small(QStringLiteral("Saved."), kButtonsOk, kIconInformation, false);
        const QString report = QStringLiteral("TP_DIAMETER\t\t\t\t\t\t10.000\t\t12.000");
        MessageDialog wide(report, kButtonsOk, kIconExclamation, false);
        auto* text = findControl<MessageText>(&wide, MessageDialog::kTextControl);
        const int needed =
            QFontMetrics(wide.font()).size(Qt::TextExpandTabs, report, text->tabStop()).width();
        QVERIFY(needed >= 9 * text->tabStop());
        QCOMPARE(wide.width(), small.width() + needed - wide.templateTextRect().width());
        QCOMPARE(wide.verticalGrowth(), 0);
        QVERIFY(text->width() >= needed);
    }

    void neverGrowsBeyondTheScreen() {
        guitest::Installation installation;
        MessageDialog huge(lines(400, QString(300, u'W')), kButtonsOk, kIconStop, false);
        const QSize screen = huge.screen()->availableGeometry().size();
        QVERIFY(huge.width() <= screen.width());
        QVERIFY(huge.height() <= screen.height());
        for (QPushButton* button : shownButtons(huge)) {
            QVERIFY(button->geometry().bottom() < huge.height());
        }
    }

    void titlesAndCaptionsOfCatalogueAndPlainMessages() {
        guitest::Installation installation;
        MessageDialog question(QStringLiteral("?"), kButtonsYesNo, kIconQuestion, false);
        QCOMPARE(question.windowTitle(), QStringLiteral("CutterBase - Question"));
        MessageDialog plain(QStringLiteral("'x.ncs' ist nicht eine 'Fedrix Tool' Ini-Datei!"),
                            kButtonsYesNo, kIconExclamation, true);
        QCOMPARE(plain.windowTitle(), QStringLiteral("CutterBase"));
        QCOMPARE(findControl<QPushButton>(&plain, kAnswerYes)->text(), QStringLiteral("&Yes"));
        QCOMPARE(findControl<QPushButton>(&plain, kAnswerOk)->text(), QStringLiteral("OK"));

        installation.useCatalogue("all");
        MessageDialog german(QStringLiteral("?"), kButtonsYesNoToAll, kIconQuestion, false);
        QCOMPARE(german.windowTitle(), QStringLiteral("CutterBase - Frage"));
        QCOMPARE(findControl<QPushButton>(&german, kControlNoToAll)->text(),
                 QStringLiteral("N&ein, alle"));
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

        // Plain messages remember nothing.
        const std::size_t remembered = GetCatalogue()->RememberedAnswers().size();
        pressWhenShown(kControlOkToAll);
        QCOMPARE(presenter.PresentPlain("plain", kButtonsOkToAllCancel, kIconInformation),
                 kAnswerOk);
        QCOMPARE(GetCatalogue()->RememberedAnswers().size(), remembered);
        install_message_presenter(previous);
    }
};

CUTTERBASE_GUI_TEST(MessageDialogTest)

#include "message_dialog_test.moc"
