#include <gtest/gtest.h>

#include <cmath>

#include "slotpad/dialogs/FontCaption.h"
#include "slotpad/dialogs/Options.h"
#include "tests/support/DialogWindowFakes.h"

namespace slotpad {
namespace {

using testing::FakeOptionsWindow;
using testing::FixedNumberFormat;
using testing::ScriptedFontChooser;

struct CaptionCase {
    std::string_view face;
    float size;
    std::string_view separator;
    std::string_view caption;
};

TEST(FontCaption, FaceThenSizeWithoutTrailingZerosInTheUsersFormat) {
    const CaptionCase cases[] = {
        {"Courier New", 10.0f, ".", "Courier New (10)"},
        {"Times New Roman", 12.0f, ".", "Times New Roman (12)"},
        {"Times New Roman", 10.5f, ".", "Times New Roman (10.5)"},
        {"Times New Roman", 10.5f, ",", "Times New Roman (10,5)"},
        {"Arial", 8.25f, ",", "Arial (8,25)"},
        {"Arial", 10.3f, ".", "Arial (10.3)"},  // single precision: not 10.30000019
        {"Arial", 1638.0f, ",", "Arial (1638)"},
        {"Arial", 0.0f, ".", "Arial (0)"},
    };
    for (const CaptionCase& c : cases) EXPECT_EQ(Font_Caption(c.face, c.size, c.separator), c.caption);
}

OptionValues Sample_Values() {
    return {POS_BOTTOM,
            VB_TRUE,
            1,
            FontSpec{"Courier New", 10.0f, VB_FALSE, VB_TRUE, VB_FALSE},
            VB_TRUE,
            FontSpec{"Times New Roman", 14.0f, VB_TRUE, VB_FALSE, VB_TRUE}};
}

class OptionsDialog : public ::testing::Test {
protected:
    FakeOptionsWindow window;
    ScriptedFontChooser chooser;
    FixedNumberFormat numbers;
    Options options{window, chooser, numbers};

    void User_Does(std::function<void(OptionsEvents&)> actions) { window.whileShown = std::move(actions); }
};

TEST_F(OptionsDialog, AddModeShowsAsTheMatchingOptionButtonAndComesBackNormalised) {
    struct Case {
        int16_t addMode;
        int news;
        int16_t writtenBack;
    };
    const Case cases[] = {{POS_TOP, 0, POS_TOP}, {POS_BOTTOM, 1, POS_BOTTOM}, {PLACE_NEXT, 2, PLACE_NEXT},
                          {5, 2, PLACE_NEXT},    {0, 2, PLACE_NEXT},          {-1, 2, PLACE_NEXT}};
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    for (const Case& c : cases) {
        OptionValues values = Sample_Values();
        values.AddMode = c.addMode;
        const auto result = options.Show_Options(values);
        EXPECT_EQ(window.news, c.news) << c.addMode;
        ASSERT_TRUE(result);
        EXPECT_EQ(result->AddMode, c.writtenBack) << c.addMode;
    }
}

TEST_F(OptionsDialog, FillsTheControlsInTheDesignOrder) {
    options.Fill_Controls(Sample_Values());
    const std::vector<std::string> expected = {
        "set News(1)",         "set cDelWarn",         "set cCase",
        "set font FontLabel",  "get font FontLabel",   "set caption FontLabel",
        "set cToolTip",        "get cToolTip",         "set description row",
        "set font ToolLabel",  "get font ToolLabel",   "set caption ToolLabel",
    };
    EXPECT_EQ(window.log, expected);
}

TEST_F(OptionsDialog, ReadsTheControlsBackInTheDesignOrder) {
    options.Fill_Controls(Sample_Values());
    window.log.clear();
    (void)options.Read_Controls();
    const std::vector<std::string> expected = {"get News", "get cDelWarn", "get cCase", "get font FontLabel",
                                               "get cToolTip", "get font ToolLabel"};
    EXPECT_EQ(window.log, expected);
}

TEST_F(OptionsDialog, OkWithoutChangesGivesBackTheSameValues) {
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    const OptionValues values = Sample_Values();
    EXPECT_EQ(options.Show_Options(values), values);
    EXPECT_TRUE(options.OKPressed);
    EXPECT_FALSE(window.visible);
}

TEST_F(OptionsDialog, FontsComeBackAsTheLabelsReportThem) {
    // A label that shows sizes in half points and substitutes a missing face.
    window.realise = [](const FontFace& font) {
        FontFace shown = font;
        shown.Size = std::round(font.Size * 2) / 2;
        if (shown.Name == "No Such Face") shown.Name = "Arial";
        return shown;
    };
    OptionValues values = Sample_Values();
    values.TextFont = {"No Such Face", 10.3f, VB_FALSE, VB_FALSE, VB_FALSE};
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    const auto result = options.Show_Options(values);
    EXPECT_EQ(window.captions[OptionsFontLabel::FontLabel], "Arial (10.5)");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->TextFont, (FontSpec{"Arial", 10.5f, VB_FALSE, VB_FALSE, VB_FALSE}));
}

TEST_F(OptionsDialog, FlagsKeepTheirOwnFormsThroughTheCheckBoxes) {
    OptionValues values = Sample_Values();
    values.DelWarn = VB_FALSE;
    values.IgnoreCase = 0;
    values.PrintDesc = VB_FALSE;
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    EXPECT_EQ(options.Show_Options(values), values);
    EXPECT_EQ(window.checks[OptionsCheckBox::cCase], 0);

    // Booleans go back as -1, the case rule as the box's own 1; a stray case value that
    // capture reads as off shows as off.
    User_Does([&](OptionsEvents& e) {
        window.Click_Check(e, OptionsCheckBox::cDelWarn);
        window.Click_Check(e, OptionsCheckBox::cToolTip);
        e.OKButton_Click();
    });
    values.IgnoreCase = 7;
    const auto result = options.Show_Options(values);
    EXPECT_EQ(window.checks[OptionsCheckBox::cCase], 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->DelWarn, VB_TRUE);
    EXPECT_EQ(result->PrintDesc, VB_TRUE);
    EXPECT_EQ(result->IgnoreCase, 0);

    User_Does([&](OptionsEvents& e) {
        window.Click_Check(e, OptionsCheckBox::cCase);
        e.OKButton_Click();
    });
    values.IgnoreCase = 0;
    EXPECT_EQ(options.Show_Options(values)->IgnoreCase, 1);
}

TEST_F(OptionsDialog, CancelAfterChangingEverythingChangesNothing) {
    chooser.answers = {FontFace{"Arial", 20, true, true, false}, FontFace{"Verdana", 9, false, false, false}};
    const OptionValues values = Sample_Values();
    const auto changeEverything = [&](OptionsEvents& e) {
        window.news = 0;
        window.Click_Check(e, OptionsCheckBox::cDelWarn);
        window.Click_Check(e, OptionsCheckBox::cCase);
        window.Click_Check(e, OptionsCheckBox::cToolTip);
        e.FontButton_Click();
        e.ToolButton_Click();
    };
    User_Does([&](OptionsEvents& e) {
        changeEverything(e);
        e.CancelButton_Click();
    });
    EXPECT_EQ(options.Show_Options(values), std::nullopt);
    EXPECT_FALSE(options.OKPressed);
    EXPECT_FALSE(window.visible);

    // The close box: the window hides itself without a button's event.
    chooser.answers = {FontFace{"Arial", 20, true, true, false}, FontFace{"Verdana", 9, false, false, false}};
    User_Does([&](OptionsEvents& e) {
        changeEverything(e);
        window.Hide();
    });
    EXPECT_EQ(options.Show_Options(values), std::nullopt);

    // The next opening shows the values it is given, not what was left in the controls.
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    EXPECT_EQ(options.Show_Options(values), values);
    EXPECT_EQ(window.news, 1);
    EXPECT_EQ(window.captions[OptionsFontLabel::FontLabel], "Courier New (10)");
    EXPECT_EQ(window.captions[OptionsFontLabel::ToolLabel], "Times New Roman (14)");
}

TEST_F(OptionsDialog, OkAfterAPreviousOkStartsFromTheSettingsAgain) {
    User_Does([](OptionsEvents& e) { e.OKButton_Click(); });
    (void)options.Show_Options(Sample_Values());
    // A close box after an earlier OK must not report OK again.
    User_Does([&](OptionsEvents&) { window.Hide(); });
    EXPECT_EQ(options.Show_Options(Sample_Values()), std::nullopt);
}

TEST_F(OptionsDialog, UncheckingPrintDescriptionGreysOutTheDescriptionRowAtOnce) {
    std::vector<bool> rowStates;
    User_Does([&](OptionsEvents& e) {
        rowStates.push_back(*window.descriptionRowEnabled);
        window.Click_Check(e, OptionsCheckBox::cToolTip);
        rowStates.push_back(*window.descriptionRowEnabled);
        window.Click_Check(e, OptionsCheckBox::cToolTip);
        rowStates.push_back(*window.descriptionRowEnabled);
        e.CancelButton_Click();
    });
    (void)options.Show_Options(Sample_Values());
    EXPECT_EQ(rowStates, (std::vector<bool>{true, false, true}));

    OptionValues values = Sample_Values();
    values.PrintDesc = VB_FALSE;
    options.Fill_Controls(values);
    EXPECT_EQ(window.descriptionRowEnabled, false);
}

TEST_F(OptionsDialog, ChangeButtonOffersTheLabelsFontAndShowsTheChoice) {
    chooser.answers = {FontFace{"Arial", 10.5f, true, false, true}};
    numbers.separator = ",";
    User_Does([](OptionsEvents& e) {
        e.FontButton_Click();
        e.OKButton_Click();
    });
    const auto result = options.Show_Options(Sample_Values());
    ASSERT_EQ(chooser.initials.size(), 1u);
    EXPECT_EQ(chooser.initials[0], (FontFace{"Courier New", 10.0f, false, true, false}));
    EXPECT_EQ(window.captions[OptionsFontLabel::FontLabel], "Arial (10,5)");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->TextFont, (FontSpec{"Arial", 10.5f, VB_TRUE, VB_FALSE, VB_TRUE}));
    EXPECT_EQ(result->DescFont, Sample_Values().DescFont);
}

TEST_F(OptionsDialog, ToolButtonChangesOnlyTheDescriptionFont) {
    chooser.answers = {FontFace{"Verdana", 9, false, false, false}};
    User_Does([](OptionsEvents& e) {
        e.ToolButton_Click();
        e.OKButton_Click();
    });
    const auto result = options.Show_Options(Sample_Values());
    EXPECT_EQ(chooser.initials.at(0).Name, "Times New Roman");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->DescFont, (FontSpec{"Verdana", 9, VB_FALSE, VB_FALSE, VB_FALSE}));
    EXPECT_EQ(result->TextFont, Sample_Values().TextFont);
    EXPECT_EQ(window.captions[OptionsFontLabel::ToolLabel], "Verdana (9)");
}

TEST_F(OptionsDialog, CancelledFontDialogLeavesSampleAndCaptionAsTheyWere) {
    chooser.answers = {std::nullopt};
    std::string captionBefore;
    User_Does([&](OptionsEvents& e) {
        captionBefore = window.captions[OptionsFontLabel::FontLabel];
        window.log.clear();
        e.FontButton_Click();
        e.OKButton_Click();
    });
    const auto result = options.Show_Options(Sample_Values());
    EXPECT_EQ(window.captions[OptionsFontLabel::FontLabel], captionBefore);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "set font FontLabel"), 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->TextFont, Sample_Values().TextFont);
}

TEST(OptionValuesOfSettings, CarryExactlyTheEditedSettings) {
    Settings settings;
    settings.CurSlot = 12;
    OptionValues values = Option_Values_Of(settings);
    values.AddMode = POS_TOP;
    values.TextFont.Name = "Arial";
    Apply_Option_Values(values, settings);
    EXPECT_EQ(settings.AddMode, POS_TOP);
    EXPECT_EQ(settings.TextFont.Name, "Arial");
    EXPECT_EQ(settings.CurSlot, 12);
    EXPECT_EQ(Option_Values_Of(settings), values);
}

}  // namespace
}  // namespace slotpad
