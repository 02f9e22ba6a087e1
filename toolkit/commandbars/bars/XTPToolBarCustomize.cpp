// The toolbar's add-or-remove list and its reset to the initial controls.
#include <algorithm>

#include "framework/windows/CWinApp.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/resources/XTPResourceManager.h"

CObject* CXTPToolBar::CXTPControlButtonCustomize::CreateObject()
{
    return new CXTPControlButtonCustomize;
}
CRuntimeClass CXTPToolBar::CXTPControlButtonCustomize::classCXTPControlButtonCustomize = {
    "CXTPToolBar::CXTPControlButtonCustomize", sizeof(CXTPToolBar::CXTPControlButtonCustomize), AFX_NO_SCHEMA,
    CXTPToolBar::CXTPControlButtonCustomize::CreateObject, RUNTIME_CLASS(CXTPControlButton), nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPToolBarButtonCustomize(
    &CXTPToolBar::CXTPControlButtonCustomize::classCXTPControlButtonCustomize);
CRuntimeClass* CXTPToolBar::CXTPControlButtonCustomize::GetRuntimeClass() const
{
    return &classCXTPControlButtonCustomize;
}

namespace {
// Flags of controls the list leaves out.
const DWORD kNotListedFlags = 0x41;

// Where an index lands when the control at nFrom moves to nTo.
int MovedIndex(int nIndex, int nFrom, int nTo)
{
    if (nIndex == nFrom)
        return nTo;
    if (nTo < nFrom)
        return nIndex >= nTo && nIndex < nFrom ? nIndex + 1 : nIndex;
    return nIndex > nFrom && nIndex <= nTo ? nIndex - 1 : nIndex;
}
} // namespace

CXTPToolBar::CXTPControlButtonCustomize::CXTPControlButtonCustomize()
{
    // The entry's state is the list's, not the command handlers' of its id.
    m_dwFlags = xtpFlagManualUpdate;
}

CXTPToolBar::CXTPControlButtonCustomize::~CXTPControlButtonCustomize()
{
    SetTarget(nullptr, nullptr);
}

void CXTPToolBar::CXTPControlButtonCustomize::SetTarget(CXTPToolBar* pToolBar, CXTPControl* pControl)
{
    if (pControl == m_pTargetControl) {
        m_pToolBar = pToolBar;
        return;
    }
    if (pControl)
        pControl->InternalAddRef();
    if (m_pTargetControl)
        m_pTargetControl->InternalRelease();
    m_pTargetControl = pControl;
    m_pToolBar = pToolBar;
}

void CXTPToolBar::CXTPControlButtonCustomize::OnExecute()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetOptions())
        pCommandBars->GetOptions()->bDirty = TRUE;
    if (m_pTargetControl == nullptr) {
        // Reset may remove the controls of this list: hold the bar past it.
        CXTPToolBar* pToolBar = m_pToolBar;
        if (pToolBar == nullptr)
            return;
        pToolBar->InternalAddRef();
        if (pCommandBars)
            pCommandBars->ClosePopups();
        pToolBar->Reset(TRUE);
        pToolBar->InternalRelease();
        return;
    }
    BOOL bShow = (m_pTargetControl->GetHideFlags() & xtpHideCustomize) != 0;
    m_pTargetControl->SetHideFlag(xtpHideCustomize, !bShow);
    SetChecked(bShow);
    CXTPCommandBar* pTargetBar = m_pTargetControl->GetParent();
    if (pTargetBar) {
        pTargetBar->OnRecalcLayout();
        pTargetBar->RedrawParentBars();
    }
    RedrawParent();
}

void CXTPToolBar::MergeInitialControls()
{
    CXTPControls* pInitial = m_pControls->GetOriginalControls();
    for (int i = m_pControls->GetCount() - 1; i >= 0; i--)
        if (m_pControls->GetAt(i)->GetHideFlags() & xtpHideCustomize)
            RemoveControlAt(i);
    if (pInitial == nullptr)
        return;
    // The right-aligned controls the initial set ends with (a program's logo)
    // belong at the bar's far end: they stay behind what the user added.
    int nFarEnd = pInitial->GetCount();
    while (nFarEnd > 0 && (pInitial->GetAt(nFarEnd - 1)->IsTemporary() ||
                           (pInitial->GetAt(nFarEnd - 1)->GetFlags() & xtpFlagRightAlign)))
        nFarEnd--;
    // Walk the initial set in its order: a control still present keeps its
    // place, one the user took out comes back hidden where it belongs.
    int nPosition = 0;
    for (int j = 0; j < pInitial->GetCount(); j++) {
        CXTPControl* pInitialControl = pInitial->GetAt(j);
        if (pInitialControl->IsTemporary())
            continue;
        int nFound = -1;
        for (int k = nPosition; k < m_pControls->GetCount() && nFound < 0; k++) {
            CXTPControl* pControl = m_pControls->GetAt(k);
            if (!pControl->IsTemporary() && pControl->GetID() == pInitialControl->GetID() &&
                pControl->GetType() == pInitialControl->GetType())
                nFound = k;
        }
        // At the far end: behind the bar's last control, before its
        // temporary special buttons.
        int nTo = nPosition;
        if (j >= nFarEnd) {
            nTo = m_pControls->GetCount();
            while (nTo > nPosition && m_pControls->GetAt(nTo - 1)->IsTemporary())
                nTo--;
            if (nFound >= 0)
                nTo--;
        }
        // The collection forgets the bar's indices on a change; the open
        // expand button must stay the popuped control.
        int nSelected = m_nSelected, nPopuped = m_nPopuped;
        if (nFound >= 0) {
            // Controls standing before it that the initial set does not
            // hold here move out of the way, behind it.
            m_pControls->MoveAt(nFound, nTo);
            m_nSelected = MovedIndex(nSelected, nFound, nTo);
            m_nPopuped = MovedIndex(nPopuped, nFound, nTo);
        } else {
            CXTPControl* pClone = m_pControls->AddClone(pInitialControl, nTo, FALSE);
            pClone->SetHideFlag(xtpHideCustomize, TRUE);
            m_nSelected = nSelected >= nTo ? nSelected + 1 : nSelected;
            m_nPopuped = nPopuped >= nTo ? nPopuped + 1 : nPopuped;
        }
        if (j < nFarEnd)
            nPosition++;
    }
}

void CXTPToolBar::RemoveControlAt(int nIndex)
{
    int nSelected = m_nSelected, nPopuped = m_nPopuped;
    m_pControls->RemoveAt(nIndex);
    m_nSelected = nSelected == nIndex ? -1 : (nSelected > nIndex ? nSelected - 1 : nSelected);
    m_nPopuped = nPopuped == nIndex ? -1 : (nPopuped > nIndex ? nPopuped - 1 : nPopuped);
}

void CXTPToolBar::FillAddOrRemoveList(CXTPCommandBar* pPopup)
{
    MergeInitialControls();
    CXTPControls* pList = pPopup->GetControls();
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        int nId = pControl->GetID();
        if (nId == XTP_ID_TOOLBAR_EXPAND || nId == XTP_ID_TOOLBAR_HIDE || (pControl->GetFlags() & kNotListedFlags))
            continue;
        auto* pEntry = new CXTPControlButtonCustomize();
        pList->Add(pEntry, nId);
        pEntry->SetTarget(this, pControl);
        pEntry->SetCaption(pControl->GetCaption());
        int nIconId = pControl->GetIconId();
        XTPControlType type = pControl->GetType();
        if (type < xtpControlButton || type > xtpControlSplitButtonPopup) {
            nIconId = _wtoi(pControl->GetParameter());
            if (nIconId == 0)
                nIconId = nId;
        }
        pEntry->SetIconId(nIconId);
        pEntry->SetShortcutText(pControl->GetCurrentShortcutText());
        pEntry->SetChecked((pControl->GetHideFlags() & xtpHideCustomize) == 0);
    }
    if (m_pControls->GetOriginalControls() && !m_bTearOff && m_bBuiltIn) {
        auto* pReset = new CXTPControlButtonCustomize();
        CString strReset;
        XTPGetResourceManager()->LoadString(&strReset, XTP_IDS_TOOLBAR_RESET);
        pList->Add(pReset, 0, CString());
        pReset->SetTarget(this, nullptr);
        pReset->SetCaption(strReset);
        pReset->SetBeginGroup(TRUE);
    }
}

BOOL CXTPToolBar::ConfirmReset() const
{
    CString strFormat, strMessage;
    if (XTPGetResourceManager()->LoadString(&strFormat, XTP_IDS_CONFIRM_RESET))
        strMessage.Format(strFormat, static_cast<LPCTSTR>(m_strTitle));
    return AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

BOOL CXTPToolBar::NotifySiteOfReset()
{
    CWnd* pSite = GetSite();
    if (pSite == nullptr || !pSite->GetSafeHwnd())
        return TRUE;
    const BOOL bListed = IsListed();
    // The site's handler may remove the bar: it lives until the answer.
    InternalAddRef();
    pSite->SendMessage(WM_XTP_TOOLBAR_RESET, 0, reinterpret_cast<LPARAM>(this));
    const BOOL bKept = !bListed || IsListed();
    InternalRelease();
    return bKept;
}

BOOL CXTPToolBar::IsListed() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->FindIndex(const_cast<CXTPToolBar*>(this)) >= 0;
}

void CXTPToolBar::Reset(BOOL bAsk)
{
    if (!m_bBuiltIn || !IsCustomizable() || m_nBarID == 0)
        return;
    if (bAsk && !ConfirmReset())
        return;
    CXTPControls* pInitial = m_pControls->GetOriginalControls();
    if (pInitial == nullptr) {
        LoadToolBar(m_nBarID, FALSE);
    } else {
        m_pControls->RemoveAll();
        m_nSelected = -1;
        m_nPopuped = -1;
        for (int i = 0; i < pInitial->GetCount(); i++)
            if (!pInitial->GetAt(i)->IsTemporary())
                m_pControls->AddClone(pInitial->GetAt(i), -1, TRUE);
    }
    m_bChanged = FALSE;
    if (!NotifySiteOfReset())
        return;
    UpdateCmdUINow();
    OnRecalcLayout();
}
