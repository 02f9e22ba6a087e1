#include "toolkit/docking/XTPDockingPaneBase.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"

CXTPDockingPaneBase::CXTPDockingPaneBase(int nType, CXTPDockingPaneLayout* pLayout)
    : m_pLayout(pLayout)
    , m_type(nType)
{
    if (pLayout)
    {
        if (CXTPDockingPaneManager* pManager = pLayout->GetManager())
            m_pParentFrame = pManager->GetSite();
        pLayout->m_arrNodes.push_back(this);
    }
}

CXTPDockingPaneBase::~CXTPDockingPaneBase()
{
    for (INT_PTR i = 0; i < m_arrCaptionButtons.GetSize(); i++)
        delete m_arrCaptionButtons[i];
}

CXTPDockingPaneManager* CXTPDockingPaneBase::GetDockingPaneManager() const
{
    return m_pLayout ? m_pLayout->GetManager() : nullptr;
}

void CXTPDockingPaneBase::RedrawPane()
{
    auto* pWnd = dynamic_cast<CWnd*>(this);
    if (pWnd && pWnd->GetSafeHwnd())
        pWnd->Invalidate(FALSE);
}

void CXTPDockingPaneBase::OnChildTitleChanged(CXTPDockingPaneBase* /*pChild*/)
{
    if (m_pParentContainer)
        m_pParentContainer->OnChildTitleChanged(this);
}

void CXTPDockingPaneBase::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    if (m_type == nType)
        pList->AddTail(this);
}

void CXTPDockingPaneBase::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    ZeroMemory(pMinMaxInfo, sizeof(MINMAXINFO));
    pMinMaxInfo->ptMaxTrackSize.x = pMinMaxInfo->ptMaxTrackSize.y = 32000;
}

void CXTPDockingPaneBase::OnSizeParent(CWnd* /*pParent*/, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    m_rcWindow = rect;
    if (lpLayout)
        lpLayout->rect = rect;
}

void CXTPDockingPaneBase::OnFocusChanged()
{
    if (m_pParentContainer)
        m_pParentContainer->OnFocusChanged();
}

void CXTPDockingPaneBase::Reposition(BOOL bResize)
{
    if (m_pParentContainer)
        m_pParentContainer->Reposition(bResize);
}

BOOL CXTPDockingPaneBase::DoPropExchange(CXTPPropExchange* pPX)
{
    XTPExchangeLong(pPX, L"DockingCX", m_szDocking.cx);
    XTPExchangeLong(pPX, L"DockingCY", m_szDocking.cy);
    return TRUE;
}

CXTPDockingPaneBase* CXTPDockingPaneBase::Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* /*pMap*/,
                                               DWORD /*dwIgnoredOptions*/)
{
    // Floating frames and panels are made by their own operations.
    CXTPDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    if (m_type != xtpPaneTypeClient || !pManager)
        return nullptr;
    CXTPDockingPaneBase* pClone = pManager->OnCreatePane(xtpPaneTypeClient, pLayout);
    if (pClone)
        pClone->m_szDocking = m_szDocking;
    return pClone;
}

BOOL CXTPDockingPaneBase::IsEmpty() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    return m_type == xtpPaneTypeClient && pManager && pManager->m_bHideClient;
}

void XTPDockingPaneExchangeNumber(CXTPPropExchange* pPX, int nItem, int& nIndex)
{
    CString strName;
    strName.Format(L"Pane-%d", nItem);
    XTPExchangeLong(pPX, strName, nIndex);
}
