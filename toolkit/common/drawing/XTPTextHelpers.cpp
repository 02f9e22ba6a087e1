#include "toolkit/common/drawing/XTPTextHelpers.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"

namespace {

int CALLBACK MatchFaceProc(const LOGFONTW* pLogFont, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    // Zero stops the enumeration at the first match.
    return lstrcmpiW(pLogFont->lfFaceName, reinterpret_cast<LPCWSTR>(lParam)) == 0 ? 0 : 1;
}

} // namespace

void XTPStripMnemonics(CString& strText)
{
    for (int i = 0; i < strText.GetLength(); i++)
    {
        if (strText[i] != L'&')
            continue;
        if (i + 1 < strText.GetLength() && strText[i + 1] == L'&')
            continue; // the second "&" is judged next
        // The character that moves into this place is kept as it is.
        strText.Delete(i);
    }
}

BOOL XTPFontExists(LPCWSTR lpszFaceName)
{
    HDC hDC = ::GetDC(nullptr);
    if (!hDC)
        return FALSE;
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    int nResult = ::EnumFontFamiliesExW(hDC, &lf, MatchFaceProc, reinterpret_cast<LPARAM>(lpszFaceName), 0);
    ::ReleaseDC(nullptr, hDC);
    return nResult == 0;
}

void XTPGetVerticalFontFace(CString& strFaceName, BOOL bAllowTahoma)
{
    LOGFONTW lfGui = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lfGui), &lfGui);

    const CXTPOSVersionInfo* pVersion = XTPGetOSVersionInfo();
    if (lfGui.lfCharSet > SYMBOL_CHARSET && pVersion->dwPlatformId == VER_PLATFORM_WIN32_NT &&
        pVersion->dwMajorVersion >= 5)
    {
        strFaceName = lfGui.lfFaceName;
        return;
    }
    if (!XTPFontExists(L"Arial"))
    {
        strFaceName = lfGui.lfFaceName;
        return;
    }
    strFaceName = L"Arial";
    if (bAllowTahoma && XTPFontExists(L"Tahoma"))
        strFaceName = L"Tahoma";
}
