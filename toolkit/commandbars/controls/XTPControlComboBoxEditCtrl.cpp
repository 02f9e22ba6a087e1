#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"

LRESULT CXTPControlComboBoxEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pControl)
        return CXTPEdit::WindowProc(message, wParam, lParam);
    if (OnComboMessage(message, wParam, lParam))
        return 0;
    return m_pControl->m_editHost.RouteMessage(message, wParam, lParam,
                                               [&] { return CXTPEdit::WindowProc(message, wParam, lParam); });
}

BOOL CXTPControlComboBoxEditCtrl::OnComboMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPControlComboBox* pControl = m_pControl;
    switch (message) {
    case WM_MOUSEWHEEL:
        // The wheel scrolls the open list, or walks the entries of a closed one.
        if (pControl->IsDroppedDown()) {
            pControl->GetListBox()->SendMessage(message, wParam, lParam);
            return TRUE;
        }
        return pControl->OnHookMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                          CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
    case XTP_WM_SUGGEST_SHOWN:
        if (pControl->IsDroppedDown() && pControl->GetParent())
            pControl->GetParent()->SetPopuped(-1);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CXTPControlComboBoxEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pControl && m_pControl->m_editHost.OnChildNotify(message, wParam, lParam, pResult))
        return TRUE;
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

CXTPCommandBars* CXTPControlComboBoxEditCtrl::GetCommandBars() const
{
    return m_pControl ? m_pControl->GetCommandBars() : nullptr;
}
