#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"

IMPLEMENT_DYNCREATE(CXTPControlEdit, CXTPControl)

namespace {

const UINT kNotifyFocusGained = 0x100;
const UINT kNotifyFocusLost = 0x200;
const UINT kNotifyTextChanged = 0x300;

} // namespace

CXTPControlEdit::CXTPControlEdit()
    : m_pEdit(nullptr)
    , m_editHost(this)
    , m_nWidth(100)
    , m_bLabel(TRUE)
    , m_bReadOnly(FALSE)
    , m_nLabelWidth(0)
    , m_bFocused(FALSE)
    , m_dwShellAutoCompleteFlags(0)
    , m_dwEditStyle(0)
{
    m_controlType = xtpControlEdit;
}

CXTPControlEdit::~CXTPControlEdit()
{
    m_editHost.Destroy();
    delete m_pEdit;
}

void CXTPControlEdit::SetLabelWidth(int nWidth)
{
    if (nWidth == m_nLabelWidth)
        return;
    m_nLabelWidth = nWidth;
    m_editHost.RequestPlacement();
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
    return m_editHost.GetText();
}

void CXTPControlEdit::SetEditText(const CString& strText)
{
    m_editHost.SetText(strText);
}

void CXTPControlEdit::SetEditHint(const CString& strHint)
{
    m_strEditHint = strHint;
    m_editHost.OnHintChanged();
}

void CXTPControlEdit::SetReadOnly(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly;
    if (m_editHost.GetSafeHwnd())
        m_editHost.GetEdit()->SendMessage(EM_SETREADONLY, bReadOnly, 0);
}

void CXTPControlEdit::SetEditStyle(DWORD dwStyle)
{
    if (dwStyle == m_dwEditStyle)
        return;
    m_dwEditStyle = dwStyle;
    m_editHost.RequestRecreate();
    DelayLayoutParent();
}

void CXTPControlEdit::GetDefaultCharFormat(void* pCharFormat2)
{
    m_editHost.GetDefaultCharFormat(pCharFormat2);
}

void CXTPControlEdit::SetRect(CRect rcControl)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd()) {
        m_rcControl = rcControl;
        return;
    }
    m_editHost.DropStaleWindow(FALSE);
    if (m_editHost.GetSafeHwnd() && m_rcControl == rcControl && !m_editHost.IsPlacementPending()) {
        // The bars' font may have changed at the same height.
        m_editHost.FollowBarFont();
        return;
    }
    m_rcControl = rcControl;
    CRect rcEdit(rcControl.left + m_nLabelWidth + 4, rcControl.top + 3, rcControl.right - 3, rcControl.bottom - 3);
    if (m_editHost.Place(rcEdit))
        SetReadOnly(m_bReadOnly);
}

BOOL CXTPControlEdit::Compare(CXTPControl* pOther)
{
    CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pOther);
    return CXTPControl::Compare(pOther) && pEdit && pEdit->m_nWidth == m_nWidth;
}

void CXTPControlEdit::SetHideFlags(DWORD dwFlags)
{
    m_editHost.SetHideFlags(dwFlags);
}

void CXTPControlEdit::OnCalcDynamicSize(DWORD dwMode)
{
    m_editHost.OnCalcDynamicSize(dwMode);
}

void CXTPControlEdit::SetEnabled(BOOL bEnabled)
{
    CXTPControl::SetEnabled(bEnabled);
    m_editHost.OnEnabled(bEnabled);
}

BOOL CXTPControlEdit::IsFocusable() const
{
    return m_editHost.GetSafeHwnd() != nullptr;
}

void CXTPControlEdit::SetFocused(BOOL bFocused)
{
    if (m_editHost.GetSafeHwnd())
        m_editHost.SetFocused(bFocused);
}

void CXTPControlEdit::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bFocused)
        return;
    m_bFocused = TRUE;
    m_editHost.BeginFocus(pOldWnd);
    m_strLastText = GetEditText();
    m_editHost.EnterBarFocus(kNotifyFocusGained);
}

void CXTPControlEdit::OnKillFocus(CWnd* /*pNewWnd*/)
{
    if (!m_bFocused)
        return;
    m_bFocused = FALSE;
    m_editHost.LeaveBarFocus(kNotifyFocusLost);
}

void CXTPControlEdit::SetShellAutoComplete(DWORD dwFlags)
{
    m_dwShellAutoCompleteFlags = dwFlags;
    if (m_bFocused)
        m_editHost.RestartAutoComplete();
}

void CXTPControlEdit::OnEditChanged()
{
    NotifySite(kNotifyTextChanged);
}

int CXTPControlEdit::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (!m_bFocused || !m_editHost.GetSafeHwnd())
        return 0;
    if (m_editHost.IsImeComposing())
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
    return m_editHost.OnEditKey(nChar, lParam);
}

void CXTPControlEdit::SetParent(CXTPCommandBar* pParent)
{
    m_editHost.OnParentChanging(pParent);
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
    if (m_editHost.OnClickHandled(pt))
        return;
    if (bKeyboard && m_editHost.GetEdit() && ::GetFocus() == m_editHost.GetSafeHwnd())
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
