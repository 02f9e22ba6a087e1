#include "framework/files/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause)
    , m_strFileName(lpszArchiveName ? lpszArchiveName : L"")
{
}

BOOL CArchiveException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    static const LPCWSTR messages[] = {
        L"Kein Fehler",
        L"Unbekannter Fehler beim Lesen oder Schreiben des Archivs",
        L"Das Archiv wurde zum Lesen ge\u00f6ffnet und kann nicht beschrieben werden",
        L"Unerwartetes Ende des Archivs",
        L"Das Archiv wurde zum Schreiben ge\u00f6ffnet und kann nicht gelesen werden",
        L"Das Archiv enth\u00e4lt einen ung\u00fcltigen Verweis",
        L"Das Archiv enth\u00e4lt eine unbekannte Klasse",
        L"Das Archiv enth\u00e4lt eine nicht unterst\u00fctzte Version",
    };
    const int count = static_cast<int>(sizeof(messages) / sizeof(messages[0]));
    CString text = messages[m_cause >= 0 && m_cause < count ? m_cause : genericException];
    if (!m_strFileName.IsEmpty())
        text += L": " + m_strFileName;
    text += L".";
    return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
