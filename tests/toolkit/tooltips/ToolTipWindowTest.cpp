// The drawn tooltip window on its own: when it shows which tool, where it
// goes, how it reads tool texts, and how narrow the rich-text tip gets.
#include <gtest/gtest.h>

#include "ToolTipTestSupport.h"
#include "toolkit/common/tooltips/XTPToolTipContextRichEdit.h"

using namespace tiptest;

namespace {

void AddTool(CWnd& tip, HWND owner, UINT id, RECT rect, LPCWSTR text, HINSTANCE hinst = nullptr)
{
    TOOLINFOW ti = {40, 0, owner, id, rect, hinst, const_cast<LPWSTR>(text)};
    tip.SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    tip.SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

// Relays a mouse message at a client point of owner and puts the cursor there.
void Relay(CWnd& tip, COwnerWnd& owner, int x, int y, UINT message = WM_MOUSEMOVE)
{
    POINT pt = owner.ScreenPoint(x, y);
    ::SetCursorPos(pt.x, pt.y);
    MSG msg = {owner.GetSafeHwnd(), message, 0, MAKELPARAM(x, y), 0, pt};
    tip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

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
        ::AddTool(*tip, owner.GetSafeHwnd(), id, rect, text, hinst);
    }
    void Relay(int x, int y, UINT message = WM_MOUSEMOVE) { ::Relay(*tip, owner, x, y, message); }
    // Leaves every tool and comes back to a point after the reshow time.
    void Reenter(int x, int y)
    {
        g_tick += 1000;
        Relay(300, 150);
        g_tick += 1000;
        Relay(x, y);
    }
    void FireShowTimer() { tip->SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID); }
    UINT_PTR ShownId() const { return tip->GetShownTool().uId; }
};

TEST_F(ToolTipWindowTest, ShowsAfterTheDelayBelowTheCursorEvenAtTheScreenBottom)
{
    int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    for (int ownerTop : {100, screenHeight - 60}) {
        SCOPED_TRACE(ownerTop);
        owner.MoveWindow(100, ownerTop, 400, 60);
        Reenter(20, 20);
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
    }

    // The timer only shows the tool that is still under the cursor.
    Reenter(20, 20);
    POINT away = owner.ScreenPoint(300, 150);
    ::SetCursorPos(away.x, away.y);
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

    Reenter(25, 25);
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

    TOOLINFOW ti = {40, 0, owner.GetSafeHwnd(), 1};
    tip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    EXPECT_FALSE(tip->IsWindowVisible());
    EXPECT_EQ(tip->GetToolCount(), 1);
    EXPECT_EQ(tip->SendMessage(TTM_ADDTOOLW, 0, 0), FALSE);
}

TEST_F(ToolTipWindowTest, MnemonicsAreStrippedWithoutNoPrefix)
{
    for (DWORD style : {DWORD(0), DWORD(TTS_NOPREFIX)}) {
        CreateTip(style);
        AddTool(3, {220, 10, 300, 40}, L"&Datei && Ordner");
        tip->SendMessage(TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L"Tite&l"));
        Relay(230, 20);
        FireShowTimer();
        EXPECT_EQ(tip->GetShownText(), style ? L"&Datei && Ordner" : L"Datei & Ordner");
        if (!style) {
            EXPECT_EQ(tip->GetTitle(), L"Titel");
        }
    }
}

TEST_F(ToolTipWindowTest, CallbackTextIsReadTheWayTheProtocolDefines)
{
    // Any string resource of a module will do.
    HINSTANCE user32 = ::GetModuleHandleW(L"user32.dll");
    CString resourceText;
    UINT id = 1;
    while (id < 0x4000 && !(resourceText.LoadString(user32, id) && !resourceText.IsEmpty()))
        id++;
    ASSERT_LT(id, 0x4000u);

    AddTool(3, {220, 10, 300, 40}, LPSTR_TEXTCALLBACKW);
    owner.resourceInstance = user32;
    owner.resourceId = id;
    struct Case
    {
        COwnerWnd::DispInfoMode mode;
        CString answer, shown;
    } cases[] = {
        {COwnerWnd::byPointer, L"Zeiger auf Text", L"Zeiger auf Text"},
        {COwnerWnd::byBuffer, CString(L'x', 200), CString(L'x', 79)},   // longer than the buffer
        {COwnerWnd::byFullBuffer, L"y", CString(L'y', 79)},              // no terminator at all
        {COwnerWnd::byResource, L"", resourceText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        owner.dispInfoMode = c.mode;
        owner.dispInfoText = c.answer;
        Reenter(230, 20);
        FireShowTimer();
        EXPECT_EQ(tip->GetShownText(), c.shown);
    }
    EXPECT_EQ(owner.dispInfoRequests, 4);

    // A tool added with a resource id reads it from its instance.
    AddTool(4, {300, 10, 390, 40}, MAKEINTRESOURCEW(id), user32);
    Reenter(310, 20);
    FireShowTimer();
    EXPECT_EQ(ShownId(), 4u);
    EXPECT_EQ(tip->GetShownText(), resourceText);
}

TEST(RichToolTipTest, ShortLineIsAsNarrowAsItsTextAndLongTextWraps)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateAt(100, 100, 400, 200));
    CXTPToolTipContext context;
    context.SetMaxTipWidth(300);
    CXTPToolTipContext::CRichEditToolTip tip(&context);
    ASSERT_TRUE(tip.Create(&owner, TTS_NOPREFIX | TTS_ALWAYSTIP));
    ASSERT_NE(tip.GetRichEditHandle(), nullptr);
    auto show = [&](LPCWSTR text) {
        tip.SendMessage(TTM_ACTIVATE, FALSE);
        tip.SendMessage(TTM_ACTIVATE, TRUE);
        AddTool(tip, owner.GetSafeHwnd(), 1, {0, 0, 400, 200}, text);
        Relay(tip, owner, 50, 50);
        tip.SendMessage(WM_TIMER, CXTPToolTipContextToolTip::SHOW_TIMER_ID);
        RECT rc = {};
        if (tip.IsWindowVisible())
            tip.GetWindowRect(&rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    };

    SIZE shortTip = show(L"{\\rtf1 Kurz}");
    EXPECT_GT(shortTip.cx, 10);
    EXPECT_LT(shortTip.cx, 120);
    SIZE longTip = show(L"{\\rtf1 Ein sehr langer Text, der nicht in eine Zeile passt, weil die "
                        L"Breite des Tipps begrenzt ist und umbrochen werden muss.}");
    EXPECT_LE(longTip.cx, 300 + 10);
    EXPECT_GT(longTip.cy, 2 * shortTip.cy - 8);
    // Text that is no RTF comes in as plain text.
    EXPECT_GT(show(L"Nur Text").cx, 10);
    tip.DestroyWindow();
    owner.DestroyWindow();
}

} // namespace
