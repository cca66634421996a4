// The one palette of the placeholder pictures: 16 named colours, so that every
// picture can be written at 4 or at 8 bits per pixel.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <vector>

namespace picgen {

namespace colour {
constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kWhite = 1;
constexpr std::uint8_t kBand = 2;        // the dark blue-grey title band of the page backgrounds
constexpr std::uint8_t kBandEdge = 3;    // the thin line under the band
constexpr std::uint8_t kAccent = 4;      // the current page's circle, step numbers
constexpr std::uint8_t kPanel = 5;       // light neutral fill of the picture placeholders
constexpr std::uint8_t kBorder = 6;      // thin border of the placeholders
constexpr std::uint8_t kDots = 7;        // dotted lines and key outlines
constexpr std::uint8_t kFaded = 8;       // what a faded ("off") picture draws its lines in
constexpr std::uint8_t kDark = 9;        // digits and keyboard bodies
constexpr std::uint8_t kGreen = 10;      // key lights
constexpr std::uint8_t kSoftBlue = 11;   // highlighted keys
constexpr std::uint8_t kPale = 12;       // faded fills
constexpr std::uint8_t kOrange = 13;     // launch key lights
constexpr std::uint8_t kRed = 14;        // the ring around a picked key
constexpr std::uint8_t kSilver = 15;     // the task bar
}  // namespace colour

inline std::vector<Rgb> Palette() {
    return {
        {0, 0, 0},       {255, 255, 255}, {44, 57, 74},    {92, 128, 168},  {0, 84, 166},    {238, 238, 234},
        {160, 160, 160}, {112, 112, 112}, {196, 196, 196}, {64, 64, 64},    {0, 160, 80},    {196, 216, 238},
        {226, 226, 226}, {232, 140, 28},  {200, 36, 36},   {212, 208, 200},
    };
}

}  // namespace picgen
