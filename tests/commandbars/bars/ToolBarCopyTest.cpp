// A toolbar copied or cloned: its own settings go along with the base ones,
// the controls are its own copies, and a docked target stays on its side.
#include <gtest/gtest.h>
#include "ToolBarTestSupport.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"

namespace {

CXTPToolBar* MakeSource(BOOL bBuiltIn, BOOL bTearOff, BOOL bCloseable)
{
    auto* pBar = new CXTPToolBar();
    pBar->SetTitle(L"Quelle");
    pBar->SetBarID(321);
    pBar->SetBuiltIn(bBuiltIn);
    pBar->m_bTearOff = bTearOff;
    pBar->SetCloseable(bCloseable);
    pBar->GetControls()->Add(xtpControlButton, 11)->SetCaption(L"Eins");
    pBar->GetControls()->Add(xtpControlButton, 12)->SetCaption(L"Zwei");
    return pBar;
}

} // namespace

TEST(ToolBarCopy, CloneCarriesTheToolbarsOwnSettingsAndOwnControls)
{
    struct Case
    {
        BOOL builtIn, tearOff, closeable;
    } cases[] = {{FALSE, TRUE, FALSE}, {TRUE, FALSE, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tearOff);
        CXTPToolBar* pSource = MakeSource(c.builtIn, c.tearOff, c.closeable);
        auto* pClone = dynamic_cast<CXTPToolBar*>(pSource->Clone(TRUE));
        ASSERT_NE(nullptr, pClone) << "a toolbar again";
        EXPECT_EQ(c.builtIn, pClone->IsBuiltIn());
        EXPECT_EQ(c.tearOff, pClone->m_bTearOff);
        EXPECT_EQ(c.closeable, pClone->IsCloseable());
        EXPECT_EQ(CString(L"Quelle"), pClone->GetTitle());
        EXPECT_EQ(321u, pClone->GetBarID());
        ASSERT_EQ(2, pClone->GetControlCount());
        EXPECT_NE(pSource->GetControl(0), pClone->GetControl(0)) << "copies, not shared";
        EXPECT_EQ(pClone, pClone->GetControl(1)->GetParent());
        pSource->GetControl(0)->SetCaption(L"Geändert");
        EXPECT_EQ(CString(L"Eins"), pClone->GetControl(0)->GetCaption());
        pClone->InternalRelease();
        pSource->InternalRelease();
    }
}

TEST(ToolBarCopy, CopyOntoADockedBarKeepsItsSideAndOntoItselfChangesNothing)
{
    auto* frame = new CToolBarFrame();
    ASSERT_TRUE(frame->CreateFrame(600, 300));
    CXTPToolBar* pDocked = frame->GetCommandBars()->Add(L"Links", xtpBarLeft);
    ASSERT_NE(nullptr, pDocked);
    CXTPToolBar* pSource = MakeSource(FALSE, FALSE, FALSE);
    pSource->SetBarPosition(xtpBarFloating);
    pDocked->Copy(pSource, TRUE);
    EXPECT_EQ(xtpBarLeft, pDocked->GetPosition()) << "still on its dock bar";
    EXPECT_FALSE(pDocked->IsCloseable());
    EXPECT_EQ(2, pDocked->GetControlCount());

    pDocked->Copy(pDocked, TRUE);
    EXPECT_EQ(2, pDocked->GetControlCount());
    EXPECT_EQ(CString(L"Quelle"), pDocked->GetTitle());
    pSource->InternalRelease();
    frame->DestroyWindow();
}
