#include "toolkit/report/records/XTPReportRecordItem.h"
#include "toolkit/report/XTPReportDestroyGuard.h"

#include "framework/files/CArchive.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CRgn.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/XTPReportPaintManager.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/records/XTPReportRecordItemEditOptions.h"
#include "toolkit/report/rows/XTPReportRow.h"

IMPLEMENT_SERIAL(CXTPReportRecordItem, CCmdTarget, VERSIONABLE_SCHEMA | XTP_REPORT_SCHEMA_CAPTION)

namespace {

const int kCheckBoxCaptionOffset = 15;

} // namespace

CXTPReportRecordItem::CXTPReportRecordItem()
    : m_rcGlyph(0, 0, 0, 0), m_pFontCaption(nullptr), m_clrText((COLORREF)-1), m_clrBackground((COLORREF)-1),
      m_bBoldText(FALSE), m_strFormatString(L"%s"), m_bEditable(TRUE), m_pRecord(nullptr), m_nIconIndex(-1),
      m_nSortPriority(-1), m_nGroupPriority(-1), m_bFocusable(TRUE), m_bChecked(FALSE), m_bHasCheckbox(FALSE),
      m_dwData(0), m_pEditOptions(nullptr)
{
}

CXTPReportRecordItem::~CXTPReportRecordItem()
{
    if (m_pEditOptions)
        m_pEditOptions->InternalRelease();
}

void CXTPReportRecordItem::SetFont(CFont* pFont)
{
    m_pFontCaption = pFont;
}

CFont* CXTPReportRecordItem::GetFont()
{
    return m_pFontCaption;
}

void CXTPReportRecordItem::SetTextColor(COLORREF clrText)
{
    m_clrText = clrText;
}

void CXTPReportRecordItem::SetBold(BOOL bBold)
{
    m_bBoldText = bBold;
}

void CXTPReportRecordItem::SetBackgroundColor(COLORREF clrBackground)
{
    m_clrBackground = clrBackground;
}

CString CXTPReportRecordItem::GetFormatString()
{
    return m_strFormatString;
}

BOOL CXTPReportRecordItem::IsEditable()
{
    return (m_pRecord == nullptr || m_pRecord->IsEditable()) && m_bEditable && m_bFocusable;
}

BOOL CXTPReportRecordItem::SetEditable(BOOL bEditable)
{
    const BOOL bOld = m_bEditable;
    m_bEditable = bEditable;
    return bOld;
}

BOOL CXTPReportRecordItem::IsPreviewItem() const
{
    return FALSE;
}

void CXTPReportRecordItem::SetChecked(BOOL bChecked)
{
    m_bChecked = bChecked;
}

BOOL CXTPReportRecordItem::IsChecked() const
{
    return m_bChecked;
}

int CXTPReportRecordItem::GetGroupPriority(CXTPReportColumn* /*pColumn*/)
{
    return m_nGroupPriority;
}

CString CXTPReportRecordItem::GetCaption(CXTPReportColumn* /*pColumn*/)
{
    return m_strCaption;
}

void CXTPReportRecordItem::OnEditChanged(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/, LPCTSTR /*szText*/)
{
}

DWORD_PTR CXTPReportRecordItem::GetSelectedConstraintData(XTP_REPORTRECORDITEM_ARGS* /*pItemArgs*/)
{
    return (DWORD_PTR)-1;
}

CXTPReportRecordItemEditOptions* CXTPReportRecordItem::GetEditOptions(CXTPReportColumn* pColumn)
{
    if (m_pEditOptions)
        return m_pEditOptions;
    if (pColumn)
        return pColumn->GetEditOptions();
    m_pEditOptions = new CXTPReportRecordItemEditOptions();
    return m_pEditOptions;
}

BOOL CXTPReportRecordItem::CanEditValue(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (!pItemArgs->pControl || !pItemArgs->pControl->IsAllowEdit() || !IsEditable())
        return FALSE;
    if (pItemArgs->pColumn)
        return pItemArgs->pColumn->IsEditable();
    return m_pEditOptions != nullptr && m_pEditOptions->m_bAllowEdit;
}

BOOL CXTPReportRecordItem::RequestEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (!pItemArgs->pControl)
        return TRUE;
    XTP_REPORTNOTIFY_REQUESTEDIT nm = {};
    nm.pRow = pItemArgs->pRow;
    nm.pItem = this;
    nm.pColumn = pItemArgs->pColumn;
    nm.nHyperlink = -1;
    nm.bCancel = FALSE;
    pItemArgs->pControl->SendNotifyMessage(RN_REQUESTEDIT, (NMHDR*)&nm);
    return !nm.bCancel;
}

BOOL CXTPReportRecordItem::CanToggleCheck(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (!IsEditable() || !m_bHasCheckbox)
        return FALSE;
    if (pItemArgs->pColumn && !pItemArgs->pColumn->IsEditable())
        return FALSE;
    return RequestEdit(pItemArgs);
}

void CXTPReportRecordItem::ToggleCheck(XTP_REPORTRECORDITEM_ARGS* pItemArgs, const CPoint* pPoint)
{
    CXTPReportControl* pControl = pItemArgs->pControl;
    if (!pControl)
        return;
    if (pControl->IsAutoCheckItems())
        SetChecked(!IsChecked());
    pControl->RedrawControl();
    CPoint pt = pPoint ? *pPoint : CPoint(0, 0);
    pControl->SendMessageToParent(pItemArgs->pRow, this, pItemArgs->pColumn, RN_CHECKED, pPoint ? &pt : nullptr);
}

BOOL CXTPReportRecordItem::IsEditingThis(CXTPReportControl* pControl) const
{
    CXTPReportInplaceEdit* pEdit = pControl ? pControl->GetInplaceEdit() : nullptr;
    return pEdit && pEdit->GetSafeHwnd() && pEdit->GetItem() == this;
}

void CXTPReportRecordItem::PlaceCaret(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs)
{
    CXTPReportControl* pControl = pClickArgs->pControl;
    CPoint ptScreen = pClickArgs->ptClient;
    pControl->ClientToScreen(&ptScreen);
    if (!IsEditingThis(pControl) || ::WindowFromPoint(ptScreen) != pControl->GetInplaceEdit()->GetSafeHwnd())
        return;
    CXTPReportInplaceEdit* pEdit = pControl->GetInplaceEdit();
    CXTPReportRecordItemEditOptions* pOptions = GetEditOptions(pClickArgs->pColumn);
    if (pOptions->m_bSelectTextOnEdit)
    {
        pEdit->SendMessage(EM_SETSEL, 0, -1);
        pEdit->SendMessage(EM_SCROLLCARET);
        return;
    }
    // The edit appeared under the mouse: click again so the caret lands
    // where the user clicked.
    const BOOL bSwapped = ::GetSystemMetrics(SM_SWAPBUTTON);
    mouse_event(bSwapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(bSwapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void CXTPReportRecordItem::GetCaptionRect(XTP_REPORTRECORDITEM_ARGS* pDrawArgs, CRect& rcItem)
{
    if (m_nIconIndex != -1 && pDrawArgs->pControl)
        rcItem.left += pDrawArgs->pControl->GetPaintManager()->DrawBitmap(nullptr, pDrawArgs->pControl, rcItem,
                                                                         m_nIconIndex);
    if (m_bHasCheckbox)
        rcItem.left += kCheckBoxCaptionOffset;
}

void CXTPReportRecordItem::DrawCaption(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                       XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    pDrawArgs->pControl->GetPaintManager()->DrawItemCaption(pDrawArgs, pMetrics);
}

void CXTPReportRecordItem::GetItemMetrics(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs,
                                          XTP_REPORTRECORDITEM_METRICS* pMetrics)
{
    if (m_clrBackground != (COLORREF)-1)
        pMetrics->clrBackground = m_clrBackground;
    if (m_clrText != (COLORREF)-1)
        pMetrics->clrForeground = m_clrText;
    if (m_pFontCaption)
        pMetrics->pFont = m_pFontCaption;
    else if (m_bBoldText && pDrawArgs && pDrawArgs->pControl)
        pMetrics->pFont = pDrawArgs->pControl->GetPaintManager()->GetTextFontBold();
}

int CXTPReportRecordItem::HitTestHyperlink(CPoint ptClick)
{
    for (int i = 0; i < m_hyperlinks.GetSize(); ++i)
    {
        CXTPReportHyperlink* pLink = m_hyperlinks.GetAt(i);
        if (pLink && pLink->m_rcHyperSpot.PtInRect(ptClick))
            return i;
    }
    return -1;
}

void CXTPReportRecordItem::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (HitTestHyperlink(point) != -1)
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
}

int CXTPReportRecordItem::Draw(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs)
{
    CDC* pDC = pDrawArgs->pDC;
    CXTPReportControl* pControl = pDrawArgs->pControl;
    CXTPReportRow* pRow = pDrawArgs->pRow;
    CXTPReportPaintManager* pPaintManager = pControl->GetPaintManager();
    CRect& rcItem = pDrawArgs->rcItem;
    const int nStartLeft = rcItem.left;

    CRgn rgnClip;
    if (!pDC->IsPrinting())
    {
        rgnClip.CreateRectRgn(rcItem.left, rcItem.top - 1, rcItem.right, rcItem.bottom);
        pDC->SelectClipRgn(&rgnClip);
    }

    XTP_REPORTRECORDITEM_METRICS* pMetrics = new XTP_REPORTRECORDITEM_METRICS();
    pMetrics->strText = GetCaption(pDrawArgs->pColumn);
    pRow->GetItemMetrics(pDrawArgs, pMetrics);

    if (pMetrics->clrBackground != (COLORREF)-1)
        pDC->FillSolidRect(rcItem, pMetrics->clrBackground);

    if (pDrawArgs->pColumn && pDrawArgs->pColumn->IsTreeColumn())
    {
        const int nLevels = pRow->GetTreeDepth() - pRow->GetGroupLevel();
        if (nLevels > 0)
            rcItem.left += pPaintManager->GetTreeIndent() * nLevels;
        pPaintManager->DrawTreeStructure(pDrawArgs, pMetrics, rcItem);
        if (pRow->HasChildren())
        {
            CRect rcGlyph(rcItem);
            const int nGlyphWidth = pPaintManager->DrawCollapsedBitmap(pDC, pRow, rcGlyph);
            if (!pDC->IsPrinting())
                pRow->m_rcCollapse = rcGlyph;
            rcItem.left += nGlyphWidth + 1;
        }
    }

    CFont* pOldFont = pMetrics->pFont ? pDC->SelectObject(pMetrics->pFont) : nullptr;
    const COLORREF clrOldText = pDC->SetTextColor(pMetrics->clrForeground);
    const COLORREF clrBack = pMetrics->clrBackground != (COLORREF)-1 ? pMetrics->clrBackground
                                                                      : pPaintManager->GetControlBackColor(pControl);
    const COLORREF clrOldBack = pDC->SetBkColor(clrBack);

    if (m_bHasCheckbox)
        DrawCheckBox(pDrawArgs, rcItem);
    if (m_nIconIndex != -1)
        pPaintManager->DrawItemBitmap(pDrawArgs, rcItem, m_nIconIndex);

    DrawCaption(pDrawArgs, pMetrics);

    const int nTextWidth = pDC->GetTextExtent(pMetrics->strText).cx;
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
    delete pMetrics;
    if (!pDC->IsPrinting())
        pDC->SelectClipRgn(nullptr);

    return (rcItem.left - nStartLeft) + nTextWidth + 4;
}

int CXTPReportRecordItem::DrawCheckBox(XTP_REPORTRECORDITEM_DRAWARGS* pDrawArgs, CRect& rcItem)
{
    const BOOL bEnabled = IsEditable() && (!pDrawArgs->pColumn || pDrawArgs->pColumn->IsEditable());
    int nGlyph = m_bChecked ? xtpReportGlyphChecked : xtpReportGlyphUnchecked;
    if (!bEnabled)
        nGlyph += 2;

    CXTPReportPaintManager* pPaintManager = pDrawArgs->pControl->GetPaintManager();
    const int nWidth = pPaintManager->DrawGlyph(nullptr, rcItem, nGlyph) - 1;
    const int nAlign = pDrawArgs->pColumn ? pDrawArgs->pColumn->GetIconAlignment() : DT_LEFT;
    CRect rcGlyph(rcItem);
    int nTaken = nWidth;
    if (nAlign & DT_CENTER)
    {
        rcGlyph.left = (rcItem.left + rcItem.right) / 2 - nWidth / 2 - 1;
    }
    else if (nAlign & DT_RIGHT)
    {
        rcGlyph.left = rcItem.right - nWidth - 2;
        rcItem.right -= nWidth + 2;
    }
    else
    {
        rcGlyph.left = rcItem.left + 2;
        rcItem.left += nWidth + 2;
        nTaken = nWidth + 2;
    }
    // DrawGlyph draws one pixel right of the rectangle's left edge.
    CRect rcDraw(rcGlyph.left - 1, rcGlyph.top, rcGlyph.left + nWidth, rcGlyph.bottom);
    pPaintManager->DrawGlyph(pDrawArgs->pDC, rcDraw, nGlyph);
    // A printout is no place to click: the screen's box stays where it is.
    if (!pDrawArgs->pDC->IsPrinting())
    {
        const int nTop = rcGlyph.top + (rcGlyph.Height() - nWidth) / 2;
        m_rcGlyph.SetRect(rcGlyph.left, nTop, rcGlyph.left + nWidth, nTop + nWidth);
    }
    return nTaken;
}

int CXTPReportRecordItem::Compare(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem)
{
    if (!pItem)
        return 0;
    if (m_nSortPriority != -1 || pItem->m_nSortPriority != -1)
        return m_nSortPriority - pItem->m_nSortPriority;
    const int nResult = GetCaption(pColumn).Compare(pItem->GetCaption(pColumn));
    return nResult < 0 ? -1 : nResult > 0 ? 1 : 0;
}

int CXTPReportRecordItem::CompareGroupCaption(CXTPReportColumn* pColumn, CXTPReportRecordItem* pItem)
{
    if (!pItem)
        return 0;
    if (m_nGroupPriority != -1)
        return m_nGroupPriority - pItem->m_nGroupPriority;
    if (!m_strGroupCaption.IsEmpty())
    {
        const int nResult = m_strGroupCaption.Compare(pItem->m_strGroupCaption);
        return nResult < 0 ? -1 : nResult > 0 ? 1 : 0;
    }
    const int nGroup = GetGroupPriority(pColumn);
    if (nGroup < 1)
        return Compare(pColumn, pItem);
    return nGroup - pItem->GetGroupPriority(pColumn);
}

CString CXTPReportRecordItem::GetGroupCaption(CXTPReportColumn* pColumn)
{
    if (!m_strGroupCaption.IsEmpty())
        return m_strGroupCaption;
    const int nGroup = GetGroupPriority(pColumn);
    CString strCaption;
    if (nGroup > 0 && XTPGetResourceManager()->LoadString(&strCaption, (UINT)nGroup))
        return strCaption;
    return (pColumn ? pColumn->GetCaption() : CString()) + L": " + GetCaption(pColumn);
}

void CXTPReportRecordItem::OnClick(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs)
{
    CXTPReportControl* pControl = pClickArgs->pControl;
    if (!pControl)
        return;
    // The owner may remove the column or destroy the control while it
    // handles a notification: each send is followed by a check. The row
    // holds this item's record.
    CXTPReportDestroyGuard guard(pControl);
    auto bGone = [&]() {
        return guard.IsDestroyed() || !pControl->GetSafeHwnd() ||
               (pClickArgs->pColumn && pControl->GetColumns()->IndexOf(pClickArgs->pColumn) == -1);
    };
    if (m_bHasCheckbox)
    {
        const BOOL bToggle = CanToggleCheck(pClickArgs);
        if (bGone())
            return;
        if (bToggle && m_rcGlyph.PtInRect(pClickArgs->ptClient))
        {
            ToggleCheck(pClickArgs, &pClickArgs->ptClient);
            if (bGone())
                return;
        }
    }

    if (pControl->IsEditOnClick())
    {
        const BOOL bEdit = CanEditValue(pClickArgs);
        if (bGone())
            return;
        if (bEdit)
        {
            pControl->EditItem(pClickArgs);
            PlaceCaret(pClickArgs);
        }
    }

    pControl->SendMessageToParent(pClickArgs->pRow, this, pClickArgs->pColumn, NM_CLICK, &pClickArgs->ptClient);
    if (bGone())
        return;

    const int nHyperlink = HitTestHyperlink(pClickArgs->ptClient);
    if (nHyperlink >= 0)
        pControl->SendMessageToParent(pClickArgs->pRow, this, pClickArgs->pColumn, RN_HYPERLINK,
                                      &pClickArgs->ptClient, nHyperlink);
}

void CXTPReportRecordItem::OnDblClick(XTP_REPORTRECORDITEM_CLICKARGS* pClickArgs)
{
    CXTPReportControl* pControl = pClickArgs->pControl;
    if (!pControl)
        return;
    if (CanEditValue(pClickArgs) && !pControl->IsEditOnClick() && !IsEditingThis(pControl))
    {
        pControl->EditItem(pClickArgs);
        PlaceCaret(pClickArgs);
    }
    pControl->SendMessageToParent(pClickArgs->pRow, this, pClickArgs->pColumn, NM_DBLCLK, &pClickArgs->ptClient);
}

BOOL CXTPReportRecordItem::OnChar(XTP_REPORTRECORDITEM_ARGS* pItemArgs, UINT nChar)
{
    CXTPReportControl* pControl = pItemArgs->pControl;
    if (!pControl)
        return FALSE;
    if (nChar == VK_SPACE && m_bHasCheckbox && CanToggleCheck(pItemArgs))
    {
        ToggleCheck(pItemArgs, nullptr);
        return TRUE;
    }
    if (!CanEditValue(pItemArgs))
        return FALSE;
    pControl->EditItem(pItemArgs);
    if (!IsEditingThis(pControl))
        return TRUE;
    CXTPReportInplaceEdit* pEdit = pControl->GetInplaceEdit();
    pEdit->SetFocus();
    pEdit->SendMessage(EM_SETSEL, 0, -1);
    pEdit->SendMessage(EM_SCROLLCARET);
    if (nChar != VK_TAB)
        pEdit->SendMessage(WM_CHAR, nChar);
    return TRUE;
}

void CXTPReportRecordItem::OnBeginEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    if (!IsEditable() || !RequestEdit(pItemArgs))
        return;
    CXTPReportControl* pControl = pItemArgs->pControl;
    CXTPReportRecordItemEditOptions* pOptions = GetEditOptions(pItemArgs->pColumn);
    CXTPReportInplaceButtons* pShown = pControl->GetInplaceButtons();
    CRect rcButtons(pItemArgs->rcItem);
    for (INT_PTR i = 0; i < pOptions->arrInplaceButtons.GetSize(); ++i)
    {
        CXTPReportInplaceButton* pButton = pOptions->arrInplaceButtons[i];
        pButton->Create(pItemArgs, rcButtons);
        if (pShown)
            pShown->Add(pButton);
    }
    if (!pOptions->m_bAllowEdit)
    {
        if (pOptions->arrInplaceButtons.GetSize() > 0)
            OnInplaceButtonDown(pOptions->arrInplaceButtons[0]);
        return;
    }
    if (pControl->GetInplaceEdit())
        pControl->GetInplaceEdit()->Create(pItemArgs);
}

void CXTPReportRecordItem::OnEndEdit(CXTPReportControl* pControl, BOOL bApply)
{
    if (!pControl)
        return;
    if (CXTPReportInplaceButtons* pShown = pControl->GetInplaceButtons())
    {
        for (INT_PTR i = 0; i < pShown->GetSize(); ++i)
        {
            CXTPReportInplaceButton* pButton = pShown->GetAt(i);
            if (pButton->GetSafeHwnd())
                pButton->DestroyWindow();
            pButton->SetItemArgs(nullptr);
        }
        pShown->RemoveAll();
    }
    if (pControl->GetInplaceList() && pControl->GetInplaceList()->GetSafeHwnd())
        pControl->GetInplaceList()->DestroyWindow();
    CXTPReportInplaceEdit* pEdit = pControl->GetInplaceEdit();
    if (!pEdit)
        return;
    if (bApply && IsEditingThis(pControl))
        OnValidateEdit(pEdit);
    pEdit->HideWindow();
}

void CXTPReportRecordItem::OnValidateEdit(XTP_REPORTRECORDITEM_ARGS* pItemArgs)
{
    CXTPReportControl* pControl = pItemArgs->pControl;
    if (!IsEditingThis(pControl))
        return;
    CXTPReportInplaceEdit* pEdit = pControl->GetInplaceEdit();
    // Copied first: clearing the edit's arguments ends the re-entry.
    XTP_REPORTRECORDITEM_ARGS args(*pItemArgs);
    CXTPReportRecordItemConstraint* pConstraint = pEdit->GetChosenConstraint();
    CString strText;
    pEdit->GetWindowText(strText);
    pEdit->pItem = nullptr;

    BOOL bChanged = FALSE;
    CXTPReportRecordItemEditOptions* pOptions = GetEditOptions(args.pColumn);
    if (pOptions->m_bConstraintEdit)
    {
        if (pConstraint)
        {
            OnConstraintChanged(&args, pConstraint);
            bChanged = TRUE;
        }
    }
    else if (strText != GetCaption(args.pColumn))
    {
        OnEditChanged(&args, strText);
        bChanged = TRUE;
    }
    if (bChanged)
    {
        pControl->RedrawControl();
        pControl->SendMessageToParent(args.pRow, this, args.pColumn, RN_VALUECHANGED, nullptr);
    }
    pEdit->SetItemArgs(nullptr);
}

void CXTPReportRecordItem::OnConstraintChanged(XTP_REPORTRECORDITEM_ARGS* pItemArgs,
                                               CXTPReportRecordItemConstraint* pConstraint)
{
    if (pConstraint)
        OnEditChanged(pItemArgs, pConstraint->m_strConstraint);
}

void CXTPReportRecordItem::OnInplaceButtonDown(CXTPReportInplaceButton* pButton)
{
    CXTPReportControl* pControl = pButton ? pButton->pControl : nullptr;
    if (!pControl)
        return;
    struct
    {
        NMHDR hdr;
        CXTPReportRecordItem* pItem;
        CXTPReportInplaceButton* pButton;
    } nm = {{}, this, pButton};
    if (pControl->SendNotifyMessage(RN_INPLACEBUTTON, &nm.hdr) == 1)
        return;
    if (pButton->GetID() != XTP_ID_REPORT_COMBOBUTTON)
        return;
    XTP_REPORTRECORDITEM_ARGS args(*pButton);
    if (!args.pRow && !args.pColumn && !args.pItem)
        return;
    CRect rcButton;
    pButton->GetWindowRect(rcButton);
    pControl->ScreenToClient(rcButton);
    args.rcItem.right = rcButton.right;
    CXTPReportRecordItemEditOptions* pOptions = GetEditOptions(args.pColumn);
    if (pOptions->GetConstraints()->GetCount() > 0 && pControl->GetInplaceList())
        pControl->GetInplaceList()->Create(&args, pOptions->GetConstraints());
}

void CXTPReportRecordItem::DoPropExchange(CXTPPropExchange* pPX)
{
    long nTextColor = (long)m_clrText;
    long nBackColor = (long)m_clrBackground;
    XTPExchangeLongWithDefault(pPX, L"TextColor", nTextColor, -1);
    XTPExchangeLongWithDefault(pPX, L"BackgroundColor", nBackColor, -1);
    m_clrText = (COLORREF)nTextColor;
    m_clrBackground = (COLORREF)nBackColor;
    XTPExchangeBoolWithDefault(pPX, L"BoldText", m_bBoldText, FALSE);
    XTPExchangeStringWithDefault(pPX, L"Format", m_strFormatString, L"%s");
    XTPExchangeBoolWithDefault(pPX, L"Editable", m_bEditable, TRUE);
    XTPExchangeLongWithDefault(pPX, L"IconIndex", m_nIconIndex, -1);
    XTPExchangeLongWithDefault(pPX, L"SortPriority", m_nSortPriority, -1);
    XTPExchangeLongWithDefault(pPX, L"GroupPriority", m_nGroupPriority, -1);
    XTPExchangeStringWithDefault(pPX, L"GroupCaption", m_strGroupCaption, L"");
    XTPExchangeBoolWithDefault(pPX, L"Focusable", m_bFocusable, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"Checked", m_bChecked, FALSE);
    XTPExchangeBoolWithDefault(pPX, L"HasCheckbox", m_bHasCheckbox, FALSE);
    ULONGLONG nData = (ULONGLONG)m_dwData;
    XTPExchangeULongLongWithDefault(pPX, L"Data", nData, 0);
    m_dwData = (DWORD_PTR)nData;
    XTPExchangeStringWithDefault(pPX, L"Tooltip", m_strTooltip, L"");
    if (pPX->m_nSchema > 16)
        XTPExchangeStringWithDefault(pPX, L"Caption", m_strCaption, L"");

    CXTPPropExchange* pSection = pPX->GetSection(L"Hyperlinks");
    if (pSection)
    {
        m_hyperlinks.DoPropExchange(pSection);
        pSection->InternalRelease();
    }
}
