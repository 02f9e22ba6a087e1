#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"

LRESULT CXTPControlEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pControl)
        return CXTPEdit::WindowProc(message, wParam, lParam);
    return m_pControl->m_editHost.RouteMessage(message, wParam, lParam,
                                               [&] { return CXTPEdit::WindowProc(message, wParam, lParam); });
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
