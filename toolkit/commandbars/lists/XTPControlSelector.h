// A grid of cells from which the user drags out a number of columns and
// rows; the grid grows while the drag goes past its edge.
#pragma once
#include "toolkit/commandbars/controls/XTPControl.h"

class CXTPControlSelector : public CXTPControl
{
    DECLARE_DYNCREATE(CXTPControlSelector)
public:
    CXTPControlSelector();

    void OnCalcDynamicSize(DWORD dwMode) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnMouseMove(CPoint point) override;
    BOOL SetSelected(int bSelected) override;
    void OnLButtonUp(CPoint point) override;
    void OnClick(BOOL /*bKeyboard*/ = FALSE, CPoint /*pt*/ = CPoint(0, 0)) override {}
    void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE) override;
    CXTPControl* Clone(BOOL bRecursive = FALSE) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

    CSize GetItemsCount() const { return m_szItemsCount; }
    void SetItemsCount(CSize size) { m_szItemsCount = size; }
    CSize GetItemsMax() const { return m_szItemsMax; }
    void SetItemsMax(CSize size) { m_szItemsMax = size; }
    CSize GetItemSize() const { return m_szItem; }
    // Sizes below 1 pixel count as 1 (a cell must have a size to grow by).
    void SetItemSize(CSize size);
    CSize GetSelection() const { return m_szSelected; }
    CSize GetResult() const { return m_szResult; }
    CSize GetGrid() const { return m_szGrid; }

protected:
    // The cell contents; the base leaves the cells empty.
    virtual void OnDrawItem(CDC* /*pDC*/, CRect /*rcItem*/, COLORREF /*clrText*/) {}
    void SetSelection(CSize szSelected, BOOL bAlways);

    CSize m_szItemsCount;
    CSize m_szItemsMax;
    CSize m_szSelected;
    CSize m_szItem;
    CSize m_szResult;
    CSize m_szGrid;
    BOOL m_bGrowing;
};
