#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

LRESULT CXTPControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPControlEdit* pControl = m_pControl;
    CXTPCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    BOOL bCustomize = pControl && pControl->IsCustomizeMode();
    switch (message) {
    case WM_SETFOCUS: {
        LRESULT lResult = CXTPEdit::WindowProc(message, wParam, lParam);
        if (pControl && !bCustomize) {
            pControl->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
            PostMessage(EM_SETSEL, 0, -1);
        }
        return lResult;
    }
    case WM_KILLFOCUS:
        if (pControl)
            pControl->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case WM_DESTROY:
        if (pControl) {
            if (!pControl->m_bHintShown)
                GetWindowText(pControl->m_strEditText);
            pControl->m_bHintShown = FALSE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (pControl && bCustomize) {
            if (pControl->IsCustomizeMovable())
                pControl->CustomizeStartDrag(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
    case WM_MOUSEMOVE: {
        if (!pBar || !pBar->GetSafeHwnd())
            break;
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::MapWindowPoints(GetSafeHwnd(), pBar->GetSafeHwnd(), &pt, 1);
        if (message == WM_MOUSEMOVE) {
            pBar->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
            break;
        }
        if (bCustomize) {
            pBar->SendMessage(WM_RBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
            return 0;
        }
        pControl->SetFocused(TRUE);
        POINT ptScreen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(&ptScreen);
        ShowContextMenu(ptScreen);
        return 0;
    }
    case WM_CONTEXTMENU:
        return 0;
    default:
        break;
    }
    return CXTPEdit::WindowProc(message, wParam, lParam);
}

BOOL CXTPControlEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && m_pControl) {
        CXTPControlEdit* pControl = m_pControl;
        pControl->m_bEditChanged = TRUE;
        if (pControl->IsFocused() && !pControl->m_bSettingText)
            pControl->OnEditChanged();
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        pControl->ApplyCharFormat();
        return TRUE;
    }
    if (message == WM_CTLCOLOREDIT && m_pControl && m_pControl->IsHintShown()) {
        // The plain edit window shows the hint grey as the rich one does.
        HDC hDC = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(hDC, ::GetSysColor(COLOR_GRAYTEXT));
        ::SetBkColor(hDC, ::GetSysColor(COLOR_WINDOW));
        if (pResult)
            *pResult = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return TRUE;
    }
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

CXTPCommandBars* CXTPControlEditCtrl::GetCommandBars() const
{
    return m_pControl ? m_pControl->GetCommandBars() : nullptr;
}
