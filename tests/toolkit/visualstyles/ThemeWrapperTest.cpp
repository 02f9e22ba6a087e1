// The visual-style wrapper with the system's library and with none.
#include <gtest/gtest.h>
#include "toolkit/common/system/XTPFaultGuard.h"
#include "toolkit/common/visualstyles/XTPWinThemeLibrary.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"

TEST(ThemeWrapper, WithoutTheLibraryEveryCallFailsSoftly)
{
    CXTPWinThemeLibrary missing(L"NoSuchVisualStyles.dll");
    ASSERT_EQ(nullptr, missing.GetModule());

    CXTPWinThemeWrapper wrapper(&missing);
    wrapper.OpenThemeData(nullptr, L"TREEVIEW");
    EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
    EXPECT_FALSE(XTPHasSecondHandle(wrapper));
    EXPECT_FALSE(wrapper.IsAppThemed());
    EXPECT_FALSE(wrapper.IsThemeActive());
    EXPECT_FALSE(wrapper.IsThemeUsable());
    EXPECT_FALSE(wrapper.GetThemeSysBool(0));

    RECT rc = {0, 0, 10, 10};
    COLORREF color = RGB(1, 2, 3);
    SIZE size = {};
    WCHAR name[MAX_PATH], colorName[MAX_PATH];
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(nullptr, 1, 1, &rc, nullptr));
    EXPECT_EQ(E_FAIL, wrapper.GetThemeColor(0, 0, 3801, &color));
    EXPECT_EQ(RGB(1, 2, 3), color);
    EXPECT_EQ(E_FAIL, wrapper.GetThemePartSize(nullptr, 1, 1, &rc, TS_TRUE, &size));
    EXPECT_EQ(E_FAIL, wrapper.GetCurrentThemeName(name, MAX_PATH, colorName, MAX_PATH, nullptr, 0));
    for (int entry = 0; entry <= CXTPWinThemeLibrary::entryGetCurrentThemeName; entry++)
        EXPECT_FALSE(missing.IsEntryPointCached(static_cast<CXTPWinThemeLibrary::EntryPoint>(entry)));
    wrapper.CloseThemeData();
    EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
}

TEST(ThemeWrapper, SystemLibraryIsLoadedByNameAndBoundOnUse)
{
    CXTPWinThemeLibrary& library = CXTPWinThemeLibrary::Instance();
    ASSERT_NE(nullptr, library.GetModule());
    EXPECT_EQ(GetModuleHandleW(L"uxtheme.dll"), library.GetModule());

    CXTPWinThemeLibrary fresh(L"UxTheme.dll");
    {
        CXTPWinThemeWrapper unused(&fresh);
    }
    EXPECT_FALSE(fresh.IsEntryPointCached(CXTPWinThemeLibrary::entryCloseThemeData))
        << "a wrapper that never opened a handle makes no call";

    CXTPWinThemeWrapper wrapper(&fresh);
    BOOL active = wrapper.IsThemeActive();
    EXPECT_TRUE(fresh.IsEntryPointCached(CXTPWinThemeLibrary::entryIsThemeActive));
    typedef BOOL(WINAPI * PFNIsThemeActive)();
    auto direct = reinterpret_cast<PFNIsThemeActive>(GetProcAddress(fresh.GetModule(), "IsThemeActive"));
    EXPECT_EQ(direct(), active);
    EXPECT_FALSE(wrapper.IsAppThemed()) << "no handle, no themed application";

    WCHAR name[MAX_PATH] = L"", colorName[MAX_PATH] = L"";
    HRESULT hr = wrapper.GetCurrentThemeName(name, MAX_PATH, colorName, MAX_PATH, nullptr, 0);
    EXPECT_EQ(active, SUCCEEDED(hr)) << "names exist exactly while a style is active";
}

TEST(ThemeWrapper, OpeningAgainReplacesTheHandle)
{
    CXTPWinThemeWrapper wrapper;
    if (!wrapper.IsThemeActive())
        GTEST_SKIP() << "no visual style active in this prefix";
    wrapper.OpenThemeData(nullptr, L"BUTTON");
    HTHEME first = wrapper.GetThemeHandle();
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(XTPHasSecondHandle(wrapper));
    wrapper.OpenThemeData(nullptr, L"HEADER");
    EXPECT_NE(nullptr, wrapper.GetThemeHandle());
    wrapper.CloseThemeData();
    EXPECT_FALSE(XTPHasSecondHandle(wrapper));
}

TEST(ThemeWrapper, VisualStylesNeedCommonControlsSix)
{
    CXTPWinThemeLibrary version5(L"UxTheme.dll", MAKELONG(80, 5));
    CXTPWinThemeLibrary version6(L"UxTheme.dll", MAKELONG(0, 6));
    CXTPWinThemeWrapper old(&version5), current(&version6);
    EXPECT_FALSE(old.IsThemeUsable());
    EXPECT_EQ(current.IsThemeActive(), current.IsThemeUsable());
}

TEST(ThemeWrapper, FaultInsideTheLibraryGivesTheFailureValue)
{
    volatile int* nowhere = reinterpret_cast<volatile int*>(8);
    int after = 0;
    EXPECT_FALSE(CXTPFaultGuard::Run([&] { after = *nowhere; }));
    EXPECT_TRUE(CXTPFaultGuard::Run([&] { after = 1; }));
    EXPECT_EQ(1, after);

    CXTPWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"BUTTON");
    if (!XTPHasSecondHandle(wrapper))
        GTEST_SKIP() << "no visual style active in this prefix";
    HDC dc = CreateCompatibleDC(nullptr);
    typedef HRESULT(WINAPI * PFNDraw)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    auto draw = reinterpret_cast<PFNDraw>(GetProcAddress(GetModuleHandleW(L"uxtheme.dll"), "DrawThemeBackground"));
    EXPECT_FALSE(CXTPFaultGuard::Run([&] { draw(wrapper.GetThemeHandle(), dc, 1, 1, (const RECT*)8, nullptr); }))
        << "the library faults on this rectangle";
    EXPECT_EQ(E_FAIL, wrapper.DrawThemeBackground(dc, 1, 1, reinterpret_cast<const RECT*>(8), nullptr));
    DeleteDC(dc);
    COLORREF color = 0;
    wrapper.GetThemeColor(1, 1, 3801, &color); // the library still answers afterwards
}
