// The shape family of a tab strip: its thickness, the room around the tabs,
// the client frame and how one tab is drawn. The base holds what every set
// shares; the sets differ in their margins and a few drawing overrides.
#pragma once
#include "toolkit/tabs/XTPTabPaintManager.h"

class CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSet() = default;
    virtual ~CAppearanceSet() = default;
    CAppearanceSet(const CAppearanceSet&) = delete;
    CAppearanceSet& operator=(const CAppearanceSet&) = delete;

    virtual void RefreshMetrics();
    virtual CRect GetHeaderRect(CRect rc, CXTPTabManager* pManager);
    virtual CRect GetClientRect(CRect rc, CXTPTabManager* pManager);
    virtual CRect GetHeaderMargin() { return m_rcHeaderMargin; }
    virtual CRect GetClientMargin();
    virtual int GetButtonLength(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual int GetButtonHeight(const CXTPTabManager* pManager);
    virtual void DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    // Fills the client area and draws its frame; answers the header part filled.
    virtual CRect FillClient(CDC* pDC, CXTPTabManager* pManager);
    virtual void RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcClient);
    virtual void AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient);
    virtual void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem);
    // Pieces of a strip that hosts draw on their own (part 0 to 3).
    virtual void DrawTabControlPart(CDC* pDC, CRect& rc, int nPart);
    virtual int GetSupportedColorSets() { return 31; }
    virtual int GetDefaultColorSet() { return xtpTabColorDefault; }

    int GetRowGap() const { return m_nRowMargin; }
    int GetTextHeight() const { return m_nButtonHeight; }
    BOOL IsDrawTowardsSelected() const { return m_bButtonsReverseZOrder; }

protected:
    CXTPTabPaintManager::CColorSet* GetColorSet() const;
    int GetPosition() const;
    // Client area frame used by several flat sets: header fill, client
    // fill and a frame (or a single line at the strip side) in one colour.
    CRect FillClientWithFrame(CDC* pDC, CXTPTabManager* pManager, COLORREF clrFrame);
    // Client area with the header fill and client fill only; answers both rectangles.
    void FillHeaderAndClient(CDC* pDC, CXTPTabManager* pManager, CRect& rcHeader, CRect& rcClient);
    // Where the header fill and the client area lie, without drawing.
    void GetHeaderAndClientRects(CXTPTabManager* pManager, CRect& rcHeader, CRect& rcClient);
    // A line along the strip side of the client rectangle.
    void DrawStripSideLine(CDC* pDC, CRect rcClient, COLORREF clr, int nInset = 0);

public:
    CRect m_rcHeaderMargin;
    int m_nRowMargin = -2;
    int m_nButtonHeight = 18;
    CXTPTabPaintManager* m_pPaintManager = nullptr;
    BOOL m_bButtonsReverseZOrder = FALSE;
};

// Turns a figure drawn for a top strip to the strip's position: points are
// given as offsets along (x) and across (y) the strip from the item's start.
class CXTPTabFigure
{
public:
    CXTPTabFigure(const CRect& rcItem, int nPosition);
    // The point at (along, across) measured from the strip's outer edge.
    POINT At(int nAlong, int nAcross) const;
    // A rectangle given along/across, turned.
    CRect Rect(int nAlongFrom, int nAcrossFrom, int nAlongTo, int nAcrossTo) const;

private:
    CRect m_rc;
    int m_nPosition;
};

// Fills the polygon through the colour set's tab fill (off-screen, copied
// with the region as clip); answers the fill colour.
COLORREF XTPTabFillPolygon(CDC* pDC, const POINT* pPoints, int nCount, CXTPTabPaintManager::CColorSet* pColorSet,
                          CXTPTabManagerItem* pItem);
// A polyline in one colour; colour -1 draws nothing.
void XTPTabPolyline(CDC* pDC, const POINT* pPoints, int nCount, COLORREF clr);
// A horizontal or vertical line of one-pixel width in a colour; -1 draws nothing.
void XTPTabLine(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr);
