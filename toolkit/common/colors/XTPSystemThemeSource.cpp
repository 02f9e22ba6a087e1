#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"

namespace {

CXTPSystemThemeSource* g_pOverride = nullptr;

// The running system, unless a test put another source in its place.
class CSystemThemeSource : public CXTPSystemThemeSource
{
public:
    BOOL IsThemeActive() override
    {
        return g_pOverride ? g_pOverride->IsThemeActive() : CXTPSystemThemeSource::IsThemeActive();
    }
    BOOL GetCurrentThemeName(CString& strFileName, CString& strColorName) override
    {
        return g_pOverride ? g_pOverride->GetCurrentThemeName(strFileName, strColorName)
                           : CXTPSystemThemeSource::GetCurrentThemeName(strFileName, strColorName);
    }
    BOOL IsDesktopLowColor() override
    {
        return g_pOverride ? g_pOverride->IsDesktopLowColor() : CXTPSystemThemeSource::IsDesktopLowColor();
    }
    BOOL GetTreeViewBorderColor(COLORREF& clrBorder) override
    {
        return g_pOverride ? g_pOverride->GetTreeViewBorderColor(clrBorder)
                           : CXTPSystemThemeSource::GetTreeViewBorderColor(clrBorder);
    }
};

} // namespace

CXTPSystemThemeSource& CXTPSystemThemeSource::System()
{
    static CSystemThemeSource source;
    return source;
}

void CXTPSystemThemeSource::SetSystemOverride(CXTPSystemThemeSource* pOverride)
{
    g_pOverride = pOverride;
}

BOOL CXTPSystemThemeSource::IsThemeActive()
{
    CXTPWinThemeWrapper wrapper;
    return wrapper.IsThemeActive();
}

BOOL CXTPSystemThemeSource::GetCurrentThemeName(CString& strFileName, CString& strColorName)
{
    WCHAR szFileName[MAX_PATH] = L"";
    WCHAR szColorName[MAX_PATH] = L"";
    CXTPWinThemeWrapper wrapper;
    if (FAILED(wrapper.GetCurrentThemeName(szFileName, MAX_PATH, szColorName, MAX_PATH, nullptr, 0)))
        return FALSE;
    strFileName = szFileName;
    strColorName = szColorName;
    return TRUE;
}

BOOL CXTPSystemThemeSource::IsDesktopLowColor()
{
    return CXTPColorManager::IsLowColorDepth(nullptr);
}

BOOL CXTPSystemThemeSource::GetTreeViewBorderColor(COLORREF& clrBorder)
{
    CXTPWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"TREEVIEW");
    if (!wrapper.IsAppThemed())
        return FALSE;
    COLORREF clr = 0;
    if (FAILED(wrapper.GetThemeColor(0, 0, 3801 /* TMT_BORDERCOLOR */, &clr)))
        return FALSE;
    clrBorder = clr;
    return TRUE;
}
