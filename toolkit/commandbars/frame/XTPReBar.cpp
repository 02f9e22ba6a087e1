#include "toolkit/commandbars/frame/XTPReBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"

IMPLEMENT_DYNAMIC(CXTPReBar, CReBar)

CXTPReBar::CXTPReBar() = default;
CXTPReBar::~CXTPReBar() = default;

BOOL CXTPReBar::AddBar(CXTPToolBar* pBar, DWORD dwBandStyle)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || GetSafeHwnd() == nullptr)
        return FALSE;
    const CSize size = pBar->CalcDynamicLayout(32000, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    pBar->MoveWindow(0, 0, size.cx, size.cy);
    if (CXTPDockBar* pDockBar = pBar->GetDockBar())
        pDockBar->RemoveCommandBar(pBar);
    // The rebar moves its bands: a drag on the bar must not take it out.
    pBar->EnableDocking(0);
    if (!CReBar::AddBar(pBar, nullptr, nullptr, dwBandStyle))
        return FALSE;
    REBARBANDINFOW band = {};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_ID;
    band.wID = pBar->GetBarID();
    SendMessage(RB_SETBANDINFOW, static_cast<WPARAM>(GetBandCount() - 1), reinterpret_cast<LPARAM>(&band));
    return TRUE;
}

CXTPToolBar* CXTPReBar::GetBandBar(int nBand) const
{
    REBARBANDINFOW band = {};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_SIZE;
    if (!SendMessage(RB_GETBANDINFOW, static_cast<WPARAM>(nBand), reinterpret_cast<LPARAM>(&band)))
        return nullptr;
    return dynamic_cast<CXTPToolBar*>(CWnd::FromHandlePermanent(band.hwndChild));
}

int CXTPReBar::FindBand(CXTPToolBar* pBar) const
{
    if (pBar == nullptr || GetSafeHwnd() == nullptr)
        return -1;
    for (int nBand = GetBandCount() - 1; nBand >= 0; nBand--)
        if (GetBandBar(nBand) == pBar)
            return nBand;
    return -1;
}

void CXTPReBar::DeleteBar(CXTPToolBar* pBar)
{
    const int nBand = FindBand(pBar);
    if (nBand >= 0)
        SendMessage(RB_DELETEBAND, static_cast<WPARAM>(nBand));
}
