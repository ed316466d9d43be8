#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "environment_fixture.h"
#include "runtime/expansion.h"
#include "runtime/status.h"

namespace {

using environment_test::Installation;

struct Expanded {
    int status;
    std::string buffer;  // the whole buffer, padding included
    std::string content() const { return buffer.substr(0, buffer.find_last_not_of(' ') + 1); }
};

Expanded run_expchaine(const std::string& text, int length) {
    std::string buffer = text;
    buffer.resize(static_cast<std::size_t>(length), ' ');
    int status = 99;
    expchaine(buffer.data(), &status, length);
    return {status, buffer};
}

struct Expansion : environment_test::QuietReports {
    void SetUp() override {
        QuietReports::SetUp();
        install.base("[var]\nCB_CFG = cfg\n[path]\nENV = $KVXHOME/config\nDOC = /doc\n");
        const std::pair<const char*, const char*> variables[] = {
            {"CB_HOME", "/opt/kvx"},
            {"CB_INNER", "in"},
            {"CB_OUTER", "$CB_INNER/x"},
            {"CB_SELF", "$CB_SELF"},
            {"CB_A", "a$CB_B"},
            {"CB_B", "$(CB_A)"},
            {"CB_GROW", "x$CB_GROW"},
            {"CB_LONG", "0123456789012345678901234567890123456789"},
            {"CB_TOO_LONG", "$CB_LONG"},
            {"DEEPPATH", "$CB_LONG"},
            {"LONGPATH", "0123456789012345678901234567890123456789"},
            {"CB_E1", "$CB_E2$CB_E2$CB_E2$CB_E2"},
            {"CB_E2", "$CB_E3$CB_E3$CB_E3$CB_E3"},
            {"CB_E3", "$CB_E4$CB_E4$CB_E4$CB_E4"},
            {"CB_E4", "$CB_E5$CB_E5$CB_E5$CB_E5"},
            {"CB_E5", "$CB_E6$CB_E6$CB_E6$CB_E6"},
            {"CB_E6", "$CB_E7$CB_E7$CB_E7$CB_E7"},
            {"CB_E7", ""},
            {"LIBPATH", "/lib1;/lib2"},
            {"PATH", "/from/path"},
        };
        for (const auto& [name, value] : variables) {
            install.env.set(name, value);
        }
    }
    Installation install;
};

struct Case {
    const char* text;
    int length;
    const char* expected;  // nullptr: the buffer keeps its previous content
    int status;
};

class ExpansionCases : public Expansion, public testing::WithParamInterface<Case> {};

TEST_P(ExpansionCases, ExpandsIntoTheBlankPaddedBuffer) {
    const Case& c = GetParam();
    Expanded result = run_expchaine(c.text, c.length);
    EXPECT_EQ(result.status, c.status) << result.buffer;
    std::string before = std::string(c.text).substr(0, static_cast<std::size_t>(c.length));
    before.resize(static_cast<std::size_t>(c.length), ' ');
    if (c.expected == nullptr) {
        EXPECT_EQ(result.buffer, before);
    } else {
        std::string expected = c.expected;
        expected.resize(static_cast<std::size_t>(c.length), ' ');
        EXPECT_EQ(result.buffer, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ExpansionCases,
    testing::Values(Case{"$$KVXZONE", 40, "$KVXZONE", kStatusOk},
                    Case{"a??b", 40, "a?b", kStatusOk},
                    Case{"$(CB_HOME)x", 40, "/opt/kvxx", kStatusOk},
                    Case{"$CB_HOME.txt", 40, "/opt/kvx.txt", kStatusOk},
                    Case{"${CB_HOME}/a", 40, "/opt/kvx/a", kStatusOk},
                    Case{"$CB_CFG,?DOC", 40, "cfg,/doc", kStatusOk},
                    Case{"?LIB;x", 40, "/lib1;/lib2;x", kStatusOk},
                    Case{"$CB_OUTER", 40, "in/x", kStatusOk},
                    Case{"$CB_NOPE/a", 40, "Undefined_CB_NOPE/a", kStatusUndefined},
                    Case{"?NOLIST", 40, "Undefined_NOLIST", kStatusUndefined},
                    // A "$" name runs over "?", and the substitute is expanded again.
                    Case{"$CB_HOME?LIB", 40, "Undefined_CB_HOME/lib1;/lib2", kStatusUndefined},
                    Case{"?LIB$CB_HOME", 40, "Undefined_LIB/opt/kvx", kStatusUndefined},
                    Case{"x$", 40, "xUndefined_", kStatusUndefined},
                    Case{"x?", 40, "x/from/path", kStatusOk}, Case{"   ", 3, "", kStatusOk}),
    [](const testing::TestParamInfo<Case>& param_info) {
        return "Case" + std::to_string(param_info.index);
    });

INSTANTIATE_TEST_SUITE_P(
    Failures, ExpansionCases,
    testing::Values(
        // Unclosed brackets are reported, and the rest of the text is still copied.
        Case{"$(CB_HOME", 40, "CB_HOME", kStatusSyntaxError},
        Case{"a${CB_HOME $CB_NOPE", 40, "aCB_HOME Undefined_CB_NOPE", kStatusSyntaxError},
        Case{"?{LIB", 40, "LIB", kStatusSyntaxError},
        // Exactly full: the last character is reserved.
        Case{"abcdefghij", 10, nullptr, kStatusBufferTooSmall},
        Case{"abcdefghij", 11, "abcdefghij", kStatusOk},
        Case{"$CB_LONG", 40, nullptr, kStatusBufferTooSmall},
        Case{"$CB_LONG", 41, "0123456789012345678901234567890123456789", kStatusOk},
        Case{"$CB_LONG$$", 41, nullptr, kStatusBufferTooSmall},
        Case{"?LONG??", 41, nullptr, kStatusBufferTooSmall},
        Case{"$CB_LONG$$", 42, "0123456789012345678901234567890123456789$", kStatusOk},
        Case{"$CB_TOO_LONG", 20, nullptr, kStatusBufferTooSmall},
        Case{"?DEEP", 20, nullptr, kStatusBufferTooSmall},
        // References that never end.
        Case{"$CB_SELF", 384, nullptr, kStatusSyntaxError},
        Case{"x$CB_A", 384, nullptr, kStatusSyntaxError},
        Case{"$CB_GROW", 10, nullptr, kStatusBufferTooSmall},
        Case{"$CB_GROW", 384, nullptr, kStatusSyntaxError},
        Case{"$CB_E1", 384, nullptr, kStatusSyntaxError}),
    [](const testing::TestParamInfo<Case>& param_info) {
        return "Case" + std::to_string(param_info.index);
    });

TEST_F(Expansion, UndefinedSubstituteFollowsKvxNull) {
    const std::pair<const char*, const char*> cases[] = {
        {"<$>", "<CB_NOPE>/a"},
        {"none", "none/a"},
        {"$$", nullptr},  // names the missing name again and again
    };
    for (const auto& [pattern, expected] : cases) {
        install.env.set("KVXNULL", pattern);
        Expanded result = run_expchaine("$CB_NOPE/a", 40);
        if (expected == nullptr) {
            EXPECT_EQ(result.status, kStatusSyntaxError) << pattern;
            EXPECT_EQ(result.content(), "$CB_NOPE/a") << pattern;
        } else {
            EXPECT_EQ(result.status, kStatusUndefined) << pattern;
            EXPECT_EQ(result.content(), expected) << pattern;
        }
    }
}

TEST_F(Expansion, ErrorStatusOutlivesLaterUndefinedNames) {
    EXPECT_EQ(run_expchaine("$(X $CB_NOPE", 40).status, kStatusSyntaxError);
    EXPECT_EQ(run_expchaine("$CB_NOPE $(X", 40).status, kStatusSyntaxError);
}

TEST_F(Expansion, DegenerateBuffersAreLeftAlone) {
    int status = 99;
    expchaine(nullptr, &status, 10);
    EXPECT_EQ(status, kStatusOk);
    char one = '$';
    expchaine(&one, &status, 0);
    EXPECT_EQ(status, kStatusOk);
    EXPECT_EQ(one, '$');
    expchaine(&one, &status, -5);
    EXPECT_EQ(status, kStatusOk);
}

TEST_F(Expansion, TextFormRemovesTrailingBlanksAndRefusesTextsBeyondItsCapacity) {
    std::string text = "$CB_HOME/x   ";
    EXPECT_EQ(expand_text(text, 20), kStatusOk);
    EXPECT_EQ(text, "/opt/kvx/x");
    text = std::string(21, 'a');
    EXPECT_EQ(expand_text(text, 20), kStatusTextTooLong);
    EXPECT_EQ(text, std::string(21, 'a'));
    text = "$CB_LONG";
    EXPECT_EQ(expand_text(text, 20), kStatusBufferTooSmall);
    EXPECT_EQ(text, "$CB_LONG");
}

struct ExpansionReports : Expansion {
    void SetUp() override {
        Expansion::SetUp();
        set_quiet_reporting(false);
    }
    std::string stderr_of(const std::string& text, int length) {
        testing::internal::CaptureStderr();
        run_expchaine(text, length);
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(ExpansionReports, WarningsUseTheirTextsAsTheyStand) {
    EXPECT_EQ(stderr_of("$CB_NOPE", 40), "Undefined variable : '$CB_NOPE'");
    EXPECT_EQ(stderr_of("?NOLIST", 40), "Undefined path : '?NOLIST'");
    EXPECT_EQ(stderr_of("?{LIB", 40), " expchaine(?{LIB) : syntax error !");
    EXPECT_EQ(stderr_of("$(LIB", 40), "");
    EXPECT_EQ(stderr_of("?LONG??", 41),
              " expchaine(?LONG?"
              "?) : buffer too small !");
    EXPECT_EQ(stderr_of("$CB_LONG$$", 41),
              " expchaine(" + std::string(70, ' ') + "$CB_LONG$$...) : buffer too small !");
    EXPECT_EQ(stderr_of("?LIB", 5), " expchaine(?LIB) : buffer too small !");
    EXPECT_EQ(stderr_of("$CB_LONG", 20), "");
    EXPECT_EQ(stderr_of("?DEEP", 20), " expchaine(?DEEP) : buffer too small !");
}

TEST_F(ExpansionReports, VerboseTracesNameEachValueAndItsOrigin) {
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    run_expchaine("$CB_CFG $CB_HOME $(X", 40);
    std::string out = testing::internal::GetCapturedStdout();
    set_verbose_reporting(false);
    EXPECT_NE(out.find("  - CB_CFG = 'cfg' from '" + install.base_file() + "' line 2\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  - CB_HOME = '/opt/kvx' from environment\n"), std::string::npos) << out;
    EXPECT_NE(
        out.find(" expchaine(" + std::string("$CB_CFG $CB_HOME $(X") + ") : syntax error !\n"),
        std::string::npos)
        << out;
}

}  // namespace
