// One user-interface item (menu item, toolbar button, status pane, child
// control) whose state the command's update handler sets: enabled, checked,
// text. DoUpdate offers it to a command target.
#pragma once
#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    // A menu item: the menu and the item's index in it.
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CMenu* m_pParentMenu = nullptr;
    UINT m_nIndexMax = 0;
    // Any other item: the window (a control or a bar).
    CWnd* m_pOther = nullptr;

    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 clear, 1 checked, 2 indeterminate.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Called by an update handler that wants the next target to see the
    // update too.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update to pTarget. An item whose update nobody handles is
    // enabled exactly when a command handler for it exists (when
    // bDisableIfNoHndler is set); system command ids (0xF000 and up) are
    // never disabled that way.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
