#pragma once
// The text layout of a toolpath's parameter file: up to 140 lines, line n holding item n.
// Numeric items are 32-bit floats; items 61-69, 81-90 and 131-140 are texts of 80 characters.

#include <array>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

inline constexpr int kParameterItemCount = 140;
inline constexpr int kParameterTextWidth = 80;
inline constexpr int kParameterLineLength = 100;

enum class ParameterItemKind { Number, Length, Text };

// The fixed kind of item 1..140; Number outside that range.
ParameterItemKind parameter_item_kind(int item);

struct ParameterItems {
    std::array<float, kParameterItemCount> numbers{};
    std::array<std::string, kParameterItemCount> texts;

    // Items are numbered 1..140; out of range reads give 0 / empty and writes are ignored.
    float number(int item) const;
    void set_number(int item, float value);
    const std::string& text(int item) const;
    void set_text(int item, std::string value);
    // A file is valid when item 1 is not 0.
    bool valid() const { return numbers[0] != 0.0f; }
};

// Reads lines for items 1 to 140 (each cut at 100 characters, the rest of a longer line
// skipped). End of input ends reading with the items read so far; a numeric field that does not
// read as a fixed-point number, or a stream error, sets item 1 to 0.
void read_parameter_items(std::istream& in, ParameterItems& items);
void parse_parameter_items(std::string_view content, ParameterItems& items);

// Label of a numeric line, for people only; empty for none.
using ParameterLabels = std::function<std::string(int item)>;

// The line of one item, without line break. Fails (false) for a number that cannot be written
// in the 14 columns of its field, such as NaN, infinity or a magnitude of 1e14 and above.
bool format_parameter_line(int item, const ParameterItems& items, const std::string& label,
                           std::string& line);
// All 140 lines; false when a line cannot be written, leaving `out` partly written.
bool write_parameter_items(std::ostream& out, const ParameterItems& items,
                           const ParameterLabels& labels = {});
// The file face: written whole to a temporary file and renamed over `path`.
bool write_parameter_file(const std::string& path, const ParameterItems& items,
                          const ParameterLabels& labels = {});

// Labels from the language text file "?TXT/texte.$KVXLANG" (section "PARAMETER_FILE", one
// entry per item number); no labels when the file is missing.
ParameterLabels language_parameter_labels();
