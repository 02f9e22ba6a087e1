#include "toolkit/commandbars/bars/XTPDockBar.h"
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CControlBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPDockBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_WM_ERASEBKGND()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

// Toolkit layout bit: the bar may be squeezed below its full length.
const DWORD XTP_LM_HIDEWRAP = 0x80;

CRect Transposed(const CRect& rc, BOOL bHorz)
{
    return bHorz ? rc : CRect(rc.top, rc.left, rc.bottom, rc.right);
}

}  // namespace

CXTPDockBar::CXTPDockBar(CXTPCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars)
    , m_dwStyle(0)
{
    m_arrBars.Add(nullptr);
}

CXTPDockBar::~CXTPDockBar() = default;

BOOL CXTPDockBar::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPSIBLINGS;
    return CWnd::PreCreateWindow(cs);
}

BOOL CXTPDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & XTP_DOCKBAR_STYLEMASK;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    // The window keeps the alignment bits: the themes read the side from them.
    return CWnd::Create(lpszClass, nullptr, dwStyle | WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParentWnd, nID);
}

XTPBarPosition CXTPDockBar::GetPosition() const
{
    if (m_dwStyle & 0x2800)
        return xtpBarTop;
    if (m_dwStyle & 0x8200)
        return xtpBarBottom;
    if (m_dwStyle & 0x1400)
        return xtpBarLeft;
    return xtpBarRight;
}

int CXTPDockBar::GetRowCount() const
{
    int nRows = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (m_arrBars[i] == nullptr && i > 0 && m_arrBars[i - 1] != nullptr)
            nRows++;
    return nRows;
}

int CXTPDockBar::FindBar(CXTPToolBar* pBar, int nPosExclude) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++)
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return static_cast<int>(i);
    return -1;
}

DWORD CXTPDockBar::GetBarMode(CXTPToolBar* pBar) const
{
    DWORD dwMode = IsHorizontal() ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    if (pBar->GetFlags() & XTP_BARFLAG_STRETCHED)
        dwMode |= LM_STRETCH;
    if (pBar->GetFlags() & XTP_BARFLAG_HIDEWRAP) {
        // While customizing, bars keep their length unless a control is dragged.
        BOOL bCustomize = m_pCommandBars != nullptr && m_pCommandBars->IsCustomizeMode();
        if (!bCustomize || m_pCommandBars->GetDragControl() != nullptr)
            dwMode |= XTP_LM_HIDEWRAP;
    }
    return dwMode;
}

void CXTPDockBar::GetRowBars(int nPos, CToolBarArray& arrRow) const
{
    arrRow.clear();
    int nStart = nPos;
    while (nStart > 0 && m_arrBars[nStart - 1] != nullptr)
        nStart--;
    BOOL bHorz = IsHorizontal();
    for (INT_PTR i = nStart; i < m_arrBars.GetSize() && m_arrBars[i] != nullptr; i++) {
        CXTPToolBar* pBar = m_arrBars[i];
        if (pBar->IsVisible())
            arrRow.push_back(pBar);
    }
    std::stable_sort(arrRow.begin(), arrRow.end(), [bHorz](CXTPToolBar* a, CXTPToolBar* b) {
        CRect ra = a->GetDockContext()->m_rectMRUDockPos, rb = b->GetDockContext()->m_rectMRUDockPos;
        return bHorz ? ra.left < rb.left : ra.top < rb.top;
    });
}

int CXTPDockBar::InsertBar(CXTPToolBar* pBar, CPoint ptMid)
{
    BOOL bHorz = IsHorizontal();
    int nMid = bHorz ? ptMid.y : ptMid.x;
    int nPrevFar = 0;
    BOOL bFirstRow = TRUE;
    INT_PTR nRowStart = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        if (m_arrBars[i] != nullptr)
            continue;
        if (i == nRowStart) {  // the leading row end of the array
            nRowStart = i + 1;
            continue;
        }
        int nFar = INT_MIN;
        for (INT_PTR j = nRowStart; j < i; j++) {
            CXTPToolBar* pRowBar = m_arrBars[j];
            if (pRowBar == pBar || !pRowBar->IsVisible() || !pRowBar->GetSafeHwnd())
                continue;
            CRect rc;
            pRowBar->GetWindowRect(&rc);
            ScreenToClient(&rc);
            nFar = std::max<int>(nFar, static_cast<int>(bHorz ? rc.bottom : rc.right));
        }
        if (nFar != INT_MIN && nFar > nMid) {
            if (bFirstRow ? nMid < 0 : nMid <= nPrevFar) {
                // A new row before this one.
                m_arrBars.InsertAt(nRowStart, static_cast<CXTPToolBar*>(nullptr));
                m_arrBars.InsertAt(nRowStart, pBar);
            } else {
                m_arrBars.InsertAt(nRowStart, pBar);
            }
            return static_cast<int>(nRowStart);
        }
        if (nFar != INT_MIN) {
            nPrevFar = nFar;
            bFirstRow = FALSE;
        }
        nRowStart = i + 1;
    }
    // Below every row: a new last row.
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    return static_cast<int>(m_arrBars.GetSize() - 2);
}

CRect CXTPDockBar::ScreenToDock(CRect rc) const
{
    ScreenToClient(&rc);
    rc.NormalizeRect();
    return rc;
}

CRect CXTPDockBar::DockedRect(CWnd* pBar) const
{
    CRect rc;
    pBar->GetWindowRect(&rc);
    return ScreenToDock(rc);
}

void CXTPDockBar::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect)
{
    if (pBar == nullptr)
        return;
    CXTPDockBar* pOldDockBar = pBar->GetDockBar();
    if (pOldDockBar == this && lpRect == nullptr)
        return;
    if (lpRect != nullptr && pBar->GetSafeHwnd()) {
        CRect rcWindow;
        pBar->GetWindowRect(&rcWindow);
        if (rcWindow == CRect(lpRect) && pOldDockBar == this)
            return;
    }

    int nPos;
    if (lpRect != nullptr) {
        CRect rc = ScreenToDock(lpRect);
        nPos = InsertBar(pBar, rc.CenterPoint());
        pBar->GetDockContext()->m_rectMRUDockPos = rc;
    } else {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
        nPos = static_cast<int>(m_arrBars.GetSize() - 2);
        pBar->GetDockContext()->m_rectMRUDockPos.SetRectEmpty();
    }

    if (pBar->GetSafeHwnd() && ::GetParent(pBar->GetSafeHwnd()) != m_hWnd)
        pBar->SetParent(this);

    if (pOldDockBar != nullptr && pOldDockBar != this)
        pOldDockBar->RemoveCommandBar(pBar);
    else if (pOldDockBar == this)
        RemoveCommandBar(pBar, nPos);

    pBar->SetDockBar(this);
    pBar->SetBarPosition(GetPosition());
    FixStretchedRows();
    if (m_pCommandBars != nullptr)
        m_pCommandBars->RecalcFrameLayout(TRUE);
}

void CXTPDockBar::FixStretchedRows()
{
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); i++) {
        CXTPToolBar* pBar = m_arrBars[i];
        if (pBar == nullptr || !(pBar->GetFlags() & XTP_BARFLAG_STRETCHED))
            continue;
        if (m_arrBars[i - 1] != nullptr) {
            m_arrBars.InsertAt(i, static_cast<CXTPToolBar*>(nullptr));
            i++;
        }
        if (i + 1 < m_arrBars.GetSize() && m_arrBars[i + 1] != nullptr)
            m_arrBars.InsertAt(i + 1, static_cast<CXTPToolBar*>(nullptr));
    }
}

BOOL CXTPDockBar::RemoveCommandBar(CXTPToolBar* pBar, int nPosExclude)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos < 0)
        return FALSE;
    m_arrBars.RemoveAt(nPos);
    // Two row ends side by side: the row is gone.
    if (nPos > 0 && nPos < m_arrBars.GetSize() && m_arrBars[nPos - 1] == nullptr && m_arrBars[nPos] == nullptr)
        m_arrBars.RemoveAt(nPos);
    if (pBar->GetDockBar() == this && FindBar(pBar) < 0)
        pBar->SetDockBar(nullptr);
    if (m_pCommandBars != nullptr)
        m_pCommandBars->RecalcFrameLayout(TRUE);
    return TRUE;
}

CSize CXTPDockBar::MeasureBar(CXTPToolBar* pBar, int nLength, DWORD dwMode, BOOL bHorz) const
{
    CSize sz = pBar->CalcDynamicLayout(nLength, dwMode);
    return bHorz ? sz : CSize(sz.cy, sz.cx);
}

int CXTPDockBar::AdjustRow(const CToolBarArray& arrRow, int nOrigin, int nLength, BOOL bHorz, HDWP hDWP,
                           int& nRemove)
{
    CDockInfoArray arrInfo;
    for (size_t i = 0; i < arrRow.size(); i++) {
        CXTPToolBar* pBar = arrRow[i];
        CSize sz = MeasureBar(pBar, nLength, GetBarMode(pBar), bHorz);
        CRect rcMRU = Transposed(pBar->GetDockContext()->m_rectMRUDockPos, bHorz);
        // A bar dropped partly before the row's start begins at the start:
        // nothing of it, its gripper least, lies outside the dock bar.
        int nStart = std::max<int>(rcMRU.left, 0);
        DOCK_INFO info = {pBar, CRect(nStart, 0, nStart + sz.cx, sz.cy), CRect(), static_cast<int>(i), 0, 0, FALSE};
        info.rcMRUPos = info.rcBar;
        arrInfo.push_back(info);
    }
    std::stable_sort(arrInfo.begin(), arrInfo.end(),
                     [](const DOCK_INFO& a, const DOCK_INFO& b) { return a.rcBar.left < b.rcBar.left; });
    size_t n = arrInfo.size();

    // Overlaps: the bar earlier in the row keeps its place.
    for (size_t i = 1; i < n; i++) {
        DOCK_INFO& prev = arrInfo[i - 1];
        DOCK_INFO& cur = arrInfo[i];
        if (cur.rcBar.left < prev.rcBar.right && (prev.nIndex < cur.nIndex || prev.bMoved)) {
            cur.rcBar.OffsetRect(prev.rcBar.right - cur.rcBar.left, 0);
            cur.bMoved = TRUE;
        }
    }
    int nLimit = nLength;
    for (size_t k = n; k-- > 0;) {
        DOCK_INFO& cur = arrInfo[k];
        BOOL bMay = k + 1 == n || arrInfo[k + 1].nIndex < cur.nIndex || arrInfo[k + 1].bMoved;
        if (cur.rcBar.right > nLimit && bMay) {
            cur.rcBar.OffsetRect(std::max<int>(nLimit - cur.rcBar.right, -static_cast<int>(cur.rcBar.left)), 0);
            cur.bMoved = TRUE;
        }
        nLimit = cur.rcBar.left;
    }
    for (size_t i = 1; i < n; i++)
        if (arrInfo[i].rcBar.left < arrInfo[i - 1].rcBar.right)
            arrInfo[i].rcBar.OffsetRect(arrInfo[i - 1].rcBar.right - arrInfo[i].rcBar.left, 0);

    if (n > 0 && arrInfo[n - 1].rcBar.right > nLength) {
        // Too long: squeeze the bars that may shrink, from the end.
        int nTotal = 0;
        for (DOCK_INFO& info : arrInfo) {
            DWORD dwMode = GetBarMode(info.pBar);
            info.nMinWidth = (dwMode & XTP_LM_HIDEWRAP) ? MeasureBar(info.pBar, 1, dwMode, bHorz).cx : info.rcBar.Width();
            info.nTotal = nTotal;
            nTotal += info.nMinWidth;
        }
        nLimit = nLength;
        for (size_t k = n; k-- > 0;) {
            DOCK_INFO& info = arrInfo[k];
            int nWidth = info.rcBar.Width();
            int nLeft = std::min<int>(info.rcMRUPos.left, info.rcBar.left);
            nLeft = std::max<int>(nLeft, nLimit - nWidth);
            nLeft = std::max<int>(nLeft, info.nTotal);
            nLeft = std::min<int>(nLeft, nLimit - info.nMinWidth);
            if (nLeft < info.nTotal && n > 1) {
                nRemove = arrInfo[n - 1].nIndex;
                return -1;
            }
            info.rcBar = CRect(nLeft, 0, nLimit, info.rcBar.bottom);
            nLimit = nLeft;
        }
    }

    int nHeight = 0;
    for (DOCK_INFO& info : arrInfo) {
        CSize sz = MeasureBar(info.pBar, info.rcBar.Width(), GetBarMode(info.pBar), bHorz);
        info.rcBar.bottom = info.rcBar.top + sz.cy;
        nHeight = std::max<int>(nHeight, static_cast<int>(sz.cy));
    }

    for (size_t i = 0; i < n; i++) {
        DOCK_INFO& info = arrInfo[i];
        DWORD dwMode = GetBarMode(info.pBar) | LM_COMMIT;
        if (info.pBar->GetFlags() & XTP_BARFLAG_STRETCHEDSHARED) {
            info.rcBar.left = i == 0 ? 0 : arrInfo[i - 1].rcBar.right;
            info.rcBar.right = i + 1 == n ? nLength : arrInfo[i + 1].rcBar.left;
            dwMode |= LM_STRETCH;
        }
        CSize sz = MeasureBar(info.pBar, info.rcBar.Width(), dwMode, bHorz);
        CRect rc(info.rcBar.left, nOrigin, info.rcBar.left + sz.cx, nOrigin + nHeight);
        info.rcBar = rc;
        info.pBar->GetDockContext()->m_uMRUDockPosition = GetPosition();
        if (hDWP != nullptr && info.pBar->GetSafeHwnd()) {
            CRect rcWindow = Transposed(rc, bHorz);
            ::DeferWindowPos(hDWP, info.pBar->GetSafeHwnd(), nullptr, rcWindow.left, rcWindow.top,
                             rcWindow.Width(), rcWindow.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            info.pBar->Invalidate(FALSE);
        }
    }
    return nHeight;
}

int CXTPDockBar::AdjustRowWrap(CToolBarArray arrRow, int nOrigin, int nLength, BOOL bHorz, HDWP hDWP)
{
    int nTotal = 0;
    while (!arrRow.empty()) {
        CToolBarArray arrOverflow;
        int nHeight;
        for (;;) {
            int nRemove = -1;
            nHeight = AdjustRow(arrRow, nOrigin, nLength, bHorz, hDWP, nRemove);
            if (nHeight >= 0 || nRemove < 0 || arrRow.size() < 2)
                break;
            arrOverflow.insert(arrOverflow.begin(), arrRow[nRemove]);
            arrRow.erase(arrRow.begin() + nRemove);
        }
        nTotal += std::max<int>(nHeight, 0);
        nOrigin += std::max<int>(nHeight, 0);
        arrRow.swap(arrOverflow);
    }
    return nTotal;
}

CSize CXTPDockBar::CalcDynamicLayout(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* lpLayout)
{
    BOOL bHorz = IsHorizontal();
    CSize sizeResult(0, 0);
    if (dwMode & LM_STRETCH)
        sizeResult = bHorz ? CSize(XTP_DOCKBAR_STRETCH, 0) : CSize(0, XTP_DOCKBAR_STRETCH);

    BOOL bMeasureOnly = lpLayout == nullptr || lpLayout->hDWP == nullptr;
    HDWP hDWP = bMeasureOnly ? nullptr : ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()));
    int nOrigin = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); i++) {
        if (m_arrBars[i] == nullptr || (i > 0 && m_arrBars[i - 1] != nullptr))
            continue;  // only the first entry of each row starts one
        CToolBarArray arrRow;
        GetRowBars(static_cast<int>(i), arrRow);
        if (arrRow.empty())
            continue;
        nOrigin += AdjustRowWrap(arrRow, nOrigin, nLength, bHorz, hDWP);
        if (bHorz)
            sizeResult.cy = std::max<int>(static_cast<int>(sizeResult.cy), nOrigin);
        else
            sizeResult.cx = std::max<int>(static_cast<int>(sizeResult.cx), nOrigin);
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
    return sizeResult;
}

LRESULT CXTPDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect rcAvail(lpLayout->rect);
    BOOL bHorz = IsHorizontal();
    DWORD dwMode;
    if ((m_dwStyle & 1) && (m_dwStyle & 4))
        dwMode = LM_HORZ | LM_MRUWIDTH;
    else
        dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    if (lpLayout->bStretch)
        dwMode |= LM_STRETCH;

    CSize size = CalcDynamicLayout(bHorz ? rcAvail.Width() : rcAvail.Height(), dwMode, lpLayout);
    size.cx = std::min<int>(static_cast<int>(size.cx), rcAvail.Width());
    size.cy = std::min<int>(static_cast<int>(size.cy), rcAvail.Height());

    CRect rc = rcAvail;
    switch (GetPosition()) {
    case xtpBarTop:
        rc.bottom = rc.top + size.cy;
        lpLayout->rect.top += size.cy;
        break;
    case xtpBarBottom:
        rc.top = rc.bottom - size.cy;
        lpLayout->rect.bottom -= size.cy;
        break;
    case xtpBarLeft:
        rc.right = rc.left + size.cx;
        lpLayout->rect.left += size.cx;
        break;
    default:
        rc.left = rc.right - size.cx;
        lpLayout->rect.right -= size.cx;
        break;
    }
    if (bHorz) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max<int>(static_cast<int>(lpLayout->sizeTotal.cx), static_cast<int>(size.cx));
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max<int>(static_cast<int>(lpLayout->sizeTotal.cy), static_cast<int>(size.cy));
    }
    AfxRepositionWindow(lpLayout, m_hWnd, &rc);
    Invalidate(FALSE);
    return 0;
}

void CXTPDockBar::OnPaint()
{
    CPaintDC dc(this);
    if (m_pCommandBars != nullptr)
        m_pCommandBars->GetPaintManager()->FillDockBar(&dc, this);
}

LRESULT CXTPDockBar::OnPrint(WPARAM wParam, LPARAM lParam)
{
    CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (m_pCommandBars != nullptr)
        m_pCommandBars->GetPaintManager()->FillDockBar(pDC, this);
    if (lParam & PRF_CHILDREN) {
        for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
             hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(hWndChild))
                continue;
            CRect rc;
            ::GetWindowRect(hWndChild, &rc);
            ScreenToClient(&rc);
            POINT ptOld;
            ::SetViewportOrgEx(pDC->GetSafeHdc(), rc.left, rc.top, &ptOld);
            ::SendMessageW(hWndChild, WM_PRINT, wParam, lParam);
            ::SetViewportOrgEx(pDC->GetSafeHdc(), ptOld.x, ptOld.y, nullptr);
        }
    }
    return 1;
}

BOOL CXTPDockBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPDockBar::OnRButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    if (m_pCommandBars != nullptr)
        m_pCommandBars->ShowToolbarsContextMenu(point, nullptr);
}
