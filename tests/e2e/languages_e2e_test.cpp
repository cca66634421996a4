// The Chinese and Japanese resources of the built program carry the English
// dialogs control for control, keep the page frame and the pictures where the
// language-neutral backgrounds have them (Traditional Chinese pages are 13/12
// as high in dialog units, as the page frame scales them with 12), use their
// language's dialog font, and have the whole string table. The other
// languages are checked so in the unit tests.
#include "built_program.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace languages;

constexpr WORD kDialogs[] = {IDD_ABOUTBOX,       IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA,
                             IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_SUMMARY,      IDD_OSD};

bool IsPicture(const driver::DialogItem& item) {
    return IsClass(item, "Static") && (item.style & SS_TYPEMASK) == SS_BITMAP;
}

bool IsFixedToBackground(const driver::DialogItem& item) {
    return IsPicture(item) || item.id == IDC_TITLE || (item.id >= IDC_TAB_INTERNET_NAV && item.id <= IDC_TAB_SUMMARY);
}

class CjkLanguageTest : public testing::TestWithParam<LANGID> {};

TEST_P(CjkLanguageTest, HasTheEnglishDialogsFontAndStrings) {
    const BuiltProgram program;
    ASSERT_TRUE(program);
    const LANGID language = GetParam();
    auto vertical = [&](short english) {
        return language == kTraditionalChinese ? static_cast<short>(std::lround(english * 13.0 / 12.0)) : english;
    };
    for (WORD id : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const auto dialog = program.Dialog(id, language);
        const auto english = program.Dialog(id, kEnglish);
        ASSERT_TRUE(dialog && english);
        EXPECT_EQ(dialog->style, english->style);
        EXPECT_NE(dialog->caption, english->caption);
        EXPECT_EQ(dialog->typeface, language == kTraditionalChinese ? "\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94"
                                                                    : "MS Sans Serif");
        EXPECT_EQ(dialog->pointSize, language == kTraditionalChinese ? 9 : 8);
        EXPECT_EQ(dialog->cx, english->cx);
        EXPECT_EQ(dialog->cy, vertical(english->cy));
        ASSERT_EQ(dialog->items.size(), english->items.size());
        for (size_t i = 0; i < english->items.size(); ++i) {
            const driver::DialogItem& mine = dialog->items[i];
            const driver::DialogItem& theirs = english->items[i];
            SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(theirs.id) + ")");
            EXPECT_EQ(mine.id, theirs.id);
            EXPECT_TRUE(IsClass(mine, theirs.className.c_str())) << mine.className;
            EXPECT_EQ(mine.style, theirs.style);
            if (IsPicture(theirs)) {
                EXPECT_EQ(mine.text.ordinal, theirs.text.ordinal) << "another picture";
            }
            if (IsClass(theirs, "Static") && !IsPicture(theirs) && !theirs.text.name.empty()) {
                EXPECT_FALSE(mine.text.name.empty()) << "\"" << theirs.text.name << "\" left out";
            }
            if (id != IDD_ABOUTBOX && IsFixedToBackground(theirs)) {
                EXPECT_EQ((std::vector<short>{mine.x, mine.y, mine.cx, mine.cy}),
                          (std::vector<short>{theirs.x, vertical(theirs.y), theirs.cx, vertical(theirs.cy)}));
            }
        }
    }
    EXPECT_EQ(program.String(IDR_MAINFRAME, language).value_or(""), "Ravlen");
    for (UINT id = IDS_WIZARD_CAPTION; id <= IDS_HIDE_TRAY_ICON; ++id) {
        EXPECT_FALSE(program.String(id, language).value_or("").empty()) << "string " << id;
    }
    // The frame's menu, translated, reaches the English commands; Simplified
    // Chinese alone has the accelerators too.
    const auto menu = driver::LoadMenuEntries(program.module(), IDR_MAINFRAME, language);
    const auto englishMenu = driver::LoadMenuEntries(program.module(), IDR_MAINFRAME, kEnglish);
    ASSERT_TRUE(menu && englishMenu);
    ASSERT_EQ(menu->size(), englishMenu->size());
    for (size_t i = 0; i < menu->size(); ++i) {
        EXPECT_NE((*menu)[i].text, (*englishMenu)[i].text);
        ASSERT_EQ((*menu)[i].children.size(), (*englishMenu)[i].children.size());
        for (size_t j = 0; j < (*menu)[i].children.size(); ++j) {
            EXPECT_EQ((*menu)[i].children[j].command, (*englishMenu)[i].children[j].command);
        }
    }
    const auto keys = driver::LoadAcceleratorEntries(program.module(), IDR_MAINFRAME, language);
    EXPECT_EQ(keys.has_value(), language == 0x0804);
    const auto englishKeys = driver::LoadAcceleratorEntries(program.module(), IDR_MAINFRAME, kEnglish);
    ASSERT_TRUE(englishKeys);
    for (size_t i = 0; keys && i < englishKeys->size() && i < keys->size(); ++i) {
        EXPECT_EQ((*keys)[i].key, (*englishKeys)[i].key);
        EXPECT_EQ((*keys)[i].flags & ~0x80, (*englishKeys)[i].flags & ~0x80);  // 0x80 marks the last entry
        EXPECT_EQ((*keys)[i].command, (*englishKeys)[i].command);
    }
    if (keys) {
        EXPECT_EQ(keys->size(), englishKeys->size());
    }
}

INSTANTIATE_TEST_SUITE_P(Built, CjkLanguageTest, testing::Values(0x0404, 0x0411, 0x0804),
                         [](const testing::TestParamInfo<LANGID>& param) {
                             return param.param == 0x0411 ? "Japanese" : param.param == 0x0404 ? "ChineseTraditional"
                                                                                                : "ChineseSimplified";
                         });

}  // namespace
