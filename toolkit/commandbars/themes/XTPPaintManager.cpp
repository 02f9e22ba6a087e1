#include <algorithm>
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPBarThemeQuery.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/commandbars/themes/XTPNativeXPTheme.h"
#include "toolkit/commandbars/themes/XTPOffice2007Theme.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/drawing/XTPTextHelpers.h"

namespace {

// Holds the current paint manager's reference and releases it at exit.
class CCurrentPaintManager
{
public:
    ~CCurrentPaintManager() { Replace(nullptr); }

    CXTPPaintManager* Get() const { return m_pPaintManager; }

    void Replace(CXTPPaintManager* pPaintManager)
    {
        CXTPPaintManager* pOld = m_pPaintManager;
        m_pPaintManager = pPaintManager;
        if (pOld && pOld != pPaintManager)
            pOld->InternalRelease();
    }

private:
    CXTPPaintManager* m_pPaintManager = nullptr;
};

CCurrentPaintManager& CurrentPaintManager()
{
    static CCurrentPaintManager current;
    return current;
}

const int kStatusPart = 1;
const int kStatusGripperPart = 2;
const int kStatusGripper = 3;
const int kTmtTextColor = 3803;

} // namespace

CXTPPaintManager* XTPPaintManager()
{
    if (!CurrentPaintManager().Get())
        CXTPPaintManager::SetTheme(xtpThemeOffice2000);
    return CurrentPaintManager().Get();
}

CXTPPaintManager* XTPPaintManagerIfAny()
{
    return CurrentPaintManager().Get();
}

namespace {

// Bordered controls of the foundation follow the current look; the first
// question makes the default look, as any other use of the manager does.
int CurrentBarTheme()
{
    return XTPPaintManager()->GetCurrentTheme();
}

struct CBarThemeQueryRegistration
{
    CBarThemeQueryRegistration() { XTPSetBarThemeQuery(CurrentBarTheme); }
} s_barThemeQueryRegistration;

} // namespace

void XTPDrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clr);
    CBrush brush;
    brush.CreateSolidBrush(clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    XTPDrawTriangleWithSelectedTools(pDC, pt0, pt1, pt2);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

CXTPPaintManager::CXTPPaintManager()
    : m_clrStatus(0)
    , m_clrStatusTextColor(0)
    , m_bEmbossedExpandSymbols(FALSE)
    , m_bFlatToolBar(TRUE)
    , m_bThemedStatusBar(FALSE)
    , m_nTextHeight(0)
    , m_bClearTypeTextQuality(FALSE)
    , m_bUseStandardFont(TRUE)
    , m_bEmbossedDisabledText(TRUE)
    , m_nLookStyle(0)
    , m_themeCurrent(xtpThemeCustom)
    , m_iconsInfo{FALSE, FALSE, FALSE, FALSE}
    , m_nAnimationSteps(10)
    , m_nAnimationTime(100)
    , m_nCaptionOverride(-1)
    , m_nLunaScheme(xtpSystemThemeDefault)
{
    XTPImageManager()->RefreshAll();
}

CXTPPaintManager::~CXTPPaintManager()
{
    m_themeStatusBar.CloseThemeData();
}

CXTPPaintManager* CXTPPaintManager::CreateTheme(int nTheme)
{
    CXTPPaintManager* pTheme = nullptr;
    if (nTheme == xtpThemeOfficeXP)
        pTheme = new XTPPaintThemes::CXTPOfficeTheme();
    else if (nTheme == xtpThemeOffice2003)
        pTheme = new XTPPaintThemes::CXTPOffice2003Theme();
    else if (nTheme == xtpThemeNativeWinXP)
        pTheme = new XTPPaintThemes::CXTPNativeXPTheme();
    else if (nTheme == xtpThemeWhidbey)
        pTheme = new XTPPaintThemes::CXTPWhidbeyTheme();
    else if (nTheme == xtpThemeOffice2007)
        pTheme = new CXTPOffice2007Theme();
    else
        pTheme = new XTPPaintThemes::CXTPDefaultTheme();
    pTheme->m_themeCurrent = nTheme;
    return pTheme;
}

void CXTPPaintManager::SetTheme(int nTheme)
{
    CXTPPaintManager* pTheme = CreateTheme(nTheme);
    SetCustomTheme(pTheme);
    pTheme->m_themeCurrent = nTheme;
}

void CXTPPaintManager::SetCustomTheme(CXTPPaintManager* pTheme)
{
    if (pTheme && pTheme == CurrentPaintManager().Get())
        return;
    CurrentPaintManager().Replace(pTheme);
    if (pTheme) {
        pTheme->m_themeCurrent = xtpThemeCustom;
        pTheme->RefreshMetrics();
    }
}

void CXTPPaintManager::Done()
{
    CurrentPaintManager().Replace(nullptr);
}

CSize CXTPPaintManager::DrawControl(CDC* pDC, CXTPControl* pButton, BOOL bDraw)
{
    if (pButton->GetType() == xtpControlComboBox)
        return DrawControlComboBox(pDC, static_cast<CXTPControlComboBox*>(pButton), bDraw);
    if (pButton->GetType() == xtpControlEdit)
        return DrawControlEdit(pDC, static_cast<CXTPControlEdit*>(pButton), bDraw);
    CXTPCommandBar* pBar = pButton->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pButton, bDraw);
    return DrawControlToolBarParent(pDC, pButton, bDraw);
}

COLORREF CXTPPaintManager::GetColor(int nIndex) const
{
    if (nIndex >= 0 && nIndex < XTP_COLOR_COUNT)
        return m_arrColor[nIndex].GetColor();
    return static_cast<COLORREF>(nIndex);
}

void CXTPPaintManager::SetColors(int nCount, const int* pIndices, const COLORREF* pColors)
{
    for (int i = 0; i < nCount; i++)
        if (pIndices[i] >= 0 && pIndices[i] < XTP_COLOR_COUNT)
            m_arrColor[pIndices[i]].SetStandardValue(pColors[i]);
}

int CXTPPaintManager::GetLunaColorScheme() const
{
    CXTPColorManager* pColors = XTPGetColorManager();
    if (m_nLunaScheme == xtpSystemThemeDefault)
        return pColors->IsLunaColorsDisabled() ? xtpSystemThemeUnknown : pColors->GetCurrentSystemTheme();
    if (m_nLunaScheme == xtpSystemThemeAuto)
        return pColors->GetDetectedSystemTheme();
    return m_nLunaScheme;
}

void CXTPPaintManager::RefreshMetrics()
{
    UpdateFonts();
    XTPRefreshColorsThrottled();
    CXTPColorManager* pColors = XTPGetColorManager();
    for (int i = 0; i < XTP_COLOR_COUNT; i++)
        m_arrColor[i].SetStandardValue(pColors->m_arrStandardColor[i]);
    m_clrStatus = 0;
    m_clrStatusTextColor = GetColor(COLOR_BTNTEXT);
    m_clrCaption.SetStandardValue(GetColor(COLOR_3DSHADOW));
    m_clrCaptionText.SetStandardValue(GetColor(COLOR_3DHIGHLIGHT));
    m_clrFaceGradient.SetStandardColors(GetColor(COLOR_3DFACE), GetColor(COLOR_3DSHADOW), 0.5f);
    m_themeStatusBar.CloseThemeData();
    if (m_bThemedStatusBar) {
        m_themeStatusBar.OpenThemeData(nullptr, L"STATUS");
        COLORREF clrText;
        if (m_themeStatusBar.IsAppThemed() &&
            SUCCEEDED(m_themeStatusBar.GetThemeColor(kStatusPart, 0, kTmtTextColor, &clrText)))
            m_clrStatusTextColor = clrText;
    }
}

void CXTPPaintManager::Line(CDC* pDC, int x0, int y0, int x1, int y1)
{
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
}

void CXTPPaintManager::DrawLine(CDC* pDC, int x0, int y0, int x1, int y1, int nPen)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, GetColor(nPen));
    CPen* pOldPen = pDC->SelectObject(&pen);
    Line(pDC, x0, y0, x1, y1);
    pDC->SelectObject(pOldPen);
}

void CXTPPaintManager::Rectangle(CDC* pDC, CRect rc, int nPen, int nBrush)
{
    if (nBrush != -1)
        pDC->FillSolidRect(rc, GetColor(nBrush));
    if (nPen != -1 && nPen != nBrush)
        pDC->Draw3dRect(rc, GetColor(nPen), GetColor(nPen));
}

void CXTPPaintManager::Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight)
{
    pDC->Draw3dRect(rc, GetColor(nTopLeft), GetColor(nBottomRight));
}

void CXTPPaintManager::GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                                    LPCRECT lpClip)
{
    if (lpClip)
        XTPDrawHelpers()->GradientFillClipped(pDC, lpRect, crFrom, crTo, bHorz, lpClip);
    else
        XTPDrawHelpers()->GradientFill(pDC, lpRect, crFrom, crTo, bHorz);
}

void CXTPPaintManager::StripMnemonics(CString& strClear)
{
    XTPStripMnemonics(strClear);
}

BOOL CXTPPaintManager::FontExists(LPCWSTR strFaceName)
{
    return XTPFontExists(strFaceName);
}

void CXTPPaintManager::DrawControlState(CDC* pDC, CXTPControl* pButton)
{
    CXTPCommandBar* pBar = pButton->GetParent();
    int nType = pButton->GetType();
    BOOL bPopuped = FALSE;
    if (nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup)
        bPopuped = pBar && pBar->GetPopupedIndex() == pButton->GetIndex() && pBar->GetPopupedIndex() >= 0;
    DrawStateRect(pDC, pButton->GetRect(), pButton->GetEnabled(), pButton->GetSelected(), pButton->GetPressed(),
                  pButton->GetChecked(), bPopuped, pBar ? pBar->GetPosition() : xtpBarTop);
}

CRect CXTPPaintManager::GetCommandBarBorders(CXTPCommandBar* /*pBar*/)
{
    return CRect(2, 2, 2, 2);
}

CFont* CXTPPaintManager::GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold)
{
    BOOL bVertical = pBar && (pBar->GetPosition() == xtpBarLeft || pBar->GetPosition() == xtpBarRight);
    if (bVertical)
        return bBold ? &m_fontVertBold : &m_fontVert;
    return bBold ? &m_fontRegularBold : &m_fontRegular;
}

void CXTPPaintManager::DrawExpandSymbols(CDC* pDC, CRect rc, COLORREF clr, BOOL bChevron)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, clr);
    CPen* pOldPen = pDC->SelectObject(&pen);
    int cx = rc.CenterPoint().x, cy = rc.CenterPoint().y;
    int nPasses = m_bEmbossedExpandSymbols ? 2 : 1;
    for (int nPass = 0; nPass < nPasses; nPass++) {
        for (int dy = 0; dy < 2; dy++) {
            int y = cy + dy + nPass;
            POINT pts[3];
            if (bChevron) {
                pts[0] = {cx - 4, y - 3};
                pts[1] = {cx, y + 1};
                pts[2] = {cx + 3, y - 2};
            } else {
                pts[0] = {cx - 4, y - 1};
                pts[1] = {cx - 2, y + 1};
                pts[2] = {cx + 3, y - 4};
            }
            pDC->Polyline(pts, 3);
        }
    }
    pDC->SelectObject(pOldPen);
}

void CXTPPaintManager::DrawDropDownArrow(CDC* pDC, CRect rc, COLORREF clr)
{
    CPoint pt = rc.CenterPoint();
    int h = std::max(static_cast<int>(rc.Width()) / 2 - 4, 2);
    int y = pt.y - h / 2;
    XTPDrawTriangle(pDC, CPoint(pt.x - h, y), CPoint(pt.x + h, y), CPoint(pt.x, y + h), clr);
}

void CXTPPaintManager::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed()) {
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), bGripperPane ? kStatusGripperPart : kStatusPart, 0, rc,
                                             nullptr);
        return;
    }
    Draw3dRect(pDC, rc, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
}

void CXTPPaintManager::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed()) {
        CRect rc(rcClient.right - 18, rcClient.top, rcClient.right, rcClient.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), kStatusGripper, 0, rc, nullptr);
        return;
    }
    CPen penShadow, penHighlight;
    penShadow.CreatePen(PS_SOLID, 1, GetColor(COLOR_3DSHADOW));
    penHighlight.CreatePen(PS_SOLID, 1, GetColor(COLOR_3DHIGHLIGHT));
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    int right = rcClient.right, bottom = rcClient.bottom - 2;
    for (int i = 0; i < 3; i++) {
        int n = 4 + i * 4;
        // Two shadow lines, then one highlight line a pixel further out.
        pDC->SelectObject(&penShadow);
        for (int k = 0; k < 2; k++) {
            pDC->MoveTo(right - n + k, bottom);
            pDC->LineTo(right, bottom - n + k);
        }
        pDC->SelectObject(&penHighlight);
        pDC->MoveTo(right - n + 2, bottom);
        pDC->LineTo(right, bottom - n + 2);
    }
    pDC->SelectObject(pOldPen);
}

void CXTPPaintManager::FillDockBar(CDC* pDC, CWnd* pBar)
{
    pDC->FillSolidRect(CXTPClientRect(pBar->GetSafeHwnd()), GetColor(COLOR_3DFACE));
}

void CXTPPaintManager::FillStatusBar(CDC* pDC, CWnd* pBar)
{
    CXTPClientRect rc(pBar->GetSafeHwnd());
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, rc, nullptr);
    else
        pDC->FillSolidRect(rc, GetColor(COLOR_3DFACE));
}
