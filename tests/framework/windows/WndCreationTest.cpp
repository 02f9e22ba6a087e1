// Creation details: windows created inside another window's creation,
// the current message during dispatch, class registration, frames made
// from resources, and messages without handlers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"

namespace {

class CLoggingChild : public CWnd
{
public:
    std::vector<UINT> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Creates two children while it is itself being created.
class CNestingWnd : public CWnd
{
public:
    CLoggingChild first, second;
    BOOL childrenCreated = FALSE;
    UINT messageSeenInCreate = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (CWnd::OnCreate(cs) == -1)
            return -1;
        messageSeenInCreate = GetCurrentMessage()->message;
        childrenCreated = first.Create(nullptr, L"1", WS_VISIBLE, CRect(0, 0, 10, 10), this, 1) &&
                          second.Create(L"BUTTON", L"2", WS_VISIBLE, CRect(0, 20, 10, 30), this, 2);
        return childrenCreated ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(WndCreation, WindowsCreatedDuringCreationGetTheirOwnObjects)
{
    CNestingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"Nest", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_TRUE(parent.childrenCreated);
    EXPECT_EQ(parent.messageSeenInCreate, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.m_hWnd), &parent);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.first.m_hWnd), &parent.first);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.second.m_hWnd), &parent.second);
    EXPECT_EQ(parent.first.GetParent(), &parent);
    // Each child saw its own creation from the first message on.
    ASSERT_FALSE(parent.first.messages.empty());
    EXPECT_EQ(parent.first.messages.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_NE(std::find(parent.second.messages.begin(), parent.second.messages.end(), static_cast<UINT>(WM_CREATE)),
              parent.second.messages.end());
    // The system class still does its own work behind the object.
    CString text;
    parent.second.GetWindowText(text);
    EXPECT_STREQ(text, L"2");
    parent.DestroyWindow();
    EXPECT_EQ(parent.first.m_hWnd, nullptr);
    EXPECT_EQ(parent.second.m_hWnd, nullptr);
}

TEST(WndCreation, RegisteredClassesAreSharedBetweenEqualRequests)
{
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    LPCTSTR a = AfxRegisterWndClass(CS_DBLCLKS, arrow);
    LPCTSTR b = AfxRegisterWndClass(CS_DBLCLKS, arrow);
    LPCTSTR c = AfxRegisterWndClass(CS_DBLCLKS | CS_SAVEBITS, arrow);
    EXPECT_STREQ(a, b);
    EXPECT_STRNE(a, c);
    WNDCLASSW wc;
    ASSERT_TRUE(GetClassInfoW(AfxGetInstanceHandle(), c, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_SAVEBITS));
    EXPECT_EQ(wc.hCursor, arrow);

    WNDCLASSW own = {};
    own.lpfnWndProc = DefWindowProcW;
    own.hInstance = AfxGetInstanceHandle();
    own.lpszClassName = L"TavrolinTestClass";
    EXPECT_TRUE(AfxRegisterClass(&own));
    EXPECT_TRUE(AfxRegisterClass(&own));  // a second registration is no failure
}

TEST(WndCreation, PreCreateWindowCanRefuseTheWindow)
{
    struct CRefusing : CWnd
    {
        int finished = 0;
        BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
        void PostNcDestroy() override { ++finished; }
    } wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, L"no", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.finished, 1);
}

TEST(WndCreation, FrameLoadsItsTitleFromTheStringResource)
{
    // The framework's idle text serves as a title resource here.
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(AFX_IDS_IDLEMESSAGE, WS_OVERLAPPEDWINDOW));
    CString title;
    frame->GetWindowText(title);
    EXPECT_STREQ(title, L"Fertig");
    EXPECT_EQ(frame->m_nIDHelp, static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
    EXPECT_EQ(frame->GetMenu(), nullptr);
    EXPECT_EQ(frame->m_hAccelTable, nullptr);
    frame->DestroyWindow();
}

TEST(WndCreation, DefaultProcessingAnswersUnhandledMessages)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"Standard", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_GETTEXTLENGTH), 8);
    wnd.SetWindowText(L"Neu");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ(text, L"Neu");
    // The framework's own messages are harmless to windows that ignore them.
    EXPECT_EQ(wnd.SendMessage(WM_IDLEUPDATECMDUI, TRUE), 0);
    AFX_SIZEPARENTPARAMS layout = {};
    EXPECT_EQ(wnd.SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout)), 0);
    wnd.DestroyWindow();
}

namespace {

class CThrowingWnd : public CWnd
{
public:
    BOOL throwInCreate = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (throwInCreate)
            throw new CNotSupportedException;
        return CWnd::OnCreate(cs);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { throw new CNotSupportedException; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP + 9, OnThrow)
END_MESSAGE_MAP()

class CQuietApp : public CWinApp
{
public:
    CQuietApp() : CWinApp(L"QuietApp") {}
    std::vector<UINT> failed;
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override
    {
        failed.push_back(pMsg->message);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CNotSupportedException)));
        return pMsg->message == WM_CREATE ? -1 : 55;
    }
};

} // namespace

TEST(WndCreation, ExceptionsInHandlersStopAtTheWindowProcedure)
{
    CQuietApp app;
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(WM_APP + 9), 55);
    wnd.DestroyWindow();

    CThrowingWnd failing;
    failing.throwInCreate = TRUE;
    EXPECT_FALSE(failing.CreateEx(0, nullptr, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(failing.m_hWnd, nullptr);
    EXPECT_EQ(app.failed, (std::vector<UINT>{WM_APP + 9, WM_CREATE}));
}
