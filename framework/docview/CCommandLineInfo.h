// What the program's command line asks for, parameter by parameter: a
// plain start asks for a new document, a file name for opening it, flags
// ("/p", "/pt", "/dde", "/Register", ...) for the other shell commands.
#pragma once
#include "framework/core/CObject.h"
#include "framework/text/CString.h"

class CCommandLineInfo : public CObject
{
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // One parameter (without its leading '/' or '-' when bFlag); bLast for
    // the last one.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

private:
    void ParseFlag(LPCTSTR pszParam);
    void ParseName(LPCTSTR pszParam);
    void ParseLast(BOOL bLast);
};
