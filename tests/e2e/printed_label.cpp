#include "printed_label.h"

#include "host_command.h"
#include "text_file.h"
#include "wait.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace label_test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

std::string Environment(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

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
    std::string folder = Environment("RAVLEN_LABEL_DIR");
    if (folder.empty()) folder = ".";
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

double Attribute(const std::string& tag, const std::string& name) {
    const size_t at = tag.find(" " + name + "=\"");
    return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + name.size() + 3);
}

std::string Unescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::strlen(entity), plain);
        }
    }
    return text;
}

}  // namespace

int Page::At(double xMm, double yMm) const {
    const int x = static_cast<int>(xMm / PixelMm());
    const int y = static_cast<int>(yMm / PixelMm());
    if (x < 0 || y < 0 || x >= width || y >= height) return 255;
    return grey[static_cast<size_t>(y) * width + x];
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

Mapping PrinterMapping(const DEVMODEA* mode) {
    const std::string printer = DefaultPrinter();
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, mode);
    if (!dc) {
        ADD_FAILURE() << "no device context for the default printer \"" << printer << "\"";
        return {};
    }
    const Mapping mapping = MappingOf(dc);
    DeleteDC(dc);
    return mapping;
}

double FirstWhere(const Page& page, double x, double y, double dx, double dy, int steps, bool dark) {
    for (int i = 0; i < steps; ++i) {
        const double px = x + i * dx, py = y + i * dy;
        if (page.Dark(px, py) == dark) return dx != 0 ? px : py;
    }
    return std::nan("");
}

bool PictureByHeight(const Mapping& map) { return !(732 * map.horzSize < 582 * map.vertSize); }

void ExpectCard(const Page& page, const Mapping& map, const std::string& what) {
    SCOPED_TRACE(what);
    // The picture's own pixels are 0.35 mm on A4; its edges may land one device pixel either way.
    constexpr double kToleranceMm = 0.4;
    const double scale = PictureByHeight(map) ? map.vertSize * 10 / 732.0 : map.horzSize * 10 / 582.0;
    const double w = std::trunc(582 * scale), h = std::trunc(732 * scale);
    auto x = [&](double px) { return map.X(w * px / 582); };
    auto y = [&](double py) { return map.Y(-50 - h * py / 732); };
    // Found from within the card's white frame.
    const double step = page.PixelMm();
    const int across = static_cast<int>((x(300) - x(95)) / step), down = static_cast<int>((y(172) - y(128)) / step);
    const double left = FirstWhere(page, x(95), y(138.5), step, 0, across, true);
    const double right = FirstWhere(page, x(385), y(138.5), -step, 0, across, true) + step;
    const double top = FirstWhere(page, x(108.5), y(128), 0, step, down, true);
    const double bottom = FirstWhere(page, x(108.5), y(172), 0, -step, down, true) + step;
    EXPECT_NEAR(left, x(106), kToleranceMm);
    EXPECT_NEAR(right, x(374), kToleranceMm);
    EXPECT_NEAR(top, y(136), kToleranceMm);
    EXPECT_NEAR(bottom, y(166), kToleranceMm);
    std::cout << what << ": printable " << map.horzSize << " x " << map.vertSize << " mm, picture " << w / 10
              << " x " << h / 10 << " mm; card edges off by " << left - x(106) << ", " << right - x(374) << ", "
              << top - y(136) << ", " << bottom - y(166) << " mm\n";
}

std::string PdfFolder() {
    const std::string host = Environment("RAVLEN_PDF_DIR");
    if (host.empty()) {
        ADD_FAILURE() << "RAVLEN_PDF_DIR is not set: start the tests with the printer (tools/printer.sh)";
        return {};
    }
    return driver::WindowsPath(host);
}

FILETIME Now() {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return now;
}

std::vector<std::string> PdfsSince(const FILETIME& since) {
    const std::string folder = PdfFolder();
    if (folder.empty()) return {};
    std::vector<std::pair<ULONGLONG, std::string>> found;
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileA((folder + "\\*.pdf").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return {};
    do {
        if (CompareFileTime(&entry.ftLastWriteTime, &since) <= 0) continue;
        const std::string path = folder + "\\" + entry.cFileName;
        if (!Complete(path)) continue;
        const ULONGLONG written = (ULONGLONG{entry.ftLastWriteTime.dwHighDateTime} << 32) |
                                  entry.ftLastWriteTime.dwLowDateTime;
        found.emplace_back(written, path);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& [written, path] : found) paths.push_back(path);
    return paths;
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

std::optional<Page> Render(const std::string& pdf, const std::string& name, int dpi) {
    const std::string keep = driver::HostPath(LabelFolder() + "\\" + name);
    const std::string grey = driver::TempFilePath(name);
    const std::string hostPdf = driver::HostPath(pdf);
    const std::string hostGrey = driver::HostPath(grey);
    const std::string command = "cp " + driver::ShellQuote(hostPdf) + " " + driver::ShellQuote(keep + ".pdf") +
                                " && pdftoppm -singlefile -r 100 -png " + driver::ShellQuote(hostPdf) + " " +
                                driver::ShellQuote(keep) + " && pdftoppm -singlefile -gray -aa no -aaVector no -r " +
                                std::to_string(dpi) + " " + driver::ShellQuote(hostPdf) + " " +
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
    page->dpi = dpi;
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
        words.push_back({Unescape(text.substr(tagEnd + 1, close - tagEnd - 1)), Attribute(tag, "xMin") * kMmPerPoint,
                         Attribute(tag, "yMin") * kMmPerPoint, Attribute(tag, "xMax") * kMmPerPoint,
                         Attribute(tag, "yMax") * kMmPerPoint});
    }
    return words;
}

}  // namespace label_test
