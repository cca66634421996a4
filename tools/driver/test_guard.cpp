#include "test_guard.h"

#include "png_capture.h"
#include "process.h"
#include "screenshot.h"
#include "test_step.h"
#include "unique_handle.h"
#include "window_dump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

namespace driver {
namespace {

std::string TestName(const ::testing::TestInfo& test) {
    return std::string(test.test_suite_name()) + "." + test.name();
}

// Screenshot file names may not hold the characters of parameterised names.
std::string FileName(std::string name) {
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|') {
            c = '_';
        }
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

void InstallTestGuard(DWORD testLimitMs, DWORD runLimitMs) {
    // The listener list owns the guard; it lives as long as the program.
    ::testing::UnitTest::GetInstance()->listeners().Append(new TestGuard(testLimitMs, runLimitMs));
}

}  // namespace driver
