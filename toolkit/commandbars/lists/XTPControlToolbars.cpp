#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

IMPLEMENT_DYNCREATE(CXTPControlToolbars, CXTPControlButton)

namespace {

const wchar_t kEntryParameter[] = L"CXTPControlToolbar";

BOOL IsToolbarEntry(CXTPControl* pControl, void* /*pContext*/)
{
    return pControl->GetParameter() == kEntryParameter;
}

} // namespace

// A nested class: its run-time class is spelled out.
CObject* CXTPControlToolbars::CXTPControlToolbar::CreateObject()
{
    return new CXTPControlToolbar;
}
CRuntimeClass CXTPControlToolbars::CXTPControlToolbar::classCXTPControlToolbar = {
    "CXTPControlToolbars::CXTPControlToolbar", sizeof(CXTPControlToolbars::CXTPControlToolbar), AFX_NO_SCHEMA,
    CXTPControlToolbars::CXTPControlToolbar::CreateObject, RUNTIME_CLASS(CXTPControlButton), nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPControlToolbar(
    &CXTPControlToolbars::CXTPControlToolbar::classCXTPControlToolbar);
CRuntimeClass* CXTPControlToolbars::CXTPControlToolbar::GetRuntimeClass() const
{
    return &classCXTPControlToolbar;
}

void CXTPControlToolbars::CXTPControlToolbar::OnExecute()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    // Closing the popups may free this entry: keep what it names first.
    int nIndex = static_cast<int>(m_nTag);
    pCommandBars->ClosePopups();
    pCommandBars->ToggleVisible(nIndex);
}

int CXTPControlToolbars::GenerateToolbarEntries(CXTPControls* pControls, CXTPCommandBars* pCommandBars, int nIndex)
{
    if (!pControls || !pCommandBars)
        return 0;
    int nAdded = 0;
    for (int i = 0; i < pCommandBars->GetCount(); i++) {
        CXTPToolBar* pBar = pCommandBars->GetAt(i);
        if (!pBar->IsCloseable() || !pBar->IsContextMenuPresent())
            continue;
        CXTPControl* pEntry = pControls->Add(new CXTPControlToolbar(), XTP_ID_TOOLBARLIST, kEntryParameter,
                                             nIndex < 0 ? -1 : nIndex + nAdded, TRUE);
        pEntry->SetTag(static_cast<DWORD_PTR>(i));
        pEntry->SetCaption(pBar->GetTitle());
        pEntry->SetFlags(pEntry->GetFlags() | xtpFlagManualUpdate);
        pEntry->SetChecked(pBar->IsVisible());
        nAdded++;
    }
    return nAdded;
}

void CXTPControlToolbars::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveGeneratedEntries(this, IsToolbarEntry, nullptr);
    if (IsCustomizeMode()) {
        SetHideFlags(m_dwHideFlags & ~static_cast<DWORD>(xtpHideGeneric));
        return;
    }
    SetHideFlags(m_dwHideFlags | xtpHideGeneric);
    GenerateToolbarEntries(m_pControls, GetCommandBars(), m_nIndex + 1);
}

BOOL CXTPControlToolbars::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                   DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

CXTPControl* CXTPControlToolbars::Clone(BOOL bRecursive)
{
    CXTPControlToolbars* pControl = new CXTPControlToolbars();
    pControl->Copy(this, bRecursive);
    return pControl;
}
