// Tree views of another process, read through that process's memory as a
// person finds and picks an item.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace driver {

// The child of parent (TVI_ROOT for the top level) whose text is text; null
// when there is none or the tree does not answer.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& text);
// Scrolls the item into view and clicks its text with the mouse, as a
// person picks it; false when it cannot be shown.
bool ClickTreeItem(HWND tree, HTREEITEM item);

}  // namespace driver

