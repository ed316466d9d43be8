#include "support/test_support.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "cutterbase-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests make files read-only; give write permission back so everything can go.
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& relative) const {
    return path_ + "/" + relative;
}

std::string TempDir::write(const std::string& relative, const std::string& bytes) const {
    std::string full = file(relative);
    fs::create_directories(fs::path(full).parent_path());
    std::ofstream(full, std::ios::binary | std::ios::trunc) << bytes;
    return full;
}

std::string TempDir::mkdir(const std::string& relative) const {
    std::string full = file(relative);
    fs::create_directories(full);
    return full;
}

std::string read_file(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

namespace {

void put(const std::string& name, const std::optional<std::string>& value) {
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
}

}  // namespace

ScopedEnv::~ScopedEnv() {
    for (const auto& [name, value] : saved_) {
        put(name, value);
    }
}

ScopedEnv& ScopedEnv::set(const std::string& name, const std::optional<std::string>& value) {
    if (!saved_.count(name)) {
        const char* old = std::getenv(name.c_str());
        saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    put(name, value);
    return *this;
}

CliResult run_cli(const std::vector<std::string>& arguments, const CliOptions& options) {
    const char* program = std::getenv("CUTTERBASE_CLI");
    if (program == nullptr) {
        throw std::runtime_error("CUTTERBASE_CLI is not set");
    }
    TempDir capture;
    std::string out_path = capture.file("out");
    std::string err_path = capture.file("err");
    pid_t pid = fork();
    if (pid == 0) {
        if (!options.working_directory.empty() && chdir(options.working_directory.c_str()) != 0) {
            _exit(127);
        }
        if (options.address_space != 0) {
            const rlimit no_core{0, 0};
            const rlimit space{options.address_space, options.address_space};
            if (setrlimit(RLIMIT_CORE, &no_core) != 0 || setrlimit(RLIMIT_AS, &space) != 0) {
                _exit(127);
            }
        }
        const std::string& out_file =
            options.standard_output.empty() ? out_path : options.standard_output;
        FILE* out = freopen(out_file.c_str(), "w", stdout);
        FILE* err = freopen(err_path.c_str(), "w", stderr);
        if (out == nullptr || err == nullptr) {
            _exit(127);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program));
        for (const auto& a : arguments) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(program, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliResult result;
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    return result;
}

}  // namespace testsupport
