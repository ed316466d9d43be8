#pragma once
// Which field of the toolpath object backs each toolpath variable, and the rules of the
// variables that are computed rather than stored.

#include <cstdint>
#include <string>

#include "workzone/toolpath_details.h"

struct VariableField {
    std::int32_t id;
    float ToolpathDetails::*real = nullptr;
    int ToolpathDetails::*integer = nullptr;  // int and enum variables
    std::string ToolpathDetails::*text = nullptr;
};

// The plain field of a variable, or nullptr for a variable with a rule of its own.
const VariableField* FindVariableField(std::int32_t id);

// Bit of TP_AUTOFLAGS behind the enums TP_AUTOSTEPOVER .. TP_AUTODRILLZPLANE; 0 for others.
int AutoFlagBit(std::int32_t id);

// The public toolpath type of a stored type and its two sub-modes.
int PublicToolpathType(int stored_type, int sub_mode_1, int sub_mode_2);
// The inverse: sets type and sub-modes so that PublicToolpathType gives `public_type` back.
void StorePublicToolpathType(ToolpathDetails& details, int public_type);

// TP_MANGLE and TP_MDIR.
float MachiningAngle(const ToolpathDetails& details);
void StoreMachiningAngle(ToolpathDetails& details, float angle);
int MachiningDirection(const ToolpathDetails& details);
// False (nothing changed) for the types whose direction is fixed and for values other than 1
// and 2.
bool StoreMachiningDirection(ToolpathDetails& details, int direction);

// Ids of the variables with rules of their own.
inline constexpr std::int32_t kIdNum = 2;
inline constexpr std::int32_t kIdType = 4;
inline constexpr std::int32_t kIdRads = 7;
inline constexpr std::int32_t kIdDims = 8;
inline constexpr std::int32_t kIdCdiam = 9;
inline constexpr std::int32_t kIdRcrads = 15;
inline constexpr std::int32_t kIdRcdims = 16;
inline constexpr std::int32_t kIdRcdiam = 17;
inline constexpr std::int32_t kIdMangle = 49;
inline constexpr std::int32_t kIdViewName = 58;
inline constexpr std::int32_t kIdMdir = 62;
inline constexpr std::int32_t kIdEntryPoints = 68;
inline constexpr std::int32_t kIdVarZSteps = 71;
