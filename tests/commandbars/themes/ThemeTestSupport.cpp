#include "ThemeTestSupport.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"

void AddRedIcon(UINT nId)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hColor = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    BYTE* p = static_cast<BYTE*>(pBits);
    for (int i = 0; i < 16 * 16; i++)
        p[i * 3 + 0] = 0, p[i * 3 + 1] = 0, p[i * 3 + 2] = 255;
    HBITMAP hMask = CreateBitmap(16, 16, 1, 1, nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hMask);
    PatBlt(hDC, 0, 0, 16, 16, BLACKNESS);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = CreateIconIndirect(&info);
    XTPImageManager()->SetIcon(CXTPImageManagerIconHandle(hIcon), nId, CSize(16, 16));
    DestroyIcon(hIcon);
    DeleteObject(hColor);
    DeleteObject(hMask);
}

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
