// A themable colour: the standard value its owner sets on every refresh
// and a custom value that wins while it is set (-1: unset).
#pragma once
#include <windows.h>

class CXTPColorValue
{
public:
    CXTPColorValue() = default;
    explicit CXTPColorValue(COLORREF clrStandard);

    // The custom value when set, else the standard one.
    COLORREF GetColor() const;
    operator COLORREF() const { return GetColor(); }

    COLORREF GetStandardColor() const { return m_clrStandardValue; }
    COLORREF GetCustomColor() const { return m_clrCustomValue; }
    void SetStandardValue(COLORREF clr) { m_clrStandardValue = clr; }
    void SetCustomValue(COLORREF clr) { m_clrCustomValue = clr; }
    BOOL IsCustomValue() const { return m_clrCustomValue != COLORREF(-1); }

private:
    COLORREF m_clrStandardValue = COLORREF(-1);
    COLORREF m_clrCustomValue = COLORREF(-1);
};
