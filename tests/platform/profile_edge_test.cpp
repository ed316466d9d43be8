#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using platform::ProfileDocument;
using Names = std::vector<std::string>;

std::string utf16le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(ProfileEncoding, Utf16FilesAreReadAndWrittenBackAsEightBit) {
    testsupport::TempDir dir;
    const std::string path = dir.write("u.ini", utf16le(u"[S]\r\nk=caf\u00e9 \u20ac\u4e2d\r\n"));
    EXPECT_EQ(platform::read_profile_string(path, "s", "K", "d"), "caf\xE9 \x80?");
    ASSERT_TRUE(platform::write_profile_string(path, "S", "n", "1"));
    EXPECT_EQ(testsupport::read_file(path), "[S]\r\nk=caf\xE9 \x80?\r\nn=1\r\n");

    const std::string bom_only = dir.write("bom.ini", "\xFF\xFE");
    EXPECT_TRUE(platform::read_profile_section_names(bom_only).empty());
    ASSERT_TRUE(platform::write_profile_string(bom_only, "A", "k", "v"));
    EXPECT_EQ(testsupport::read_file(bom_only), "[A]\r\nk=v\r\n");
    EXPECT_TRUE(ProfileDocument::parse("\xFF\xFE[").section_names().empty());
}

TEST(ProfileEdgeInput, LongLinesNulBytesAndMissingLineEnds) {
    const std::string long_value(100000, 'x');
    const ProfileDocument long_line = ProfileDocument::parse("[s]\r\nk=" + long_value);
    EXPECT_EQ(long_line.get_string("s", "k", "d"), long_value);
    EXPECT_EQ(long_line.get_string("s", "k", "d", 5), "xxxx");
    const ProfileDocument long_header =
        ProfileDocument::parse("[" + long_value + "\r\nk=v\r\n" + long_value + "\r\n");
    EXPECT_EQ(long_header.get_string(long_value, "k", "d"), "v");
    EXPECT_EQ(long_header.keys(long_value), Names{"k"});

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
        EXPECT_EQ(ProfileDocument::parse(written).get_string("n", "k", "d"), "v") << text;
        EXPECT_EQ(written.substr(written.size() - 10), "[n]\r\nk=v\r\n") << text;
    }
}

TEST(ProfileEdgeInput, RoundTripKeepsEveryByte) {
    const std::string text =
        "\xEF\xBB\xBFjunk before\n[ a ]  trailing\r\n  Key = \"q\" ;c\n;comment\r\r\n[b]\r\n=e\n";
    ProfileDocument document = ProfileDocument::parse(text);
    EXPECT_EQ(document.to_bytes(), text);
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.set("A", "KEY", "new"));
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.to_bytes(),
              "\xEF\xBB\xBFjunk before\n[ a ]  trailing\r\nKey=new\n;comment\r\r\n[b]\r\n=e\n");
    EXPECT_EQ(document.get_string("b", "", "d"), "e");
}

TEST(ProfileEdgeInput, RefusesWhatCouldNotBeReadBack) {
    ProfileDocument document = ProfileDocument::parse("[s]\r\nk=v\r\n");
    const struct {
        const char* section;
        const char* key;
        std::string value;
    } refused[] = {
        {"s", "k", "v\r\n[evil]\r\nx=1"},
        {"s", "k", "a\nb"},
        {"s", "k", std::string("a\0b", 3)},
        {"s]", "k", "v"},
        {"s", "k=x", "v"},
        {"s", ";k", "v"},
        {"s", "[k", "v"},
        {"new\r\nsection", "k", "v"},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(document.set(r.section, r.key, r.value)) << r.section << "/" << r.key;
    }
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.to_bytes(), "[s]\r\nk=v\r\n");
}

TEST(ProfileEdgeInput, DuplicateSectionsDeleteTheFirstOnly) {
    ProfileDocument document = ProfileDocument::parse("[s]\r\nk=1\r\n;keep\r\n[S]\r\nk=2\r\n");
    ASSERT_TRUE(document.remove_section("s"));
    EXPECT_EQ(document.to_bytes(), ";keep\r\n[S]\r\nk=2\r\n");
    EXPECT_EQ(document.get_string("s", "k", "d"), "2");
    ASSERT_TRUE(document.remove_section("s"));
    EXPECT_FALSE(document.has_section("s"));
    ASSERT_TRUE(document.set("s", "k", "3"));
    EXPECT_EQ(document.to_bytes(), ";keep\r\n[s]\r\nk=3\r\n");
}

TEST(ProfileScale, HundredThousandSectionsStayLinear) {
    const auto start = std::chrono::steady_clock::now();
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "[sec" + std::to_string(i) + "]\r\nkey=" + std::to_string(i) + "\r\n";
    }
    ProfileDocument document = ProfileDocument::parse(text);
    EXPECT_EQ(document.section_names().size(), 100000u);
    for (int i = 0; i < 100000; i += 7) {
        ASSERT_EQ(document.get_int("SEC" + std::to_string(i), "KEY", -1), i);
    }
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(document.set("new" + std::to_string(i), "k", "v"));
    }
    for (int i = 0; i < 100000; i += 2) {
        ASSERT_TRUE(document.remove_section("sec" + std::to_string(i)));
    }
    EXPECT_EQ(document.section_names().size(), 150000u);
    testsupport::TempDir dir;
    const std::string path = dir.file("big.ini");
    ASSERT_TRUE(document.save(path));
    ASSERT_TRUE(platform::write_profile_string(path, "sec99999", "key", "last"));
    EXPECT_EQ(platform::read_profile_string(path, "sec99999", "key", "d"), "last");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 120);
}

TEST(ProfileFiles, ReadOnlyFileRefusesEveryWrite) {
    testsupport::TempDir dir;
    const std::string path = dir.write("ro.ini", "[s]\r\nk=v\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(platform::write_profile_string(path, "s", "k", "new"));
    EXPECT_FALSE(platform::write_profile_string(path, "s", "missing", std::nullopt));
    EXPECT_FALSE(platform::delete_profile_section(path, "s"));
    EXPECT_FALSE(ProfileDocument::parse("").save(path));
    EXPECT_EQ(testsupport::read_file(path), "[s]\r\nk=v\r\n");
    EXPECT_EQ(platform::read_profile_string(path, "s", "k", "d"), "v");
}

TEST(ProfileFiles, DeletionsOnAMissingFileCreateNothing) {
    testsupport::TempDir dir;
    const std::string path = dir.file("none.ini");
    EXPECT_TRUE(platform::write_profile_string(path, "s", "k", std::nullopt));
    EXPECT_TRUE(platform::delete_profile_section(path, "s"));
    EXPECT_FALSE(platform::exists(path));
    EXPECT_FALSE(ProfileDocument::load(path).has_value());
    EXPECT_EQ(platform::read_profile_int(path, "s", "k", 7), 7);
    EXPECT_TRUE(platform::read_profile_keys(path, "s").empty());
}

TEST(ProfileFiles, ResolvesTheFileNameIgnoringCase) {
    testsupport::TempDir dir;
    dir.write("Conf/Settings.INI", "[s]\r\nk=v\r\n");
    EXPECT_EQ(platform::read_profile_string(dir.file("conf/settings.ini"), "s", "k", "d"), "v");
    ASSERT_TRUE(platform::write_profile_string(dir.file("CONF/settings.ini"), "s", "k", "w"));
    EXPECT_EQ(testsupport::read_file(dir.file("Conf/Settings.INI")), "[s]\r\nk=w\r\n");
    EXPECT_EQ(platform::find_files(dir.file("Conf/*")).size(), 3u);
}

}  // namespace
