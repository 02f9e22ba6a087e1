// Which menu the menu bar shows for the active MDI child: the template of
// its document, the template sharing the child's menu, the child's own
// resource, the loaded menu without a child, nothing outside MDI.
#include <gtest/gtest.h>
#include "commandbars/bars/ToolBarTestSupport.h"
#include "framework/docview/CDocument.h"
#include "framework/docview/CMultiDocTemplate.h"
#include "framework/windows/CMDIChildWnd.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CView.h"
#include "framework/windows/CWinApp.h"
#include "resources/AppIds.h"
#include "toolkit/commandbars/frame/XTPFrameWndBase.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

class CTemplateDoc : public CDocument
{
    DECLARE_DYNCREATE(CTemplateDoc)
};
IMPLEMENT_DYNCREATE(CTemplateDoc, CDocument)

class CTemplateView : public CView
{
    DECLARE_DYNCREATE(CTemplateView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CTemplateView, CView)

using CMdiFrame = CXTPFrameWndBase<CMDIFrameWnd>;

const UINT kChildResource = 4711;

class DocTemplate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tray = new CMultiDocTemplate(IDR_TRAYMENU, RUNTIME_CLASS(CTemplateDoc), RUNTIME_CLASS(CMDIChildWnd),
                                     RUNTIME_CLASS(CTemplateView));
        context = new CMultiDocTemplate(IDR_CONTEXTMENU, RUNTIME_CLASS(CTemplateDoc), RUNTIME_CLASS(CMDIChildWnd),
                                        RUNTIME_CLASS(CTemplateView));
        app.AddDocTemplate(tray);
        app.AddDocTemplate(context);
        ASSERT_TRUE(tray->m_hMenuShared && context->m_hMenuShared);
        frame = new CMdiFrame();
        CRect rc(40, 40, 640, 440);
        ASSERT_TRUE(frame->Create(nullptr, L"MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, nullptr,
                                  MAKEINTRESOURCEW(IDR_MAINFRAME)));
        ASSERT_TRUE(frame->CreateCommandBars());
        bars = frame->GetCommandBars();
        ASSERT_NE(nullptr, bars->SetMenu(L"Menü", IDR_MAINFRAME));
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd())
            frame->DestroyWindow();
    }
    // An active child showing `hMenu`, with a view on a document of `pTemplate` when given.
    CMDIChildWnd* AddChild(HMENU hMenu, CMultiDocTemplate* pTemplate)
    {
        auto* pChild = new CMDIChildWnd();
        EXPECT_TRUE(pChild->Create(nullptr, L"Kind", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                   CRect(10, 10, 300, 200), frame));
        pChild->m_nIDHelp = kChildResource;
        pChild->m_hMenuShared = hMenu;
        if (pTemplate) {
            auto* pView = new CTemplateView();
            EXPECT_TRUE(pView->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), pChild, 0xE900));
            auto* pDoc = new CTemplateDoc();
            pTemplate->AddDocument(pDoc);
            pDoc->AddView(pView);
            pChild->SetActiveView(pView, FALSE);
        }
        pChild->MDIActivate();
        return pChild;
    }
    CWinApp app{L"DocTemplateApp"};
    CMultiDocTemplate* tray = nullptr;
    CMultiDocTemplate* context = nullptr;
    CMdiFrame* frame = nullptr;
    CXTPCommandBars* bars = nullptr;
};

} // namespace

TEST_F(DocTemplate, ActiveChildDecidesTheMenusResource)
{
    EXPECT_EQ(static_cast<UINT>(IDR_MAINFRAME), bars->GetActiveDocTemplate()) << "no child: the loaded menu";
    HMENU hForeign = ::CreateMenu();
    struct Case
    {
        const char* what;
        HMENU menu;
        CMultiDocTemplate* documentOf;
        UINT expected;
    } cases[] = {
        {"document whose template shares the child's menu", tray->m_hMenuShared, tray, IDR_TRAYMENU},
        {"document of one type in a child with another's menu", context->m_hMenuShared, tray, IDR_CONTEXTMENU},
        {"a menu no template shares", hForeign, tray, 0},
        {"no document: the child's own resource", nullptr, nullptr, kChildResource},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMDIChildWnd* pChild = AddChild(c.menu, c.documentOf);
        ASSERT_EQ(pChild, frame->MDIGetActive());
        EXPECT_EQ(c.expected, bars->GetActiveDocTemplate());
        pChild->MDIDestroy();
    }
    ::DestroyMenu(hForeign);
}

TEST(DocTemplateOutsideMdi, AFrameWithoutChildrenHasNoTemplate)
{
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(300, 200));
    frame->GetCommandBars()->SetMenu(L"Menü", IDR_MAINFRAME);
    EXPECT_EQ(0u, frame->GetCommandBars()->GetActiveDocTemplate());
    frame->DestroyWindow();
}
