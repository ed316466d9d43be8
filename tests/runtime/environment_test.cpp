#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "runtime/environment.h"
#include "runtime/expansion.h"
#include "runtime/report.h"
#include "runtime/status.h"
#include "support/test_support.h"

namespace {

// An installation in a temporary directory (KVXHOME/config/environ.cfg and more configuration
// directories), with the variables the lookups consult removed from the process environment.
struct Installation : ::testing::Test {
    void SetUp() override {
        for (const char* name : {"ENVPATH", "KVXNULL", "KVXTMPDIR", "KVXTMP", "KVXZONE", "LINUX",
                                 "PC", "WINDOWS", "LIBPATH"}) {
            env.set(name, std::nullopt);
        }
        env.set("KVXHOME", root.file("home"));
        unload_environment();
        quiet = set_quiet_reporting(true);
    }
    void TearDown() override {
        unload_environment();
        set_quiet_reporting(quiet);
        set_verbose_reporting(false);
    }
    // The values of the variables joined by "|"; "-" for one that is not defined.
    static std::string variables(std::initializer_list<const char*> names) {
        std::string joined;
        for (const char* name : names) {
            joined += (joined.empty() ? "" : "|") + get_variable(name).value_or("-");
        }
        return joined;
    }
    std::string fill(std::string text) const {  // "@" stands for the temporary root
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at + 1)) {
            text.replace(at, 1, root.path());
        }
        return text;
    }
    void base(const std::string& text) const { config("home/config", text); }
    void config(const std::string& directory, const std::string& text) const {
        root.write(directory + "/environ.cfg", fill(text));
    }

    testsupport::TempDir root;
    testsupport::ScopedEnv env;
    bool quiet = false;
};

using testing::HasSubstr;
using Environment = Installation;

const char kBase[] = "[path]\nENV = $KVXHOME/config\n";

// Built-in variables name this platform, so later files take the Linux branch. While the base
// file is read there is no database: its conditions see only the process environment.
TEST_F(Environment, ProcessEnvironmentWinsAndConditionsSeeWhatIsLoaded) {
    base(
        "[var]\nCB_SHADOWED = base\nCB_EARLY = 1\n/if CB_EARLY\nCB_SEEN = configured\n/endif\n"
        "/if CB_FROM_PROCESS\n/if CB_LEVEL == 2\nCB_NESTED = yes\n/endif\n/endif\n"
        "/if WINDOWS\nCB_OS = windows\n/endif\n[path]\nENV = @/site\nLIB = @/lib\n");
    config("site", "[var]\nCB_SHADOWED = site\n/if (LINUX)\nCB_OS = linux\n/endif\n");
    env.set("CB_SHADOWED", "process").set("CB_FROM_PROCESS", "1").set("CB_LEVEL", "2");
    EXPECT_EQ(variables({"CB_SHADOWED", "CB_NOWHERE", "CB_OS", "PC", "CB_SEEN", "CB_NESTED"}),
              "process|-|linux|1|-|yes");
    EXPECT_EQ(get_path_variable("LIB"), fill("@/lib"));
    env.set("LIBPATH", "/from/process");
    EXPECT_EQ(get_path_variable("LIB"), "/from/process");
    EXPECT_EQ(path_origin("LIB", ""), "from environment 'LIBPATH'");
    base(kBase);  // without a variable section no built-ins either
    unload_environment();
    EXPECT_EQ(get_variable("LINUX"), std::nullopt);
}

TEST_F(Environment, EnvironmentPathLoadsItsFirstDirectoryLastAndMayBeMoved) {
    base("[var]\nCB_ORDER = base\n[path]\nENV = @/one;@/two,@/absent;@/three/\n");
    config("one", "[var]\nCB_ORDER = +,one\n");
    config("two", "[var]\nCB_ORDER = +,two\n");
    config("three", "[var]\nCB_ORDER = +,three\n");
    EXPECT_EQ(get_variable("CB_ORDER"), "base,three,two,one");
    EXPECT_EQ(variable_origin("CB_ORDER", ""), "from '" + fill("@/one/environ.cfg") + "' line 2");
    unload_environment();
    base("[path]\nENV = @/second\n[var]\nCB_FROM = base\n");
    config("second", "[path]\nENV = @/extra; @/second\n[var]\nCB_FROM = second\n");
    config("extra", "[var]\nCB_FROM = extra\n");
    EXPECT_EQ(get_variable("CB_FROM"), "extra");
    unload_environment();
    env.set("ENVPATH", fill("@/second"));
    config("second", "[var]\nCB_FROM = second\n");
    EXPECT_EQ(get_variable("CB_FROM"), "second");
}

// The closing trace tells how far the walk went. The base file holds a plain line, which an
// overload would refuse: it must never be loaded twice.
TEST_F(Environment, BaseFileIsLoadedOnceWhateverTheEnvironmentPath) {
    const std::pair<const char*, const char*> walks[] = {{"$KVXHOME\\config\\", "\n."},
                                                         {"$KVXHOME/config;@/site", "\n.."},
                                                         {"@/more;$KVXHOME/config;@/site", "\n"}};
    config("site", "[var]\nCB_X = site\n");
    config("more", "[var]\nCB_X = more\n");
    env.set("KVXHOME", root.file("home/"));
    for (const auto& [path, dots] : walks) {
        base(std::string("[var]\nplain line\n[path]\nENV = ") + path + "\n");
        unload_environment();
        set_verbose_reporting(true);
        testing::internal::CaptureStdout();
        load_environment();
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(out.starts_with("LOADING ENVIRONMENT FILES ....\n") &&
                    out.ends_with(std::string(dots) + "LOADING ENVIRONMENT FILES ....done.\n"))
            << out;
    }
}

TEST_F(Environment, BrokenInstallationsEndTheProcessWithTheirText) {
    // unset, base file (nullptr: none), workzone number file, lookup, text ("@" the root)
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"KVXHOME", nullptr, nullptr, "X", "The environment variable 'KVXHOME' is not defined\n"},
        {"", nullptr, nullptr, "X", "Error loading '@/home/config/environ.cfg'\n"},
        {"", "[var]\nX = 1\n", nullptr, "X", "Error loading 'environ.cfg' files\n"},
        {"",
         "[path]\nENV = $KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME"
         "$KVXHOME$KVXHOME$KVXHOME$KVXHOME$KVXHOME\n",
         nullptr, "X", "Error loading 'environ.cfg' files\n"},
        {"", kBase, nullptr, "TMP", "Error opening file '@/zone/workzone.num' for read access\n"},
        {"", kBase, "", "TMP", "Error reading file '@/zone/workzone.num'\n"},
        {"", kBase, "9\n", "TMP", "Could not create temporary directory '@/tmp/9'"},
        {"KVXZONE", kBase, "9\n", "TMP", "KVXZONE is not defined\n"}};
    env.set("KVXZONE", root.file("zone")).set("KVXTMP", root.file("tmp"));
    root.write("tmp/9", "a file where the directory should be");
    for (const auto& [unset, base_file, number_file, lookup, text] : cases) {
        EXPECT_EXIT(
            {
                env.set(unset, std::nullopt);
                if (base_file) {
                    base(base_file);
                }
                if (number_file) {
                    root.write("zone/workzone.num", number_file);
                }
                get_variable(lookup);
            },
            testing::ExitedWithCode(255), HasSubstr(fill(text)));
    }
}

TEST_F(Environment, TemporaryDirectoryIsTheWorkzoneNumberBelowKvxTmp) {
    base(kBase);
    env.set("KVXZONE", root.file("zone"));
    root.write("zone/workzone.num", "42  \r\nsecond line\n");
    EXPECT_EQ(get_variable("TMP"), std::nullopt);  // no KVXTMP
    EXPECT_FALSE(std::filesystem::exists("Undefined_KVXTMP"));
    env.set("KVXTMP", root.file("tmp")).set("TMP", "/unused");
    root.write("zone/workzone.num", "$TMP\n");
    EXPECT_EQ(get_variable("TMP"), std::nullopt);  // and no loop
    root.write("zone/workzone.num", "42  \r\nsecond line\n");
    const std::string expected = root.file("tmp/42");
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_EQ(variable_origin("TMP", expected), "");
    // Computed once: a new number does not move it, a removed directory comes back.
    root.write("zone/workzone.num", "7\n");
    std::filesystem::remove(expected);
    EXPECT_EQ(get_variable("TMP"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
}

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

constexpr const char* kForty = "0123456789012345678901234567890123456789";

struct Expansion : Installation {
    void SetUp() override {
        Installation::SetUp();
        base("[var]\nCB_CFG = cfg\n[path]\nENV = $KVXHOME/config\nDOC = /doc\n");
        std::istringstream variables(
            "CB_HOME=/opt/kvx CB_OUTER=$CB_INNER/x CB_INNER=in CB_SELF=$CB_SELF CB_A=a$CB_B "
            "CB_B=$(CB_A) CB_GROW=x$CB_GROW CB_TOO_LONG=$CB_LONG PATH=/from/path "
            "CB_WIN=C:\\kvx\\\\data\\ CB_E6= LIBPATH=/lib1;/lib2 CB_LONG=" +
            std::string(kForty) + " LONGPATH=" + kForty);
        for (std::string assignment; variables >> assignment;) {
            std::size_t equals = assignment.find('=');
            env.set(assignment.substr(0, equals), assignment.substr(equals + 1));
        }
        // 4^4 * 16 empty references: the expansion must give up before it repeats them all.
        for (int level = 1; level <= 5; ++level) {
            std::string value;
            for (int i = 0; i < (level == 5 ? 16 : 4); ++i) {
                value += "$CB_E" + std::to_string(level + 1);
            }
            env.set("CB_E" + std::to_string(level), value);
        }
    }
    std::string expanded(const std::string& text, int length, int& status, bool path = false) {
        std::string buffer = padded(text, static_cast<std::size_t>(length));
        (path ? expand_path : expchaine)(buffer.data(), &status, length);
        return buffer;
    }
};

// A "$" name runs over "?" (and the other way round); unclosed brackets are reported while the
// rest of the text is still copied; a buffer exactly full keeps its last character in reserve.
TEST_F(Expansion, ExpandsIntoTheBlankPaddedBuffer) {
    // text, length, result (nullptr: the buffer keeps its content), status, through expand_path
    const std::tuple<const char*, int, const char*, int, bool> cases[] = {
        {"a??b", 40, "a?b", kStatusOk, false},
        {"$(CB_HOME)x", 40, "/opt/kvxx", kStatusOk, false},
        {"${CB_HOME}.txt", 40, "/opt/kvx.txt", kStatusOk, false},
        {"$CB_CFG,?DOC;?LIB", 40, "cfg,/doc;/lib1;/lib2", kStatusOk, false},
        {"$CB_OUTER", 40, "in/x", kStatusOk, false},
        {"$CB_HOME?LIB", 40, "Undefined_CB_HOME/lib1;/lib2", kStatusUndefined, false},
        {"x$", 40, "xUndefined_", kStatusUndefined, false},
        {"x?", 40, "x/from/path", kStatusOk, false},
        {"$CB_LONG$$", 42, "0123456789012345678901234567890123456789$", kStatusOk, false},
        {"a${CB_HOME $CB_NOPE", 40, "aCB_HOME Undefined_CB_NOPE", kStatusSyntaxError, false},
        {"$CB_LONG", 40, nullptr, kStatusBufferTooSmall, false},
        {"$CB_LONG$$", 41, nullptr, kStatusBufferTooSmall, false},
        {"?LONG??", 41, nullptr, kStatusBufferTooSmall, false},
        {"$CB_TOO_LONG", 20, nullptr, kStatusBufferTooSmall, false},
        {"$CB_SELF", 384, nullptr, kStatusSyntaxError, false},
        {"x$CB_A", 384, nullptr, kStatusSyntaxError, false},
        {"$CB_GROW", 384, nullptr, kStatusSyntaxError, false},
        {"$CB_E1", 384, nullptr, kStatusSyntaxError, false},
        {"../x\\.\\y/.hidden", 64, "../x/y/.hidden", kStatusOk, true},
        {"$CB_WIN\\sub", 64, "C:/kvx/data/sub", kStatusOk, true},
        {"$CB_NOPE//x", 64, "Undefined_CB_NOPE/x", kStatusUndefined, true},
        {"$(A//b", 64, "A//b", kStatusSyntaxError, true}};  // left as expanded
    for (const auto& [text, length, expected, expected_status, path] : cases) {
        int status = 99;
        std::string buffer = expanded(text, length, status, path);
        EXPECT_EQ(status, expected_status) << text;
        EXPECT_EQ(buffer, padded(expected ? expected : text, buffer.size())) << text;
    }
    const char* kvxnull[][2] = {{"<$>", "<CB_NOPE>/a"}, {"none", "none/a"}, {"$$", nullptr}};
    for (const auto& [pattern, expected] : kvxnull) {
        env.set("KVXNULL", pattern);
        int status = 99;
        std::string buffer = expanded("$CB_NOPE/a", 40, status);
        EXPECT_EQ(status, expected ? kStatusUndefined : kStatusSyntaxError) << pattern;
        EXPECT_EQ(buffer, padded(expected ? expected : "$CB_NOPE/a", 40)) << pattern;
    }
    int status = 99;
    expchaine(nullptr, &status, 10);
    EXPECT_EQ(status, kStatusOk);
    std::string text = std::string(21, 'a');
    EXPECT_EQ(expand_text(text, 20), kStatusTextTooLong);
    EXPECT_EQ(text, std::string(21, 'a'));

    set_quiet_reporting(false);
    const std::tuple<const char*, int, std::string> reports[] = {
        {"?{LIB", 41, " expchaine(?{LIB) : syntax error !"},
        {"$CB_LONG$$", 41,
         " expchaine(" + std::string(70, ' ') + "$CB_LONG$$...) : buffer too small !"},
        {"$CB_TOO_LONG", 20, ""}};
    for (const auto& [report_text, length, report] : reports) {
        testing::internal::CaptureStderr();
        expanded(report_text, length, status);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), report) << report_text;
    }
}

}  // namespace
