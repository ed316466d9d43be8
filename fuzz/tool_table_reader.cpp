// The tool table reader on arbitrary bytes: what it reads is written as a table that reads
// back to the same table.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/tool_table_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LossReport report;
    const std::string written = WriteToolTable(ReadToolTable(bytes, report), false, report);
    if (WriteToolTable(ReadToolTable(written, report), false, report) != written) {
        std::abort();
    }
    return 0;
}
