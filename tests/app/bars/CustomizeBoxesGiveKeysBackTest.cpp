// Each box "Anpassen..." opens gives the keyboard back to the sheet as it
// closes, and so does each button that goes grey once it has done its work:
// the next key the user presses reaches the sheet without a click first
// (Alt+T opens "Tastatur"; there Ctrl+Tab goes on to "Optionen").
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/Screenshot.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "support/TestWindows.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

using namespace barstest;

namespace {

const int kToolbarsPage = 0, kKeyboardPage = 2, kOptionsPage = 3;

class CustomizeBoxes : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // "Anpassen..." as the frame's command; the step runs in the open sheet,
    // which is then closed.
    void Customize(const std::function<void(CXTPCustomizeSheet&, HWND)>& step)
    {
        bool bStepRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
            if (pSheet != nullptr) {
                step(*pSheet, hSheet);
                bStepRun = true;
            }
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        ASSERT_TRUE(testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); }));
        ASSERT_TRUE(bStepRun);
    }

    // Messages handled as the sheet's own loop handles them (its keys go
    // through its pre-translation) until the condition holds.
    static bool PumpAsTheSheetUntil(HWND hSheet, const std::function<bool()>& condition, DWORD dwTimeout)
    {
        const DWORD dwStart = ::GetTickCount();
        while (!condition()) {
            if (::GetTickCount() - dwStart >= dwTimeout || !::IsWindow(hSheet))
                return false;
            MSG msg;
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            if (!CWnd::WalkPreTranslateTree(hSheet, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        return true;
    }

    // The keys pressed as the user does; the sheet's page after them.
    static int PageAfterKeys(HWND hSheet, std::initializer_list<WORD> chord, int nExpected)
    {
        testinput::SendChord(chord);
        PumpAsTheSheetUntil(hSheet, [hSheet, nExpected] { return ActivePage(hSheet) == nExpected; }, 3000);
        testpump::PumpUntilIdle();
        return ActivePage(hSheet);
    }
    static int PageAfterAltT(HWND hSheet) { return PageAfterKeys(hSheet, {VK_MENU, 'T'}, kKeyboardPage); }

    static int ActivePage(HWND hSheet)
    {
        HWND hTabs = ::FindWindowExW(hSheet, nullptr, WC_TABCONTROLW, nullptr);
        return static_cast<int>(::SendMessageW(hTabs, TCM_GETCURSEL, 0, 0));
    }

    static void ClickWindow(HWND hWnd)
    {
        RECT rc = {};
        ::GetWindowRect(hWnd, &rc);
        testinput::ClickAt({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    }

    // Clicks a list's entry; whether it was chosen.
    static bool ClickListEntry(HWND hList, int nItem)
    {
        RECT rc = {};
        ::SendMessageW(hList, LB_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(hList, &pt);
        testinput::ClickAt(pt);
        const bool bChosen =
            testpump::PumpUntil([&] { return static_cast<int>(::SendMessageW(hList, LB_GETCURSEL, 0, 0)) == nItem; });
        testpump::PumpUntilIdle();
        return bChosen;
    }

    // Clicks a button of the page that opens a box, and in the box the
    // button of that id, as the user does; waits until the box is gone.
    // Whether the box came and went. Without an answer the button opens
    // no box: its click is all.
    static bool AnswerBoxOf(HWND hSheet, HWND hButton, int nAnswer)
    {
        if (nAnswer == 0) {
            ClickWindow(hButton);
            testpump::PumpUntilIdle();
            return true;
        }
        auto box = std::make_shared<HWND>(nullptr);
        RunSteps({{[box, hSheet] {
                       *box = testwindows::FindThreadWindow(L"#32770", [hSheet](HWND h) { return h != hSheet; });
                       return *box != nullptr;
                   },
                   [box, nAnswer] { ClickWindow(::GetDlgItem(*box, nAnswer)); }}});
        ClickWindow(hButton);
        const bool bDone = testpump::PumpUntil([box] { return StepsDone() && !::IsWindow(*box); });
        testpump::PumpUntilIdle();
        return bDone;
    }
};

} // namespace

TEST_F(CustomizeBoxes, EveryBoxOfTheSheetAndEveryButtonThatGoesGreyLeaveTheKeyboardWithTheSheet)
{
    ShowFrame();
    CXTPToolBar* pOwn = AddFloatingUserBar();
    ASSERT_NE(nullptr, pOwn);
    pOwn->SetBuiltIn(FALSE);
    struct Road
    {
        const char* name;
        int nPage;
        int nControlOnPage;
        // Chooses what the button works on; false when it could not.
        std::function<bool(HWND hPage)> choose;
        int nButton;
        int nAnswer;
    };
    const auto chooseBar = [](LPCWSTR pszTitle) {
        return [pszTitle](HWND hPage) {
            HWND hList = ::GetDlgItem(hPage, XTP_IDC_LIST_TOOLBARS);
            const LRESULT nItem = ::SendMessageW(hList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(pszTitle));
            return nItem >= 0 && ClickListEntry(hList, static_cast<int>(nItem));
        };
    };
    const auto nothing = [](HWND) { return true; };
    // The first command with Ctrl+O, which "Optionen..." holds: the box asks.
    const auto takenKey = [](HWND hPage) {
        if (!ClickListEntry(::GetDlgItem(hPage, XTP_IDC_LBOX_COMMANDS), 0))
            return false;
        HWND hCapture = ::GetDlgItem(hPage, XTP_IDC_EDIT_SHORTCUTKEY);
        ClickWindow(hCapture);
        testpump::PumpUntil([hCapture] { return ::GetFocus() == hCapture; });
        // The capture box reads the key in the sheet's pre-translation.
        testinput::SendChord({VK_CONTROL, 'O'});
        HWND hAssign = ::GetDlgItem(hPage, XTP_IDC_BUTTON_ASSIGN);
        return PumpAsTheSheetUntil(::GetAncestor(hPage, GA_ROOT),
                                   [hAssign] { return ::IsWindowEnabled(hAssign) != FALSE; }, testpump::kDeadline);
    };
    const auto firstKey = [](HWND hPage) { return ClickListEntry(::GetDlgItem(hPage, XTP_IDC_LBOX_KEYS), 0); };
    const Road roads[] = {
        {"\"Umbenennen...\", OK", kToolbarsPage, XTP_IDC_LIST_TOOLBARS, chooseBar(L"Eigene"),
         XTP_IDC_BUTTON_RENAME, IDOK},
        {"\"Zurücksetzen...\", OK", kToolbarsPage, XTP_IDC_LIST_TOOLBARS, chooseBar(L"Standard"),
         XTP_IDC_BUTTON_RESET, IDOK},
        {"\"Löschen\", OK", kToolbarsPage, XTP_IDC_LIST_TOOLBARS, chooseBar(L"Eigene"), XTP_IDC_BUTTON_DELETE,
         IDOK},
        {"\"Neu...\", OK", kToolbarsPage, XTP_IDC_LIST_TOOLBARS, nothing, XTP_IDC_BUTTON_NEW, IDOK},
        {"\"Zuordnen\" of a taken key, Ja", kKeyboardPage, XTP_IDC_LBOX_COMMANDS, takenKey, XTP_IDC_BUTTON_ASSIGN,
         IDYES},
        {"\"Entfernen\"", kKeyboardPage, XTP_IDC_LBOX_COMMANDS, firstKey, XTP_IDC_BUTTON_REMOVE, 0},
        {"\"Alle zurücksetzen\", Ja", kKeyboardPage, XTP_IDC_LBOX_COMMANDS, nothing, XTP_IDC_BUTTON_RESETALL,
         IDYES},
        {"the usage data reset, Ja", kOptionsPage, XTP_IDC_BUTTON_RESETDATA, nothing, XTP_IDC_BUTTON_RESETDATA,
         IDYES},
    };
    std::string lost;
    bool bDeleted = false;
    HWND hFocusAfterDelete = nullptr, hToolbarsList = nullptr;
    Customize([&](CXTPCustomizeSheet&, HWND hSheet) {
        for (const Road& road : roads) {
            SCOPED_TRACE(road.name);
            HWND hPage = ShowPageByClick(hSheet, road.nPage, road.nControlOnPage);
            if (!road.choose(hPage)) {
                ADD_FAILURE() << "could not prepare";
                continue;
            }
            if (!AnswerBoxOf(hSheet, ::GetDlgItem(hPage, road.nButton), road.nAnswer)) {
                ADD_FAILURE() << "the box was not answered";
                continue;
            }
            if (road.nButton == XTP_IDC_BUTTON_DELETE) {
                bDeleted = Bars()->FindIndex(pOwn) < 0;
                hFocusAfterDelete = ::GetFocus();
                hToolbarsList = ::GetDlgItem(hPage, XTP_IDC_LIST_TOOLBARS);
            }
            // Alt+T opens "Tastatur"; on that page Ctrl+Tab goes on to the next.
            const bool bOnKeyboard = road.nPage == kKeyboardPage;
            const int nExpected = bOnKeyboard ? kOptionsPage : kKeyboardPage;
            const int nPage = bOnKeyboard ? PageAfterKeys(hSheet, {VK_CONTROL, VK_TAB}, nExpected)
                                          : PageAfterAltT(hSheet);
            if (nPage != nExpected)
                lost += std::string(road.name) + "; ";
            if (road.nButton == XTP_IDC_BUTTON_DELETE)
                testshot::Save(testshot::CaptureWindow(hSheet), L"app_customize_alt_t_after_delete.png");
        }
    });
    EXPECT_EQ("", lost) << "boxes and buttons after which the sheet took no key";
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(hToolbarsList, hFocusAfterDelete) << "the toolbars list has the keyboard after the deletion";
}
