#include "language/language_selection.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "platform/filesystem.h"

namespace {

const char* const kLanguageFile =
    "[T.A.L.M.O.R.]\r\nPRODUCT=KvxCutterBase\r\nang=English\r\nall=Deutsch\r\nfra=Fran\xE7"
    "ais\r\n[PAGETOOL]\r\nIDC_STATIC_DIAMETER=Diameter:\r\n";

using LanguageSelectionTest = CatalogueTest;

TEST_F(LanguageSelectionTest, KvxlangSelectsTheLanguageAndItsFiles) {
    temp_.write("home/texte/KvxCutterBase.fra", kLanguageFile);
    env_.set("KVXLANG", "FRA");
    LanguageSelection selection("KvxCutterBase");
    EXPECT_TRUE(selection.Create());
    EXPECT_EQ(selection.Selected(), 2);
    EXPECT_EQ(selection.LocaleId(), 1036);
    EXPECT_EQ(selection.File().Path(), texte("KvxCutterBase.fra"));
    EXPECT_EQ(selection.File().DisplayNames()[1], "Deutsch");
    EXPECT_EQ(selection.File().DisplayNames()[2],
              "Fran\xE7"
              "ais");
    EXPECT_EQ(selection.File().DisplayNames()[4], "");
    EXPECT_EQ(selection.File().Caption("pagetool", "IDC_STATIC_DIAMETER"), "Diameter:");
    EXPECT_EQ(selection.File().Caption("PAGETOOL", "IDC_MISSING"), "");
    // The catalogue follows the selection.
    EXPECT_EQ(GetCatalogue()->LanguageIndex(), 2);
    EXPECT_EQ(GetCatalogue()->Path(), texte("TalmorError.fra"));
    EXPECT_TRUE(presenter_.shown.empty());
}

TEST_F(LanguageSelectionTest, AnUndefinedKvxlangSelectsEnglish) {
    temp_.write("home/texte/KvxCutterBase.ang", kLanguageFile);
    LanguageSelection selection("KvxCutterBase");
    EXPECT_TRUE(selection.Create());
    EXPECT_EQ(selection.Selected(), 0);
    EXPECT_EQ(GetCatalogue()->Path(), texte("TalmorError.ang"));
}

TEST_F(LanguageSelectionTest, ALanguageFileOfAnotherApplicationIsAnnounced) {
    temp_.write("home/texte/KvxCutterBase.all", kLanguageFile);
    temp_.write("home/texte/Other.all", kLanguageFile);
    LanguageSelection selection("Other");
    EXPECT_FALSE(selection.Apply(1));
    EXPECT_FALSE(selection.File().Loaded());
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "Die Datei\n\n\t'" + texte("Other.all") +
                  "'\n\nenth\xE4lt nicht den Sprachendateityp\n\n\t'PRODUCT = "
                  "Other'\n\nder Applikation!");
    EXPECT_EQ(presenter_.shown[0].icon, kIconStop);
    EXPECT_EQ(selection.File().DisplayNames()[0], "");

    // Switching to a language without a file loads nothing either.
    LanguageSelection good("KvxCutterBase");
    EXPECT_TRUE(good.Apply(1));
    EXPECT_FALSE(good.Apply(3));
    EXPECT_FALSE(good.File().Loaded());
    EXPECT_EQ(good.File().Caption("PAGETOOL", "IDC_STATIC_DIAMETER"), "");
    EXPECT_EQ(presenter_.shown.size(), 1u);
}

TEST_F(LanguageSelectionTest, WithoutKvxhomeTheFileIsInTheCurrentDirectory) {
    load_environment();  // the configuration is read while KVXHOME is still defined
    const std::string work = temp_.mkdir("work");
    temp_.write("work/KvxCutterBase.all", kLanguageFile);
    const std::optional<std::string> previous = platform::current_directory();
    ASSERT_TRUE(platform::set_current_directory(work));
    env_.set("KVXHOME", std::nullopt).set("KVXLANG", "all");
    EXPECT_EQ(LanguageFilePath("KvxCutterBase", 1), work + "/KvxCutterBase.all");
    LanguageSelection selection("KvxCutterBase");
    const bool loaded = selection.Create();
    platform::set_current_directory(previous.value_or("/"));
    EXPECT_TRUE(loaded);
    EXPECT_EQ(selection.Selected(), 1);
}

}  // namespace
