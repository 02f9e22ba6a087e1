#pragma once

#include "framework/text/CString.h"
#include "engine/db/CSQLiteDB.h"
#include "engine/db/CSQLiteQuery.h"
#include "engine/db/DumpCallbacks.h"
#include "engine/db/OfferCategoryCode.h"

#include <oleauto.h>

class CMainFrame;

// The history of offers in "data.db" of the program folder: one row of
// table main per period in which an offer was on sale. Used on the GUI
// thread only; no database exception leaves it.
class CDatabaseManager
{
public:
    CDatabaseManager();
    CDatabaseManager(const CDatabaseManager&) = delete;
    CDatabaseManager& operator=(const CDatabaseManager&) = delete;
    virtual ~CDatabaseManager();

    static CDatabaseManager& GetInstance();

    // Opens "data.db" of the program folder (or of the folder given),
    // creating it when it is missing or of another version, and deletes the
    // rows left open.
    BOOL OpenOrCreate();
    BOOL OpenOrCreate(const CString& strFolder);
    // Opens the folder's file and accepts it when its version is current.
    // Only a file that was read and found of another version is deleted.
    BOOL OpenAndCheck(const CString& strFolder);
    // Gives a file without tables the version table; the connection is
    // closed again.
    BOOL CreateDatabase(const CString& strFolder);
    BOOL IsVersionCurrent();
    // Deletes the rows still open (and thereby closes no database).
    void DeleteOpenOffers();
    // Finalizes the dump's cursor and closes the connection.
    void Close();

    // The new row id, or -1 when the row could not be inserted.
    int AddOffer(DATE dtStart, int nGameId, OfferCategoryCode code);
    // Sets the end date of a row; row ids of 0 and below are ignored.
    void EndOffer(int nRowId, DATE dtEnd);

    // Rewrites the text dump, one line per row, when the contents changed;
    // rows still on offer are handed to the frame as current offers.
    void DumpToFile(LPCWSTR lpszPath, CMainFrame* pFrame);

    // Set at construction and by every insert and update; the frame clears
    // it before it merges a scan result.
    // How long opening waits for a file another program holds locked.
    void SetBusyTimeout(int nMilliseconds) { m_db.SetBusyTimeout(nMilliseconds); }
    int GetBusyTimeout() const { return m_db.GetBusyTimeout(); }

    BOOL IsContentsChanged() const { return m_bContentsChanged; }
    void SetContentsChanged(BOOL bChanged) { m_bContentsChanged = bChanged; }

    // The frame's texts and current-offer list for the dump; a null
    // function keeps the stand-in.
    void SetDumpCallbacks(PFNFORMATGAMETEXT pfnFormatGameText,
                          PFNFORMATCATEGORYCODE pfnFormatCategoryCode,
                          PFNADDOFFERRECORD pfnAddOfferRecord);

private:
    enum CheckResult
    {
        checkAccepted,  // open, current version, table main present
        checkRejected,  // read and found of another version; deleted
        checkFailed     // could not be read; left as it was
    };

    CheckResult CheckDatabase(const CString& strFolder);
    int ReadVersion();
    void FinalizeDumpQuery();

    CSQLiteDB m_db;
    CSQLiteQuery m_dumpQuery;
    BOOL m_bContentsChanged;
    PFNFORMATGAMETEXT m_pfnFormatGameText;
    PFNFORMATCATEGORYCODE m_pfnFormatCategoryCode;
    PFNADDOFFERRECORD m_pfnAddOfferRecord;
};

// The path of "data.db" in the folder; empty when it would not fit MAX_PATH.
CString MakeDatabasePath(const CString& strFolder);
