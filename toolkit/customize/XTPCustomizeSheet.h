// The customize dialog of the command bars: a property sheet that keeps the
// manager in customize mode while it runs and lets input reach only the
// sheet, the bars being customized and other programs' windows.
#pragma once
#include "framework/dialogs/CPropertySheet.h"

class CXTPCommandBars;
class CXTPCustomizeCommandsPage;
class CXTPCustomizeToolbarsPage;

class CXTPCustomizeSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CXTPCustomizeSheet)
public:
    explicit CXTPCustomizeSheet(CXTPCommandBars* pCommandBars, CWnd* pWndParent = nullptr);
    ~CXTPCustomizeSheet() override;

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    CXTPCustomizeCommandsPage* GetCommandsPage() const { return m_pCommandsPage; }
    CXTPCustomizeToolbarsPage* GetToolbarsPage() const { return m_pToolbarsPage; }

    // A translated template from the resource module replaces the page's own.
    void AddPage(CPropertyPage* pPage);
    // IDCANCEL at once while another customize sheet runs.
    INT_PTR DoModal() override;
    // Shows no menu: the sheet has no context menu for the controls.
    void ShowContextMenu(CPoint ptScreen);
    CTabCtrl* GetTabControl() const;
    // TRUE while some customize sheet runs in the process.
    static BOOL IsRunning();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Input filters: TRUE lets the message through.
    BOOL FilterMouse(UINT nMessage, const MOUSEHOOKSTRUCT* pInfo);
    BOOL FilterKey() const;

private:
    // Alt+letter: the page whose tab text has that mnemonic; TRUE when found.
    BOOL ActivateMnemonicPage(UINT nVirtKey);
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);

    CXTPCustomizeToolbarsPage* m_pToolbarsPage;
    CXTPCustomizeCommandsPage* m_pCommandsPage;
    CWnd* m_pWndParent;
    CXTPCommandBars* m_pCommandBars;
};
