#include "framework/dialogs/CColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF colors[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    ZeroMemory(&m_cc, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
    m_cc.rgbResult = clrInit;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : CWnd::GetSafeOwner(nullptr)->GetSafeHwnd();
    // A size beyond the structure would let the system read past it.
    if (m_cc.lStructSize > sizeof(m_cc))
        m_cc.lStructSize = sizeof(m_cc);
    if (m_cc.lpCustColors == nullptr)
        m_cc.lpCustColors = GetSavedCustomColors();
    return ::ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}
