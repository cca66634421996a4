// The translated resources linked into this test program. Every language
// carries the English dialogs control for control (ids, classes, styles,
// order) with the page frame and the pictures where the backgrounds have them,
// the whole string table and the frame's prompts, the frame's menu, keys and
// size list where they belong; languages share texts only where they are meant
// to; and every text fits its control in the fonts the pages give it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "resource.h"
#include "resource_reader.h"

namespace {

constexpr LANGID kEnglish = 0x0409;
constexpr LANGID kTraditionalChinese = 0x0404;

struct Language {
    LANGID id;
    const char* name;
    LANGID textsOf;       // the language whose texts it carries, or 0
    bool englishHide;     // IDS_HIDE_TRAY_ICON keeps the English text
    bool sizeList;        // the dialog data with the On-Screen Display's sizes
    bool menu, keys;      // the frame's menu and accelerators
    bool measured;        // its texts are measured below (not Chinese or Japanese)
};

const std::vector<Language> kLanguages = {
    {0x0404, "ChineseTraditional", 0, false, false, true, false, false},
    {0x0405, "Czech", 0, false, true, false, false, true},
    {0x0407, "German", 0, false, false, false, false, true},
    {0x0409, "English", 0, true, true, true, true, true},
    {0x040A, "SpanishTraditional", 0, false, false, false, false, true},
    {0x040C, "French", 0, false, false, false, false, true},
    {0x0410, "Italian", 0, false, false, false, false, true},
    {0x0411, "Japanese", 0, false, false, true, false, false},
    {0x0416, "PortugueseBrazil", 0, false, false, false, false, true},
    {0x041B, "Slovak", 0, false, true, false, false, true},
    {0x041F, "Turkish", 0, false, false, false, false, true},
    {0x0424, "Slovenian", 0x041B, true, true, false, false, true},
    {0x0804, "ChineseSimplified", 0, false, false, true, true, false},
    {0x080A, "SpanishMexico", 0x040A, true, false, false, false, true},
    {0x0C0A, "SpanishModern", 0x040A, false, false, false, false, true},
};

constexpr WORD kDialogs[] = {IDD_ABOUTBOX,       IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA,
                             IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_SUMMARY,      IDD_OSD};

HMODULE Self() { return GetModuleHandleA(nullptr); }
std::string String(UINT id, LANGID language) { return driver::LoadStringIn(Self(), id, language).value_or(""); }

driver::DialogTemplate Load(WORD dialog, LANGID language) {
    std::string error;
    auto loaded = driver::LoadDialogTemplate(Self(), dialog, language, &error);
    EXPECT_TRUE(loaded) << "dialog " << dialog << " in language " << language << ": " << error;
    return loaded ? std::move(*loaded) : driver::DialogTemplate{};
}

std::string Describe(WORD dialog, const driver::DialogItem& item) {
    return "dialog " + std::to_string(dialog) + " control " + std::to_string(item.id) + " \"" + item.text.name +
           "\" (" + std::to_string(item.x) + "," + std::to_string(item.y) + " " + std::to_string(item.cx) + "x" +
           std::to_string(item.cy) + ")";
}

bool IsClass(const driver::DialogItem& item, const char* name) { return lstrcmpiA(item.className.c_str(), name) == 0; }
bool IsPicture(const driver::DialogItem& item) {
    const DWORD type = item.style & SS_TYPEMASK;
    return IsClass(item, "Static") && (type == SS_BITMAP || type == SS_ICON);
}

// The title, the Tab strip labels and the strip picture line up with the page
// background.
bool IsPageFrame(int id) {
    return (id >= IDC_TAB_INTERNET_NAV && id <= IDC_TITLE) || (id >= IDC_STRIP_WELCOME && id <= IDC_STRIP_SUMMARY);
}

// The page frame scales Traditional Chinese pages with 12 instead of 13 as the
// vertical reference, so their vertical dialog units are 13/12 of the English.
short Vertical(short english, LANGID language) {
    return language == kTraditionalChinese ? static_cast<short>(std::lround(english * 13.0 / 12.0)) : english;
}

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

class LanguageTest : public testing::TestWithParam<Language> {};

TEST_P(LanguageTest, DialogsHaveTheEnglishControlsAndKeepFrameAndPicturesInPlace) {
    const LANGID language = GetParam().id;
    const bool traditional = language == kTraditionalChinese;
    for (WORD id : kDialogs) {
        const driver::DialogTemplate english = Load(id, kEnglish);
        const driver::DialogTemplate dialog = Load(id, language);
        EXPECT_EQ(dialog.cx, english.cx) << id;
        EXPECT_EQ(dialog.cy, Vertical(english.cy, language)) << id;
        EXPECT_EQ(dialog.style, english.style) << id;
        EXPECT_EQ(dialog.typeface, traditional ? "\xE6\x96\xB0\xE7\xB4\xB0\xE6\x98\x8E\xE9\xAB\x94" : "MS Sans Serif");
        EXPECT_EQ(dialog.pointSize, traditional ? 9 : 8) << id;
        EXPECT_TRUE(language == kEnglish || dialog.caption != english.caption) << id;
        // Control by control in the same order: radio groups and tab order depend on it.
        ASSERT_EQ(dialog.items.size(), english.items.size()) << "dialog " << id;
        for (size_t i = 0; i < english.items.size(); ++i) {
            const driver::DialogItem& want = english.items[i];
            const driver::DialogItem& have = dialog.items[i];
            ASSERT_EQ(have.id, want.id) << "item " << i << " of dialog " << id;
            EXPECT_TRUE(IsClass(have, want.className.c_str())) << Describe(id, have);
            EXPECT_EQ(have.style, want.style) << Describe(id, have);
            if (IsPicture(want) || IsPageFrame(want.id)) {
                EXPECT_EQ(have.text.ordinal, want.text.ordinal) << Describe(id, have);
                EXPECT_EQ((std::vector<short>{have.x, have.y, have.cx, have.cy}),
                          (std::vector<short>{want.x, Vertical(want.y, language), want.cx,
                                              Vertical(want.cy, language)}))
                    << Describe(id, have);
            }
            if (IsClass(want, "Static") && !IsPicture(want) && !want.text.name.empty()) {
                EXPECT_FALSE(have.text.name.empty()) << "untranslated: " << Describe(id, want);
            }
        }
    }
}

TEST_P(LanguageTest, StringTableIsCompleteAndHidesTheTrayIconInItsLanguage) {
    const LANGID language = GetParam().id;
    EXPECT_EQ(String(IDR_MAINFRAME, language), "Ravlen");
    for (UINT id = IDS_WIZARD_CAPTION; id <= IDS_HIDE_TRAY_ICON; ++id) EXPECT_NE(String(id, language), "") << id;
    EXPECT_TRUE(language == kEnglish || String(IDS_WIZARD_CAPTION, language) != String(IDS_WIZARD_CAPTION, kEnglish));
    const std::string hide = String(IDS_HIDE_TRAY_ICON, language);
    EXPECT_EQ(hide == String(IDS_HIDE_TRAY_ICON, kEnglish), GetParam().englishHide) << hide;
    EXPECT_NE(hide, String(IDS_SHOW_TRAY_ICON, language));
}

TEST_P(LanguageTest, SizeListMenuAndKeysOnlyWhereTheyBelong) {
    const LANGID language = GetParam().id;
    const auto sizes = driver::LoadDialogInit(Self(), IDD_OSD, language);
    ASSERT_EQ(sizes.has_value(), GetParam().sizeList);
    if (sizes) {
        std::vector<std::string> texts;
        for (const driver::DialogInitEntry& entry : *sizes) {
            EXPECT_EQ(entry.control, IDC_OSD_SIZE_COMBO);
            EXPECT_EQ(entry.message, 0x0403);  // CB_ADDSTRING as the data numbers it
            texts.push_back(entry.Text());
        }
        EXPECT_EQ(texts, (std::vector<std::string>{"12", "14", "18", "26", "28", "36", "48", "72"}));
    }
    // The menus are translated and reach the English commands; the keys are the English ones.
    const auto english = driver::LoadMenuEntries(Self(), IDR_MAINFRAME, kEnglish);
    const auto menu = driver::LoadMenuEntries(Self(), IDR_MAINFRAME, language);
    ASSERT_TRUE(english);
    ASSERT_EQ(menu.has_value(), GetParam().menu);
    for (size_t i = 0; menu && i < english->size(); ++i) {
        ASSERT_LT(i, menu->size());
        EXPECT_TRUE(language == kEnglish || (*menu)[i].text != (*english)[i].text) << (*menu)[i].text;
        ASSERT_EQ((*menu)[i].children.size(), (*english)[i].children.size());
        for (size_t j = 0; j < (*menu)[i].children.size(); ++j) {
            EXPECT_EQ((*menu)[i].children[j].command, (*english)[i].children[j].command);
        }
    }
    const auto englishKeys = driver::LoadAcceleratorEntries(Self(), IDR_MAINFRAME, kEnglish);
    const auto keys = driver::LoadAcceleratorEntries(Self(), IDR_MAINFRAME, language);
    ASSERT_TRUE(englishKeys);
    ASSERT_EQ(keys.has_value(), GetParam().keys);
    for (size_t i = 0; keys && i < englishKeys->size(); ++i) {
        ASSERT_LT(i, keys->size());
        EXPECT_EQ((*keys)[i].key, (*englishKeys)[i].key);
        EXPECT_EQ((*keys)[i].flags, (*englishKeys)[i].flags);
        EXPECT_EQ((*keys)[i].command, (*englishKeys)[i].command);
    }
}

// A language that carries another's texts has them all, in the same places;
// every other language has its own.
TEST_P(LanguageTest, SharesItsTextsOnlyWithTheLanguageItCarries) {
    const LANGID language = GetParam().id;
    if (!GetParam().textsOf) {
        const driver::DialogTemplate page = Load(IDD_INTERNET_NAV, language);
        for (const Language& other : kLanguages) {
            if (other.id == language || other.textsOf) continue;
            const driver::DialogTemplate theirs = Load(IDD_INTERNET_NAV, other.id);
            ASSERT_TRUE(page.Find(IDC_INAV_TEXT1) && theirs.Find(IDC_INAV_TEXT1));
            EXPECT_NE(page.Find(IDC_INAV_TEXT1)->text.name, theirs.Find(IDC_INAV_TEXT1)->text.name) << other.name;
        }
        return;
    }
    const LANGID source = GetParam().textsOf;
    for (WORD id : kDialogs) {
        const driver::DialogTemplate dialog = Load(id, language);
        const driver::DialogTemplate original = Load(id, source);
        EXPECT_EQ(dialog.caption, original.caption) << id;
        ASSERT_EQ(dialog.items.size(), original.items.size()) << id;
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            const driver::DialogItem& a = dialog.items[i];
            const driver::DialogItem& b = original.items[i];
            EXPECT_EQ(a.text.name, b.text.name) << Describe(id, a);
            EXPECT_EQ((std::vector<short>{a.x, a.y, a.cx, a.cy}), (std::vector<short>{b.x, b.y, b.cx, b.cy}))
                << Describe(id, a);
        }
    }
    for (UINT id = IDS_WIZARD_CAPTION; id < IDS_HIDE_TRAY_ICON; ++id) {
        EXPECT_EQ(String(id, language), String(id, source)) << id;
    }
}

// The frame's commands carry the framework's prompts in the language's own
// words, each as "status-bar text\ntooltip", and so does the idle prompt.
TEST_P(LanguageTest, HasItsOwnPromptForEachCommandOfTheFrame) {
    const LANGID language = GetParam().id;
    const UINT commands[] = {ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO,
                             ID_APP_ABOUT, ID_APP_EXIT, ID_NEXT_PANE, ID_PREV_PANE};
    const std::string idle = String(AFX_IDS_IDLEMESSAGE, language);
    EXPECT_TRUE(!idle.empty() && idle.find('\n') == std::string::npos) << idle;
    std::set<std::string> tips;
    for (UINT id : commands) {
        const std::string text = String(id, language);
        const size_t newline = text.find('\n');
        EXPECT_TRUE(newline != std::string::npos && newline > 0 && newline + 1 < text.size() &&
                    text.find('\n', newline + 1) == std::string::npos)
            << "command " << id << ": \"" << text << "\"";
        tips.insert(text.substr(newline == std::string::npos ? 0 : newline + 1));
        EXPECT_TRUE(language == kEnglish || text != String(id, kEnglish)) << text;
    }
    EXPECT_EQ(tips.size(), std::size(commands)) << "commands share a tooltip";
}

// A label as one would read it: a line break set by hand joins the two lines
// (it splits a compound or stands where Chinese and Japanese put no blank),
// a word split with a hyphen there is whole again, and runs of blanks are one.
std::string Reading(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && i + 2 < text.size() && text[i + 1] == '\n' &&
            std::islower(static_cast<unsigned char>(text[i + 2]))) {
            ++i;  // "Bildschirm-\nanzeigen" reads "Bildschirmanzeigen"
        } else if (c == ' ') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else if (c != '\n') {
            out += c;
        }
    }
    return out;
}

// Every page shows the Welcome page's Tab strip, and a page's title is the
// name its label gives it, so that the reader meets one name for each page.
TEST_P(LanguageTest, EveryPageHasTheSameTabStripAndEachTitleMatchesItsLabel) {
    const LANGID language = GetParam().id;
    const WORD pages[] = {IDD_INTERNET_NAV, IDD_LUMORA, IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_OSD, IDD_SUMMARY};
    const driver::DialogTemplate welcome = Load(IDD_WELCOME, language);
    for (int i = 0; i < 6; ++i) {
        const driver::DialogTemplate page = Load(pages[i], language);
        for (int label = IDC_TAB_INTERNET_NAV; label <= IDC_TAB_SUMMARY; ++label) {
            const driver::DialogItem* mine = page.Find(label);
            const driver::DialogItem* theirs = welcome.Find(label);
            ASSERT_TRUE(mine && theirs) << "dialog " << pages[i] << " label " << label;
            EXPECT_TRUE(mine->text.name == theirs->text.name && mine->style == theirs->style && mine->x == theirs->x &&
                        mine->y == theirs->y && mine->cx == theirs->cx && mine->cy == theirs->cy)
                << Describe(pages[i], *mine) << " against the Welcome page's " << Describe(IDD_WELCOME, *theirs);
        }
        ASSERT_TRUE(page.Find(IDC_TITLE)) << "dialog " << pages[i];
        EXPECT_EQ(Reading(page.Find(IDC_TITLE)->text.name), Reading(welcome.Find(IDC_TAB_INTERNET_NAV + i)->text.name))
            << "dialog " << pages[i];
    }
}

// ---- Fitting the texts

template <typename Handle, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, std::integral_constant<decltype(Release), Release>>;
using OwnedDC = Owned<HDC, &DeleteDC>;
using OwnedFont = Owned<HFONT, &DeleteObject>;

OwnedFont MakeFont(int height, int weight, int width = 0, const wchar_t* face = L"MS Sans Serif") {
    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return OwnedFont(CreateFontIndirectW(&font));
}

std::wstring Wide(const std::string& text) {
    std::wstring out(text.size(), L'\0');
    out.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                       out.data(), static_cast<int>(out.size()))));
    return out;
}

// Measures texts as the pages show them: the controls are placed at 6 × 13
// pixels per 4 × 8 dialog units and carry the frame's fonts (a 9-point body,
// the bold Tab strip label of the current page, the Arial title, the big
// heading and the Summary's bold 11-point states); the About box keeps its
// 8-point dialog font.
class Measurer {
public:
    // Wine's stand-in for the dialog font runs up to an eighth wider than the
    // original, as the English templates (laid out in the original) show.
    static int Allowance(int width) { return width * 112 / 100; }

    Measurer()
        : dc_(CreateCompatibleDC(nullptr)),
          body_(MakeFont(-12, FW_NORMAL)),
          label_(MakeFont(-12, FW_BOLD)),
          title_(MakeFont(-21, FW_NORMAL, 0, L"Arial")),
          heading_(MakeFont(-32, FW_BOLD, 17)),
          state_(MakeFont(-15, FW_BOLD)),
          about_(MakeFont(-11, FW_NORMAL)) {}

    // Empty when the text fits; otherwise what overflows.
    std::string Overflow(WORD dialog, const driver::DialogItem& item, const std::string& text) const {
        const bool button = lstrcmpiA(item.className.c_str(), "Button") == 0;
        const DWORD kind = item.style & (button ? BS_TYPEMASK : SS_TYPEMASK);
        HFONT font = FontFor(dialog, item.id);
        SelectObject(dc_.get(), font);
        int width = item.cx * 6 / 4;
        const int height = item.cy * 13 / 8;
        if (button && (kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON)) width -= 16;  // the check mark and gap
        if (button && kind != BS_AUTORADIOBUTTON && kind != BS_RADIOBUTTON) width -= 6;     // push button edges
        const std::wstring wide = Wide(text);
        RECT rect = {0, 0, Allowance(width), 0};
        UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
        if (item.style & SS_NOPREFIX && !button) format |= DT_NOPREFIX;
        DrawTextW(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &rect, format);
        RECT one = {0, 0, width, 0};
        DrawTextW(dc_.get(), L"X", 1, &one, format);
        const int lineHeight = std::max(1, static_cast<int>(one.bottom));
        const int lines = (rect.bottom + lineHeight - 1) / lineHeight;
        const int room = std::max(1, (height + 2) / lineHeight);
        if (rect.right <= Allowance(width) && lines <= room) return {};
        RECT line = {0, 0, 0, 0};
        DrawTextW(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &line,
                  (format & ~DT_WORDBREAK) | DT_SINGLELINE);
        return "\"" + text + "\" (" + std::to_string(line.right) + " px on one line) needs " +
               std::to_string(rect.right) + " px in " + std::to_string(lines) + " line(s) of " +
               std::to_string(lineHeight) + ", has " + std::to_string(width) + " px for " + std::to_string(room);
    }

private:
    HFONT FontFor(WORD dialog, int id) const {
        if (dialog == IDD_ABOUTBOX) return about_.get();
        if (id == IDC_TITLE) return title_.get();
        if (dialog == IDD_WELCOME && id == IDC_WELCOME_HEADING) return heading_.get();
        if (id >= IDC_TAB_INTERNET_NAV && id <= IDC_TAB_SUMMARY) return label_.get();
        if (dialog == IDD_SUMMARY && id >= IDC_SUMMARY_INAV && id <= IDC_SUMMARY_TRAY) return state_.get();
        return body_.get();
    }

    OwnedDC dc_;
    OwnedFont body_, label_, title_, heading_, state_, about_;
};

// Texts that the pages put into controls at run time, besides the template's
// own.
std::vector<std::string> RuntimeTexts(WORD dialog, const driver::DialogItem& item, LANGID language) {
    std::vector<UINT> ids;
    if (dialog == IDD_SUMMARY && (item.id == IDC_SUMMARY_INAV || item.id == IDC_SUMMARY_LUMORA))
        ids = {IDS_ENABLE, IDS_DISABLE};
    if (dialog == IDD_SUMMARY && item.id == IDC_SUMMARY_PRINT) ids = {IDS_YES, IDS_NO};
    if (dialog == IDD_SUMMARY && item.id == IDC_SUMMARY_TRAY) ids = {IDS_SHOW_TRAY_ICON, IDS_HIDE_TRAY_ICON};
    if (dialog == IDD_CUSTOMIZE_KEYS && item.id == IDC_CHOOSER_PROMPT)
        ids = {IDS_SELECT_FILE, IDS_SELECT_WEB_PAGE, IDS_SELECT_PROGRAM};
    const bool keyName =
        (dialog == IDD_CUSTOMIZE_KEYS && item.id >= IDC_KEY1_NAME && item.id <= IDC_KEY7_NAME) ||
        (dialog == IDD_SUMMARY && item.id >= IDC_SUMMARY_KEY1_NAME && item.id <= IDC_SUMMARY_KEY7_NAME);
    if (keyName)
        ids = {IDS_KEY1_NAME, IDS_KEY2_NAME, IDS_KEY3_NAME, IDS_KEY4_NAME, IDS_KEY5_NAME, IDS_KEY6_NAME, IDS_KEY7_NAME};
    std::vector<std::string> texts;
    for (UINT id : ids) texts.push_back(String(id, language));
    if (dialog == IDD_WELCOME && item.id == IDC_VERSION) texts.push_back(item.text.name + "1.0.0.2");
    if (dialog == IDD_SUMMARY && item.id == IDC_SUMMARY_OSD_SIZE) texts.push_back(item.text.name + "72");
    return texts;
}

void ExpectTextsFit(LANGID language) {
    const Measurer measurer;
    for (WORD id : kDialogs) {
        const driver::DialogTemplate dialog = Load(id, language);
        for (const driver::DialogItem& item : dialog.items) {
            if (IsPicture(item) || item.text.IsOrdinal()) continue;
            std::vector<std::string> texts = RuntimeTexts(id, item, language);
            if (!item.text.name.empty()) texts.push_back(item.text.name);
            for (const std::string& text : texts) {
                EXPECT_EQ(measurer.Overflow(id, item, text), "") << Describe(id, item);
            }
        }
    }
}

TEST(TextFit, EveryTextFitsItsControlInTheLanguagesMeasuredHere) {
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.name);
        if (language.measured) ExpectTextsFit(language.id);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& param) { return std::string(param.param.name); });

}  // namespace
