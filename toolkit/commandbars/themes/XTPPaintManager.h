// The drawing interface of all command bars, their controls, the status bar
// and the customize lists: fonts, the colour table, metrics and the drawing
// every look shares. Looks (themes) override its virtual operations; one
// paint manager is current for the whole process.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"
#include "toolkit/commandbars/themes/XTPPaintManagerFont.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/colors/XTPColorValue.h"
#include "toolkit/common/colors/XTPGradientValue.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"

class CDC;
class CWnd;
class CXTPCommandBar;
class CXTPControl;
class CXTPControlComboBox;
class CXTPControlEdit;
class CXTPDialogBar;
class CXTPImageManagerIcon;
class CXTPStatusBarPane;

enum XTPPaintTheme
{
    xtpThemeOffice2000 = 0,
    xtpThemeOfficeXP = 1,
    xtpThemeOffice2003 = 2,
    xtpThemeNativeWinXP = 3,
    xtpThemeWhidbey = 4,
    xtpThemeOffice2007 = 5,
    xtpThemeCustom = 6,
};

// Popup animations.
enum XTPAnimationType
{
    xtpAnimateWindowsDefault = 0,
    xtpAnimateRandom = 1,
    xtpAnimateSlide = 2,
    xtpAnimateUnfold = 3,
    xtpAnimateFade = 4,
    xtpAnimateNone = 5,
};

struct XTP_COMMANDBARS_ICONSINFO
{
    BOOL bUseFadedIcons;
    BOOL bUseDisabledIcons;
    BOOL bIconsWithShadow;
    BOOL bOfficeStyleDisabledIcons;
};

// A filled triangle, pen and brush of one colour.
void XTPDrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);

class CXTPPaintManager : public CCmdTarget
{
public:
    CXTPPaintManager();
    ~CXTPPaintManager() override;

    // The current paint manager.
    static void SetTheme(int nTheme);
    // Makes the object current (theme number 6); the one current before is
    // released. Handing the current object again changes nothing.
    static void SetCustomTheme(CXTPPaintManager* pTheme);
    static CXTPPaintManager* CreateTheme(int nTheme);
    static void Done();
    static BOOL IsVerticalPosition(int barPosition) { return barPosition == 2 || barPosition == 3 || barPosition == 5; }

    CSize DrawControl(CDC* pDC, CXTPControl* pButton, BOOL bDraw = TRUE);
    COLORREF GetColor(int nIndex) const;
    void SetColors(int nCount, const int* pIndices, const COLORREF* pColors);
    XTP_COMMANDBARS_ICONSINFO* GetIconsInfo() { return &m_iconsInfo; }
    int GetLunaColorScheme() const;
    void SetLunaColorScheme(int nScheme) { m_nLunaScheme = nScheme; }
    void SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont = FALSE);
    void UpdateFonts();
    // The height of the bars' font for a menu font height.
    static LONG CommandBarFontHeight(LONG lfMenuHeight);
    int GetTextHeight() const { return m_nTextHeight; }
    int GetThemeNumber() const { return m_themeCurrent; }
    CFont* GetRegularFont() { return &m_fontRegular; }
    CFont* GetRegularBoldFont() { return &m_fontRegularBold; }
    CFont* GetIconFont() { return m_fontIcon; }
    CFont* GetSmCaptionFont() { return m_fontSmCaption; }
    BOOL IsPreferTahoma() const { return m_bClearTypeTextQuality; }
    BOOL IsUseStandardFont() const { return m_bUseStandardFont; }
    void SetCaptionOverride(int nOverride) { m_nCaptionOverride = nOverride; }
    void SetAnimation(int nSteps, int nDuration) { m_nAnimationSteps = nSteps; m_nAnimationTime = nDuration; }

    // Drawing helpers of every look.
    void Line(CDC* pDC, int x0, int y0, int x1, int y1);
    void DrawLine(CDC* pDC, int x0, int y0, int x1, int y1, int nPen);
    void Rectangle(CDC* pDC, CRect rc, int nPen, int nBrush);
    void Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight);
    void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz, LPCRECT lpClip = nullptr);
    static void StripMnemonics(CString& strClear);
    static BOOL FontExists(LPCWSTR strFaceName);
    static void SplitString(const CString& str, CString& strFirstRow, CString& strSecondRow);
    CSize DrawCaptionBelowIcon(CDC* pDC, const CString& strCaption, CRect rcCaption, BOOL bDraw, BOOL bVertical,
                               BOOL bDropDown, BOOL bEmbossed, BOOL bKeyboardCues);

    virtual CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw) = 0;
    virtual CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pButton, BOOL bDraw);
    virtual void DrawControlEntry(CDC* pDC, CXTPControl* pButton, CRect rc);
    virtual CSize DrawControlComboBox(CDC* pDC, CXTPControlComboBox* pComboBox, BOOL bDraw) = 0;
    virtual CSize DrawControlEdit(CDC* pDC, CXTPControlEdit* pEdit, BOOL bDraw) = 0;
    // An entry of the customize command list; without a control, the list's
    // background over rc.
    virtual CSize DrawListBoxControl(CDC* pDC, CXTPControl* pButton, CRect rc, BOOL bSelected, BOOL bDraw) = 0;
    virtual void FillCommandBarEntry(CDC* pDC, CXTPCommandBar* pBar) = 0;
    virtual void DrawStateRect(CDC* pDC, CRect rc, BOOL bEnabled, int bSelected, int bPressed, int bChecked,
                               BOOL bPopuped, int barPosition) = 0;
    virtual void DrawControlState(CDC* pDC, CXTPControl* pButton);
    virtual void DrawRectangle(CDC* pDC, CRect rc, int bSelected, int bPressed, BOOL bEnabled, int bChecked,
                               BOOL bPopuped, BOOL bToolBarStyle, int barPosition) = 0;
    virtual CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) = 0;
    virtual CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw = TRUE) = 0;
    virtual void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) = 0;
    virtual void DrawStatusBarPane(CDC* pDC, CRect& rc, CXTPStatusBarPane* pPane);
    virtual void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane);
    virtual void DrawStatusBarGripper(CDC* pDC, CRect rcClient);
    virtual void FillDockBar(CDC* pDC, CWnd* pBar);
    virtual void FillStatusBar(CDC* pDC, CWnd* pBar);
    virtual void RefreshMetrics();
    virtual CSize DrawSpecialControl(CDC* pDC, XTPSpecialControl controlType, CXTPControl* pButton,
                                     CXTPCommandBar* pBar, BOOL bDraw, LPVOID lpParam);
    virtual CRect GetCommandBarBorders(CXTPCommandBar* pBar);
    virtual CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) = 0;
    virtual void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected,
                           BOOL bPressed, BOOL bEnabled = TRUE, BOOL bChecked = FALSE, BOOL bPopuped = FALSE,
                           BOOL bToolBarImage = TRUE) = 0;
    virtual CSize DrawDialogBarGripper(CDC* pDC, CXTPDialogBar* pBar, BOOL bDraw) = 0;
    virtual CRect GetSplitButtonCommandRect(CXTPControl* pButton);
    virtual int GetCurrentTheme() = 0;
    virtual CFont* GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold = FALSE);
    virtual void DrawExpandSymbols(CDC* pDC, CRect rc, COLORREF clr, BOOL bChevron);
    virtual void DrawDropDownArrow(CDC* pDC, CRect rc, COLORREF clr);
    virtual void Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, XTPAnimationType animationType);
    virtual void AnimateExpanding(CXTPCommandBar* pCommandBar, CDC* pDestDC, CDC* pSrcDC, BOOL bExpandDown);
    virtual void UpdateRTLCaption(CString& /*strCaption*/) {}

    // Caption drawing of toolbar controls: the text in the state's colour,
    // embossed when disabled, the mnemonic underlined only while cues show.
    CSize DrawControlCaption(CDC* pDC, const CString& strCaption, CRect rc, BOOL bDraw, BOOL bVertical,
                             BOOL bCentered, BOOL bEmbossed, BOOL bKeyboardCues);

protected:
    friend class CXTPPaintManagerTest;
    // The icon and caption layout of one toolbar control.
    CSize DrawControlToolBarButton(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw);
    CSize DrawControlCaptionBelowIcon(CDC* pDC, CXTPControl* pButton, CXTPCommandBar* pBar, BOOL bDraw);
    // Size of an edit or combo box; sets its label and button widths. A label
    // in a menu takes its caption's width plus the given extra.
    CSize MeasureEditControl(CDC* pDC, CXTPControl* pControl, int nPopupLabelExtra);
    // A double chevron of the expand buttons; vertical bars point it right.
    void DrawDoubleChevron(CDC* pDC, CRect rc, COLORREF clr, BOOL bVertical);
    void DrawAnimationFade(CDC* pDestDC, CDC* pSrcDC, CRect rc);

public:
    // Drop shadows of popups: whether the look has them, its options (1: even
    // without the system setting, lighter; 2: cut around the opening control)
    // and their colour.
    BOOL m_bShowShadow = TRUE;
    int m_nShadowOptions = 0;
    COLORREF m_clrShadowColor = 0;
    COLORREF m_clrStatus;
    COLORREF m_clrStatusTextColor;
    CXTPGradientValue m_clrFaceGradient;
    CXTPColorValue m_clrCaption;
    CXTPColorValue m_clrCaptionText;
    BOOL m_bEmbossedExpandSymbols;
    BOOL m_bFlatToolBar;
    BOOL m_bThemedStatusBar;
    CXTPPaintManagerFont m_fontSmCaption;
    CXTPPaintManagerFont m_fontIcon;
    CXTPPaintManagerFont m_fontIconBold;

protected:
    CFont m_fontRegular;
    CFont m_fontRegularBold;
    CFont m_fontVert;
    CFont m_fontVertBold;
    int m_nTextHeight;
    BOOL m_bClearTypeTextQuality;
    BOOL m_bUseStandardFont;

public:
    BOOL m_bEmbossedDisabledText;
    int m_nLookStyle;

protected:
    CXTPWinThemeWrapper m_themeStatusBar;
    int m_themeCurrent;
    XTP_COMMANDBARS_ICONSINFO m_iconsInfo;
    int m_nAnimationSteps;
    int m_nAnimationTime;
    int m_nCaptionOverride;
    CXTPColorValue m_arrColor[XTP_COLOR_COUNT];
    int m_nLunaScheme;

    friend CXTPPaintManager* XTPPaintManager();
};

// The current paint manager; the classic look is made on first use.
CXTPPaintManager* XTPPaintManager();
// The current paint manager, or null while none was made yet.
CXTPPaintManager* XTPPaintManagerIfAny();
