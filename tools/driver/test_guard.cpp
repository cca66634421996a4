// The entry of the desktop test programs: GoogleTest under a guard that ends
// the program when one test runs longer than RAVLEN_TEST_LIMIT seconds or the
// whole run longer than RAVLEN_RUN_LIMIT (both set under CTest's own limit),
// and reports every failing test once. Each report gives the test, the step it
// was at, the windows of the other programs and a screenshot of the screen
// under build/screenshots/.
#include "driver.h"
#include "png_capture.h"
#include "unique_handle.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sstream>
#include <thread>

namespace driver {
namespace {

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// GetWindowText of another process's window returns the text the system
// keeps for it, without sending that process a message: a hung program
// cannot stop the report.
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
         << (IsWindowEnabled(window) ? "" : " disabled") << "\n";
    return line.str();
}

// Every top-level window of another program, and the controls of the visible
// ones; Wine's own desktop and service windows say nothing about the test.
std::string DescribeOtherWindows() {
    const std::map<DWORD, std::string> programs = ProgramNames();
    std::vector<HWND> topLevel;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&topLevel));
    std::string text;
    for (HWND window : topLevel) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        const auto program = programs.find(process);
        const std::string name = program == programs.end() ? "?" : program->second;
        if (process == GetCurrentProcessId() || name == "explorer.exe" || name == "services.exe") continue;
        text += "  " + name + " (process " + std::to_string(process) + "): " + Line(window);
        std::vector<HWND> children;
        if (IsWindowVisible(window)) EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
        for (HWND child : children) text += "      " + Line(child);
    }
    return text;
}

void Report(const std::string& headline, std::string screenshot) {
    // Screenshot file names may not hold the characters of parameterised names.
    for (char& c : screenshot) {
        if (std::strchr("/\\:*?\"<>|", c)) c = '_';
    }
    std::string error;
    const std::string path = ScreenshotPath(screenshot);
    const std::string picture = CaptureToPng(path, nullptr, &error) ? path : "none (" + error + ")";
    const std::string text = headline + "\n  at step: " + CurrentStep() + "\n  screenshot: " + picture +
                             "\n  windows of the other programs:\n" + DescribeOtherWindows();
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

// Limits in seconds from the environment.
DWORD LimitMs(const char* name, DWORD fallbackSeconds) {
    const long seconds = std::strtol(EnvironmentOr(name, "0").c_str(), nullptr, 10);
    return (seconds > 0 ? static_cast<DWORD>(seconds) : fallbackSeconds) * 1000;
}

class TestGuard : public ::testing::EmptyTestEventListener {
public:
    TestGuard() : watcher_([this] { Watch(); }) {}
    ~TestGuard() override {
        SetEvent(stop_.get());
        watcher_.join();
    }

    void OnTestStart(const ::testing::TestInfo& test) override {
        std::lock_guard<std::mutex> lock(lock_);
        test_ = std::string(test.test_suite_name()) + "." + test.name();
        testDeadline_ = GetTickCount64() + testLimitMs_;
        reported_ = false;
        NoteStep("starting " + test_);
    }

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        std::string test;
        {
            std::lock_guard<std::mutex> lock(lock_);
            if (!result.failed() || std::exchange(reported_, true)) return;
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
    // The watchdog's thread alone ends the program when time is up: the
    // test's own thread may be stuck anywhere, even in a call without a limit.
    void Watch() {
        while (WaitForSingleObject(stop_.get(), 250) == WAIT_TIMEOUT) {
            std::string reason;
            std::string test;
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
    const DWORD testLimitMs_ = LimitMs("RAVLEN_TEST_LIMIT", 120);
    const DWORD runLimitMs_ = LimitMs("RAVLEN_RUN_LIMIT", 270);
    const ULONGLONG runDeadline_ = GetTickCount64() + runLimitMs_;
    std::string test_;
    ULONGLONG testDeadline_ = 0;
    bool reported_ = false;
    UniqueHandle stop_{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    std::thread watcher_;  // last: it starts when everything above is ready
};

}  // namespace

}  // namespace driver

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The listener list owns the guard; it lives as long as the program.
    ::testing::UnitTest::GetInstance()->listeners().Append(new driver::TestGuard);
    return RUN_ALL_TESTS();
}
