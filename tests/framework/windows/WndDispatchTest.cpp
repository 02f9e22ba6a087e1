// Window objects: message maps through inheritance, messages during
// creation, the handle map, reflection to subclassed controls, and windows
// that end themselves inside a handler.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"

namespace {

#define WM_TEST_A (WM_APP + 1)
#define WM_TEST_B (WM_APP + 2)
#define WM_TEST_C (WM_APP + 3)

const UINT g_registeredMessage = RegisterWindowMessageW(L"TavrolinFrameworkTestMessage");

class CBaseTestWnd : public CWnd
{
public:
    std::vector<std::wstring> log;

protected:
    afx_msg LRESULT OnTestA(WPARAM, LPARAM) { log.push_back(L"base A"); return 1; }
    afx_msg LRESULT OnTestC(WPARAM wParam, LPARAM) { log.push_back(L"base C"); return static_cast<LRESULT>(wParam) * 2; }
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT cs)
    {
        log.push_back(L"nccreate");
        return CWnd::OnNcCreate(cs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        log.push_back(L"create");
        return CWnd::OnCreate(cs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_MESSAGE(WM_TEST_A, OnTestA)
    ON_MESSAGE(WM_TEST_C, OnTestC)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd
{
public:
    BOOL failCreate = FALSE;

protected:
    afx_msg LRESULT OnTestA(WPARAM, LPARAM) { log.push_back(L"derived A"); return 2; }
    afx_msg LRESULT OnTestB(WPARAM, LPARAM) { log.push_back(L"derived B"); return 3; }
    afx_msg LRESULT OnRegistered(WPARAM, LPARAM) { log.push_back(L"registered"); return 4; }
    afx_msg void OnSize(UINT type, int cx, int cy)
    {
        log.push_back(L"size " + std::to_wstring(cx) + L"x" + std::to_wstring(cy));
        CBaseTestWnd::OnSize(type, cx, cy);
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        if (CBaseTestWnd::OnCreate(cs) == -1 || failCreate)
            return -1;
        return 0;
    }
    void PostNcDestroy() override { log.push_back(L"postncdestroy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_MESSAGE(WM_TEST_A, OnTestA)
    ON_MESSAGE(WM_TEST_B, OnTestB)
    ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
    ON_WM_SIZE()
    ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CreatePopup(CWnd& wnd, LPCWSTR title = L"test")
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), title, WS_POPUP, 10, 10, 120, 80, nullptr, nullptr);
}

} // namespace

TEST(WndDispatch, MessageMapsChainThroughTwoLevelsOfInheritance)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    wnd.log.clear();

    EXPECT_EQ(wnd.SendMessage(WM_TEST_A), 2);          // derived entry hides the base one
    EXPECT_EQ(wnd.SendMessage(WM_TEST_B), 3);          // derived only
    EXPECT_EQ(wnd.SendMessage(WM_TEST_C, 21), 42);     // found in the base's map
    EXPECT_EQ(wnd.SendMessage(g_registeredMessage), 4);
    std::vector<std::wstring> expected = {L"derived A", L"derived B", L"base C", L"registered"};
    EXPECT_EQ(wnd.log, expected);

    // Messages without an entry get the window's default processing.
    WCHAR text[16] = {};
    wnd.SendMessage(WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"test");
    wnd.DestroyWindow();
}

TEST(WndDispatch, MessagesDuringCreationReachTheHandlers)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    ASSERT_GE(wnd.log.size(), 3u);
    EXPECT_EQ(wnd.log[0], L"nccreate");
    EXPECT_EQ(wnd.log[1], L"create");
    EXPECT_NE(std::find(wnd.log.begin(), wnd.log.end(), L"size 120x80"), wnd.log.end());
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);

    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(wnd.log.back(), L"postncdestroy");
}

TEST(WndDispatch, FailedCreateReportsFailureAndFinishesTheObject)
{
    CDerivedTestWnd wnd;
    wnd.failCreate = TRUE;
    EXPECT_FALSE(CreatePopup(wnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.log.back(), L"postncdestroy");
}

TEST(WndDispatch, HandleMapWrapsForeignWindowsTemporarily)
{
    HWND foreign = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    CWnd* temp = CWnd::FromHandle(foreign);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), temp);
    CWnd::DeleteTempMap();
    // The window outlives its temporary wrapper.
    EXPECT_TRUE(IsWindow(foreign));
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    DestroyWindow(foreign);
}

namespace {

const UINT kButtonId = 300;

class CReflectingButton : public CWnd
{
public:
    int clicks = 0;
    int notifies = 0;
    BOOL passClickOn = FALSE;
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ~CReflectingButton() override { DeleteObject(brush); }

protected:
    afx_msg BOOL OnClicked()
    {
        ++clicks;
        return !passClickOn;
    }
    afx_msg void OnCustomNotify(NMHDR*, LRESULT* result)
    {
        ++notifies;
        *result = 77;
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        pDC->SetTextColor(RGB(200, 0, 0));
        return nCtlColor == CTLCOLOR_BTN ? brush : nullptr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, OnCustomNotify)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CButtonParent : public CWnd
{
public:
    int parentClicks = 0;

protected:
    afx_msg void OnButton() { ++parentClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonParent, CWnd)
    ON_BN_CLICKED(kButtonId, OnButton)
END_MESSAGE_MAP()

} // namespace

TEST(WndReflection, NotificationsReachTheSubclassedChildFirst)
{
    CButtonParent parent;
    ASSERT_TRUE(CreatePopup(parent));
    HWND hButton = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 60, 20,
                                   parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)),
                                   nullptr, nullptr);
    ASSERT_NE(hButton, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hButton, GWLP_WNDPROC));

    CReflectingButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButtonId, &parent));
    EXPECT_EQ(CWnd::FromHandlePermanent(hButton), &button);
    EXPECT_FALSE(button.SubclassWindow(hButton));  // only once

    // The click is taken by the child; the parent's handler is not called.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(button.clicks, 1);
    EXPECT_EQ(parent.parentClicks, 0);
    // A child that declines lets the parent have it too.
    button.passClickOn = TRUE;
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(button.clicks, 2);
    EXPECT_EQ(parent.parentClicks, 1);

    NMHDR header = {hButton, kButtonId, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header)), 77);
    EXPECT_EQ(button.notifies, 1);

    HDC hdc = GetDC(hButton);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                                          reinterpret_cast<LPARAM>(hButton))),
              button.brush);
    EXPECT_EQ(GetTextColor(hdc), RGB(200, 0, 0));
    ReleaseDC(hButton, hdc);

    // The control's own procedure still does its work.
    button.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), BST_CHECKED);

    EXPECT_EQ(button.UnsubclassWindow(), hButton);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hButton, GWLP_WNDPROC)), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(hButton), nullptr);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(parent.parentClicks, 2);
    parent.DestroyWindow();
}

namespace {

int g_selfDeleted = 0;

// Destroys its window on a click; the object deletes itself afterwards.
class CClosingWnd : public CWnd
{
public:
    ~CClosingWnd() override { ++g_selfDeleted; }

protected:
    afx_msg void OnLButtonDown(UINT, CPoint) { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingWnd, CWnd)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Deletes its object in a command handler; the window goes with it.
class CDeletingWnd : public CWnd
{
public:
    ~CDeletingWnd() override { ++g_selfDeleted; }

protected:
    afx_msg void OnGone() { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDeletingWnd, CWnd)
    ON_COMMAND(500, OnGone)
END_MESSAGE_MAP()

} // namespace

TEST(WndLifetime, WindowEndingItselfInsideAHandlerDoesNotCrash)
{
    g_selfDeleted = 0;
    CClosingWnd* closing = new CClosingWnd;
    ASSERT_TRUE(CreatePopup(*closing));
    HWND hClosing = closing->m_hWnd;
    SendMessageW(hClosing, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindow(hClosing));
    EXPECT_EQ(g_selfDeleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hClosing), nullptr);

    CDeletingWnd* deleting = new CDeletingWnd;
    ASSERT_TRUE(CreatePopup(*deleting));
    HWND hDeleting = deleting->m_hWnd;
    SendMessageW(hDeleting, WM_COMMAND, 500, 0);
    EXPECT_EQ(g_selfDeleted, 2);
    EXPECT_FALSE(IsWindow(hDeleting));
    EXPECT_EQ(CWnd::FromHandlePermanent(hDeleting), nullptr);
}

TEST(WndLifetime, ObjectDestroyedBeforeItsWindowTakesTheWindowAlong)
{
    HWND hWnd;
    {
        CDerivedTestWnd wnd;
        ASSERT_TRUE(CreatePopup(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(WndStyles, ModifyStyleReportsChangeAndRelations)
{
    CDerivedTestWnd parent;
    ASSERT_TRUE(CreatePopup(parent));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 7));
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(child.GetOwner(), &parent);
    EXPECT_EQ(child.GetTopLevelParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(7), &child);
    EXPECT_EQ(parent.GetDescendantWindow(7, TRUE), &child);
    CWnd owner;
    ASSERT_TRUE(CreatePopup(owner));
    child.SetOwner(&owner);
    EXPECT_EQ(child.GetOwner(), &owner);

    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));  // no change
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    EXPECT_TRUE(child.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED));
    EXPECT_TRUE(child.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(child.ModifyStyle(WS_BORDER, 0));
    EXPECT_FALSE(child.GetStyle() & WS_BORDER);
    owner.DestroyWindow();
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);  // destroyed with its parent
}
