#include "toolkit/docking/XTPDockingPane.h"
#include "framework/windows/AfxMessages.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "toolkit/tabs/XTPTabManagerItem.h"

CXTPDockingPane::CXTPDockingPane(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeDockingPane, pLayout)
{
}

void CXTPDockingPane::SetID(int nID)
{
    m_nID = nID;
    CString strTitle;
    if (nID > 0 && XTPGetResourceManager()->LoadString(&strTitle, static_cast<UINT>(nID)))
        SetTitle(strTitle);
}

void CXTPDockingPane::SetTitle(LPCTSTR lpszTitle)
{
    CString strTitle(lpszTitle ? lpszTitle : L"");
    if (strTitle == m_strTitle)
        return;
    m_strTitle = strTitle;
    if (m_pParentContainer)
        m_pParentContainer->OnChildTitleChanged(this);
}

CString CXTPDockingPane::GetShortTitle() const
{
    int n = m_strTitle.Find(L'\n');
    return n < 0 ? m_strTitle : m_strTitle.Left(n);
}

CString CXTPDockingPane::GetTabCaption() const
{
    int n = m_strTitle.Find(L'\n');
    return n < 0 ? m_strTitle : m_strTitle.Mid(n + 1);
}

DWORD CXTPDockingPane::GetOptions() const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    return m_dwOptions | (pManager ? pManager->m_dwDefaultPaneOptions : 0);
}

COLORREF CXTPDockingPane::GetItemColor() const
{
    if (m_clrItemTab != COLORREF(-1))
        return m_clrItemTab;
    if (m_hwndChild && ::IsWindow(m_hwndChild))
    {
        COLORREF clr = static_cast<COLORREF>(::SendMessageW(m_hwndChild, WM_XTP_GETTABCOLOR, 0, 0));
        if (clr != 0)
            return clr;
    }
    return XTP_TABCOLOR_INDEXED + static_cast<COLORREF>(m_nID % XTP_TABCOLOR_INDEXED_COUNT);
}

void CXTPDockingPane::GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const
{
    CXTPDockingPaneBase::GetMinMaxInfo(pMinMaxInfo);
    pMinMaxInfo->ptMinTrackSize = m_ptMinTrackSize;
    pMinMaxInfo->ptMaxTrackSize = m_ptMaxTrackSize;
}

BOOL CXTPDockingPane::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeString(pPX, L"Title", m_strTitle);
    XTPExchangeLong(pPX, L"ID", m_nID);
    XTPExchangeLongWithDefault(pPX, L"IconID", m_nIconId, -1);
    XTPExchangeLongWithDefault(pPX, L"Options", m_dwOptions, 0);

    int nHolders[3] = {0, 0, 0};
    XTP_DOCKINGPANE_INFO* pInfo = m_pLayout->FindPaneInfo(this);
    if (pPX->IsStoring() && pInfo)
    {
        nHolders[0] = pInfo->pDockingHolder ? pInfo->pDockingHolder->m_nIndex : 0;
        nHolders[1] = pInfo->pFloatingHolder ? pInfo->pFloatingHolder->m_nIndex : 0;
        nHolders[2] = pInfo->pLastHolder ? pInfo->pLastHolder->m_nIndex : 0;
    }
    XTPExchangeLongWithDefault(pPX, L"DockingHolder", nHolders[0], 0);
    XTPExchangeLongWithDefault(pPX, L"FloatingHolder", nHolders[1], 0);
    XTPExchangeLongWithDefault(pPX, L"LastHolder", nHolders[2], 0);
    XTPExchangeLongWithDefault(pPX, L"MinTrackX", m_ptMinTrackSize.x, 0);
    XTPExchangeLongWithDefault(pPX, L"MinTrackY", m_ptMinTrackSize.y, 0);
    XTPExchangeLongWithDefault(pPX, L"MaxTrackX", m_ptMaxTrackSize.x, 32000);
    XTPExchangeLongWithDefault(pPX, L"MaxTrackY", m_ptMaxTrackSize.y, 32000);
    if (pPX->m_nSchema > 9)
    {
        XTPExchangeLongWithDefault(pPX, L"TabColor", m_clrItemTab, COLORREF(-1));
        XTPExchangeLongWithDefault(pPX, L"HelpId", m_nHelpId, 0);
        XTPExchangeLongWithDefault(pPX, L"Tag", m_dwData, 0);
    }
    if (pPX->IsLoading())
    {
        // Holders must be containers of this layout that could hold a pane.
        CXTPDockingPaneBase* pHolders[3] = {};
        for (int i = 0; i < 3; i++)
        {
            if (nHolders[i] == 0)
                continue;
            pHolders[i] = m_pLayout->FindLoadedNodeOfType(nHolders[i], xtpPaneTypeTabbedContainer);
            if (!pHolders[i])
                return FALSE;
        }
        m_pLayout->m_arrPanes.push_back({this, pHolders[1], pHolders[0], pHolders[2]});
    }
    return m_nID > 0;
}

void CXTPDockingPane::Attach(CWnd* pWnd)
{
    m_hwndChild = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->RedrawPanes();
    HWND hContainer = ContainerHwnd();
    if (m_hwndChild && hContainer && ::GetParent(m_hwndChild) != hContainer)
        ::SetParent(m_hwndChild, hContainer);
}

HWND CXTPDockingPane::ContainerHwnd() const
{
    auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(m_pParentContainer);
    return pContainer ? pContainer->GetSafeHwnd() : nullptr;
}

BOOL CXTPDockingPane::HasWindow() const
{
    return m_hwndChild && ::IsWindow(m_hwndChild);
}

void CXTPDockingPane::SetFocus()
{
    if (HasWindow() && ::GetFocus() != m_hwndChild)
        ::SetFocus(m_hwndChild);
}

BOOL CXTPDockingPane::IsFocused() const
{
    HWND hFocus = ::GetFocus();
    return HasWindow() && hFocus && (hFocus == m_hwndChild || ::IsChild(m_hwndChild, hFocus));
}

BOOL CXTPDockingPane::IsSelected() const
{
    auto* pContainer = dynamic_cast<CXTPDockingPaneTabbedContainer*>(m_pParentContainer);
    return pContainer && pContainer->GetSelected() == this;
}

CWnd* CXTPDockingPane::GetParentFrame() const
{
    return m_pParentContainer ? m_pParentContainer->GetDockingSite() : nullptr;
}

void CXTPDockingPane::ShowWindow(BOOL bShow)
{
    if (bShow)
    {
        if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
            pManager->NotifyOwner(XTP_DPN_SHOWWINDOW, reinterpret_cast<LPARAM>(this));
    }
    if (HasWindow())
        ::ShowWindow(m_hwndChild, bShow ? SW_SHOW : SW_HIDE);
}

void CXTPDockingPane::Close()
{
    if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->ClosePane(this);
}

void CXTPDockingPane::Hide()
{
    if (CXTPDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->HidePane(this);
}

void CXTPDockingPane::SetParentContainer(CXTPDockingPaneBase* pContainer)
{
    CXTPDockingPaneBase::SetParentContainer(pContainer);
    if (!HasWindow())
        return;
    if (pContainer)
    {
        HWND hContainer = ContainerHwnd();
        if (hContainer && ::GetParent(m_hwndChild) != hContainer)
            ::SetParent(m_hwndChild, hContainer);
        return;
    }
    // Out of every container (closed, or between two): the window must not
    // die with a container's or a floating frame's window meanwhile.
    ::ShowWindow(m_hwndChild, SW_HIDE);
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    HWND hKeeper = pManager ? pManager->GetSafeHwnd() : nullptr;
    if (!hKeeper && pManager && pManager->GetSite())
        hKeeper = pManager->GetSite()->GetSafeHwnd();
    if (hKeeper && ::GetParent(m_hwndChild) != hKeeper)
        ::SetParent(m_hwndChild, hKeeper);
}

void CXTPDockingPane::OnSizeParent(CWnd* pParent, CRect rect, AFX_SIZEPARENTPARAMS* lpLayout)
{
    SetParentFrame(pParent);
    if (lpLayout && !lpLayout->hDWP)
        return;
    m_rcWindow = rect;
    HWND hContainer = ContainerHwnd();
    if (!hContainer || !HasWindow())
        return;
    if (::GetParent(m_hwndChild) != hContainer)
        ::SetParent(m_hwndChild, hContainer);
    // From the site into the container's window, where the container is laid
    // out (its own move may still be deferred).
    CRect rc = rect;
    rc.OffsetRect(-m_pParentContainer->GetPaneWindowRect().TopLeft());
    ::MoveWindow(m_hwndChild, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

CXTPImageManagerIcon* CXTPDockingPane::GetIcon(int nWidth) const
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || GetIconId() <= 0)
        return nullptr;
    return pManager->GetImageManager()->GetImage(static_cast<UINT>(GetIconId()), nWidth);
}

CXTPDockingPaneBase* CXTPDockingPane::Clone(CXTPDockingPaneLayout* pLayout, CXTPDockingPaneClonedMap* pMap,
                                            DWORD /*dwIgnoredOptions*/)
{
    CXTPDockingPaneManager* pManager = pLayout ? pLayout->GetManager() : nullptr;
    auto* pClone = pManager ? dynamic_cast<CXTPDockingPane*>(pManager->OnCreatePane(xtpPaneTypeDockingPane, pLayout))
                            : nullptr;
    if (!pClone)
        return nullptr;
    pClone->m_szDocking = m_szDocking;
    pClone->m_strTitle = m_strTitle;
    pClone->m_nIconId = m_nIconId;
    pClone->m_nID = m_nID;
    pClone->m_dwOptions = m_dwOptions;
    pClone->m_dwData = m_dwData;
    pClone->m_ptMinTrackSize = m_ptMinTrackSize;
    pClone->m_ptMaxTrackSize = m_ptMaxTrackSize;
    pClone->m_clrItemTab = m_clrItemTab;
    pClone->m_nHelpId = m_nHelpId;
    if (pMap)
        pMap->SetAt(this, pClone);
    return pClone;
}
