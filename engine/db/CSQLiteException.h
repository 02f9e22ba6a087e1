#pragma once

#include "framework/core/CException.h"
#include "framework/text/CString.h"

struct sqlite3;

// Code of the errors that the database layer raises itself (not SQLite).
const int SQLITE_WRAPPER_ERROR = 1000;

// The one exception of the database layer. Always thrown as a heap pointer;
// the catcher calls Delete().
class CSQLiteException : public CException
{
    DECLARE_DYNAMIC(CSQLiteException)

public:
    enum { MESSAGE_LENGTH = 512 };

    // Message "<name>[<code>]: <text>", cut to fit the fixed buffer.
    CSQLiteException(int nErrorCode, LPCWSTR lpszText);
    virtual ~CSQLiteException();

    int GetErrorCode() const { return m_nErrorCode; }
    LPCWSTR GetMessageText() const { return m_szErrorMessage; }
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // "SQLITE_BUSY" for 5 and so on; "UNKNOWN_ERROR" for codes without a name.
    static LPCWSTR GetErrorCodeName(int nErrorCode);

    [[noreturn]] static void Throw(int nErrorCode, LPCWSTR lpszText);
    // An error that SQLite reported: the text is the connection's message.
    [[noreturn]] static void ThrowFromConnection(int nErrorCode, sqlite3* pDB);
    // An error of the layer itself (code SQLITE_WRAPPER_ERROR).
    [[noreturn]] static void ThrowWrapperError(LPCWSTR lpszText);

private:
    int m_nErrorCode;
    WCHAR m_szErrorMessage[MESSAGE_LENGTH];
};
