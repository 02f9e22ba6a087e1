// The keyboard page: which commands it lists, capturing a combination,
// assigning one that is taken (asked first), removing and resetting, each
// change working in the bars' table at once.
#include "customize/customize/CustomizeTestSupport.h"
#include "support/DisplayKeymap.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/customize/XTPCustomizeKeyboardPage.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

using namespace custtest;

namespace {

constexpr UINT kMenuAndAccel = 31901;
constexpr WORD kNew = 100;
constexpr WORD kSave = 103;

struct KeyboardPage : BarsTest
{
    CXTPCustomizeSheet* pSheet = nullptr;
    CXTPCustomizeKeyboardPage* pPage = nullptr;

    KeyboardPage() { Manager()->SetAccelerators(kMenuAndAccel); }
    ~KeyboardPage() override { Hide(); }
    void Hide()
    {
        Unhost();
        delete pPage;
        delete pSheet;
        pPage = nullptr;
        pSheet = nullptr;
    }
    CXTPShortcutManager* Manager() { return pBars->GetShortcutManager(); }
    void Show()
    {
        pSheet = new CXTPCustomizeSheet(pBars, &site);
        pPage = new CXTPCustomizeKeyboardPage(pSheet);
        pPage->AddCategories(kMenuAndAccel);
        Host(pPage);
    }
    HWND Item(int nID) { return ::GetDlgItem(pPage->GetSafeHwnd(), nID); }
    void Notify(int nID, int nCode, int nIndex)
    {
        const bool bCombo = nID == XTP_IDC_COMBO_CATEGORY;
        ::SendMessageW(Item(nID), bCombo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
        ::SendMessageW(pPage->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(Item(nID)));
    }
    void SelectCommand(int nIndex) { Notify(XTP_IDC_LBOX_COMMANDS, LBN_SELCHANGE, nIndex); }
    void SelectKey(int nIndex) { Notify(XTP_IDC_LBOX_KEYS, LBN_SELCHANGE, nIndex); }
    void Press(int nID) { ::SendMessageW(Item(nID), BM_CLICK, 0, 0); }
    std::vector<CString> Items(int nID)
    {
        std::vector<CString> items;
        const int nCount = static_cast<int>(::SendMessageW(Item(nID), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < nCount; i++) {
            WCHAR sz[128] = {};
            ::SendMessageW(Item(nID), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz));
            items.emplace_back(sz);
        }
        return items;
    }
    std::vector<ACCEL> Table()
    {
        ACCEL entries[32] = {};
        const int nCount = XTPCopyAccelTable(Manager()->GetAcceleratorTable(), entries, 32);
        return std::vector<ACCEL>(entries, entries + nCount);
    }
    // Real key presses into the capture box: modifiers held around the key.
    // Answers whether the combination arrived there.
    bool Capture(std::initializer_list<WORD> modifiers, WORD wKey)
    {
        ::SetFocus(Item(XTP_IDC_EDIT_SHORTCUTKEY));
        for (WORD wMod : modifiers)
            testinput::SendKeyDown(wMod);
        testinput::SendKey(wKey);
        for (WORD wMod : modifiers)
            testinput::SendKeyUp(wMod);
        const bool bArrived = testpump::PumpUntil([&] { return !WindowText(Item(XTP_IDC_EDIT_SHORTCUTKEY)).IsEmpty(); });
        testpump::PumpUntilIdle();
        return bArrived;
    }
    int CommandOf(BYTE fVirt, WORD key)
    {
        for (const ACCEL& entry : Table())
            if ((entry.fVirt & ~FNOINVERT) == fVirt && entry.key == key)
                return entry.cmd;
        return -1;
    }
};

// Commands of one category as the list shows them: no popups, separators or
// recent-file entries; captions without their ampersands.
TEST_F(KeyboardPage, ListsOnlyPlainCommandsOfTheCategory)
{
    Show();
    EXPECT_EQ((std::vector<CString>{L"Neu", L"Speichern"}), Items(XTP_IDC_LBOX_COMMANDS));
    EXPECT_EQ((std::vector<CString>{L"Ctrl+N", L"F2"}), Items(XTP_IDC_LBOX_KEYS));
    Notify(XTP_IDC_COMBO_CATEGORY, CBN_SELCHANGE, 1);
    EXPECT_EQ((std::vector<CString>{L"Symbolleiste"}), Items(XTP_IDC_LBOX_COMMANDS));
    EXPECT_EQ((std::vector<CString>{L"F5"}), Items(XTP_IDC_LBOX_KEYS));
    EXPECT_FALSE(::IsWindowEnabled(Item(XTP_IDC_BUTTON_REMOVE)));
    SelectKey(0);
    EXPECT_TRUE(::IsWindowEnabled(Item(XTP_IDC_BUTTON_REMOVE)));
}

// Ctrl+S belongs to "Speichern"; given to "Neu" it is asked about first.
// The table's entry carries a flag the captured one lacks (or not): the
// combination counts as taken either way.
TEST_F(KeyboardPage, TakenCombinationIsAskedAboutAndMovedOnlyOnYes)
{
    struct Case
    {
        BYTE fVirtInTable;
        int nAnswer;
        int nExpectedCommand;
    };
    const BYTE fCtrl = FVIRTKEY | FCONTROL;
    for (const Case& c : {Case{fCtrl | FNOINVERT, IDNO, kSave}, Case{fCtrl | FNOINVERT, IDYES, kNew},
                          Case{fCtrl, IDNO, kSave}, Case{fCtrl, IDYES, kNew}}) {
        SCOPED_TRACE(testing::Message() << "flags " << int(c.fVirtInTable) << " answer " << c.nAnswer);
        ACCEL table[] = {{c.fVirtInTable, 'S', kSave}, {FVIRTKEY, VK_F2, kNew}};
        Manager()->UpdateAcceleratorTable(table, 2);
        Show();
        SelectCommand(0);
        ASSERT_TRUE(Capture({VK_CONTROL}, 'S')) << "the keys did not reach the capture box";
        ASSERT_TRUE(::IsWindowEnabled(Item(XTP_IDC_BUTTON_ASSIGN)));
        CString strMessage;
        {
            CDialogScript script(
                {c.nAnswer == IDYES ? Shot(L"customize_keyboard_confirm_reassign.png", ReadMessage(&strMessage, IDYES))
                                    : ReadMessage(&strMessage, IDNO)});
            Press(XTP_IDC_BUTTON_ASSIGN);
            EXPECT_EQ(1u, script.StepsRun());
        }
        EXPECT_EQ(CString(L"Dieser Shortcut wird bereits verwendet.\nWollen Sie diesen Shortcut neu zuordnen?"),
                  strMessage);
        EXPECT_EQ(c.nExpectedCommand, CommandOf(fCtrl, 'S'));
        EXPECT_EQ(2u, Table().size());  // moved, never doubled
        const bool bMoved = c.nAnswer == IDYES;
        EXPECT_EQ(bMoved ? (std::vector<CString>{L"Ctrl+S", L"F2"}) : (std::vector<CString>{L"F2"}),
                  Items(XTP_IDC_LBOX_KEYS));
        // Yes empties the box; No leaves the combination to try elsewhere.
        EXPECT_EQ(bMoved, WindowText(Item(XTP_IDC_EDIT_SHORTCUTKEY)).IsEmpty());
        Hide();
    }
}

WORD s_wCommand = 0;
LRESULT CALLBACK RecordCommand(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        s_wCommand = LOWORD(wParam);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A free combination is added and translated to its command right away.
TEST_F(KeyboardPage, FreeCombinationWorksAtOnce)
{
    Show();
    Notify(XTP_IDC_COMBO_CATEGORY, CBN_SELCHANGE, 1);
    ASSERT_TRUE(Capture({}, VK_F7)) << "the key did not reach the capture box";
    const size_t nBefore = Table().size();
    Press(XTP_IDC_BUTTON_ASSIGN);
    EXPECT_EQ(nBefore + 1, Table().size());
    EXPECT_EQ((std::vector<CString>{L"F5", L"F7"}), Items(XTP_IDC_LBOX_KEYS));

    HWND hTarget = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    s_wCommand = 0;
    ::SetWindowLongPtrW(hTarget, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordCommand));
    MSG msg = {hTarget, WM_KEYDOWN, VK_F7, 0x00410001, 0, {0, 0}};
    EXPECT_TRUE(Manager()->TranslateAccelerator(hTarget, &msg));
    EXPECT_EQ(104, s_wCommand);
    ::DestroyWindow(hTarget);
}

TEST_F(KeyboardPage, RemovingTheLastShortcutEmptiesTheListAndDisablesRemove)
{
    Show();
    SelectCommand(1);
    ASSERT_EQ((std::vector<CString>{L"Ctrl+S"}), Items(XTP_IDC_LBOX_KEYS));
    SelectKey(0);
    Press(XTP_IDC_BUTTON_REMOVE);
    EXPECT_TRUE(Items(XTP_IDC_LBOX_KEYS).empty());
    EXPECT_FALSE(::IsWindowEnabled(Item(XTP_IDC_BUTTON_REMOVE)));
    EXPECT_EQ(-1, CommandOf(FVIRTKEY | FCONTROL, 'S'));
    // The entries after it moved up and still work.
    EXPECT_EQ(3u, Table().size());
    EXPECT_EQ(kNew, CommandOf(FVIRTKEY, VK_F2));

    // Removing from the middle of a command's keys takes the right entry.
    SelectCommand(0);
    SelectKey(1);
    Press(XTP_IDC_BUTTON_REMOVE);
    EXPECT_EQ((std::vector<CString>{L"Ctrl+N"}), Items(XTP_IDC_LBOX_KEYS));
    EXPECT_EQ(-1, CommandOf(FVIRTKEY, VK_F2));
}

TEST_F(KeyboardPage, ResetAllAsksAndOnlyYesBringsBackTheResourceTable)
{
    ACCEL custom[] = {{FVIRTKEY, VK_F9, kSave}};
    Manager()->UpdateAcceleratorTable(custom, 1);
    Show();
    SelectCommand(1);
    CString strMessage;
    {
        CDialogScript script({ReadMessage(&strMessage, IDNO)});
        Press(XTP_IDC_BUTTON_RESETALL);
    }
    EXPECT_EQ(CString(L"Sind sie sicher die Tastatur-Zuweisungen zurückzusetzen?  Diese Aktion löscht alle "
                      L"selbstdefinierten Tastaturzuweisungen."),
              strMessage);
    EXPECT_EQ(1u, Table().size());
    EXPECT_EQ((std::vector<CString>{L"F9"}), Items(XTP_IDC_LBOX_KEYS));
    {
        CDialogScript script({ReadMessage(&strMessage, IDYES)});
        Press(XTP_IDC_BUTTON_RESETALL);
    }
    EXPECT_EQ(4u, Table().size());
    EXPECT_EQ((std::vector<CString>{L"Ctrl+S"}), Items(XTP_IDC_LBOX_KEYS));
}

TEST_F(KeyboardPage, Picture)
{
    pSheet = new CXTPCustomizeSheet(pBars, &site);
    pPage = new CXTPCustomizeKeyboardPage(pSheet);
    pPage->AddCategories(kMenuAndAccel);
    pPage->FindCategory(L"Datei")->pControls->GetFirst()->SetDescription(L"Legt ein neues Dokument an.");
    Host(pPage);
    SelectCommand(0);
    SelectKey(1);
    testpump::PumpUntilIdle();
    HWND hSheet = pHost->Sheet().GetSafeHwnd();
    testshot::Image image = ctltest::ShootWindow(hSheet, L"customize_keyboard_page.png");

    // A point of a list row near its right end (past the text), in the picture.
    RECT rcSheet;
    ::GetWindowRect(hSheet, &rcSheet);
    auto RowEnd = [&](int nID, int nRow) {
        RECT rc = {};
        ::SendMessageW(Item(nID), LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rc));
        POINT pt = {rc.right - 4, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(Item(nID), &pt);
        return POINT{pt.x - rcSheet.left, pt.y - rcSheet.top};
    };
    const COLORREF clrSelected = ::GetSysColor(COLOR_HIGHLIGHT);
    POINT ptCommand = RowEnd(XTP_IDC_LBOX_COMMANDS, 0), ptOther = RowEnd(XTP_IDC_LBOX_COMMANDS, 1);
    POINT ptKey = RowEnd(XTP_IDC_LBOX_KEYS, 1), ptFirstKey = RowEnd(XTP_IDC_LBOX_KEYS, 0);
    EXPECT_EQ(clrSelected, image.Pixel(ptCommand.x, ptCommand.y)) << "the chosen command";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(ptOther.x, ptOther.y));
    EXPECT_EQ(clrSelected, image.Pixel(ptKey.x, ptKey.y)) << "the chosen shortcut";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(ptFirstKey.x, ptFirstKey.y));

    // The description is drawn: text-coloured pixels in its box.
    RECT rcDesc;
    ::GetWindowRect(Item(XTP_IDC_TXT_DESC_OVERVIEW), &rcDesc);
    int nTextPixels = 0;
    for (int y = rcDesc.top; y < rcDesc.bottom; y++)
        for (int x = rcDesc.left; x < rcDesc.right; x++)
            if (image.Pixel(x - rcSheet.left, y - rcSheet.top) == ::GetSysColor(COLOR_BTNTEXT))
                nTextPixels++;
    EXPECT_GT(nTextPixels, 40) << "the command's description";
}

// The columns between the first and the last pixel that is not the list's
// background, in the middle of a row of the list (drawn in the picture).
int InkWidth(const testshot::Image& image, HWND hList, int nRow, POINT ptListInPicture)
{
    RECT rc = {};
    ::SendMessageW(hList, LB_GETITEMRECT, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&rc));
    const COLORREF clrBack = ::GetSysColor(COLOR_WINDOW);
    int nLeft = -1, nRight = -1;
    for (int x = rc.left + 2; x < rc.right - 2; x++)
        for (int y = rc.top + 1; y < rc.bottom - 1; y++)
            if (image.Pixel(ptListInPicture.x + x, ptListInPicture.y + y) != clrBack) {
                if (nLeft < 0)
                    nLeft = x;
                nRight = x;
            }
    return nLeft < 0 ? 0 : nRight - nLeft + 1;
}

int TextWidth(HWND hWnd, LPCWSTR lpszText)
{
    HDC hDC = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, lpszText, lstrlenW(lpszText), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return size.cx;
}

// On a German keymap, whose display names the Ü key "udiaeresis": Ctrl+Ü
// pressed into the box reads "Ctrl+Ü" there and among the command's keys
// once assigned, and is drawn so.
TEST_F(KeyboardPage, AnUmlautKeyIsNamedByItsLetterInTheBoxAndTheKeys)
{
    CDisplayKeymap german("de", L'\u00fc');
    ASSERT_TRUE(german.IsActive()) << "the display did not switch to a German keymap";
    const WORD wUmlaut = german.Key();
    const std::wstring strCtrlUmlaut = L"Ctrl+\u00dc";
    Show();
    SelectCommand(0);
    ASSERT_TRUE(Capture({VK_CONTROL}, wUmlaut)) << "the keys did not reach the capture box";
    EXPECT_EQ(strCtrlUmlaut, WindowText(Item(XTP_IDC_EDIT_SHORTCUTKEY)).GetString());
    ASSERT_TRUE(::IsWindowEnabled(Item(XTP_IDC_BUTTON_ASSIGN)));
    Press(XTP_IDC_BUTTON_ASSIGN);
    EXPECT_EQ(kNew, CommandOf(FVIRTKEY | FCONTROL, wUmlaut));
    // The new row: the one that is neither of the command's former keys.
    const std::vector<CString> keys = Items(XTP_IDC_LBOX_KEYS);
    ASSERT_EQ(3u, keys.size());
    int nRow = 0;
    while (nRow < 2 && (keys[nRow] == L"Ctrl+N" || keys[nRow] == L"F2"))
        nRow++;
    EXPECT_EQ(strCtrlUmlaut, keys[nRow].GetString());

    testpump::PumpUntilIdle();
    HWND hSheet = pHost->Sheet().GetSafeHwnd();
    testshot::Image image = ctltest::ShootWindow(hSheet, L"customize_keyboard_umlaut_key.png");
    RECT rcSheet;
    ::GetWindowRect(hSheet, &rcSheet);
    HWND hList = Item(XTP_IDC_LBOX_KEYS);
    POINT ptList = {0, 0};
    ::ClientToScreen(hList, &ptList);
    ptList = {ptList.x - rcSheet.left, ptList.y - rcSheet.top};
    // The row is drawn as wide as "Ctrl+Ü" in the list's font, far from the
    // symbol's name; the first row ("Ctrl+N") tells how the ink's width
    // stands to the text's.
    const int nInk = InkWidth(image, hList, nRow, ptList);
    const int nWanted = TextWidth(hList, strCtrlUmlaut.c_str());
    const int nBearings = TextWidth(hList, L"Ctrl+N") - InkWidth(image, hList, 0, ptList);
    EXPECT_EQ(std::wstring(L"Ctrl+N"), keys[0].GetString());
    EXPECT_NEAR(nWanted - nBearings, nInk, 2) << "drawn " << nInk << " wide, \"Ctrl+\u00dc\" is " << nWanted;
    EXPECT_LT(nInk + 20, TextWidth(hList, L"Ctrl+Udiaeresis"));
}

} // namespace
