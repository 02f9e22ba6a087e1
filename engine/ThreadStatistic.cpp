#include "engine/ThreadStatistic.h"

#include "engine/AsyncHttpRequest.h"
#include "engine/OnlineCheck.h"
#include "engine/PagePattern.h"
#include "engine/SettingsStore.h"
#include "engine/SiteHosts.h"
#include "engine/StatisticDate.h"
#include "engine/WorkerMessages.h"

#include <new>
#include <objbase.h>

namespace {

const LPCWSTR ARRAY_NAMES[CThreadStatistic::ArrayKindCount] = {
    L"sdf", L"sdt", L"sC1", L"sC2", L"sc", L"sd", L"stst", L"sC", L"srsl",
};

// An array written "var name = new Array('a','b',)", with blanks and line
// breaks allowed around the words; %s is the array's name.
const LPCWSTR ARRAY_PATTERN_FORMAT =
    L"var\\b*\\n*\\b*%s\\b*=\\b*\\n*\\b*new\\b*\\n*\\b*Array[^(]*\\({[^)]*\\)}";
// An item in single quotes followed by a comma, or the closing parenthesis.
const LPCWSTR ARRAY_ITEM_PATTERN = L"'{[^']*}',|\\)";

const LPCWSTR STATISTIC_PAGE_PATH = L"/Statistics.aspx";

// How many items are read between two looks at the stop event.
const int ITEMS_PER_STOP_TEST = 256;

} // namespace

CThreadStatistic::CThreadStatistic()
    : m_hNotifyWnd(nullptr)
    , m_nGeneration(0)
    , m_eventStop(FALSE, TRUE)
{
    m_strName = L"CThreadStatistic";
    m_bSynchronised = TRUE;
}

BOOL CThreadStatistic::IsStopped()
{
    return WaitForSingleObject(m_eventStop.m_hObject, 0) == WAIT_OBJECT_0;
}

DWORD CThreadStatistic::Run()
{
    HRESULT hrCom = CoInitialize(nullptr);
    CSettingsStore& store = CSettingsStore::GetInstance();
    BOOL bParsed = FALSE;
    if (!IsOnline())
        store.ClearStatisticResults(m_nGeneration);
    else
    {
        try
        {
            bParsed = FetchAndParse();
        }
        catch (CException* e)
        {
            e->Delete();
            bParsed = OnFetchFailed();
        }
        catch (const std::bad_alloc&)
        {
            bParsed = OnFetchFailed();
        }
        m_rows.RemoveAll();
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();
    if (!IsStopped() && m_hNotifyWnd != nullptr)
        PostMessageW(m_hNotifyWnd, WM_STATISTIC_READY, bParsed ? 1 : 0, (LPARAM)m_nGeneration);
    return 0;
}

BOOL CThreadStatistic::OnFetchFailed()
{
    // The view must not wait for rows that will never come.
    if (!IsStopped())
        CSettingsStore::GetInstance().ClearStatisticResults(m_nGeneration);
    return FALSE;
}

BOOL CThreadStatistic::FetchAndParse()
{
    CSettingsStore& store = CSettingsStore::GetInstance();
    m_rows.RemoveAll();
    CAsyncHttpRequest request(m_eventStop.m_hObject);
    if (!request.Get(CString(L"http://") + STATISTIC_SITE_HOST + STATISTIC_PAGE_PATH) || IsStopped())
    {
        // A failed fetch still ends this generation, so that the view
        // clears its rows instead of ignoring the message; a stopped one
        // belongs to nobody any more.
        if (!IsStopped())
            store.ClearStatisticResults(m_nGeneration);
        return FALSE;
    }
    const BOOL bParsed = ParseStatisticPage(request.GetResponseText());
    // A parse cut short by a stop belongs to nobody any more either.
    if (IsStopped())
        return FALSE;
    if (bParsed)
        store.SetStatisticResults(m_nGeneration, m_rows);
    else
        store.ClearStatisticResults(m_nGeneration);
    return bParsed;
}

BOOL CThreadStatistic::ParseStatisticPage(const CString& strPage)
{
    for (int nKind = 0; nKind < ArrayKindCount; ++nKind)
    {
        if (IsStopped() || !ParseArrayItems(FindArrayText(strPage, ARRAY_NAMES[nKind]), nKind))
            return FALSE;
    }
    return TRUE;
}

CString CThreadStatistic::FindArrayText(const CString& strPage, LPCWSTR pszArrayName)
{
    CString strPattern;
    strPattern.Format(ARRAY_PATTERN_FORMAT, pszArrayName);
    CPagePattern array(strPattern, TRUE);
    array.Begin(strPage);
    if (!array.FindNext())
        return CString();
    return array.GetGroup(0);
}

BOOL CThreadStatistic::ParseArrayItems(const CString& strItems, int nKind)
{
    if (strItems.IsEmpty())
        return FALSE;
    CPagePattern items(ARRAY_ITEM_PATTERN, TRUE);
    items.Begin(strItems);
    for (int nIndex = 0; items.FindNext(); ++nIndex)
    {
        // A large page must not hold up the owner that waits for the stop.
        if (nIndex % ITEMS_PER_STOP_TEST == ITEMS_PER_STOP_TEST - 1 && IsStopped())
            return FALSE;
        CString strItem = items.GetGroup(0);
        strItem.Trim();
        SetRowField(strItem, nKind, nIndex);
    }
    return TRUE;
}

BOOL CThreadStatistic::SetRowField(const CString& strItem, int nKind, int nIndex)
{
    if (strItem.IsEmpty())
        return FALSE;
    StatRow row;
    if ((size_t)nIndex < m_rows.GetCount())
        row = m_rows[nIndex];
    switch (nKind)
    {
    case ArrayFrom:
        ParseStatisticDate(strItem, row.dtFrom);
        break;
    case ArrayTo:
        ParseStatisticDate(strItem, row.dtTo);
        break;
    case ArrayTeam1:
        row.strTeam1 = strItem;
        break;
    case ArrayTeam2:
        row.strTeam2 = strItem;
        break;
    case ArrayCity:
        row.strCity = strItem;
        break;
    case ArrayMatch:
        ParseStatisticDate(strItem, row.dtMatch);
        break;
    case ArrayTst:
        if (strItem[0] == L'1')
            row.strCategory = L"TST ";
        break;
    case ArrayCategory:
    {
        // Categories 5 to 8 are 1 to 4 of the second ("s.b.") group, except
        // behind "TST ", where the digit is the series number.
        const WCHAR ch = strItem[0];
        if (row.strCategory.IsEmpty() && ch > L'4')
        {
            row.strCategory += (WCHAR)(ch - 4);
            row.strCategory += L" s.b.";
        }
        else
            row.strCategory += ch;
        row.strCategory += L' ';
        break;
    }
    case ArrayResale:
        if (strItem[0] == L'1')
            row.strCategory += L'R';
        break;
    default:
        return FALSE;
    }
    SetRow(nIndex, row);
    return TRUE;
}

void CThreadStatistic::SetRow(int nIndex, const StatRow& row)
{
    // Grows by doubling: one long array must not copy the rows at every item.
    const size_t nCount = m_rows.GetCount();
    if (nCount <= (size_t)nIndex && !m_rows.SetCount(nIndex + 1, int(nCount < 64 ? 64 : nCount)))
        AfxThrowMemoryException();
    m_rows[nIndex] = row;
}
