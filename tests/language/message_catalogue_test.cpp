#include "language/message_catalogue.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"

namespace {

int raise(TalmorError& catalogue, const std::string& section, const std::string& key, int buttons,
          const FormatArguments& arguments = {}) {
    return catalogue.Message("raiser.cpp", 7, "Jan  1 2026", "10:00:00", section, key, buttons,
                             arguments);
}

using ClassifyCase = std::tuple<const char*, FormatArguments, std::string, int, std::string>;

TEST_F(CatalogueTest, CategoryComesFromTheFormattedText) {
    using A = FormatArguments;
    const ClassifyCase cases[] = {
        {"ONLY", A{std::string("Q  Continue?")}, "Continue?", kIconQuestion, "Question"},
        {"ONLY", A{std::string(" \t E bad")}, "bad", kIconStop, "Error"},
        {"ONLY", A{std::string("")}, "", kIconInformation, "Information"},
        {"OTHER", A{}, "shown as information", kIconInformation, "Information"},
        {"BACKSLASH", A{}, "a\\\nb c:\\\tmp", kIconInformation, "Information"},
        {"HOSTILE", A{std::string("x")}, "%nx%s%1000000d %p", kIconStop, "Error"},
    };
    TalmorError catalogue;
    catalogue.Init("ang");
    for (const auto& [key, arguments, text, icon, category] : cases) {
        presenter_.shown.clear();
        EXPECT_EQ(raise(catalogue, "TEST", key, kButtonsOk, arguments), kAnswerOk);
        ASSERT_EQ(presenter_.shown.size(), 1u) << key;
        EXPECT_EQ(presenter_.shown[0].text, text) << key;
        EXPECT_EQ(presenter_.shown[0].icon, icon) << key;
        EXPECT_EQ(catalogue.CategoryName(), category) << key;
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

    // The German text and category are checked through the command line.
    TalmorError german;
    german.Init("ALL");
    EXPECT_EQ(german.ButtonCaptionText(ButtonCaption::Cancel), "Abbrechen");
    EXPECT_EQ(english.ButtonCaptionText(ButtonCaption::OkToAll), "OK to All");
}

TEST_F(CatalogueTest, MissingFilesAndUnknownLanguagesShowNothing) {
    temp_.write("home/texte/TalmorError.fra", "[T.A.L.M.O.R.]\nCATEGORY=TalmorError\n");
    TalmorError french;
    french.Init("fra");
    EXPECT_EQ(raise(french, "TEST", "WARN", kButtonsOk), 0);
    french.Init("english");
    EXPECT_EQ(french.Path(), texte("TalmorError.ang"));
    env_.set("KVXHOME", temp_.mkdir("empty"));
    TalmorError none;
    none.Init("ang");
    EXPECT_EQ(none.Exists(), 0);
    EXPECT_EQ(raise(none, "TEST", "WARN", kButtonsYesNo), kAnswerOk);
    EXPECT_TRUE(presenter_.shown.empty());
}

// The announcement and the message still read are checked through the command line.
TEST_F(CatalogueTest, ACatalogueOfTheWrongTypeIsAnnouncedButItsLabelsAreNotRead) {
    temp_.write("home/texte/TalmorError.ang",
                "[T.A.L.M.O.R.]\nCATEGORY=talmorerror\n[ERROR_INTERNAL]\nIDOK=Okay\n");
    TalmorError catalogue;
    catalogue.Init("ang");
    EXPECT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(catalogue.ButtonCaptionText(ButtonCaption::Ok), "");
}

TEST_F(CatalogueTest, DetailShowsTheOriginAndInternalMessagesLeaveTheCurrentOneAlone) {
    TalmorError catalogue;
    catalogue.Init("ang");
    catalogue.SetDetail(1);
    raise(catalogue, "TEST", "WARN", kButtonsOk, make_format_arguments("x"));
    ASSERT_EQ(presenter_.shown.size(), 1u);
    EXPECT_EQ(presenter_.shown[0].text,
              "Warning:\tWARN\n \nFile:\t\traiser.cpp\nLine:\t\t7\nCompiled:\tJan  1 2026, "
              "10:00:00\n \nMessage: \nCareful with x");
    catalogue.SetDetail(0);
    EXPECT_EQ(catalogue.InternalMessage("m.cpp", 1, "d", "t", "W %s!", kButtonsYesNo,
                                        make_format_arguments("careful")),
              kAnswerYes);
    EXPECT_EQ(catalogue.CurrentKey(), "WARN");
}

}  // namespace
