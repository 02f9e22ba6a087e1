#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/input/XTPKeyCommandQueue.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"

IMPLEMENT_DYNCREATE(CXTPControlComboBoxList, CXTPPopupBar)

namespace {

const DWORD kListExStyle = WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW;  // 0x280
const DWORD kListStyle = 0x82200000 | LBS_NOINTEGRALHEIGHT;      // popup, clip children, vertical scroll
const DWORD kReadingOrderBits = WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;  // 0x7000
// Far more entries than a list on a bar shows; a larger stored count is damage.
const long kMaxStoredItems = 4096;

// Messages the bar would answer as a bar of controls; the list box answers them.
BOOL IsListBoxMessage(UINT message)
{
    switch (message) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_PRINT:
    case WM_PRINTCLIENT:
    case WM_MOUSELEAVE:
    case WM_NCMOUSEMOVE:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_TIMER:
    case WM_NCHITTEST:
    case WM_NCLBUTTONDOWN:
    case WM_NCACTIVATE:
    case WM_MOUSEWHEEL:
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

CXTPControlComboBoxList::CXTPControlComboBoxList()
    : m_nListWidth(0)
{
    m_barPosition = xtpBarListBox;
    m_bShadow = FALSE;
    CreateListWindow();
}

CXTPControlComboBoxList::~CXTPControlComboBoxList() = default;

void CXTPControlComboBoxList::OnFinalRelease()
{
    if (GetSafeHwnd()) {
        InternalAddRef();
        DestroyWindow();
        m_dwRef = 0;
    }
    CXTPPopupBar::OnFinalRelease();
}

BOOL CXTPControlComboBoxList::CreateListWindow()
{
    if (GetSafeHwnd())
        return TRUE;
    return CreateEx(kListExStyle, L"LISTBOX", L"", kListStyle, 0, 0, 0, 0, nullptr, nullptr);
}

CXTPControlComboBox* CXTPControlComboBoxList::GetComboBox() const
{
    return dynamic_cast<CXTPControlComboBox*>(m_pControlPopup);
}

int CXTPControlComboBoxList::GetCount() const
{
    return GetSafeHwnd() ? static_cast<int>(::SendMessageW(GetSafeHwnd(), LB_GETCOUNT, 0, 0)) : 0;
}

CString CXTPControlComboBoxList::GetText(int nIndex) const
{
    CString strText;
    HWND hWnd = GetSafeHwnd();
    if (!hWnd || nIndex < 0 || nIndex >= GetCount())
        return strText;
    int nLength = static_cast<int>(::SendMessageW(hWnd, LB_GETTEXTLEN, nIndex, 0));
    if (nLength <= 0)
        return strText;
    LPWSTR pBuffer = strText.GetBuffer(nLength + 1);
    int nCopied = static_cast<int>(::SendMessageW(hWnd, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(pBuffer)));
    strText.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
    return strText;
}

int CXTPControlComboBoxList::AddString(LPCTSTR lpszItem)
{
    return GetSafeHwnd() ? static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem))) : LB_ERR;
}

int CXTPControlComboBoxList::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return GetSafeHwnd() ? static_cast<int>(SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszItem)))
                         : LB_ERR;
}

int CXTPControlComboBoxList::DeleteString(int nIndex)
{
    return GetSafeHwnd() ? static_cast<int>(SendMessage(LB_DELETESTRING, nIndex, 0)) : LB_ERR;
}

void CXTPControlComboBoxList::ResetContent()
{
    if (GetSafeHwnd())
        SendMessage(LB_RESETCONTENT, 0, 0);
}

int CXTPControlComboBoxList::GetCurSel() const
{
    return GetSafeHwnd() ? static_cast<int>(::SendMessageW(GetSafeHwnd(), LB_GETCURSEL, 0, 0)) : LB_ERR;
}

void CXTPControlComboBoxList::SetCurSel(int nIndex)
{
    if (GetSafeHwnd())
        SendMessage(LB_SETCURSEL, nIndex, 0);
}

int CXTPControlComboBoxList::GetItemHeight() const
{
    int nHeight = GetSafeHwnd() ? static_cast<int>(::SendMessageW(GetSafeHwnd(), LB_GETITEMHEIGHT, 0, 0)) : 0;
    return nHeight > 0 ? nHeight : 16;
}

void CXTPControlComboBoxList::ApplyReadingOrder()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE));
    dwExStyle &= ~(kReadingOrderBits | WS_EX_LAYOUTRTL);
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        dwExStyle |= kReadingOrderBits;
    ::SetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE, static_cast<LONG>(dwExStyle));
}

BOOL CXTPControlComboBoxList::Popup(CXTPControl* pControl, BOOL /*bSelectFirst*/)
{
    if (!CreateListWindow() || !dynamic_cast<CXTPControlComboBox*>(pControl))
        return FALSE;
    if (pControl->GetParent() && pControl->GetParent()->GetCommandBars())
        SetCommandBars(pControl->GetParent()->GetCommandBars());
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetPaintManager()->GetRegularFont()->GetSafeHandle()), FALSE);
    ApplyReadingOrder();
    // Owned by the frame: the list stays above it and goes with it.
    CWnd* pSite = pControl->GetParent() ? pControl->GetParent()->GetSite() : nullptr;
    if (pSite && pSite->GetSafeHwnd())
        ::SetWindowLongPtrW(GetSafeHwnd(), GWLP_HWNDPARENT,
                            reinterpret_cast<LONG_PTR>(::GetAncestor(pSite->GetSafeHwnd(), GA_ROOT)));
    if (!CXTPPopupBar::Popup(pControl, FALSE))
        return FALSE;
    int nSel = GetCurSel();
    if (nSel >= 0)
        SendMessage(LB_SETTOPINDEX, nSel, 0);
    return TRUE;
}

CSize CXTPControlComboBoxList::CalcDynamicLayout(int /*nLength*/, DWORD /*dwMode*/)
{
    CXTPControlComboBox* pComboBox = GetComboBox();
    int nRows = std::max(1, std::min(pComboBox ? pComboBox->GetDropDownItemCount() : 12, GetCount()));
    int nWidth = m_nListWidth > 0 ? m_nListWidth : (pComboBox ? pComboBox->GetWidth() : 100);
    return CSize(nWidth, GetItemHeight() * nRows + 4);
}

void CXTPControlComboBoxList::DrawCommandBar(CDC* pDC, CRect /*rcClipBox*/)
{
    SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
}

BOOL CXTPControlComboBoxList::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if (bMode)
        return CXTPPopupBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard);
    // Closing hides the window: the items live in it.
    if (!CXTPCommandBar::SetTrackingMode(bMode, bSelectFirst, bKeyboard))
        return FALSE;
    if (GetSafeHwnd())
        ::SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    CXTPCommandBar* pParentBar = m_pParentBar;
    m_pControlPopup = nullptr;
    if (pParentBar && pParentBar->GetSafeHwnd())
        pParentBar->SetPopuped(-1);
    CWnd* pSite = GetOwnerSite();
    if (pSite && ::IsWindow(pSite->GetSafeHwnd()))
        pSite->SendMessage(WM_XTP_POPUP_CLOSED, 0, reinterpret_cast<LPARAM>(this));
    return TRUE;
}

int CXTPControlComboBoxList::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    CXTPControlComboBox* pComboBox = GetComboBox();
    if (!pComboBox)
        return 0;
    // A focused combo box answers its keys itself, the list keys among them.
    if (pComboBox->IsFocused())
        return pComboBox->OnHookKeyDown(nChar, lParam);
    switch (nChar) {
    case VK_ESCAPE:
        if (m_pParentBar)
            m_pParentBar->SetPopuped(-1);
        return 1;
    case VK_RETURN:
        CXTPKeyCommandQueue::Run(pComboBox, [](CXTPControl* pControl) { pControl->OnExecute(); });
        return 1;
    case VK_TAB:
        return 0;
    default:
        pComboBox->SelectByKey(nChar);
        return 1;
    }
}

void CXTPControlComboBoxList::DrawBorder()
{
    HDC hDC = ::GetWindowDC(GetSafeHwnd());
    if (!hDC)
        return;
    CRect rc;
    ::GetWindowRect(GetSafeHwnd(), &rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CDC* pDC = CDC::FromHandle(hDC);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pDC->Draw3dRect(rc, pPaintManager->GetColor(COLOR_3DSHADOW), pPaintManager->GetColor(COLOR_3DSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, pPaintManager->GetColor(COLOR_WINDOW), pPaintManager->GetColor(COLOR_WINDOW));
    ::ReleaseDC(GetSafeHwnd(), hDC);
}

LRESULT CXTPControlComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
        LRESULT lHit = DefWindowProc(LB_ITEMFROMPOINT, 0, lParam);
        int nItem = LOWORD(lHit);
        if (HIWORD(lHit) == 0 && nItem != GetCurSel())
            SetCurSel(nItem);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_LBUTTONUP: {
        CXTPControlComboBox* pComboBox = GetComboBox();
        if (pComboBox) {
            // Executing closes the list and may release the combo box.
            pComboBox->InternalAddRef();
            pComboBox->OnSelChanged();
            pComboBox->OnExecute();
            pComboBox->InternalRelease();
        }
        return 0;
    }
    case WM_NCPAINT: {
        LRESULT lResult = DefWindowProc(message, wParam, lParam);
        DrawBorder();
        return lResult;
    }
    default:
        break;
    }
    if (IsListBoxMessage(message))
        return DefWindowProc(message, wParam, lParam);
    return CXTPPopupBar::WindowProc(message, wParam, lParam);
}

void CXTPControlComboBoxList::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPopupBar::DoPropExchange(pPX);
    CXTPSectionHolder section(pPX->GetSection(L"Items"));
    CXTPPropExchange* pItems = section.Get();
    if (!pItems)
        return;
    long nCount = pPX->IsStoring() ? GetCount() : 0;
    XTPExchangeLongWithDefault(pItems, L"Count", nCount, 0);
    if (pPX->IsStoring()) {
        for (int i = 0; i < nCount; i++) {
            CString strName, strItem = GetText(i);
            strName.Format(L"Item%i", i);
            XTPExchangeStringWithDefault(pItems, strName, strItem, L"");
        }
        return;
    }
    if (nCount < 0 || nCount > kMaxStoredItems)
        return;
    ResetContent();
    for (int i = 0; i < nCount; i++) {
        CString strName, strItem;
        strName.Format(L"Item%i", i);
        XTPExchangeStringWithDefault(pItems, strName, strItem, L"");
        AddString(strItem);
    }
}

void CXTPControlComboBoxList::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPPopupBar::Copy(pCommandBar, bRecursive);
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(pCommandBar);
    if (!pList || pList == this)
        return;
    m_nListWidth = pList->m_nListWidth;
    ResetContent();
    for (int i = 0; i < pList->GetCount(); i++)
        AddString(pList->GetText(i));
    SetCurSel(pList->GetCurSel());
}
