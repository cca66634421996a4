// Finding windows and reading what a person would see of them.
#pragma once

#include <windows.h>

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

// The first descendant of parent with the control id, searched depth-first.
HWND FindControl(HWND parent, int id);
// Waits for a descendant with the id to exist (pages create theirs when first shown).
HWND WaitForControl(HWND parent, int id, DWORD timeoutMs);

std::string ClassName(HWND window);
std::string Text(HWND window);
// What the window shows, read as Unicode and given as UTF-8, so that no code
// page stands between the program's language and the test's.
std::string ShownText(HWND window);
// UTF-16 as UTF-8.
std::string Utf8(const std::wstring& text);
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

}  // namespace driver
