// The tool file reader on arbitrary bytes: whatever it keeps must be written back and read
// again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "toolfiles/tool_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto entries = parse_tool_file(bytes);
    std::string written = format_tool_file(entries);
    auto again = parse_tool_file(written);
    // Values lose trailing blanks and labels are made safe on writing; after one round the
    // file must be stable.
    if (format_tool_file(again) != written) {
        std::abort();
    }
    return 0;
}
