// Dropping dragged controls onto bars in customize mode: position and marker,
// drops on the control itself, clones elsewhere, the refused self-drop.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "support/ImportPatch.h"
#include "support/Screenshot.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControlCustom.h"
#include "toolkit/commandbars/lists/XTPControlOleItems.h"
#include "toolkit/commandbars/lists/XTPControlRecentFileList.h"
#include "toolkit/commandbars/lists/XTPControlToolbars.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"
#include "toolkit/commandbars/lists/XTPControlWorkspaceActions.h"

using namespace testinput;
using testpump::PumpUntil;
using testpump::PumpUntilIdle;

namespace {

// Notes the cursor shown when a drop arrives: the drag's last say on move or copy.
class CCursorNotingBar : public CTestBar
{
public:
    HCURSOR hDropCursor = nullptr;
    void OnCustomizeDrop(CXTPControl* pDataObject, DROPEFFECT& dropEffect, CPoint ptDrop, CPoint ptDrag) override
    {
        hDropCursor = ::GetCursor();
        CTestBar::OnCustomizeDrop(pDataObject, dropEffect, ptDrop, ptDrag);
    }
};

class CustomizeDrop : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 400, 200)));
        for (CTestBar* pBar : {&m_source, static_cast<CTestBar*>(&m_target)}) {
            ASSERT_TRUE(pBar->Create(&m_site, CRect(0, pBar == &m_source ? 0 : 40, 300, pBar == &m_source ? 30 : 70)));
            pBar->SetCommandBars(&m_commandBars);
            for (int i = 0; i < 3; i++)
                pBar->AddButton(200 + i, CRect(2 + i * 30, 2, 32 + i * 30, 25), L"");
        }
        m_target.GetControl(2)->SetBeginGroup(TRUE);
        m_commandBars.SetSite(&m_site);
        m_commandBars.SetCustomizeMode(TRUE);
    }
    void TearDown() override
    {
        m_commandBars.SetCustomizeMode(FALSE);
        for (CTestBar* pBar : {&m_source, static_cast<CTestBar*>(&m_target)}) {
            pBar->SetCommandBars(nullptr);
            pBar->DestroyWindow();
        }
        m_site.DestroyWindow();
    }

    CTestSite m_site;
    CXTPCommandBars m_commandBars;
    CTestBar m_source;
    CCursorNotingBar m_target;
};

} // namespace

TEST_F(CustomizeDrop, MarkerShowsBeforeOrAfterTheNearestControl)
{
    CRect rcMarker;
    BOOL bAfter = FALSE;
    EXPECT_EQ(1, m_target.CalcDropPosition(nullptr, CPoint(40, 10), rcMarker, bAfter));
    EXPECT_FALSE(bAfter);
    EXPECT_EQ(CRect(32, 2, 38, 25), rcMarker) << "at the left edge";
    EXPECT_EQ(0, m_target.CalcDropPosition(nullptr, CPoint(25, 10), rcMarker, bAfter));
    EXPECT_TRUE(bAfter);
    EXPECT_EQ(CRect(32, 2, 38, 25), rcMarker) << "beyond the right edge: the next control continues the row";
    EXPECT_EQ(1, m_target.CalcDropPosition(nullptr, CPoint(55, 10), rcMarker, bAfter));
    EXPECT_EQ(CRect(56, 2, 62, 25), rcMarker) << "inside the right edge: a group starts next";
    EXPECT_EQ(1, m_target.CalcDropPosition(m_target.GetControl(1), CPoint(55, 10), rcMarker, bAfter));
    EXPECT_TRUE(rcMarker.IsRectEmpty()) << "no marker over the dragged control itself";

    m_target.GetControls()->RemoveAll();
    EXPECT_EQ(-1, m_target.CalcDropPosition(nullptr, CPoint(55, 10), rcMarker, bAfter));
    EXPECT_EQ(CRect(2, 2, 8, 28), rcMarker) << "an empty bar";
}

TEST_F(CustomizeDrop, DropsOnTheControlItselfMoveNothingOrAddAGroup)
{
    CXTPControl* pDragged = m_target.GetControl(1);
    DROPEFFECT effect = DROPEFFECT_MOVE;
    m_target.OnCustomizeDrop(pDragged, effect, CPoint(50, 10), CPoint(47, 12));
    EXPECT_EQ(5u, effect);
    EXPECT_FALSE(pDragged->GetBeginGroup()) << "3 pixels off is no move";
    m_target.OnCustomizeDrop(pDragged, effect, CPoint(55, 10), CPoint(40, 10));
    EXPECT_TRUE(pDragged->GetBeginGroup()) << "its own right half: a separator before it";
    m_target.OnCustomizeDrop(pDragged, effect, CPoint(35, 10), CPoint(50, 10));
    EXPECT_FALSE(pDragged->GetBeginGroup());
    CXTPControl* pFirst = m_target.GetControl(0);
    m_target.OnCustomizeDrop(pFirst, effect, CPoint(25, 10), CPoint(5, 10));
    EXPECT_FALSE(pFirst->GetBeginGroup()) << "never before the first control";
    EXPECT_EQ(3, m_target.GetControlCount());
}

TEST_F(CustomizeDrop, ElsewhereAClonesIsInsertedAndSelected)
{
    CXTPControl* pDragged = m_source.GetControl(0);
    DROPEFFECT effect = DROPEFFECT_MOVE;
    m_target.OnCustomizeDrop(pDragged, effect, CPoint(70, 10), CPoint(5, 5));
    ASSERT_EQ(4, m_target.GetControlCount());
    CXTPControl* pClone = m_target.GetControl(2);
    EXPECT_EQ(200, pClone->GetID());
    EXPECT_NE(pDragged, pClone);
    EXPECT_TRUE(pClone->GetBeginGroup()) << "took the group start of the control it went before";
    EXPECT_FALSE(m_target.GetControl(3)->GetBeginGroup());
    EXPECT_EQ(pClone, m_commandBars.GetDragControl());
    EXPECT_EQ(3, m_source.GetControlCount()) << "the drag helper removes a moved source, not the drop";
    EXPECT_TRUE(m_target.GetDropMarker().IsRectEmpty());
}

TEST_F(CustomizeDrop, ABarOutsideCustomizationTakesNoClone)
{
    m_target.SetCustomizable(FALSE);
    DROPEFFECT effect = DROPEFFECT_MOVE;
    m_target.OnCustomizeDrop(m_source.GetControl(0), effect, CPoint(70, 10), CPoint(5, 5));
    EXPECT_EQ(DROPEFFECT_NONE, effect);
    EXPECT_EQ(3, m_target.GetControlCount());
    EXPECT_EQ(DROPEFFECT_NONE, m_target.OnCustomizeDragEnter(m_source.GetControl(0), CPoint(70, 10)));
    m_target.SetCustomizable(TRUE);
    EXPECT_EQ(DROPEFFECT_MOVE, m_target.OnCustomizeDragEnter(m_source.GetControl(0), CPoint(70, 10)));
}

TEST_F(CustomizeDrop, PopupIsRefusedInsideItsOwnBar)
{
    CXTPControlPopup* pPopup = new CXTPControlPopup();
    m_source.GetControls()->Add(pPopup, 0);
    CXTPPopupBar* pOwnBar = new CXTPPopupBar();
    pOwnBar->SetParentBar(&m_source);
    ASSERT_TRUE(pOwnBar->CreateEx(0, AfxRegisterWndClass(0), L"Popup", WS_CHILD | WS_VISIBLE, 0, 80, 200, 20,
                                  m_site.GetSafeHwnd(), nullptr));
    pOwnBar->GetControls()->Add(new CXTPControlButton(), 300)->SetRect(CRect(3, 3, 100, 18));
    pPopup->SetCommandBar(pOwnBar);
    CXTPPopupBar* pBelow = new CXTPPopupBar();
    pBelow->SetParentBar(pOwnBar);

    DROPEFFECT effect = DROPEFFECT_MOVE;
    pOwnBar->OnCustomizeDrop(pPopup, effect, CPoint(50, 10), CPoint(0, 0));
    EXPECT_EQ(DROPEFFECT_NONE, effect);
    EXPECT_EQ(1, pOwnBar->GetControlCount()) << "the bar would hold itself";
    EXPECT_EQ(DROPEFFECT_NONE, pOwnBar->OnCustomizeDragOver(pPopup, CPoint(50, 10)));
    pBelow->OnCustomizeDrop(pPopup, effect, CPoint(5, 5), CPoint(0, 0));
    EXPECT_EQ(0, pBelow->GetControlCount()) << "nor a bar below it";
    m_target.OnCustomizeDrop(pPopup, effect, CPoint(70, 10), CPoint(0, 0));
    EXPECT_EQ(4, m_target.GetControlCount()) << "other bars take it";

    pBelow->InternalRelease();
    pPopup->SetCommandBar(nullptr);
    pOwnBar->DestroyWindow();
    pOwnBar->InternalRelease();
}

TEST_F(CustomizeDrop, ListPlaceholdersGoOnlyIntoMenus)
{
    CXTPPopupBar* pMenu = new CXTPPopupBar();
    pMenu->SetCommandBars(&m_commandBars);
    ASSERT_TRUE(pMenu->CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_CHILD | WS_VISIBLE, 0, 80, 200, 20,
                                m_site.GetSafeHwnd(), nullptr));
    struct Case
    {
        const char* what;
        CXTPControl* pControl;
    };
    const Case cases[] = {
        {"toolbars list", new CXTPControlToolbars()},      {"window list", new CXTPControlWindowList()},
        {"recent-file list", new CXTPControlRecentFileList()}, {"OLE items", new CXTPControlOleItems()},
        {"workspace actions", new CXTPControlWorkspaceActions()}, {"custom control", new CXTPControlCustom()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_source.GetControls()->Add(c.pControl, 500);
        DROPEFFECT effect = DROPEFFECT_MOVE;
        EXPECT_FALSE(c.pControl->IsCustomizeDragOverAvail(&m_target, CPoint(70, 10), effect));
        EXPECT_EQ(DROPEFFECT_NONE, effect) << "refused with no effect";
        EXPECT_EQ(DROPEFFECT_NONE, m_target.OnCustomizeDragEnter(c.pControl, CPoint(70, 10)));
        EXPECT_TRUE(m_target.GetDropMarker().IsRectEmpty()) << "no place shown on the toolbar";
        effect = DROPEFFECT_MOVE;
        m_target.OnCustomizeDrop(c.pControl, effect, CPoint(70, 10), CPoint(5, 5));
        EXPECT_EQ(DROPEFFECT_NONE, effect) << "a move would delete the source";
        EXPECT_EQ(3, m_target.GetControlCount()) << "the toolbar took a clone";

        const int nInMenu = pMenu->GetControlCount();
        EXPECT_EQ(DROPEFFECT_MOVE, pMenu->OnCustomizeDragEnter(c.pControl, CPoint(50, 10)));
        effect = DROPEFFECT_MOVE;
        pMenu->OnCustomizeDrop(c.pControl, effect, CPoint(50, 10), CPoint(5, 5));
        EXPECT_EQ(DROPEFFECT_MOVE, effect);
        EXPECT_EQ(nInMenu + 1, pMenu->GetControlCount()) << "a menu takes it";
    }
    pMenu->SetCommandBars(nullptr);
    pMenu->DestroyWindow();
    pMenu->InternalRelease();
}

TEST_F(CustomizeDrop, ScreenshotOfHotControlSelectionAndMarker)
{
    m_commandBars.SetCustomizeMode(FALSE);
    for (CTestBar* pBar : {&m_source, static_cast<CTestBar*>(&m_target)}) {
        pBar->GetControls()->RemoveAll();
        for (int i = 0; i < 4; i++)
            pBar->AddButton(0, CRect(2 + i * 50, 2, 2 + i * 50 + 48, 25), i % 2 ? L"Zwei" : L"Eins");
    }
    m_source.SetSelected(1);
    m_commandBars.SetCustomizeMode(TRUE);
    m_commandBars.SetCustomizeSelection(m_target.GetControl(1));
    m_target.OnCustomizeDragOver(m_source.GetControl(0), CPoint(125, 10));
    EXPECT_FALSE(m_target.GetDropMarker().IsRectEmpty());
    testshot::Image image = testshot::CaptureWindow(m_site.GetSafeHwnd());
    EXPECT_FALSE(testshot::Save(image, L"commandbars_customize.png").empty());
    // The selection frame is black; the marker inverts the bar's face.
    CRect rcSelected = m_target.GetControl(1)->GetRect();
    EXPECT_EQ(RGB(0, 0, 0), image.Pixel(rcSelected.left, 40 + rcSelected.top + 5));
    EXPECT_EQ(RGB(0, 0, 0), image.Pixel(rcSelected.left + 1, 40 + rcSelected.top + 5));
    CRect rcMarker = m_target.GetDropMarker();
    EXPECT_NE(GetSysColor(COLOR_3DFACE), image.Pixel(rcMarker.left + 2, 40 + rcMarker.top + 5));
}

namespace {

// Drags with real input from the source bar's first control to a point of
// the target bar; keys are pressed before the drag starts when given.
void DragByInput(CPoint ptFrom, CPoint ptTo, std::initializer_list<WORD> keysDown, WORD keyDuring = 0)
{
    for (WORD vk : keysDown)
        SendKeyDown(vk);
    SendMouse(0, ptFrom);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    SendMouse(0, CPoint(ptFrom.x + 10, ptFrom.y + 10));
    SendMouse(0, ptTo);
    if (keyDuring)
        SendKey(keyDuring);
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    for (WORD vk : keysDown)
        SendKeyUp(vk);
    // The drag loop runs inside the press; the queue runs dry once it ended.
    PumpUntilIdle();
}

} // namespace

TEST_F(CustomizeDrop, DraggingMovesCtrlCopiesEscapeCancels)
{
    for (CTestBar* pBar : {&m_source, static_cast<CTestBar*>(&m_target)})
        m_commandBars.GetDragHelper()->AddDropTarget(pBar);
    SetForegroundWindow(m_site.GetSafeHwnd());
    PumpUntilIdle();
    // The first control of the source bar, where it is now.
    auto source = [&]() {
        CPoint pt = m_source.GetControl(0)->GetRect().CenterPoint();
        m_source.ClientToScreen(&pt);
        return pt;
    };
    const CPoint ptTarget(175, 150);

    DragByInput(source(), ptTarget, {});
    ASSERT_EQ(4, m_target.GetControlCount()) << "input was not delivered";
    EXPECT_EQ(200, m_target.GetControl(2)->GetID());
    EXPECT_EQ(2, m_source.GetControlCount()) << "moved";
    EXPECT_EQ(nullptr, GetCapture());
    HCURSOR hMove = XTPGetResourceManager()->LoadCursor(XTP_IDC_COMMANDBARS_DRAGMOVE);
    HCURSOR hCopy = XTPGetResourceManager()->LoadCursor(XTP_IDC_COMMANDBARS_DRAGCOPY);
    ASSERT_NE(hMove, hCopy);
    EXPECT_EQ(hMove, m_target.hDropCursor);

    DragByInput(source(), ptTarget, {VK_CONTROL});
    EXPECT_EQ(5, m_target.GetControlCount());
    EXPECT_EQ(2, m_source.GetControlCount()) << "Ctrl copies";
    EXPECT_EQ(hCopy, m_target.hDropCursor) << "under the copy cursor";

    DragByInput(source(), ptTarget, {}, VK_ESCAPE);
    EXPECT_EQ(5, m_target.GetControlCount()) << "Escape cancels";
    EXPECT_EQ(2, m_source.GetControlCount());
    EXPECT_TRUE(m_target.GetDropMarker().IsRectEmpty()) << "the target heard the drag leave";

    CPoint ptSource = source();
    SendMouse(0, ptSource);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptSource);
    SendMouse(MOUSEEVENTF_LEFTUP, ptSource);
    PumpUntilIdle();
    EXPECT_EQ(2, m_source.GetControlCount()) << "a press without a move changes nothing";
    EXPECT_EQ(201, m_source.GetControl(0)->GetID());
}

namespace {

// A control that may be resized, as edit and combo boxes may.
class CResizableButton : public CXTPControlButton
{
public:
    int width = 0;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return 20; }
    void SetWidth(int nWidth) override { width = nWidth; }
};

} // namespace

TEST_F(CustomizeDrop, SelectedResizableControlsResizeAtTheirEdges)
{
    CResizableButton* pButton = new CResizableButton();
    m_target.GetControls()->Add(pButton, 0);
    pButton->SetRect(CRect(100, 2, 160, 25));
    m_commandBars.SetCustomizeSelection(pButton);
    SetForegroundWindow(m_site.GetSafeHwnd());
    PumpUntilIdle();
    auto screen = [&](int x, int y) {
        CPoint pt(x, y);
        m_target.ClientToScreen(&pt);
        return pt;
    };
    EXPECT_FALSE(pButton->CustomizeStartResize(CPoint(130, 10))) << "more than 2 pixels from both edges";

    SendMouse(0, screen(159, 10));
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen(159, 10));
    SendMouse(0, screen(189, 10));
    SendMouse(MOUSEEVENTF_LEFTUP, screen(189, 10));
    PumpUntil([&] { return pButton->width != 0; });
    PumpUntilIdle();
    ASSERT_EQ(90, pButton->width) << "input was not delivered";
    EXPECT_EQ(pButton, m_commandBars.GetDragControl()) << "the selection is back";

    pButton->width = 0;
    SendMouse(0, screen(100, 10));
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen(100, 10));
    SendMouse(0, screen(150, 10));
    SendMouse(MOUSEEVENTF_LEFTUP, screen(150, 10));
    PumpUntil([&] { return pButton->width != 0; });
    PumpUntilIdle();
    EXPECT_EQ(20, pButton->width) << "the left edge stops at the smallest width";

    pButton->width = 0;
    SendMouse(0, screen(159, 10));
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen(159, 10));
    SendMouse(0, screen(189, 10));
    SendKey(VK_ESCAPE);
    SendMouse(MOUSEEVENTF_LEFTUP, screen(189, 10));
    PumpUntilIdle();
    EXPECT_EQ(0, pButton->width) << "Escape keeps the width";
    EXPECT_EQ(nullptr, GetCapture());
}

// The pointer on an edge of the selected resizable control shows that a press
// there resizes it; elsewhere, or over a control not selected, it does not.
TEST_F(CustomizeDrop, TheSelectedResizableControlShowsTheResizeCursorAtItsEdges)
{
    CResizableButton* pButton = new CResizableButton();
    m_target.GetControls()->Add(pButton, 0);
    pButton->SetRect(CRect(100, 2, 160, 25));
    CResizableButton* pOther = new CResizableButton();
    m_target.GetControls()->Add(pOther, 0);
    pOther->SetRect(CRect(170, 2, 230, 25));
    m_commandBars.SetCustomizeSelection(pButton);
    SetForegroundWindow(m_site.GetSafeHwnd());
    PumpUntilIdle();
    HCURSOR hResize = XTPGetResourceManager()->LoadCursor(9972);
    ASSERT_NE(nullptr, hResize);
    auto cursorAt = [&](int x, int y) {
        CPoint pt(x, y);
        m_target.ClientToScreen(&pt);
        SendMouse(0, pt);
        PumpUntilIdle();
        return ::GetCursor();
    };
    EXPECT_EQ(hResize, cursorAt(159, 10));
    EXPECT_NE(hResize, cursorAt(130, 10));
    EXPECT_EQ(hResize, cursorAt(101, 10));
    EXPECT_NE(hResize, cursorAt(171, 10)) << "only the selected control resizes";
}

TEST_F(CustomizeDrop, QuitEndsAResizeAndStaysQueued)
{
    CResizableButton* pButton = new CResizableButton();
    m_target.GetControls()->Add(pButton, 0);
    pButton->SetRect(CRect(100, 2, 160, 25));
    m_commandBars.SetCustomizeSelection(pButton);
    PumpUntilIdle();
    PostQuitMessage(3);
    EXPECT_TRUE(pButton->CustomizeStartResize(CPoint(159, 10)));
    EXPECT_EQ(0, pButton->width);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(pButton, m_commandBars.GetDragControl()) << "the selection is back";
    EXPECT_TRUE(LockWindowUpdate(GetDesktopWindow())) << "the desktop was left locked";
    LockWindowUpdate(nullptr);
    EXPECT_EQ(3, testpump::PumpUntilQuitTaken());
}

TEST_F(CustomizeDrop, AFailingMessageQueueEndsAResizeAtOnce)
{
    CResizableButton* pButton = new CResizableButton();
    m_target.GetControls()->Add(pButton, 0);
    pButton->SetRect(CRect(100, 2, 160, 25));
    m_commandBars.SetCustomizeSelection(pButton);
    PumpUntilIdle();
    int calls = 0;
    {
        testpatch::CFailingGetMessage patch;
        ASSERT_TRUE(patch.IsActive());
        EXPECT_TRUE(pButton->CustomizeStartResize(CPoint(159, 10)));
        calls = patch.Calls();
    }
    EXPECT_EQ(1, calls);
    EXPECT_EQ(0, pButton->width);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(LockWindowUpdate(GetDesktopWindow())) << "the desktop was left locked";
    LockWindowUpdate(nullptr);
}

namespace {

// A site that offers the customize command, as the program's frame does.
class CCustomizingSite : public CTestSite
{
protected:
    void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizingSite, CTestSite)
    ON_COMMAND(35001, OnCustomize)
END_MESSAGE_MAP()

} // namespace

TEST(CustomizeQuick, AltDragMovesAControlOutsideCustomizeMode)
{
    CCustomizingSite site;
    ASSERT_TRUE(site.Create(CRect(100, 100, 400, 200)));
    CXTPCommandBars commandBars;
    commandBars.SetSite(&site);
    ASSERT_TRUE(commandBars.IsCustomizeAvail());
    CTestBar source, target;
    for (CTestBar* pBar : {&source, &target}) {
        pBar->SetCommandBars(&commandBars);
        ASSERT_TRUE(pBar->Create(&site, CRect(0, pBar == &source ? 0 : 40, 300, pBar == &source ? 30 : 70)));
        for (int i = 0; i < 2; i++)
            pBar->AddButton(300 + i, CRect(2 + i * 30, 2, 32 + i * 30, 25));
    }
    SetForegroundWindow(site.GetSafeHwnd());
    PumpUntilIdle();
    EXPECT_EQ(static_cast<LRESULT>(0x10000 + 300), source.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(10, 10)));
    source.GetControl(0)->SetHelpId(77);
    EXPECT_EQ(static_cast<LRESULT>(0x10000 + 77), source.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(10, 10)));
    EXPECT_EQ(0, source.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(250, 10)));

    SendKeyDown(VK_MENU);
    SendMouse(0, CPoint(117, 113));
    SendMouse(MOUSEEVENTF_LEFTDOWN, CPoint(117, 113));
    SendMouse(0, CPoint(127, 123));
    SendMouse(0, CPoint(150, 150));
    SendMouse(MOUSEEVENTF_LEFTUP, CPoint(150, 150));
    SendKeyUp(VK_MENU);
    PumpUntil([&] { return target.GetControlCount() == 3; });
    PumpUntilIdle();
    EXPECT_EQ(1, source.GetControlCount()) << "moved away";
    EXPECT_EQ(3, target.GetControlCount());
    EXPECT_FALSE(commandBars.IsCustomizeMode()) << "the quick customize mode ended";
    for (CTestBar* pBar : {&source, &target}) {
        pBar->DestroyWindow();
        pBar->SetCommandBars(nullptr);
    }
    site.DestroyWindow();
}
