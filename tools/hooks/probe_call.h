// How a test asks the frame probe, once loaded, to run one of its exports:
// through a thread of the probe's own in the program, woken by an event,
// instead of a new thread made from outside for every question. Under Wine a
// thread made from outside is created by the program's own threads between
// their waits, and once in a long while that creation never returned, and
// the test hung with it; an event cannot hang the test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace probe_call {

// Starts the probe's thread; the test has made the section and the events
// for the process first. Exit code 1 when the thread runs.
constexpr char kStartExport[] = "StartProbeServer";

constexpr std::uint32_t kMagic = 0x43505252;  // "RRPC"
// The result when the probe has no such export.
constexpr DWORD kNoExport = 0xFFFFFFFF;

struct Section {
    std::uint32_t magic;
    std::uint32_t asked;     // the number of the call asked for last
    std::uint32_t answered;  // the number of the call answered last
    char exportName[64];
    std::uint64_t parameter;
    DWORD result;
};

// The names of the section and the two events, by the probed process's id,
// so that a wizard left from another test can never answer.
inline std::string Name(DWORD processId, const char* what) {
    return "Local\\RavlenProbeCall." + std::to_string(processId) + "." + what;
}
constexpr char kSection[] = "Section";
constexpr char kRequest[] = "Request";
constexpr char kAnswer[] = "Answer";

}  // namespace probe_call
