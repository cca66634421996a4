#include "wait.h"

#include "test_step.h"

#include <gtest/gtest.h>

namespace driver {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::string& what) {
    NoteStep("waiting up to " + std::to_string(timeoutMs) + " ms for " + what);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            NoteStep("done waiting for " + what);
            return true;
        }
        if (GetTickCount64() >= deadline) break;
        Sleep(15);
    }
    if (condition()) {
        NoteStep("done waiting for " + what);
        return true;
    }
    NoteStep("gave up waiting for " + what);
    ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << what;
    return false;
}

void Pause(DWORD ms) { Sleep(ms); }

}  // namespace driver
