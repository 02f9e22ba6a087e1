#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

XTP_COMMANDBARS_PROPEXCHANGE_PARAM* XTP_COMMANDBARS_PROPEXCHANGE_PARAM::From(CXTPPropExchange* pPX)
{
    return pPX ? reinterpret_cast<XTP_COMMANDBARS_PROPEXCHANGE_PARAM*>(pPX->m_dwData) : nullptr;
}

CXTPCommandBarList::~CXTPCommandBarList()
{
    RemoveAll();
}

CXTPCommandBar* CXTPCommandBarList::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

BOOL CXTPCommandBarList::Lookup(CXTPCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (m_arrBars[i] == pBar)
            return TRUE;
    return FALSE;
}

void CXTPCommandBarList::Add(CXTPCommandBar* pBar)
{
    if (!pBar || Lookup(pBar))
        return;
    pBar->InternalAddRef();
    m_arrBars.Add(pBar);
}

void CXTPCommandBarList::AddNew(CXTPCommandBar* pBar)
{
    if (pBar)
        m_arrBars.Add(pBar);
}

CXTPCommandBar* CXTPCommandBarList::FindCommandBar(UINT nBarID) const
{
    return XTPFindBarByID(m_arrBars, nBarID);
}

void CXTPCommandBarList::RemoveAll()
{
    CArray<CXTPCommandBar*, CXTPCommandBar*> arrBars;
    arrBars.Append(m_arrBars);
    m_arrBars.RemoveAll();
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        arrBars[i]->InternalRelease();
}

BOOL CXTPCommandBarList::MarkRelinked(CXTPCommandBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrRelinked.GetSize(); i++)
        if (m_arrRelinked[i] == pBar)
            return FALSE;
    m_arrRelinked.Add(pBar);
    return TRUE;
}

BOOL CXTPCommandBarList::IsBeingRelinked(CXTPCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrRelinkPath.GetSize(); i++)
        if (m_arrRelinkPath[i] == pBar)
            return TRUE;
    return FALSE;
}

CXTPSectionHolder::~CXTPSectionHolder()
{
    if (m_pSection)
        m_pSection->InternalRelease();
}
