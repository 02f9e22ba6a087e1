#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/common/resources/XTPResourceManager.h"

IMPLEMENT_DYNCREATE(CXTPControlWindowList, CXTPControlButton)

UINT CXTPControlWindowList::s_nFirstWindowId = CXTPControlWindowList::kDefaultFirstWindowId;

namespace {

const UINT kWindowEntryHelpId = 61215;
const int kMaxWindowText = 256;

BOOL IsWindowEntry(CXTPControl* pControl, void* /*pContext*/)
{
    return static_cast<UINT>(pControl->GetID()) >= CXTPControlWindowList::GetFirstWindowId();
}

UINT AdjustedFirstWindowId(UINT nCurrent, int nActiveId)
{
    if (nActiveId >= 0x8000 && nActiveId <= 0x800E)
        return 0x8000;
    if (nActiveId >= 1 && nActiveId <= 14)
        return 1;
    return nCurrent;
}

} // namespace

BOOL XTPIsPopupBarTarget(CXTPCommandBar* pCommandBar)
{
    return pCommandBar && pCommandBar->GetType() == xtpBarTypePopup;
}

BOOL XTPAcceptPopupBarTargetOnly(CXTPCommandBar* pCommandBar, DROPEFFECT& dropEffect)
{
    if (XTPIsPopupBarTarget(pCommandBar))
        return TRUE;
    dropEffect = DROPEFFECT_NONE;
    return FALSE;
}

void CXTPControlWindowList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    XTPRemoveGeneratedEntries(this, IsWindowEntry, nullptr);
    if (IsCustomizeMode()) {
        SetHideFlags(m_dwHideFlags & ~static_cast<DWORD>(xtpHideGeneric));
        return;
    }
    CFrameWnd* pFrame = m_pParent ? m_pParent->GetSiteFrame() : nullptr;
    CMDIFrameWnd* pMDIFrame =
        pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pFrame) : nullptr;
    HWND hClient = pMDIFrame ? pMDIFrame->m_hWndMDIClient : nullptr;
    if (!hClient || !::IsWindow(hClient))
        return;
    SetHideFlags(m_dwHideFlags | xtpHideGeneric);

    HWND hActive = reinterpret_cast<HWND>(::SendMessageW(hClient, WM_MDIGETACTIVE, 0, 0));
    if (hActive)
        s_nFirstWindowId = AdjustedFirstWindowId(s_nFirstWindowId, ::GetDlgCtrlID(hActive));

    CString strPrompt;
    XTPGetResourceManager()->LoadString(&strPrompt, kWindowEntryHelpId);
    int nEntries = 0;
    for (UINT nId = s_nFirstWindowId; nEntries < kMaxEntries; nId++) {
        HWND hChild = ::GetDlgItem(hClient, static_cast<int>(nId));
        if (!hChild)
            break;
        if (!::IsWindowVisible(hChild))
            continue;
        wchar_t szText[kMaxWindowText + 1] = {};
        ::GetWindowTextW(hChild, szText, kMaxWindowText + 1);
        CXTPControl* pEntry = XTPAddGeneratedEntry(this, nEntries, static_cast<int>(nId));
        if (!pEntry)
            break;
        nEntries++;
        pEntry->SetCaption(XTPFormatNumberedCaption(szText, nEntries));
        pEntry->SetBeginGroup(nEntries == 1);
        pEntry->SetChecked(hChild == hActive);
        pEntry->SetHelpId(static_cast<int>(kWindowEntryHelpId));
        pEntry->SetPrompt(strPrompt);
    }
}

BOOL CXTPControlWindowList::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                     DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

CXTPControl* CXTPControlWindowList::Clone(BOOL bRecursive)
{
    CXTPControlWindowList* pControl = new CXTPControlWindowList();
    pControl->Copy(this, bRecursive);
    return pControl;
}
