// The small topmost window that rises from a corner of the screen to
// announce something and goes away by itself: items drawn by a paint
// manager, fade, slide or unfold animations on timers, a delay before it
// leaves, staying while the mouse is over it, dragging, and notifications
// of clicks, state changes and moves to its owner.
#pragma once
#include <memory>

#include "framework/collections/CPtrArray.h"
#include "framework/windows/CWnd.h"

class CXTPImageManager;
class CXTPPopupItem;
class CXTPPopupPaintManager;

// Sent to the owner: wParam one of the codes below, lParam the item or the popup.
#define WM_XTP_POPUP_EVENT 0x274D
#define XTP_PCN_ITEMCLICK 1
#define XTP_PCN_STATECHANGED 2
#define XTP_PCN_POSCHANGED 3

enum XTPPopupAnimation
{
    xtpPopupAnimationNone = 0,
    xtpPopupAnimationFade = 1,
    xtpPopupAnimationSlide = 2,
    xtpPopupAnimationUnfold = 3,
};

enum XTPPopupState
{
    xtpPopupStateClosed = 0,
    xtpPopupStateExpanding = 1,
    xtpPopupStateShow = 2,
    xtpPopupStateCollapsing = 3,
};

enum XTPPopupPaintTheme
{
    xtpPopupThemeOffice2000 = 0,
    xtpPopupThemeOfficeXP = 1,
    xtpPopupThemeOffice2003 = 2,
    xtpPopupThemeMSN = 3,
    xtpPopupThemeCustom = 4,
};

// Timers of the animations and of the show delay.
#define XTP_TID_EXPANDING 296
#define XTP_TID_COLLAPSING 297
#define XTP_TID_SHOWDELAY 304

class CXTPPopupControl : public CWnd
{
public:
    CXTPPopupControl();
    ~CXTPPopupControl() override;

    virtual BOOL Create(CWnd* pParentWnd);
    virtual void OnClick(CXTPPopupItem* pItem);
    // Starts the expand animation (from the start, or from where an
    // interrupted collapse left the window).
    virtual void OnExpanding(BOOL bUpdateCurrent);
    virtual void OnCollapsing();
    virtual void OnShow();
    // Sends WM_XTP_POPUP_EVENT to the owner (else the parent).
    virtual LRESULT Notify(WPARAM wParam, LPARAM lParam);

    // FALSE when the window cannot be made or the popup is not closed.
    BOOL Show(CWnd* pParentWnd);
    void Close();
    void RedrawControl();

    // Replaces the paint manager by the theme of this id.
    void SetTheme(int nTheme);
    int GetTheme() const { return m_nTheme; }
    CXTPPopupPaintManager* GetPaintManager() const { return m_pPaintManager; }
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }

    // Takes over the caller's reference.
    CXTPPopupItem* AddItem(CXTPPopupItem* pItem);
    void RemoveAllItems();
    int GetItemCount() const { return static_cast<int>(m_arrItems.GetSize()); }
    // Raises the invalid-argument exception outside 0 ... count - 1.
    CXTPPopupItem* GetItem(int nIndex) const;
    CXTPPopupItem* GetHotItem() const { return m_pSelected; }
    CXTPPopupItem* GetPressedItem() const { return m_pPressed; }
    // The last item whose rectangle holds the point (client coordinates).
    CXTPPopupItem* HitTest(CPoint pt) const;

    int GetPopupState() const { return m_popupState; }
    int GetPopupAnimation() const { return m_popupAnimation; }
    void SetPopupAnimation(int nAnimation) { m_popupAnimation = nAnimation; }
    CSize GetPopupSize() const { return m_szPopup; }
    void SetPopupSize(CSize sz) { m_szPopup = sz; }
    // The bottom-right corner of the window in screen coordinates.
    CPoint GetPopupPos() const { return m_ptPopup; }
    void SetPopupPos(CPoint pt) { m_ptPopup = pt; }
    int GetTransparency() const { return m_nTransparency; }
    void SetTransparency(int nTransparency) { m_nTransparency = nTransparency; }
    UINT GetShowDelay() const { return m_uShowDelay; }
    void SetShowDelay(UINT uDelay) { m_uShowDelay = uDelay; }
    UINT GetAnimateDelay() const { return m_uAnimationDelay; }
    void SetAnimateDelay(UINT uDelay) { m_uAnimationDelay = uDelay; }
    UINT GetStepDelay() const { return m_uStep; }
    void SetStepDelay(UINT uStep) { m_uStep = uStep; }
    int GetStepsRemaining() const { return m_nStep; }
    BOOL IsAllowMove() const { return m_bAllowMove; }
    void AllowMove(BOOL bAllowMove) { m_bAllowMove = bAllowMove; }
    BOOL IsLayoutRTL() const { return m_bRightToLeft; }
    void SetLayoutRTL(BOOL bRightToLeft) { m_bRightToLeft = bRightToLeft; }
    BOOL IsMouseOver() const { return m_bCapture; }
    // The rectangle and alpha the window has now.
    CRect GetCurrentRect() const { return m_stateCurrent.rcPopup; }
    int GetCurrentAlpha() const { return m_stateCurrent.nTransparency; }

protected:
    struct POPUPSTATE
    {
        CRect rcPopup;
        int nTransparency;
    };

    void SetPopupState(int popupState);
    POPUPSTATE FullState() const;
    // One animation step with n steps remaining (n < 1: jump to the target).
    void Animate(int nStep);
    void UpdateState(BOOL bForceUpdate);
    void SetLayeredAlpha(int nAlpha);
    void TrackMove();
    // The paint manager takes the system's colours and font anew; the
    // window shows them at once.
    void RefreshMetrics();
    static int StepsFor(UINT uTime, UINT uStep);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    DECLARE_MESSAGE_MAP()

    CXTPPopupPaintManager* m_pPaintManager;
    CPtrArray m_arrItems;
    CXTPPopupItem* m_pSelected = nullptr;
    CXTPPopupItem* m_pPressed = nullptr;
    int m_popupAnimation = xtpPopupAnimationNone;
    int m_popupState = xtpPopupStateClosed;
    CSize m_szPopup;
    CPoint m_ptPopup;
    int m_nTransparency = 255;
    UINT m_uShowDelay = 5000;
    UINT m_uAnimationDelay = 256;
    UINT m_uStep = 16;
    int m_nStep = 0;
    int m_nTheme = xtpPopupThemeOffice2000;
    BOOL m_bAllowMove = FALSE;
    POPUPSTATE m_stateTarget;
    POPUPSTATE m_stateCurrent;
    CXTPImageManager* m_pImageManager;
    BOOL m_bRightToLeft = FALSE;
    typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);
    PFNSETLAYEREDWINDOWATTRIBUTES m_pfnSetLayeredWindowAttributes = nullptr;
    BOOL m_bCapture = FALSE;

private:
    // The owner that gets the notifications.
    HWND m_hNotifyWnd = nullptr;
    // The alpha last given to the window (-1: none yet).
    int m_nAppliedAlpha = -1;
    // Cleared by the destructor. A handler that sends notifications keeps a
    // copy, so it can tell that the owner deleted the popup meanwhile and
    // stop touching it.
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};
