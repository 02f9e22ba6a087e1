#include "toolkit/tabs/XTPTabControl.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

IMPLEMENT_DYNAMIC(CXTPTabControl, CWnd)

BEGIN_MESSAGE_MAP(CXTPTabControl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CXTPTabControl::CXTPTabControl()
    : m_pPaintManager(new CXTPTabPaintManager())
    , m_pImageManager(new CXTPImageManager())
    , m_pToolTipContext(new CXTPToolTipContext())
{
    m_pPaintManager->m_bDisableLunaColors = TRUE;
    m_pPaintManager->m_bDrawTextNoPrefix = FALSE;
    m_pPaintManager->RefreshMetrics();
    m_pDropTarget = new CTabControlDropTarget(this);
    m_bAllowReorder = FALSE;
    m_registration.Register(m_pPaintManager);
}

CXTPTabControl::~CXTPTabControl()
{
    if (m_hWnd)
        DestroyWindow();
    // The items go before the paint manager their layout asks.
    DeleteAllItems();
    m_pPaintManager->InternalRelease();
    m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    delete m_pDropTarget;
}

BOOL CXTPTabControl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    // Without OLE on the thread the control works, only drags do not select.
    m_pDropTarget->Register(this);
    Reposition();
    return TRUE;
}

CXTPTabManagerItem* CXTPTabControl::InsertItem(int nItem, LPCTSTR lpszItem, HWND hwndTab, int nImage)
{
    CXTPTabManagerItem* pItem = AddItem(nItem);
    pItem->m_strCaption = lpszItem ? lpszItem : L"";
    pItem->SetHandle(hwndTab);
    pItem->m_nImage = nImage;
    Reposition();
    if (hwndTab)
        ::ShowWindow(hwndTab, SW_HIDE);
    if (nItem == 0)
        SetCurSel(0);
    return pItem;
}

void CXTPTabControl::SetPaintManager(CXTPTabPaintManager* pPaintManager)
{
    // The installed manager handed in again stays as it is.
    if (!pPaintManager || pPaintManager == m_pPaintManager)
        return;
    m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
    m_registration.Register(m_pPaintManager);
    m_pPaintManager->RefreshMetrics();
    Reposition();
}

void CXTPTabControl::Reposition()
{
    if (!m_hWnd)
        return;
    CXTPClientRect rc(this);
    {
        CClientDC dc(this);
        m_pPaintManager->RepositionTabControl(this, &dc, rc);
    }
    // With no tab selected (all deleted at once) no page is shown.
    if (m_hwndClient && !GetSelectedItem())
    {
        if (::IsWindow(m_hwndClient))
            ::ShowWindow(m_hwndClient, SW_HIDE);
        m_hwndClient = nullptr;
    }
    if (m_hwndClient && ::IsWindow(m_hwndClient))
    {
        CRect rcClient = rc;
        m_pPaintManager->AdjustClientRect(this, rcClient);
        ::MoveWindow(m_hwndClient, rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), TRUE);
    }
    Invalidate(FALSE);
}

void CXTPTabControl::RedrawControl()
{
    if (m_hWnd)
        Invalidate(FALSE);
}

void CXTPTabControl::NotifyOwner()
{
    if (!m_hWnd)
        return;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = ::GetParent(m_hWnd);
    if (!hOwner || !::IsWindow(hOwner))
        return;
    NMHDR nmhdr = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageW(hOwner, WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
}

void CXTPTabControl::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem != GetSelectedItem())
    {
        if (m_hwndClient && ::IsWindow(m_hwndClient))
            ::ShowWindow(m_hwndClient, SW_HIDE);
        m_hwndClient = pItem ? pItem->GetHandle() : nullptr;
        if (m_hwndClient && ::IsWindow(m_hwndClient))
            ::ShowWindow(m_hwndClient, SW_SHOW);
    }
    CXTPTabManager::SetSelectedItem(pItem);
    NotifyOwner();
}

void CXTPTabControl::SelectItem(CXTPTabManagerItem* pItem)
{
    CXTPTabManager::SelectItem(pItem);
    HWND hFocus = ::GetFocus();
    if (!m_hwndClient || !::IsWindow(m_hwndClient) || hFocus == m_hWnd || hFocus == m_hwndClient ||
        ::IsChild(m_hwndClient, hFocus))
        return;
    HWND hFirst = ::GetNextDlgTabItem(m_hwndClient, nullptr, FALSE);
    ::SetFocus(hFirst && ::IsChild(m_hwndClient, hFirst) ? hFirst : m_hwndClient);
}

BOOL CXTPTabControl::AreFocusCuesHidden() const
{
    HWND hParent = ::GetParent(m_hWnd);
    return hParent && (::SendMessageW(hParent, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void CXTPTabControl::SetFocusedItem(CXTPTabManagerItem* pItem)
{
    CXTPTabManager::SetFocusedItem(pItem);
    if (m_hWnd && AreFocusCuesHidden())
        ::SendMessageW(::GetParent(m_hWnd), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

BOOL CXTPTabControl::ShowKeyboardCues() const
{
    return m_hWnd && (GetStyle() & WS_TABSTOP) && ::GetFocus() == m_hWnd && !AreFocusCuesHidden();
}

void CXTPTabControl::OnNavigateButtonClick(int nId)
{
    CXTPTabManagerItem* pSelected = GetSelectedItem();
    if (nId == xtpTabNavigateButtonClose && pSelected && pSelected->IsClosable())
        DeleteItem(pSelected->GetIndex());
}

BOOL CXTPTabControl::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon)
{
    if (!pItem)
        return m_pPaintManager->m_bShowIcons;
    if (pItem->GetImageIndex() == -1 || !m_pPaintManager->m_bShowIcons)
        return FALSE;
    CXTPImageManagerIcon* pIcon = m_pImageManager->GetImage(pItem->GetImageIndex(), szIcon.cx);
    if (!pIcon)
        return FALSE;
    if (!bDraw)
        return TRUE;
    if (!pItem->IsEnabled())
        pIcon->Draw(pDC, pt, pIcon->GetDisabledIcon(), szIcon);
    else if (pItem->IsHighlighted())
        pIcon->Draw(pDC, pt, pIcon->GetHotIcon(), szIcon);
    else if (pItem->IsSelected())
        pIcon->Draw(pDC, pt, pIcon->GetCheckedIcon(), szIcon);
    else
        pIcon->Draw(pDC, pt, pIcon->GetIcon(), szIcon);
    return TRUE;
}

INT_PTR CXTPTabControl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    return PerformToolHitTest(m_hWnd, point, pTI);
}

LRESULT CXTPTabControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_pToolTipContext->FilterToolTipMessage(this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CXTPTabControl::OnPaint()
{
    CPaintDC paint(this);
    CXTPClientRect rc(this);
    CXTPBufferDC dc(paint.m_hDC, rc);
    m_pPaintManager->DrawTabControl(this, &dc, rc);
}

BOOL CXTPTabControl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTPTabControl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Reposition();
}

void CXTPTabControl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CXTPTabManagerItem* pItem = HitTest(point);
    if ((GetStyle() & WS_TABSTOP) && pItem && pItem == GetSelectedItem())
        SetFocus();
    PerformClick(m_hWnd, point);
}

void CXTPTabControl::OnMouseMove(UINT nFlags, CPoint point)
{
    PerformMouseMove(m_hWnd, point);
    CWnd::OnMouseMove(nFlags, point);
}

void CXTPTabControl::OnMouseLeave()
{
    PerformMouseMove(m_hWnd, CPoint(-1, -1));
}

void CXTPTabControl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    PerformKeyDown(m_hWnd, nChar);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CXTPTabControl::OnGetDlgCode()
{
    return ::GetFocus() == m_hWnd ? DLGC_WANTARROWS : CWnd::OnGetDlgCode();
}

void CXTPTabControl::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    Invalidate(FALSE);
}

void CXTPTabControl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Invalidate(FALSE);
}

void CXTPTabControl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    XTPRefreshColorsThrottled();
    m_pPaintManager->RefreshMetrics();
    Reposition();
}

void CXTPTabControl::CTabControlDropTarget::OnDragOverTab(CPoint point)
{
    if (m_pControl->GetPaintManager()->m_bSelectOnDragOver)
    {
        if (CXTPTabManagerItem* pItem = m_pControl->HitTest(point))
            m_pControl->SetSelectedItem(pItem);
    }
}
