// A themable two-colour gradient with the factor at which its middle colour
// lies (0.5: a plain linear gradient).
#pragma once
#include "toolkit/common/colors/XTPColorValue.h"

class CXTPGradientValue
{
public:
    CXTPGradientValue() = default;
    explicit CXTPGradientValue(COLORREF clr);

    // Standard values and factor; custom values stay.
    void SetStandardColors(COLORREF clrLight, COLORREF clrDark, float fGradientFactor = 0.5f);
    // Both ends one colour, factor 0.5.
    void SetStandardColor(COLORREF clr);
    // The other gradient's effective colours and factor become this one's standard.
    void SetStandardFrom(const CXTPGradientValue& other);

    CXTPColorValue clrLight;
    CXTPColorValue clrDark;
    float fGradientFactor = 0.5f;
};
