// Where the words on a picture may be broken into lines. Kept apart from the
// drawing so that the rule can be checked without fonts.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace picgen {

// A run of text that is never broken, and whether a space stood before it.
struct LinePiece {
    std::string text;
    bool spaceBefore = false;
};

// Splits UTF-8 text into the pieces that a line may end between. Text with a
// space breaks at its spaces only. Chinese and Japanese text without one
// (cjk) may also break between two characters, but never inside a run of
// katakana or of Latin letters and digits, never before closing punctuation or
// a small kana, and never after an opening bracket. Other text is one piece.
std::vector<LinePiece> BreakablePieces(const std::string& text, bool cjk);

// Fills at most maxLines lines from the pieces, each as long as it can be
// without being wider than width as measure reports; what does not fit goes on
// the last line. A piece wider than width stands on a line of its own.
std::vector<std::string> FitLines(const std::vector<LinePiece>& pieces, int width, std::size_t maxLines,
                                  const std::function<int(const std::string&)>& measure);

}  // namespace picgen
