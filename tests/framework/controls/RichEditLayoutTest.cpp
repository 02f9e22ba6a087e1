// Fitting rich text: the control's natural size for a formatting width.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include "framework/Framework.h"

namespace
{
class CResizeListener : public CWnd
{
public:
    CSize requested;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code != EN_REQUESTRESIZE)
            return FALSE;
        const RECT& rc = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
        requested = CSize(rc.right - rc.left, rc.bottom - rc.top);
        *pResult = 0;
        return TRUE;
    }
};
} // namespace

TEST(RichEditLayout, NarrowerFormattingRectangleAsksForMoreHeight)
{
    AfxInitRichEdit2();
    CResizeListener parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"Eltern", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 300, 20), &parent, 1));
    rich.SetWindowText(L"Die fuenfte Verkaufsphase beginnt am ersten Mai um zwoelf Uhr.");
    rich.SetEventMask(ENM_REQUESTRESIZE);

    CSize heights[2];
    const int widths[2] = {600, 80};
    for (int i = 0; i < 2; ++i) {
        CRect area(0, 0, widths[i], 1);
        rich.MoveWindow(area);
        rich.SetRect(area);
        CRect set;
        rich.GetRect(set);
        EXPECT_EQ(set.Width(), widths[i]);
        parent.requested = CSize();
        rich.RequestResize();
        heights[i] = parent.requested;
        EXPECT_GT(heights[i].cy, 0);
    }
    EXPECT_GT(heights[1].cy, heights[0].cy);

    // Formatting onto another device and freeing the cache do not disturb
    // the control (this Wine formats nothing onto memory devices).
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    FORMATRANGE range = {};
    range.hdc = range.hdcTarget = dc.GetSafeHdc();
    range.rc = range.rcPage = RECT{0, 0, 6000, 3000};
    range.chrg.cpMax = -1;
    rich.FormatRange(&range, TRUE);
    rich.FormatRange(nullptr, FALSE);
    EXPECT_EQ(rich.GetTextLength(), 62);
}
