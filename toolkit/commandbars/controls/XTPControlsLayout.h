// The row layout of a bar's controls: wrapping into rows at a width,
// narrowest and squarest layouts, right-aligned and stretched controls, and
// the large-button layout.
#pragma once
#include <vector>
#include "framework/gdi/CRect.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CDC;
class CXTPCommandBar;
class CXTPControls;
class CXTPControl;

class CXTPControlsLayout
{
public:
    CXTPControlsLayout(CXTPControls* pControls, CDC* pDC);

    // The bar's size for a length in the mode's sense, borders included;
    // with LM_COMMIT the controls take their places.
    CSize CalcDynamicSize(int nLength, DWORD dwMode, const CRect& rcBorder, int nMinimum);

private:
    struct Record
    {
        CRect rcOld;
        CRect rcControl;
        CSize szControl;
        BOOL bVisible;
        BOOL bWrap;
        BOOL bHidden;
        BOOL bBeginGroup;
        XTPButtonStyle style;
        CRect rcRow;
        CXTPControl* pControl;

        // Takes a place on the bar: visible and not pushed off by wrapping.
        BOOL IsShown() const { return bVisible && !bHidden; }
    };

    int Extent(const Record& record) const;
    BOOL IsGroupStart(size_t nIndex) const;
    int WrapToolBar(int nWidth, DWORD& dwMode);
    // Puts the control at (x, y) and grows the bar's extent to hold it.
    static void PlaceAt(Record& record, int x, int y, CSize& szBar);
    CSize MeasureRows();
    CSize MeasureHorizontal();
    CSize MeasureVertical();
    CSize WrapAndMeasure(int nWidth, DWORD& dwMode);
    CSize NarrowestForWidth(int nWidth, DWORD& dwMode);
    CSize NarrowestForHeight(int nHeight, DWORD& dwMode);
    CSize Squarest(DWORD& dwMode);
    CSize LargeButtonLayout(int nLength, DWORD dwMode);
    CSize MeasureLargeButtons();
    BOOL ReduceLargeButtons();
    void FixRows(CSize szBar, const CRect& rcBorder);
    void AlignAndStretch(CSize szBar, const CRect& rcBorder);
    void Apply();

    CXTPControls* m_pControls;
    CXTPCommandBar* m_pBar;
    CDC* m_pDC;
    std::vector<Record> m_records;
    CSize m_szSeparator;
    BOOL m_bVertical;
    BOOL m_bGroupWrap;
    BOOL m_bHideWrap;
    BOOL m_bLargeButtons;
};
