// Shared by the look tests: every table colour made distinct so that a pixel
// tells which colour index painted it, and controls of any type.
#pragma once
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPSystemThemeSource.h"

// Colour index i becomes RGB(i, 77, 199 - i): unique, never the background.
void MakeTableColoursDistinct(CXTPPaintManager& theme);
COLORREF DistinctColour(int nIndex);

class CThemeTestControl : public CXTPControlPopup
{
public:
    explicit CThemeTestControl(XTPControlType type) { m_controlType = type; }
};

// One control of a bar drawn for a picture: type, command, caption, style and states.
struct ControlSpec
{
    XTPControlType type;
    int id;
    LPCWSTR caption;
    XTPButtonStyle style;
    BOOL enabled;
    int selected, pressed, checked;
    BOOL beginGroup;
};

// Puts a 16 x 16 icon, opaque red all over, into the shared image manager under the id.
void AddRedIcon(UINT nId);

// Gives the control the caption of its table row (when there is one), its style and states.
void ApplySpec(CXTPControl* pControl, const ControlSpec& spec);

// A visible child window over `rc` of the parent: a bar or a painted area of a picture.
BOOL CreateChild(CWnd& wnd, CWnd& parent, const RECT& rc, LPCWSTR title = L"Bar");

// The visual-style scheme the colour manager sees: 0 none, 1 blue, 2 olive,
// 3 silver; optionally on a low-colour display.
class CSchemeSource : public CXTPSystemThemeSource
{
public:
    CSchemeSource(int nScheme, BOOL bLowColor) : m_nScheme(nScheme), m_bLowColor(bLowColor) {}
    BOOL IsThemeActive() override { return m_nScheme != 0; }
    BOOL GetCurrentThemeName(CString& file, CString& color) override;
    BOOL IsDesktopLowColor() override { return m_bLowColor; }
    BOOL GetTreeViewBorderColor(COLORREF&) override { return FALSE; }

private:
    int m_nScheme;
    BOOL m_bLowColor;
};

// Forces a scheme on the process's colour manager while it lives.
class CSchemeScope
{
public:
    explicit CSchemeScope(int nScheme, BOOL bLowColor = FALSE);
    ~CSchemeScope();

private:
    CSchemeSource m_source;
};
