#include "input.h"

#include <vector>

namespace driver {
namespace {

INPUT KeyInput(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Give the target's thread a moment to take the input off its queue.
    Sleep(30);
}

}  // namespace

void MoveCursorTo(HWND window, POINT client) {
    POINT screen = client;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    // A zero move makes the system deliver WM_MOUSEMOVE and WM_SETCURSOR at the new place.
    Send({MouseInput(MOUSEEVENTF_MOVE)});
}

void ClickAt(HWND window, POINT client) {
    MoveCursorTo(window, client);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

POINT CentreOf(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return {(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2};
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    Sleep(30);
}

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    for (WORD vk : virtualKeys) Send({KeyInput(vk, false), KeyInput(vk, true)});
}

void PressChord(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> inputs;
    for (WORD vk : modifiers) inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) inputs.push_back(KeyInput(*it, true));
    Send(inputs);
}

}  // namespace driver
