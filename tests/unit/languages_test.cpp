// The translated resources linked into this test program: every language
// carries the English dialogs control for control (ids, classes, styles,
// order), keeps the page frame and the pictures where the English templates put
// them, has the whole string table, shares texts where two languages are meant
// to, and shows every text without clipping in the fonts the pages give their
// controls.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "resource.h"
#include "resource_reader.h"

namespace {

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr LANGID kSlovak = MAKELANGID(LANG_SLOVAK, SUBLANG_DEFAULT);
constexpr LANGID kSpanish = MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH);

struct Language {
    LANGID id;
    const char* name;
    bool englishHideString;  // 61222 keeps the English text
    bool sizeList;           // carries the size list of dialog 139
};

const std::vector<Language> kLanguages = {
    {MAKELANGID(LANG_CZECH, SUBLANG_DEFAULT), "Czech", false, true},
    {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), "German", false, false},
    {kSpanish, "SpanishTraditional", false, false},
    {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN), "SpanishMexico", true, false},
    {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), "SpanishModern", false, false},
    {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), "French", false, false},
    {MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN), "Italian", false, false},
    {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), "PortugueseBrazil", false, false},
    {kSlovak, "Slovak", false, true},
    {MAKELANGID(LANG_SLOVENIAN, SUBLANG_DEFAULT), "Slovenian", true, true},
    {MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT), "Turkish", false, false},
};

constexpr WORD kDialogs[] = {IDD_ABOUTBOX,       IDD_WELCOME,     IDD_INTERNET_NAV, IDD_LUMORA,
                             IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_SUMMARY,      IDD_OSD};

HMODULE Self() { return GetModuleHandleA(nullptr); }

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

bool IsPicture(const driver::DialogItem& item) {
    const DWORD type = item.style & SS_TYPEMASK;
    return lstrcmpiA(item.className.c_str(), "Static") == 0 && (type == SS_BITMAP || type == SS_ICON);
}

// The title, the Tab strip labels and the strip picture line up with the page
// background.
bool IsPageFrame(int id) {
    return (id >= IDC_TAB_INTERNET_NAV && id <= IDC_TITLE) || (id >= IDC_STRIP_WELCOME && id <= IDC_STRIP_SUMMARY);
}

void PrintTo(const Language& language, std::ostream* out) { *out << language.name; }

class LanguageTest : public testing::TestWithParam<Language> {};

TEST_P(LanguageTest, DialogsHaveTheEnglishControlsAndKeepFrameAndPicturesInPlace) {
    for (WORD id : kDialogs) {
        const driver::DialogTemplate english = Load(id, kEnglish);
        const driver::DialogTemplate dialog = Load(id, GetParam().id);
        EXPECT_EQ(dialog.cx, english.cx) << id;
        EXPECT_EQ(dialog.cy, english.cy) << id;
        EXPECT_EQ(dialog.style, english.style) << id;
        EXPECT_EQ(dialog.typeface, "MS Sans Serif") << id;
        EXPECT_EQ(dialog.pointSize, 8) << id;
        EXPECT_NE(dialog.caption, english.caption) << id;
        // Control by control in the same order: radio groups and tab order depend
        // on it.
        ASSERT_EQ(dialog.items.size(), english.items.size()) << "dialog " << id;
        for (size_t i = 0; i < english.items.size(); ++i) {
            const driver::DialogItem& want = english.items[i];
            const driver::DialogItem& have = dialog.items[i];
            ASSERT_EQ(have.id, want.id) << "item " << i << " of dialog " << id;
            EXPECT_EQ(have.className, want.className) << Describe(id, have);
            EXPECT_EQ(have.style, want.style) << Describe(id, have);
            if (IsPicture(want) || IsPageFrame(want.id)) {
                EXPECT_EQ(have.text.ordinal, want.text.ordinal) << Describe(id, have);
                EXPECT_EQ((std::vector<short>{have.x, have.y, have.cx, have.cy}),
                          (std::vector<short>{want.x, want.y, want.cx, want.cy}))
                    << Describe(id, have);
            }
        }
    }
}

TEST_P(LanguageTest, StringTableIsCompleteAndHidesTheTrayIconInItsLanguage) {
    const LANGID language = GetParam().id;
    EXPECT_EQ(driver::LoadStringIn(Self(), IDR_MAINFRAME, language), "Ravlen");
    for (UINT id = IDS_WIZARD_CAPTION; id <= IDS_HIDE_TRAY_ICON; ++id) {
        EXPECT_TRUE(driver::LoadStringIn(Self(), id, language)) << id;
    }
    EXPECT_NE(driver::LoadStringIn(Self(), IDS_WIZARD_CAPTION, language),
              driver::LoadStringIn(Self(), IDS_WIZARD_CAPTION, kEnglish));
    const auto hide = driver::LoadStringIn(Self(), IDS_HIDE_TRAY_ICON, language);
    if (GetParam().englishHideString) {
        EXPECT_EQ(hide, "Hide System System Icon");
    } else {
        EXPECT_NE(hide, "Hide System System Icon");
        EXPECT_NE(hide, driver::LoadStringIn(Self(), IDS_SHOW_TRAY_ICON, language));
    }
}

TEST_P(LanguageTest, SizeListAndFrameMenuOnlyWhereTheyBelong) {
    const LANGID language = GetParam().id;
    const auto sizes = driver::LoadDialogInit(Self(), IDD_OSD, language);
    EXPECT_EQ(sizes.has_value(), GetParam().sizeList);
    if (sizes) {
        std::vector<std::string> texts;
        for (const driver::DialogInitEntry& entry : *sizes) {
            EXPECT_EQ(entry.control, IDC_OSD_SIZE_COMBO);
            texts.push_back(entry.Text());
        }
        EXPECT_EQ(texts, (std::vector<std::string>{"12", "14", "18", "26", "28", "36", "48", "72"}));
    }
    EXPECT_FALSE(driver::LoadMenuEntries(Self(), IDR_MAINFRAME, language));
    EXPECT_FALSE(driver::LoadAcceleratorEntries(Self(), IDR_MAINFRAME, language));
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
    auto string = [&](UINT id) { return driver::LoadStringIn(Self(), id, language).value_or(""); };
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
    for (UINT id : ids) texts.push_back(string(id));
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

TEST_P(LanguageTest, EveryTextFitsItsControl) { ExpectTextsFit(GetParam().id); }

// The measure itself, held to the English templates that the pages were laid
// out with.
TEST(English, EveryTextFitsItsControl) { ExpectTextsFit(kEnglish); }

INSTANTIATE_TEST_SUITE_P(Translations, LanguageTest, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<Language>& param) { return std::string(param.param.name); });

// ---- One name per page

// A label as one would read it: a line break set by hand joins the two lines
// (it splits a compound or stands where Chinese and Japanese put no blank),
// a word split with a hyphen there is whole again, and runs of blanks are one.
std::string Reading(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && i + 1 < text.size() && text[i + 1] == '\n' && i + 2 < text.size() &&
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

constexpr LANGID kAllLanguages[] = {0x0404, 0x0405, 0x0407, 0x0409, 0x040A, 0x040C, 0x0410, 0x0411,
                                    0x0416, 0x041B, 0x041F, 0x0424, 0x0804, 0x080A, 0x0C0A};

// The hidden frame's commands carry the framework's prompts in every language,
// each as "status-bar text\ntooltip" in the language's own words, and so does
// the idle prompt.
TEST(FramePrompts, EveryLanguageHasItsOwnPromptForEachCommandOfTheFrame) {
    const UINT commands[] = {ID_EDIT_COPY, ID_EDIT_CUT,  ID_EDIT_PASTE, ID_EDIT_UNDO,
                             ID_APP_ABOUT, ID_APP_EXIT, ID_NEXT_PANE,  ID_PREV_PANE};
    for (LANGID language : kAllLanguages) {
        const auto idle = driver::LoadStringIn(Self(), AFX_IDS_IDLEMESSAGE, language);
        EXPECT_TRUE(idle && !idle->empty() && idle->find('\n') == std::string::npos) << language;
        std::set<std::string> tips;
        for (UINT id : commands) {
            const std::string text = driver::LoadStringIn(Self(), id, language).value_or("");
            const size_t newline = text.find('\n');
            EXPECT_TRUE(newline != std::string::npos && newline > 0 && newline + 1 < text.size() &&
                        text.find('\n', newline + 1) == std::string::npos)
                << "language " << language << " command " << id << ": \"" << text << "\"";
            tips.insert(text.substr(newline == std::string::npos ? 0 : newline + 1));
            if (language != kEnglish) {
                EXPECT_NE(text, driver::LoadStringIn(Self(), id, kEnglish).value_or("")) << language << " " << id;
            }
        }
        EXPECT_EQ(tips.size(), std::size(commands)) << "commands share a tooltip in language " << language;
    }
}

// Every page shows the same Tab strip, and a page's title is the name its
// label gives it, so that the reader meets one name for each page.
TEST(PageNames, EveryTemplateHasTheSameTabStripAndEachTitleMatchesItsLabel) {
    const WORD pages[] = {IDD_INTERNET_NAV, IDD_LUMORA, IDD_CUSTOMIZE_KEYS, IDD_PRINT_LABEL, IDD_OSD, IDD_SUMMARY};
    for (LANGID language : kAllLanguages) {
        const driver::DialogTemplate welcome = Load(IDD_WELCOME, language);
        for (WORD id : kDialogs) {
            if (id == IDD_ABOUTBOX) continue;
            const driver::DialogTemplate dialog = Load(id, language);
            for (int label = IDC_TAB_INTERNET_NAV; label <= IDC_TAB_SUMMARY; ++label) {
                ASSERT_TRUE(dialog.Find(label) && welcome.Find(label)) << language << " dialog " << id;
                EXPECT_EQ(dialog.Find(label)->text.name, welcome.Find(label)->text.name)
                    << "language " << language << " dialog " << id << " label " << label;
            }
        }
        for (int i = 0; i < 6; ++i) {
            const driver::DialogTemplate page = Load(pages[i], language);
            ASSERT_TRUE(page.Find(IDC_TITLE)) << language << " dialog " << pages[i];
            EXPECT_EQ(Reading(page.Find(IDC_TITLE)->text.name),
                      Reading(welcome.Find(IDC_TAB_INTERNET_NAV + i)->text.name))
                << "language " << language << " dialog " << pages[i];
        }
    }
}

// ---- Languages that carry another language's texts

void ExpectSameTexts(LANGID language, LANGID source) {
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
        EXPECT_EQ(driver::LoadStringIn(Self(), id, language), driver::LoadStringIn(Self(), id, source)) << id;
    }
}

TEST(SharedTexts, SlovenianCarriesTheSlovakTexts) {
    ExpectSameTexts(MAKELANGID(LANG_SLOVENIAN, SUBLANG_DEFAULT), kSlovak);
}

TEST(SharedTexts, MexicanAndModernSpanishCarryTheTraditionalSpanishTexts) {
    ExpectSameTexts(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN), kSpanish);
    ExpectSameTexts(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), kSpanish);
    EXPECT_EQ(driver::LoadStringIn(Self(), IDS_HIDE_TRAY_ICON, MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)),
              driver::LoadStringIn(Self(), IDS_HIDE_TRAY_ICON, kSpanish));
}

TEST(SizeList, EnglishKeepsItsCopy) { EXPECT_TRUE(driver::LoadDialogInit(Self(), IDD_OSD, kEnglish)); }

}  // namespace
