// Following a library that other programs change (offscreen): one tool rewritten in a shown
// folder of 2,000 tools must update its row alone (counters: tool files read per change, 1, and
// folder reads, 0); a script writing and then removing 10,000 tools in about a second each must
// leave the event loop answering (counter: the longest single pass of the loop, against 100 ms,
// and the same loop's longest pass while nothing changes, measured in the same run).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "gui/main/library_watcher.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tree_ctrl_tool.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kShownTools = 2000;
constexpr int kBurstTools = 10000;

void writeTool(const std::string& path, int number, const std::string& comment) {
    const std::string temporary = path + ".tmp";
    std::ofstream(temporary, std::ios::binary)
        << "Radius :  &TP_BRAD=" << 1 + number % 20 << ".000\r\nCorner :  &TP_CRAD=" << number % 3
        << ".000\r\nComment :  &TP_COMMENT=" << comment << "\r\n";
    fs::rename(temporary, path);
}

struct Library {
    std::string root;
    std::string mills;
    std::string burst;
    Library() {
        std::string pattern = (fs::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        mills = root + "/Mills";
        burst = root + "/Burst";
        fs::create_directories(mills);
        fs::create_directories(burst);
        for (int i = 0; i < kShownTools; ++i) {
            writeTool(mills + "/D" + std::to_string(i) + ".wkz", i, "first");
        }
    }
    ~Library() { fs::remove_all(root); }
};

// The window's parts on the library, showing `folder`.
struct Window {
    CTreeCtrlTool tree;
    CListCtrlTool list{nullptr, false};
    LibraryWatcher watcher{&tree, &list, false};
    Window(const Library& library, const std::string& folder) {
        tree.rebuildTree(library.root, false);
        list.setToolDirectory(library.root);
        list.fill(folder, false);
        watcher.watchTree();
        watcher.follow({}, {});
    }
};

// Runs the event loop until `done` or 20 s; the longest single pass of the loop.
template <typename Done>
double loopUntil(Done done) {
    double longest = 0;
    const Clock::time_point end = Clock::now() + std::chrono::seconds(20);
    while (!done() && Clock::now() < end) {
        const Clock::time_point start = Clock::now();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
        longest = std::max(longest,
                           std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return longest;
}

void OneToolChangedInAShownFolder(benchmark::State& state) {
    const Library library;  // written before the clock runs
    Window window(library, library.mills);
    const int reads = window.list.folderReads();
    const std::size_t filesRead = window.watcher.listFilesRead();
    int round = 0;
    for (auto _ : state) {
        const std::string comment = "round " + std::to_string(++round);
        writeTool(library.mills + "/D1000.wkz", 1000, comment);
        loopUntil([&] {
            const auto& rows = window.list.toolModel()->rows();
            return std::any_of(rows.begin(), rows.end(), [&](const ToolListRow& row) {
                return row.columns[kColumnComment] == comment;
            });
        });
    }
    state.counters["files_read_per_change"] =
        static_cast<double>(window.watcher.listFilesRead() - filesRead) / round;
    state.counters["folder_reads"] = window.list.folderReads() - reads;
}
BENCHMARK(OneToolChangedInAShownFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

void ScriptWritesAndRemovesTenThousandTools(benchmark::State& state) {
    const Library library;
    Window window(library, library.burst);
    const auto rows = [&window] { return window.list.toolModel()->rows().size(); };
    double idle = 0;
    double busy = 0;
    for (auto _ : state) {
        // The same loop while nothing changes: the floor.
        const Clock::time_point quiet = Clock::now() + std::chrono::milliseconds(500);
        idle = std::max(idle, loopUntil([&] { return Clock::now() > quiet; }));
        std::atomic<bool> written{false};
        std::thread script([&] {
            for (int i = 0; i < kBurstTools; ++i) {
                writeTool(library.burst + "/T" + std::to_string(i) + ".wkz", i, "burst");
            }
            written = true;
        });
        busy = std::max(busy, loopUntil([&] { return written && rows() == kBurstTools + 1; }));
        script.join();
        std::thread remover([&] {
            for (int i = 0; i < kBurstTools; ++i) {
                fs::remove(library.burst + "/T" + std::to_string(i) + ".wkz");
            }
        });
        busy = std::max(busy, loopUntil([&] { return rows() == 1; }));
        remover.join();
        if (rows() != 1) {
            state.SkipWithError("the list did not follow the script");
        }
    }
    state.counters["longest_pass_ms"] = busy;
    state.counters["idle_pass_ms"] = idle;
}
BENCHMARK(ScriptWritesAndRemovesTenThousandTools)->Unit(benchmark::kMillisecond)->Iterations(1);

// The start-up's library: 400 folders of 50 tools. Watching them (with the look at the shown
// folder) against building the tree in the same run: the counter "per_tree_build". The window
// sets the watches up after its construction, in the event loop's next pass, so the start-up's
// own figure does not hold them.
void WatchFourHundredFolders(benchmark::State& state) {
    const Library library;
    for (int g = 0; g < 20; ++g) {
        for (int f = 0; f < 20; ++f) {
            const std::string folder = library.root + "/Group" + std::to_string(g) +
                                       (f == 0 ? std::string() : "/Set" + std::to_string(f));
            fs::create_directories(folder);
            for (int t = 0; t < 50; ++t) {
                std::ofstream(folder + "/T" + std::to_string(t) + ".wkz") << "&TP_BRAD=1\r\n";
            }
        }
    }
    const std::string shown = library.root + "/Group0";
    double building = 0;
    double watching = 0;
    for (auto _ : state) {
        CTreeCtrlTool tree;
        CListCtrlTool list(nullptr, false);
        list.setToolDirectory(library.root);
        list.fill(shown, false);
        Clock::time_point start = Clock::now();
        tree.rebuildTree(library.root, false);
        building += std::chrono::duration<double>(Clock::now() - start).count();
        start = Clock::now();
        LibraryWatcher watcher(&tree, &list, false);
        watcher.watchTree();
        watcher.follow({}, {});
        // The watches are set up in the event loop's next pass.
        QCoreApplication::processEvents();
        watching += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["per_tree_build"] = watching / building;
}
BENCHMARK(WatchFourHundredFolders)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
