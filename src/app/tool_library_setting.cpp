#include "app/tool_library_setting.h"

#include "app/file_utilities.h"
#include "runtime/environment.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

constexpr int kToolDirectoryCapacity = 1024;

}  // namespace

ToolLibrarySetting LookUpToolLibrary() {
    ToolLibrarySetting setting;
    setting.directory = get_variable("KVX_CUTTER_DIR").value_or(std::string());
    setting.found = expand_path_text(setting.directory, kToolDirectoryCapacity) == kStatusOk &&
                    ValidateDirectory(setting.directory, false, false);
    setting.fedrix_enabled = get_variable("KVX_FEDRIX").value_or(std::string()) == "1";
    return setting;
}
