// The screenshot helper: a plain window draws a known picture, the saved
// image holds it.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/Screenshot.h"

namespace {

LRESULT CALLBACK PaintingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        RECT client;
        GetClientRect(wnd, &client);
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc, &client, white);
        DeleteObject(white);
        RECT red = {10, 10, 60, 40};
        HBRUSH redBrush = CreateSolidBrush(RGB(220, 0, 0));
        FillRect(dc, &red, redBrush);
        DeleteObject(redBrush);
        RECT blue = {80, 10, 130, 40};
        HBRUSH blueBrush = CreateSolidBrush(RGB(0, 0, 200));
        FillRect(dc, &blue, blueBrush);
        DeleteObject(blueBrush);
        SetBkMode(dc, TRANSPARENT);
        const wchar_t* text = L"Tavrolin Bildschirmfoto \x00E4\x00F6\x00FC";
        TextOutW(dc, 10, 60, text, lstrlenW(text));
        EndPaint(wnd, &ps);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

} // namespace

TEST(Screenshot, SavesWhatAWindowDrew)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ScreenshotTestWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"Screenshot", WS_POPUP | WS_VISIBLE,
                               50, 50, 240, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr) << "no X display?";

    testshot::Image image = testshot::CaptureWindow(wnd);
    ASSERT_EQ(image.width, 240);
    ASSERT_EQ(image.height, 100);
    EXPECT_EQ(image.Pixel(30, 20), RGB(220, 0, 0));
    EXPECT_EQ(image.Pixel(100, 20), RGB(0, 0, 200));
    EXPECT_EQ(image.Pixel(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(image.Pixel(70, 20), RGB(255, 255, 255));

    std::wstring path = testshot::Save(image, L"screenshot-test.png");
    ASSERT_FALSE(path.empty());
    EXPECT_FALSE(testshot::Save(image, L"screenshot-test.bmp").empty());
    DestroyWindow(wnd);
}

TEST(Screenshot, PngEncodingHasValidStructure)
{
    testshot::Image image;
    image.width = 300;     // more than one stored deflate block
    image.height = 60;
    image.bgra.assign(static_cast<size_t>(image.width) * image.height * 4, 0x80);
    std::vector<unsigned char> png = testshot::EncodePng(image);
    ASSERT_GT(png.size(), static_cast<size_t>(image.width * image.height * 4));
    EXPECT_EQ(png[0], 0x89);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}
