#include "toolkit/docking/XTPDockingPaneMiniWnd.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/docking/XTPDockingPaneContext.h"
#include "toolkit/docking/XTPDockingPaneLayout.h"
#include "toolkit/docking/XTPDockingPaneSplitterContainer.h"
#include "toolkit/docking/XTPDockingPane.h"
#include "toolkit/docking/XTPDockingPaneManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"
#include "framework/windows/AfxMessages.h"
#include "resources/ToolkitDockingIds.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneMiniWnd, CMiniFrameWnd)
    ON_WM_DESTROY()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CXTPDockingPaneMiniWnd::CXTPDockingPaneMiniWnd(CXTPDockingPaneLayout* pLayout)
    : CXTPDockingPaneBase(xtpPaneTypeMiniWnd, pLayout)
{
    for (int nId : {XTP_IDS_DOCKINGPANE_CLOSE, XTP_IDS_DOCKINGPANE_AUTOHIDE, XTP_IDS_DOCKINGPANE_MENU})
        m_arrCaptionButtons.Add(new CXTPDockingPaneCaptionButton(nId, this));
}

CXTPDockingPaneMiniWnd::~CXTPDockingPaneMiniWnd()
{
    // Gone while the layout still runs: the window goes first, with the
    // node's own handlers still in place.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXTPDockingPaneMiniWnd::HasPanes()
{
    CXTPDockingPaneBaseList list;
    FindPane(xtpPaneTypeDockingPane, &list);
    return !list.IsEmpty();
}

void CXTPDockingPaneMiniWnd::UpdateFrameWindow()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    CWnd* pSite = pManager ? pManager->GetSite() : nullptr;
    if (!pSite || !pSite->GetSafeHwnd() || m_pLayout->IsUserLayout())
        return;
    BOOL bPanes = HasPanes();
    if (!m_hWnd)
    {
        if (!bPanes)
            return;
        if (m_rcFrame.IsRectEmpty())
            m_rcFrame = CRect(100, 100, 300, 300);
        DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | MFS_BLOCKSYSMENU;
        if (pManager->m_bSyncActiveFloatingFrames)
            dwStyle |= MFS_SYNCACTIVE;
        if (!CMiniFrameWnd::CreateEx(0, nullptr, L"", dwStyle, m_rcFrame, pSite))
            return;
    }
    if (m_pTopContainer)
        m_pTopContainer->SetParentFrame(this);
    // A tree without panes leaves no empty frame on screen.
    CString strTitle;
    auto* pSingle = m_pTopContainer && m_pTopContainer->GetChildren().size() == 1
                        ? dynamic_cast<CXTPDockingPaneTabbedContainer*>(m_pTopContainer->GetChildren().front())
                        : nullptr;
    if (pSingle && pSingle->GetSelected())
        strTitle = pSingle->GetSelected()->GetTitle();
    SetWindowText(strTitle);
    RecalcLayout();
    ShowWindow(bPanes ? SW_SHOWNA : SW_HIDE);
}

void CXTPDockingPaneMiniWnd::RecalcLayout(BOOL /*bNotify*/)
{
    if (!m_hWnd || !m_pTopContainer)
        return;
    CRect rc;
    GetClientRect(&rc);
    AFX_SIZEPARENTPARAMS layout = {};
    layout.hDWP = ::BeginDeferWindowPos(8);
    layout.rect = rc;
    m_pTopContainer->OnSizeParent(this, rc, &layout);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

void CXTPDockingPaneMiniWnd::CloseFramePanes()
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    CXTPDockingPaneBaseList list;
    FindPane(xtpPaneTypeDockingPane, &list);
    std::vector<CXTPDockingPane*> panes;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        panes.push_back(static_cast<CXTPDockingPane*>(list.GetNext(pos)));
    pManager->ClosePanesAnnounced(panes);
}

void CXTPDockingPaneMiniWnd::OnClose()
{
    CloseFramePanes();
}

void CXTPDockingPaneMiniWnd::OnDestroy()
{
    // A re-created frame comes back where this one was.
    GetWindowRect(&m_rcFrame);
    CMiniFrameWnd::OnDestroy();
}

void CXTPDockingPaneMiniWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHitTest != HTCAPTION || !pManager || !m_pTopContainer)
    {
        CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
        return;
    }
    // Docking back deletes this frame: it happens after this handler, and
    // only when the frame is still part of the layout then.
    if (pManager->GetSafeHwnd())
        pManager->PostMessage(WM_XTP_DOCKFLOATINGFRAME, 0, reinterpret_cast<LPARAM>(static_cast<CXTPDockingPaneBase*>(this)));
}

void CXTPDockingPaneMiniWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CXTPDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHitTest != HTCAPTION || !pManager || !m_pTopContainer || !pManager->GetDockingContext())
    {
        CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ::SetActiveWindow(m_hWnd);
    BringWindowToTop();
    // A drop may dock the whole tree and leave this frame to be removed:
    // nothing of it is touched after the drag.
    pManager->GetDockingContext()->Drag(m_pTopContainer, point);
}

void CXTPDockingPaneMiniWnd::SetTopContainer(CXTPDockingPaneSplitterContainer* pTop)
{
    m_pTopContainer = pTop;
    if (pTop)
        pTop->SetParentContainer(this);
}

BOOL CXTPDockingPaneMiniWnd::ContainsPane(CXTPDockingPaneBase* pPane) const
{
    return pPane == this || (m_pTopContainer && m_pTopContainer->ContainsPane(pPane));
}

void CXTPDockingPaneMiniWnd::FindPane(int nType, CXTPDockingPaneBaseList* pList)
{
    if (!m_pTopContainer)
        return;
    if (nType == xtpPaneTypeSplitterContainer)
        pList->AddTail(m_pTopContainer);
    m_pTopContainer->FindPane(nType, pList);
}

void CXTPDockingPaneMiniWnd::RemovePane(CXTPDockingPaneBase* pPane)
{
    if (pPane == m_pTopContainer)
    {
        m_pTopContainer->SetParentContainer(nullptr);
        m_pTopContainer = nullptr;
    }
}

BOOL CXTPDockingPaneMiniWnd::IsEmpty() const
{
    return !m_pTopContainer || m_pTopContainer->IsEmpty();
}

BOOL CXTPDockingPaneMiniWnd::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPDockingPaneBase::DoPropExchange(pPX);
    XTPExchangeLong(pPX, L"WindowRectTopPos", m_rcFrame.top);
    XTPExchangeLong(pPX, L"WindowRectBottomPos", m_rcFrame.bottom);
    XTPExchangeLong(pPX, L"WindowRectLeftPos", m_rcFrame.left);
    XTPExchangeLong(pPX, L"WindowRectRightPos", m_rcFrame.right);
    XTPExchangeBoolWithDefault(pPX, L"Collapsed", m_bCollapsed, FALSE);
    XTPExchangeLongWithDefault(pPX, L"ExpandedHeight", m_nExpandedHeight, 0);
    int nTop = m_pTopContainer ? m_pTopContainer->m_nIndex : 0;
    XTPExchangeLong(pPX, L"TopContaner", nTop);
    if (pPX->IsStoring())
        return TRUE;
    CXTPDockingPaneBase* pTop = m_pLayout->FindLoadedNodeOfType(nTop, xtpPaneTypeSplitterContainer, this);
    if (!pTop)
        return FALSE;
    SetTopContainer(static_cast<CXTPDockingPaneSplitterContainer*>(pTop));
    return TRUE;
}
