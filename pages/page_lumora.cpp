#include "page_lumora.h"

#include "resource.h"

CPPageLumora::CPPageLumora() : CPageFrame(IDD_LUMORA, 1, IDB_PAGE_BACKGROUND) {}
