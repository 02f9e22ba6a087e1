// A popup item handed its own font keeps it.
#include <gtest/gtest.h>

#include "toolkit/common/popup/XTPPopupItem.h"

TEST(PopupItemFont, HandedItsOwnFontKeepsIt)
{
    CXTPPopupItem item(CRect(0, 0, 100, 20), L"Text");
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    item.SetTextFont(&font);

    item.SetTextFont(item.GetTextFont());
    LOGFONT lf = {};
    ASSERT_NE(0, item.GetTextFont()->GetLogFont(&lf)) << "the item still has a font";
    EXPECT_EQ(-20, lf.lfHeight);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);

    item.SetTextFont(nullptr);
    EXPECT_EQ(nullptr, item.GetTextFont()->GetSafeHandle()) << "null clears the item's own font";
}
