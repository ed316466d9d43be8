// The search index on a library of 20,000 tools in 400 folders (a quarter of them with Fedrix
// files, one in a hundred faulty), each figure beside its floor in the same run:
// - building the index against reading the same files (listing every folder, reading every
//   tool file and Fedrix file whole); a rebuild over unchanged files for comparison;
// - one query on the built index against a plain loop that folds and compares the 20,000
//   file names.
// The ratios are the figures: build / read at most 2, query / loop at most 3.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/tool_index.h"
#include "app/tool_query.h"
#include "platform/code_page.h"
#include "platform/filesystem.h"

namespace {

constexpr int kFolders = 400;
constexpr int kToolsPerFolder = 50;

// A tool file as the program writes one: seventeen parameter lines.
std::string tool_file(int n) {
    const int diameter = 1 + n % 32;
    const double corner = (n % 3) * 0.5;
    const std::string name = "D" + std::to_string(diameter) + " R" + std::to_string(corner);
    std::string bytes;
    const auto line = [&](const char* label, const char* key, const std::string& value) {
        std::string padded(label);
        padded.resize(25, ' ');
        bytes += padded + ":       &" + key + "=" + value + "\r\n";
    };
    line("Description", "TP_CDESC", "Fr\xE4ser " + name);
    line("Toolpath Comment", "TP_COMMENT", n % 5 == 0 ? "Schlichten" : "Schruppen");
    line("Body Radius", "TP_BRAD", std::to_string(diameter / 2.0));
    // One tool in a hundred is faulty: a corner radius larger than the cutter.
    line("Corner Radius", "TP_CRAD", std::to_string(n % 100 == 0 ? diameter : corner));
    for (const char* key :
         {"TP_TOL", "TP_STOCK", "TP_STEP", "TP_DZSTEP", "TP_APPROACH", "TP_RETRACT", "TP_FRRAPID",
          "TP_FRAPPROACH", "TP_FRCUT", "TP_SPINDLE"}) {
        line("Value", key, "0.500");
    }
    line("Z-Step Type", "TP_ZSTEPTYPE", "2");
    line("Tool Number", "TP_CPPNUM", std::to_string(1 + n));
    line("Auto Flags", "TP_AUTOFLAGS", "0");
    return bytes;
}

struct Library {
    std::string root;
    std::vector<std::string> folders;
    ToolIndex built;

    Library() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        int n = 0;
        for (int f = 0; f < kFolders; ++f) {
            const std::string folder =
                root + "/group" + std::to_string(f % 20) + "/folder" + std::to_string(f);
            std::filesystem::create_directories(folder);
            folders.push_back(folder);
            for (int t = 0; t < kToolsPerFolder; ++t, ++n) {
                const std::string stem =
                    folder + "/D" + std::to_string(1 + n % 32) + "_tool" + std::to_string(n);
                std::ofstream(stem + ".wkz", std::ios::binary) << tool_file(n);
                if (t % 4 == 0) {
                    std::ofstream(stem + ".ncs", std::ios::binary)
                        << "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n[BASICS]\n"
                           "Start Depth=0.800\nMax Depth=3.500\n";
                }
            }
        }
        built.Build(root, true);
    }
    ~Library() { std::filesystem::remove_all(root); }
};

const Library& library() {
    static const Library instance;
    return instance;
}

void BuildIndex(benchmark::State& state) {
    const Library& lib = library();  // built before the clock runs
    for (auto _ : state) {
        ToolIndex index;
        index.Build(lib.root, true);
        benchmark::DoNotOptimize(index.entries().size());
    }
}
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

void RebuildUnchangedIndex(benchmark::State& state) {
    const Library& lib = library();
    ToolIndex index;
    index.Build(lib.root, true);
    for (auto _ : state) {
        index.Build(lib.root, true);
        benchmark::DoNotOptimize(index.entries().size());
    }
}
BENCHMARK(RebuildUnchangedIndex)->Unit(benchmark::kMillisecond);

// The floor: list every folder and read every file the index reads (the tool files and the
// Fedrix files beside them) whole, nothing more.
void ReadToolFilesOnly(benchmark::State& state) {
    const Library& lib = library();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& folder : lib.folders) {
            for (const auto& entry : platform::list_entry_kinds(folder)) {
                if (platform::wildcard_match("*.wkz", entry.name) ||
                    platform::wildcard_match("*.ncs", entry.name)) {
                    bytes += platform::read_file(folder + "/" + entry.name).value_or("").size();
                }
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ReadToolFilesOnly)->Unit(benchmark::kMillisecond);

void QueryOneWord(benchmark::State& state) {
    const Library& lib = library();
    const ToolQuery query = ParseToolQuery("tool1234").query;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MatchTools(lib.built, query));
    }
}
BENCHMARK(QueryOneWord)->Unit(benchmark::kMicrosecond);

void QueryWordsAndTerms(benchmark::State& state) {
    const Library& lib = library();
    const ToolQuery query = ParseToolQuery("fr\xC3\xA4ser d:8-12 shape:bull").query;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MatchTools(lib.built, query));
    }
}
BENCHMARK(QueryWordsAndTerms)->Unit(benchmark::kMicrosecond);

// The floor: fold each of the 20,000 names and look for the word in it.
void FoldAndCompareNames(benchmark::State& state) {
    const Library& lib = library();
    std::vector<std::string> names;
    for (const ToolIndexEntry& entry : lib.built.entries()) {
        names.push_back(entry.file_name);
    }
    const std::string word = "TOOL1234";
    for (auto _ : state) {
        std::vector<std::size_t> found;
        std::string folded;
        for (std::size_t i = 0; i < names.size(); ++i) {
            folded = names[i];
            for (char& c : folded) {
                c = platform::code_page_upper(c);
            }
            if (folded.find(word) != std::string::npos) {
                found.push_back(i);
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(FoldAndCompareNames)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
