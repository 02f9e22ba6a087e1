#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include <richedit.h>
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxAutoCompleteWnd.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPControlEdit, CXTPControl)

namespace {

const UINT kShowFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;  // 0x57
const UINT kHideFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;  // 0x97
const DWORD kRecreateStyle = 0x400000;
const UINT kNotifyFocusGained = 0x100;
const UINT kNotifyFocusLost = 0x200;
const UINT kNotifyTextChanged = 0x300;

// Keys the edit window takes itself even when the frame has accelerators
// for them: editing, navigation and the clipboard letters with Ctrl.
BOOL IsEditKey(UINT nChar)
{
    if (nChar == VK_BACK || (nChar >= VK_PRIOR && nChar <= VK_DELETE))
        return TRUE;
    return ::GetKeyState(VK_CONTROL) < 0 && (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z');
}

} // namespace

CXTPControlEdit::CXTPControlEdit()
    : m_pEdit(nullptr)
    , m_nWidth(100)
    , m_bLabel(TRUE)
    , m_bReadOnly(FALSE)
    , m_nLabelWidth(0)
    , m_bDelayReposition(FALSE)
    , m_bDelayDestroy(FALSE)
    , m_bFocused(FALSE)
    , m_bEditChanged(TRUE)
    , m_bHintShown(FALSE)
    , m_dwShellAutoCompleteFlags(0)
    , m_dwEditStyle(0)
{
    m_controlType = xtpControlEdit;
}

CXTPControlEdit::~CXTPControlEdit()
{
    DeleteAutoCompleteWnd();
    DestroyEditWindow();
    delete m_pEdit;
}

void CXTPControlEdit::SetLabelWidth(int nWidth)
{
    if (nWidth == m_nLabelWidth)
        return;
    m_nLabelWidth = nWidth;
    m_bDelayReposition = TRUE;
}

void CXTPControlEdit::SetWidth(int nWidth)
{
    if (nWidth == m_nWidth)
        return;
    m_nWidth = nWidth;
    DelayLayoutParent();
}

CXTPControlEditCtrl* CXTPControlEdit::CreateEditControl()
{
    return new CXTPControlEditCtrl(this);
}

CString CXTPControlEdit::GetEditText() const
{
    if (m_pEdit && m_pEdit->GetSafeHwnd() && !m_bHintShown) {
        CString strText;
        m_pEdit->GetWindowText(strText);
        return strText;
    }
    return m_bHintShown ? CString() : m_strEditText;
}

void CXTPControlEdit::SetEditText(const CString& strText)
{
    m_strEditText = strText;
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    if (strText.IsEmpty() && !m_bFocused && !m_strEditHint.IsEmpty()) {
        ShowHint(TRUE);
        return;
    }
    m_bHintShown = FALSE;
    m_bSettingText = TRUE;
    m_pEdit->SetWindowText(strText);
    m_bSettingText = FALSE;
    ApplyCharFormat();
}

void CXTPControlEdit::SetEditHint(const CString& strHint)
{
    m_strEditHint = strHint;
    if (m_pEdit && m_pEdit->GetSafeHwnd() && !m_bFocused && GetEditText().IsEmpty())
        ShowHint(!strHint.IsEmpty());
}

void CXTPControlEdit::ShowHint(BOOL bShow)
{
    if (!m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    m_bSettingText = TRUE;
    if (bShow && !m_strEditHint.IsEmpty()) {
        m_bHintShown = TRUE;
        m_pEdit->SetWindowText(m_strEditHint);
    } else if (m_bHintShown) {
        m_bHintShown = FALSE;
        m_pEdit->SetWindowText(L"");
    }
    m_bSettingText = FALSE;
    ApplyCharFormat();
}

void CXTPControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->SendMessage(EM_SETREADONLY, bReadOnly, 0);
}

void CXTPControlEdit::SetEditStyle(DWORD dwStyle)
{
    if (dwStyle == m_dwEditStyle)
        return;
    m_dwEditStyle = dwStyle;
    m_bDelayDestroy = TRUE;
    DelayLayoutParent();
}

void CXTPControlEdit::GetDefaultCharFormat(void* pCharFormat2)
{
    CHARFORMAT2W& cf = *static_cast<CHARFORMAT2W*>(pCharFormat2);
    cf = CHARFORMAT2W();
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
    cf.crTextColor = ::GetSysColor(m_bHintShown || !m_bEnabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    cf.crBackColor = ::GetSysColor(m_bEnabled ? COLOR_WINDOW : COLOR_3DFACE);
}

void CXTPControlEdit::ApplyCharFormat()
{
    if (!m_pEdit || !m_pEdit->GetSafeHwnd() || !XTPGetRichEditLoader().hModule)
        return;
    CHARFORMAT2W cf;
    GetDefaultCharFormat(&cf);
    if (!XTPGetRichEditLoader().bRichEdit2)
        cf.cbSize = sizeof(CHARFORMATW);
    m_pEdit->SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

void CXTPControlEdit::DestroyEditWindow()
{
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->DestroyWindow();
}

void CXTPControlEdit::SetRect(CRect rcControl)
{
    HWND hBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (!hBar) {
        m_rcControl = rcControl;
        return;
    }
    HWND hEdit = m_pEdit ? m_pEdit->GetSafeHwnd() : nullptr;
    if (hEdit && (m_bDelayDestroy || (::GetWindowLongW(hEdit, GWL_STYLE) & kRecreateStyle) || ::GetParent(hEdit) != hBar)) {
        DestroyEditWindow();
        hEdit = nullptr;
    }
    if (hEdit && m_rcControl == rcControl && !m_bDelayReposition)
        return;
    m_rcControl = rcControl;
    m_bDelayReposition = FALSE;
    if (!m_pEdit)
        m_pEdit = CreateEditControl();
    if (!hEdit) {
        if (!m_pEdit->CreateEdit(m_dwEditStyle | WS_CHILD | ES_AUTOHSCROLL, m_pParent))
            return;
        m_bHintShown = FALSE;
        SetEditText(m_strEditText);
        m_pEdit->EnableWindow(m_bEnabled);
    }
    CXTPPaintManager* pPaintManager = GetPaintManager();
    m_pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pPaintManager->GetRegularFont()->GetSafeHandle()), FALSE);
    m_pEdit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    ApplyCharFormat();
    m_pEdit->SendMessage(EM_SETREADONLY, m_bReadOnly, 0);
    CRect rcEdit(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - 3, rcControl.bottom - 3);
    m_pEdit->MoveWindow(rcEdit, FALSE);
    m_pEdit->SetWindowPos(nullptr, 0, 0, 0, 0, m_dwHideFlags ? kHideFlags : kShowFlags);
    m_bDelayDestroy = FALSE;
}

BOOL CXTPControlEdit::Compare(CXTPControl* pOther)
{
    CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pOther);
    return CXTPControl::Compare(pOther) && pEdit && pEdit->m_nWidth == m_nWidth;
}

void CXTPControlEdit::SetHideFlags(DWORD dwFlags)
{
    if (dwFlags == m_dwHideFlags)
        return;
    CXTPControl::SetHideFlags(dwFlags);
    if (m_pEdit && m_pEdit->GetSafeHwnd())
        m_pEdit->SetWindowPos(nullptr, 0, 0, 0, 0, dwFlags ? kHideFlags : kShowFlags);
    DelayLayoutParent();
}

void CXTPControlEdit::OnCalcDynamicSize(DWORD dwMode)
{
    if (dwMode & LM_VERTDOCK)
        SetHideFlags(m_dwHideFlags | xtpHideDockingPosition);
    else
        SetHideFlags(m_dwHideFlags & ~static_cast<DWORD>(xtpHideDockingPosition));
}

void CXTPControlEdit::SetEnabled(BOOL bEnabled)
{
    CXTPControl::SetEnabled(bEnabled);
    if (m_pEdit && m_pEdit->GetSafeHwnd()) {
        m_pEdit->EnableWindow(bEnabled);
        ApplyCharFormat();
    }
}

BOOL CXTPControlEdit::IsFocusable() const
{
    return m_pEdit && m_pEdit->GetSafeHwnd();
}

void CXTPControlEdit::SetFocused(BOOL bFocused)
{
    HWND hEdit = m_pEdit ? m_pEdit->GetSafeHwnd() : nullptr;
    if (!hEdit)
        return;
    if (bFocused) {
        if (::GetFocus() != hEdit)
            ::SetFocus(hEdit);
        else
            OnSetFocus(nullptr);
    } else if (::GetFocus() == hEdit) {
        HWND hBack = m_hwndFocusBefore && ::IsWindow(m_hwndFocusBefore) ? m_hwndFocusBefore : ::GetParent(hEdit);
        ::SetFocus(hBack);
        if (::GetFocus() == hEdit)
            OnKillFocus(nullptr);
    } else {
        OnKillFocus(nullptr);
    }
}

void CXTPControlEdit::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bFocused)
        return;
    m_bFocused = TRUE;
    m_hwndFocusBefore = pOldWnd ? pOldWnd->GetSafeHwnd() : nullptr;
    ShowHint(FALSE);
    m_strLastText = GetEditText();
    CreateAutoCompleteWnd();
    if (m_pParent) {
        m_pParent->SetTrackingMode(TRUE, FALSE, TRUE);
        m_pParent->SetSelected(m_nIndex, TRUE);
    }
    XTPMouseManager()->LockMouseMove();
    NotifySite(kNotifyFocusGained);
    RedrawParent(FALSE);
}

void CXTPControlEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    if (!m_bFocused)
        return;
    m_bFocused = FALSE;
    XTPMouseManager()->UnlockMouseMove();
    NotifySite(kNotifyFocusLost);
    RedrawParent(FALSE);
    if (GetEditText().IsEmpty())
        ShowHint(TRUE);
    DeleteAutoCompleteWnd();
}

void CXTPControlEdit::SetShellAutoComplete(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    if (m_bFocused) {
        DeleteAutoCompleteWnd();
        CreateAutoCompleteWnd();
    }
}

void CXTPControlEdit::CreateAutoCompleteWnd()
{
    if (m_pAutoCompleteWnd || !m_dwShellAutoCompleteFlags || !m_pEdit || !m_pEdit->GetSafeHwnd())
        return;
    m_pAutoCompleteWnd = new CXTPControlComboBoxAutoCompleteWnd();
    if (!m_pAutoCompleteWnd->SetupEditWindow(m_pEdit->GetSafeHwnd(), m_dwShellAutoCompleteFlags)) {
        delete m_pAutoCompleteWnd;
        m_pAutoCompleteWnd = nullptr;
    }
}

void CXTPControlEdit::DeleteAutoCompleteWnd()
{
    delete m_pAutoCompleteWnd;
    m_pAutoCompleteWnd = nullptr;
}

void CXTPControlEdit::OnEditChanged()
{
    NotifySite(kNotifyTextChanged);
}

int CXTPControlEdit::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_bFocused || !m_pEdit || !m_pEdit->GetSafeHwnd())
        return 0;
    if (m_pEdit->IsImeComposing())
        return 2;
    if (nChar == VK_RETURN || nChar == VK_TAB)
        return 0;
    if (nChar == VK_ESCAPE) {
        SetEditText(m_strLastText);
        SetFocused(FALSE);
        if (m_pParent)
            m_pParent->SetTrackingMode(FALSE);
        return 1;
    }
    if (!IsEditKey(nChar))
        return 2;
    // Handed straight to the edit window: no accelerator of the frame sees it.
    if (::GetKeyState(VK_CONTROL) < 0 && nChar >= 'A' && nChar <= 'Z') {
        UINT nMessage = nChar == 'C' ? WM_COPY : nChar == 'V' ? WM_PASTE : nChar == 'X' ? WM_CUT : EM_UNDO;
        m_pEdit->SendMessage(nMessage, 0, 0);
        return 1;
    }
    m_pEdit->SendMessage(WM_KEYDOWN, nChar, lParam);
    if (nChar == VK_BACK)
        m_pEdit->SendMessage(WM_CHAR, VK_BACK, lParam);
    return 1;
}

void CXTPControlEdit::SetParent(CXTPCommandBar* pParent)
{
    if (pParent != m_pParent && m_pEdit && m_pEdit->GetSafeHwnd()) {
        if (pParent && pParent->GetSafeHwnd())
            ::SetParent(m_pEdit->GetSafeHwnd(), pParent->GetSafeHwnd());
        else
            DestroyEditWindow();
    }
    CXTPControl::SetParent(pParent);
}

void CXTPControlEdit::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pControl);
    if (pEdit) {
        m_nWidth = pEdit->m_nWidth;
        m_bLabel = pEdit->m_bLabel;
        m_bReadOnly = pEdit->m_bReadOnly;
        m_strEditHint = pEdit->m_strEditHint;
        m_dwShellAutoCompleteFlags = pEdit->m_dwShellAutoCompleteFlags;
        m_dwEditStyle = pEdit->m_dwEditStyle;
        SetEditText(pEdit->GetEditText());
    }
    CXTPControl::Copy(pControl, bRecursive);
}

CXTPControl* CXTPControlEdit::Clone(BOOL bRecursive)
{
    CXTPControlEdit* pControl = new CXTPControlEdit();
    pControl->Copy(this, bRecursive);
    return pControl;
}

void CXTPControlEdit::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pEdit && m_pEdit->IsImeComposing())
        return;
    if (IsCustomizeMode()) {
        if (m_pParent) {
            m_pParent->SetPopuped(-1);
            m_pParent->SetSelected(-1);
        }
        CustomizeStartDrag(pt);
        return;
    }
    if (bKeyboard && m_pEdit && ::GetFocus() == m_pEdit->GetSafeHwnd())
        OnExecute();
    else
        SetFocused(TRUE);
}

void CXTPControlEdit::OnMouseHover()
{
    if (XTPMouseManager()->IsMouseLocked())
        return;
    CXTPControl::OnMouseHover();
}

BOOL CXTPControlEdit::SetSelected(int bSelected)
{
    if (!bSelected && m_bFocused)
        SetFocused(FALSE);
    return CXTPControl::SetSelected(bSelected);
}

int CXTPControlEdit::GetCustomizeMinWidth() const
{
    return 10 + (m_bLabel ? m_nLabelWidth : 0);
}

BOOL CXTPControlEdit::IsCaptionVisible() const
{
    return m_bLabel && !GetCaption().IsEmpty();
}
