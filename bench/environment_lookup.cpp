// The cost of a configured variable at both ends of a 5,000-line "var" section: the two must
// stay close, since every lookup of a program goes through this path.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/environment.h"
#include "runtime/report.h"

namespace {

constexpr int kNames = 5000;

std::string name_of(int index) {
    return "CB_BENCH_VARIABLE_" + std::to_string(index);
}

void write_file(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::filesystem::path g_home;

// An installation whose base file holds the section, loaded once for all benchmarks.
void install() {
    static bool done = [] {
        char pattern[] = "/tmp/bench-environment-XXXXXX";
        std::filesystem::path home = mkdtemp(pattern);
        g_home = home;
        std::filesystem::create_directories(home / "config");
        std::string text = "[var]\n";
        for (int i = 0; i < kNames; ++i) {
            text += name_of(i) + " = $KVXHOME/value/" + std::to_string(i) + "\n";
        }
        text += "[path]\nENV = " + (home / "config").string() + "\n";
        write_file((home / "config" / "environ.cfg").string(), text);
        setenv("KVXHOME", home.c_str(), 1);
        unsetenv("ENVPATH");
        set_quiet_reporting(true);
        load_environment();
        return true;
    }();
    (void)done;
}

void lookup(benchmark::State& state, int index) {
    install();
    const std::string name = name_of(index);
    if (!get_variable(name)) {
        state.SkipWithError("variable not configured");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(get_variable(name));
    }
}

void BM_GetVariableFirstName(benchmark::State& state) {
    lookup(state, 0);
}
void BM_GetVariableLastName(benchmark::State& state) {
    lookup(state, kNames - 1);
}

BENCHMARK(BM_GetVariableFirstName);
BENCHMARK(BM_GetVariableLastName);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!g_home.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(g_home, ignored);
    }
    return 0;
}
