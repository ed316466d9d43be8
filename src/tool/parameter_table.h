#pragma once
// The fixed table of tool parameter names. Pages, the main window and the toolpath reader
// address parameters by this index, so the order never changes.

#include <string>
#include <string_view>

using ParameterIndex = int;

inline constexpr ParameterIndex kParameterCount = 25;  // index 0 is the empty name
inline constexpr ParameterIndex kTpComment = 1;
inline constexpr ParameterIndex kTpCdesc = 2;
inline constexpr ParameterIndex kTpCdiam = 3;
inline constexpr ParameterIndex kTpBrad = 4;
inline constexpr ParameterIndex kTpCrad = 5;
inline constexpr ParameterIndex kTpTol = 6;
inline constexpr ParameterIndex kTpStock = 7;
inline constexpr ParameterIndex kTpStep = 8;
inline constexpr ParameterIndex kTpDzstep = 9;
inline constexpr ParameterIndex kTpZsteptype = 10;
inline constexpr ParameterIndex kTpApproach = 11;
inline constexpr ParameterIndex kTpRetract = 12;
inline constexpr ParameterIndex kTpFrrapid = 13;
inline constexpr ParameterIndex kTpFrapproach = 14;
inline constexpr ParameterIndex kTpFrcut = 15;
inline constexpr ParameterIndex kTpSpindle = 16;
inline constexpr ParameterIndex kTpCppnum = 17;
inline constexpr ParameterIndex kTpLitype = 18;
inline constexpr ParameterIndex kTpLiramp = 19;
inline constexpr ParameterIndex kTpLirad = 20;
inline constexpr ParameterIndex kTpSteptype = 21;
inline constexpr ParameterIndex kTpAutoflags = 22;
inline constexpr ParameterIndex kTpType = 23;
inline constexpr ParameterIndex kTpIndex82 = 24;

enum class ParameterKind { Text = 0, Real = 1, Integer = 2, None = 3 };

// The name at an index; "" for 0 and for any index outside the table.
const char* ParameterNameTable(ParameterIndex index);
// Exact, case-sensitive lookup; 0 when the name is not in the table.
ParameterIndex ParameterIndexOf(std::string_view name);
ParameterKind ParameterKindOf(ParameterIndex index);
// The level a difference in this parameter gives the change file: 2 descriptive texts,
// 3 NC data, 4 anything else.
int ParameterEditLevel(ParameterIndex index);

// Bits of TP_AUTOFLAGS; other bits are carried unchanged.
namespace AutoFlags {
inline constexpr int kAutoStepover = 0x1;
inline constexpr int kAutoPocketWidth = 0x2;
inline constexpr int kAutoZStep = 0x8;
inline constexpr int kCompared = kAutoStepover | kAutoPocketWidth | kAutoZStep;
}  // namespace AutoFlags
