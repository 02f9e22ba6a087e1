#include "toolkit/controls/buttons/XTDisabledButtonTheme.h"

#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/controls/buttons/XTButton.h"

CXTDisabledButtonTheme::CXTDisabledButtonTheme(CXTPWinThemeLibrary* pLibrary)
    : CXTButtonTheme(pLibrary)
{
}

void CXTDisabledButtonTheme::DrawStateImage(CDC* pDC, CPoint pt, CSize size, CXTPImageManagerIcon* pIcon,
                                            CXTPImageManagerIconHandle& hImage, UINT nFlags)
{
    if (hImage.GetIcon() == nullptr)
    {
        pIcon->Draw(pDC, pt, hImage, size);
        return;
    }
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hImage.GetIcon()), 0, pt.x, pt.y,
                 size.cx, size.cy, DST_ICON | nFlags);
}

void CXTDisabledButtonTheme::DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt,
                                              CSize size, CXTButton* pButton)
{
    if (nState & ODS_DISABLED)
    {
        DrawStateImage(pDC, pt, size, pIcon, pIcon->GetIcon(), DSS_DISABLED);
    }
    else if (IsPressed(nState, pButton))
    {
        pt.Offset(1, 1);
        DrawStateImage(pDC, pt, size, pIcon, pIcon->GetPressedIcon(), DSS_NORMAL);
    }
    else if (pButton->IsHot())
    {
        DrawStateImage(pDC, pt, size, pIcon, pIcon->GetHotIcon(), DSS_NORMAL);
    }
    else
    {
        DrawStateImage(pDC, pt, size, pIcon, pIcon->GetIcon(), DSS_NORMAL);
    }
}
