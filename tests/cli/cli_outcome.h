#pragma once
// One run of cutterbase-cli as "EXIT|OUT|ERR", so a check compares all three at once.

#include <string>
#include <vector>

#include "support/test_support.h"

using Arguments = std::vector<std::string>;

inline std::string outcome(const Arguments& arguments,
                           const testsupport::CliOptions& options = {}) {
    const auto result = testsupport::run_cli(arguments, options);
    return std::to_string(result.exit_code) + "|" + result.out + "|" + result.err;
}
