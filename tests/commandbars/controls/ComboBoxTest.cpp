// The combo box control driven by real input: picking from the open list
// with the mouse and the keys, closing it without a choice, completion from
// the list while typing, the notifications the site hears, and pictures of
// an open combo beside an edit box in the Office looks.
#include <gtest/gtest.h>
#include <vector>
#include "EditPartStage.h"
#include "commandbars/input/ModalKeyProbe.h"
#include "framework/gdi/CClientDC.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxAutoCompleteWnd.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControlComboBoxList.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIconHandle.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

const int kComboId = 810;
const UINT kRedIcon = 61500;

// A 16 x 16 icon, opaque red all over, under kRedIcon.
void AddRedIcon()
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HBITMAP hColor = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    BYTE* p = static_cast<BYTE*>(pBits);
    for (int i = 0; i < 16 * 16; i++)
        p[i * 3 + 0] = 0, p[i * 3 + 1] = 0, p[i * 3 + 2] = 255;
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hMask);
    ::PatBlt(hDC, 0, 0, 16, 16, BLACKNESS);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    XTPImageManager()->SetIcon(CXTPImageManagerIconHandle(hIcon), kRedIcon, CSize(16, 16));
    ::DestroyIcon(hIcon);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
}
const LPCWSTR kCities[] = {L"Berlin", L"Bremen", L"Hamburg", L"Hannover", L"K\u00F6ln"};

class ComboBox : public testing::Test, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateStage(CRect(100, 100, 600, 400), 500));
        m_pCombo = new CXTPControlComboBox();
        m_bar.GetControls()->Add(m_pCombo, kComboId);
        m_pCombo->SetWidth(150);
        for (LPCWSTR lpszCity : kCities)
            m_pCombo->AddString(lpszCity);
        Place();
    }
    void TearDown() override { DestroyStage(); }
    // Lays the controls out one after another at the sizes the look measures.
    void Place()
    {
        CClientDC dc(&m_bar);
        int x = 4;
        for (int i = 0; i < m_bar.GetControlCount(); i++) {
            CXTPControl* pControl = m_bar.GetControl(i);
            CSize size = pControl->GetSize(&dc);
            pControl->SetRect(CRect(x, 3, x + size.cx, 3 + size.cy));
            x += size.cx + 6;
        }
        m_bar.Invalidate(FALSE);
    }

public:
    POINT ButtonPoint() const
    {
        CRect rc = m_pCombo->GetRect();
        return ClientToScreenPoint(m_bar.GetSafeHwnd(), rc.right - m_pCombo->GetThumbWidth() / 2, rc.CenterPoint().y);
    }

protected:
    HWND ListWindow() const { return m_pCombo->GetListBox()->GetSafeHwnd(); }
    POINT ItemPoint(int nItem) const
    {
        CRect rc;
        ::SendMessageW(ListWindow(), LB_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        return ClientToScreenPoint(ListWindow(), rc.CenterPoint().x, rc.CenterPoint().y);
    }
    void OpenWithTheMouse()
    {
        ClickAt(ButtonPoint());
        ASSERT_TRUE(PumpUntil([&] { return m_pCombo->IsDroppedDown() && ::IsWindowVisible(ListWindow()); }));
    }
    void HoverItem(int nItem)
    {
        MoveMouseAndWait(ItemPoint(nItem));
        PumpUntil([&] { return m_pCombo->GetListBox()->GetCurSel() == nItem; });
    }
    int Commands() const
    {
        int nCount = 0;
        for (const CSiteMessage& message : m_site.received)
            nCount += message.message == WM_COMMAND && LOWORD(message.wParam) == kComboId;
        return nCount;
    }
    HWND EditWindow() const { return m_pCombo->GetEditCtrl() ? m_pCombo->GetEditCtrl()->GetSafeHwnd() : nullptr; }

    CXTPControlComboBox* m_pCombo = nullptr;
};

} // namespace

TEST_F(ComboBox, APickWithTheMouseSelectsConfirmsAndRunsTheCommand)
{
    m_pCombo->SetCurSel(1);
    m_site.received.clear();
    OpenWithTheMouse();
    // As many rows as there are entries, below the combo box.
    CRect rcList, rcCombo = m_pCombo->GetRect();
    ::GetWindowRect(ListWindow(), &rcList);
    m_bar.ClientToScreen(&rcCombo);
    EXPECT_EQ(rcCombo.bottom, rcList.top);
    EXPECT_EQ(m_pCombo->GetListBox()->GetItemHeight() * 5 + 4, rcList.Height());

    HoverItem(3);
    EXPECT_EQ(std::vector<UINT>({7}), Notifications()) << "hovering only marks the row";
    ClickAt(ItemPoint(3));
    ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsDroppedDown(); }));
    PumpUntilIdle();
    EXPECT_EQ(3, m_pCombo->GetCurSel());
    EXPECT_STREQ(L"Hannover", m_pCombo->GetText());
    EXPECT_FALSE(::IsWindowVisible(ListWindow()));
    // 100: the command ran.
    EXPECT_EQ(std::vector<UINT>({7, 1, 9, 8, 100}), Notifications());
    EXPECT_EQ(1, Commands());
}

TEST_F(ComboBox, ClosingTheListWithoutAChoiceRestoresTheSelectionAndCancels)
{
    struct Way
    {
        const char* name;
        void (*close)(ComboBox* pTest);
    } ways[] = {
        {"Esc", [](ComboBox*) { SendKey(VK_ESCAPE); }},
        {"the button again", [](ComboBox* pTest) { ClickAt(pTest->ButtonPoint()); }},
    };
    for (const Way& way : ways) {
        m_pCombo->SetCurSel(1);
        m_site.received.clear();
        OpenWithTheMouse();
        HoverItem(4);
        ASSERT_EQ(4, m_pCombo->GetListBox()->GetCurSel()) << way.name;
        way.close(this);
        ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsDroppedDown(); })) << way.name;
        PumpUntilIdle();
        EXPECT_EQ(1, m_pCombo->GetCurSel()) << way.name;
        EXPECT_STREQ(L"Bremen", m_pCombo->GetText()) << way.name;
        EXPECT_EQ(std::vector<UINT>({7, 10, 8}), Notifications()) << way.name;
        EXPECT_EQ(0, Commands()) << way.name;
        m_bar.EndTracking();
        PumpUntilIdle();
    }
}

TEST_F(ComboBox, KeysMoveTheSelectionOfAFocusedListAndEnterConfirms)
{
    m_pCombo->SetCurSel(0);
    m_site.received.clear();
    m_pCombo->OnClick(TRUE);  // as the bar's keyboard navigation does
    ASSERT_TRUE(m_pCombo->IsFocused());
    struct Step
    {
        WORD vk;
        int selection;
    } steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {'H', 2}, {'H', 3}, {'K', 4}};
    for (const Step& step : steps) {
        SendKey(step.vk);
        EXPECT_TRUE(PumpUntil([&] { return m_pCombo->GetCurSel() == step.selection; }))
            << "key " << step.vk << " gave " << m_pCombo->GetCurSel();
        EXPECT_STREQ(kCities[step.selection], m_pCombo->GetText());
    }
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    SendKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsFocused(); }));
    PumpUntilIdle();
    EXPECT_EQ(4, m_pCombo->GetCurSel());
    EXPECT_EQ(std::vector<UINT>({3, 1, 1, 1, 1, 1, 1, 9, 4, 100}), Notifications());
    EXPECT_EQ(1, Commands());
}

// Return in the open list: the command's dialog must not read that Return.
TEST_F(ComboBox, ReturnInTheOpenListRunsTheCommandAfterTheKeyLeftTheQueue)
{
    m_pCombo->SetCurSel(0);
    OpenWithTheMouse();
    SendKey('H');
    ASSERT_TRUE(PumpUntil([&] { return m_pCombo->GetListBox()->GetCurSel() == 2; }));
    PumpUntilIdle();
    std::vector<UINT> keysInDialog;
    m_site.context = &keysInDialog;
    m_site.onCommand = [](CTestSite* pSite, WPARAM) {
        *static_cast<std::vector<UINT>*>(pSite->context) = modalprobe::KeyDownsTakenByAModalLoop();
    };
    m_site.received.clear();
    SendKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return Commands() == 1; }));
    m_site.onCommand = nullptr;
    EXPECT_STREQ(L"Hamburg", m_pCombo->GetText());
    EXPECT_EQ(std::vector<UINT>(), keysInDialog) << "the dialog read the Return that chose the command";
}

TEST_F(ComboBox, LeavingAFocusedListWithoutConfirmingRestoresAndCancels)
{
    m_pCombo->SetCurSel(2);
    m_pCombo->OnClick(TRUE);
    ASSERT_TRUE(m_pCombo->IsFocused());
    SendKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return m_pCombo->GetCurSel() == 3; }));
    m_site.received.clear();
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsFocused(); }));
    PumpUntilIdle();
    EXPECT_EQ(2, m_pCombo->GetCurSel());
    EXPECT_EQ(std::vector<UINT>({10, 4}), Notifications());
    EXPECT_EQ(0, Commands());
}

TEST_F(ComboBox, TypingCompletesFromTheListButNotAfterDeleting)
{
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetAutoComplete(TRUE);
    m_pCombo->SetEditHint(L"Stadt");
    Place();
    ASSERT_TRUE(EditWindow());
    EXPECT_TRUE(m_pCombo->GetEditText().IsEmpty()) << "the hint is never the text";
    CRect rc;
    ::GetWindowRect(EditWindow(), &rc);
    ClickAt(rc.CenterPoint());
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == EditWindow(); }));
    PumpUntilIdle();
    m_site.received.clear();
    struct Step
    {
        WORD vk;
        LPCWSTR text;
        int selection;
    } steps[] = {
        {'H', L"Hamburg", 2}, {'A', L"Hamburg", 2}, {'N', L"Hannover", 3}, {VK_BACK, L"Han", -1},
        {'N', L"Hannover", 3}, {VK_DELETE, L"Hann", -1}, {'X', L"Hannx", -1},
    };
    for (const Step& step : steps) {
        SendKey(step.vk);
        EXPECT_TRUE(PumpUntil([&] { return m_pCombo->GetEditText() == step.text; }))
            << "key " << step.vk << " gave " << static_cast<LPCTSTR>(m_pCombo->GetEditText());
        EXPECT_EQ(step.selection, m_pCombo->GetCurSel()) << "key " << step.vk;
    }
    for (UINT code : Notifications())
        EXPECT_EQ(5u, code);

    SendKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsFocused(); }));
    EXPECT_TRUE(m_pCombo->GetEditText().IsEmpty()) << "Esc restores the text at focus";
    EXPECT_EQ(-1, m_pCombo->GetCurSel());
}

TEST_F(ComboBox, F4OpensTheListOfAFocusedEditPartAndArrowsWalkIt)
{
    m_pCombo->SetDropDown(TRUE);
    Place();
    m_pCombo->SetFocused(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == EditWindow(); }));
    m_site.received.clear();
    SendKey(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return m_pCombo->IsDroppedDown(); }));
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return m_pCombo->GetEditText() == kCities[1]; }));
    SendKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !m_pCombo->IsDroppedDown() && !m_pCombo->IsFocused(); }));
    PumpUntilIdle();
    EXPECT_EQ(1, m_pCombo->GetCurSel());
    EXPECT_EQ(std::vector<UINT>({7, 1, 1, 9, 8, 4, 100}), Notifications());
    EXPECT_EQ(1, Commands());
}

// The shell here shows no suggestion list of its own: the test shows one.
TEST_F(ComboBox, TheShellsSuggestionListIsTrustedAndTheOwnListMakesWay)
{
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetShellAutoComplete(1);  // file system
    Place();
    m_pCombo->SetFocused(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == EditWindow(); }));
    CXTPControlComboBoxAutoCompleteWnd* pAutoComplete = m_pCombo->GetAutoCompleteWnd();
    ASSERT_TRUE(pAutoComplete) << "the shell's completion is on while the edit part has the focus";

    WNDCLASSW wc = {};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Auto-Suggest Dropdown";
    ::RegisterClassW(&wc);
    HWND hSuggest = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Auto-Suggest Dropdown", L"", WS_POPUP, 120,
                                      140, 150, 60, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(hSuggest);
    const UINT kShow = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    const UINT kHide = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;

    SendKey(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return m_pCombo->IsDroppedDown(); }));
    m_site.received.clear();
    ::SetWindowPos(hSuggest, nullptr, 0, 0, 0, 0, kShow);
    EXPECT_TRUE(PumpUntil([&] { return !m_pCombo->IsDroppedDown(); })) << "the own list closes for the suggestions";
    EXPECT_EQ(hSuggest, pAutoComplete->GetSuggestWindow());
    EXPECT_TRUE(XTPMouseManager()->IsInTrustedWindow(CPoint(130, 150))) << "clicks in it keep the bars open";
    EXPECT_EQ(std::vector<UINT>({10, 8}), Notifications());

    SendKey(VK_F4);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hSuggest); })) << "opening the own list hides them";
    EXPECT_TRUE(m_pCombo->IsDroppedDown());
    EXPECT_FALSE(pAutoComplete->IsSuggestShown());
    EXPECT_FALSE(XTPMouseManager()->IsInTrustedWindow(CPoint(130, 150)));

    ::SetWindowPos(hSuggest, nullptr, 0, 0, 0, 0, kShow);
    ::SetWindowPos(hSuggest, nullptr, 0, 0, 0, 0, kHide);
    EXPECT_FALSE(XTPMouseManager()->IsInTrustedWindow(CPoint(130, 150)));
    m_pCombo->SetFocused(FALSE);
    EXPECT_FALSE(m_pCombo->GetAutoCompleteWnd()) << "the watch ends with the focus";
    ::DestroyWindow(hSuggest);
    ::UnregisterClassW(L"Auto-Suggest Dropdown", wc.hInstance);
}

TEST_F(ComboBox, TheWheelWalksTheEntriesOfAFocusedClosedCombo)
{
    m_pCombo->SetDropDown(TRUE);
    Place();
    m_pCombo->SetCurSel(1);
    m_pCombo->SetFocused(TRUE);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == EditWindow(); }));
    struct Turn
    {
        int delta;
        int selection;
    } turns[] = {{-WHEEL_DELTA, 2}, {-WHEEL_DELTA, 3}, {WHEEL_DELTA, 2}};
    for (const Turn& turn : turns) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(turn.delta);
        ::SendInput(1, &input, sizeof(input));
        EXPECT_TRUE(PumpUntil([&] { return m_pCombo->GetCurSel() == turn.selection; }))
            << "turn " << turn.delta << " gave " << m_pCombo->GetCurSel();
        EXPECT_STREQ(kCities[turn.selection], m_pCombo->GetEditText());
    }
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
}

TEST_F(ComboBox, AnEditIconTheImageManagerHoldsIsDrawnLeftOfTheNarrowedEditPart)
{
    AddRedIcon();
    m_pCombo->SetDropDown(TRUE);
    struct Row
    {
        UINT icon;
        int editLeftFromText;
        BOOL red;
    } rows[] = {{kRedIcon, 16 + 2, TRUE}, {kRedIcon + 1, 0, FALSE}, {0, 0, FALSE}};
    for (const Row& row : rows) {
        m_pCombo->SetEditIconId(static_cast<int>(row.icon));
        Place();
        CRect rcCombo = m_pCombo->GetRect(), rcEdit;
        ::GetWindowRect(EditWindow(), &rcEdit);
        m_bar.ScreenToClient(&rcEdit);
        EXPECT_EQ(rcCombo.left + 3 + row.editLeftFromText, rcEdit.left) << "icon " << row.icon;
        m_bar.RedrawWindow();
        PumpUntilIdle();
        testshot::Image shot = testshot::CaptureWindow(m_bar.GetSafeHwnd());
        COLORREF clrIconPlace = shot.Pixel(rcCombo.left + 3 + 8, rcCombo.CenterPoint().y);
        EXPECT_EQ(row.red, clrIconPlace == RGB(255, 0, 0)) << "icon " << row.icon;
    }
}

TEST_F(ComboBox, AListWithoutEditPartDrawsItsTextInTheToolkitsColour)
{
    const COLORREF kText = RGB(200, 0, 0);
    XTPGetColorManager()->m_arrCustomColor[COLOR_WINDOWTEXT] = kText;
    m_pCombo->SetCurSel(1);
    Place();
    m_bar.RedrawWindow();
    PumpUntilIdle();
    testshot::Image shot = testshot::CaptureWindow(m_bar.GetSafeHwnd());
    XTPGetColorManager()->m_arrCustomColor[COLOR_WINDOWTEXT] = COLORREF(-1);
    EXPECT_FALSE(testshot::Save(shot, L"commandbars_combo_list_text_colour.png").empty());
    const CRect rc = m_pCombo->GetRect();
    int nText = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            nText += shot.Pixel(x, y) == kText;
    EXPECT_GT(nText, 10);
}

TEST_F(ComboBox, TheEditPartHidesOnVerticalBars)
{
    m_pCombo->SetDropDown(TRUE);
    Place();
    ASSERT_TRUE(::IsWindowVisible(EditWindow()));
    m_pCombo->OnCalcDynamicSize(LM_VERTDOCK);
    EXPECT_FALSE(::IsWindowVisible(EditWindow()));
    m_pCombo->OnCalcDynamicSize(LM_HORZDOCK);
    EXPECT_TRUE(::IsWindowVisible(EditWindow()));
}

TEST_F(ComboBox, AnOpenComboBesideAnEditBoxInTheOfficeLooks)
{
    struct Look
    {
        int theme;
        LPCWSTR picture;
        // The flat look frames the bar in the face colour around its own
        // fill; the gradient looks draw no frame line.
        BOOL framedBar;
    } looks[] = {
        {xtpThemeOfficeXP, L"commandbars_combo_open_officexp.png", TRUE},
        {xtpThemeOffice2003, L"commandbars_combo_open_office2003.png", FALSE},
        {xtpThemeWhidbey, L"commandbars_combo_open_whidbey.png", FALSE},
    };
    int nTheme = XTPPaintManager()->GetThemeNumber();
    CXTPControlEdit* pEdit = new CXTPControlEdit();
    m_bar.GetControls()->Add(pEdit, 811);
    pEdit->SetCaption(L"Suche:");
    pEdit->SetEditText(L"Tickets");
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetComboStyle(1);
    m_pCombo->SetCaption(L"Stadt:");
    for (const Look& look : looks) {
        CXTPPaintManager::SetTheme(look.theme);
        m_pCombo->SetCurSel(2);
        Place();
        OpenWithTheMouse();
        HoverItem(3);
        m_bar.RedrawWindow();
        PumpUntilIdle();

        CRect rcSite;
        m_site.GetWindowRect(&rcSite);
        HDC hScreen = ::GetDC(nullptr);
        testshot::Image shot = testshot::CaptureDC(hScreen, rcSite);
        ::ReleaseDC(nullptr, hScreen);
        EXPECT_FALSE(testshot::Save(shot, look.picture).empty());

        CXTPPaintManager* pPaintManager = XTPPaintManager();
        CRect rcList, rcButton = m_pCombo->GetRect();
        ::GetWindowRect(ListWindow(), &rcList);
        rcList.OffsetRect(-rcSite.left, -rcSite.top);
        rcButton.left = rcButton.right - m_pCombo->GetThumbWidth();
        // The hovered row is highlighted, the others are on the window colour.
        POINT ptRow3 = ItemPoint(3), ptRow0 = ItemPoint(0);
        EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), shot.Pixel(rcList.right - 10, ptRow3.y - rcSite.top)) << look.theme;
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(rcList.right - 30, ptRow0.y - rcSite.top)) << look.theme;
        // The list draws its own border in the look's shadow colour.
        EXPECT_EQ(pPaintManager->GetColor(COLOR_3DSHADOW), shot.Pixel(rcList.left, ptRow0.y - rcSite.top))
            << look.theme;
        // The dropped-down button takes the look's pressed colour inside the
        // look's frame colour, not the window's.
        COLORREF clrButton = shot.Pixel(rcButton.left + 3, rcButton.top + 3);
        EXPECT_NE(::GetSysColor(COLOR_WINDOW), clrButton) << look.theme;
        EXPECT_EQ(pPaintManager->GetColor(33), clrButton) << look.theme;
        EXPECT_EQ(pPaintManager->GetColor(32), shot.Pixel(rcButton.left, rcButton.CenterPoint().y)) << look.theme;
        // The bar right of its controls.
        POINT ptBar = ClientToScreenPoint(m_bar.GetSafeHwnd(), 450, 0);
        ptBar.x -= rcSite.left;
        ptBar.y -= rcSite.top;
        COLORREF clrBarTop = shot.Pixel(ptBar.x, ptBar.y), clrBarInside = shot.Pixel(ptBar.x, ptBar.y + 5);
        if (look.framedBar) {
            EXPECT_EQ(pPaintManager->GetColor(COLOR_3DFACE), clrBarTop);
            EXPECT_EQ(pPaintManager->GetColor(30), clrBarInside);
        } else {
            EXPECT_EQ(clrBarInside, clrBarTop) << look.theme;
        }
        // The edit box's text part is white inside its frame.
        CRect rcEdit;
        ::GetWindowRect(pEdit->GetEditCtrl()->GetSafeHwnd(), &rcEdit);
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), shot.Pixel(rcEdit.right - rcSite.left - 3, rcEdit.top - rcSite.top + 2))
            << look.theme;

        m_bar.EndTracking();
        PumpUntilIdle();
    }
    CXTPPaintManager::SetTheme(nTheme);
}
