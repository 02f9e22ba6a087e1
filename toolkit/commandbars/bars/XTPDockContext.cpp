// The dock context's mouse loop: resizing a bar by the border the mouse
// went down on.
#include "toolkit/commandbars/bars/XTPDockContext.h"
#include <algorithm>
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

BOOL MeetsWorkArea(const CRect& rc)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &info))
        return TRUE;
    CRect rcMeet;
    return rcMeet.IntersectRect(&rc, &info.rcWork);
}

BOOL DragsLeft(int nHitTest)
{
    return nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
}
BOOL DragsRight(int nHitTest)
{
    return nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
}
BOOL DragsTop(int nHitTest)
{
    return nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
}
BOOL DragsBottom(int nHitTest)
{
    return nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
}

}  // namespace

void CXTPDockContext::StartResize(int nHitTest, CPoint pt)
{
    if (m_pBar == nullptr || m_pBar->GetSafeHwnd() == nullptr || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT)
        return;
    m_nHitTest = nHitTest;
    m_ptLast = pt;
    m_pBar->GetWindowRect(&m_rectDrag);
    if (!Track())
        return;
    if (m_pBar->GetSafeHwnd() == nullptr)
        return;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    if (m_pBar->GetPosition() == xtpBarFloating)
        m_ptMRUFloatPos = rcWindow.TopLeft();
    m_pBar->SetWidth(rcWindow.Width());
}

BOOL CXTPDockContext::Track()
{
    if (::GetCapture() != nullptr)
        return FALSE;
    HWND hBar = m_pBar->GetSafeHwnd();
    ::SetCapture(hBar);
    BOOL bQuit = FALSE;
    while (!bQuit && ::GetCapture() == hBar) {
        MSG msg;
        // A peek returns WM_QUIT whatever its filter says.
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                bQuit = TRUE;
                break;
            }
            ::DispatchMessageW(&msg);
        }
        if (bQuit)
            break;
        const BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == -1)
            break;
        if (bGot == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hBar) {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(hBar, &pt);
            if (pt != m_ptLast)
                OnResize(pt);
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        // A dispatched message may have closed the frame with its bars.
        if (!::IsWindow(hBar))
            return TRUE;
        if (CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars())
            pCommandBars->IdleRecalcLayout();
    }
    if (!::IsWindow(hBar))
        return TRUE;
    if (::GetCapture() == hBar)
        ::ReleaseCapture();
    if (CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars())
        pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    return TRUE;
}

void CXTPDockContext::OnResize(CPoint pt)
{
    const CSize delta = pt - m_ptLast;
    m_ptLast = pt;
    if (DragsLeft(m_nHitTest))
        m_rectDrag.left += delta.cx;
    if (DragsRight(m_nHitTest))
        m_rectDrag.right += delta.cx;
    if (DragsTop(m_nHitTest))
        m_rectDrag.top += delta.cy;
    if (DragsBottom(m_nHitTest))
        m_rectDrag.bottom += delta.cy;

    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    if (auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(m_pBar)) {
        if (m_rectDrag.Size() != rcWindow.Size() && MeetsWorkArea(m_rectDrag)) {
            pDialogBar->Resize(m_rectDrag, m_nHitTest);
            pDialogBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        return;
    }

    CSize size;
    if (m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT)
        size = m_pBar->CalcDynamicLayout(m_rectDrag.Width(), LM_HORZ | LM_COMMIT);
    else if (m_nHitTest == HTTOP || m_nHitTest == HTBOTTOM)
        size = m_pBar->CalcDynamicLayout(std::max(0, m_rectDrag.Height()), LM_HORZ | LM_LENGTHY | LM_COMMIT);
    else
        return;
    if (size == rcWindow.Size())
        return;
    CRect rcNew(rcWindow.TopLeft(), size);
    if (m_nHitTest == HTLEFT)
        rcNew.OffsetRect(rcWindow.right - rcNew.right, 0);
    if (m_nHitTest == HTTOP)
        rcNew.OffsetRect(0, rcWindow.bottom - rcNew.bottom);
    if (!MeetsWorkArea(rcNew))
        return;
    m_pBar->MoveWindow(&rcNew, TRUE);
    m_pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
