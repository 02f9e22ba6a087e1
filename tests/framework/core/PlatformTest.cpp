// The build targets the Windows version whose structure sizes the program
// stores and passes around.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <set>
#include <string>

TEST(Platform, SystemStructuresHaveTheTargetedSizes)
{
    EXPECT_EQ(sizeof(NONCLIENTMETRICSW), 500u);
    // These headers always carry the later guidItem member; the tray icon
    // passes the version 2 size (936) as cbSize.
    EXPECT_EQ(NOTIFYICONDATAW_V2_SIZE, 936u);
    EXPECT_EQ(sizeof(void*), 4u);
    EXPECT_EQ(sizeof(wchar_t), 2u);
}

TEST(Platform, GermanUserLocale)
{
    EXPECT_EQ(GetUserDefaultLCID(), 0x407u);
}

// The prefix holds Wine's own fonts: dialogs, menus and tips are measured in
// Tahoma, and the glyphs drawn with Marlett (check marks, arrows) exist.
static int CALLBACK CollectFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    reinterpret_cast<std::set<std::wstring>*>(lParam)->insert(lf->lfFaceName);
    return 1;
}

TEST(Platform, PrefixHasWineFonts)
{
    HDC hdc = GetDC(nullptr);
    ASSERT_NE(hdc, nullptr);
    std::set<std::wstring> families;
    LOGFONTW any = {};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(hdc, &any, CollectFamily, reinterpret_cast<LPARAM>(&families), 0);
    for (const wchar_t* name : {L"Tahoma", L"Marlett", L"MS Sans Serif", L"Small Fonts", L"Symbol"})
        EXPECT_TRUE(families.count(name)) << "missing font family " << std::string(name, name + wcslen(name));

    for (const wchar_t* face : {L"Tahoma", L"Marlett"})
    {
        LOGFONTW lf = {};
        lf.lfHeight = -11;
        lf.lfCharSet = lstrcmpW(face, L"Marlett") == 0 ? SYMBOL_CHARSET : DEFAULT_CHARSET;
        lstrcpyW(lf.lfFaceName, face);
        HFONT font = CreateFontIndirectW(&lf);
        HGDIOBJ old = SelectObject(hdc, font);
        wchar_t selected[LF_FACESIZE] = {};
        GetTextFaceW(hdc, LF_FACESIZE, selected);
        EXPECT_STREQ(selected, face);
        SelectObject(hdc, old);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, hdc);
}
