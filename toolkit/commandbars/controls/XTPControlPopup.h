// A control that opens a popup bar (types 2, 3 and 4 share this class).
#pragma once
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlPopup : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlPopup)
public:
    CXTPControlPopup();
    ~CXTPControlPopup() override;

    CXTPCommandBar* GetCommandBar() const override { return m_pCommandBar; }
    // Takes a reference to the bar; handing the bar it holds changes nothing.
    void SetCommandBar(CXTPCommandBar* pBar);
    BOOL GetPopup() const { return m_bPopup; }
    void SetPopupState(BOOL bPopup) { m_bPopup = bPopup; }
    // The other control lies in this control's popup bar or below it, or
    // this one in the other's.
    BOOL ContainsControl(CXTPControl* pOther);
    virtual void AdjustExcludeRect(CRect& rc);
    virtual void UpdateShadow();

    // The bar id of a loaded control, until its bar is linked again.
    UINT GetLoadedCommandBarID() const { return m_nLoadedCommandBarID; }

    void DoPropExchange(CXTPPropExchange* pPX) override;
    BOOL Compare(CXTPControl* pOther) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    BOOL OnLButtonDblClk(CPoint point) override;
    void OnMouseHover() override;
    BOOL SetSelected(int bSelected) override;
    void OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point) override;
    void OnMnemonicActivate() override;

protected:
    // Ends the popup bar's tracking and redraws the button; closing always
    // succeeds.
    BOOL ClosePopupBar();

    BOOL m_bPopup;
    CXTPCommandBar* m_pCommandBar;
    DWORD m_dwReserved;
    UINT m_nLoadedCommandBarID = 0;
};
