#include "toolkit/common/system/XTAuxData.h"
#include "resources/ToolkitCommonIds.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"
#include <shlwapi.h>

CXTAuxData::CXTAuxData()
    : clrToolkit()
    , hcurDragCopy(nullptr)
    , hcurDragMove(nullptr)
    , hcurDragNone(nullptr)
    , hcurHand(nullptr)
    , hcurHSplitBar(nullptr)
    , hcurVSplitBar(nullptr)
    , hcurMove(nullptr)
    , bUseTahoma(FALSE)
    , m_dwComCtlVersion(DWORD(-1))
{
    UpdateSysColors();
    UpdateSysMetrics();

    const CXTPOSVersionInfo* pVersion = XTPGetOSVersionInfo();
    bWin95 = pVersion->IsWin95();
    bWin98 = pVersion->IsWin98();
    bWinNT4 = pVersion->IsWinNT4();
    bWin2K = pVersion->IsWin2000();
    bWinXP = pVersion->IsWinXP();

    GetComCtlVersion();
    UpdateSysFonts();
}

CXTAuxData::~CXTAuxData()
{
    DeleteFonts();
}

void CXTAuxData::UpdateSysColors()
{
    XTPRefreshColorsThrottled();
    CXTPColorManager* pColors = XTPGetColorManager();
    COLORREF* const targets[] = {
        &clr3DFace,         &clr3DShadow,         &clr3DDkShadow,    &clr3DHilight,        &clr3DLight,
        &clrBtnText,        &clrGrayText,         &clrHighlight,     &clrHighlightText,    &clrMenu,
        &clrMenuText,       &clrWindow,           &clrWindowFrame,   &clrWindowText,       &clrActiveCaption,
        &clrInActiveCaption, &clrGradActiveCapt,  &clrGradInActiveCapt, &clrActiveCaptText, &clrInactiveCaptText,
    };
    static const int s_indexes[] = {15, 16, 21, 20, 22, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
    for (int i = 0; i < 20; i++)
        *targets[i] = pColors->GetColor(s_indexes[i]);
    for (int i = 0; i < 20; i++)
        clrToolkit[i] = pColors->GetColor(30 + i);
}

HCURSOR CXTAuxData::ChooseHandCursor(HCURSOR hSystemHand)
{
    return hSystemHand ? hSystemHand : XTPGetResourceManager()->LoadCursor(XTP_IDC_HAND);
}

BOOL CXTAuxData::UpdateSysMetrics()
{
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxSize = 18;
    cySize = 18;
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenuItem = ::GetSystemMetrics(SM_CYMENU);

    CXTPResourceManager* pResources = XTPGetResourceManager();
    if (!(hcurDragCopy = pResources->LoadCursor(XTP_IDC_DRAGCOPY)))
        return FALSE;
    if (!(hcurDragMove = pResources->LoadCursor(XTP_IDC_DRAGMOVE)))
        return FALSE;
    if (!(hcurDragNone = pResources->LoadCursor(XTP_IDC_DRAGNONE)))
        return FALSE;
    if (!(hcurHand = ChooseHandCursor(::LoadCursorW(nullptr, IDC_HAND))))
        return FALSE;
    if (!(hcurHSplitBar = pResources->LoadCursor(XTP_IDC_HSPLITBAR)))
        return FALSE;
    if (!(hcurVSplitBar = pResources->LoadCursor(XTP_IDC_VSPLITBAR)))
        return FALSE;
    if (!(hcurMove = ::LoadCursorW(nullptr, IDC_SIZEALL)))
        return FALSE;
    return TRUE;
}

DWORD CXTAuxData::GetComCtlVersion()
{
    if (m_dwComCtlVersion != DWORD(-1))
        return m_dwComCtlVersion;

    HMODULE hModule = ::LoadLibraryW(L"COMCTL32.DLL");
    if (hModule)
    {
        DLLGETVERSIONPROC pfnGetVersion =
            reinterpret_cast<DLLGETVERSIONPROC>(::GetProcAddress(hModule, "DllGetVersion"));
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (pfnGetVersion && SUCCEEDED(pfnGetVersion(&info)))
            m_dwComCtlVersion = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
        ::FreeLibrary(hModule);
    }
    return m_dwComCtlVersion == DWORD(-1) ? 0 : m_dwComCtlVersion;
}

BOOL CXTAuxData::CreateSysFont(const LOGFONTW& logFont, CFont& font, long lfWeight, BYTE lfUnderline,
                               long lfOrientation, long lfEscapement)
{
    font.DeleteObject();
    LOGFONTW lf = logFont;
    if (lfWeight != -1)
        lf.lfWeight = lfWeight;
    if (lfUnderline != 255)
        lf.lfUnderline = lfUnderline;
    if (lfOrientation != -1)
        lf.lfOrientation = lfOrientation;
    if (lfEscapement != -1)
        lf.lfEscapement = lfEscapement;
    return font.CreateFontIndirect(&lf);
}

void CXTAuxData::DeleteFonts()
{
    CFont* fonts[] = {&font,          &fontBold,          &fontULine,   &fontVert,   &fontVertBold,
                      &fontIconTitle, &fontIconTitleBold, &fontMarlett, &fontStatus, &fontSmCaption};
    for (CFont* pFont : fonts)
        pFont->DeleteObject();
}

BOOL CXTAuxData::UpdateSysFonts(LPCWSTR lpszFaceName, LPCWSTR lpszVertFaceName)
{
    DeleteFonts();

    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);

    LOGFONTW lf = ncm.lfMenuFont;
    HDC hScreen = ::GetDC(nullptr);
    lf.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(hScreen, nullptr, 0));
    ::ReleaseDC(nullptr, hScreen);

    if (lpszFaceName && *lpszFaceName)
    {
        if (XTPFontExists(lpszFaceName))
            lstrcpynW(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    }
    else if (bUseTahoma && lf.lfCharSet < 3 && XTPFontExists(L"Tahoma"))
    {
        lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    }

    BOOL bResult = CreateSysFont(lf, font);
    bResult = CreateSysFont(lf, fontBold, FW_BOLD) && bResult;
    bResult = CreateSysFont(lf, fontULine, -1, 1) && bResult;

    LOGFONTW lfVert = lf;
    if (lpszVertFaceName && *lpszVertFaceName && XTPFontExists(lpszVertFaceName))
        lstrcpynW(lfVert.lfFaceName, lpszVertFaceName, LF_FACESIZE);
    else if (lstrcmpiW(lf.lfFaceName, L"Tahoma") != 0 && XTPFontExists(L"Arial"))
        lstrcpynW(lfVert.lfFaceName, L"Arial", LF_FACESIZE);
    bResult = CreateSysFont(lfVert, fontVert, -1, 255, 900, 2700) && bResult;
    bResult = CreateSysFont(lfVert, fontVertBold, FW_BOLD, 255, 900, 2700) && bResult;

    LOGFONTW lfIconTitle = {};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lfIconTitle), &lfIconTitle, 0);
    bResult = CreateSysFont(lfIconTitle, fontIconTitle) && bResult;
    bResult = CreateSysFont(lfIconTitle, fontIconTitleBold, FW_BOLD) && bResult;

    bResult = CreateSysFont(ncm.lfStatusFont, fontStatus) && bResult;
    bResult = CreateSysFont(ncm.lfSmCaptionFont, fontSmCaption) && bResult;

    LOGFONTW lfMarlett = {};
    lfMarlett.lfHeight = ncm.lfMenuFont.lfHeight;
    lfMarlett.lfCharSet = SYMBOL_CHARSET;
    lstrcpynW(lfMarlett.lfFaceName, L"Marlett", LF_FACESIZE);
    bResult = CreateSysFont(lfMarlett, fontMarlett) && bResult;
    return bResult;
}

CXTAuxData& XTPGetAuxData()
{
    static CXTAuxData auxData;
    return auxData;
}
