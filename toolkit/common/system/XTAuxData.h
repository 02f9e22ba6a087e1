// Look data the simple toolkit controls and the application read directly:
// colours from the colour manager, system metrics, cursors, the fonts
// derived from the menu font, the system family and the common-controls
// version.
#pragma once
#include "framework/gdi/CFont.h"

class CXTAuxData
{
public:
    CXTAuxData();
    virtual ~CXTAuxData();
    CXTAuxData(const CXTAuxData&) = delete;
    CXTAuxData& operator=(const CXTAuxData&) = delete;

    // Refreshes the colour manager (at most every 500 ms) and copies the colours.
    void UpdateSysColors();
    // Reads the metrics and loads the cursors; FALSE when a cursor is missing.
    BOOL UpdateSysMetrics();
    // Deletes and makes all fonts again; FALSE when one cannot be made. A face
    // that is not installed is ignored.
    BOOL UpdateSysFonts(LPCWSTR lpszFaceName = nullptr, LPCWSTR lpszVertFaceName = nullptr);
    // Makes the font from the LOGFONT with the given values; -1 (or 255 for
    // the underline) keeps the LOGFONT's value. The old font is deleted first.
    static BOOL CreateSysFont(const LOGFONTW& logFont, CFont& font, long lfWeight = -1, BYTE lfUnderline = 255,
                              long lfOrientation = -1, long lfEscapement = -1);
    // Major in the high word, minor in the low word; 0 while unknown.
    DWORD GetComCtlVersion();
    // The system's hand cursor, or the toolkit's own where there is none.
    static HCURSOR ChooseHandCursor(HCURSOR hSystemHand);

    // Colours (effective colour-manager colours).
    COLORREF clr3DFace, clr3DShadow, clr3DDkShadow, clr3DHilight, clr3DLight, clrBtnText, clrGrayText,
        clrHighlight, clrHighlightText, clrMenu, clrMenuText, clrWindow, clrWindowFrame, clrWindowText,
        clrActiveCaption, clrInActiveCaption, clrGradActiveCapt, clrGradInActiveCapt, clrActiveCaptText,
        clrInactiveCaptText;
    // Toolkit colours 30 to 49.
    COLORREF clrToolkit[20];

    // Cursors.
    HCURSOR hcurDragCopy, hcurDragMove, hcurDragNone, hcurHand, hcurHSplitBar, hcurVSplitBar, hcurMove;

    // Metrics.
    int cxSmIcon, cySmIcon, cxSize, cySize, cxHThumb, cyVThumb, cyMenuItem;

    // Fonts.
    CFont font, fontBold, fontULine, fontVert, fontVertBold, fontIconTitle, fontIconTitleBold, fontMarlett,
        fontStatus, fontSmCaption;

    // System family.
    BOOL bWin95, bWin98, bWinNT4, bWin2K, bWinXP;
    // Prefer "Tahoma" for the normal fonts where the character set allows.
    BOOL bUseTahoma;

private:
    void DeleteFonts();

    DWORD m_dwComCtlVersion;
};

// The process-wide look data, made on first use.
CXTAuxData& XTPGetAuxData();
