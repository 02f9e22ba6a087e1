#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportDestroyGuard.h"

#include "framework/core/CResourceException.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CBrush.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumnListBox.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/rows/XTPReportGroupRow.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/rows/XTPReportNavigator.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/records/XTPReportRecordItemPreview.h"
#include "toolkit/report/records/XTPReportRecords.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportSelectedRows.h"

IMPLEMENT_DYNAMIC(CXTPReportControl, CWnd)

BEGIN_MESSAGE_MAP(CXTPReportControl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_STYLECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CONTEXTMENU()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

const int kDefaultWheelLines = 3;
const int kWheelDelta = WHEEL_DELTA;
const int kDropMarkerSize = 7;

void RegisterReportClass()
{
    HINSTANCE hInstance = ::GetModuleHandle(nullptr);
    WNDCLASS wndcls = {};
    if (::GetClassInfo(hInstance, XTPREPORTCTRL_CLASSNAME, &wndcls))
        return;
    wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInstance;
    wndcls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wndcls.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wndcls.lpszClassName = XTPREPORTCTRL_CLASSNAME;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
}

} // namespace

CXTPReportControl::CXTPReportControl()
    : m_bChanged(TRUE), m_bRefreshIndexes(FALSE), m_nLockUpdateCount(0), m_rcGroupByArea(0, 0, 0, 0),
      m_rcHeaderArea(0, 0, 0, 0), m_rcFooterArea(0, 0, 0, 0), m_rcReportArea(0, 0, 0, 0),
      m_pRows(new CXTPReportRows()), m_pPlainTree(new CXTPReportRows()), m_pRecords(new CXTPReportRecords()),
      m_pColumns(new CXTPReportColumns(this)), m_pPaintManager(new CXTPReportPaintManager()),
      m_pNavigator(new CXTPReportNavigator(this)), m_nTopRow(0), m_nLeftOffset(0), m_nFreezeColumnsCount(0),
      m_nFocusedRow(-1), m_pSelectedRows(new CXTPReportSelectedRows(this)), m_pHotRow(nullptr),
      m_nWheelScrollLines(ReadWheelScrollLines()), m_bGroupByEnabled(FALSE), m_mouseMode(xtpReportMouseIdle),
      m_bMultipleSelection(TRUE), m_bShowTooltips(TRUE), m_bSkipGroupsFocus(TRUE), m_bFocusSubItems(FALSE),
      m_bHeaderVisible(TRUE), m_bFooterVisible(FALSE), m_pFocusedColumn(nullptr),
      m_pToolTipContext(new CXTPToolTipContext()), m_pImageManager(new CXTPImageManager()), m_pActiveItem(nullptr),
      m_pInplaceEdit(new CXTPReportInplaceEdit()), m_pInplaceButtons(new CXTPReportInplaceButtons()),
      m_pInplaceList(new CXTPReportInplaceList()), m_bVScrollBarVisible(FALSE), m_bHScrollBarVisible(FALSE),
      m_pointDrag(0, 0), m_bPrepareDrag(FALSE), m_pReportHeader(nullptr), m_nPopulatedRows(0), m_cfReport(0),
      m_dwDragDropFlags(0), m_nDropPos(-1), m_pSelectOnUpRow(nullptr), m_bAllowEdit(FALSE), m_bEditOnClick(TRUE),
      m_bAutoCheckItems(TRUE), m_bScrollBarsChanged(FALSE), m_pbDestroyed(nullptr), m_bDragSource(FALSE), m_bInTipFilter(FALSE),
      m_bInMouseLeave(FALSE), m_pDropTarget(nullptr)
{
    m_pDropTarget = new CReportDropTarget(this);
    m_pReportHeader = new CXTPReportHeader(this, m_pColumns);
    RegisterReportClass();
}

CXTPReportControl::~CXTPReportControl()
{
    if (m_pbDestroyed)
        *m_pbDestroyed = TRUE;
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.DestroyWindow();
    EditItem(nullptr);
    m_arrScreenRows.Clear(FALSE);
    m_pRows->InternalRelease();
    m_pPlainTree->InternalRelease();
    m_pRecords->InternalRelease();
    m_pColumns->InternalRelease();
    m_pSelectedRows->InternalRelease();
    m_pPaintManager->InternalRelease();
    m_pNavigator->InternalRelease();
    m_pImageManager->InternalRelease();
    m_pReportHeader->InternalRelease();
    m_pToolTipContext->InternalRelease();
    delete m_pInplaceEdit;
    delete m_pInplaceButtons;
    delete m_pInplaceList;
    m_pDropTarget->Revoke();
    m_pDropTarget->InternalRelease();
}

int CXTPReportControl::ReadWheelScrollLines()
{
    OSVERSIONINFO osvi = {sizeof(OSVERSIONINFO)};
    ::GetVersionEx(&osvi);
    if (osvi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && osvi.dwMinorVersion == 0)
    {
        HKEY hKey = nullptr;
        int nLines = kDefaultWheelLines;
        if (::RegOpenKeyEx(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) ==
            ERROR_SUCCESS)
        {
            WCHAR szData[16] = {};
            DWORD cbData = sizeof(szData) - sizeof(WCHAR);
            if (::RegQueryValueEx(hKey, L"WheelScrollLines", nullptr, nullptr, (LPBYTE)szData, &cbData) ==
                ERROR_SUCCESS)
                nLines = _wtoi(szData);
            ::RegCloseKey(hKey);
        }
        return nLines;
    }
    UINT nLines = kDefaultWheelLines;
    if (!::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0))
        return kDefaultWheelLines;
    return (int)nLines;
}

BOOL CXTPReportControl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(XTPREPORTCTRL_CLASSNAME, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    // Without OLE on the thread there are no drops, but the window stands.
    m_pDropTarget->Register(this);
    AdjustLayout();
    return TRUE;
}

CString CXTPReportControl::GetFilterText()
{
    return m_strFilterText;
}

BOOL CXTPReportControl::IsEditMode()
{
    return m_pInplaceEdit && m_pInplaceEdit->GetSafeHwnd() && m_pInplaceEdit->IsWindowVisible();
}

void CXTPReportControl::BeginUpdate()
{
    // Only the outermost lock starts a fresh batch; a nested one must not
    // drop a renumbering asked for under the outer lock.
    if (m_nLockUpdateCount == 0)
        m_bRefreshIndexes = FALSE;
    m_nLockUpdateCount++;
}

void CXTPReportControl::EndUpdate()
{
    if (m_nLockUpdateCount > 0)
        m_nLockUpdateCount--;
    m_bChanged = TRUE;
    if (m_nLockUpdateCount != 0)
        return;
    if (m_bRefreshIndexes)
    {
        m_bRefreshIndexes = FALSE;
        UpdateRowIndexes();
    }
    if (m_bScrollBarsChanged && GetSafeHwnd())
    {
        m_bScrollBarsChanged = FALSE;
        RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    }
    RedrawControl();
}

void CXTPReportControl::RedrawControl()
{
    m_bChanged = TRUE;
    if (m_nLockUpdateCount == 0 && GetSafeHwnd())
        Invalidate(FALSE);
}

void CXTPReportControl::UpdateRowIndexes()
{
    if (m_nLockUpdateCount > 0)
    {
        m_bRefreshIndexes = TRUE;
        return;
    }
    for (int i = 0; i < m_pRows->GetCount(); ++i)
    {
        CXTPReportRow* pRow = m_pRows->GetAt(i);
        pRow->m_nIndex = i;
        pRow->m_bVisible = TRUE;
    }
    AdjustScrollBars();
}

CXTPReportColumn* CXTPReportControl::AddColumn(CXTPReportColumn* pColumn)
{
    m_pColumns->Add(pColumn);
    return pColumn;
}

CXTPReportRecord* CXTPReportControl::AddRecord(CXTPReportRecord* pRecord)
{
    return m_pRecords->Add(pRecord);
}

CXTPReportColumn* CXTPReportControl::GetTreeColumn() const
{
    return m_pColumns->GetTreeColumn();
}

BOOL CXTPReportControl::IsVirtualMode() const
{
    return m_pRecords->IsVirtualMode();
}

BOOL CXTPReportControl::GetSelectedRecords(CXTPReportRecords* pRecords)
{
    if (!pRecords || m_pSelectedRows->GetCount() == 0)
        return FALSE;
    POSITION pos = m_pSelectedRows->GetFirstSelectedRowPosition();
    while (pos)
    {
        CXTPReportRow* pRow = m_pSelectedRows->GetNextSelectedRow(pos);
        if (pRow && pRow->GetRecord())
            pRecords->Add(pRow->GetRecord());
    }
    return TRUE;
}

int CXTPReportControl::GetIndent(int nLevel) const
{
    const int nIndent = m_pPaintManager->GetTreeIndent() * (nLevel - 1);
    return nIndent > 0 ? nIndent : 0;
}

void CXTPReportControl::ShowGroupBy(BOOL bEnable)
{
    m_bGroupByEnabled = bEnable;
    AdjustLayout();
    AdjustScrollBars();
    RedrawControl();
}

void CXTPReportControl::ShowHeader(BOOL bShow)
{
    m_bHeaderVisible = bShow;
    AdjustLayout();
    AdjustScrollBars();
    RedrawControl();
}

void CXTPReportControl::ShowFooter(BOOL bShow)
{
    m_bFooterVisible = bShow;
    AdjustLayout();
    AdjustScrollBars();
    RedrawControl();
}

CXTPReportRow* CXTPReportControl::GetFocusedRow()
{
    return m_nFocusedRow >= 0 && m_nFocusedRow < m_pRows->GetCount() ? m_pRows->GetAt(m_nFocusedRow) : nullptr;
}

void CXTPReportControl::SetFocusedRow(CXTPReportRow* pRow, BOOL bKeepSelection)
{
    EditItem(nullptr);
    BeginUpdate();
    if (pRow && (!bKeepSelection || !m_bMultipleSelection))
        m_pSelectedRows->Select(pRow);
    m_nFocusedRow = pRow ? pRow->GetIndex() : -1;
    if (pRow)
        EnsureVisible(pRow);
    EndUpdate();
    if (m_pSelectedRows->IsChanged())
        OnSelectionChanged();
}

void CXTPReportControl::SetFocusedRow(CXTPReportRow* pRow, BOOL bShiftKey, BOOL bControlKey)
{
    EditItem(nullptr);
    BeginUpdate();
    if (pRow)
    {
        CXTPReportRow* pFocused = GetFocusedRow();
        if (!m_bMultipleSelection)
            m_pSelectedRows->Select(pRow);
        else if (bShiftKey && pFocused)
            m_pSelectedRows->SelectBlock(pFocused->GetIndex(), pRow->GetIndex());
        else if (!bControlKey)
            m_pSelectedRows->Select(pRow);
        m_nFocusedRow = pRow->GetIndex();
        EnsureVisible(pRow);
    }
    EndUpdate();
    if (m_pSelectedRows->IsChanged())
        OnSelectionChanged();
}

void CXTPReportControl::SetFocusedColumn(CXTPReportColumn* pColumn)
{
    if (m_pFocusedColumn == pColumn)
        return;
    m_pFocusedColumn = pColumn;
    if (!m_bFocusSubItems)
        return;
    if (pColumn)
    {
        // Column rectangles are in scrolled coordinates.
        const CRect rcColumn = pColumn->GetRect();
        const int nAreaWidth = m_rcReportArea.Width();
        const int nRight = rcColumn.right;
        const int nLeft = rcColumn.left;
        int nFrozenRight = 0;
        for (int i = 0; i < m_nFreezeColumnsCount; ++i)
        {
            CXTPReportColumn* pFrozen = m_pColumns->GetVisibleAt(i);
            if (!pFrozen || pFrozen == pColumn)
                break;
            nFrozenRight = pFrozen->GetRect().right;
        }
        if (nRight > nAreaWidth)
        {
            const int nGrow = rcColumn.left < nRight - nAreaWidth ? rcColumn.left : nRight - nAreaWidth;
            SetLeftOffset(m_nLeftOffset + nGrow);
        }
        else if (nLeft <= nFrozenRight && m_nLeftOffset != 0)
        {
            SetLeftOffset(m_nLeftOffset - (nFrozenRight - nLeft));
        }
    }
    OnSelectionChanged();
}

void CXTPReportControl::OnSelectionChanged()
{
    SendNotifyMessage(RN_SELCHANGED);
    m_pSelectedRows->SetChanged(FALSE);
}

void CXTPReportControl::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                       XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    XTP_REPORTNOTIFY_METRICS nm = {};
    nm.pDrawArgs = pDrawArgs;
    nm.pMetrics = pMetrics;
    SendNotifyMessage(RN_ITEMMETRICS, &nm.hdr);
}

BOOL CXTPReportControl::OnPreviewKeyDown(UINT& rnChar, UINT nRepCnt, UINT nFlags)
{
    XTP_REPORTNOTIFY_KEY nm = {};
    nm.nChar = rnChar;
    nm.nRepCnt = nRepCnt;
    nm.nFlags = nFlags;
    nm.bCancel = FALSE;
    SendNotifyMessage(RN_PREVIEWKEYDOWN, &nm.hdr);
    rnChar = nm.nChar;
    return !nm.bCancel;
}

CXTPReportRow* CXTPReportControl::CreateRow()
{
    return new CXTPReportRow();
}

LRESULT CXTPReportControl::SendNotifyMessage(UINT nMessage, NMHDR* pNMHDR) const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    NMHDR nmhdr;
    if (!pNMHDR)
        pNMHDR = &nmhdr;
    pNMHDR->hwndFrom = m_hWnd;
    pNMHDR->idFrom = (UINT_PTR)GetDlgCtrlID();
    pNMHDR->code = nMessage;
    CWnd* pOwner = GetOwner();
    HWND hTarget = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    if (!hTarget)
        hTarget = ::GetParent(m_hWnd);
    if (!hTarget || !::IsWindow(hTarget))
        return 0;
    return ::SendMessage(hTarget, WM_NOTIFY, pNMHDR->idFrom, (LPARAM)pNMHDR);
}

LRESULT CXTPReportControl::SendMessageToParent(CXTPReportRow* pRow, CXTPReportRecordItem* pItem,
                                               CXTPReportColumn* pColumn, UINT nMessage, CPoint* pPoint,
                                               int nHyperlink) const
{
    XTP_REPORTNOTIFY_ITEM nm = {};
    nm.pRow = pRow;
    nm.pItem = pItem;
    nm.pColumn = pColumn;
    nm.nHyperlink = nHyperlink;
    if (pPoint)
        nm.pt = *pPoint;
    return SendNotifyMessage(nMessage, &nm.hdr);
}

void CXTPReportControl::EditItem(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (m_pActiveItem)
    {
        CXTPReportRecordItem* pActive = m_pActiveItem;
        m_pActiveItem = nullptr;
        pActive->OnEndEdit(this, TRUE);
    }
    if (!m_bFocusSubItems)
        m_pFocusedColumn = nullptr;
    if (pItemArgs && pItemArgs->pRow && pItemArgs->pItem)
    {
        if (!pItemArgs->pRow->IsFocused())
        {
            SetFocusedRow(pItemArgs->pRow);
            UpdateWindow();
        }
        XTP_REPORTRECORDITEM_ARGS args(*pItemArgs);
        args.rcItem = pItemArgs->pRow->GetItemRect(pItemArgs->pItem);
        m_pFocusedColumn = args.pColumn;
        m_pActiveItem = args.pItem;
        args.pItem->OnBeginEdit(&args);
    }
    RedrawControl();
}

CXTPReportRow* CXTPReportControl::HitTest(CPoint pt) const
{
    if (!m_rcReportArea.PtInRect(pt))
        return nullptr;
    for (int i = 0; i < m_arrScreenRows.GetCount(); ++i)
    {
        CXTPReportRow* pRow = m_arrScreenRows.GetAt(i);
        if (pRow && pRow->GetRect().PtInRect(pt))
            return pRow;
    }
    return nullptr;
}

void CXTPReportControl::AdjustLayout()
{
    if (!GetSafeHwnd())
        return;
    CRect rcClient;
    GetClientRect(rcClient);
    const int nGroupBy = m_bGroupByEnabled ? m_pReportHeader->GetGroupByHeight() : 0;
    m_rcGroupByArea.SetRect(0, 0, rcClient.Width(), nGroupBy);

    int nHeaderHeight = 0;
    if (m_bHeaderVisible)
    {
        CClientDC dc(this);
        nHeaderHeight = m_pPaintManager->GetHeaderHeight(this, &dc, rcClient.Width());
    }
    const int nFooterHeight = m_bFooterVisible ? m_pPaintManager->GetFixedHeaderHeight() : 0;
    m_rcHeaderArea.SetRect(0, m_rcGroupByArea.bottom, rcClient.Width(), m_rcGroupByArea.bottom + nHeaderHeight);
    m_rcFooterArea.SetRect(0, rcClient.bottom - nFooterHeight, rcClient.Width(), rcClient.bottom);
    m_rcReportArea.SetRect(0, m_rcHeaderArea.bottom, rcClient.Width(), m_rcFooterArea.top);
    if (m_rcReportArea.bottom < m_rcReportArea.top)
        m_rcReportArea.bottom = m_rcReportArea.top;

    const int nOldWidth = m_pReportHeader->GetHeaderRect().Width();
    m_pReportHeader->SetHeaderRect(m_rcHeaderArea);
    m_pReportHeader->SetGroupByRect(m_rcGroupByArea);
    if (nOldWidth != m_rcHeaderArea.Width())
        m_pReportHeader->AdjustColumnsWidth(m_rcHeaderArea.Width());
}

int CXTPReportControl::GetMaxTopRow(CDC* pDC)
{
    const int nCount = m_pRows->GetCount();
    int nHeight = m_rcReportArea.Height();
    const int nWidth = m_pReportHeader->GetTotalWidth();
    for (int i = nCount - 1; i >= 0; --i)
    {
        nHeight -= m_pRows->GetAt(i)->GetHeight(pDC, nWidth);
        if (nHeight < 0)
            return i + 1 < nCount ? i + 1 : i;
    }
    return 0;
}

void CXTPReportControl::AdjustScrollBars()
{
    if (!GetSafeHwnd() || m_rcReportArea.Height() <= 0)
        return;
    EditItem(nullptr);
    BeginUpdate();
    CClientDC dc(this);
    const int nCount = m_pRows->GetCount();
    const int nMaxTop = GetMaxTopRow(&dc);
    if (m_nTopRow > nMaxTop)
        m_nTopRow = nMaxTop;

    SCROLLINFO si = {sizeof(SCROLLINFO)};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = nCount > 0 ? nCount - 1 : 0;
    si.nPage = (UINT)(nCount - nMaxTop);
    si.nPos = m_nTopRow;
    SetScrollInfoIfChanged(SB_VERT, si);
    m_bVScrollBarVisible = nMaxTop > 0;
    // Showing a bar re-lays the window out: only when it changes.
    if (((GetStyle() & WS_VSCROLL) != 0) != m_bVScrollBarVisible)
        ShowScrollBar(SB_VERT, m_bVScrollBarVisible);

    if (m_pReportHeader->IsColumnAutoSizing())
    {
        m_nLeftOffset = 0;
        m_bHScrollBarVisible = FALSE;
    }
    else
    {
        int nExcess = m_pReportHeader->GetTotalWidth() - m_rcReportArea.Width();
        if (nExcess < 0)
            nExcess = 0;
        if (m_nLeftOffset > nExcess)
            m_nLeftOffset = nExcess;
        m_bHScrollBarVisible = nExcess > 0;
        if (m_bHScrollBarVisible)
        {
            SCROLLINFO hsi = {sizeof(SCROLLINFO)};
            hsi.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            hsi.nMin = 0;
            hsi.nMax = m_rcReportArea.Width() + nExcess;
            hsi.nPage = (UINT)m_rcReportArea.Width();
            hsi.nPos = m_nLeftOffset;
            SetScrollInfoIfChanged(SB_HORZ, hsi);
        }
    }
    if (((GetStyle() & WS_HSCROLL) != 0) != m_bHScrollBarVisible)
        ShowScrollBar(SB_HORZ, m_bHScrollBarVisible);
    m_pReportHeader->PlaceColumns();
    EndUpdate();
}

void CXTPReportControl::SetScrollInfoIfChanged(int nBar, SCROLLINFO& si)
{
    // Setting a bar redraws it, which costs a round trip to the display.
    SCROLLINFO current = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS};
    if (GetScrollInfo(nBar, &current, SIF_RANGE | SIF_PAGE | SIF_POS) && current.nMin == si.nMin &&
        current.nMax == si.nMax && current.nPage == si.nPage && current.nPos == si.nPos)
        return;
    // Drawn with the frame when the lock ends.
    SetScrollInfo(nBar, &si, FALSE);
    m_bScrollBarsChanged = TRUE;
}

int CXTPReportControl::GetPageRowCount(int nStartRow, int nDirection)
{
    CClientDC dc(this);
    const int nWidth = m_pReportHeader->GetTotalWidth();
    int nHeight = 0;
    int nRows = 0;
    for (int i = nStartRow; i >= 0 && i < m_pRows->GetCount(); i += nDirection)
    {
        nHeight += m_pRows->GetAt(i)->GetHeight(&dc, nWidth);
        if (nHeight > m_rcReportArea.Height())
            break;
        ++nRows;
    }
    return nRows;
}

void CXTPReportControl::SetTopRowIndex(int nIndex)
{
    m_nTopRow = nIndex < 0 ? 0 : nIndex;
    AdjustScrollBars();
    RedrawControl();
}

void CXTPReportControl::SetFreezeColumnsCount(int nCount)
{
    m_nFreezeColumnsCount = nCount < 0 ? 0 : nCount;
    m_pReportHeader->PlaceColumns();
    RedrawControl();
}

void CXTPReportControl::SetLeftOffset(int nOffset)
{
    m_nLeftOffset = nOffset < 0 ? 0 : nOffset;
    AdjustScrollBars();
    m_pReportHeader->PlaceColumns();
    RedrawControl();
}

void CXTPReportControl::EnsureVisible(CXTPReportRow* pRow)
{
    if (!pRow || pRow->GetIndex() < 0 || !pRow->IsVisible() || pRow->GetIndex() >= m_pRows->GetCount() ||
        !GetSafeHwnd())
        return;
    const int nIndex = pRow->GetIndex();
    if (nIndex < m_nTopRow)
    {
        SetTopRowIndex(nIndex);
        return;
    }
    CClientDC dc(this);
    const int nWidth = m_pReportHeader->GetTotalWidth();
    int nHeight = 0;
    for (int i = m_nTopRow; i <= nIndex; ++i)
        nHeight += m_pRows->GetAt(i)->GetHeight(&dc, nWidth);
    if (nHeight <= m_rcReportArea.Height())
        return;
    int nRoom = m_rcReportArea.Height();
    int nTop = nIndex;
    for (int i = nIndex; i >= 0; --i)
    {
        nRoom -= m_pRows->GetAt(i)->GetHeight(&dc, nWidth);
        if (nRoom < 0)
        {
            nTop = i + 1 <= nIndex ? i + 1 : nIndex;
            break;
        }
        nTop = i;
    }
    SetTopRowIndex(nTop);
}

void CXTPReportControl::MoveVertical(UINT nSBCode)
{
    const int nLimit = GetScrollLimit(SB_VERT);
    int nTop = m_nTopRow;
    switch (nSBCode)
    {
    case SB_LINEUP:
        nTop = nTop > 0 ? nTop - 1 : 0;
        break;
    case SB_LINEDOWN:
        nTop = nTop < nLimit ? nTop + 1 : nLimit;
        break;
    case SB_PAGEUP:
        nTop -= GetPageRowCount(nTop - 1, -1);
        if (nTop < 0)
            nTop = 0;
        break;
    case SB_PAGEDOWN:
    {
        const int nNext = nTop + GetPageRowCount(nTop, 1);
        nTop = nNext < nLimit ? nNext : nLimit;
        break;
    }
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
    {
        SCROLLINFO si = {sizeof(SCROLLINFO)};
        if (GetScrollInfo(SB_VERT, &si, SIF_TRACKPOS))
            nTop = si.nTrackPos;
        break;
    }
    case SB_TOP:
        nTop = 0;
        break;
    case SB_BOTTOM:
        nTop = nLimit;
        break;
    default:
        return;
    }
    SetTopRowIndex(nTop);
}

void CXTPReportControl::MoveHorizontal(UINT nSBCode)
{
    const int nLimit = GetScrollLimit(SB_HORZ);
    int nOffset = m_nLeftOffset;
    switch (nSBCode)
    {
    case SB_LINELEFT:
        nOffset = nOffset > 0 ? nOffset - 1 : 0;
        break;
    case SB_LINERIGHT:
        nOffset = nOffset < nLimit ? nOffset + 1 : nLimit;
        break;
    case SB_PAGELEFT:
        nOffset -= m_rcReportArea.Width();
        break;
    case SB_PAGERIGHT:
        nOffset = nOffset + m_rcReportArea.Width() < nLimit ? nOffset + m_rcReportArea.Width() : nLimit;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
    {
        SCROLLINFO si = {sizeof(SCROLLINFO)};
        if (GetScrollInfo(SB_HORZ, &si, SIF_TRACKPOS))
            nOffset = si.nTrackPos;
        break;
    }
    case SB_LEFT:
        nOffset = 0;
        break;
    case SB_RIGHT:
        nOffset = nLimit;
        break;
    default:
        return;
    }
    SetLeftOffset(nOffset);
}

void CXTPReportControl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    MoveVertical(nSBCode);
}

void CXTPReportControl::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    MoveHorizontal(nSBCode);
}

BOOL CXTPReportControl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (!m_bVScrollBarVisible)
        return (BOOL)Default();
    (void)nFlags;
    (void)pt;
    const BOOL bPages = m_nWheelScrollLines == -1;
    int nSteps = bPages ? zDelta / kWheelDelta : zDelta * m_nWheelScrollLines / kWheelDelta;
    const UINT nCode = zDelta > 0 ? (bPages ? SB_PAGEUP : SB_LINEUP) : (bPages ? SB_PAGEDOWN : SB_LINEDOWN);
    if (nSteps < 0)
        nSteps = -nSteps;
    BeginUpdate();
    for (int i = 0; i < nSteps; ++i)
        MoveVertical(nCode);
    EndUpdate();
    UpdateWindow();
    return TRUE;
}

void CXTPReportControl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    if (m_nLockUpdateCount > 0 || (!m_bChanged && m_bmpCache.GetSafeHandle()))
    {
        if (!m_bmpCache.GetSafeHandle())
            return;
        CBitmap* pOld = memDC.SelectObject(&m_bmpCache);
        dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOld);
        return;
    }
    m_bmpCache.DeleteObject();
    m_bmpCache.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
    CBitmap* pOld = memDC.SelectObject(&m_bmpCache);
    OnDraw(&memDC);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

BOOL CXTPReportControl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPReportControl::OnDraw(CDC* pDC)
{
    if (GetExStyle() & WS_EX_RTLREADING)
        pDC->SetTextAlign(pDC->GetTextAlign() | TA_RTLREADING);
    CRect rcClient;
    GetClientRect(rcClient);
    pDC->FillSolidRect(rcClient, m_pPaintManager->GetControlBackColor(this));
    if (!m_rcHeaderArea.IsRectEmpty())
        m_pReportHeader->Draw(pDC, m_rcHeaderArea, m_nLeftOffset);
    m_pReportHeader->DrawGroupByControl(pDC, m_rcGroupByArea);
    DrawRows(pDC, m_rcReportArea);
    if (m_rcFooterArea.Height() > 0)
        m_pReportHeader->DrawFooter(pDC, m_rcFooterArea, m_nLeftOffset);
    if (m_nDropPos != -1)
        DrawDropMarker(pDC);
    m_bChanged = FALSE;
}

void CXTPReportControl::DrawRows(CDC* pDC, CRect& rcClient)
{
    m_arrScreenRows.Clear(FALSE);
    if (m_pRows->GetCount() == 0)
    {
        m_pPaintManager->DrawNoItems(pDC, rcClient);
        return;
    }
    const int nWidth = m_pReportHeader->GetTotalWidth();
    int y = rcClient.top;
    for (int i = m_nTopRow; i < m_pRows->GetCount() && y < rcClient.bottom; ++i)
    {
        CXTPReportRow* pRow = m_pRows->GetAt(i);
        const int nHeight = pRow->GetHeight(pDC, nWidth);
        CRect rcRow(rcClient.left, y, rcClient.left + nWidth, y + nHeight);
        if (IsVirtualMode())
        {
            // The one virtual row is copied for every drawn position.
            CXTPReportRow* pCopy = CreateRow();
            pCopy->CopyFrom(pRow);
            pCopy->m_bVisible = TRUE;
            pCopy->Draw(pDC, rcRow, m_nLeftOffset);
            m_arrScreenRows.InsertAt(m_arrScreenRows.GetCount(), pCopy);
        }
        else
        {
            pRow->Draw(pDC, rcRow, m_nLeftOffset);
            // Inserted, not added: the on-screen list is not the row's own list.
            pRow->InternalAddRef();
            m_arrScreenRows.InsertAt(m_arrScreenRows.GetCount(), pRow);
        }
        y += nHeight;
    }
}

void CXTPReportControl::DrawDropMarker(CDC* pDC)
{
    const COLORREF clrMarker = m_pPaintManager->m_clrDropMarker;
    CBrush brush;
    brush.CreateSolidBrush(clrMarker);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clrMarker);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int y = m_nDropPos;
    const int nLeft = m_rcReportArea.left;
    const int nRight = m_rcReportArea.right - 1;
    const POINT ptLeft[kDropMarkerSize] = {{nLeft, y - 3}, {nLeft + 3, y - 3}, {nLeft + 3, y - 6}, {nLeft + 7, y},
                                           {nLeft + 3, y + 6}, {nLeft + 3, y + 3}, {nLeft, y + 3}};
    const POINT ptRight[kDropMarkerSize] = {{nRight, y - 3}, {nRight - 3, y - 3}, {nRight - 3, y - 6},
                                            {nRight - 7, y}, {nRight - 3, y + 6}, {nRight - 3, y + 3},
                                            {nRight, y + 3}};
    pDC->Polygon(ptLeft, kDropMarkerSize);
    pDC->Polygon(ptRight, kDropMarkerSize);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

void CXTPReportControl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    AdjustLayout();
    AdjustScrollBars();
    RedrawControl();
}

void CXTPReportControl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    RedrawControl();
}

void CXTPReportControl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    RedrawControl();
}

void CXTPReportControl::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    CWnd::OnStyleChanged(nStyleType, lpStyleStruct);
    RedrawControl();
}

void CXTPReportControl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    m_pPaintManager->RefreshMetrics();
    RedrawControl();
}

UINT CXTPReportControl::OnGetDlgCode()
{
    return m_bFocusSubItems ? (DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS) : (DLGC_WANTARROWS | DLGC_WANTCHARS);
}

void CXTPReportControl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    NMCHAR nmChar = {};
    nmChar.ch = nChar;
    SendNotifyMessage(NM_CHAR, &nmChar.hdr);

    CXTPReportRow* pFocused = GetFocusedRow();
    if (m_bFocusSubItems && pFocused && nChar == VK_TAB)
    {
        EditItem(nullptr);
        m_pNavigator->MoveLeftRight(::GetKeyState(VK_SHIFT) < 0);
        return;
    }
    if (m_pFocusedColumn && pFocused && pFocused->GetRecord() && nChar != VK_RETURN && nChar != VK_ESCAPE)
    {
        XTP_REPORTRECORDITEM_ARGS args(this, pFocused, m_pFocusedColumn);
        if (args.pItem && args.pItem->OnChar(&args, nChar))
            return;
    }
    DefWindowProc(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CXTPReportControl::OnDestroy()
{
    EditItem(nullptr);
    CWnd::OnDestroy();
}

void CXTPReportControl::ExpandRow(CXTPReportRow* pRow)
{
    const int nIndex = pRow->GetIndex();
    if (nIndex < 0 || !pRow->IsVisible())
        return;
    const int nInserted = InsertRow(nIndex + 1, pRow, TRUE);
    if (nInserted <= 0)
        return;
    m_pSelectedRows->OnRowsInserted(nIndex, nInserted);
    if (m_nFocusedRow > nIndex)
        m_nFocusedRow += nInserted;
}

int CXTPReportControl::InsertRow(int nPosition, CXTPReportRow* pRow, BOOL bChildrenOnly)
{
    int nInserted = 0;
    if (!bChildrenOnly)
    {
        pRow->InternalAddRef();
        m_pRows->InsertAt(nPosition, pRow);
        pRow->m_bVisible = TRUE;
        nInserted = 1;
    }
    if (!pRow->HasChildren() || !pRow->IsExpanded())
        return nInserted;
    CXTPReportRows* pChildren = pRow->GetChilds();
    for (int i = 0; i < pChildren->GetCount(); ++i)
    {
        CXTPReportRow* pChild = pChildren->GetAt(i);
        pChild->m_nRowLevel = pRow->m_nRowLevel + 1;
        pChild->m_nGroupLevel = pRow->m_nGroupLevel + (pRow->IsGroupRow() ? 1 : 0);
        nInserted += InsertRow(nPosition + nInserted, pChild, FALSE);
    }
    return nInserted;
}

void CXTPReportControl::CollapseRow(CXTPReportRow* pRow)
{
    const int nIndex = pRow->GetIndex();
    if (nIndex < 0 || !pRow->IsVisible())
        return;
    int nRemoved = 0;
    while (nIndex + 1 < m_pRows->GetCount())
    {
        CXTPReportRow* pNext = m_pRows->GetAt(nIndex + 1);
        if (!pNext->HasParent(pRow))
            break;
        pNext->m_bVisible = FALSE;
        pNext->m_nIndex = -1;
        m_pRows->RemoveAt(nIndex + 1);
        ++nRemoved;
    }
    if (nRemoved == 0)
        return;
    m_pSelectedRows->OnRowsRemoved(nIndex, nRemoved);
    if (m_nFocusedRow > nIndex)
    {
        const int nFocused = m_nFocusedRow - nRemoved;
        m_nFocusedRow = nFocused > nIndex ? nFocused : nIndex;
    }
}

CXTPReportGroupRow* CXTPReportControl::CreateGroupRow()
{
    return new CXTPReportGroupRow();
}

BOOL CXTPReportControl::IsRecordFiltered(CXTPReportRecord* pRecord, const CString& strFilterText,
                                         BOOL bIncludePreview)
{
    if (!pRecord)
        return FALSE;
    if (pRecord->IsFiltered())
        return TRUE;
    if (strFilterText.IsEmpty())
        return FALSE;

    CString strWords(strFilterText);
    strWords.MakeLower();
    int nStart = 0;
    while (nStart < strWords.GetLength())
    {
        int nEnd = nStart;
        while (nEnd < strWords.GetLength() && strWords[nEnd] != L' ' && strWords[nEnd] != L'\t')
            ++nEnd;
        const CString strWord = strWords.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (strWord.IsEmpty())
            continue;
        BOOL bFound = FALSE;
        for (int i = 0; i < m_pColumns->GetCount() && !bFound; ++i)
        {
            CXTPReportColumn* pColumn = m_pColumns->GetAt(i);
            CXTPReportRecordItem* pItem = pColumn->IsVisible() && pColumn->IsFilterable() ? pRecord->GetItem(pColumn)
                                                                                         : nullptr;
            if (!pItem)
                continue;
            CString strCaption = pItem->GetCaption(pColumn);
            strCaption.MakeLower();
            bFound = strCaption.Find(strWord) >= 0;
        }
        if (!bFound && bIncludePreview && pRecord->GetItemPreview())
        {
            CString strPreview = pRecord->GetItemPreview()->GetCaption(nullptr);
            strPreview.MakeLower();
            bFound = strPreview.Find(strWord) >= 0;
        }
        if (!bFound)
            return TRUE;
    }
    return FALSE;
}

void CXTPReportControl::BuildTree(CXTPReportRecords* pRecords, CXTPReportRow* pParentRow, CXTPReportRows* pTarget)
{
    const CString strFilter = GetFilterText();
    const BOOL bPreview = m_pPaintManager->IsPreviewMode();
    for (int i = 0; i < pRecords->GetCount(); ++i)
    {
        CXTPReportRecord* pRecord = pRecords->GetAt(i);
        if (!pRecord)
            continue;
        if (!pRecord->IsLocked() && (!pRecord->IsVisible() || IsRecordFiltered(pRecord, strFilter, bPreview)))
            continue;
        CXTPReportRow* pRow = CreateRow();
        pRow->InitRow(this, pRecord);
        pRow->m_pParentRow = pParentRow;
        pTarget->Add(pRow);
        if (pRecord->HasChildren())
            BuildTree(pRecord->GetChilds(), pRow, pRow->GetChilds());
    }
}

void CXTPReportControl::BuildGroups()
{
    CXTPReportColumnOrder* pGroups = m_pColumns->GetGroupsOrder();
    CXTPReportRows* pGrouped = new CXTPReportRows();
    CXTPReportRow* pTopCandidate = nullptr;
    for (int i = 0; i < m_pPlainTree->GetCount(); ++i)
    {
        CXTPReportRow* pRow = m_pPlainTree->GetAt(i);
        CXTPReportGroupRow* pParentGroup = nullptr;
        CXTPReportRow* pCandidate = pTopCandidate;
        for (int nLevel = 0; nLevel < pGroups->GetCount(); ++nLevel)
        {
            CXTPReportColumn* pColumn = pGroups->GetAt(nLevel);
            CXTPReportRecordItem* pItem = pRow->GetRecord() ? pRow->GetRecord()->GetItem(pColumn) : nullptr;
            const CString strCaption = pItem ? pItem->GetGroupCaption(pColumn) : CString();
            CXTPReportGroupRow* pCandidateGroup =
                pCandidate && pCandidate->IsGroupRow() ? static_cast<CXTPReportGroupRow*>(pCandidate) : nullptr;
            if (pCandidateGroup && pCandidateGroup->GetCaption() == strCaption)
            {
                pParentGroup = pCandidateGroup;
                CXTPReportRows* pChildren = pParentGroup->HasChildren() ? pParentGroup->GetChilds() : nullptr;
                pCandidate = pChildren ? pChildren->GetAt(pChildren->GetCount() - 1) : nullptr;
                continue;
            }
            CXTPReportGroupRow* pGroup = CreateGroupRow();
            pGroup->InitRow(this, nullptr);
            pGroup->SetCaption(strCaption);
            if (pParentGroup)
            {
                pGroup->m_pParentRow = pParentGroup;
                pParentGroup->GetChilds()->Add(pGroup);
            }
            else
            {
                pGrouped->Add(pGroup);
            }
            pParentGroup = pGroup;
            pCandidate = nullptr;
        }
        pRow->InternalAddRef();
        pRow->m_pParentRow = pParentGroup;
        if (pParentGroup)
            pParentGroup->GetChilds()->Add(pRow);
        else
            pGrouped->Add(pRow);
        pTopCandidate = pGrouped->GetAt(pGrouped->GetCount() - 1);
    }
    m_pPlainTree->InternalRelease();
    m_pPlainTree = pGrouped;
}

void CXTPReportControl::Populate()
{
    EditItem(nullptr);
    BeginUpdate();
    m_nPopulatedRows = 0;
    CXTPReportRow* pFocused = GetFocusedRow();
    CXTPReportRecord* pFocusedRecord = pFocused ? pFocused->GetRecord() : nullptr;
    // Rows about to be released must not be remembered as pressed, hot or tipped.
    m_pSelectOnUpRow = nullptr;
    m_pHotRow = nullptr;
    m_wndTip.m_pItem = nullptr;
    m_wndTip.m_nRowIndex = -1;
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.Activate(FALSE);
    if (pFocusedRecord)
        pFocusedRecord->InternalAddRef();

    m_pSelectedRows->Clear();
    m_pSelectedRows->SetChanged(FALSE);
    m_nFocusedRow = -1;
    m_pRows->Clear(TRUE);
    m_pPlainTree->Clear(TRUE);
    m_arrScreenRows.Clear(FALSE);

    if (IsVirtualMode())
    {
        CXTPReportRow* pRow = CreateRow();
        pRow->InitRow(this, m_pRecords->GetAt(0));
        pRow->m_bVisible = TRUE;
        m_pRows->SetVirtualMode(pRow, m_pRecords->GetCount());
        m_nPopulatedRows = m_pRecords->GetCount();
    }
    else
    {
        BuildTree(m_pRecords, nullptr, m_pPlainTree);
        m_nPopulatedRows = m_pPlainTree->GetCount();
        if (m_pColumns->GetSortOrder()->GetCount() > 0 || m_pColumns->GetGroupsOrder()->GetCount() > 0)
            m_pPlainTree->SortEx();
        if (m_pColumns->GetGroupsOrder()->GetCount() > 0)
            BuildGroups();
        for (int i = 0; i < m_pPlainTree->GetCount(); ++i)
        {
            CXTPReportRow* pRow = m_pPlainTree->GetAt(i);
            pRow->m_nChildIndex = i;
            pRow->m_nRowLevel = 0;
            pRow->m_nGroupLevel = 0;
            InsertRow(m_pRows->GetCount(), pRow, FALSE);
        }
        for (int i = 0; i < m_pRows->GetCount(); ++i)
        {
            CXTPReportRow* pRow = m_pRows->GetAt(i);
            pRow->m_nIndex = i;
            pRow->m_bVisible = TRUE;
            if (pFocusedRecord && pRow->GetRecord() == pFocusedRecord && m_nFocusedRow == -1)
            {
                m_nFocusedRow = i;
                m_pSelectedRows->Select(pRow);
            }
        }
    }
    if (pFocusedRecord)
        pFocusedRecord->InternalRelease();

    // The bars are set from the top row: it goes back to 0 first when the
    // focused record is gone.
    if (m_nFocusedRow == -1)
        m_nTopRow = 0;
    AdjustLayout();
    AdjustScrollBars();
    if (CXTPReportColumnListBox* pList = m_pReportHeader->m_pColumnListBox)
        pList->UpdateList();

    if (m_nFocusedRow == -1)
    {
        if (m_pRows->GetCount() > 0)
        {
            m_nFocusedRow = 0;
            m_pSelectedRows->Select(m_pRows->GetAt(0));
        }
    }
    else
    {
        EnsureVisible(GetFocusedRow());
    }
    if (m_bFocusSubItems && !m_pFocusedColumn)
        m_pFocusedColumn = m_pColumns->GetFirstVisibleColumn();
    m_pSelectedRows->SetChanged(FALSE);
    EndUpdate();
}

namespace {

const int kDragStart = 4;

} // namespace

void CXTPReportControl::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPReportDestroyGuard guard(this);
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();
    EditItem(nullptr);
    if (guard.IsDestroyed())
        return;
    m_pReportHeader->EndPressWithLostRelease();
    if (guard.IsDestroyed())
        return;
    if (m_rcHeaderArea.PtInRect(point) || m_rcGroupByArea.PtInRect(point) ||
        m_mouseMode == xtpReportMouseOverDivider)
    {
        m_pReportHeader->OnLButtonDown(point);
        return;
    }
    CXTPReportRow* pRow = HitTest(point);
    if (!pRow)
        return;
    pRow->InternalAddRef();
    XTP_REPORTRECORDITEM_CLICKARGS clickArgs;
    clickArgs.pControl = this;
    clickArgs.pRow = pRow;
    clickArgs.ptClient = point;
    clickArgs.pItem = pRow->HitTest(point, &clickArgs.rcItem, &clickArgs.pColumn);
    const LRESULT lReply = pRow->OnLButtonDown(&clickArgs);
    if (guard.IsDestroyed())
    {
        pRow->InternalRelease();
        return;
    }
    if (lReply == 0 && pRow->GetIndex() >= 0)
    {
        const BOOL bShift = (nFlags & MK_SHIFT) != 0;
        const BOOL bControl = (nFlags & MK_CONTROL) != 0;
        if (bControl && m_bMultipleSelection)
            m_pSelectedRows->Invert(pRow);
        BeginUpdate();
        if (m_bFocusSubItems && clickArgs.pColumn && clickArgs.pItem && clickArgs.pItem->IsFocusable())
            SetFocusedColumn(clickArgs.pColumn);
        if (pRow->IsSelected() && !bControl && !bShift)
        {
            m_pSelectOnUpRow = pRow;
        }
        else
        {
            m_pSelectOnUpRow = nullptr;
            SetFocusedRow(pRow, bShift, bControl);
        }
        EndUpdate();
        if (m_pSelectedRows->IsChanged())
            OnSelectionChanged();
        m_pointDrag = point;
        m_bPrepareDrag = TRUE;
    }
    pRow->InternalRelease();
}

void CXTPReportControl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CXTPReportDestroyGuard guard(this);
    CWnd::OnLButtonUp(nFlags, point);
    m_bPrepareDrag = FALSE;
    if (m_mouseMode != xtpReportMouseIdle || ::GetCapture() == m_hWnd)
    {
        m_pReportHeader->OnLButtonUp(nFlags, point);
        return;
    }
    CXTPReportRow* pRow = HitTest(point);
    if (!pRow)
    {
        m_pSelectOnUpRow = nullptr;
        return;
    }
    if (pRow == m_pSelectOnUpRow)
    {
        m_pSelectOnUpRow = nullptr;
        SetFocusedRow(pRow, FALSE, FALSE);
        if (guard.IsDestroyed())
            return;
    }
    if (m_bMultipleSelection && (nFlags & (MK_SHIFT | MK_CONTROL)))
        return;
    if (pRow->IsSelected())
        pRow->OnClick(point);
}

void CXTPReportControl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CXTPReportDestroyGuard guard(this);
    CWnd::OnLButtonDblClk(nFlags, point);
    if (guard.IsDestroyed())
        return;
    if (m_rcHeaderArea.PtInRect(point) || m_mouseMode == xtpReportMouseOverDivider)
    {
        m_pReportHeader->OnLButtonDblClk(point);
        return;
    }
    if (CXTPReportRow* pRow = HitTest(point))
        pRow->OnDblClick(point);
}

void CXTPReportControl::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    m_pReportHeader->OnMouseMove(nFlags, point);
    if (m_mouseMode != xtpReportMouseIdle)
        return;
    CXTPReportRow* pRow = HitTest(point);
    if (pRow)
    {
        pRow->OnMouseMove(nFlags, point);
        if (m_bShowTooltips && !(nFlags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
            pRow->ShowToolTip(point, &m_wndTip);
    }
    if (pRow != m_pHotRow)
    {
        m_pHotRow = pRow;
        TrackMouseLeave();
    }
    if (m_bPrepareDrag && (abs(point.x - m_pointDrag.x) >= kDragStart || abs(point.y - m_pointDrag.y) >= kDragStart))
    {
        m_bPrepareDrag = FALSE;
        m_pSelectOnUpRow = nullptr;
        OnBeginDrag(m_pointDrag);
    }
}

void CXTPReportControl::OnMouseLeave()
{
    const BOOL bOuter = m_bInMouseLeave;
    m_bInMouseLeave = TRUE;
    OnMouseMove(0, CPoint(-1, -1));
    m_bInMouseLeave = bOuter;
    m_pHotRow = nullptr;
    // Gone into another window: the cell's tip goes too, whatever loop
    // delivered the leave.
    if (m_wndTip.GetSafeHwnd())
        m_wndTip.Forget();
}

void CXTPReportControl::TrackMouseLeave()
{
    POINT ptCursor;
    if (m_bInMouseLeave || !m_hWnd || !::GetCursorPos(&ptCursor) || ::WindowFromPoint(ptCursor) != m_hWnd)
        return;
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
}

void CXTPReportControl::OnContextMenu(CWnd* /*pWnd*/, CPoint pos)
{
    if (m_mouseMode != xtpReportMouseIdle)
        return;
    if (pos.x == -1 && pos.y == -1)
    {
        CXTPReportRow* pFocused = GetFocusedRow();
        if (pFocused)
        {
            pFocused->OnContextMenu(CPoint(pFocused->GetRect().left, pFocused->GetRect().bottom));
            return;
        }
        CPoint ptCorner(m_rcReportArea.left, m_rcReportArea.top);
        ClientToScreen(&ptCorner);
        SendMessageToParent(nullptr, nullptr, nullptr, NM_RCLICK, &ptCorner);
        return;
    }
    CPoint ptClient(pos);
    ScreenToClient(&ptClient);
    if (m_rcHeaderArea.PtInRect(ptClient) || m_rcGroupByArea.PtInRect(ptClient))
    {
        m_pReportHeader->OnContextMenu(pos);
        return;
    }
    CXTPReportRow* pRow = HitTest(ptClient);
    if (!pRow)
    {
        SendMessageToParent(nullptr, nullptr, nullptr, NM_RCLICK, &pos);
        return;
    }
    pRow->InternalAddRef();
    CXTPReportDestroyGuard guard(this);
    SetFocusedRow(pRow, pRow->IsSelected() && !pRow->IsGroupRow());
    if (!guard.IsDestroyed())
        pRow->OnContextMenu(ptClient);
    pRow->InternalRelease();
}

BOOL CXTPReportControl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_mouseMode == xtpReportMouseOverDivider && m_pReportHeader->m_hResizeCursor)
    {
        ::SetCursor(m_pReportHeader->m_hResizeCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CXTPReportControl::OnCaptureChanged(CWnd* pWnd)
{
    if (m_mouseMode != xtpReportMouseIdle && m_mouseMode != xtpReportMouseOverDivider)
        m_pReportHeader->CancelDrag();
    CWnd::OnCaptureChanged(pWnd);
}

void CXTPReportControl::ExpandAll()
{
    BeginUpdate();
    for (int i = m_pRows->GetCount() - 1; i >= 0; --i)
        m_pRows->GetAt(i)->SetExpanded(TRUE);
    EndUpdate();
    EnsureVisible(GetFocusedRow());
}

void CXTPReportControl::CollapseAll()
{
    BeginUpdate();
    for (int i = m_pRows->GetCount() - 1; i >= 0; --i)
        m_pRows->GetAt(i)->SetExpanded(FALSE);
    EndUpdate();
    EnsureVisible(GetFocusedRow());
}

void CXTPReportControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CXTPReportDestroyGuard guard(this);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    if (guard.IsDestroyed() || !OnPreviewKeyDown(nChar, nRepCnt, nFlags) || guard.IsDestroyed())
        return;
    if (m_pRows->GetCount() > 0)
        HandleKey(nChar);
    if (guard.IsDestroyed())
        return;
    NMKEY nmKey = {};
    nmKey.nVKey = nChar;
    nmKey.uFlags = nFlags;
    SendNotifyMessage(NM_KEYDOWN, &nmKey.hdr);
}

void CXTPReportControl::HandleKey(UINT nChar)
{
    const BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    const BOOL bControl = ::GetKeyState(VK_CONTROL) < 0;
    if (GetExStyle() & WS_EX_LAYOUTRTL)
    {
        if (nChar == VK_LEFT)
            nChar = VK_RIGHT;
        else if (nChar == VK_RIGHT)
            nChar = VK_LEFT;
    }
    CXTPReportRow* pFocused = GetFocusedRow();
    switch (nChar)
    {
    case VK_RETURN:
        if (pFocused && pFocused->HasChildren())
            pFocused->SetExpanded(!pFocused->IsExpanded());
        break;
    case VK_ESCAPE:
        if (m_mouseMode != xtpReportMouseIdle)
            m_pReportHeader->CancelDrag();
        break;
    case VK_PRIOR:
        m_pNavigator->MovePageUp(bShift, FALSE);
        break;
    case VK_NEXT:
        m_pNavigator->MovePageDown(bShift, FALSE);
        break;
    case VK_HOME:
        m_pNavigator->MoveFirstRow(bShift, FALSE);
        break;
    case VK_END:
        m_pNavigator->MoveLastRow(bShift, FALSE);
        break;
    case VK_UP:
        m_pNavigator->MoveUp(bShift, bControl);
        break;
    case VK_DOWN:
        m_pNavigator->MoveDown(bShift, bControl);
        break;
    case VK_LEFT:
        if (!pFocused)
            m_pNavigator->MoveUp(bShift, bControl);
        else if (pFocused->HasChildren() && pFocused->IsExpanded())
            pFocused->SetExpanded(FALSE);
        else if (m_bFocusSubItems && m_pFocusedColumn && m_pNavigator->HasFocusableColumn(TRUE))
            m_pNavigator->MoveLeftRight(TRUE, bShift, bControl);
        else if (pFocused->HasChildren())
            m_pNavigator->MoveUp(bShift, bControl);
        else if (pFocused->GetParentRow() && !bShift)
            SetFocusedRow(pFocused->GetParentRow(), FALSE, bControl);
        else
            m_pNavigator->MoveUp(bShift, bControl);
        break;
    case VK_RIGHT:
        if (!pFocused)
            m_pNavigator->MoveDown(bShift, bControl);
        else if (pFocused->HasChildren() && !pFocused->IsExpanded())
            pFocused->SetExpanded(TRUE);
        else if (m_bFocusSubItems && m_pFocusedColumn && m_pNavigator->HasFocusableColumn(FALSE))
            m_pNavigator->MoveLeftRight(FALSE, bShift, bControl);
        else
            m_pNavigator->MoveDown(bShift, bControl);
        break;
    case VK_ADD:
        if (bControl)
            ExpandAll();
        else if (pFocused && pFocused->HasChildren() && !pFocused->IsExpanded())
            pFocused->SetExpanded(TRUE);
        break;
    case VK_SUBTRACT:
        if (bControl)
            CollapseAll();
        else if (pFocused && pFocused->HasChildren() && pFocused->IsExpanded())
            pFocused->SetExpanded(FALSE);
        break;
    case VK_F2:
        m_pNavigator->BeginEdit();
        break;
    default:
        break;
    }
}

void CXTPReportControl::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPropExchange* pColumns = pPX->GetSection(L"Columns");
    try
    {
        m_pColumns->DoPropExchange(pColumns);
    }
    catch (...)
    {
        pColumns->InternalRelease();
        throw;
    }
    pColumns->InternalRelease();
    BOOL bShowGroupBox = m_bGroupByEnabled;
    XTPExchangeBoolWithDefault(pPX, L"ShowGroupBox", bShowGroupBox, FALSE);
    XTPExchangeLongWithDefault(pPX, L"FreezeColumnsCount", m_nFreezeColumnsCount, 0);
    if (m_nFreezeColumnsCount < 0)
        m_nFreezeColumnsCount = 0;
    CXTPPropExchange* pHeader = pPX->GetSection(L"Header");
    m_pReportHeader->DoPropExchange(pHeader);
    pHeader->InternalRelease();
    if (pPX->IsStoring())
        return;
    m_bGroupByEnabled = bShowGroupBox;
    AdjustLayout();
    m_pReportHeader->OnColumnsChanged();
    Populate();
}

INT_PTR CXTPReportControl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    INT_PTR nHit = CWnd::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    nHit = m_pReportHeader->OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    CXTPReportRow* pRow = HitTest(point);
    return pRow ? pRow->OnToolHitTest(point, pTI) : -1;
}

BOOL CXTPReportControl::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndTip.GetSafeHwnd() && m_wndTip.IsWindowVisible() && !m_bInTipFilter)
    {
        m_bInTipFilter = TRUE;
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        const UINT message = pMsg->message;
        const BOOL bInput = message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_LBUTTONDOWN ||
                            message == WM_LBUTTONUP || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ||
                            message == WM_MBUTTONDOWN || message == WM_MBUTTONUP || message == WM_MOUSEWHEEL ||
                            message == WM_MOUSELEAVE;
        if (bInput || !m_wndTip.GetHoverRect().PtInRect(ptCursor))
            m_wndTip.Activate(FALSE);
        m_bInTipFilter = FALSE;
    }
    if (m_bShowTooltips)
        m_pToolTipContext->FilterToolTipMessage(this, pMsg->message, pMsg->wParam, pMsg->lParam);
    return CWnd::PreTranslateMessage(pMsg);
}
