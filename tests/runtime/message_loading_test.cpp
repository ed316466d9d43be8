#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>

#include "runtime/fatal_text.h"
#include "runtime/memory.h"
#include "runtime/message_files.h"
#include "runtime/report.h"

namespace {

using Lines = std::vector<std::string>;

struct MessageLoading : MessageTest {
    void TearDown() override {
        MessageTest::TearDown();
        set_memory_budget(std::nullopt);
    }
    void expect_fatal(const std::function<void()>& load, const std::string& text) {
        EXPECT_EXIT(load(), ::testing::ExitedWithCode(255), "^" + literal_pattern(text) + "$");
    }
};

TEST_F(MessageLoading, ConditionsChooseTheLinesThatAreRead) {
    files.env()
        .set("CB_WINDOWS", "1")
        .set("CB_LANG", "all")
        .set("CB_EMPTY", "")
        .set("CB_UNDEFINED", std::nullopt);
    const std::pair<const char*, Lines> cases[] = {
        {"/if (CB_WINDOWS)\nA\n/endif\nB", {"A", "B"}},
        {"/if {CB_WINDOWS}  ) }\nA\n/endif", {"A"}},
        {"/if CB_UNDEFINED\nA\n/endif\nB", {"B"}},
        {"/if CB_EMPTY\nA\n/endif", {"A"}},
        {"/if CB_LANG == all\nA\n/else\nB\n/endif", {"A"}},
        {"/if CB_LANG == al\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_LANG == all x\nA\n/endif", {}},
        {"/if CB_LANG != all\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_EMPTY ==\nA\n/endif", {"A"}},
        {"/if CB_CONFIGURED == from config\nA\n/endif", {"A"}},
        {"/if (CB_LANG == all)\nA\n/endif", {"A"}},
        // An else after a taken branch skips to the matching endif, nested blocks included.
        {"/if CB_WINDOWS\nA\n/else\nB\n/if CB_UNDEFINED\nC\n/else\nD\n/endif\nE\n/endif\nF",
         {"A", "F"}},
        {"/if CB_UNDEFINED\nA\n  /if CB_WINDOWS\nB\n/else\nC\n/endif\n/else\nD\n/endif", {"D"}},
        {"/if CB_UNDEFINED\n/if\n/endif\n/endif\nA", {"A"}},
        {"/if CB_WINDOWS\n/else\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_WINDOWS # comment\nA\n/endif # comment\n/ifCB_WINDOWS\nB\n/endif", {"A", "B"}}};
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        free_database(db);
        db = files.load(std::string("[s]\n") + file + "\n");
        EXPECT_EQ(messages(), expected);
    }
    std::string path =
        files.write("w.cfg", "[s]\n/if CB_UNDEFINED ?? x\nA\n/endif\n/if CB_UNDEFINED\n/endif\n");
    testing::internal::CaptureStderr();
    free_database(db);
    db = load_messages(nullptr, path);
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "load_messages: file '" + path + "' line 2, unknown variable : /if CB_UNDEFINED ?? x\n");
    EXPECT_EQ(messages(), Lines{});
}

TEST_F(MessageLoading, LongLinesAreReadInPiecesOf254Characters) {
    std::string exact(254, 'e');
    db = files.load("[s]\n" + exact + "\n" + std::string(600, 'l') + "\nA = 1\n  " +
                    std::string(300, 'b') + "\n");
    std::string piece(254, 'l');
    EXPECT_EQ(messages(), (Lines{exact, piece, piece, std::string(92, 'l'), "A = 1",
                                 "  " + std::string(252, 'b'), std::string(48, 'b')}));
    EXPECT_EQ(origin_description(db, 0, "A"),
              "from '" + files.dir().file("messages.txt") + "' line 6");
}

TEST_F(MessageLoading, BytesThatAreNotTextDoNotBreakTheLoad) {
    const std::string ten_mb(10 * 1024 * 1024, 'x');
    db = files.load(std::string("[s]\r\nA = 1\0junk\r\nB = 2\n\0\0\n\x01\x7f\xff = \x80\n", 34) +
                    "[s2]\n" + ten_mb);
    EXPECT_EQ(get_value(db, 0, "A"), "1");
    EXPECT_EQ(get_value(db, 0, "B"), "2");
    EXPECT_EQ(get_value(db, 0, "\x7f\xff"), "\x80");
    EXPECT_EQ(get_message(db, 1, 41282), std::string(ten_mb.size() % 254, 'x'));
    EXPECT_EQ(get_message(db, 1, 41283), std::nullopt);
    free_database(db);
    db = files.load(ten_mb);
    EXPECT_EQ(section_count(db), 0);
}

TEST_F(MessageLoading, MissingFilesAreSkippedAndUnreadableOnesAreFatal) {
    EXPECT_EQ(load_messages(nullptr, files.dir().file("missing.cfg")), nullptr);
    db = files.load("[s]\nA = 1\n");
    EXPECT_EQ(load_messages(db, files.dir().file("missing.cfg")), db);
    EXPECT_EQ(get_value(db, 0, "A"), "1");
    // Installations moved from Windows spell names in any case.
    files.write("Upper/Messages.TXT", "[s]\nU = 1\n");
    MessageDatabase* spelled = load_messages(nullptr, files.dir().file("upper/messages.txt"));
    EXPECT_EQ(get_value(spelled, 0, "U"), "1");
    free_database(spelled);

    std::string directory = files.dir().mkdir("a_directory");
    expect_fatal(
        [&] { load_messages(nullptr, directory); },
        "load_messages: file '" + directory + "', line 0 : Error opening file - Is a directory");
    if (geteuid() != 0) {
        std::string locked = files.write("locked.cfg", "[s]\n");
        chmod(locked.c_str(), 0);
        expect_fatal([&] { load_messages(db, locked); },
                     "load_messages: file '" + locked +
                         "', line 0 : Error opening file - Permission denied");
    }
}

TEST_F(MessageLoading, BrokenFilesEndTheProcessWithTheirText) {
    files.env().set("CB_DEFINED", "yes").set("CB_UNDEFINED", std::nullopt);
    std::string nest;
    for (int i = 0; i < 8; ++i) {
        nest += "/if CB_DEFINED\n";
    }
    const struct {
        std::string file;
        bool overload;
        std::string text;  // behind "load_messages: file '<path>', "
        std::string warning = "";
    } cases[] = {
        {nest, false, "line 8 : too many nested conditions: /if CB_DEFINED"},
        {"[s]\n/else\n", false, "line 2 : '/else' without '/if'"},
        {"/if CB_DEFINED\n/endif\n/endif # x\n", false, "line 3 : '/endif' without '/if'"},
        {"\n /include other file\n", false, "line 2 : Unknown keyword : '/include'"},
        {"/", false, "line 1 : Unknown keyword : '/'"},
        {"/if CB_DEFINED >= x\n/endif\n", false, "line 1 : invalid condition: /if CB_DEFINED >= x"},
        {"/if CB_UNDEFINED\nA\n/if X\n/endif\n", false, "line 4 : '/if' without '/endif'"},
        {"/if CB_DEFINED\nA\n", false, "line -1 : '/if' without '/endif' at end of file."},
        {"[" + std::string(100, 's') + "]\n", false, "line 0 : Error loading file."},
        {"[s]\nA = 2\n  plain # text\n", true, "line 0 : Error loading file.",
         "load_messages: file '%s', trying to modify a non-parameter message: [s] plain\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::string path = files.write("broken.cfg", c.file);
        expect_fatal(
            [&] { load_messages(c.overload ? files.load("[s]\nA = 1\n") : nullptr, path); },
            format_text(c.warning.c_str(), path.c_str()) + "load_messages: file '" + path + "', " +
                c.text);
    }
    // The deepest nesting that is accepted, and a 99-character section name.
    db =
        files.load(nest.substr(nest.find('\n') + 1) + "[" + std::string(99, 's') + "]\nA\n" +
                   std::string(7, '\n') + "/endif\n/endif\n/endif\n/endif\n/endif\n/endif\n/endif");
    EXPECT_EQ(messages(), Lines{"A"});
}

TEST_F(MessageLoading, ExhaustedStorageFailsTheLoadAndAThrowingHandlerSeesNoLeak) {
    std::string lines = "[s]\n";
    for (int i = 0; i < 2000; ++i) {
        lines += "NAME" + std::to_string(i) + " = a value long enough to fill the store\n";
    }
    std::string path = files.write("big.cfg", lines);
    EXPECT_EXIT(
        {
            set_memory_budget(memory_counters().permanent_bytes + 16 * 1024);
            load_messages(nullptr, path);
        },
        ::testing::ExitedWithCode(255),
        "Dynamic storage: no more memory, could not expand from [0-9]+ to [0-9]+ bytes\n" +
            literal_pattern("load_messages: file '" + path + "', line 0 : Error loading file.") +
            "$");

    FatalHandler previous =
        set_fatal_handler([](const std::string& text) { throw std::runtime_error(text); });
    MemoryCounters before = memory_counters();
    path = files.write("broken.cfg", "[s]\nA = 1\n/else\n");
    try {
        load_messages(nullptr, path);
        ADD_FAILURE() << "the load should have failed";
    } catch (const std::runtime_error& fatal) {
        EXPECT_EQ(fatal.what(),
                  "load_messages: file '" + path + "', line 3 : '/else' without '/if'");
    }
    set_fatal_handler(previous);
    EXPECT_EQ(memory_counters().permanent_bytes, before.permanent_bytes);
    EXPECT_EQ(memory_counters().total_bytes, before.total_bytes);
}

}  // namespace
