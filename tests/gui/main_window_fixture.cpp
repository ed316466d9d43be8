#include "main_window_fixture.h"

#include <QCoreApplication>
#include <fstream>
#include <regex>

#include "pages_language.h"
#include "runtime/environment.h"
#include "workzone/workzone_fixture.h"

namespace guitest {
namespace {

// The demo's captions; the German title made our own, the Options caption left out.
const std::string kEnglishCaptions = demoCaptions("ang", {"[CUTTERBASEDLG]", "[LISTCTRLTOOL]"});
const std::string kGermanCaptions = std::regex_replace(
    std::regex_replace(demoCaptions("all", {"[CUTTERBASEDLG]", "[LISTCTRLTOOL]"}),
                       std::regex("IDC_OPTIONS=.*\n"), ""),
    std::regex("DIALOG=CutterBase"), "DIALOG=Werkzeugbibliothek");

void resetProcessTables() {
    unload_environment();
    reset_axis_systems();
    forget_toolpath_details_load();
    toolpath_details().Reset();
    ReloadVariableTable();
    UnloadToolpathVariableInfo();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string languageFile(const std::string& captions, const std::string& pageCaptions) {
    return std::string("[T.A.L.M.O.R.]\r\nPRODUCT=") + kApplication + "\r\n" + kLanguageNames +
           captions + pageCaptions;
}

}  // namespace

MainWindowFixture::MainWindowFixture(const std::string& language)
    : languageBox_(kApplication),
      previousName_(QCoreApplication::applicationName()),
      language_(language) {
    const std::string home = installation_.home();
    writeFile(home + "/config/environ.cfg",
              "[var]\n[path]\nENV = $KVXHOME/config\nTXT = $KVXHOME/texte\n");
    for (const char* code : {"ang", "all"}) {
        installation_.writeText(std::string("tpvarinfo.") + code, kInfoFile);
    }
    installation_.writeText(
        std::string(kApplication) + ".ang",
        languageFile(kEnglishCaptions, std::string(kEnglishPageCaptions) + kEnglishFedrixCaptions));
    installation_.writeText(
        std::string(kApplication) + ".all",
        languageFile(kGermanCaptions, std::string(kGermanPageCaptions) + kGermanFedrixCaptions));
    writeFile(home + "/bin/CutterBase.INI",
              "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n"
              "[GENERAL]\r\nShow Consistency Message=1\r\n");
    env_.set("KVXZONE", zone_.path())
        .set("KVXLANG", language)
        .set("KVXDATA", "data")
        .set("KVX_CUTTER_DIR", library_.path())
        .set("KVX_CUTTER_HOOK_COMMAND", home + "/bin/CutterBase")
        .set("KVXTMPDIR", zone_.path())
        .set("XDG_CONFIG_HOME", config_.path())
        .set("XDG_DATA_HOME", config_.mkdir("data"));
    for (const char* name :
         {"KVX_FEDRIX", "KVXUSERAD", "KVXDEBUG", "KVXMENU_MZDEBUG", "TXTPATH", "ENVPATH"}) {
        env_.set(name, std::nullopt);
    }
    QCoreApplication::setApplicationName(QStringLiteral("CutterBase"));
    setToolReference(".\\bull\\d10r2.wkz");
    languageBox_.create();
}

MainWindowFixture::~MainWindowFixture() {
    QCoreApplication::setApplicationName(previousName_);
    resetProcessTables();
}

std::string MainWindowFixture::tool(const std::string& relative, const std::string& cornerRadius) {
    return library_.write(relative,
                          "Body Radius              :       &TP_BRAD=5.000\r\n"
                          "Corner Radius            :       &TP_CRAD=" +
                              cornerRadius + "\r\n");
}

void MainWindowFixture::setToolReference(const std::string& reference) {
    ParameterItems items = sample_items();
    items.set_text(82, reference);
    write_parameter_file(zone_.file("outil.par"), items);
    zone_.write("outil.mul", "");
    resetProcessTables();
}

void MainWindowFixture::replaceLanguageFile(const std::string& bytes) {
    installation_.writeText(std::string(kApplication) + "." + language_, bytes);
    languageBox_.create();
}

std::string MainWindowFixture::userSettings() const {
    return config_.file("CutterBase/CutterBase.INI");
}

void MainWindowFixture::writeUserSettings(const std::string& lastToolDirectory) {
    config_.write("CutterBase/CutterBase.INI",
                  "[T.A.L.M.O.R.]\r\nCutter-Base=Karvex - CutterBase\r\n[GENERAL]\r\n"
                  "Last Tool Dir=" +
                      lastToolDirectory + "\r\n");
}

std::unique_ptr<CCutterBaseDlg> MainWindowFixture::open(int toolpathNumber) {
    auto dialog = std::make_unique<CCutterBaseDlg>(changeFile(), toolpathNumber, &languageBox_);
    languageBox_.setMainWindow(dialog.get());
    return dialog;
}

std::optional<std::string> MainWindowFixture::readChangeFile() const {
    if (!std::filesystem::is_regular_file(changeFile())) {
        return std::nullopt;
    }
    return testsupport::read_file(changeFile());
}

std::string selectedPath(const CCutterBaseDlg& dialog) {
    return CTreeCtrlTool::itemPath(dialog.Tree()->selectedItem());
}

bool selectInTree(CCutterBaseDlg& dialog, const std::string& path) {
    CTreeCtrlTool* tree = dialog.Tree();
    QTreeWidgetItem* item = tree->findTreeItem(tree->rootItem(), path);
    if (item == nullptr) {
        return false;
    }
    dialog.show();
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    return true;
}

QString textOf(const CCutterBaseDlg& dialog, int id) {
    return findControl(&dialog, id)->property("text").toString();
}

QLineEdit* cornerRadius(const CCutterBaseDlg& dialog) {
    return findControl<QLineEdit>(dialog.Sheet()->ToolPage(), 1008);
}

void typeCornerRadius(const CCutterBaseDlg& dialog, const char* text) {
    cornerRadius(dialog)->selectAll();
    QTest::keyClicks(cornerRadius(dialog), QString::fromLatin1(text));
}

}  // namespace guitest
