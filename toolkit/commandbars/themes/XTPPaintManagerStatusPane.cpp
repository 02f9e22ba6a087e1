// Status bar panes as the looks draw them: background, icon and text.
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"
#include "toolkit/commandbars/frame/XTPStatusBarPane.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

void CXTPPaintManager::DrawStatusBarPane(CDC* pDC, CRect& rc, CXTPStatusBarPane* pPane)
{
    const BOOL bDisabled = (pPane->GetStyle() & SBPS_DISABLED) != 0;
    if (pPane->GetBackgroundColor() != static_cast<COLORREF>(-1)) {
        CRect rcFill(rc);
        if (!(pPane->GetStyle() & SBPS_NOBORDERS))
            rcFill.DeflateRect(1, 1);
        pDC->FillSolidRect(rcFill, pPane->GetBackgroundColor());
    }
    CFont* pOldFont = pDC->SelectObject(pPane->GetTextFont());
    CRect rcText(rc);
    rcText.DeflateRect(2, 1);

    if (CXTPImageManagerIcon* pIcon = pPane->GetImage()) {
        if (pIcon->GetWidth() <= rcText.Width() && pIcon->GetHeight() <= rcText.Height()) {
            CPoint pt(rcText.left, rcText.top + (rcText.Height() - pIcon->GetHeight()) / 2);
            pIcon->Draw(pDC, pt, bDisabled ? pIcon->GetDisabledIcon() : pIcon->GetIcon());
            rcText.left += pIcon->GetWidth() + 2;
        }
    }

    CString strText = pPane->GetText();
    if (!(bDisabled && !pPane->GetStatusBar()->IsDrawDisabledText()) && !strText.IsEmpty()) {
        int cxText = pDC->GetTextExtent(strText).cx;
        if (cxText < rcText.Width()) {
            if (pPane->GetTextAlignment() == 2)
                rcText.left = rcText.right - cxText;
            else if (pPane->GetTextAlignment() == 1)
                rcText.left += (rcText.Width() - cxText) / 2;
        }
        COLORREF clrText = bDisabled ? GetColor(COLOR_GRAYTEXT)
                           : pPane->GetTextColor() != static_cast<COLORREF>(-1) ? pPane->GetTextColor()
                                                                               : m_clrStatusTextColor;
        pDC->SetTextColor(clrText);
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    }
    pDC->SelectObject(pOldFont);
}
