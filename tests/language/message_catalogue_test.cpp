#include "language/message_catalogue.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace {

int raise(TalmorError& catalogue, const std::string& section, const std::string& key, int buttons,
          const FormatArguments& arguments = {}) {
    return catalogue.Message("raiser.cpp", 7, "Jan  1 2026", "10:00:00", section, key, buttons,
                             arguments);
}

struct ClassifyCase {
    const char* key;
    FormatArguments arguments;
    std::string text;
    int icon;
    std::string category;
};

TEST_F(CatalogueTest, CategoryComesFromTheFormattedText) {
    using A = FormatArguments;
    const ClassifyCase cases[] = {
        {"WARN", A{std::string("x")}, "Careful with x", kIconExclamation, "Warning"},
        {"ONLY", A{std::string("Q  Continue?")}, "Continue?", kIconQuestion, "Question"},
        {"ONLY", A{std::string(" \t E bad")}, "bad", kIconStop, "Error"},
        {"ONLY", A{std::string("")}, "", kIconInformation, "Information"},
        {"OTHER", A{}, "shown as information", kIconInformation, "Information"},
        {"LOWER", A{}, "lower case letter", kIconInformation, "Information"},
        {"COUNT", A{std::int64_t{3}, 2.5}, "3 tools,  2.50 mm", kIconInformation, "Information"},
        {"BACKSLASH", A{}, "a\\\nb c:\\\tmp", kIconInformation, "Information"},
        {"HOSTILE", A{std::string("x")}, "%nx%s%1000000d %p", kIconStop, "Error"},
    };
    TalmorError catalogue;
    catalogue.Init("ang");
    for (const ClassifyCase& c : cases) {
        presenter_.shown.clear();
        EXPECT_EQ(raise(catalogue, "TEST", c.key, kButtonsOk, c.arguments), kAnswerOk);
        ASSERT_EQ(presenter_.shown.size(), 1u) << c.key;
        EXPECT_EQ(presenter_.shown[0].text, c.text) << c.key;
        EXPECT_EQ(presenter_.shown[0].icon, c.icon) << c.key;
        EXPECT_EQ(catalogue.CategoryName(), c.category) << c.key;
        EXPECT_EQ(catalogue.MessageText(), c.text) << c.key;
    }
}

TEST_F(CatalogueTest, VeryLongCatalogueLinesAreShownWhole) {
    const std::string words(250000, 'w');
    temp_.write("home/texte/TalmorError.ang", std::string(kEnglishCatalogue) + "[LONG]\r\nL=W " +
                                                  words + " %s\r\nAFTER=I after\r\n");
    TalmorError catalogue;
    catalogue.Init("ang");
    raise(catalogue, "LONG", "L", kButtonsOk, make_format_arguments(words));
    raise(catalogue, "LONG", "AFTER", kButtonsOk);
    ASSERT_EQ(presenter_.shown.size(), 2u);
    EXPECT_EQ(presenter_.shown[0].text, words + " " + words);
    EXPECT_EQ(presenter_.shown[1].text, "after");
}

TEST_F(CatalogueTest, EscapesBecomeLineBreaksAndTabs) {
    TalmorError catalogue;
    catalogue.Init("ang");
    raise(catalogue, "general", "general_dir_not_valid", kButtonsOk,
          make_format_arguments("/tools"));
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text, "The directory\n\n\t'/tools'\n\nis not valid.");
    EXPECT_EQ(catalogue.CurrentSection(), "general");
    EXPECT_EQ(catalogue.CurrentKey(), "general_dir_not_valid");
}

TEST_F(CatalogueTest, RememberedAnswersSkipTheDialogForThatMessageOnly) {
    TalmorError catalogue;
    catalogue.Init("ang");
    presenter_.answers = {kAnswerYes};
    EXPECT_EQ(raise(catalogue, "TEST", "WARN", kButtonsYesNoToAll), kAnswerYes);
    catalogue.RememberAnswer(kAnswerYes);  // what Yes to All does
    catalogue.RememberAnswer(kAnswerNo);   // a pair is recorded once
    ASSERT_EQ(catalogue.RememberedAnswers().size(), 1u);

    EXPECT_EQ(raise(catalogue, "TEST", "WARN", kButtonsYesNoToAll), kAnswerYes);
    EXPECT_EQ(presenter_.shown.size(), 1u);

    presenter_.answers = {kAnswerNo};
    EXPECT_EQ(raise(catalogue, "TEST", "OTHER", kButtonsYesNoToAll), kAnswerNo);
    EXPECT_EQ(presenter_.shown.size(), 2u);
    // Remembered pairs compare case-sensitively although the catalogue lookup does not.
    raise(catalogue, "test", "WARN", kButtonsYesNoToAll);
    EXPECT_EQ(presenter_.shown.size(), 3u);
}

TEST_F(CatalogueTest, MissingEntriesShowTheBuiltInTextOfTheLanguage) {
    TalmorError english;
    english.Init("ang");
    EXPECT_EQ(raise(english, "TEST", "NOPE", kButtonsYesNo, make_format_arguments("ignored")),
              kAnswerOk);
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "The message entry\n\n\t[TEST]\n\tNOPE = ???\n\ncould not be "
              "found in\n\n\t'" +
                  texte("TalmorError.ang") + "'");
    EXPECT_EQ(presenter_.shown[0].icon, kIconStop);
    EXPECT_EQ(presenter_.shown[0].button_set, kButtonsOk);
    EXPECT_EQ(english.CategoryName(), "Error");

    TalmorError german;
    german.Init("ALL");
    EXPECT_EQ(german.LanguageIndex(), 1);
    raise(german, "TEST", "WARN", kButtonsOk);
    ASSERT_EQ(presenter_.shown.size(), 2u);
    EXPECT_EQ(presenter_.shown[1].text,
              "Die Meldungseintrag\n\n\t[TEST]\n\tWARN = ???\n\nkonnte nicht gefunden werden in "
              "\n\n\t'" +
                  texte("TalmorError.all") + "'");
    EXPECT_EQ(german.CategoryName(), "Fehler");
}

TEST_F(CatalogueTest, LanguagesWithoutBuiltInTextsShowNothingForMissingEntries) {
    temp_.write("home/texte/TalmorError.fra", "[T.A.L.M.O.R.]\nCATEGORY=TalmorError\n");
    TalmorError catalogue;
    catalogue.Init("fra");
    EXPECT_EQ(raise(catalogue, "TEST", "WARN", kButtonsOk), 0);
    EXPECT_TRUE(presenter_.shown.empty());
}

TEST_F(CatalogueTest, WithoutACatalogueFileEveryMessageReturnsOneSilently) {
    env_.set("KVXHOME", temp_.mkdir("empty"));
    TalmorError catalogue;
    catalogue.Init("ang");
    EXPECT_EQ(catalogue.Exists(), 0);
    EXPECT_EQ(raise(catalogue, "TEST", "WARN", kButtonsYesNo), kAnswerOk);
    EXPECT_TRUE(presenter_.shown.empty());
    EXPECT_EQ(catalogue.CurrentSection(), "");
}

TEST_F(CatalogueTest, UnknownOrEmptyLanguagesSelectTheEnglishFile) {
    for (const char* language : {"", "xyz", "ANG", "english"}) {
        TalmorError catalogue;
        catalogue.Init(language);
        EXPECT_EQ(catalogue.LanguageIndex(), 0) << language;
        EXPECT_EQ(catalogue.Path(), texte("TalmorError.ang")) << language;
    }
    TalmorError swedish;
    swedish.Init("Sue");
    EXPECT_EQ(swedish.Path(), texte("TalmorError.sue"));
}

TEST_F(CatalogueTest, LabelsComeFromTheCatalogue) {
    TalmorError catalogue;
    catalogue.Init("ang");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Ok), "OK");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Retry), "Retry");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::OkToAll), "OK to All");
    EXPECT_EQ(catalogue.AboutLabelText(AboutLabel::Version), "Version:");
    EXPECT_EQ(catalogue.AboutLabelText(AboutLabel::RightsNotice), "Rights");
    EXPECT_EQ(catalogue.AboutLabelText(AboutLabel::Title), "About");
    EXPECT_EQ(catalogue.MoreCaption(), "More...");
    EXPECT_EQ(catalogue.CheckCaption(), "Do not display this message again");
    EXPECT_EQ(catalogue.CategoryNameForIcon(kIconExclamation), "Warning");

    // Init again re-reads everything in the other language; missing keys become empty.
    catalogue.Init("all");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Cancel), "Abbrechen");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Retry), "");
    EXPECT_EQ(catalogue.MoreCaption(), "");
}

TEST_F(CatalogueTest, ACatalogueOfTheWrongTypeIsAnnouncedAndKeepsItsLabels) {
    temp_.write("home/texte/TalmorError.ang",
                "[T.A.L.M.O.R.]\nCATEGORY=talmorerror\n[ERROR_INTERNAL]\nIDOK=Okay\nERROR=Err\n"
                "[TEST]\nOTHER=I still read\n");
    TalmorError catalogue;
    catalogue.Init("ang");
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "The file\n\n\t'" + texte("TalmorError.ang") +
                  "'\n\ndoes not include the error file type:\n\n\t'CATEGORY = TalmorError'");
    EXPECT_EQ(catalogue.CategoryName(), "ERROR\t");
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Ok), "");

    EXPECT_EQ(raise(catalogue, "TEST", "OTHER", kButtonsOk), kAnswerOk);
    EXPECT_EQ(presenter_.shown.back().text, "still read");
    EXPECT_EQ(catalogue.CategoryName(), "INFORMATION");
}

TEST_F(CatalogueTest, DetailShowsTheOriginOfTheMessage) {
    TalmorError catalogue;
    catalogue.Init("ang");
    catalogue.SetDetail(1);
    raise(catalogue, "TEST", "WARN", kButtonsOk, make_format_arguments("x"));
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "Warning:\tWARN\n \nFile:\t\traiser.cpp\nLine:\t\t7\nCompiled:\tJan  1 2026, "
              "10:00:00\n \nMessage: \nCareful with x");
    EXPECT_EQ(catalogue.ComposedText(), presenter_.shown[0].text);
}

TEST_F(CatalogueTest, InternalMessagesLeaveTheCurrentMessageAlone) {
    TalmorError catalogue;
    catalogue.Init("ang");
    raise(catalogue, "TEST", "WARN", kButtonsOk, make_format_arguments("x"));
    EXPECT_EQ(catalogue.InternalMessage("m.cpp", 1, "d", "t", "W %s!", kButtonsYesNo,
                                        make_format_arguments("careful")),
              kAnswerYes);
    EXPECT_EQ(presenter_.shown.back().text, "careful!");
    EXPECT_EQ(catalogue.CurrentKey(), "WARN");
    EXPECT_EQ(catalogue.InternalMessage("m.cpp", 1, "d", "t", "", kButtonsYesNoCancel),
              kButtonsYesNoCancel);
    EXPECT_EQ(presenter_.shown.size(), 2u);
}

TEST_F(CatalogueTest, TheProcessCatalogueIsCreatedOnce) {
    TalmorError* catalogue = GetCatalogue();
    ASSERT_NE(catalogue, nullptr);
    EXPECT_EQ(GetCatalogue(), catalogue);
    EXPECT_EQ(CurrentCatalogue(), catalogue);
    Message("raiser.cpp", 1, "d", "t", "TEST", "NOPE", kButtonsOk, 1, 2.0, "three");
}

}  // namespace
