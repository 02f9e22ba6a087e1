#include "framework/windows/CControlBar.h"

#include <algorithm>

#include "framework/gdi/CDC.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CWindowDC.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_PAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() = default;

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle) {
        DWORD old = m_dwStyle;
        m_dwStyle = dwStyle;
        OnBarStyleChange(old, dwStyle);
    }
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
    if (m_hWnd != nullptr)
        Invalidate();
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // Bars overlap nothing but should not paint over their siblings.
    cs.style |= WS_CLIPSIBLINGS;
    return CWnd::PreCreateWindow(cs);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

BOOL CControlBar::IsVisible() const
{
    if (m_hWnd == nullptr || (m_nStateFlags & delayHide))
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    const bool visible = m_hWnd != nullptr && (GetStyle() & WS_VISIBLE);
    if (bShow && !visible)
        m_nStateFlags |= delayShow;
    else if (!bShow && visible)
        m_nStateFlags |= delayHide;
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CWnd::OnWindowPosChanging(lpWndPos);
    // An explicit show or hide overrides one still waiting.
    if (lpWndPos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
        m_nStateFlags &= ~(delayHide | delayShow);
    // Border lines are drawn along the edges: a new size redraws them.
    if (!(lpWndPos->flags & SWP_NOSIZE) && (m_dwStyle & CBRS_BORDER_ANY))
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? 32767 : 0;
    size.cy = (bStretch && !bHorz) ? 32767 : 0;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += 2;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += 2;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= 2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= 2;
    // The widths are given for a horizontal bar; a vertical one turns them.
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect border(0, 0, 0, 0);
    CalcInsideRect(border, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    RECT& client = lpncsp->rgrc[0];
    client.left += border.left;
    client.top += border.top;
    client.right += border.right;
    client.bottom += border.bottom;
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
}

void CControlBar::OnNcPaint()
{
    EraseNonClient();
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect client, window;
    GetClientRect(&client);
    ClientToScreen(&client);
    GetWindowRect(&window);
    client.OffsetRect(-window.left, -window.top);
    dc.ExcludeClipRect(&client);
    window.OffsetRect(-window.left, -window.top);
    dc.FillSolidRect(&window, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, window);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!IsVisible())
        return 0;
    CRect rect(layout->rect);
    CSize avail = rect.Size();
    DWORD style = m_dwStyle;
    DWORD mode = layout->bStretch ? LM_STRETCH : 0;
    mode |= (style & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, mode);
    size.cx = std::min(size.cx, avail.cx);
    size.cy = std::min(size.cy, avail.cy);

    if (style & CBRS_ORIENT_HORZ) {
        layout->sizeTotal.cy += size.cy;
        layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, size.cx);
        if (style & CBRS_ALIGN_TOP) {
            layout->rect.top += size.cy;
        } else if (style & CBRS_ALIGN_BOTTOM) {
            rect.top = rect.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
    } else if (style & CBRS_ORIENT_VERT) {
        layout->sizeTotal.cx += size.cx;
        layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, size.cy);
        if (style & CBRS_ALIGN_LEFT) {
            layout->rect.left += size.cx;
        } else if (style & CBRS_ALIGN_RIGHT) {
            rect.left = rect.right - size.cx;
            layout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    AfxRepositionWindow(layout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nStateFlags & (delayHide | delayShow)) {
        const UINT show = (m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        m_nStateFlags &= ~(delayHide | delayShow);
        SetWindowPos(nullptr, 0, 0, 0, 0, show | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Updates only what can be seen: the bar and the frame it is docked in.
    CFrameWnd* pDockingFrame = GetDockingFrame();
    if (!(GetStyle() & WS_VISIBLE) || (pDockingFrame != nullptr && !pDockingFrame->IsWindowVisible()))
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = (pOwner != nullptr && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                             ? static_cast<CFrameWnd*>(pOwner)
                             : GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC*)
{
    // Borders live in the non-client area; bars draw their content here.
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, shadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, light);
        rect.top += 2;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, light);
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, shadow);
        rect.bottom -= 2;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), light);
        rect.left += 1;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), shadow);
        rect.right -= 1;
    }
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
