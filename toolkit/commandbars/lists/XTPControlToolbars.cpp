#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

IMPLEMENT_DYNCREATE(CXTPControlToolbars, CXTPControlButton)

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
    if (CXTPToolBar* pBar = pCommandBars->GetAt(nIndex))
        pBar->SetVisible(!pBar->IsVisible());
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
        CXTPControl* pEntry = pControls->Add(new CXTPControlToolbar(), XTP_ID_TOOLBARLIST, L"CXTPControlToolbar",
                                             nIndex < 0 ? -1 : nIndex + nAdded, TRUE);
        pEntry->SetTag(static_cast<DWORD_PTR>(i));
        pEntry->SetCaption(pBar->GetTitle());
        pEntry->SetFlags(pEntry->GetFlags() | xtpFlagManualUpdate);
        pEntry->SetChecked(pBar->IsVisible());
        nAdded++;
    }
    return nAdded;
}
