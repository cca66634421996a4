// The Welcome page: the first page. It greets the user, shows the installed
// version, offers only Next, and makes the Frame fonts every page uses.
#pragma once

#include "frame_fonts.h"
#include "page_frame.h"

#include <string>

class CPPageWelcome : public CPageFrame {
public:
    CPPageWelcome();
    ~CPPageWelcome() override;

protected:
    void OnSetFont(HFONT font) override;
    void OnInitPage() override;
    DWORD WizardButtons() const override { return PSWIZB_NEXT; }
    void OnActivatePage() override;
    LRESULT OnWizardNext() override;
    bool OwnStaticColor(HDC dc, int id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string m_versionLine;
    FrameFonts m_fonts;
};
