#include "toolkit/commandbars/bars/XTPPopupToolBar.h"
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPPopupToolBar, CXTPPopupBar)

CXTPPopupToolBar::CXTPPopupToolBar()
{
    m_barType = xtpBarTypeNormal;
}

CXTPPopupToolBar* CXTPPopupToolBar::CreatePopupToolBar(CXTPCommandBars* pCommandBars)
{
    CXTPPopupToolBar* pBar = new CXTPPopupToolBar();
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CSize CXTPPopupToolBar::CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/)
{
    m_bLayoutRunning = TRUE;
    CClientDC dc(GetSafeHwnd() ? static_cast<CWnd*>(this) : CWnd::FromHandle(::GetDesktopWindow()));
    // One row as wide as the bar was made (its own width, else unlimited).
    int nLength = m_nMRUWidth > 0 ? m_nMRUWidth : 32767;
    // A tear-off popup keeps its gripper's height free above the row.
    CRect rcBorders = m_rcBorders;
    int nGripper = 0;
    if (m_bTearOffPopup)
        nGripper = GetPaintManager()->DrawTearOffGripper(&dc, CRect(0, 0, 0, 0), FALSE, FALSE).cy;
    rcBorders.top += nGripper;
    CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, LM_HORZ | LM_MRUWIDTH | LM_COMMIT, rcBorders);
    m_rcTearOffGripper = m_bTearOffPopup ? CRect(m_rcBorders.left, m_rcBorders.top, sz.cx - m_rcBorders.right,
                                                 m_rcBorders.top + nGripper)
                                         : CRect(0, 0, 0, 0);
    m_bLayoutRunning = FALSE;
    return sz;
}
