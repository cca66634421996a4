// The entry of the desktop test programs: GoogleTest with the test guard.
#include "process.h"
#include "test_guard.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Limits in seconds from the environment (CTest sets them below its own).
DWORD LimitMs(const char* name, DWORD fallbackSeconds) {
    const long seconds = std::strtol(driver::EnvironmentOr(name, "0").c_str(), nullptr, 10);
    return (seconds > 0 ? static_cast<DWORD>(seconds) : fallbackSeconds) * 1000;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    driver::InstallTestGuard(LimitMs("RAVLEN_TEST_LIMIT", 120), LimitMs("RAVLEN_RUN_LIMIT", 270));
    return RUN_ALL_TESTS();
}
