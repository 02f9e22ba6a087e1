// Drawing through the device-context wrappers into a frame's view: fills,
// 3D frames, text, bitmap blits, clipping and saved states, checked pixel
// by pixel and saved as a screenshot.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Framework.h"
#include "support/Screenshot.h"

namespace {

const COLORREF kBack = RGB(255, 255, 255);
const COLORREF kRed = RGB(220, 30, 30);
const COLORREF kLight = RGB(250, 250, 120);
const COLORREF kDark = RGB(40, 40, 160);
const COLORREF kGreen = RGB(20, 160, 60);
const COLORREF kBlue = RGB(30, 90, 220);
const COLORREF kGray = RGB(128, 128, 128);

class CDrawingView : public CView
{
public:
    void OnDraw(CDC* pDC) override
    {
        CRect client;
        GetClientRect(&client);
        pDC->FillSolidRect(&client, kBack);
        COLORREF back = pDC->GetBkColor();

        // A filled rectangle and a 3D frame around a second one.
        pDC->FillSolidRect(10, 10, 60, 40, kRed);
        pDC->Draw3dRect(CRect(90, 10, 150, 50), kLight, kDark);
        bkColorKept = pDC->GetBkColor() == back;

        // Text, centred in a box.
        CFont font;
        font.CreatePointFont(120, L"Tahoma", pDC);
        CFont* oldFont = pDC->SelectObject(&font);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkMode(TRANSPARENT);
        CRect textBox(10, 60, 230, 90);
        pDC->DrawText(CString(L"Verfügbare Tickets"), &textBox, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        textSize = pDC->GetTextExtent(CString(L"Verfügbare Tickets"));
        pDC->SelectObject(oldFont);

        // A bitmap drawn in memory, then copied and stretched.
        CDC memDC;
        memDC.CreateCompatibleDC(pDC);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(pDC, 20, 20);
        CBitmap* oldBitmap = memDC.SelectObject(&bitmap);
        memDC.FillSolidRect(0, 0, 20, 20, kGreen);
        memDC.FillSolidRect(5, 5, 10, 10, kBlue);
        pDC->BitBlt(170, 10, 20, 20, &memDC, 0, 0, SRCCOPY);
        pDC->StretchBlt(200, 10, 40, 40, &memDC, 0, 0, 20, 20, SRCCOPY);
        memDC.SelectObject(oldBitmap);

        // Clipping inside a saved state; the state comes back afterwards.
        int saved = pDC->SaveDC();
        pDC->IntersectClipRect(10, 100, 40, 130);
        pDC->FillSolidRect(0, 95, 100, 45, kBlue);
        pDC->RestoreDC(saved);
        pDC->FillSolidRect(60, 100, 30, 30, kGray);

        // A pattern fill with the halftone brush and a solid brush frame.
        CBrush* oldBrush = pDC->SelectObject(CDC::GetHalftoneBrush());
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->SetBkColor(kBack);
        pDC->PatBlt(110, 100, 16, 16, PATCOPY);
        pDC->SelectObject(oldBrush);
        CBrush frameBrush(kRed);
        pDC->FrameRect(CRect(140, 100, 170, 130), &frameBrush);
        painted = true;
    }
    bool painted = false;
    bool bkColorKept = false;
    CSize textSize;
};

} // namespace

TEST(GdiDrawing, WrappersDrawIntoAFrameWindow)
{
    CWinApp app(L"GdiApp");
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Zeichnen", WS_POPUP | WS_BORDER, CRect(40, 40, 300, 200)));
    CDrawingView* view = new CDrawingView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST));
    frame->SetActiveView(view);
    frame->RecalcLayout();
    frame->ShowWindow(SW_SHOWNA);

    testshot::Image image = testshot::CaptureWindow(view->m_hWnd);
    ASSERT_TRUE(view->painted);
    ASSERT_GT(image.width, 240);
    ASSERT_GT(image.height, 130);
    testshot::Save(image, L"gdi-drawing.png");

    EXPECT_TRUE(view->bkColorKept);
    EXPECT_EQ(image.Pixel(5, 5), kBack);
    EXPECT_EQ(image.Pixel(40, 30), kRed);
    EXPECT_EQ(image.Pixel(69, 49), kRed);
    EXPECT_EQ(image.Pixel(70, 50), kBack);
    // 3D frame: light top and left, dark bottom and right, inside untouched.
    EXPECT_EQ(image.Pixel(120, 10), kLight);
    EXPECT_EQ(image.Pixel(90, 30), kLight);
    EXPECT_EQ(image.Pixel(120, 49), kDark);
    EXPECT_EQ(image.Pixel(149, 30), kDark);
    EXPECT_EQ(image.Pixel(120, 30), kBack);
    // Text left dark pixels in its box and nowhere below it.
    int dark = 0;
    for (int y = 60; y < 90; ++y)
        for (int x = 10; x < 230; ++x)
            if (GetRValue(image.Pixel(x, y)) < 100)
                ++dark;
    EXPECT_GT(dark, 50);
    EXPECT_GT(view->textSize.cx, 60);
    EXPECT_GT(view->textSize.cy, 8);
    // Blits: the bitmap at 1:1 and doubled.
    EXPECT_EQ(image.Pixel(171, 11), kGreen);
    EXPECT_EQ(image.Pixel(180, 20), kBlue);
    EXPECT_EQ(image.Pixel(202, 12), kGreen);
    EXPECT_EQ(image.Pixel(220, 30), kBlue);
    EXPECT_EQ(image.Pixel(236, 46), kGreen);
    // Clipped fill inside the saved state only.
    EXPECT_EQ(image.Pixel(25, 115), kBlue);
    EXPECT_EQ(image.Pixel(50, 115), kBack);
    EXPECT_EQ(image.Pixel(5, 115), kBack);
    EXPECT_EQ(image.Pixel(75, 115), kGray);  // clipping gone after RestoreDC
    // Halftone: neighbours differ.
    EXPECT_NE(image.Pixel(112, 104), image.Pixel(113, 104));
    EXPECT_EQ(image.Pixel(112, 104), image.Pixel(113, 105));
    // Brush frame: one pixel wide.
    EXPECT_EQ(image.Pixel(140, 115), kRed);
    EXPECT_EQ(image.Pixel(141, 115), kBack);

    frame->DestroyWindow();
}

TEST(GdiObjects, WrappersOwnTheirHandlesAndWrapForeignOnesTemporarily)
{
    HGDIOBJ handle;
    {
        CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
        handle = pen.m_hObject;
        ASSERT_NE(handle, nullptr);
        LOGPEN logPen;
        ASSERT_TRUE(pen.GetLogPen(&logPen));
        EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));
        EXPECT_EQ(CGdiObject::FromHandle(handle), &pen);  // the permanent object
    }
    EXPECT_EQ(GetObjectType(handle), 0u);  // deleted with its object

    HBRUSH foreign = CreateSolidBrush(RGB(9, 9, 9));
    CBrush* temp = CBrush::FromHandle(foreign);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(CBrush::FromHandle(foreign), temp);
    LOGBRUSH logBrush;
    EXPECT_TRUE(temp->GetLogBrush(&logBrush));
    EXPECT_EQ(logBrush.lbColor, RGB(9, 9, 9));
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(GetObjectType(foreign), static_cast<DWORD>(OBJ_BRUSH));  // foreign handles survive
    DeleteObject(foreign);

    CBrush owned(RGB(5, 5, 5));
    HGDIOBJ detached = owned.Detach();
    EXPECT_EQ(owned.m_hObject, nullptr);
    EXPECT_EQ(GetObjectType(detached), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(detached);

    CRgn a, b, both;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_TRUE(both.PtInRegion(7, 7));
    EXPECT_FALSE(both.PtInRegion(2, 2));
}

TEST(GdiObjects, MenusAndImageListsWrapTheirHandles)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 10, L"&Öffnen");
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 11, L"Unter");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), L"Mehr");
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    CString text;
    menu.GetMenuString(0, text, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Öffnen");
    CMenu* pSub = menu.GetSubMenu(1);
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->GetMenuItemID(0), 11u);
    EXPECT_EQ(menu.GetMenuItemID(1), static_cast<UINT>(-1));
    EXPECT_EQ(CMenu::FromHandlePermanent(menu.m_hMenu), &menu);
    CMenu::DeleteTempMap();

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    CClientDC screen(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 32, 16);
    EXPECT_EQ(images.Add(&bitmap, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);
    int cx = 0, cy = 0;
    images.GetIconSize(&cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(images.GetImageCount(), 1);
}
