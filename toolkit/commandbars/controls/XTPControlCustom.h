// A control that hosts an application's child window on a bar.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/input/XTPHookManager.h"

class CXTPControlCustom : public CXTPControlButton, public CXTPHookManagerHookAble
{
    DECLARE_DYNCREATE(CXTPControlCustom)
public:
    enum XTPVerticalOptions
    {
        xtpVerticalHide = 0,
        xtpVerticalShow = 1,
        xtpVerticalButton = 2,
    };

    CXTPControlCustom();
    ~CXTPControlCustom() override;

    // The window is not owned; it becomes a child of the bar when placed.
    void SetControl(CWnd* pWnd);
    HWND GetControlWindow() const { return m_hwndControl; }
    void SetBorders(int nLeft, int nTop, int nRight, int nBottom) { m_rcBorders.SetRect(nLeft, nTop, nRight, nBottom); }
    void SetVerticalPositionOption(XTPVerticalOptions options) { m_verticalOptions = options; }
    void SetControlSize(CSize size) { m_szControl = size; }
    int GetControlId() const { return m_nControlId; }
    void SetControlId(int nId) { m_nControlId = nId; }
    BOOL IsShownInOrientation() const { return m_bControlVisible; }

    CSize GetSize(CDC* pDC) override;
    void SetRect(CRect rcControl) override;
    void SetHideFlags(DWORD dwFlags) override;
    void SetEnabled(BOOL bEnabled) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

    // A window of the site frame, else of a toolbar, carrying the control id.
    HWND FindControlWindow() const;

protected:
    BOOL IsWindowShown() const;
    void ShowHostedWindow();

    HWND m_hwndControl;
    CRect m_rcBorders;
    BOOL m_bControlVisible;
    CSize m_szControl;
    XTPVerticalOptions m_verticalOptions;
    int m_nControlId;
};
