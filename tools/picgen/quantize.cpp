// Palette reduction for the BMP files: exact while the colours fit, median cut
// for the anti-aliased rest.
#include "image.h"

#include <array>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace picgen {

namespace {

std::uint32_t Key(Rgb c) { return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue; }

struct Weighted {
    Rgb colour;
    std::uint64_t count;
};

int Component(Rgb c, int axis) { return axis == 0 ? c.red : axis == 1 ? c.green : c.blue; }

// Splits the colours into `boxes` groups along their widest channel and returns
// each group's weighted mean.
std::vector<Rgb> MedianCut(std::vector<Weighted> colours, int boxes) {
    std::vector<std::vector<Weighted>> groups;
    if (!colours.empty()) groups.push_back(std::move(colours));
    while (static_cast<int>(groups.size()) < boxes) {
        int best = -1, bestAxis = 0, bestRange = 0;
        for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
            if (groups[g].size() < 2) continue;
            for (int axis = 0; axis < 3; ++axis) {
                int low = 255, high = 0;
                for (const Weighted& w : groups[g]) {
                    low = std::min(low, Component(w.colour, axis));
                    high = std::max(high, Component(w.colour, axis));
                }
                if (high - low > bestRange) best = g, bestAxis = axis, bestRange = high - low;
            }
        }
        if (best < 0) break;
        std::vector<Weighted>& group = groups[best];
        std::sort(group.begin(), group.end(), [axis = bestAxis](const Weighted& a, const Weighted& b) {
            return Component(a.colour, axis) < Component(b.colour, axis);
        });
        std::uint64_t total = 0;
        for (const Weighted& w : group) total += w.count;
        std::size_t cut = 1;
        for (std::uint64_t sum = group[0].count; cut + 1 < group.size() && sum * 2 < total; ++cut) {
            sum += group[cut].count;
        }
        groups.emplace_back(group.begin() + static_cast<std::ptrdiff_t>(cut), group.end());
        groups[best].resize(cut);
    }
    std::vector<Rgb> means;
    for (const std::vector<Weighted>& group : groups) {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Weighted& w : group) {
            r += w.colour.red * static_cast<double>(w.count);
            g += w.colour.green * static_cast<double>(w.count);
            b += w.colour.blue * static_cast<double>(w.count);
            n += static_cast<double>(w.count);
        }
        means.push_back({static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5),
                        static_cast<std::uint8_t>(b / n + 0.5)});
    }
    return means;
}

}  // namespace

Canvas Quantize(const Image& image, int colours) {
    if (colours != 16 && colours != 256) throw std::invalid_argument("a palette has 16 or 256 entries");
    std::unordered_map<std::uint32_t, std::uint64_t> histogram;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) ++histogram[Key(image.At(x, y))];
    }
    std::vector<Weighted> all;
    all.reserve(histogram.size());
    for (const auto& [key, count] : histogram) {
        all.push_back({{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                        static_cast<std::uint8_t>(key)},
                       count});
    }
    // Most frequent first, ties by colour, so that the output does not depend on hashing.
    std::sort(all.begin(), all.end(), [](const Weighted& a, const Weighted& b) {
        return a.count != b.count ? a.count > b.count : Key(a.colour) < Key(b.colour);
    });

    std::vector<Rgb> palette;
    if (static_cast<int>(all.size()) <= colours) {
        for (const Weighted& w : all) palette.push_back(w.colour);
    } else {
        // The flat areas (backgrounds, bands, key faces) keep their exact colours.
        const std::size_t kept = static_cast<std::size_t>(colours / 4);
        for (std::size_t i = 0; i < kept; ++i) palette.push_back(all[i].colour);
        const std::vector<Rgb> rest =
            MedianCut(std::vector<Weighted>(all.begin() + static_cast<std::ptrdiff_t>(kept), all.end()),
                      colours - static_cast<int>(kept));
        palette.insert(palette.end(), rest.begin(), rest.end());
    }

    std::unordered_map<std::uint32_t, std::uint8_t> nearest;
    for (const Weighted& w : all) {
        int best = 0;
        long bestDistance = std::numeric_limits<long>::max();
        for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
            const long dr = w.colour.red - palette[i].red;
            const long dg = w.colour.green - palette[i].green;
            const long db = w.colour.blue - palette[i].blue;
            const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) best = i, bestDistance = distance;
            if (distance == 0) break;
        }
        nearest[Key(w.colour)] = static_cast<std::uint8_t>(best);
    }
    palette.resize(static_cast<std::size_t>(colours), Rgb{0, 0, 0});

    Canvas canvas(image.Width(), image.Height(), palette, 0);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) canvas.Set(x, y, nearest[Key(image.At(x, y))]);
    }
    return canvas;
}

}  // namespace picgen
