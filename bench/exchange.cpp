// Export and import of 10,000 tools in each format, against loading (export) and saving
// (import) the same tools in the same run: each ratio must stay at or below 3. Writing the
// 10,000 tool bit files is a save of as many files, so that export is set against saving.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/csv_format.h"
#include "exchange/exchange_format.h"
#include "exchange/exchange_import.h"
#include "tool/tool_parameter_set.h"

namespace {

constexpr int kTools = 10000;

const char* const kNames[] = {"TP_COMMENT",   "TP_CDESC",    "TP_BRAD",      "TP_CRAD",
                              "TP_TOL",       "TP_STOCK",    "TP_STEP",      "TP_DZSTEP",
                              "TP_ZSTEPTYPE", "TP_APPROACH", "TP_RETRACT",   "TP_FRCUT",
                              "TP_SPINDLE",   "TP_CPPNUM",   "TP_AUTOFLAGS", "MY_HOLDER"};

struct Library {
    std::string root;
    std::vector<std::string> files;
    std::vector<std::string> copies;
    std::string csv, table, bits;

    Library() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        std::filesystem::create_directories(root + "/home/texte");
        std::filesystem::create_directories(root + "/lib");
        std::filesystem::create_directories(root + "/copies");
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
            for (const char* name : kNames) {
                const std::string n = name;
                std::string label = "Label of " + n;
                label.resize(25, ' ');
                const std::string value = n == "TP_CPPNUM"      ? std::to_string(i + 1)
                                          : n == "TP_AUTOFLAGS" ? "0"
                                          : n == "TP_CRAD"      ? std::to_string(i % 3) + ".000"
                                          : n == "TP_COMMENT" || n == "TP_CDESC" ||
                                                  n == "MY_HOLDER" || n == "TP_ZSTEPTYPE"
                                              ? "text, \"" + std::to_string(i) + "\""
                                              : std::to_string(i % 13 + 3) + ".250";
                bytes += label + ":       &" + n + "=" + value + "\r\n";
            }
            files.push_back(root + "/lib/t" + std::to_string(i) + ".wkz");
            copies.push_back(root + "/copies/t" + std::to_string(i) + ".wkz");
            std::ofstream(files.back(), std::ios::binary) << bytes;
        }
        LossReport report;
        csv = ExportFolder(root + "/lib", ExchangeFormat::Csv, false, false, report).files[0].bytes;
        table = ExportFolder(root + "/lib", ExchangeFormat::ToolTable, false, false, report)
                    .files[0]
                    .bytes;
        WriteExportFiles(
            ExportFolder(root + "/lib", ExchangeFormat::ToolBits, false, false, report).files,
            root + "/bits", report);
        bits = root + "/bits/lib.fctl";
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

void BM_Export(benchmark::State& state) {
    const Library& tools = library();
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    for (auto _ : state) {
        LossReport report;
        ExportResult result = ExportFolder(tools.root + "/lib", format, false, false, report);
        if (state.range(1) != 0) {
            WriteExportFiles(result.files, tools.root + "/bits", report);
        }
        benchmark::DoNotOptimize(result.files.size());
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

void BM_Import(benchmark::State& state) {
    const Library& tools = library();
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    const std::string source = format == ExchangeFormat::Csv         ? tools.root + "/in.csv"
                               : format == ExchangeFormat::ToolTable ? tools.root + "/in.tbl"
                                                                     : tools.bits;
    if (format != ExchangeFormat::ToolBits) {
        std::ofstream(source, std::ios::binary)
            << (format == ExchangeFormat::Csv ? tools.csv : tools.table);
    }
    const std::string into = tools.root + "/into" + std::to_string(state.range(0));
    std::filesystem::create_directories(into);
    for (auto _ : state) {
        LossReport report;
        const SourceRead read = ReadSource(source, format, report);
        ImportOptions options;
        options.overwrite = true;  // every round replaces what the one before wrote
        options.keep_folders = read.keep_folders;
        benchmark::DoNotOptimize(ImportTools(read.tools, into, options, report).written);
    }
}

}  // namespace

// Format: 0 tool table, 1 CSV, 2 tool bits; then 1 when the files are written.
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Export)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
