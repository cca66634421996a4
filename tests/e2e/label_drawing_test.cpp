// The instruction picture drawn on the real printer without the wizard, over
// the paper sizes and orientations the wizard's print dialog may choose.
#include "label_print.h"
#include "printed_label.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include <optional>

using label_test::Mapping;
using label_test::Page;

namespace {

constexpr DWORD kPrintWaitMs = 30000;

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

// Prints the picture on the default printer in MM_LOMETRIC, as the wizard
// does; returns the PDF and the printer's own mapping.
std::optional<std::pair<std::string, Mapping>> PrintPicture(const DEVMODEA* mode) {
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
    DrawInstructionPicture(dc);
    EndPage(dc);
    EndDoc(dc);
    DeleteDC(dc);
    const std::vector<std::string> pdfs = label_test::WaitForPdfs(since, 1, kPrintWaitMs);
    if (pdfs.size() != 1) return std::nullopt;
    return std::make_pair(pdfs[0], mapping);
}

}  // namespace

// The picture is scaled to the paper, the strip is not: whatever the scale,
// the picture leaves the strip's band blank paper.
TEST(LabelDrawingTest, InstructionPictureFillsTheWidthOnPortraitAndTheHeightOnLandscapeBelowTheStrip) {
    struct Paper {
        const char* name;
        short size, orientation;
        bool byHeight;
    };
    // A4 portrait is the default paper, on which the wizard's own label is checked.
    const Paper papers[] = {{"label-picture-letter", DMPAPER_LETTER, DMORIENT_PORTRAIT, false},
                            {"label-picture-a4-landscape", DMPAPER_A4, DMORIENT_LANDSCAPE, true},
                            {"label-picture-letter-landscape", DMPAPER_LETTER, DMORIENT_LANDSCAPE, true}};
    for (const Paper& paper : papers) {
        SCOPED_TRACE(paper.name);
        std::vector<BYTE> mode = PaperMode(paper.size, paper.orientation);
        ASSERT_FALSE(mode.empty()) << "the printer's settings cannot be read";
        const auto printed = PrintPicture(reinterpret_cast<const DEVMODEA*>(mode.data()));
        ASSERT_TRUE(printed);
        const auto& [pdf, map] = *printed;
        const std::optional<Page> page = label_test::Render(pdf, paper.name);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->width > page->height, paper.orientation == DMORIENT_LANDSCAPE) << "the paper's orientation";

        EXPECT_EQ(label_test::PictureByHeight(map), paper.byHeight) << "the paper the table means";
        label_test::ExpectCard(*page, map, paper.name);
        // Down to 1 mm below the strip's bottom edge (29.5 mm), and across the whole sheet.
        const double step = page->PixelMm();
        int drawn = 0;
        for (double y = 0; y < map.Y(-305); y += step) {
            for (double x = 0; x < page->width * step; x += step) drawn += page->At(x, y) < 240;
        }
        EXPECT_EQ(drawn, 0) << "the picture draws into the strip's band";
    }
}
