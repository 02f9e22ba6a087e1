#include "engine/db/CSQLiteException.h"

#include <sqlite3.h>

IMPLEMENT_DYNAMIC(CSQLiteException, CException)

namespace
{
struct ErrorCodeName
{
    int nCode;
    LPCWSTR lpszName;
};

const ErrorCodeName s_errorCodeNames[] = {
    { SQLITE_OK, L"SQLITE_OK" },
    { SQLITE_ERROR, L"SQLITE_ERROR" },
    { SQLITE_INTERNAL, L"SQLITE_INTERNAL" },
    { SQLITE_PERM, L"SQLITE_PERM" },
    { SQLITE_ABORT, L"SQLITE_ABORT" },
    { SQLITE_BUSY, L"SQLITE_BUSY" },
    { SQLITE_LOCKED, L"SQLITE_LOCKED" },
    { SQLITE_NOMEM, L"SQLITE_NOMEM" },
    { SQLITE_READONLY, L"SQLITE_READONLY" },
    { SQLITE_INTERRUPT, L"SQLITE_INTERRUPT" },
    { SQLITE_IOERR, L"SQLITE_IOERR" },
    { SQLITE_CORRUPT, L"SQLITE_CORRUPT" },
    { SQLITE_NOTFOUND, L"SQLITE_NOTFOUND" },
    { SQLITE_FULL, L"SQLITE_FULL" },
    { SQLITE_CANTOPEN, L"SQLITE_CANTOPEN" },
    { SQLITE_PROTOCOL, L"SQLITE_PROTOCOL" },
    { SQLITE_EMPTY, L"SQLITE_EMPTY" },
    { SQLITE_SCHEMA, L"SQLITE_SCHEMA" },
    { SQLITE_TOOBIG, L"SQLITE_TOOBIG" },
    { SQLITE_CONSTRAINT, L"SQLITE_CONSTRAINT" },
    { SQLITE_MISMATCH, L"SQLITE_MISMATCH" },
    { SQLITE_MISUSE, L"SQLITE_MISUSE" },
    { SQLITE_NOLFS, L"SQLITE_NOLFS" },
    { SQLITE_AUTH, L"SQLITE_AUTH" },
    { SQLITE_FORMAT, L"SQLITE_FORMAT" },
    { SQLITE_RANGE, L"SQLITE_RANGE" },
    { SQLITE_ROW, L"SQLITE_ROW" },
    { SQLITE_DONE, L"SQLITE_DONE" },
    { SQLITE_WRAPPER_ERROR, L"SQLITE_WRAPPER_ERROR" },
};
}

CSQLiteException::CSQLiteException(int nErrorCode, LPCWSTR lpszText)
    : m_nErrorCode(nErrorCode)
{
    CString strMessage;
    strMessage.Format(L"%s[%d]: %s", GetErrorCodeName(nErrorCode), nErrorCode,
                      lpszText != NULL ? lpszText : L"");
    // A long SQLite message is cut; the buffer always keeps its terminator.
    lstrcpyn(m_szErrorMessage, strMessage, MESSAGE_LENGTH);
}

CSQLiteException::~CSQLiteException()
{
}

BOOL CSQLiteException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(m_szErrorMessage, lpszError, nMaxError, pnHelpContext);
}

LPCWSTR CSQLiteException::GetErrorCodeName(int nErrorCode)
{
    for (const ErrorCodeName& entry : s_errorCodeNames)
    {
        if (entry.nCode == nErrorCode)
            return entry.lpszName;
    }
    return L"UNKNOWN_ERROR";
}

void CSQLiteException::Throw(int nErrorCode, LPCWSTR lpszText)
{
    throw new CSQLiteException(nErrorCode, lpszText);
}

void CSQLiteException::ThrowFromConnection(int nErrorCode, sqlite3* pDB)
{
    // SQLite answers for a null connection too (its out-of-memory text).
    const void* pText = sqlite3_errmsg16(pDB);
    Throw(nErrorCode, pText != NULL ? static_cast<LPCWSTR>(pText) : L"");
}

void CSQLiteException::ThrowWrapperError(LPCWSTR lpszText)
{
    Throw(SQLITE_WRAPPER_ERROR, lpszText);
}
