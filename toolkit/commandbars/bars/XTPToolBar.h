// A toolbar: docked, floating or the menu bar's base.
#pragma once
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDockContext.h"

class CXTPDockBar;

class CXTPToolBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPToolBar)
public:
    CXTPToolBar();
    ~CXTPToolBar() override;

    // The bar's window: a pop-up owned by the parent when floating, else a child.
    virtual BOOL Create(CWnd* pParentWnd, BOOL bFloat);
    // Sides 0 to 3 dock the bar through the manager; floating gives it a window of its own.
    BOOL SetPosition(XTPBarPosition barPosition) override;
    void OnRecalcLayout() override;
    BOOL IsVisible() const override { return m_bVisible; }
    void SetVisible(BOOL bVisible) override { m_bVisible = bVisible; }
    BOOL IsTextBelowIcons() const;
    // The bar takes the resource id; the loaded buttons become its initial set.
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;

    // From the program's resources (not made by the user).
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsCloseable() const { return m_bCloseable; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    BOOL IsCustomizeDialogPresent() const { return m_bCustomizeDialogPresent; }
    void SetCustomizeDialogPresent(BOOL bPresent) { m_bCustomizeDialogPresent = bPresent; }

    // The dock bar holding the toolbar, null while floating or hidden away.
    CXTPDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) { m_pDockBar = pDockBar; }
    CXTPDockContext* GetDockContext() { return &m_dockContext; }

    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }

    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

    // What the layout store keeps of one toolbar.
    class CToolBarInfo;

    BOOL m_bBuiltIn = TRUE;
    BOOL m_bTearOff = FALSE;
    BOOL m_bContextMenuPresent = TRUE;

protected:
    CXTPDockBar* m_pDockBar = nullptr;
    CXTPDockContext m_dockContext;
};
