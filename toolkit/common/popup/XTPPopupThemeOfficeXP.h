// The popup in flat colours: plain background, caption band, filled buttons.
#pragma once
#include "toolkit/common/popup/XTPPopupThemeOffice2000.h"

class CXTPPopupThemeOfficeXP : public CXTPPopupThemeOffice2000
{
public:
    CXTPPopupThemeOfficeXP();

    void DrawBackground(CDC* pDC, CRect rcClient) override;
    void RefreshMetrics() override;
};
