// The build targets the Windows version whose structure sizes the program
// stores and passes around.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

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
