// Whole frames with panes left, bottom and tabbed, the left group active
// (the focus in its pane) and then inactive (the focus in the frame), in a
// few themes; the tabbed panes show their icons.
#include <gtest/gtest.h>
#include <string>
#include "DockingTestFrame.h"
#include "framework/windows/CWinApp.h"
#include "support/Screenshot.h"
#include "support/TestPump.h"
#include "../tabs/TabCanvas.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/docking/XTPDockingPanePaintManager.h"
#include "toolkit/docking/XTPDockingPaneTabbedContainer.h"

namespace {

const COLORREF kIconColor = RGB(220, 20, 60);

HICON MakeIcon(COLORREF clr)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, 16, 16);
    ::ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hColor);
    RECT rc = {0, 0, 16, 16};
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FillRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hMask);
    ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

// Pixels of that colour inside a rectangle of a container, on the shot.
int CountColor(const testshot::Image& shot, HWND frame, CXTPDockingPaneTabbedContainer* container, CRect rc,
               COLORREF clr)
{
    ::MapWindowPoints(container->m_hWnd, frame, reinterpret_cast<POINT*>(&rc), 2);
    int count = 0;
    for (int y = rc.top; y < rc.bottom; y++)
    {
        for (int x = rc.left; x < rc.right; x++)
            count += shot.Pixel(x, y) == clr;
    }
    return count;
}

testshot::Image Shoot(CDockingTestFrame* frame, const std::wstring& name)
{
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testshot::Image shot = testshot::CaptureWindow(frame->m_hWnd);
    EXPECT_FALSE(testshot::Save(shot, name).empty());
    return shot;
}

// The caption as the paint manager draws it now, against the shot.
void ExpectCaptionAsDrawn(const testshot::Image& shot, CDockingTestFrame* frame,
                          CXTPDockingPaneTabbedContainer* container, int x, int y)
{
    CRect rc;
    container->CWnd::GetClientRect(rc);
    CTabCanvas own(rc.Width(), rc.Height());
    frame->manager.GetPaintManager()->DrawPane(own.DC(), container, rc);
    CPoint pt(x, y);
    ::MapWindowPoints(container->m_hWnd, frame->m_hWnd, &pt, 1);
    EXPECT_EQ(own.Pixel(x, y), shot.Pixel(pt.x, pt.y));
}

} // namespace

TEST(DockingScreenshot, FramesActiveAndInactiveWithTabIcons)
{
    CWinApp app(L"DockingActiveApp");
    struct Theme
    {
        int number;
        LPCWSTR name;
    } themes[] = {{xtpPaneThemeDefault, L"0_default"},
                  {xtpPaneThemeOffice, L"1_office"},
                  {xtpPaneThemeOffice2003, L"2_office2003"},
                  {xtpPaneThemeVisualStudio2005, L"9_visualstudio2005"}};
    HICON icon = MakeIcon(kIconColor);
    for (const Theme& theme : themes)
    {
        SCOPED_TRACE(testing::Message() << theme.number);
        CDockingTestFrame* frame = CDockingTestFrame::New();
        frame->manager.SetTheme(theme.number);
        frame->manager.GetImageManager()->SetIcon(icon, 2);
        CXTPDockingPane* left = frame->manager.CreatePane(1, CRect(0, 0, 170, 100), xtpPaneDockLeft);
        left->SetTitle(L"Spiele");
        CXTPDockingPane* bottom = frame->manager.CreatePane(2, CRect(0, 0, 200, 140), xtpPaneDockBottom);
        bottom->SetTitle(L"Verfügbare Tickets\nTickets");
        CXTPDockingPane* tabbed = frame->manager.CreatePane(3, CRect(0, 0, 200, 140), xtpPaneDockBottom);
        tabbed->SetTitle(L"Statistik");
        frame->manager.AttachPane(tabbed, bottom);
        frame->RecalcLayout();
        ::SetForegroundWindow(frame->m_hWnd);
        auto* leftGroup = static_cast<CXTPDockingPaneTabbedContainer*>(left->GetContainer());
        auto* bottomGroup = static_cast<CXTPDockingPaneTabbedContainer*>(bottom->GetContainer());

        ::SetFocus(left->GetHwnd());
        frame->manager.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        ASSERT_TRUE(leftGroup->IsActive());
        testpump::PumpUntilIdle();
        testshot::Image active = Shoot(frame, std::wstring(L"docking_frame_active_") + theme.name + L".png");

        ::SetFocus(frame->m_hWnd);
        frame->manager.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        ASSERT_FALSE(leftGroup->IsActive());
        testpump::PumpUntilIdle();
        testshot::Image inactive = Shoot(frame, std::wstring(L"docking_frame_inactive_") + theme.name + L".png");

        // The caption's background near its start (left of the title).
        int middle = frame->manager.GetPaintManager()->GetCaptionHeight() / 2 + 2;
        CPoint caption(3, middle);
        ::MapWindowPoints(leftGroup->m_hWnd, frame->m_hWnd, &caption, 1);
        EXPECT_NE(active.Pixel(caption.x, caption.y), inactive.Pixel(caption.x, caption.y))
            << "the active caption has colours of its own";
        ExpectCaptionAsDrawn(inactive, frame, leftGroup, 3, middle);
        ExpectCaptionAsDrawn(inactive, frame, leftGroup, leftGroup->GetPaneWindowRect().Width() / 2, middle);

        // Pane 2 has an icon in the image manager, pane 3 none.
        ASSERT_EQ(2, bottomGroup->GetItemCount());
        EXPECT_GE(CountColor(inactive, frame->m_hWnd, bottomGroup, bottomGroup->GetItem(0)->GetRect(), kIconColor), 100)
            << "the icon on the first tab";
        EXPECT_EQ(0, CountColor(inactive, frame->m_hWnd, bottomGroup, bottomGroup->GetItem(1)->GetRect(), kIconColor));
        frame->DestroyWindow();
    }
    ::DestroyIcon(icon);
}
