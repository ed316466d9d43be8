// Start-up of the main window on a library of 20,000 tools in 400 folders (half of them with
// Fedrix files): from the window's construction to the end of its initialisation, on the
// offscreen platform, against a plain recursive listing of the same tree in the same run. The
// ratio of the two is the figure; the start-up reports it as the counter "per_listing".
//
// The installation is a copy of demo/ whose tool library is replaced by the generated one; the
// toolpath's tool, Bullnose/D10_R2.wkz, is one of the 20,000.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "gui/framework/numeric_locale.h"
#include "gui/main/cutter_base_dlg.h"
#include "gui/main/language_box.h"
#include "gui/main/tree_ctrl_tool.h"
#include "runtime/environment.h"
#include "workzone/axis_system.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_variable_enum.h"
#include "workzone/toolpath_variable_table.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kGroups = 20;           // top-level folders, each with
constexpr int kFoldersPerGroup = 19;  // this many subfolders: 400 folders in all
constexpr int kToolsPerFolder = 50;   // 20,000 tools
constexpr char kToolpathTool[] = "D10_R2";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of tools: real tool files from the demo's library, every second one with the
// Fedrix file of the toolpath's tool beside it.
void fillFolder(const fs::path& folder, int number, const std::vector<std::string>& tools,
                const std::string& fedrix) {
    fs::create_directories(folder);
    for (int t = 0; t < kToolsPerFolder; ++t) {
        const std::string stem =
            number == 0 && t == 0 ? std::string(kToolpathTool) : "T" + std::to_string(t);
        writeAll(folder / (stem + ".wkz"),
                 tools[static_cast<std::size_t>(number + t) % tools.size()]);
        if (t % 2 == 0) {
            writeAll(folder / (stem + ".ncs"), fedrix);
        }
    }
}

struct Installation {
    fs::path top;
    fs::path library;
    fs::path workzone;
    std::size_t items = 1;  // of the tree: the root, the folders and the tools

    Installation() {
        std::string pattern = (fs::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        top = mkdtemp(pattern.data());
        const fs::path demo = CUTTERBASE_DEMO_DIR;
        for (const char* part : {"kvxhome/config", "kvxhome/texte", "kvxhome/bin", "workzone"}) {
            fs::create_directories(top / part);
            fs::copy(demo / part, top / part, fs::copy_options::recursive);
        }
        fs::create_directories(top / "home");
        fs::create_directories(top / "config");
        library = top / "kvxhome" / "tools";
        workzone = top / "workzone";

        // The toolpath's own tool first, so that it matches the toolpath.
        const fs::path demoTools = demo / "kvxhome" / "tools";
        std::vector<std::string> tools{
            readAll(demoTools / "Bullnose" / (std::string(kToolpathTool) + ".wkz"))};
        for (const auto& entry : fs::recursive_directory_iterator(demoTools)) {
            if (entry.path().extension() == ".wkz") {
                tools.push_back(readAll(entry.path()));
            }
        }
        const std::string fedrix = readAll(demo / "kvxhome" / "tools" / "Bullnose" /
                                           (std::string(kToolpathTool) + ".ncs"));
        int number = 0;
        for (int g = 0; g < kGroups; ++g) {
            // The first group holds the toolpath's tool.
            const fs::path group =
                library / (g == 0 ? std::string("Bullnose") : "Group" + std::to_string(g));
            fillFolder(group, number++, tools, fedrix);
            for (int f = 0; f < kFoldersPerGroup; ++f) {
                fillFolder(group / ("Set" + std::to_string(f)), number++, tools, fedrix);
            }
        }
        items += static_cast<std::size_t>(number) * (1 + kToolsPerFolder);
    }
    ~Installation() { fs::remove_all(top); }

    // The environment the CAM system starts the program in.
    void enter() const {
        setenv("KVXHOME", (top / "kvxhome").c_str(), 1);
        setenv("KVXZONE", workzone.c_str(), 1);
        setenv("KVX_CUTTER_DIR", library.c_str(), 1);
        setenv("KVXLANG", "ang", 1);
        setenv("HOME", (top / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (top / "config").c_str(), 1);
        for (const char* name :
             {"KVXTMPDIR", "KVXUSERAD", "KVXDEBUG", "KVXMENU_MZDEBUG", "ENVPATH", "TXTPATH"}) {
            unsetenv(name);
        }
        fs::current_path(workzone);
    }
};

const Installation& installation() {
    static const Installation instance;
    return instance;
}

// What a fresh process would start with: nothing loaded yet.
void forgetProcessTables() {
    unload_environment();
    reset_axis_systems();
    forget_toolpath_details_load();
    toolpath_details().Reset();
    ReloadVariableTable();
    UnloadToolpathVariableInfo();
}

double listingSeconds = 0;

void PlainRecursiveListing(benchmark::State& state) {
    const fs::path& library = installation().library;  // built before the clock runs
    Clock::duration elapsed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(library)) {
            names.push_back(entry.path().filename().string());
        }
        benchmark::DoNotOptimize(names.data());
        elapsed += Clock::now() - start;
    }
    listingSeconds =
        std::chrono::duration<double>(elapsed).count() / static_cast<double>(state.iterations());
}
BENCHMARK(PlainRecursiveListing)->Unit(benchmark::kMillisecond);

std::size_t countItems(const QTreeWidgetItem* item) {
    std::size_t count = 1;
    for (int i = 0; i < item->childCount(); ++i) {
        count += countItems(item->child(i));
    }
    return count;
}

void MainWindowStartup(benchmark::State& state) {
    const Installation& fixture = installation();
    fixture.enter();
    LanguageBox languageBox("KvxCutterBase");
    languageBox.create();
    const std::string changeFile = (fixture.workzone / "cutter.out").string();
    Clock::duration elapsed{};
    for (auto _ : state) {
        state.PauseTiming();
        forgetProcessTables();
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        auto dialog = std::make_unique<CCutterBaseDlg>(changeFile, 1, &languageBox);
        elapsed += Clock::now() - start;
        state.PauseTiming();
        const std::size_t items =
            dialog->Tree()->rootItem() != nullptr ? countItems(dialog->Tree()->rootItem()) : 0;
        const bool shown = CTreeCtrlTool::itemPath(dialog->Tree()->selectedItem()) ==
                           (fixture.library / "Bullnose" / "D10_R2.wkz").string();
        dialog.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
        if (items != fixture.items || !shown) {
            state.SkipWithError("the window did not show the generated library and its tool");
            break;
        }
    }
    const double seconds =
        std::chrono::duration<double>(elapsed).count() / static_cast<double>(state.iterations());
    if (listingSeconds > 0) {
        state.counters["per_listing"] = seconds / listingSeconds;
    }
    forgetProcessTables();
}
BENCHMARK(MainWindowStartup)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgumentCount = 1;
    QApplication application(qtArgumentCount, argv);
    keepNumericLocaleC();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
