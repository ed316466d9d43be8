// The sheet of the tool and security pages (its tabs: FedrixPagesTest).

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "gui/framework/dialog_units.h"
#include "gui/framework/language_change.h"
#include "gui/pages/fedrix_advanced2_page.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/machine_page.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui_test.h"
#include "pages_fake_host.h"
#include "pages_language.h"
#include "scripted_presenter.h"

using namespace guitest;

namespace {

QString captionOf(const QWidget* page, int id) {
    QWidget* control = findControl(page, id);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        return box->title();
    }
    return qobject_cast<QAbstractButton*>(control)->text();
}

}  // namespace

class ToolSheetTest : public QObject {
    Q_OBJECT

private slots:
    // A field stored from either page marks both pages modified.
    void modifiedOverBothPages() {
        FakeFieldHost host;
        host.toolpath.reals = {{"TP_BRAD", 5.0f}, {"TP_APPROACH", 2.0f}};
        CSheetTool sheet(host);
        host.onStored = [&sheet] { sheet.SetModify(true); };
        sheet.ToolPage()->Load();
        sheet.MachinePage()->Load();
        QVERIFY(!sheet.IsModified());
        click(sheet.MachinePage(), 1025);
        QVERIFY(sheet.ToolPage()->IsModified() && sheet.MachinePage()->IsModified());
        sheet.SetModify(false);
        QVERIFY(!sheet.IsModified() && !sheet.ToolPage()->IsModified());
    }

    // Three decimals kept; an integer out of range is refused at the store.
    void fedrixValuesKeepWhatTheFileHolds() {
        ScriptedPresenter presenter;
        FakeFieldHost host;
        FedrixToolInfo info;
        info.feed_rate_per_tooth = 123456789.123;
        info.max_feed_rate = 2147483647;
        CPageFedrixAdvanced2 advanced(host);
        advanced.Load(info);
        QCOMPARE(edit(&advanced, 1040)->text(), QStringLiteral("123456789.123"));
        FedrixToolInfo stored;
        QVERIFY(advanced.Store(stored));
        QCOMPARE(stored.Entries()[25].text, std::string("123456789.123"));
        CPageFedrixOptimize optimize(host, nullptr);
        optimize.Load(info);
        QVERIFY(!optimize.Store(stored) && presenter.shown.size() == 1);
        QCOMPARE(presenter.shown[0].text,
                 std::string("Please enter a number between 0 and 100000."));
    }

    // At construction and on a language change; the size label follows the diameter switch.
    void captions() {
        PagesLanguageFile german(kGermanPageCaptions);
        PagesLanguageFile partial(
            "[PAGETOOL]\r\nIDC_TP_DIAM_LB=Durchmesser:\r\nIDC_TP_TYPEBALL=Kugel\r\n");
        const auto seen = [](CSheetTool& sheet) {
            const QWidget *tool = sheet.ToolPage(), *machine = sheet.MachinePage();
            QStringList texts{tabTexts(sheet).join(u'|')};
            for (const auto& [page, id] :
                 {std::pair{tool, 1078}, {tool, 1082}, {tool, 1083}, {machine, 1048}}) {
                texts << captionOf(page, id);
            }
            for (const auto& [page, id] : {std::pair{tool, 1007}, {tool, 1015}, {machine, 1018}}) {
                texts << edit(page, id)->accessibleName();
            }
            return texts.join(", ");
        };
        FakeFieldHost host;
        QWidget window;
        auto* sheet = new CSheetTool(host, &window);
        host.language = &german.file();
        sendLanguageChange(&window);
        QCOMPARE(seen(*sheet),
                 "Werkzeug|Sicherheit, Kugel, Körperradius:, Eckenradius:, "
                 "Sicherheitsabstände, Körperradius:, Zustellungsart:, Rampenwinkel:");
        host.diameterMode = true;
        host.language = &partial.file();
        CSheetTool translated(host);
        QCOMPARE(seen(translated), "|, Kugel, Durchmesser:, , , Durchmesser:, , ");
        host.language = nullptr;
        CSheetTool english(host);
        QCOMPARE(seen(english),
                 "Tool|Security, Ball, Diameter:, Corner Radius:, Security "
                 "Distances, Diameter:, Z-Step Type:, Ramp Angle:");
    }

    // Tab moves through the page as it reads, group by group, not in Set All's order.
    void keyboardFollowsTheReadingOrder() {
        FakeFieldHost host;
        CSheetTool sheet(host);
        QWidget* first = findControl(sheet.ToolPage(), 1020);
        QList<int> order{1020};
        for (QWidget* widget = first->nextInFocusChain(); widget != first && order.size() < 100;
             widget = widget->nextInFocusChain()) {
            if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus) &&
                sheet.ToolPage()->isAncestorOf(widget)) {
                order << controlId(widget);
            }
        }
        QCOMPARE(order,
                 (QList<int>{1020, 1011, 1024, 1026, 1077, 1078, 1079, 1080, 1007, 1008, 1021,
                             1013, 1022, 1012, 1023, 1014, 1042, 1025, 1030, 1031, 1015, 1032,
                             1043, 1037, 1016, 1038, 1009, 1036, 1010, 1039, 1017, 1027, 1028}));
    }

    // Inside the page with the whole caption, English with radii, German with diameters.
    void pagesHoldTheirControls() {
        PagesLanguageFile file(kGermanPageCaptions);
        for (bool german : {false, true}) {
            FakeFieldHost host;
            host.diameterMode = german;
            host.language = german ? &file.file() : nullptr;
            CSheetTool sheet(host);
            sheet.resize(sheet.sizeHint());
            sheet.show();
            for (int index : {0, 1}) {
                QWidget* page = sheet.widget(index);
                sheet.setCurrentWidget(page);
                // In English the page keeps the size of its template; longer captions widen it.
                const DialogUnits units(page->font());
                const QSize need = page->minimumSizeHint();
                const QSize layout(units.x(kPageWidthUnits), units.y(kPageHeightUnits));
                QVERIFY(german || need.boundedTo(layout) == need);
                QCOMPARE(cutControls(page), QStringList());
            }
        }
    }
};

CUTTERBASE_GUI_TEST(ToolSheetTest)

#include "pages_sheet_test.moc"
