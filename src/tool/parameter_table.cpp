#include "tool/parameter_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

struct ParameterRow {
    std::string_view name;  // a literal: NUL-terminated; compared by length first
    ParameterKind kind;
    int edit_level;
};

constexpr ParameterRow kRows[kParameterCount] = {
    {"", ParameterKind::None, 4},
    {"TP_COMMENT", ParameterKind::Text, 2},
    {"TP_CDESC", ParameterKind::Text, 2},
    {"TP_CDIAM", ParameterKind::Real, 4},
    {"TP_BRAD", ParameterKind::Real, 4},
    {"TP_CRAD", ParameterKind::Real, 4},
    {"TP_TOL", ParameterKind::Real, 4},
    {"TP_STOCK", ParameterKind::Real, 4},
    {"TP_STEP", ParameterKind::Real, 4},
    {"TP_DZSTEP", ParameterKind::Real, 4},
    {"TP_ZSTEPTYPE", ParameterKind::Text, 4},
    {"TP_APPROACH", ParameterKind::Real, 4},
    {"TP_RETRACT", ParameterKind::Real, 4},
    {"TP_FRRAPID", ParameterKind::Real, 3},
    {"TP_FRAPPROACH", ParameterKind::Real, 3},
    {"TP_FRCUT", ParameterKind::Real, 3},
    {"TP_SPINDLE", ParameterKind::Real, 3},
    {"TP_CPPNUM", ParameterKind::Integer, 3},
    {"TP_LITYPE", ParameterKind::Text, 4},
    {"TP_LIRAMP", ParameterKind::Real, 4},
    {"TP_LIRAD", ParameterKind::Real, 4},
    {"TP_STEPTYPE", ParameterKind::Text, 4},
    {"TP_AUTOFLAGS", ParameterKind::Integer, 4},
    {"TP_TYPE", ParameterKind::None, 4},
    {"TP_INDEX82", ParameterKind::None, 4},
};

// Every line of every tool file read is looked up: names are found through a hash of their
// length and two letters, in a table of open addressing filled at compile time.
constexpr std::size_t kSlots = 64;

constexpr std::size_t SlotOf(std::string_view name) {
    return (name.size() * 31 + static_cast<unsigned char>(name[name.size() / 2]) * 7 +
            static_cast<unsigned char>(name.back())) %
           kSlots;
}

constexpr std::array<ParameterIndex, kSlots> kSlotIndex = [] {
    std::array<ParameterIndex, kSlots> slots{};
    for (ParameterIndex i = 1; i < kParameterCount; ++i) {
        std::size_t slot = SlotOf(kRows[i].name);
        while (slots[slot] != 0) {
            slot = (slot + 1) % kSlots;
        }
        slots[slot] = i;
    }
    return slots;
}();

// Names are short: compared a machine word at a time, the two words overlapping, rather than
// byte by byte or through a library call. Both have the same size.
template <typename Word>
Word WordAt(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

template <typename Word>
bool SameWords(std::string_view a, std::string_view b) {
    const std::size_t last = a.size() - sizeof(Word);
    return WordAt<Word>(a.data()) == WordAt<Word>(b.data()) &&
           WordAt<Word>(a.data() + last) == WordAt<Word>(b.data() + last);
}

bool SameBytes(std::string_view a, std::string_view b) {
    if (a.size() >= sizeof(std::uint64_t) && a.size() <= 2 * sizeof(std::uint64_t)) {
        return SameWords<std::uint64_t>(a, b);
    }
    if (a.size() >= sizeof(std::uint32_t) && a.size() < sizeof(std::uint64_t)) {
        return SameWords<std::uint32_t>(a, b);
    }
    return a == b;
}

bool in_table(ParameterIndex index) {
    return index > 0 && index < kParameterCount;
}

}  // namespace

const char* ParameterNameTable(ParameterIndex index) {
    return in_table(index) ? kRows[index].name.data() : "";
}

ParameterIndex ParameterIndexOf(std::string_view name) {
    if (name.empty()) {
        return 0;
    }
    for (std::size_t slot = SlotOf(name); kSlotIndex[slot] != 0; slot = (slot + 1) % kSlots) {
        const std::string_view known = kRows[kSlotIndex[slot]].name;
        if (known.size() == name.size() && SameBytes(known, name)) {
            return kSlotIndex[slot];
        }
    }
    return 0;
}

ParameterKind ParameterKindOf(ParameterIndex index) {
    return in_table(index) ? kRows[index].kind : ParameterKind::None;
}

int ParameterEditLevel(ParameterIndex index) {
    return in_table(index) ? kRows[index].edit_level : 4;
}
