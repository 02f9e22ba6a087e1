// Edit and combo boxes in customize mode, driven by real mouse input: a press
// in the middle of the edit window moves the control, a press on its right
// edge resizes it.
#include <gtest/gtest.h>
#include "EditPartStage.h"
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/controls/XTPControlComboBox.h"
#include "toolkit/commandbars/controls/XTPControlEdit.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/controls/XTPEdit.h"
#include "toolkit/commandbars/customize/XTPCustomizeDragHelper.h"

using namespace testinput;
using testpump::PumpUntilIdle;

namespace {

const int kBoxId = 820;
const int kButtonId = 821;

enum class BoxKind { edit, combo };

class EditPartCustomize : public testing::TestWithParam<BoxKind>, protected CEditPartStage
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateStage(CRect(100, 100, 600, 300), 500));
        if (GetParam() == BoxKind::edit) {
            m_bar.GetControls()->Add(xtpControlEdit, kBoxId);
        } else {
            CXTPControlComboBox* pCombo = new CXTPControlComboBox();
            m_bar.GetControls()->Add(pCombo, kBoxId);
            pCombo->SetDropDown(TRUE);
            pCombo->AddString(L"Berlin");
        }
        m_pBox = m_bar.GetControl(0);
        CXTPControlButton* pButton = new CXTPControlButton();
        m_bar.GetControls()->Add(pButton, kButtonId);
        pButton->SetCaption(L"Karten");
        pButton->SetStyle(xtpButtonCaption);
        PlaceFrom(4);
        ASSERT_TRUE(::IsWindow(EditWindow()));
        // The middle of the edit window, counted from the window's own
        // corner, onto the control's left edge: a press read in the edit's
        // coordinates lands on the resize edge in the bar's.
        CRect rcEdit;
        ::GetClientRect(EditWindow(), &rcEdit);
        PlaceFrom(rcEdit.CenterPoint().x - 1);
        // The stage's bar has its window before its manager: it takes drops once told.
        m_commandBars.GetDragHelper()->AddDropTarget(&m_bar);
        m_commandBars.SetCustomizeMode(TRUE);
        m_commandBars.SetCustomizeSelection(m_pBox);
        PumpUntilIdle();
    }
    void TearDown() override
    {
        m_commandBars.SetCustomizeMode(FALSE);
        DestroyStage();
    }
    // The controls one after another from x, at the sizes the look measures.
    void PlaceFrom(int x)
    {
        CClientDC dc(&m_bar);
        for (int i = 0; i < m_bar.GetControlCount(); i++) {
            CXTPControl* pControl = m_bar.GetControl(i);
            CSize size = pControl->GetSize(&dc);
            pControl->SetRect(CRect(x, 3, x + size.cx, 3 + size.cy));
            x += size.cx + 6;
        }
    }
    HWND EditWindow() const
    {
        CXTPEdit* pEdit = GetParam() == BoxKind::edit ? static_cast<CXTPEdit*>(Edit()->GetEditCtrl())
                                                     : static_cast<CXTPEdit*>(Combo()->GetEditCtrl());
        return pEdit ? pEdit->GetSafeHwnd() : nullptr;
    }
    CXTPControlEdit* Edit() const { return dynamic_cast<CXTPControlEdit*>(m_pBox); }
    CXTPControlComboBox* Combo() const { return dynamic_cast<CXTPControlComboBox*>(m_pBox); }
    // The box by its id: a move puts a copy in its place.
    int WidthOfBox() const
    {
        CXTPControl* pBox = m_bar.GetControls()->FindControl(kBoxId);
        if (CXTPControlEdit* pEdit = dynamic_cast<CXTPControlEdit*>(pBox))
            return pEdit->GetWidth();
        CXTPControlComboBox* pCombo = dynamic_cast<CXTPControlComboBox*>(pBox);
        return pCombo ? pCombo->GetWidth() : -1;
    }
    POINT BarPoint(int x, int y) const { return ClientToScreenPoint(m_bar.GetSafeHwnd(), x, y); }

    CXTPControl* m_pBox = nullptr;
};

} // namespace

TEST_P(EditPartCustomize, PressInTheMiddleOfTheEditWindowMovesTheControl)
{
    CRect rcEdit;
    ::GetWindowRect(EditWindow(), &rcEdit);
    CPoint ptFrom = rcEdit.CenterPoint();
    ASSERT_EQ(EditWindow(), ::WindowFromPoint(ptFrom));
    CRect rcButton = m_bar.GetControl(1)->GetRect();
    POINT ptTo = BarPoint(rcButton.right - 3, rcButton.CenterPoint().y);
    ASSERT_TRUE(DragInLoop(m_site.GetSafeHwnd(), ptFrom, {{ptFrom.x + 10, ptFrom.y}, ptTo}));

    EXPECT_EQ(100, WidthOfBox()) << "no resize";
    ASSERT_EQ(2, m_bar.GetControlCount());
    EXPECT_EQ(kButtonId, m_bar.GetControl(0)->GetID());
    EXPECT_EQ(kBoxId, m_bar.GetControl(1)->GetID()) << "dropped after the button";
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_P(EditPartCustomize, PressOnTheRightEdgeResizesTheControl)
{
    CRect rc = m_pBox->GetRect();
    POINT ptFrom = BarPoint(rc.right - 1, rc.CenterPoint().y);
    ASSERT_NE(EditWindow(), ::WindowFromPoint(ptFrom)) << "the edge belongs to the bar";
    ASSERT_TRUE(DragInLoop(m_site.GetSafeHwnd(), ptFrom, {{ptFrom.x + 15, ptFrom.y}, {ptFrom.x + 30, ptFrom.y}}));

    EXPECT_EQ(130, WidthOfBox());
    EXPECT_EQ(kBoxId, m_bar.GetControl(0)->GetID()) << "stays in its place";
    EXPECT_EQ(m_pBox, m_commandBars.GetDragControl()) << "still selected";
    EXPECT_EQ(nullptr, ::GetCapture());
}

INSTANTIATE_TEST_SUITE_P(Boxes, EditPartCustomize, testing::Values(BoxKind::edit, BoxKind::combo),
                         [](const testing::TestParamInfo<BoxKind>& info) {
                             return info.param == BoxKind::edit ? "EditBox" : "ComboBox";
                         });
