// The drawn tooltip window on its own: when it shows which tool, where it
// goes, how it reads tool texts, and how narrow the rich-text tip gets.
#include <gtest/gtest.h>

#include "ToolTipTestSupport.h"
#include "toolkit/common/XTPToolTipContextRichEdit.h"

using namespace tiptest;

namespace {

class ToolTipWindowTest : public ::testing::Test
{
protected:
    COwnerWnd owner;
    CXTPToolTipContext context;
    CSpyToolTip* tip = nullptr;

    void SetUp() override { CreateTip(TTS_NOPREFIX); }

    void CreateTip(DWORD style)
    {
        if (!owner.GetSafeHwnd()) {
            ASSERT_TRUE(owner.CreateAt(100, 100, 400, 200));
            ::SetForegroundWindow(owner.GetSafeHwnd());
        }
        DestroyTip();
        tip = new CSpyToolTip(&context);
        ASSERT_TRUE(tip->Create(&owner, style | TTS_ALWAYSTIP));
        AddTool(1, {10, 10, 110, 40}, L"Öffnen");
        AddTool(2, {110, 10, 210, 40}, L"Speichern");
        tip->SendMessage(TTM_ACTIVATE, TRUE);
        g_tick += 10000;
    }

    void DestroyTip()
    {
        if (tip) {
            tip->DestroyWindow();
            delete tip;
            tip = nullptr;
        }
    }

    void TearDown() override
    {
        DestroyTip();
        owner.DestroyWindow();
    }

    void AddTool(UINT id, RECT rect, LPCWSTR text, HINSTANCE hinst = nullptr)
    {
        TOOLINFOW ti = {};
        ti.cbSize = 40;
        ti.hwnd = owner.GetSafeHwnd();
        ti.uId = id;
        ti.rect = rect;
        ti.hinst = hinst;
        ti.lpszText = const_cast<LPWSTR>(text);
        tip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }

    void Relay(int x, int y, UINT message = WM_MOUSEMOVE)
    {
        POINT pt = owner.ScreenPoint(x, y);
        ::SetCursorPos(pt.x, pt.y);
        MSG msg = {};
        msg.hwnd = owner.GetSafeHwnd();
        msg.message = message;
        msg.lParam = MAKELPARAM(x, y);
        msg.pt = pt;
        tip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }

    void FireShowTimer() { tip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID); }
    UINT_PTR ShownId() const { return tip->GetShownTool().uId; }
};

TEST_F(ToolTipWindowTest, ShowsAfterTheDelayBelowTheCursor)
{
    Relay(20, 20);
    EXPECT_FALSE(tip->IsWindowVisible());
    FireShowTimer();
    ASSERT_TRUE(tip->IsWindowVisible());
    EXPECT_EQ(ShownId(), 1u);
    RECT rc;
    tip->GetWindowRect(&rc);
    POINT cursor = owner.ScreenPoint(20, 20);
    EXPECT_EQ(rc.left, cursor.x);
    EXPECT_EQ(rc.top, cursor.y + 21);
    EXPECT_GT(rc.right - rc.left, 20);

    // The timer only shows the tool that is still under the cursor.
    g_tick += 1000;
    Relay(300, 150);
    EXPECT_FALSE(tip->IsWindowVisible());
    g_tick += 1000;
    Relay(20, 20);
    ::SetCursorPos(owner.ScreenPoint(300, 150).x, owner.ScreenPoint(300, 150).y);
    FireShowTimer();
    EXPECT_FALSE(tip->IsWindowVisible());
}

TEST_F(ToolTipWindowTest, NeighbourWithinTheReshowWindowShowsAtOnce)
{
    Relay(20, 20);
    FireShowTimer();
    ASSERT_EQ(ShownId(), 1u);

    g_tick += 150;
    Relay(150, 20);
    EXPECT_TRUE(tip->IsWindowVisible());
    EXPECT_EQ(ShownId(), 2u);

    // Leaving hides; coming back after the reshow window waits again.
    g_tick += 50;
    Relay(300, 150);
    EXPECT_FALSE(tip->IsWindowVisible());
    g_tick += 250;
    Relay(20, 20);
    EXPECT_FALSE(tip->IsWindowVisible());
    // Moving on to another tool before the timer drops the pending one.
    Relay(150, 20);
    FireShowTimer();
    EXPECT_EQ(ShownId(), 2u);
}

TEST_F(ToolTipWindowTest, PressedToolStaysQuietUntilTheMouseLeavesIt)
{
    Relay(20, 20);
    FireShowTimer();
    ASSERT_TRUE(tip->IsWindowVisible());

    Relay(20, 20, WM_LBUTTONDOWN);
    EXPECT_FALSE(tip->IsWindowVisible());
    g_tick += 1000;
    Relay(25, 25);
    FireShowTimer();
    EXPECT_FALSE(tip->IsWindowVisible());

    g_tick += 1000;
    Relay(300, 150);
    g_tick += 1000;
    Relay(25, 25);
    FireShowTimer();
    EXPECT_TRUE(tip->IsWindowVisible());
}

TEST_F(ToolTipWindowTest, InactiveTipIgnoresTheMouseAndRemovedToolHidesIt)
{
    tip->SendMessage(TTM_ACTIVATE, FALSE);
    Relay(20, 20);
    FireShowTimer();
    EXPECT_FALSE(tip->IsWindowVisible());

    tip->SendMessage(TTM_ACTIVATE, TRUE);
    Relay(21, 20);
    FireShowTimer();
    ASSERT_TRUE(tip->IsWindowVisible());

    TOOLINFOW ti = {};
    ti.cbSize = 40;
    ti.hwnd = owner.GetSafeHwnd();
    ti.uId = 1;
    tip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_FALSE(tip->IsWindowVisible());
    EXPECT_EQ(tip->GetToolCount(), 1);
    EXPECT_EQ(tip->SendMessage(TTM_ADDTOOLW, 0, 0), FALSE);
}

TEST_F(ToolTipWindowTest, TipNearTheScreenBottomStaysBelowTheCursor)
{
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    owner.MoveWindow(100, screenHeight - 60, 400, 60);
    Relay(20, 30);
    FireShowTimer();
    ASSERT_TRUE(tip->IsWindowVisible());
    RECT rc;
    tip->GetWindowRect(&rc);
    EXPECT_EQ(rc.top, owner.ScreenPoint(20, 30).y + 21);
    EXPECT_GT(rc.bottom, screenHeight);
}

TEST_F(ToolTipWindowTest, MnemonicsAreStrippedWithoutNoPrefix)
{
    CreateTip(0);
    AddTool(3, {220, 10, 300, 40}, L"&Datei && Ordner");
    tip->SendMessage(TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L"Tite&l"));
    Relay(230, 20);
    FireShowTimer();
    EXPECT_EQ(tip->GetShownText(), L"Datei & Ordner");
    EXPECT_EQ(tip->GetTitle(), L"Titel");

    CreateTip(TTS_NOPREFIX);
    AddTool(3, {220, 10, 300, 40}, L"&Datei");
    Relay(230, 20);
    FireShowTimer();
    EXPECT_EQ(tip->GetShownText(), L"&Datei");
}

// Finds any string resource of a module.
UINT FirstStringResource(HINSTANCE instance, CString& text)
{
    for (UINT id = 1; id < 0x4000; id++)
        if (text.LoadString(instance, id) && !text.IsEmpty())
            return id;
    return 0;
}

TEST_F(ToolTipWindowTest, CallbackTextIsReadTheWayTheProtocolDefines)
{
    AddTool(3, {220, 10, 300, 40}, LPSTR_TEXTCALLBACKW);

    owner.dispInfoMode = COwnerWnd::byPointer;
    owner.dispInfoText = L"Zeiger auf Text";
    Relay(230, 20);
    FireShowTimer();
    EXPECT_EQ(tip->GetShownText(), L"Zeiger auf Text");
    EXPECT_EQ(owner.dispInfoRequests, 1);

    g_tick += 1000;
    Relay(300, 150);
    owner.dispInfoMode = COwnerWnd::byBuffer;
    owner.dispInfoText = CString(L'x', 200);   // longer than the buffer
    g_tick += 1000;
    Relay(230, 20);
    FireShowTimer();
    EXPECT_EQ(tip->GetShownText(), CString(L'x', 79));

    HINSTANCE user32 = ::GetModuleHandleW(L"user32.dll");
    CString expected;
    UINT id = FirstStringResource(user32, expected);
    ASSERT_NE(id, 0u);
    g_tick += 1000;
    Relay(300, 150);
    owner.dispInfoMode = COwnerWnd::byResource;
    owner.resourceInstance = user32;
    owner.resourceId = id;
    g_tick += 1000;
    Relay(230, 20);
    FireShowTimer();
    EXPECT_EQ(tip->GetShownText(), expected);

    // A tool added with a resource id reads it from its instance.
    AddTool(4, {300, 10, 390, 40}, MAKEINTRESOURCEW(id), user32);
    g_tick += 1000;
    Relay(310, 20);
    FireShowTimer();
    EXPECT_EQ(ShownId(), 4u);
    EXPECT_EQ(tip->GetShownText(), expected);
}

TEST_F(ToolTipWindowTest, TitleMakesTheTipTallerAndAtLeastAsWideAsTheTitle)
{
    Relay(20, 20);
    FireShowTimer();
    RECT plain;
    tip->GetWindowRect(&plain);

    tip->SendMessage(TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L"Ein ziemlich langer Titel"));
    g_tick += 1000;
    Relay(300, 150);
    g_tick += 1000;
    Relay(20, 20);
    FireShowTimer();
    RECT titled;
    tip->GetWindowRect(&titled);
    EXPECT_GT(titled.bottom - titled.top, 2 * (plain.bottom - plain.top));
    EXPECT_GT(titled.right - titled.left, plain.right - plain.left + 25);
}

class RichToolTipTest : public ::testing::Test
{
protected:
    COwnerWnd owner;
    CXTPToolTipContext context;
    CXTPToolTipContext::CRichEditToolTip* tip = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateAt(100, 100, 400, 200));
        context.SetMaxTipWidth(300);
        tip = new CXTPToolTipContext::CRichEditToolTip(&context);
        ASSERT_TRUE(tip->Create(&owner, TTS_NOPREFIX | TTS_ALWAYSTIP));
        ASSERT_NE(tip->GetRichEditHandle(), nullptr);
        tip->SendMessage(TTM_ACTIVATE, TRUE);
    }

    void TearDown() override
    {
        tip->DestroyWindow();
        delete tip;
        owner.DestroyWindow();
    }

    SIZE ShowText(LPCWSTR text)
    {
        TOOLINFOW ti = {};
        ti.cbSize = 40;
        ti.hwnd = owner.GetSafeHwnd();
        ti.uId = 1;
        ti.rect = {0, 0, 400, 200};
        ti.lpszText = const_cast<LPWSTR>(text);
        tip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        tip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        POINT pt = owner.ScreenPoint(50, 50);
        ::SetCursorPos(pt.x, pt.y);
        MSG msg = {owner.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 50), 0, pt};
        tip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
        tip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID);
        RECT rc = {};
        if (tip->IsWindowVisible())
            tip->GetWindowRect(&rc);
        return {rc.right - rc.left, rc.bottom - rc.top};
    }
};

TEST_F(RichToolTipTest, ShortLineIsAsNarrowAsItsText)
{
    SIZE shortTip = ShowText(L"{\\rtf1 Kurz}");
    EXPECT_GT(shortTip.cx, 10);
    EXPECT_LT(shortTip.cx, 120);

    tip->SendMessage(TTM_ACTIVATE, FALSE);
    tip->SendMessage(TTM_ACTIVATE, TRUE);
    SIZE longTip = ShowText(L"{\\rtf1 Ein sehr langer Text, der nicht in eine Zeile passt, weil die "
                            L"Breite des Tipps begrenzt ist und umbrochen werden muss.}");
    EXPECT_LE(longTip.cx, 300 + 10);
    EXPECT_GT(longTip.cy, 2 * shortTip.cy - 8);

    // Text that is no RTF comes in as plain text.
    tip->SendMessage(TTM_ACTIVATE, FALSE);
    tip->SendMessage(TTM_ACTIVATE, TRUE);
    SIZE plain = ShowText(L"Nur Text");
    EXPECT_GT(plain.cx, 10);
}

} // namespace
