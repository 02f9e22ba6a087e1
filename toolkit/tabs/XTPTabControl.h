// A child window showing a tab strip drawn by its own paint manager and,
// under it, the page window of the selected tab; tells its owner of every
// selection with TCN_SELCHANGE.
#pragma once
#include "framework/windows/CWnd.h"
#include "toolkit/tabs/XTPTabAtomRegistration.h"
#include "toolkit/tabs/XTPTabDragOverDropTarget.h"
#include "toolkit/tabs/XTPTabManager.h"

class CXTPImageManager;
class CXTPToolTipContext;

class CXTPTabControl : public CWnd, public CXTPTabManager
{
    DECLARE_DYNAMIC(CXTPTabControl)

public:
    // Selects the tab under a drag of OLE data when the paint manager allows.
    class CTabControlDropTarget : public CXTPTabDragOverDropTarget
    {
    public:
        explicit CTabControlDropTarget(CXTPTabControl* pControl) : m_pControl(pControl) {}

    protected:
        void OnDragOverTab(CPoint point) override;

    private:
        CXTPTabControl* m_pControl;
    };

    CXTPTabControl();
    ~CXTPTabControl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    CXTPTabManagerItem* InsertItem(int nItem, LPCTSTR lpszItem, HWND hwndTab = nullptr, int nImage = -1);

    void Reposition() override;
    void SetSelectedItem(CXTPTabManagerItem* pItem) override;
    void SetFocusedItem(CXTPTabManagerItem* pItem) override;
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void SetPaintManager(CXTPTabPaintManager* pPaintManager) override;
    void RedrawControl() override;
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;
    void SelectItem(CXTPTabManagerItem* pItem) override;
    void OnNavigateButtonClick(int nId) override;
    BOOL ShowKeyboardCues() const override;

    CXTPImageManager* GetImageManager() const { return m_pImageManager; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    CTabControlDropTarget* GetDropTarget() const { return m_pDropTarget; }
    HWND GetShownWindow() const { return m_hwndClient; }

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    void NotifyOwner();
    BOOL AreFocusCuesHidden() const;

    HWND m_hwndClient = nullptr;
    CXTPTabPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CTabControlDropTarget* m_pDropTarget;
    CXTPToolTipContext* m_pToolTipContext;
    // The paint manager lays this control out again when its options change.
    CXTPTabAtomRegistration m_registration{this};
};
