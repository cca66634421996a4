#include "page_customize_keys.h"

#include "resource.h"

CPPageCustomizeKeys::CPPageCustomizeKeys() : CPageFrame(IDD_CUSTOMIZE_KEYS, 2, IDB_CUSTOMIZE_BACKGROUND) {}
