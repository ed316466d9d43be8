#include "workzone/toolpath_variable_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

struct ToolpathVariable {
    const char* name;
    std::int32_t id;
    std::int32_t type;
};

constexpr std::int32_t D = kVariableTypeDist;
constexpr std::int32_t R = kVariableTypeReal;
constexpr std::int32_t A = kVariableTypeAngle;
constexpr std::int32_t I = kVariableTypeInt;
constexpr std::int32_t C = kVariableTypeChar;
constexpr std::int32_t E = kVariableTypeEnum;

constexpr ToolpathVariable kToolpathVariables[] = {
    {"TP_NUM", 2, I},
    {"TP_COMMENT", 3, C},
    {"TP_TYPE", 4, E},
    {"TP_BRAD", 5, D},
    {"TP_CRAD", 6, D},
    {"TP_RADS", 7, D},
    {"TP_DIMS", 8, D},
    {"TP_CDIAM", 9, D},
    {"TP_CDESC", 10, C},
    {"TP_CSHAPE", 11, E},
    {"TP_CPPNUM", 12, I},
    {"TP_RCBRAD", 13, D},
    {"TP_RCCRAD", 14, D},
    {"TP_RCRADS", 15, D},
    {"TP_RCDIMS", 16, D},
    {"TP_RCDIAM", 17, D},
    {"TP_RCSHAPE", 18, E},
    {"TP_FRRAPID", 19, R},
    {"TP_FRAPPROACH", 20, R},
    {"TP_FRCUT", 21, R},
    {"TP_SPINDLE", 22, R},
    {"TP_AUTOFLAGS", 23, I},
    {"TP_AUTOSTEPOVER", 24, E},
    {"TP_AUTOPKTW", 25, E},
    {"TP_AUTORAMPW", 26, E},
    {"TP_AUTOZSTEP", 27, E},
    {"TP_AUTODRILLZPLANE", 28, E},
    {"TP_TOL", 29, D},
    {"TP_STOCK", 30, D},
    {"TP_APPROACH", 31, D},
    {"TP_RETRACT", 32, D},
    {"TP_LINK", 33, D},
    {"TP_STEP", 34, D},
    {"TP_EDGE", 35, D},
    {"TP_MAXCUT", 36, D},
    {"TP_MAXPKTW", 37, D},
    {"TP_MINPKTW", 38, D},
    {"TP_MAXPKTD", 39, D},
    {"TP_MINRAMPW", 40, D},
    {"TP_MINSTOCK", 41, D},
    {"TP_PECKPLUNGE", 42, D},
    {"TP_FWDSTEP", 43, D},
    {"TP_TOTALDEPTH", 44, D},
    {"TP_EXTRAD", 45, D},
    {"TP_DZBLOCK", 46, D},
    {"TP_ZBLOCK", 47, E},
    {"TP_STKTRIM", 48, E},
    {"TP_MANGLE", 49, A},
    {"TP_MAXSLOPE", 50, A},
    {"TP_SLOPELIMIT", 51, A},
    {"TP_MINX", 52, D},
    {"TP_MINY", 53, D},
    {"TP_MAXX", 54, D},
    {"TP_MAXY", 55, D},
    {"TP_ZPLANE", 56, D},
    {"TP_ZSTOP", 57, E},
    {"TP_VIEWNAME", 58, C},
    {"TP_BCRV", 59, C},
    {"TP_BSTOP", 60, E},
    {"TP_CSIDE", 61, E},
    {"TP_MDIR", 62, E},
    {"TP_MPAT", 63, E},
    {"TP_MORDER", 64, E},
    {"TP_ISTARTPT", 65, I},
    {"TP_CSTARTPT", 66, E},
    {"TP_DRIVEDIR", 67, E},
    {"TP_ENTRYPTS", 68, kVariableTypeCoord},
    {"TP_ZSTEPTYPE", 69, E},
    {"TP_DZSTEP", 70, D},
    {"TP_VARZSTEPS", 71, kVariableTypeStep},
    {"TP_DRVCRV", 72, C},
    {"TP_MCRV", 73, C},
    {"TP_REMTYPE", 74, E},
    {"TP_LITYPE", 75, E},
    {"TP_LIRAD", 76, D},
    {"TP_LIRAMP", 77, A},
    {"TP_STEPVAR", 78, E},
    {"TP_STEPTYPE", 79, E},
    {"TP_STKTYPE", 80, E},
    {"TP_STKTHK", 81, D},
    {"TP_FSMWALLSTOCK", 82, D},
    {"TP_FSMFLATSTOCK", 83, D},
    {"TP_FSMAREAS", 84, E},
    {"TP_HSRZSTEP", 85, D},
    {"TP_HSRSPRLWIDTH", 86, D},
    {"TP_HSRSMTHRAD", 87, D},
    {"TP_CCPRECISION", 88, D},
    {"TP_CCSTOCK", 89, D},
    {"TP_CCTOOLLENGTH", 90, D},
    {"TP_CCOVERLAP", 91, D},
    {"TP_CCTYPE", 92, E},
    {"TP_INDEX82", 93, C},
    {"TP_INDEX83", 94, C},
    {"TP_INDEX84", 95, C},
};

struct Table {
    std::array<VariableDescriptor, kVariableTableRows> rows;
    int end = 0;
    bool unit_defined = false;
};

Table make_table() {
    Table table;
    int position = 0;
    for (const auto& variable : kToolpathVariables) {
        table.rows[position++] = {variable.name, variable.id, kVariableSourceToolpath,
                                  variable.type, 1,           std::nullopt};
    }
    table.rows[position++] = {
        "<user-start>", kVariableIdUserStart, kVariableSourceUser, kVariableTypeChar, 0,
        std::nullopt};
    table.rows[position] = {"", kVariableIdEnd, kVariableSourceEnd, kVariableTypeEnd,
                            0,  std::nullopt};
    table.end = position;
    return table;
}

Table& table() {
    static Table instance = make_table();
    return instance;
}

}  // namespace

VariableDescriptor* FindVariable(const std::string& name) {
    Table& t = table();
    for (int i = 0; i <= t.end; ++i) {
        if (!t.rows[i].name.empty() && t.rows[i].name == name) {
            return &t.rows[i];
        }
    }
    return nullptr;
}

VariableDescriptor* FindVariableById(std::int32_t id) {
    Table& t = table();
    for (int i = 0; i <= t.end; ++i) {
        if (t.rows[i].id == id) {
            return &t.rows[i];
        }
    }
    return nullptr;
}

bool StoreUserValue(VariableDescriptor& row, const VariableValue& value) {
    row.value.reset();
    const VariableItem* item = value.values.empty() ? nullptr : &value.values.front();
    const float* real = item ? std::get_if<float>(item) : nullptr;
    const std::int32_t* integer = item ? std::get_if<std::int32_t>(item) : nullptr;
    switch (row.type) {
        case kVariableTypeDist:
        case kVariableTypeReal:
            row.value = real ? *real : (integer ? static_cast<float>(*integer) : 0.0f);
            return true;
        case kVariableTypeInt:
            if (integer) {
                row.value = *integer;
            } else if (real && std::isfinite(*real)) {
                // Out-of-range conversions would be undefined; clamp first.
                row.value = static_cast<std::int32_t>(
                    std::clamp(static_cast<double>(*real), -2147483648.0, 2147483647.0));
            } else {
                row.value = std::int32_t{0};
            }
            return true;
        case kVariableTypeChar: {
            const std::string* text = item ? std::get_if<std::string>(item) : nullptr;
            row.value = text ? *text : std::string();
            return true;
        }
        default:
            return false;
    }
}

VariableDescriptor* DefineUserVariable(const std::string& name, const VariableValue& value) {
    if (VariableDescriptor* existing = FindVariable(name)) {
        return existing;
    }
    Table& t = table();
    if (t.end >= kVariableTableRows - 1) {
        return nullptr;
    }
    const int position = t.end;
    t.rows[position + 1] = t.rows[position];
    t.end = position + 1;
    VariableDescriptor& row = t.rows[position];
    row = {name, t.rows[position - 1].id + 1, kVariableSourceUser, value.type, 0, std::nullopt};
    if (!StoreUserValue(row, value)) {
        std::fprintf(stderr, "Internal error setting [%s] to type %d\n", name.c_str(),
                     static_cast<int>(value.type));
    }
    return &row;
}

void DefineUnitVariable() {
    Table& t = table();
    if (!t.unit_defined) {
        t.unit_defined = true;
        DefineUserVariable("UNIT", MakeTextValue("mm"));
    }
}

int VariableTableEnd() {
    return table().end;
}

const VariableDescriptor& VariableRow(int position) {
    Table& t = table();
    if (position < 0 || position > t.end) {
        return t.rows[static_cast<std::size_t>(t.end)];
    }
    return t.rows[static_cast<std::size_t>(position)];
}

void ReloadVariableTable() {
    table() = make_table();
}
