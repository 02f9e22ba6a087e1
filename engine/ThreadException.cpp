#include "engine/ThreadException.h"

IMPLEMENT_DYNAMIC(CThreadException, CException)

CThreadException::CThreadException(CThread* pThread, LPCTSTR pszMessage, int nCode)
    : m_pThread(pThread), m_strMessage(pszMessage), m_nCode(nCode)
{
}

BOOL CThreadException::GetErrorMessage(LPWSTR pszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyMessage(m_strMessage, pszError, nMaxError, pnHelpContext);
}

int CThreadException::ShowError(UINT nType, UINT nStringId)
{
    CString strText = m_strMessage;
    if (nStringId != 0)
        strText.LoadString(nStringId);
    return AfxMessageBox(strText, nType);
}
