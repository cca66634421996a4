// The Summary page: the last page, with Back and Finish. It shows what Finish
// will save: the choices published in this run, else what the store holds.
#pragma once

#include "combo_box.h"
#include "page_frame.h"
#include "store_layout.h"

#include <string>

class CPPageSummary : public CPageFrame {
public:
    CPPageSummary();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_FINISH; }
    void OnActivatePage() override;
    void PaintOver(HDC dc) override;
    bool OwnStaticColor(HDC dc, int id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowChoice(int id, int choice, const store::NumberValue& stored, UINT onText, UINT offText);
    void ShowExample();
    void ShowSize();
    void ShowKeyNames();
    void ShowTray();

    CStatic m_example;
    std::string m_sizePrefix;  // the size line's text as the template gives it
};
