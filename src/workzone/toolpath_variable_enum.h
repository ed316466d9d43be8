#pragma once
// Texts of enumerated toolpath variables, from the toolpath variable information file
// "?TXT/tpvarinfo.$KVXLANG": one section per variable, lines "value=text" or
// "value.suffix=text".

#include <cstdint>
#include <optional>
#include <string>

struct MessageDatabase;

// The information file, loaded on the first call; nullptr when it cannot be found.
const MessageDatabase* ToolpathVariableInfo();
// Forgets the loaded file, so that a test can load another one.
void UnloadToolpathVariableInfo();

// Text of `value` of the variable with this id. A suffix ".int" or "int" (any case) gives the
// value as "%d"; other suffixes, separated by ";", are tried as keys value.suffix in order,
// then the bare value. Without a key: "NAME-value", or nothing when `no_fallback` is set;
// "VarId-id-value" for an id that is not in the table.
std::optional<std::string> EnumText(std::int32_t id, std::int32_t value,
                                    const std::optional<std::string>& suffix, bool no_fallback);

// The code of an enum text: the text itself when it reads as an integer, else the key of the
// first line of the variable's section whose text equals it; -1 when there is none.
std::int32_t EnumValueFromText(std::int32_t id, const std::string& text);
