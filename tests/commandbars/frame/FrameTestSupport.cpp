#include "FrameTestSupport.h"
#include <algorithm>
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"

CSizedBar::CSizedBar(int length, int thickness, int minLength)
    : m_length(length)
    , m_thickness(thickness)
    , m_minLength(minLength > 0 ? minLength : length)
{
}

CSize CSizedBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    int length = m_length;
    if ((dwMode & 0x80) && nLength < m_length)
        length = std::max(m_minLength, nLength);
    if (dwMode & LM_STRETCH)
        length = std::max(length, nLength);
    return (dwMode & LM_VERTDOCK) ? CSize(m_thickness, length) : CSize(length, m_thickness);
}

BOOL CTestFrame::CreateFrame(int width, int height, BOOL bCommandBars)
{
    CRect rc(0, 0, width, height);
    ::AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
    rc.OffsetRect(40 - rc.left, 40 - rc.top);
    if (!Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc))
        return FALSE;
    return !bCommandBars || CreateCommandBars();
}

CSizedBar* CTestFrame::DockBar(XTPBarPosition side, int length, const RECT* prcScreen, DWORD dwFlags, int minLength)
{
    auto* pBar = new CSizedBar(length, 22, minLength);
    pBar->SetFlags(dwFlags);
    pBar->SetCommandBars(GetCommandBars());
    pBar->SetVisible(TRUE);
    GetCommandBars()->AppendBar(pBar);
    GetCommandBars()->DockCommandBar(pBar, prcScreen, GetCommandBars()->GetDockBar(side));
    return pBar;
}

CRect CTestFrame::BarRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    ScreenToClient(&rc);
    return rc;
}

void CTestFrame::Layout()
{
    RecalcLayout();
}
