// The five colour sets of tab strips.
#pragma once
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/tabs/colors/XTPTabColorSet.h"

class CXTPTabPaintManager::CColorSetDefault : public CXTPTabPaintManager::CColorSet
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc) override;
};

class CXTPTabPaintManager::CColorSetVisualStudio : public CXTPTabPaintManager::CColorSetDefault
{
public:
    void RefreshMetrics() override;
    void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc) override;

private:
    BOOL IsDefaultLook() const;
};

class CXTPTabPaintManager::CColorSetOffice2003 : public CXTPTabPaintManager::CColorSet
{
public:
    void RefreshMetrics() override;
    COLORREF FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc) override;

    // Neither the paint manager nor the colour manager turned scheme colours off.
    BOOL AreThemeColorsEnabled() const;
    BOOL HasSchemePalette() const { return m_bLunaPalette; }

protected:
    void ApplyOfficeValues();
    // Tab fill fading from a lighter tone of the colour to the colour.
    void FillGradientTab(CDC* pDC, CRect rc, COLORREF clr);

public:
    CXTPColorValue m_clrButtonHighlighted;
    CXTPColorValue m_clrButtonPressed;
    CXTPColorValue m_clrNavigateButtonBorder;
    BOOL m_bLunaPalette = FALSE;
};

class CXTPTabPaintManager::CColorSetWinXP : public CXTPTabPaintManager::CColorSetDefault
{
public:
    CColorSetWinXP();
    ~CColorSetWinXP() override;

    void RefreshMetrics() override;
    COLORREF FillClient(CDC* pDC, CRect rc, CXTPTabManager* pManager) override;
    COLORREF FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    void FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc) override;
    void FillHeaderExtra(CDC* pDC, CRect rc, CXTPTabManager* pManager) override;
    BOOL IsThemed() override;

private:
    // Draws a top-strip tab part and turns it to the strip's position.
    void DrawTurnedPart(CDC* pDC, CRect rc, int nPart, int nState, int nPosition);

    CXTPWinThemeWrapper m_themeTabButton;
    CXTPWinThemeWrapper m_themeToolbar;
};

class CXTPTabPaintManager::CColorSetWhidbey : public CXTPTabPaintManager::CColorSetOffice2003
{
public:
    void RefreshMetrics() override;
    COLORREF FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;

public:
    BOOL m_bGradientButtons = FALSE;
};
