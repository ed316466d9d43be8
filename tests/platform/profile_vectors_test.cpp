#include <gtest/gtest.h>

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
        {kF1, "section1", "nokey", "default  ", all, "default"},
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

    const std::pair<const char*, std::int32_t> integers[] = {{"-1", -1},
                                                             {"+1", 1},
                                                             {"4294967297", 1},
                                                             {"42A94967297", 42},
                                                             {"B4294967297", 0},
                                                             {"-", 0},
                                                             {"\"7\"", 7},
                                                             {"2147483648", INT32_MIN},
                                                             {"", 99}};
    for (const auto& [value, expected] : integers) {
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

TEST(ProfileWrite, DeletionsKeepCommentsAndTheRest) {
    testsupport::TempDir dir;
    const std::string path = dir.write(
        "p.ini", ";c0\r\n[App1]\r\n;c1\r\nk1=a\r\nk2=b\r\n[App2]\r\n;c2\r\n[App3]\r\nk=c\r\n");
    ASSERT_TRUE(platform::write_profile_string(path, "App1", "k2", std::nullopt));
    EXPECT_TRUE(platform::write_profile_string(path, "App1", "k2", std::nullopt));
    EXPECT_EQ(platform::read_profile_keys(path, "app1"), Names{"k1"});
    ASSERT_TRUE(platform::delete_profile_section(path, "App1"));
    ASSERT_TRUE(platform::delete_profile_section(path, "app2"));
    EXPECT_EQ(testsupport::read_file(path), ";c0\r\n;c1\r\n;c2\r\n[App3]\r\nk=c\r\n");
    EXPECT_FALSE(platform::write_profile_string(dir.file("missing/p.ini"), "S", "k", "v"));
    EXPECT_FALSE(platform::delete_profile_section(dir.file("missing/p.ini"), "S"));
    EXPECT_FALSE(platform::exists(dir.file("missing")));
}

}  // namespace
