// Tree views of another process, read through that process's memory as a
// person reads them on the screen: item texts and where an item lies.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

namespace driver {

// The child of parent (TVI_ROOT for the top level) whose text is text; null
// when there is none or the tree does not answer.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text);
// The item's text rectangle in the tree's client coordinates; nothing when
// the item is not shown.
std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item);
// Scrolls the item into view and clicks its text with the mouse, as a
// person picks it; false when it cannot be shown.
bool ClickTreeItem(HWND tree, HTREEITEM item);
// The item the tree has selected, or null.
HTREEITEM SelectedTreeItem(HWND tree);

}  // namespace driver
