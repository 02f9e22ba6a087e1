#include "TabTestHost.h"
#include "support/TestPump.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

CTabTestHost::CTabTestHost(CXTPTabPaintManager* pShared)
    : m_pPaintManager(pShared ? pShared : new CXTPTabPaintManager())
{
    if (pShared)
        pShared->InternalAddRef();
    HDC hScreen = ::GetDC(nullptr);
    m_dc.Attach(::CreateCompatibleDC(hScreen));
    ::ReleaseDC(nullptr, hScreen);
    m_pPaintManager->AddAtom(this);
}

CTabTestHost::~CTabTestHost()
{
    m_pPaintManager->RemoveAtom(this);
    DeleteAllItems();
    m_pPaintManager->InternalRelease();
    ::DeleteDC(m_dc.Detach());
}

void CTabTestHost::Reposition()
{
    m_nRepositions++;
    m_pPaintManager->RepositionTabControl(this, &m_dc, m_rcLayout);
}

BOOL CTabTestHost::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon)
{
    if (m_nIconSize == 0 || (pItem && pItem->GetImageIndex() < 0))
        return FALSE;
    szIcon = CSize(m_nIconSize, m_nIconSize);
    if (bDraw && pDC)
        pDC->FillSolidRect(pt.x, pt.y, m_nIconSize, m_nIconSize, RGB(200, 40, 40));
    return TRUE;
}

void CTabTestHost::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem != GetSelectedItem())
        m_nSelectionChanges++;
    CXTPTabManager::SetSelectedItem(pItem);
}

void CTabTestHost::AddTabs(std::initializer_list<int> lengths)
{
    for (int length : lengths)
    {
        CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
        CString caption;
        caption.Format(L"Tab %d", GetItemCount());
        pItem->m_strCaption = caption;
        pItem->SetUserValue(static_cast<DWORD_PTR>(length));
        AddItem(-1, pItem);
    }
}

void CTabTestHost::UseFixedLengths()
{
    m_pPaintManager->SetAppearanceSet(new CFixedLengthSet<CXTPTabPaintManager::CAppearanceSetPropertyPage>());
}

CTabTestWindow::CTabTestWindow(CTabTestHost& host)
    : m_host(host)
{
    CreateEx(0, AfxRegisterWndClass(0), L"Tabs", WS_POPUP | WS_VISIBLE, CRect(20, 20, 520, 320), nullptr, 0);
    ::SetForegroundWindow(m_hWnd);
}

CTabTestWindow::~CTabTestWindow()
{
    DestroyWindow();
}

void CTabTestWindow::Post(UINT message, CPoint pt, WPARAM wParam)
{
    ::PostMessageW(m_hWnd, message, wParam, MAKELPARAM(pt.x, pt.y));
}

void CTabTestWindow::PostDrag(std::initializer_list<CPoint> points)
{
    CPoint last;
    for (const CPoint& pt : points)
    {
        Post(WM_MOUSEMOVE, pt, MK_LBUTTON);
        last = pt;
    }
    Post(WM_LBUTTONUP, last);
}

BOOL DrainQueueFindQuit()
{
    // Painting must be dispatched, or the window asks for it again and again;
    // a quit the pump posted again is taken off.
    BOOL bQuit = FALSE;
    while (!testpump::PumpPending())
    {
        bQuit = TRUE;
        MSG msg;
        ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    return bQuit;
}
