// Placeholder that expands into one button per recent file.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CRecentFileList;

class CXTPControlRecentFileList : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlRecentFileList)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;

    // The application's list; null when it keeps none.
    virtual CRecentFileList* GetRecentFileList();
    virtual int GetFirstMRUID() { return 57616; }
};
