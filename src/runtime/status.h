#pragma once
// Status codes of the runtime library: 0 success, negative codes for failures.

inline constexpr int kStatusOk = 0;
inline constexpr int kStatusNoSuchUnit = -11;
inline constexpr int kStatusUnitNotOpen = -12;
inline constexpr int kStatusBadMode = -13;
inline constexpr int kStatusFileNotFound = -21;
inline constexpr int kStatusReadError = -25;
inline constexpr int kStatusWriteError = -26;
inline constexpr int kStatusBadMagic = -27;
inline constexpr int kStatusSyntaxError = -31;
inline constexpr int kStatusBufferTooSmall = -32;
inline constexpr int kStatusTypeMismatch = -33;
inline constexpr int kStatusEndOfRecord = -34;
inline constexpr int kStatusNoMemory = -41;
inline constexpr int kStatusTextTooLong = -42;
inline constexpr int kStatusUndefined = -43;
inline constexpr int kStatusNoSearchPart = -44;
