// What the manager does besides holding its bars: the full options exchange
// through an archive (the paint manager's icon looks among them), the bar
// classes a program may replace, and a change of the system colours.
#include <gtest/gtest.h>
#include "commandbars/frame/FrameTestSupport.h"
#include "framework/files/CArchive.h"
#include "framework/files/CArchiveException.h"
#include "framework/files/CMemFile.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/common/images/XTPImageManagerIconSet.h"

namespace {

class CMarkedDockBar : public CXTPDockBar
{
    DECLARE_DYNCREATE(CMarkedDockBar)
};
IMPLEMENT_DYNCREATE(CMarkedDockBar, CXTPDockBar)

class CMarkedToolBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CMarkedToolBar)
};
IMPLEMENT_DYNCREATE(CMarkedToolBar, CXTPToolBar)

class CMarkedPopupBar : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CMarkedPopupBar)
};
IMPLEMENT_DYNCREATE(CMarkedPopupBar, CXTPPopupBar)

// Puts the replaceable classes back whatever the test does.
class CReplacedClasses
{
public:
    CReplacedClasses()
    {
        CXTPCommandBars::m_pDockBarClass = RUNTIME_CLASS(CMarkedDockBar);
        CXTPCommandBars::m_pToolBarClass = RUNTIME_CLASS(CMarkedToolBar);
        CXTPPopupBar::m_pPopupBarClass = RUNTIME_CLASS(CMarkedPopupBar);
    }
    ~CReplacedClasses()
    {
        CXTPCommandBars::m_pDockBarClass = RUNTIME_CLASS(CXTPDockBar);
        CXTPCommandBars::m_pToolBarClass = RUNTIME_CLASS(CXTPToolBar);
        CXTPPopupBar::m_pPopupBarClass = RUNTIME_CLASS(CXTPPopupBar);
    }
    CReplacedClasses(const CReplacedClasses&) = delete;
    CReplacedClasses& operator=(const CReplacedClasses&) = delete;
};

// The process-wide paint manager's icon looks, put back afterwards.
class CIconLooks
{
public:
    CIconLooks() : m_saved(*XTPPaintManager()->GetIconsInfo()) {}
    ~CIconLooks() { *XTPPaintManager()->GetIconsInfo() = m_saved; }
    CIconLooks(const CIconLooks&) = delete;
    CIconLooks& operator=(const CIconLooks&) = delete;

private:
    XTP_COMMANDBARS_ICONSINFO m_saved;
};

// The options of a new manager, set up by the caller, written to the file.
template <typename SetUp>
void StoreOptions(CMemFile& file, SetUp setUp)
{
    CXTPCommandBars* pBars = new CXTPCommandBars();
    setUp(pBars);
    CArchive ar(&file, CArchive::store);
    pBars->GetOptions()->Serialize(ar);
    ar.Close();
    pBars->InternalRelease();
}

} // namespace

TEST(ManagerServices, OptionsSerializeCarriesEveryOptionWithTheIconLooks)
{
    CIconLooks restore;
    XTP_COMMANDBARS_ICONSINFO* pIcons = XTPPaintManager()->GetIconsInfo();
    CMemFile file;
    StoreOptions(file, [&](CXTPCommandBars* pBars) {
        CXTPCommandBarsOptions* pOptions = pBars->GetOptions();
        pOptions->bDblClickFloat = TRUE;
        pOptions->szPopupIcons = CSize(24, 24);
        pOptions->keyboardCuesUse = 5;
        pBars->HideCommand(28501);
        pIcons->bIconsWithShadow = TRUE;
        pIcons->bUseDisabledIcons = FALSE;
        pIcons->bUseFadedIcons = FALSE;
    });
    pIcons->bIconsWithShadow = FALSE;
    pIcons->bUseDisabledIcons = TRUE;
    pIcons->bUseFadedIcons = TRUE;

    file.SeekToBegin();
    CXTPCommandBars* pLoaded = new CXTPCommandBars();
    CArchive ar(&file, CArchive::load);
    pLoaded->GetOptions()->Serialize(ar);
    ar.Close();
    EXPECT_TRUE(pLoaded->GetOptions()->bDblClickFloat);
    EXPECT_EQ(pLoaded->GetOptions()->szPopupIcons, CSize(24, 24));
    EXPECT_EQ(pLoaded->GetOptions()->keyboardCuesUse, 5);
    EXPECT_TRUE(pLoaded->IsCommandHidden(28501));
    EXPECT_TRUE(pIcons->bIconsWithShadow) << "the icon looks reach the paint manager";
    EXPECT_FALSE(pIcons->bUseDisabledIcons);
    EXPECT_FALSE(pIcons->bUseFadedIcons);
    pLoaded->InternalRelease();
}

TEST(ManagerServices, OptionsFromAnArchiveThatEndsEarlyStayAsTheyWere)
{
    CIconLooks restore;
    XTP_COMMANDBARS_ICONSINFO* pIcons = XTPPaintManager()->GetIconsInfo();
    CMemFile file;
    // Every value differs from what the loading manager holds.
    StoreOptions(file, [](CXTPCommandBars* pBars) {
        CXTPCommandBarsOptions* pOptions = pBars->GetOptions();
        pOptions->bAlwaysShowFullMenus = FALSE;
        pOptions->bLargeIcons = TRUE;
        pOptions->animationType = 3;
        pOptions->bDblClickFloat = TRUE;
        pBars->HideCommand(28501);
    });
    pIcons->bIconsWithShadow = TRUE;
    // Cut off in the middle: the first options are there, the last are not.
    file.SetLength(file.GetLength() / 2);
    file.SeekToBegin();

    CXTPCommandBars* pLoaded = new CXTPCommandBars();
    CXTPCommandBarsOptions* pOptions = pLoaded->GetOptions();
    pLoaded->HideCommand(28600);
    bool bThrew = false;
    try {
        CArchive ar(&file, CArchive::load);
        pOptions->Serialize(ar);
    } catch (CException* e) {
        bThrew = e->IsKindOf(RUNTIME_CLASS(CArchiveException));
        e->Delete();
    }
    EXPECT_TRUE(bThrew) << "the caller learns that the load failed";
    EXPECT_TRUE(pOptions->bAlwaysShowFullMenus);
    EXPECT_FALSE(pOptions->bLargeIcons);
    EXPECT_EQ(pOptions->animationType, 0);
    EXPECT_FALSE(pOptions->bDblClickFloat);
    EXPECT_TRUE(pLoaded->IsCommandHidden(28600));
    EXPECT_FALSE(pLoaded->IsCommandHidden(28501));
    EXPECT_TRUE(pIcons->bIconsWithShadow);
    pLoaded->InternalRelease();
}

TEST(ManagerServices, BarsAreMadeOfTheReplaceableClasses)
{
    CReplacedClasses replaced;
    auto* pFrame = new CTestFrame();
    ASSERT_TRUE(pFrame->CreateFrame(500, 300));
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    for (int side = xtpBarTop; side <= xtpBarRight; side++)
        EXPECT_TRUE(pCommandBars->GetDockBar(static_cast<XTPBarPosition>(side))->IsKindOf(RUNTIME_CLASS(CMarkedDockBar)))
            << side;
    CXTPToolBar* pAdded = pCommandBars->Add(L"Werkzeuge", xtpBarTop);
    ASSERT_NE(pAdded, nullptr);
    EXPECT_TRUE(pAdded->IsKindOf(RUNTIME_CLASS(CMarkedToolBar)));
    CXTPToolBar* pCustom = pCommandBars->AddCustomBar(L"Eigene", 150);
    ASSERT_NE(pCustom, nullptr);
    EXPECT_TRUE(pCustom->IsKindOf(RUNTIME_CLASS(CMarkedToolBar)));
    // The toolbars menu and a new popup control's menu are popup bars of the class.
    CXTPPopupBar* pToolbars = pCommandBars->CreateToolbarsPopup();
    EXPECT_TRUE(pToolbars->IsKindOf(RUNTIME_CLASS(CMarkedPopupBar)));
    pToolbars->InternalRelease();
    CXTPControl* pPopup = pAdded->GetControls()->Add(xtpControlPopup, 0);
    ASSERT_NE(pPopup->GetCommandBar(), nullptr);
    EXPECT_TRUE(pPopup->GetCommandBar()->IsKindOf(RUNTIME_CLASS(CMarkedPopupBar)));
    pFrame->DestroyWindow();
}

TEST(ManagerServices, ASystemColourChangeRefreshesColoursAndIconsAtOnce)
{
    auto* pFrame = new CTestFrame();
    ASSERT_TRUE(pFrame->CreateFrame(500, 300));
    CXTPCommandBars* pCommandBars = pFrame->GetCommandBars();
    auto* pImages = new CXTPImageManager;
    pCommandBars->SetImageManager(pImages);
    // An icon without alpha: only such icons get scaled copies.
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, 16, 16);
    ::ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    CXTPImageManagerIconHandle hIcon;
    hIcon.AttachIcon(::CreateIconIndirect(&info));
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    const UINT nIcon = pImages->AddIconWithNewSet(hIcon);
    ASSERT_NE(pImages->GetImage(nIcon, 24), nullptr);
    ASSERT_NE(pImages->GetIconSet(nIcon)->GetIcon(24, FALSE), nullptr) << "a scaled copy is kept";

    // Colours refreshed a moment ago in a program with its main window (the
    // refresh is then held back for a while), then one of them stale.
    CWinApp app(L"ColoursApp");
    app.m_pMainWnd = pFrame;
    CXTPColorManager* pColors = XTPGetColorManager();
    XTPRefreshColorsThrottled();
    const COLORREF clrWindow = pColors->m_arrStandardColor[COLOR_WINDOW];
    pColors->m_arrStandardColor[COLOR_WINDOW] = clrWindow ^ 0x00FFFFFF;
    pFrame->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(pColors->m_arrStandardColor[COLOR_WINDOW], clrWindow) << "the colours waited for the throttle";
    EXPECT_EQ(pImages->GetIconSet(nIcon)->GetIcon(24, FALSE), nullptr) << "the scaled copy stayed";
    app.m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}
