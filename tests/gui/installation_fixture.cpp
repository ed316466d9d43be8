#include "installation_fixture.h"

#include "language/message_catalogue.h"
#include "runtime/environment.h"

namespace guitest {
namespace {

const char* const kEnglishCatalogue =
    "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "INFORMATION=Information\r\nQUESTION=Question\r\nWARNING=Warning\r\nERROR=Error\r\n"
    "IDOK=OK\r\nIDCANCEL=Cancel\r\nIDRETRY=&Retry\r\nIDABORT=&Abort\r\nIDIGNORE=&Ignore\r\n"
    "IDYES=&Yes\r\nIDNO=&No\r\nIDYESTOALL=Yes to &All\r\nIDNOTOALL=N&o to All\r\n"
    "IDOKTOALL=OK to &All\r\n"
    "IDC_EG_ERROR_DLG_MORE=&More...\r\n"
    "IDC_EG_ERROR_DLG_CHECK=Do not display this message again\r\n"
    "[TALMOR_ABOUT_DLG]\r\nTALMOR_ABOUT_TITLE=About CutterBase\r\n"
    "TALMOR_ABOUT_PRODUCTNAME=Product:\r\nTALMOR_ABOUT_VERSION=Version:\r\n"
    "TALMOR_ABOUT_BUILD=Build:\r\n"
    "[TEST]\r\nOVERWRITE=Q The tool file '%s' exists.\\nOverwrite it?\r\n";

const char* const kGermanCatalogue =
    "[T.A.L.M.O.R.]\r\nCATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "INFORMATION=Information\r\nQUESTION=Frage\r\nWARNING=Warnung\r\nERROR=Fehler\r\n"
    "IDOK=OK\r\nIDCANCEL=Abbrechen\r\nIDRETRY=&Wiederholen\r\nIDABORT=&Abbrechen\r\n"
    "IDIGNORE=&Ignorieren\r\nIDYES=&Ja\r\nIDNO=&Nein\r\nIDYESTOALL=Ja, &alle\r\n"
    "IDNOTOALL=N&ein, alle\r\nIDOKTOALL=OK, &alle\r\n"
    "IDC_EG_ERROR_DLG_MORE=&Mehr...\r\n"
    "IDC_EG_ERROR_DLG_CHECK=Diese Meldung nicht mehr anzeigen\r\n"
    "[TALMOR_ABOUT_DLG]\r\nTALMOR_ABOUT_TITLE=\xDC"
    "ber CutterBase\r\n"
    "TALMOR_ABOUT_PRODUCTNAME=Produkt:\r\nTALMOR_ABOUT_VERSION=Version:\r\n"
    "TALMOR_ABOUT_BUILD=Build:\r\n"
    "[TEST]\r\nOVERWRITE=Q Die Werkzeugdatei '%s' existiert.\\n\xDC"
    "berschreiben?\r\n";

}  // namespace

Installation::Installation() {
    unload_environment();
    home_ = temp_.mkdir("home");
    temp_.write("home/config/environ.cfg",
                "[var]\nCB_GUI_TEST = 1\n[path]\nENV = $KVXHOME/config\n");
    env_.set("KVXHOME", home_).set("KVXLANG", std::nullopt);
    writeText("TalmorError.ang", kEnglishCatalogue);
    writeText("TalmorError.all", kGermanCatalogue);
    writeText(std::string(kApplication) + ".ang",
              std::string("[T.A.L.M.O.R.]\r\nPRODUCT=") + kApplication + "\r\n" + kLanguageNames);
    writeText(std::string(kApplication) + ".all",
              std::string("[T.A.L.M.O.R.]\r\nPRODUCT=") + kApplication + "\r\n" + kLanguageNames);
    useCatalogue("ang");
}

Installation::~Installation() {
    useCatalogue("ang");
    unload_environment();
}

void Installation::useCatalogue(const std::string& language) {
    GetCatalogue()->Init(language);
}

std::string Installation::writeText(const std::string& name, const std::string& bytes) {
    return temp_.write("home/texte/" + name, bytes);
}

}  // namespace guitest
