#include "toolkit/report/rows/XTPReportNavigator.h"

#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/XTPReportInplaceControls.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"

CXTPReportNavigator::CXTPReportNavigator(CXTPReportControl* pReportControl) : m_pReportControl(pReportControl)
{
}

void CXTPReportNavigator::MoveDown(BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    CXTPReportRows* pRows = m_pReportControl->GetRows();
    CXTPReportRow* pNext = pRows->GetNext(m_pReportControl->GetFocusedRow(), m_pReportControl->IsSkipGroupsFocusEnabled());
    if (pNext)
        m_pReportControl->SetFocusedRow(pNext, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MoveUp(BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    CXTPReportRows* pRows = m_pReportControl->GetRows();
    CXTPReportRow* pPrev = pRows->GetPrev(m_pReportControl->GetFocusedRow(), m_pReportControl->IsSkipGroupsFocusEnabled());
    if (pPrev)
        m_pReportControl->SetFocusedRow(pPrev, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MovePageDown(BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    const int nCount = m_pReportControl->GetRows()->GetCount();
    const int nFocused = m_pReportControl->m_nFocusedRow < 0 ? 0 : m_pReportControl->m_nFocusedRow;
    int nTarget = nFocused + m_pReportControl->GetPageRowCount(nFocused, 1);
    if (nTarget > nCount - 1)
        nTarget = nCount - 1;
    MoveToRow(nTarget, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MovePageUp(BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    const int nFocused = m_pReportControl->m_nFocusedRow < 0 ? 0 : m_pReportControl->m_nFocusedRow;
    int nTarget = nFocused - m_pReportControl->GetPageRowCount(nFocused, -1);
    if (nTarget < 0)
        nTarget = 0;
    MoveToRow(nTarget, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MoveFirstRow(BOOL bShiftKey, BOOL bControlKey)
{
    MoveToRow(0, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MoveLastRow(BOOL bShiftKey, BOOL bControlKey)
{
    if (m_pReportControl)
        MoveToRow(m_pReportControl->GetRows()->GetCount() - 1, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MoveToRow(int nRowIndex, BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    CXTPReportRow* pRow = m_pReportControl->GetRows()->GetAt(nRowIndex);
    if (pRow)
        m_pReportControl->SetFocusedRow(pRow, bShiftKey, bControlKey);
}

// The next (or previous) focusable visible column of the row after (or
// before) the given one; from the end or the start when it is null.
static CXTPReportColumn* FocusableColumn(CXTPReportControl* pControl, CXTPReportRow* pRow,
                                         CXTPReportColumn* pFrom, BOOL bBack)
{
    CXTPReportColumns* pColumns = pControl->GetColumns();
    const int nVisible = pColumns->GetVisibleColumnsCount();
    int nStart = bBack ? nVisible - 1 : 0;
    for (int i = 0; pFrom && i < nVisible; ++i)
    {
        if (pColumns->GetVisibleAt(i) == pFrom)
            nStart = bBack ? i - 1 : i + 1;
    }
    for (int i = nStart; i >= 0 && i < nVisible; i += bBack ? -1 : 1)
    {
        CXTPReportColumn* pColumn = pColumns->GetVisibleAt(i);
        CXTPReportRecordItem* pItem = pRow && pRow->GetRecord() ? pRow->GetRecord()->GetItem(pColumn) : nullptr;
        if (pItem && pItem->IsFocusable())
            return pColumn;
    }
    return nullptr;
}

void CXTPReportNavigator::MoveLeftRight(BOOL bBack, BOOL bShiftKey, BOOL bControlKey)
{
    if (!m_pReportControl)
        return;
    m_pReportControl->BeginUpdate();
    CXTPReportRow* pFocused = m_pReportControl->GetFocusedRow();
    CXTPReportColumn* pNext = pFocused ? FocusableColumn(m_pReportControl, pFocused, m_pReportControl->GetFocusedColumn(), bBack)
                                       : nullptr;
    if (pNext)
    {
        m_pReportControl->SetFocusedColumn(pNext);
    }
    else
    {
        CXTPReportRows* pRows = m_pReportControl->GetRows();
        CXTPReportRow* pRow = bBack ? pRows->GetPrev(pFocused, FALSE) : pRows->GetNext(pFocused, FALSE);
        if (pRow && pRow != pFocused)
        {
            m_pReportControl->SetFocusedRow(pRow, bShiftKey, bControlKey);
            m_pReportControl->SetFocusedColumn(FocusableColumn(m_pReportControl, pRow, nullptr, bBack));
        }
    }
    m_pReportControl->EndUpdate();
}

void CXTPReportNavigator::MoveLeft(BOOL bShiftKey, BOOL bControlKey)
{
    MoveLeftRight(TRUE, bShiftKey, bControlKey);
}

void CXTPReportNavigator::MoveRight(BOOL bShiftKey, BOOL bControlKey)
{
    MoveLeftRight(FALSE, bShiftKey, bControlKey);
}

void CXTPReportNavigator::BeginEdit()
{
    if (!m_pReportControl)
        return;
    CXTPReportRow* pRow = m_pReportControl->GetFocusedRow();
    CXTPReportColumn* pColumn = m_pReportControl->GetFocusedColumn();
    if (!pRow || !pRow->GetRecord() || !pColumn)
        return;
    XTP_REPORTRECORDITEM_ARGS args(m_pReportControl, pRow, pColumn);
    if (!args.pItem || !args.pItem->CanEditValue(&args))
        return;
    m_pReportControl->EditItem(&args);
    CXTPReportInplaceEdit* pEdit = m_pReportControl->GetInplaceEdit();
    if (pEdit && pEdit->GetSafeHwnd() && pEdit->GetItem() == args.pItem)
    {
        const int nLength = pEdit->GetWindowTextLength();
        pEdit->SendMessage(EM_SETSEL, nLength, nLength);
        pEdit->SendMessage(EM_SCROLLCARET);
    }
}

BOOL CXTPReportNavigator::HasFocusableColumn(BOOL bBack) const
{
    CXTPReportRow* pFocused = m_pReportControl ? m_pReportControl->GetFocusedRow() : nullptr;
    return pFocused && FocusableColumn(m_pReportControl, pFocused, m_pReportControl->GetFocusedColumn(), bBack);
}
