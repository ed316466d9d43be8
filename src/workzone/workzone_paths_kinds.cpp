#include "workzone/workzone_paths_kinds.h"

#include "runtime/environment.h"
#include "runtime/expansion.h"
#include "runtime/message_database.h"
#include "runtime/status.h"

namespace {

struct FileKind {
    int code;
    const char* key;
    const char* default_template;
};

constexpr FileKind kFileKinds[] = {
    {kFileKindView, "VIEW", "$KVXZONE/$KVXDATA/*.trn"},
    {kFileKindPoints, "POINTS", "$KVXZONE/$KVXDATA/*.pnt"},
    {kFileKindCurves, "CURVES", "$KVXZONE/$KVXDATA/*.crv"},
    {kFileKindLimits, "LIMITS", "$KVXZONE/$KVXDATA/*.ccv"},
    {kFileKindAxisSystem, "AXIS_SYSTEM", "$KVXDATA/*.ref"},
    {kFileKindLevels, "LEVELS", "$KVXZONE/$KVXDATA/*.lev"},
    {kFileKindToolpath, "TOOLPATH", "$KVXZONE/*.res"},
    {kFileKindEditedToolpath, "EDITED_TOOLPATH", "$KVXZONE/*.edt"},
    {kFileKindToolParameters, "TOOL_PARAMETERS", "$KVXZONE/*.par"},
    {kFileKindToolLimitsName, "TOOL_LIMITS_NAME", "$KVXZONE/*.nom"},
    {kFileKindToolZMax, "TOOL_Z_MAX", "$KVXZONE/*.zma"},
    {kFileKindToolLimits, "TOOL_LIMITS", "$KVXZONE/*.lim"},
    {kFileKindToolView, "TOOL_VIEW", "$KVXZONE/*.mul"},
    {kFileKindToolDrillPoints, "TOOL_DRILL_POINTS", "$KVXZONE/*.per"},
    {kFileKindToolLevels, "TOOL_LEVELS", "$KVXZONE/*.niv"},
    {kFileKindToolMachinedCurve, "TOOL_MACHINED_CURVE", "$KVXZONE/*.cur"},
    {kFileKindPart, "PART", "$KVXZONE/basepart.bas"},
    {kFileKindSurfaces, "SURFACES", "$KVXZONE/baseface.bas"},
    {kFileKindKarvexAxisSystem, "KARVEX_AXIS_SYSTEM", "$KVXZONE/transfo.dat"},
    {kFileKindRestmatContour, "RESTMAT_CONTOUR", "$KVXZONE/restlim.res"},
    {kFileKindRestmatGrid, "RESTMAT_GRID", "$KVXZONE/restmat.res"},
    {kFileKindStock, "STOCK", "$KVXZONE/stock.res"},
    {kFileKindHolder, "HOLDER", "$KVXZONE/*.hld"},
};

const FileKind* find_kind(int code) {
    for (const auto& kind : kFileKinds) {
        if (kind.code == code) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace

std::string WorkzoneFileKey(int kind) {
    const FileKind* entry = find_kind(kind);
    return entry ? entry->key : "";
}

std::string WorkzoneFileDefaultTemplate(int kind) {
    const FileKind* entry = find_kind(kind);
    return entry ? entry->default_template : "*";
}

std::string WorkzoneFileTemplate(int kind) {
    const std::string key = WorkzoneFileKey(kind);
    if (!key.empty()) {
        if (environment_database() == nullptr) {
            load_environment();
        }
        const MessageDatabase* db = environment_database();
        const std::uint16_t section = find_section(db, kFileNamesSection);
        if (section != kNoSection) {
            std::optional<std::string> configured = get_value(db, section, key);
            if (configured && !configured->empty()) {
                return *configured;
            }
        }
    }
    return WorkzoneFileDefaultTemplate(kind);
}

int WorkzoneFilePath(int kind, const std::optional<std::string>& name, int maximum,
                     std::string& path) {
    std::string text = WorkzoneFileTemplate(kind);
    const auto limit = static_cast<std::size_t>(maximum < 0 ? 0 : maximum);
    const std::size_t star = text.find('*');
    const bool substitute = name && star != std::string::npos;
    if (text.size() > limit || (substitute && text.size() + name->size() > limit)) {
        path = name.value_or("");
        return kStatusTextTooLong;
    }
    if (substitute) {
        text.replace(star, 1, *name);
    }
    const int status = expand_path_text(text, maximum);
    path = text;
    return status;
}
