// Guards a desktop test program so that no test can hang a test run, and a
// failing one leaves what a person needs to see why.
#pragma once

#include <windows.h>

namespace driver {

// A watchdog ends the program when one test runs longer than testLimitMs or
// the whole run longer than runLimitMs (both set well under CTest's own
// limit), and every failing test is reported once. Each report gives the
// test, the step it was at, the windows of the other programs and a
// screenshot of the screen under build/screenshots/. Call after
// InitGoogleTest, before RUN_ALL_TESTS.
void InstallTestGuard(DWORD testLimitMs, DWORD runLimitMs);

}  // namespace driver
