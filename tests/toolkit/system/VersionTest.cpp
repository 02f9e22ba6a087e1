// Classification of Windows versions and the icon handle's ownership.
#include <gtest/gtest.h>
#include "toolkit/common/images/XTIconHandle.h"
#include "toolkit/common/system/XTPOSVersionInfo.h"

namespace {

CXTPOSVersionInfo Version(DWORD platform, DWORD major, DWORD minor)
{
    CXTPOSVersionInfo info;
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    return info;
}

HICON MakeIcon()
{
    BYTE andMask[32 * 4] = {};
    BYTE xorMask[32 * 4] = {};
    return CreateIcon(GetModuleHandleW(nullptr), 32, 32, 1, 1, andMask, xorMask);
}

} // namespace

TEST(VersionInfo, EachSystemPassesOnlyItsOwnTests)
{
    const DWORD win9x = VER_PLATFORM_WIN32_WINDOWS, nt = VER_PLATFORM_WIN32_NT;
    const struct
    {
        const char* name;
        CXTPOSVersionInfo info;
        bool win95, win98, nt4, win2000, xp, nt5OrLater;
    } systems[] = {
        {"95", Version(win9x, 4, 0), true, false, false, false, false, false},
        {"98", Version(win9x, 4, 10), false, true, false, false, false, false},
        {"ME", Version(win9x, 4, 90), false, false, false, false, false, false},
        {"NT4", Version(nt, 4, 0), false, false, true, false, false, false},
        {"2000", Version(nt, 5, 0), false, false, false, true, false, true},
        {"XP", Version(nt, 5, 1), false, false, false, false, true, true},
        {"2003", Version(nt, 5, 2), false, false, false, false, false, true},
    };
    for (const auto& s : systems)
    {
        EXPECT_EQ(s.win95, !!s.info.IsWin95()) << s.name;
        EXPECT_EQ(s.win98, !!s.info.IsWin98()) << s.name;
        EXPECT_EQ(s.nt4, !!s.info.IsWinNT4()) << s.name;
        EXPECT_EQ(s.win2000, !!s.info.IsWin2000()) << s.name;
        EXPECT_EQ(s.xp, !!s.info.IsWinXP()) << s.name;
        EXPECT_EQ(s.nt5OrLater, !!s.info.IsNT5OrLater()) << s.name;
    }
    EXPECT_TRUE(Version(win9x, 5, 1).IsVersion(5, 1)) << "any platform";
    EXPECT_FALSE(Version(nt, 5, 1).IsVersion(5, 0));
}

TEST(VersionInfo, GlobalRecordDescribesTheRunningSystem)
{
    const CXTPOSVersionInfo* info = XTPGetOSVersionInfo();
    EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), info->dwPlatformId);
    EXPECT_EQ(LOBYTE(LOWORD(GetVersion())), info->dwMajorVersion);
    EXPECT_TRUE(info->IsNT5OrLater());
}

TEST(IconHandle, OwnsExactlyOneIcon)
{
    HICON first = MakeIcon();
    HICON second = MakeIcon();
    ASSERT_TRUE(first && second);
    {
        CXTIconHandle handle;
        EXPECT_EQ(nullptr, static_cast<HICON>(handle));
        handle.Assign(first);
        handle.Assign(first);
        ICONINFO info = {};
        EXPECT_TRUE(GetIconInfo(first, &info)) << "assigning the held icon again keeps it";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        handle = second;
        EXPECT_FALSE(DestroyIcon(first)) << "the replaced icon was destroyed";
        EXPECT_EQ(second, static_cast<HICON>(handle));
    }
    EXPECT_FALSE(DestroyIcon(second)) << "the destructor destroyed the held icon";
    CXTIconHandle empty; // destroying an empty handle does nothing
}
