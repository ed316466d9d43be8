#pragma once
// The workzone's unit system and the parameter-file conversion between its length unit and
// millimetres. The factor (millimetres per unit) and the stock offset come from the workzone's
// zone information file "<zone>/zone0.inf": a record file whose record 6 holds the factor as
// a real and record 7 the stock offset as a text of at most 60 characters. Without that file
// the factor is 1.0 and the offset 0.

#include <string>

#include "workzone/parameter_file.h"

class ToolpathDetails;

inline constexpr int kUnitSystemMillimetres = 1;
inline constexpr int kUnitSystemInches = 2;

inline constexpr const char* kZoneInformationName = "zone";
inline constexpr int kZoneInformationNumber = 0;
inline constexpr int kZoneFactorRecord = 6;
inline constexpr int kZoneStockOffsetRecord = 7;
inline constexpr int kZoneStockOffsetWidth = 60;

inline constexpr int kStockItem = 10;

struct WorkzoneUnits {
    int system = kUnitSystemMillimetres;
    float factor = 1.0f;        // millimetres per unit of the workzone
    float stock_offset = 0.0f;  // applied to the stock item
};

// Detected on the first call of the process, then kept.
const WorkzoneUnits& workzone_units();
// Forgets the detection, so that the next call looks again.
void forget_workzone_units();
// The detection itself: "?inch$KVXUNITS" naming an existing file means inches; factor and
// offset from the zone information.
WorkzoneUnits detect_workzone_units();

// Values of the file (workzone units) to millimetres: the stock item loses the offset times the
// factor, then every length item is divided by the factor unless it is exactly 1.
void convert_items_from_workzone(ParameterItems& items, const WorkzoneUnits& units);
// The exact inverse, before writing.
void convert_items_to_workzone(ParameterItems& items, const WorkzoneUnits& units);

// The parameter-file read and write of ToolpathDetails with the conversion of workzone_units().
// Status codes as the plain read and write.
int read_parameter_file_converted(ToolpathDetails& details, const std::string& path);
int write_parameter_file_converted(const ToolpathDetails& details, const std::string& path);
