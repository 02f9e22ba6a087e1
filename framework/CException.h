// Base of the framework's exceptions. Exceptions are allocated with new,
// thrown as pointers and freed by the handler with Delete().
#pragma once
#include "framework/CObject.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override = default;

    // Frees the exception unless it is a static one.
    void Delete();

    // Copies the message, cut to nMaxError characters including the
    // terminator; FALSE when there is no message.
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // Shows the message (or the string resource nMessageID when there is
    // none) in a message box and returns the box's answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;

    BOOL m_bAutoDelete;

protected:
    // Helper for the derived classes' GetErrorMessage.
    static BOOL CopyMessage(LPCWSTR message, LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};
