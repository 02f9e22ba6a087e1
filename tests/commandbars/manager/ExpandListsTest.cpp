// The expand popup's lists as the manager fills them: the controls of the
// dock row that did not fit, one add-or-remove entry per bar of the row, and
// a popup the site offers in place of the manager's own.
#include <gtest/gtest.h>
#include <vector>
#include "commandbars/bars/ToolBarTestSupport.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"

namespace {

const int kCustomize = 35001;

// Handles the customize command when told to; offers its own expand popup
// when asked with the record the expand button sends.
class CListsFrame : public CToolBarFrame
{
public:
    BOOL customizing = FALSE;
    CXTPPopupBar* offered = nullptr;
    std::vector<XTPCreateCommandBarRequest> requests;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (customizing && nID == kCustomize && nCode == CN_COMMAND && pHandlerInfo != nullptr)
            return TRUE;
        return CToolBarFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CREATE_COMMANDBAR) {
            auto* pRequest = reinterpret_cast<XTPCreateCommandBarRequest*>(lParam);
            requests.push_back(*pRequest);
            if (offered != nullptr && pRequest->dwReserved2 == 1) {
                pRequest->pCommandBar = offered;
                offered = nullptr;
            }
            return 0;
        }
        return CToolBarFrame::WindowProc(message, wParam, lParam);
    }
};

class ExpandLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CListsFrame();
        ASSERT_TRUE(frame->CreateFrame(900, 300));
        bars = frame->GetCommandBars();
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd()) {
            bars->ClosePopups();
            frame->DestroyWindow();
        }
    }
    void SetCustomizing(BOOL bCustomizing)
    {
        frame->customizing = bCustomizing;
        bars->SetSite(frame);
    }
    // A bar docked at the top, in the row of `pBeside` when given.
    CSizedBar* Dock(const wchar_t* title, CXTPToolBar* pBeside = nullptr)
    {
        CRect rc;
        if (pBeside) {
            pBeside->GetWindowRect(&rc);
            rc.OffsetRect(rc.Width() + 40, 0);
        }
        CSizedBar* pBar = frame->DockBar(xtpBarTop, 150, pBeside ? &rc : nullptr);
        pBar->SetTitle(title);
        frame->Layout();
        return pBar;
    }
    static CXTPControl* AddButton(CXTPToolBar* pBar, int nId, DWORD dwHideFlags, BOOL bBeginGroup = FALSE)
    {
        CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, nId);
        pControl->SetHideFlags(dwHideFlags);
        pControl->SetBeginGroup(bBeginGroup);
        return pControl;
    }
    static std::vector<int> Ids(CXTPCommandBar* pBar)
    {
        std::vector<int> ids;
        for (int i = 0; i < pBar->GetControlCount(); i++)
            ids.push_back(pBar->GetControl(i)->GetID());
        return ids;
    }
    CListsFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
};

} // namespace

TEST_F(ExpandLists, HiddenControlsComeFromEveryBarOfTheRowAsPlainClones)
{
    CSizedBar* first = Dock(L"Eins");
    CSizedBar* second = Dock(L"Zwei", first);
    CSizedBar* other = Dock(L"Andere");
    CXTPDockBar::CToolBarArray row;
    first->GetDockBar()->GetRowBars(first->GetDockBar()->FindBar(first), row);
    ASSERT_EQ(2u, row.size()) << "one row";
    AddButton(first, 101, xtpHideWrap, TRUE);
    AddButton(first, 102, 0);
    AddButton(first, 103, xtpHideWrap | xtpHideCustomize);
    AddButton(second, 201, xtpHideWrap);
    AddButton(other, 301, xtpHideWrap);

    struct Case
    {
        const char* what;
        CXTPToolBar* bar;
        std::vector<int> ids;
    } cases[] = {
        {"first bar: its row, left to right", first, {101, 201}},
        {"second bar: the same row", second, {101, 201}},
        {"a bar alone in its row", other, {301}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(bars);
        bars->GetHiddenControls(c.bar, pPopup);
        EXPECT_EQ(c.ids, Ids(pPopup));
        for (int i = 0; i < pPopup->GetControlCount(); i++) {
            EXPECT_EQ(0u, pPopup->GetControl(i)->GetHideFlags()) << i;
            EXPECT_FALSE(pPopup->GetControl(i)->GetBeginGroup()) << i;
        }
        pPopup->InternalRelease();
    }
    EXPECT_EQ(static_cast<DWORD>(xtpHideWrap), first->GetControl(0)->GetHideFlags()) << "the bar keeps its own";

    ASSERT_TRUE(other->SetPosition(xtpBarFloating));
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(bars);
    bars->GetHiddenControls(other, pPopup);
    EXPECT_EQ(0, pPopup->GetControlCount()) << "a floating bar has no row";
    pPopup->InternalRelease();
}

TEST_F(ExpandLists, AddOrRemoveHasAnEntryPerBarEnabledOnlyWhenTheSiteCustomizes)
{
    CSizedBar* first = Dock(L"Eins");
    CSizedBar* second = Dock(L"Zwei", first);
    AddButton(first, 101, 0);
    AddButton(second, 201, 0);
    second->SetBuiltIn(FALSE);
    struct Case
    {
        BOOL customizing;
        BOOL firstEnabled;
        BOOL secondEnabled;
        std::vector<int> ids;
    } cases[] = {
        {FALSE, FALSE, FALSE, {0, 0}},
        {TRUE, TRUE, FALSE, {0, 0, kCustomize}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.customizing);
        SetCustomizing(c.customizing);
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(bars);
        bars->GetAddOrRemoveControls(second, pPopup);
        ASSERT_EQ(c.ids, Ids(pPopup));
        CXTPControl* pFirst = pPopup->GetControl(0);
        CXTPControl* pSecond = pPopup->GetControl(1);
        EXPECT_EQ(CString(L"Eins"), pFirst->GetCaption());
        EXPECT_EQ(CString(L"Zwei"), pSecond->GetCaption());
        EXPECT_EQ(c.firstEnabled, pFirst->GetEnabled());
        EXPECT_EQ(c.secondEnabled, pSecond->GetEnabled()) << "a bar the user made has no list";
        EXPECT_TRUE(pFirst->GetFlags() & xtpFlagManualUpdate);
        auto* pList = dynamic_cast<CXTPPopupBar*>(pFirst->GetCommandBar());
        ASSERT_NE(nullptr, pList);
        if (c.firstEnabled) {
            EXPECT_TRUE(pList->IsDoubleGripper());
            ASSERT_EQ(1, pList->GetControlCount());
            EXPECT_EQ(101, pList->GetControl(0)->GetID());
            EXPECT_TRUE(pPopup->GetControl(2)->GetBeginGroup()) << "customize in a group of its own";
        } else {
            EXPECT_EQ(0, pList->GetControlCount());
        }
        pPopup->InternalRelease();
    }

    // Floating: the bar alone.
    ASSERT_TRUE(first->SetPosition(xtpBarFloating));
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(bars);
    bars->GetAddOrRemoveControls(first, pPopup);
    ASSERT_EQ(2, pPopup->GetControlCount());
    EXPECT_EQ(CString(L"Eins"), pPopup->GetControl(0)->GetCaption());
    pPopup->InternalRelease();
}

TEST_F(ExpandLists, ExpandButtonOpensThePopupTheSiteOffers)
{
    frame->DestroyWindow();
    frame = new CListsFrame();
    ASSERT_TRUE(frame->CreateFrame(320, 300));
    bars = frame->GetCommandBars();
    bars->GetOptions()->bShowExpandButtonAlways = FALSE;
    CXTPToolBar* pBar = frame->AddProgramToolBar();
    ASSERT_NE(nullptr, pBar);
    frame->Layout();
    frame->SetForegroundWindow();
    ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
    CXTPControl* pExpand = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_TRUE(pExpand && pExpand->IsVisible());

    frame->offered = CXTPPopupBar::CreatePopupBar(bars);
    CXTPPopupBar* pOffered = frame->offered;
    frame->requests.clear();
    testinput::ClickAt(ScreenRectOf(pBar, pExpand).CenterPoint());
    ASSERT_TRUE(testpump::PumpUntil([&] { return pOffered->GetSafeHwnd() && pOffered->IsWindowVisible(); }));
    EXPECT_EQ(pOffered, pExpand->GetCommandBar());
    ASSERT_FALSE(frame->requests.empty());
    EXPECT_EQ(nullptr, frame->requests[0].pCommandBar);
    EXPECT_EQ(1u, frame->requests[0].dwReserved2);
    EXPECT_FALSE(pOffered->IsCustomizable()) << "the expand popup is never customized";
    EXPECT_GT(pOffered->GetControlCount(), 0) << "filled with what did not fit";
    bars->ClosePopups();
    EXPECT_TRUE(testpump::PumpUntil([&] { return !pOffered->IsWindowVisible(); }));
}
