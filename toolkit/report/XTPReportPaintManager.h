// Every colour, font and metric of one report control, and the drawing of
// all its parts: header, footer, group-by box, rows, grid lines, group
// rows, tree lines, glyphs, check boxes, icons, captions with hyperlinks,
// the focus rectangle and in-place buttons.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CImageList.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/common/colors/XTPColorValue.h"
#include "toolkit/common/colors/XTPGradientValue.h"
#include "toolkit/report/records/XTPReportRecordItemArgs.h"

class CDC;
class CXTPReportHeader;
class CXTPReportGroupRow;
class CXTPReportInplaceButton;
class CXTPWinThemeWrapper;

class CXTPReportPaintManager : public CCmdTarget
{
public:
    CXTPReportPaintManager();
    ~CXTPReportPaintManager() override;

    virtual void RefreshMetrics();
    virtual int GetRowHeight(CDC* pDC, CXTPReportRow* pRow, int nTotalWidth);
    virtual int GetFixedRowHeight(CDC* pDC, CXTPReportRow* pRow);
    virtual int GetHeaderHeight(CXTPReportControl* pControl, CDC* pDC, int nTotalWidth);
    virtual int GetFixedHeaderHeight();
    virtual int GetCaptionFontHeight();
    virtual COLORREF GetControlBackColor(CXTPReportControl* pControl);
    virtual void FillRow(CDC* pDC, const CRect& rcRow);
    virtual void DrawGrid(CDC* pDC, BOOL bVertical, CRect rc);
    virtual void DrawGroupRow(CDC* pDC, CXTPReportGroupRow* pRow, CRect rcRow, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    virtual void FillGroupRowMetrics(CXTPReportGroupRow* pRow, XTP_REPORTRECORDITEM_METRICS* pMetrics,
                                     BOOL bPrinting);
    virtual void FillIndent(CDC* pDC, CRect rcFill);
    virtual void FillItemShade(CDC* pDC, CRect rcItem);
    virtual void FillHeaderControl(CDC* pDC, CRect rcHeader);
    virtual void FillFooter(CDC* pDC, CRect rcFooter);
    virtual void DrawColumn(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* pHeader, CRect rcColumn,
                            BOOL bDrawExternal = FALSE);
    virtual void DrawColumnFooter(CDC* pDC, CXTPReportColumn* pColumn, CXTPReportHeader* pHeader, CRect rcColumn);
    virtual void DrawFocusedRow(CDC* pDC, CRect rcRow);
    virtual void FillGroupByControl(CDC* pDC, CRect& rcGroupBy);
    virtual int DrawBitmap(CDC* pDC, CXTPReportControl* pControl, CRect rcColumn, int iIcon);
    virtual void DrawInplaceButton(CDC* pDC, CXTPReportInplaceButton* pButton);
    virtual void DrawTreeStructure(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics,
                                   CRect rcItem);
    virtual void DrawItemBitmap(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, CRect& rcItem, int nImage);
    virtual void DrawItemCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, XTP_REPORTRECORDITEM_METRICS* pMetrics);
    virtual void DrawColumnBackground(CDC* pDC, CXTPReportColumn* pColumn, CRect rcColumn, BOOL& bColumnPressed);
    virtual void DrawInplaceButtonFrame(CDC* pDC, CXTPReportInplaceButton* pButton);
    virtual int CalcColumnHeight(CDC* pDC, CXTPReportColumn* pColumn, int nTotalWidth);

    // Draws a glyph at rect.left + 1, vertically centred; a null DC only
    // measures. Returns the glyph width + 1.
    int DrawGlyph(CDC* pDC, CRect rcColumn, int iGlyph);
    // Returns the room the glyph took (its width + 2).
    int DrawCollapsedBitmap(CDC* pDC, const CXTPReportRow* pRow, CRect& rcBitmap);
    // Lines a preview text takes in the rectangle, at most the maximum.
    int CalculatePreviewLines(CDC* pDC, CRect rcText, const CString& strText);
    void DrawNoItems(CDC* pDC, const CRect& rcRows);
    // An outlined triangle right of the given left edge: apex up when
    // increasing. Nothing in a rectangle 15 pixels wide or less.
    void DrawSortTriangle(CDC* pDC, CRect rcTriangle, BOOL bIncreasing);

    void SetTextFont(LOGFONT& lf);
    void SetCaptionFont(LOGFONT& lf);
    CFont* GetTextFont() { return &m_fontText; }
    CFont* GetTextFontBold() { return &m_fontBoldText; }
    CFont* GetCaptionFont() { return &m_fontCaption; }
    CFont* GetPreviewFont() { return &m_fontPreview; }

    CString GetNoItemsText() const { return m_strNoItems; }
    void SetNoItemsText(LPCTSTR lpszText) { m_strNoItems = lpszText; }
    int GetTreeIndent() const { return m_nTreeIndent; }
    BOOL IsPreviewMode() const { return m_bPreviewMode; }
    void EnablePreviewMode(BOOL bEnable) { m_bPreviewMode = bEnable; }
    int GetHorizontalGridStyle() const { return m_nHorizontalGridStyle; }
    void SetGridStyle(BOOL bVertical, int nGridStyle);
    void SetColumnStyle(int nColumnStyle) { m_columnStyle = nColumnStyle; }
    int GetColumnStyle() const { return m_columnStyle; }
    BOOL IsFixedRowHeight() const { return m_bFixedRowHeight; }

public:
    CXTPColorValue m_clrHighlight;
    CXTPColorValue m_clrGridLine;
    CXTPColorValue m_clrWindowText;
    CXTPColorValue m_clrHighlightText;
    CXTPColorValue m_clrHeaderControl;
    CXTPColorValue m_clrCaptionText;
    CXTPColorValue m_clrControlBack;
    CXTPColorValue m_clrGroupRowText;
    CXTPColorValue m_clrGroupShadeBack;
    CXTPColorValue m_clrGroupShadeText;
    CXTPColorValue m_clrGroupShadeBorder;
    CXTPColorValue m_clrGroupBoxBack;
    CXTPColorValue m_clrControlDark;
    CXTPColorValue m_clrControlLightLight;
    CXTPColorValue m_clrHyper;
    CXTPColorValue m_clrPreviewText;
    CXTPColorValue m_clrIndentControl;
    CXTPColorValue m_clrItemShade;
    CXTPColorValue m_clrBtnFace;
    CXTPColorValue m_clrBtnText;
    CXTPColorValue m_clrDropMarker;

    CXTPGradientValue m_grcGradientColumn;
    CXTPGradientValue m_grcGradientColumnHot;
    CXTPGradientValue m_grcGradientColumnPushed;
    CXTPColorValue m_clrGradientColumnShadow;
    CXTPColorValue m_clrGradientColumnSeparator;

    CFont m_fontText;
    CFont m_fontBoldText;
    CFont m_fontCaption;
    CFont m_fontPreview;

    int m_nRowHeight;
    int m_nHeaderHeight;
    int m_nCaptionFontHeight;
    int m_nTreeIndent;
    CRect m_rcPreviewIndent;
    int m_nMaxPreviewLines;
    int m_nGroupGridLineHeight;
    int m_nVerticalGridStyle;
    int m_nHorizontalGridStyle;
    int m_columnStyle;
    int m_treeStructureStyle;
    BOOL m_bShadeGroupHeadings;
    BOOL m_bGroupRowTextBold;
    BOOL m_bShadeSortColumn;
    BOOL m_bHotTracking;
    BOOL m_bColumnAlignmentForHeaders;
    BOOL m_bRoomForSortTriangle;
    BOOL m_bInvertColumnOnClick;
    BOOL m_bHideSelection;
    BOOL m_bFixedRowHeight;
    BOOL m_bUseEditTextAlignment;
    // Kept for the control; nothing reads it.
    BOOL m_bControlReservedFlag;
    // Cells are drawn mirrored: left-aligned columns right and the other way.
    BOOL m_bRevertAlignment;
    BOOL m_bPreviewMode;
    CSize m_szGlyph;

    CString m_strNoItems;
    CString m_strGroupByHint;
    CString m_strNoFieldsAvailable;
    CString m_strSortBy;

protected:
    // Height of " " in the font, measured on a screen DC.
    static int MeasureSpaceHeight(CFont* pFont);

    CImageList m_ilGlyphs;
    CBrush m_brushVertLine;
    CBrush m_brushHorzLine;
    CBrush m_brushTreeStructure;
    // The grid style each pattern brush was made for (horizontal, vertical).
    int m_nPatternStyle[2] = {0, 0};
    CXTPWinThemeWrapper* m_themeHeader;
};
