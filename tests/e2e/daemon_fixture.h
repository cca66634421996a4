// A daemon log of the test's own, and no daemon left running before or after.
#pragma once

#include "daemon_messages.h"
#include "driver.h"

#include <gtest/gtest.h>

#include <memory>

class DaemonTest : public ::testing::Test {
protected:
    void SetUp() override {
        StopDaemon();
        logPath_ = driver::TempFilePath("DormexDaemon");
        logEnv_ = std::make_unique<driver::ScopedEnvironment>("DORMEX_DAEMON_LOG", logPath_);
    }
    void TearDown() override {
        StopDaemon();
        DeleteFileA(logPath_.c_str());
    }

    static driver::WindowQuery DaemonWindow() { return {kDaemonWindowClass, {}, 0}; }

    static void StopDaemon() {
        for (HWND window : driver::TopLevelWindows(DaemonWindow())) PostMessageA(window, WM_CLOSE, 0, 0);
        driver::WaitForNoWindow(DaemonWindow(), driver::kWaitMs);
    }

    std::vector<std::string> Log() const { return driver::ReadLines(logPath_); }

    std::string logPath_;
    std::unique_ptr<driver::ScopedEnvironment> logEnv_;
};
