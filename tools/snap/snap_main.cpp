// RavlenSnap.exe PATH.png [CLASS] [SECONDS]
// Waits for a visible top-level window of the class (up to SECONDS, default 20),
// lets it paint, and saves it as a PNG; without a caption, the whole screen.
#include "png_capture.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: RavlenSnap PATH.png [CLASS] [SECONDS]\n");
        return 2;
    }
    HWND window = nullptr;
    if (argc >= 3) {
        const int seconds = argc >= 4 ? std::atoi(argv[3]) : 20;
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
        for (;;) {
            window = FindWindowA(argv[2], nullptr);
            if ((window && IsWindowVisible(window)) || GetTickCount64() >= deadline) break;
            Sleep(50);
        }
        if (!window) {
            std::fprintf(stderr, "no window of class \"%s\" within %d s\n", argv[2], seconds);
            return 1;
        }
        Sleep(500);
    }
    std::string error;
    if (!driver::CaptureToPng(argv[1], window, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
