#pragma once
// The kinds of workzone files with their name templates. A template holds at most one "*" for
// the object's name; the configuration's section "Karvex files names" may replace a template,
// entry named by the kind's key.

#include <optional>
#include <string>

inline constexpr int kFileKindView = 101;
inline constexpr int kFileKindPoints = 102;
inline constexpr int kFileKindCurves = 103;
inline constexpr int kFileKindLimits = 104;
inline constexpr int kFileKindAxisSystem = 105;
inline constexpr int kFileKindLevels = 106;
inline constexpr int kFileKindToolpath = 1010;
inline constexpr int kFileKindEditedToolpath = 1011;
inline constexpr int kFileKindToolParameters = 1012;
inline constexpr int kFileKindToolLimitsName = 1013;
inline constexpr int kFileKindToolZMax = 1014;
inline constexpr int kFileKindToolLimits = 1015;
inline constexpr int kFileKindToolView = 1016;
inline constexpr int kFileKindToolDrillPoints = 1017;
inline constexpr int kFileKindToolLevels = 1018;
inline constexpr int kFileKindToolMachinedCurve = 1019;
inline constexpr int kFileKindPart = 1020;
inline constexpr int kFileKindSurfaces = 1021;
inline constexpr int kFileKindKarvexAxisSystem = 1022;
inline constexpr int kFileKindRestmatContour = 1023;
inline constexpr int kFileKindRestmatGrid = 1024;
inline constexpr int kFileKindStock = 1025;
inline constexpr int kFileKindHolder = 1026;

inline constexpr const char* kFileNamesSection = "Karvex files names";

// "VIEW", "TOOL_PARAMETERS", ...; empty for a code that is not in the table.
std::string WorkzoneFileKey(int kind);
// The built-in template; "*" for a code that is not in the table.
std::string WorkzoneFileDefaultTemplate(int kind);
// The configured template when it is not empty, else the built-in one. Loads the environment
// configuration when it is not loaded yet.
std::string WorkzoneFileTemplate(int kind);

// The path of a workzone file: the kind's template with its "*" replaced by `name` (when a
// name is given), expanded as a path within `maximum` characters. Returns the expansion's
// status (0, or -43 with a complete path that names an undefined variable, ...), or -42 with
// the name copied unexpanded when the template, or the template with the name, is longer than
// `maximum`.
int WorkzoneFilePath(int kind, const std::optional<std::string>& name, int maximum,
                     std::string& path);
