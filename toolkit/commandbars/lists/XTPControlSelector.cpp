#include "toolkit/commandbars/lists/XTPControlSelector.h"
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"

IMPLEMENT_DYNCREATE(CXTPControlSelector, CXTPControl)

namespace {

const int kCellFrameColor = 43;
const int kCellTextColor = 46;
const UINT kSelectionChanged = 0x1006;

// Cells whose leading edge lies before the offset, at most nCells.
int CellsBefore(int nOffset, int nCellSize, int nCells)
{
    if (nOffset <= 0)
        return 0;
    return std::min(nCells, (nOffset - 1) / nCellSize + 1);
}

} // namespace

CXTPControlSelector::CXTPControlSelector()
    : m_szItemsCount(5, 4)
    , m_szItemsMax(12, 12)
    , m_szSelected(0, 0)
    , m_szItem(28, 28)
    , m_szResult(0, 0)
    , m_szGrid(5, 4)
    , m_bGrowing(FALSE)
{
}

void CXTPControlSelector::SetItemSize(CSize size)
{
    m_szItem = CSize(std::max(1, static_cast<int>(size.cx)), std::max(1, static_cast<int>(size.cy)));
}

void CXTPControlSelector::SetSelection(CSize szSelected, BOOL bAlways)
{
    if (!bAlways && szSelected == m_szSelected)
        return;
    m_szSelected = szSelected;
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->Invalidate(FALSE);
    NotifySite(kSelectionChanged);
}

void CXTPControlSelector::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (m_bGrowing)
        return;
    m_szGrid = m_szItemsCount;
    SetSelection(CSize(0, 0), TRUE);
}

CSize CXTPControlSelector::GetSize(CDC* /*pDC*/)
{
    return CSize(m_szGrid.cx * m_szItem.cx, m_szGrid.cy * m_szItem.cy);
}

void CXTPControlSelector::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    for (int x = 0; x < m_szGrid.cx; x++) {
        for (int y = 0; y < m_szGrid.cy; y++) {
            CRect rcItem(m_rcControl.left + x * m_szItem.cx, m_rcControl.top + y * m_szItem.cy,
                         m_rcControl.left + (x + 1) * m_szItem.cx, m_rcControl.top + (y + 1) * m_szItem.cy);
            rcItem.DeflateRect(1, 1);
            BOOL bHighlighted = x < m_szSelected.cx && y < m_szSelected.cy;
            pDC->FillSolidRect(rcItem, ::GetSysColor(bHighlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            pDC->Draw3dRect(rcItem, pPaintManager->GetColor(kCellFrameColor), pPaintManager->GetColor(kCellFrameColor));
            OnDrawItem(pDC, rcItem,
                       bHighlighted ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : pPaintManager->GetColor(kCellTextColor));
        }
    }
}

void CXTPControlSelector::OnMouseMove(CPoint point)
{
    SetSelection(CSize(CellsBefore(point.x - m_rcControl.left, m_szItem.cx, m_szGrid.cx),
                       CellsBefore(point.y - m_rcControl.top, m_szItem.cy, m_szGrid.cy)),
                 FALSE);
}

BOOL CXTPControlSelector::SetSelected(int bSelected)
{
    if (!bSelected && m_pParent && m_pParent->GetSafeHwnd() && ::GetKeyState(VK_LBUTTON) < 0) {
        CPoint point;
        ::GetCursorPos(&point);
        m_pParent->ScreenToClient(&point);
        CSize szGrid = m_szGrid;
        if (point.x >= m_rcControl.right)
            szGrid.cx = static_cast<int>(std::min<long>(m_szItemsMax.cx, (point.x - m_rcControl.left) / m_szItem.cx + 1));
        if (point.y >= m_rcControl.bottom)
            szGrid.cy = static_cast<int>(std::min<long>(m_szItemsMax.cy, (point.y - m_rcControl.top) / m_szItem.cy + 1));
        szGrid.cx = std::max(szGrid.cx, m_szGrid.cx);
        szGrid.cy = std::max(szGrid.cy, m_szGrid.cy);
        if (szGrid != m_szGrid) {
            m_szGrid = szGrid;
            m_bGrowing = TRUE;
            m_pParent->OnRecalcLayout();
            m_bGrowing = FALSE;
            m_rcControl.right = m_rcControl.left + m_szGrid.cx * m_szItem.cx;
            m_rcControl.bottom = m_rcControl.top + m_szGrid.cy * m_szItem.cy;
            OnMouseMove(point);
            return FALSE;
        }
    }
    return CXTPControl::SetSelected(bSelected);
}

void CXTPControlSelector::OnLButtonUp(CPoint /*point*/)
{
    if (m_szSelected.cx <= 0 || m_szSelected.cy <= 0)
        return;
    m_szResult = m_szSelected;
    OnExecute();
}

void CXTPControlSelector::Copy(CXTPControl* pControl, BOOL bRecursive)
{
    CXTPControlSelector* pSelector = dynamic_cast<CXTPControlSelector*>(pControl);
    if (pSelector) {
        m_szItemsCount = pSelector->m_szItemsCount;
        m_szItemsMax = pSelector->m_szItemsMax;
        m_szItem = pSelector->m_szItem;
    }
    CXTPControl::Copy(pControl, bRecursive);
}

CXTPControl* CXTPControlSelector::Clone(BOOL bRecursive)
{
    CXTPControlSelector* pControl = new CXTPControlSelector();
    pControl->Copy(this, bRecursive);
    return pControl;
}

void CXTPControlSelector::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    XTPExchangeSizeWithDefault(pPX, L"ItemsCount", m_szItemsCount, CSize(5, 4));
    XTPExchangeSizeWithDefault(pPX, L"ItemsMax", m_szItemsMax, CSize(12, 12));
    CSize szItem = m_szItem;
    XTPExchangeSizeWithDefault(pPX, L"ItemSize", szItem, CSize(28, 28));
    SetItemSize(szItem);
}
