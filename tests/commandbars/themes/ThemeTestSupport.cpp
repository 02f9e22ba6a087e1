#include "ThemeTestSupport.h"
#include "toolkit/common/colors/XTPColorManager.h"

void ApplySpec(CXTPControl* pControl, const ControlSpec& spec)
{
    if (spec.caption)
        pControl->SetCaption(spec.caption);
    pControl->SetStyle(spec.style);
    pControl->SetEnabled(spec.enabled);
    pControl->SetChecked(spec.checked);
    pControl->SetPressed(spec.pressed);
    pControl->SetBeginGroup(spec.beginGroup);
    if (spec.selected)
        pControl->SetSelected(spec.selected);
}

BOOL CreateChild(CWnd& wnd, CWnd& parent, const RECT& rc, LPCWSTR title)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW)), title, WS_CHILD | WS_VISIBLE,
                        rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, parent.GetSafeHwnd(), nullptr);
}

COLORREF DistinctColour(int nIndex)
{
    return RGB(nIndex, 77, 199 - nIndex);
}

void MakeTableColoursDistinct(CXTPPaintManager& theme)
{
    for (int i = 0; i < XTP_COLOR_COUNT; i++) {
        COLORREF clr = DistinctColour(i);
        theme.SetColors(1, &i, &clr);
    }
}

BOOL CSchemeSource::GetCurrentThemeName(CString& file, CString& color)
{
    static const LPCWSTR kColors[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
    file = L"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles";
    color = kColors[m_nScheme];
    return m_nScheme != 0;
}

CSchemeScope::CSchemeScope(int nScheme, BOOL bLowColor) : m_source(nScheme, bLowColor)
{
    XTPGetColorManager()->SetThemeSource(&m_source);
    XTPGetColorManager()->RefreshColors();
}

CSchemeScope::~CSchemeScope()
{
    XTPGetColorManager()->SetThemeSource(nullptr);
    XTPGetColorManager()->RefreshColors();
}
