#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "gui/framework/control_ids.h"
#include "gui/main/tree_ctrl_tool.h"
#include "pages_language.h"
#include "runtime/environment.h"
#include "workzone/workzone_fixture.h"

namespace guitest {
namespace {

const char* const kCatalogue =
    "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "INFORMATION=Information\r\nQUESTION=Question\r\nWARNING=Warning\r\nERROR=Error\r\n"
    "IDOK=OK\r\nIDCANCEL=Cancel\r\nIDYES=&Yes\r\nIDNO=&No\r\n"
    "[TALMOR_ABOUT_DLG]\r\nTALMOR_ABOUT_TITLE=About CutterBase\r\n"
    "[GENERAL]\r\nNUMBER_OF_MESSAGES=3\r\n"
    "GENERAL_DELETE_FILE=Q Delete '%s'?\r\n"
    "GENERAL_FILE_NOT_VALID=E The file '%s' does not exist.\r\n"
    "GENERAL_CREATION=E '%s' could not be created.\r\n"
    "[LIB_TALMOR_GMBH]\r\nNUMBER_OF_MESSAGES=2\r\n"
    "KARVEX_ZONEINF_NOZONE=E No workzone.\r\n"
    "KARVEX_TOOL_INCONSISTENT=W '%s' differs:\\n%s\r\n";

const char* const kEnglishCaptions =
    "[CUTTERBASEDLG]\r\nIDD_CUTTERBASE_DIALOG=CutterBase\r\nIDC_TOOLPATH_NUMB_LB=Toolpath:\r\n"
    "IDC_TOOLPATH_TYPE_LB=Toolpath Type:\r\nIDC_UNITS_LB=Units:\r\n"
    "IDC_ACTUAL_TOOL_LB=Tool Settings:\r\nIDC_SETALL=Set All\r\nIDC_OPTIONS=Options...\r\n"
    "IDC_SAVEAS=Save As...\r\nIDC_DELETE=Delete\r\nIDC_DEFAULT=Read From Toolpath\r\n"
    "IDC_FEDRIX_ENABLE=Fedrix\r\nIDC_CLOSE=Close\r\nID_CANCEL=Cancel\r\n"
    "sActualToolToolpath=Toolpath\r\nsSaveToolAs=Save Tool As\r\n"
    "[LISTCTRLTOOL]\r\nIDC_LISTCTRLTOOL_TOOL=Tools\r\nIDC_LISTCTRLTOOL_CPP_NUM=No.\r\n"
    "IDC_LISTCTRLTOOL_DIAM=Diameter\r\nIDC_LISTCTRLTOOL_BRAD=Radius\r\n"
    "IDC_LISTCTRLTOOL_CRAD=Corner Radius\r\nIDC_LISTCTRLTOOL_STOCK=Stock\r\n"
    "IDC_LISTCTRLTOOL_STEP=Stepover\r\nIDC_LISTCTRLTOOL_TOL=Tolerance\r\n"
    "IDC_LISTCTRLTOOL_DZSTEP=Z-Step\r\nIDC_LISTCTRLTOOL_APPROACH=Approach\r\n"
    "IDC_LISTCTRLTOOL_RETRACT=Retract\r\nIDC_LISTCTRLTOOL_COMMENT=Comment\r\n";

// Without the Options caption: a missing key gives an empty caption.
const char* const kGermanCaptions =
    "[CUTTERBASEDLG]\r\nIDD_CUTTERBASE_DIALOG=Werkzeugbibliothek\r\nIDC_TOOLPATH_NUMB_LB=Bahn:\r\n"
    "IDC_TOOLPATH_TYPE_LB=Bahntyp:\r\nIDC_UNITS_LB=Einheiten:\r\n"
    "IDC_ACTUAL_TOOL_LB=Werkzeugeinstellung:\r\nIDC_SETALL=Alle setzen\r\n"
    "IDC_SAVEAS=Speichern unter...\r\nIDC_DELETE=L\xF6schen\r\nIDC_DEFAULT=Aus Bahn lesen\r\n"
    "IDC_FEDRIX_ENABLE=Fedrix\r\nIDC_CLOSE=Schlie\xDF"
    "en\r\nID_CANCEL=Abbrechen\r\n"
    "sActualToolToolpath=Bahn\r\nsSaveToolAs=Werkzeug speichern unter\r\n"
    "[LISTCTRLTOOL]\r\nIDC_LISTCTRLTOOL_TOOL=Werkzeuge\r\nIDC_LISTCTRLTOOL_CPP_NUM=Nr.\r\n"
    "IDC_LISTCTRLTOOL_DIAM=Durchmesser\r\nIDC_LISTCTRLTOOL_BRAD=Radius\r\n"
    "IDC_LISTCTRLTOOL_CRAD=Eckenradius\r\n";

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

std::string languageFile(const char* captions, const std::string& pageCaptions) {
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
        installation_.writeText(std::string("TalmorError.") + code, kCatalogue);
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

}  // namespace guitest
