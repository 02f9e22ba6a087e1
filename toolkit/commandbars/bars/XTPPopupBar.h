// A bar shown as a popup menu of a control, or tracked on its own: placed
// inside the work area, with short menus behind an expand item and scroll
// buttons when it is taller than the screen.
#pragma once
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPToolBar;

const UINT_PTR XTP_TID_SCROLLDOWN = 5001;
const UINT_PTR XTP_TID_SCROLLUP = 5002;
const UINT_PTR XTP_TID_TEAROFFHOVER = 5003;
const UINT_PTR XTP_TID_EXPANDDELAY = 5004;
const UINT XTP_SCROLL_DELAY = 80;
const UINT XTP_EXPAND_DELAY = 900;
const int XTP_ID_POPUPBAR_EXPAND = 9402;

class CXTPPopupBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPPopupBar)
public:
    // The expand item of a short menu: executing it shows every command.
    class CXTPControlExpandButton : public CXTPControlButton
    {
        DECLARE_DYNCREATE(CXTPControlExpandButton)
    public:
        CXTPControlExpandButton();
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };

    // Popup flags: the popup's right edge at the point; its top below the control.
    enum
    {
        xtpPopupLeft = 1,
        xtpPopupDown = 2,
    };

    CXTPPopupBar();
    ~CXTPPopupBar() override;

    // A bar of the popup bar class below, with its manager (may be null).
    static CXTPPopupBar* CreatePopupBar(CXTPCommandBars* pCommandBars);
    // The class every popup bar of menus and lists is made of.
    static CRuntimeClass* m_pPopupBarClass;

    CXTPCommandBar* GetParentCommandBar() const override { return m_pParentBar; }
    BOOL IsVisible() const override;
    BOOL Popup(CXTPControl* pControl, BOOL bSelectFirst = FALSE) override;
    BOOL Popup(int x, int y, LPCRECT lpExclude = nullptr);
    BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    BOOL SetSelected(int nSelected, BOOL bKeyboard = FALSE) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    void OnControlsChanged() override;
    void OnRecalcLayout() override;

    virtual void UpdateLocation();
    // With the option to show shortcuts in popups on, each shown control of
    // a command takes the text of its command's accelerator.
    virtual void UpdateShortcuts();
    void ExpandBar();
    int GetFirstVisibleControl(BOOL bWantIndex = TRUE) const;

    // Where a popup of size `sz` wanted at `pt` goes inside `rcWork`, not
    // covering `rcExclude` (screen coordinates). The flags may change side;
    // `bShortened` tells that the height had to be cut (the popup scrolls).
    static CRect CalcPopupRect(CPoint pt, const CRect& rcExclude, DWORD& dwFlags, CSize sz, const CRect& rcWork,
                               BOOL& bShortened);
    // The animation an opening uses (after the options and the system).
    int GetAnimationType() const;

    CXTPControl* GetControlPopup() const { return m_pControlPopup; }
    void SetControlPopup(CXTPControl* pControl) { m_pControlPopup = pControl; }
    void SetParentBar(CXTPCommandBar* pParent) { m_pParentBar = pParent; }
    // Two icon columns: the check mark in the first, the icon in the second.
    BOOL IsDoubleGripper() const { return m_bDoubleGripper; }
    void SetDoubleGripper(BOOL bDouble) { m_bDoubleGripper = bDouble; }
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL HasHiddenCommands() const { return m_bHiddenExists; }
    DWORD GetPopupFlags() const { return m_popupFlags; }
    void SetPopupFlags(DWORD dwFlags) { m_popupFlags = dwFlags; }
    CPoint GetPopupPoint() const { return m_ptPopup; }
    CRect GetExcludeRect() const { return m_rcExclude; }
    BOOL IsScrolling() const { return m_bScrolling; }
    int GetFirstShown() const { return m_nFirstShown; }
    int GetLastShown() const { return m_nLastShown; }
    CRect GetScrollUpRect() const { return m_rcScrollUp; }
    CRect GetScrollDownRect() const { return m_rcScrollDown; }
    void SetShadow(BOOL bShadow) { m_bShadow = bShadow; }
    void SetBorders(const CRect& rc) { m_rcBorders = rc; }
    CRect GetBorders() const { return m_rcBorders; }
    // The tear-off settings whoever builds the popup gives it.
    void SetTearOffPopup(const CString& strCaption, UINT nID, int nWidth, BOOL bTearOff = TRUE)
    {
        m_bTearOffPopup = bTearOff;
        m_strTearOffCaption = strCaption;
        m_nTearOffID = nID;
        m_nTearOffWidth = nWidth;
    }
    BOOL IsTearOffPopup() const { return m_bTearOffPopup; }
    CString GetTearOffCaption() const { return m_strTearOffCaption; }
    UINT GetTearOffID() const { return m_nTearOffID; }
    int GetTearOffWidth() const { return m_nTearOffWidth; }
    BOOL GetShadow() const { return m_bShadow; }
    CRect GetTearOffGripperRect() const { return m_rcTearOffGripper; }
    BOOL IsTearOffGripperHot() const { return m_bTearOffHot; }

    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

protected:
    BOOL CreatePopupWindow();
    // Opens at the popup point; from a control the point follows it.
    BOOL Open(BOOL bSelectFirst, BOOL bFromControl);
    // Marks rarely used controls hidden unless that would empty the menu.
    void UpdateShortMenu();
    CXTPControl* GetExpandControl();
    // Controls stacked top to bottom; the bar's size with borders.
    CSize LayoutMenu(CDC* pDC);
    // Fits the controls into the height the placement allowed, from the first
    // shown one downward or from the last shown one upward.
    void LayoutScrolled(CDC* pDC, BOOL bUpward);
    void PlaceWindow(BOOL bFirstShow);
    void AnimateWindow();
    void UpdateScrollTimers(CPoint point);
    void StopScrolling();
    // Whether the cursor is now over a rectangle of the client area.
    BOOL IsCursorOver(const CRect& rc) const;
    // The drag off the tear-off gripper: far from it the menu's controls
    // float as a toolbar under the pointer, back near it the toolbar hides.
    void TrackTearOff();
    void ShowTearOffBar(CPoint ptScreen);
    void HideTearOffBar();
    void MoveTearOffBar(CPoint ptScreen);

    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CXTPControl* m_pControlPopup;
    CXTPCommandBar* m_pParentBar;
    CPoint m_ptPopup;
    CRect m_rcExclude;
    DWORD m_popupFlags;
    BOOL m_bLayoutRunning;
    BOOL m_bHiddenExists;
    BOOL m_bExpanded;
    BOOL m_bAnimateNext;
    BOOL m_bShadow;
    BOOL m_bDoubleGripper;
    CRect m_rcBorders;
    BOOL m_bScrolling;
    int m_nFirstShown;
    int m_nLastShown;
    CRect m_rcScrollUp;
    CRect m_rcScrollDown;
    UINT_PTR m_nScrollTimer;
    int m_nScrollHeight;
    CSize m_szLast;
    BOOL m_bTearOffPopup = FALSE;
    CString m_strTearOffCaption;
    UINT m_nTearOffID = 0;
    int m_nTearOffWidth = 0;
    CRect m_rcTearOffGripper;
    BOOL m_bTearOffHot = FALSE;
    BOOL m_bTearOffPressed = FALSE;
    CXTPToolBar* m_pTearOffBar = nullptr;
};
