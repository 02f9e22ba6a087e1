#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

LRESULT CXTPControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CXTPControlEdit* pControl = m_pControl;
    LRESULT lResult = 0;
    if (pControl && pControl->m_editHost.OnWindowMessage(message, wParam, lParam, lResult))
        return lResult;
    lResult = CXTPEdit::WindowProc(message, wParam, lParam);
    if (pControl && message == WM_SETFOCUS)
        pControl->m_editHost.OnWindowFocused(reinterpret_cast<HWND>(wParam));
    return lResult;
}

BOOL CXTPControlEditCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pControl && m_pControl->m_editHost.OnChildNotify(message, wParam, lParam, pResult))
        return TRUE;
    return CXTPEdit::OnChildNotify(message, wParam, lParam, pResult);
}

CXTPCommandBars* CXTPControlEditCtrl::GetCommandBars() const
{
    return m_pControl ? m_pControl->GetCommandBars() : nullptr;
}
