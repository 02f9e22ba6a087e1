// The ticket pane floated by a double click on its caption takes the
// activation: its frame's caption is drawn active at once, the first time
// and after it docked back and floated again.
#include <gtest/gtest.h>

#include "TicketPaneFrameTest.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"

namespace {

class TicketPaneFloatCaption : public CTicketPaneFrameTest
{
protected:
    TicketPaneFloatCaption()
        : CTicketPaneFrameTest(L"tavrolin_float_caption", L"TicketPaneFloatCaptionTestApp")
    {
    }

    // A point of the floating frame's caption as the screen shows it, left
    // of the title; the picture is saved for looking at.
    static COLORREF CaptionPixel(HWND hFloating, const wchar_t* name)
    {
        testpump::PumpUntilIdle();
        CRect rc;
        ::GetWindowRect(hFloating, &rc);
        testshot::Image shot = testshot::CaptureScreen(rc);
        testshot::Save(shot, name);
        return shot.Pixel(6, 6);
    }
};

} // namespace

TEST_F(TicketPaneFloatCaption, TheFloatedPanesCaptionIsActiveAtOnceEachTime)
{
    const COLORREF active = ::GetSysColor(COLOR_ACTIVECAPTION);
    ASSERT_NE(active, ::GetSysColor(COLOR_INACTIVECAPTION));
    for (int round = 0; round < 2; round++)
    {
        SCOPED_TRACE(round);
        const HWND hFloating = FloatTicketPane();
        ASSERT_NE(hFloating, nullptr) << "floated by the double click";
        EXPECT_EQ(hFloating, ::GetActiveWindow());
        const wchar_t* name = round == 0 ? L"app_ticket_pane_float_caption.png" : L"app_ticket_pane_refloat_caption.png";
        const COLORREF pixel = CaptionPixel(hFloating, name);
        EXPECT_EQ(active, pixel) << std::hex << pixel;
        if (round == 0)
        {
            // Docked back by a double click on its own caption.
            CRect rc;
            ::GetWindowRect(hFloating, &rc);
            testinput::DoubleClickAt({rc.left + 30, rc.top + 6});
            ASSERT_TRUE(testpump::PumpUntil([&] { return pPane->GetParentFrame() == static_cast<CWnd*>(pFrame); }));
            Idle();
        }
    }
}
