#include "toolkit/commandbars/controls/XTPControlEditHost.h"
#include <richedit.h>
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxAutoCompleteWnd.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPColorManager.h"

namespace {

const UINT kShowFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;  // 0x57
const UINT kHideFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;  // 0x97
const DWORD kRecreateStyle = 0x400000;

// Keys the edit window takes itself even when the frame has accelerators
// for them: editing, navigation and the clipboard letters with Ctrl.
BOOL IsEditKey(UINT nChar)
{
    if (nChar == VK_BACK || (nChar >= VK_PRIOR && nChar <= VK_DELETE))
        return TRUE;
    return ::GetKeyState(VK_CONTROL) < 0 && (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z');
}

BOOL IsSameFont(const LOGFONTW& lf1, const LOGFONTW& lf2)
{
    return lf1.lfHeight == lf2.lfHeight && lf1.lfWidth == lf2.lfWidth && lf1.lfWeight == lf2.lfWeight &&
           lf1.lfItalic == lf2.lfItalic && lf1.lfUnderline == lf2.lfUnderline &&
           lf1.lfStrikeOut == lf2.lfStrikeOut && lf1.lfCharSet == lf2.lfCharSet &&
           lstrcmpiW(lf1.lfFaceName, lf2.lfFaceName) == 0;
}

CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

CXTPControlEditHost::CXTPControlEditHost(CXTPControl* pControl)
    : m_pControl(pControl)
{
}

CXTPControlEditHost::~CXTPControlEditHost()
{
    DeleteAutoCompleteWnd();
}

HWND CXTPControlEditHost::GetSafeHwnd() const
{
    CXTPEdit* pEdit = GetEdit();
    return pEdit ? pEdit->GetSafeHwnd() : nullptr;
}

BOOL CXTPControlEditHost::IsImeComposing() const
{
    CXTPEdit* pEdit = GetEdit();
    return pEdit && pEdit->IsImeComposing();
}

void CXTPControlEditHost::DropStaleWindow(BOOL bDrop)
{
    HWND hEdit = GetSafeHwnd();
    if (!hEdit)
        return;
    CXTPCommandBar* pBar = m_pControl->GetParent();
    HWND hBar = pBar ? pBar->GetSafeHwnd() : nullptr;
    if (bDrop || m_bRecreate || (::GetWindowLongW(hEdit, GWL_STYLE) & kRecreateStyle) || ::GetParent(hEdit) != hBar)
        GetEdit()->DestroyWindow();
}

BOOL CXTPControlEditHost::Place(const CRect& rcEdit)
{
    m_bPlacementPending = FALSE;
    CXTPEdit* pEdit = EnsureEdit();
    if (!GetSafeHwnd()) {
        if (!pEdit->CreateEdit(GetEditStyle() | WS_CHILD | ES_AUTOHSCROLL, m_pControl->GetParent()))
            return FALSE;
        m_bHintShown = FALSE;
        SetText(m_strText);
        pEdit->EnableWindow(m_pControl->GetEnabled());
    }
    ApplyBarFont();
    pEdit->MoveWindow(rcEdit, FALSE);
    pEdit->SetWindowPos(nullptr, 0, 0, 0, 0, m_pControl->GetHideFlags() ? kHideFlags : kShowFlags);
    m_bRecreate = FALSE;
    return TRUE;
}

CFont* CXTPControlEditHost::GetBarFont() const
{
    CXTPPaintManager* pPaintManager = m_pControl->GetPaintManager();
    return pPaintManager ? pPaintManager->GetRegularFont() : nullptr;
}

BOOL CXTPControlEditHost::IsBarFontGiven() const
{
    CFont* pFont = GetBarFont();
    HFONT hFont = pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    if (hFont != m_hFontGiven)
        return FALSE;
    LOGFONTW lf = {};
    return !hFont || (::GetObjectW(hFont, sizeof(lf), &lf) && IsSameFont(lf, m_lfGiven));
}

void CXTPControlEditHost::ApplyBarFont()
{
    CFont* pFont = GetBarFont();
    m_hFontGiven = pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    m_lfGiven = LOGFONTW();
    if (m_hFontGiven)
        ::GetObjectW(m_hFontGiven, sizeof(m_lfGiven), &m_lfGiven);
    CXTPEdit* pEdit = GetEdit();
    pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFontGiven), FALSE);
    pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ApplyCharFormat();
}

void CXTPControlEditHost::FollowBarFont()
{
    if (!GetSafeHwnd() || IsBarFontGiven())
        return;
    ApplyBarFont();
    ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

void CXTPControlEditHost::Destroy()
{
    DeleteAutoCompleteWnd();
    if (GetSafeHwnd())
        GetEdit()->DestroyWindow();
}

void CXTPControlEditHost::OnParentChanging(CXTPCommandBar* pParent)
{
    HWND hEdit = GetSafeHwnd();
    if (!hEdit || pParent == m_pControl->GetParent())
        return;
    if (pParent && pParent->GetSafeHwnd()) {
        ::SetParent(hEdit, pParent->GetSafeHwnd());
        pParent->OnChildWindowPlaced();
    } else
        GetEdit()->DestroyWindow();
}

CString CXTPControlEditHost::GetText() const
{
    if (GetSafeHwnd() && !m_bHintShown) {
        CString strText;
        GetEdit()->GetWindowText(strText);
        return strText;
    }
    return m_bHintShown ? CString() : m_strText;
}

void CXTPControlEditHost::SetText(const CString& strText)
{
    m_strText = strText;
    if (!GetSafeHwnd())
        return;
    if (strText.IsEmpty() && !m_pControl->IsFocused() && !GetEditHint().IsEmpty()) {
        ShowHint(TRUE);
        return;
    }
    m_bHintShown = FALSE;
    SetWindowTextQuietly(strText);
    ApplyCharFormat();
}

void CXTPControlEditHost::SetWindowTextQuietly(const CString& strText)
{
    m_bSettingText = TRUE;
    GetEdit()->SetWindowText(strText);
    m_bSettingText = FALSE;
}

void CXTPControlEditHost::ShowHint(BOOL bShow)
{
    if (!GetSafeHwnd())
        return;
    CString strHint = GetEditHint();
    if (bShow && !strHint.IsEmpty()) {
        m_bHintShown = TRUE;
        SetWindowTextQuietly(strHint);
    } else if (m_bHintShown) {
        m_bHintShown = FALSE;
        SetWindowTextQuietly(CString());
    }
    ApplyCharFormat();
}

void CXTPControlEditHost::OnHintChanged()
{
    if (GetSafeHwnd() && !m_pControl->IsFocused() && GetText().IsEmpty())
        ShowHint(!GetEditHint().IsEmpty());
}

void CXTPControlEditHost::GetDefaultCharFormat(void* pCharFormat2) const
{
    CHARFORMAT2W& cf = *static_cast<CHARFORMAT2W*>(pCharFormat2);
    BOOL bEnabled = m_pControl->GetEnabled();
    cf = CHARFORMAT2W();
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
    // The toolkit's colours, so that custom ones reach the edit part too.
    const CXTPColorManager* pColors = XTPGetColorManager();
    cf.crTextColor = pColors->GetColor(m_bHintShown || !bEnabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    cf.crBackColor = pColors->GetColor(bEnabled ? COLOR_WINDOW : COLOR_3DFACE);
}

void CXTPControlEditHost::ApplyCharFormat()
{
    if (!GetSafeHwnd() || !XTPGetRichEditLoader().hModule)
        return;
    CHARFORMAT2W cf;
    GetControlCharFormat(&cf);
    if (!XTPGetRichEditLoader().bRichEdit2)
        cf.cbSize = sizeof(CHARFORMATW);
    GetEdit()->SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

void CXTPControlEditHost::OnSysColorChanged()
{
    // The text colour is the window's own format: it must be given anew.
    // A floating bar may hear the change before the frame refreshes the
    // toolkit's colours.
    XTPGetColorManager()->RefreshColors();
    ApplyCharFormat();
}

void CXTPControlEditHost::OnEnabled(BOOL bEnabled)
{
    if (!GetSafeHwnd())
        return;
    GetEdit()->EnableWindow(bEnabled);
    ApplyCharFormat();
}

void CXTPControlEditHost::SetHideFlags(DWORD dwFlags)
{
    if (dwFlags == m_pControl->GetHideFlags())
        return;
    m_pControl->CXTPControl::SetHideFlags(dwFlags);
    if (GetSafeHwnd())
        GetEdit()->SetWindowPos(nullptr, 0, 0, 0, 0, dwFlags ? kHideFlags : kShowFlags);
    m_pControl->DelayLayoutParent();
}

void CXTPControlEditHost::OnCalcDynamicSize(DWORD dwMode)
{
    DWORD dwFlags = m_pControl->GetHideFlags();
    if (dwMode & LM_VERTDOCK)
        m_pControl->SetHideFlags(dwFlags | xtpHideDockingPosition);
    else
        m_pControl->SetHideFlags(dwFlags & ~static_cast<DWORD>(xtpHideDockingPosition));
}

void CXTPControlEditHost::SetFocused(BOOL bFocused)
{
    HWND hEdit = GetSafeHwnd();
    if (bFocused) {
        if (hEdit && ::GetFocus() != hEdit)
            ::SetFocus(hEdit);
        else
            OnFocusGained(nullptr);
        return;
    }
    if (hEdit && ::GetFocus() == hEdit) {
        HWND hBack = m_hwndFocusBefore && ::IsWindow(m_hwndFocusBefore) ? m_hwndFocusBefore : ::GetParent(hEdit);
        ::SetFocus(hBack);
        if (::GetFocus() == hEdit)
            OnFocusLost(nullptr);
    } else {
        OnFocusLost(nullptr);
    }
}

void CXTPControlEditHost::BeginFocus(CWnd* pOldWnd)
{
    m_hwndFocusBefore = pOldWnd ? pOldWnd->GetSafeHwnd() : nullptr;
    ShowHint(FALSE);
}

void CXTPControlEditHost::EnterBarFocus(UINT nNotify)
{
    if (CXTPCommandBar* pBar = m_pControl->GetParent()) {
        pBar->SetTrackingMode(TRUE, FALSE, TRUE);
        pBar->SetSelected(m_pControl->GetIndex(), TRUE);
    }
    XTPMouseManager()->LockMouseMove();
    m_pControl->NotifySite(nNotify);
    m_pControl->RedrawParent(FALSE);
    CreateAutoCompleteWnd();
}

void CXTPControlEditHost::LeaveBarFocus(UINT nNotify)
{
    XTPMouseManager()->UnlockMouseMove();
    m_pControl->NotifySite(nNotify);
    m_pControl->RedrawParent(FALSE);
    if (GetText().IsEmpty())
        ShowHint(TRUE);
    DeleteAutoCompleteWnd();
}

void CXTPControlEditHost::RestartAutoComplete()
{
    DeleteAutoCompleteWnd();
    CreateAutoCompleteWnd();
}

void CXTPControlEditHost::CreateAutoCompleteWnd()
{
    DWORD dwFlags = GetShellAutoComplete();
    if (m_pAutoCompleteWnd || !dwFlags || !GetSafeHwnd())
        return;
    m_pAutoCompleteWnd = new CXTPControlComboBoxAutoCompleteWnd();
    if (!m_pAutoCompleteWnd->SetupEditWindow(GetSafeHwnd(), dwFlags))
        DeleteAutoCompleteWnd();
}

void CXTPControlEditHost::DeleteAutoCompleteWnd()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
}

int CXTPControlEditHost::OnEditKey(UINT nChar, LPARAM lParam)
{
    if (!GetSafeHwnd() || !IsEditKey(nChar))
        return 2;
    // Handed straight to the edit window: no accelerator of the frame sees it.
    if (::GetKeyState(VK_CONTROL) < 0 && nChar >= 'A' && nChar <= 'Z') {
        UINT nMessage = nChar == 'C' ? WM_COPY : nChar == 'V' ? WM_PASTE : nChar == 'X' ? WM_CUT : EM_UNDO;
        GetEdit()->SendMessage(nMessage, 0, 0);
        return 1;
    }
    GetEdit()->SendMessage(WM_KEYDOWN, nChar, lParam);
    if (nChar == VK_BACK)
        GetEdit()->SendMessage(WM_CHAR, VK_BACK, lParam);
    return 1;
}

BOOL CXTPControlEditHost::OnClickHandled(CPoint pt)
{
    if (IsImeComposing())
        return TRUE;
    if (!m_pControl->IsCustomizeMode())
        return FALSE;
    if (CXTPCommandBar* pBar = m_pControl->GetParent()) {
        pBar->SetPopuped(-1);
        pBar->SetSelected(-1);
    }
    m_pControl->CustomizeStartDrag(pt);
    return TRUE;
}

LRESULT CXTPControlEditHost::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                          const std::function<LRESULT()>& windowProc)
{
    LRESULT lResult = 0;
    if (OnWindowMessage(message, wParam, lParam, lResult))
        return lResult;
    // Whoever changed the bars' font has them repainted, laid out or told of new settings.
    if (message == WM_PAINT)
        FollowBarFont();
    lResult = windowProc();
    if (message == WM_SETFOCUS)
        OnWindowFocused(reinterpret_cast<HWND>(wParam));
    if (message == WM_SYSCOLORCHANGE)
        OnSysColorChanged();
    if (message == WM_SETTINGCHANGE || message == WM_THEMECHANGED || message == WM_FONTCHANGE)
        FollowBarFont();
    // The rich edit window keeps no font handle: it answers with the one it was given.
    if (message == WM_SETFONT)
        m_hFontSet = reinterpret_cast<HFONT>(wParam);
    if (message == WM_GETFONT && !lResult)
        lResult = reinterpret_cast<LRESULT>(m_hFontSet);
    return lResult;
}

BOOL CXTPControlEditHost::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    CXTPCommandBar* pBar = m_pControl->GetParent();
    BOOL bCustomize = m_pControl->IsCustomizeMode();
    lResult = 0;
    switch (message) {
    case WM_KILLFOCUS:
        OnFocusLost(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        return FALSE;
    case WM_DESTROY:
        if (!m_bHintShown)
            GetEdit()->GetWindowText(m_strText);
        m_bHintShown = FALSE;
        m_hFontGiven = m_hFontSet = nullptr;
        return FALSE;
    case WM_LBUTTONDOWN:
        if (!bCustomize)
            return FALSE;
        // The customize drag and resize measure in the bar's coordinates.
        if (m_pControl->IsCustomizeMovable() && pBar && pBar->GetSafeHwnd())
            m_pControl->CustomizeStartDrag(BarPointOf(lParam));
        return TRUE;
    case WM_RBUTTONDOWN:
    case WM_MOUSEMOVE: {
        if (!pBar || !pBar->GetSafeHwnd())
            return FALSE;
        CPoint pt = BarPointOf(lParam);
        if (message == WM_MOUSEMOVE) {
            pBar->SendMessage(WM_MOUSEMOVE, wParam, MAKELPARAM(pt.x, pt.y));
            return FALSE;
        }
        if (bCustomize) {
            pBar->SendMessage(WM_RBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
            return TRUE;
        }
        m_pControl->SetFocused(TRUE);
        CPoint ptScreen = PointOf(lParam);
        GetEdit()->ClientToScreen(&ptScreen);
        GetEdit()->ShowContextMenu(ptScreen);
        return TRUE;
    }
    case WM_CONTEXTMENU:
        return TRUE;
    default:
        return FALSE;
    }
}

CPoint CXTPControlEditHost::BarPointOf(LPARAM lParam) const
{
    CPoint pt = PointOf(lParam);
    CXTPCommandBar* pBar = m_pControl->GetParent();
    ::MapWindowPoints(GetSafeHwnd(), pBar ? pBar->GetSafeHwnd() : nullptr, &pt, 1);
    return pt;
}

void CXTPControlEditHost::OnWindowFocused(HWND hOldWnd)
{
    if (m_pControl->IsCustomizeMode())
        return;
    OnFocusGained(CWnd::FromHandle(hOldWnd));
    GetEdit()->PostMessage(EM_SETSEL, 0, -1);
}

BOOL CXTPControlEditHost::OnChildNotify(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (m_pControl->IsFocused() && !m_bSettingText)
            OnTextEdited();
        GetEdit()->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        ApplyCharFormat();
        return TRUE;
    }
    if (message == WM_CTLCOLOREDIT && m_bHintShown) {
        // The plain edit window shows the hint grey as the rich one does.
        HDC hDC = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(hDC, XTPGetColorManager()->GetColor(COLOR_GRAYTEXT));
        ::SetBkColor(hDC, ::GetSysColor(COLOR_WINDOW));
        if (pResult)
            *pResult = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return TRUE;
    }
    return FALSE;
}
