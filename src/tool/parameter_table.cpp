#include "tool/parameter_table.h"

namespace {

struct ParameterRow {
    std::string_view name;  // a literal: NUL-terminated; compared by length first
    ParameterKind kind;
    int edit_level;
};

constexpr ParameterRow kRows[kParameterCount] = {
    {"", ParameterKind::None, 4},
    {"TP_COMMENT", ParameterKind::Text, 2},
    {"TP_CDESC", ParameterKind::Text, 2},
    {"TP_CDIAM", ParameterKind::Real, 4},
    {"TP_BRAD", ParameterKind::Real, 4},
    {"TP_CRAD", ParameterKind::Real, 4},
    {"TP_TOL", ParameterKind::Real, 4},
    {"TP_STOCK", ParameterKind::Real, 4},
    {"TP_STEP", ParameterKind::Real, 4},
    {"TP_DZSTEP", ParameterKind::Real, 4},
    {"TP_ZSTEPTYPE", ParameterKind::Text, 4},
    {"TP_APPROACH", ParameterKind::Real, 4},
    {"TP_RETRACT", ParameterKind::Real, 4},
    {"TP_FRRAPID", ParameterKind::Real, 3},
    {"TP_FRAPPROACH", ParameterKind::Real, 3},
    {"TP_FRCUT", ParameterKind::Real, 3},
    {"TP_SPINDLE", ParameterKind::Real, 3},
    {"TP_CPPNUM", ParameterKind::Integer, 3},
    {"TP_LITYPE", ParameterKind::Text, 4},
    {"TP_LIRAMP", ParameterKind::Real, 4},
    {"TP_LIRAD", ParameterKind::Real, 4},
    {"TP_STEPTYPE", ParameterKind::Text, 4},
    {"TP_AUTOFLAGS", ParameterKind::Integer, 4},
    {"TP_TYPE", ParameterKind::None, 4},
    {"TP_INDEX82", ParameterKind::None, 4},
};

bool in_table(ParameterIndex index) {
    return index > 0 && index < kParameterCount;
}

}  // namespace

const char* ParameterNameTable(ParameterIndex index) {
    return in_table(index) ? kRows[index].name.data() : "";
}

ParameterIndex ParameterIndexOf(std::string_view name) {
    // Every line of every tool file read is looked up: only names of the same length and the
    // same last letter are compared.
    if (name.empty()) {
        return 0;
    }
    for (ParameterIndex i = 1; i < kParameterCount; ++i) {
        const std::string_view known = kRows[i].name;
        if (known.size() == name.size() && known.back() == name.back() && known == name) {
            return i;
        }
    }
    return 0;
}

ParameterKind ParameterKindOf(ParameterIndex index) {
    return in_table(index) ? kRows[index].kind : ParameterKind::None;
}

int ParameterEditLevel(ParameterIndex index) {
    return in_table(index) ? kRows[index].edit_level : 4;
}
