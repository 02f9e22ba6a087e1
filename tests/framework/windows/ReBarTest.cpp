// The framework's rebar: bands take the window, text, bitmap and style they
// are given, and the frame gives the rebar the height of its rows.
#include <gtest/gtest.h>
#include "framework/gdi/CBitmap.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CReBar.h"

namespace {

TEST(ReBar, AddBarKeepsTextBitmapAndStyle)
{
    auto* frame = new CFrameWnd();
    ASSERT_TRUE(frame->Create(nullptr, L"Rebar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 500, 300)));
    auto* rebar = new CReBar();
    rebar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(rebar->Create(frame));
    EXPECT_EQ(rebar->GetDlgCtrlID(), 0xE804);
    EXPECT_EQ(rebar->GetBandCount(), 0);

    CWnd first, second;
    ASSERT_TRUE(first.Create(L"STATIC", L"a", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 30), frame, 1));
    ASSERT_TRUE(second.Create(L"STATIC", L"b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 90, 24), frame, 2));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, nullptr));

    ASSERT_TRUE(rebar->AddBar(&first, L"Suche", &bitmap, RBBS_BREAK | RBBS_GRIPPERALWAYS));
    ASSERT_TRUE(rebar->AddBar(&second));
    ASSERT_EQ(rebar->GetBandCount(), 2);

    const struct
    {
        CWnd* child;
        LPCWSTR text;
        BOOL bitmap;
        UINT style;
        int cx, cy;
    } cases[] = {
        {&first, L"Suche", TRUE, RBBS_BREAK | RBBS_GRIPPERALWAYS, 120, 30},
        {&second, L"", FALSE, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP, 90, 24},
    };
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i);
        WCHAR text[32] = L"";
        REBARBANDINFOW band = {};
        band.cbSize = REBARBANDINFOW_V6_SIZE;
        band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_TEXT | RBBIM_BACKGROUND | RBBIM_CHILDSIZE;
        band.lpText = text;
        band.cch = 32;
        ASSERT_TRUE(rebar->SendMessage(RB_GETBANDINFOW, i, reinterpret_cast<LPARAM>(&band)));
        EXPECT_EQ(band.hwndChild, cases[i].child->GetSafeHwnd());
        EXPECT_STREQ(text, cases[i].text);
        EXPECT_EQ(band.hbmBack != nullptr, cases[i].bitmap != FALSE);
        EXPECT_EQ(band.fStyle & ~RBBS_HIDDEN, cases[i].style);
        EXPECT_EQ(static_cast<int>(band.cxMinChild), cases[i].cx);
        EXPECT_EQ(static_cast<int>(band.cyMinChild), cases[i].cy);
        EXPECT_EQ(::GetParent(cases[i].child->GetSafeHwnd()), rebar->GetSafeHwnd());
    }

    // The second band starts no row: one row as high as the taller child.
    frame->RecalcLayout();
    CRect rc;
    rebar->GetWindowRect(&rc);
    frame->ScreenToClient(&rc);
    EXPECT_EQ(rc.top, 0);
    EXPECT_GE(rc.Height(), 30);
    EXPECT_LT(rc.Height(), 30 + 24);
    EXPECT_EQ(rebar->CalcFixedLayout(FALSE, TRUE).cy, rc.Height());

    // Windows that are not there make no band.
    CWnd none;
    EXPECT_FALSE(rebar->AddBar(&none));
    EXPECT_FALSE(rebar->AddBar(nullptr));
    EXPECT_EQ(rebar->GetBandCount(), 2);
    frame->DestroyWindow();
}

}  // namespace
