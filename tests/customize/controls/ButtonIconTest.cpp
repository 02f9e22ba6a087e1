// The themed button's icons: handed its own image it keeps it, and an icon
// resource loads at any size asked for.
#include <gtest/gtest.h>

#include "customize/controls/ButtonTestSupport.h"
#include "resources/ToolkitImageIds.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"

using namespace ctltest;

namespace {

class ButtonIcon : public ParentSuite<60, 60, 300, 120>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_button.Create(L"Bild", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 130, 50), s_parent,
                                    100));
    }

    CProbeButton m_button;
};

} // namespace

TEST_F(ButtonIcon, HandedItsOwnImageKeepsIt)
{
    ASSERT_TRUE(m_button.SetIcon(CSize(16, 16), UINT(IDI_TOOLKIT_APP), UINT(IDI_TOOLKIT_PLAIN1), FALSE));
    ASSERT_NE(nullptr, m_button.GetIcon());

    // The image handle object itself, then the raw icon of a plain image.
    EXPECT_TRUE(m_button.SetIcon(CSize(0, 0), m_button.GetIcon()->GetIcon(), m_button.GetIcon()->GetHotIcon(), FALSE));
    ASSERT_NE(nullptr, m_button.GetIcon());
    EXPECT_FALSE(m_button.GetIcon()->GetIcon().IsEmpty());
    EXPECT_FALSE(m_button.GetIcon()->GetHotIcon().IsEmpty());
    EXPECT_EQ(CSize(16, 16), m_button.GetImageSize());

    HICON hPlain = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TOOLKIT_PLAIN2), IMAGE_ICON, 16, 16, 0));
    ASSERT_TRUE(m_button.SetIcon(CSize(16, 16), hPlain, nullptr, FALSE));
    DestroyIcon(hPlain);
    HICON hOwn = m_button.GetIcon()->GetIcon().GetIcon();
    ASSERT_NE(nullptr, hOwn);
    EXPECT_TRUE(m_button.SetIcon(CSize(0, 0), hOwn, nullptr, FALSE));
    HICON hNow = m_button.GetIcon()->GetIcon().GetIcon();
    ICONINFO info = {};
    ASSERT_TRUE(hNow != nullptr && GetIconInfo(hNow, &info)) << "the button's icon is alive";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(CSize(16, 16), m_button.GetImageSize());
}

TEST_F(ButtonIcon, ResourceLoadsAtTheAskedSize)
{
    // The group holds 16 and 32 pixel images only.
    struct Case
    {
        CSize asked;
        CSize expected;
    } cases[] = {
        {CSize(16, 16), CSize(16, 16)},
        {CSize(32, 32), CSize(32, 32)},
        {CSize(24, 24), CSize(24, 24)},
        {CSize(48, 48), CSize(48, 48)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.asked.cx);
        ASSERT_TRUE(m_button.SetIcon(c.asked, UINT(IDI_TOOLKIT_APP), 0u, FALSE));
        EXPECT_EQ(c.expected, m_button.GetImageSize());
        EXPECT_EQ(c.expected, m_button.GetIcon()->GetIcon().GetExtent());
    }

    // 0 x 0: the icon's own size, whichever image of the group that is.
    ASSERT_TRUE(m_button.SetIcon(CSize(0, 0), UINT(IDI_TOOLKIT_APP), UINT(IDI_TOOLKIT_PLAIN1), FALSE));
    CSize own = m_button.GetImageSize();
    EXPECT_TRUE(own == CSize(16, 16) || own == CSize(32, 32)) << own.cx << " x " << own.cy;
    EXPECT_FALSE(m_button.GetIcon()->GetHotIcon().IsEmpty());

    EXPECT_FALSE(m_button.SetIcon(CSize(0, 0), 4711u, 0u, FALSE)) << "a missing icon still fails";
    EXPECT_EQ(own, m_button.GetImageSize());
}
