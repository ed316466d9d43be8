#include <gtest/gtest.h>

#include <sstream>

#include "environment_fixture.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

constexpr const char* kForty = "0123456789012345678901234567890123456789";

struct Expansion : environment_test::Installation {
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

TEST_F(Expansion, ExpandsIntoTheBlankPaddedBuffer) {
    const struct {
        const char* text;
        int length;
        const char* expected;  // nullptr: the buffer keeps its previous content
        int status;
        bool path = false;  // through expand_path, which also normalises separators
    } cases[] = {{"$$KVXZONE", 40, "$KVXZONE", kStatusOk},
                 {"a??b", 40, "a?b", kStatusOk},
                 {"$(CB_HOME)x", 40, "/opt/kvxx", kStatusOk},
                 {"${CB_HOME}.txt", 40, "/opt/kvx.txt", kStatusOk},
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
                 {"$CB_LONG$$", 42, "0123456789012345678901234567890123456789$", kStatusOk},
                 // Unclosed brackets are reported; the rest of the text is still copied.
                 {"a${CB_HOME $CB_NOPE", 40, "aCB_HOME Undefined_CB_NOPE", kStatusSyntaxError},
                 {"$CB_NOPE ?{LIB", 40, "Undefined_CB_NOPE LIB", kStatusSyntaxError},
                 // Exactly full: the last character stays reserved.
                 {"abcdefghij", 10, nullptr, kStatusBufferTooSmall},
                 {"$CB_LONG", 40, nullptr, kStatusBufferTooSmall},
                 {"$CB_LONG$$", 41, nullptr, kStatusBufferTooSmall},
                 {"?LONG??", 41, nullptr, kStatusBufferTooSmall},
                 {"$CB_TOO_LONG", 20, nullptr, kStatusBufferTooSmall},
                 // References that never end.
                 {"$CB_SELF", 384, nullptr, kStatusSyntaxError},
                 {"x$CB_A", 384, nullptr, kStatusSyntaxError},
                 {"$CB_GROW", 384, nullptr, kStatusSyntaxError},
                 {"$CB_E1", 384, nullptr, kStatusSyntaxError},
                 {"a//b\\./c\\\\\\d", 64, "a/b/c/d", kStatusOk, true},
                 {"./x/./y/", 64, "./x/y/", kStatusOk, true},
                 {"../x\\.\\y/.hidden", 64, "../x/y/.hidden", kStatusOk, true},
                 {"$CB_WIN\\sub", 64, "C:/kvx/data/sub", kStatusOk, true},
                 {"$CB_NOPE//x", 64, "Undefined_CB_NOPE/x", kStatusUndefined, true},
                 {"$(A//b", 64, "A//b", kStatusSyntaxError, true}};  // left as expanded
    for (const auto& c : cases) {
        int status = 99;
        std::string buffer = expanded(c.text, c.length, status, c.path);
        EXPECT_EQ(status, c.status) << c.text;
        EXPECT_EQ(buffer, padded(c.expected ? c.expected : c.text, buffer.size())) << c.text;
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
}

TEST_F(Expansion, ReportsUseTheirTextsAsTheyStand) {
    set_quiet_reporting(false);
    const std::tuple<const char*, int, std::string> cases[] = {
        {"$CB_NOPE", 41, "Undefined variable : '$CB_NOPE'"},
        {"?{LIB", 41, " expchaine(?{LIB) : syntax error !"},
        {"$CB_LONG$$", 41,
         " expchaine(" + std::string(70, ' ') + "$CB_LONG$$...) : buffer too small !"},
        {"$CB_TOO_LONG", 20, ""}};
    for (const auto& [text, length, report] : cases) {
        int status = 0;
        testing::internal::CaptureStderr();
        expanded(text, length, status);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), report) << text;
    }
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    int status = 0;
    expanded("$CB_CFG $CB_HOME $(X", 40, status);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "  - CB_CFG = 'cfg' from '" + base_file() +
                  "' line 2\n  - CB_HOME = '/opt/kvx' from environment\n"
                  " expchaine($CB_CFG $CB_HOME $(X) : syntax error !\n");
}

TEST_F(Expansion, FilesAreSearchedInTheirPathList) {
    env.set("LIBPATH", fill("@/lib1;@\\lib2\\"));
    root.write("lib2/tool.dat", "x");
    root.mkdir("lib1");
    std::string destination;
    int status = 99;

    const std::tuple<const char*, const char*, int, int> searches[] = {
        {"?LIB/tool.dat", "@/lib2/tool.dat", kStatusOk, 384},
        {"?LIB/none.dat", "@/lib1/none.dat", kStatusFileNotFound, 384},
        {"@//lib2/tool.dat", "@/lib2/tool.dat", kStatusOk, 384},
        {"dir/file?", nullptr, kStatusNoSearchPart, 384},
        {"?LIB/tool.dat", nullptr, kStatusBufferTooSmall, 10}};
    for (const auto& [text, expected, expected_status, capacity] : searches) {
        std::string source = fill(text) + "   ";
        destination.assign(static_cast<std::size_t>(capacity), '#');
        search_file_fixed(source.data(), static_cast<int>(source.size()), destination.data(),
                          capacity, &status);
        EXPECT_EQ(status, expected_status) << text;
        EXPECT_EQ(destination, expected ? padded(fill(expected), destination.size())
                                        : std::string(destination.size(), '#'));
    }
    std::string upper = fill("@/LIB2/Tool.DAT");  // installations moved from Windows
    check_path_fixed(upper.data(), static_cast<int>(upper.size()), &status);
    EXPECT_EQ(status, kStatusOk);
    std::string text = "?LIB/" + std::string(377, 'a');
    EXPECT_EQ(search_file(text, 384), kStatusTextTooLong);
}

}  // namespace
