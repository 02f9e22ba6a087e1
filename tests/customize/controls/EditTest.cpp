// The themed edit: its context menu by mouse and keyboard, the items'
// states, the commands on the real clipboard, and its background.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "framework/text/CStringA.h"
#include "framework/windows/CMenu.h"
#include "resources/FrameworkIds.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/controls/XTEdit.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/controls/XTTrackPopupMenu.h"

using namespace ctltest;

namespace {

const UINT s_items[] = {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL};

class ThemedEdit : public ParentSuite<100, 100, 300, 120>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 210, 34),
                                  s_parent, 300));
        ASSERT_TRUE(m_edit.Initialize(s_parent));
    }

    void SetClipboardText(LPCWSTR lpszText)
    {
        ASSERT_TRUE(OpenClipboard(s_parent->GetSafeHwnd()));
        EmptyClipboard();
        if (lpszText != nullptr)
        {
            size_t nBytes = (wcslen(lpszText) + 1) * sizeof(WCHAR);
            HGLOBAL hData = GlobalAlloc(GMEM_MOVEABLE, nBytes);
            memcpy(GlobalLock(hData), lpszText, nBytes);
            GlobalUnlock(hData);
            SetClipboardData(CF_UNICODETEXT, hData);
        }
        CloseClipboard();
    }
    CString ClipboardText()
    {
        CString strText;
        if (!OpenClipboard(s_parent->GetSafeHwnd()))
            return strText;
        if (HANDLE hData = GetClipboardData(CF_UNICODETEXT))
        {
            strText = static_cast<LPCWSTR>(GlobalLock(hData));
            GlobalUnlock(hData);
        }
        CloseClipboard();
        return strText;
    }
    // Enabled flags of the six commands after the menu was opened.
    std::vector<bool> ItemStates()
    {
        CMenu menu;
        menu.LoadMenu(XT_IDM_EDIT_POPUP);
        CMenu* pPopup = menu.GetSubMenu(1);
        m_edit.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()), MAKELPARAM(1, FALSE));
        std::vector<bool> states;
        for (UINT nID : s_items)
            states.push_back((pPopup->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED) == 0);
        menu.DestroyMenu();
        return states;
    }
    CString Text()
    {
        CString strText;
        m_edit.GetWindowText(strText);
        return strText;
    }
    void Command(UINT nID) { m_edit.SendMessage(WM_COMMAND, nID); }

    CXTEdit m_edit;
};


} // namespace

TEST_F(ThemedEdit, ItemsEnabledBySelectionClipboardAndUndo)
{
    struct Case
    {
        LPCWSTR text;
        int selStart, selEnd;
        LPCWSTR clipboard;
        std::vector<bool> enabled;  // undo, cut, copy, paste, delete, select all
    } cases[] = {
        {L"", 0, 0, nullptr, {false, false, false, false, false, false}},
        {L"Hallo", 0, 0, L"Welt", {false, false, false, true, false, true}},
        {L"Hallo", 1, 3, nullptr, {false, true, true, false, true, true}},
        {L"Hallo", 5, 1, L"x", {false, true, true, true, true, true}},
    };
    for (const Case& c : cases)
    {
        m_edit.SetWindowText(c.text);
        m_edit.SetSel(c.selStart, c.selEnd);
        SetClipboardText(c.clipboard);
        EXPECT_EQ(c.enabled, ItemStates()) << "text \"" << CStringA(c.text).GetString() << "\", selection "
                                           << c.selStart << "-" << c.selEnd;
    }
    m_edit.SetWindowText(L"");
    m_edit.ReplaceSel(L"neu", TRUE);
    EXPECT_TRUE(ItemStates()[0]) << "undo after a change";
}

TEST_F(ThemedEdit, CommandsActOnTheClipboard)
{
    m_edit.SetWindowText(L"Hallo Welt");
    Command(ID_EDIT_SELECT_ALL);
    int nStart = -1, nEnd = -1;
    m_edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(10, nEnd);

    SetClipboardText(nullptr);
    Command(ID_EDIT_COPY);
    EXPECT_STREQ(L"Hallo Welt", ClipboardText());

    m_edit.SetSel(0, 6);
    Command(ID_EDIT_CUT);
    EXPECT_STREQ(L"Welt", Text());
    EXPECT_STREQ(L"Hallo ", ClipboardText());

    m_edit.SetSel(4, 4);
    Command(ID_EDIT_PASTE);
    EXPECT_STREQ(L"WeltHallo ", Text());
    Command(ID_EDIT_UNDO);
    EXPECT_STREQ(L"Welt", Text());

    m_edit.SetSel(0, 1);
    Command(ID_EDIT_CLEAR);
    EXPECT_STREQ(L"elt", Text());
    EXPECT_STREQ(L"Hallo ", ClipboardText()) << "delete leaves the clipboard alone";

    // A command whose item is disabled does nothing.
    m_edit.SetSel(1, 1);
    Command(ID_EDIT_CUT);
    EXPECT_STREQ(L"elt", Text());
}

TEST_F(ThemedEdit, MenuOpensAtTheClickOrJustInsideTheEdit)
{
    m_edit.SetWindowText(L"Hallo");
    CRect rcMenu;
    int nItems = 0;
    auto Record = [&](HWND hMenu) {
        GetWindowRect(hMenu, &rcMenu);
        CXTPPopupBar* pShown = dynamic_cast<CXTPPopupBar*>(CWnd::FromHandlePermanent(hMenu));
        nItems = pShown ? pShown->GetControlCount() : 0;
        ShootWindow(hMenu, L"edit_menu.png");
        EndPopupMenu();
    };

    // The keyboard's menu key: 5 pixels right of and below the client corner.
    {
        m_edit.SetFocus();
        CModalDriver driver(PopupMenuClass(), Record);
        testinput::SendKey(VK_APPS);
        testpump::PumpUntil([&] { return driver.Ran(); });
        ASSERT_TRUE(driver.Ran());
        CPoint corner(5, 5);
        m_edit.ClientToScreen(&corner);
        EXPECT_EQ(corner, rcMenu.TopLeft());
        EXPECT_EQ(6, nItems) << "six commands; the separators start groups";
    }

    // A right click: at the cursor.
    POINT pt = CentreOf(m_edit);
    ASSERT_TRUE(testinput::MoveMouseAndWait(pt)) << "the cursor did not move";
    CModalDriver driver(PopupMenuClass(), Record);
    testinput::ClickAt(pt, true);
    testpump::PumpUntil([&] { return driver.Ran(); });
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(CPoint(pt), rcMenu.TopLeft());
}

TEST_F(ThemedEdit, BackgroundIsWindowColourOrFaceWhenDisabled)
{
    m_edit.SetWindowText(L"abc");
    CRect rc;
    m_edit.GetClientRect(&rc);
    EXPECT_EQ(Colour(COLOR_WINDOW), testshot::CaptureWindow(m_edit).Pixel(rc.right - 3, rc.bottom / 2));
    m_edit.EnableWindow(FALSE);
    EXPECT_EQ(Colour(COLOR_3DFACE), testshot::CaptureWindow(m_edit).Pixel(rc.right - 3, rc.bottom / 2));
    EXPECT_TRUE(m_edit.SendMessage(WM_ERASEBKGND, 0)) << "erasing is left to the paint";
}

TEST_F(ThemedEdit, TrackPopupMenuReturnsTheChosenCommand)
{
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, L"Eins");
    menu.AppendMenu(MF_STRING, 200, L"Zwei");
    CModalDriver driver(PopupMenuClass(), [](HWND) { testinput::SendKeys({VK_DOWN, VK_DOWN, VK_RETURN}); });
    CXTPPaintManager::SetCustomTheme(nullptr);
    ASSERT_EQ(nullptr, XTPPaintManagerIfAny());
    UINT nChosen = XTTrackPopupMenu(&menu, TPM_RETURNCMD, 150, 150, s_parent);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(200u, nChosen);
    ASSERT_NE(nullptr, XTPPaintManagerIfAny());
    EXPECT_EQ(xtpThemeOffice2000, XTPPaintManagerIfAny()->GetThemeNumber()) << "the classic look was made";
    EXPECT_EQ(0u, XTTrackPopupMenu(nullptr, TPM_RETURNCMD, 150, 150, s_parent)) << "no menu, nothing chosen";
}
