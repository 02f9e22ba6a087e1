// The information dialogs opened from the program's toolbar and frame take
// a change of the system colours made while they are open: the text area
// of the ticket explanations follows the dialog's new face.
// The frame's helpers use sockets: winsock2 before windows.h.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app/frame/ProgramFrameTest.h"
#include "app/AppTestSupport.h"
#include "app/dialogs/DialogTestSupport.h"
#include "engine/SettingsStore.h"
#include "resources/AppIds.h"
#include "support/ChangedSystemColours.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"

using namespace testcolours;
using apptest::CountNear;

namespace {

// Part of a rectangle in a shot: its lower right corner, where no text is.
CRect LowerRight(const RECT& rc)
{
    return CRect(rc.right - 24, rc.bottom - 8, rc.right - 4, rc.bottom - 3);
}

struct Seen
{
    bool bChanged = false;
    RECT rcText = {};
    testshot::Image before, after;
};

class InfoDialogColours : public CProgramFrameTest
{
protected:
    InfoDialogColours()
        : CProgramFrameTest(L"InfoColourTestApp", L"TavrolinInfoColourTest", L"tavrolin_info_colours")
    {
    }

    void SetUp() override
    {
        SetUpFrameInFront();
    }

    // Inside the dialog: the colours change and come back.
    static void ChangeColours(HWND hDlg, int nTextId, Seen& seen, LPCWSTR lpszShot)
    {
        testpump::PumpUntilIdle();
        HWND hText = ::GetDlgItem(hDlg, nTextId);
        ::GetWindowRect(hText, &seen.rcText);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&seen.rcText), 2);
        seen.before = testshot::CaptureWindow(hDlg);
        CChangedSystemColours colours;
        seen.bChanged = colours.IsChanged();
        testpump::PumpUntilIdle();
        seen.after = testshot::CaptureWindow(hDlg);
        testshot::Save(seen.after, lpszShot);
    }

    CRect ToolBarButtonOnScreen(int nID)
    {
        CXTPToolBar* pBar = pFrame->GetStandardToolBar();
        CXTPControl* pButton = pBar != nullptr ? pBar->GetControls()->FindControl(nID) : nullptr;
        if (pButton == nullptr || !pButton->IsVisible())
            return CRect();
        CRect rc = pButton->GetRect();
        ::MapWindowPoints(pBar->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    frametest::CPollSettings settings{60};
};

} // namespace

TEST_F(InfoDialogColours, TheTextAreaFollowsTheFaceChangedWhileTheDialogIsOpen)
{
    using dlgtest::CModalScript;
    using dlgtest::Then;
    struct Case
    {
        const char* name;
        int nOpener;  // a toolbar button, or 0: the frame's start-up message
        int nTextId;
        LPCWSTR shot;
    };
    const Case cases[] = {
        {"Einzel-Ticket", ID_INFO_SINGLE_TICKET, IDC_RTF_TEXT, L"app_info_single_tickets_colours.png"},
        {"TST-Ticket", ID_INFO_TST_TICKET, IDC_RTF_TEXT, L"app_info_team_tickets_colours.png"},
        {"start-up information", 0, IDC_INFO_TEXT, L"app_startup_info_colours.png"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Seen seen;
        CModalScript script({Then([&](HWND hDlg) { ChangeColours(hDlg, c.nTextId, seen, c.shot); }, IDOK)});
        if (c.nOpener != 0)
        {
            const CRect rcButton = ToolBarButtonOnScreen(c.nOpener);
            ASSERT_FALSE(rcButton.IsRectEmpty());
            testinput::MoveMouseAndWait(rcButton.CenterPoint());
            testinput::ClickAt(rcButton.CenterPoint());
        }
        else
        {
            CSettingsStore::GetInstance().ShowInfo = 1;
            pFrame->PostMessage(WM_SHOW_STARTUP_INFO);
        }
        EXPECT_TRUE(frametest::PumpAppUntil(app, [&] { return script.StepsRun() == 1; }));
        testinput::MoveMouseAndWait({5, 5});
        ASSERT_TRUE(seen.bChanged);

        // The dialog's face, left of its buttons at the bottom, and the
        // text area's empty corner: both in the new face colour.
        const CRect rcFace(2, seen.after.height - 6, 8, seen.after.height - 2);
        EXPECT_EQ(0, CountNear(seen.before, rcFace, kFace));
        EXPECT_EQ(rcFace.Width() * rcFace.Height(), CountNear(seen.after, rcFace, kFace)) << "the dialog";
        const CRect rcCorner = LowerRight(seen.rcText);
        EXPECT_EQ(0, CountNear(seen.before, rcCorner, kFace));
        EXPECT_EQ(rcCorner.Width() * rcCorner.Height(), CountNear(seen.after, rcCorner, kFace)) << "its text area";
    }
}
