// Colours of the gradient looks: defaults mixed from the colour table, then
// the visual style's colour scheme, then the glyph of the expand menu item.
#include <algorithm>
#include "framework/gdi/CDC.h"
#include "framework/windows/CWnd.h"
#include "framework/windows/CWinThread.h"
#include "toolkit/commandbars/themes/XTPOffice2003Theme.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"

using XTPPaintThemes::CXTPOffice2003Theme;
using XTPPaintThemes::CXTPWhidbeyTheme;

namespace {

struct Gradient
{
    COLORREF light, dark;
    float factor;
};

// One column per scheme: blue, olive, silver.
struct LunaScheme
{
    Gradient bar, toolBar;
    COLORREF toolbarBorder;
    Gradient popupOpen;
    COLORREF caption;
    Gradient expandButton, expanded, glyph, face;
    COLORREF paneBorder, status, tearOff;
    COLORREF c12, c30, c31, c32, c33, c36, c38, c39, c40, c41, c43, c47, c51, c52, c53, c56;
};

const LunaScheme kLuna[3] = {
    {{0xF5BE9E, 0xFADAC4, 0.5f}, {0xFEECDD, 0xE2A981, 0.75f}, 0x9C613B, {0xFFEFE3, 0xE7B593, 0.5f}, 0xC9662A,
     {0xF1A675, 0x913500, 0.75f}, {0xF6DDCB, 0xDCA179, 0.5f}, {0xFEEFE3, 0xE2A981, 0.5f}, {0xF2ECE9, 0xAC7A61, 0.5f},
     0xD3D3D3, 0x361E16, 0xF0C7A9, 0xAE9990, 0xF9DBC4, 0xC2EEFF, 0x800000, 0x3E80FE, 0x6FC0FF, 0x764127, 0xCB8C6A,
     0xD0966D, 0xF6F6F6, 0x962D00, 0x000000, 0xFCE7D8, 0xF5BE9E, 0xFCE1CB, 0xF7D3BD},
    {{0xA7D9D9, 0xE4F1F2, 0.5f}, {0xDEF7F4, 0x91C6B7, 0.3f}, 0x588060, {0xD5F0EC, 0x9FCEC2, 0.5f}, 0x5E8674,
     {0x8CC2B0, 0x6B7760, 0.3f}, {0xD1E6E6, 0x78B4A4, 0.3f}, {0xD5F0EC, 0x93C6B8, 0.5f}, {0xF0F4F3, 0x719083, 0.5f},
     0xD3D3D3, 0x19221F, 0x9FD4C5, 0x7BA097, 0xADDED1, 0xC2EEFF, 0x385D3F, 0x3E80FE, 0x6FC0FF, 0x335E51, 0x588060,
     0x7AAE9F, 0xEEF4F4, 0x5E8D75, 0x000000, 0xBFE7E2, 0x8AC0AB, 0xB6E3D8, 0xBDE3DE},
    {{0xE5D7D7, 0xF7F3F3, 0.5f}, {0xFFF9F9, 0xB79B9C, 0.75f}, 0x947C7C, {0xF1E7E9, 0xCDB9BA, 0.5f}, 0x99797A,
     {0xC8B2B3, 0x927476, 0.75f}, {0xE2D7D7, 0xA28385, 0.5f}, {0xF1E8E8, 0xC5AEB0, 0.5f}, {0xF9F5F7, 0x99797A, 0.5f},
     0xDAEAEC, 0x292024, 0xD3C0C0, 0xB39A9B, 0xE4DADB, 0xC2EEFF, 0x6F4B4B, 0x3E80FE, 0x6FC0FF, 0x755454, 0x8F6D6E,
     0xBEA7A8, 0xFFFAFD, 0x947C7C, 0x000000, 0xEADFDF, 0xC3B0B1, 0xE7D3D6, 0xE7D7D6},
};

// The program's default look keeps its own colours per scheme.
struct WhidbeyScheme
{
    Gradient toolBar, expandButton, bar;
    BOOL expandedPlain;
    Gradient expanded;
    COLORREF toolbarBorder;
    BOOL glyphFromToolBar;
    Gradient glyph, face;
    // -1: unchanged.
    LONG c31, c36, c33, c47, c32;
};

const WhidbeyScheme kWhidbey[3] = {
    {{0xF5F9FA, 0xA8C0C0, 0.75f}, {0xEAEDEE, 0x7E9898, 0.75f}, {0xD7E5E5, 0xE7F1F4, 0.5f}, TRUE,
     {0xBAC7CC, 0xBAC7CC, 0.5f}, 0x7CA3A3, TRUE, {0, 0, 0.5f}, {0xF9F5F7, 0x99797A, 0.5f}, -1, -1, -1, -1, -1},
    {{0xF5F9FA, 0xA8C0C0, 0.75f}, {0xEAEDEE, 0x9EACB0, 0.75f}, {0xD7E5E5, 0xE7F1F4, 0.5f}, TRUE,
     {0xBAC7CC, 0xBAC7CC, 0.5f}, 0x7CA3A3, TRUE, {0, 0, 0.5f}, {0xD8E9EC, 0x99A8AC, 0.5f}, 0x8DC6B6, 0x8DC6B6,
     0x70A093, 0xFFFFFF, -1},
    {{0xFAF4F3, 0xB59799, 0.75f}, {0xC8B2B3, 0x927476, 0.75f}, {0xE5D7D7, 0xF7F3F3, 0.5f}, FALSE,
     {0xE2D7D7, 0xA28385, 0.5f}, 0x947C7C, FALSE, {0xF1E8E8, 0xC5AEB0, 0.5f}, {0xF9F5F7, 0x99797A, 0.5f}, 0xC2EEFF,
     0x6FC0FF, 0x3E80FE, 0x000000, 0x6F4B4B},
};

void SetGradient(CXTPGradientValue& value, const Gradient& g)
{
    value.SetStandardColors(g.light, g.dark, g.factor);
}

// The picture behind the expand menu item's chevrons: a soft round button,
// 255 where the background shows through.
BYTE GlyphIntensity(int x, int y)
{
    int dx = 2 * x - 15, dy = 2 * y - 15;
    int d2 = dx * dx + dy * dy;
    if (d2 > 15 * 15)
        return 255;
    static const BYTE kRamp[] = {126, 144, 180, 198, 234, 252};
    int ring = d2 * 6 / (15 * 15 + 1);
    return kRamp[5 - std::min(ring, 5)];
}

} // namespace

void CXTPOffice2003Theme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread ? pThread->m_pMainWnd : nullptr;
    m_themeStatusBar.CloseThemeData();
    if (pMain && pMain->GetSafeHwnd())
        m_themeStatusBar.OpenThemeData(pMain->GetSafeHwnd(), L"STATUS");

    auto mix = [&](int a, int b, int w) { return CXTPColorManager::MixColorsByWeight(GetColor(a), GetColor(b), w); };
    m_grcExpanded.SetStandardColors(mix(COLOR_WINDOW, 42, 550), GetColor(42));
    m_grcToolBar.SetStandardColors(mix(COLOR_3DFACE, COLOR_WINDOW, 205), GetColor(COLOR_3DFACE));
    m_grcBar.SetStandardColors(GetColor(COLOR_3DFACE), mix(COLOR_3DFACE, COLOR_WINDOW, 205));
    m_clrTearOff.SetStandardValue(GetColor(30));
    m_clrToolbarBorder.SetStandardValue(GetColor(30));
    m_clrCaption.SetStandardValue(GetColor(COLOR_3DSHADOW));
    m_grcPopupOpen.SetStandardColors(GetColor(41), mix(COLOR_WINDOW, COLOR_3DFACE, 550));
    m_grcExpandButton.SetStandardColors(mix(51, COLOR_3DSHADOW, 51), GetColor(COLOR_3DSHADOW));
    m_bLunaApplied = FALSE;
    m_grcGlyph.SetStandardColors(GetColor(41), mix(COLOR_WINDOW, COLOR_3DFACE, 550));
    m_clrPaneBorder.SetStandardValue(mix(COLOR_3DFACE, COLOR_WINDOW, 70));
    int n55 = XTP_COLOR_OFFICE2003_55;
    COLORREF clr55 = XTPGetColorManager()->GetOffice2003Color55().GetColor();
    SetColors(1, &n55, &clr55);

    if (XTPGetColorManager()->IsLowColor()) {
        for (CXTPGradientValue* pPlain : {&m_grcToolBar, &m_grcBar, &m_grcPopupOpen, &m_grcExpandButton})
            pPlain->SetStandardColor(GetColor(COLOR_3DFACE));
    }
    int nScheme = GetLunaColorScheme();
    if (nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver)
        ApplyLunaScheme(nScheme);
    RebuildGlyphs();
}

void CXTPOffice2003Theme::ApplyLunaScheme(int nScheme)
{
    const LunaScheme& s = kLuna[nScheme - 1];
    SetGradient(m_grcBar, s.bar);
    SetGradient(m_grcToolBar, s.toolBar);
    m_clrToolbarBorder.SetStandardValue(s.toolbarBorder);
    SetGradient(m_grcPopupOpen, s.popupOpen);
    m_clrCaption.SetStandardValue(s.caption);
    SetGradient(m_grcExpandButton, s.expandButton);
    SetGradient(m_grcExpanded, s.expanded);
    SetGradient(m_grcGlyph, s.glyph);
    SetGradient(m_clrFaceGradient, s.face);
    m_clrPaneBorder.SetStandardValue(s.paneBorder);
    m_clrStatus = s.status;
    m_clrTearOff.SetStandardValue(s.tearOff);
    const int indices[] = {12, 30, 31, 32, 37, 50, 33, 36, 38, 39, 40, 41, 43, 47, 51, 52, 53, 56, 35, 58, 60};
    const COLORREF values[] = {s.c12, s.c30, s.c31, s.c32, s.c32, s.c32, s.c33, s.c36, s.c38, s.c39, s.c40,
                               s.c41, s.c43, s.c47, s.c51, s.c52, s.c53, s.c56, 0x8D8D8D, 0x8D8D8D, 0x8D8D8D};
    SetColors(sizeof(indices) / sizeof(indices[0]), indices, values);
    m_bLunaApplied = TRUE;
}

void CXTPOffice2003Theme::RebuildGlyphs()
{
    if (m_hGlyphs)
        ImageList_Destroy(m_hGlyphs);
    m_hGlyphs = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(16, 16, &pBits);
    if (!m_hGlyphs || !hBitmap) {
        if (hBitmap)
            DeleteObject(hBitmap);
        return;
    }
    COLORREF c1 = m_grcGlyph.clrLight.GetColor(), c2 = m_grcGlyph.clrDark.GetColor();
    auto channel = [](int a, int b, int v) { return a - (a - b) * v / 255; };
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (int i = 0; i < 256; i++) {
        int x = i / 16, y = i % 16;
        int v = GlyphIntensity(x, y);
        COLORREF clr = v == 255 ? RGB(0, 255, 0)
                                : RGB(channel(GetRValue(c1), GetRValue(c2), v), channel(GetGValue(c1), GetGValue(c2), v),
                                      channel(GetBValue(c1), GetBValue(c2), v));
        pPixels[y * 16 + x] = (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
    }
    ImageList_AddMasked(m_hGlyphs, hBitmap, RGB(0, 255, 0));
    DeleteObject(hBitmap);
}

CXTPWhidbeyTheme::CXTPWhidbeyTheme()
{
    m_nLunaScheme = xtpSystemThemeUnknown;
    m_bWhidbey = TRUE;
}

void CXTPWhidbeyTheme::RefreshMetrics()
{
    CXTPOffice2003Theme::RefreshMetrics();
    m_grcExpandButton.SetStandardColors(
        CXTPColorManager::MixColorsByWeight(GetColor(COLOR_WINDOW), GetColor(COLOR_3DFACE), 550),
        GetColor(COLOR_3DSHADOW));
    if (XTPGetColorManager()->IsLowColor())
        m_grcExpandButton.SetStandardColor(GetColor(COLOR_3DFACE));

    int nScheme = XTPGetColorManager()->GetCurrentSystemTheme();
    if (nScheme >= xtpSystemThemeBlue && nScheme <= xtpSystemThemeSilver) {
        const WhidbeyScheme& s = kWhidbey[nScheme - 1];
        SetGradient(m_grcToolBar, s.toolBar);
        SetGradient(m_grcExpandButton, s.expandButton);
        SetGradient(m_grcBar, s.bar);
        if (s.expandedPlain)
            m_grcExpanded.SetStandardColor(s.expanded.light);
        else
            SetGradient(m_grcExpanded, s.expanded);
        m_clrToolbarBorder.SetStandardValue(s.toolbarBorder);
        if (s.glyphFromToolBar)
            m_grcGlyph.SetStandardFrom(m_grcToolBar);
        else
            SetGradient(m_grcGlyph, s.glyph);
        SetGradient(m_clrFaceGradient, s.face);
        const int indices[] = {31, 36, 33, 47, 32, 37, 50};
        const LONG values[] = {s.c31, s.c36, s.c33, s.c47, s.c32, s.c32, s.c32};
        for (int i = 0; i < 7; i++) {
            COLORREF clr = static_cast<COLORREF>(values[i]);
            if (values[i] != -1)
                SetColors(1, &indices[i], &clr);
        }
        if (nScheme == xtpSystemThemeSilver) {
            m_clrTearOff.SetStandardValue(0xD3C0C0);
            m_clrCaption.SetStandardValue(0x99797A);
            const int silver[] = {30, 35, 60, 38, 39};
            const COLORREF silverValues[] = {0xE4DADB, 0x8D8D8D, 0x8D8D8D, 0x755454, 0x8F6D6E};
            SetColors(5, silver, silverValues);
        }
    }
    RebuildGlyphs();
}
