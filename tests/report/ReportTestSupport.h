// Shared helpers of the report tests: archive round trips, an owner window
// that records notifications and answers them, and a control window with
// columns and hand-made rows.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/files/CArchive.h"
#include "support/TestPump.h"
#include "framework/files/CMemFile.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/propexchange/PropExchangeTestSupport.h"
#include "toolkit/report/XTPReportControl.h"

namespace reporttest {

using proptest::LoadFromArchive;
using proptest::StoreToArchive;
// The archive exception's cause, or -1 when nothing was thrown.
int ArchiveCause(const std::function<void()>& action);

struct Notification
{
    UINT code;
    UINT_PTR id;
    HWND from;
    XTP_REPORTNOTIFY_ITEM item; // filled for the codes that carry it
};

// A top-level window that records every WM_NOTIFY and answers with the
// reply set for its code; it can cancel edit requests.
class COwnerWnd : public CWnd
{
public:
    BOOL CreateOwner(LPCWSTR pszTitle = L"ReportOwner");
    // Made, shown and in the foreground, for real input.
    BOOL CreateInFront();
    std::vector<UINT> Codes() const;
    int CountOf(UINT code) const;

    std::vector<Notification> notifications;
    std::vector<std::pair<UINT, LRESULT>> replies;
    BOOL cancelEdits = FALSE;
    int wheelMessages = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A report control that counts its full paints.
class CCountingReport : public CXTPReportControl
{
public:
    void OnDraw(CDC* pDC) override
    {
        ++draws;
        CXTPReportControl::OnDraw(pDC);
    }
    int draws = 0;
};

// Appends a hand-made displayed row for the record, as populate would.
CXTPReportRow* AddDisplayedRow(CXTPReportControl& report, CXTPReportRecord* pRecord);

} // namespace reporttest
