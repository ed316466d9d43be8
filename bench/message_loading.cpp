// Loading a configuration chain against merely reading its lines, and the cost of a lookup at
// both ends of a large section.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "runtime/message_database.h"

namespace {

struct Fixture {
    std::filesystem::path directory;
    std::string base;
    std::vector<std::string> overloads;
    std::string big_section;
};

void write_file(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A base file of 2,000 lines: sections of parameters with comments, blank lines and
// conditions, as a real installation's configuration has them.
std::string base_file() {
    std::string text;
    int lines = 0;
    for (int section = 0; lines < 2000; ++section) {
        text += "[section" + std::to_string(section) + "]\n";
        ++lines;
        for (int i = 0; i < 48 && lines < 2000; ++i, ++lines) {
            std::string name = "NAME" + std::to_string(section) + "_" + std::to_string(i);
            switch (i % 8) {
                case 0:
                    text += "# " + name + " is documented here\n";
                    break;
                case 1:
                    text += "/if CB_BENCH_OS == linux\n";
                    break;
                case 2:
                    text += "/endif\n";
                    break;
                case 3:
                    text += "\n";
                    break;
                default:
                    text += name + " = $KVXHOME/some/directory/" + name + "   # comment\n";
            }
        }
    }
    return text;
}

// 300 lines that replace and extend names of the base file.
std::string overload_file(int number) {
    std::string text = "[section" + std::to_string(number) + "]\n";
    for (int i = 1; i < 300; ++i) {
        int target = i % 40;
        std::string name = "NAME" + std::to_string(number) + "_" + std::to_string(target);
        text += name + " = +;/overload" + std::to_string(number) + "/" + std::to_string(i) + "\n";
    }
    return text;
}

Fixture& fixture() {
    static Fixture instance = [] {
        Fixture f;
        char pattern[] = "/tmp/bench-message-loading-XXXXXX";
        f.directory = mkdtemp(pattern);
        setenv("CB_BENCH_OS", "linux", 1);
        f.base = (f.directory / "environ.cfg").string();
        write_file(f.base, base_file());
        for (int i = 1; i <= 3; ++i) {
            f.overloads.push_back(
                (f.directory / ("overload" + std::to_string(i) + ".cfg")).string());
            write_file(f.overloads.back(), overload_file(i));
        }
        std::string big = "[var]\n";
        for (int i = 0; i < 5000; ++i) {
            big +=
                "VARIABLE" + std::to_string(i) + " = value of variable " + std::to_string(i) + "\n";
        }
        f.big_section = (f.directory / "big.cfg").string();
        write_file(f.big_section, big);
        return f;
    }();
    return instance;
}

void BM_LoadBaseAndThreeOverloads(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        MessageDatabase* db = load_messages(nullptr, f.base);
        for (const std::string& overload : f.overloads) {
            db = load_messages(db, overload);
        }
        benchmark::DoNotOptimize(db);
        free_database(db);
    }
}
BENCHMARK(BM_LoadBaseAndThreeOverloads);

void BM_ReadTheSameFilesLineByLine(benchmark::State& state) {
    const Fixture& f = fixture();
    std::vector<std::string> paths = {f.base};
    paths.insert(paths.end(), f.overloads.begin(), f.overloads.end());
    for (auto _ : state) {
        long lines = 0;
        for (const std::string& path : paths) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            char line[256];
            while (std::fgets(line, sizeof line, file) != nullptr) {
                ++lines;
            }
            std::fclose(file);
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadTheSameFilesLineByLine);

void get_value_of(benchmark::State& state, const std::string& name) {
    MessageDatabase* db = load_messages(nullptr, fixture().big_section);
    std::uint16_t section = find_section(db, "var");
    for (auto _ : state) {
        benchmark::DoNotOptimize(get_value(db, section, name));
    }
    free_database(db);
}

void BM_GetValueFirstOf5000(benchmark::State& state) {
    get_value_of(state, "VARIABLE0");
}
BENCHMARK(BM_GetValueFirstOf5000);

void BM_GetValueLastOf5000(benchmark::State& state) {
    get_value_of(state, "VARIABLE4999");
}
BENCHMARK(BM_GetValueLastOf5000);

// Prints the two ratios the figures are judged by, behind the usual table: CPU time, since
// the machine's other work distorts wall time; medians when repetitions are asked for.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            bool single = run.run_type == Run::RT_Iteration && run.iterations > 0;
            bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (single || median) {
                nanoseconds_[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() * multiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        ratio("load / read lines", "BM_LoadBaseAndThreeOverloads", "BM_ReadTheSameFilesLineByLine");
        ratio("get_value last / first", "BM_GetValueLastOf5000", "BM_GetValueFirstOf5000");
    }

private:
    void ratio(const char* label, const std::string& a, const std::string& b) {
        if (nanoseconds_.count(a) != 0 && nanoseconds_.count(b) != 0 && nanoseconds_[b] > 0) {
            std::printf("%s: %.2f\n", label, nanoseconds_[a] / nanoseconds_[b]);
        }
    }
    static double multiplier(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kMicrosecond:
                return 1e3;
            case benchmark::kMillisecond:
                return 1e6;
            case benchmark::kSecond:
                return 1e9;
            default:
                return 1.0;
        }
    }
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(fixture().directory);
    benchmark::Shutdown();
    return 0;
}
