// The entry of the desktop test programs: GoogleTest with the test guard.
#include "test_guard.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Limits in seconds from the environment (CTest sets them below its own).
DWORD LimitMs(const char* name, DWORD fallbackSeconds) {
    char value[32] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    const long seconds = (n > 0 && n < sizeof value) ? std::strtol(value, nullptr, 10) : 0;
    return (seconds > 0 ? static_cast<DWORD>(seconds) : fallbackSeconds) * 1000;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    driver::InstallTestGuard(LimitMs("RAVLEN_TEST_LIMIT", 120), LimitMs("RAVLEN_RUN_LIMIT", 270));
    return RUN_ALL_TESTS();
}
