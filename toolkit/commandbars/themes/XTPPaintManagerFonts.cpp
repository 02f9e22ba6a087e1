#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

namespace {

BOOL IsTahomaCharset(BYTE lfCharSet)
{
    return lfCharSet == ANSI_CHARSET || lfCharSet == DEFAULT_CHARSET || lfCharSet == SYMBOL_CHARSET;
}

} // namespace

LONG CXTPPaintManager::CommandBarFontHeight(LONG lfMenuHeight)
{
    // Menu fonts under 11 pixels in magnitude are too small for bars.
    if (lfMenuHeight >= 0 || lfMenuHeight < -10)
        return lfMenuHeight;
    return -11;
}

void CXTPPaintManager::UpdateFonts()
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);

    if (m_bUseStandardFont) {
        LOGFONTW lf = {};
        HDC hDC = GetDC(nullptr);
        lf.lfCharSet = static_cast<BYTE>(GetTextCharsetInfo(hDC, nullptr, 0));
        ReleaseDC(nullptr, hDC);
        lf.lfHeight = CommandBarFontHeight(ncm.lfMenuFont.lfHeight);
        lf.lfWeight = ncm.lfMenuFont.lfWeight;
        lf.lfItalic = ncm.lfMenuFont.lfItalic;
        lstrcpynW(lf.lfFaceName, ncm.lfMenuFont.lfFaceName, LF_FACESIZE);
        SetCommandBarsFontIndirect(&lf, TRUE);
    }

    LOGFONTW lfIcon = {};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0);
    m_fontSmCaption.SetStandardFont(&ncm.lfSmCaptionFont);
    m_fontIcon.SetStandardFont(&lfIcon);
    lfIcon.lfWeight = FW_BOLD;
    m_fontIconBold.SetStandardFont(&lfIcon);
}

void CXTPPaintManager::SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (!pLogFont)
        return;

    m_fontRegular.DeleteObject();
    m_fontRegularBold.DeleteObject();
    m_fontVert.DeleteObject();
    m_fontVertBold.DeleteObject();
    m_fontIconBold.GetFont()->DeleteObject();

    LOGFONTW lf = *pLogFont;
    if (lstrcmpiW(lf.lfFaceName, L"Tahoma") == 0)
        m_bClearTypeTextQuality = TRUE;
    if (IsTahomaCharset(lf.lfCharSet) && bUseStandardFont && m_bClearTypeTextQuality && FontExists(L"Tahoma"))
        lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);

    LONG lfWeight = lf.lfWeight;
    m_fontRegular.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontRegularBold.CreateFontIndirect(&lf);

    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    lf.lfWeight = lfWeight;
    CString strVertical(lf.lfFaceName);
    XTPGetVerticalFontFace(strVertical, m_bClearTypeTextQuality);
    lstrcpynW(lf.lfFaceName, strVertical, LF_FACESIZE);
    m_fontVert.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontVertBold.CreateFontIndirect(&lf);

    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOldFont = SelectObject(hDC, m_fontRegular.GetSafeHandle());
    SIZE szSpace = {0, 0};
    GetTextExtentPoint32W(hDC, L" ", 1, &szSpace);
    SelectObject(hDC, hOldFont);
    ReleaseDC(nullptr, hDC);
    m_nTextHeight = szSpace.cy + 6;
}
