// The drawing base of the themed push button: face, frames, image, text and
// focus rectangle, with colours from the toolkit's colour manager that the
// caller may override. The other button themes differ in data and in a few
// overrides.
#pragma once
#include <windows.h>

#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"
#include "toolkit/common/colors/XTPColorValue.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyle.h"

class CDC;
class CFont;
class CXTButton;
class CXTPImageManagerIcon;
class CXTPWinThemeLibrary;

class CXTButtonTheme : public CXTThemeManagerStyle
{
public:
    // Visual styles come from the given library (the system's when null).
    explicit CXTButtonTheme(CXTPWinThemeLibrary* pLibrary = nullptr);
    ~CXTButtonTheme() override;

    void RefreshMetrics() override;

    virtual BOOL IsThemedOrFlat(CXTButton* pButton);
    virtual BOOL UseWinTheme(CXTButton* pButton);
    // Whether images are shown.
    virtual BOOL IsOptionSet() const;
    virtual void SetOption(BOOL bShowImages);
    // The theme's font when it has one, else the button's.
    virtual CFont* GetThemeFont(CXTButton* pButton) const;
    virtual void SetThemeFont(CFont* pFont);
    virtual void SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText);
    virtual void SetBackColor(COLORREF clrFace);
    virtual COLORREF GetBackColor() const;
    virtual void SetHiliteColor(COLORREF clrLight);
    virtual void SetShadowColor(COLORREF clrShadow);
    virtual void SetTextColor(COLORREF clrText);
    virtual void CalcImagePosition(CPoint& pt, int cx, int cy, CXTButton* pButton);
    virtual void GetTextPosition(CPoint& pt, UINT nState, CRect rcItem, CSize sizeText, CXTButton* pButton);
    virtual COLORREF GetTextColor(UINT nState, CXTButton* pButton);
    virtual void DrawButtonText(CDC* pDC, UINT nState, CRect rcItem, CXTButton* pButton);
    virtual void GetImagePosition(CPoint& pt, CDC* pDC, UINT nState, CRect rcItem, BOOL bHasText,
                                  CXTButton* pButton);
    virtual void DrawButtonIcon(CDC* pDC, UINT nState, CRect rcItem, CXTButton* pButton);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    virtual BOOL DrawWinThemeBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    virtual void DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem);
    virtual void DrawFocusRect(CDC* pDC, CRect rcItem, UINT nState, CXTButton* pButton);

    // Pressed in the drawing sense: selected or checked.
    static BOOL IsPressed(UINT nState, CXTButton* pButton);

protected:
    // The image size while images are shown, else 0 x 0.
    CSize ShownImageSize(CXTButton* pButton) const;
    // Draws the image of the state at the point (DrawButtonIcon found
    // where the image goes).
    virtual void DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt, CSize size,
                                  CXTButton* pButton);

public:
    BOOL m_bShowImages = TRUE;
    BOOL m_bOffsetText = TRUE;
    CFont* m_pFont = nullptr;

    CXTPColorValue m_crFace;
    CXTPColorValue m_crText;
    CXTPColorValue m_crDisabledText;
    CXTPColorValue m_crLight;
    CXTPColorValue m_crShadow;
    CXTPColorValue m_crHighlight;
    CXTPColorValue m_crDarkShadow;

protected:
    CXTPWinThemeWrapper m_themeWrapper;
};
