#pragma once

#define IDD_BARE_PAGE_1 101
#define IDD_BARE_PAGE_2 102
#define IDD_BARE_PAGE_3 103
