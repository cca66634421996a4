#include "line_break.h"

#include <algorithm>
#include <string_view>

namespace picgen {
namespace {

struct Character {
    char32_t code;
    std::size_t start, length;  // bytes in the text
};

std::vector<Character> Decode(const std::string& text) {
    std::vector<Character> characters;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - i);
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        characters.push_back({code, i, length});
        i += length;
    }
    return characters;
}

bool IsSpace(char32_t c) { return c == U' ' || c == U'\u3000'; }

bool IsKatakana(char32_t c) {
    return (c >= 0x30A0 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0xFF66 && c <= 0xFF9F);
}

// Letters, digits and their punctuation: everything before the CJK blocks.
bool IsLatin(char32_t c) { return c < 0x2E80 && !IsSpace(c); }

// What may not begin a line.
bool IsClosing(char32_t c) {
    static constexpr std::u32string_view kClosing =
        U"、。，．：；！？）」』】〕〉》’”ー・ぁぃぅぇぉっゃゅょゎ｝］";
    return kClosing.find(c) != std::u32string_view::npos;
}

// What may not end a line.
bool IsOpening(char32_t c) {
    static constexpr std::u32string_view kOpening = U"（「『【〔〈《‘“｛［";
    return kOpening.find(c) != std::u32string_view::npos;
}

bool MayBreakBetween(char32_t before, char32_t after) {
    if (IsKatakana(before) && IsKatakana(after)) return false;
    if (IsLatin(before) && IsLatin(after)) return false;
    return !IsClosing(after) && !IsOpening(before);
}

}  // namespace

std::vector<LinePiece> BreakablePieces(const std::string& text, bool cjk) {
    const std::vector<Character> characters = Decode(text);
    const bool spaced = std::any_of(characters.begin(), characters.end(),
                                    [](const Character& c) { return IsSpace(c.code); });
    std::vector<LinePiece> pieces;
    bool spaceBefore = false;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const Character& c = characters[i];
        if (IsSpace(c.code)) {
            spaceBefore = true;
            continue;
        }
        const bool starts = pieces.empty() || spaceBefore ||
                            (!spaced && cjk && MayBreakBetween(characters[i - 1].code, c.code));
        if (starts) pieces.push_back({"", spaceBefore && !pieces.empty()});
        pieces.back().text.append(text, c.start, c.length);
        spaceBefore = false;
    }
    return pieces;
}

std::vector<std::string> FitLines(const std::vector<LinePiece>& pieces, int width, std::size_t maxLines,
                                  const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    for (const LinePiece& piece : pieces) {
        if (lines.empty()) {
            lines.push_back(piece.text);
            continue;
        }
        const std::string longer = lines.back() + (piece.spaceBefore ? " " : "") + piece.text;
        if (lines.size() < maxLines && measure(longer) > width) {
            lines.push_back(piece.text);
        } else {
            lines.back() = longer;
        }
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace picgen
