// Image sizes read from a toolbar resource: one that fits gives the icons;
// one beyond what an image list takes gives none (the buttons stay), and
// nothing reaches the platform with it.
#include <gtest/gtest.h>
#include "../CommandBarsTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/images/XTPImageManager.h"

namespace {

class ToolBarImageSize : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(50, 50, 650, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 600, 40)));
        m_bar.SetImageManager(new CXTPImageManager());
    }
    void TearDown() override { m_bar.DestroyWindow(); }

    CTestSite m_site;
    CTestBar m_bar;
};

} // namespace

TEST_F(ToolBarImageSize, SizesBeyondTheImageListGiveNoIcons)
{
    struct Case
    {
        UINT id;
        const char* what;
        bool icons;
    } cases[] = {
        {27903, "16 x 16", true},
        {27904, "16 x 65535", false},
        {27905, "65535 x 16", false},
        {27906, "16 x 4096", false},
        {27907, "16 x 0", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        m_bar.SetImageManager(new CXTPImageManager());
        EXPECT_EQ(c.icons, !!m_bar.LoadToolBar(c.id));
        EXPECT_EQ(4, m_bar.GetControls()->GetCount()) << "the buttons are made either way";
        EXPECT_EQ(c.icons, m_bar.GetImageManager()->GetIconSet(103) != nullptr);
    }
}
