// Filling the tool list (offscreen) for a folder of 2,000 tools, against merely reading the same
// 2,000 files in the same run: the ratio of the two is the figure. Selecting another tool of the
// folder shown must not read the folder again: its benchmark counts the folder reads.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/main/list_ctrl_tool.h"
#include "platform/filesystem.h"

namespace {

constexpr int kTools = 2000;

struct Folder {
    std::string root;
    std::string folder;
    std::vector<std::string> files;

    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        folder = root + "/lib/Mills";
        std::filesystem::create_directories(folder);
        for (int i = 0; i < kTools; ++i) {
            const std::string path = folder + "/D" + std::to_string(i) + "_R1.wkz";
            std::ofstream out(path, std::ios::binary);
            const auto line = [&out](const char* name, const std::string& value) {
                out << "Label                    :       &" << name << "=" << value << "\r\n";
            };
            line("TP_CDESC", "Bull nose D" + std::to_string(i));
            line("TP_BRAD", std::to_string(1 + i % 20) + ".000");
            line("TP_CRAD", std::to_string(i % 3) + ".000");
            for (const char* name :
                 {"TP_TOL", "TP_STOCK", "TP_STEP", "TP_DZSTEP", "TP_APPROACH", "TP_RETRACT",
                  "TP_FRRAPID", "TP_FRAPPROACH", "TP_FRCUT", "TP_SPINDLE"}) {
                line(name, std::to_string(i % 7) + ".250");
            }
            line("TP_ZSTEPTYPE", "2");
            line("TP_CPPNUM", std::to_string(i));
            line("TP_COMMENT", "Roughing and finishing");
            if (i % 4 == 0) {
                std::ofstream(folder + "/D" + std::to_string(i) + "_R1.ncs") << "x";
            }
            files.push_back(path);
        }
    }
    ~Folder() { std::filesystem::remove_all(root); }
};

const Folder& folder() {
    static const Folder instance;
    return instance;
}

void FillListForTheFolder(benchmark::State& state) {
    const Folder& tools = folder();  // written before the clock runs
    CListCtrlTool list(nullptr, false);
    list.setToolDirectory(tools.root + "/lib");
    list.setFedrixEnabled(true);
    for (auto _ : state) {
        list.forgetDirectory();
        list.fill(tools.files[1], true);
    }
    state.counters["rows"] = list.model()->rowCount();
}
BENCHMARK(FillListForTheFolder)->Unit(benchmark::kMillisecond);

// The core's part of the fill: the rows read from the disk, without the widget.
void ReadTheRows(benchmark::State& state) {
    const Folder& tools = folder();  // written before the clock runs
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ReadToolListRows({tools.folder, tools.root + "/lib", true, false}));
    }
}
BENCHMARK(ReadTheRows)->Unit(benchmark::kMillisecond);

void ReadTheSameFiles(benchmark::State& state) {
    const Folder& tools = folder();  // written before the clock runs
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const std::string& path : tools.files) {
            bytes += platform::read_file(path).value_or(std::string()).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ReadTheSameFiles)->Unit(benchmark::kMillisecond);

// Moving from tool to tool in the folder shown only moves the selection.
void SelectAnotherToolOfTheFolder(benchmark::State& state) {
    const Folder& tools = folder();  // written before the clock runs
    CListCtrlTool list(nullptr, false);
    list.setToolDirectory(tools.root + "/lib");
    list.fill(tools.files[0], true);
    const int readsBefore = list.folderReads();
    std::size_t next = 0;
    for (auto _ : state) {
        next = (next + 7) % tools.files.size();
        list.fill(tools.files[next], true);
    }
    state.counters["folder_reads"] = list.folderReads() - readsBefore;
}
BENCHMARK(SelectAnotherToolOfTheFolder)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
