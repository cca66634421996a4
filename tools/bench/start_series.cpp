#include "start_series.h"

#include "child_process.h"
#include "first_page.h"
#include "options.h"
#include "stopwatch.h"

#include <commctrl.h>
#include <psapi.h>

#include <vector>

namespace {

// Generous: a cold Wine start takes under a second, a warm one a fifth of that.
constexpr DWORD kShowLimitMs = 30000;
constexpr DWORD kCloseLimitMs = 10000;
constexpr DWORD kLeftoverLimitMs = 10000;

std::string IdList(const std::vector<DWORD>& ids) {
    std::string text;
    for (DWORD id : ids) text += (text.empty() ? "" : ", ") + std::to_string(id);
    return text;
}

std::string Seconds(DWORD ms) { return std::to_string(ms / 1000) + " s"; }

// The update region is emptied when a paint begins, not when it ends. A sent
// message is only taken once the program's thread is back in its message loop,
// so its answer means that the paint handlers have returned.
bool PaintHandlersDone(HWND page, const Stopwatch& clock) {
    double left = kShowLimitMs - clock.ElapsedMs();
    DWORD_PTR result = 0;
    return left > 0 &&
           SendMessageTimeoutA(page, WM_NULL, 0, 0, SMTO_BLOCK, static_cast<UINT>(left), &result) != 0;
}

// Polls about every millisecond until the page is painted.
bool WaitForPaintedPage(const ChildProcess& child, const std::string& name, const Stopwatch& clock,
                        FirstPage& page, bool& pendingSeen, std::string& error) {
    for (;;) {
        if (child.HasEnded()) {
            error = name + " ended (exit code " + std::to_string(child.ExitCode()) + ") before showing its first page";
            return false;
        }
        page = LookForFirstPage(child.id());
        if (page.page && !page.paintPending && PaintHandlersDone(page.page, clock)) {
            page = LookForFirstPage(child.id());
            if (page.page && !page.paintPending) return true;
        }
        pendingSeen = pendingSeen || page.paintPending;
        if (clock.ElapsedMs() > kShowLimitMs) {
            error = name + ": after " + Seconds(kShowLimitMs) + " " +
                    (!page.sheet  ? std::string("no visible wizard window (class #32770) of it has appeared")
                     : !page.page ? std::string("its wizard window has no visible page")
                                  : std::string("its page still has a pending paint"));
            return false;
        }
        Sleep(1);
    }
}

}  // namespace

bool TimeOneStart(const std::string& program, StartSample& sample, std::string& error,
                  const std::function<void(HWND page)>& atPainted) {
    const std::string name = FileName(program);
    std::vector<DWORD> left;
    if (!WaitForNoLeftovers(nullptr, name, kLeftoverLimitMs, left)) {
        error = "a process named " + name + " is still running (id " + IdList(left) + ") after " +
                Seconds(kLeftoverLimitMs) + "; end it first";
        return false;
    }

    sample = {};
    Stopwatch clock;
    ChildProcess child = ChildProcess::Start(program, error);
    if (!child) return false;

    FirstPage page;
    bool painted = WaitForPaintedPage(child, name, clock, page, sample.pendingSeen, error);
    if (painted) {
        sample.startMs = clock.ElapsedMs();
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(child.handle(), &memory, sizeof memory)) {
            sample.workingSetMiB = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
        } else {
            error = name + ": cannot read its working set (error " + std::to_string(GetLastError()) + ")";
            painted = false;
        }
        if (painted && atPainted) atPainted(page.page);
    }

    // Cancel, as a person would, so that the program ends its own way; then
    // as the Cancel button's command, for a sheet without an active page.
    bool closed = false;
    if (page.sheet) {
        PostMessageA(page.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        closed = child.WaitForEnd(kCloseLimitMs / 2);
        if (!closed) PostMessageA(page.sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    if (!closed && !child.WaitForEnd(page.sheet ? kCloseLimitMs / 2 : kCloseLimitMs)) {
        child.Terminate();
        sample.endedByForce = true;
        if (!painted) error += " (and it did not close on Cancel within " + Seconds(kCloseLimitMs) + ")";
    }
    if (!WaitForNoLeftovers(&child, name, kLeftoverLimitMs, left)) {
        if (painted) {
            error = name + ": processes of it still run (id " + IdList(left) + ") " + Seconds(kLeftoverLimitMs) +
                    " after it ended";
        }
        return false;
    }
    return painted;
}
