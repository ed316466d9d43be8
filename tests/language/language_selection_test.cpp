#include "language/language_selection.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace {

const char* const kLanguageFile =
    "[T.A.L.M.O.R.]\r\nPRODUCT=KvxCutterBase\r\nang=English\r\nall=Deutsch\r\nfra=Fran\xE7"
    "ais\r\n[PAGETOOL]\r\nIDC_STATIC_DIAMETER=Diameter:\r\n";

using LanguageSelectionTest = CatalogueTest;

TEST_F(LanguageSelectionTest, KvxlangSelectsTheLanguageAndItsFiles) {
    temp_.write("home/texte/KvxCutterBase.ang", kLanguageFile);
    LanguageSelection english("KvxCutterBase");
    EXPECT_TRUE(english.Create());
    EXPECT_EQ(english.Selected(), 0);

    temp_.write("home/texte/KvxCutterBase.fra", kLanguageFile);
    env_.set("KVXLANG", "FRA");
    LanguageSelection selection("KvxCutterBase");
    EXPECT_TRUE(selection.Create());
    EXPECT_EQ(selection.Selected(), 2);
    EXPECT_EQ(selection.File().Path(), texte("KvxCutterBase.fra"));
    EXPECT_EQ(selection.File().Caption("pagetool", "IDC_STATIC_DIAMETER"), "Diameter:");
    EXPECT_EQ(GetCatalogue()->Path(), texte("TalmorError.fra"));
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
    // Switching to a language without a file loads nothing either.
    LanguageSelection good("KvxCutterBase");
    EXPECT_TRUE(good.Apply(1));
    EXPECT_FALSE(good.Apply(3));
    EXPECT_FALSE(good.File().Loaded());
}

}  // namespace
