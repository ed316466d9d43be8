// Scanning a library of 20,000 tools in 200 folders (half of them with Fedrix files) into the
// tree, with and without Fedrix images, against merely listing the same folders in the same
// run. The ratio of scan to listing is the figure.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/tool_tree.h"
#include "platform/filesystem.h"

namespace {

constexpr int kFolders = 200;
constexpr int kToolsPerFolder = 100;

struct Library {
    std::string root;

    Library() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        for (int f = 0; f < kFolders; ++f) {
            const std::string folder =
                root + "/group" + std::to_string(f % 10) + "/folder" + std::to_string(f);
            std::filesystem::create_directories(folder);
            for (int t = 0; t < kToolsPerFolder; ++t) {
                const std::string stem = folder + "/tool" + std::to_string(t);
                std::ofstream(stem + ".wkz") << "x";
                if (t % 2 == 0) {
                    std::ofstream(stem + ".ncs") << "x";
                }
            }
        }
    }
    ~Library() { std::filesystem::remove_all(root); }
};

const Library& library() {
    static const Library instance;
    return instance;
}

void ScanWithFedrix(benchmark::State& state) {
    const std::string& root = library().root;  // built before the clock runs
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanToolTree(root, true));
    }
}
BENCHMARK(ScanWithFedrix)->Unit(benchmark::kMillisecond);

void ScanWithoutFedrix(benchmark::State& state) {
    const std::string& root = library().root;  // built before the clock runs
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScanToolTree(root, false));
    }
}
BENCHMARK(ScanWithoutFedrix)->Unit(benchmark::kMillisecond);

void ListFoldersOnly(benchmark::State& state) {
    const std::string& root = library().root;  // built before the clock runs
    for (auto _ : state) {
        std::size_t entries = 0;
        for (const auto& group : platform::find_files(root + "/group*")) {
            const std::string path = root + "/" + group.name;
            for (const auto& folder : platform::find_files(path + "/folder*")) {
                entries += platform::find_files(path + "/" + folder.name + "/*").size();
            }
        }
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(ListFoldersOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
