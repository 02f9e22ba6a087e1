#include "toolkit/common/colors/XTPColorManager.h"
#include "framework/windows/CWinThread.h"
#include "toolkit/common/colors/XTPRefreshThrottle.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"
#include <algorithm>
#include <cmath>

namespace {

const COLORREF clrUnset = COLORREF(-1);

// A colour in the weighted space where distances follow perceived brightness.
struct WeightedColor
{
    float r, g, b;
};

const WeightedColor s_fullScale = {195.0f, 390.0f, 65.0f};

WeightedColor ToWeighted(COLORREF clr)
{
    return {GetRValue(clr) * 195.0f / 255.0f, GetGValue(clr) * 390.0f / 255.0f, GetBValue(clr) * 65.0f / 255.0f};
}

WeightedColor Inverted(const WeightedColor& c)
{
    return {s_fullScale.r - c.r, s_fullScale.g - c.g, s_fullScale.b - c.b};
}

float Dot(const WeightedColor& a, const WeightedColor& b)
{
    return a.r * b.r + a.g * b.g + a.b * b.b;
}

float Length(const WeightedColor& c)
{
    return std::sqrt(Dot(c, c));
}

BYTE ToChannel(float value, float full)
{
    value = std::min(std::max(value, 0.0f), full);
    int channel = static_cast<int>(value * 255.0f / full + 0.5f);
    return static_cast<BYTE>(std::min(std::max(channel, 0), 255));
}

COLORREF FromWeighted(const WeightedColor& c)
{
    return RGB(ToChannel(c.r, s_fullScale.r), ToChannel(c.g, s_fullScale.g), ToChannel(c.b, s_fullScale.b));
}

float SquaredDistance(COLORREF clrA, COLORREF clrB)
{
    WeightedColor a = ToWeighted(clrA);
    WeightedColor b = ToWeighted(clrB);
    WeightedColor d = {a.r - b.r, a.g - b.g, a.b - b.b};
    return Dot(d, d);
}

int MixChannel(int first, int second, int weight, int divisor)
{
    return (first * weight + second * (divisor - weight) + divisor / 2) / divisor;
}

} // namespace

CXTPColorManager::CXTPColorManager(CXTPSystemThemeSource* pSource, XTP_SYSCOLOR_PROC pfnGetSysColor)
    : m_bAllowRoyale(FALSE)
    , m_bDisableLunaColors(FALSE)
    , m_pfnGetSysColor(pfnGetSysColor)
    , m_themeForced(xtpSystemThemeAuto)
    , m_systemTheme(xtpSystemThemeUnknown)
    , m_pSource(pSource ? pSource : &CXTPSystemThemeSource::System())
    , m_bLowColor(FALSE)
{
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
    {
        m_arrStandardColor[i] = 0;
        m_arrCustomColor[i] = clrUnset;
    }
    RefreshColors();

    // The hot and pressed gradients do not follow the system.
    m_gradients[XTP_GRADIENT_BUTTON_CHECKED].SetStandardColors(RGB(255, 213, 140), RGB(255, 173, 85));
    m_gradients[XTP_GRADIENT_BUTTON_PUSHED].SetStandardColors(RGB(254, 142, 75), RGB(255, 207, 139));
    m_gradients[XTP_GRADIENT_BUTTON_HOT].SetStandardColors(RGB(255, 242, 200), RGB(255, 212, 151));
}

CXTPColorManager::~CXTPColorManager() = default;

COLORREF CXTPColorManager::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= XTP_COLOR_COUNT)
        return static_cast<COLORREF>(nIndex);
    return m_arrCustomColor[nIndex] != clrUnset ? m_arrCustomColor[nIndex] : m_arrStandardColor[nIndex];
}

CXTPColorValue CXTPColorManager::GetOffice2003Color55() const
{
    CXTPColorValue value(m_arrStandardColor[XTP_COLOR_OFFICE2003_55]);
    value.SetCustomValue(m_arrCustomColor[XTP_COLOR_OFFICE2003_55]);
    return value;
}

COLORREF CXTPColorManager::MixColorsByWeight(COLORREF clrFirst, COLORREF clrSecond, int nWeight)
{
    int divisor = nWeight < 100 ? 100 : 1000;
    return RGB(MixChannel(GetRValue(clrFirst), GetRValue(clrSecond), nWeight, divisor),
               MixChannel(GetGValue(clrFirst), GetGValue(clrSecond), nWeight, divisor),
               MixChannel(GetBValue(clrFirst), GetBValue(clrSecond), nWeight, divisor));
}

BOOL CXTPColorManager::IsLowColorDepth(HDC hDC)
{
    if (hDC)
        return static_cast<UINT>(::GetDeviceCaps(hDC, BITSPIXEL) - 1) < 8;

    HWND hDesktop = ::GetDesktopWindow();
    HDC hDesktopDC = ::GetDC(hDesktop);
    if (!hDesktopDC)
        return FALSE;
    BOOL bLow = static_cast<UINT>(::GetDeviceCaps(hDesktopDC, BITSPIXEL) - 1) < 8;
    ::ReleaseDC(hDesktop, hDesktopDC);
    return bLow;
}

XTPCurrentSystemTheme CXTPColorManager::GetCurrentSystemTheme() const
{
    if (m_themeForced == xtpSystemThemeAuto || m_themeForced == xtpSystemThemeDefault)
        return m_systemTheme;
    return m_themeForced;
}

float CXTPColorManager::ColorDistance(COLORREF clrA, COLORREF clrB)
{
    return std::sqrt(SquaredDistance(clrA, clrB));
}

float CXTPColorManager::ScaledThreshold(COLORREF clrA, float fThreshold)
{
    int nDistance = static_cast<int>(ColorDistance(clrA, 0));
    int nThreshold = static_cast<int>(fThreshold);
    return (2.0f - std::min(nDistance, 220) / 220.0f) * nThreshold;
}

BOOL CXTPColorManager::IsColorDistanceAbove(COLORREF clrA, COLORREF clrB, BOOL bScale, float fThreshold)
{
    float threshold = bScale ? ScaledThreshold(clrA, fThreshold) : fThreshold;
    return SquaredDistance(clrA, clrB) > threshold * threshold;
}

COLORREF CXTPColorManager::ApproachColor(COLORREF clrA, COLORREF clrB, float fThreshold)
{
    WeightedColor a = ToWeighted(clrA);
    WeightedColor b = ToWeighted(clrB);
    float distance = ColorDistance(clrA, clrB);
    if (distance <= 0.0f)
        return clrB;
    float k = (distance - ScaledThreshold(clrA, fThreshold)) / distance;
    return FromWeighted({b.r + k * (a.r - b.r), b.g + k * (a.g - b.g), b.b + k * (a.b - b.b)});
}

COLORREF CXTPColorManager::SeparateColor(COLORREF clrA, COLORREF clrB, float fThreshold)
{
    float threshold = ScaledThreshold(clrA, fThreshold);
    WeightedColor a = ToWeighted(clrA);
    WeightedColor b = ToWeighted(clrB);
    float distanceA = Length(a);
    float distanceB = Length(b);

    float limit = distanceA < distanceB ? 442.0f - threshold : threshold;
    BOOL bLighten = limit >= distanceA;
    if (bLighten)
    {
        // Towards the origin of the inverted space is towards white.
        a = Inverted(a);
        b = Inverted(b);
    }

    float length = std::max(Length(b), 0.001f);
    float dot = Dot(a, b);
    float projection = dot / length;
    float scale = dot / (length * length);
    WeightedColor e = {scale * b.r - a.r, scale * b.g - a.g, scale * b.b - a.b};
    float s = projection - std::sqrt(std::max(threshold * threshold - Dot(e, e), 0.0f));

    WeightedColor result = {s * b.r / length, s * b.g / length, s * b.b / length};
    if (bLighten)
        result = Inverted(result);
    return FromWeighted(result);
}

COLORREF CXTPColorManager::GetSystemColor(int nIndex) const
{
    return m_pfnGetSysColor ? m_pfnGetSysColor(nIndex) : ::GetSysColor(nIndex);
}

XTPCurrentSystemTheme CXTPColorManager::DetectSystemTheme()
{
    if (!m_pSource->IsThemeActive() || m_pSource->IsDesktopLowColor())
        return xtpSystemThemeUnknown;

    CString strFileName, strColorName;
    if (!m_pSource->GetCurrentThemeName(strFileName, strColorName))
        return xtpSystemThemeUnknown;

    strFileName.MakeLower();
    if (strFileName.Find(L"luna.msstyles") >= 0 || strFileName.Find(L"winxp.luna.cjstyles") >= 0)
    {
        strColorName.MakeLower();
        if (strColorName == L"normalcolor")
            return xtpSystemThemeBlue;
        if (strColorName == L"homestead")
            return xtpSystemThemeOlive;
        if (strColorName == L"metallic")
            return xtpSystemThemeSilver;
    }
    if (m_bAllowRoyale &&
        (strFileName.Find(L"royale.msstyles") >= 0 || strFileName.Find(L"winxp.royale.cjstyles") >= 0))
        return xtpSystemThemeBlue;
    return xtpSystemThemeUnknown;
}

void CXTPColorManager::SetThemeSource(CXTPSystemThemeSource* pSource)
{
    m_pSource = pSource ? pSource : &CXTPSystemThemeSource::System();
}

void CXTPColorManager::RefreshColors()
{
    COLORREF before[XTP_COLOR_COUNT];
    std::copy(m_arrStandardColor, m_arrStandardColor + XTP_COLOR_COUNT, before);
    const XTPCurrentSystemTheme themeBefore = m_systemTheme;
    const BOOL bLowColorBefore = m_bLowColor;
    RefreshStandardColors();
    if (!std::equal(before, before + XTP_COLOR_COUNT, m_arrStandardColor) || themeBefore != m_systemTheme ||
        bLowColorBefore != m_bLowColor)
        m_nChangeCount++;
}

void CXTPColorManager::RefreshStandardColors()
{
    m_systemTheme = DetectSystemTheme();
    m_bLowColor = m_pSource->IsDesktopLowColor();

    SetStandard(0, RGB(0, 0, 0));
    for (int i = 1; i <= 27; i++)
        SetStandard(i, GetSystemColor(i));

    static const int s_baseIndex[][2] = {
        {30, 15}, {31, 5},  {32, 13}, {33, 13}, {34, 16}, {35, 17}, {36, 5},  {37, 13},
        {38, 16}, {39, 16}, {40, 16}, {41, 5},  {42, 16}, {43, 16}, {44, 8},  {45, 7},
        {46, 18}, {47, 14}, {48, 16}, {49, 14}, {50, 13}, {51, 15}, {52, 16}, {53, 15},
        {54, 16}, {55, 15}, {56, 15}, {57, 16}, {58, 17}, {60, 16},
    };
    for (const auto& entry : s_baseIndex)
        SetStandard(entry[0], GetColor(entry[1]));
    SetStandard(59, RGB(0, 0, 0));

    if (!m_bLowColor)
        RefreshBlendedColors();

    RefreshGradientColors();

    if (m_bLowColor)
        return;

    COLORREF clrBorder = 0;
    if (m_pSource->GetTreeViewBorderColor(clrBorder))
        SetStandard(57, clrBorder);
}

void CXTPColorManager::RefreshBlendedColors()
{
    static const int s_blends[][4] = {
        {30, 5, 15, 165}, {31, 13, 5, 30}, {33, 13, 5, 50}, {41, 15, 5, 143}, {35, 17, 5, 70},
        {38, 16, 5, 75},  {39, 16, 5, 70}, {43, 46, 16, 20}, {40, 16, 5, 90}, {42, 15, 16, 90},
    };
    for (const auto& blend : s_blends)
        SetStandard(blend[0], MixColorsByWeight(GetColor(blend[1]), GetColor(blend[2]), blend[3]));

    // The toolbar face must stay near the 3D face.
    if (IsColorDistanceAbove(GetColor(15), GetColor(30), TRUE, 35))
        SetStandard(30, ApproachColor(GetColor(15), GetColor(30), 35));

    // Colours drawn on the toolbar face must stand out from it.
    static const int s_separations[][4] = {
        // target, colour moved, reference, threshold
        {31, 31, 30, 50},  {32, 13, 30, 100}, {33, 33, 30, 30},  {35, 35, 41, 80},  {37, 37, 33, 100},
        {38, 38, 30, 85},  {39, 39, 30, 50},  {43, 43, 41, 100}, {40, 40, 30, 80},  {44, 44, 41, 180},
        {45, 45, 31, 180}, {46, 46, 30, 180}, {47, 47, 33, 180},
    };
    for (const auto& row : s_separations)
    {
        COLORREF clrReference = GetColor(row[2]);
        COLORREF clrMoved = GetColor(row[1]);
        if (!IsColorDistanceAbove(clrReference, clrMoved, TRUE, static_cast<float>(row[3])))
            SetStandard(row[0], SeparateColor(clrReference, clrMoved, static_cast<float>(row[3])));
    }

    if (IsColorDistanceAbove(GetColor(41), GetColor(35), TRUE, 145))
        SetStandard(35, ApproachColor(GetColor(41), GetColor(35), 145));

    COLORREF clr30 = GetColor(30), clr5 = GetColor(5), clr13 = GetColor(13);
    SetStandard(36, RGB(GetRValue(clr30) * 50 / 100 + GetRValue(clr5) * 40 / 100 + GetRValue(clr13) * 10 / 100,
                        GetGValue(clr30) * 50 / 100 + GetGValue(clr5) * 40 / 100 + GetGValue(clr13) * 10 / 100,
                        GetBValue(clr30) * 50 / 100 + GetBValue(clr5) * 40 / 100 + GetBValue(clr13) * 10 / 100));

    // A lighter form of the 3D face with its hue kept.
    COLORREF clrFace = GetColor(15);
    int nMax = std::max({GetRValue(clrFace), GetGValue(clrFace), GetBValue(clrFace)});
    if (nMax == 0)
    {
        SetStandard(48, RGB(35, 35, 35));
    }
    else
    {
        int nNewMax = nMax + std::min(255 - nMax, 35);
        SetStandard(48, RGB(GetRValue(clrFace) * nNewMax / nMax, GetGValue(clrFace) * nNewMax / nMax,
                            GetBValue(clrFace) * nNewMax / nMax));
    }

    // A darker form of the 3D shadow.
    if (clrFace == 0)
    {
        SetStandard(49, RGB(127, 127, 127));
    }
    else
    {
        COLORREF clrShadow = GetColor(16);
        int nShadowMax = std::max({GetRValue(clrShadow), GetGValue(clrShadow), GetBValue(clrShadow)});
        if (nShadowMax == 0)
        {
            SetStandard(49, 0);
        }
        else
        {
            int nNewMax = std::max(nShadowMax - 43, 0);
            SetStandard(49, RGB(GetRValue(clrShadow) * nNewMax / nShadowMax, GetGValue(clrShadow) * nNewMax / nShadowMax,
                                GetBValue(clrShadow) * nNewMax / nShadowMax));
        }
    }

    COLORREF clr31 = m_arrStandardColor[31];
    SetStandard(34, RGB(static_cast<int>(GetRValue(clr31) * 0.75), static_cast<int>(GetGValue(clr31) * 0.75),
                        static_cast<int>(GetBValue(clr31) * 0.75)));
    SetStandard(22, RGB(std::min(GetRValue(clrFace) + 15, 255), std::min(GetGValue(clrFace) + 15, 255),
                        std::min(GetBValue(clrFace) + 15, 255)));

    SetStandard(53, GetColor(30));
    SetStandard(58, GetColor(40));
    SetStandard(60, m_arrStandardColor[40]);
}

void CXTPColorManager::RefreshGradientColors()
{
    XTPCurrentSystemTheme theme = m_bDisableLunaColors ? xtpSystemThemeUnknown : GetCurrentSystemTheme();

    struct SchemeGradient
    {
        COLORREF clrLight, clrDark;
        float fFactor;
    };
    static const SchemeGradient s_schemes[3][7] = {
        {// blue
         {RGB(89, 135, 214), RGB(0, 45, 150), 0.5f},
         {RGB(158, 190, 245), RGB(196, 218, 250), 0.5f},
         {RGB(89, 135, 214), RGB(0, 45, 150), 0.5f},
         {RGB(221, 236, 254), RGB(129, 169, 226), 0.75f},
         {RGB(227, 239, 255), RGB(135, 173, 228), 0.5f},
         {RGB(203, 221, 246), RGB(121, 161, 220), 0.5f},
         {RGB(227, 239, 255), RGB(147, 181, 231), 0.5f}},
        {// olive
         {RGB(175, 192, 130), RGB(99, 122, 68), 0.5f},
         {RGB(217, 217, 167), RGB(242, 241, 228), 0.5f},
         {RGB(120, 142, 111), RGB(73, 91, 67), 0.5f},
         {RGB(244, 247, 222), RGB(183, 198, 145), 0.3f},
         {RGB(255, 255, 237), RGB(184, 199, 146), 0.3f},
         {RGB(230, 230, 209), RGB(164, 180, 120), 0.3f},
         {RGB(236, 240, 213), RGB(194, 206, 159), 0.5f}},
        {// silver
         {RGB(168, 167, 191), RGB(112, 111, 145), 0.5f},
         {RGB(215, 215, 229), RGB(243, 243, 247), 0.5f},
         {RGB(168, 167, 191), RGB(119, 118, 151), 0.5f},
         {RGB(249, 249, 255), RGB(156, 155, 183), 0.75f},
         {RGB(249, 249, 255), RGB(159, 157, 185), 0.75f},
         {RGB(215, 215, 226), RGB(128, 126, 158), 0.75f},
         {RGB(233, 231, 241), RGB(186, 185, 205), 0.5f}},
    };
    static const COLORREF s_schemeBorder[3] = {RGB(0, 45, 150), RGB(96, 128, 88), RGB(124, 124, 148)};

    if (theme >= xtpSystemThemeBlue && theme <= xtpSystemThemeSilver)
    {
        const SchemeGradient* scheme = s_schemes[theme - 1];
        for (int i = 0; i < 7; i++)
            m_gradients[i].SetStandardColors(scheme[i].clrLight, scheme[i].clrDark, scheme[i].fFactor);
        SetStandard(54, s_schemeBorder[theme - 1]);
    }
    else
    {
        COLORREF f = GetColor(15), w = GetColor(5), s = GetColor(16);
        m_gradients[0].SetStandardColors(s, s);
        m_gradients[1].SetStandardColors(f, MixColorsByWeight(f, w, 215));
        m_gradients[2].SetStandardColors(f, s);
        m_gradients[3].SetStandardColors(MixColorsByWeight(f, w, 205), f);
        m_gradients[4].SetStandardColors(MixColorsByWeight(f, w, 145), MixColorsByWeight(f, w, 93));
        m_gradients[5].SetStandardColors(MixColorsByWeight(f, w, 40), MixColorsByWeight(f, s, 95));
        m_gradients[6].SetStandardColors(MixColorsByWeight(f, w, 165), MixColorsByWeight(f, w, 42));
    }

    if (m_bLowColor)
    {
        m_gradients[3].SetStandardColor(GetColor(15));
        m_gradients[1].SetStandardColor(GetColor(15));
    }
}

CXTPColorManager* XTPGetColorManager()
{
    static CXTPColorManager manager;
    return &manager;
}

void XTPRefreshColorsThrottled()
{
    static CXTPRefreshThrottle throttle(500);
    DWORD dwNow = ::GetTickCount();
    if (!throttle.IsDue(dwNow))
        return;
    XTPGetColorManager()->RefreshColors();
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd)
        throttle.Record(dwNow);
}
