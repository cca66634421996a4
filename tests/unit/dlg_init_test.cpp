// A dialog's initialisation data added to its lists, and data that is cut
// short or malformed adding only what is whole.
#include "dlg_init.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kCombo = 1030;

class Bytes {
public:
    Bytes& Word(WORD value) { return Raw(&value, sizeof value); }
    Bytes& Dword(DWORD value) { return Raw(&value, sizeof value); }
    Bytes& Entry(WORD control, WORD message, const std::string& text) {
        Word(control).Word(message).Dword(static_cast<DWORD>(text.size() + 1));
        return Raw(text.c_str(), text.size() + 1);
    }
    Bytes& Raw(const void* data, size_t size) {
        const auto* bytes = static_cast<const BYTE*>(data);
        for (size_t i = 0; i < size; ++i) data_.push_back(bytes[i]);
        return *this;
    }
    const BYTE* data() const { return data_.data(); }
    DWORD size() const { return static_cast<DWORD>(data_.size()); }

private:
    std::vector<BYTE> data_;
};

// A hidden parent with the sorted size list's combo box; its items.
class DlgInitTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        combo_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 100, 100, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCombo)), nullptr, nullptr);
        ASSERT_NE(combo_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    std::vector<std::string> Items() const {
        std::vector<std::string> items(static_cast<size_t>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)));
        for (size_t i = 0; i < items.size(); ++i) {
            char text[64] = {};
            SendMessageA(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items[i] = text;
        }
        return items;
    }
    HWND parent_ = nullptr, combo_ = nullptr;
};

}  // namespace

// Each row's data is added to an emptied list: what is whole before the end
// marker or the end of the data gets in, nothing else.
TEST_F(DlgInitTest, AddsWholeEntriesInOrderUpToTheEndAndNothingMalformed) {
    Bytes whole;
    whole.Entry(kCombo, 0x0403, "12").Entry(kCombo, 0x0403, "14");
    Bytes ended = whole;
    ended.Entry(kCombo, 0x0403, "72").Word(0).Entry(kCombo, 0x0403, "after the end");
    // A length past the end, a text without its zero, an unknown message.
    Bytes bad;
    bad.Word(kCombo).Word(0x0403).Dword(3).Raw("abc", 3).Entry(kCombo, 0x1234, "other message");
    bad.Entry(kCombo, 0x0403, "ok").Word(kCombo).Word(0x0403).Dword(0xFFFFFFF0u).Raw("x", 2);
    const struct {
        const char* what;
        const BYTE* data;
        DWORD size;
        std::vector<std::string> items;
    } rows[] = {
        {"up to the end marker", ended.data(), ended.size(), {"12", "14", "72"}},
        {"cut inside the second text", whole.data(), whole.size() - 2, {"12"}},
        {"cut inside the second header", whole.data(), 11, {"12"}},
        {"malformed entries", bad.data(), bad.size(), {"ok"}},
        {"no data", nullptr, 100, {}},
    };
    for (const auto& row : rows) {
        SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
        ExecuteDlgInitData(parent_, row.data, row.size);
        EXPECT_EQ(Items(), row.items) << row.what;
    }
}
