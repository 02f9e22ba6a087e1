// The statistics worker: fetches the online statistics page, reads its
// JavaScript arrays into rows, hands them to the settings store under its
// generation and tells the view.
#pragma once
#include "framework/Framework.h"
#include "engine/StatRow.h"
#include "engine/Thread.h"

class CThreadStatistic : public CThread
{
public:
    // The arrays of the page, in the order they are read.
    enum ArrayKind
    {
        ArrayFrom = 0,     // "sdf"
        ArrayTo = 1,       // "sdt"
        ArrayTeam1 = 2,    // "sC1"
        ArrayTeam2 = 3,    // "sC2"
        ArrayCity = 4,     // "sc"
        ArrayMatch = 5,    // "sd"
        ArrayTst = 6,      // "stst"
        ArrayCategory = 7, // "sC"
        ArrayResale = 8,   // "srsl"
        ArrayKindCount = 9
    };

    CThreadStatistic();

    BOOL ParseStatisticPage(const CString& strPage);
    // The items of the named array up to and including its closing
    // parenthesis; empty when the page has no such array.
    CString FindArrayText(const CString& strPage, LPCWSTR pszArrayName);
    BOOL ParseArrayItems(const CString& strItems, int nKind);
    BOOL SetRowField(const CString& strItem, int nKind, int nIndex);
    void SetRow(int nIndex, const StatRow& row);

    // The rows of the last parse; read only while the body does not run.
    const CAtlArray<StatRow>& GetRows() const { return m_rows; }

    HWND m_hNotifyWnd;  // receives WM_STATISTIC_READY
    int m_nGeneration;  // set by the starter before each start
    CEvent m_eventStop; // manual reset

protected:
    DWORD Run() override;

private:
    BOOL IsStopped();
    BOOL FetchAndParse();
    BOOL OnFetchFailed();

    CAtlArray<StatRow> m_rows;
};
