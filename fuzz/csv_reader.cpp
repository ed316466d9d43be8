// The CSV reader on arbitrary bytes: whatever it accepts must be written, read again without
// an error and written to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/csv_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LossReport report;
    const CsvRead read = ReadCsv(bytes, report);
    if (!read.error.empty()) {
        return 0;
    }
    const std::string written = WriteCsv(read.tools, report);
    const CsvRead again = ReadCsv(written, report);
    if (!again.error.empty() || WriteCsv(again.tools, report) != written) {
        std::abort();
    }
    return 0;
}
