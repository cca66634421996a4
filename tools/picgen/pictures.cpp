#include "pictures.h"

#include "art.h"
#include "drawings.h"

namespace picgen {

namespace {

Image Plain(int width, int height) { return Image(width, height, Rgb{255, 255, 255}); }

template <int W, int H>
Image PlainPicture(const Language&) {
    return Plain(W, H);
}

template <int W, int H>
Image Background(const Language&) {
    return PageBackgroundPicture(W, H);
}

template <int Current>
Image StripPicture(const Language&) {
    return Strip(Current);
}

template <int Marked>
Image KeyRowPicture(const Language&) {
    return KeyRow(Marked);
}

template <int W, int H, int Digit>
Image Step(const Language&) {
    return StepNumber(W, H, Digit);
}

Image InternetOn(const Language& language) { return InternetKeys(language, true); }
Image InternetOff(const Language& language) { return InternetKeys(language, false); }
Image LaunchOn(const Language& language) { return LaunchKeys(language, true); }
Image LaunchOff(const Language& language) { return LaunchKeys(language, false); }
Image LabelPrinted(const Language& language) { return LabelStrip(language, false); }
Image LabelGreyed(const Language& language) { return LabelStrip(language, true); }
Image TrayHidden(const Language& language) { return TaskBar(language, 234, 40, false, false); }
Image TrayShown(const Language& language) { return TaskBar(language, 234, 40, true, false); }
Image SummaryTray(const Language& language) { return TaskBar(language, 108, 38, true, true); }

constexpr Compression kNone = Compression::None;

}  // namespace

const std::vector<Picture>& Pictures() {
    static const std::vector<Picture> pictures = {
        // Page backgrounds, and the sheet width picture that is never drawn.
        {131, "sheet_width.bmp", 719, 448, 8, kNone, false, Background<719, 448>},
        {190, "page_background.bmp", 716, 550, 8, kNone, false, Background<716, 550>},
        {213, "summary_background.bmp", 716, 517, 8, kNone, false, SummaryBackground},
        {142, "customize_background.bmp", 719, 496, 8, kNone, false, CustomizeBackground},
        // The printed label's instruction picture.
        {147, "instructions.bmp", 582, 732, 8, Compression::Rle8, false, Instructions},
        // Pictures the program carries but never shows.
        {144, "unused_144.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {145, "unused_145.bmp", 716, 517, 8, kNone, false, PlainPicture<716, 517>},
        {153, "unused_153.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {154, "unused_154.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {155, "unused_155.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {156, "unused_156.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {157, "unused_157.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {158, "unused_158.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {159, "unused_159.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {165, "unused_165.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {169, "unused_169.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {170, "unused_170.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {171, "unused_171.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {172, "unused_172.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {173, "unused_173.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {174, "unused_174.bmp", 719, 448, 8, kNone, false, PlainPicture<719, 448>},
        {181, "unused_181.bmp", 715, 38, 8, kNone, false, PlainPicture<715, 38>},
        // Strip pictures of the page frame.
        {178, "strip_welcome.bmp", 516, 30, 8, kNone, true, StripPicture<-1>},
        {183, "strip_internet_nav.bmp", 516, 30, 8, kNone, true, StripPicture<0>},
        {184, "strip_lumora.bmp", 516, 30, 8, kNone, true, StripPicture<1>},
        {185, "strip_customize_keys.bmp", 516, 30, 8, kNone, true, StripPicture<2>},
        {186, "strip_print_label.bmp", 516, 30, 8, kNone, true, StripPicture<3>},
        {187, "strip_osd.bmp", 516, 30, 8, kNone, true, StripPicture<4>},
        {188, "strip_summary.bmp", 516, 30, 8, kNone, true, StripPicture<5>},
        // Welcome, Internet Navigation and Lumora Keys pages.
        {176, "welcome_picture.bmp", 333, 193, 8, kNone, true, WelcomeKeyboard},
        {189, "inav_on.bmp", 350, 212, 8, kNone, true, InternetOn},
        {211, "inav_off.bmp", 350, 212, 8, kNone, true, InternetOff},
        {203, "lumora_on.bmp", 414, 270, 8, kNone, true, LaunchOn},
        {204, "lumora_off.bmp", 414, 270, 8, kNone, true, LaunchOff},
        // Customize Keys page: the key row, the row with key 1 to 7 ringed, the step numbers.
        {191, "keys_none.bmp", 507, 59, 8, kNone, true, KeyRowPicture<-1>},
        {197, "keys_1.bmp", 507, 59, 8, kNone, true, KeyRowPicture<0>},
        {205, "keys_2.bmp", 507, 59, 8, kNone, true, KeyRowPicture<1>},
        {206, "keys_3.bmp", 507, 59, 8, kNone, true, KeyRowPicture<2>},
        {207, "keys_4.bmp", 507, 59, 8, kNone, true, KeyRowPicture<3>},
        {208, "keys_5.bmp", 507, 59, 8, kNone, true, KeyRowPicture<4>},
        {209, "keys_6.bmp", 507, 59, 8, kNone, true, KeyRowPicture<5>},
        {210, "keys_7.bmp", 507, 59, 8, kNone, true, KeyRowPicture<6>},
        {192, "step_1.bmp", 18, 16, 8, kNone, true, Step<18, 16, 1>},
        {193, "step_2.bmp", 17, 17, 8, kNone, true, Step<17, 17, 2>},
        {194, "step_3.bmp", 18, 18, 8, kNone, true, Step<18, 18, 3>},
        {195, "step_4.bmp", 18, 16, 8, kNone, true, Step<18, 16, 4>},
        // Print Label page.
        {201, "label_white_on_black.bmp", 545, 40, 8, kNone, true, LabelPrinted},
        {202, "label_greyed.bmp", 545, 40, 8, kNone, true, LabelGreyed},
        // Summary page.
        {198, "summary_keyboard.bmp", 390, 213, 8, kNone, true, SummaryKeyboard},
        {199, "summary_keys.bmp", 117, 51, 8, kNone, true, SummaryKeysCaption},
        {200, "summary_title.bmp", 116, 35, 4, kNone, true, SummaryLumoraTitle},
        {216, "summary_tray.bmp", 108, 38, 8, kNone, true, SummaryTray},
        // On-Screen Display page.
        {143, "tray_hidden.bmp", 234, 40, 8, kNone, true, TrayHidden},
        {215, "tray_shown.bmp", 234, 40, 8, kNone, true, TrayShown},
    };
    return pictures;
}

std::string PicturePath(const Picture& picture, const Language& language) {
    return picture.fourSets ? std::string(language.folder) + "/" + picture.file : std::string(picture.file);
}

std::string PictureScript() {
    std::string script =
        "// Drawn by picgen; every picture in the language of its words. The\n"
        "// language-neutral ones are English (United States).\n";
    for (const Language& language : Languages()) {
        script += "\nLANGUAGE " + std::string(language.rcLanguage) + "\n";
        for (const Picture& picture : Pictures()) {
            const bool here = picture.fourSets || &language == &Neutral();
            if (here) script += std::to_string(picture.id) + " BITMAP \"" + PicturePath(picture, language) + "\"\n";
        }
    }
    script += "\nLANGUAGE " + std::string(Neutral().rcLanguage) + "\n";
    return script;
}

}  // namespace picgen
