// The language box: applying a language switches the catalogue, the locale and the captions'
// file, and tells the windows; the C library keeps writing numbers with a point.

#include <QCheckBox>
#include <QTest>
#include <clocale>
#include <cstdio>

#include "gui/framework/language_change.h"
#include "gui/framework/numeric_locale.h"
#include "gui/main/language_box.h"
#include "gui_test.h"
#include "installation_fixture.h"
#include "language/current_profile.h"
#include "language/message_catalogue.h"
#include "language/typed_profile.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

namespace {

class Listener : public QWidget {
public:
    using QWidget::QWidget;
    int heard = 0;

protected:
    void customEvent(QEvent* event) override { heard += event->type() == kLanguageChangeEvent; }
};

// A main window with a listener inside, and the program's language box telling it.
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

    void createAppliesTheLanguageOfKvxlang() {
        guitest::Installation installation;
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
    }

    // A missing file leaves the items and tells nobody; one of another program is announced.
    void aLanguageFileThatDoesNotLoadChangesNothing() {
        guitest::Installation installation;
        installation.writeText(std::string(guitest::kApplication) + ".all",
                               "[T.A.L.M.O.R.]\r\nPRODUCT=Other\r\nang=English\r\n");
        guitest::ScriptedPresenter presenter;
        Window window;
        LanguageBox& box = window.box;
        QVERIFY(!box.applyLanguage(1));
        QVERIFY(box.count() == 0 && window.listener->heard == 0);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(presenter.shown[0].text.find("PRODUCT = KvxCutterBase") != std::string::npos);
        QVERIFY(box.applyLanguage(0) && !box.applyLanguage(2));
        QVERIFY(box.count() == 5 && box.currentIndex() == 0 && window.listener->heard == 1);
        QCOMPARE(
            QLocale().name() + LanguageBox::localeOf(4).name() + LanguageBox::localeOf(7).name(),
            QStringLiteral("fr_FRsv_SEen_US"));
    }

    // Qt sets the C library's locale from the environment; the program puts the numbers back.
    void aRealWrittenWithGermanSelectedUsesAPoint() {
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            QSKIP("no de_DE.UTF-8 locale on this machine");
        }
        keepNumericLocaleC();
        guitest::Installation installation;
        testsupport::TempDir folder;
        LanguageBox box(guitest::kApplication);
        QVERIFY(box.applyLanguage(1));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", 5.0);
        const std::string path = folder.file("D10.ncs");
        {
            ProfileSwitch use(path);
            QVERIFY(write_profile_real("Fedrix", "Start Depth", 1.5, 3));
        }
        std::setlocale(LC_ALL, "C");
        QCOMPARE(std::string(text), std::string("5.000"));
        QVERIFY(testsupport::read_file(path).find("Start Depth=1.500") != std::string::npos);
    }
};

CUTTERBASE_GUI_TEST(LanguageBoxTest)

#include "language_box_test.moc"
