#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/XTPTabLoopGuard.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/tabs/XTPTabModalLoop.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"

namespace {

const COLORREF s_indexedColors[XTP_TABCOLOR_INDEXED_COUNT] = {
    RGB(138, 168, 228), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
    RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(216, 171, 192),
};

BOOL IsFocusable(const CXTPTabManagerItem* pItem)
{
    return pItem->IsVisible() && pItem->IsEnabled();
}

} // namespace

COLORREF XTPTabResolveItemColor(COLORREF clr)
{
    if (clr >= XTP_TABCOLOR_INDEXED && clr < XTP_TABCOLOR_INDEXED + XTP_TABCOLOR_INDEXED_COUNT)
        return s_indexedColors[clr - XTP_TABCOLOR_INDEXED];
    return clr;
}

CXTPTabManager::CRowIndexer::CRowIndexer(CXTPTabManager* pManager)
    : m_pManager(pManager)
{
    SetRowCount(1);
}

CXTPTabManager::CRowIndexer::~CRowIndexer()
{
    delete[] m_pRows;
}

CXTPTabManager::CRowIndexer::ROW* CXTPTabManager::CRowIndexer::SetRowCount(int nRowCount)
{
    nRowCount = nRowCount < 0 ? 0 : nRowCount;
    if (nRowCount != m_nRowCount)
    {
        delete[] m_pRows;
        m_pRows = nRowCount > 0 ? new ROW[nRowCount] : nullptr;
        m_nRowCount = nRowCount;
    }
    if (nRowCount >= 1)
    {
        m_pRows[0].nFirstItem = 0;
        m_pRows[0].nLastItem = m_pManager->GetItemCount() - 1;
    }
    return m_pRows;
}

CXTPTabManager::CXTPTabManager()
{
    m_pRowIndexer = new CRowIndexer(this);
    m_arrNavigateButtons.Add(new CNavigateButtonArrowLeft(this));
    m_arrNavigateButtons.Add(new CNavigateButtonArrowRight(this));
    m_arrNavigateButtons.Add(new CNavigateButtonClose(this));
}

CXTPTabManager::~CXTPTabManager()
{
    CXTPTabLoopGuard::TellStripDeleted(m_pLoopGuard);
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); i++)
        m_arrItems[i]->InternalRelease();
    m_arrItems.RemoveAll();
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        delete m_arrNavigateButtons[i];
    delete m_pRowIndexer;
    m_themeTabs.CloseThemeData();
}

CString CXTPTabManager::GetItemCaption(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_strCaption;
}

DWORD_PTR CXTPTabManager::GetItemUserValue(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_dwUserValue;
}

COLORREF CXTPTabManager::GetItemColor(const CXTPTabManagerItem* pItem) const
{
    return XTPTabResolveItemColor(pItem->m_clrItem);
}

CString CXTPTabManager::GetItemTooltip(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_strToolTip;
}

void CXTPTabManager::OnItemsChanged()
{
    for (int i = 0; i < GetItemCount(); i++)
        m_arrItems[i]->m_nIndex = i;
    Reposition();
}

void CXTPTabManager::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem == m_pSelected)
        return;
    m_pSelected = pItem;
    Reposition();
    EnsureVisible(pItem);
}

void CXTPTabManager::SetFocusedItem(CXTPTabManagerItem* pItem)
{
    if (pItem)
        SelectItem(pItem);
}

void CXTPTabManager::GetLayoutSizes(SIZE* pszFixed, SIZE* pszMin, SIZE* pszMax) const
{
    if (pszFixed)
        *pszFixed = m_szItemFixed;
    if (pszMin)
        *pszMin = m_szItemMin;
    if (pszMax)
        *pszMax = m_szItemMax;
}

void CXTPTabManager::SetPaintManager(CXTPTabPaintManager* /*pPaintManager*/)
{
}

BOOL CXTPTabManager::IsDrawStaticFrame() const
{
    return GetPaintManager()->m_bStaticFrame;
}

int CXTPTabManager::GetPosition() const
{
    return GetPaintManager()->GetPosition();
}

int CXTPTabManager::GetLayout() const
{
    return GetPaintManager()->GetLayout();
}

BOOL CXTPTabManager::IsHorizontal() const
{
    int nPosition = GetPosition();
    return nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom;
}

BOOL CXTPTabManager::IsHotTracking() const
{
    return GetPaintManager()->m_bHotTracking;
}

void CXTPTabManager::ScrollTabs(BOOL bForward)
{
    SetScrollOffset(m_nHeaderOffset + (bForward ? -m_nScrollDelta : m_nScrollDelta));
}

void CXTPTabManager::SetScrollOffset(int nOffset)
{
    if (nOffset > 0)
        nOffset = 0;
    if (nOffset == m_nHeaderOffset)
        return;
    m_nHeaderOffset = nOffset;
    Reposition();
}

int CXTPTabManager::GetItemsLength() const
{
    if (GetLayout() == xtpTabLayoutRotated)
    {
        CXTPTabPaintManager* pPaintManager = GetPaintManager();
        return pPaintManager->GetAppearanceSet()->GetButtonHeight(this) * GetItemCount();
    }
    int nLength = 0;
    for (int i = 0; i < GetItemCount(); i++)
        nLength += m_arrItems[i]->m_nButtonLength;
    return nLength;
}

BOOL CXTPTabManager::IsNavigateButtonAllowed(CXTPTabManagerNavigateButton* pButton) const
{
    if (pButton->GetId() == xtpTabNavigateButtonClose)
        return m_pSelected ? m_pSelected->IsClosable() : FALSE;
    return TRUE;
}

CXTPTabManagerItem* CXTPTabManager::AddItem(int nItem, CXTPTabManagerItem* pItem)
{
    if (!pItem)
        pItem = new CXTPTabManagerItem();
    pItem->m_pTabManager = this;
    if (nItem < 0 || nItem > GetItemCount())
        nItem = GetItemCount();
    m_arrItems.InsertAt(nItem, pItem);

    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    int nCounter = pPaintManager ? pPaintManager->m_nItemColor++ : 0;
    pItem->m_clrItem = XTP_TABCOLOR_INDEXED + nCounter % XTP_TABCOLOR_INDEXED_COUNT;

    OnItemsChanged();
    return pItem;
}

BOOL CXTPTabManager::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return FALSE;
    CXTPTabManagerItem* pItem = m_arrItems[nItem];
    BOOL bSelected = pItem == m_pSelected;
    if (m_pHighlighted == pItem)
        m_pHighlighted = nullptr;
    if (m_pPressed == pItem)
        m_pPressed = nullptr;
    m_arrItems.RemoveAt(nItem);
    // Still selected while its successor (or none) is chosen, so that the
    // choice counts as a change; released only afterwards.
    if (bSelected)
        SetCurSel(nItem);
    pItem->InternalRelease();
    OnItemsChanged();
    return TRUE;
}

void CXTPTabManager::DeleteAllItems()
{
    CArray<CXTPTabManagerItem*, CXTPTabManagerItem*> arrItems;
    arrItems.Copy(m_arrItems);
    m_arrItems.RemoveAll();
    m_pSelected = m_pHighlighted = m_pPressed = nullptr;
    for (INT_PTR i = 0; i < arrItems.GetSize(); i++)
        arrItems[i]->InternalRelease();
    OnItemsChanged();
}

void CXTPTabManager::SetCurSel(int nIndex)
{
    if (GetItemCount() == 0)
    {
        SetSelectedItem(nullptr);
        return;
    }
    nIndex = nIndex < 0 ? 0 : nIndex >= GetItemCount() ? GetItemCount() - 1 : nIndex;
    SetSelectedItem(m_arrItems[nIndex]);
}

int CXTPTabManager::GetCurSel() const
{
    return m_pSelected ? m_pSelected->GetIndex() : -1;
}

CXTPTabManagerItem* CXTPTabManager::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex] : nullptr;
}

CXTPTabManagerItem* CXTPTabManager::HitTest(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return nullptr;
    if (!m_rcHeaderRect.IsRectEmpty() && !m_rcHeaderRect.PtInRect(point))
        return nullptr;
    for (int i = 0; i < GetItemCount(); i++)
    {
        CXTPTabManagerItem* pItem = m_arrItems[i];
        if (pItem->GetRect().PtInRect(point) && pItem->IsVisible() && pItem->IsEnabled())
            return pItem;
    }
    return nullptr;
}

CXTPTabManagerNavigateButton* CXTPTabManager::FindNavigateButton(int nId) const
{
    for (int i = 0; i < GetNavigateButtonCount(); i++)
    {
        if (m_arrNavigateButtons[i]->GetId() == nId)
            return m_arrNavigateButtons[i];
    }
    return nullptr;
}

CXTPTabManagerNavigateButton* CXTPTabManager::HitTestNavigateButton(CPoint point, int* pnIndex) const
{
    for (int i = 0; i < GetNavigateButtonCount(); i++)
    {
        if (m_arrNavigateButtons[i]->GetRect().PtInRect(point))
        {
            if (pnIndex)
                *pnIndex = i;
            return m_arrNavigateButtons[i];
        }
    }
    return nullptr;
}

void CXTPTabManager::EnsureVisible(CXTPTabManagerItem* pItem)
{
    if (pItem && GetPaintManager())
        GetPaintManager()->EnsureVisible(this, pItem);
}

BOOL CXTPTabManager::PerformClick(HWND hWnd, CPoint point, BOOL bNavigateButtonsOnly)
{
    if (CXTPTabManagerNavigateButton* pButton = HitTestNavigateButton(point))
    {
        pButton->PerformClick(hWnd, point);
        return TRUE;
    }
    if (bNavigateButtonsOnly)
        return FALSE;
    CXTPTabManagerItem* pItem = HitTest(point);
    if (!pItem || !CanSelectItem(pItem))
        return FALSE;
    if (IsTrackDragEnabled())
        TrackItemDrag(hWnd, point, pItem);
    else if (!GetPaintManager()->m_bSelectOnButtonDown)
        TrackItemPress(hWnd, point, pItem);
    else
        SelectItem(pItem);
    return TRUE;
}

int CXTPTabManager::IndexOfItem(const CXTPTabManagerItem* pItem) const
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (m_arrItems[i] == pItem)
            return i;
    }
    return -1;
}

void CXTPTabManager::TrackItemPress(HWND hWnd, CPoint point, CXTPTabManagerItem* pItem)
{
    // The loop dispatches messages that may delete the tab: it is held,
    // and asked afterwards whether it is still one of the strip.
    pItem->InternalAddRef();
    // The strip itself may go too (its window's owner closed, a workspace
    // rebuilt): then nothing of it is touched again.
    CXTPTabLoopGuard guard(this);
    BOOL bHot = IsHotTracking();
    if (bHot)
        m_pHighlighted = pItem;
    m_pPressed = pItem;
    Reposition();

    ::SetCapture(hWnd);
    BOOL bInside = TRUE, bReleased = FALSE;
    CPoint ptLast = point;
    if (hWnd && ::GetCapture() == hWnd)
    {
        CXTPHeldButtonLoop loop;
        MSG msg;
        while (XTPTabGetLoopMessage(&msg, loop))
        {
            if (guard.IsStripDeleted() || ::GetCapture() != hWnd)
            {
                ::DispatchMessageW(&msg);
                break;
            }
            if (msg.message == WM_LBUTTONUP)
            {
                bReleased = TRUE;
                break;
            }
            if (XTPTabIsLoopCancel(msg))
                break;
            if (msg.message == WM_MOUSEMOVE)
            {
                ptLast = XTPTabMessagePoint(msg);
                bInside = IndexOfItem(pItem) >= 0 && pItem->GetRect().PtInRect(ptLast);
                CXTPTabManagerItem* pHighlighted = bInside ? pItem : nullptr;
                if (bHot && m_pHighlighted != pHighlighted)
                {
                    m_pHighlighted = pHighlighted;
                    RedrawControl();
                }
                continue;
            }
            XTPTabDispatchLoopMessage(msg);
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (guard.IsStripDeleted())
    {
        pItem->InternalRelease();
        return;
    }
    m_pPressed = nullptr;
    PerformMouseMove(hWnd, ptLast);
    RedrawControl();
    if (bReleased && bInside && IndexOfItem(pItem) >= 0)
        SelectItem(pItem);
    pItem->InternalRelease();
}

void CXTPTabManager::TrackItemDrag(HWND hWnd, CPoint point, CXTPTabManagerItem* pItem)
{
    // As in press tracking: the dragged tab or the strip may be deleted meanwhile.
    pItem->InternalAddRef();
    CXTPTabLoopGuard guard(this);
    CXTPTabManagerItem* pOldSelected = m_pSelected;
    m_pSelected = pItem;
    if (IsHotTracking())
        m_pHighlighted = pItem;
    Reposition();

    CArray<CRect, const CRect&> arrRects;
    for (int i = 0; i < GetItemCount(); i++)
        arrRects.Add(m_arrItems[i]->GetRect());

    ::SetCapture(hWnd);
    CPoint ptLast = point;
    CXTPHeldButtonLoop loop;
    MSG msg;
    while (hWnd && ::GetCapture() == hWnd && XTPTabGetLoopMessage(&msg, loop))
    {
        if (guard.IsStripDeleted())
        {
            ::DispatchMessageW(&msg);
            break;
        }
        if (msg.message == WM_LBUTTONUP || XTPTabIsLoopCancel(msg))
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            ptLast = XTPTabMessagePoint(msg);
            int nOld = IndexOfItem(pItem);
            for (int j = 0; nOld >= 0 && j < arrRects.GetSize() && j < GetItemCount(); j++)
            {
                if (j == nOld || !arrRects[j].PtInRect(ptLast))
                    continue;
                m_arrItems[nOld] = m_arrItems[j];
                m_arrItems[j] = pItem;
                OnItemsChanged();
                break;
            }
            continue;
        }
        XTPTabDispatchLoopMessage(msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (guard.IsStripDeleted())
    {
        pItem->InternalRelease();
        return;
    }
    PerformMouseMove(hWnd, ptLast);
    // A deleted tab took its selection along and the deletion chose another.
    if (IndexOfItem(pItem) >= 0)
    {
        m_pSelected = IndexOfItem(pOldSelected) >= 0 ? pOldSelected : nullptr;
        SelectItem(pItem);
    }
    pItem->InternalRelease();
}

void CXTPTabManager::PerformMouseMove(HWND hWnd, CPoint point)
{
    HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
    if (!hTop || ::GetForegroundWindow() != ::GetLastActivePopup(hTop))
        return;
    if (IsMouseLocked())
        return;
    if (IsHotTracking())
    {
        CXTPTabManagerItem* pItem = HitTest(point);
        if (pItem != m_pHighlighted)
        {
            m_pHighlighted = pItem;
            RedrawControl();
            if (pItem)
                XTPTabTrackMouseLeave(hWnd);
        }
    }
    for (int i = 0; i < GetNavigateButtonCount(); i++)
        m_arrNavigateButtons[i]->PerformMouseMove(hWnd, point);
}

BOOL CXTPTabManager::PerformKeyDown(HWND hWnd, UINT nChar)
{
    if (GetItemCount() == 0)
        return FALSE;
    if (nChar != VK_END && nChar != VK_HOME && nChar != VK_LEFT && nChar != VK_UP && nChar != VK_RIGHT &&
        nChar != VK_DOWN)
        return FALSE;
    if (hWnd && (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
        nChar = nChar == VK_LEFT ? VK_RIGHT : nChar == VK_RIGHT ? VK_LEFT : nChar;

    BOOL bHorizontal = IsHorizontal();
    int nCount = GetItemCount();
    int nCurrent = GetCurSel();
    CXTPTabManagerItem* pFound = nullptr;
    int nStart = -1, nStep = 0;
    if (nChar == VK_END)
        nStart = nCount - 1, nStep = -1;
    else if (nChar == VK_HOME)
        nStart = 0, nStep = 1;
    else if ((nChar == VK_LEFT && bHorizontal) || (nChar == VK_UP && !bHorizontal))
        nStart = nCurrent - 1, nStep = nCurrent > 0 ? -1 : 0;
    else if ((nChar == VK_RIGHT && bHorizontal) || (nChar == VK_DOWN && !bHorizontal))
        nStart = nCurrent + 1, nStep = nCurrent >= 0 && nCurrent < nCount - 1 ? 1 : 0;
    else
        return TRUE;
    if (nStep == 0)
        return TRUE;
    for (int i = nStart; i >= 0 && i < nCount; i += nStep)
    {
        if (IsFocusable(m_arrItems[i]))
        {
            pFound = m_arrItems[i];
            break;
        }
    }
    SetFocusedItem(pFound);
    return TRUE;
}

int CXTPTabManager::PerformToolHitTest(HWND hWnd, CPoint point, TOOLINFO* pTI) const
{
    if (IsMouseLocked())
        return -1;
    int nButton = -1;
    if (CXTPTabManagerNavigateButton* pButton = HitTestNavigateButton(point, &nButton))
    {
        CString strTip = pButton->GetTooltip();
        if (!pButton->IsEnabled() || strTip.IsEmpty())
            return -1;
        CRect rc = pButton->GetRect();
        CXTPToolTipContext::FillInToolInfo(pTI, hWnd, rc.left, rc.top, rc.right, rc.bottom, nButton, strTip);
        return nButton;
    }
    CXTPTabManagerItem* pItem = HitTest(point);
    if (!pItem)
        return -1;
    int nMode = GetPaintManager()->m_nToolTipMode;
    if (nMode == xtpTabToolTipNever)
        return -1;
    if (nMode == xtpTabToolTipShrinkedOnly && pItem->m_nButtonLength >= pItem->m_nContentLength)
        return -1;
    CString strTip = GetItemTooltip(pItem);
    if (strTip.IsEmpty())
        return -1;
    CRect rc = pItem->GetRect();
    CXTPToolTipContext::FillInToolInfo(pTI, hWnd, rc.left, rc.top, rc.right, rc.bottom, pItem->GetIndex(), strTip,
                                       GetItemCaption(pItem), strTip);
    return pItem->GetIndex();
}
