// A toolbar placed among a dialog's controls, driven by real keys: tabbing
// onto it walks it from its first control, Tab leaves it for the dialog's
// next or previous control; a bar docked in a frame keeps Tab to itself.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

class ToolBarInDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 260)));
        m_hBefore = MakeEdit(10);
        ASSERT_TRUE(CreateTopBar(m_bar, m_site, CRect(0, 40, 400, 70), WS_TABSTOP));
        ::SetWindowPos(m_bar.GetSafeHwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        m_hAfter = MakeEdit(80);
        ::SetWindowPos(m_hAfter, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        for (int i = 0; i < 3; i++)
            m_bar.GetControls()->Add(xtpControlButton, 701 + i)->SetRect(CRect(2 + 26 * i, 2, 26 + 26 * i, 26));
        // The dialog's own Tab handling for keys the bar does not take.
        m_pDialogKeys = std::make_unique<testpump::ScopedMessageFilter>(
            [this](MSG& msg) { return ::IsDialogMessageW(m_site.GetSafeHwnd(), &msg) != 0; });
        ::SetForegroundWindow(m_site.GetSafeHwnd());
        ::SetFocus(m_hBefore);
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_pDialogKeys.reset();
        m_bar.EndTracking();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    HWND MakeEdit(int y)
    {
        return ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, y, 200, 24,
                                 m_site.GetSafeHwnd(), nullptr, nullptr, nullptr);
    }

    CTestSite m_site;
    CXTPToolBar m_bar;  // its own key handling
    HWND m_hBefore = nullptr, m_hAfter = nullptr;
    std::unique_ptr<testpump::ScopedMessageFilter> m_pDialogKeys;
};

} // namespace

TEST_F(ToolBarInDialog, TabEntersTheBarAtItsFirstControlAndLeavesItForTheNextControl)
{
    ASSERT_EQ(m_hBefore, ::GetFocus());
    struct Row
    {
        std::initializer_list<WORD> chord;
        const char* what;
        bool onBar;
        HWND* pFocus;  // when not on the bar
    } rows[] = {
        {{VK_TAB}, "Tab from the edit before onto the bar", true, nullptr},
        {{VK_TAB}, "Tab from the bar to the edit after it", false, &m_hAfter},
        {{VK_SHIFT, VK_TAB}, "Shift+Tab back onto the bar", true, nullptr},
        {{VK_SHIFT, VK_TAB}, "Shift+Tab from the bar to the edit before it", false, &m_hBefore},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SendChord(row.chord);
        HWND hExpected = row.onBar ? m_bar.GetSafeHwnd() : *row.pFocus;
        EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == hExpected; }));
        PumpUntilIdle();
        EXPECT_EQ(hExpected, ::GetFocus());
        EXPECT_EQ(row.onBar ? xtpTrackingKeyboard : xtpTrackingNone, m_bar.IsTrackingMode());
        EXPECT_EQ(row.onBar ? 0 : -1, m_bar.GetSelectedIndex());
    }
    EXPECT_TRUE(m_site.keys.empty()) << "no Tab reached the window itself";
}

TEST_F(ToolBarInDialog, ABarOfAFramesDockingKeepsTabToItsControls)
{
    m_bar.EnableDocking(0x3F);
    m_bar.SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    ASSERT_EQ(0, m_bar.GetSelectedIndex());
    SendKey(VK_TAB);
    PumpUntil([&] { return m_bar.GetSelectedIndex() == 1; });
    PumpUntilIdle();
    EXPECT_EQ(1, m_bar.GetSelectedIndex()) << "Tab moves on along the bar";
    EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode());
    EXPECT_EQ(m_hBefore, ::GetFocus()) << "the focus stays where it was";
}
