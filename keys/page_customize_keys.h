// The Customize Keys page: a new function and name for each launch key. A key
// is picked on the key row picture, a kind of function with a radio, the
// program, file or web page in that function's chooser; Apply takes the
// label. Only the key assignment table changes here; Finish writes it. It
// shows the sheet's extra Finish button.
#pragma once

#include "page_frame.h"
#include "shell_tree.h"

#include <string>
#include <vector>

class CPPageCustomizeKeys : public CPageFrame {
public:
    CPPageCustomizeKeys();

    int m_resetFlag = 0;          // 1 once the keys were reset to their defaults; never cleared
    std::string m_chosenCommand;  // what the last tree selection chose, as text
    int m_functionChoice = -1;    // radio index of 1060, 1063, 1061, 1062; -1 none
    int m_backgroundBitmap;       // the picture behind the page
    std::vector<RECT> m_keyHotSpots;  // where a click picks key 1 to 7, in client pixels
    CShellTreeCtrl m_allProgramsTree;
    CWnd m_addressEdit;
    CWnd m_labelEdit;
    CShellTreeCtrl m_userProgramsTree;
    CShellTreeCtrl m_favoritesTree;
    CShellTreeCtrl m_filesTree;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    bool ShowsExtraFinish() const override { return true; }
    // The key names stay in the body font of the normal set; the caption
    // takes the current-label font of the set in use.
    void OnActivatePage() override;
    UINT BackgroundId() const override { return static_cast<UINT>(m_backgroundBitmap); }
    // The key names are white, like the title.
    bool OwnStaticColor(HDC dc, int id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ResetChoosers();
    void OnPickKey();
    void PickKey(int k);
    void OnChooseFunction(int function);
    void OnChooseItem(CShellTreeCtrl& tree, const NMTREEVIEWA* notify, LRESULT* result);
    void OnLabelChanged();
    void OnAddressChanged();
    void OnTest();
    void OnApply();
    void OnResetDefaults();
    void BackToNoKey();
    int KeyUnderCursor() const;
    CShellTreeCtrl* TreeOf(int id);
};
