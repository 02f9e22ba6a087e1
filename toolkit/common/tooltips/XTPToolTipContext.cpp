#include "toolkit/common/tooltips/XTPToolTipContext.h"

#include <cstdlib>
#include <cwchar>

#include "framework/windows/AfxMessages.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/system/XTPComCtlVersion.h"
#include "toolkit/common/tooltips/XTPToolTipContextLuna.h"
#include "toolkit/common/tooltips/XTPToolTipContextOffice2007.h"
#include "toolkit/common/tooltips/XTPToolTipContextRichEdit.h"
#include "toolkit/common/tooltips/XTPToolTipContextStandard.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"
#include "toolkit/common/drawing/XTPWindowHelpers.h"

IMPLEMENT_DYNAMIC(CXTPToolTipContext, CCmdTarget)

namespace {

const DWORD COMCTL_VERSION_5_80 = 0x50050;
const DWORD TIP_STYLE_OWN_LOOK = 0x3000;
const UINT_PTR TOOL_FLAGS_NOT_ADDED = 0xC0000000;
const int TOOLINFO_SIZE_PLAIN = 40;
const int TOOLINFO_SIZE_TITLED = 44;

BOOL IsShowMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
           message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

BOOL IsHideMessage(UINT message)
{
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST)
        return TRUE;
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL IsMouseButtonHeld()
{
    return (::GetKeyState(VK_LBUTTON) & 0x8000) || (::GetKeyState(VK_RBUTTON) & 0x8000) ||
           (::GetKeyState(VK_MBUTTON) & 0x8000);
}

BOOL IsValidTool(const TOOLINFO& ti)
{
    return ti.cbSize >= static_cast<UINT>(TOOLINFO_SIZE_PLAIN);
}

BOOL IsSameTool(const TOOLINFO& a, const TOOLINFO& b)
{
    return a.hwnd == b.hwnd && a.uId == b.uId;
}

LPTSTR DuplicateText(const CString& str)
{
    return _wcsdup(str.GetString());
}

// The notice a window owned by hTop would have had from the frame at the
// head of its owners by now: FS_DISABLE while a modal dialog disables that
// frame, FS_DEACTIVATE while a window of its own that does not keep the
// frame's caption active (a dialog, the customize sheet) or none of this
// thread is in front; 0 while the frame or one of its floating windows is
// active.
DWORD NoticeOwnedWindowsHad(HWND hTop)
{
    HWND hFrame = hTop;
    for (HWND hOwner = ::GetWindow(hFrame, GW_OWNER); hOwner; hOwner = ::GetWindow(hFrame, GW_OWNER))
        hFrame = hOwner;
    if (!::IsWindowEnabled(hFrame))
        return FS_DISABLE;
    HWND hActive = ::GetActiveWindow();
    if (hActive == hFrame || hActive == hTop)
        return 0;
    if (hActive && ::SendMessageW(hActive, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0)
        return 0;
    return FS_DEACTIVATE;
}

} // namespace

CXTPToolTipContext::CXTPToolTipContext()
    : m_bShowTitleAndDescription(FALSE),
      m_nStyle(xtpToolTipStandard),
      m_dwComCtlVersion(XTPGetComCtlVersion()),
      m_nTitleIcon(TTI_INFO),
      m_nMaxTipWidth(::GetSystemMetrics(SM_CXSCREEN) / 2),
      m_dwToolTipStyle(TTS_NOPREFIX),
      m_rcMargin(),
      m_nInitialDelay(-1),
      m_nReshowDelay(-1),
      m_nAutoPopDelay(-1),
      m_pToolTip(nullptr),
      m_lastTool(),
      m_clrTipBack(static_cast<COLORREF>(-1)),
      m_clrTipText(static_cast<COLORREF>(-1))
{
}

CXTPToolTipContext::~CXTPToolTipContext()
{
    DestroyToolTip();
}

void CXTPToolTipContext::DestroyToolTip()
{
    if (m_pToolTip) {
        if (m_pToolTip->GetSafeHwnd())
            m_pToolTip->DestroyWindow();
        delete m_pToolTip;
        m_pToolTip = nullptr;
    }
    // The tools went with the window.
    m_lastTool = TOOLINFO();
}

void CXTPToolTipContext::SetStyle(int nStyle)
{
    if (nStyle == m_nStyle)
        return;
    if (nStyle == xtpToolTipBalloon && m_dwComCtlVersion < COMCTL_VERSION_5_80)
        return;
    m_nStyle = nStyle;
    DestroyToolTip();
    if (nStyle == xtpToolTipOffice)
        ModifyToolTipStyle(0, TIP_STYLE_OWN_LOOK);
    else
        ModifyToolTipStyle(TIP_STYLE_OWN_LOOK, 0);
}

void CXTPToolTipContext::ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd)
{
    DWORD dwNew = (m_dwToolTipStyle | dwAdd) & ~dwRemove;
    if (dwNew == m_dwToolTipStyle)
        return;
    m_dwToolTipStyle = dwNew;
    DestroyToolTip();
}

void CXTPToolTipContext::ShowTitleAndDescription(BOOL bShowTitle, int nTitleIcon)
{
    m_bShowTitleAndDescription = bShowTitle;
    m_nTitleIcon = nTitleIcon;
}

void CXTPToolTipContext::SetDelayTime(DWORD dwDuration, int nTime)
{
    switch (dwDuration) {
    case TTDT_INITIAL: m_nInitialDelay = nTime; break;
    case TTDT_RESHOW: m_nReshowDelay = nTime; break;
    case TTDT_AUTOPOP: m_nAutoPopDelay = nTime; break;
    default: break;
    }
}

COLORREF CXTPToolTipContext::GetTipBkColor() const
{
    return m_clrTipBack == static_cast<COLORREF>(-1) ? XTPGetColorManager()->GetColor(COLOR_INFOBK) : m_clrTipBack;
}

COLORREF CXTPToolTipContext::GetTipTextColor() const
{
    return m_clrTipText == static_cast<COLORREF>(-1) ? XTPGetColorManager()->GetColor(COLOR_INFOTEXT) : m_clrTipText;
}

CWnd* CXTPToolTipContext::CreateToolTip(CWnd* pParent)
{
    DWORD dwStyle = m_dwToolTipStyle | TTS_ALWAYSTIP;
    CXTPToolTipContextToolTip* pOwnTip = nullptr;
    switch (m_nStyle) {
    case xtpToolTipOffice: pOwnTip = new CXTPToolTipContextToolTip(this); break;
    case xtpToolTipRTF: pOwnTip = new CRichEditToolTip(this); break;
    case xtpToolTipLuna: pOwnTip = new CLunaToolTip(this); break;
    case xtpToolTipOffice2007: pOwnTip = new COffice2007ToolTip(this); break;
    default: break;
    }
    if (pOwnTip) {
        if (!pOwnTip->Create(pParent, dwStyle)) {
            delete pOwnTip;
            return nullptr;
        }
        return pOwnTip;
    }
    CStandardToolTip* pSystemTip = new CStandardToolTip();
    if (m_nStyle == xtpToolTipBalloon)
        dwStyle |= TTS_BALLOON;
    if (!pSystemTip->Create(pParent, dwStyle)) {
        delete pSystemTip;
        return nullptr;
    }
    return pSystemTip;
}

void CXTPToolTipContext::FillInToolInfo(TOOLINFO* pTI, HWND hWnd, int nLeft, int nTop, int nRight, int nBottom,
                                        UINT nID, const CString& strText, const CString& strTitle,
                                        const CString& strDescription)
{
    if (!pTI || pTI->cbSize < static_cast<UINT>(TOOLINFO_SIZE_PLAIN))
        return;
    pTI->hwnd = hWnd;
    pTI->uId = nID;
    ::SetRect(&pTI->rect, nLeft, nTop, nRight, nBottom);
    pTI->lpszText = DuplicateText(strText);
    if (pTI->cbSize == static_cast<UINT>(TOOLINFO_SIZE_TITLED) && !strTitle.IsEmpty() &&
        !strDescription.IsEmpty() && pTI->lParam) {
        XTP_TOOLTIP_TITLED_TEXT* pTexts = reinterpret_cast<XTP_TOOLTIP_TITLED_TEXT*>(pTI->lParam);
        pTexts->lpszDescription = DuplicateText(strDescription);
        pTexts->lpszTitle = DuplicateText(strTitle);
    }
}

void CXTPToolTipContext::DeactivateToolTip()
{
    if (m_pToolTip && m_pToolTip->GetSafeHwnd())
        m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void CXTPToolTipContext::HideAndForgetTool()
{
    DeactivateToolTip();
    // A tip that stays registered would never be activated again while the
    // mouse stays on its tool; the next move registers it anew and the tip
    // comes back through the normal delay.
    if (m_pToolTip && m_pToolTip->GetSafeHwnd() && IsValidTool(m_lastTool))
        m_pToolTip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&m_lastTool));
    m_lastTool = TOOLINFO();
}

void CXTPToolTipContext::FilterToolTipMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!pOwner || !pOwner->GetSafeHwnd())
        return;
    MSG msg = {};
    msg.hwnd = pOwner->GetSafeHwnd();
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = ::GetMessageTime();
    ::GetCursorPos(&msg.pt);
    FilterToolTipMessage(pOwner, &msg);
}

BOOL CXTPToolTipContext::EnsureToolTip(CWnd* pTopParent)
{
    if (m_pToolTip) {
        HWND hWndTip = m_pToolTip->GetSafeHwnd();
        if (!hWndTip || ::GetWindow(hWndTip, GW_OWNER) != pTopParent->GetSafeHwnd())
            DestroyToolTip();
    }
    if (m_pToolTip)
        return TRUE;
    m_pToolTip = CreateToolTip(pTopParent);
    if (!m_pToolTip)
        return FALSE;
    ConfigureNewToolTip();
    // A tip made after its frame lost the activation or the input missed
    // that notice: the move the system makes up when a menu goes from under
    // the resting pointer, right after a dialog or the customize sheet
    // opened, would otherwise show it over the dialog.
    if (DWORD dwNotice = NoticeOwnedWindowsHad(pTopParent->GetSafeHwnd()))
        m_pToolTip->SendMessage(WM_FLOATSTATUS, dwNotice);
    return TRUE;
}

void CXTPToolTipContext::ConfigureNewToolTip()
{
    m_pToolTip->SendMessage(TTM_SETMAXTIPWIDTH, 0, m_nMaxTipWidth);
    m_pToolTip->SendMessage(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&m_rcMargin));
    if (m_clrTipBack != static_cast<COLORREF>(-1))
        m_pToolTip->SendMessage(TTM_SETTIPBKCOLOR, m_clrTipBack);
    if (m_clrTipText != static_cast<COLORREF>(-1))
        m_pToolTip->SendMessage(TTM_SETTIPTEXTCOLOR, m_clrTipText);
    if (m_nReshowDelay != -1)
        m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(m_nReshowDelay, 0));
    if (m_nInitialDelay != -1)
        m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(m_nInitialDelay, 0));
    if (m_nAutoPopDelay != -1)
        m_pToolTip->SendMessage(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(m_nAutoPopDelay, 0));
    m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

void CXTPToolTipContext::UpdateTitle(const TOOLINFO& ti, const XTP_TOOLTIP_TITLED_TEXT& texts)
{
    // The rich-text tip has no title, and old system controls know no titles.
    if (m_nStyle == xtpToolTipRTF || (m_nStyle == xtpToolTipStandard && m_dwComCtlVersion < COMCTL_VERSION_5_80))
        return;
    BOOL bDescription = texts.lpszDescription && *texts.lpszDescription;
    BOOL bTitle = texts.lpszTitle && *texts.lpszTitle;
    if (m_bShowTitleAndDescription && bDescription && bTitle) {
        m_pToolTip->SendMessage(TTM_SETTITLEW, m_nTitleIcon, reinterpret_cast<LPARAM>(texts.lpszTitle));
        TOOLINFO tiText = ti;
        tiText.lpszText = texts.lpszDescription;
        m_pToolTip->SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tiText));
    } else {
        // No text at all: the system tip keeps an empty title as a blank title line.
        m_pToolTip->SendMessage(TTM_SETTITLEW, 0, 0);
    }
}

void CXTPToolTipContext::ActivateAndRaise()
{
    m_pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
    ::SetWindowPos(m_pToolTip->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void CXTPToolTipContext::RelayToolTipMessage(const MSG* pMsg)
{
    POINT pt = pMsg->pt;
    HWND hWndUnder = reinterpret_cast<HWND>(m_pToolTip->SendMessage(TTM_WINDOWFROMPOINT, 0,
                                                                     reinterpret_cast<LPARAM>(&pt)));
    MSG msgRelay = *pMsg;
    msgRelay.hwnd = hWndUnder;
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST && hWndUnder) {
        ::ScreenToClient(hWndUnder, &pt);
        msgRelay.lParam = MAKELPARAM(pt.x, pt.y);
    }
    m_pToolTip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msgRelay));
}

void CXTPToolTipContext::FilterToolTipMessage(CWnd* pOwner, MSG* pMsg)
{
    if (!IsShowMessage(pMsg->message) || IsMouseButtonHeld()) {
        if (IsHideMessage(pMsg->message))
            HideAndForgetTool();
        return;
    }

    BOOL bAppActive = XTPIsTopParentActive(pOwner->GetSafeHwnd());
    if (m_pToolTip && m_pToolTip->GetSafeHwnd() && m_pToolTip->IsWindowVisible() && !bAppActive) {
        HideAndForgetTool();
        return;
    }

    CWnd* pTopParent = pOwner->GetTopLevelParent();
    if (!pTopParent || !EnsureToolTip(pTopParent))
        return;

    CPoint point = pMsg->pt;
    pOwner->ScreenToClient(&point);
    XTP_TOOLTIP_TITLED_TEXT texts = {nullptr, nullptr};
    TOOLINFO ti = {};
    ti.cbSize = m_bShowTitleAndDescription ? TOOLINFO_SIZE_TITLED : TOOLINFO_SIZE_PLAIN;
    if (m_bShowTitleAndDescription)
        ti.lParam = reinterpret_cast<LPARAM>(&texts);
    INT_PTR nHit = pOwner->OnToolHitTest(point, &ti);
    UINT uFlagsGiven = ti.uFlags;

    BOOL bLastValid = IsValidTool(m_lastTool);
    BOOL bSameTool = IsSameTool(ti, m_lastTool);
    if (bSameTool && ::EqualRect(&ti.rect, &m_lastTool.rect)) {
        if (nHit != -1)
            RelayToolTipMessage(pMsg);
    } else {
        if (bLastValid && bSameTool)
            m_pToolTip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&m_lastTool));

        if (nHit != -1) {
            ti.uFlags &= ~TOOL_FLAGS_NOT_ADDED;
            m_pToolTip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
            UpdateTitle(ti, texts);
            if ((uFlagsGiven & XTP_TTF_ALWAYS_ACTIVE) || bAppActive)
                ActivateAndRaise();
        } else {
            m_pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }

        RelayToolTipMessage(pMsg);

        if (bLastValid && !bSameTool)
            m_pToolTip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&m_lastTool));

        m_lastTool = TOOLINFO();
        if (nHit != -1) {
            m_lastTool = ti;
            m_lastTool.cbSize = TOOLINFO_SIZE_PLAIN;
            m_lastTool.lpszText = nullptr;
            m_lastTool.lParam = 0;
        }
    }

    // The copies made by the hit test, also when the tool was known already.
    if (ti.lpszText != LPSTR_TEXTCALLBACK && !IS_INTRESOURCE(ti.lpszText))
        free(ti.lpszText);
    free(texts.lpszDescription);
    free(texts.lpszTitle);
}
