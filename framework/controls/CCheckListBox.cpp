#include "framework/controls/CCheckListBox.h"

#include <algorithm>

#include "framework/gdi/CDC.h"
#include "framework/windows/CWinApp.h"
#include "resources/FrameworkIds.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCheckListBox::CCheckListBox()
{
    LPCWSTR name = MAKEINTRESOURCEW(AFX_IDB_CHECKLISTBOX);
    m_hCheckBitmap = static_cast<HBITMAP>(
        ::LoadImageW(AfxFindResourceHandle(name, RT_BITMAP), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP info = {};
    if (m_hCheckBitmap != nullptr && ::GetObjectW(m_hCheckBitmap, sizeof(info), &info) != 0)
        m_sizeCheck = CSize(info.bmWidth / 3, info.bmHeight);
    else
        m_sizeCheck = CSize(13, 13);
}

CCheckListBox::~CCheckListBox()
{
    if (m_hCheckBitmap != nullptr)
        ::DeleteObject(m_hCheckBitmap);
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        dwStyle |= LBS_OWNERDRAWFIXED;
    return CListBox::Create(dwStyle | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::SetCheckStyle(UINT nStyle)
{
    if (nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE)
        m_nStyle = nStyle;
}

CCheckListBox::ItemData* CCheckListBox::Record(int nIndex) const
{
    LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
    return data == LB_ERR ? nullptr : reinterpret_cast<ItemData*>(data);
}

CCheckListBox::ItemData* CCheckListBox::EnsureRecord(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    ItemData* record = Record(nIndex);
    if (record == nullptr) {
        record = new ItemData;
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(record));
    }
    return record;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    ItemData* record = EnsureRecord(nIndex);
    if (record == nullptr || nCheck < 0 || nCheck > 2)
        return;
    record->check = nCheck;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    ItemData* record = Record(nIndex);
    return record != nullptr ? record->check : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    ItemData* record = EnsureRecord(nIndex);
    if (record == nullptr)
        return;
    record->enabled = bEnabled;
    CRect rect;
    if (GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    ItemData* record = Record(nIndex);
    return record != nullptr ? record->enabled : TRUE;
}

DWORD_PTR CCheckListBox::GetItemData(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return static_cast<DWORD_PTR>(LB_ERR);
    ItemData* record = Record(nIndex);
    return record != nullptr ? record->userData : 0;
}

int CCheckListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    ItemData* record = EnsureRecord(nIndex);
    if (record == nullptr)
        return LB_ERR;
    record->userData = dwItemData;
    return 0;
}

void* CCheckListBox::GetItemDataPtr(int nIndex) const
{
    DWORD_PTR data = GetItemData(nIndex);
    return data == static_cast<DWORD_PTR>(LB_ERR) ? reinterpret_cast<void*>(-1) : reinterpret_cast<void*>(data);
}

int CCheckListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

CRect CCheckListBox::OnGetCheckPosition(CRect, CRect rectCheckBox)
{
    return rectCheckBox;
}

CRect CCheckListBox::CheckRect(int, const CRect& rectItem)
{
    const int top = rectItem.top + std::max<int>((rectItem.Height() - m_sizeCheck.cy) / 2, 0) + 1;
    CRect check(rectItem.left + 1, top, rectItem.left + 1 + m_sizeCheck.cx, top + m_sizeCheck.cy);
    return OnGetCheckPosition(rectItem, check);
}

void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT dis = *lpDrawItemStruct;
    const int index = static_cast<int>(dis.itemID);
    if (index >= 0 && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        CDC* pDC = CDC::FromHandle(dis.hDC);
        const CRect item(dis.rcItem);
        const CRect check = CheckRect(index, item);
        pDC->FillSolidRect(CRect(item.left, item.top, check.right + 2, item.bottom), ::GetSysColor(COLOR_WINDOW));
        const int state = GetCheck(index);
        if (m_hCheckBitmap != nullptr) {
            HDC hMem = ::CreateCompatibleDC(dis.hDC);
            HGDIOBJ old = ::SelectObject(hMem, m_hCheckBitmap);
            ::BitBlt(dis.hDC, check.left, check.top, m_sizeCheck.cx, m_sizeCheck.cy, hMem, m_sizeCheck.cx * state, 0,
                     SRCCOPY);
            ::SelectObject(hMem, old);
            ::DeleteDC(hMem);
        } else {
            RECT frame = check;
            ::DrawFrameControl(dis.hDC, &frame, DFC_BUTTON,
                               DFCS_BUTTONCHECK | (state == 1 ? DFCS_CHECKED : 0) | (state == 2 ? DFCS_INACTIVE : 0));
        }
    }
    dis.rcItem.left += m_sizeCheck.cx + 2;
    if (index >= 0)
        dis.itemData = GetItemData(index);
    DrawItem(&dis);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int index = static_cast<int>(lpDrawItemStruct->itemID);
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const bool enabled = IsWindowEnabled() && (index < 0 || IsEnabled(index));
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) && enabled;
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        pDC->FillSolidRect(rect, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (index >= 0) {
            CString text;
            GetText(index, text);
            COLORREF oldText = pDC->SetTextColor(
                ::GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            int oldMode = pDC->SetBkMode(TRANSPARENT);
            CRect textRect = rect;
            textRect.left += 2;
            pDC->DrawText(text, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            pDC->SetBkMode(oldMode);
            pDC->SetTextColor(oldText);
        }
    }
    if ((lpDrawItemStruct->itemAction & ODA_FOCUS) || (lpDrawItemStruct->itemState & ODS_FOCUS))
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            pDC->DrawFocusRect(rect);
}

void CCheckListBox::PreMeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    MeasureItem(lpMeasureItemStruct);
    lpMeasureItemStruct->itemHeight = std::max<UINT>(lpMeasureItemStruct->itemHeight, m_sizeCheck.cy + 2);
}

void CCheckListBox::PreDeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    ItemData* record = reinterpret_cast<ItemData*>(lpDeleteItemStruct->itemData);
    DELETEITEMSTRUCT dis = *lpDeleteItemStruct;
    dis.itemData = record != nullptr ? record->userData : 0;
    delete record;
    DeleteItem(&dis);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_DRAWITEM:
        PreDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        PreMeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        PreDeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

void CCheckListBox::ClickCheck(int nIndex)
{
    if (!IsEnabled(nIndex))
        return;
    const int check = GetCheck(nIndex);
    if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, check == 1 ? 0 : 1);
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (check + 1) % 3);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                             reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    // The list's own selection first; the handle is kept in case a
    // notification handler destroys the list.
    HWND hWnd = m_hWnd;
    CListBox::OnLButtonDown(nFlags, point);
    if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
        return;
    BOOL outside = TRUE;
    const int index = static_cast<int>(ItemFromPoint(point, outside));
    CRect item;
    if (outside || GetItemRect(index, item) == LB_ERR)
        return;
    const CRect check = CheckRect(index, item);
    if (point.x >= item.left && point.x < check.right + 2)
        ClickCheck(index);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click on the check counts as another click on it.
    BOOL outside = TRUE;
    const int index = static_cast<int>(ItemFromPoint(point, outside));
    CRect item;
    if (!outside && GetItemRect(index, item) != LB_ERR && point.x < CheckRect(index, item).right + 2) {
        ClickCheck(index);
        return;
    }
    CListBox::OnLButtonDblClk(nFlags, point);
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE) {
        const int index = GetCaretIndex();
        if (index >= 0 && index < GetCount())
            ClickCheck(index);
        return;
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}
