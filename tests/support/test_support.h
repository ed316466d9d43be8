#pragma once
// Fixtures shared by the test folders: temporary trees, scoped environment variables and a
// runner for the command-line program.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + relative
    std::string file(const std::string& relative) const;
    // Writes bytes to a file below the directory, creating missing directories; returns its path.
    std::string write(const std::string& relative, const std::string& bytes) const;
    std::string mkdir(const std::string& relative) const;

private:
    std::string path_;
};

std::string read_file(const std::string& path);

// Sets (or with nullopt unsets) environment variables for the life of the object.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    ScopedEnv& set(const std::string& name, const std::optional<std::string>& value);

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

struct CliResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

struct CliOptions {
    CliOptions(std::string directory = {}) : working_directory(std::move(directory)) {}
    std::string working_directory;
    // A file that receives the standard output instead of the capture ("/dev/full").
    std::string standard_output;
    // A limit of the address space in bytes (no core file is written then); 0: none.
    std::size_t address_space = 0;
};

// Runs cutterbase-cli (path from CUTTERBASE_CLI) with the arguments, in the working directory
// when one is given, and captures its output. A run ended by a signal has exit code -1.
CliResult run_cli(const std::vector<std::string>& arguments, const CliOptions& options = {});

}  // namespace testsupport
