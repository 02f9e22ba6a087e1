// List placeholders in customize mode, dragged with the mouse out of the
// open menu of a frame built as the program builds its own: a toolbar
// refuses them and the menu keeps them; another place in a menu takes them.
#include "customize/customize/CustomizeTestSupport.h"
#include "customize/customize/ProgramFrame.h"

#include "support/TestInput.h"
#include "support/TestPump.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/customize/XTPCustomizeSheet.h"

#include <vector>

using namespace custtest;

namespace {

const int kToolbarsListId = 59392;
const int kWindowListId = 35000;

std::vector<int> Ids(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
}

POINT ScreenCentre(CXTPControl* pControl)
{
    POINT pt = pControl->GetRect().CenterPoint();
    ::ClientToScreen(pControl->GetParent()->GetSafeHwnd(), &pt);
    return pt;
}

// Far from the menu, which opens over the toolbar's left end.
CXTPControl* LastMovable(CXTPCommandBar* pBar)
{
    for (int i = pBar->GetControlCount() - 1; i >= 0; i--)
        if (pBar->GetControl(i)->IsVisible() && pBar->GetControl(i)->IsCustomizeMovable())
            return pBar->GetControl(i);
    return nullptr;
}

void DragByInput(POINT ptFrom, POINT ptTo)
{
    testinput::SendMouse(0, ptFrom);
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    testinput::SendMouse(0, {ptFrom.x + 10, ptFrom.y + 10});
    testinput::SendMouse(0, ptTo);
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    testpump::PumpUntilIdle();
}

struct PlaceholderDrag : testing::Test
{
    CProgramApp app;
    CProgramFrame* pFrame = new CProgramFrame();

    PlaceholderDrag()
    {
        CProgramApp::DeleteStored();
        EXPECT_TRUE(pFrame->Open());
        pFrame->RecalcLayout();
        testpump::PumpUntilIdle();
    }
    ~PlaceholderDrag() override
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        CProgramApp::DeleteStored();
    }
    CXTPCommandBars* Bars() { return pFrame->GetCommandBars(); }
    // The step runs in the frame's customize sheet, moved clear of the bars.
    void Customize(const std::function<void()>& step)
    {
        CDialogScript script({[&](HWND hSheet) {
            ::SetWindowPos(hSheet, nullptr, 300, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testpump::PumpUntilIdle();
            step();
            ::PostMessageW(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }});
        pFrame->SendMessage(WM_COMMAND, kCustomizeCommand, 0);
        EXPECT_FALSE(script.TimedOut());
    }
};

} // namespace

TEST_F(PlaceholderDrag, AToolbarRefusesListPlaceholdersAndTheMenuKeepsThem)
{
    CXTPControl* pFile = Bars()->GetMenuBar()->GetControl(0);
    CXTPCommandBar* pMenu = pFile->GetCommandBar();
    ASSERT_NE(nullptr, pMenu);
    pMenu->GetControls()->Add(new CXTPControlToolbars(), kToolbarsListId)->SetCaption(L"Symbolleisten");
    pMenu->GetControls()->Add(new CXTPControlWindowList(), kWindowListId)->SetCaption(L"Fenster");
    CXTPToolBar* pToolBar = pFrame->ToolBar();
    const std::vector<int> toolBarBefore = Ids(pToolBar);
    const std::vector<int> menuBefore = Ids(pMenu);
    std::vector<int> toolBarAfter, menuAfter;
    bool bOpened = false;
    Customize([&] {
        for (int nId : {kToolbarsListId, kWindowListId}) {
            SCOPED_TRACE(nId);
            auto open = [&] { return pMenu->GetSafeHwnd() && pMenu->IsWindowVisible(); };
            if (!open())
                testinput::ClickAt(ScreenCentre(pFile));
            bOpened = testpump::PumpUntil(open);
            if (!bOpened)
                return;
            testpump::PumpUntilIdle();
            CXTPControl* pPlaceholder = pMenu->GetControls()->FindControl(nId);
            ASSERT_NE(nullptr, pPlaceholder);
            ASSERT_TRUE(pPlaceholder->IsVisible()) << "shown itself in customize mode";
            DragByInput(ScreenCentre(pPlaceholder), ScreenCentre(LastMovable(pToolBar)));
        }
        toolBarAfter = Ids(pToolBar);
        menuAfter = Ids(pMenu);
    });
    ASSERT_TRUE(bOpened);
    EXPECT_EQ(toolBarBefore, toolBarAfter) << "the toolbar took a placeholder";
    EXPECT_EQ(menuBefore, menuAfter) << "the menu lost a placeholder";
}
