#include "page_summary.h"

#include "resource.h"

CPPageSummary::CPPageSummary() : CPageFrame(IDD_SUMMARY, 5, IDB_SUMMARY_BACKGROUND) {}
