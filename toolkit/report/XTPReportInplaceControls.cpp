#include "toolkit/report/XTPReportInplaceControls.h"

#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/drawing/XTPClickOutsideHook.h"
#include "toolkit/common/drawing/XTPMonitorFunctions.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/rows/XTPReportRow.h"

namespace {

const int kMaxListRows = 10;
const int kButtonWidth = 17;
const UINT kButtonWindowId = 0xFFFF;

} // namespace

CXTPReportInplaceControl::~CXTPReportInplaceControl()
{
    SetItemArgs(nullptr);
}

void CXTPReportInplaceControl::SetItemArgs(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    CXTPReportRow* pOldRow = pRow;
    if (pItemArgs)
    {
        if (pItemArgs->pRow)
            pItemArgs->pRow->InternalAddRef();
        pControl = pItemArgs->pControl;
        pRow = pItemArgs->pRow;
        pColumn = pItemArgs->pColumn;
        pItem = pItemArgs->pItem;
        rcItem = pItemArgs->rcItem;
    }
    else
    {
        pControl = nullptr;
        pRow = nullptr;
        pColumn = nullptr;
        pItem = nullptr;
        rcItem.SetRectEmpty();
    }
    if (pOldRow)
        pOldRow->InternalRelease();
}

// In-place edit

CXTPReportInplaceEdit::CXTPReportInplaceEdit()
    : m_pSelectedConstraint(nullptr), m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_bReentry(FALSE)
{
}

CXTPReportInplaceEdit::~CXTPReportInplaceEdit()
{
    if (m_hWnd)
        DestroyWindow();
}

void CXTPReportInplaceEdit::Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    SetItemArgs(pItemArgs);
    m_pSelectedConstraint = nullptr;
    if (!pControl || !pRow || !pItem)
        return;

    XTP_REPORTRECORDITEM_METRICS metrics;
    metrics.strText = pItem->GetCaption(pColumn);
    pRow->FillEditingMetrics(pColumn, pItem, &metrics);

    CRect rcEdit(rcItem);
    pItem->GetCaptionRect(this, rcEdit);
    rcEdit.top += 1;
    rcEdit.left += 2;
    rcEdit.right -= 2;
    rcEdit.bottom -= 2;

    m_clrText = metrics.clrForeground;
    m_strValue = metrics.strText;
    CXTPReportRecordItemEditOptions* pOptions = pItem->GetEditOptions(pColumn);
    DWORD dwStyle = WS_CHILD | pOptions->m_dwEditStyle;
    dwStyle &= ~(ES_CENTER | ES_RIGHT);
    if (pControl->GetPaintManager()->m_bUseEditTextAlignment && pColumn)
    {
        const int nAlign = pColumn->GetAlignment();
        if (nAlign & DT_RIGHT)
            dwStyle |= ES_RIGHT;
        else if (nAlign & DT_CENTER)
            dwStyle |= ES_CENTER;
    }
    if (m_hWnd && (GetStyle() & ~WS_VISIBLE) != dwStyle)
        DestroyWindow();
    if (!m_hWnd)
        CEdit::Create(dwStyle, CRect(0, 0, 0, 0), pControl, 0);
    if (!m_hWnd)
        return;
    if (pControl->GetExStyle() & WS_EX_RTLREADING)
        ModifyStyleEx(0, WS_EX_RTLREADING);

    SendMessage(EM_LIMITTEXT, (WPARAM)pOptions->m_nMaxLength);
    SetFocus();
    m_fntEdit.DeleteObject();
    LOGFONT lf;
    if (metrics.pFont && metrics.pFont->GetLogFont(&lf))
    {
        m_fntEdit.CreateFontIndirect(&lf);
        CWnd::SetFont(&m_fntEdit, FALSE);
    }
    SetWindowText(m_strValue);
    if (rcEdit.Width() > 0)
        SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width(), rcEdit.Height(),
                     SWP_NOZORDER | SWP_SHOWWINDOW);
    else
        ShowWindow(SW_HIDE);
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void CXTPReportInplaceEdit::HideWindow()
{
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    SetItemArgs(nullptr);
}

// Cycles through the constraints whose caption begins with the character.
static CXTPReportRecordItemConstraint* NextConstraintFor(CXTPReportRecordItemConstraints* pConstraints,
                                                         CXTPReportRecordItemConstraint* pCurrent, WCHAR ch)
{
    const int nCount = pConstraints->GetCount();
    const int nStart = pCurrent ? pCurrent->GetIndex() + 1 : 0;
    const WCHAR chLower = (WCHAR)(UINT_PTR)::CharLowerW((LPWSTR)(UINT_PTR)ch);
    for (int i = 0; i < nCount; ++i)
    {
        CXTPReportRecordItemConstraint* pConstraint = pConstraints->GetAt((nStart + i) % nCount);
        if (pConstraint == pCurrent || pConstraint->m_strConstraint.IsEmpty())
            continue;
        const WCHAR chFirst =
            (WCHAR)(UINT_PTR)::CharLowerW((LPWSTR)(UINT_PTR)pConstraint->m_strConstraint.GetAt(0));
        if (chFirst == chLower)
            return pConstraint;
    }
    return nullptr;
}

LRESULT CXTPReportInplaceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
    {
        if (m_bReentry || !pControl)
            break;
        UINT nChar = (UINT)wParam;
        if (!pControl->OnPreviewKeyDown(nChar, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        if (nChar == VK_TAB)
        {
            CXTPReportControl* pReport = pControl;
            pReport->SetFocus();
            pReport->SendMessage(WM_CHAR, VK_TAB);
            return 0;
        }
        if (nChar == VK_ESCAPE)
        {
            SetWindowText(m_strValue);
            m_pSelectedConstraint = nullptr;
            return 0;
        }
        if (nChar == VK_RETURN)
            return 0;
        m_bReentry = TRUE;
        const LRESULT lResult = SendMessage(WM_KEYDOWN, nChar, lParam);
        m_bReentry = FALSE;
        return lResult;
    }
    case WM_CHAR:
    {
        if (wParam == VK_TAB)
            return 0;
        if (wParam == VK_ESCAPE || wParam == VK_RETURN)
        {
            // Esc has put the starting text back, so nothing changes.
            if (pControl)
                pControl->EditItem(nullptr);
            return 0;
        }
        CXTPReportRecordItemEditOptions* pOptions = pItem ? pItem->GetEditOptions(pColumn) : nullptr;
        if (pOptions && pOptions->m_bConstraintEdit && pOptions->GetConstraints()->GetCount() > 0)
        {
            CString strText;
            GetWindowText(strText);
            CXTPReportRecordItemConstraint* pCurrent =
                m_pSelectedConstraint ? m_pSelectedConstraint : pOptions->FindConstraint((LPCTSTR)strText);
            CXTPReportRecordItemConstraint* pNext =
                NextConstraintFor(pOptions->GetConstraints(), pCurrent, (WCHAR)wParam);
            if (pNext)
            {
                m_pSelectedConstraint = pNext;
                SetWindowText(pNext->m_strConstraint);
                SendMessage(EM_SETSEL, 0, -1);
            }
            return 0;
        }
        break;
    }
    case WM_SYSKEYDOWN:
        if ((wParam == VK_UP || wParam == VK_DOWN) && pControl && pItem)
        {
            CXTPReportInplaceButtons* pButtons = pControl->GetInplaceButtons();
            if (pButtons && pButtons->GetSize() > 0 && pButtons->GetAt(0)->pItem == pItem)
                pItem->OnInplaceButtonDown(pButtons->GetAt(0));
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (pControl && pRow)
        {
            CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
            MapWindowPoints(pControl, &pt, 1);
            pRow->OnDblClick(pt);
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

BOOL CXTPReportInplaceEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd)
    {
        // Dispatching may end the edit: nothing of it is touched after.
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

BOOL CXTPReportInplaceEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_KILLFOCUS)
    {
        if (pItem)
        {
            XTP_REPORTRECORDITEM_ARGS args(*this);
            pItem->OnValidateEdit(&args);
            HideWindow();
        }
        return TRUE;
    }
    if (message == WM_CTLCOLOREDIT)
    {
        ::SetTextColor((HDC)wParam, m_clrText);
        *pResult = (LRESULT)::GetSysColorBrush(COLOR_WINDOW);
        return TRUE;
    }
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}

// In-place list

CXTPReportInplaceList::CXTPReportInplaceList() = default;

CXTPReportInplaceList::~CXTPReportInplaceList()
{
    if (m_hWnd)
        DestroyWindow();
}

void CXTPReportInplaceList::Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs,
                                   CXTPReportRecordItemConstraints* pConstraints)
{
    SetItemArgs(pItemArgs);
    if (!pControl || !pItem || !pConstraints)
        return;
    if (!m_hWnd && !CListBox::Create(WS_CHILD | WS_VSCROLL | WS_BORDER | LBS_NOTIFY, CRect(0, 0, 0, 0), pControl, 0))
        return;
    CWnd::SetFont(pControl->GetPaintManager()->GetTextFont(), FALSE);
    ResetContent();

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(pControl->GetPaintManager()->GetTextFont());
    int nWidest = 0;
    for (int i = 0; i < pConstraints->GetCount(); ++i)
    {
        CXTPReportRecordItemConstraint* pConstraint = pConstraints->GetAt(i);
        const int nIndex = AddString(pConstraint->m_strConstraint);
        SetItemDataPtr(nIndex, pConstraint);
        const int nWidth = dc.GetTextExtent(pConstraint->m_strConstraint).cx;
        if (nWidth > nWidest)
            nWidest = nWidth;
    }
    dc.SelectObject(pOldFont);
    int nWidth = nWidest + ::GetSystemMetrics(SM_CXHTHUMB);
    if (nWidth < rcItem.Width())
        nWidth = rcItem.Width();

    CXTPReportRecordItemConstraint* pCurrent = nullptr;
    const DWORD_PTR dwData = pItem->GetSelectedConstraintData(this);
    if (dwData != (DWORD_PTR)-1)
        pCurrent = pConstraints->FindConstraint(dwData);
    else
        pCurrent = pConstraints->FindConstraint((LPCTSTR)pItem->GetCaption(pColumn));
    if (pCurrent)
        SetCurSel(pCurrent->GetIndex());

    const int nRows = pConstraints->GetCount() < kMaxListRows ? pConstraints->GetCount() : kMaxListRows;
    const int nHeight = GetItemHeight(0) * nRows + 2;
    CRect rcCell(rcItem);
    pControl->ClientToScreen(&rcCell);
    const CRect rcWork = XTPGetWorkAreaOfRect(rcCell);
    CRect rcList(rcCell.left, rcCell.bottom, rcCell.left + nWidth, rcCell.bottom + nHeight);
    if (rcList.bottom > rcWork.bottom && rcCell.top > rcWork.CenterPoint().y)
        rcList.OffsetRect(0, rcCell.top - nHeight - rcList.top);
    if (rcList.right > rcWork.right)
        rcList.OffsetRect(rcWork.right - rcList.right, 0);
    if (rcList.left < rcWork.left)
        rcList.OffsetRect(rcWork.left - rcList.left, 0);

    ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, 0);
    ModifyStyle(WS_CHILD, WS_POPUP);
    SetWindowPos(&wndTopMost, rcList.left, rcList.top, rcList.Width(), rcList.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetFocus();
    XTPSetClickOutsideHook(this);
}

void CXTPReportInplaceList::Apply()
{
    if (!pControl || !pItem)
        return;
    CXTPReportControl* pReport = pControl;
    const int nSel = GetCurSel();
    if (nSel != LB_ERR)
    {
        // Copied: applying may end editing and clear the arguments.
        XTP_REPORTRECORDITEM_ARGS args(*this);
        CXTPReportRecordItemConstraint* pConstraint = (CXTPReportRecordItemConstraint*)GetItemDataPtr(nSel);
        args.pItem->OnConstraintChanged(&args, pConstraint);
        pReport->RedrawControl();
        pReport->SendMessageToParent(args.pRow, args.pItem, args.pColumn, RN_VALUECHANGED, nullptr);
    }
    pReport->SetFocus();
}

LRESULT CXTPReportInplaceList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
        {
            if (pControl)
                pControl->SetFocus();
            return 0;
        }
        if (wParam == VK_RETURN || wParam == VK_F4)
        {
            Apply();
            return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN)
        {
            Apply();
            return 0;
        }
        break;
    case WM_LBUTTONUP:
    {
        CRect rc;
        GetClientRect(rc);
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (rc.PtInRect(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))))
            Apply();
        return lResult;
    }
    case WM_KILLFOCUS:
    {
        const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        PostMessage(WM_CLOSE);
        return lResult;
    }
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_DESTROY:
        XTPSetClickOutsideHook(nullptr);
        SetItemArgs(nullptr);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

// In-place button

CXTPReportInplaceButton::CXTPReportInplaceButton(UINT nID)
    : m_nID(nID), m_nWidth(kButtonWidth), m_bPressed(FALSE), m_bOver(FALSE)
{
}

CXTPReportInplaceButton::~CXTPReportInplaceButton()
{
    if (m_hWnd)
        DestroyWindow();
}

void CXTPReportInplaceButton::Create(XTP_REPORTRECORDITEM_ARGS* pItemArgs, CRect& rcButtons)
{
    SetItemArgs(pItemArgs);
    m_bPressed = m_bOver = FALSE;
    if (!pControl)
        return;
    CRect rcButton(rcButtons.right - 1, rcButtons.top, rcButtons.right + m_nWidth - 1, rcButtons.bottom - 1);
    CRect rcClient;
    pControl->GetClientRect(rcClient);
    int nShift = 0;
    if (rcButton.right > rcClient.right)
    {
        nShift = rcButton.right - rcClient.right;
        rcButton.OffsetRect(-nShift, 0);
    }
    if (!m_hWnd)
        CStatic::Create(nullptr, WS_CHILD | SS_NOTIFY, rcButton, pControl, kButtonWindowId);
    SetWindowPos(nullptr, rcButton.left, rcButton.top, rcButton.Width(), rcButton.Height(),
                 SWP_NOZORDER | SWP_SHOWWINDOW);
    rcItem.right -= nShift;
    rcButtons.right += m_nWidth;
}

LRESULT CXTPReportInplaceButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
    {
        CPaintDC dc(this);
        if (pControl)
            pControl->GetPaintManager()->DrawInplaceButton(&dc, this);
        return 0;
    }
    case WM_LBUTTONDOWN:
    {
        m_bPressed = TRUE;
        Invalidate(FALSE);
        CXTPReportRecordItem* pTarget = pItem;
        if (pTarget)
            pTarget->OnInplaceButtonDown(this);
        if (m_hWnd)
        {
            m_bPressed = FALSE;
            Invalidate(FALSE);
        }
        return 0;
    }
    default:
        break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
