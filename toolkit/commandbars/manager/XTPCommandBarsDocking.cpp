// The manager's docking: the site's four dock bars, toolbars placed in them,
// and the frame layout they take part in.
#include "framework/core/CResourceException.h"
#include "framework/windows/CControlBar.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "toolkit/commandbars/XTPCreateOfClass.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/tabs/XTPTabClientWnd.h"

namespace {

struct DockBarSpec
{
    XTPBarPosition position;
    UINT nID;
    DWORD dwAlign;
};

const DockBarSpec kDockBars[] = {
    {xtpBarTop, 59419, 0x2800},
    {xtpBarBottom, 59422, 0x8200},
    {xtpBarLeft, 59420, 0x1400},
    {xtpBarRight, 59421, 0x4100},
};

const int kDockMargin = 20;

}  // namespace

void CXTPCommandBars::EnableDocking()
{
    for (const DockBarSpec& spec : kDockBars) {
        if (m_pDocks[spec.position] != nullptr)
            continue;
        auto* pDockBar = XTPCreateOfClass<CXTPDockBar>(m_pDockBarClass);
        if (pDockBar == nullptr)
            AfxThrowResourceException();
        pDockBar->SetCommandBars(this);
        if (!pDockBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | spec.dwAlign,
                              spec.nID)) {
            delete pDockBar;
            AfxThrowResourceException();
        }
        m_pDocks[spec.position] = pDockBar;
    }
}

CXTPDockBar* CXTPCommandBars::GetDockBar(XTPBarPosition barPosition) const
{
    return barPosition >= xtpBarTop && barPosition <= xtpBarRight ? m_pDocks[barPosition] : nullptr;
}

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar)
{
    if (pBar == nullptr || pDockBar == nullptr)
        return FALSE;
    if (!pBar->Create(m_pFrame, FALSE))
        return FALSE;
    pDockBar->DockCommandBar(pBar, lpRect);
    pBar->SetBarPosition(pDockBar->GetPosition());
    return TRUE;
}

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pBar, XTPBarPosition barPosition)
{
    return DockCommandBar(pBar, nullptr, GetDockBar(barPosition));
}

BOOL CXTPCommandBars::FloatCommandBar(CXTPToolBar* pBar)
{
    if (pBar == nullptr || !pBar->Create(m_pFrame, TRUE))
        return FALSE;
    if (CXTPDockBar* pDockBar = pBar->GetDockBar())
        pDockBar->RemoveCommandBar(pBar);
    pBar->SetDockBar(nullptr);
    pBar->SetBarPosition(xtpBarFloating);
    return TRUE;
}

CXTPDockBar* CXTPCommandBars::CanDock(CPoint point, CXTPDockBar* pPreferred) const
{
    auto inside = [point](CXTPDockBar* pDockBar) {
        if (pDockBar == nullptr || !pDockBar->GetSafeHwnd())
            return FALSE;
        CRect rc;
        pDockBar->GetWindowRect(&rc);
        rc.InflateRect(kDockMargin, kDockMargin);
        return point.x > rc.left && point.x < rc.right && point.y > rc.top && point.y < rc.bottom ? TRUE : FALSE;
    };
    if (inside(pPreferred))
        return pPreferred;
    for (CXTPDockBar* pDockBar : m_pDocks)
        if (inside(pDockBar))
            return pDockBar;
    return nullptr;
}

CRuntimeClass* CXTPCommandBars::m_pMenuBarClass = RUNTIME_CLASS(CXTPMenuBar);
CRuntimeClass* CXTPCommandBars::m_pDockBarClass = RUNTIME_CLASS(CXTPDockBar);
CRuntimeClass* CXTPCommandBars::m_pToolBarClass = RUNTIME_CLASS(CXTPToolBar);

CXTPMenuBar* CXTPCommandBars::SetMenu(LPCTSTR lpszName, UINT nID)
{
    auto* pMenuBar = XTPCreateOfClass<CXTPMenuBar>(m_pMenuBarClass);
    if (pMenuBar == nullptr)
        return nullptr;
    pMenuBar->SetCommandBars(this);
    // Any side or floating, and stretched over its row.
    pMenuBar->EnableDocking(XTP_BARFLAG_DOCKMASK | XTP_BARFLAG_STRETCHED);
    pMenuBar->SetTitle(lpszName);
    pMenuBar->SetBarID(1);
    pMenuBar->SetVisible(TRUE);
    if (!DockCommandBar(pMenuBar, xtpBarTop) || !pMenuBar->LoadMenuBar(nID)) {
        if (CXTPDockBar* pDockBar = pMenuBar->GetDockBar())
            pDockBar->RemoveCommandBar(pMenuBar);
        if (pMenuBar->GetSafeHwnd())
            pMenuBar->DestroyWindow();
        pMenuBar->InternalRelease();
        return nullptr;
    }
    if (nID != 0) {
        pMenuBar->GetControls()->CreateInitialControls();
        m_nIDMenu = nID;
    }
    AppendBar(pMenuBar);
    RecalcFrameLayout(TRUE);
    return pMenuBar;
}

CXTPToolBar* CXTPCommandBars::Add(LPCTSTR lpszName, XTPBarPosition barPosition, CRuntimeClass* pToolbarClass)
{
    auto* pBar = XTPCreateOfClass<CXTPToolBar>(pToolbarClass ? pToolbarClass : m_pToolBarClass);
    if (pBar == nullptr)
        return nullptr;
    pBar->SetCommandBars(this);
    pBar->EnableDocking(0x3F);
    pBar->SetTitle(lpszName);
    pBar->SetVisible(TRUE);
    BOOL bPlaced = barPosition == xtpBarFloating ? FloatCommandBar(pBar) : DockCommandBar(pBar, barPosition);
    if (!bPlaced) {
        pBar->InternalRelease();
        return nullptr;
    }
    if (barPosition == xtpBarFloating)
        pBar->OnRecalcLayout();
    AppendBar(pBar);
    return pBar;
}

void CXTPCommandBars::RecalcFrameLayout(BOOL bDelay)
{
    if (m_bLockLayout || m_pFrame == nullptr || !m_pFrame->GetSafeHwnd())
        return;
    if (auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrame)) {
        if (bDelay)
            pFrame->DelayRecalcLayout(FALSE);
        else
            pFrame->RecalcLayout(FALSE);
        return;
    }
    CRect rc;
    m_pFrame->GetClientRect(&rc);
    LPARAM lParam = MAKELPARAM(rc.Width(), rc.Height());
    if (bDelay)
        m_pFrame->PostMessage(WM_SIZE, 0, lParam);
    else
        m_pFrame->SendMessage(WM_SIZE, 0, lParam);
}

void CXTPCommandBars::IdleRecalcLayout()
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrame);
    if (pFrame != nullptr && (pFrame->m_nIdleFlags & CFrameWnd::idleLayout)) {
        pFrame->RecalcLayout(FALSE);
        pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
    }
}

void CXTPCommandBars::RecalcAllBars()
{
    m_bLockLayout = TRUE;
    CArray<CXTPToolBar*, CXTPToolBar*> arrBars;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        arrBars.Add(m_arrBars[i]);
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        if (arrBars[i]->IsVisible())
            arrBars[i]->OnRecalcLayout();
    if (m_pFrame && m_pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) {
        CWnd* pClient = CWnd::FromHandlePermanent(static_cast<CMDIFrameWnd*>(m_pFrame)->m_hWndMDIClient);
        if (pClient && pClient->IsKindOf(RUNTIME_CLASS(CXTPTabClientWnd)))
            static_cast<CXTPTabClientWnd*>(pClient)->Refresh();
    }
    m_bLockLayout = FALSE;
    RecalcFrameLayout(FALSE);
}

CXTPPopupBar* CXTPCommandBars::CreateToolbarsPopup()
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(this);
    CXTPControlToolbars::GenerateToolbarEntries(pPopup->GetControls(), this);
    return pPopup;
}

void CXTPCommandBars::ShowToolbarsContextMenu(CPoint ptScreen, CXTPCommandBar* pBar)
{
    if (m_bCustomizeMode)
        return;
    CXTPPopupBar* pPopup = CreateToolbarsPopup();
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        m_pFrame->SendMessage(WM_XTP_TOOLBARS_CONTEXTMENU, reinterpret_cast<WPARAM>(pBar),
                              reinterpret_cast<LPARAM>(pPopup));
    if (pPopup->GetControlCount() > 0) {
        ClosePopups();
        // The tracking pump keeps a quit for the thread's own loop.
        TrackPopupBar(pPopup, IsLayoutRTL() ? TPM_RIGHTALIGN : 0, ptScreen.x, ptScreen.y, m_pFrame);
    }
    pPopup->InternalRelease();
}
