// A toolbar: docked, floating or the menu bar's base.
#pragma once
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/bars/XTPDockContext.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"

#include <vector>

class CXTPDockBar;

// The buttons a toolbar places itself.
const int XTP_ID_TOOLBAR_EXPAND = 9400;
const int XTP_ID_TOOLBAR_HIDE = 9401;
// Docking permissions of a bar's flags: the four sides and floating.
const DWORD XTP_BARFLAG_DOCKMASK = 0x1F;
const DWORD XTP_BARFLAG_FLOATING = 0x10;
// Space the expand button takes at the end of a docked bar.
const int XTP_EXPAND_BUTTON_SPACE = 11;

class CXTPToolBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPToolBar)
public:
    // The chevron at the end of a bar; it knows whether controls did not fit.
    class CXTPControlExpandButton : public CXTPControlPopup
    {
        DECLARE_DYNCREATE(CXTPControlExpandButton)
    public:
        CXTPControlExpandButton();
        void SetRect(CRect rcControl) override;
        void Draw(CDC* pDC) override;
        BOOL OnSetPopup(BOOL bPopup) override;
        BOOL HasHiddenControls() const { return m_bHiddenExists; }

    private:
        BOOL m_bHiddenExists = FALSE;
    };

    // The close glyph of a floating bar: hides the bar.
    class CXTPControlButtonHide : public CXTPControlButton
    {
        DECLARE_DYNCREATE(CXTPControlButtonHide)
    public:
        CXTPControlButtonHide();
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        void OnExecute() override;
    };

    // One entry of the expand popup's add-or-remove list: shows or hides a
    // control of the toolbar, or (without a control) resets the toolbar.
    class CXTPControlButtonCustomize : public CXTPControlButton
    {
        DECLARE_DYNCREATE(CXTPControlButtonCustomize)
    public:
        CXTPControlButtonCustomize();
        ~CXTPControlButtonCustomize() override;
        // Holds a reference to the control it shows or hides.
        void SetTarget(CXTPToolBar* pToolBar, CXTPControl* pControl);
        CXTPControl* GetTargetControl() const { return m_pTargetControl; }
        void OnExecute() override;

    private:
        CXTPToolBar* m_pToolBar = nullptr;
        CXTPControl* m_pTargetControl = nullptr;
    };

    CXTPToolBar();
    ~CXTPToolBar() override;

    BOOL IsVisible() const override { return m_bVisible; }
    // Shows or hides the window, re-lays out the frame around a docked bar
    // and tells the site (0x2855); a hidden tear-off bar leaves the manager.
    void SetVisible(BOOL bVisible) override;
    // Sides 0 to 3 dock the bar through the manager; floating gives it a
    // window of its own.
    BOOL SetPosition(XTPBarPosition barPosition) override;
    void OnRecalcLayout() override;
    // Docked modes lay the bar out along its dock bar; others float.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode);
    // Makes the window when it is missing, then a child of the parent
    // (docked) or a pop-up it owns (floating).
    virtual BOOL Create(CWnd* pParentWnd, BOOL bFloat);
    virtual CRect GetBorders();
    BOOL IsTextBelowIcons() const;
    // The bar takes the resource id; the loaded buttons become its initial set.
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;
    // Restores the initial controls of a built-in, customizable bar; asks
    // first when bAsk is set. The site hears of it (0x2864).
    virtual void Reset(BOOL bAsk);
    // Lists every control (user-hidden ones unchecked) and the reset entry;
    // user-hidden controls of the initial set are put back, hidden.
    void FillAddOrRemoveList(CXTPCommandBar* pPopup);
    // Print preview hides a visible bar and shows it again afterwards.
    void OnSetPreviewMode(BOOL bPreview);
    BOOL IsInPreviewMode() const { return m_bPreviewMode; }
    // Stores the docking permissions (low five bits) in the bar's flags;
    // the bar then belongs to a frame's docking.
    void EnableDocking(DWORD dwFlags);
    // FALSE for a bar placed in a dialog or view rather than docked in a frame.
    BOOL HasDockContext() const { return m_bDockContext; }
    // Tab on a bar in a dialog moves on to the dialog's next control.
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;

    // From the program's resources (not made by the user).
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsCloseable() const { return m_bCloseable; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    BOOL IsCustomizeDialogPresent() const { return m_bCustomizeDialogPresent; }
    void SetCustomizeDialogPresent(BOOL bPresent) { m_bCustomizeDialogPresent = bPresent; }
    // Listed in the toolbars context menu.
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
    // Changed in a way its controls do not show (such as a combo box's
    // entries): stored even when only customized bars are.
    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged) { m_bChanged = bChanged; }
    BOOL IsExpandButtonShown() const { return m_bShowExpandButton; }
    void SetShowExpandButton(BOOL bShow) { m_bShowExpandButton = bShow; }

    // The dock bar holding the toolbar, null while floating or hidden away.
    CXTPDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) { m_pDockBar = pDockBar; }
    CXTPDockContext* GetDockContext() { return &m_dockContext; }

    // Takes out the hidden stand-ins of controls the user brought back, so
    // that a command is listed and stored once.
    void RemoveHiddenTwins();

    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;

    // What the layout store keeps of one toolbar.
    class CToolBarInfo;

    BOOL m_bBuiltIn = TRUE;
    BOOL m_bTearOff = FALSE;
    BOOL m_bChanged = FALSE;

protected:
    // The reset question with the bar's title; TRUE when answered OK.
    BOOL ConfirmReset() const;
    // Tells the site the bar was reset. FALSE when the site took the bar off
    // its manager meanwhile: the bar may be deleted then and is not touched.
    BOOL NotifySiteOfReset();
    // The bar is one of its manager's bars.
    BOOL IsListed() const;
    // A floating bar's window takes the size of the bar's layout, kept on
    // the work area; nothing for a docked bar or one without a window.
    void LayOutFloatingWindow();
    // Puts back the initial controls the user took out, hidden by hide flag
    // 16; the controls the bar holds keep their order.
    void MergeInitialControls();
    // The index behind the bar's last control that is not temporary.
    int EndOfOwnControls() const;
    // The first control standing for the initial control (same command and
    // type) not yet in matched, searched from nStart on; -1 when none.
    int FindUnmatchedControl(CXTPControl* pInitialControl, const std::vector<CXTPControl*>& matched,
                             int nStart) const;
    // A clone of the initial control, hidden by the user's flag, inserted
    // before nBefore; the selected and popuped indices follow.
    CXTPControl* InsertHiddenClone(CXTPControl* pInitialControl, int nBefore);
    // Moves a control, the selected and popuped indices following.
    void MoveControl(int nFrom, int nTo);
    // Removes a control, the selected and popuped indices following.
    void RemoveControlAt(int nIndex);
    // The special button of the id, made (temporary, at the end) when missing.
    CXTPControl* FindOrAddSpecial(int nId, CRuntimeClass* pClass);

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnClose();
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    // Inside a dialog or view: the bar takes the top of what is left.
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CXTPDockBar* m_pDockBar = nullptr;
    CXTPDockContext m_dockContext;
    BOOL m_bDockContext = FALSE;
    BOOL m_bShowExpandButton = TRUE;
    BOOL m_bContextMenuPresent = TRUE;
    BOOL m_bPreviewVisible = FALSE;
    BOOL m_bPreviewMode = FALSE;
};
