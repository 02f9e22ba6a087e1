#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/common/system/XTPFaultGuard.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"

namespace {

typedef HTHEME(WINAPI* PFNOpenThemeData)(HWND, LPCWSTR);
typedef HRESULT(WINAPI* PFNCloseThemeData)(HTHEME);
typedef HRESULT(WINAPI* PFNDrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*);
typedef HRESULT(WINAPI* PFNGetThemeColor)(HTHEME, int, int, int, COLORREF*);
typedef HRESULT(WINAPI* PFNGetThemePartSize)(HTHEME, HDC, int, int, RECT*, THEMESIZE, SIZE*);
typedef BOOL(WINAPI* PFNGetThemeSysBool)(HTHEME, int);
typedef BOOL(WINAPI* PFNIsAppThemed)();
typedef BOOL(WINAPI* PFNIsThemeActive)();
typedef HRESULT(WINAPI* PFNGetCurrentThemeName)(LPWSTR, int, LPWSTR, int, LPWSTR, int);

// Calls the entry point when there is one, inside a fault guard; the failure
// value when it is missing or faults.
template <class Proc, class Result, class... Args>
Result CallEntry(CXTPWinThemeLibrary& library, CXTPWinThemeLibrary::EntryPoint entry, Result failure, Args... args)
{
    Proc pfn = reinterpret_cast<Proc>(library.GetEntryPoint(entry));
    if (!pfn)
        return failure;
    Result result = failure;
    if (!CXTPFaultGuard::Run([&] { result = pfn(args...); }))
        return failure;
    return result;
}

} // namespace

CXTPWinThemeWrapper::CXTPWinThemeWrapper(CXTPWinThemeLibrary* pLibrary)
    : m_library(pLibrary ? *pLibrary : CXTPWinThemeLibrary::Instance())
    , m_hTheme(nullptr)
{
}

CXTPWinThemeWrapper::~CXTPWinThemeWrapper()
{
    CloseThemeData();
}

void CXTPWinThemeWrapper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList)
{
    m_library.RecheckModule();
    CloseThemeData();
    m_hTheme = CallEntry<PFNOpenThemeData>(m_library, CXTPWinThemeLibrary::entryOpenThemeData,
                                           static_cast<HTHEME>(nullptr), hWnd, pszClassList);
}

void CXTPWinThemeWrapper::CloseThemeData()
{
    if (m_hTheme)
        CallEntry<PFNCloseThemeData>(m_library, CXTPWinThemeLibrary::entryCloseThemeData, E_FAIL, m_hTheme);
    m_hTheme = nullptr;
}

HRESULT CXTPWinThemeWrapper::DrawThemeBackground(HDC hDC, int iPartId, int iStateId, const RECT* pRect,
                                                 const RECT* pClipRect)
{
    return CallEntry<PFNDrawThemeBackground>(m_library, CXTPWinThemeLibrary::entryDrawThemeBackground, E_FAIL,
                                             m_hTheme, hDC, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CXTPWinThemeWrapper::GetThemeColor(int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    return CallEntry<PFNGetThemeColor>(m_library, CXTPWinThemeLibrary::entryGetThemeColor, E_FAIL, m_hTheme,
                                       iPartId, iStateId, iPropId, pColor);
}

HRESULT CXTPWinThemeWrapper::GetThemePartSize(HDC hDC, int iPartId, int iStateId, RECT* pRect, THEMESIZE eSize,
                                              SIZE* psz)
{
    return CallEntry<PFNGetThemePartSize>(m_library, CXTPWinThemeLibrary::entryGetThemePartSize, E_FAIL, m_hTheme,
                                          hDC, iPartId, iStateId, pRect, eSize, psz);
}

BOOL CXTPWinThemeWrapper::GetThemeSysBool(int iBoolId)
{
    return CallEntry<PFNGetThemeSysBool>(m_library, CXTPWinThemeLibrary::entryGetThemeSysBool, FALSE, m_hTheme,
                                         iBoolId);
}

BOOL CXTPWinThemeWrapper::IsAppThemed()
{
    if (!m_hTheme)
        return FALSE;
    return CallEntry<PFNIsAppThemed>(m_library, CXTPWinThemeLibrary::entryIsAppThemed, FALSE);
}

BOOL CXTPWinThemeWrapper::IsThemeActive()
{
    if (!m_hTheme)
        m_library.RecheckModule();
    return CallEntry<PFNIsThemeActive>(m_library, CXTPWinThemeLibrary::entryIsThemeActive, FALSE);
}

HRESULT CXTPWinThemeWrapper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                                 int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    m_library.RecheckModule();
    return CallEntry<PFNGetCurrentThemeName>(m_library, CXTPWinThemeLibrary::entryGetCurrentThemeName, E_FAIL,
                                             pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars,
                                             pszSizeBuff, cchMaxSizeChars);
}

BOOL CXTPWinThemeWrapper::IsThemeUsable()
{
    return IsThemeActive() && HIWORD(m_library.GetComCtlVersion()) > 5;
}

BOOL XTPHasSecondHandle(const CXTPWinThemeWrapper& wrapper)
{
    return wrapper.GetThemeHandle() != nullptr;
}
