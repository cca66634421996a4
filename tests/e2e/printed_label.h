// What the label printer made: the PDFs that the cups-pdf queue writes,
// rendered to grey pixels and read as words with poppler's tools on the host,
// and where the printer's own MM_LOMETRIC mapping puts a point on the paper.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace label_test {

// A rectangle on paper in millimetres from the sheet's top-left corner.
struct Edges {
    double left, right, top, bottom;
};

struct Page {
    int width = 0;   // pixels
    int height = 0;
    double dpi = 0;
    std::vector<unsigned char> grey;  // row by row, 0 black .. 255 white

    // Whether the point is black (outside the page it is white).
    bool Dark(double xMm, double yMm) const;
    double PixelMm() const { return 25.4 / dpi; }
};

struct Word {
    std::string text;
    Edges box;
};

// Where the printer's device context puts a logical point of MM_LOMETRIC on
// the paper, from its own HORZRES/HORZSIZE, VERTRES/VERTSIZE, LOGPIXELS and
// PHYSICALOFFSET. Wine's HORZSIZE rounds the width down, so its horizontal
// unit is slightly larger than 0.1 mm.
struct Mapping {
    double unitX = 0.1, unitY = 0.1;      // mm on paper per logical unit
    double offsetX = 0, offsetY = 0;      // mm from the sheet's edge to the printable area
    int horzSize = 0, vertSize = 0;       // mm, as the device reports them
    double X(double logicalX) const { return offsetX + logicalX * unitX; }
    double Y(double logicalY) const { return offsetY - logicalY * unitY; }
    Edges OnPaper(const Edges& logical) const {
        return {X(logical.left), X(logical.right), Y(logical.top), Y(logical.bottom)};
    }
};
Mapping MappingOf(HDC printer);
// The default printer's name; empty when there is none.
std::string DefaultPrinter();

// The edges of the black shape that scans inward from each side of the
// window meet, along the row at y and the column at x.
Edges DarkEdges(const Page& page, const Edges& window, double x, double y);
void ExpectEdges(const Edges& found, const Edges& expected, double toleranceMm);
// The share of black pixels in the area, 0 to 1.
double DarkShare(const Page& page, const Edges& area);
// Whether the instruction picture is scaled to the printable height (else to its width).
bool PictureByHeight(const Mapping& map);
// Checks where the picture's solid black card (its pixels 106 to 374 across,
// 136 to 166 down) lands on the page, the picture 5 mm below the area's top.
void ExpectCard(const Page& page, const Mapping& map);

// The time now, to tell PDFs written later from older ones.
FILETIME Now();
// The complete PDFs the queue wrote after since.
std::vector<std::string> PdfsSince(const FILETIME& since);
// Waits until count PDFs written after since are complete; returns them.
std::vector<std::string> WaitForPdfs(const FILETIME& since, size_t count, DWORD timeoutMs = 30000);

// Keeps a copy of the PDF and a colour PNG of its page under the build's
// labels folder as name.pdf and name.png, for a person to look at; returns
// the page in grey at 300 dpi.
std::optional<Page> Render(const std::string& pdf, const std::string& name);
// The words of the PDF's first page with their boxes.
std::vector<Word> Words(const std::string& pdf);

}  // namespace label_test
