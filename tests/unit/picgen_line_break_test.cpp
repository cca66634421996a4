// The rule by which picgen breaks the words on the pictures into lines,
// checked without fonts: every character is measured 10 pixels wide.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_break.h"

namespace {

using picgen::BreakablePieces;
using picgen::FitLines;
using Lines = std::vector<std::string>;

int Characters(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

Lines Fit(const std::string& text, int characters, bool cjk = true) {
    return FitLines(BreakablePieces(text, cjk), characters * 10, 2, [](const std::string& line) {
        return Characters(line) * 10;
    });
}

Lines Pieces(const std::string& text, bool cjk = true) {
    Lines texts;
    for (const picgen::LinePiece& piece : BreakablePieces(text, cjk)) texts.push_back(piece.text);
    return texts;
}

TEST(PictureLineBreak, CjkTextWithASpaceBreaksThereOnly) {
    EXPECT_EQ(Fit("マイ ドキュメント", 6), (Lines{"マイ", "ドキュメント"}));
    EXPECT_EQ(Fit("マイ ドキュメント", 5), (Lines{"マイ", "ドキュメント"}));  // wider than the room, still whole
    EXPECT_EQ(Fit("マイ ドキュメント", 9), (Lines{"マイ ドキュメント"}));
    EXPECT_EQ(Fit("Lumora 键", 6), (Lines{"Lumora", "键"}));
    EXPECT_EQ(Pieces("下午 12:00"), (Lines{"下午", "12:00"}));
}

TEST(PictureLineBreak, KatakanaAndLatinWordsStayWhole) {
    EXPECT_EQ(Fit("インターネット", 5), (Lines{"インターネット"}));
    EXPECT_EQ(Fit("Internet", 4), (Lines{"Internet"}));
    EXPECT_EQ(Pieces("デスクトップのロック"), (Lines{"デスクトップ", "の", "ロック"}));
    EXPECT_EQ(Fit("デスクトップのロック", 7), (Lines{"デスクトップの", "ロック"}));
    EXPECT_EQ(Fit("電子メール", 3), (Lines{"電子", "メール"}));
    EXPECT_EQ(Pieces("ワープロ"), (Lines{"ワープロ"}));
}

TEST(PictureLineBreak, IdeographsBreakAnywhereButNotBeforeClosingOrAfterOpeningMarks) {
    EXPECT_EQ(Fit("锁定桌面", 2), (Lines{"锁定", "桌面"}));
    EXPECT_EQ(Fit("文書處理", 3), (Lines{"文書處", "理"}));
    EXPECT_EQ(Pieces("名称，然后"), (Lines{"名", "称，", "然", "后"}));
    EXPECT_EQ(Pieces("单击“应用”"), (Lines{"单", "击", "“应", "用”"}));
    EXPECT_EQ(Pieces("選んでください。"), (Lines{"選", "ん", "で", "く", "だ", "さ", "い。"}));
}

TEST(PictureLineBreak, OtherTextBreaksAtSpacesOnly) {
    EXPECT_EQ(Fit("Word Processor", 5, false), (Lines{"Word", "Processor"}));
    EXPECT_EQ(Fit("Textverarbeitung", 5, false), (Lines{"Textverarbeitung"}));
    EXPECT_EQ(Fit("锁定桌面", 2, false), (Lines{"锁定桌面"}));
}

TEST(PictureLineBreak, AtMostTwoLinesAndTheRestOnTheLast) {
    EXPECT_EQ(Fit("Lock the Desktop now", 8, false), (Lines{"Lock the", "Desktop now"}));
    EXPECT_EQ(Fit("", 8), (Lines{""}));
    EXPECT_EQ(Fit("  Internet  ", 8), (Lines{"Internet"}));
}

}  // namespace
