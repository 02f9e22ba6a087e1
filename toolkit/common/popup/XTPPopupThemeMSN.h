// The popup in fixed light-blue colours with banded gradients.
#pragma once
#include "toolkit/common/popup/XTPPopupThemeOffice2000.h"

class CXTPPopupThemeMSN : public CXTPPopupThemeOffice2000
{
public:
    CXTPPopupThemeMSN();

    void DrawBackground(CDC* pDC, CRect rcClient) override;
    void RefreshMetrics() override;
};
