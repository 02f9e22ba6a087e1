// The system-coloured sets: Default and VisualStudio.
#include "framework/gdi/CDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"
#include "toolkit/tabs/XTPTabManager.h"

void CXTPTabPaintManager::CColorSetDefault::RefreshMetrics()
{
    CColorSet::RefreshMetrics();
    CXTPColorManager* pColors = XTPGetColorManager();
    m_clrStateFill.SetStandardColors(COLORREF(-2), pColors->GetColor(5));
    m_clrStateFrame.SetStandardColors(pColors->GetColor(16), pColors->GetColor(20), 0.5f);
    static const int s_lines[6] = {18, 18, 18, 5, 16, 16};
    for (int i = 0; i < 6; i++)
    {
        m_clrLinesSelected[i].SetStandardValue(pColors->GetColor(s_lines[i]));
        m_clrLinesNormal[i].SetStandardValue(i < 3 ? pColors->GetColor(s_lines[i]) : COLORREF(-1));
    }
    if (GetAppearance() == xtpTabAppearanceExcel)
    {
        m_clrButtonSelected.SetStandardValue(pColors->GetColor(15));
        m_clrButtonNormal.SetStandardValue(pColors->GetColor(5));
        m_clrFrameBorder.SetStandardValue(pColors->GetColor(18));
    }
}

void CXTPTabPaintManager::CColorSetDefault::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                                              CRect& rc)
{
    FrameNavigateButton(pDC, pButton, rc, ::GetSysColor(COLOR_3DHIGHLIGHT), ::GetSysColor(COLOR_3DSHADOW),
                        ::GetSysColor(COLOR_BTNTEXT));
}

BOOL CXTPTabPaintManager::CColorSetVisualStudio::IsDefaultLook() const
{
    int nAppearance = GetAppearance();
    return nAppearance == xtpTabAppearanceExcel || nAppearance == xtpTabAppearanceStateButtons;
}

void CXTPTabPaintManager::CColorSetVisualStudio::RefreshMetrics()
{
    CColorSet::RefreshMetrics();
    CXTPColorManager* pColors = XTPGetColorManager();
    if (!IsDefaultLook())
        m_clrHeaderFace.SetStandardColors(pColors->GetColor(48), pColors->GetColor(48));
    if (GetAppearance() == xtpTabAppearanceVisualStudio)
    {
        m_clrButtonText.SetStandardValue(pColors->GetColor(49));
        m_clrInactiveText.SetStandardValue(pColors->GetColor(49));
    }
    COLORREF clrButton = CXTPColorManager::IsLowColorDepth(nullptr) ? pColors->GetColor(15)
                                                                    : m_clrHeaderFace.clrDark.GetColor();
    m_clrButtonFace.SetStandardColors(clrButton, clrButton);
}

void CXTPTabPaintManager::CColorSetVisualStudio::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                                                   CRect& rc)
{
    if (IsDefaultLook())
    {
        CColorSetDefault::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    FrameNavigateButton(pDC, pButton, rc, ::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_BTNTEXT),
                        XTPGetColorManager()->GetColor(49));
}
