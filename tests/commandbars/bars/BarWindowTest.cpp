// The bar window with real input: hot tracking, the hover timer, keys while
// tracking (navigation table with Tab, Return, Escape, mnemonics) and the site's say
// over a key.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// A button that notes hovering and activation by its mnemonic.
class CNotingButton : public CXTPControlButton
{
public:
    int hovers = 0;
    int activations = 0;
    void OnMouseHover() override { hovers++; }
    void OnMnemonicActivate() override { activations++; }
};

// A site that may turn one key into another while a bar tracks.
class CKeySite : public CTestSite
{
public:
    UINT from = 0, to = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_TRACKING_KEYDOWN) {
            UINT* pKey = reinterpret_cast<UINT*>(wParam);
            if (*pKey == from)
                *pKey = to;
            return 0;
        }
        return CTestSite::WindowProc(message, wParam, lParam);
    }
};

class BarWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 500, 300)));
        ASSERT_TRUE(CreateTopBar(m_bar, m_site, CRect(0, 0, 400, 30)));
        AddCaptionButtons<CNotingButton>(m_bar, {L"&Datei", L"&Bearbeiten", L"Ansicht", L"&Dokument", L"Hilfe"});
        LayOutRow(m_bar, 400);
        SetForegroundWindow(m_site.GetSafeHwnd());
        m_site.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_bar.EndTracking();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    CNotingButton* Button(int i) { return static_cast<CNotingButton*>(m_bar.GetControl(i)); }
    POINT ScreenCentre(int i)
    {
        CPoint pt = Button(i)->GetRect().CenterPoint();
        m_bar.ClientToScreen(&pt);
        return pt;
    }
    void Key(WORD vk)
    {
        SendKey(vk);
        PumpUntilIdle();
    }

    CKeySite m_site;
    CXTPToolBar m_bar;
};

} // namespace

TEST_F(BarWindow, HotTrackingFollowsTheMouseAndHoverFiresOnce)
{
    SendMouse(0, ScreenCentre(1));
    PumpUntil([&] { return m_bar.GetSelectedIndex() == 1; });
    ASSERT_EQ(1, m_bar.GetSelectedIndex()) << "input was not delivered";
    EXPECT_EQ(1, Button(1)->GetSelected());
    PumpUntil([&] { return Button(1)->hovers > 0; });
    testpump::PumpFor(400);  // another period of the 300 ms hover timer
    EXPECT_EQ(1, Button(1)->hovers) << "the 300 ms hover timer fired, once";

    SendMouse(0, ScreenCentre(2));
    PumpUntil([&] { return m_bar.GetSelectedIndex() == 2; });
    EXPECT_EQ(2, m_bar.GetSelectedIndex());
    EXPECT_EQ(0, Button(1)->GetSelected());

    SendMouse(0, {300, 250});
    PumpUntil([&] { return m_bar.GetSelectedIndex() == -1; });
    EXPECT_EQ(-1, m_bar.GetSelectedIndex()) << "the emulated mouse leave clears the hot control";
}

TEST_F(BarWindow, InactiveToolbarsStayColdPopupBarsDoNot)
{
    CTestSite other;
    ASSERT_TRUE(other.Create(CRect(600, 100, 700, 200)));
    SetForegroundWindow(other.GetSafeHwnd());
    PumpUntil([&] { return GetForegroundWindow() == other.GetSafeHwnd(); });
    PumpUntilIdle();
    ASSERT_EQ(other.GetSafeHwnd(), GetForegroundWindow());
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(Button(0)->GetRect().left + 3, 10));
    EXPECT_EQ(-1, m_bar.GetSelectedIndex()) << "the application is not active";

    CXTPPopupBar popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Popup", WS_CHILD | WS_VISIBLE, 0, 40, 200, 60,
                               m_site.GetSafeHwnd(), nullptr));
    CXTPControl* pItem = popup.GetControls()->Add(new CXTPControlButton(), 0);
    pItem->SetRect(CRect(3, 3, 190, 23));
    popup.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(0, popup.GetSelectedIndex()) << "popup bars track even then";
    popup.DestroyWindow();
    other.DestroyWindow();
}

TEST_F(BarWindow, KeysNavigateByTheTableAndEndTracking)
{
    m_bar.SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    ASSERT_EQ(0, m_bar.GetSelectedIndex()) << "select-first";
    Key(VK_RIGHT);
    ASSERT_EQ(1, m_bar.GetSelectedIndex()) << "input was not delivered";
    struct Row
    {
        std::initializer_list<WORD> chord;
        int selected;
        const char* what;
    };
    const Row rows[] = {
        {{VK_END}, 4, "End"},
        {{VK_RIGHT}, 0, "Right wraps"},
        {{VK_LEFT}, 4, "Left wraps back"},
        {{VK_HOME}, 0, "Home"},
        {{VK_TAB}, 1, "Tab moves on"},
        {{VK_SHIFT, VK_TAB}, 0, "Shift+Tab moves back"},
        {{VK_SHIFT, VK_TAB}, 4, "Shift+Tab wraps back"},
        {{VK_TAB}, 0, "Tab wraps"},
        {{VK_CONTROL, VK_TAB}, 1, "Ctrl+Tab without a manager moves on"},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, 0, "Ctrl+Shift+Tab without a manager moves back"},
    };
    for (const Row& row : rows) {
        SendChord(row.chord);
        PumpUntilIdle();
        EXPECT_EQ(row.selected, m_bar.GetSelectedIndex()) << row.what;
        EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode()) << row.what;
    }

    SetWindowLongW(m_bar.GetSafeHwnd(), GWL_EXSTYLE, GetWindowLongW(m_bar.GetSafeHwnd(), GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
    Key(VK_LEFT);
    EXPECT_EQ(1, m_bar.GetSelectedIndex()) << "right to left: Left moves on";
    SetWindowLongW(m_bar.GetSafeHwnd(), GWL_EXSTYLE, GetWindowLongW(m_bar.GetSafeHwnd(), GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);

    m_site.from = VK_RIGHT;
    m_site.to = VK_LEFT;
    Key(VK_RIGHT);
    EXPECT_EQ(0, m_bar.GetSelectedIndex()) << "the site turned Right into Left";
    m_site.from = 0;

    Key(VK_RETURN);
    EXPECT_EQ(xtpTrackingNone, m_bar.IsTrackingMode()) << "Return runs the control, which closes the menus";
    m_bar.SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    Key(VK_ESCAPE);
    EXPECT_EQ(xtpTrackingNone, m_bar.IsTrackingMode());
    EXPECT_TRUE(m_site.keys.empty()) << "no key reached the application";
}

TEST_F(BarWindow, MnemonicsSelectAndActivateUnlessAmbiguous)
{
    m_bar.SetTrackingMode(xtpTrackingKeyboard, FALSE, TRUE);
    Key('D');
    ASSERT_EQ(0, m_bar.GetSelectedIndex()) << "input was not delivered";
    EXPECT_EQ(0, Button(0)->activations) << "two controls mark D";
    Key('D');
    EXPECT_EQ(3, m_bar.GetSelectedIndex());
    EXPECT_EQ(0, Button(3)->activations);
    Key('B');
    EXPECT_EQ(1, m_bar.GetSelectedIndex());
    EXPECT_EQ(1, Button(1)->activations) << "a unique mnemonic activates";
    Key('A');
    EXPECT_EQ(2, m_bar.GetSelectedIndex());
    EXPECT_EQ(1, Button(2)->activations) << "the only caption starting with A";
    Key('H');
    EXPECT_EQ(4, m_bar.GetSelectedIndex());

    BOOL bAmbiguous = TRUE;
    EXPECT_EQ(-1, m_bar.FindAccel('Z', bAmbiguous));
    EXPECT_FALSE(bAmbiguous);
    Button(0)->SetEnabled(FALSE);
    EXPECT_EQ(3, m_bar.FindAccel('D', bAmbiguous)) << "disabled controls have no mnemonic";
    EXPECT_FALSE(bAmbiguous);
}

TEST_F(BarWindow, MnemonicsWithUmlautsAnswerTheTypedCharacterInEitherCase)
{
    const LPCWSTR captions[] = {L"&Öffnen", L"&Ändern", L"Übersicht", L"&öffentlich", L"Gr&ün"};
    for (int i = 0; i < 5; i++)
        Button(i)->SetCaption(captions[i]);
    auto type = [](wchar_t ch) {
        SendChar(ch);
        PumpUntilIdle();
    };
    m_bar.SetTrackingMode(xtpTrackingKeyboard, FALSE, TRUE);

    type(L'ä');
    ASSERT_EQ(1, m_bar.GetSelectedIndex()) << "a lower-case ä for \"&Ändern\"";
    EXPECT_EQ(1, Button(1)->activations);
    type(L'Ö');
    EXPECT_EQ(3, m_bar.GetSelectedIndex()) << "an upper-case Ö for \"&öffentlich\", the next of two";
    EXPECT_EQ(0, Button(3)->activations) << "two controls mark ö";
    type(L'ö');
    EXPECT_EQ(0, m_bar.GetSelectedIndex()) << "one press, one step: the key's release is no press";
    SendKeyDown(VK_SHIFT);
    type(L'Ü');
    SendKeyUp(VK_SHIFT);
    PumpUntilIdle();
    EXPECT_EQ(4, m_bar.GetSelectedIndex()) << "Shift+Ü for \"Gr&ün\", before the caption starting with Ü";
    EXPECT_EQ(1, Button(4)->activations);

    // VK_OEM_5's code is 0xDC, which is "Ü", but the key types a backslash.
    Key(VK_OEM_5);
    EXPECT_EQ(4, m_bar.GetSelectedIndex());
    EXPECT_EQ(1, Button(4)->activations) << "a key's code is no character";
    EXPECT_EQ(xtpTrackingKeyboard, m_bar.IsTrackingMode());
}
