#include "toolkit/controls/thememanager/XTThemeManagerStyle.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CWindowDC.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/colors/XTPColorManager.h"

CXTThemeManagerStyle::CXTThemeManagerStyle() = default;
CXTThemeManagerStyle::~CXTThemeManagerStyle() = default;

void CXTThemeManagerStyle::RefreshMetrics()
{
    m_nColourChangeCount = XTPGetColorManager()->GetChangeCount();
}

void CXTThemeManagerStyle::RefreshMetricsIfColoursChanged()
{
    const UINT nCount = XTPGetColorManager()->GetChangeCount();
    if (nCount == m_nColourChangeCount)
        return;
    RefreshMetrics();
    // Also for a style whose refresh does not pass through this base.
    m_nColourChangeCount = nCount;
}

BOOL CXTThemeManagerStyle::TakeSnapShot(CWnd* pWnd)
{
    CWnd* pParent = pWnd != nullptr ? pWnd->GetParent() : nullptr;
    if (pParent->GetSafeHwnd() == nullptr)
        return FALSE;

    CRect rc;
    pWnd->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);

    // The parent's window DC counts from its window corner, not its client.
    CRect rcParentWindow, rcParentClient(0, 0, 0, 0);
    pParent->GetWindowRect(&rcParentWindow);
    pParent->ClientToScreen(&rcParentClient);
    CPoint clientOffset(rcParentClient.left - rcParentWindow.left, rcParentClient.top - rcParentWindow.top);

    CWindowDC dcParent(pParent);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcParent))
        return FALSE;
    m_bmpSnapShot.DeleteObject();
    if (!m_bmpSnapShot.CreateCompatibleBitmap(&dcParent, rc.Width(), rc.Height()))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpSnapShot);
    dcMem.BitBlt(0, 0, rc.Width(), rc.Height(), &dcParent, rc.left + clientOffset.x, rc.top + clientOffset.y,
                 SRCCOPY);
    dcMem.SelectObject(pOld);
    return TRUE;
}

BOOL CXTThemeManagerStyle::DrawTransparent(CDC* pDC, CWnd* pWnd)
{
    if (pWnd->GetSafeHwnd() == nullptr || (pWnd->GetExStyle() & WS_EX_TRANSPARENT) == 0 || !TakeSnapShot(pWnd))
        return FALSE;
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpSnapShot);
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
    return TRUE;
}
