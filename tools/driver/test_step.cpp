#include "test_step.h"

#include <mutex>

namespace driver {
namespace {

// Read by the watchdog's thread while the test's thread writes it.
std::mutex stepLock;
std::string step = "starting";

}  // namespace

void NoteStep(const std::string& text) {
    std::lock_guard<std::mutex> lock(stepLock);
    step = text;
}

std::string CurrentStep() {
    std::lock_guard<std::mutex> lock(stepLock);
    return step;
}

}  // namespace driver
