// osd_bench.exe: times the On-Screen Display page's two costly steps with the
// prefix's fonts: filling the face combo, and one refresh of the example
// (the font made and shown, and the example painted).
#include "font_combo.h"
#include "example_font.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 50;
constexpr double kGoalMs = 20.0;
constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                              CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs step once unmeasured (caches), then kRuns times; prints the median.
void Time(const char* what, const std::function<void()>& step, const char* detail) {
    step();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        step();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%s: %.2f ms median of %d (fastest %.2f, slowest %.2f)%s; goal under %.0f ms: %s\n", what, median,
                kRuns, times.front(), times.back(), detail, kGoalMs, median < kGoalMs ? "met" : "NOT met");
}

}  // namespace

int main() {
    HWND page = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr, nullptr,
                                nullptr);
    HWND comboWindow =
        CreateWindowExA(0, "COMBOBOX", "", kComboStyle, 10, 10, 180, 150, page, nullptr, nullptr, nullptr);
    HWND example = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, 10, 40, 240, 68,
                                   page, nullptr, nullptr, nullptr);
    if (!page || !comboWindow || !example) {
        std::printf("osd: not measured: cannot make the windows\n");
        return 1;
    }
    CFontCombo combo;
    combo.SubclassWindow(comboWindow);

    char detail[64] = {};
    combo.RefillFonts();
    std::snprintf(detail, sizeof detail, ", %d faces", combo.GetCount());
    Time("font combo fill", [&] { combo.RefillFonts(); }, detail);
    // What the fill costs without the list: the system's enumeration alone.
    int reported = 0;
    HDC dc = GetDC(comboWindow);
    auto count = [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) -> int {
        ++*reinterpret_cast<int*>(param);
        return 1;
    };
    EnumFontsA(dc, nullptr, count, reinterpret_cast<LPARAM>(&reported));
    std::snprintf(detail, sizeof detail, ", %d fonts reported", reported);
    auto enumerate = [&] { EnumFontsA(dc, nullptr, count, reinterpret_cast<LPARAM>(&reported)); };
    Time("  of which the enumeration alone", enumerate, detail);
    ReleaseDC(comboWindow, dc);

    const int arial = combo.FindString(0, "Arial");
    LOGFONTA face = {};
    combo.SetCurSel(arial);
    combo.GetSelectedLogFont(face);
    // Alternating sizes, so that each refresh makes a font the last one did not.
    int points = 28;
    CFont font;
    Time("example refresh",
         [&] {
             points = points == 28 ? 72 : 28;
             MakeExampleFont(font, face.lfFaceName, points);
             ShowExampleText(example, font.GetSafeHandle(), face.lfFaceName);
             UpdateWindow(page);
         },
         ", 28 and 72 points in turn, painted");
    DestroyWindow(page);
    return 0;
}
