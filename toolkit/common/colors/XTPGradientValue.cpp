#include "toolkit/common/colors/XTPGradientValue.h"

CXTPGradientValue::CXTPGradientValue(COLORREF clr)
{
    SetStandardColor(clr);
}

void CXTPGradientValue::SetStandardColors(COLORREF clrLightValue, COLORREF clrDarkValue, float fFactor)
{
    clrLight.SetStandardValue(clrLightValue);
    clrDark.SetStandardValue(clrDarkValue);
    fGradientFactor = fFactor;
}

void CXTPGradientValue::SetStandardColor(COLORREF clr)
{
    SetStandardColors(clr, clr, 0.5f);
}

void CXTPGradientValue::SetStandardFrom(const CXTPGradientValue& other)
{
    SetStandardColors(other.clrLight.GetColor(), other.clrDark.GetColor(), other.fGradientFactor);
}
