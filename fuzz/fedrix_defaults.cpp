// Level files and the Fedrix proposals from arbitrary bytes: no crash and no undefined behaviour,
// whatever numbers a level file or a tool holds, and never a negative or undefined depth.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "tool/fedrix_defaults.h"
#include "tool/level_file_depth.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double depth =
        LevelDepthOfText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!(depth >= 0.0)) {
        std::abort();
    }
    float numbers[4] = {};
    if (size < sizeof(numbers) + 1) {
        return 0;
    }
    std::memcpy(numbers, data, sizeof(numbers));
    FedrixDefaultInputs in;
    in.diameter = numbers[0];
    in.stepover = numbers[1];
    in.depth = FedrixDefaultDepth((data[sizeof(numbers)] & 2) != 0, depth, numbers[2]);
    in.cutting_feed = numbers[3];
    in.family200 = (data[sizeof(numbers)] & 1) != 0;
    const FedrixDefaults out = ComputeFedrixDefaults(in);
    if (out.min_feed_rate % 10 != 0 || out.max_feed_rate % 10 != 0) {
        std::abort();
    }
    (void)TruncateToInt32(numbers[3]);
    return 0;
}
