#pragma once
// An installation in a temporary directory with catalogue files in English and German, the
// environment pointing at it, and a scripted presenter.

#include <string>

#include "language/message_catalogue.h"
#include "runtime/environment.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

inline const char* const kEnglishCatalogue =
    "[T.A.L.M.O.R.]\r\n"
    "CATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "FILE=File\r\nLINE=Line\r\nCOMPILED=Compiled\r\nMESSAGE=Message\r\n"
    "INFORMATION=Information\r\nQUESTION=Question\r\nWARNING=Warning\r\nERROR=Error\r\n"
    "IDOK=OK\r\nIDCANCEL=Cancel\r\nIDRETRY=Retry\r\nIDABORT=Abort\r\nIDIGNORE=Ignore\r\n"
    "IDYES=Yes\r\nIDNO=No\r\nIDYESTOALL=Yes to All\r\nIDNOTOALL=No to All\r\n"
    "IDOKTOALL=OK to All\r\n"
    "IDC_EG_ERROR_DLG_MORE=More...\r\n"
    "IDC_EG_ERROR_DLG_CHECK=Do not display this message again\r\n"
    "[TALMOR_ABOUT_DLG]\r\n"
    "TALMOR_ABOUT_TITLE=About\r\nTALMOR_ABOUT_VERSION=Version:\r\n"
    "TALMOR_ABOUT_COPYRIGHT=Rights\r\nTALMOR_ABOUT_PRODUCTNAME=Product:\r\n"
    "TALMOR_ABOUT_BUILD=Build:\r\nTALMOR_ABOUT_COMPANY=Company\r\n"
    "[GENERAL]\r\n"
    "NUMBER_OF_MESSAGES=2\r\n"
    "GENERAL_DIR_NOT_VALID=E The directory\\n\\n\\t'%s'\\n\\nis not valid.\r\n"
    "GENERAL_CREATE_DIR=Q Create the directory '%s'?\r\n"
    "[TEST]\r\n"
    "WARN=W   Careful with %s\r\n"
    "ONLY=%s\r\n"
    "OTHER=X shown as information\r\n"
    "LOWER=e lower case letter\r\n"
    "COUNT=I %d tools, %5.2f mm\r\n"
    "HOSTILE=E %n%s%s%1000000d %p\r\n"
    "BACKSLASH=I a\\\\nb c:\\\\tmp\r\n";

inline const char* const kGermanCatalogue =
    "[T.A.L.M.O.R.]\r\n"
    "CATEGORY=TalmorError\r\n"
    "[ERROR_INTERNAL]\r\n"
    "FILE=Datei\r\nLINE=Zeile\r\nCOMPILED=Erstellt\r\nMESSAGE=Meldung\r\n"
    "INFORMATION=Information\r\nQUESTION=Frage\r\nWARNING=Warnung\r\nERROR=Fehler\r\n"
    "IDOK=OK\r\nIDCANCEL=Abbrechen\r\nIDYES=Ja\r\nIDNO=Nein\r\n"
    "[GENERAL]\r\n"
    "GENERAL_DIR_NOT_VALID=E Das Verzeichnis\\n\\n\\t'%s'\\n\\nist nicht g\xFCltig.\r\n";

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        unload_environment();
        home_ = temp_.mkdir("home");
        temp_.write("home/config/environ.cfg",
                    "[var]\nCB_LANGUAGE_TEST = 1\n[path]\nENV = $KVXHOME/config\n");
        env_.set("KVXHOME", home_).set("KVXLANG", std::nullopt);
        temp_.write("home/texte/TalmorError.ang", kEnglishCatalogue);
        temp_.write("home/texte/TalmorError.all", kGermanCatalogue);
    }
    void TearDown() override { unload_environment(); }

    std::string texte(const std::string& name) const { return home_ + "/texte/" + name; }

    testsupport::TempDir temp_;
    testsupport::ScopedEnv env_;
    std::string home_;
    ScriptedPresenter presenter_;
};
