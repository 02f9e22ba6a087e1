// Puts a visual-style colour scheme in place of the running system's for the
// process-wide colour manager while in scope (null: no visual style).
#pragma once
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"

class CForcedScheme : public CXTPSystemThemeSource
{
public:
    explicit CForcedScheme(LPCWSTR color) : m_color(color)
    {
        SetSystemOverride(this);
        XTPGetColorManager()->RefreshColors();
    }
    ~CForcedScheme() override
    {
        SetSystemOverride(nullptr);
        XTPGetColorManager()->RefreshColors();
    }
    CForcedScheme(const CForcedScheme&) = delete;
    CForcedScheme& operator=(const CForcedScheme&) = delete;

    BOOL IsThemeActive() override { return m_color != nullptr; }
    BOOL GetCurrentThemeName(CString& file, CString& color) override
    {
        file = L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
        color = m_color ? m_color : L"";
        return TRUE;
    }
    BOOL IsDesktopLowColor() override { return FALSE; }
    BOOL GetTreeViewBorderColor(COLORREF&) override { return FALSE; }

private:
    LPCWSTR m_color;
};
