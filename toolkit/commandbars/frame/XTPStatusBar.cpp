#include "toolkit/commandbars/frame/XTPStatusBar.h"
#include <commctrl.h>
#include <algorithm>
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/AfxMessages.h"
#include "framework/windows/CFrameWnd.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

IMPLEMENT_DYNAMIC(CXTPStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CXTPStatusBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

const DWORD kBarStyleMask = 0x40FFFF;
const int kPaneMargin = 6;
const int kLeastHeight = 20;

}  // namespace

void CXTPStatusBar::CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    auto* pBar = static_cast<CXTPStatusBar*>(m_pOther);
    UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
    pBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
}

void CXTPStatusBar::CStatusCmdUI::SetCheck(int nCheck)
{
    auto* pBar = static_cast<CXTPStatusBar*>(m_pOther);
    UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
    pBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
}

void CXTPStatusBar::CStatusCmdUI::SetText(LPCTSTR lpszText)
{
    static_cast<CXTPStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText, TRUE);
}

CXTPStatusBar::CXTPStatusBar()
    : m_pToolTipContext(new CXTPToolTipContext)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    m_fontStatus.CreateFontIndirect(&metrics.lfStatusFont);
    m_cyTopBorder = 2;
    m_cxLeftBorder = m_cxRightBorder = m_cyBottomBorder = 0;
}

CXTPStatusBar::~CXTPStatusBar()
{
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++)
        m_arrPanes[i]->InternalRelease();
    m_arrPanes.RemoveAll();
    m_pToolTipContext->InternalRelease();
}

LRESULT CXTPStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_pToolTipContext->FilterToolTipMessage(this, message, wParam, lParam);
    return CControlBar::WindowProc(message, wParam, lParam);
}

INT_PTR CXTPStatusBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    INT_PTR nChildTool = CControlBar::OnToolHitTest(point, pTI);
    if (nChildTool != -1)
        return nChildTool;
    CRect rcPane;
    CXTPStatusBarPane* pPane = HitTest(point, &rcPane);
    if (pPane == nullptr || pPane->GetTooltip().IsEmpty())
        return -1;
    if (pTI)
        CXTPToolTipContext::FillInToolInfo(pTI, GetSafeHwnd(), rcPane.left, rcPane.top, rcPane.right, rcPane.bottom,
                                           pPane->GetID(), pPane->GetTooltip());
    return static_cast<INT_PTR>(pPane->GetID());
}

BOOL CXTPStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // Docked at the bottom with the top line only: the control draws it.
    if ((m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == CBRS_BOTTOM)
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return CControlBar::PreCreateWindow(cs);
}

BOOL CXTPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & kBarStyleMask;
    DWORD dwWindowStyle = (dwStyle & ~kBarStyleMask) | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
    if (pParentWnd->GetStyle() & WS_THICKFRAME)
        dwWindowStyle |= SBARS_SIZEGRIP;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(STATUSCLASSNAMEW, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CXTPStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontStatus.GetSafeHandle()));
    SendMessage(SB_SETMINHEIGHT, kLeastHeight);
    return 0;
}

int CXTPStatusBar::PaneTextWidth(CXTPStatusBarPane* pPane)
{
    int cx = 0;
    if (m_hWnd != nullptr) {
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(pPane->GetTextFont());
        cx = dc.GetTextExtent(pPane->m_strText).cx;
        dc.SelectObject(pOld);
    }
    if (CXTPImageManagerIcon* pIcon = pPane->GetImage())
        cx += pIcon->GetWidth() + (pPane->m_strText.IsEmpty() ? 0 : 2);
    return cx;
}

BOOL CXTPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    RemoveAll();
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; i++) {
        auto* pPane = new CXTPStatusBarPane(this);
        pPane->m_nID = lpIDArray[i];
        pPane->m_nFlags |= CXTPStatusBarPane::updateText;
        if (pPane->m_nID != 0) {
            if (!pPane->m_strText.LoadString(pPane->m_nID)) {
                pPane->InternalRelease();
                bResult = FALSE;
                break;
            }
            pPane->m_cxText = PaneTextWidth(pPane);
        } else {
            pPane->m_cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pPane->m_nStyle |= SBPS_NOBORDERS | SBPS_STRETCH;
        }
        m_arrPanes.Add(pPane);
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CXTPStatusBar::CommandToIndex(UINT nID) const
{
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++)
        if (m_arrPanes[i]->m_nID == nID)
            return static_cast<int>(i);
    return -1;
}

CXTPStatusBarPane* CXTPStatusBar::GetPane(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrPanes.GetSize() ? m_arrPanes[nIndex] : nullptr;
}

int CXTPStatusBar::GetVisiblePaneCount() const
{
    int nCount = 0;
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++)
        nCount += m_arrPanes[i]->m_bVisible ? 1 : 0;
    return nCount;
}

BOOL CXTPStatusBar::HasGripper() const
{
    if (!(GetStyle() & SBARS_SIZEGRIP))
        return FALSE;
    CWnd* pParent = GetParent();
    return pParent == nullptr || !pParent->IsZoomed();
}

void CXTPStatusBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    CControlBar::CalcInsideRect(rect, bHorz);
    if (m_hWnd != nullptr && HasGripper()) {
        int borders[3] = {};
        ::SendMessageW(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        rect.right -= borders[0] + ::GetSystemMetrics(SM_CXVSCROLL) + 2 * ::GetSystemMetrics(SM_CXBORDER);
    }
}

CSize CXTPStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    CSize size(32767, 0);
    if (m_hWnd != nullptr) {
        CClientDC dc(nullptr);
        CFont* pOld = dc.SelectObject(&m_fontStatus);
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(dc.GetSafeHdc(), &tm);
        dc.SelectObject(pOld);
        int borders[3] = {};
        SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        CRect rcInside(0, 0, 0, 0);
        CControlBar::CalcInsideRect(rcInside, bHorz);
        size.cy = tm.tmHeight - tm.tmInternalLeading - 1 + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) -
                  rcInside.Height();
    }
    size.cy = std::max<int>(size.cy, m_nMinHeight);
    return size;
}

void CXTPStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (bUpdateRects && m_hWnd != nullptr) {
        CRect rect;
        GetWindowRect(&rect);
        rect.OffsetRect(-rect.left, -rect.top);
        CalcInsideRect(rect, TRUE);
        int borders[3] = {};
        SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        int nSpace = rect.Width() + borders[2];
        int nStretchy = 0, nPart = 0;
        for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
            CXTPStatusBarPane* pPane = m_arrPanes[i];
            pPane->m_nIndex = static_cast<int>(i);
            pPane->m_nPart = -1;
            if (!pPane->m_bVisible)
                continue;
            pPane->m_nPart = nPart++;
            if (pPane->m_nStyle & SBPS_STRETCH)
                nStretchy++;
            nSpace -= pPane->m_cxText + kPaneMargin + borders[2];
        }
        std::vector<int> edges;
        int nRight = borders[0];
        for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
            CXTPStatusBarPane* pPane = m_arrPanes[i];
            if (!pPane->m_bVisible)
                continue;
            nRight += pPane->m_cxText + kPaneMargin;
            if ((pPane->m_nStyle & SBPS_STRETCH) && nSpace > 0) {
                int nShare = nSpace / nStretchy;
                nRight += nShare;
                nSpace -= nShare;
            }
            if (pPane->m_nStyle & SBPS_STRETCH)
                nStretchy--;
            edges.push_back(nRight);
            nRight += borders[2];
        }
        SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.empty() ? nullptr : edges.data()));
        PlaceChildWindows();
    }
    if (bUpdateText) {
        for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
            CXTPStatusBarPane* pPane = m_arrPanes[i];
            if (pPane->m_bVisible && (pPane->m_nFlags & CXTPStatusBarPane::updateText)) {
                CString strText = pPane->m_strText;
                SetPaneText(static_cast<int>(i), strText, TRUE);
            }
        }
    }
}

void CXTPStatusBar::PlaceChildWindows()
{
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
        CXTPStatusBarPane* pPane = m_arrPanes[i];
        if (pPane->m_pChildWnd == nullptr || !pPane->m_pChildWnd->GetSafeHwnd())
            continue;
        CRect rc;
        GetItemRect(static_cast<int>(i), &rc);
        if (!(pPane->m_nStyle & SBPS_NOBORDERS))
            rc.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CXEDGE));
        pPane->m_pChildWnd->MoveWindow(&rc, TRUE);
    }
}

BOOL CXTPStatusBar::SetPaneText(int nIndex, LPCTSTR lpszText, BOOL bUpdate)
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr)
        return FALSE;
    CString strText(lpszText != nullptr ? lpszText : L"");
    if (!(pPane->m_nFlags & CXTPStatusBarPane::updateText) && pPane->m_strText == strText)
        return TRUE;
    pPane->m_strText = strText;
    if (!pPane->m_bVisible)
        return FALSE;
    if (!bUpdate) {
        pPane->m_nFlags |= CXTPStatusBarPane::updateText;
        return TRUE;
    }
    pPane->m_nFlags &= ~CXTPStatusBarPane::updateText;
    if (m_hWnd != nullptr) {
        WPARAM wParam = (pPane->m_nStyle & 0xFFFF) | static_cast<WPARAM>(std::max(pPane->m_nPart, 0));
        LPCWSTR lpszShown = (pPane->m_nStyle & SBPS_DISABLED) ? nullptr : static_cast<LPCWSTR>(pPane->m_strText);
        SendMessage(SB_SETTEXTW, wParam, reinterpret_cast<LPARAM>(lpszShown));
        Invalidate(FALSE);
    }
    return TRUE;
}

CString CXTPStatusBar::GetPaneText(int nIndex) const
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->m_strText : CString();
}

UINT CXTPStatusBar::GetPaneStyle(int nIndex) const
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != nullptr ? pPane->m_nStyle : 0;
}

void CXTPStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == nullptr || pPane->m_nStyle == nStyle)
        return;
    const UINT nChanged = pPane->m_nStyle ^ nStyle;
    pPane->m_nStyle = nStyle;
    // Stretching moves the panes; the border decides the inner rectangle a
    // hosted window fills: both lay the panes out at once.
    if (nChanged & (SBPS_STRETCH | SBPS_NOBORDERS))
        UpdateAllPanes(TRUE, FALSE);
    pPane->m_nFlags |= CXTPStatusBarPane::updateText;
    CString strText = pPane->m_strText;
    SetPaneText(nIndex, strText, TRUE);
}

void CXTPStatusBar::GetItemRect(int nIndex, CRect* pRect) const
{
    CXTPStatusBarPane* pPane = GetPane(nIndex);
    pRect->SetRectEmpty();
    if (pPane == nullptr || m_hWnd == nullptr || pPane->m_nPart < 0)
        return;
    if (!::SendMessageW(m_hWnd, SB_GETRECT, pPane->m_nPart, reinterpret_cast<LPARAM>(static_cast<LPRECT>(pRect))))
        pRect->SetRectEmpty();
    if (pPane->m_nPart == GetVisiblePaneCount() - 1) {
        if (!(pPane->m_nStyle & SBPS_STRETCH))
            pRect->right = pRect->left + pPane->m_cxText + 3 * ::GetSystemMetrics(SM_CXEDGE);
        else {
            CRect rcClient;
            GetClientRect(&rcClient);
            pRect->right = rcClient.right;
            if (GetStyle() & SBARS_SIZEGRIP)
                pRect->right -= ::GetSystemMetrics(SM_CXSMICON) + ::GetSystemMetrics(SM_CXEDGE);
        }
    }
}

void CXTPStatusBar::RemoveAll()
{
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++)
        m_arrPanes[i]->InternalRelease();
    m_arrPanes.RemoveAll();
    UpdateAllPanes(TRUE, FALSE);
}

CXTPStatusBarPane* CXTPStatusBar::HitTest(CPoint point, CRect* pRect) const
{
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
        if (!m_arrPanes[i]->m_bVisible)
            continue;
        CRect rc;
        GetItemRect(static_cast<int>(i), &rc);
        if (rc.PtInRect(point)) {
            if (pRect != nullptr)
                *pRect = rc;
            return m_arrPanes[i];
        }
    }
    return nullptr;
}

CXTPPaintManager* CXTPStatusBar::GetPaintManager() const
{
    if (!m_bUsePaintManager)
        return nullptr;
    return m_pCommandBars != nullptr ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
}

void CXTPStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_arrPanes.GetSize());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        CXTPStatusBarPane* pPane = GetPane(static_cast<int>(state.m_nIndex));
        if (pPane == nullptr)
            break;
        state.m_nID = pPane->m_nID;
        state.m_bEnableChanged = FALSE;
        if (OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    // Windows hosted on the panes follow their commands as a dialog's do.
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CXTPStatusBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY) && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CXTPStatusBar::DrawPaneEntry(CDC* pDC, int nIndex, CRect rcItem)
{
    if (CXTPStatusBarPane* pPane = GetPane(nIndex))
        pPane->Draw(pDC, rcItem);
}

void CXTPStatusBar::DrawStretch(CDC* pDC, CRect& rcClient)
{
    if (CXTPPaintManager* pPaintManager = GetPaintManager())
        pPaintManager->DrawStatusBarGripper(pDC, rcClient);
}

void CXTPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    (void)nType, (void)cx, (void)cy;
    UpdateAllPanes(TRUE, FALSE);
    Invalidate(FALSE);
}

void CXTPStatusBar::OnPaint()
{
    UpdateAllPanes(FALSE, TRUE);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager == nullptr) {
        Default();
        return;
    }
    CPaintDC paintDC(this);
    CXTPClientRect rcClient(this);
    CXTPBufferDC dc(paintDC.GetSafeHdc(), rcClient);
    pPaintManager->FillStatusBar(&dc, this);
    int nLastVisible = -1;
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++)
        if (m_arrPanes[i]->m_bVisible)
            nLastVisible = static_cast<int>(i);
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); i++) {
        CXTPStatusBarPane* pPane = m_arrPanes[i];
        if (!pPane->m_bVisible)
            continue;
        CRect rcItem;
        GetItemRect(static_cast<int>(i), &rcItem);
        if (!(pPane->m_nStyle & SBPS_NOBORDERS))
            pPaintManager->DrawStatusBarPaneBorder(&dc, rcItem, static_cast<int>(i) == nLastVisible);
        DrawPaneEntry(&dc, static_cast<int>(i), rcItem);
    }
    CWnd* pParent = GetParent();
    if (pParent != nullptr && (pParent->GetStyle() & WS_THICKFRAME) && HasGripper())
        DrawStretch(&dc, rcClient);
}

BOOL CXTPStatusBar::OnEraseBkgnd(CDC*)
{
    if (GetPaintManager() != nullptr)
        return TRUE;
    return static_cast<BOOL>(Default());
}

LRESULT CXTPStatusBar::OnNcHitTest(CPoint)
{
    return Default() == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void CXTPStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rcInside(0, 0, 0, 0);
    CControlBar::CalcInsideRect(rcInside, TRUE);
    RECT& client = lpncsp->rgrc[0];
    client.left += rcInside.left;
    client.top += rcInside.top - 2;
    client.right += rcInside.right;
    client.bottom += rcInside.bottom;
}

void CXTPStatusBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // The control bar's handling, without its border lines.
    DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}

LRESULT CXTPStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    // TRUE when set, as every window answers WM_SETTEXT.
    int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return FALSE;
    return SetPaneText(nIndex, reinterpret_cast<LPCTSTR>(lParam), TRUE) ? TRUE : FALSE;
}

LRESULT CXTPStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    // The characters copied, without the terminator.
    int nMax = static_cast<int>(wParam);
    if (nMax <= 0 || lParam == 0)
        return 0;
    auto* lpszBuffer = reinterpret_cast<LPTSTR>(lParam);
    int nIndex = CommandToIndex(0);
    CString strText = nIndex >= 0 ? GetPaneText(nIndex) : CString();
    int nCopy = std::min(strText.GetLength(), nMax - 1);
    lstrcpynW(lpszBuffer, strText, nCopy + 1);
    return nCopy;
}

LRESULT CXTPStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int nIndex = CommandToIndex(0);
    return nIndex >= 0 ? GetPaneText(nIndex).GetLength() : 0;
}

LRESULT CXTPStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    m_nMinHeight = static_cast<int>(wParam);
    return Default();
}
