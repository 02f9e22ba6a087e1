// Placeholder that expands into one button per visible MDI child window.
#pragma once
#include "toolkit/commandbars/controls/XTPControlButton.h"

class CXTPControlWindowList : public CXTPControlButton
{
    DECLARE_DYNCREATE(CXTPControlWindowList)
public:
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint point, DROPEFFECT& dropEffect) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;

    // The child id the list starts from: moved down when the active child
    // carries one of the low dialog id ranges. Shared by every list.
    static UINT GetFirstWindowId() { return s_nFirstWindowId; }
    static void ResetFirstWindowId() { s_nFirstWindowId = kDefaultFirstWindowId; }
    static const UINT kDefaultFirstWindowId = 0xFF00;
    static const int kMaxEntries = 9;

private:
    static UINT s_nFirstWindowId;
};

// Only menus take list placeholders.
BOOL XTPIsPopupBarTarget(CXTPCommandBar* pCommandBar);
// The placeholders' answer to a drag over a bar: any other bar than a menu
// is refused with no drop effect, so that a drag neither shows a place there
// nor moves the placeholder away from its menu.
BOOL XTPAcceptPopupBarTargetOnly(CXTPCommandBar* pCommandBar, DROPEFFECT& dropEffect);
