// The popup's default look: a raised frame, a dark caption band and a dark
// strip along the left of the body.
#pragma once
#include "toolkit/common/popup/XTPPopupPaintManager.h"

class CXTPPopupThemeOffice2000 : public CXTPPopupPaintManager
{
public:
    CXTPPopupThemeOffice2000();

    void DrawBackground(CDC* pDC, CRect rcClient) override;
    void RefreshMetrics() override;

protected:
    // The 22-pixel caption band at the top of the rectangle.
    void DrawCaptionBand(CDC* pDC, const CRect& rc);
};
