// Documents with their templates, frames and views: a new document gets a
// frame loaded from the template's resources and a view that knows it; any
// failure on the way leaves no document, view or frame behind; the shell
// command of a plain start makes the new document, others make nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"

namespace {

// What the next creation is to break, and what is alive.
struct Faults
{
    bool frameFails = false, viewFails = false, newDocumentFails = false;
};
Faults g_faults;
int g_liveDocs = 0, g_liveViews = 0, g_newDocuments = 0, g_initialUpdates = 0;

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)

public:
    CTestDoc() { ++g_liveDocs; }
    ~CTestDoc() override { --g_liveDocs; }
    BOOL OnNewDocument() override
    {
        ++g_newDocuments;
        return !g_faults.newDocumentFails && CDocument::OnNewDocument();
    }
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)

public:
    CTestView() { ++g_liveViews; }
    ~CTestView() override { --g_liveViews; }
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++g_initialUpdates; }

protected:
    // Fails after it has joined its document: the worst moment.
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (CView::OnCreate(cs) == -1)
            return -1;
        return g_faults.viewFails ? -1 : 0;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)

protected:
    // Fails after its view exists.
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        return g_faults.frameFails ? -1 : 0;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

const UINT kTemplateId = 128;

class DocView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_faults = Faults();
        g_liveDocs = g_liveViews = g_newDocuments = g_initialUpdates = 0;
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        // The main window's end posts WM_QUIT; later tests must not see it.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    CDocTemplate* AddSingle()
    {
        CDocTemplate* pTemplate = new CSingleDocTemplate(kTemplateId, RUNTIME_CLASS(CTestDoc),
                                                         RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView));
        app.AddDocTemplate(pTemplate);
        return pTemplate;
    }
    static BOOL Plain(CCommandLineInfo& info)
    {
        info.ParseParam(nullptr, FALSE, TRUE);
        return TRUE;
    }

    CWinApp app{L"DocViewApp"};
};

int CountDocs(CDocTemplate* pTemplate)
{
    int count = 0;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr; ++count)
        pTemplate->GetNextDoc(pos);
    return count;
}

} // namespace

TEST_F(DocView, TemplateStringSplitsIntoItsParts)
{
    struct Case { UINT id; CDocTemplate::DocStringIndex index; const wchar_t* part; };
    const Case cases[] = {
        {kTemplateId, CDocTemplate::windowTitle, L"Tavrolin"},
        {kTemplateId, CDocTemplate::docName, L""},
        {kTemplateId, CDocTemplate::fileNewName, L"Tavrolin"},
        {kTemplateId, CDocTemplate::filterExt, L""},
        {kTemplateId, CDocTemplate::regFileTypeId, L"Tavrolin.Document"},
        {kTemplateId, CDocTemplate::regFileTypeName, L"Tavrolin.Document"},
        // A string of one part, and no string at all.
        {110, CDocTemplate::windowTitle, L"Menu Bar"},
        {110, CDocTemplate::regFileTypeName, L""},
        {4242, CDocTemplate::windowTitle, L""},
    };
    for (const Case& c : cases) {
        CSingleDocTemplate docTemplate(c.id, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                       RUNTIME_CLASS(CTestView));
        CString part = L"stale";
        EXPECT_EQ(*c.part != 0, docTemplate.GetDocString(part, c.index) != FALSE);
        EXPECT_STREQ(c.part, part) << "string " << c.id << " part " << c.index;
    }
}

TEST_F(DocView, PlainStartMakesDocumentFrameAndViewThatKnowEachOther)
{
    CDocTemplate* pTemplate = AddSingle();
    CCommandLineInfo info;
    Plain(info);
    ASSERT_TRUE(app.ProcessShellCommand(info));

    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTestFrame, app.m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTestView, pView));
    CDocument* pDoc = pView->GetDocument();
    ASSERT_NE(nullptr, DYNAMIC_DOWNCAST(CTestDoc, pDoc));
    EXPECT_EQ(pTemplate, pDoc->GetDocTemplate());
    POSITION pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pView, pDoc->GetNextView(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(1, g_initialUpdates);
    EXPECT_EQ(1, g_newDocuments);
    // The frame came from the template's resources.
    EXPECT_EQ(3, GetMenuItemCount(::GetMenu(pFrame->m_hWnd)));
    EXPECT_NE(nullptr, pFrame->m_hAccelTable);
    EXPECT_STREQ(L"Tavrolin", pFrame->GetTitle());

    // A second new document reuses the one there is, in the same frame.
    app.OnFileNew();
    EXPECT_EQ(1, g_liveDocs);
    EXPECT_EQ(2, g_newDocuments);
    EXPECT_EQ(pFrame, app.m_pMainWnd);

    // The frame's end takes the view and, with it, the document.
    pFrame->DestroyWindow();
    EXPECT_EQ(0, g_liveViews);
    EXPECT_EQ(0, g_liveDocs);
    EXPECT_EQ(0, CountDocs(pTemplate));
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST_F(DocView, FailureOnTheWayLeavesNothingBehind)
{
    struct Case { const char* what; Faults faults; };
    const Case cases[] = {
        {"frame", {true, false, false}},
        {"view", {false, true, false}},
        {"new document", {false, false, true}},
    };
    CDocTemplate* pTemplate = AddSingle();
    for (const Case& c : cases) {
        g_faults = c.faults;
        EXPECT_EQ(nullptr, pTemplate->OpenDocumentFile(nullptr)) << c.what;
        EXPECT_EQ(0, g_liveDocs) << c.what;
        EXPECT_EQ(0, g_liveViews) << c.what;
        EXPECT_EQ(0, CountDocs(pTemplate)) << c.what;
        EXPECT_EQ(nullptr, app.m_pMainWnd) << c.what;
        EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Tavrolin")) << c.what;
    }
    // The shell command reports the failure.
    g_faults.frameFails = true;
    CCommandLineInfo info;
    Plain(info);
    EXPECT_FALSE(app.ProcessShellCommand(info));
    // And works once nothing breaks.
    g_faults = Faults();
    EXPECT_TRUE(app.ProcessShellCommand(info));
}

TEST_F(DocView, CommandLineParametersChooseTheShellCommand)
{
    struct Case { std::vector<const wchar_t*> params; int command; const wchar_t* file; };
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, L""},
        {{L"spiele.xml"}, CCommandLineInfo::FileOpen, L"spiele.xml"},
        {{L"/p", L"spiele.xml"}, CCommandLineInfo::FilePrint, L"spiele.xml"},
        {{L"-dde"}, CCommandLineInfo::FileDDE, L""},
        {{L"/Regserver"}, CCommandLineInfo::AppRegister, L""},
        {{L"/unregister"}, CCommandLineInfo::AppUnregister, L""},
        // Flags of others are left alone; embedding only changes the splash.
        {{L"--gtest_filter=*", L"/Embedding"}, CCommandLineInfo::FileNew, L""},
    };
    AddSingle();
    for (const Case& c : cases) {
        CCommandLineInfo info;
        if (c.params.empty())
            info.ParseParam(nullptr, FALSE, TRUE);
        for (size_t i = 0; i < c.params.size(); ++i) {
            const wchar_t* param = c.params[i];
            BOOL flag = param[0] == L'/' || param[0] == L'-';
            info.ParseParam(flag ? param + 1 : param, flag, i + 1 == c.params.size());
        }
        EXPECT_EQ(c.command, info.m_nShellCommand);
        EXPECT_STREQ(c.file, info.m_strFileName);
        if (c.command != CCommandLineInfo::FileNew) {
            // Only a new document is something this program can do.
            EXPECT_FALSE(app.ProcessShellCommand(info));
            EXPECT_EQ(0, g_liveDocs);
        }
    }
}

TEST_F(DocView, WithoutTemplatesANewDocumentIsNothing)
{
    app.OnFileNew();
    CCommandLineInfo info;
    Plain(info);
    EXPECT_FALSE(app.ProcessShellCommand(info));
    EXPECT_EQ(0, g_liveDocs);
}

TEST_F(DocView, MultiDocTemplateGivesEachDocumentItsFrameAndSharesItsMenu)
{
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(kTemplateId, RUNTIME_CLASS(CTestDoc),
                                                         RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView));
    app.AddDocTemplate(pTemplate);
    ASSERT_NE(nullptr, pTemplate->m_hMenuShared);
    EXPECT_EQ(3, GetMenuItemCount(pTemplate->m_hMenuShared));
    EXPECT_NE(nullptr, pTemplate->m_hAccelTable);

    CDocument* pFirst = pTemplate->OpenDocumentFile(nullptr);
    CDocument* pSecond = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(2, CountDocs(pTemplate));
    EXPECT_STREQ(L"Unbenannt1", pFirst->GetTitle());
    EXPECT_STREQ(L"Unbenannt2", pSecond->GetTitle());

    // Closing one frame closes only its document.
    POSITION pos = pFirst->GetFirstViewPosition();
    CView* pView = pFirst->GetNextView(pos);
    ASSERT_NE(nullptr, pView);
    pView->GetParentFrame()->DestroyWindow();
    EXPECT_EQ(1, g_liveDocs);
    pos = pTemplate->GetFirstDocPosition();
    EXPECT_EQ(pSecond, pTemplate->GetNextDoc(pos));

    pos = pSecond->GetFirstViewPosition();
    pSecond->GetNextView(pos)->GetParentFrame()->DestroyWindow();
    EXPECT_EQ(0, g_liveDocs);
}
