// Draws the popup notification window: its background and frame, and each
// of its items (icon, text, hyperlink underline, button look). The themes
// derive from it and change colours and the background.
#pragma once
#include <windows.h>

#include "framework/gdi/CFont.h"
#include "framework/gdi/CRect.h"
#include "toolkit/common/colors/XTPColorValue.h"
#include "toolkit/common/colors/XTPGradientValue.h"

class CDC;
class CXTPPopupItem;

class CXTPPopupPaintManager
{
public:
    CXTPPopupPaintManager();
    virtual ~CXTPPopupPaintManager();
    CXTPPopupPaintManager(const CXTPPopupPaintManager&) = delete;
    CXTPPopupPaintManager& operator=(const CXTPPopupPaintManager&) = delete;

    // Background and frame of the whole client area.
    virtual void DrawBackground(CDC* pDC, CRect rcClient);
    // Fills the colours and the font from the system.
    virtual void RefreshMetrics();
    // Refreshes when the toolkit's colours changed since the last refresh:
    // a popup kept while closed hears no change, yet must show in the
    // colours in force.
    void RefreshMetricsIfColoursChanged();

    void DrawItem(CDC* pDC, CXTPPopupItem* pItem);
    // The hot or pressed look of a button item.
    void DrawButton(CDC* pDC, CXTPPopupItem* pItem);

    CXTPGradientValue m_clrBackground;
    // Its two colours are the frame's top-left and bottom-right colours.
    CXTPGradientValue m_clrFrame;
    CFont m_fntText;
    CXTPColorValue m_clrText;
    COLORREF m_clrButtonSelected = (COLORREF)-1;
    COLORREF m_clrButtonPressed = (COLORREF)-1;
    CXTPGradientValue m_clrButtonSelectedBorder;
    CXTPGradientValue m_clrButtonPressedBorder;

protected:
    // Draw3dRect in the frame gradient's two colours (swapped: sunken).
    void DrawFrame(CDC* pDC, const CRect& rc, BOOL bSunken = FALSE);
    // A colour of the colour manager.
    static COLORREF GetColor(int nIndex);

private:
    // The colour manager's change count at the last refresh.
    UINT m_nColourChangeCount = 0;
};
