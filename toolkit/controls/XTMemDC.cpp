#include "toolkit/controls/XTMemDC.h"

#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"

CXTPGradientValue CXTMemDC::FaceBackground()
{
    return CXTPGradientValue(XTPGetColorManager()->GetColor(COLOR_3DFACE));
}

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, const CXTPGradientValue& clrBack, BOOL bHorz)
    : m_pDC(pDC)
    , m_rc(rect)
{
    if (pDC->GetSafeHdc() == nullptr)
        return;
    if (m_rc.IsRectEmpty())
        pDC->GetClipBox(&m_rc);
    if (!CreateCompatibleDC(pDC))
        return;
    SetMapMode(pDC->GetMapMode());
    if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rc.Width(), m_rc.Height()))
    {
        DeleteDC();
        return;
    }
    m_pOldBitmap = SelectObject(&m_bitmap);
    // Drawing uses the target's coordinates.
    SetWindowOrg(m_rc.left, m_rc.top);
    m_bValid = TRUE;

    BOOL bDarkUnset =
        clrBack.clrDark.GetStandardColor() == COLORREF(-1) && clrBack.clrDark.GetCustomColor() == COLORREF(-1);
    if (!bDarkUnset)
        XTPDrawHelpers()->GradientFillByFactor(this, &m_rc, clrBack, bHorz, nullptr);
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
        return;
    m_pDC->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), this, m_rc.left, m_rc.top, SRCCOPY);
    SelectObject(m_pOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}
