#pragma once
// The application's typed reads of its toolpath's values, by name or by parameter index. Every
// read goes to the current workzone (KVXZONE, looked up at each read) and leaves its output
// untouched when it fails.

#include <cstdint>
#include <string>

// Parameter indexes 1 (TP_COMMENT) .. 24 (TP_INDEX82).
inline constexpr int kToolpathParameterCount = 24;

// The variable name at an index; empty outside 1..24.
std::string ToolpathParameterName(int index);
// The value type code an index expects (1 length, 2 real, 3 angle, 4 integer, 5 text); 0
// outside 1..24.
std::int32_t ToolpathParameterKind(int index);

// True for the public toolpath types 201..299, 10204, 20204 and 30204.
bool IsFamily200Type(int public_type);

// The number of a toolpath type text: 0 for an empty or non-numeric text.
int ToolpathTypeNumber(const std::string& text);

class ToolpathReader {
public:
    explicit ToolpathReader(std::int32_t toolpath_number) : toolpath_number_(toolpath_number) {}
    virtual ~ToolpathReader() = default;

    std::int32_t toolpath_number() const { return toolpath_number_; }

    // TP_LITYPE, TP_STEPTYPE and TP_ZSTEPTYPE arrive as their integer codes in text form, other
    // enums as their texts. Succeeds for a text value.
    bool ReadText(const std::string& name, std::string& text) const;
    // Succeeds for a length, real or angle value, which is passed on unchanged.
    bool ReadReal(const std::string& name, float& value) const;
    bool ReadInteger(const std::string& name, std::int32_t& value) const;

    // By parameter index, into storage of the kind the index expects: succeeds only when the
    // value has exactly that kind. Reals come back rounded to three decimals.
    bool ReadIndexed(int index, std::string& text) const;
    bool ReadIndexed(int index, float& value) const;
    bool ReadIndexed(int index, std::int32_t& value) const;

    // Whether the toolpath's files could be read (loading them on first need): 0, or the load's
    // status with the path of the file that failed. The reads above cannot tell: a toolpath
    // that could not be loaded answers every read with default values.
    int LoadStatus(std::string* failed_path = nullptr) const;

    // TP_TYPE as the text of its public type number; never fails.
    std::string ReadToolpathType() const;

private:
    std::int32_t toolpath_number_;
};
