// A font of the paint manager that follows the system while its standard
// flag is set.
#pragma once
#include "framework/gdi/CFont.h"

class CXTPPaintManagerFont
{
public:
    CXTPPaintManagerFont() = default;
    CXTPPaintManagerFont(const CXTPPaintManagerFont&) = delete;
    CXTPPaintManagerFont& operator=(const CXTPPaintManagerFont&) = delete;

    // Makes the font again from the system's LOGFONT unless a font of its
    // own was given.
    void SetStandardFont(const LOGFONT* pLogFont);
    // A font of the owner's choice; the system no longer replaces it.
    void SetCustomFont(const LOGFONT* pLogFont);
    BOOL IsStandardFont() const { return m_bStandardFont; }
    CFont* GetFont() { return &m_font; }
    operator CFont*() { return &m_font; }
    operator HFONT() const { return static_cast<HFONT>(m_font.GetSafeHandle()); }

private:
    CFont m_font;
    BOOL m_bStandardFont = TRUE;
};
