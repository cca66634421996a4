#include "page_internet_nav.h"

#include "resource.h"

CPPageInternetNav::CPPageInternetNav() : CPageFrame(IDD_INTERNET_NAV, 0, IDB_PAGE_BACKGROUND) {}
