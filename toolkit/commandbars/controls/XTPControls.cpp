#include <algorithm>
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlsLayout.h"

IMPLEMENT_DYNCREATE(CXTPControls, CCmdTarget)

CXTPControls::CXTPControls()
    : m_pParent(nullptr)
    , m_pCommandBars(nullptr)
    , m_pOriginalControls(nullptr)
{
}

CXTPControls::~CXTPControls()
{
    RemoveAll();
    if (m_pOriginalControls)
        m_pOriginalControls->InternalRelease();
}

void CXTPControls::SetParent(CXTPCommandBar* pParent)
{
    m_pParent = pParent;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->SetParent(pParent);
}

CXTPCommandBars* CXTPControls::GetCommandBars() const
{
    return m_pParent ? m_pParent->GetCommandBars() : m_pCommandBars;
}

CXTPControl* CXTPControls::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_arrControls[nIndex];
}

CXTPControl* CXTPControls::GetNextControl(CXTPControl* pControl) const
{
    if (!pControl || pControl->GetControls() != this)
        return nullptr;
    return GetAt(pControl->GetIndex() + 1);
}

CXTPControl* CXTPControls::FindControl(int nId) const
{
    return FindControl(xtpControlError, nId, FALSE, FALSE);
}

void CXTPControls::MoveAt(int nFrom, int nTo)
{
    if (nFrom < 0 || nFrom >= GetCount() || nTo < 0 || nTo >= GetCount() || nFrom == nTo)
        return;
    CXTPControl* pControl = m_arrControls[nFrom];
    m_arrControls.RemoveAt(nFrom);
    m_arrControls.InsertAt(nTo, pControl);
    RefreshIndexes(std::min(nFrom, nTo));
}

void CXTPControls::RefreshIndexes(int nFrom)
{
    for (INT_PTR i = nFrom > 0 ? nFrom : 0; i < m_arrControls.GetSize(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        pControl->m_nIndex = static_cast<int>(i);
        pControl->m_pControls = this;
        pControl->SetParent(m_pParent);
    }
    if (m_pParent)
        m_pParent->OnControlsChanged();
}

CXTPControl* CXTPControls::Add(CXTPControl* pControl, int nId, const CString& strParameter, int nBefore,
                               BOOL bTemporary)
{
    if (!pControl)
        return nullptr;
    pControl->SetParameter(strParameter);
    pControl->SetTemporary(bTemporary);
    pControl->SetControls(this);
    pControl->SetParent(m_pParent);
    pControl->SetID(nId);
    if (nBefore < 0 || nBefore >= GetCount())
        nBefore = static_cast<int>(m_arrControls.Add(pControl));
    else
        m_arrControls.InsertAt(nBefore, pControl);
    // The controls before the new one keep their places.
    RefreshIndexes(nBefore);
    return pControl;
}

CXTPControl* CXTPControls::AddClone(CXTPControl* pClone, int nBefore, BOOL bRecursive)
{
    if (!pClone)
        return nullptr;
    CXTPControl* pControl = pClone->Clone(bRecursive);
    if (!pControl)
        return nullptr;
    return Add(pControl, pControl->GetID(), pControl->GetParameter(), nBefore, pControl->IsTemporary());
}

void CXTPControls::Remove(CXTPControl* pControl)
{
    if (!pControl || pControl->GetControls() != this)
        return;
    RemoveAt(pControl->GetIndex());
}

void CXTPControls::RemoveAt(int nIndex)
{
    CXTPControl* pControl = GetAt(nIndex);
    if (!pControl)
        return;
    if (m_pParent && pControl->GetSelected())
        m_pParent->SetSelected(-1);
    m_arrControls.RemoveAt(nIndex);
    pControl->m_pControls = nullptr;
    pControl->SetParent(nullptr);
    pControl->InternalRelease();
    RefreshIndexes(nIndex);
}

void CXTPControls::RemoveAll()
{
    CArray<CXTPControl*, CXTPControl*> arrControls;
    arrControls.Append(m_arrControls);
    m_arrControls.RemoveAll();
    for (INT_PTR i = 0; i < arrControls.GetSize(); i++) {
        arrControls[i]->m_pControls = nullptr;
        arrControls[i]->SetParent(nullptr);
        arrControls[i]->InternalRelease();
    }
}

int CXTPControls::GetNext(int nStart, int nStep, BOOL bSkipNoFocus, BOOL bSkipTemporary, BOOL bSkipCollapsed) const
{
    int nCount = GetCount();
    if (nCount == 0 || (nStep != 1 && nStep != -1))
        return -1;
    DWORD dwAllowed = xtpHideScroll | (bSkipCollapsed ? 0 : xtpHideExpand);
    int nIndex = (nStart < 0 && nStep < 0) ? nCount : nStart;
    for (int k = 0; k < nCount; k++) {
        nIndex += nStep;
        if (nIndex >= nCount)
            nIndex = 0;
        else if (nIndex < 0)
            nIndex = nCount - 1;
        // Round to the start again: the start itself answers, as the caller
        // stays where it was.
        if (nIndex == nStart)
            return nStart;
        const CXTPControl* pControl = m_arrControls[nIndex];
        if (pControl->GetHideFlags() & ~dwAllowed)
            continue;
        if (bSkipNoFocus && (pControl->GetFlags() & xtpFlagSkipFocus))
            continue;
        if (bSkipTemporary && pControl->IsTemporary())
            continue;
        return nIndex;
    }
    return -1;
}

CXTPControl* CXTPControls::FindControl(XTPControlType type, int nId, BOOL bVisible, BOOL bRecursive) const
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        BOOL bMatch = (type == xtpControlError || pControl->GetType() == type) &&
                      (!bVisible || pControl->GetHideFlags() == 0) && (nId == -1 || pControl->GetID() == nId);
        if (bMatch)
            return pControl;
        int nType = pControl->GetType();
        BOOL bPopup = nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
        CXTPCommandBar* pBar = bRecursive && bPopup ? pControl->GetCommandBar() : nullptr;
        CXTPControls* pChildren = pBar ? pBar->GetControls() : nullptr;
        if (pChildren && pChildren != this) {
            CXTPControl* pFound = pChildren->FindControl(type, nId, bVisible, bRecursive);
            if (pFound)
                return pFound;
        }
    }
    return nullptr;
}

CXTPControl* CXTPControls::HitTest(CPoint point) const
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        if (m_arrControls[i]->GetHideFlags() == 0 && m_arrControls[i]->GetRect().PtInRect(point))
            return m_arrControls[i];
    return nullptr;
}

int CXTPControls::GetVisibleCount(BOOL bStrict) const
{
    DWORD dwIgnored = bStrict ? 0 : xtpHideWrap;
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        if ((m_arrControls[i]->GetHideFlags() & ~dwIgnored) == 0)
            nCount++;
    return nCount;
}

CXTPControls* CXTPControls::Duplicate(BOOL bRecursive) const
{
    CXTPControls* pCopy = new CXTPControls();
    pCopy->m_pCommandBars = GetCommandBars();
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        pCopy->AddClone(m_arrControls[i], -1, bRecursive);
    if (m_pOriginalControls)
        pCopy->m_pOriginalControls = m_pOriginalControls->Duplicate(bRecursive);
    return pCopy;
}

void CXTPControls::CreateInitialControls()
{
    CXTPControls* pCopy = Duplicate(TRUE);
    if (m_pOriginalControls)
        m_pOriginalControls->InternalRelease();
    m_pOriginalControls = pCopy;
}

BOOL CXTPControls::IsChanged() const
{
    if (!m_pOriginalControls)
        return TRUE;
    const CXTPControls* pOriginal = m_pOriginalControls;
    int i = 0, j = 0;
    for (;;) {
        while (i < GetCount() && GetAt(i)->IsTemporary())
            i++;
        while (j < pOriginal->GetCount() && pOriginal->GetAt(j)->IsTemporary())
            j++;
        if (i >= GetCount() || j >= pOriginal->GetCount())
            return i < GetCount() || j < pOriginal->GetCount();
        if (!GetAt(i)->Compare(pOriginal->GetAt(j)))
            return TRUE;
        i++;
        j++;
    }
}

CSize CXTPControls::CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder, int nMinimum)
{
    CXTPControlsLayout layout(this, pDC);
    return layout.CalcDynamicSize(nLength, dwMode, rcBorder, nMinimum);
}
