#include "toolkit/commandbars/themes/XTPPaintManagerFont.h"

void CXTPPaintManagerFont::SetStandardFont(const LOGFONT* pLogFont)
{
    if (m_font.GetSafeHandle() && !m_bStandardFont)
        return;
    m_font.DeleteObject();
    m_font.CreateFontIndirect(pLogFont);
    m_bStandardFont = TRUE;
}

void CXTPPaintManagerFont::SetCustomFont(const LOGFONT* pLogFont)
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(pLogFont);
    m_bStandardFont = FALSE;
}
