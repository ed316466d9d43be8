#include <gtest/gtest.h>
#include <sys/stat.h>
#include <optional>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using platform::ProfileDocument;
using Names = std::vector<std::string>;

const std::string kF1 =
    "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";

const std::string kF1BareCr =
    "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r";

struct ReadCase {
    std::string file, section, key, default_value;
    std::size_t capacity;
    std::string expected;
};

// Every case is read twice: from a parsed document and through the per-call function.
TEST(ProfileRead, Vectors) {
    const std::size_t all = platform::kProfileNoLimit;
    const std::string f9 = "[s]\r\n ;k=1\r\nk2=;x\r\n#h=2\r\np=diet ;gag\r\n";
    const std::string f10 = "[s]\r\nk=1\r\nk=2\r\n[s]\r\nj=3\r\n";
    const std::string f11 = "[ \tx\t ]\r\n\tk\t=\tv\t\r\n";
    const std::string f14 = "\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n";
    const ReadCase cases[] = {
        {kF1, "section1", "NaMe1", "default", all, "val1"},
        {kF1, "section1", "name2", "default", all, "val2"},
        {kF1, "section1", "name1", "default", 4, "val"},
        {kF1, "section1", "name3", "d", all, "d"},
        {kF1, "nosection", "name1", "  d  ", all, "  d"},
        {kF1BareCr, "section1", "NaMe1", "default", all, "val1"},
        {"[s]\r\nk=  \"   v   \"  \r\n", "s", "k", "d", all, "   v   "},
        {"[s]\r\nk=\"\r\n", "s", "k", "d", all, "\""},
        {f9, "s", "k", "d", all, "d"},
        {f9, "s", "k2", "d", all, ";x"},
        {f9, "s", "#h", "d", all, "2"},
        {f9, "s", "p", "d", all, "diet ;gag"},
        {f10, "s", "k", "d", all, "1"},
        {f11, "x", "k", "d", all, "v"},
        {f11, "\tx", "k", "d", all, "d"},
        {"[s]k=v\r\n", "s", "k", "d", all, "d"},
        {"[s   \r\nk=v\r\n", "s", "k", "d", all, "v"},
        {"s]\r\nk=v\r\n", "s", "k", "d", all, "d"},
        {"k=v\r\n[]\r\nk=w\r\n", "", "k", "d", all, "w"},
        {f14, "s", "k", "d", all, "d"},
        {f14, "t", "k", "d", all, "w"},
        {"[s]\nk=lf\n", "S", "K", "d", all, "lf"},
        {"[s]\r\nk=v", "s", "k", "d", all, "v"},
        {"[s]\r\nk=value\r\n", "s", "k", "d", 0, ""},
        {"[s]\r\nk=value\r\n", "s", "k", "d", 1, ""},
        {"[s]\r\nk=value\r\n", "s", "none", "default", 3, "de"},
        {"[\xC4RA]\r\n\xC4k=1\r\n", "\xE4ra", "\xE4K", "d", all, "1"},
    };
    testsupport::TempDir dir;
    for (const ReadCase& c : cases) {
        SCOPED_TRACE("file: " + c.file + " read " + c.section + "/" + c.key);
        const ProfileDocument document = ProfileDocument::parse(c.file);
        EXPECT_EQ(document.get_string(c.section, c.key, c.default_value, c.capacity), c.expected);
        const std::string path = dir.write("case.ini", c.file);
        EXPECT_EQ(
            platform::read_profile_string(path, c.section, c.key, c.default_value, c.capacity),
            c.expected);
    }
}

TEST(ProfileRead, ListsSectionsKeysAndIntegers) {
    for (const std::string& file : {kF1, kF1BareCr}) {
        const ProfileDocument document = ProfileDocument::parse(file);
        EXPECT_EQ(document.keys("SECTION1"), (Names{"name1", "name2", "name4"}));
        EXPECT_EQ(document.section_names(), (Names{"section1", "section2"}));
        EXPECT_TRUE(document.keys("section2").empty());
    }
    const ProfileDocument duplicates =
        ProfileDocument::parse("[s]\r\nk=1\r\nk=2\r\n[s]\r\nj=3\r\n");
    EXPECT_EQ(duplicates.section_names(), (Names{"s", "s"}));
    EXPECT_EQ(duplicates.keys("s"), (Names{"k", "k"}));

    for (const auto& [value, expected] : {std::pair{"-1", -1},
                                          {"+1", 1},
                                          {"4294967297", 1},
                                          {"42A94967297", 42},
                                          {"B4294967297", 0},
                                          {"-", 0},
                                          {"\"7\"", 7},
                                          {"2147483648", INT32_MIN},
                                          {"", 99}}) {
        const ProfileDocument document =
            ProfileDocument::parse(std::string("[Test]\r\nProfileInt=") + value + "\r\n");
        EXPECT_EQ(document.get_int("Test", "ProfileInt", 99), expected) << value;
    }
}

struct WriteCase {
    std::optional<std::string> initial;                       // nullopt: no file yet
    std::vector<std::pair<std::string, std::string>> writes;  // into section "S"
    std::string expected;
};

TEST(ProfileWrite, Vectors) {
    const WriteCase cases[] = {
        {std::nullopt, {{"key", "string"}, {"key", ""}}, "[S]\r\nkey=\r\n"},
        {"", {{"k1", "a"}, {"k2", "b"}}, "[S]\r\nk1=a\r\nk2=b\r\n"},
        {"[S]\r\nb=value\r\na=value\r\n",
         {{"z", ""}, {"b", ""}, {"y", ""}, {"a", ""}},
         "[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
        {";c0\r\n[S]\r\n;c1\r\nb=value\r\n;c2\r\na=value\r\n",
         {{"z", ""}, {"a", ""}},
         ";c0\r\n[S]\r\n;c1\r\nb=value\r\n;c2\r\na=\r\nz=\r\n"},
        {"[S]\r\na=1\r\n;end\r\n\r\n[T]\r\n",
         {{"n", "2"}},
         "[S]\r\na=1\r\nn=2\r\n;end\r\n\r\n[T]\r\n"},
        {"[S]\r\n;only\r\n", {{"n", "2"}}, "[S]\r\nn=2\r\n;only\r\n"},
        {"[S]", {{"n", "2"}}, "[S]\r\nn=2\r\n"},
        {"[S]\r\nk=1\r\n[s]\r\nj=1\r\n", {{"j", "2"}}, "[S]\r\nk=1\r\nj=2\r\n[s]\r\nj=1\r\n"},
        {"[Sn]\r\n", {{" key ", "  v  "}}, "[Sn]\r\n[S]\r\nkey=  v  \r\n"},
        {"[s]\r\nTestKey=TestValue", {{"TESTKEY", "v2"}}, "[s]\r\nTestKey=v2\r\n"},
    };
    for (const WriteCase& c : cases) {
        testsupport::TempDir dir;
        const std::string path = dir.file("p.ini");
        if (c.initial) {
            dir.write("p.ini", *c.initial);
        }
        for (const auto& [key, value] : c.writes) {
            EXPECT_TRUE(platform::write_profile_string(path, "S", key, value)) << key;
        }
        EXPECT_EQ(testsupport::read_file(path), c.expected);
    }
}

TEST(ProfileWrite, DeletionsKeepCommentsAndTheRestAndFilesRefuseOrFollowTheCase) {
    testsupport::TempDir dir;
    const std::string path = dir.write(
        "p.ini", ";c0\r\n[App1]\r\n;c1\r\nk1=a\r\nk2=b\r\n[App2]\r\n;c2\r\n[App3]\r\nk=c\r\n");
    ASSERT_TRUE(platform::write_profile_string(path, "App1", "k2", std::nullopt));
    EXPECT_TRUE(platform::write_profile_string(path, "App1", "k2", std::nullopt));
    EXPECT_EQ(platform::read_profile_keys(path, "app1"), Names{"k1"});
    ASSERT_TRUE(platform::delete_profile_section(path, "App1"));
    ASSERT_TRUE(platform::delete_profile_section(path, "app2"));
    EXPECT_EQ(testsupport::read_file(path), ";c0\r\n;c1\r\n;c2\r\n[App3]\r\nk=c\r\n");
    EXPECT_FALSE(platform::write_profile_string(dir.file("missing/p.ini"), "S", "k", "v") ||
                 platform::delete_profile_section(dir.file("missing/p.ini"), "S"));
    EXPECT_FALSE(platform::exists(dir.file("missing")));

    // Read-only, missing and case-differing files.
    const std::string read_only = dir.write("Conf/RO.ini", "[s]\r\nk=v\r\n");
    ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
    EXPECT_FALSE(platform::write_profile_string(read_only, "s", "k", "new") ||
                 platform::write_profile_string(read_only, "s", "missing", std::nullopt) ||
                 platform::delete_profile_section(read_only, "s"));
    EXPECT_EQ(testsupport::read_file(read_only), "[s]\r\nk=v\r\n");
    EXPECT_EQ(platform::read_profile_string(dir.file("conf/ro.INI"), "s", "k", "d"), "v");

    const std::string none = dir.file("none.ini");
    EXPECT_TRUE(platform::write_profile_string(none, "s", "k", std::nullopt) &&
                platform::delete_profile_section(none, "s") && !platform::exists(none));

    // The file found ignoring case is read; the write goes to the name given, in the
    // directory found ignoring case.
    dir.write("Conf/Settings.INI", "[s]\r\nk=v\r\nj=1\r\n");
    ASSERT_TRUE(platform::write_profile_string(dir.file("CONF/settings.ini"), "s", "k", "w"));
    EXPECT_EQ(testsupport::read_file(dir.file("Conf/Settings.INI")), "[s]\r\nk=v\r\nj=1\r\n");
    EXPECT_EQ(testsupport::read_file(dir.file("Conf/settings.ini")), "[s]\r\nk=w\r\nj=1\r\n");
    EXPECT_EQ(platform::find_files(dir.file("Conf/*")).size(), 5u);
}

TEST(ProfileEncoding, Utf16FilesAreReadAndWrittenBackAsEightBit) {
    using namespace std::string_literals;
    testsupport::TempDir dir;
    const std::string path = dir.write(
        "u.ini", "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0c\0a\0f\0\xE9\0 \0\xAC\x20\x2D\x4E\r\0\n\0"s);
    EXPECT_EQ(platform::read_profile_string(path, "s", "K", "d"), "caf\xE9 \x80?");
    ASSERT_TRUE(platform::write_profile_string(path, "S", "n", "1"));
    EXPECT_EQ(testsupport::read_file(path), "[S]\r\nk=caf\xE9 \x80?\r\nn=1\r\n");

    const std::string bom_only = dir.write("bom.ini", "\xFF\xFE");
    EXPECT_TRUE(platform::read_profile_section_names(bom_only).empty());
    ASSERT_TRUE(platform::write_profile_string(bom_only, "A", "k", "v"));
    EXPECT_EQ(testsupport::read_file(bom_only), "[A]\r\nk=v\r\n");
}

TEST(ProfileEdgeInput, LongLinesNulBytesMissingLineEndsAndEveryByteKept) {
    const std::string long_value(100000, 'x');
    const ProfileDocument long_line = ProfileDocument::parse("[s]\r\nk=" + long_value);
    EXPECT_EQ(long_line.get_string("s", "k", "d"), long_value);
    EXPECT_EQ(long_line.get_string("s", "k", "d", 5), "xxxx");
    const ProfileDocument long_header =
        ProfileDocument::parse("[" + long_value + "\r\nk=v\r\n" + long_value + "\r\n");
    EXPECT_EQ(long_header.get_string(long_value, "k", "d"), "v");

    const std::string with_nul("[s]\r\nk=a\0b\r\nj\0=c\r\n", 18);
    const ProfileDocument nul = ProfileDocument::parse(with_nul);
    EXPECT_EQ(nul.get_string("s", "k", "d"), std::string("a\0b", 3));
    EXPECT_EQ(nul.keys("s"), (Names{"k", std::string("j\0", 2)}));
    ProfileDocument edited = nul;
    ASSERT_TRUE(edited.set("s", "k", "plain"));
    EXPECT_EQ(edited.to_bytes(), std::string("[s]\r\nk=plain\r\nj\0=c\r\n", 20));

    for (const char* text : {"", "[s]", "k=v", ";c", "\r", "\n\n\n"}) {
        ProfileDocument document = ProfileDocument::parse(text);
        EXPECT_EQ(document.to_bytes(), text);
        ASSERT_TRUE(document.set("n", "k", "v"));
        EXPECT_TRUE(document.to_bytes().ends_with("[n]\r\nk=v\r\n")) << text;
    }

    // A round trip keeps every byte.
    const std::string text =
        "\xEF\xBB\xBFjunk before\n[ a ]  trailing\r\n  Key = \"q\" ;c\n;comment\r\r\n[b]\r\n=e\n";
    ProfileDocument document = ProfileDocument::parse(text);
    EXPECT_EQ(document.to_bytes(), text);
    ASSERT_TRUE(document.set("A", "KEY", "new"));
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.to_bytes(),
              "\xEF\xBB\xBFjunk before\n[ a ]  trailing\r\nKey=new\n;comment\r\r\n[b]\r\n=e\n");
    EXPECT_EQ(document.get_string("b", "", "d"), "e");
}

TEST(ProfileEdgeInput, RefusesWhatCouldNotBeReadBack) {
    ProfileDocument document = ProfileDocument::parse("[s]\r\nk=1\r\n;keep\r\n[S]\r\nk=2\r\n");
    EXPECT_FALSE(document.set("s", "k", "v\r\n[evil]\r\nx=1") || document.set("s", "k", "a\nb") ||
                 document.set("s", "k", std::string("a\0b", 3)) || document.set("s]", "k", "v") ||
                 document.set("s", "k=x", "v") || document.set("s", ";k", "v") ||
                 document.set("s", "[k", "v") || document.set("new\r\nsection", "k", "v"));
    EXPECT_FALSE(document.modified());
    // Of duplicate sections only the first goes.
    ASSERT_TRUE(document.remove_section("s"));
    EXPECT_EQ(document.to_bytes(), ";keep\r\n[S]\r\nk=2\r\n");
    EXPECT_EQ(document.get_string("s", "k", "d"), "2");
}

TEST(ProfileScale, HundredThousandSectionsStayLinear) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "[sec" + std::to_string(i) + "]\r\nkey=" + std::to_string(i) + "\r\n";
    }
    ProfileDocument document = ProfileDocument::parse(text);
    for (int i = 0; i < 100000; i += 7) {
        ASSERT_EQ(document.get_int("SEC" + std::to_string(i), "KEY", -1), i);
    }
    for (int i = 0; i < 100000; i += 2) {
        ASSERT_TRUE(document.set("new" + std::to_string(i), "k", "v") &&
                    document.set("new" + std::to_string(i + 1), "k", "v") &&
                    document.remove_section("sec" + std::to_string(i)));
    }
    EXPECT_EQ(document.section_names().size(), 150000u);
}

}  // namespace
