#include "page_print_label.h"

#include "resource.h"

CPPagePrintLabel::CPPagePrintLabel() : CPageFrame(IDD_PRINT_LABEL, 3, IDB_PAGE_BACKGROUND) {}
