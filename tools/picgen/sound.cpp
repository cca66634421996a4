// The Tab strip's click: 139 stereo frames of 8-bit PCM at 22 255 samples a
// second (278 data bytes, about 6 ms), a damped tick with a little noise.
#include "pictures.h"

#include <algorithm>
#include <cmath>

namespace picgen {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> ClickSound() {
    constexpr std::uint32_t kRate = 22255;
    constexpr std::uint32_t kChannels = 2;
    constexpr std::uint32_t kFrames = 139;
    constexpr std::uint32_t kDataBytes = kFrames * kChannels;  // 8 bits a sample

    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 4 + (8 + 16) + (8 + kDataBytes));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, kChannels);
    Put32(out, kRate);
    Put32(out, kRate * kChannels);  // bytes a second
    Put16(out, kChannels);          // bytes a frame
    Put16(out, 8);
    PutTag(out, "data");
    Put32(out, kDataBytes);

    std::uint32_t noise = 0x2545F491;  // a fixed seed: the same file on every build
    for (std::uint32_t i = 0; i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        noise = noise * 1664525u + 1013904223u;
        const double hiss = ((noise >> 16) & 0xFF) / 127.5 - 1.0;
        const double tick = std::sin(2 * 3.14159265358979 * 2900 * t) + 0.35 * hiss;
        const double envelope = std::exp(-static_cast<double>(i) / 22.0) * (i < 3 ? i / 3.0 : 1.0);
        const long sample = std::lround(128 + 96 * envelope * tick);
        const std::uint8_t value = static_cast<std::uint8_t>(std::clamp(sample, 0L, 255L));
        out.push_back(value);  // left
        out.push_back(value);  // right
    }
    return out;
}

}  // namespace picgen
