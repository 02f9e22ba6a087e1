// The toolkit's colours: 62 indexed colours (the system colours 1 to 27 and
// the blended toolkit colours 30 to 61) and ten gradients, recomputed from
// the system colours and the visual-style scheme in force.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "toolkit/common/colors/XTPGradientValue.h"

class CXTPSystemThemeSource;

// Visual-style colour schemes.
enum XTPCurrentSystemTheme
{
    xtpSystemThemeUnknown = 0,
    xtpSystemThemeBlue = 1,
    xtpSystemThemeOlive = 2,
    xtpSystemThemeSilver = 3,
    xtpSystemThemeAuto = 4,
    xtpSystemThemeDefault = 5,
};

const int XTP_COLOR_COUNT = 62;
const int XTP_GRADIENT_COUNT = 10;

// The gradients that stay fixed across refreshes: the faces of checked,
// pushed and hot buttons in the Office 2003 look.
const int XTP_GRADIENT_BUTTON_CHECKED = 7;
const int XTP_GRADIENT_BUTTON_PUSHED = 8;
const int XTP_GRADIENT_BUTTON_HOT = 9;
// The table colour the Office 2003 look takes over as its own colour 55.
const int XTP_COLOR_OFFICE2003_55 = 55;

typedef COLORREF (*XTP_SYSCOLOR_PROC)(int nIndex);

class CXTPColorManager : public CCmdTarget
{
public:
    // Without a source the running system is asked; without a colour
    // procedure the system colours come from GetSysColor.
    explicit CXTPColorManager(CXTPSystemThemeSource* pSource = nullptr, XTP_SYSCOLOR_PROC pfnGetSysColor = nullptr);
    ~CXTPColorManager() override;

    // Index 0 to 61: the custom colour when set, else the standard one; any
    // larger value is a colour already and comes back unchanged.
    COLORREF GetColor(int nIndex) const;

    // Channel by channel: first * weight + second * (D - weight), rounded,
    // over D = 100 for weights below 100, else 1000.
    static COLORREF MixColorsByWeight(COLORREF clrFirst, COLORREF clrSecond, int nWeight);
    // 1 to 8 bits per pixel; the desktop when no DC is given.
    static BOOL IsLowColorDepth(HDC hDC);

    BOOL IsLunaColorsDisabled() const { return m_bDisableLunaColors; }
    // The display had 8 bits per pixel or less at the last refresh.
    BOOL IsLowColor() const { return m_bLowColor; }
    XTPCurrentSystemTheme GetDetectedSystemTheme() const { return m_systemTheme; }
    XTPCurrentSystemTheme GetCurrentSystemTheme() const;

    void RefreshColors();
    // Counts the refreshes that changed a standard colour, the scheme or the
    // colour depth: whoever keeps colours taken from here compares it with
    // the count it saw and takes them anew when it moved.
    UINT GetChangeCount() const { return m_nChangeCount; }
    // Where the visual style in force is learnt from now on (null: the
    // running system); takes effect with the next refresh.
    void SetThemeSource(CXTPSystemThemeSource* pSource);

    const CXTPGradientValue& GetGradient(int nIndex) const { return m_gradients[nIndex]; }
    const CXTPGradientValue& GetButtonCheckedGradient() const { return m_gradients[XTP_GRADIENT_BUTTON_CHECKED]; }
    const CXTPGradientValue& GetButtonPushedGradient() const { return m_gradients[XTP_GRADIENT_BUTTON_PUSHED]; }
    const CXTPGradientValue& GetButtonHotGradient() const { return m_gradients[XTP_GRADIENT_BUTTON_HOT]; }
    // Colour 55 as a themable value (standard and custom), for a theme's
    // own copy of the table.
    CXTPColorValue GetOffice2003Color55() const;

    // Colour distance in channels weighted 195:390:65.
    static float ColorDistance(COLORREF clrA, COLORREF clrB);
    // The threshold grows up to twice t for references darker than distance 220.
    static float ScaledThreshold(COLORREF clrA, float fThreshold);
    static BOOL IsColorDistanceAbove(COLORREF clrA, COLORREF clrB, BOOL bScale, float fThreshold);
    // Moves b towards a until it lies the scaled threshold away from a.
    static COLORREF ApproachColor(COLORREF clrA, COLORREF clrB, float fThreshold);
    // Moves b away from a (darker or lighter) to the scaled threshold.
    static COLORREF SeparateColor(COLORREF clrA, COLORREF clrB, float fThreshold);

protected:
    XTPCurrentSystemTheme DetectSystemTheme();
    void RefreshGradientColors();

private:
    COLORREF GetSystemColor(int nIndex) const;
    void SetStandard(int nIndex, COLORREF clr) { m_arrStandardColor[nIndex] = clr; }
    void RefreshBlendedColors();
    void RefreshStandardColors();

public:
    CXTPGradientValue m_gradients[XTP_GRADIENT_COUNT];
    BOOL m_bAllowRoyale;
    BOOL m_bDisableLunaColors;
    COLORREF m_arrStandardColor[XTP_COLOR_COUNT];
    COLORREF m_arrCustomColor[XTP_COLOR_COUNT];

private:
    XTP_SYSCOLOR_PROC m_pfnGetSysColor;
    XTPCurrentSystemTheme m_themeForced;
    XTPCurrentSystemTheme m_systemTheme;
    CXTPSystemThemeSource* m_pSource;
    BOOL m_bLowColor;
    UINT m_nChangeCount = 0;
};

// The process-wide colour manager.
CXTPColorManager* XTPGetColorManager();

// Recomputes the process-wide colours unless that was done in the last 500 ms.
void XTPRefreshColorsThrottled();
