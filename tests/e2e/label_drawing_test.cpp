// The label's drawing on the real printer, without the wizard: the key names
// from a key table filled here, and the instruction picture on other paper.
#include "label_print.h"
#include "printed_label.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <iostream>

using label_test::Mapping;
using label_test::Page;
using label_test::Word;

namespace {

constexpr double kToleranceMm = 0.3;
constexpr DWORD kPrintWaitMs = 30000;

KeyAssignment keys[kKeyCount];

void Name(int key, const char* current, const char* saved = "") {
    std::memset(&keys[key], 0, sizeof keys[key]);
    lstrcpynA(keys[key].currentName, current, kFieldSize);
    lstrcpynA(keys[key].savedName, saved, kFieldSize);
}

// The default printer's settings with the paper and orientation changed.
std::vector<BYTE> PaperMode(short paper, short orientation) {
    const std::string printer = label_test::DefaultPrinter();
    HANDLE handle = nullptr;
    std::vector<BYTE> mode;
    if (!OpenPrinterA(const_cast<char*>(printer.c_str()), &handle, nullptr)) return mode;
    const LONG size = DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()), nullptr, nullptr, 0);
    if (size > 0) {
        mode.resize(size);
        auto* devmode = reinterpret_cast<DEVMODEA*>(mode.data());
        if (DocumentPropertiesA(nullptr, handle, const_cast<char*>(printer.c_str()), devmode, nullptr,
                                DM_OUT_BUFFER) == IDOK) {
            devmode->dmPaperSize = paper;
            devmode->dmOrientation = orientation;
            devmode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
            devmode->dmFields &= ~(DM_PAPERLENGTH | DM_PAPERWIDTH);
        } else {
            mode.clear();
        }
    }
    ClosePrinter(handle);
    return mode;
}

// Prints one page on the default printer in MM_LOMETRIC, as the wizard does;
// returns the PDF and the printer's own mapping.
std::optional<std::pair<std::string, Mapping>> PrintPage(const std::function<void(HDC)>& draw,
                                                         const DEVMODEA* mode = nullptr) {
    const std::string printer = label_test::DefaultPrinter();
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, mode);
    if (!dc) {
        ADD_FAILURE() << "no device context for the default printer \"" << printer
                      << "\": start the tests with tools/printer.sh";
        return std::nullopt;
    }
    const Mapping mapping = label_test::MappingOf(dc);
    const FILETIME since = label_test::Now();
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "";
    StartDocA(dc, &document);
    SetMapMode(dc, MM_LOMETRIC);
    StartPage(dc);
    draw(dc);
    EndPage(dc);
    EndDoc(dc);
    DeleteDC(dc);
    const std::vector<std::string> pdfs = label_test::WaitForPdfs(since, 1, kPrintWaitMs);
    if (pdfs.size() != 1) return std::nullopt;
    return std::make_pair(pdfs[0], mapping);
}

// The label font as the Print Label page makes it: the dialog font at 35 units.
HFONT LabelFont() {
    LOGFONTA font = {};
    font.lfHeight = 35;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(font.lfFaceName, "MS Sans Serif");
    return CreateFontIndirectA(&font);
}

const Word* Find(const std::vector<Word>& words, const std::string& text) {
    for (const Word& word : words) {
        if (word.text == text) return &word;
    }
    return nullptr;
}

}  // namespace

TEST(LabelDrawingTest, NamesPrintInTheirBoxesInKeyOrderAndLongOnesWrapAndClip) {
    const char* names[kKeyCount] = {"Mail", "Browser", nullptr, "Music", nullptr, "Photos", "Games"};
    for (int k = 0; k < kKeyCount; ++k) Name(k, names[k] ? names[k] : "");
    // Key 3 is long; key 5 has only its saved name; key 6 has none and stays blank.
    Name(2, "Calendar appointments reminders birthdays holidays meetings deadlines");
    Name(4, "", "Notes");
    Name(5, "");
    HFONT font = LabelFont();
    const auto printed = PrintPage([&](HDC dc) { DrawLabelStrip(dc, label::kBlackOnWhite, font, keys); });
    DeleteObject(font);
    ASSERT_TRUE(printed);
    const auto& [pdf, map] = *printed;
    const std::vector<Word> words = label_test::Words(pdf);
    ASSERT_FALSE(words.empty()) << "no text in the printed label";

    const std::pair<int, const char*> shown[] = {{0, "Mail"},  {1, "Browser"}, {2, "Calendar"},
                                                 {3, "Music"}, {4, "Notes"},   {6, "Games"}};
    double lastLeft = 0;
    for (const auto& [key, name] : shown) {
        SCOPED_TRACE(name);
        const Word* word = Find(words, name);
        ASSERT_NE(word, nullptr) << "the name of key " << key + 1 << " is not printed";
        const RECT box = label::KeyBox(key);
        EXPECT_NEAR(word->left, map.X(box.left), 1.0) << "a name starts at its box's left edge";
        EXPECT_GE(word->top, map.Y(box.top) - kToleranceMm);
        EXPECT_LE(word->bottom, map.Y(box.bottom) + kToleranceMm);
        EXPECT_GT(word->left, lastLeft) << "the names are not in key order";
        lastLeft = word->left;
    }
    for (const Word& word : words) {
        const double middle = (word.left + word.right) / 2;
        EXPECT_FALSE(middle > map.X(1420) && middle < map.X(1655)) << "key 6 has no name, yet \"" << word.text
                                                                    << "\" is in its box";
    }

    // The long name wraps at its words inside box 3 and is cut at its bottom:
    // two lines fit, the third is clipped, and nothing after it is drawn.
    const RECT box = label::KeyBox(2);
    std::vector<double> lineTops;
    for (const char* part : {"Calendar", "appointments"}) {
        const Word* word = Find(words, part);
        ASSERT_NE(word, nullptr) << part << " of the long name is not printed";
        EXPECT_GE(word->left, map.X(box.left) - kToleranceMm) << part;
        EXPECT_LE(word->right, map.X(box.right) + kToleranceMm) << part << " runs out of its box";
        lineTops.push_back(word->top);
    }
    EXPECT_GT(lineTops[1], lineTops[0] + 2) << "the long name is not broken into lines";
    EXPECT_EQ(Find(words, "deadlines"), nullptr) << "the end of the long name is printed below its box";

    const std::optional<Page> page = label_test::Render(pdf, "label-names");
    ASSERT_TRUE(page);
    int below = 0;
    for (double x = map.X(box.left); x < map.X(box.right); x += page->PixelMm()) {
        for (double y = map.Y(box.bottom) + 0.2; y < map.Y(-150); y += page->PixelMm()) below += page->Dark(x, y);
    }
    EXPECT_EQ(below, 0) << "the long name is not clipped at its box's bottom";
}

// The picture is scaled to the paper, the strip is not: whatever the scale,
// the picture leaves the strip's band blank paper.
TEST(LabelDrawingTest, InstructionPictureFillsTheWidthOnPortraitAndTheHeightOnLandscapeBelowTheStrip) {
    struct Paper {
        const char* name;
        short size, orientation;
        bool byHeight;
    };
    const Paper papers[] = {{"label-picture-a4", DMPAPER_A4, DMORIENT_PORTRAIT, false},
                            {"label-picture-letter", DMPAPER_LETTER, DMORIENT_PORTRAIT, false},
                            {"label-picture-a4-landscape", DMPAPER_A4, DMORIENT_LANDSCAPE, true},
                            {"label-picture-letter-landscape", DMPAPER_LETTER, DMORIENT_LANDSCAPE, true}};
    for (const Paper& paper : papers) {
        SCOPED_TRACE(paper.name);
        std::vector<BYTE> mode = PaperMode(paper.size, paper.orientation);
        ASSERT_FALSE(mode.empty()) << "the printer's settings cannot be read";
        const auto printed = PrintPage(DrawInstructionPicture, reinterpret_cast<const DEVMODEA*>(mode.data()));
        ASSERT_TRUE(printed);
        const auto& [pdf, map] = *printed;
        const std::optional<Page> page = label_test::Render(pdf, paper.name);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->width > page->height, paper.orientation == DMORIENT_LANDSCAPE) << "the paper's orientation";

        // The scale the paper asks for; the picture's black card shows where it landed.
        const int width = 10 * map.horzSize, height = 10 * map.vertSize;
        const bool byHeight = !(732 * width < 582 * height);
        EXPECT_EQ(byHeight, paper.byHeight);
        const double scale = byHeight ? height / 732.0 : width / 582.0;
        const double w = std::trunc(582 * scale), h = std::trunc(732 * scale);
        const double step = page->PixelMm();
        const double row = map.Y(-50 - h * 138.5 / 732);
        double left = std::nan(""), right = std::nan("");
        for (double x = map.X(w * 95 / 582); x < map.X(w * 385 / 582); x += step) {
            if (!page->Dark(x, row)) continue;
            if (std::isnan(left)) left = x;
            right = x + step;
        }
        double top = std::nan(""), bottom = std::nan("");
        const double column = map.X(w * 108.5 / 582);
        for (double y = map.Y(-50 - h * 128 / 732); y < map.Y(-50 - h * 172 / 732); y += step) {
            if (!page->Dark(column, y)) continue;
            if (std::isnan(top)) top = y;
            bottom = y + step;
        }
        constexpr double kPictureToleranceMm = 0.4;
        EXPECT_NEAR(left, map.X(w * 106 / 582), kPictureToleranceMm);
        EXPECT_NEAR(right, map.X(w * 374 / 582), kPictureToleranceMm);
        EXPECT_NEAR(top, map.Y(-50 - h * 136 / 732), kPictureToleranceMm);
        EXPECT_NEAR(bottom, map.Y(-50 - h * 166 / 732), kPictureToleranceMm);
        // Down to 1 mm below the strip's bottom edge (29.5 mm), and across the whole sheet.
        int drawn = 0;
        for (double y = 0; y < map.Y(-305); y += step) {
            for (double x = 0; x < page->width * step; x += step) drawn += page->At(x, y) < 240;
        }
        EXPECT_EQ(drawn, 0) << "the picture draws into the strip's band";
        std::cout << paper.name << ": printable " << map.horzSize << " x " << map.vertSize << " mm, picture "
                  << w / 10 << " x " << h / 10 << " mm; card edges off by " << left - map.X(w * 106 / 582) << ", "
                  << right - map.X(w * 374 / 582) << ", " << top - map.Y(-50 - h * 136 / 732) << ", "
                  << bottom - map.Y(-50 - h * 166 / 732) << " mm\n";
    }
}

TEST(LabelDrawingTest, WhiteOnBlackPrintsWhiteNamesOnTheBlackStrip) {
    for (int k = 0; k < kKeyCount; ++k) Name(k, "Key");
    Name(0, "Mail");
    HFONT font = LabelFont();
    const auto printed = PrintPage([&](HDC dc) { DrawLabelStrip(dc, label::kWhiteOnBlack, font, keys); });
    DeleteObject(font);
    ASSERT_TRUE(printed);
    const auto& [pdf, map] = *printed;
    const std::vector<Word> words = label_test::Words(pdf);
    const Word* mail = Find(words, "Mail");
    ASSERT_NE(mail, nullptr) << "the name of key 1 is not printed";
    const std::optional<Page> page = label_test::Render(pdf, "label-names-white-on-black");
    ASSERT_TRUE(page);
    int light = 0, dark = 0;
    for (double x = mail->left; x < mail->right; x += page->PixelMm()) {
        for (double y = mail->top; y < mail->bottom; y += page->PixelMm()) (page->Dark(x, y) ? dark : light)++;
    }
    EXPECT_GT(light, 0) << "no white letters";
    EXPECT_GT(dark, light) << "the letters' background is not the black strip";
}
