#include "toolkit/commandbars/themes/XTPSingleLineText.h"

namespace {
const UINT kPlacedFormats = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX | DT_END_ELLIPSIS;
} // namespace

BOOL CXTPSingleLineText::CanPlace(HDC hDC, const CString& strText, UINT nFormat)
{
    if ((nFormat & (DT_SINGLELINE | DT_VCENTER)) != (DT_SINGLELINE | DT_VCENTER) || (nFormat & ~kPlacedFormats))
        return FALSE;
    if (!(nFormat & DT_NOPREFIX) && strText.Find(L'&') >= 0)
        return FALSE;
    // A mirrored DC or another text alignment places text its own way.
    if (::GetLayout(hDC) & LAYOUT_RTL)
        return FALSE;
    return ::GetTextAlign(hDC) == (TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

void CXTPSingleLineText::Draw(CDC* pDC, const CString& strText, const CRect& rc, UINT nFormat, CSize szText)
{
    HDC hDC = pDC->GetSafeHdc();
    if (strText.IsEmpty() || !CanPlace(hDC, strText, nFormat)) {
        CRect rcText = rc;
        pDC->DrawText(strText, &rcText, nFormat);
        return;
    }
    if (szText.cx < 0)
        ::GetTextExtentPoint32W(hDC, strText, strText.GetLength(), &szText);
    if ((nFormat & DT_END_ELLIPSIS) && szText.cx > rc.Width()) {
        CRect rcText = rc;
        pDC->DrawText(strText, &rcText, nFormat);
        return;
    }
    // Where DrawText puts it: centred by halves, right-aligned by extent.
    int x = (nFormat & DT_RIGHT) ? rc.right - szText.cx : rc.left;
    int y = rc.top + rc.Height() / 2 - szText.cy / 2;
    ::ExtTextOutW(hDC, x, y, ETO_CLIPPED, &rc, strText, strText.GetLength(), nullptr);
}
