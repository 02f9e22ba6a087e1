// Edit and combo boxes in customize mode, driven by real mouse input: a press
// in the middle of the edit window moves the control, a press on its right
// edge resizes it.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"

using namespace testinput;
using testpump::PumpUntilIdle;

namespace {

const int kBoxId = 820;
const int kButtonId = 821;

// Parameter: TRUE for a combo box with an edit part, FALSE for an edit box.
class EditPartCustomize : public testing::TestWithParam<BOOL>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateStage(CRect(100, 100, 600, 300), 500));
        if (GetParam()) {
            CXTPControlComboBox* pCombo = new CXTPControlComboBox();
            m_bar.GetControls()->Add(pCombo, kBoxId);
            pCombo->SetDropDown(TRUE);
        } else {
            m_bar.GetControls()->Add(xtpControlEdit, kBoxId);
        }
        CXTPControl* pButton = m_bar.GetControls()->Add(xtpControlButton, kButtonId);
        pButton->SetCaption(L"Karten");
        pButton->SetStyle(xtpButtonCaption);
        PlaceInRow(4);
        // The box's edit window is the bar's only child.
        m_hEdit = ::GetWindow(m_bar.GetSafeHwnd(), GW_CHILD);
        ASSERT_TRUE(::IsWindow(m_hEdit));
        // The middle of the edit window, counted from the window's own
        // corner, onto the control's left edge: a press read in the edit's
        // coordinates lands on the resize edge in the bar's.
        CRect rcEdit;
        ::GetClientRect(m_hEdit, &rcEdit);
        PlaceInRow(rcEdit.CenterPoint().x - 1);
        // The stage's bar has its window before its manager: it takes drops once told.
        m_commandBars.GetDragHelper()->AddDropTarget(&m_bar);
        m_commandBars.SetCustomizeMode(TRUE);
        m_commandBars.SetCustomizeSelection(m_bar.GetControl(0));
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_commandBars.SetCustomizeMode(FALSE);
        DestroyStage();
    }
    // Found by its id: a move puts a copy in the box's place.
    int WidthOfBox() const
    {
        CXTPControl* pBox = m_bar.GetControls()->FindControl(kBoxId);
        if (CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pBox))
            return pEdit->GetWidth();
        CXTPControlComboBox* pCombo = dynamic_cast<CXTPControlComboBox*>(pBox);
        return pCombo ? pCombo->GetWidth() : -1;
    }

    HWND m_hEdit = nullptr;
};

} // namespace

TEST_P(EditPartCustomize, PressInTheMiddleOfTheEditWindowMovesTheControl)
{
    CRect rcEdit;
    ::GetWindowRect(m_hEdit, &rcEdit);
    CPoint ptFrom = rcEdit.CenterPoint();
    ASSERT_EQ(m_hEdit, ::WindowFromPoint(ptFrom));
    CRect rcButton = m_bar.GetControl(1)->GetRect();
    POINT ptTo = ClientToScreenPoint(m_bar.GetSafeHwnd(), rcButton.right - 3, rcButton.CenterPoint().y);
    ASSERT_TRUE(DragInLoop(m_site.GetSafeHwnd(), ptFrom, {{ptFrom.x + 10, ptFrom.y}, ptTo}));

    EXPECT_EQ(100, WidthOfBox()) << "no resize";
    ASSERT_EQ(2, m_bar.GetControlCount());
    EXPECT_EQ(kBoxId, m_bar.GetControl(1)->GetID()) << "dropped after the button";
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_P(EditPartCustomize, PressOnTheRightEdgeResizesTheControl)
{
    CRect rc = m_bar.GetControl(0)->GetRect();
    POINT ptFrom = ClientToScreenPoint(m_bar.GetSafeHwnd(), rc.right - 1, rc.CenterPoint().y);
    ASSERT_NE(m_hEdit, ::WindowFromPoint(ptFrom)) << "the edge belongs to the bar";
    ASSERT_TRUE(DragInLoop(m_site.GetSafeHwnd(), ptFrom, {{ptFrom.x + 15, ptFrom.y}, {ptFrom.x + 30, ptFrom.y}}));

    EXPECT_EQ(130, WidthOfBox());
    EXPECT_EQ(kBoxId, m_bar.GetControl(0)->GetID()) << "stays in its place";
    EXPECT_EQ(m_bar.GetControl(0), m_commandBars.GetDragControl()) << "still selected";
    EXPECT_EQ(nullptr, ::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Boxes, EditPartCustomize, testing::Values(FALSE, TRUE),
                         [](const testing::TestParamInfo<BOOL>& info) {
                             return info.param ? "ComboBox" : "EditBox";
                         });
