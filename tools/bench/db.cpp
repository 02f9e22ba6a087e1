// Times the history database: 10,000 offer periods inserted and closed one
// by one (each its own transaction, as the program writes them), then the
// text dump of all of them.
#include "engine/db/CDatabaseManager.h"

#include <windows.h>

#include <clocale>
#include <cstdio>

namespace
{
const int OFFER_COUNT = 10000;

class CStopwatch
{
public:
    CStopwatch()
    {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }

    double Milliseconds() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency;
    LARGE_INTEGER m_start;
};

void RemoveFile(const CString& strPath)
{
    SetFileAttributesW(strPath, FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(strPath);
}

void PrintTime(const char* pszStep, double dMilliseconds)
{
    printf("%-34s %12.1f\n", pszStep, dMilliseconds);
}
}

int wmain()
{
    // The program formats the dump's dates in the German C run-time locale.
    setlocale(LC_ALL, "german");

    wchar_t szTemp[MAX_PATH];
    GetTempPathW(MAX_PATH, szTemp);
    CString strFolder(szTemp);
    strFolder += L"tavrolin-bench-db\\";
    CreateDirectoryW(strFolder, NULL);
    CString strDatabase = MakeDatabasePath(strFolder);
    CString strLog = strFolder + L"statistic.log";
    RemoveFile(strDatabase);
    RemoveFile(strLog);

    double dTotal = 0.0;
    int nFailures = 0;
    {
        CDatabaseManager manager;
        printf("%-34s %12s\n", "step", "milliseconds");

        CStopwatch open;
        if (!manager.OpenOrCreate(strFolder))
        {
            printf("cannot open %ls\n", static_cast<LPCWSTR>(strDatabase));
            return 1;
        }
        PrintTime("create data.db", open.Milliseconds());
        dTotal += open.Milliseconds();

        DATE dtStart = 38877.5;  // 9 June 2006, noon
        CStopwatch insert;
        int* pRowIds = new int[OFFER_COUNT];
        for (int i = 0; i < OFFER_COUNT; ++i)
        {
            pRowIds[i] = manager.AddOffer(dtStart + i / 1440.0, i % 64, 1 + i % 4);
            if (pRowIds[i] < 0)
                ++nFailures;
        }
        double dInsert = insert.Milliseconds();
        PrintTime("insert 10000 offers", dInsert);

        CStopwatch end;
        for (int i = 0; i < OFFER_COUNT; ++i)
            manager.EndOffer(pRowIds[i], dtStart + (i + 30) / 1440.0);
        double dEnd = end.Milliseconds();
        PrintTime("close 10000 offers", dEnd);
        delete[] pRowIds;

        CStopwatch dump;
        manager.DumpToFile(strLog, NULL);
        double dDump = dump.Milliseconds();
        PrintTime("dump 10000 rows to statistic.log", dDump);

        dTotal += dInsert + dEnd + dDump;
        PrintTime("total", dTotal);
    }

    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (GetFileAttributesExW(strLog, GetFileExInfoStandard, &attributes))
        printf("statistic.log: %lu bytes\n", attributes.nFileSizeLow);
    if (nFailures > 0)
        printf("failed inserts: %d\n", nFailures);

    RemoveFile(strDatabase);
    RemoveFile(strLog);
    RemoveDirectoryW(strFolder);
    return nFailures > 0 ? 1 : 0;
}
