// The tool list on its own; in the main window: MainListTest.

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>

#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_list_model.h"
#include "pages_fake_host.h"
#include "pages_language.h"

namespace {

const std::string kGermanTitles = guitest::demoCaptions("all", {"[LISTCTRLTOOL]"});

std::string tool(const std::string& radius, const std::string& number) {
    return "R:       &TP_BRAD=" + radius + "\r\nN:       &TP_CPPNUM=" + number + "\r\n";
}

struct Library {
    testsupport::TempDir root;
    std::string lib = root.mkdir("lib");
    std::string mills = lib + "/Mills";
    Library() {
        root.write("lib/Mills/b.wkz", tool("2", "7"));
        root.write("lib/Mills/a.wkz", tool("3", "12"));
        root.write("lib/Mills/C.wkz", tool("1", "3"));
        root.mkdir("lib/Mills/Old");
    }
};

struct Window {
    QDialog dialog;
    QLineEdit* rowIndex = new QLineEdit(&dialog);
    QLineEdit* directory = new QLineEdit(&dialog);
    CListCtrlTool* list;

    explicit Window(const std::string& toolDirectory, bool diameterMode = false,
                    const LanguageFile* language = nullptr)
        : list(new CListCtrlTool(language, diameterMode, &dialog)) {
        list->setToolDirectory(toolDirectory);
        list->setStatusEdits(rowIndex, directory);
        list->setGeometry(0, 40, 700, 300);
        dialog.resize(720, 360);
        dialog.show();
    }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            texts << list->model()->index(row, column).data().toString();
        }
        return texts;
    }
    QPoint rowPoint(int row) const {
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    void clickHeader(int column) const {
        QHeaderView* header = list->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
};

}  // namespace

class ListCtrlToolTest : public QObject {
    Q_OBJECT

private slots:
    // In diameter mode, each fitting its column with the header's margins.
    void titlesBuiltInOrFromTheLanguageFile() {
        guitest::PagesLanguageFile german(kGermanTitles);
        for (const LanguageFile* file :
             {static_cast<const LanguageFile*>(nullptr), &german.file()}) {
            CListCtrlTool list(file, true);
            const QFontMetrics metrics(list.header()->font());
            const int margins = 2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin);
            QStringList shown;
            for (int column = 0; column < kToolListColumnCount; ++column) {
                shown << list.model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(list.header()->sectionSize(column) >=
                             metrics.horizontalAdvance(shown.back()) + margins,
                         qPrintable(shown.back()));
            }
            QCOMPARE(shown.join(u'|'),
                     file ? "Werkzeuge|Nr.|Durchmesser|Eckenradius|Aufmaß|Bahnabstand|Toleranz|"
                            "Z-Zustellung|Anfahren|Rückzug|Kommentar"
                          : "Tools|No.|Diameter|Corner Radius|Stock|Stepover|Tolerance|Z-Step|"
                            "Approach|Retract|Comment");
            QVERIFY(list.accessibleName() == shown.front() && !list.isSortingEnabled());
        }
    }

    // Another tool, the folder itself, another spelling: the rows stay as they were read.
    void theFolderIsReadOnlyWhenItChanges() {
        Library library;
        Window window(library.lib);
        CListCtrlTool* list = window.list;
        list->fill(library.mills + "/b.wkz", true);
        QCOMPARE(window.column(0), QStringList({"..", "Old", "a.wkz", "b.wkz", "C.wkz"}));
        QCOMPARE(window.directory->text() + " " + window.rowIndex->text(),
                 QString::fromStdString(library.mills + " 4"));
        library.root.write("lib/Mills/a.wkz", tool("3", "99"));
        library.root.write("lib/Mills/new.wkz", "");
        list->fill(library.mills + "/A.WKZ", true);
        QCOMPARE(list->selectedPath(), library.mills + "/a.wkz");
        list->fill(library.lib + "/MILLS", false);
        QVERIFY(list->selectedPath().empty() && list->folderReads() == 1);
        QCOMPARE(window.column(1), QStringList({"", "", "12", "7", "3"}));
        list->forgetDirectory();
        list->fill(library.mills, false);
        QVERIFY(list->folderReads() == 2 && window.rowIndex->text() == QStringLiteral("5"));
        QCOMPARE(window.column(1), QStringList({"", "", "99", "7", "3", ""}));
        list->fill(library.lib + "/gone", false);
        QCOMPARE(window.directory->text() + QString::number(list->model()->rowCount()),
                 QString::fromStdString(library.lib + "/gone0"));
    }

    // Sort order: ToolListSort's tests. Only a left double-click on an existing tool applies it.
    void headerAndRowClicks() {
        Library library;
        Window window(library.lib, true);
        CListCtrlTool* list = window.list;
        list->fill(library.mills + "/b.wkz", true);
        for (const char* names : {"a.wkz b.wkz C.wkz Old ..", ".. Old C.wkz b.wkz a.wkz"}) {
            window.clickHeader(2);
            QCOMPARE(window.column(0).join(u' '), QString::fromLatin1(names));
            QCOMPARE(list->selectedPath(), library.mills + "/b.wkz");
        }
        QSignalSpy select(list, &CListCtrlTool::selectFromList);
        QSignalSpy applied(list, &CListCtrlTool::rowDoubleClicked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, window.rowPoint(2));
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, window.rowPoint(1));
        QCOMPARE(select.count(), 2);
        QCOMPARE(list->selectedPath(), library.mills + "/Old");
        std::remove((library.mills + "/a.wkz").c_str());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, window.rowPoint(4));
        QTest::mouseDClick(list->viewport(), Qt::RightButton, {}, window.rowPoint(3));
        QVERIFY(applied.isEmpty() && select.count() >= 4);
        library.root.write("lib/Mills/Old/z.wkz", "");
        library.root.write("lib/Mills/Old/y.wkz", "");
        list->fill(library.mills + "/Old", false);
        QCOMPARE(window.column(0), QStringList({"..", "y.wkz", "z.wkz"}));
    }
};

CUTTERBASE_GUI_TEST(ListCtrlToolTest)

#include "list_ctrl_tool_test.moc"
