#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using platform::ProfileDocument;
using Names = std::vector<std::string>;

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

TEST(ProfileEdgeInput, LongLinesNulBytesAndMissingLineEnds) {
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
        const std::string written = document.to_bytes();
        EXPECT_EQ(written.substr(written.size() - 10), "[n]\r\nk=v\r\n") << text;
    }
}

TEST(ProfileEdgeInput, RoundTripKeepsEveryByte) {
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
    EXPECT_FALSE(document.set("s", "k", "v\r\n[evil]\r\nx=1"));
    EXPECT_FALSE(document.set("s", "k", "a\nb"));
    EXPECT_FALSE(document.set("s", "k", std::string("a\0b", 3)));
    EXPECT_FALSE(document.set("s]", "k", "v"));
    EXPECT_FALSE(document.set("s", "k=x", "v"));
    EXPECT_FALSE(document.set("s", ";k", "v"));
    EXPECT_FALSE(document.set("s", "[k", "v"));
    EXPECT_FALSE(document.set("new\r\nsection", "k", "v"));
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
        ASSERT_TRUE(document.set("new" + std::to_string(i), "k", "v"));
        ASSERT_TRUE(document.set("new" + std::to_string(i + 1), "k", "v"));
        ASSERT_TRUE(document.remove_section("sec" + std::to_string(i)));
    }
    EXPECT_EQ(document.section_names().size(), 150000u);
}

TEST(ProfileFiles, ReadOnlyMissingAndCaseDifferingFiles) {
    testsupport::TempDir dir;
    const std::string path = dir.write("Conf/RO.ini", "[s]\r\nk=v\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(platform::write_profile_string(path, "s", "k", "new"));
    EXPECT_FALSE(platform::write_profile_string(path, "s", "missing", std::nullopt));
    EXPECT_FALSE(platform::delete_profile_section(path, "s"));
    EXPECT_EQ(testsupport::read_file(path), "[s]\r\nk=v\r\n");
    EXPECT_EQ(platform::read_profile_string(dir.file("conf/ro.INI"), "s", "k", "d"), "v");

    const std::string none = dir.file("none.ini");
    EXPECT_TRUE(platform::write_profile_string(none, "s", "k", std::nullopt));
    EXPECT_TRUE(platform::delete_profile_section(none, "s"));
    EXPECT_FALSE(platform::exists(none));

    // The file found ignoring case is read; the write goes to the name given, in the
    // directory found ignoring case.
    dir.write("Conf/Settings.INI", "[s]\r\nk=v\r\nj=1\r\n");
    ASSERT_TRUE(platform::write_profile_string(dir.file("CONF/settings.ini"), "s", "k", "w"));
    EXPECT_EQ(testsupport::read_file(dir.file("Conf/Settings.INI")), "[s]\r\nk=v\r\nj=1\r\n");
    EXPECT_EQ(testsupport::read_file(dir.file("Conf/settings.ini")), "[s]\r\nk=w\r\nj=1\r\n");
    EXPECT_EQ(platform::find_files(dir.file("Conf/*")).size(), 5u);
}

}  // namespace
