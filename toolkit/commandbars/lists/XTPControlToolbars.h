// The toolbars list: one check entry per toolbar of the manager that may be
// closed and shows in the context menu; an entry shows or hides its bar.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPCommandBars;
class CXTPControls;

const int XTP_ID_TOOLBARLIST = 59392;

class CXTPControlToolbars : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlToolbars)
public:
    // One entry: its tag is the toolbar's index in the manager.
    class CXTPControlToolbar : public CXTPControlButton
    {
        DECLARE_DYNCREATE(CXTPControlToolbar)
    public:
        void OnExecute() override;
    };

    // Before each layout of its bar: the old entries go, and outside
    // customize mode the placeholder hides behind fresh ones.
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;

    // Adds the entries at nIndex on (appended for -1); returns how many.
    static int GenerateToolbarEntries(CXTPControls* pControls, CXTPCommandBars* pCommandBars, int nIndex = -1);
};
