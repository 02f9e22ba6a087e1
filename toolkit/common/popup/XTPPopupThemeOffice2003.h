// The popup in the colours of the visual-style scheme, with a gripper band
// of dots at the top.
#pragma once
#include "toolkit/common/popup/XTPPopupThemeOfficeXP.h"

class CXTPPopupThemeOffice2003 : public CXTPPopupThemeOfficeXP
{
public:
    CXTPPopupThemeOffice2003();

    void DrawBackground(CDC* pDC, CRect rcClient) override;
    void RefreshMetrics() override;

    CXTPGradientValue m_clrGripper;
};
