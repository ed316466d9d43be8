// Loading and saving a library of 10,000 tool files of 25 lines, against merely reading and
// plainly writing the same bytes in the same run. The ratio of each pair is the figure.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "tool/tool_parameter_set.h"

namespace {

constexpr int kTools = 10000;

const char* const kNames[] = {
    "TP_COMMENT",  "TP_CDESC",     "TP_CDIAM",   "TP_BRAD",       "TP_CRAD",
    "TP_TOL",      "TP_STOCK",     "TP_STEP",    "TP_DZSTEP",     "TP_ZSTEPTYPE",
    "TP_APPROACH", "TP_RETRACT",   "TP_FRRAPID", "TP_FRAPPROACH", "TP_FRCUT",
    "TP_SPINDLE",  "TP_CPPNUM",    "TP_LITYPE",  "TP_LIRAMP",     "TP_LIRAD",
    "TP_STEPTYPE", "TP_AUTOFLAGS", "MY_NOTE",    "MY_HOLDER",     "TP_TYPE"};

struct Library {
    std::string root;
    std::vector<std::string> files;
    std::vector<std::string> copies;
    std::vector<std::string> plain;

    Library() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        // An installation with a variable definitions file, as every real one has.
        std::filesystem::create_directories(root + "/home/texte");
        std::filesystem::create_directories(root + "/lib");
        std::filesystem::create_directories(root + "/copies");
        std::filesystem::create_directories(root + "/plain");
        std::ofstream definitions(root + "/home/texte/kvxvars.ang", std::ios::binary);
        definitions << "[kvxvars]\r\n";
        for (const char* name : kNames) {
            definitions << name << "=Label of " << name << "\r\n";
        }
        definitions.close();
        setenv("KVXHOME", (root + "/home").c_str(), 1);
        setenv("KVXLANG", "ang", 1);
        for (int i = 0; i < kTools; ++i) {
            std::string bytes;
            for (int line = 0; line < 25; ++line) {
                std::string label = std::string("Label of ") + kNames[line];
                label.resize(25, ' ');
                std::string value = line < 2 || line == 9 || line >= 22
                                        ? "text " + std::to_string(i)
                                    : line == 16 || line == 21 ? std::to_string(i % 97)
                                                               : std::to_string(i % 13) + ".250";
                bytes += label + ":       &" + kNames[line] + "=" + value + "\r\n";
            }
            std::string path = root + "/lib/t" + std::to_string(i) + ".wkz";
            std::ofstream(path, std::ios::binary) << bytes;
            // Both writers replace files that exist, as saving an edited tool does.
            std::ofstream(root + "/copies/t" + std::to_string(i) + ".wkz") << bytes;
            std::ofstream(root + "/plain/t" + std::to_string(i) + ".wkz") << bytes;
            files.push_back(path);
            copies.push_back(root + "/copies/t" + std::to_string(i) + ".wkz");
            plain.push_back(root + "/plain/t" + std::to_string(i) + ".wkz");
        }
    }
    ~Library() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

Library& library() {
    static Library instance;
    return instance;
}

void BM_ReadLineByLine(benchmark::State& state) {
    const Library& tools = library();  // built before the clock runs
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const auto& path : tools.files) {
            std::ifstream in(path, std::ios::binary);
            std::string line;
            while (std::getline(in, line)) {
                ++lines;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_Load(benchmark::State& state) {
    const Library& tools = library();  // built before the clock runs
    for (auto _ : state) {
        std::size_t parameters = 0;
        for (const auto& path : tools.files) {
            ToolParameterSet tool;
            tool.Load(path);
            parameters += tool.parameters().size();
        }
        benchmark::DoNotOptimize(parameters);
    }
}

void BM_WritePlainly(benchmark::State& state) {
    std::vector<std::string> contents;
    for (const auto& path : library().files) {
        contents.push_back(*platform::read_file(path));
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < contents.size(); ++i) {
            std::ofstream out(library().plain[i], std::ios::binary | std::ios::trunc);
            out << contents[i];
        }
    }
}

void BM_Save(benchmark::State& state) {
    std::vector<ToolParameterSet> tools(library().files.size());
    for (std::size_t i = 0; i < tools.size(); ++i) {
        tools[i].Load(library().files[i]);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < tools.size(); ++i) {
            benchmark::DoNotOptimize(tools[i].Save(library().copies[i]));
        }
    }
}

}  // namespace

BENCHMARK(BM_ReadLineByLine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WritePlainly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
