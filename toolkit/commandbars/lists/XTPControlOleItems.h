// Placeholder for the verbs of the selected embedded object of the active
// document.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlOleItems : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlOleItems)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
};
