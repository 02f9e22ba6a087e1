#include "toolkit/commandbars/bars/XTPPopupToolBar.h"
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"

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
    CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, LM_HORZ | LM_MRUWIDTH | LM_COMMIT, m_rcBorders);
    m_bLayoutRunning = FALSE;
    return sz;
}
