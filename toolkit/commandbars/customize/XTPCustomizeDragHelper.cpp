#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/common/input/XTPHeldButtonLoop.h"
#include "toolkit/common/resources/XTPResourceManager.h"

CXTPCustomizeDragHelper::CXTPCustomizeDragHelper(CXTPCommandBars* pCommandBars)
    : m_hWndCapture(nullptr)
    , m_pControl(nullptr)
    , m_bMove(FALSE)
    , m_bCopyOnly(FALSE)
    , m_pTarget(nullptr)
    , m_bRefused(FALSE)
    , m_pWndCapture(nullptr)
    , m_ptStart(0, 0)
    , m_ptLast(0, 0)
    , m_pCommandBars(pCommandBars)
    , m_hCursorNone(XTPGetResourceManager()->LoadCursor(XTP_IDC_COMMANDBARS_DRAGNONE))
    , m_hCursorMove(XTPGetResourceManager()->LoadCursor(XTP_IDC_COMMANDBARS_DRAGMOVE))
    , m_hCursorCopy(XTPGetResourceManager()->LoadCursor(XTP_IDC_COMMANDBARS_DRAGCOPY))
{
}

CXTPCustomizeDragHelper::~CXTPCustomizeDragHelper() = default;

void CXTPCustomizeDragHelper::AddDropTarget(CXTPCommandBar* pBar)
{
    if (pBar)
        m_arrTargets.Add(pBar);
}

void CXTPCustomizeDragHelper::RemoveDropTarget(CXTPCommandBar* pBar)
{
    for (INT_PTR i = m_arrTargets.GetSize() - 1; i >= 0; i--)
        if (m_arrTargets[i] == pBar)
            m_arrTargets.RemoveAt(i);
    if (m_pTarget == pBar)
        m_pTarget = nullptr;
}

DROPEFFECT CXTPCustomizeDragHelper::DragControl(CXTPControl* pControl, BOOL bCopyOnly)
{
    CWnd* pCapture = m_pWndCapture ? m_pWndCapture : (m_pCommandBars ? m_pCommandBars->GetSite() : nullptr);
    m_hWndCapture = pCapture ? pCapture->GetSafeHwnd() : nullptr;
    if (!m_hWndCapture || !pControl)
        return XTP_DROPEFFECT_CANCELLED;
    ::SetCapture(m_hWndCapture);
    m_pControl = pControl;
    m_bMove = FALSE;
    m_pTarget = nullptr;
    m_bRefused = FALSE;
    m_bCopyOnly = bCopyOnly;
    // The press that started the drag; later positions come from the messages.
    DWORD dwPos = ::GetMessagePos();
    m_ptStart = CPoint(static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos)));
    m_ptLast = m_ptStart;

    DROPEFFECT result = RunLoop();
    if (m_pTarget) {
        m_pTarget->OnCustomizeDragLeave();
        m_pTarget = nullptr;
    }
    if (::GetCapture() == m_hWndCapture)
        ::ReleaseCapture();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    m_pControl = nullptr;
    return result;
}

DROPEFFECT CXTPCustomizeDragHelper::RunLoop()
{
    DROPEFFECT result = XTP_DROPEFFECT_CANCELLED;
    BOOL bFirstMove = TRUE;
    CXTPHeldButtonLoop loop;
    for (;;) {
        // Losing the capture cancels: no drop, whatever the target.
        if (::GetCapture() != m_hWndCapture)
            return XTP_DROPEFFECT_CANCELLED;
        MSG msg;
        // A paint filter still hands out a waiting WM_QUIT.
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return XTP_DROPEFFECT_CANCELLED;
            }
            ::DispatchMessageW(&msg);
        }
        BOOL bResult = loop.GetMessage(&msg);
        if (bResult == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return XTP_DROPEFFECT_CANCELLED;
        }
        if (bResult == -1)
            return XTP_DROPEFFECT_CANCELLED;
        if (::GetCapture() != m_hWndCapture)
            return XTP_DROPEFFECT_CANCELLED;
        BOOL bEnd = FALSE;
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            POINT pt = msg.pt;
            m_ptLast = pt;
            CXTPCommandBar* pOwnBar = m_pControl->GetParent();
            if (bFirstMove && pOwnBar && pOwnBar->GetSafeHwnd()) {
                POINT ptClient = pt;
                pOwnBar->ScreenToClient(&ptClient);
                m_pControl->OnCustomizeDragOver(m_pControl, ptClient);
            }
            bFirstMove = FALSE;
            m_bMove = !(msg.wParam & MK_CONTROL);
            UpdateTarget(pt);
            result = 0;
            if (!(msg.wParam & MK_LBUTTON))
                bEnd = TRUE;
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                return XTP_DROPEFFECT_CANCELLED;
            if (msg.wParam == VK_CONTROL && m_bMove) {
                m_bMove = FALSE;
                UpdateCursor();
            }
            break;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL && !m_bMove) {
                m_bMove = TRUE;
                UpdateCursor();
            }
            break;
        case WM_LBUTTONUP:
            m_ptLast = msg.pt;
            bEnd = TRUE;
            break;
        case WM_RBUTTONDOWN:
            return XTP_DROPEFFECT_CANCELLED;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
            break;
        }
        if (bEnd)
            break;
    }
    // Released over a bar that refused the control: the control stays where
    // it was, as if the drag had been cancelled.
    if (!m_pTarget)
        return m_bRefused ? XTP_DROPEFFECT_CANCELLED : result;
    DROPEFFECT effect = m_bMove && !m_bCopyOnly ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    POINT ptDrop = m_ptLast, ptStart = m_ptStart;
    CXTPCommandBar* pTarget = m_pTarget;
    m_pTarget = nullptr;
    pTarget->ScreenToClient(&ptDrop);
    pTarget->ScreenToClient(&ptStart);
    pTarget->OnCustomizeDrop(m_pControl, effect, ptDrop, ptStart);
    return effect;
}

namespace {

using CTargetArray = CArray<CXTPCommandBar*, CXTPCommandBar*>;

BOOL IsInBar(CXTPCommandBar* pBar, HWND hWnd)
{
    HWND hBar = pBar->GetSafeHwnd();
    return hBar && hWnd && (hWnd == hBar || ::IsChild(hBar, hWnd));
}

// The bar a drop at the point lands on: only a bar the user sees there. The
// window on top at the point must be a target bar or lie inside one, so that
// no drop reaches a bar through the customize sheet, a dialog or another
// floating bar lying over it. Bars that overlap within one window keep their
// order: the one added last wins.
CXTPCommandBar* FindTargetAt(const CTargetArray& arrTargets, POINT ptScreen)
{
    HWND hOnTop = ::WindowFromPoint(ptScreen);
    HWND hRoot = nullptr;
    for (INT_PTR i = arrTargets.GetSize() - 1; i >= 0 && !hRoot; i--)
        if (IsInBar(arrTargets[i], hOnTop))
            hRoot = ::GetAncestor(arrTargets[i]->GetSafeHwnd(), GA_ROOT);
    if (!hRoot)
        return nullptr;
    for (INT_PTR i = arrTargets.GetSize() - 1; i >= 0; i--) {
        HWND hBar = arrTargets[i]->GetSafeHwnd();
        RECT rc;
        if (hBar && ::IsWindowVisible(hBar) && ::GetAncestor(hBar, GA_ROOT) == hRoot && ::GetWindowRect(hBar, &rc) &&
            ::PtInRect(&rc, ptScreen))
            return arrTargets[i];
    }
    return nullptr;
}

} // namespace

void CXTPCustomizeDragHelper::UpdateTarget(CPoint ptScreen)
{
    CXTPCommandBar* pFound = FindTargetAt(m_arrTargets, ptScreen);
    m_bRefused = FALSE;
    if (pFound) {
        CPoint ptClient = ptScreen;
        pFound->ScreenToClient(&ptClient);
        if (pFound == m_pTarget) {
            pFound->OnCustomizeDragOver(m_pControl, ptClient);
        } else {
            if (m_pTarget)
                m_pTarget->OnCustomizeDragLeave();
            m_pTarget = nullptr;
            if (pFound->OnCustomizeDragEnter(m_pControl, ptClient) != DROPEFFECT_NONE)
                m_pTarget = pFound;
            else
                m_bRefused = TRUE;
        }
    } else if (m_pTarget) {
        m_pTarget->OnCustomizeDragLeave();
        m_pTarget = nullptr;
    }
    UpdateCursor();
}

void CXTPCustomizeDragHelper::UpdateCursor()
{
    if (!m_pTarget)
        ::SetCursor(m_hCursorNone);
    else
        ::SetCursor(m_bMove && !m_bCopyOnly ? m_hCursorMove : m_hCursorCopy);
}
