#include "workzone/units.h"

#include <cmath>
#include <optional>

#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "runtime/expansion.h"
#include "runtime/info_file.h"
#include "runtime/record_file.h"
#include "runtime/status.h"
#include "workzone/data_file_reader.h"
#include "workzone/parameter_file_reader.h"
#include "workzone/toolpath_details.h"

namespace {

constexpr int kUnitPathCapacity = 384;

std::optional<WorkzoneUnits> g_units;

bool inch_file_exists() {
    std::string path = "?inch$KVXUNITS";
    int status = expand_path_text(path, kUnitPathCapacity);
    return (status == kStatusOk || status == kStatusUndefined) && !path.empty() &&
           platform::is_regular_file(path);
}

// Factor and offset from the zone information; the defaults stay where it cannot be read.
void read_zone_information(WorkzoneUnits& units) {
    std::string path;
    int status = info_file_name(kZoneInformationName, kZoneInformationNumber, &path);
    if ((status != kStatusOk && status != kStatusUndefined) || !platform::exists(path)) {
        return;
    }
    int unit = 0;
    record_open(&unit, path, kRecordModeRead, &status);
    if (status != kStatusOk) {
        return;
    }
    float factor = 0.0f;
    // A factor that is no usable positive number would turn every length into nonsense.
    if (record_goto(unit, kZoneFactorRecord) == kStatusOk &&
        record_read_real(unit, &factor) == kStatusOk && factor > 0.0f && std::isfinite(factor)) {
        units.factor = factor;
    }
    char text[kZoneStockOffsetWidth];
    if (record_goto(unit, kZoneStockOffsetRecord) == kStatusOk) {
        status = record_read_text(unit, text, kZoneStockOffsetWidth);
        if (status == kStatusOk || status == kStatusBufferTooSmall) {
            auto offset = static_cast<float>(
                platform::parse_leading_double(std::string_view(text, sizeof text)).value);
            units.stock_offset = std::isfinite(offset) ? offset : 0.0f;
        }
    }
    record_close(unit);
}

std::string directory_of(const std::string& path) {
    std::size_t at = path.find_last_of('/');
    return at == std::string::npos ? std::string() : path.substr(0, at);
}

}  // namespace

WorkzoneUnits detect_workzone_units() {
    WorkzoneUnits units;
    if (inch_file_exists()) {
        units.system = kUnitSystemInches;
    }
    read_zone_information(units);
    return units;
}

const WorkzoneUnits& workzone_units() {
    if (!g_units) {
        g_units = detect_workzone_units();
    }
    return *g_units;
}

void forget_workzone_units() {
    g_units.reset();
}

void convert_items_from_workzone(ParameterItems& items, const WorkzoneUnits& units) {
    float offset = units.stock_offset * units.factor;
    items.set_number(kStockItem, items.number(kStockItem) - offset);
    if (units.factor != 1.0f) {
        for (int item = 1; item <= kParameterItemCount; ++item) {
            if (parameter_item_kind(item) == ParameterItemKind::Length) {
                items.set_number(item, items.number(item) / units.factor);
            }
        }
    }
}

void convert_items_to_workzone(ParameterItems& items, const WorkzoneUnits& units) {
    items.set_number(kStockItem, items.number(kStockItem) + units.stock_offset);
    if (units.factor != 1.0f) {
        for (int item = 1; item <= kParameterItemCount; ++item) {
            if (parameter_item_kind(item) == ParameterItemKind::Length) {
                items.set_number(item, items.number(item) * units.factor);
            }
        }
    }
}

int read_parameter_file_converted(ToolpathDetails& details, const std::string& path) {
    ParameterItems items;
    ParameterFileReader reader(path, DataFileReader::kRead, items);
    int status = reader.Run();
    if (status == kDataFileOk && !items.valid()) {
        status = kDataFileMissing;
    }
    if (status == kDataFileOk) {
        convert_items_from_workzone(items, workzone_units());
        details.CopyFromItems(items, directory_of(path));
    }
    return status;
}

int write_parameter_file_converted(const ToolpathDetails& details, const std::string& path) {
    ParameterItems items = details.ToItems();
    convert_items_to_workzone(items, workzone_units());
    ParameterFileReader writer(path, DataFileReader::kWrite, items, language_parameter_labels());
    return writer.Run();
}
