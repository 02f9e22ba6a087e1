// The context menu's own controls: a choice asks the sheet before it
// becomes a command.
#include "toolkit/customize/XTPCustomizeSheet.h"

#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"

namespace
{
// The execute notification to the menu's owner; its answer.
LRESULT NotifyOwner(CXTPControl* pControl, CWnd* pOwner)
{
    if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr)
        return 0;
    NMXTPCONTROL notify = {};
    notify.hdr.idFrom = static_cast<UINT_PTR>(pControl->GetID());
    notify.hdr.code = CBN_XTP_EXECUTE;
    notify.pControl = pControl;
    return pOwner->SendMessage(WM_XTP_CONTROL_NOTIFY, static_cast<WPARAM>(pControl->GetID()),
                               reinterpret_cast<LPARAM>(&notify));
}

// The outermost bar's owner, before tracking ends and forgets it.
CWnd* OwnerOf(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    return pBar != nullptr ? pBar->GetOwnerSite() : nullptr;
}
} // namespace

void CXTPCustomizeSheet::CCustomizeButton::OnExecute()
{
    // The owner's action may change the menu: keep this control alive.
    InternalAddRef();
    CWnd* pOwner = OwnerOf(this);
    HWND hOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    if (CXTPCommandBar* pBar = GetParent())
        pBar->GetRootParent()->SetTrackingMode(FALSE);
    if (hOwner != nullptr && ::IsWindow(hOwner) && NotifyOwner(this, pOwner) == 0 && ::IsWindow(hOwner))
        ::SendMessageW(hOwner, WM_COMMAND, static_cast<WPARAM>(GetID()), 0);
    InternalRelease();
}

void CXTPCustomizeSheet::CCustomizeEdit::OnExecute()
{
    InternalAddRef();
    CWnd* pOwner = OwnerOf(this);
    HWND hOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    // The focus leaving with the menu must not apply the same name again.
    m_strLastText = GetEditText();
    if (CXTPCommandBar* pBar = GetParent())
        pBar->SetTrackingMode(FALSE);
    if (hOwner != nullptr && ::IsWindow(hOwner))
        NotifyOwner(this, pOwner);
    InternalRelease();
}

void CXTPCustomizeSheet::CCustomizeEdit::ApplyName()
{
    m_strLastText = GetEditText();
    NotifyOwner(this, OwnerOf(this));
}

BOOL CXTPCustomizeSheet::CCustomizeEdit::SetSelected(int bSelected)
{
    // Leaving the edit applies the name as Enter does.
    if (!bSelected && m_pEdit != nullptr && m_pEdit->GetSafeHwnd() != nullptr &&
        ::GetFocus() == m_pEdit->GetSafeHwnd())
        ApplyName();
    return CXTPControlEdit::SetSelected(bSelected);
}

void CXTPCustomizeSheet::CCustomizeEdit::OnKillFocus(CWnd* pNewWnd)
{
    // A click elsewhere may take the focus before the menu deselects the
    // edit (another window activated, a page of the sheet clicked). A text
    // changed since the edit took the focus is the new name then; Esc has
    // put the old text back and applies nothing.
    InternalAddRef();
    if (IsFocused() && GetEditText() != m_strLastText)
        ApplyName();
    CXTPControlEdit::OnKillFocus(pNewWnd);
    InternalRelease();
}

int CXTPCustomizeSheet::CCustomizeEdit::GetCustomizeMinWidth() const
{
    return 10 + (GetShowLabel() ? GetLabelWidth() : 0);
}
