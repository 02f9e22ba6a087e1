// Placeholder that expands into the tab group commands the tabbed MDI
// client accepts at present.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlWorkspaceActions : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlWorkspaceActions)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
};
