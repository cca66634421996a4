#include "wait.h"

#include <gtest/gtest.h>

namespace driver {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::string& what) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) break;
        Sleep(15);
    }
    if (condition()) return true;
    ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << what;
    return false;
}

void Pause(DWORD ms) { Sleep(ms); }

}  // namespace driver
