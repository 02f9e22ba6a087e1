// A docking sticker: a small shaped tool window with one arrow at a frame
// edge, or a cross of arrows around a centre placed over a container. The
// pointer over an arrow chooses where a dragged node docks.
#pragma once
#include <windows.h>
#include <vector>
#include "framework/windows/CWnd.h"

class CXTPDockingPaneContext;

// Sticker mask bits.
enum XTPDockingContextStickerMask
{
    xtpStickerLeft = 1,
    xtpStickerRight = 2,
    xtpStickerTop = 4,
    xtpStickerBottom = 8,
    xtpStickerCenter = 16,
    xtpStickerCross = 32,
};

// 32-bit top-down pixels; black (0) is nothing drawn.
struct XTP_DOCKINGPANE_STICKER_PIXELS
{
    int cx = 0;
    int cy = 0;
    std::vector<DWORD> bits;
    DWORD Pixel(int x, int y) const { return x >= 0 && y >= 0 && x < cx && y < cy ? bits[y * cx + x] : 0; }
};

class CXTPDockingPaneContextStickerWnd : public CWnd
{
public:
    // Classic style picks the arrow bitmap by the system colour scheme.
    CXTPDockingPaneContextStickerWnd(CXTPDockingPaneContext* pContext, int nMask, BOOL bSecondStyle);

    static CSize GetStickerSize(int nMask, BOOL bSecondStyle);
    // A shaped tool window owned by the site, shown without activation.
    BOOL Create(CWnd* pSite, CPoint ptTopLeft);
    // The arrow bit under a screen point; 0 for none.
    int HitTest(CPoint ptScreen) const;
    // The sticker on black: the cross background (with bBackground), the
    // arrows of nArrows, those of nHighlighted drawn highlighted.
    XTP_DOCKINGPANE_STICKER_PIXELS DrawImage(BOOL bBackground, int nArrows, int nHighlighted) const;
    // Every non-black pixel of the whole sticker, row by row.
    HRGN CreateImageRegion() const;
    void SetHighlighted(int nHighlighted);

    int GetMask() const { return m_nMask; }
    int GetHighlighted() const { return m_nHighlighted; }
    BOOL IsSecondStyle() const { return m_bSecondStyle; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void DrawEntry(XTP_DOCKINGPANE_STICKER_PIXELS& image, const XTP_DOCKINGPANE_STICKER_PIXELS& source, POINT pt,
                   RECT rcSource) const;

    CXTPDockingPaneContext* m_pContext;
    int m_nMask;
    int m_nHighlighted = 0;
    BOOL m_bSecondStyle;
    XTP_DOCKINGPANE_STICKER_PIXELS m_arrows;
    XTP_DOCKINGPANE_STICKER_PIXELS m_crossBack;
};
