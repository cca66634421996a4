// The test guard, and what it and the tests leave for a person to see why a
// test failed: the step it was at, the other programs' windows, screenshots.
#include "test_guard.h"

#include "png_capture.h"
#include "process.h"
#include "test_step.h"
#include "unique_handle.h"
#include "wait.h"
#include "window_query.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace driver {
namespace {

// Read by the watchdog's thread while the test's thread writes it.
std::mutex stepLock;
std::string step = "starting";

constexpr size_t kMaxLines = 300;

// GetWindowText of another process's window returns the text the system
// keeps for it, without sending that process a message.
std::string Line(HWND window) {
    char className[128] = {};
    char text[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::ostringstream line;
    line << "id " << GetDlgCtrlID(window) << " \"" << className << "\" \"" << text << "\" (" << rect.left << ","
         << rect.top << ")-(" << rect.right << "," << rect.bottom << ")" << (IsWindowVisible(window) ? "" : " hidden")
         << (IsWindowEnabled(window) ? "" : " disabled");
    return line.str();
}

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// Every top-level window of another process (with its program's name), and
// the controls of the visible ones. Reads no text by messages, so a hung
// program cannot stop it.
std::string DescribeOtherWindows() {
    const std::map<DWORD, std::string> programs = ProgramNames();
    std::vector<HWND> topLevel;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&topLevel));
    std::vector<std::string> lines;
    for (HWND window : topLevel) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        const auto program = programs.find(process);
        const std::string name = program == programs.end() ? "?" : program->second;
        // Wine's own desktop and service windows say nothing about the test.
        if (process == GetCurrentProcessId() || lstrcmpiA(name.c_str(), "explorer.exe") == 0 ||
            lstrcmpiA(name.c_str(), "services.exe") == 0) {
            continue;
        }
        lines.push_back("  " + name + " (process " + std::to_string(process) + "): " + Line(window));
        std::vector<HWND> children;
        if (IsWindowVisible(window)) EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) lines.push_back("      " + Line(child));
    }
    std::string text = lines.empty() ? "  (no windows of other programs)\n" : "";
    for (size_t i = 0; i < lines.size() && i < kMaxLines; ++i) text += lines[i] + "\n";
    if (lines.size() > kMaxLines) text += "  ... " + std::to_string(lines.size() - kMaxLines) + " more\n";
    return text;
}

std::string TestName(const ::testing::TestInfo& test) {
    return std::string(test.test_suite_name()) + "." + test.name();
}

// Screenshot file names may not hold the characters of parameterised names.
std::string FileName(std::string name) {
    for (char& c : name) {
        if (std::strchr("/\\:*?\"<>|", c)) c = '_';
    }
    return name;
}

void Report(const std::string& headline, const std::string& screenshot) {
    std::string error;
    const std::string path = ScreenshotPath(FileName(screenshot));
    const std::string picture = CaptureToPng(path, nullptr, &error) ? path : "none (" + error + ")";
    std::string text = headline + "\n  at step: " + CurrentStep() + "\n  screenshot: " + picture +
                       "\n  windows of the other programs:\n" + DescribeOtherWindows();
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

class TestGuard : public ::testing::EmptyTestEventListener {
public:
    TestGuard(DWORD testLimitMs, DWORD runLimitMs)
        : testLimitMs_(testLimitMs),
          runDeadline_(GetTickCount64() + runLimitMs),
          runLimitMs_(runLimitMs),
          stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          watcher_([this] { Watch(); }) {}

    ~TestGuard() override {
        SetEvent(stop_.get());
        watcher_.join();
    }

    void OnTestStart(const ::testing::TestInfo& test) override {
        std::lock_guard<std::mutex> lock(lock_);
        test_ = TestName(test);
        testDeadline_ = GetTickCount64() + testLimitMs_;
        reported_ = false;
        NoteStep("starting " + test_);
    }

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed()) return;
        std::string test;
        {
            std::lock_guard<std::mutex> lock(lock_);
            if (reported_) return;
            reported_ = true;
            test = test_;
        }
        Report("[ REPORT   ] first failure of " + test, "failed-" + test);
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        std::lock_guard<std::mutex> lock(lock_);
        test_.clear();
        testDeadline_ = 0;
    }

private:
    // The watchdog's thread: it alone ends the program when time is up. The
    // test's own thread may be stuck anywhere, even in a call without a limit.
    void Watch() {
        while (WaitForSingleObject(stop_.get(), 250) == WAIT_TIMEOUT) {
            std::string test;
            std::string reason;
            {
                std::lock_guard<std::mutex> lock(lock_);
                const ULONGLONG now = GetTickCount64();
                test = test_.empty() ? "the test program" : test_;
                if (testDeadline_ && now >= testDeadline_) {
                    reason = "did not end within " + std::to_string(testLimitMs_ / 1000) + " s";
                } else if (now >= runDeadline_) {
                    reason = "was running when the whole run reached " + std::to_string(runLimitMs_ / 1000) + " s";
                }
            }
            if (reason.empty()) continue;
            Report("[ TIMEOUT  ] " + test + " " + reason, "timeout-" + test);
            EndStartedProcesses();
            std::fputs("[ TIMEOUT  ] the test program ends here\n", stdout);
            std::fflush(stdout);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }

    std::mutex lock_;
    const DWORD testLimitMs_;
    const ULONGLONG runDeadline_;
    const DWORD runLimitMs_;
    std::string test_;
    ULONGLONG testDeadline_ = 0;
    bool reported_ = false;
    UniqueHandle stop_;
    std::thread watcher_;  // last: it starts when everything above is ready
};

}  // namespace

void NoteStep(const std::string& text) {
    std::lock_guard<std::mutex> lock(stepLock);
    step = text;
}

std::string CurrentStep() {
    std::lock_guard<std::mutex> lock(stepLock);
    return step;
}

std::string ScreenshotPath(const std::string& name) {
    return EnvironmentOr("RAVLEN_SCREENSHOT_DIR", ".") + "\\" + name + ".png";
}

bool SaveScreenshot(const std::string& name, HWND window) {
    if (window) WaitUntilPainted(window, kWaitMs);
    std::string error;
    if (CaptureToPng(ScreenshotPath(name), window, &error)) return true;
    ADD_FAILURE() << "screenshot " << name << ": " << error;
    return false;
}

void InstallTestGuard(DWORD testLimitMs, DWORD runLimitMs) {
    // The listener list owns the guard; it lives as long as the program.
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestGuard(testLimitMs, runLimitMs));
}

}  // namespace driver
