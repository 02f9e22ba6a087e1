#include "engine/db/CDatabaseManager.h"

#include "framework/ole/COleDateTime.h"
#include "engine/SettingsStore.h"
#include "engine/db/CSQLiteException.h"
#include "engine/db/CSQLiteStatement.h"

#include <sqlite3.h>
#include <stdio.h>
#include <windows.h>

namespace
{
const int CURRENT_VERSION = 1;

const WCHAR DATABASE_FILE_NAME[] = L"data.db";
const WCHAR CREATE_VERSION_TABLE[] = L"CREATE TABLE version( version_id INTEGER );";
const WCHAR INSERT_VERSION[] = L"insert into version values( %d );";
const WCHAR SELECT_VERSION[] = L"select version_id from version;";
const WCHAR CREATE_MAIN_TABLE[] =
    L"CREATE TABLE main( id INTEGER PRIMARY KEY AUTOINCREMENT, datefrom NUMBER, dateto NUMBER, "
    L"gameid INTEGER, category INTEGER );";
const WCHAR COUNT_TABLES[] = L"select count(*) from sqlite_master where type='table'";
const WCHAR INSERT_OFFER[] = L"insert into main values(?, ?, ?, ?, ?);";
const WCHAR END_OFFER[] = L"update main set dateto=? where id=%d;";
const WCHAR DELETE_OPEN_OFFERS[] = L"delete from main where dateto is NULL;";
const WCHAR SELECT_ALL_OFFERS[] = L"select * from main;";
const WCHAR DUMP_LINE_FORMAT[] = L"%04d|%20s|%20s|%-113s|%-10s\n";

CString FormatDumpDate(DATE dtDate)
{
    return COleDateTime(dtDate).Format(L"%c");
}
}

CString MakeDatabasePath(const CString& strFolder)
{
    CString strPath(strFolder);
    int nLength = strPath.GetLength();
    if (nLength > 0 && strPath[nLength - 1] != L'\\' && strPath[nLength - 1] != L'/')
        strPath += L'\\';
    strPath += DATABASE_FILE_NAME;
    if (strPath.GetLength() >= MAX_PATH)
        strPath.Empty();
    return strPath;
}

CDatabaseManager::CDatabaseManager()
    : m_bContentsChanged(TRUE),
      m_pfnFormatGameText(DefaultFormatGameText),
      m_pfnFormatCategoryCode(DefaultFormatCategoryCode),
      m_pfnAddOfferRecord(DefaultAddOfferRecord)
{
}

CDatabaseManager::~CDatabaseManager()
{
    DeleteOpenOffers();
    Close();
}

CDatabaseManager& CDatabaseManager::GetInstance()
{
    static CDatabaseManager s_manager;
    return s_manager;
}

void CDatabaseManager::SetDumpCallbacks(PFNFORMATGAMETEXT pfnFormatGameText,
                                        PFNFORMATCATEGORYCODE pfnFormatCategoryCode,
                                        PFNADDOFFERRECORD pfnAddOfferRecord)
{
    m_pfnFormatGameText = pfnFormatGameText != NULL ? pfnFormatGameText : DefaultFormatGameText;
    m_pfnFormatCategoryCode = pfnFormatCategoryCode != NULL ? pfnFormatCategoryCode : DefaultFormatCategoryCode;
    m_pfnAddOfferRecord = pfnAddOfferRecord != NULL ? pfnAddOfferRecord : DefaultAddOfferRecord;
}

BOOL CDatabaseManager::OpenOrCreate()
{
    return OpenOrCreate(CSettingsStore::GetProgramFolder());
}

BOOL CDatabaseManager::OpenOrCreate(const CString& strFolder)
{
    if (strFolder.IsEmpty())
        return FALSE;

    CheckResult result = CheckDatabase(strFolder);
    // A file that could not be read (locked, damaged) is kept: creating a
    // new one would throw the whole history away.
    if (result == checkRejected)
    {
        if (!CreateDatabase(strFolder))
            return FALSE;
        result = CheckDatabase(strFolder);
    }
    if (result != checkAccepted)
        return FALSE;

    DeleteOpenOffers();
    return TRUE;
}

BOOL CDatabaseManager::OpenAndCheck(const CString& strFolder)
{
    return CheckDatabase(strFolder) == checkAccepted;
}

CDatabaseManager::CheckResult CDatabaseManager::CheckDatabase(const CString& strFolder)
{
    CString strPath = MakeDatabasePath(strFolder);
    if (strPath.IsEmpty())
        return checkFailed;
    SetCurrentDirectory(strFolder);

    try
    {
        m_db.Open(strPath);
        if (m_db.TableExists(L"version") && ReadVersion() == CURRENT_VERSION)
        {
            if (!m_db.TableExists(L"main"))
                m_db.Execute(CREATE_MAIN_TABLE);
            return checkAccepted;
        }
    }
    catch (CException* e)
    {
        e->Delete();
        Close();
        return checkFailed;
    }

    Close();
    if (!DeleteFile(strPath) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return checkFailed;
    return checkRejected;
}

int CDatabaseManager::ReadVersion()
{
    try
    {
        return m_db.ExecuteScalar(SELECT_VERSION);
    }
    catch (CSQLiteException* e)
    {
        // The query gave no row (an empty version table) or could not be
        // compiled against this file's tables (a version table of another
        // program): no version of ours. Anything else (locked, damaged,
        // unreadable) is thrown on, so that the file is kept.
        const int nCode = e->GetErrorCode();
        if ((nCode != SQLITE_WRAPPER_ERROR && nCode != SQLITE_ERROR) || !m_db.IsOpen())
            throw;
        e->Delete();
        return 0;
    }
}

BOOL CDatabaseManager::IsVersionCurrent()
{
    try
    {
        return ReadVersion() == CURRENT_VERSION;
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
}

BOOL CDatabaseManager::CreateDatabase(const CString& strFolder)
{
    CString strPath = MakeDatabasePath(strFolder);
    if (strPath.IsEmpty())
        return FALSE;
    SetCurrentDirectory(strFolder);

    BOOL bCreated = FALSE;
    try
    {
        m_db.Open(strPath);
        if (m_db.ExecuteScalar(COUNT_TABLES) == 0)
        {
            m_db.Execute(CREATE_VERSION_TABLE);
            CString strInsert;
            strInsert.Format(INSERT_VERSION, CURRENT_VERSION);
            m_db.Execute(strInsert);
            bCreated = TRUE;
        }
    }
    catch (CException* e)
    {
        e->Delete();
    }
    Close();
    return bCreated;
}

void CDatabaseManager::DeleteOpenOffers()
{
    try
    {
        m_db.Execute(DELETE_OPEN_OFFERS);
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CDatabaseManager::FinalizeDumpQuery()
{
    try
    {
        m_dumpQuery.Finalize();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CDatabaseManager::Close()
{
    // A statement left unfinalized would keep the connection from closing.
    FinalizeDumpQuery();
    m_db.Close();
}

int CDatabaseManager::AddOffer(DATE dtStart, int nGameId, OfferCategoryCode code)
{
    m_bContentsChanged = TRUE;
    try
    {
        CSQLiteStatement statement = m_db.CompileStatement(INSERT_OFFER);
        statement.BindNull(1);
        statement.BindDouble(2, dtStart);
        statement.BindNull(3);
        statement.BindInt(4, nGameId);
        statement.BindInt(5, code);
        statement.Execute();
        statement.Finalize();
        return m_db.GetLastRowId();
    }
    catch (CException* e)
    {
        e->Delete();
        return -1;
    }
}

void CDatabaseManager::EndOffer(int nRowId, DATE dtEnd)
{
    if (nRowId <= 0)
        return;
    m_bContentsChanged = TRUE;
    try
    {
        CString strUpdate;
        strUpdate.Format(END_OFFER, nRowId);
        CSQLiteStatement statement = m_db.CompileStatement(strUpdate);
        statement.BindDouble(1, dtEnd);
        statement.Execute();
        statement.Finalize();
    }
    catch (CException* e)
    {
        e->Delete();
    }
}

void CDatabaseManager::DumpToFile(LPCWSTR lpszPath, CMainFrame* pFrame)
{
    if (!m_bContentsChanged)
        return;

    // Text mode: line ends become CR LF and the text is converted to the
    // code page of the run-time locale.
    FILE* pFile = _wfopen(lpszPath, L"wt");
    if (pFile == NULL)
        return;

    try
    {
        m_dumpQuery = m_db.ExecuteQuery(SELECT_ALL_OFFERS);
        while (!m_dumpQuery.IsEof())
        {
            int nId = m_dumpQuery.GetIntField(0);
            DATE dtFrom = m_dumpQuery.GetFloatField(1);
            DATE dtTo = m_dumpQuery.GetFloatField(2);
            int nGameId = m_dumpQuery.GetIntField(3);
            OfferCategoryCode code = m_dumpQuery.GetIntField(4);

            CString strFrom = FormatDumpDate(dtFrom);
            CString strTo;
            if (dtTo != 0.0)
                strTo = FormatDumpDate(dtTo);

            CString strGame;
            m_pfnFormatGameText(nGameId, pFrame, strGame, (code & OFFER_TEAM_SPECIFIC) >> 16);
            CString strCategory = m_pfnFormatCategoryCode(code);

            CString strLine;
            strLine.Format(DUMP_LINE_FORMAT, nId, static_cast<LPCWSTR>(strFrom), static_cast<LPCWSTR>(strTo),
                           static_cast<LPCWSTR>(strGame), static_cast<LPCWSTR>(strCategory));
            if (dtTo == 0.0)
                m_pfnAddOfferRecord(code, pFrame, dtFrom, nGameId);
            fputws(strLine, pFile);

            m_dumpQuery.NextRow();
        }
    }
    catch (CException* e)
    {
        e->Delete();
    }
    // The cursor must not outlive the dump: it would hold the file's read
    // lock and keep the connection from closing.
    FinalizeDumpQuery();
    fclose(pFile);
}
