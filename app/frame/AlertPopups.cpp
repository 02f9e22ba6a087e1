#include "app/frame/AlertPopups.h"

#include <algorithm>
#include <shellapi.h>

#include "app/frame/PopupItem.h"
#include "framework/windows/CWnd.h"
#include "resources/AppIds.h"
#include "toolkit/common/popup/XTPPopupControl.h"

namespace {

const wchar_t PRODUCT_NAME[] = L"Tavrolin";
const COLORREF OFFER_LINE_COLOR = 0xB23D00;

// Popup size of a style: the compact one, the tall one, the default.
CSize PopupSizeOfStyle(int nStyle)
{
    if (nStyle == 2)
        return CSize(329, 74);
    if (nStyle == 8)
        return CSize(220, 90);
    return CSize(170, 130);
}

void SetItemIcon(CXTPPopupItem* pItem, UINT nIconId, int nSize)
{
    HICON hIcon = (HICON)::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIconId), IMAGE_ICON, nSize,
                                       nSize, LR_DEFAULTCOLOR);
    if (hIcon == nullptr)
        return;  // the item stays empty
    pItem->SetIcon(hIcon, xtpPopupItemIconNormal);
    ::DestroyIcon(hIcon);
}

CRect PopupRect(CPoint ptCorner, CSize size)
{
    return CRect(ptCorner.x - size.cx, ptCorner.y - size.cy, ptCorner.x, ptCorner.y);
}

} // namespace

CAlertPopups::PFNOPENPAGE CAlertPopups::s_pfnOpenPage = &CAlertPopups::OpenPageInBrowser;

void CAlertPopups::OpenPageInBrowser(const CString& strAddress)
{
    ::ShellExecuteW(nullptr, L"open", strAddress, nullptr, nullptr, SW_SHOW);
}

namespace {

// Stacks upwards in the column whose bottom-right corner is given.
CPoint StackInColumn(CPoint ptCorner, CSize size, const std::vector<CRect>& openPopups)
{
    CRect rcNew = PopupRect(ptCorner, size);
    // Each move can bring the rectangle onto a popup walked before it; the
    // walk ends after a pass without a move (each move goes up, so the
    // passes are at most one more than the popups).
    for (size_t nPass = 0; nPass <= openPopups.size(); ++nPass)
    {
        BOOL bMoved = FALSE;
        for (const CRect& rcOpen : openPopups)
        {
            CRect rcCommon;
            if (rcCommon.IntersectRect(&rcNew, &rcOpen))
            {
                rcNew.OffsetRect(0, rcOpen.top - rcNew.bottom);
                bMoved = TRUE;
            }
        }
        if (!bMoved)
            break;
    }
    return CPoint(ptCorner.x, rcNew.bottom);
}

} // namespace

CPoint StackPopupPosition(CPoint ptCorner, CSize size, const std::vector<CRect>& openPopups, const CRect& rcWork)
{
    CPoint pt = StackInColumn(ptCorner, size, openPopups);
    if (pt.y - size.cy >= rcWork.top || size.cx <= 0)
        return pt;
    // A full column: the next one to the left, stacked from the bottom.
    for (int x = ptCorner.x - size.cx; x - size.cx >= rcWork.left; x -= size.cx)
    {
        pt = StackInColumn(CPoint(x, rcWork.bottom), size, openPopups);
        if (pt.y - size.cy >= rcWork.top)
            return pt;
    }
    // Every column full: over the oldest popups rather than off screen.
    return ptCorner;
}

CAlertPopups::CAlertPopups()
    : m_ptRemembered(-1, -1)
    , m_hOwner(nullptr)
{
}

CAlertPopups::~CAlertPopups()
{
    DeleteClosed();
    // Each popup leaves the list before it goes: its destructor must find
    // no list that still names it.
    while (!m_openPopups.empty())
    {
        CXTPPopupControl* pPopup = m_openPopups.front();
        m_openPopups.erase(m_openPopups.begin());
        delete pPopup;
    }
}

CXTPPopupControl* CAlertPopups::GetOpenPopup(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetOpenCount() ? m_openPopups[(size_t)nIndex] : nullptr;
}

CXTPPopupControl* CAlertPopups::ShowAlertPopup(CWnd* pOwner, const AlertTexts& texts)
{
    CXTPPopupControl* pPopup = new CXTPPopupControl;
    const CSize size = PopupSizeOfStyle(PopupStyle);
    FillAlertPopup(pPopup, texts);
    pPopup->SetPopupAnimation(xtpPopupAnimationFade);
    pPopup->SetShowDelay(10000);
    pPopup->SetAnimateDelay(500);
    pPopup->SetTransparency(200);
    pPopup->SetPopupSize(size);
    PlaceAlertPopup(pPopup, size.cx, size.cy);
    pPopup->AllowMove(TRUE);
    m_hOwner = pOwner->GetSafeHwnd();
    m_openPopups.push_back(pPopup);
    if (!pPopup->Show(pOwner))
    {
        RemoveOpen(pPopup);
        return nullptr;
    }
    return pPopup;
}

void CAlertPopups::FillAlertPopup(CXTPPopupControl* pPopup, const AlertTexts& texts)
{
    pPopup->RemoveAllItems();

    CPopupItem* pTitle = new CPopupItem(CRect(46, 16, 270, 41), PRODUCT_NAME);
    pPopup->AddItem(pTitle);
    pTitle->SetBold(TRUE);
    pTitle->m_strLinkAddress = texts.strAddress;
    pTitle->SetID(IdTitle);

    CXTPPopupItem* pItem = pPopup->AddItem(new CXTPPopupItem(CRect(46, 29, 270, 54), texts.strTitle));
    pItem->SetHyperLink(FALSE);

    pItem = pPopup->AddItem(new CXTPPopupItem(CRect(46, 42, 270, 92), texts.strLine));
    pItem->SetHyperLink(FALSE);
    pItem->SetTextColor(OFFER_LINE_COLOR);
    pItem->SetTextAlignment(DT_WORDBREAK);

    pItem = pPopup->AddItem(new CXTPPopupItem(CRect(5, 12, 17, 24)));
    SetItemIcon(pItem, IDR_MAINFRAME, 32);
    pItem->SetButton(FALSE);

    pItem = pPopup->AddItem(new CXTPPopupItem(CRect(308, 14, 324, 30)));
    SetItemIcon(pItem, IDI_POPUP_CLOSE, 16);
    pItem->SetButton(TRUE);
    pItem->SetID(IdClose);

    pPopup->SetTheme(xtpPopupThemeOffice2003);
    pPopup->RedrawControl();
}

void CAlertPopups::PlaceAlertPopup(CXTPPopupControl* pPopup, int nWidth, int nHeight)
{
    if (m_ptRemembered.x != -1 || m_ptRemembered.y != -1)
        pPopup->SetPopupPos(m_ptRemembered);
    std::vector<CRect> openRects;
    for (CXTPPopupControl* pOpen : m_openPopups)
        openRects.push_back(PopupRect(pOpen->GetPopupPos(), pOpen->GetPopupSize()));
    CRect rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    pPopup->SetPopupPos(StackPopupPosition(pPopup->GetPopupPos(), CSize(nWidth, nHeight), openRects, rcWork));
}

BOOL CAlertPopups::IsOpen(CXTPPopupControl* pPopup) const
{
    return std::find(m_openPopups.begin(), m_openPopups.end(), pPopup) != m_openPopups.end();
}

void CAlertPopups::RemoveOpen(CXTPPopupControl* pPopup)
{
    auto it = std::find(m_openPopups.begin(), m_openPopups.end(), pPopup);
    if (it == m_openPopups.end())
        return;
    m_openPopups.erase(it);
    m_closedPopups.push_back(pPopup);
    if (m_hOwner != nullptr)
        ::PostMessageW(m_hOwner, WM_ALERT_POPUP_CLOSED, 0, 0);
}

void CAlertPopups::DeleteClosed()
{
    std::vector<CXTPPopupControl*> closed;
    closed.swap(m_closedPopups);
    for (CXTPPopupControl* pPopup : closed)
        delete pPopup;
}

BOOL CAlertPopups::OnPopupNotify(WPARAM nEvent, LPARAM lParam)
{
    if (lParam == 0)
        return TRUE;
    switch (nEvent)
    {
    case XTP_PCN_ITEMCLICK:
    {
        CXTPPopupItem* pItem = reinterpret_cast<CXTPPopupItem*>(lParam);
        CPopupItem* pLink = DYNAMIC_DOWNCAST(CPopupItem, pItem);
        // Read everything first: closing the popup frees its items.
        const CString strAddress = pLink != nullptr && pItem->GetID() == IdTitle ? pLink->m_strLinkAddress : CString();
        CXTPPopupControl* pPopup = pItem->GetPopupControl();
        if (!strAddress.IsEmpty())
            s_pfnOpenPage(strAddress);
        if (pPopup != nullptr)
            pPopup->Close();
        break;
    }
    case XTP_PCN_STATECHANGED:
    {
        CXTPPopupControl* pPopup = reinterpret_cast<CXTPPopupControl*>(lParam);
        if (IsOpen(pPopup) && pPopup->GetPopupState() == xtpPopupStateClosed)
            RemoveOpen(pPopup);
        break;
    }
    case XTP_PCN_POSCHANGED:
    {
        CXTPPopupControl* pPopup = reinterpret_cast<CXTPPopupControl*>(lParam);
        if (IsOpen(pPopup))
            m_ptRemembered = pPopup->GetPopupPos();
        break;
    }
    }
    return TRUE;
}
