// The About box, opened by the hidden frame's About command.
#pragma once

#include "dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
