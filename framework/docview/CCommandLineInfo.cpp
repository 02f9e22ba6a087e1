#include "framework/docview/CCommandLineInfo.h"

#include <cwchar>

CCommandLineInfo::CCommandLineInfo() = default;

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (pszParam != nullptr) {
        if (bFlag)
            ParseFlag(pszParam);
        else
            ParseName(pszParam);
    }
    ParseLast(bLast);
}

void CCommandLineInfo::ParseFlag(LPCTSTR pszParam)
{
    if (_wcsicmp(pszParam, L"pt") == 0) {
        m_nShellCommand = FilePrintTo;
    } else if (_wcsicmp(pszParam, L"p") == 0) {
        m_nShellCommand = FilePrint;
    } else if (_wcsicmp(pszParam, L"dde") == 0) {
        m_nShellCommand = FileDDE;
    } else if (_wcsicmp(pszParam, L"Register") == 0 || _wcsicmp(pszParam, L"Regserver") == 0) {
        m_nShellCommand = AppRegister;
    } else if (_wcsicmp(pszParam, L"Unregister") == 0 || _wcsicmp(pszParam, L"Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    } else if (_wcsicmp(pszParam, L"Embedding") == 0) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (_wcsicmp(pszParam, L"Automation") == 0) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    }
    // Anything else is someone else's flag.
}

void CCommandLineInfo::ParseName(LPCTSTR pszParam)
{
    // Printing to a printer takes file, printer, driver and port in turn.
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}
