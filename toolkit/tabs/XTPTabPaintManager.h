// How a tab strip looks and where its tabs go: the strip's options, one
// appearance set (shape family) and one colour set; lays out the tabs of a
// manager in a rectangle, computes the page area and draws the strip.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "toolkit/common/colors/XTPColorValue.h"
#include "toolkit/common/colors/XTPGradientValue.h"

class CDC;
class CXTPTabManager;
class CXTPTabManagerAtom;
class CXTPTabManagerItem;
class CXTPTabManagerNavigateButton;

enum XTPTabAppearanceStyle
{
    xtpTabAppearancePropertyPage = 0,
    xtpTabAppearancePropertyPageSelected = 1,
    xtpTabAppearancePropertyPageFlat = 2,
    xtpTabAppearancePropertyPage2003 = 3,
    xtpTabAppearanceStateButtons = 4,
    xtpTabAppearanceVisualStudio = 5,
    xtpTabAppearanceFlat = 6,
    xtpTabAppearanceExcel = 7,
    xtpTabAppearanceVisio = 8,
    xtpTabAppearanceVisualStudio2005 = 9,
};

enum XTPTabColorStyle
{
    xtpTabColorDefault = 1,
    xtpTabColorVisualStudio = 2,
    xtpTabColorOffice2003 = 4,
    xtpTabColorWinXP = 8,
    xtpTabColorWhidbey = 16,
};

enum XTPTabLayoutStyle
{
    xtpTabLayoutAutoSize = 0,
    xtpTabLayoutSizeToFit = 1,
    xtpTabLayoutFixed = 2,
    xtpTabLayoutCompressed = 3,
    xtpTabLayoutMultiRow = 4,
    xtpTabLayoutRotated = 5,
};

enum XTPTabClientFrame
{
    xtpTabFrameBorder = 0,
    xtpTabFrameSingleLine = 1,
    xtpTabFrameNone = 2,
};

enum XTPTabToolTipBehaviour
{
    xtpTabToolTipNever = 0,
    xtpTabToolTipAlways = 1,
    xtpTabToolTipShrinkedOnly = 2,
};

class CXTPTabPaintManager : public CCmdTarget
{
public:
    class CAppearanceSet;
    class CAppearanceSetPropertyPage;
    class CAppearanceSetPropertyPageSelected;
    class CAppearanceSetPropertyPageFlat;
    class CAppearanceSetPropertyPage2003;
    class CAppearanceSetStateButtons;
    class CAppearanceSetVisualStudio;
    class CAppearanceSetFlat;
    class CAppearanceSetExcel;
    class CAppearanceSetVisio;
    class CAppearanceSetVisualStudio2005;

    class CColorSet;
    class CColorSetDefault;
    class CColorSetVisualStudio;
    class CColorSetOffice2003;
    class CColorSetWinXP;
    class CColorSetWhidbey;

    CXTPTabPaintManager();
    ~CXTPTabPaintManager() override;

    virtual void DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    virtual void AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient);
    virtual void RepositionTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcClient);
    // Measuring (bDraw FALSE) answers the tab's length along the strip.
    virtual int DrawItemContent(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw);
    virtual void RefreshMetrics();
    virtual void RefreshAtoms();
    virtual void DrawFocusRect(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem);

    CAppearanceSet* SetAppearance(int nAppearance);
    CAppearanceSet* SetAppearanceSet(CAppearanceSet* pAppearanceSet);
    CColorSet* SetColor(int nColor);
    CColorSet* SetColorSet(CColorSet* pColorSet);
    int GetAppearance() const { return m_nAppearance; }
    int GetColor() const { return m_nColor; }
    CAppearanceSet* GetAppearanceSet() const { return m_pAppearanceSet; }
    CColorSet* GetColorSet() const { return m_pColorSet; }

    void SetPosition(int nPosition);
    int GetPosition() const { return m_nPosition; }
    void SetLayout(int nLayout);
    int GetLayout() const { return m_nLayout; }
    void SetFontIndirect(const LOGFONT* pLogFont, BOOL bUseSystemFont = FALSE);

    void AddAtom(CXTPTabManagerAtom* pAtom);
    void RemoveAtom(CXTPTabManagerAtom* pAtom);
    BOOL IsAtomRegistered(CXTPTabManagerAtom* pAtom) const;
    void EnsureVisible(CXTPTabManager* pManager, CXTPTabManagerItem* pItem);

    // Turning margins written for the top strip to the strip's position.
    static CRect TurnMargins(const CRect& rcMargin, int nPosition);
    static void DeflateRectForPosition(CRect& rc, const CRect& rcMargin, int nPosition);
    static void InflateRectForPosition(CRect& rc, const CRect& rcMargin, int nPosition);
    BOOL IsHorizontalPosition() const { return m_nPosition == 0 || m_nPosition == 2; }

    // Draws a caption, shortened in the middle when it does not fit.
    static void DrawTextPathEllipsis(CDC* pDC, const CString& strText, CRect rc, UINT nFormat);
    // The text drawn by the middle-shortening rule (no drawing).
    static CString ShortenInMiddle(CDC* pDC, const CString& strText, int nWidth, UINT nFormat);

    CFont* GetFont(BOOL bBold, BOOL bVertical);

    // Options; setters below lay every registered strip out again.
    void SetHotTracking(BOOL b) { m_bHotTracking = b; RefreshAtoms(); }
    void ShowIcons(BOOL b) { m_bShowIcons = b; RefreshAtoms(); }
    void SetBoldSelected(BOOL b) { m_bBoldSelected = b; RefreshAtoms(); }
    void SetClientFrame(int n) { m_nClientFrame = n; RefreshAtoms(); }
    void SetStaticFrame(BOOL b) { m_bStaticFrame = b; RefreshAtoms(); }
    void SetItemColors(BOOL b) { m_bItemColors = b; RefreshAtoms(); }
    void DisableLunaColors(BOOL b) { m_bDisableLunaColors = b; RefreshMetrics(); RefreshAtoms(); }
    void SetExtraLength(int n) { m_nExtraLength = n; RefreshAtoms(); }

public:
    BOOL m_bHotTracking = FALSE;
    BOOL m_bShowIcons = TRUE;
    BOOL m_bBoldSelected = FALSE;
    BOOL m_bBoldNormal = FALSE;
    BOOL m_bItemColors = FALSE;
    BOOL m_bDisableLunaColors = FALSE;
    int m_nClientFrame = 0;
    BOOL m_bStaticFrame = FALSE;
    CRect m_rcClientMargin;
    CRect m_rcControlMargin;
    CRect m_rcButtonMargin;
    BOOL m_bInvertGradient = FALSE;
    BOOL m_bFillBackground = TRUE;
    CSize m_szIcon{16, 16};
    BOOL m_bDrawTextPathEllipsis = FALSE;
    BOOL m_bDrawTextEndEllipsis = TRUE;
    BOOL m_bDrawTextNoPrefix = TRUE;
    BOOL m_bStripMnemonics = FALSE;
    BOOL m_bKeepRowOrder = FALSE;
    BOOL m_bJustifyRows = TRUE;
    BOOL m_bDrawFocusRect = TRUE;
    BOOL m_bSelectOnDragOver = TRUE;
    int m_nExtraLength = 0;
    BOOL m_bSelectOnButtonDown = TRUE;
    CAppearanceSet* m_pAppearanceSet = nullptr;
    CColorSet* m_pColorSet = nullptr;
    CArray<CXTPTabManagerAtom*, CXTPTabManagerAtom*> m_arrAtoms;
    int m_nAppearance = 0;
    int m_nColor = 1;
    int m_nPosition = 0;
    int m_nLayout = 0;
    CFont m_fntNormal;
    CFont m_fntBold;
    CFont m_fntVerticalNormal;
    CFont m_fntVerticalBold;
    BOOL m_bUseSystemFont = TRUE;
    int m_nToolTipMode = 2;
    int m_nItemColor = 0;

public:
    // The shared layout and drawing that the appearance sets build on.
    void LayoutSingleRow(CXTPTabManager* pManager, CDC* pDC, CRect rc);
    void LayoutMultiRow(CXTPTabManager* pManager, CDC* pDC, CRect rc);
    CRect HeaderWithNavigateButtons(CXTPTabManager* pManager, CRect rc);
    void MeasureItems(CXTPTabManager* pManager, CDC* pDC, BOOL bExtra);
    int CalcRows(CXTPTabManager* pManager, int nRoom);
    void DrawRows(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
    void DrawStrip(CXTPTabManager* pManager, CDC* pDC, CRect rcControl);
};

// Sets the lengths of the tabs (the manager's items) so that they share the
// room: the longest are shortened first. Lengths in and out.
void XTPTabShrinkToFit(int* pLengths, int nCount, int nRoom);
// Splits lengths into nRows rows (each row a first index); FALSE when they
// cannot be balanced. Failed (row, first) tries are remembered.
BOOL XTPTabFillRows(const int* pLengths, int nCount, int nRows, int nRoom, BOOL bJustify, int* pFirstOfRow);
