#include "runtime/environment.h"

#include <cstdio>
#include <cstdlib>

#include "platform/filesystem.h"
#include "runtime/expansion_internal.h"
#include "runtime/message_database.h"
#include "runtime/message_database_internal.h"
#include "runtime/report.h"
#include "runtime/status.h"

using namespace expansion_detail;

namespace {

MessageDatabase* g_database = nullptr;
// While the base file is read there is no database yet; a condition in it that names a
// variable must not start a second load.
bool g_loading = false;
std::string g_temporary_directory;
bool g_computing_temporary = false;

const char kConfigurationFile[] = "environ.cfg";

std::optional<std::string> process_variable(const std::string& name) {
    if (name.empty() || name.find('=') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> configured_value(const char* section, const std::string& name) {
    if (g_database == nullptr) {
        if (g_loading) {
            return std::nullopt;
        }
        load_environment();
    }
    std::uint16_t index = find_section(g_database, section);
    if (index == kNoSection) {
        return std::nullopt;
    }
    std::optional<std::string> value = get_value(g_database, index, name);
    if (!value) {
        return std::nullopt;
    }
    return trim_trailing(*value);
}

std::string configured_origin(const char* section, const std::string& name) {
    if (g_database == nullptr) {
        return {};
    }
    return origin_description(g_database, find_section(g_database, section), name).value_or("");
}

std::string without_trailing_separator(std::string path) {
    if (!path.empty() && platform::is_separator(path.back())) {
        path.pop_back();
    }
    return path;
}

std::string configuration_file_in(const std::string& directory) {
    return format_text("%s%c%s", without_trailing_separator(directory).c_str(),
                       platform::kPathSeparator, kConfigurationFile);
}

void ensure_directory(const std::string& directory) {
    if (!platform::is_directory(directory) && !platform::create_directories(directory)) {
        report_fatal(format_text("Could not create temporary directory '%s'", directory.c_str()));
    }
}

std::string read_workzone_number(const std::string& path) {
    std::FILE* file = platform::open_regular_stream(path);
    if (file == nullptr) {
        report_fatal(format_text("Error opening file '%s' for read access\n", path.c_str()));
    }
    char line[80];
    bool read = std::fgets(line, sizeof line, file) != nullptr;
    std::fclose(file);
    if (!read) {
        report_fatal(format_text("Error reading file '%s'\n", path.c_str()));
    }
    return trim_trailing(line);
}

std::optional<std::string> temporary_directory() {
    if (std::optional<std::string> directory = process_variable("KVXTMPDIR")) {
        return directory;
    }
    if (!g_temporary_directory.empty()) {
        ensure_directory(g_temporary_directory);
        return g_temporary_directory;
    }
    // The number file may itself name "$TMP".
    if (g_computing_temporary) {
        return std::nullopt;
    }
    struct Computing {
        Computing() { g_computing_temporary = true; }
        ~Computing() { g_computing_temporary = false; }
    } computing;

    std::string number_file = "$KVXZONE/workzone.num";
    if (expand_within(number_file, kPathBuffer, true) != kStatusOk) {
        report_fatal("KVXZONE is not defined\n");
    }
    std::string directory = format_text("$KVXTMP/%s", read_workzone_number(number_file).c_str());
    // An undefined KVXTMP would name a directory "Undefined_KVXTMP" below the current one.
    if (expand_within(directory, kPathBuffer, true) != kStatusOk) {
        return std::nullopt;
    }
    ensure_directory(directory);
    g_temporary_directory = directory;
    return directory;
}

std::string environment_path() {
    std::string list = "?ENV";
    if (expand_within(list, kPathBuffer, true) != kStatusOk) {
        report_fatal("Error loading 'environ.cfg' files\n");
    }
    return list;
}

void add_builtin_variables(MessageDatabase* db) {
    std::uint16_t section = find_section(db, "var");
    if (section == kNoSection) {
        return;
    }
    bool storable = set_storable_mode(false);
    add_definition(db, section, "LINUX = 1");
    add_definition(db, section, "PC = 1");
    set_storable_mode(storable);
}

class VerboseOff {
public:
    VerboseOff() : previous_(set_verbose_reporting(false)) {}
    ~VerboseOff() { restore(); }
    VerboseOff(const VerboseOff&) = delete;
    VerboseOff& operator=(const VerboseOff&) = delete;
    void restore() { set_verbose_reporting(previous_); }

private:
    bool previous_;
};

void load_chain() {
    report_trace("LOADING ENVIRONMENT FILES ....");
    VerboseOff quiet;
    std::optional<std::string> home = process_variable("KVXHOME");
    if (!home) {
        report_fatal(format_text("The environment variable '%s' is not defined\n", "KVXHOME"));
    }
    std::string base =
        format_text("%s%cconfig%c%s", without_trailing_separator(*home).c_str(),
                    platform::kPathSeparator, platform::kPathSeparator, kConfigurationFile);
    report_trace(format_text("loading configuration file '%s'", base.c_str()));
    g_database = load_messages(nullptr, base);
    if (g_database == nullptr) {
        report_fatal(format_text("Error loading '%s'\n", base.c_str()));
    }
    add_builtin_variables(g_database);

    std::string list = environment_path();
    std::string second;
    std::vector<ListSpan> spans = list_spans(list);
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        std::string candidate =
            configuration_file_in(list.substr(span->begin, span->end - span->begin));
        if (candidate != base) {
            second = candidate;
            break;
        }
    }
    if (second.empty()) {
        quiet.restore();
        report_trace(".LOADING ENVIRONMENT FILES ....done.");
        return;
    }
    report_trace(format_text("loading configuration file '%s'", second.c_str()));
    MessageDatabase* overloaded = load_messages(g_database, second);
    if (overloaded == nullptr) {
        report_fatal(format_text("Error loading '%s'\n", second.c_str()));
    }
    g_database = overloaded;

    list = environment_path();
    spans = list_spans(list);
    const ListSpan* last = nullptr;
    for (auto span = spans.rbegin(); span != spans.rend() && last == nullptr; ++span) {
        std::size_t begin = list.find_first_not_of(" \t", span->begin);
        if (begin >= span->end) {
            begin = span->end;
        }
        std::string candidate = configuration_file_in(list.substr(begin, span->end - begin));
        if (candidate != base && candidate != second) {
            last = &*span;
        }
    }
    quiet.restore();
    if (last == nullptr) {
        report_trace("..LOADING ENVIRONMENT FILES ....done.");
        return;
    }
    g_database = overload_environment(g_database, list.substr(0, last->end), kConfigurationFile);
    report_trace("LOADING ENVIRONMENT FILES ....done.");
}

}  // namespace

std::optional<std::string> get_variable(const std::string& name) {
    if (name == "TMP") {
        return temporary_directory();
    }
    std::optional<std::string> value = process_variable(name);
    if (!value) {
        value = configured_value("var", name);
    }
    // Blanks after the workzone's name are no part of it: every file of the workzone is found
    // in the same directory, whichever reader expands it.
    if (value && name == "KVXZONE") {
        value->erase(value->find_last_not_of(' ') + 1);
    }
    return value;
}

std::optional<std::string> get_path_variable(const std::string& name) {
    if (std::optional<std::string> value = process_variable(name + "PATH")) {
        return value;
    }
    return configured_value("path", name);
}

std::string variable_origin(const std::string& name, const std::string&) {
    if (name == "TMP") {
        // The process environment's TMP is never what get_variable answers.
        return process_variable("KVXTMPDIR") ? "from environment variable KVXTMPDIR" : "";
    }
    if (process_variable(name)) {
        return "from environment";
    }
    return configured_origin("var", name);
}

std::string path_origin(const std::string& name, const std::string&) {
    std::string variable = name + "PATH";
    if (process_variable(variable)) {
        return format_text("from environment '%s'", variable.c_str());
    }
    return configured_origin("path", name);
}

void load_environment() {
    if (g_database != nullptr || g_loading) {
        return;
    }
    struct Loading {
        Loading() { g_loading = true; }
        ~Loading() { g_loading = false; }
    } loading;
    load_chain();
}

MessageDatabase* overload_environment(MessageDatabase* db, const std::string& directory_list,
                                      const std::string& file_name) {
    std::string list = directory_list;
    expand_within(list, kPathBuffer, true);
    std::string name = file_name;
    expand_within(name, kPathBuffer, true);
    std::vector<std::string> elements = split_list(list);
    for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
        std::string directory = trim_trailing(*element);
        std::size_t begin = 0;
        while (begin < directory.size() && static_cast<unsigned char>(directory[begin]) <= 32) {
            ++begin;
        }
        if (begin == directory.size()) {
            continue;
        }
        directory.erase(0, begin);
        if (platform::is_separator(directory.back())) {
            directory.pop_back();
        }
        std::string file =
            format_text("%s%c%s", directory.c_str(), platform::kPathSeparator, name.c_str());
        report_trace(format_text("Overloading '%s'\n", file.c_str()));
        if (MessageDatabase* loaded = load_messages(db, file)) {
            db = loaded;
        }
    }
    return db != nullptr ? db : new_database();
}

MessageDatabase* environment_database() {
    return g_database;
}

void unload_environment() {
    free_database(g_database);
    g_database = nullptr;
    g_loading = false;
    g_temporary_directory.clear();
}
