#include "toolkit/report/columns/XTPReportColumnListBox.h"

#include "framework/gdi/CClientDC.h"
#include "toolkit/report/columns/XTPReportColumn.h"
#include "toolkit/report/columns/XTPReportColumns.h"
#include "toolkit/report/XTPReportControl.h"
#include "toolkit/report/columns/XTPReportHeader.h"
#include "toolkit/report/XTPReportPaintManager.h"

CXTPReportColumnListBox::CXTPReportColumnListBox() : m_bSortAscending(FALSE), m_pReport(nullptr)
{
}

CXTPReportColumnListBox::~CXTPReportColumnListBox()
{
    if (m_pReport && m_pReport->GetReportHeader()->m_pColumnListBox == this)
        m_pReport->GetReportHeader()->SetColumnListBox(nullptr);
}

BOOL CXTPReportColumnListBox::SetReport(CXTPReportControl* pReport)
{
    if (!pReport)
        return FALSE;
    m_pReport = pReport;
    pReport->GetReportHeader()->SetColumnListBox(this);
    if (m_hWnd)
        SetFont(pReport->GetPaintManager()->GetCaptionFont());
    UpdateList();
    return TRUE;
}

int CXTPReportColumnListBox::FindItem(int nItemData) const
{
    if (!m_hWnd)
        return -1;
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        if ((int)GetItemData(i) == nItemData)
            return i;
    }
    return -1;
}

CXTPReportColumn* CXTPReportColumnListBox::ColumnOf(int nIndex) const
{
    if (!m_hWnd || !m_pReport || nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_pReport->GetColumns()->Find((int)GetItemData(nIndex));
}

CString CXTPReportColumnListBox::GetItemText(int nIndex) const
{
    if (!m_hWnd || !m_pReport || nIndex < 0 || nIndex >= GetCount())
        return CString();
    if (GetStyle() & LBS_HASSTRINGS)
    {
        CString strText;
        GetText(nIndex, strText);
        return strText;
    }
    CXTPReportColumn* pColumn = ColumnOf(nIndex);
    return pColumn ? pColumn->GetCaption() : CString();
}

BOOL CXTPReportColumnListBox::UpdateList()
{
    if (!m_pReport || !m_hWnd)
        return FALSE;
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(m_pReport->GetPaintManager()->GetCaptionFont());
        const int nHeight = dc.GetTextExtent(L" ", 1).cy + 5;
        dc.SelectObject(pOldFont);
        if (GetItemHeight(0) != nHeight)
            SetItemHeight(0, (UINT)nHeight);
    }
    BOOL bChanged = FALSE;
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        CXTPReportColumn* pColumn = ColumnOf(i);
        if (!pColumn || pColumn->IsVisible() || !pColumn->IsShowInFieldChooser())
        {
            DeleteString((UINT)i);
            bChanged = TRUE;
        }
    }
    CXTPReportColumns* pColumns = m_pReport->GetColumns();
    for (int i = 0; i < pColumns->GetCount(); ++i)
    {
        CXTPReportColumn* pColumn = pColumns->GetAt(i);
        if (pColumn->IsVisible() || !pColumn->IsShowInFieldChooser() || FindItem(pColumn->GetItemIndex()) != -1)
            continue;
        int nIndex = GetCount();
        if (m_bSortAscending)
        {
            for (int j = 0; j < GetCount(); ++j)
            {
                if (GetItemText(j).Compare(pColumn->GetCaption()) >= 0)
                {
                    nIndex = j;
                    break;
                }
            }
        }
        nIndex = InsertString(nIndex, pColumn->GetCaption());
        SetItemData(nIndex, (DWORD_PTR)pColumn->GetItemIndex());
        bChanged = TRUE;
    }
    EnableWindow(GetCount() > 0);
    if (bChanged)
        Invalidate();
    return TRUE;
}
