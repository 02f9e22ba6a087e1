#include "ReportTestSupport.h"

#include "framework/files/CArchiveException.h"
#include "toolkit/report/records/XTPReportRecord.h"
#include "toolkit/report/rows/XTPReportRow.h"
#include "toolkit/report/rows/XTPReportRows.h"

namespace reporttest {

int ArchiveCause(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (CArchiveException* e)
    {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

BOOL COwnerWnd::CreateOwner(LPCWSTR pszTitle)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(0, lpszClass, pszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 700, 500, nullptr,
                    nullptr);
}

BOOL COwnerWnd::CreateInFront()
{
    if (!CreateOwner())
        return FALSE;
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    return TRUE;
}

std::vector<UINT> COwnerWnd::Codes() const
{
    std::vector<UINT> codes;
    for (const Notification& n : notifications)
        codes.push_back(n.code);
    return codes;
}

int COwnerWnd::CountOf(UINT code) const
{
    int n = 0;
    for (const Notification& item : notifications)
        n += item.code == code;
    return n;
}

LRESULT COwnerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEWHEEL)
        ++wheelMessages;
    if (message != WM_NOTIFY)
        return CWnd::WindowProc(message, wParam, lParam);
    NMHDR* pHdr = (NMHDR*)lParam;
    Notification n = {pHdr->code, pHdr->idFrom, pHdr->hwndFrom, {}};
    const int code = (int)pHdr->code;
    if (code == (int)NM_CLICK || code == (int)NM_DBLCLK || code == (int)NM_RCLICK || code == RN_CHECKED || code == RN_HYPERLINK ||
        code == RN_REQUESTEDIT || code == RN_ROWEXPANDED || code == RN_VALUECHANGED || code == RN_HEADERRCLICK ||
        code == (int)LVN_BEGINDRAG)
        n.item = *(XTP_REPORTNOTIFY_ITEM*)lParam;
    notifications.push_back(n);
    if (code == RN_REQUESTEDIT && cancelEdits)
        ((XTP_REPORTNOTIFY_REQUESTEDIT*)lParam)->bCancel = TRUE;
    for (const auto& reply : replies)
    {
        if (reply.first == pHdr->code)
            return reply.second;
    }
    return 0;
}

CXTPReportRow* AddDisplayedRow(CXTPReportControl& report, CXTPReportRecord* pRecord)
{
    CXTPReportRow* pRow = report.CreateRow();
    pRow->InitRow(&report, pRecord);
    pRow->m_bVisible = TRUE;
    report.GetRows()->Add(pRow);
    pRow->SetIndex(report.GetRows()->GetCount() - 1);
    return pRow;
}


} // namespace reporttest
