// Finding another program's windows, reading what a person would see of
// them, and working them as a person does.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace driver {

// What a top-level window must match; empty fields match anything.
struct WindowQuery {
    std::string className;
    std::string caption;
    DWORD processId = 0;
    std::string Describe() const;
};

std::vector<HWND> TopLevelWindows(const WindowQuery& query);
// Waits for a matching top-level window; null (and a failure) on timeout.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs);
bool WaitForNoWindow(const WindowQuery& query, DWORD timeoutMs);

std::string ClassName(HWND window);
std::string Text(HWND window);
// What the window shows, read as Unicode and given as UTF-8, so that no code
// page stands between the program's language and the test's.
std::string ShownText(HWND window);
// UTF-16 as UTF-8, and text in the ANSI code page as UTF-16.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& text);
bool IsVisible(HWND window);
bool IsEnabled(HWND window);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
int CheckState(HWND window);
// The window's rectangle in the client coordinates of parent.
RECT RectIn(HWND window, HWND parent);
HWND Owner(HWND window);

// Waits until window and its visible descendants have no paint pending and
// the window's thread is back in its message loop, so that what a screenshot
// takes is what a person sees.
bool WaitUntilPainted(HWND window, DWORD timeoutMs);

// Posts BM_CLICK, as a click on the button would do; the test then waits for
// what the click causes.
void ClickButton(HWND button);
// Asks a window to close, as its close box does.
void Close(HWND window);

// The selected index, -1 for none or when the combo does not answer.
int ComboSelection(HWND combo);
int ComboCount(HWND combo);
// An item's text (a combo that keeps strings); empty when it cannot be read.
std::string ComboItemText(HWND combo, int index);
// Clicks the combo (which opens its list and takes the focus), closes the list
// and walks to index with Home and Down, each step a selection change the
// owner hears of. Waits until the combo shows index.
bool ChooseComboItem(HWND combo, int index);

// The child of parent (TVI_ROOT for the top level) whose text is text; null
// when there is none or the tree does not answer.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text);
// Scrolls the item into view and clicks its text, as a person picks it.
bool ClickTreeItem(HWND tree, HTREEITEM item);

// Mouse and keyboard input go through the system's input queue; points are in
// window's client coordinates.
void MoveCursorTo(HWND window, POINT client);
void ClickAt(HWND window, POINT client);
POINT CentreOf(HWND window);
// Brings window to the front so that it receives the keys.
void Activate(HWND window);
// Presses and releases the keys in order, holding none.
void PressKeys(std::initializer_list<WORD> virtualKeys);
// Presses a key while the modifiers are held, e.g. PressChord({VK_MENU}, 'N').
void PressChord(std::initializer_list<WORD> modifiers, WORD key);

// Saves the part of the screen that window covers (the whole screen for null)
// as <RAVLEN_SCREENSHOT_DIR>\<name>.png, for a person to look at.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);
std::string ScreenshotPath(const std::string& name);

}  // namespace driver
