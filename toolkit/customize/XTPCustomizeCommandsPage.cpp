#include "toolkit/customize/XTPCustomizeCommandsPage.h"

#include "framework/dialogs/CDataExchange.h"
#include "framework/gdi/CDC.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

IMPLEMENT_DYNCREATE(CXTPCustomizeCommandsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeCommandsPage, CPropertyPage)
    ON_LBN_SELCHANGE(XTP_IDC_LIST_CATEGORIES, OnCategoriesSelectionChanged)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CXTPCustomizeCommandsPage::CCommandsListBox, CListBox)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CXTPCustomizeCommandsPage::CXTPCustomizeCommandsPage(CXTPCustomizeSheet* pSheet)
    : CPropertyPage(XTP_IDD_PAGE_COMMANDS),
      m_pSheet(pSheet),
      m_categories(pSheet != nullptr ? pSheet->GetCommandBars() : nullptr)
{
    m_lstCommands.m_pPage = this;
}

CXTPCommandBars* CXTPCustomizeCommandsPage::GetCommandBars() const
{
    return m_pSheet != nullptr ? m_pSheet->GetCommandBars() : nullptr;
}

void CXTPCustomizeCommandsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XTP_IDC_LIST_COMMANDS, m_lstCommands);
    DDX_Control(pDX, XTP_IDC_LIST_CATEGORIES, m_lstCategories);
}

BOOL CXTPCustomizeCommandsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int i = 0; i < m_categories.GetCount(); i++) {
        const int nItem = m_lstCategories.AddString(m_categories.GetCategoryInfo(i)->strCategory);
        m_lstCategories.SetItemData(nItem, static_cast<DWORD_PTR>(i));
    }
    if (m_lstCategories.GetCount() > 0)
        m_lstCategories.SetCurSel(0);
    const int nHeight = m_lstCommands.MeasureCommandHeight();
    if (nHeight > 0)
        m_lstCommands.SetItemHeight(0, static_cast<UINT>(nHeight));
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars != nullptr && pCommandBars->IsLayoutRTL()) {
        m_lstCategories.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
        m_lstCommands.ModifyStyleEx(0, WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR);
    }
    // Clicks on the page must not close a menu the user opened on a bar.
    XTPMouseManager()->AddTrustedWindow(m_hWnd);
    OnCategoriesSelectionChanged();
    return FALSE;
}

void CXTPCustomizeCommandsPage::OnDestroy()
{
    XTPMouseManager()->RemoveTrustedWindow(m_hWnd);
    CPropertyPage::OnDestroy();
}

void CXTPCustomizeCommandsPage::OnCategoriesSelectionChanged()
{
    m_lstCommands.ResetContent();
    const int nSel = m_lstCategories.GetCurSel();
    XTP_COMMANDBARS_CATEGORYINFO* pInfo =
        nSel != LB_ERR ? m_categories.GetCategoryInfo(static_cast<int>(m_lstCategories.GetItemData(nSel))) : nullptr;
    if (pInfo == nullptr)
        return;
    for (int i = 0; i < pInfo->pControls->GetCount(); i++)
        m_lstCommands.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pInfo->pControls->GetAt(i)));
}

// ---- the command list

int CXTPCustomizeCommandsPage::CCommandsListBox::MeasureCommandHeight()
{
    CXTPCommandBars* pCommandBars = m_pPage->GetCommandBars();
    if (pCommandBars == nullptr || m_hWnd == nullptr)
        return 0;
    auto* pSample = new CXTPControlButton();
    pSample->SetCaption(L"X");
    HDC hDC = ::GetDC(m_hWnd);
    CSize size = pCommandBars->GetPaintManager()->DrawListBoxControl(CDC::FromHandle(hDC), pSample, CRect(0, 0, 0, 0),
                                                                    FALSE, FALSE);
    ::ReleaseDC(m_hWnd, hDC);
    pSample->InternalRelease();
    return size.cy;
}

void CXTPCustomizeCommandsPage::CCommandsListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CXTPCommandBars* pCommandBars = m_pPage->GetCommandBars();
    auto* pControl = reinterpret_cast<CXTPControl*>(lpDrawItemStruct->itemData);
    if (pCommandBars == nullptr || pControl == nullptr || static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    pCommandBars->GetPaintManager()->DrawListBoxControl(CDC::FromHandle(lpDrawItemStruct->hDC), pControl,
                                                        CRect(lpDrawItemStruct->rcItem),
                                                        (lpDrawItemStruct->itemState & ODS_SELECTED) != 0, TRUE);
}

BOOL CXTPCustomizeCommandsPage::CCommandsListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    // The room below the last entry takes the entries' own background.
    if (CXTPCommandBars* pCommandBars = m_pPage->GetCommandBars())
        pCommandBars->GetPaintManager()->DrawListBoxControl(pDC, nullptr, rcClient, FALSE, TRUE);
    else
        pDC->FillSolidRect(rcClient, ::GetSysColor(COLOR_3DFACE));
    return TRUE;
}

void CXTPCustomizeCommandsPage::CCommandsListBox::OnPaint()
{
    // Painted into a buffer filled first, so that the items never flicker.
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CRect rcClient;
    GetClientRect(&rcClient);
    {
        CXTPBufferDC dc(hDC, rcClient);
        OnEraseBkgnd(&dc);
        DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CXTPCustomizeCommandsPage::CCommandsListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTPCommandBars* pCommandBars = m_pPage->GetCommandBars();
    BOOL bOutside = TRUE;
    const UINT nItem = ItemFromPoint(point, bOutside);
    if (bOutside || pCommandBars == nullptr) {
        CListBox::OnLButtonDown(nFlags, point);
        return;
    }
    // Through the manager, so that the selected button's frame goes at once.
    pCommandBars->SetCustomizeSelection(nullptr);
    SetCurSel(static_cast<int>(nItem));
    SetFocus();
    GetParent()->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
    auto* pControl = reinterpret_cast<CXTPControl*>(GetItemData(static_cast<int>(nItem)));
    if (pControl != nullptr && pCommandBars->GetDragHelper() != nullptr)
        pCommandBars->GetDragHelper()->DragControl(pControl, TRUE);
}
