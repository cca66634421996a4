// The Internet Navigation, Lumora Keys and Print Label pages end to end: what
// they show for a prepared profile, the buttons they offer, what they hand on
// when they are left forward, and what Finish writes.
#include "wizard_fixture.h"

using namespace wizard;

using driver::DwordValue;

class FeaturePagesTest : public WizardTest {
protected:
    // The radio checked and the picture shown, the other ones not.
    bool Shows(int radio, int otherRadio, int picture, int otherPicture) const {
        return Checked(radio) && !Checked(otherRadio) && Shown(picture) && !Shown(otherPicture);
    }
    bool NoneChecked(int radio, int otherRadio) const { return !Checked(radio) && !Checked(otherRadio); }
};

// A stored switch of neither 0 nor 1 checks no radio. Left through the strip
// without a click, such a page decides nothing: the Summary shows the stored
// value, no label is printed, and Finish keeps what is stored.
TEST_F(FeaturePagesTest, ValuesOutsideTheSetWaitForARadioOrAreKept) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 2));
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 2));
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 2));
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(Next());
    EXPECT_TRUE(NoneChecked(IDC_INAV_ENABLE, IDC_INAV_DISABLE));
    EXPECT_TRUE(WaitForOffered("Back"));
    driver::Pause(300);
    EXPECT_EQ(Offered(), "Back") << "Next is offered before a radio is clicked";

    Click(IDC_INAV_DISABLE);
    EXPECT_TRUE(WaitForOffered("Back Next"));
    EXPECT_TRUE(Shows(IDC_INAV_DISABLE, IDC_INAV_ENABLE, IDC_INAV_PICTURE_OFF, IDC_INAV_PICTURE_ON));
    Click(IDC_INAV_ENABLE);
    EXPECT_TRUE(Shows(IDC_INAV_ENABLE, IDC_INAV_DISABLE, IDC_INAV_PICTURE_ON, IDC_INAV_PICTURE_OFF));
    Click(IDC_INAV_DISABLE);
    ASSERT_TRUE(Press(wizard::kNext, 2));
    EXPECT_TRUE(NoneChecked(IDC_LUMORA_ENABLE, IDC_LUMORA_DISABLE));
    ASSERT_TRUE(Jump(kToPrintLabel));
    EXPECT_TRUE(NoneChecked(IDC_PRINT_YES, IDC_PRINT_NO));
    EXPECT_TRUE(WaitForOffered("Back"));
    ASSERT_TRUE(Jump(kToSummary));
    EXPECT_EQ(ShownDialog(), nullptr) << "a label printed that nobody asked for";
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_LUMORA)), "enable") << "the stored 2";
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_PRINT)), "yes") << "the stored 2";
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(ProfileValue("Buttons", "INavEnable"), DwordValue(0));
    EXPECT_EQ(ProfileValue("Buttons", "LumoraEnable"), DwordValue(2));
    EXPECT_EQ(ProfileValue("Buttons", "PrintEnable"), DwordValue(2));
}

TEST_F(FeaturePagesTest, ARadioChangedBeforeBackKeepsTheChoiceMadeBefore) {
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(Next());
    // No value stored: the keys are on.
    EXPECT_TRUE(Shows(IDC_INAV_ENABLE, IDC_INAV_DISABLE, IDC_INAV_PICTURE_ON, IDC_INAV_PICTURE_OFF));
    EXPECT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Next());
    EXPECT_TRUE(Shows(IDC_LUMORA_ENABLE, IDC_LUMORA_DISABLE, IDC_LUMORA_PICTURE_ON, IDC_LUMORA_PICTURE_OFF));
    EXPECT_TRUE(WaitForOffered("Back Next"));

    ASSERT_TRUE(Press(wizard::kBack, 1));
    Click(IDC_INAV_DISABLE);
    ASSERT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Press(wizard::kBack, 0));
    ASSERT_TRUE(Jump(kToSummary));
    ASSERT_TRUE(FinishWithMouse());
    // Only leaving forward takes the radio: Back kept the choice made with Next.
    EXPECT_EQ(ProfileValue("Buttons", "INavEnable"), DwordValue(1));
}

TEST_F(FeaturePagesTest, LumoraKeysOffOfferFinishAndAnInertStrip) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(probe_.CountSounds());
    ASSERT_TRUE(Next());
    ASSERT_TRUE(Next());
    EXPECT_TRUE(Shows(IDC_LUMORA_DISABLE, IDC_LUMORA_ENABLE, IDC_LUMORA_PICTURE_OFF, IDC_LUMORA_PICTURE_ON));
    EXPECT_TRUE(WaitForOffered("Back Finish"));

    for (int label = 0; label < wizard::kLabelCount; ++label) {
        SCOPED_TRACE("label " + std::to_string(IDC_TAB_INTERNET_NAV + label));
        PointAt(label);
        EXPECT_TRUE(WaitForCursor(frame_probe::kCursorArrow, "over a label of the inert strip"));
        ClickWithMouse(Label(label));
    }
    driver::Pause(300);
    EXPECT_EQ(PageIndex(), 2) << "a click on the inert strip changed the page";
    EXPECT_EQ(probe_.SoundsPlayed(), 0u) << "the inert strip clicked";

    // Switched on, the strip works again.
    Click(IDC_LUMORA_ENABLE);
    EXPECT_TRUE(WaitForOffered("Back Next"));
    EXPECT_TRUE(Shown(IDC_LUMORA_PICTURE_ON));
    PointAt(kToSummary);
    EXPECT_TRUE(WaitForCursor(frame_probe::kCursorHand, "over the Summary label of a working strip"));
    ClickWithMouse(Label(kToLumora));
    EXPECT_TRUE(driver::WaitUntil([&] { return probe_.SoundsPlayed() == 1u; }, 2000, "the own label's click"));
    Click(IDC_LUMORA_DISABLE);
    EXPECT_TRUE(WaitForOffered("Back Finish"));

    // The page read its value at the start; Finish writes the page's own flag over what is stored now.
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 7));
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(ProfileValue("Buttons", "LumoraEnable"), DwordValue(0));
    EXPECT_EQ(ProfileValue("Buttons", "INavEnable"), DwordValue(1)) << "the Save pass skipped the other pages";
}

TEST_F(FeaturePagesTest, BackFromPrintLabelSkipsCustomizeKeysOnlyWithTheLumoraKeysOff) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    ASSERT_TRUE(StartProbedWizard());
    // Lumora choice -1: the Lumora Keys page was never left forward.
    ASSERT_TRUE(Jump(kToPrintLabel));
    // Nothing stored for printing: do not print, black on white checked but disabled.
    EXPECT_TRUE(Shows(IDC_PRINT_NO, IDC_PRINT_YES, IDC_PRINT_PICTURE_2, IDC_PRINT_PICTURE_1));
    EXPECT_TRUE(Checked(IDC_PRINT_BLACK_ON_WHITE) && !Checked(IDC_PRINT_WHITE_ON_BLACK));
    for (int id : {IDC_PRINT_WHITE_ON_BLACK, IDC_PRINT_BLACK_ON_WHITE, IDC_PRINT_COLOUR_TEXT}) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Press(wizard::kBack, 3));

    // Lumora choice 0: the keys off, and the page left forward with the Next
    // the Internet Navigation page offered.
    ASSERT_TRUE(Press(wizard::kBack, 2));
    EXPECT_TRUE(WaitForOffered("Back Finish"));
    ASSERT_TRUE(Press(wizard::kBack, 1));
    ASSERT_TRUE(Press(wizard::kNext, 2));
    EXPECT_TRUE(Checked(IDC_LUMORA_DISABLE));
    ASSERT_TRUE(Press(wizard::kNext, 3));
    ASSERT_TRUE(Press(wizard::kNext, 4));
    ASSERT_TRUE(Press(wizard::kBack, 2)) << "Back did not skip Customize Keys";

    // Lumora choice 1.
    Click(IDC_LUMORA_ENABLE);
    ASSERT_TRUE(Press(wizard::kNext, 3));
    ASSERT_TRUE(Press(wizard::kNext, 4));
    ASSERT_TRUE(Press(wizard::kBack, 3));
}

TEST_F(FeaturePagesTest, StripJumpsPublishEachPagesChoice) {
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(Next());
    Click(IDC_INAV_DISABLE);
    ASSERT_TRUE(Jump(kToLumora));
    ASSERT_TRUE(Jump(kToPrintLabel));
    // Lumora choice 1 from the jump: Back goes to Customize Keys.
    ASSERT_TRUE(Press(wizard::kBack, 3));
    ASSERT_TRUE(Jump(kToPrintLabel));

    EXPECT_TRUE(Shows(IDC_PRINT_YES, IDC_PRINT_NO, IDC_PRINT_PICTURE_1, IDC_PRINT_PICTURE_2));
    EXPECT_TRUE(Checked(IDC_PRINT_BLACK_ON_WHITE)) << "the style's default";
    for (int id : {IDC_PRINT_WHITE_ON_BLACK, IDC_PRINT_BLACK_ON_WHITE, IDC_PRINT_COLOUR_TEXT}) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(WaitForOffered("Back Next"));
    Click(IDC_PRINT_NO);
    EXPECT_TRUE(Shown(IDC_PRINT_PICTURE_2));
    ASSERT_TRUE(Jump(kToSummary));
    EXPECT_EQ(ShownDialog(), nullptr) << "declining the label still printed";
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_PRINT)), "no") << "the declined label, with the Lumora Keys on";
    ASSERT_TRUE(FinishWithMouse());

    EXPECT_EQ(ProfileValue("Buttons", "INavEnable"), DwordValue(0));
    EXPECT_EQ(ProfileValue("Buttons", "LumoraEnable"), DwordValue(1));
    EXPECT_EQ(ProfileValue("Buttons", "PrintEnable"), DwordValue(0));
    EXPECT_EQ(ProfileValue("Buttons", "PrintSubRadioBtns"), DwordValue(1));
}
