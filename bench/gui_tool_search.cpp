// Typing in the main window's search box on a library of 20,000 tools in 400 folders (offscreen):
// the keystroke that starts the index must not wait for it, and the first matches must show in
// the same turn of the event loop that hands the finished index over. Against reading the same
// 20,000 files in the same run.
//
// Counters of TypingWhileTheIndexBuilds: keystroke_ms (the first keystroke's handler), handover_ms
// (the event-loop turn in which the index became ready, query and rows included),
// turns_after_ready (turns between the index being ready and the matches shown: 0 is the goal),
// shown_ms (first keystroke to matches shown) and per_reading (shown_ms over reading the files).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QLineEdit>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "platform/filesystem.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFolders = 400;
constexpr int kToolsPerFolder = 50;

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

struct Library {
    std::string root;
    std::vector<std::string> files;

    Library() {
        std::string pattern = (fs::temp_directory_path() / "cutterbase-bench-XXXXXX").string();
        root = mkdtemp(pattern.data());
        for (int f = 0; f < kFolders; ++f) {
            const fs::path folder =
                fs::path(root) / ("Group" + std::to_string(f / 20)) / ("Set" + std::to_string(f));
            fs::create_directories(folder);
            for (int t = 0; t < kToolsPerFolder; ++t) {
                const int i = f * kToolsPerFolder + t;
                const std::string path = (folder / ("D" + std::to_string(i) + "_R1.wkz")).string();
                std::ofstream out(path, std::ios::binary);
                const auto line = [&out](const char* name, const std::string& value) {
                    out << "Label                    :       &" << name << "=" << value << "\r\n";
                };
                line("TP_CDESC", "Bull nose D" + std::to_string(i));
                line("TP_BRAD", std::to_string(1 + i % 20) + ".000");
                line("TP_CRAD", std::to_string(i % 3) + ".000");
                line("TP_TOL", "0.010");
                line("TP_CPPNUM", std::to_string(i));
                line("TP_COMMENT", "Roughing and finishing");
                files.push_back(path);
            }
        }
    }
    ~Library() { fs::remove_all(root); }
};

const Library& library() {
    static const Library instance;
    return instance;
}

// The search's controls as the main window has them.
struct Window {
    QWidget parent;
    ToolSearchBox* box = new ToolSearchBox(&parent);
    CListCtrlTool* list = new CListCtrlTool(nullptr, false, &parent);
    QLineEdit* counter = new QLineEdit(&parent);
    QLineEdit* status = new QLineEdit(&parent);
    ToolSearch search{{box, list, counter, status}, nullptr, 0, false};

    Window() {
        list->setGeometry(0, 0, 700, 300);
        search.setLibrary(library().root, false);
    }
    void type(const QString& text) {
        box->setText(text);
        emit box->queryEdited(text);
    }
    int shown() const { return search.results()->model()->rowCount(); }
};

double readingMilliseconds = 0;

void ReadTheSameFiles(benchmark::State& state) {
    const Library& tools = library();  // written before the clock runs
    Clock::duration elapsed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::size_t bytes = 0;
        for (const std::string& path : tools.files) {
            bytes += platform::read_file(path).value_or(std::string()).size();
        }
        benchmark::DoNotOptimize(bytes);
        elapsed += Clock::now() - start;
    }
    readingMilliseconds = milliseconds(elapsed) / static_cast<double>(state.iterations());
}
BENCHMARK(ReadTheSameFiles)->Unit(benchmark::kMillisecond);

void TypingWhileTheIndexBuilds(benchmark::State& state) {
    library();
    double keystroke = 0, handover = 0, shown = 0, turnsAfterReady = 0;
    for (auto _ : state) {
        Window window;
        const Clock::time_point start = Clock::now();
        window.type(QStringLiteral("d1"));
        keystroke += milliseconds(Clock::now() - start);
        int turnsAfter = -1;
        while (window.shown() == 0) {
            // Waiting for the worker stays off the turn's clock.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            const Clock::time_point turn = Clock::now();
            QCoreApplication::processEvents();
            if (window.search.indexReady() && turnsAfter < 0) {
                handover += milliseconds(Clock::now() - turn);
                turnsAfter = 0;
            } else if (turnsAfter >= 0) {
                ++turnsAfter;
            }
        }
        shown += milliseconds(Clock::now() - start);
        turnsAfterReady += turnsAfter;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["keystroke_ms"] = keystroke / runs;
    state.counters["handover_ms"] = handover / runs;
    state.counters["turns_after_ready"] = turnsAfterReady / runs;
    state.counters["shown_ms"] = shown / runs;
    if (readingMilliseconds > 0) {
        state.counters["per_reading"] = shown / runs / readingMilliseconds;
    }
}
BENCHMARK(TypingWhileTheIndexBuilds)->Unit(benchmark::kMillisecond)->Iterations(3);

// Each keystroke on the built index: the query over 20,000 tools and the list's new rows.
void KeystrokeOnTheBuiltIndex(benchmark::State& state) {
    library();
    Window window;
    window.type(QStringLiteral("d"));
    while (!window.search.indexReady()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const QString texts[] = {QStringLiteral("d1"), QStringLiteral("d12"), QStringLiteral("d1")};
    std::size_t next = 0;
    for (auto _ : state) {
        window.type(texts[next++ % 3]);
    }
    state.counters["rows"] = window.shown();
}
BENCHMARK(KeystrokeOnTheBuiltIndex)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
