// The toolbar's add-or-remove list and its reset to the initial controls.
#include <algorithm>
#include <vector>

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

// Two controls stand for one command of the bar: a control without a
// command (a new menu) stands only for itself.
bool IsSameCommand(CXTPControl* pControl, CXTPControl* pOther)
{
    return pControl->GetID() != 0 && !pOther->IsTemporary() && pOther->GetID() == pControl->GetID() &&
           pOther->GetType() == pControl->GetType();
}

// How many controls of the collection stand for the control's command.
int CountOfCommand(CXTPControls* pControls, CXTPControl* pControl)
{
    int nCount = 0;
    for (int i = 0; pControls != nullptr && i < pControls->GetCount(); i++)
        nCount += IsSameCommand(pControl, pControls->GetAt(i)) ? 1 : 0;
    return nCount;
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

int CXTPToolBar::EndOfOwnControls() const
{
    int nEnd = m_pControls->GetCount();
    while (nEnd > 0 && m_pControls->GetAt(nEnd - 1)->IsTemporary())
        nEnd--;
    return nEnd;
}

int CXTPToolBar::FindUnmatchedControl(CXTPControl* pInitialControl, const std::vector<CXTPControl*>& matched,
                                      int nStart) const
{
    // Searched from nStart first, so that a command the bar holds twice
    // pairs with the one standing after the previous initial control.
    const int nCount = m_pControls->GetCount();
    for (int n = 0; n < nCount; n++) {
        const int k = (nStart + n) % nCount;
        CXTPControl* pControl = m_pControls->GetAt(k);
        if (!pControl->IsTemporary() && pControl->GetID() == pInitialControl->GetID() &&
            pControl->GetType() == pInitialControl->GetType() &&
            std::find(matched.begin(), matched.end(), pControl) == matched.end())
            return k;
    }
    return -1;
}

CXTPControl* CXTPToolBar::InsertHiddenClone(CXTPControl* pInitialControl, int nBefore)
{
    // The collection forgets the bar's indices on a change; the open expand
    // button must stay the popuped control.
    const int nSelected = m_nSelected, nPopuped = m_nPopuped;
    CXTPControl* pClone = m_pControls->AddClone(pInitialControl, nBefore, FALSE);
    pClone->SetHideFlag(xtpHideCustomize, TRUE);
    m_nSelected = nSelected >= nBefore ? nSelected + 1 : nSelected;
    m_nPopuped = nPopuped >= nBefore ? nPopuped + 1 : nPopuped;
    return pClone;
}

void CXTPToolBar::MoveControl(int nFrom, int nTo)
{
    const int nSelected = m_nSelected, nPopuped = m_nPopuped;
    m_pControls->MoveAt(nFrom, nTo);
    m_nSelected = MovedIndex(nSelected, nFrom, nTo);
    m_nPopuped = MovedIndex(nPopuped, nFrom, nTo);
}

void CXTPToolBar::RemoveControlAt(int nIndex)
{
    const int nSelected = m_nSelected, nPopuped = m_nPopuped;
    m_pControls->RemoveAt(nIndex);
    m_nSelected = nSelected == nIndex ? -1 : (nSelected > nIndex ? nSelected - 1 : nSelected);
    m_nPopuped = nPopuped == nIndex ? -1 : (nPopuped > nIndex ? nPopuped - 1 : nPopuped);
}

void CXTPToolBar::RemoveHiddenTwins()
{
    // A control the user took out and brought back (dragged from the
    // commands page) stands twice: hidden, where it was, and shown, where he
    // dropped it. They are one control: of a command the bar keeps as many
    // as its initial set holds (one at least), the shown ones first and
    // then the hidden ones nearest the bar's start.
    CXTPControls* pInitial = m_pControls->GetOriginalControls();
    for (int i = m_pControls->GetCount() - 1; i >= 0; i--) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->IsTemporary() || pControl->GetID() == 0 || !(pControl->GetHideFlags() & xtpHideCustomize))
            continue;
        int nBefore = 0;
        for (int k = 0; k < m_pControls->GetCount(); k++) {
            CXTPControl* pOther = m_pControls->GetAt(k);
            if (k != i && IsSameCommand(pControl, pOther) &&
                (k < i || !(pOther->GetHideFlags() & xtpHideCustomize)))
                nBefore++;
        }
        if (nBefore >= std::max(1, CountOfCommand(pInitial, pControl)))
            RemoveControlAt(i);
    }
}

void CXTPToolBar::MergeInitialControls()
{
    RemoveHiddenTwins();
    CXTPControls* pInitial = m_pControls->GetOriginalControls();
    if (pInitial == nullptr)
        return;
    // The right-aligned controls the initial set ends with (a program's logo)
    // belong at the bar's far end: they stay behind what the user added.
    int nFarEnd = pInitial->GetCount();
    while (nFarEnd > 0 && (pInitial->GetAt(nFarEnd - 1)->IsTemporary() ||
                           (pInitial->GetAt(nFarEnd - 1)->GetFlags() & xtpFlagRightAlign)))
        nFarEnd--;
    // Opening the list must not rearrange the bar: every control keeps its
    // place, whatever the user added or moved. Only an initial control the
    // user took out comes back, hidden, behind the control that stands for
    // its predecessor in the initial set.
    std::vector<CXTPControl*> matched;
    int nAfter = -1;
    for (int j = 0; j < pInitial->GetCount(); j++) {
        CXTPControl* pInitialControl = pInitial->GetAt(j);
        if (pInitialControl->IsTemporary())
            continue;
        const int nFound = FindUnmatchedControl(pInitialControl, matched, nAfter + 1);
        if (j >= nFarEnd) {
            const int nEnd = EndOfOwnControls();
            if (nFound >= 0) {
                matched.push_back(m_pControls->GetAt(nFound));
                MoveControl(nFound, nEnd - 1);
            } else {
                matched.push_back(InsertHiddenClone(pInitialControl, nEnd));
            }
            continue;
        }
        if (nFound >= 0) {
            matched.push_back(m_pControls->GetAt(nFound));
            nAfter = nFound;
            continue;
        }
        const int nTo = std::min(nAfter + 1, EndOfOwnControls());
        matched.push_back(InsertHiddenClone(pInitialControl, nTo));
        nAfter = nTo;
    }
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
