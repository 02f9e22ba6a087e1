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

    // Adds the entries at nIndex on (appended for -1); returns how many.
    static int GenerateToolbarEntries(CXTPControls* pControls, CXTPCommandBars* pCommandBars, int nIndex = -1);
};
