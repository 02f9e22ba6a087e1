#include "framework/core/CException.h"
#include "framework/text/CString.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete)
    : m_bAutoDelete(bAutoDelete)
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError > 0)
        *lpszError = 0;
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    WCHAR message[512];
    CString text;
    if (GetErrorMessage(message, _countof(message)))
        text = message;
    else if (nMessageID != 0)
        text.LoadString(nMessageID);
    if (text.IsEmpty())
        text = L"Unbekannter Fehler.";
    return MessageBoxW(GetActiveWindow(), text, nullptr, nType);
}

BOOL CException::CopyMessage(LPCWSTR message, LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lstrcpynW(lpszError, message, static_cast<int>(nMaxError));
    return TRUE;
}
