#pragma once
// The process-wide registry of named coordinate systems: the part's own system, the
// workzone's machine system and the calculation system of the current toolpath, each with its
// inverse and its relation to the calculation system.

#include <string>

#include "workzone/axis_matrix.h"

inline constexpr int kAxisSystemCount = 8;
inline constexpr int kAxisSystemCad = 1;
inline constexpr int kAxisSystemMachine = 2;
inline constexpr int kAxisSystemCalculation = 3;

inline constexpr unsigned kAxisDefined = 1;
inline constexpr unsigned kAxisLoaded = 2;
inline constexpr unsigned kAxisIdentity = 4;
inline constexpr unsigned kAxisRelationIdentity = 8;

// Names are kept to this many characters; also the bound of the machine file's path.
inline constexpr std::size_t kAxisNameMax = 128;

struct AxisSystem {
    std::string name;
    unsigned flags = 0;
    Matrix4 matrix = identity_matrix();
    Matrix4 inverse = identity_matrix();
    Matrix4 to_calculation = identity_matrix();    // matrix x K^-1
    Matrix4 from_calculation = identity_matrix();  // K x matrix^-1
};

// Slot 1..8, nullptr outside.
const AxisSystem* axis_system(int index);

// Copies both matrices into the slot, marks it defined and loaded (identity when the matrix
// is), and updates the relations. -1 for an index outside 1..8, else 0.
int set_axis_system(int index, const Matrix4& matrix, const Matrix4& inverse);

// "CAD" or "CAO": the identity under that name; "MACHINE": the workzone's machine file (the
// identity when there is none); anything else: the path of an axis system file. 0, or -1.
int load_axis_system(int index, const std::string& name);

// Back to the initial content: CAD, MACHINE (not loaded), CALCUL (not loaded), five free slots.
void reset_axis_systems();
