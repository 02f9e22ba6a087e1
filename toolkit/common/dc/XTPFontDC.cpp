#include "toolkit/common/dc/XTPFontDC.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"

CXTPFontDC::CXTPFontDC(CDC* pDC, CFont* pFont)
    : m_pDC(pDC)
    , m_hOldFont(nullptr)
    , m_clrOldTextColor(COLORREF(-1))
{
    SetFont(pFont);
}

CXTPFontDC::CXTPFontDC(CDC* pDC, CFont* pFont, COLORREF clrTextColor)
    : CXTPFontDC(pDC, pFont)
{
    SetColor(clrTextColor);
}

CXTPFontDC::~CXTPFontDC()
{
    ReleaseFont();
    ReleaseColor();
}

void CXTPFontDC::SetFont(CFont* pFont)
{
    if (!m_pDC || !m_pDC->GetSafeHdc() || !pFont || !pFont->GetSafeHandle())
        return;
    HGDIOBJ hPrevious = ::SelectObject(m_pDC->GetSafeHdc(), pFont->GetSafeHandle());
    if (!m_hOldFont)
        m_hOldFont = hPrevious;
}

void CXTPFontDC::SetColor(COLORREF clrTextColor)
{
    if (!m_pDC || !m_pDC->GetSafeHdc())
        return;
    COLORREF clrPrevious = ::SetTextColor(m_pDC->GetSafeHdc(), clrTextColor);
    if (m_clrOldTextColor == COLORREF(-1))
        m_clrOldTextColor = clrPrevious;
}

void CXTPFontDC::ReleaseFont()
{
    if (!m_hOldFont)
        return;
    ::SelectObject(m_pDC->GetSafeHdc(), m_hOldFont);
    m_hOldFont = nullptr;
}

void CXTPFontDC::ReleaseColor()
{
    if (m_clrOldTextColor == COLORREF(-1))
        return;
    ::SetTextColor(m_pDC->GetSafeHdc(), m_clrOldTextColor);
    m_clrOldTextColor = COLORREF(-1);
}
