// Base of the framework's exceptions. Exceptions are allocated with new,
// thrown as pointers and freed by the handler with Delete().
#pragma once
#include "framework/core/CObject.h"

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

// Deletes the exception caught by a CATCH block when the block is left,
// unless the block rethrew it with THROW_LAST.
class CExceptionLink
{
public:
    CExceptionLink() = default;
    ~CExceptionLink()
    {
        if (m_pException != nullptr)
            m_pException->Delete();
    }
    CExceptionLink(const CExceptionLink&) = delete;
    CExceptionLink& operator=(const CExceptionLink&) = delete;

    CException* m_pException = nullptr;
};

// Handler blocks in the framework's style: the caught exception is freed at
// the end of the handler.
#define TRY \
    { \
        CExceptionLink _afxExceptionLink; \
        try {
#define CATCH(class_name, e) \
    } \
    catch (class_name * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH \
    } \
    }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
#define THROW(e) throw e
#define THROW_LAST() \
    do { \
        _afxExceptionLink.m_pException = nullptr; \
        throw; \
    } while (0)
