// Toolpath variable reads and writes, enum texts and workzone file paths with arbitrary names,
// suffixes, ids, values and bounds, against a small installation and workzone. The first byte
// picks the operation, the next bytes its numbers; the rest is the text.

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/environment.h"
#include "runtime/report.h"
#include "workzone/parameter_file.h"
#include "workzone/toolpath_reader.h"
#include "workzone/toolpath_variable.h"
#include "workzone/toolpath_variable_enum.h"
#include "workzone/toolpath_variable_table.h"
#include "workzone/workzone_paths_kinds.h"

#include "fuzz_files.h"

namespace {

// With the configuration in place and TMP from KVXTMPDIR no fatal path is reachable; one that
// is reached anyway is a finding.
[[noreturn]] void trap_fatal(const std::string&) {
    __builtin_trap();
}

void make_directory(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0) {
        std::abort();
    }
}

std::string make_installation() {
    char pattern[] = "/tmp/fuzz-toolpath-variable-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::abort();
    }
    const std::string root = pattern;
    for (const char* folder : {"/home", "/home/config", "/home/texte", "/zone", "/tmp"}) {
        make_directory(root + folder);
    }
    write_file(root + "/home/config/environ.cfg",
               "[var]\n[path]\nENV = " + root + "/home/config\nTXT = " + root +
                   "/home/texte\n[Karvex files names]\nTOOL_PARAMETERS = $KVXZONE/p/*.tp\n");
    write_file(root + "/home/texte/tpvarinfo.en",
               "[TP_LITYPE]\n1=Vertical\n2=Ramp\n3=Radial\n3.a=R\n3.b;c=X\n"
               "[TP_TYPE]\n201=Pocket\n30204=Pencil\n[TP_MDIR]\n1=Climb\n2= \tConv\n");
    ParameterItems items;
    items.set_number(1, 1.0f);
    items.set_number(4, 5.0f);
    items.set_number(28, 204.0f);
    items.set_number(47, 99.0f);
    items.set_text(61, "comment");
    if (!write_parameter_file(root + "/zone/outil.par", items)) {
        std::abort();
    }
    write_file(root + "/zone/outil.mul", "");
    setenv("KVXHOME", (root + "/home").c_str(), 1);
    setenv("KVXZONE", (root + "/zone").c_str(), 1);
    setenv("KVXTMPDIR", (root + "/tmp").c_str(), 1);
    setenv("KVXLANG", "en", 1);
    setenv("KVXDATA", "data", 1);
    unsetenv("KVXDEBUG");
    unsetenv("KVXMENU_MZDEBUG");
    unsetenv("TXTPATH");
    unsetenv("ENVPATH");
    return root + "/zone";
}

struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::uint32_t take(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes && size > 0; ++i, ++data, --size) {
            value = (value << 8) | *data;
        }
        return value;
    }
    std::string rest() const { return std::string(reinterpret_cast<const char*>(data), size); }
};

// A few numbers only, so that the loaded toolpath object is not reloaded for every input.
std::int32_t toolpath_number(std::uint32_t pick) {
    constexpr std::int32_t kNumbers[] = {0, 0, 0, 7, -1, 2147483647, -2147483647 - 1, 20003};
    return kNumbers[pick % 8];
}

VariableValue value_of(std::uint32_t kind, const std::string& text, std::uint32_t number) {
    switch (kind % 4) {
        case 0:
            return MakeTextValue(text);
        case 1:
            return MakeIntegerValue(static_cast<std::int32_t>(number));
        case 2: {
            float real = 0.0f;
            std::memcpy(&real, &number, sizeof real);
            return MakeRealValue(1, real);
        }
        default: {
            VariableValue list{kVariableTypeCoord, 0, {}};
            for (std::size_t i = 0; i < text.size() % 8; ++i) {
                list.values.emplace_back(static_cast<float>(text[i]));
            }
            list.count = static_cast<std::int32_t>(list.values.size());
            return list;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string zone = [] {
        set_fatal_handler(trap_fatal);
        set_quiet_reporting(true);
        std::string directory = make_installation();
        load_environment();
        return directory;
    }();
    Input input{data, size};
    const std::uint32_t operation = input.take(1);
    switch (operation % 7) {
        case 0: {
            const std::int32_t number = toolpath_number(input.take(1));
            VariableValue value;
            GetToolpathVariable(input.rest(), zone, number, value);
            ReleaseVariableValue(value);
            break;
        }
        case 1: {
            const auto id = static_cast<std::int32_t>(input.take(1));
            const auto value = static_cast<std::int32_t>(input.take(4));
            const bool no_fallback = (input.take(1) & 1) != 0;
            EnumText(id, value, input.rest(), no_fallback);
            break;
        }
        case 2: {
            const auto id = static_cast<std::int32_t>(input.take(1));
            EnumValueFromText(id, input.rest());
            break;
        }
        case 3: {
            const int kind = static_cast<int>(input.take(2));
            const int maximum = static_cast<int>(input.take(2) % 1024);
            std::string path;
            WorkzoneFilePath(kind, input.rest(), maximum, path);
            break;
        }
        case 4: {
            const std::uint32_t kind = input.take(1);
            const std::uint32_t number = input.take(4);
            const std::string text = input.rest();
            const std::size_t space = text.find(' ');
            const std::string name = text.substr(0, space);
            const std::string value_text = space == std::string::npos ? "" : text.substr(space + 1);
            SetToolpathVariable(name, zone, 0, value_of(kind, value_text, number));
            VariableValue value;
            GetToolpathVariable(name, zone, 0, value);
            break;
        }
        case 5: {
            const ToolpathReader reader(toolpath_number(input.take(1)));
            const int index = static_cast<int>(static_cast<std::int8_t>(input.take(1)));
            std::string text;
            float real = 0.0f;
            std::int32_t integer = 0;
            reader.ReadIndexed(index, text);
            reader.ReadIndexed(index, real);
            reader.ReadIndexed(index, integer);
            reader.ReadText(input.rest(), text);
            reader.ReadToolpathType();
            break;
        }
        default: {
            if (VariableTableEnd() >= kVariableTableRows - 1) {
                ReloadVariableTable();
            }
            const std::uint32_t kind = input.take(1);
            const std::uint32_t number = input.take(4);
            DefineUserVariable(input.rest(), value_of(kind, input.rest(), number));
            break;
        }
    }
    return 0;
}
