// Toolbars filled from toolbar resources: buttons with groups, the site's say
// over each button, image sizes, and resources that are missing or short.
#include <gtest/gtest.h>
#include "commandbars/CommandBarsTestSupport.h"
#include "resources/AppIds.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/resources/XTPResourceManager.h"

namespace {

const UINT ID_SHORT_COUNT = 27901;
const UINT ID_SHORT_HEADER = 27902;

// A site that shows captions on one command and counts the requests.
class CCreatingSite : public CTestSite
{
public:
    int requests = 0, created = 0;
    int captionedId = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        XTPCreateControlRequest* pRequest = reinterpret_cast<XTPCreateControlRequest*>(lParam);
        if (message == WM_XTP_CREATE_CONTROL) {
            requests++;
            EXPECT_TRUE(pRequest->bToolBar);
            if (pRequest->nID == captionedId) {
                pRequest->buttonStyle = xtpButtonIconAndCaption;
                return TRUE;
            }
            return FALSE;
        }
        if (message == WM_XTP_CONTROL_CREATED) {
            created++;
            EXPECT_NE(nullptr, pRequest->pControl);
        }
        return CTestSite::WindowProc(message, wParam, lParam);
    }
};

class LoadToolBar : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.Create(CRect(50, 50, 650, 200)));
        ASSERT_TRUE(m_bar.Create(&m_site, CRect(0, 0, 600, 40)));
        m_bar.SetImageManager(new CXTPImageManager());
    }
    void TearDown() override { m_bar.DestroyWindow(); }

    CCreatingSite m_site;
    CTestBar m_bar;
};

} // namespace

TEST_F(LoadToolBar, ProgramToolbarGivesLargeIconsGroupsAndTheSitesStyles)
{
    m_site.captionedId = 0xE146;
    ASSERT_TRUE(XTPGetResourceManager()->LoadToolBar(&m_bar, IDR_TOOLBAR_ALPHA));
    EXPECT_EQ(IDR_TOOLBAR_ALPHA, m_bar.GetBarID());
    EXPECT_EQ(CSize(32, 32), m_bar.GetIconSize());
    const int ids[] = {0x8003, 0x8004, 0x8007, 0x8024, 0x8005, 0xE146, 0x8037};
    ASSERT_EQ(7, m_bar.GetControlCount());
    for (int i = 0; i < 7; i++) {
        CXTPControl* pControl = m_bar.GetControl(i);
        EXPECT_EQ(ids[i], pControl->GetID());
        EXPECT_EQ(i == 4 || i == 5, pControl->GetBeginGroup()) << "separators start groups: " << i;
        EXPECT_NE(nullptr, m_bar.GetImageManager()->GetImage(static_cast<UINT>(ids[i]), 32)) << i;
    }
    EXPECT_EQ(xtpButtonIconAndCaption, m_bar.GetControl(5)->GetStyle());
    EXPECT_EQ(xtpButtonAutomatic, m_bar.GetControl(0)->GetStyle());
    EXPECT_EQ(7, m_site.requests);
    EXPECT_EQ(7, m_site.created);
    ASSERT_NE(nullptr, m_bar.GetControls()->GetOriginalControls()) << "the loaded set is kept for resetting";
    EXPECT_EQ(7, m_bar.GetControls()->GetOriginalControls()->GetCount());
}

TEST_F(LoadToolBar, SixteenWideImagesLeaveTheIconSizeToTheOptions)
{
    CSize szBefore = m_bar.GetIconSize();
    ASSERT_TRUE(m_bar.LoadToolBar(XT_IDR_EDIT_TOOLBAR));
    EXPECT_EQ(5, m_bar.GetControlCount());
    EXPECT_EQ(szBefore, m_bar.GetIconSize());
}

TEST_F(LoadToolBar, MissingOrShortResourcesAreRefusedAndLeaveTheBarEmpty)
{
    const struct
    {
        const char* name;
        UINT id;
    } cases[] = {{"missing", 4711}, {"count larger than its ids", ID_SHORT_COUNT},
                 {"header cut short", ID_SHORT_HEADER}};
    for (const auto& c : cases) {
        ASSERT_TRUE(m_bar.LoadToolBar(XT_IDR_EDIT_TOOLBAR, FALSE));
        ASSERT_GT(m_bar.GetControlCount(), 0);
        EXPECT_FALSE(m_bar.LoadToolBar(c.id)) << c.name;
        EXPECT_EQ(0, m_bar.GetControlCount()) << c.name;
    }
}

// Image sizes from a resource: one that fits gives the icons; one beyond
// what an image list takes gives none (the buttons stay), and nothing
// reaches the platform with it.
TEST_F(LoadToolBar, SizesBeyondTheImageListGiveNoIcons)
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

// The image width of the resource decides the bar's icon size: 16 leaves it
// to the options, any other width becomes the bar's own, which the large
// icons then double. The icons are cut at the resource's size.
TEST_F(LoadToolBar, ImageWidthDecidesTheBarsIconSize)
{
    struct Case
    {
        UINT id;
        const char* what;
        int width;
        CSize icons, largeIcons, iconsWithLargeOption;
    } cases[] = {
        {27903, "16 x 16", 16, CSize(20, 20), CSize(40, 40), CSize(40, 40)},
        {27908, "24 x 24", 24, CSize(24, 24), CSize(48, 48), CSize(48, 48)},
        {IDR_TOOLBAR_ALPHA, "32 x 32", 32, CSize(32, 32), CSize(64, 64), CSize(64, 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CXTPCommandBars commandBars;
        CXTPCommandBarsOptions* pOptions = commandBars.GetOptions();
        pOptions->szIcons = CSize(20, 20);
        CTestBar bar;
        ASSERT_TRUE(bar.Create(&m_site, CRect(0, 0, 600, 40)));
        bar.SetCommandBars(&commandBars);
        bar.SetImageManager(new CXTPImageManager());
        ASSERT_TRUE(bar.LoadToolBar(c.id));
        EXPECT_EQ(c.icons, bar.GetIconSize());
        EXPECT_EQ(c.largeIcons, bar.GetLargeIconSize());
        pOptions->bLargeIcons = TRUE;
        EXPECT_EQ(c.iconsWithLargeOption, bar.GetIconSize());
        UINT nFirst = static_cast<UINT>(bar.GetControl(0)->GetID());
        EXPECT_TRUE(bar.GetImageManager()->HasExactImage(nFirst, c.width));
        EXPECT_FALSE(bar.GetImageManager()->HasExactImage(nFirst, c.width == 16 ? 24 : 16));
        bar.GetControls()->RemoveAll();
        bar.SetCommandBars(nullptr);
        bar.DestroyWindow();
    }
}
