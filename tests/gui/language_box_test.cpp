// The language box: catalogue, locale and captions' file switched together, the windows told.

#include <QCheckBox>
#include <QTest>

#include "gui/framework/captions.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/language_change.h"
#include "gui/main/language_box.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/message_catalogue.h"
#include "scripted_presenter.h"

namespace {

class Listener : public QWidget {
public:
    using QWidget::QWidget;
    int heard = 0;

protected:
    void customEvent(QEvent* event) override { heard += event->type() == kLanguageChangeEvent; }
};

struct Window {
    QWidget main;
    Listener* listener = new Listener(&main);
    LanguageBox box{guitest::kApplication};
    Window() { box.setMainWindow(&main); }
};

}  // namespace

class LanguageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::C)); }

    // A file that does not load (another program's is announced) tells nobody.
    void createAndApplyLanguages() {
        guitest::Installation installation;
        guitest::ScriptedPresenter presenter;
        testsupport::ScopedEnv env;
        env.set("KVXLANG", "ALL");
        Window window;
        LanguageBox& box = window.box;
        QVERIFY(box.create() && !box.isVisible());
        QVERIFY(box.selectedLanguage() == 1 && box.currentIndex() == 1);
        QStringList names;
        for (int i = 0; i < box.count(); ++i) {
            names << box.itemText(i);
            const QImage flag = box.itemIcon(i).pixmap(QSize(20, 17)).toImage();
            QVERIFY(!flag.isNull() && qAlpha(flag.pixel(10, 8)) != 0);
        }
        QCOMPARE(names, (QStringList{"English", "Deutsch", "Français", "Español", "Svenska"}));
        QCOMPARE(GetCatalogue()->Path(), installation.home() + "/texte/TalmorError.all");
        QVERIFY(QLocale().name() == QStringLiteral("de_DE") && window.listener->heard == 1);

        installation.writeText(std::string(guitest::kApplication) + ".all",
                               "[T.A.L.M.O.R.]\r\nPRODUCT=Other\r\nang=English\r\n");
        QVERIFY(!box.applyLanguage(1));
        QVERIFY(box.count() == 5 && window.listener->heard == 1);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(presenter.shown[0].text.find("PRODUCT = KvxCutterBase") != std::string::npos);
        QVERIFY(box.applyLanguage(0) && !box.applyLanguage(2));
        QVERIFY(box.currentIndex() == 0 && window.listener->heard == 2);
        QCOMPARE(
            QLocale().name() + LanguageBox::localeOf(4).name() + LanguageBox::localeOf(7).name(),
            QStringLiteral("fr_FRsv_SEen_US"));
    }

    // A nested page takes its captions from its own section; without a language file none change.
    void captionsComeFromTheLanguageFileByResourceName() {
        guitest::Installation installation;
        installation.writeText(std::string(guitest::kApplication) + ".ang",
                               "[T.A.L.M.O.R.]\r\nPRODUCT=KvxCutterBase\r\n[PAGETOOL]\r\n"
                               "IDC_CHECK_RADIUS=Corner radius\r\nIDC_NESTED=Nested\r\n");
        QWidget page;
        auto* check = new QCheckBox(QStringLiteral("template"), &page);
        setControlId(check, 1017, "IDC_CHECK_RADIUS");
        auto* nestedPage = new QWidget(&page);
        setDialogId(nestedPage, 136, "IDD_PAGE_FEDRIX");
        auto* nested = new QCheckBox(QStringLiteral("template"), nestedPage);
        setControlId(nested, 1031, "IDC_NESTED");
        LanguageBox box(guitest::kApplication);
        QVERIFY(box.applyLanguage(0));
        applyCaptions(&page, box.languageFile(), "PAGETOOL");
        QCOMPARE(check->text() + u'|' + nested->text(), QStringLiteral("Corner radius|template"));
        QVERIFY(!box.applyLanguage(2));
        check->setText(QStringLiteral("kept"));
        applyCaptions(&page, box.languageFile(), "PAGETOOL");
        QCOMPARE(check->text(), QStringLiteral("kept"));
    }
};

CUTTERBASE_GUI_TEST(LanguageBoxTest)

#include "language_box_test.moc"
