// What bars and controls tell accessibility clients, through the objects'
// interface maps and through the window's object request.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "toolkit/commandbars/controls/XTPControlPopup.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

namespace {

VARIANT ChildId(long n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

IAccessible* AccessibleOf(CCmdTarget* pTarget)
{
    IAccessible* pAccessible = nullptr;
    pTarget->ExternalQueryInterface(&IID_IAccessible, reinterpret_cast<LPVOID*>(&pAccessible));
    return pAccessible;
}

CString Name(IAccessible* pAccessible, long nChild)
{
    BSTR name = nullptr;
    if (pAccessible->get_accName(ChildId(nChild), &name) != S_OK)
        return L"<error>";
    CString str = name;
    SysFreeString(name);
    return str;
}

long LongOf(HRESULT (STDMETHODCALLTYPE IAccessible::*method)(VARIANT, VARIANT*), IAccessible* pAccessible, long nChild)
{
    VARIANT v;
    VariantInit(&v);
    (pAccessible->*method)(ChildId(nChild), &v);
    return v.lVal;
}

class Accessible : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(100, 100, 400, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 300, 30)));
        m_bar.SetTitle(L"Standard");
        m_pButton = m_bar.AddButton(201, CRect(2, 2, 25, 25), L"&Optionen...\tStrg+O");
        m_pPopup = new CXTPControlPopup();
        m_bar.GetControls()->Add(m_pPopup, 0);
        m_pPopup->SetCaption(L"&Ansicht");
        m_pPopup->SetRect(CRect(25, 2, 60, 25));
        m_pPopupBar = new CXTPPopupBar();
        m_pPopupBar->SetControlPopup(m_pPopup);
        m_pPopup->SetCommandBar(m_pPopupBar);
    }
    void TearDown() override
    {
        m_pPopup->SetCommandBar(nullptr);
        m_pPopupBar->InternalRelease();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    CTestSite m_site;
    CTestBar m_bar;
    CXTPControlButton* m_pButton = nullptr;
    CXTPControlPopup* m_pPopup = nullptr;
    CXTPPopupBar* m_pPopupBar = nullptr;
};

} // namespace

TEST_F(Accessible, ControlsTellNameRoleStateAndTheirPopup)
{
    IAccessible* pButton = AccessibleOf(m_pButton);
    IAccessible* pPopup = AccessibleOf(m_pPopup);
    ASSERT_NE(nullptr, pButton);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(CString(L"Optionen...\tStrg+O"), Name(pButton, 0));
    EXPECT_EQ(CString(L"Ansicht"), Name(pPopup, 0));
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, LongOf(&IAccessible::get_accRole, pButton, 0));
    EXPECT_EQ(ROLE_SYSTEM_BUTTONMENU, LongOf(&IAccessible::get_accRole, pPopup, 0));

    long nChildren = 0;
    pPopup->get_accChildCount(&nChildren);
    EXPECT_EQ(1, nChildren);
    IDispatch* pChild = nullptr;
    pPopup->get_accChild(ChildId(1), &pChild);
    IAccessible* pPopupBarAccessible = AccessibleOf(m_pPopupBar);
    EXPECT_EQ(static_cast<IUnknown*>(pPopupBarAccessible), static_cast<IUnknown*>(pChild)) << "child 1 is the popup bar";
    if (pChild)
        pChild->Release();
    pPopupBarAccessible->Release();

    struct Case
    {
        void (*change)(CXTPControl*);
        long expected;
    };
    const Case cases[] = {
        {[](CXTPControl*) {}, 0x100000},
        {[](CXTPControl* p) { p->SetEnabled(FALSE); }, 0x100000 | 1},
        {[](CXTPControl* p) { p->SetChecked(1); }, 0x100000 | 1 | 0x10},
        {[](CXTPControl* p) { p->SetHideFlags(xtpHideCustomize); }, 0x100000 | 1 | 0x10 | 0x8000},
    };
    for (const Case& c : cases) {
        c.change(m_pButton);
        EXPECT_EQ(c.expected, LongOf(&IAccessible::get_accState, pButton, 0)) << (&c - cases);
    }
    EXPECT_EQ(0x100000 | 0x40000000, LongOf(&IAccessible::get_accState, pPopup, 0)) << "has popup";
    BSTR name = nullptr;
    EXPECT_EQ(E_INVALIDARG, pButton->get_accName(ChildId(3), &name)) << "controls answer for themselves only";
    pButton->Release();
    pPopup->Release();
}

TEST_F(Accessible, BarsListTheirControlsByOneBasedIds)
{
    IAccessible* pBar = AccessibleOf(&m_bar);
    ASSERT_NE(nullptr, pBar);
    long nChildren = 0;
    pBar->get_accChildCount(&nChildren);
    EXPECT_EQ(2, nChildren);
    EXPECT_EQ(CString(L"Standard"), Name(pBar, 0));
    EXPECT_EQ(CString(L"Ansicht"), Name(pBar, 2));
    EXPECT_EQ(CString(L"<error>"), Name(pBar, 3));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, LongOf(&IAccessible::get_accRole, pBar, 0));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, LongOf(&IAccessible::get_accRole, pBar, 1));
    m_bar.SetSelected(1);
    EXPECT_EQ(0x300086, LongOf(&IAccessible::get_accState, pBar, 2));
    EXPECT_EQ(0x300000, LongOf(&IAccessible::get_accState, pBar, 1));

    // Child ids by reference, a null reference and one that refers to itself.
    long nId = 2;
    VARIANT byRef;
    byRef.vt = VT_BYREF | VT_I4;
    byRef.plVal = &nId;
    VARIANT outer;
    outer.vt = VT_BYREF | VT_VARIANT;
    outer.pvarVal = &byRef;
    BSTR name = nullptr;
    ASSERT_EQ(S_OK, pBar->get_accName(outer, &name));
    EXPECT_EQ(CString(L"Ansicht"), CString(name));
    SysFreeString(name);
    outer.pvarVal = &outer;
    EXPECT_EQ(-1, CXTPAccessible::GetChildIndex(&outer));
    byRef.plVal = nullptr;
    EXPECT_EQ(-1, CXTPAccessible::GetChildIndex(&byRef));

    // A client's references do not keep or free the bar.
    long nRefs = m_bar.m_dwRef;
    pBar->AddRef();
    pBar->Release();
    pBar->Release();
    EXPECT_EQ(nRefs - 1, m_bar.m_dwRef) << "the reference QueryInterface gave is returned";
    EXPECT_TRUE(IsWindow(m_bar.GetSafeHwnd()));
}

TEST_F(Accessible, WindowObjectRequestReachesTheBar)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IAccessible* pAccessible = nullptr;
    HRESULT hr = XTPAccessibleObjectFromWindow(m_bar.GetSafeHwnd(), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                               reinterpret_cast<void**>(&pAccessible));
    ASSERT_EQ(S_OK, hr);
    ASSERT_NE(nullptr, pAccessible);
    long nChildren = 0;
    pAccessible->get_accChildCount(&nChildren);
    EXPECT_EQ(2, nChildren);
    pAccessible->Release();
    CoUninitialize();
}

TEST_F(Accessible, UnansweredQuestionsLeaveClientsToTheirOwnFallback)
{
    // Neither bars nor controls keep a value, help or a separate shortcut:
    // the shortcut travels in the name, and renaming is refused.
    typedef HRESULT (*Ask)(IAccessible*, VARIANT);
    struct Question
    {
        const char* name;
        Ask ask;
    };
    const Question questions[] = {
        {"value", [](IAccessible* p, VARIANT v) { BSTR s = nullptr; return p->get_accValue(v, &s); }},
        {"help", [](IAccessible* p, VARIANT v) { BSTR s = nullptr; return p->get_accHelp(v, &s); }},
        {"help topic",
         [](IAccessible* p, VARIANT v) {
             BSTR s = nullptr;
             long n = 0;
             return p->get_accHelpTopic(&s, v, &n);
         }},
        {"shortcut", [](IAccessible* p, VARIANT v) { BSTR s = nullptr; return p->get_accKeyboardShortcut(v, &s); }},
        {"navigate",
         [](IAccessible* p, VARIANT v) {
             VARIANT end;
             VariantInit(&end);
             return p->accNavigate(NAVDIR_NEXT, v, &end);
         }},
        {"rename", [](IAccessible* p, VARIANT v) { return p->put_accName(v, const_cast<BSTR>(L"x")); }},
        {"set value", [](IAccessible* p, VARIANT v) { return p->put_accValue(v, const_cast<BSTR>(L"x")); }},
    };
    IAccessible* pButton = AccessibleOf(m_pButton);
    IAccessible* pBar = AccessibleOf(&m_bar);
    ASSERT_NE(nullptr, pButton);
    ASSERT_NE(nullptr, pBar);
    struct Asked
    {
        const char* who;
        IAccessible* pAccessible;
        long nChild;
    };
    const Asked askedOf[] = {{"control", pButton, 0}, {"bar", pBar, 0}, {"bar's child", pBar, 1}};
    for (const Asked& a : askedOf)
        for (const Question& q : questions)
            EXPECT_EQ(E_NOTIMPL, q.ask(a.pAccessible, ChildId(a.nChild))) << a.who << ": " << q.name;
    EXPECT_EQ(CString(L"Optionen...\tStrg+O"), Name(pButton, 0));

    // Bars do not describe or act on anything themselves.
    BSTR text = nullptr;
    EXPECT_EQ(E_NOTIMPL, pBar->get_accDescription(ChildId(1), &text));
    EXPECT_EQ(E_NOTIMPL, pBar->get_accDefaultAction(ChildId(1), &text));
    EXPECT_EQ(E_NOTIMPL, pBar->accDoDefaultAction(ChildId(1)));
    EXPECT_EQ(E_NOTIMPL, pBar->accSelect(SELFLAG_TAKEFOCUS, ChildId(1)));

    // Focus and selection: "none here", with the client's variant untouched.
    m_bar.SetSelected(1);
    for (IAccessible* p : {pButton, pBar}) {
        VARIANT focus = ChildId(77);
        EXPECT_EQ(S_FALSE, p->get_accFocus(&focus));
        EXPECT_EQ(VT_I4, focus.vt);
        EXPECT_EQ(77, focus.lVal);
        VARIANT selection = ChildId(78);
        EXPECT_EQ(S_FALSE, p->get_accSelection(&selection));
        EXPECT_EQ(78, selection.lVal);
    }
    pButton->Release();
    pBar->Release();
}
