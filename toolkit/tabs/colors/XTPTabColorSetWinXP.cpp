// Tabs drawn with the visual style's tab parts while it is active; the
// Default set otherwise.
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSet.h"
#include "toolkit/tabs/colors/XTPTabColorSets.h"
#include "toolkit/tabs/XTPTabManager.h"

namespace {

const int TABP_PANE = 9, TOOLBAR_BUTTON = 1;
const int TMT_FILLCOLORHINT = 3821;

} // namespace

CXTPTabPaintManager::CColorSetWinXP::CColorSetWinXP()
{
    m_themeTabButton.OpenThemeData(nullptr, L"TAB");
    m_themeToolbar.OpenThemeData(nullptr, L"TOOLBAR");
}

CXTPTabPaintManager::CColorSetWinXP::~CColorSetWinXP()
{
    m_themeTabButton.CloseThemeData();
    m_themeToolbar.CloseThemeData();
}

BOOL CXTPTabPaintManager::CColorSetWinXP::IsThemed()
{
    return m_themeTabButton.IsAppThemed();
}

void CXTPTabPaintManager::CColorSetWinXP::RefreshMetrics()
{
    CColorSetDefault::RefreshMetrics();
    m_themeTabButton.OpenThemeData(nullptr, L"TAB");
    m_themeToolbar.OpenThemeData(nullptr, L"TOOLBAR");
    if (!IsThemed())
        return;
    m_clrHighlight.SetStandardValue(COLORREF(-1));
    m_clrShadow.SetStandardValue(COLORREF(-1));
    m_clrDarkShadow.SetStandardValue(COLORREF(-1));
    m_clrHighlightText.SetStandardValue(m_clrButtonText.GetColor());
    COLORREF clrHint = 0;
    if (SUCCEEDED(m_themeTabButton.GetThemeColor(TABP_PANE, 0, TMT_FILLCOLORHINT, &clrHint)))
        m_clrClientFace.SetStandardValue(clrHint);
}

COLORREF CXTPTabPaintManager::CColorSetWinXP::FillClient(CDC* pDC, CRect rc, CXTPTabManager* pManager)
{
    if (!IsThemed())
        return CColorSetDefault::FillClient(pDC, rc, pManager);
    int nPosition = pManager->GetPosition();
    if (nPosition == xtpTabPositionBottom)
        rc.bottom++;
    else if (nPosition == xtpTabPositionRight)
        rc.right++;
    m_themeTabButton.DrawThemeBackground(pDC->GetSafeHdc(), TABP_PANE, 0, rc, nullptr);
    return m_clrClientFace;
}

void CXTPTabPaintManager::CColorSetWinXP::DrawTurnedPart(CDC* pDC, CRect rc, int nPart, int nState, int nPosition)
{
    if (nPosition == xtpTabPositionTop)
    {
        m_themeTabButton.DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState, rc, nullptr);
        return;
    }
    // Drawn as a top tab of the turned size, then copied back pixel by pixel.
    BOOL bVertical = nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight;
    int cx = bVertical ? rc.Height() : rc.Width(), cy = bVertical ? rc.Width() : rc.Height();
    if (cx <= 0 || cy <= 0)
        return;
    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(pDC, cx, cy);
    HGDIOBJ hOld = dcMem.SelectObject(bmp.GetSafeHandle());
    CRect rcPart(0, 0, cx, cy);
    dcMem.BitBlt(0, 0, cx, cy, pDC, rc.left, rc.top, SRCCOPY);
    m_themeTabButton.DrawThemeBackground(dcMem.GetSafeHdc(), nPart, nState, rcPart, nullptr);
    for (int y = 0; y < cy; y++)
    {
        for (int x = 0; x < cx; x++)
        {
            COLORREF clr = dcMem.GetPixel(x, y);
            switch (nPosition)
            {
            case xtpTabPositionLeft: pDC->SetPixelV(rc.left + y, rc.top + x, clr); break;
            case xtpTabPositionRight: pDC->SetPixelV(rc.right - 1 - y, rc.top + x, clr); break;
            default: pDC->SetPixelV(rc.left + x, rc.bottom - 1 - y, clr); break;
            }
        }
    }
    dcMem.SelectObject(hOld);
}

COLORREF CXTPTabPaintManager::CColorSetWinXP::FillTabButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    if (!IsThemed())
        return CColorSetDefault::FillTabButton(pDC, rc, pItem);
    BOOL bSelected = pItem->IsSelected();
    int nState = bSelected ? 3 : pItem->IsHighlighted() ? 2 : 1;
    int nLast = pItem->GetTabManager()->GetItemCount() - 1;
    int nPart = pItem->GetIndex() == 0 ? 6 : pItem->GetIndex() == nLast && !bSelected ? 7 : 5;
    int nPosition = pItem->GetTabManager()->GetPosition();
    if (bSelected && nPosition == xtpTabPositionTop)
        rc.bottom += 2;
    else if (bSelected && nPosition == xtpTabPositionLeft)
        rc.right += 1;
    DrawTurnedPart(pDC, rc, nPart, nState, nPosition);
    return COLORREF(-1);
}

void CXTPTabPaintManager::CColorSetWinXP::FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    if (!IsThemed() || !pItem->IsSelected())
    {
        CColorSetDefault::FillStateButton(pDC, rc, pItem);
        return;
    }
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), TOOLBAR_BUTTON, pItem->IsHighlighted() ? 6 : 5, rc,
                                       nullptr);
}

void CXTPTabPaintManager::CColorSetWinXP::FillNavigateButton(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                                            CRect& rc)
{
    if (!IsThemed())
    {
        CColorSetDefault::FillNavigateButton(pDC, pButton, rc);
        return;
    }
    if (pButton->IsEnabled())
    {
        int nState = pButton->IsPressed() ? 3 : pButton->IsHot() ? 2 : 1;
        m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), TOOLBAR_BUTTON, nState, rc, nullptr);
    }
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
}

void CXTPTabPaintManager::CColorSetWinXP::FillHeaderExtra(CDC* pDC, CRect /*rc*/, CXTPTabManager* pManager)
{
    if (!IsThemed())
        return;
    CRect c = m_pPaintManager->GetAppearanceSet()->GetClientRect(pManager->GetControlRect(), pManager);
    switch (pManager->GetPosition())
    {
    case xtpTabPositionBottom: pDC->ExcludeClipRect(c.left, c.bottom - 2, c.left + 1, c.bottom - 1); break;
    case xtpTabPositionRight: pDC->ExcludeClipRect(c.right - 2, c.top, c.right - 1, c.top + 1); break;
    default: pDC->ExcludeClipRect(c.left, c.top, c.left + 1, c.top + 1); break;
    }
}
