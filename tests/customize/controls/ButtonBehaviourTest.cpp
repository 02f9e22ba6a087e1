// The themed button as a window: owner-draw by creation and by
// subclassing, hover tracking by real input, text and
// image placement, the default-button style, system colour changes.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "framework/text/CStringA.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/colors/XTPColorManager.h"

using namespace ctltest;

namespace {

const int W = 120, H = 40;

class ButtonWindow : public ParentSuite<60, 60, 400, 200>
{
protected:
    void SetUp() override
    {
        s_parent->clicks.clear();
        ASSERT_TRUE(m_button.Create(L"Abspielen", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                    CRect(20, 20, 20 + W, 20 + H), s_parent, 100));
    }
    void SetTestIcon()
    {
        HICON hIcon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLKIT_PLAIN1), IMAGE_ICON, 16, 16, 0));
        m_button.SetIcon(CSize(16, 16), hIcon, nullptr, FALSE);
        DestroyIcon(hIcon);
    }

    CProbeButton m_button;
};


} // namespace

TEST_F(ButtonWindow, OwnerDrawnWhetherCreatedOrSubclassed)
{
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), m_button.GetStyle() & BS_TYPEMASK);

    HWND hPlain = CreateWindowW(L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 200, 20, 80, 30,
                                s_parent->GetSafeHwnd(), reinterpret_cast<HMENU>(101), nullptr, nullptr);
    CXTButton subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hPlain));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), subclassed.GetStyle() & BS_TYPEMASK);

    // The dialog manager moves the default state with BM_SETSTYLE.
    subclassed.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    m_button.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), subclassed.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), m_button.GetStyle() & BS_TYPEMASK);
    subclassed.DestroyWindow();

    CXTButton windowless;
    EXPECT_FALSE(windowless.MakeOwnerDraw());
}

TEST_F(ButtonWindow, FlatButtonIsFramedOnlyUnderTheCursor)
{
    POINT away = {600, 600};
    ASSERT_TRUE(testinput::MoveMouseAndWait(away)) << "the cursor did not move";
    testpump::PumpUntilIdle();
    EXPECT_EQ(Colour(COLOR_3DFACE), testshot::CaptureWindow(m_button).Pixel(0, 0)) << "a new button is flat";

    testinput::MoveMouseTo(CentreOf(m_button));
    testpump::PumpUntil([&] { return m_button.IsHot() != FALSE; });
    testpump::PumpUntilIdle();
    EXPECT_TRUE(m_button.IsHot());
    EXPECT_EQ(Colour(COLOR_3DHILIGHT), testshot::CaptureWindow(m_button).Pixel(0, 0));

    testinput::MoveMouseTo(away);
    testpump::PumpUntil([&] { return !m_button.IsHot(); });
    testpump::PumpUntilIdle();
    EXPECT_FALSE(m_button.IsHot());
    EXPECT_FALSE(KillTimer(m_button.GetSafeHwnd(), 1)) << "the hover timer ended with the hover";
    EXPECT_EQ(Colour(COLOR_3DFACE), testshot::CaptureWindow(m_button).Pixel(0, 0));

    // A button with a full face never turns hot.
    m_button.SetXButtonStyle(0);
    ASSERT_TRUE(testinput::MoveMouseAndWait(CentreOf(m_button)));
    testpump::PumpUntilIdle();
    EXPECT_FALSE(m_button.IsHot());
    testinput::MoveMouseAndWait(away);
}

TEST_F(ButtonWindow, TextAndImagePlacement)
{
    m_button.SetXButtonStyle(0, FALSE);
    const COLORREF text = Colour(COLOR_BTNTEXT);

    // Right-aligned text ends at the margin (4 pixels) from the right edge.
    m_button.ModifyStyle(BS_CENTER, BS_RIGHT);
    CRect right = BoxOf(testshot::CaptureWindow(m_button), text);
    EXPECT_GE(right.right, W - 4 - 3);
    EXPECT_LE(right.right, W - 4 - 1);

    // Image above the text: both centred, the image wholly above the text.
    m_button.ModifyStyle(BS_RIGHT, 0);
    SetTestIcon();
    m_button.SetXButtonStyle(BS_XT_TWOROWS);
    testshot::Image rows = testshot::CaptureWindow(m_button);
    CRect image = BlueBox(rows), words = BoxOf(rows, text);
    EXPECT_NEAR(W / 2, (image.left + image.right + 1) / 2, 1);
    EXPECT_NEAR(W / 2, (words.left + words.right + 1) / 2, 2);
    EXPECT_LT(image.bottom, words.top);

    // Positions given by the caller win.
    m_button.SetImageAndTextPos(30, 3, 60, 20);
    EXPECT_EQ(CRect(32, 5, 43, 16), BlueBox(testshot::CaptureWindow(m_button)));

    // Hiding images leaves only the text.
    m_button.ToggleThemeOption();
    EXPECT_EQ(-1, BlueBox(testshot::CaptureWindow(m_button)).right);
    m_button.ToggleThemeOption();
}

TEST_F(ButtonWindow, FocusRectangleOnlyWithItsStyle)
{
    m_button.SetXButtonStyle(0, FALSE);
    m_button.SetFocus();
    testpump::PumpUntilIdle();
    COLORREF plain = testshot::CaptureWindow(m_button).Pixel(W / 2 + 30, 2);
    m_button.SetXButtonStyle(BS_XT_SHOWFOCUS);
    COLORREF focused = testshot::CaptureWindow(m_button).Pixel(W / 2 + 30, 2);
    COLORREF next = testshot::CaptureWindow(m_button).Pixel(W / 2 + 31, 2);
    EXPECT_EQ(Colour(COLOR_3DFACE), plain);
    EXPECT_TRUE(focused != plain || next != plain) << "a dotted line two pixels in";
    EXPECT_EQ(static_cast<UINT>(DLGC_BUTTON | DLGC_DEFPUSHBUTTON), m_button.SendMessage(WM_GETDLGCODE));
    s_parent->SetFocus();
    EXPECT_EQ(static_cast<UINT>(DLGC_BUTTON), m_button.SendMessage(WM_GETDLGCODE));
}

TEST_F(ButtonWindow, ImagesBySizeIconAndBitmap)
{
    HICON hBig = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLKIT_APP), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(nullptr, hBig);
    EXPECT_TRUE(m_button.SetIcon(CSize(0, 0), hBig, nullptr));
    EXPECT_EQ(CSize(32, 32), m_button.GetImageSize()) << "0 x 0 takes the icon's own size";
    DestroyIcon(hBig);

    EXPECT_FALSE(m_button.SetIcon(CSize(16, 16), 4711u, 0u)) << "a missing icon changes nothing";
    EXPECT_EQ(CSize(32, 32), m_button.GetImageSize());

    EXPECT_TRUE(m_button.SetBitmap(CSize(0, 0), IDB_TOOLKIT_MAGENTA_STRIP));
    EXPECT_EQ(CSize(64, 16), m_button.GetImageSize());
    EXPECT_TRUE(m_button.SetBitmap(CSize(16, 16), IDB_TOOLKIT_ALPHA_STRIP)) << "a 32-bit bitmap";
    EXPECT_NE(nullptr, m_button.GetIcon());

    EXPECT_FALSE(m_button.SetBitmap(CSize(16, 16), 4711));
    EXPECT_EQ(nullptr, m_button.GetIcon()) << "no image after a missing bitmap";
}

TEST_F(ButtonWindow, ButtonTextWithoutSingleAmpersands)
{
    struct Case
    {
        LPCWSTR text, shown;
    } cases[] = {
        {L"&Abspielen", L"Abspielen"}, {L"A&&B", L"A&&B"}, {L"&&&x&", L"&&x"}, {L"", L""}, {L"&", L""},
    };
    for (const Case& c : cases)
    {
        m_button.SetWindowText(c.text);
        EXPECT_STREQ(c.shown, m_button.GetButtonText(TRUE)) << "from " << CStringA(c.text).GetString();
        EXPECT_STREQ(c.text, m_button.GetButtonText(FALSE));
    }
}

TEST_F(ButtonWindow, ChangedSystemColourRecoloursAtOnce)
{
    m_button.SetXButtonStyle(0, FALSE);
    const int index = COLOR_3DHILIGHT;
    COLORREF before = GetSysColor(index);
    COLORREF changed = before == RGB(10, 200, 30) ? RGB(11, 200, 30) : RGB(10, 200, 30);
    INT element = index;
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    m_button.SendMessage(WM_SYSCOLORCHANGE);
    COLORREF corner = testshot::CaptureWindow(m_button).Pixel(0, 0);
    SetSysColors(1, &element, &before);
    m_button.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(changed, corner);
    EXPECT_EQ(before, testshot::CaptureWindow(m_button).Pixel(0, 0));
}

TEST_F(ButtonWindow, SharedThemeTakesColoursChangedWhileNoButtonWasThere)
{
    m_button.SetXButtonStyle(0, FALSE);
    COLORREF cornerBefore = testshot::CaptureWindow(m_button).Pixel(0, 0);
    m_button.DestroyWindow();
    INT element = COLOR_3DHILIGHT;
    COLORREF before = GetSysColor(element);
    COLORREF changed = before == RGB(10, 200, 30) ? RGB(11, 200, 30) : RGB(10, 200, 30);
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    // What a frame does when it hears of the change.
    XTPGetColorManager()->RefreshColors();
    ASSERT_TRUE(m_button.Create(L"Abspielen", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 20 + W, 20 + H),
                                s_parent, 100));
    m_button.SetXButtonStyle(0, FALSE);
    COLORREF corner = testshot::CaptureWindow(m_button).Pixel(0, 0);
    SetSysColors(1, &element, &before);
    XTPGetColorManager()->RefreshColors();
    EXPECT_EQ(before, cornerBefore);
    EXPECT_EQ(changed, corner);
}
