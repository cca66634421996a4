// The running wizard's GDI and USER objects stay flat over many page switches
// and repaints; the counts are printed.
#include "wizard_fixture.h"

#include <commctrl.h>

#include <array>
#include <cstdio>

namespace {

// The counts are exact, so one object kept by one switch or paint shows. Every
// switch between two pages comes round each seven switches, and the paint
// waited for at every twentieth switch falls on each page once in 140.
constexpr int kSwitches = 140;
constexpr int kRepaints = 100;

void Print(const char* when, const frame_probe::ObjectCounts& counts) {
    std::printf("%s: GDI %d (fonts %d, bitmaps %d, memory DCs %d, window DCs %d, open paints %d, other %d; "
                "%d made since counting began), USER %d (windows %d, menus %d)\n",
                when, counts.Gdi(), counts.fonts, counts.bitmaps, counts.memoryDcs, counts.windowDcs,
                counts.openPaints, counts.otherGdi, counts.created, counts.User(), counts.windows, counts.menus);
}

// What is held, in the order Print gives it: every count but the made ones.
std::array<int, 8> Held(const frame_probe::ObjectCounts& counts) {
    return {counts.fonts,      counts.bitmaps,  counts.memoryDcs, counts.windowDcs,
            counts.openPaints, counts.otherGdi, counts.windows,   counts.menus};
}

}  // namespace

TEST_F(WizardTest, ObjectsStayFlatOverPageSwitchesAndRepaints) {
    ASSERT_TRUE(StartProbedWizard());
    ASSERT_TRUE(probe_.CountObjects());
    // Every page made once first: a page's window lives from its first showing.
    for (int page = 0; page < wizard::kPageCount; ++page) ASSERT_TRUE(ShowPage(page));
    ASSERT_TRUE(ShowPage(0));
    // Paints are waited for with a time limit: RDW_UPDATENOW on another
    // process's window sends WM_PAINT and can block for good.
    ASSERT_TRUE(driver::WaitUntilPainted(sheet_, driver::kWaitMs));
    const std::optional<frame_probe::ObjectCounts> start = probe_.Objects();
    ASSERT_TRUE(start);
    Print("before", *start);

    // Every twentieth switch also waits for its paint, so that the paints are counted too.
    for (int i = 1; i <= kSwitches; ++i) {
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(i % wizard::kPageCount), 0,
                                        SMTO_ABORTIFHUNG, 5000, &result));
        if (i % 20 == 0) {
            ASSERT_TRUE(Painted());
        }
    }
    ASSERT_TRUE(driver::WaitUntilPainted(sheet_, driver::kWaitMs));
    ASSERT_EQ(PageIndex(), kSwitches % wizard::kPageCount);
    const std::optional<frame_probe::ObjectCounts> switched = probe_.Objects();
    ASSERT_TRUE(switched);
    Print("after the switches", *switched);
    EXPECT_EQ(Held(*switched), Held(*start)) << "objects leaked by the page switches";

    // The page's own paint, where the picture is drawn, on the Welcome page.
    ASSERT_TRUE(ShowPage(0));
    HWND page = ShownPage();
    for (int i = 0; i < kRepaints; ++i) {
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE);
        ASSERT_TRUE(driver::WaitUntilPainted(page, driver::kWaitMs));
    }
    const std::optional<frame_probe::ObjectCounts> repainted = probe_.Objects();
    ASSERT_TRUE(repainted);
    Print("after the repaints", *repainted);
    EXPECT_EQ(Held(*repainted), Held(*start)) << "objects leaked by the repaints";
}
