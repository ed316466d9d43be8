#pragma once
// The process-wide table of toolpath and user variables: 94 toolpath variables, the
// "<user-start>" marker and the end row, with room for 200 rows.

#include <cstdint>
#include <optional>
#include <string>

#include "workzone/toolpath_variable.h"

inline constexpr int kVariableTableRows = 200;
inline constexpr std::int32_t kVariableIdUserStart = 1000;
inline constexpr std::int32_t kVariableIdEnd = 9999;

inline constexpr std::int32_t kVariableSourceToolpath = 1;
inline constexpr std::int32_t kVariableSourceUser = 3;
inline constexpr std::int32_t kVariableSourceEnd = 4;

struct VariableDescriptor {
    std::string name;  // empty: skipped by name look-ups
    std::int32_t id = 0;
    std::int32_t source = 0;
    std::int32_t type = 0;
    std::int32_t flag = 0;
    std::optional<VariableItem> value;  // user variables only
};

// Exact, case-sensitive name; nullptr when absent.
VariableDescriptor* FindVariable(const std::string& name);
VariableDescriptor* FindVariableById(std::int32_t id);

// Adds a user variable of type 1, 2, 4 or 5 in front of the end row and returns its row; the
// existing row (its value unchanged) when the name is present; nullptr when the table is full.
VariableDescriptor* DefineUserVariable(const std::string& name, const VariableValue& value);

// Stores a user variable's value by the row's type; false for a type that holds no value.
bool StoreUserValue(VariableDescriptor& row, const VariableValue& value);

// Defines UNIT = "mm" the first time it is called.
void DefineUnitVariable();

// Position of the end row.
int VariableTableEnd();
// Positions past the end row give the end row.
const VariableDescriptor& VariableRow(int position);

// Back to the table as the process starts (no user variables, UNIT not yet defined), so that a
// test can start again.
void ReloadVariableTable();
