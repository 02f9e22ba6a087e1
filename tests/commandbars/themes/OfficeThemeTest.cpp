// The flat look read back pixel by pixel: state rectangles and text colours
// per state, icon column, gripper lines, edit and combo boxes measured and drawn.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "ThemeTestSupport.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPDefaultTheme.h"
#include "toolkit/commandbars/themes/XTPOfficeTheme.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

using XTPPaintThemes::CXTPOfficeTheme;

namespace {

const COLORREF kBackground = RGB(255, 0, 255);
const int kNone = -1;

struct StateRow
{
    BOOL enabled;
    int selected, pressed, checked;
    BOOL popuped;
    int position;
    int border, fill, text;
};

// Border at the corner, fill in the middle, text colour as left in the DC.
const StateRow kFlatStates[] = {
    {TRUE, 0, 0, 0, TRUE, xtpBarTop, 43, 30, 46},
    {TRUE, 1, 0, 2, FALSE, xtpBarTop, 37, 33, 47},
    {TRUE, 0, 0, 2, FALSE, xtpBarTop, 50, 51, 45},
    {TRUE, 1, 0, 1, FALSE, xtpBarTop, 37, 33, 47},
    {TRUE, 0, 0, 1, FALSE, xtpBarTop, 50, 36, 45},
    {TRUE, 1, 0, 0, FALSE, xtpBarTop, 32, 31, 45},
    {TRUE, 0, 1, 0, FALSE, xtpBarTop, 32, 31, 45},
    {TRUE, 1, 1, 0, FALSE, xtpBarTop, 50, 33, 47},
    {TRUE, 0, 2, 0, FALSE, xtpBarTop, 50, 33, 45},
    {TRUE, 0, 2, 1, FALSE, xtpBarTop, 50, 33, 47},
    {TRUE, 0, 0, 0, FALSE, xtpBarTop, kNone, kNone, 46},
    {TRUE, 0, 0, 0, FALSE, xtpBarPopup, kNone, kNone, 44},
    {FALSE, 2, 0, 0, FALSE, xtpBarPopup, 32, 41, 60},
    {FALSE, 2, 0, 1, FALSE, xtpBarTop, 32, 33, 60},
    {FALSE, 2, 0, 0, FALSE, xtpBarTop, 32, 31, 60},
    {FALSE, 0, 0, 1, FALSE, xtpBarPopup, 58, kNone, 60},
    {FALSE, 0, 0, 1, FALSE, xtpBarTop, 58, 36, 60},
    {FALSE, 1, 0, 0, FALSE, xtpBarTop, kNone, kNone, 60},
};

class OfficeTheme : public testing::Test
{
protected:
    void SetUp() override
    {
        m_theme.RefreshMetrics();
        MakeTableColoursDistinct(m_theme);
        m_bar.SetBarPosition(xtpBarTop);
    }

    CXTPOfficeTheme m_theme;
    CXTPToolBar m_bar;
};

// A popup bar on a test site, for drawing menu items into canvases.
class CMenuStage
{
public:
    ~CMenuStage()
    {
        if (popup.GetSafeHwnd())
            popup.DestroyWindow();
        if (site.GetSafeHwnd())
            site.DestroyWindow();
    }
    BOOL Create()
    {
        return site.Create(CRect(0, 0, 200, 100)) &&
               popup.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 0, 0, 180, 60,
                              site.GetSafeHwnd(), nullptr);
    }

    CTestSite site;
    CXTPPopupBar popup;
};

COLORREF Expected(int nIndex)
{
    return nIndex == kNone ? kBackground : DistinctColour(nIndex);
}

} // namespace

TEST_F(OfficeTheme, StateRectanglesAndTextColoursPerState)
{
    for (size_t n = 0; n < sizeof(kFlatStates) / sizeof(kFlatStates[0]); n++) {
        const StateRow& r = kFlatStates[n];
        CTestCanvas canvas(30, 30, kBackground);
        m_theme.DrawStateRect(canvas.DC(), CRect(5, 5, 25, 25), r.enabled, r.selected, r.pressed, r.checked, r.popuped,
                              r.position);
        EXPECT_EQ(Expected(r.border), canvas.Pixel(5, 5)) << "row " << n;
        EXPECT_EQ(Expected(r.fill), canvas.Pixel(15, 15)) << "row " << n;
        EXPECT_EQ(kBackground, canvas.Pixel(4, 4)) << "row " << n;
        EXPECT_EQ(DistinctColour(r.text), canvas.DC()->GetTextColor()) << "row " << n;
    }
}

TEST_F(OfficeTheme, GripperLinesOnlyWhereTheBarIsTallEnough)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 200, 100)));
    CTestBar bar;
    for (int height : {26, 10}) {
        ASSERT_TRUE(bar.Create(&site, CRect(0, 0, 100, height)));
        CTestCanvas canvas(100, height, kBackground);
        CSize size = m_theme.DrawCommandBarGripper(canvas.DC(), &bar, TRUE);
        EXPECT_EQ(6, size.cx) << "reserved even when too low for lines";
        int nLines = canvas.CountPixels(CRect(0, 0, 10, height), DistinctColour(38));
        if (height > 10)
            EXPECT_EQ(4 * ((height - 5 - 5 + 1) / 2), nLines) << "4-pixel lines from y 5 on every other row";
        else
            EXPECT_EQ(0, nLines);
        bar.DestroyWindow();
    }
    site.DestroyWindow();
}

TEST_F(OfficeTheme, EditAndComboMeasuring)
{
    CTestCanvas canvas(200, 40, kBackground);
    CXTPControlComboBox* pCombo = new CXTPControlComboBox();
    m_bar.GetControls()->Add(pCombo, 1);
    pCombo->SetComboStyle(1);
    CSize size = m_theme.DrawControl(canvas.DC(), pCombo, FALSE);
    EXPECT_EQ(5, pCombo->GetLabelWidth()) << "an empty caption still reserves 5";
    EXPECT_GE(pCombo->GetThumbWidth(), 15);
    EXPECT_EQ(pCombo->GetWidth(), size.cx) << "on a toolbar the label lies inside the width";
    EXPECT_TRUE(pCombo->IsPlacementPending());

    // An edit box whose label width does not change is not marked.
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    m_bar.GetControls()->Add(pEdit, 2);
    pEdit->SetCaption(L"&Suche");
    pEdit->ShowLabel(FALSE);  // edit boxes have a label unless told otherwise
    m_theme.DrawControl(canvas.DC(), pEdit, FALSE);
    EXPECT_EQ(0, pEdit->GetLabelWidth());
    EXPECT_FALSE(pEdit->IsPlacementPending());
    pEdit->ShowLabel(TRUE);
    m_theme.DrawControl(canvas.DC(), pEdit, FALSE);
    EXPECT_GT(pEdit->GetLabelWidth(), 5);
    EXPECT_TRUE(pEdit->IsPlacementPending());

    // In a popup the label width adds to the width and holds the icon column.
    CXTPPopupBar popup;
    CXTPControlEdit* pPopupEdit = new CXTPControlEdit();
    popup.GetControls()->Add(pPopupEdit, 3);
    size = m_theme.DrawControl(canvas.DC(), pPopupEdit, FALSE);
    EXPECT_EQ(m_theme.GetPopupBarIconColumnWidth(&popup) + 12, pPopupEdit->GetLabelWidth());
    EXPECT_EQ(pPopupEdit->GetWidth() + pPopupEdit->GetLabelWidth(), size.cx);
}

TEST_F(OfficeTheme, EditAndComboFieldsByState)
{
    struct Case
    {
        XTPControlType type;
        BOOL enabled;
        int selected;
        BOOL dropped;
        COLORREF ring, inside, arrowArea;
    };
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    m_bar.GetControls()->Add(pEdit, 1);
    pEdit->SetRect(CRect(10, 5, 110, 27));
    // Idle on a toolbar: no frame, only the inside is the window colour.
    {
        CTestCanvas canvas(130, 40, kBackground);
        m_theme.DrawControl(canvas.DC(), pEdit, TRUE);
        EXPECT_EQ(kBackground, canvas.Pixel(10, 5));
        EXPECT_EQ(DistinctColour(COLOR_WINDOW), canvas.Pixel(11, 6));
    }
    pEdit->SetEnabled(FALSE);
    for (int selected : {0, 2}) {
        pEdit->SetSelected(selected);
        CTestCanvas canvas(130, 40, kBackground);
        m_theme.DrawControl(canvas.DC(), pEdit, TRUE);
        EXPECT_EQ(DistinctColour(selected == 2 ? 32 : 40), canvas.Pixel(11, 5)) << selected;
        EXPECT_EQ(DistinctColour(COLOR_3DFACE), canvas.Pixel(50, 15)) << selected;
    }

    CXTPControlComboBox* pCombo = new CXTPControlComboBox();
    m_bar.GetControls()->Add(pCombo, 2);
    CTestCanvas measure(10, 10, kBackground);
    m_theme.DrawControl(measure.DC(), pCombo, FALSE);
    pCombo->SetRect(CRect(10, 5, 110, 27));
    pCombo->SetSelected(1);
    CTestCanvas canvas(130, 40, kBackground);
    m_theme.DrawControl(canvas.DC(), pCombo, TRUE);
    int nButtonLeft = 110 - pCombo->GetThumbWidth();
    EXPECT_EQ(DistinctColour(32), canvas.Pixel(10, 5)) << "a hot combo is framed";
    EXPECT_EQ(DistinctColour(31), canvas.Pixel(nButtonLeft + 2, 7)) << "its button hot";
    EXPECT_GT(canvas.CountPixels(CRect(nButtonLeft, 5, 110, 27), DistinctColour(45)), 3) << "arrow in 45";
}

TEST_F(OfficeTheme, MenuItemsWithIconColumnAndCheckMark)
{
    CMenuStage stage;
    ASSERT_TRUE(stage.Create());
    CXTPPopupBar& popup = stage.popup;
    CXTPControl* pItem = popup.GetControls()->Add(new CThemeTestControl(xtpControlButton), 0);
    pItem->SetCaption(L"&Statusleiste");
    pItem->SetChecked(TRUE);
    CTestCanvas measure(10, 10, kBackground);
    CSize size = m_theme.DrawControl(measure.DC(), pItem, FALSE);
    int nColumn = m_theme.GetPopupBarIconColumnWidth(&popup);
    EXPECT_GT(size.cx, nColumn + 40);
    pItem->SetRect(CRect(2, 2, 178, 2 + size.cy));

    CTestCanvas canvas(180, 60, kBackground);
    m_theme.FillCommandBarEntry(canvas.DC(), &popup);
    EXPECT_EQ(DistinctColour(43), canvas.Pixel(0, 0)) << "popup frame";
    EXPECT_EQ(DistinctColour(30), canvas.Pixel(5, 40)) << "icon column";
    EXPECT_EQ(DistinctColour(41), canvas.Pixel(nColumn + 10, 40)) << "menu body";
    m_theme.DrawControl(canvas.DC(), pItem, TRUE);
    EXPECT_EQ(DistinctColour(50), canvas.Pixel(3, 3)) << "checked square";
    EXPECT_GT(canvas.CountPixels(CRect(2, 2, nColumn, 2 + size.cy), DistinctColour(44)), 8) << "the mark";

    pItem->SetSelected(1);
    m_theme.DrawControl(canvas.DC(), pItem, TRUE);
    EXPECT_EQ(DistinctColour(32), canvas.Pixel(170, 2)) << "the highlight spans the item";
}

TEST_F(OfficeTheme, ComboButtonWidthFollowsTheIconFontInFlatAndClassicLooks)
{
    XTPPaintThemes::CXTPDefaultTheme classic;
    classic.RefreshMetrics();
    CXTPPaintManager* looks[2] = {&m_theme, &classic};
    const int widths[][2] = {{4, 15}, {5, 15}, {6, 16}, {7, 18}};
    for (CXTPPaintManager* pLook : looks) {
        for (const auto& w : widths) {
            LOGFONT lf = {};
            lf.lfHeight = -12;
            lf.lfWidth = w[0];
            lstrcpyW(lf.lfFaceName, L"Tahoma");
            pLook->m_fontIcon.SetCustomFont(&lf);
            CXTPControlComboBox combo;
            m_bar.GetControls()->Add(&combo, 1);
            combo.InternalAddRef();
            CTestCanvas canvas(10, 10, kBackground);
            TEXTMETRIC tm = {};
            CXTPFontDC font(canvas.DC(), pLook->m_fontIcon);
            canvas.DC()->GetTextMetrics(&tm);
            ASSERT_EQ(w[0], tm.tmAveCharWidth) << "the font's average width";
            pLook->DrawControl(canvas.DC(), &combo, FALSE);
            EXPECT_EQ(w[1], combo.GetThumbWidth()) << pLook->GetCurrentTheme() << " width " << w[0];
            m_bar.GetControls()->RemoveAll();
        }
    }
}

TEST_F(OfficeTheme, ClassicEditFramesByState)
{
    XTPPaintThemes::CXTPDefaultTheme classic;
    classic.RefreshMetrics();
    MakeTableColoursDistinct(classic);
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    m_bar.GetControls()->Add(pEdit, 1);
    pEdit->SetRect(CRect(10, 5, 110, 27));
    const struct
    {
        BOOL enabled;
        int selected, topLeft, inside;
    } rows[] = {{TRUE, 0, COLOR_3DFACE, COLOR_3DFACE},
                {TRUE, 1, COLOR_3DSHADOW, COLOR_3DFACE},
                {FALSE, 0, -1, COLOR_3DHIGHLIGHT},
                {FALSE, 2, -1, COLOR_3DSHADOW}};
    for (const auto& r : rows) {
        pEdit->SetEnabled(r.enabled);
        pEdit->SetSelected(r.selected);
        CTestCanvas canvas(130, 40, kBackground);
        classic.DrawControl(canvas.DC(), pEdit, TRUE);
        EXPECT_EQ(Expected(r.topLeft), canvas.Pixel(10, 5)) << r.enabled << r.selected;
        EXPECT_EQ(DistinctColour(r.inside), canvas.Pixel(11, 6)) << r.enabled << r.selected;
        EXPECT_EQ(r.enabled ? DistinctColour(COLOR_WINDOW) : kBackground, canvas.Pixel(50, 15));
    }
}

TEST_F(OfficeTheme, AnOpenPopupJoinsTheControlThatOpenedIt)
{
    CTestSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 300, 200)));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&site, CRect(0, 0, 200, 30)));
    CXTPControl* pControl = bar.AddButton(7, CRect(20, 3, 60, 25));
    CXTPPopupBar popup;
    popup.SetBarPosition(xtpBarPopup);
    popup.SetControlPopup(pControl);
    // The popup hangs below the control, starting 10 pixels further left.
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 10, 25, 120, 80,
                               site.GetSafeHwnd(), nullptr));
    CTestCanvas canvas(120, 80, kBackground);
    m_theme.FillCommandBarEntry(canvas.DC(), &popup);
    // The seam runs along the popup's top exactly under the control (10 to 49 here).
    EXPECT_EQ(DistinctColour(43), canvas.Pixel(9, 0)) << "the frame left of the control";
    EXPECT_EQ(DistinctColour(30), canvas.Pixel(10, 0));
    EXPECT_EQ(DistinctColour(30), canvas.Pixel(49, 0));
    EXPECT_EQ(DistinctColour(43), canvas.Pixel(50, 0));
    EXPECT_EQ(DistinctColour(41), canvas.Pixel(10, 1)) << "one row only";
    EXPECT_EQ(DistinctColour(43), canvas.Pixel(80, 0)) << "beyond the control";
    popup.DestroyWindow();
    bar.DestroyWindow();
    site.DestroyWindow();
}

TEST_F(OfficeTheme, SplitMenuItemRaisesItsArrowPartOnlyWhileThePointerIsOnIt)
{
    CMenuStage stage;
    ASSERT_TRUE(stage.Create());
    CXTPPopupBar& popup = stage.popup;
    CXTPControl* pItem = popup.GetControls()->Add(new CThemeTestControl(xtpControlSplitButtonPopup), 0);
    pItem->SetCaption(L"&Neu");
    CTestCanvas measure(10, 10, kBackground);
    CSize size = m_theme.DrawControl(measure.DC(), pItem, FALSE);
    const CRect rc(2, 2, 178, 2 + size.cy);
    pItem->SetRect(rc);
    const int nDivider = rc.right - 20;
    struct Case
    {
        int selected;
        COLORREF divider, arrowPart;
        const char* what;
    };
    const Case cases[] = {
        {1, DistinctColour(32), DistinctColour(33), "under the mouse: the arrow part framed and filled"},
        {2, DistinctColour(32), DistinctColour(31), "from the keyboard: a divider on the highlight"},
        {0, DistinctColour(40), kBackground, "idle: a divider only"},
    };
    for (const Case& c : cases) {
        pItem->SetSelected(c.selected);
        CTestCanvas canvas(180, 60, kBackground);
        m_theme.DrawControl(canvas.DC(), pItem, TRUE);
        EXPECT_EQ(c.divider, canvas.Pixel(nDivider, rc.top + 3)) << c.what;
        EXPECT_EQ(c.arrowPart, canvas.Pixel(rc.right - 3, rc.top + 3)) << c.what;
    }
}

TEST_F(OfficeTheme, AHotCheckedIconIsLiftedWithItsShadowLikeAHotOne)
{
    const UINT kIcon = 61102;
    AddRedIcon(kIcon);
    CXTPImageManagerIcon* pIcon = XTPImageManager()->GetImage(kIcon, 16);
    ASSERT_NE(nullptr, pIcon);
    const COLORREF clrRed = RGB(255, 0, 0);
    struct Case
    {
        int selected, checked;
        BOOL lifted;
    };
    const Case cases[] = {{1, 0, TRUE}, {1, 1, TRUE}, {0, 1, FALSE}};
    for (const Case& c : cases) {
        CTestCanvas canvas(40, 40, kBackground);
        m_theme.DrawImage(canvas.DC(), CPoint(10, 10), CSize(16, 16), pIcon, c.selected, FALSE, TRUE, c.checked, FALSE,
                          FALSE);
        int n = static_cast<int>(&c - cases);
        EXPECT_EQ(c.lifted ? clrRed : kBackground, canvas.Pixel(9, 9)) << "one pixel up and left, case " << n;
        if (c.lifted)
            EXPECT_NE(kBackground, canvas.Pixel(26, 26)) << "the shadow one pixel down and right, case " << n;
        else
            EXPECT_EQ(clrRed, canvas.Pixel(10, 10)) << "in place, case " << n;
    }
}
