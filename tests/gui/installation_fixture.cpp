#include "installation_fixture.h"

#include "language/message_catalogue.h"
#include "runtime/environment.h"

namespace guitest {
namespace {

// The demo's catalogue; the English one with a question of the tests' own.
std::string catalogue(const std::string& language, const std::string& own) {
    return testsupport::read_file(std::string(CUTTERBASE_DEMO_DIR) + "/kvxhome/texte/TalmorError." +
                                  language) +
           own;
}

}  // namespace

Installation::Installation() {
    unload_environment();
    home_ = temp_.mkdir("home");
    temp_.write("home/config/environ.cfg",
                "[var]\nCB_GUI_TEST = 1\n[path]\nENV = $KVXHOME/config\n");
    env_.set("KVXHOME", home_).set("KVXLANG", std::nullopt);
    writeText("TalmorError.ang",
              catalogue("ang",
                        "\r\n[TEST]\r\nOVERWRITE=Q The tool file '%s' exists.\\nOverwrite "
                        "it?\r\n"));
    writeText("TalmorError.all", catalogue("all", ""));
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
