// What a test is doing right now, in words, for the report of a test that
// fails or runs out of time. The driver notes its waits and remote calls;
// tests may note their own steps.
#pragma once

#include <string>

namespace driver {

void NoteStep(const std::string& step);
std::string CurrentStep();

}  // namespace driver
