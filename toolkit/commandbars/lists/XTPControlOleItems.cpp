#include "toolkit/commandbars/lists/XTPControlOleItems.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"

IMPLEMENT_DYNCREATE(CXTPControlOleItems, CXTPControlButton)

namespace {

BOOL IsVerbPopup(CXTPControl* pControl, void* /*pContext*/)
{
    return pControl->GetParameter() == L"OLEMENUPOPUP";
}

} // namespace

void CXTPControlOleItems::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveGeneratedEntries(this, IsVerbPopup, nullptr);
    if (IsCustomizeMode()) {
        SetHideFlags(0);
        return;
    }
    // The framework's documents hold no embedded objects, so there is never
    // a selected item whose verbs could be listed: the placeholder only hides.
    SetHideFlags(m_dwHideFlags | xtpHideGeneric);
}

BOOL CXTPControlOleItems::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                   DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

CXTPControl* CXTPControlOleItems::Clone(BOOL bRecursive)
{
    CXTPControlOleItems* pControl = new CXTPControlOleItems();
    pControl->Copy(this, bRecursive);
    return pControl;
}
