// The window every command bar stands on (toolbars, the menu bar, popup bars,
// the dialog bar): its controls, the hot and the open control, tracking
// mode, the managers it draws with and the site it talks to.
#pragma once
#include "toolkit/commandbars/bars/XTPChildWindowsWatch.h"
#include <ole2.h>
#include <oleidl.h>
#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"
#include "framework/text/CString.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/accessibility/XTPAccessible.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/input/XTPHookManager.h"

class CDC;
class CXTPCommandBars;
class CXTPControl;
class CXTPControls;
class CXTPImageManager;
class CXTPPaintManager;
class CXTPPropExchange;
class CXTPToolTipContext;
class CFrameWnd;
class CMenu;
struct XTP_COMMANDBARS_PROPEXCHANGE_PARAM;
class CXTPCommandBarList;

const UINT_PTR XTP_IDT_BAR_HOVER = 0x1B65F;
const UINT_PTR XTP_IDT_BAR_SHOWFULL = 0x1B660;
const UINT XTP_BAR_HOVER_DELAY = 300;

class CXTPCommandBar : public CWnd, public CXTPHookManagerHookAble, public CXTPAccessible
{
    DECLARE_DYNCREATE(CXTPCommandBar)
public:
    enum XTPSpecialKey
    {
        xtpKeyNext = 0,
        xtpKeyPrev = 1,
        xtpKeyBack = 2,
        xtpKeyPopup = 3,
        xtpKeyEscape = 4,
        xtpKeyReturn = 5,
        xtpKeyHome = 6,
        xtpKeyEnd = 7,
    };

    // Updates one control of the bar (the bar is the "other" window, the
    // index the control's).
    class CXTPCommandBarCmdUI : public CCmdUI
    {
    public:
        CXTPControl* GetControl() const;
        void Enable(BOOL bOn = TRUE) override;
        void SetCheck(int nCheck = 1) override;
        void SetText(LPCTSTR lpszText) override;
        // Gives the control the check state the handler left.
        void ApplyCheck();

    private:
        CXTPControl* m_pCheckedControl = nullptr;
        int m_nCheck = 0;
    };

    CXTPCommandBar();
    ~CXTPCommandBar() override;

    virtual void DelayRedraw() { m_dwPendingFlags |= XTP_BAR_PENDING_REDRAW; }
    virtual BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);
    virtual BOOL SetSelected(int nSelected, BOOL bKeyboard = FALSE);
    // FALSE when the resource is missing or shorter than its count says
    // (the bar is left empty), or when its images do not load.
    virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    virtual BOOL Popup(CXTPControl* /*pControl*/, BOOL /*bSelectFirst*/ = FALSE) { return FALSE; }
    virtual void SetVisible(BOOL /*bVisible*/) {}
    virtual BOOL IsVisible() const { return FALSE; }
    virtual BOOL SetPosition(XTPBarPosition /*barPosition*/) { return FALSE; }
    // DROPEFFECT_NONE: the bar refuses the control and is no drop target.
    virtual DROPEFFECT OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point);
    virtual void OnCustomizeDragLeave();
    virtual DROPEFFECT OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point);
    virtual void OnCustomizeDrop(CXTPControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag);
    virtual BOOL IsCustomizable() const { return m_bCustomizable; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    virtual void OnRecalcLayout() {}
    virtual void OnControlSelected(int bSelected, CXTPControl* pControl);
    virtual CXTPCommandBar* GetParentCommandBar() const { return nullptr; }
    virtual BOOL IsDialogBar() const { return FALSE; }
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual BOOL IsKeyboardCuesVisible() const;
    virtual int OnHookKeyDown(UINT nChar, LPARAM lParam);
    virtual CSize CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/) { return CSize(0, 0); }
    virtual BOOL ProcessSpecialKey(XTPSpecialKey key);
    virtual void DrawCommandBar(CDC* pDC, CRect rcClipBox);
    virtual void OnControlsChanged();
    virtual void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    virtual BOOL IsPointInside(CPoint pt) const;
    virtual void GenerateCommandBarList(DWORD& nID, CXTPCommandBarList* pCommandBarList,
                                        XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam);
    virtual void RestoreCommandBarList(CXTPCommandBarList* pCommandBarList);
    virtual void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    virtual BOOL PreviewAccel(UINT /*chAccel*/) { return FALSE; }
    virtual CXTPCommandBar* Clone(BOOL bRecursive);

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    // The tip of the control under the point: its id, or -1 for none.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Accessibility: child ids are 1-based control indices.
    CCmdTarget* GetCmdTarget() override { return this; }
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

    // Controls.
    CXTPControls* GetControls() const { return m_pControls; }
    CXTPControl* GetControl(int nIndex) const;
    int GetControlCount() const;
    int GetSelectedIndex() const { return m_nSelected; }
    int GetPopupedIndex() const { return m_nPopuped; }
    CXTPControl* GetSelected() const { return GetControl(m_nSelected); }
    BOOL SetPopuped(int nPopuped, BOOL bKeyboard = FALSE);
    // Buttons for the ids; an id of 0 makes the next button begin a group.
    BOOL AddButtons(const UINT* pIds, int nCount);
    void EndTracking() { SetTrackingMode(xtpTrackingNone, TRUE, FALSE); }
    int IsTrackingMode() const { return m_bTracking; }
    BOOL IsKeyboardSelection() const { return m_bKeyboardSelect; }
    void SetLastHotIndex(int nIndex) { m_nLastHotIndex = nIndex; }

    // Fields.
    UINT GetBarID() const { return m_nBarID; }
    void SetBarID(UINT nID) { m_nBarID = nID; }
    XTPCommandBarType GetType() const { return m_barType; }
    void SetType(XTPCommandBarType type) { m_barType = type; }
    XTPBarPosition GetPosition() const { return m_barPosition; }
    void SetBarPosition(XTPBarPosition position) { m_barPosition = position; }
    BOOL IsVerticalPosition() const;
    CString GetTitle() const { return m_strTitle; }
    // A floating bar shows its title in its caption: repainted at once.
    void SetTitle(const CString& strTitle);
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwAdd, DWORD dwRemove = 0) { m_dwFlags = (m_dwFlags | dwAdd) & ~dwRemove; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetWidth() const { return m_nMRUWidth; }
    void SetWidth(int nWidth) { m_nMRUWidth = nWidth; }
    int GetLockCount() const { return m_nLockCount; }
    void AddLock(int nDelta) { m_nLockCount += nDelta; }
    DWORD GetPendingFlags() const { return m_dwPendingFlags; }
    void DelayLayout() { m_dwPendingFlags |= XTP_BAR_PENDING_LAYOUT; }
    void ClearPendingFlags(DWORD dwFlags) { m_dwPendingFlags &= ~dwFlags; }

    // Icon and button sizes: the bar's own, else the manager's options.
    CSize GetIconSize() const;
    CSize GetLargeIconSize() const;
    void SetIconSize(CSize size) { m_szIcons = size; }
    // The fixed size when one was set, else the icon size and 6 pixels.
    CSize GetButtonSize() const;
    BOOL HasFixedButtonSize() const { return m_szButtons != CSize(0, 0); }
    void SetButtonSize(CSize size) { m_szButtons = size; }

    // Chains.
    CXTPCommandBar* GetRootParent() const;
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    BOOL IsCustomizeMode() const;
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);
    CWnd* GetSite() const;
    CWnd* GetOwnerSite() const;
    void SetNotifyWindow(CWnd* pWnd) { m_pNotifyWnd = pWnd; }
    // A popup tracked without notifications updates none of its controls.
    void SetNoUpdate(BOOL bNoUpdate) { m_bNoUpdate = bNoUpdate; }
    // The right button may choose a command too.
    void SetRightButton(BOOL bRightButton) { m_bRightButton = bRightButton; }
    CFrameWnd* GetSiteFrame() const;
    // The site frame picks something to get help on.
    BOOL IsHelpMode() const;
    // The resource id of the active document's template; 0 without a manager.
    UINT GetActiveDocTemplate() const;
    BOOL IsLayoutRTL() const;
    void RedrawParentBars() const;
    // Brings the controls' command states up to date at once.
    void UpdateCmdUINow();

    // Hides (flag 64) the controls that are not meant for the active
    // document template, and shows the others again.
    void UpdateDocTemplateControls();
    // The part of a floating bar's caption strip left of the buttons that
    // stand in it: where its title goes.
    CRect GetCaptionTitleRect(CRect rcStrip) const;
    // Offers every control's state to the command handlers of the target.
    void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler);
    // A window was put on the bar (a hosted control): the idle update
    // reaches it from now on.
    void OnChildWindowPlaced() { m_childWindows.Forget(); }
    // Shows the text in the site's status bar; empty: the idle message.
    void SetStatusText(const CString& strText);

    // Selection changes nest; the bar repaints once when the outermost ends.
    void LockRedraw() { m_nLockRedraw++; }
    void UnlockRedraw();
    BOOL IsRedrawLocked() const { return m_nLockRedraw > 0; }

    // Popup tracking state set by the manager (return id, flags).
    int* m_pReturnCmd;
    DWORD m_dwTrackFlags;

    // The control whose mnemonic the key types, from the one after the
    // selection on; -1 when none. Ambiguous when two controls claim it.
    // lKeyData: the key message's (a unicode key's character is there).
    int FindAccel(UINT nChar, BOOL& bAmbiguous, LPARAM lKeyData = 0) const;
    // Where a dragged control would land: the index, whether after it, and
    // the marker showing it (empty over the dragged control itself).
    int CalcDropPosition(CXTPControl* pDataObject, CPoint point, CRect& rcMarker, BOOL& bAfter);
    CRect GetDropMarker() const { return m_rcMarker; }
    void DrawDropMarker(CDC* pDC);
    BOOL IsPopupToolBar() const { return m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal; }

    DECLARE_INTERFACE_MAP()

protected:
    // The bar holds itself while it handles a message: a command run from it
    // may release it (the program's exit does).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Moves between rows of popup toolbars and floating bars.
    BOOL ProcessRowKey(XTPSpecialKey key);
    // A quick customize drag of the control while Alt is held; TRUE when it ran.
    BOOL StartAltDrag(CXTPControl* pControl, CPoint point);
    // Leaving the hot control when the mouse went elsewhere.
    void OnMouseGone();
    // The open popup under the pointer expands to its hidden commands.
    void ShowFullPopupAfterDelay();

    BOOL m_bHideCaret;
    int m_nMRUWidth;
    int m_nSelected;
    int m_nPopuped;
    HWND m_hwndFocus;
    UINT m_nBarID;
    BOOL m_bVisible;
    int m_bTracking;
    DWORD m_dwPendingFlags;
    DWORD m_dwFlags;
    DWORD m_dwStyle;
    CString m_strTitle;
    XTPCommandBarType m_barType;
    CXTPControls* m_pControls;
    XTPBarPosition m_barPosition;
    CXTPCommandBars* m_pCommandBars;
    CWnd* m_pNotifyWnd;
    CSize m_szIcons;
    CSize m_szButtons;
    int m_nTextBelowIcons;
    BOOL m_bRightButton;
    BOOL m_bNoUpdate;
    BOOL m_bRecursePopup;
    BOOL m_bCloseable;
    int m_nLockCount;
    BOOL m_bKeyboardSelect;
    BOOL m_bCustomizable;
    CRect m_rcMarker;
    BOOL m_bVerticalMarker;
    BOOL m_bCustomizeDialogPresent;
    BOOL m_bMouseStarted;
    int m_nLockRedraw;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPToolTipContext* m_pToolTipContext;
    int m_nStatusTextGuard;
    int m_nLastHotIndex;
    CXTPChildWindowsWatch m_childWindows;
};
