#pragma once
// Named toolpath variables: a caller gives a name such as "TP_CDIAM", the workzone directory
// and the toolpath number, and receives a typed value read from the loaded toolpath object.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Value type codes.
inline constexpr std::int32_t kVariableTypeDist = 1;
inline constexpr std::int32_t kVariableTypeReal = 2;
inline constexpr std::int32_t kVariableTypeAngle = 3;
inline constexpr std::int32_t kVariableTypeInt = 4;
inline constexpr std::int32_t kVariableTypeChar = 5;
inline constexpr std::int32_t kVariableTypeEnum = 6;
inline constexpr std::int32_t kVariableTypeCoord = 101;
inline constexpr std::int32_t kVariableTypeStep = 102;
inline constexpr std::int32_t kVariableTypeEnd = 206;

// Status codes of a read or a write.
inline constexpr int kVariableOk = 0;
inline constexpr int kVariableNoGetter = 1;
inline constexpr int kVariableNoSetter = 2;
inline constexpr int kVariableRefused = 3;

using VariableItem = std::variant<float, std::int32_t, std::string>;

// The result of a read: type 0 while empty; `count` items, each a float, an integer or a text.
struct VariableValue {
    std::int32_t type = 0;
    std::int32_t count = 0;
    std::vector<VariableItem> values;

    // Typed access to one item; 0 or the empty text when it is missing or of another kind.
    float real(int index = 0) const;
    std::int32_t integer(int index = 0) const;
    const std::string& text(int index = 0) const;
};

VariableValue MakeRealValue(std::int32_t type, float value);
VariableValue MakeIntegerValue(std::int32_t value);
VariableValue MakeTextValue(const std::string& value);

// Frees the items and empties the record.
void ReleaseVariableValue(VariableValue& value);

// "dist", "real", "angle", "int", "char", "enum", "coord", "step", ...; "unknown" for a code
// without a name.
const char* VariableTypeName(std::int32_t type);

// Reads a variable. `suffix` changes how an enum is rendered: ".int" or "int" give its code,
// other suffixes (separated by ";") select keyed texts of the information file. Status 0 also
// for a name that is not in the table, leaving the record empty.
int GetToolpathVariable(const std::string& name, const std::optional<std::string>& suffix,
                        const std::string& directory, std::int32_t toolpath_number,
                        VariableValue& value);
// The same with name and suffix joined by a point: "TP_LITYPE.int".
int GetToolpathVariable(const std::string& name_and_suffix, const std::string& directory,
                        std::int32_t toolpath_number, VariableValue& value);

// Writes a variable into the loaded toolpath object (or a user variable's row), so that the
// next read returns what was written. Enums take their code as an integer or as a text. Status
// 0, 2 (no setter; also a name that is not in the table) or 3 (refused value).
int SetToolpathVariable(const std::string& name, const std::string& directory,
                        std::int32_t toolpath_number, const VariableValue& value);
