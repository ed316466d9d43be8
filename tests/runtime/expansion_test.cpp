#include <gtest/gtest.h>

#include "environment_fixture.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

std::string padded(std::string text, int length) {
    text.resize(static_cast<std::size_t>(length), ' ');
    return text;
}

// The whole buffer, padding included.
std::string expanded(const std::string& text, int length, int& status) {
    std::string buffer = padded(text, length);
    expchaine(buffer.data(), &status, length);
    return buffer;
}

constexpr const char* kForty = "0123456789012345678901234567890123456789";

struct Expansion : environment_test::Installation {
    void SetUp() override {
        Installation::SetUp();
        base("[var]\nCB_CFG = cfg\n[path]\nENV = $KVXHOME/config\nDOC = /doc\n");
        const char* variables[][2] = {{"CB_HOME", "/opt/kvx"},  {"CB_OUTER", "$CB_INNER/x"},
                                      {"CB_INNER", "in"},       {"CB_SELF", "$CB_SELF"},
                                      {"CB_A", "a$CB_B"},       {"CB_B", "$(CB_A)"},
                                      {"CB_GROW", "x$CB_GROW"}, {"CB_TOO_LONG", "$CB_LONG"},
                                      {"DEEPPATH", "$CB_LONG"}, {"CB_LONG", kForty},
                                      {"LONGPATH", kForty},     {"LIBPATH", "/lib1;/lib2"},
                                      {"PATH", "/from/path"},   {"CB_E6", ""}};
        for (const auto& [name, value] : variables) {
            env.set(name, value);
        }
        // 4^4 * 16 empty references: the expansion must give up before it repeats them all.
        for (int level = 1; level <= 5; ++level) {
            std::string next = "$CB_E" + std::to_string(level + 1);
            std::string value;
            for (int i = 0; i < (level == 5 ? 16 : 4); ++i) {
                value += next;
            }
            env.set("CB_E" + std::to_string(level), value);
        }
    }
};

TEST_F(Expansion, ExpandsIntoTheBlankPaddedBuffer) {
    const struct {
        const char* text;
        int length;
        const char* expected;  // nullptr: the buffer keeps its previous content
        int status;
    } cases[] = {{"$$KVXZONE", 40, "$KVXZONE", kStatusOk},
                 {"a??b", 40, "a?b", kStatusOk},
                 {"$(CB_HOME)x", 40, "/opt/kvxx", kStatusOk},
                 {"$CB_HOME.txt", 40, "/opt/kvx.txt", kStatusOk},
                 {"${CB_HOME}/a", 40, "/opt/kvx/a", kStatusOk},
                 {"$CB_CFG,?DOC;?LIB", 40, "cfg,/doc;/lib1;/lib2", kStatusOk},
                 {"$CB_OUTER", 40, "in/x", kStatusOk},
                 {"$CB_NOPE/a", 40, "Undefined_CB_NOPE/a", kStatusUndefined},
                 {"?NOLIST", 40, "Undefined_NOLIST", kStatusUndefined},
                 // A "$" name runs over "?" (and the other way round).
                 {"$CB_HOME?LIB", 40, "Undefined_CB_HOME/lib1;/lib2", kStatusUndefined},
                 {"?LIB$CB_HOME", 40, "Undefined_LIB/opt/kvx", kStatusUndefined},
                 {"x$", 40, "xUndefined_", kStatusUndefined},
                 {"x?", 40, "x/from/path", kStatusOk},
                 {"abcdefghij", 11, "abcdefghij", kStatusOk},
                 {"   ", 3, "", kStatusOk},
                 {"$CB_LONG$$", 42, "0123456789012345678901234567890123456789$", kStatusOk},
                 // Unclosed brackets are reported; the rest of the text is still copied.
                 {"$(CB_HOME", 40, "CB_HOME", kStatusSyntaxError},
                 {"a${CB_HOME $CB_NOPE", 40, "aCB_HOME Undefined_CB_NOPE", kStatusSyntaxError},
                 {"$CB_NOPE ?{LIB", 40, "Undefined_CB_NOPE LIB", kStatusSyntaxError},
                 // Exactly full: the last character stays reserved.
                 {"abcdefghij", 10, nullptr, kStatusBufferTooSmall},
                 {"$CB_LONG", 40, nullptr, kStatusBufferTooSmall},
                 {"$CB_LONG$$", 41, nullptr, kStatusBufferTooSmall},
                 {"?LONG??", 41, nullptr, kStatusBufferTooSmall},
                 {"$CB_TOO_LONG", 20, nullptr, kStatusBufferTooSmall},
                 {"?DEEP", 20, nullptr, kStatusBufferTooSmall},
                 {"$CB_GROW", 10, nullptr, kStatusBufferTooSmall},
                 // References that never end.
                 {"$CB_SELF", 384, nullptr, kStatusSyntaxError},
                 {"x$CB_A", 384, nullptr, kStatusSyntaxError},
                 {"$CB_GROW", 384, nullptr, kStatusSyntaxError},
                 {"$CB_E1", 384, nullptr, kStatusSyntaxError}};
    for (const auto& c : cases) {
        int status = 99;
        std::string buffer = expanded(c.text, c.length, status);
        EXPECT_EQ(status, c.status) << c.text;
        EXPECT_EQ(buffer, padded(c.expected ? c.expected : c.text, c.length)) << c.text;
    }
    const char* kvxnull[][2] = {{"<$>", "<CB_NOPE>/a"}, {"none", "none/a"}, {"$$", nullptr}};
    for (const auto& [pattern, expected] : kvxnull) {
        env.set("KVXNULL", pattern);
        int status = 99;
        std::string buffer = expanded("$CB_NOPE/a", 40, status);
        EXPECT_EQ(status, expected ? kStatusUndefined : kStatusSyntaxError) << pattern;
        EXPECT_EQ(buffer, padded(expected ? expected : "$CB_NOPE/a", 40)) << pattern;
    }
}

TEST_F(Expansion, DegenerateBuffersAndTextsBeyondTheCapacity) {
    int status = 99;
    expchaine(nullptr, &status, 10);
    EXPECT_EQ(status, kStatusOk);
    char one = '$';
    expchaine(&one, &status, 0);
    EXPECT_EQ(one, '$');
    std::string text = std::string(21, 'a');
    EXPECT_EQ(expand_text(text, 20), kStatusTextTooLong);
    EXPECT_EQ(text, std::string(21, 'a'));
    text = "$CB_HOME/x   ";
    EXPECT_EQ(expand_text(text, 20), kStatusOk);
    EXPECT_EQ(text, "/opt/kvx/x");
}

TEST_F(Expansion, ReportsUseTheirTextsAsTheyStand) {
    set_quiet_reporting(false);
    const struct {
        const char* text;
        int length;
        std::string report;
    } cases[] = {{"$CB_NOPE", 41, "Undefined variable : '$CB_NOPE'"},
                 {"?NOLIST", 41, "Undefined path : '?NOLIST'"},
                 {"?{LIB", 41, " expchaine(?{LIB) : syntax error !"},
                 {"$(LIB", 41, ""},
                 {"$CB_LONG$$", 41,
                  " expchaine(" + std::string(70, ' ') + "$CB_LONG$$...) : buffer too small !"},
                 {"?LIB", 5, " expchaine(?LIB) : buffer too small !"},
                 {"$CB_TOO_LONG", 20, ""}};
    for (const auto& c : cases) {
        int status = 0;
        testing::internal::CaptureStderr();
        expanded(c.text, c.length, status);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.report) << c.text;
    }
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    int status = 0;
    expanded("$CB_CFG $CB_HOME $(X", 40, status);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("  - CB_CFG = 'cfg' from '" + base_file() + "' line 2\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("  - CB_HOME = '/opt/kvx' from environment\n"), std::string::npos);
    EXPECT_NE(out.find(" expchaine($CB_CFG $CB_HOME $(X) : syntax error !\n"), std::string::npos);
}

}  // namespace
