#include "toolkit/common/colors/XTPColorValue.h"

CXTPColorValue::CXTPColorValue(COLORREF clrStandard)
    : m_clrStandardValue(clrStandard)
{
}

COLORREF CXTPColorValue::GetColor() const
{
    return IsCustomValue() ? m_clrCustomValue : m_clrStandardValue;
}
