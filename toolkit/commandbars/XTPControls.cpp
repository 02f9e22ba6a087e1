#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPControl.h"

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
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        if (m_arrControls[i]->GetID() == nId)
            return m_arrControls[i];
    return nullptr;
}

void CXTPControls::RefreshIndexes()
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++) {
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
        m_arrControls.Add(pControl);
    else
        m_arrControls.InsertAt(nBefore, pControl);
    RefreshIndexes();
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
    RefreshIndexes();
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
