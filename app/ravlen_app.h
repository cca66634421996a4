// CRavlenApp: one wizard per desktop session, a hidden frame to be found by,
// the user's settings profile opened, and the wizard run until it closes.
#pragma once

#include "handle.h"
#include "win_app.h"

class CMainFrame;

class CRavlenApp : public CWinApp {
public:
    ~CRavlenApp() override = default;
    BOOL InitInstance() override;
    int ExitInstance() override;
    // ID_APP_ABOUT opens the About box; the others go to the framework.
    BOOL OnCommand(UINT id) override;

private:
    CHandle m_mutex;  // the single-instance mutex
};
