// The frame's menu bar: it takes the place of the frame's own menu, loads a
// menu resource, follows the menus of an MDI frame, enters keyboard tracking
// on Alt and shows a maximized MDI child's system menu and window buttons.
#pragma once
#include "framework/collections/CMap.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"

class CXTPControls;

const UINT_PTR XTP_IDT_MENUBAR_MDI = 12223;

// Ids of the maximized MDI child's controls on the menu bar.
const int XTP_ID_MENUBAR_CLOSE = 9403;
const int XTP_ID_MENUBAR_RESTORE = 9404;
const int XTP_ID_MENUBAR_MINIMIZE = 9405;
const int XTP_ID_MENUBAR_SYSMENU = 9406;

// Menu bar flags: which MDI controls stay away, and keeping the menu when
// the MDI frame changes menus.
const DWORD XTP_MENUBAR_HIDE_MINIMIZE = 0x100;
const DWORD XTP_MENUBAR_HIDE_RESTORE = 0x200;
const DWORD XTP_MENUBAR_IGNORE_SETMENU = 0x400;
const DWORD XTP_MENUBAR_HIDE_CLOSE = 0x1000;
const DWORD XTP_MENUBAR_SHOW_SYSMENU = 0x2000;

class CXTPMenuBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CXTPMenuBar)
public:
    // Minimize, restore or close of the maximized child, drawn as a glyph
    // of the "Marlett" font held in the parameter text.
    class CXTPControlMDIButton : public CXTPControlButton
    {
        DECLARE_DYNCREATE(CXTPControlMDIButton)
    public:
        CXTPControlMDIButton();
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };

    // The maximized child's system menu behind its small icon.
    class CXTPControlMDISysMenuPopup : public CXTPControlPopup
    {
        DECLARE_DYNCREATE(CXTPControlMDISysMenuPopup)
    public:
        class CXTPSysMenuPopupBar : public CXTPPopupBar
        {
            DECLARE_DYNCREATE(CXTPSysMenuPopupBar)
        };

        CXTPControlMDISysMenuPopup();
        CXTPControlMDISysMenuPopup(HWND hWndChild, HMENU hSysMenu);
        ~CXTPControlMDISysMenuPopup() override;

        // Fills the popup from the child's system menu and takes its icon.
        void SetMDISysMenu(HWND hWndChild, HMENU hSysMenu);
        HMENU GetSysMenu() const { return m_hMenu; }
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        void AdjustExcludeRect(CRect& rc) override;

    protected:
        HICON m_hIcon = nullptr;
        HMENU m_hMenu = nullptr;
    };

    CXTPMenuBar();
    ~CXTPMenuBar() override;

    // Loads the menu resource (none for 0), hooks the frame and its MDI
    // client and takes the frame's own menu away.
    BOOL LoadMenuBar(UINT nIDResource);
    // Shows the controls of the menu the MDI frame asks for.
    void SwitchMenu(HMENU hMenu);
    // The active MDI child and whether it is maximized; null outside MDI.
    HWND GetActiveMdiChild(BOOL* pbMaximized = nullptr) const;
    // Brings the MDI controls in line with the active child.
    void RefreshMdiButtons();

    // Stored with the bar: the menu id and each template menu's controls.
    // Storing first brings the default menu's controls back.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // The template menus were put aside for storing: the frame must show
    // its active document's menu again.
    BOOL IsMenuSwitchedForSaving() const { return m_bDirtyMenu; }
    void SetMenuSwitchedForSaving(BOOL bSwitched) { m_bDirtyMenu = bSwitched; }
    // The controls kept for a template menu not shown now; null when none.
    CXTPControls* GetTemplateMenu(UINT nID) const;
    int GetTemplateMenuCount() const { return static_cast<int>(m_mapTemplates.GetCount()); }

    UINT GetDefaultMenuId() const { return m_nIDResource; }
    UINT GetCurrentMenuId() const { return m_nIDResourceCurrent; }
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }
    BOOL IsMdiApp() const { return m_bMdiApp; }

    void Reset(BOOL bShowWarningMessage) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    CXTPCommandBar* Clone(BOOL bRecursive) override;
    // Saving: back to the default menu, template menus still as loaded are
    // dropped and the customized ones go along with their popup bars.
    void GenerateCommandBarList(DWORD& nID, CXTPCommandBarList* pCommandBarList,
                                XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam) override;
    void RestoreCommandBarList(CXTPCommandBarList* pCommandBarList) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnRecalcLayout() override;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL OnKeyMenu();
    void HookActiveChild();
    void RemoveMdiControls();
    void FreeTemplateMenus();
    HWND GetMdiClient() const;

    BOOL m_bMdiApp = FALSE;
    HWND m_hWndHookedChild = nullptr;
    HWND m_hWndHookedSite = nullptr;
    HWND m_hWndHookedClient = nullptr;
    HMENU m_hMenuDefault = nullptr;
    UINT m_nIDResource = 0;
    UINT m_nIDResourceCurrent = 0;
    CMap<UINT, UINT, CXTPControls*, CXTPControls*> m_mapTemplates{10};
    BOOL m_bDirtyMenu = FALSE;
};
