// Toolbars the user makes: the site sets them up on their way in, and a menu
// torn off by its gripper becomes a floating one that stays after the menu.
#include <gtest/gtest.h>
#include <vector>
#include "ToolBarTestSupport.h"
#include "commandbars/CommandBarsTestSupport.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace {

// Records each request for a new bar; may change the bar it is handed.
class CCustomBarFrame : public CToolBarFrame
{
public:
    struct Request
    {
        XTPCreateCommandBarRequest record;
        CString title;
    };
    std::vector<Request> requests;
    DWORD dockingToSet = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CREATE_COMMANDBAR) {
            auto* pRecord = reinterpret_cast<XTPCreateCommandBarRequest*>(lParam);
            requests.push_back({*pRecord, pRecord->lpszTitle ? pRecord->lpszTitle : L""});
            auto* pBar = dynamic_cast<CXTPToolBar*>(pRecord->pCommandBar);
            if (pBar && dockingToSet)
                pBar->EnableDocking(dockingToSet);
            return 0;
        }
        return CToolBarFrame::WindowProc(message, wParam, lParam);
    }
};

class CustomBars : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CCustomBarFrame();
        ASSERT_TRUE(frame->CreateFrame(600, 400));
        bars = frame->GetCommandBars();
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd()) {
            bars->ClosePopups();
            frame->DestroyWindow();
        }
    }
    // A menu of three buttons that tears off as "Farben" (id 700).
    CXTPPopupBar* OpenTearOffMenu()
    {
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(bars);
        const wchar_t* captions[] = {L"Rot", L"Grün", L"Blau"};
        for (int i = 0; i < 3; i++)
            pPopup->GetControls()->Add(xtpControlButton, 801 + i)->SetCaption(captions[i]);
        pPopup->GetControl(2)->SetHideFlags(xtpHideExpand);
        pPopup->SetTearOffPopup(L"Farben", 700, 200);
        pPopup->SetNotifyWindow(frame);
        frame->SetForegroundWindow();
        EXPECT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == frame->GetSafeHwnd(); }));
        EXPECT_TRUE(pPopup->Popup(200, 150));
        return pPopup;
    }
    CPoint GripperCentre(CXTPPopupBar* pPopup)
    {
        CRect rc = pPopup->GetTearOffGripperRect();
        pPopup->ClientToScreen(&rc);
        return rc.CenterPoint();
    }
    CCustomBarFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
};

} // namespace

TEST_F(CustomBars, SiteIsAskedFirstAndTheBarIsPlacedAsTornOffOrNot)
{
    struct Case
    {
        const char* what;
        BOOL tearOff;
        DWORD siteDocking;
        XTPBarPosition position;
        DWORD flags;
    } cases[] = {
        {"user-made bar: docked at the top", FALSE, 0, xtpBarTop, 0x3F},
        {"torn off: floating", TRUE, 0, xtpBarFloating, 0x3F},
        {"the site's docking stays", FALSE, 0x11, xtpBarTop, 0x11},
    };
    UINT nId = 600;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frame->requests.clear();
        frame->dockingToSet = c.siteDocking;
        int nCount = bars->GetCount();
        CXTPToolBar* pBar = bars->AddCustomBar(L"Eigene", ++nId, c.tearOff);
        ASSERT_NE(nullptr, pBar);
        ASSERT_EQ(1u, frame->requests.size());
        const XTPCreateCommandBarRequest& r = frame->requests[0].record;
        EXPECT_EQ(static_cast<CXTPCommandBar*>(pBar), r.pCommandBar);
        EXPECT_EQ(0u, r.dwReserved1);
        EXPECT_EQ(0u, r.dwReserved2);
        EXPECT_EQ(TRUE, r.bPopup);
        EXPECT_EQ(c.tearOff, r.bTearOff);
        EXPECT_EQ(CString(L"Eigene"), frame->requests[0].title);
        EXPECT_EQ(nId, r.nID);
        EXPECT_EQ(nCount + 1, bars->GetCount());
        EXPECT_EQ(pBar, bars->FindToolBar(nId));
        EXPECT_EQ(c.position, pBar->GetPosition());
        EXPECT_EQ(c.flags, pBar->GetFlags() & 0x3F);
        EXPECT_FALSE(pBar->IsBuiltIn());
        EXPECT_EQ(c.tearOff, pBar->m_bTearOff);
        EXPECT_TRUE(pBar->IsWindowVisible());
    }
}

TEST_F(CustomBars, DraggingTheGripperAwayFloatsTheMenuAsAToolbar)
{
    CXTPPopupBar* pPopup = OpenTearOffMenu();
    ASSERT_TRUE(pPopup->IsWindowVisible());
    CRect rcGripper = pPopup->GetTearOffGripperRect();
    ASSERT_GT(rcGripper.Height(), 0) << "the gripper heads the menu";
    EXPECT_LE(rcGripper.bottom, pPopup->GetControl(0)->GetRect().top);

    CPoint ptGrip = GripperCentre(pPopup);
    CPoint ptDrop = ptGrip + CSize(150, 120);
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, ptGrip);
    testinput::SendMouse(MOUSEEVENTF_MOVE, ptDrop);
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptDrop);
    ASSERT_TRUE(testpump::PumpUntil([&] { return bars->FindToolBar(700) != nullptr && !pPopup->IsTrackingMode(); }));
    CXTPToolBar* pBar = bars->FindToolBar(700);
    EXPECT_EQ(xtpBarFloating, pBar->GetPosition());
    EXPECT_TRUE(pBar->m_bTearOff);
    EXPECT_EQ(CString(L"Farben"), pBar->GetTitle());
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (!pBar->GetControl(i)->IsTemporary()) {
            ids.push_back(pBar->GetControl(i)->GetID());
            EXPECT_EQ(0u, pBar->GetControl(i)->GetHideFlags() & (xtpHideScroll | xtpHideExpand)) << i;
        }
    EXPECT_EQ((std::vector<int>{801, 802, 803}), ids);
    CRect rcBar = WindowRectOf(pBar);
    EXPECT_EQ(ptDrop.y - 10, rcBar.top) << "the pointer 10 pixels below the top";
    EXPECT_NEAR(ptDrop.x, rcBar.CenterPoint().x, 1);
    EXPECT_TRUE(pBar->IsWindowVisible()) << "stays when the menu has closed";
    pPopup->InternalRelease();
}

TEST_F(CustomBars, TearOffEndsWithoutABarWhenThePointerComesBackOrEscapeIsPressed)
{
    struct Case
    {
        const char* what;
        bool backNear;
        bool escape;
    } cases[] = {
        {"dragged away and back onto the gripper", true, false},
        {"Escape while near", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CXTPPopupBar* pPopup = OpenTearOffMenu();
        CPoint ptGrip = GripperCentre(pPopup);
        testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, ptGrip);
        if (c.backNear) {
            testinput::SendMouse(MOUSEEVENTF_MOVE, ptGrip + CSize(150, 120));
            testinput::SendMouse(MOUSEEVENTF_MOVE, ptGrip + CSize(3, 2));
            testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptGrip + CSize(3, 2));
        } else {
            testinput::SendMouse(MOUSEEVENTF_MOVE, ptGrip + CSize(2, 1));
            testinput::SendKey(VK_ESCAPE);
            testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptGrip + CSize(2, 1));
        }
        ASSERT_TRUE(testpump::PumpUntil([&] { return ::GetCapture() == nullptr; }));
        testpump::PumpPending();
        EXPECT_EQ(nullptr, bars->FindToolBar(700));
        bars->ClosePopups();
        pPopup->InternalRelease();
    }
}

TEST_F(CustomBars, AMenuClosedWithItsGripperHotOpensWithItCold)
{
    CXTPPopupBar* pPopup = OpenTearOffMenu();
    const CPoint ptAway = GripperCentre(pPopup) + CSize(300, 200);
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptAway));
    testpump::PumpUntilIdle();
    CRect rcGripper = pPopup->GetTearOffGripperRect();
    const CPoint ptPixel(rcGripper.left + 2, rcGripper.top + 1);
    const COLORREF clrCold = testshot::CaptureWindow(pPopup->GetSafeHwnd()).Pixel(ptPixel.x, ptPixel.y);

    // The pointer rests on the gripper: it turns hot; the menu closes so.
    ASSERT_TRUE(testinput::MoveMouseAndWait(GripperCentre(pPopup)));
    ASSERT_TRUE(testpump::PumpUntil([&] { return pPopup->IsTearOffGripperHot() == TRUE; }));
    testpump::PumpUntilIdle();
    EXPECT_NE(testshot::CaptureWindow(pPopup->GetSafeHwnd()).Pixel(ptPixel.x, ptPixel.y), clrCold);
    bars->ClosePopups();
    ASSERT_TRUE(testinput::MoveMouseAndWait(ptAway));

    ASSERT_TRUE(pPopup->Popup(200, 150));
    testpump::PumpUntilIdle();
    EXPECT_FALSE(pPopup->IsTearOffGripperHot());
    testshot::Image shot = testshot::CaptureWindow(pPopup->GetSafeHwnd());
    testshot::Save(shot, L"commandbars_tearoff_reopened.png");
    EXPECT_EQ(shot.Pixel(ptPixel.x, ptPixel.y), clrCold) << "the gripper is drawn hot without the pointer on it";
    bars->ClosePopups();
    pPopup->InternalRelease();
}

TEST_F(CustomBars, ScreenshotOfAMenuWithItsTearOffGripper)
{
    CXTPPopupBar* pPopup = OpenTearOffMenu();
    ASSERT_TRUE(pPopup->IsWindowVisible());
    testshot::Image shot = testshot::CaptureWindow(pPopup->GetSafeHwnd());
    testshot::Save(shot, L"commandbars_tearoff_menu.png");
    CRect rcGripper = pPopup->GetTearOffGripperRect();
    ASSERT_GT(rcGripper.Height(), 2);
    // The look's own gripper colour, drawn apart.
    CTestCanvas canvas(rcGripper.right + 4, rcGripper.bottom + 4, RGB(1, 2, 3));
    pPopup->GetPaintManager()->DrawTearOffGripper(canvas.DC(), rcGripper, FALSE, TRUE);
    CPoint ptGripper(rcGripper.CenterPoint().x, rcGripper.top + 1);
    EXPECT_EQ(canvas.Pixel(ptGripper.x, ptGripper.y), shot.Pixel(ptGripper.x, ptGripper.y));
    CRect rcItem = pPopup->GetControl(0)->GetRect();
    EXPECT_NE(shot.Pixel(ptGripper.x, ptGripper.y), shot.Pixel(rcItem.right - 3, rcItem.CenterPoint().y))
        << "the gripper stands out from the menu";
    bars->ClosePopups();
    pPopup->InternalRelease();
}
