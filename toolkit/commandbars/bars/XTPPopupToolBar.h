#pragma once
#include "toolkit/commandbars/bars/XTPPopupBar.h"

// A popup whose controls are laid out as a toolbar row.
class CXTPPopupToolBar : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CXTPPopupToolBar)
public:
    CXTPPopupToolBar();
    static CXTPPopupToolBar* CreatePopupToolBar(CXTPCommandBars* pCommandBars);
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
};
