// The plain push button (control type 1).
#pragma once
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlButton : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlButton)
public:
    CXTPControlButton();
    ~CXTPControlButton() override;

    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
};
