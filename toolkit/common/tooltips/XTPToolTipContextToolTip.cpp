#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"

#include <algorithm>

#include "framework/windows/AfxMessages.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

IMPLEMENT_DYNAMIC(CXTPToolTipContextToolTip, CWnd)

HHOOK CXTPToolTipContextToolTip::s_hMouseHook = nullptr;
CXTPToolTipContextToolTip* CXTPToolTipContextToolTip::s_pHookOwner = nullptr;

namespace {

const DWORD COMCTL_VERSION_6_00 = 0x60000;
const DWORD TIP_STYLE_NO_SHADOW = 0x2000;
const DWORD TIP_STYLE_FLAT_FRAME = 0x1000;
const int NONCLIENTMETRICS_SIZE = 500;
const int TITLE_EXTRA_WIDTH = 25;

BOOL IsMouseButtonHeld()
{
    return (::GetKeyState(VK_LBUTTON) & 0x8000) || (::GetKeyState(VK_RBUTTON) & 0x8000) ||
           (::GetKeyState(VK_MBUTTON) & 0x8000);
}

BOOL IsRelayedMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Text given with a tool or in a notification: a pointer, or a string
// resource id of the given instance.
CString ReadProtocolText(HINSTANCE hinst, LPCWSTR lpszText)
{
    if (!lpszText || lpszText == LPSTR_TEXTCALLBACKW)
        return CString();
    if (IS_INTRESOURCE(lpszText)) {
        CString str;
        if (hinst)
            str.LoadString(hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszText)));
        return str;
    }
    return CString(lpszText);
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPToolTipContextToolTip, CWnd)
    ON_MESSAGE(TTM_ADDTOOLW, OnAddTool)
    ON_MESSAGE(TTM_DELTOOLW, OnDelTool)
    ON_MESSAGE(TTM_UPDATETIPTEXTW, OnUpdateTipText)
    ON_MESSAGE(TTM_SETTITLEW, OnSetTitle)
    ON_MESSAGE(TTM_ACTIVATE, OnActivateTip)
    ON_MESSAGE(TTM_RELAYEVENT, OnRelayEvent)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CXTPToolTipContextToolTip::CXTPToolTipContextToolTip(CXTPToolTipContext* pContext)
    : m_pContext(pContext),
      m_bActive(FALSE),
      m_nShowTimer(0),
      m_dwLastChangeTick(0),
      m_hWndNotify(nullptr),
      m_bQuiet(FALSE),
      m_ptQuiet()
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = NONCLIENTMETRICS_SIZE;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, NONCLIENTMETRICS_SIZE, &ncm, 0);
    LOGFONTW lf = ncm.lfStatusFont;
    lf.lfWeight = FW_NORMAL;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
}

CXTPToolTipContextToolTip::~CXTPToolTipContextToolTip()
{
    RemoveMouseHook();
    RemoveAllTools();
}

BOOL CXTPToolTipContextToolTip::Create(CWnd* pParent, DWORD dwStyle)
{
    UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
    if (m_pContext->GetComCtlVersion() >= COMCTL_VERSION_6_00 && !(dwStyle & TIP_STYLE_NO_SHADOW))
        nClassStyle |= CS_DROPSHADOW;
    LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorW(nullptr, IDC_ARROW), nullptr);
    HWND hWndParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, dwStyle | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, hWndParent, nullptr))
        return FALSE;
    m_hWndNotify = hWndParent;
    return TRUE;
}

DWORD CXTPToolTipContextToolTip::GetCurrentTick() const
{
    return ::GetTickCount();
}

HWND CXTPToolTipContextToolTip::WindowUnderPoint(POINT pt)
{
    HWND hWnd = ::WindowFromPoint(pt);
    if (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) &&
        ::SendMessageW(hWnd, WM_XTP_TOOLTIP_PASS_TO_PARENT, 0, 0) == 1)
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

CXTPToolTipContextToolTip::TOOLITEM* CXTPToolTipContextToolTip::FindTool(HWND hWnd, UINT_PTR uId) const
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++) {
        TOOLITEM* pTool = m_arrTools[i];
        if (pTool->hwnd == hWnd && pTool->uId == uId)
            return pTool;
    }
    return nullptr;
}

void CXTPToolTipContextToolTip::RemoveAllTools()
{
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++)
        delete m_arrTools[i];
    m_arrTools.RemoveAll();
}

LRESULT CXTPToolTipContextToolTip::OnAddTool(WPARAM, LPARAM lParam)
{
    const TOOLINFOW* pTI = reinterpret_cast<const TOOLINFOW*>(lParam);
    if (!pTI)
        return FALSE;
    TOOLITEM* pTool = new TOOLITEM();
    pTool->bCallbackText = pTI->lpszText == LPSTR_TEXTCALLBACKW;
    pTool->strText = ReadProtocolText(pTI->hinst, pTI->lpszText);
    pTool->uFlags = pTI->uFlags;
    pTool->rect = pTI->rect;
    pTool->hinst = pTI->hinst;
    pTool->hwnd = pTI->hwnd;
    pTool->uId = pTI->uId;
    m_arrTools.Add(pTool);
    return TRUE;
}

LRESULT CXTPToolTipContextToolTip::OnDelTool(WPARAM, LPARAM lParam)
{
    const TOOLINFOW* pTI = reinterpret_cast<const TOOLINFOW*>(lParam);
    if (!pTI)
        return 0;
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++) {
        TOOLITEM* pTool = m_arrTools[i];
        if (pTool->hwnd != pTI->hwnd || pTool->uId != pTI->uId)
            continue;
        if (pTool->IsSameTool(m_toolShown))
            HideTip();
        if (pTool->IsSameTool(m_toolPending))
            KillShowTimer();
        if (pTool->IsSameTool(m_toolPressed))
            m_toolPressed.Clear();
        m_arrTools.RemoveAt(i);
        delete pTool;
        break;
    }
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnUpdateTipText(WPARAM, LPARAM lParam)
{
    const TOOLINFOW* pTI = reinterpret_cast<const TOOLINFOW*>(lParam);
    if (!pTI)
        return 0;
    TOOLITEM* pTool = FindTool(pTI->hwnd, pTI->uId);
    if (pTool) {
        pTool->bCallbackText = pTI->lpszText == LPSTR_TEXTCALLBACKW;
        pTool->strText = ReadProtocolText(pTI->hinst ? pTI->hinst : pTool->hinst, pTI->lpszText);
    }
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnSetTitle(WPARAM, LPARAM lParam)
{
    m_strTitle = lParam ? CString(reinterpret_cast<LPCWSTR>(lParam)) : CString();
    if (!HasNoPrefix())
        XTPStripMnemonics(m_strTitle);
    return TRUE;
}

LRESULT CXTPToolTipContextToolTip::OnActivateTip(WPARAM wParam, LPARAM)
{
    m_bActive = wParam != 0;
    if (!m_bActive) {
        KillShowTimer();
        if (IsWindowVisible() || !m_toolShown.IsEmpty())
            HideTip();
    }
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnRelayEvent(WPARAM, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (!m_bActive || !pMsg || !IsRelayedMouseMessage(pMsg->message))
        return 0;
    if (m_bQuiet) {
        POINT pt;
        if (::GetCursorPos(&pt) && pt.x == m_ptQuiet.x && pt.y == m_ptQuiet.y)
            return 0;
        m_bQuiet = FALSE;
    }

    const TOOLITEM* pFound = ToolFromCursor();
    // A pressed tool stays quiet until the mouse has left it.
    if (!m_toolPressed.IsEmpty() && (!pFound || !pFound->IsSameTool(m_toolPressed)))
        m_toolPressed.Clear();
    if (pMsg->message == WM_LBUTTONDOWN) {
        if (pFound)
            m_toolPressed = *pFound;
        pFound = nullptr;
    } else if (pFound && pFound->IsSameTool(m_toolPressed)) {
        pFound = nullptr;
    }

    if (m_nShowTimer && (!pFound || !pFound->IsSameTool(m_toolPending)))
        KillShowTimer();

    if (!pFound) {
        HideTip();
        return 0;
    }
    if (pFound->IsSameTool(m_toolShown))
        return 0;
    if (GetCurrentTick() - m_dwLastChangeTick >= RESHOW_WINDOW) {
        if (!pFound->IsSameTool(m_toolPending)) {
            m_toolPending = *pFound;
            m_nShowTimer = SetTimer(SHOW_TIMER_ID, INITIAL_DELAY);
        }
    } else {
        // Moving from tip to tip does not wait again.
        ShowTool(pFound);
    }
    return 0;
}

LRESULT CXTPToolTipContextToolTip::OnWindowFromPoint(WPARAM, LPARAM lParam)
{
    const POINT* pPoint = reinterpret_cast<const POINT*>(lParam);
    return pPoint ? reinterpret_cast<LRESULT>(WindowUnderPoint(*pPoint)) : 0;
}

const CXTPToolTipContextToolTip::TOOLITEM* CXTPToolTipContextToolTip::ToolFromCursor() const
{
    if (IsMouseButtonHeld())
        return nullptr;
    POINT pt;
    if (!::GetCursorPos(&pt))
        return nullptr;
    HWND hWndUnder = nullptr;
    BOOL bUnderKnown = FALSE;
    for (INT_PTR i = 0; i < m_arrTools.GetSize(); i++) {
        const TOOLITEM* pTool = m_arrTools[i];
        if (!::IsWindow(pTool->hwnd))
            continue;
        RECT rc;
        if (pTool->uFlags & TTF_IDISHWND) {
            if (!::GetWindowRect(reinterpret_cast<HWND>(pTool->uId), &rc))
                continue;
        } else {
            rc = pTool->rect;
            ::MapWindowPoints(pTool->hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
        }
        if (!::PtInRect(&rc, pt))
            continue;
        if (pTool->uFlags & TTF_IDISHWND)
            return pTool;
        if (!bUnderKnown) {
            hWndUnder = WindowUnderPoint(pt);
            bUnderKnown = TRUE;
        }
        if (hWndUnder == pTool->hwnd)
            return pTool;
    }
    return nullptr;
}

void CXTPToolTipContextToolTip::KillShowTimer()
{
    if (m_nShowTimer) {
        KillTimer(m_nShowTimer);
        m_nShowTimer = 0;
    }
    m_toolPending.Clear();
}

void CXTPToolTipContextToolTip::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == LEAVE_TIMER_ID) {
        POINT pt;
        if (!m_toolShown.IsEmpty() && ::GetCursorPos(&pt) && WindowUnderPoint(pt) != m_toolShown.hwnd)
            FollowCursor();
        return;
    }
    if (nIDEvent != SHOW_TIMER_ID) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    const TOOLITEM* pFound = ToolFromCursor();
    BOOL bShow = pFound && !m_toolPending.IsEmpty() && pFound->IsSameTool(m_toolPending);
    KillShowTimer();
    if (bShow)
        ShowTool(pFound);
}

CString CXTPToolTipContextToolTip::GetToolText(const TOOLITEM& tool) const
{
    CString strText = tool.strText;
    if (tool.bCallbackText) {
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = m_hWnd;
        info.hdr.idFrom = tool.uId;
        info.hdr.code = TTN_GETDISPINFOW;
        info.lpszText = info.szText;
        info.hinst = tool.hinst;
        info.uFlags = tool.uFlags;
        HWND hWndNotify = m_hWndNotify ? m_hWndNotify : ::GetParent(m_hWnd);
        ::SendMessageW(hWndNotify, WM_NOTIFY, tool.uId, reinterpret_cast<LPARAM>(&info));
        // The answer may be a pointer, a string resource of hinst, or the
        // notification's own buffer.
        info.szText[_countof(info.szText) - 1] = L'\0';
        strText = ReadProtocolText(info.hinst, info.lpszText);
    }
    if (!HasNoPrefix())
        XTPStripMnemonics(strText);
    return strText;
}

void CXTPToolTipContextToolTip::ShowTool(const TOOLITEM* pTool)
{
    TOOLITEM requested = pTool ? *pTool : TOOLITEM();
    if (requested.IsSameTool(m_toolShown))
        return;

    CSize size(0, 0);
    if (!requested.IsEmpty()) {
        m_strShownText = GetToolText(requested);
        CClientDC dc(this);
        size = CalcSize(&dc);
        if (size.cx == 0 || size.cy == 0)
            requested.Clear();
    }
    if (requested.IsEmpty() && m_toolShown.IsEmpty()) {
        m_strShownText.Empty();
        return;
    }

    if (IsWindowVisible())
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                           SWP_NOOWNERZORDER);

    if (!requested.IsEmpty()) {
        POINT pt = {};
        ::GetCursorPos(&pt);
        // Below the cursor even when that runs past the screen's edge.
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, pt.x, pt.y + CURSOR_OFFSET_Y, size.cx, size.cy,
                       SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
        Invalidate(FALSE);
        InstallMouseHook();
        SetTimer(LEAVE_TIMER_ID, LEAVE_CHECK_INTERVAL);
        m_toolPressed.Clear();
    } else {
        KillTimer(LEAVE_TIMER_ID);
        RemoveMouseHook();
        m_toolPending.Clear();
        m_strShownText.Empty();
    }
    m_toolShown = requested;
    m_dwLastChangeTick = GetCurrentTick();
}

void CXTPToolTipContextToolTip::InstallMouseHook()
{
    if (s_hMouseHook)
        return;
    s_hMouseHook = ::SetWindowsHookExW(WH_MOUSE, MouseHookProc, nullptr, ::GetCurrentThreadId());
    if (s_hMouseHook)
        s_pHookOwner = this;
}

void CXTPToolTipContextToolTip::RemoveMouseHook()
{
    if (s_pHookOwner != this)
        return;
    ::UnhookWindowsHookEx(s_hMouseHook);
    s_hMouseHook = nullptr;
    s_pHookOwner = nullptr;
}

LRESULT CALLBACK CXTPToolTipContextToolTip::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = s_hMouseHook;
    CXTPToolTipContextToolTip* pTip = s_pHookOwner;
    if (nCode == HC_ACTION && pTip && !pTip->m_toolShown.IsEmpty() && lParam) {
        const MOUSEHOOKSTRUCT* pHook = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (WindowUnderPoint(pHook->pt) != pTip->m_toolShown.hwnd)
            pTip->FollowCursor();
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void CXTPToolTipContextToolTip::FollowCursor()
{
    MSG msg = {};
    ::GetCursorPos(&msg.pt);
    msg.hwnd = ::WindowFromPoint(msg.pt);
    msg.message = WM_MOUSEMOVE;
    msg.time = ::GetMessageTime();
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CXTPToolTipContextToolTip::OnMouseMove(UINT, CPoint)
{
    HideTip();
}

CSize CXTPToolTipContextToolTip::CalcSize(CDC* pDC)
{
    if (m_strShownText.IsEmpty())
        return CSize(0, 0);
    const RECT& rcMargin = m_pContext->GetMargin();
    int nFrameX = rcMargin.left + rcMargin.right + 6;
    int nFrameY = rcMargin.top + rcMargin.bottom + 6;
    int nMaxWidth = m_pContext->GetMaxTipWidth();

    CFont* pOldFont = pDC->SelectObject(&m_fontNormal);
    CRect rcText(0, 0, nMaxWidth - nFrameX, 0);
    pDC->DrawText(m_strShownText, &rcText, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    CSize size(rcText.Width(), rcText.Height());

    if (!m_strTitle.IsEmpty()) {
        pDC->SelectObject(&m_fontBold);
        CRect rcTitle(0, 0, nMaxWidth - TITLE_EXTRA_WIDTH - nFrameX, 0);
        pDC->DrawText(m_strTitle, &rcTitle, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        size.cx = std::max<LONG>(rcText.Width() + TITLE_EXTRA_WIDTH, rcTitle.Width());
        size.cy = rcTitle.Height() + rcText.Height() + 20;
    }
    pDC->SelectObject(pOldFont);
    return CSize(size.cx + nFrameX, size.cy + nFrameY);
}

void CXTPToolTipContextToolTip::DrawText(CDC* pDC, CRect rc)
{
    const RECT& rcMargin = m_pContext->GetMargin();
    rc.left += rcMargin.left + 3;
    rc.top += rcMargin.top + 3;
    rc.right -= rcMargin.right + 3;
    rc.bottom -= rcMargin.bottom + 3;

    pDC->SetTextColor(m_pContext->GetTipTextColor());
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(&m_fontNormal);
    if (!m_strTitle.IsEmpty()) {
        pDC->SelectObject(&m_fontBold);
        CRect rcTitle(rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom);
        pDC->DrawText(m_strTitle, &rcTitle, DT_SINGLELINE | DT_NOPREFIX);
        CRect rcMeasure(rcTitle);
        pDC->DrawText(m_strTitle, &rcMeasure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        rc.left += 10;
        rc.right -= 15;
        rc.top += rcMeasure.Height() + 12;
        pDC->SelectObject(&m_fontNormal);
    }
    pDC->DrawText(m_strShownText, &rc, DT_WORDBREAK | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CXTPToolTipContextToolTip::DrawBackground(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(&rc, m_pContext->GetTipBkColor());
    COLORREF clrTopLeft = (GetStyle() & TIP_STYLE_FLAT_FRAME) ? ::GetSysColor(COLOR_BTNFACE) : RGB(0, 0, 0);
    pDC->Draw3dRect(&rc, clrTopLeft, RGB(0, 0, 0));
}

void CXTPToolTipContextToolTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawBackground(&dc, rc);
    DrawText(&dc, rc);
}

BOOL CXTPToolTipContextToolTip::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CXTPToolTipContextToolTip::OnNcHitTest(CPoint)
{
    return HTTRANSPARENT;
}

int CXTPToolTipContextToolTip::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

LRESULT CXTPToolTipContextToolTip::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // The window it belongs to lost the activation or the input (a dialog
    // or sheet opened): neither the shown tip nor a pending one stays.
    if (wParam & (FS_DEACTIVATE | FS_DISABLE)) {
        // It stays away until the pointer moves: the moves the system makes
        // up where the pointer rests when windows change do not bring it
        // back over the dialog.
        m_bQuiet = ::GetCursorPos(&m_ptQuiet);
        KillShowTimer();
        HideTip();
    }
    return 0;
}

void CXTPToolTipContextToolTip::OnDestroy()
{
    KillShowTimer();
    RemoveMouseHook();
    RemoveAllTools();
    m_toolShown.Clear();
    m_toolPressed.Clear();
    CWnd::OnDestroy();
}
