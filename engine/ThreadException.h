// The exception that starting a worker thread throws.
#pragma once
#include "framework/Framework.h"

class CThread;

class CThreadException : public CException
{
    DECLARE_DYNAMIC(CThreadException)

public:
    enum
    {
        CreateFailed = 1,   // the operating system could not create the thread
        AlreadyStarted = 2  // the thread still runs
    };

    CThreadException(CThread* pThread, LPCTSTR pszMessage, int nCode);

    CThread* GetThread() const { return m_pThread; }
    const CString& GetMessage() const { return m_strMessage; }
    int GetCode() const { return m_nCode; }

    BOOL GetErrorMessage(LPWSTR pszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    // Shows the message (or, when nStringId is not 0, that string resource
    // instead) in a message box of the given type; returns the box's answer.
    virtual int ShowError(UINT nType = MB_OK, UINT nStringId = 0);

private:
    CThread* m_pThread;
    CString m_strMessage;
    int m_nCode;
};
