// The "Name:" box of the customize menu in the program's own frame, used
// as a user does: a right click on a toolbar button opens the menu, a click
// into the box and typing change the text, and leaving the box in any way
// but Esc renames the button as Enter does.
#include <gtest/gtest.h>

#include "BarsTestSupport.h"
#include "resources/AppIds.h"
#include "resources/ToolkitCustomizeIds.h"
#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControlEditCtrl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <commctrl.h>

using namespace barstest;

namespace {

const wchar_t kNewName[] = L"&Extras";

void ClickBesideTheSheetsButtons(HWND hSheet, CXTPPopupBar*)
{
    RECT rc;
    ::GetClientRect(hSheet, &rc);
    testinput::ClickOn(hSheet, testinput::ClientToScreenPoint(hSheet, 12, rc.bottom - 12));
}

class CustomizeNameEdit : public FrameBars
{
protected:
    CXTPCommandBars* Bars() const { return pFrame->GetCommandBars(); }

    // "Anpassen..." open; a right click on the button opens the customize
    // menu; a click into "Name:" and the new name typed; then `leave` runs
    // while the menu still tracks, and the steps `then` in turn until the
    // menu is closed. The sheet shows the page of that index. Answers
    // whether every step ran.
    bool TypeNameThen(CXTPControl* pButton, const std::function<void(HWND hSheet, CXTPPopupBar* pMenu)>& leave,
                      int nPage = 0, const std::vector<TimedStep>& then = {})
    {
        bool bAllRun = false;
        CInModal inSheet([&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 190, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::SendMessageW(hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
            testpump::PumpUntilIdle();
            CXTPCustomizeSheet* pSheet = DYNAMIC_DOWNCAST(CXTPCustomizeSheet, CWnd::FromHandlePermanent(hSheet));
            CXTPPopupBar* pMenu = pSheet != nullptr ? pSheet->GetContextMenu() : nullptr;
            CXTPControlEdit* pName =
                pMenu != nullptr
                    ? dynamic_cast<CXTPControlEdit*>(pMenu->GetControls()->FindControl(XTP_ID_CUSTOMIZE_NAME))
                    : nullptr;
            if (pName == nullptr) {
                ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                return;
            }
            auto editWindow = [pName] {
                return pName->GetEditCtrl() != nullptr ? pName->GetEditCtrl()->GetSafeHwnd() : nullptr;
            };
            std::vector<TimedStep> steps = {
                {[=] { return pMenu->IsTrackingMode() && ::IsWindowVisible(pMenu->GetSafeHwnd()) && editWindow(); },
                 [=] {
                     RECT rc;
                     ::GetWindowRect(editWindow(), &rc);
                     testinput::ClickAt(POINT{rc.right - 8, (rc.top + rc.bottom) / 2});
                 }},
                {[=] { return ::GetFocus() == editWindow(); },
                 [=] {
                     // The caption shown is replaced as a whole.
                     testinput::SendChord({VK_CONTROL, 'A'});
                     for (const wchar_t* p = kNewName; *p; ++p)
                         testinput::SendChar(*p);
                 }},
                {[=] { return pName->GetEditText() == kNewName; }, [=] { leave(hSheet, pMenu); }},
            };
            steps.insert(steps.end(), then.begin(), then.end());
            steps.push_back(
                {[=] { return !pMenu->IsTrackingMode(); },
                 [&, hSheet] {
                     bAllRun = true;
                     ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
                 }});
            RunSteps(std::move(steps));
            testinput::ClickAt(ScreenRect(pButton).CenterPoint(), true);
        });
        pFrame->PostMessage(WM_COMMAND, ID_CUSTOMIZE);
        const bool bEnded = testpump::PumpUntil([&] { return inSheet.HasRun() && !Bars()->IsCustomizeMode(); });
        if (!bAllRun && !StepsDone())
            ADD_FAILURE() << "step " << StepsRun() << " never became ready";
        DropSteps();
        return bEnded && bAllRun;
    }
};

TEST_F(CustomizeNameEdit, LeavingTheNameBoxByAClickRenamesTheButtonAsEnterDoes)
{
    ShowFrame();
    CXTPControl* pStart = ToolBarButton(ID_START_SEARCH);
    CXTPControl* pOptions = ToolBarButton(ID_OPTIONS);
    ASSERT_NE(pStart, nullptr);
    ASSERT_NE(pOptions, nullptr);
    const CString strOptions = pOptions->GetCaption();

    // Enter: the road that always worked, for comparison.
    ASSERT_TRUE(TypeNameThen(pStart, [](HWND, CXTPPopupBar*) { testinput::SendKey(VK_RETURN); }));
    EXPECT_STREQ(kNewName, pStart->GetCaption().GetString()) << "Enter";
    pStart->SetCustomCaption(CString());

    // A click on the sheet, beside its buttons.
    ASSERT_TRUE(TypeNameThen(pStart, ClickBesideTheSheetsButtons));
    EXPECT_STREQ(kNewName, pStart->GetCaption().GetString()) << "click on the sheet";
    pStart->SetCustomCaption(CString());

    // A click into the category list of "Befehle": the page keeps the menu
    // open, but the name box has lost the focus; a click on the sheet then
    // closes the menu.
    ASSERT_TRUE(TypeNameThen(
        pStart,
        [](HWND hSheet, CXTPPopupBar*) {
            HWND hPage = reinterpret_cast<HWND>(::SendMessageW(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            HWND hCategories = ::GetDlgItem(hPage, XTP_IDC_LIST_CATEGORIES);
            RECT rc;
            ::GetWindowRect(hCategories, &rc);
            testinput::ClickAt(POINT{(rc.left + rc.right) / 2, rc.top + 6});
        },
        1,
        {{[] { return ::GetDlgCtrlID(::GetFocus()) == XTP_IDC_LIST_CATEGORIES; },
          [] {
              HWND hSheet = ::GetAncestor(::GetFocus(), GA_ROOT);
              ClickBesideTheSheetsButtons(hSheet, nullptr);
          }}}));
    EXPECT_STREQ(kNewName, pStart->GetCaption().GetString()) << "click on the commands page";
    pStart->SetCustomCaption(CString());

    // A click on another button of the toolbar: the button the menu was
    // opened for takes the name, not the one clicked.
    ASSERT_TRUE(TypeNameThen(pStart, [&](HWND, CXTPPopupBar*) {
        testinput::ClickAt(ScreenRect(pOptions).CenterPoint());
    }));
    EXPECT_STREQ(kNewName, pStart->GetCaption().GetString()) << "click on another button";
    EXPECT_STREQ(strOptions.GetString(), pOptions->GetCaption().GetString());
    pStart->SetCustomCaption(CString());

    // Esc puts the shown name back and renames nothing.
    const CString strStart = pStart->GetCaption();
    ASSERT_TRUE(TypeNameThen(pStart, [](HWND, CXTPPopupBar*) { testinput::SendKey(VK_ESCAPE); }));
    EXPECT_STREQ(strStart.GetString(), pStart->GetCaption().GetString()) << "Esc";
    EXPECT_TRUE(pStart->GetCustomCaption().IsEmpty()) << "Esc";

    // Another item of the menu chosen: the name and the item's action both.
    ASSERT_TRUE(TypeNameThen(pStart, [&](HWND, CXTPPopupBar* pMenu) {
        CXTPControl* pTextOnly = pMenu->GetControls()->FindControl(XTP_ID_CUSTOMIZE_TEXTONLY);
        testinput::ClickAt(ScreenRect(pTextOnly).CenterPoint());
    }));
    EXPECT_STREQ(kNewName, pStart->GetCaption().GetString()) << "another item chosen";
    EXPECT_EQ(xtpButtonCaption, pStart->GetStyle());
}

} // namespace
