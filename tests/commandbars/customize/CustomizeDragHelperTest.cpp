// The customize drag helper driven by posted messages: its result, its three
// cursors, Escape and the other ways out (a failing queue too), and which of
// overlapping bars takes the drop.
#include <gtest/gtest.h>
#include <vector>
#include "commandbars/CommandBarsTestSupport.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "support/ImportPatch.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"

using testpump::PumpUntilIdle;

namespace {

// Notes drops instead of taking them, so one bar serves every case.
class CDropNotingBar : public CTestBar
{
public:
    int drops = 0;
    int leaves = 0;
    DROPEFFECT lastEffect = DROPEFFECT_NONE;
    void OnCustomizeDrop(CXTPControl*, DROPEFFECT& dropEffect, CPoint, CPoint) override
    {
        drops++;
        lastEffect = dropEffect;
    }
    void OnCustomizeDragLeave() override
    {
        leaves++;
        CTestBar::OnCustomizeDragLeave();
    }
};

enum StepKind { Move, KeyDown, KeyUp, Release, RightDown, LoseCapture, Note };

struct Step
{
    StepKind kind;
    CPoint pt;       // screen point of mouse steps
    WPARAM wParam;   // button and key flags of a move, the key of a key step
};

// Plays a script into the drag loop one message at a time: each step is
// posted only once the one before was taken, with the cursor already where a
// mouse message says it is. "Note" steps record the cursor and the target.
class CScriptPlayer
{
public:
    CScriptPlayer(HWND hCapture, CXTPCustomizeDragHelper* pHelper)
        : m_hCapture(hCapture), m_pHelper(pHelper)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DragScriptPlayer";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CScriptPlayer() { DestroyWindow(m_hWnd); }
    CScriptPlayer(const CScriptPlayer&) = delete;
    CScriptPlayer& operator=(const CScriptPlayer&) = delete;

    void Start(const std::vector<Step>& steps)
    {
        m_steps = steps;
        cursors.clear();
        targets.clear();
        PostMessageW(m_hWnd, WM_APP, 0, 0);
        // A drag left hanging by a fault ends with the lost capture.
        SetTimer(m_hWnd, 1, testpump::kDeadline, nullptr);
    }

    std::vector<HCURSOR> cursors;
    std::vector<CXTPCommandBar*> targets;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CScriptPlayer* pThis = reinterpret_cast<CScriptPlayer*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (pThis && message == WM_APP) {
            pThis->Play(static_cast<size_t>(wParam));
            return 0;
        }
        if (pThis && message == WM_TIMER) {
            KillTimer(hWnd, 1);
            if (GetCapture() == pThis->m_hCapture)
                ReleaseCapture();
            return 0;
        }
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }

    void Play(size_t index)
    {
        if (index >= m_steps.size())
            return;
        const Step& step = m_steps[index];
        POINT ptClient = step.pt;
        ScreenToClient(m_hCapture, &ptClient);
        LPARAM lParam = MAKELPARAM(ptClient.x, ptClient.y);
        switch (step.kind) {
        case Move:
            SetCursorPos(step.pt.x, step.pt.y);
            PostMessageW(m_hCapture, WM_MOUSEMOVE, step.wParam, lParam);
            break;
        case KeyDown:
            PostMessageW(m_hCapture, WM_KEYDOWN, step.wParam, 1);
            break;
        case KeyUp:
            PostMessageW(m_hCapture, WM_KEYUP, step.wParam, 0xC0000001);
            break;
        case Release:
            SetCursorPos(step.pt.x, step.pt.y);
            PostMessageW(m_hCapture, WM_LBUTTONUP, 0, lParam);
            break;
        case RightDown:
            PostMessageW(m_hCapture, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, lParam);
            break;
        case LoseCapture:
            ReleaseCapture();
            break;
        case Note:
            cursors.push_back(GetCursor());
            targets.push_back(m_pHelper->GetDropTarget());
            break;
        }
        PostMessageW(m_hWnd, WM_APP, index + 1, 0);
    }

    HWND m_hWnd;
    HWND m_hCapture;
    CXTPCustomizeDragHelper* m_pHelper;
    std::vector<Step> m_steps;
};

class CustomizeDragHelper : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 400, 250)));
        ASSERT_TRUE(m_source.Create(&m_site, CRect(0, 0, 300, 30)));
        ASSERT_TRUE(m_target.Create(&m_site, CRect(0, 40, 300, 70)));
        ASSERT_TRUE(m_upper.Create(&m_site, CRect(100, 50, 200, 90)));
        for (CTestBar* pBar : Bars()) {
            pBar->SetCommandBars(&m_commandBars);
            pBar->AddButton(200, CRect(2, 2, 32, 25));
        }
        m_commandBars.SetSite(&m_site);
        m_commandBars.SetCustomizeMode(TRUE);
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_commandBars.SetCustomizeMode(FALSE);
        for (CTestBar* pBar : Bars()) {
            m_commandBars.GetDragHelper()->RemoveDropTarget(pBar);
            pBar->SetCommandBars(nullptr);
            pBar->DestroyWindow();
        }
        m_site.DestroyWindow();
    }
    std::vector<CTestBar*> Bars() { return {&m_source, &m_target, &m_upper}; }
    CPoint OnSite(int x, int y)
    {
        CPoint pt(x, y);
        m_site.ClientToScreen(&pt);
        return pt;
    }
    DROPEFFECT Drag(CScriptPlayer& player, const std::vector<Step>& steps, BOOL bCopyOnly = FALSE)
    {
        player.Start(steps);
        return m_commandBars.GetDragHelper()->DragControl(m_source.GetControl(0), bCopyOnly);
    }

    CTestSite m_site;
    CXTPCommandBars m_commandBars;
    CTestBar m_source;
    CDropNotingBar m_target;
    CDropNotingBar m_upper;
};

HCURSOR Cursor(UINT nId)
{
    return XTPGetResourceManager()->LoadCursor(nId);
}

} // namespace

TEST_F(CustomizeDragHelper, ResultCursorAndDropFollowTheScript)
{
    m_commandBars.GetDragHelper()->AddDropTarget(&m_target);
    CScriptPlayer player(m_site.GetSafeHwnd(), m_commandBars.GetDragHelper());
    const HCURSOR hNone = Cursor(XTP_IDC_COMMANDBARS_DRAGNONE);
    const HCURSOR hMove = Cursor(XTP_IDC_COMMANDBARS_DRAGMOVE);
    const HCURSOR hCopy = Cursor(XTP_IDC_COMMANDBARS_DRAGCOPY);
    ASSERT_TRUE(hNone && hMove && hCopy) << "the command bars' own drag cursors";
    ASSERT_TRUE(hNone != hMove && hMove != hCopy && hCopy != hNone);
    const CPoint onTarget = OnSite(50, 55), outside = OnSite(50, 120), start = OnSite(10, 10);
    const WPARAM held = MK_LBUTTON;

    struct Case
    {
        const char* name;
        std::vector<Step> steps;
        BOOL bCopyOnly;
        DROPEFFECT result;
        int drops;
        std::vector<HCURSOR> cursors;
    };
    const Case cases[] = {
        {"released where pressed", {{Release, start, 0}}, FALSE, 5, 0, {}},
        {"moved outside every bar", {{Move, outside, held}, {Note}, {Release, outside, 0}}, FALSE, 0, 0, {hNone}},
        {"dropped on the bar", {{Move, onTarget, held}, {Note}, {Release, onTarget, 0}}, FALSE, DROPEFFECT_MOVE, 1,
         {hMove}},
        {"Ctrl held from the start",
         {{Move, onTarget, held | MK_CONTROL}, {Note}, {Release, onTarget, 0}}, FALSE, DROPEFFECT_COPY, 1, {hCopy}},
        {"Ctrl pressed and let go",
         {{Move, onTarget, held}, {KeyDown, {}, VK_CONTROL}, {Note}, {KeyUp, {}, VK_CONTROL}, {Note},
          {Release, onTarget, 0}},
         FALSE, DROPEFFECT_MOVE, 1, {hCopy, hMove}},
        {"from a list: copies only", {{Move, onTarget, held}, {Note}, {Release, onTarget, 0}}, TRUE, DROPEFFECT_COPY,
         1, {hCopy}},
        {"onto the bar and off again",
         {{Move, onTarget, held}, {Move, outside, held}, {Note}, {Release, outside, 0}}, FALSE, 0, 0, {hNone}},
        {"button let go elsewhere", {{Move, onTarget, 0}}, FALSE, DROPEFFECT_MOVE, 1, {}},
        {"Escape", {{Move, onTarget, held}, {KeyDown, {}, VK_ESCAPE}}, FALSE, 5, 0, {}},
        {"right button", {{Move, onTarget, held}, {RightDown, onTarget, 0}}, FALSE, 5, 0, {}},
        {"capture lost over the bar", {{Move, onTarget, held}, {LoseCapture}}, FALSE, 5, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_target.drops = 0;
        EXPECT_EQ(c.result, Drag(player, c.steps, c.bCopyOnly));
        EXPECT_EQ(c.drops, m_target.drops);
        if (c.drops) {
            EXPECT_EQ(c.result, m_target.lastEffect);
        }
        EXPECT_EQ(c.cursors, player.cursors);
        EXPECT_EQ(nullptr, m_commandBars.GetDragHelper()->GetDropTarget());
        EXPECT_EQ(nullptr, GetCapture());
        PumpUntilIdle();
    }
}

TEST_F(CustomizeDragHelper, CancelledOverATargetTellsItTheDragLeft)
{
    m_commandBars.GetDragHelper()->AddDropTarget(&m_target);
    CScriptPlayer player(m_site.GetSafeHwnd(), m_commandBars.GetDragHelper());
    const CPoint onTarget = OnSite(50, 55);
    EXPECT_EQ(5, Drag(player, {{Move, onTarget, MK_LBUTTON}, {Note}, {KeyDown, {}, VK_ESCAPE}}));
    ASSERT_EQ(1u, player.targets.size());
    EXPECT_EQ(&m_target, player.targets[0]);
    EXPECT_EQ(1, m_target.leaves);
    EXPECT_EQ(0, m_target.drops);
}

TEST_F(CustomizeDragHelper, QuitEndsTheDragAndStaysQueued)
{
    m_commandBars.GetDragHelper()->AddDropTarget(&m_target);
    CScriptPlayer player(m_site.GetSafeHwnd(), m_commandBars.GetDragHelper());
    player.Start({{Move, OnSite(50, 55), MK_LBUTTON}});
    PostQuitMessage(7);
    EXPECT_EQ(5, m_commandBars.GetDragHelper()->DragControl(m_source.GetControl(0)));
    EXPECT_EQ(0, m_target.drops);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(7, testpump::PumpUntilQuitTaken());
}

TEST_F(CustomizeDragHelper, AFailingMessageQueueCancelsTheDragAtOnce)
{
    m_commandBars.GetDragHelper()->AddDropTarget(&m_target);
    DROPEFFECT result = DROPEFFECT_MOVE;
    int calls = 0;
    {
        testpatch::CFailingGetMessage patch;
        ASSERT_TRUE(patch.IsActive());
        result = m_commandBars.GetDragHelper()->DragControl(m_source.GetControl(0));
        calls = patch.Calls();
    }
    EXPECT_EQ(5, result);
    EXPECT_EQ(1, calls);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(CustomizeDragHelper, OfOverlappingBarsTheLastAddedVisibleOneTakesTheDrop)
{
    CXTPCustomizeDragHelper* pHelper = m_commandBars.GetDragHelper();
    CScriptPlayer player(m_site.GetSafeHwnd(), pHelper);
    // The two bars overlap from (100, 50) to (200, 70) of the site.
    const std::vector<Step> dropInOverlap = {{Move, OnSite(150, 60), MK_LBUTTON}, {Release, OnSite(150, 60), 0}};

    struct Case
    {
        const char* name;
        std::vector<CDropNotingBar*> added;
        BOOL bUpperHidden;
        CDropNotingBar* taker;
    };
    const Case cases[] = {
        {"upper added last", {&m_target, &m_upper}, FALSE, &m_upper},
        {"lower added last", {&m_upper, &m_target}, FALSE, &m_target},
        {"the last one hidden", {&m_target, &m_upper}, TRUE, &m_target},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (CDropNotingBar* pBar : {&m_target, &m_upper}) {
            pHelper->RemoveDropTarget(pBar);
            pBar->drops = 0;
        }
        for (CDropNotingBar* pBar : c.added)
            pHelper->AddDropTarget(pBar);
        m_upper.ShowWindow(c.bUpperHidden ? SW_HIDE : SW_SHOWNA);
        EXPECT_EQ(DROPEFFECT_MOVE, Drag(player, dropInOverlap));
        EXPECT_EQ(1, c.taker->drops);
        EXPECT_EQ(1, m_target.drops + m_upper.drops);
        PumpUntilIdle();
    }
}

TEST_F(CustomizeDragHelper, ABarOutsideCustomizationIsNoTargetAndADropOnItMovesNothing)
{
    m_commandBars.GetDragHelper()->AddDropTarget(&m_target);
    m_target.SetCustomizable(FALSE);
    CScriptPlayer player(m_site.GetSafeHwnd(), m_commandBars.GetDragHelper());
    const CPoint onTarget = OnSite(50, 55);
    // Released over it: cancelled, not "dragged off every bar", so the
    // source keeps its control.
    EXPECT_EQ(5, Drag(player, {{Move, onTarget, MK_LBUTTON}, {Note}, {Release, onTarget, 0}}));
    EXPECT_EQ(0, m_target.drops);
    EXPECT_EQ(std::vector<CXTPCommandBar*>{nullptr}, player.targets);
    EXPECT_EQ(std::vector<HCURSOR>{Cursor(XTP_IDC_COMMANDBARS_DRAGNONE)}, player.cursors);
    // Moved on past it, the drag is off every bar again.
    EXPECT_EQ(0, Drag(player, {{Move, onTarget, MK_LBUTTON}, {Move, OnSite(50, 120), MK_LBUTTON},
                               {Release, OnSite(50, 120), 0}}));
    m_target.SetCustomizable(TRUE);
}

// A bar takes the drag only where the user sees it: a window lying over it
// at the pointer (a dialog, the customize sheet, a floating bar) keeps the
// drag's feedback and the drop from it, whatever order the bars were added
// in; where nothing covers it, it still takes the drop.
TEST_F(CustomizeDragHelper, AWindowLyingOverABarKeepsTheDragFromItThere)
{
    CXTPCustomizeDragHelper* pHelper = m_commandBars.GetDragHelper();
    const CPoint covered = OnSite(50, 55), uncovered = OnSite(250, 55);
    const CPoint coverAt = OnSite(30, 45);
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"Dialog", WS_POPUP,
                                coverAt.x, coverAt.y, 40, 20, m_site.GetSafeHwnd(), nullptr));
    // A floating bar, added before the bar it lies over.
    CDropNotingBar floating;
    floating.SetBarPosition(xtpBarFloating);
    ASSERT_TRUE(floating.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"Bar",
                                  WS_POPUP, coverAt.x, coverAt.y, 40, 20, m_site.GetSafeHwnd(), nullptr));
    floating.SetCommandBars(&m_commandBars);
    floating.AddButton(200, CRect(2, 2, 32, 18));
    pHelper->AddDropTarget(&floating);
    pHelper->AddDropTarget(&m_target);
    CScriptPlayer player(m_site.GetSafeHwnd(), pHelper);
    const HCURSOR hNone = Cursor(XTP_IDC_COMMANDBARS_DRAGNONE), hMove = Cursor(XTP_IDC_COMMANDBARS_DRAGMOVE);

    struct Case
    {
        const char* name;
        CWnd* pCover;
        CPoint pt;
        CDropNotingBar* taker;
        HCURSOR hCursor;
    };
    const Case cases[] = {
        {"a dialog over the bar", &dialog, covered, nullptr, hNone},
        {"beside the dialog", &dialog, uncovered, &m_target, hMove},
        {"a floating bar over the bar", &floating, covered, &floating, hMove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.ShowWindow(c.pCover == &dialog ? SW_SHOWNA : SW_HIDE);
        floating.ShowWindow(c.pCover == &floating ? SW_SHOWNA : SW_HIDE);
        PumpUntilIdle();
        ASSERT_EQ(c.pCover->GetSafeHwnd(), ::WindowFromPoint(covered)) << "the cover lies on top";
        m_target.drops = floating.drops = 0;
        const DROPEFFECT result = Drag(player, {{Move, c.pt, MK_LBUTTON}, {Note}, {Release, c.pt, 0}});
        EXPECT_EQ(c.taker ? DROPEFFECT_MOVE : 0, result);
        EXPECT_EQ(std::vector<CXTPCommandBar*>{c.taker}, player.targets) << "the drag's feedback";
        EXPECT_EQ(std::vector<HCURSOR>{c.hCursor}, player.cursors);
        EXPECT_EQ(c.taker == &m_target ? 1 : 0, m_target.drops);
        EXPECT_EQ(c.taker == &floating ? 1 : 0, floating.drops);
        PumpUntilIdle();
    }
    pHelper->RemoveDropTarget(&floating);
    floating.SetCommandBars(nullptr);
    floating.DestroyWindow();
    dialog.DestroyWindow();
}
