// The flat button look with colour fills: hot, pressed and checked faces
// framed in the border colour, faded and shadowed icons.
#pragma once
#include "toolkit/controls/buttons/XTButtonTheme.h"

class CXTButtonThemeOfficeXP : public CXTButtonTheme
{
public:
    explicit CXTButtonThemeOfficeXP(BOOL bBorderedFace = FALSE, CXTPWinThemeLibrary* pLibrary = nullptr);

    void RefreshMetrics() override;
    BOOL IsThemedOrFlat(CXTButton* pButton) override;
    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawImageOfState(CDC* pDC, UINT nState, CXTPImageManagerIcon* pIcon, CPoint pt, CSize size,
                          CXTButton* pButton) override;
    void DrawButtonFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem) override;
    void DrawFocusRect(CDC* pDC, CRect rcItem, UINT nState, CXTButton* pButton) override;

    virtual void SetBorderedFace(BOOL bBorderedFace);
    virtual void SetPressedFillColor(COLORREF clr);
    virtual void SetHotFillColor(COLORREF clr);
    virtual void SetPressedTextColor(COLORREF clr);
    virtual void SetHotTextColor(COLORREF clr);

protected:
    // Draws the plain face of a button that is neither hot, pressed nor
    // checked; FALSE (nothing drawn) for any other button.
    BOOL DrawRestingFace(CDC* pDC, UINT nState, CXTButton* pButton, CRect rcItem);

public:
    BOOL m_bBorderedFace;
    BOOL m_bFadedIcons = TRUE;
    BOOL m_bIconShadows = TRUE;

    CXTPColorValue m_crPressedFill;
    CXTPColorValue m_crHotFill;
    CXTPColorValue m_crPressedText;
    CXTPColorValue m_crHotText;
    CXTPColorValue m_crCheckedFill;
};
