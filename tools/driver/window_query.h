// Finding another program's windows, reading what a person would see of
// them, and working them as a person does.
#pragma once

#include <windows.h>

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
// Waits until no top-level window matches.
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

// Combo boxes are read through the marshalled combo messages.
// The selected index, -1 for none or when the combo does not answer.
int ComboSelection(HWND combo);
int ComboCount(HWND combo);
// An item's text (a combo that keeps strings); empty when it cannot be read.
std::string ComboItemText(HWND combo, int index);
// Clicks the combo (which opens its list and takes the focus), closes the list
// and walks to index with Home and Down, each step a selection change the
// owner hears of. Waits until the combo shows index; false (with a failure)
// when it does not.
bool ChooseComboItem(HWND combo, int index);

// Mouse and keyboard input go through the system's input queue.
// Moves the cursor onto a point in window's client coordinates.
void MoveCursorTo(HWND window, POINT client);
// Moves the cursor there and clicks the left button.
void ClickAt(HWND window, POINT client);
// The centre of a window, in its own client coordinates.
POINT CentreOf(HWND window);

// Brings window to the front so that it receives the keys.
void Activate(HWND window);
// Presses and releases the keys in order, holding none.
void PressKeys(std::initializer_list<WORD> virtualKeys);
// Presses a key while the modifiers are held, e.g. PressChord({VK_MENU}, 'N').
void PressChord(std::initializer_list<WORD> modifiers, WORD key);

// Screenshots are kept under build/screenshots/ for a person to look at.
// Saves the part of the screen that window covers (the whole screen for null)
// as <RAVLEN_SCREENSHOT_DIR>\<name>.png. Adds a failure when it cannot.
bool SaveScreenshot(const std::string& name, HWND window = nullptr);

// <RAVLEN_SCREENSHOT_DIR>\<name>.png, where SaveScreenshot puts it.
std::string ScreenshotPath(const std::string& name);

}  // namespace driver
