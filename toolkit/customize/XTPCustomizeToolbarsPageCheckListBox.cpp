#include "toolkit/customize/XTPCustomizeToolbarsPageCheckListBox.h"

#include <vssym32.h>

#include "framework/windows/CWinApp.h"
#include "resources/FrameworkIds.h"

CXTPCustomizeToolbarsPageCheckListBox::CXTPCustomizeToolbarsPageCheckListBox(CXTPWinThemeLibrary* pLibrary)
    : m_themeHelper(pLibrary), m_hBitmapCheck(nullptr), m_nCheckWidth(0), m_nCheckHeight(0)
{
    m_hBitmapCheck = static_cast<HBITMAP>(::LoadImageW(AfxFindResourceHandle(MAKEINTRESOURCEW(AFX_IDB_CHECKLISTBOX), RT_BITMAP),
                                                       MAKEINTRESOURCEW(AFX_IDB_CHECKLISTBOX),
                                                       IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP bm = {};
    if (m_hBitmapCheck != nullptr && ::GetObjectW(m_hBitmapCheck, sizeof(bm), &bm)) {
        m_nCheckWidth = bm.bmWidth / 3;
        m_nCheckHeight = bm.bmHeight;
    }
    m_themeHelper.OpenThemeData(nullptr, L"BUTTON");
    SIZE size = {};
    if (m_themeHelper.IsThemeUsable() &&
        SUCCEEDED(m_themeHelper.GetThemePartSize(nullptr, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr, TS_TRUE, &size))) {
        m_nCheckWidth = size.cx;
        m_nCheckHeight = size.cy;
    } else {
        m_themeHelper.CloseThemeData();
    }
}

CXTPCustomizeToolbarsPageCheckListBox::~CXTPCustomizeToolbarsPageCheckListBox()
{
    if (m_hBitmapCheck != nullptr)
        ::DeleteObject(m_hBitmapCheck);
}

BOOL CXTPCustomizeToolbarsPageCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM) {
        PreDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
    return CCheckListBox::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CXTPCustomizeToolbarsPageCheckListBox::DrawThemedCheck(HDC hDC, const CRect& rcCheck, int nCheck)
{
    if (m_themeHelper.GetThemeHandle() == nullptr || !m_themeHelper.IsThemeUsable())
        return FALSE;
    const int nState = nCheck == 1 ? CBS_CHECKEDNORMAL : nCheck == 2 ? CBS_UNCHECKEDDISABLED : CBS_UNCHECKEDNORMAL;
    return SUCCEEDED(m_themeHelper.DrawThemeBackground(hDC, BP_CHECKBOX, nState, &rcCheck, nullptr));
}

void CXTPCustomizeToolbarsPageCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT drawItem = *lpDrawItemStruct;
    if (static_cast<int>(drawItem.itemID) < 0 || !(drawItem.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    HDC hDC = drawItem.hDC;
    const int nIndex = static_cast<int>(drawItem.itemID);
    const int nItemHeight = static_cast<int>(SendMessageW(LB_GETITEMHEIGHT, nIndex, 0));
    const BOOL bEnabled = IsWindowEnabled() && IsEnabled(nIndex);
    const COLORREF clrBack = ::GetSysColor((drawItem.itemState & ODS_SELECTED) && bEnabled ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF clrOldBack = ::SetBkColor(hDC, clrBack);

    CRect rcItem(drawItem.rcItem);
    CRect rcCheck(rcItem.left + 1, rcItem.top + ((nItemHeight - m_nCheckHeight) / 2 > 0 ? (nItemHeight - m_nCheckHeight) / 2 : 0) + 1, 0, 0);
    rcCheck.right = rcCheck.left + m_nCheckWidth;
    rcCheck.bottom = rcCheck.top + m_nCheckHeight;
    rcCheck = OnGetCheckPosition(rcItem, rcCheck);

    const int nCheck = GetCheck(nIndex);
    CRect rcFill(rcItem.left, rcItem.top, rcCheck.right + 2, rcItem.bottom);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rcFill, nullptr, 0, nullptr);
    if (!DrawThemedCheck(hDC, rcCheck, nCheck) && m_hBitmapCheck != nullptr) {
        HDC hMemDC = ::CreateCompatibleDC(hDC);
        HGDIOBJ hOld = ::SelectObject(hMemDC, m_hBitmapCheck);
        ::BitBlt(hDC, rcCheck.left, rcCheck.top, m_nCheckWidth, m_nCheckHeight, hMemDC, m_nCheckWidth * nCheck, 0,
                 SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }
    ::SetBkColor(hDC, clrOldBack);

    // The item drawing gets the caller's data, not the list's own record.
    drawItem.rcItem.left += m_nCheckWidth + 2;
    drawItem.itemData = GetItemData(nIndex);
    DrawItem(&drawItem);
}
