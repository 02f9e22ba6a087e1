// The control collection: controls made from the program's menu (with the
// site supplying one), navigation order, change detection and the row
// layout in numbers.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "framework/windows/CMenu.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"
#include "toolkit/commandbars/controls/XTPControlLabel.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

// A site that supplies the web-page entry itself, as the program does.
class CSupplyingSite : public CTestSite
{
public:
    std::vector<int> asked, created;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        XTPCreateControlRequest* pRequest = reinterpret_cast<XTPCreateControlRequest*>(lParam);
        if (message == WM_XTP_CREATE_CONTROL) {
            asked.push_back(pRequest->nID);
            if (pRequest->nID != ID_WEB_PAGES)
                return FALSE;
            pRequest->pControl = new CXTPControlLabel();
            pRequest->lpszCaption = L"Webseiten";
            return TRUE;
        }
        if (message == WM_XTP_CONTROL_CREATED) {
            created.push_back(pRequest->pControl ? pRequest->pControl->GetID() : -1);
            return TRUE;
        }
        return CTestSite::WindowProc(message, wParam, lParam);
    }
};

// A control of a fixed size.
class CSizedControl : public CXTPControlButton
{
public:
    explicit CSizedControl(CSize size = CSize(20, 20)) : m_size(size) {}
    CSize GetSize(CDC*) override { return m_size; }

private:
    CSize m_size;
};

// A button measuring as its style asks: large below its caption, wide
// beside it, a plain icon.
class CStyledControl : public CXTPControlButton
{
public:
    CSize GetSize(CDC*) override
    {
        switch (GetStyle()) {
        case xtpButtonIconAndCaptionBelow:
            return CSize(40, 56);
        case xtpButtonIconAndCaption:
            return CSize(70, 22);
        default:
            return CSize(22, 22);
        }
    }
};

// Narrow beside its caption: three stand side by side across a side bar.
class CNarrowStyledControl : public CXTPControlButton
{
public:
    CSize GetSize(CDC*) override { return GetStyle() == xtpButtonIconAndCaption ? CSize(22, 30) : CSize(22, 22); }
};

class Layout : public testing::Test
{
protected:
    void SetUp() override { m_bar.SetBarPosition(xtpBarTop); }

    // n controls of 20 x 20; the listed indices begin a group.
    void Fill(int n, std::vector<int> groups = {}, DWORD dwFlags = 0)
    {
        for (int i = 0; i < n; i++) {
            CXTPControl* pControl = m_bar.GetControls()->Add(new CSizedControl(), 0);
            pControl->SetFlags(dwFlags);
            for (int g : groups)
                if (g == i)
                    pControl->SetBeginGroup(TRUE);
        }
    }
    CSize Calc(int nLength, DWORD dwMode, int nMinimum = 0)
    {
        return m_bar.GetControls()->CalcDynamicSize(m_canvas.DC(), nLength, dwMode, m_rcBorder, nMinimum);
    }
    CRect RectOf(int i) { return m_bar.GetControl(i)->GetRect(); }
    // The large-button style with 32-pixel icons (the bar's large size) for
    // ids 1 to 6; id 7 has none.
    void UseLargeButtons()
    {
        m_bar.SetBarStyle(m_bar.GetBarStyle() | XTP_CBRS_LARGE_BUTTONS);
        auto* pImages = new CXTPImageManager();
        m_bar.SetImageManager(pImages);
        ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(32, 32, 1, 1, nullptr), ::CreateBitmap(32, 32, 1, 32, nullptr)};
        for (UINT nId = 1; nId <= 6; nId++)
            pImages->SetIcon(CXTPImageManagerIconHandle(::CreateIconIndirect(&info)), nId, CSize(32, 32));
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
    }
    // Styled buttons of the ids; the listed indices begin a group.
    void FillStyled(std::vector<int> ids, std::vector<int> groups)
    {
        m_bar.GetControls()->RemoveAll();
        for (int nId : ids)
            m_bar.GetControls()->Add(new CStyledControl(), nId);
        for (int g : groups)
            m_bar.GetControl(g)->SetBeginGroup(TRUE);
    }
    std::vector<int> Styles()
    {
        std::vector<int> result;
        for (int i = 0; i < m_bar.GetControlCount(); i++)
            result.push_back(m_bar.GetControl(i)->GetStyle());
        return result;
    }

    CXTPToolBar m_bar;
    CTestCanvas m_canvas{10, 10, RGB(255, 255, 255)};
    CRect m_rcBorder{2, 2, 2, 2};
};

} // namespace

TEST(Collection, ProgramMenuGivesPopupsItemsGroupsAndTheSitesOwnControl)
{
    CSupplyingSite site;
    ASSERT_TRUE(site.Create(CRect(0, 0, 100, 100)));
    CTestBar bar;
    ASSERT_TRUE(bar.Create(&site, CRect(0, 0, 100, 30)));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    ASSERT_TRUE(bar.LoadMenu(&menu));

    ASSERT_EQ(3, bar.GetControlCount());
    EXPECT_EQ(CString(L"&Datei"), bar.GetControl(0)->GetCaption());
    EXPECT_EQ(xtpControlPopup, bar.GetControl(2)->GetType());
    CXTPCommandBar* pFile = bar.GetControl(0)->GetCommandBar();
    ASSERT_NE(nullptr, pFile);
    EXPECT_EQ(&bar, pFile->GetParentCommandBar());
    ASSERT_EQ(5, pFile->GetControlCount());
    struct Item
    {
        LPCWSTR caption, shortcut;
        int id;
        BOOL group;
    };
    const Item items[] = {{L"Optionen...", L"Ctrl+O", ID_OPTIONS, FALSE},
                          {L"Suche starten", L"", ID_START_SEARCH, TRUE},
                          {L"Suche anhalten", L"", ID_STOP_SEARCH, FALSE},
                          {L"Statistik aktualisieren", L"F5", ID_REFRESH_STATISTIC, FALSE},
                          {L"Be&enden", L"Alt+X", ID_APP_EXIT, TRUE}};
    for (int i = 0; i < 5; i++) {
        CXTPControl* pItem = pFile->GetControl(i);
        EXPECT_EQ(CString(items[i].caption), pItem->GetCaption()) << i;
        EXPECT_EQ(CString(items[i].shortcut), pItem->GetShortcutText()) << i;
        EXPECT_EQ(items[i].id, pItem->GetID()) << i;
        EXPECT_EQ(items[i].group, pItem->GetBeginGroup()) << i;
    }
    CXTPCommandBar* pSelect = bar.GetControl(1)->GetCommandBar();
    ASSERT_EQ(5, pSelect->GetControlCount());
    CXTPControl* pPredefined = pSelect->GetControl(2);
    EXPECT_EQ(xtpControlPopup, pPredefined->GetType());
    EXPECT_EQ(5, pPredefined->GetCommandBar()->GetControlCount()) << "the nested submenu";
    EXPECT_EQ(pPredefined->GetCommandBar()->GetControl(3),
              bar.GetControls()->FindControl(xtpControlError, ID_SELECT_QUARTER_FINALS, FALSE, TRUE))
        << "a recursive search descends into the bars popups open";

    CXTPControl* pWeb = bar.GetControl(2)->GetCommandBar()->GetControl(1);
    EXPECT_EQ(xtpControlLabel, pWeb->GetType()) << "the site's control is used as it is";
    EXPECT_EQ(CString(L"Webseiten"), pWeb->GetCaption());
    EXPECT_EQ(ID_WEB_PAGES, pWeb->GetID());
    EXPECT_EQ(site.asked.size(), site.created.size()) << "every request is followed by its created notice";
    EXPECT_EQ(nullptr, bar.GetControls()->FindControl(xtpControlError, ID_WEB_PAGES, FALSE, FALSE));
    EXPECT_EQ(pWeb, bar.GetControls()->FindControl(xtpControlError, ID_WEB_PAGES, FALSE, TRUE));

    CMenu custom;
    custom.CreatePopupMenu();
    custom.AppendMenu(MF_STRING, 0xFF00, L"Platzhalter");
    custom.AppendMenu(MF_STRING, ID_ABOUT, L"&Über");
    ASSERT_TRUE(bar.LoadMenu(&custom));
    ASSERT_EQ(1, bar.GetControlCount()) << "0xFF00 makes no control";
    EXPECT_EQ(ID_ABOUT, bar.GetControl(0)->GetID());
    EXPECT_FALSE(bar.LoadMenu(nullptr));
    bar.DestroyWindow();
    site.DestroyWindow();
}

TEST(Collection, NavigationWrapsAndSkipsWhatCannotTakeFocus)
{
    CXTPToolBar bar;
    CXTPControls* pControls = bar.GetControls();
    EXPECT_EQ(-1, pControls->GetNext(-1, 1));
    for (int i = 0; i < 5; i++)
        pControls->Add(new CXTPControlButton(), 100 + i);
    pControls->GetAt(1)->SetFlags(xtpFlagSkipFocus);
    pControls->GetAt(2)->SetHideFlags(xtpHideScroll);
    pControls->GetAt(3)->SetHideFlags(xtpHideExpand);
    pControls->GetAt(4)->SetTemporary(TRUE);
    EXPECT_EQ(0, pControls->GetNext(4, 1)) << "wraps from the last to the first";
    EXPECT_EQ(4, pControls->GetNext(-1, -1)) << "backwards from the end";
    EXPECT_EQ(2, pControls->GetNext(0, 1)) << "flag 2 skipped, hidden-but-navigable kept";
    EXPECT_EQ(3, pControls->GetNext(2, 1, TRUE, FALSE, FALSE)) << "collapsed entries on request";
    EXPECT_EQ(0, pControls->GetNext(2, 1, TRUE, TRUE)) << "temporary skipped on request";
    EXPECT_EQ(1, pControls->GetNext(0, 1, FALSE));
    pControls->GetAt(0)->SetEnabled(TRUE);
    for (int i : {0, 2})
        pControls->GetAt(i)->SetHideFlags(xtpHideCustomize);
    EXPECT_EQ(0, pControls->GetNext(0, 1, TRUE, TRUE)) << "nothing else qualifies: back at the start";
    EXPECT_EQ(-1, pControls->GetNext(-1, 1, TRUE, TRUE)) << "from before the first, nothing qualifies";

    // All hidden: every walk from a control comes back to it, either way.
    for (int i = 0; i < pControls->GetCount(); i++)
        pControls->GetAt(i)->SetHideFlags(xtpHideCustomize);
    EXPECT_EQ(1, pControls->GetNext(1, 1));
    EXPECT_EQ(1, pControls->GetNext(1, -1));
    EXPECT_EQ(4, pControls->GetNext(4, 1)) << "from the last, past the wrap";
    EXPECT_EQ(-1, pControls->GetNext(-1, 1));
    EXPECT_EQ(-1, pControls->GetNext(-1, -1));
}

TEST(Collection, ChangesAreTheUsersExceptTemporaryControls)
{
    CXTPToolBar bar;
    CXTPControls* pControls = bar.GetControls();
    EXPECT_TRUE(pControls->IsChanged()) << "without an initial copy everything is the user's";
    pControls->Add(new CXTPControlButton(), ID_START_SEARCH);
    pControls->Add(new CXTPControlButton(), ID_STOP_SEARCH, CString(), -1, TRUE);
    pControls->CreateInitialControls();
    EXPECT_FALSE(pControls->IsChanged());
    pControls->RemoveAt(1);
    EXPECT_FALSE(pControls->IsChanged()) << "a temporary control gone";
    pControls->Add(new CXTPControlButton(), ID_OPTIONS, CString(), 0, TRUE);
    EXPECT_FALSE(pControls->IsChanged()) << "a temporary control added";
    pControls->GetAt(1)->SetCustomCaption(L"Los");
    EXPECT_TRUE(pControls->IsChanged());
    pControls->GetAt(1)->SetCustomCaption(L"");
    pControls->Add(new CXTPControlButton(), ID_OPTIONS);
    EXPECT_TRUE(pControls->IsChanged()) << "one more";
}

TEST_F(Layout, EmptyBarHasAMinimumSize)
{
    EXPECT_EQ(CSize(27, 26), Calc(300, LM_HORZDOCK | LM_COMMIT));
    EXPECT_EQ(CSize(27, 40), Calc(300, LM_HORZDOCK, 40));
    Fill(1);
    m_bar.GetControl(0)->SetHideFlags(xtpHideCustomize);
    EXPECT_EQ(CSize(50, 26), Calc(300, 0, 50)) << "a hidden control counts as none";
}

TEST_F(Layout, DockedRowsBreakAtTheNearestGroupStart)
{
    Fill(6, {3});
    // 60 pixels, then a group (6 + 20) reaching 86, then 106 > 90.
    CSize size = Calc(94, LM_HORZDOCK | LM_COMMIT);
    EXPECT_TRUE(m_bar.GetControl(3)->GetWrap());
    EXPECT_FALSE(m_bar.GetControl(4)->GetWrap());
    EXPECT_EQ(CRect(2, 2, 22, 22), RectOf(0));
    EXPECT_EQ(CRect(2, 28, 22, 48), RectOf(3)) << "next row, below the group's separator";
    EXPECT_EQ(CRect(42, 28, 62, 48), RectOf(5));
    EXPECT_EQ(CSize(94, 50), size) << "something wrapped: the bar takes the length";
    EXPECT_EQ(CRect(2, 28, 92, 48), m_bar.GetControl(4)->GetRowRect());

    CSize hidden = Calc(94, LM_HORZDOCK | LM_COMMIT | LM_HIDEWRAP);
    EXPECT_EQ(xtpHideWrap, m_bar.GetControl(4)->GetHideFlags());
    EXPECT_EQ(xtpHideWrap, m_bar.GetControl(5)->GetHideFlags());
    EXPECT_EQ(0u, m_bar.GetControl(3)->GetHideFlags());
    EXPECT_EQ(24, hidden.cy) << "one row";
    Calc(300, LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ(0u, m_bar.GetControl(5)->GetHideFlags()) << "room again";
}

TEST_F(Layout, FloatingBarsTakeTheNarrowestAndSquarestShapes)
{
    Fill(4);
    // Two rows at 70 pixels need only 40: two controls a row. Having wrapped,
    // the bar still takes the length.
    EXPECT_EQ(CSize(74, 44), Calc(74, LM_COMMIT));
    EXPECT_EQ(CRect(2, 22, 22, 42), RectOf(2));
    EXPECT_EQ(CSize(48, 44), Calc(48, LM_LENGTHY | LM_COMMIT)) << "at most 44 high";
    EXPECT_EQ(CRect(22, 22, 42, 42), RectOf(3));
    EXPECT_EQ(CSize(84, 24), Calc(300, 0));

    Layout::TearDown();
    m_bar.GetControls()->RemoveAll();
    Fill(9, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(CSize(76, 76), Calc(0, LM_POPUP)) << "three by three with separators";
}

TEST_F(Layout, TrailingRightAlignedAndStretchedControls)
{
    Fill(3);
    m_bar.GetControl(1)->SetFlags(xtpFlagRightAlign);
    m_bar.GetControl(2)->SetFlags(xtpFlagRightAlign);
    Calc(200, LM_HORZDOCK | LM_STRETCH | LM_COMMIT);
    EXPECT_EQ(CRect(2, 2, 22, 22), RectOf(0));
    EXPECT_EQ(CRect(158, 2, 178, 22), RectOf(1));
    EXPECT_EQ(CRect(178, 2, 198, 22), RectOf(2));

    m_bar.GetControls()->RemoveAll();
    Fill(3);
    m_bar.GetControl(0)->SetFlags(xtpFlagControlStretched);
    m_bar.GetControl(1)->SetFlags(xtpFlagControlStretched);
    Calc(104, LM_HORZDOCK | LM_STRETCH | LM_COMMIT);
    EXPECT_EQ(CRect(2, 2, 42, 22), RectOf(0));
    EXPECT_EQ(CRect(42, 2, 82, 22), RectOf(1));
    EXPECT_EQ(CRect(82, 2, 102, 22), RectOf(2));
}

TEST_F(Layout, ControlsMayRegenerateBeforeEachLayout)
{
    // A list placeholder that adds its entries when the bar lays out.
    class CGenerator : public CSizedControl
    {
    public:
        void OnCalcDynamicSize(DWORD) override
        {
            if (GetHideFlags() & xtpHideGeneric)
                return;
            SetHideFlags(xtpHideGeneric);
            for (int i = 0; i < 3; i++)
                GetControls()->Add(new CSizedControl(CSize(30, 20)), 0, CString(), GetIndex() + 1, TRUE);
        }
    };
    m_bar.GetControls()->Add(new CGenerator(), 0);
    Fill(1);
    EXPECT_EQ(CSize(114, 24), Calc(500, LM_HORZDOCK | LM_COMMIT));
    EXPECT_EQ(CRect(92, 2, 112, 22), RectOf(4));
}

TEST_F(Layout, LargeButtonsGiveWayStepByStepAsTheLengthShrinks)
{
    UseLargeButtons();
    auto styles = [&] { return Styles(); };
    auto fill = [&](std::vector<int> ids, std::vector<int> groups) { FillStyled(ids, groups); };

    // Six large buttons (40 x 56); three small ones stack in one 66-pixel column.
    fill({1, 2, 3, 4, 5, 6}, {});
    const struct
    {
        int length;  // without the borders
        std::vector<int> styles;
        int width;
    } steps[] = {
        {241, {4, 4, 4, 4, 4, 4}, 240},
        {240, {4, 4, 4, 3, 3, 3}, 190},  // the last three large ones go beside their captions
        {190, {3, 3, 3, 3, 3, 3}, 140},  // then the three before them
        {140, {3, 3, 3, 2, 2, 2}, 92},   // the last column loses its captions
        {92, {2, 2, 2, 2, 2, 2}, 44},
        {20, {2, 2, 2, 2, 2, 2}, 44},    // nothing left to give
    };
    for (const auto& step : steps) {
        CSize size = Calc(step.length + 4, LM_HORZDOCK | LM_COMMIT);
        EXPECT_EQ(step.styles, styles()) << "length " << step.length;
        EXPECT_EQ(step.width + 4, size.cx) << "length " << step.length;
    }
    EXPECT_EQ(CRect(24, 46, 46, 68), RectOf(5)) << "stacked third in the second column";

    // A group start inside the run: the last run ending in a large button
    // gives way as a whole, even when that makes the bar wider.
    fill({1, 2, 3, 4}, {2});
    CSize size = Calc(166 + 4, LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ((std::vector<int>{4, 3, 3, 3}), styles());
    EXPECT_EQ(40 + 70 + 6 + 70 + 4, size.cx);
    EXPECT_EQ(CRect(118, 24, 188, 46), RectOf(3)) << "under the group's first, past the 6-pixel gap";

    // Without a large icon a button starts beside its caption.
    fill({1, 7, 2}, {});
    Calc(500, LM_HORZDOCK | LM_COMMIT);
    EXPECT_EQ((std::vector<int>{4, 3, 4}), styles());

    // With 0x80 what still does not fit is hidden as plain icons.
    fill({1, 2, 3, 4, 5, 6}, {});
    Calc(30 + 4, LM_HORZDOCK | LM_COMMIT | LM_HIDEWRAP);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(i < 3 ? 0u : static_cast<DWORD>(xtpHideWrap), m_bar.GetControl(i)->GetHideFlags()) << i;
}

// On a bar docked at a side the large buttons run down its length: large
// ones below each other, small ones side by side across it, and they give
// way as the length shrinks; every button stays inside the bar.
TEST_F(Layout, LargeButtonsOnASideBarRunDownItsLength)
{
    m_bar.SetBarPosition(xtpBarLeft);
    UseLargeButtons();
    FillStyled({1, 2, 3, 4, 5, 6}, {});
    const struct
    {
        int length;  // without the borders
        std::vector<int> styles;
        CSize size;  // without the borders
        CRect last;  // the sixth button
    } steps[] = {
        {400, {4, 4, 4, 4, 4, 4}, CSize(40, 336), CRect(2, 282, 42, 338)},
        // the last three go beside their captions, then the first three
        {240, {4, 4, 4, 3, 3, 3}, CSize(70, 234), CRect(2, 214, 72, 236)},
        {150, {3, 3, 3, 3, 3, 3}, CSize(70, 132), CRect(2, 112, 72, 134)},
    };
    for (const auto& step : steps) {
        // The hide flag hides nothing while giving way is enough.
        CSize size = Calc(step.length + 4, LM_VERTDOCK | LM_COMMIT | LM_HIDEWRAP);
        EXPECT_EQ(step.styles, Styles()) << "length " << step.length;
        EXPECT_EQ(step.size + CSize(4, 4), size) << "length " << step.length;
        EXPECT_EQ(step.last, RectOf(5)) << "length " << step.length;
        for (int i = 0; i < 6; i++) {
            CRect rc = RectOf(i);
            EXPECT_EQ(0u, m_bar.GetControl(i)->GetHideFlags()) << "length " << step.length << ", button " << i;
            EXPECT_TRUE(rc.left >= 2 && rc.top >= 2 && rc.right <= size.cx - 2 && rc.bottom <= size.cy - 2)
                << "length " << step.length << ", button " << i << " lies outside the bar";
        }
    }

    // Wider than the bar is across, no three captioned buttons share a line
    // across it: three running down it keep their captions.
    CSize size = Calc(100 + 4, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ((std::vector<int>{3, 3, 3, 3, 3, 3}), Styles());
    EXPECT_EQ(CSize(70, 132) + CSize(4, 4), size);

    // What still does not fit is hidden, counted along the length: all
    // but the first, one line running down the bar.
    Calc(30 + 4, LM_VERTDOCK | LM_COMMIT | LM_HIDEWRAP);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(i < 1 ? 0u : static_cast<DWORD>(xtpHideWrap), m_bar.GetControl(i)->GetHideFlags()) << i;
}

// Captioned buttons stacked across a side bar give way a line at a time:
// the three sharing a line lose their captions, never three running down it.
TEST_F(Layout, LargeButtonsOnASideBarLoseCaptionsByTheLineAcross)
{
    m_bar.SetBarPosition(xtpBarLeft);
    UseLargeButtons();
    const struct
    {
        int count;
        std::vector<int> styles;
        CSize size;  // without the borders
    } cases[] = {
        // two full lines: the last one goes
        {6, {3, 3, 3, 2, 2, 2}, CSize(66, 52)},
        // the last line holds two: the first line goes, not a run across both
        {5, {2, 2, 2, 3, 3}, CSize(66, 52)},
    };
    for (const auto& c : cases) {
        m_bar.GetControls()->RemoveAll();
        for (int i = 0; i < c.count; i++)
            m_bar.GetControls()->Add(new CNarrowStyledControl(), 7);  // no large icon: beside its caption
        CSize size = Calc(60 + 4, LM_VERTDOCK | LM_COMMIT);
        EXPECT_EQ(c.styles, Styles()) << c.count << " buttons";
        EXPECT_EQ(c.size + CSize(4, 4), size) << c.count << " buttons";
        EXPECT_EQ(RectOf(0).top, RectOf(2).top) << c.count << " buttons: the first three share a line";
    }
}
