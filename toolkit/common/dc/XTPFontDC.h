// Selects fonts into a DC for the length of the scope; the font (and text
// colour) of before the scope come back when it ends.
#pragma once
#include <windows.h>

class CDC;
class CFont;

class CXTPFontDC
{
public:
    CXTPFontDC(CDC* pDC, CFont* pFont);
    // Also sets the text colour, which is restored with the font.
    CXTPFontDC(CDC* pDC, CFont* pFont, COLORREF clrTextColor);
    virtual ~CXTPFontDC();
    CXTPFontDC(const CXTPFontDC&) = delete;
    CXTPFontDC& operator=(const CXTPFontDC&) = delete;

    // Null DCs and fonts are ignored.
    void SetFont(CFont* pFont);
    // Sets the text colour; the first call keeps the colour of before.
    void SetColor(COLORREF clrTextColor);
    void ReleaseFont();
    void ReleaseColor();

private:
    CDC* m_pDC;
    HGDIOBJ m_hOldFont;
    COLORREF m_clrOldTextColor;
};
