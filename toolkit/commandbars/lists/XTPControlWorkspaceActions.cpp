#include "toolkit/commandbars/lists/XTPControlWorkspaceActions.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CTestCmdUI.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/controls/XTPControls.h"

IMPLEMENT_DYNCREATE(CXTPControlWorkspaceActions, CXTPControlButton)

namespace {

const int kFirstGroupCommand = 9420;
const int kLastGroupCommand = 9423;
// New groups first, then moving between them.
const int kGroupCommandOrder[] = {9422, 9423, 9420, 9421};

BOOL IsGroupCommand(CXTPControl* pControl, void* /*pContext*/)
{
    return pControl->GetID() >= kFirstGroupCommand && pControl->GetID() <= kLastGroupCommand;
}

// The tabbed client takes over the MDI client window and answers the
// state of the group commands; a plain client has no handler for them.
BOOL IsGroupCommandAccepted(CWnd* pClient, int nId, BOOL* pbHandled)
{
    CTestCmdUI state;
    state.m_nID = static_cast<UINT>(nId);
    *pbHandled = pClient->OnCmdMsg(static_cast<UINT>(nId), static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
    return *pbHandled && state.m_bEnabled;
}

} // namespace

void CXTPControlWorkspaceActions::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveGeneratedEntries(this, IsGroupCommand, nullptr);
    CFrameWnd* pFrame = m_pParent ? m_pParent->GetSiteFrame() : nullptr;
    if (!pFrame || !pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return;
    CWnd* pClient = CWnd::FromHandlePermanent(static_cast<CMDIFrameWnd*>(pFrame)->m_hWndMDIClient);
    if (!pClient)
        return;
    BOOL bTabbed = FALSE;
    int nEntries = 0;
    for (int nId : kGroupCommandOrder) {
        BOOL bHandled = FALSE;
        BOOL bAccepted = IsGroupCommandAccepted(pClient, nId, &bHandled);
        bTabbed |= bHandled;
        if (!bAccepted)
            continue;
        if (XTPAddGeneratedEntry(this, nEntries, nId))
            nEntries++;
    }
    if (!bTabbed)
        return;
    SetHideFlags(m_dwHideFlags | xtpHideGeneric);
    CXTPControl* pNext = m_pControls ? m_pControls->GetAt(GetIndex() + 1) : nullptr;
    if (pNext && GetBeginGroup())
        pNext->SetBeginGroup(TRUE);
}

BOOL CXTPControlWorkspaceActions::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                           DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

CXTPControl* CXTPControlWorkspaceActions::Clone(BOOL bRecursive)
{
    CXTPControlWorkspaceActions* pControl = new CXTPControlWorkspaceActions();
    pControl->Copy(this, bRecursive);
    return pControl;
}
