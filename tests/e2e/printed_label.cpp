#include "printed_label.h"

#include "driver.h"
#include "host_command.h"
#include "launched_process.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace label_test {

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A PDF that cups-pdf has finished ends with its trailer.
bool Complete(const std::string& path) {
    const std::string text = ReadAll(path);
    return text.size() > 5 && text.rfind("%%EOF") != std::string::npos && text.rfind("%%EOF") + 16 >= text.size();
}

std::string LabelFolder() {
    const std::string folder = driver::EnvironmentOr("RAVLEN_LABEL_DIR", ".");
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// A binary PGM ("P5") as pdftoppm -gray writes it.
std::optional<Page> ReadPgm(const std::string& path) {
    const std::string data = ReadAll(path);
    std::istringstream header(data);
    std::string magic;
    int width = 0, height = 0, maximum = 0;
    header >> magic >> width >> height >> maximum;
    if (magic != "P5" || width <= 0 || height <= 0 || maximum != 255) return std::nullopt;
    const size_t start = static_cast<size_t>(header.tellg()) + 1;  // one whitespace after the maximum
    const size_t size = static_cast<size_t>(width) * height;
    if (data.size() < start + size) return std::nullopt;
    Page page;
    page.width = width;
    page.height = height;
    page.grey.assign(data.begin() + start, data.begin() + start + size);
    return page;
}

// A word's coordinate in mm (pdftotext gives points).
double Attribute(const std::string& tag, const std::string& name) {
    const size_t at = tag.find(" " + name + "=\"");
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + name.size() + 3) * 25.4 / 72;
}

// The names printed carry no other markup than "&".
std::string Unescape(const std::string& text) {
    std::string plain;
    for (size_t at = 0; at < text.size(); at += text.compare(at, 5, "&amp;") == 0 ? 5 : 1) plain += text[at];
    return plain;
}

// The first point from (x, y) stepping by (dx, dy) mm, n steps, that is
// black: its position along the step, or NaN.
double FirstDark(const Page& page, double x, double y, double dx, double dy, int steps) {
    for (int i = 0; i < steps; ++i) {
        const double px = x + i * dx, py = y + i * dy;
        if (page.Dark(px, py)) return dx != 0 ? px : py;
    }
    return std::nan("");
}

// The folder the queue writes its PDFs to, as Windows sees it; empty, with a failure, when unknown.
std::string PdfFolder() {
    const std::string host = driver::EnvironmentOr("RAVLEN_PDF_DIR", "");
    if (host.empty()) {
        ADD_FAILURE() << "RAVLEN_PDF_DIR is not set: start the tests with the printer (tools/printer.sh)";
        return {};
    }
    return driver::WindowsPath(host);
}

}  // namespace

bool Page::Dark(double xMm, double yMm) const {
    const int x = static_cast<int>(xMm / PixelMm());
    const int y = static_cast<int>(yMm / PixelMm());
    return x >= 0 && y >= 0 && x < width && y < height && grey[static_cast<size_t>(y) * width + x] < 128;
}

Mapping MappingOf(HDC printer) {
    Mapping mapping;
    const int dpiX = GetDeviceCaps(printer, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    mapping.horzSize = GetDeviceCaps(printer, HORZSIZE);
    mapping.vertSize = GetDeviceCaps(printer, VERTSIZE);
    if (dpiX <= 0 || dpiY <= 0) return mapping;
    const int oldMode = SetMapMode(printer, MM_LOMETRIC);
    POINT points[2] = {{0, 0}, {10000, -10000}};
    LPtoDP(printer, points, 2);
    SetMapMode(printer, oldMode);
    mapping.unitX = (points[1].x - points[0].x) / 10000.0 * 25.4 / dpiX;
    mapping.unitY = (points[1].y - points[0].y) / 10000.0 * 25.4 / dpiY;
    mapping.offsetX = (GetDeviceCaps(printer, PHYSICALOFFSETX) + points[0].x) * 25.4 / dpiX;
    mapping.offsetY = (GetDeviceCaps(printer, PHYSICALOFFSETY) + points[0].y) * 25.4 / dpiY;
    return mapping;
}

std::string DefaultPrinter() {
    char name[256] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

Edges DarkEdges(const Page& page, const Edges& window, double x, double y) {
    const double step = page.PixelMm();
    const int across = static_cast<int>((window.right - window.left) / step);
    const int down = static_cast<int>((window.bottom - window.top) / step);
    return {FirstDark(page, window.left, y, step, 0, across), FirstDark(page, window.right, y, -step, 0, across) + step,
            FirstDark(page, x, window.top, 0, step, down), FirstDark(page, x, window.bottom, 0, -step, down) + step};
}

void ExpectEdges(const Edges& found, const Edges& expected, double toleranceMm) {
    EXPECT_NEAR(found.left, expected.left, toleranceMm) << "the left edge";
    EXPECT_NEAR(found.right, expected.right, toleranceMm) << "the right edge";
    EXPECT_NEAR(found.top, expected.top, toleranceMm) << "the top edge";
    EXPECT_NEAR(found.bottom, expected.bottom, toleranceMm) << "the bottom edge";
}

double DarkShare(const Page& page, const Edges& area) {
    const double step = page.PixelMm();
    int dark = 0, all = 0;
    for (double x = area.left; x < area.right; x += step) {
        for (double y = area.top; y < area.bottom; y += step, ++all) dark += page.Dark(x, y);
    }
    return all ? static_cast<double>(dark) / all : 0;
}

bool PictureByHeight(const Mapping& map) { return !(732 * map.horzSize < 582 * map.vertSize); }

void ExpectCard(const Page& page, const Mapping& map) {
    SCOPED_TRACE("the instruction picture's black card");
    const double scale = PictureByHeight(map) ? map.vertSize * 10 / 732.0 : map.horzSize * 10 / 582.0;
    const double w = std::trunc(582 * scale), h = std::trunc(732 * scale);
    auto x = [&](double px) { return map.X(w * px / 582); };
    auto y = [&](double py) { return map.Y(-50 - h * py / 732); };
    // Found from within the card's white frame. The picture's own pixels are
    // 0.35 mm on A4; its edges may land one device pixel either way.
    const Edges card = DarkEdges(page, {x(95), x(385), y(128), y(172)}, x(108.5), y(138.5));
    ExpectEdges(card, {x(106), x(374), y(136), y(166)}, 0.4);
}

FILETIME Now() {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return now;
}

std::vector<std::string> PdfsSince(const FILETIME& since) {
    const std::string folder = PdfFolder();
    if (folder.empty()) return {};
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA((folder + "\\*.pdf").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return {};
    do {
        const std::string path = folder + "\\" + entry.cFileName;
        if (CompareFileTime(&entry.ftLastWriteTime, &since) > 0 && Complete(path)) found.push_back(path);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

std::vector<std::string> WaitForPdfs(const FILETIME& since, size_t count, DWORD timeoutMs) {
    std::vector<std::string> pdfs;
    driver::WaitUntil(
        [&] {
            pdfs = PdfsSince(since);
            return pdfs.size() >= count;
        },
        timeoutMs, std::to_string(count) + " printed PDF(s) in " + PdfFolder());
    return pdfs;
}

std::optional<Page> Render(const std::string& pdf, const std::string& name) {
    constexpr int kDpi = 300;
    const std::string keep = driver::HostPath(LabelFolder() + "\\" + name);
    const std::string grey = driver::TempFilePath(name);
    const std::string hostPdf = driver::HostPath(pdf);
    const std::string hostGrey = driver::HostPath(grey);
    const std::string command = "cp " + driver::ShellQuote(hostPdf) + " " + driver::ShellQuote(keep + ".pdf") +
                                " && pdftoppm -singlefile -r 100 -png " + driver::ShellQuote(hostPdf) + " " +
                                driver::ShellQuote(keep) + " && pdftoppm -singlefile -gray -aa no -aaVector no -r " +
                                std::to_string(kDpi) + " " + driver::ShellQuote(hostPdf) + " " +
                                driver::ShellQuote(hostGrey);
    const std::optional<int> status = driver::RunOnHost(command, 60000);
    if (!status) return std::nullopt;
    if (*status != 0) {
        ADD_FAILURE() << "rendering " << pdf << " failed with status " << *status << " (is poppler-utils there?)";
        return std::nullopt;
    }
    std::optional<Page> page = ReadPgm(grey + ".pgm");
    DeleteFileA((grey + ".pgm").c_str());
    if (!page) {
        ADD_FAILURE() << "pdftoppm wrote no readable picture of " << pdf;
        return std::nullopt;
    }
    page->dpi = kDpi;
    return page;
}

std::vector<Word> Words(const std::string& pdf) {
    const std::string html = driver::TempFilePath("label-words") + ".html";
    const std::string command = "pdftotext -bbox -f 1 -l 1 " + driver::ShellQuote(driver::HostPath(pdf)) + " " +
                                driver::ShellQuote(driver::HostPath(html));
    const std::optional<int> status = driver::RunOnHost(command, 60000);
    if (!status || *status != 0) {
        ADD_FAILURE() << "pdftotext could not read " << pdf;
        return {};
    }
    const std::string text = ReadAll(html);
    DeleteFileA(html.c_str());
    std::vector<Word> words;
    for (size_t at = text.find("<word "); at != std::string::npos; at = text.find("<word ", at + 1)) {
        const size_t tagEnd = text.find('>', at);
        const size_t close = text.find("</word>", tagEnd);
        if (tagEnd == std::string::npos || close == std::string::npos) break;
        const std::string tag = text.substr(at, tagEnd - at);
        const Edges box = {Attribute(tag, "xMin"), Attribute(tag, "xMax"), Attribute(tag, "yMin"), Attribute(tag, "yMax")};
        words.push_back({Unescape(text.substr(tagEnd + 1, close - tagEnd - 1)), box});
    }
    return words;
}

}  // namespace label_test
