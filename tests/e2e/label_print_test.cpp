// The printed label, from the PDF the printer writes: where the strip, its
// fold line and the instruction picture land on the paper, in which colours,
// and whether a job is made at all.
#include "built_program.h"
#include "printed_label.h"
#include "wizard_fixture.h"

#include <algorithm>
#include <cmath>
#include <iostream>

using namespace wizard;
using label_test::Mapping;
using label_test::Page;

namespace {

constexpr double kStripToleranceMm = 0.3;
// The picture's own pixels are 0.35 mm on A4; its edges may land one device pixel either way.
constexpr double kPictureToleranceMm = 0.4;
constexpr DWORD kPrintWaitMs = 30000;

// The first point from (x, y) stepping by (dx, dy) mm, n steps, where dark is
// what is sought; the point's position along the step, or NaN.
double FirstWhere(const Page& page, double x, double y, double dx, double dy, int steps, bool dark) {
    for (int i = 0; i < steps; ++i) {
        const double px = x + i * dx, py = y + i * dy;
        if (page.Dark(px, py) == dark) return dx != 0 ? px : py;
    }
    return std::nan("");
}

// The strip's edges and fold line as printed, in mm on the paper.
struct StripEdges {
    double left, right, top, bottom, fold, foldInk;
};

StripEdges MeasureStrip(const Page& page, const Mapping& map, int style) {
    const double step = page.PixelMm();
    const int across = static_cast<int>(120 / step);
    StripEdges edges = {};
    // The lower half carries nothing but the fill: its row finds the sides.
    const double row = map.Y(-230);
    edges.left = FirstWhere(page, map.X(0), row, step, 0, across, true);
    edges.right = FirstWhere(page, map.X(2000), row, -step, 0, across, true) + step;
    // Between the strip's left edge and the first box: the top and bottom.
    const double column = map.X(135);
    edges.top = FirstWhere(page, column, map.Y(0), 0, step, across, true);
    edges.bottom = FirstWhere(page, column, map.Y(-315), 0, -step, across, true) + step;

    // The fold line: the rows between the boxes and the bottom edge where the
    // line's colour (white on the black strip, black on the white one) runs across.
    const bool lineDark = style == 1;
    std::vector<std::pair<double, int>> rows;
    int most = 0, columns = 0;
    for (double y = map.Y(-140); y < map.Y(-175); y += step) {
        int ink = 0;
        columns = 0;
        for (double x = map.X(140); x < map.X(1820); x += step, ++columns) ink += page.Dark(x, y) == lineDark;
        rows.emplace_back(y, ink);
        most = std::max(most, ink);
    }
    double sum = 0;
    int count = 0;
    for (const auto& [y, ink] : rows) {
        if (ink * 2 < most) continue;
        sum += y + step / 2;
        ++count;
    }
    edges.fold = count ? sum / count : std::nan("");
    edges.foldInk = columns ? static_cast<double>(most) / columns : 0;
    return edges;
}

// Where the solid black card of the picture's first step lands (its pixels
// 106 to 374 across, 136 to 166 down), found within the card's white frame.
struct CardEdges {
    double left, right, top, bottom;
};

CardEdges MeasureCard(const Page& page, const Mapping& map, double scale) {
    const double step = page.PixelMm();
    auto pictureX = [&](double px) { return map.X(std::trunc(582 * scale) * px / 582); };
    auto pictureY = [&](double py) { return map.Y(-50 - std::trunc(732 * scale) * py / 732); };
    const double row = pictureY(138.5);
    const int across = static_cast<int>((pictureX(300) - pictureX(95)) / step);
    const double column = pictureX(108.5);
    const int down = static_cast<int>((pictureY(172) - pictureY(128)) / step);
    CardEdges card = {};
    card.left = FirstWhere(page, pictureX(95), row, step, 0, across, true);
    card.right = FirstWhere(page, pictureX(385), row, -step, 0, across, true) + step;
    card.top = FirstWhere(page, column, pictureY(128), 0, step, down, true);
    card.bottom = FirstWhere(page, column, pictureY(172), 0, -step, down, true) + step;
    return card;
}

// The picture's scale in logical units per picture pixel, as the page's printable area asks.
double PictureScale(const Mapping& map) {
    const int width = 10 * map.horzSize, height = 10 * map.vertSize;
    return 732 * width < 582 * height ? width / 582.0 : height / 732.0;
}

void ExpectCard(const Page& page, const Mapping& map, const std::string& what) {
    SCOPED_TRACE(what);
    const double scale = PictureScale(map);
    const CardEdges card = MeasureCard(page, map, scale);
    const double w = std::trunc(582 * scale), h = std::trunc(732 * scale);
    EXPECT_NEAR(card.left, map.X(w * 106 / 582), kPictureToleranceMm);
    EXPECT_NEAR(card.right, map.X(w * 374 / 582), kPictureToleranceMm);
    EXPECT_NEAR(card.top, map.Y(-50 - h * 136 / 732), kPictureToleranceMm);
    EXPECT_NEAR(card.bottom, map.Y(-50 - h * 166 / 732), kPictureToleranceMm);
    std::cout << what << ": picture card edges off by " << card.left - map.X(w * 106 / 582) << ", "
              << card.right - map.X(w * 374 / 582) << " mm across, " << card.top - map.Y(-50 - h * 136 / 732) << ", "
              << card.bottom - map.Y(-50 - h * 166 / 732) << " mm down\n";
}

// An information context of the default printer, for its own mapping.
Mapping PrinterMapping(const DEVMODEA* mode = nullptr) {
    const std::string printer = label_test::DefaultPrinter();
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, mode);
    if (!dc) {
        ADD_FAILURE() << "no device context for the default printer \"" << printer << "\"";
        return {};
    }
    const Mapping mapping = label_test::MappingOf(dc);
    DeleteDC(dc);
    return mapping;
}

// The width in mm of text printed on the default printer in MM_LOMETRIC with the font.
double PrintedWidth(const LOGFONTA& font, const std::string& text) {
    HDC dc = CreateDCA(nullptr, label_test::DefaultPrinter().c_str(), nullptr, nullptr);
    if (!dc) return 0;
    const Mapping map = label_test::MappingOf(dc);
    SetMapMode(dc, MM_LOMETRIC);
    HFONT made = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(dc, made);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(made);
    DeleteDC(dc);
    return size.cx * map.unitX;
}

}  // namespace

class LabelPrintTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_FALSE(label_test::DefaultPrinter().empty()) << "no default printer: start the tests with tools/printer.sh";
    }
    // Starts the wizard with printing chosen in a style and shows the Print Label page.
    bool StartOnPrintLabel(int style) {
        return SetProfileNumber("Buttons", "PrintEnable", 1) && SetProfileNumber("Buttons", "PrintSubRadioBtns", style) &&
               StartWizard() && Jump(kToPrintLabel);
    }
};

TEST_F(LabelPrintTest, BothStylesPrintTheStripWhereThePrinterPutsIt) {
    const Mapping map = PrinterMapping();
    const char* names[] = {"label-white-on-black", "label-black-on-white"};
    for (int style = 0; style < 2; ++style) {
        SCOPED_TRACE(names[style]);
        ASSERT_TRUE(StartOnPrintLabel(style));
        ASSERT_TRUE(WaitForOffered("Back Next"));
        const FILETIME since = label_test::Now();
        ClickWithMouse(Button(wizard::kNext));
        ASSERT_TRUE(AnswerPrintDialog(IDOK));
        const ULONGLONG confirmed = GetTickCount64();
        ASSERT_TRUE(WaitForPage(5)) << "the wizard goes on after printing";
        const std::vector<std::string> pdfs = label_test::WaitForPdfs(since, 1, kPrintWaitMs);
        ASSERT_EQ(pdfs.size(), 1u);
        std::cout << names[style] << ": PDF complete " << GetTickCount64() - confirmed
                  << " ms after the print dialog was confirmed\n";
        wizard_.Kill();

        const std::optional<Page> page = label_test::Render(pdfs[0], names[style]);
        ASSERT_TRUE(page);
        const StripEdges strip = MeasureStrip(*page, map, style);
        EXPECT_NEAR(strip.left, map.X(119), kStripToleranceMm);
        EXPECT_NEAR(strip.right, map.X(1840), kStripToleranceMm);
        EXPECT_NEAR(strip.top, map.Y(-19), kStripToleranceMm);
        EXPECT_NEAR(strip.bottom, map.Y(-295), kStripToleranceMm);
        EXPECT_NEAR(strip.fold, map.Y(-157), kStripToleranceMm);
        EXPECT_GT(strip.foldInk, 0.3) << "no fold line across the strip";
        EXPECT_LT(strip.foldInk, 0.9) << "the fold line is not dashed";
        std::cout << names[style] << ": strip edges off the printer's mapping by " << strip.left - map.X(119) << ", "
                  << strip.right - map.X(1840) << " mm across, " << strip.top - map.Y(-19) << ", "
                  << strip.bottom - map.Y(-295) << " mm down, fold line " << strip.fold - map.Y(-157)
                  << " mm; off the nominal 11.9/184.0 mm across by " << strip.left - 11.9 << ", "
                  << strip.right - 184.0 << " mm\n";

        // Style 0 a black strip, style 1 a white one; with no key names the boxes stay blank.
        const bool fillDark = style == 0;
        EXPECT_EQ(page->Dark(map.X(1000), map.Y(-230)), fillDark) << "the strip's fill";
        EXPECT_EQ(page->Dark(map.X(1000), map.Y(-100)), fillDark) << "the strip's fill behind the boxes";
        int ink = 0;
        for (double x = map.X(160); x < map.X(1830); x += page->PixelMm()) {
            for (double y = map.Y(-60); y < map.Y(-134); y += page->PixelMm()) ink += page->Dark(x, y) != fillDark;
        }
        EXPECT_EQ(ink, 0) << "the boxes of keys without names are not blank";
        if (style == 1) {
            EXPECT_FALSE(page->Dark(map.X(119) + 0.5, map.Y(-230))) << "the white strip is only outlined";
        }
        ExpectCard(*page, map, std::string(names[style]) + " on portrait A4");
    }
}

TEST_F(LabelPrintTest, CancelPrintsNothingAndEachLeavingForwardPrintsOneSheet) {
    ASSERT_TRUE(StartOnPrintLabel(1));
    const FILETIME since = label_test::Now();
    ClickWithMouse(Button(wizard::kNext));
    ASSERT_TRUE(AnswerPrintDialog(IDCANCEL));
    ASSERT_TRUE(WaitForPage(5)) << "Cancel in the print dialog still goes on";
    driver::Pause(2000);
    EXPECT_TRUE(label_test::PdfsSince(since).empty()) << "Cancel made a print job";

    for (int time = 0; time < 2; ++time) {
        ASSERT_TRUE(Press(wizard::kBack, 4));
        ClickWithMouse(Button(wizard::kNext));
        ASSERT_TRUE(AnswerPrintDialog(IDOK));
        ASSERT_TRUE(WaitForPage(5));
    }
    EXPECT_EQ(label_test::WaitForPdfs(since, 2, kPrintWaitMs).size(), 2u);
    driver::Pause(2000);
    EXPECT_EQ(label_test::PdfsSince(since).size(), 2u) << "two confirmed dialogs, two sheets";
}

TEST_F(LabelPrintTest, StyleOutsideTheSetOffersNextButPrintsNothing) {
    ASSERT_TRUE(StartOnPrintLabel(2));
    EXPECT_TRUE(Checked(IDC_PRINT_YES));
    EXPECT_FALSE(Checked(IDC_PRINT_WHITE_ON_BLACK));
    EXPECT_FALSE(Checked(IDC_PRINT_BLACK_ON_WHITE));
    EXPECT_TRUE(WaitForOffered("Back Next"));
    const FILETIME since = label_test::Now();
    ASSERT_TRUE(Press(wizard::kNext, 5));
    driver::Pause(1500);
    EXPECT_EQ(PrintDialog(), nullptr) << "no style checked, yet a print dialog";
    EXPECT_TRUE(label_test::PdfsSince(since).empty());

    // Back there, the print radio with no style checked waits for a style.
    ASSERT_TRUE(Press(wizard::kBack, 4));
    Click(IDC_PRINT_NO);
    EXPECT_TRUE(WaitForOffered("Back Next"));
    EXPECT_FALSE(Enabled(IDC_PRINT_WHITE_ON_BLACK));
    Click(IDC_PRINT_YES);
    EXPECT_TRUE(WaitForOffered("Back"));
    EXPECT_TRUE(Enabled(IDC_PRINT_WHITE_ON_BLACK));

    // Declined again and left by Back: on the way back the buttons follow
    // the radios as they are, not as the page last read them.
    Click(IDC_PRINT_NO);
    EXPECT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Press(wizard::kBack, 3));
    ASSERT_TRUE(Press(wizard::kNext, 4));
    EXPECT_TRUE(Checked(IDC_PRINT_NO));
    EXPECT_TRUE(WaitForOffered("Back Next"));
    Click(IDC_PRINT_YES);
    EXPECT_TRUE(WaitForOffered("Back"));
    Click(IDC_PRINT_WHITE_ON_BLACK);
    EXPECT_TRUE(WaitForOffered("Back Next"));
}

// Through the wizard: the names the key table holds, as typed ("&" is a
// letter), in the page's label font: its dialog's font at 35 units.
TEST_F(LabelPrintTest, NamesPrintAsTypedInThePagesLabelFont) {
    const std::string names[] = {"R&D", "Calendar"};
    for (int k = 0; k < 2; ++k) {
        ASSERT_TRUE(driver::WriteString(HKEY_CURRENT_USER,
                                        std::string(wizard::kProfile) + "\\Buttons\\Aux" + std::to_string(k + 1),
                                        "DisplayName", names[k]));
    }
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(Jump(kToCustomizeKeys));  // which reads the key table
    ASSERT_TRUE(Jump(kToPrintLabel));
    const FILETIME since = label_test::Now();
    ASSERT_TRUE(WaitForOffered("Back Next"));
    ClickWithMouse(Button(wizard::kNext));
    ASSERT_TRUE(AnswerPrintDialog(IDOK));
    const std::vector<std::string> pdfs = label_test::WaitForPdfs(since, 1, kPrintWaitMs);
    ASSERT_EQ(pdfs.size(), 1u);
    const std::vector<label_test::Word> words = label_test::Words(pdfs[0]);

    const languages::BuiltProgram program;
    const auto dialog = program ? program.Dialog(IDD_PRINT_LABEL, languages::kEnglish) : std::nullopt;
    ASSERT_TRUE(dialog) << "the Print Label page's template";
    LOGFONTA font = {};
    font.lfHeight = 35;
    font.lfWeight = dialog->weight;
    font.lfItalic = dialog->italic;
    font.lfCharSet = dialog->charset;
    lstrcpynA(font.lfFaceName, dialog->typeface.c_str(), LF_FACESIZE);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto word = std::find_if(words.begin(), words.end(), [&](const auto& w) { return w.text == name; });
        ASSERT_NE(word, words.end()) << "the name is not printed as typed";
        const double expected = PrintedWidth(font, name);
        EXPECT_NEAR(word->right - word->left, expected, expected * 0.05) << "not in the dialog's font at 35 units";
        std::cout << name << ": printed " << word->right - word->left << " mm wide, " << expected
                  << " mm in the dialog's font at 35 units\n";
    }
}

// Where the print system lists no printer, the system says so instead of
// showing its print dialog: nothing prints, the wizard goes on, and Finish
// saves. (label_print_e2e_test_no_printer runs it so; with a printer there
// the road cannot be taken.)
class NoPrinterTest : public WizardTest {};

TEST_F(NoPrinterTest, NothingPrintsAndTheWizardGoesOnToFinish) {
    if (!label_test::DefaultPrinter().empty()) GTEST_SKIP() << "a printer is there";
    ASSERT_TRUE(SetProfileNumber("Buttons", "PrintEnable", 1));
    ASSERT_TRUE(StartWizard());
    ASSERT_TRUE(Jump(kToPrintLabel));
    ASSERT_TRUE(WaitForOffered("Back Next"));
    const FILETIME since = label_test::Now();
    ClickWithMouse(Button(wizard::kNext));
    ASSERT_TRUE(AnswerPrintDialog(IDOK)) << "the system's word that there is no printer";
    ASSERT_TRUE(WaitForPage(5));
    driver::Pause(1500);
    EXPECT_EQ(PrintDialog(), nullptr);
    EXPECT_TRUE(label_test::PdfsSince(since).empty());
    ASSERT_TRUE(Jump(kToSummary));
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_PRINT)), "yes") << "the print choice";
    ASSERT_TRUE(FinishWithMouse());
    EXPECT_EQ(ProfileValue("Buttons", "PrintEnable"), driver::DwordValue(1));
    EXPECT_EQ(ProfileValue("Buttons", "PrintSubRadioBtns"), driver::DwordValue(1));
}
