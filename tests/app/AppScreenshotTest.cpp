// The dialog templates created bare, the image strips enlarged and the two
// pictures beside the program, saved for looking at; the German texts must
// fit their controls in the dialogs' font.
#include <gtest/gtest.h>
#include <windows.h>
#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "AppTestSupport.h"
#include "support/TestPump.h"
#include "resources/AppIds.h"
#include "support/Screenshot.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A dialog created from its template alone, shown at the screen's corner.
class BareDialog
{
public:
    explicit BareDialog(UINT id)
    {
        // The ticket information template holds a rich edit of this class.
        LoadLibraryW(L"riched20.dll");
        m_hWnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, BareDialogProc, 0);
        if (m_hWnd != nullptr)
            SetWindowPos(m_hWnd, HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    ~BareDialog()
    {
        if (m_hWnd != nullptr)
            DestroyWindow(m_hWnd);
    }
    HWND hwnd() const { return m_hWnd; }

    // The whole window as the screen shows it.
    testshot::Image Capture() const
    {
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        testpump::PumpUntilIdle();
        RECT window;
        GetWindowRect(m_hWnd, &window);
        RECT all = {0, 0, window.right - window.left, window.bottom - window.top};
        HDC dc = GetWindowDC(m_hWnd);
        testshot::Image image = testshot::CaptureDC(dc, all);
        ReleaseDC(m_hWnd, dc);
        return image;
    }
    // The client area in the captured window's coordinates.
    RECT ClientInWindow() const
    {
        RECT window, client;
        GetWindowRect(m_hWnd, &window);
        GetClientRect(m_hWnd, &client);
        MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -window.left, -window.top);
        return client;
    }

private:
    HWND m_hWnd = nullptr;
};

// Room a text needs in a control: a check box's box and gap come first;
// a static text may wrap, everything else stays on one line.
void ExpectTextFits(HWND dialog, HWND control)
{
    WCHAR text[2048] = {}, cls[64] = {};
    if (GetWindowTextW(control, text, 2048) == 0)
        return;
    GetClassNameW(control, cls, 64);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    bool wraps = _wcsicmp(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT;
    int room = client.right;
    if (_wcsicmp(cls, L"Button") == 0) {
        UINT type = style & BS_TYPEMASK;
        if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX)
            room -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
        else if (type == BS_GROUPBOX)
            room -= 16;
        else
            room -= 8;
    }
    RECT need = {0, 0, room, 0};
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(need.right, room) << "too wide: control " << GetDlgCtrlID(control);
    if (wraps)
        EXPECT_LE(need.bottom, client.bottom) << "too high: control " << GetDlgCtrlID(control);
    else
        EXPECT_LE(need.bottom, client.bottom + 2) << "too high: control " << GetDlgCtrlID(control);
}

void ExpectAllTextsFit(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ExpectTextFits(dialog, child);
}

// The face of the font a dialog's controls get.
std::wstring FaceOf(HWND dialog)
{
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return lf.lfFaceName;
}

// A picture loaded the way the program loads its pictures: the system's
// picture loader over a stream of the file.
IPicture* LoadPicture(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    DWORD size = GetFileSize(file, nullptr), read = 0;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    ReadFile(file, GlobalLock(memory), size, &read, nullptr);
    GlobalUnlock(memory);
    CloseHandle(file);
    IStream* stream = nullptr;
    IPicture* picture = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        if (FAILED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
            picture = nullptr;
        stream->Release();
    }
    return picture;
}

SIZE PixelSize(IPicture* picture)
{
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    picture->get_Width(&cx);
    picture->get_Height(&cy);
    HDC screen = GetDC(nullptr);
    SIZE size = {MulDiv(cx, GetDeviceCaps(screen, LOGPIXELSX), 2540), MulDiv(cy, GetDeviceCaps(screen, LOGPIXELSY), 2540)};
    ReleaseDC(nullptr, screen);
    return size;
}

// A memory canvas the size of an image, cleared to one colour.
struct Canvas
{
    Canvas(int width, int height, COLORREF background) : width(width), height(height)
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::wstring Save(const std::wstring& name)
    {
        RECT all = {0, 0, width, height};
        return testshot::Save(testshot::CaptureDC(dc, all), name);
    }
    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

// Draws a bitmap resource (or columns first..first + count of it) enlarged;
// alpha bitmaps blended by their alpha.
void DrawEnlarged(HDC target, int x, int y, UINT id, int zoom, int first = 0, int count = 0)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, bitmap) << "bitmap " << id;
    DIBSECTION dib{};
    GetObjectW(bitmap, sizeof(dib), &dib);
    int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
    int shown = count > 0 ? count : width;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(source, bitmap);
    if (dib.dsBm.bmBitsPixel == 32) {
        // The blend wants premultiplied colours.
        BYTE* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
        for (int i = 0; i < width * height; ++i)
            for (int c = 0; c < 3; ++c)
                bits[i * 4 + c] = static_cast<BYTE>(bits[i * 4 + c] * bits[i * 4 + 3] / 255);
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(target, x, y, shown * zoom, height * zoom, source, first, 0, shown, height, blend);
    } else {
        StretchBlt(target, x, y, shown * zoom, height * zoom, source, first, 0, shown, height, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
}

} // namespace

TEST(AppScreenshot, DialogTemplatesBareWithTheirTextsFitting)
{
    struct Case { UINT id; const wchar_t* file; };
    for (Case c : {Case{IDD_OPTIONS, L"app_dialog_134_options.png"}, Case{IDD_INFO, L"app_dialog_146_info.png"},
                   Case{IDD_INFO_TICKET, L"app_dialog_148_info_ticket.png"}}) {
        BareDialog dialog(c.id);
        ASSERT_NE(nullptr, dialog.hwnd()) << "dialog " << c.id;
        EXPECT_EQ(L"Tahoma", FaceOf(dialog.hwnd()));
        if (c.id == IDD_INFO) {
            // The start-up text the dialog shows at run time must fit too.
            WCHAR text[2048] = {};
            LoadStringW(GetModuleHandleW(nullptr), IDS_STARTUP_INFO, text, 2048);
            SetDlgItemTextW(dialog.hwnd(), IDC_INFO_TEXT, text);
        }
        ExpectAllTextsFit(dialog.hwnd());
        const testshot::Image image = dialog.Capture();
        EXPECT_FALSE(testshot::Save(image, c.file).empty());
        // The dialog's face below the last control, its texts drawn dark.
        const RECT client = dialog.ClientInWindow();
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), image.Pixel(client.right - 2, client.bottom - 2)) << "dialog " << c.id;
        EXPECT_GT(apptest::CountPixels(image, client, apptest::IsDark), 200) << "dialog " << c.id;
    }
}

TEST(AppScreenshot, AboutTemplateIsAFramelessEmptyPopup)
{
    BareDialog dialog(IDD_ABOUTBOX);
    ASSERT_NE(nullptr, dialog.hwnd());
    EXPECT_EQ(nullptr, GetWindow(dialog.hwnd(), GW_CHILD));
    RECT window, client;
    GetWindowRect(dialog.hwnd(), &window);
    GetClientRect(dialog.hwnd(), &client);
    // No frame: the picture can take the whole window.
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_EQ(window.bottom - window.top, client.bottom);
    RECT units = {0, 0, 243, 195};
    MapDialogRect(dialog.hwnd(), &units);
    EXPECT_EQ(units.right, client.right);
    EXPECT_EQ(units.bottom, client.bottom);
    const testshot::Image image = dialog.Capture();
    EXPECT_FALSE(testshot::Save(image, L"app_dialog_8953_about.png").empty());
    // The template alone draws nothing but its face, edge to edge.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(0, apptest::CountPixels(image, dialog.ClientInWindow(), [face](COLORREF color) { return color != face; }));
}

TEST(AppScreenshot, ImageStripsEnlarged)
{
    const int zoom = 4;
    Canvas canvas(256 * zoom + 16, 32 * zoom * 2 + 16 * zoom * 3 + 48, RGB(255, 255, 255));
    int y = 8;
    DrawEnlarged(canvas.dc, 8, y, IDR_TOOLBAR_ALPHA, zoom);
    y += 32 * zoom + 8;
    DrawEnlarged(canvas.dc, 8, y, IDR_TOOLBAR_COLOR, zoom);
    y += 32 * zoom + 8;
    // The 32 flags in two rows of sixteen.
    DrawEnlarged(canvas.dc, 8, y, IDB_FLAGS, zoom, 0, 256);
    y += 16 * zoom + 4;
    DrawEnlarged(canvas.dc, 8, y, IDB_FLAGS, zoom, 256, 256);
    y += 16 * zoom + 8;
    DrawEnlarged(canvas.dc, 8, y, IDB_WEB_ICONS, zoom);
    DrawEnlarged(canvas.dc, 8 + 32 * zoom + 16, y, IDB_PLAY_SOUND, zoom);
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 48, 48, 0));
    DrawIconEx(canvas.dc, 8 + 48 * zoom + 32, y, icon, 48, 48, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_POPUP_CLOSE), IMAGE_ICON, 16, 16, 0));
    DrawIconEx(canvas.dc, 8 + 48 * zoom + 96, y, icon, 16 * zoom, 16 * zoom, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    EXPECT_FALSE(canvas.Save(L"app_strips_enlarged.png").empty());

    const RECT all = {0, 0, canvas.width, canvas.height};
    const testshot::Image image = testshot::CaptureDC(canvas.dc, all);
    // The alpha strip's clear corners show the canvas; the colour strip
    // keeps its mask colour.
    EXPECT_EQ(RGB(255, 255, 255), image.Pixel(9, 9));
    EXPECT_EQ(RGB(0, 255, 0), image.Pixel(9, 8 + 32 * zoom + 8 + 1));
    // The first flag is Germany's: black, red and gold.
    const int flagsTop = 8 + 2 * (32 * zoom + 8);
    const RECT germany = {8, flagsTop, 8 + 16 * zoom, flagsTop + 16 * zoom};
    EXPECT_GT(apptest::CountPixels(image, germany, apptest::IsDark), 8 * zoom * zoom);
    EXPECT_GT(apptest::CountPixels(image, germany, apptest::IsRed), 8 * zoom * zoom);
    EXPECT_GT(apptest::CountPixels(image, germany, apptest::IsGold), 8 * zoom * zoom);
}

TEST(AppScreenshot, PicturesBesideTheProgramLoadAtTheirSizes)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    struct Case { const wchar_t* name; SIZE size; COLORREF corner; const wchar_t* file; };
    const Case cases[] = {
        {L"pics/logo.jpg", {256, 64}, RGB(255, 250, 235), L"app_picture_logo.png"},
        {L"pics/about.jpg", {400, 300}, RGB(20, 60, 130), L"app_picture_about.png"},
    };
    for (const Case& c : cases) {
        IPicture* picture = LoadPicture(static_cast<LPCWSTR>(apptest::AssetPath(c.name)));
        ASSERT_NE(nullptr, picture) << "picture " << std::string(c.name, c.name + wcslen(c.name));
        SIZE size = PixelSize(picture);
        EXPECT_EQ(c.size.cx, size.cx);
        EXPECT_EQ(c.size.cy, size.cy);
        Canvas canvas(size.cx, size.cy, RGB(255, 0, 255));
        OLE_XSIZE_HIMETRIC cx = 0;
        OLE_YSIZE_HIMETRIC cy = 0;
        picture->get_Width(&cx);
        picture->get_Height(&cy);
        picture->Render(canvas.dc, 0, 0, size.cx, size.cy, 0, cy, cx, -cy, nullptr);
        // The decoded colours are those drawn (within the coding's loss).
        COLORREF corner = GetPixel(canvas.dc, 1, 1);
        EXPECT_NEAR(GetRValue(c.corner), GetRValue(corner), 12);
        EXPECT_NEAR(GetGValue(c.corner), GetGValue(corner), 12);
        EXPECT_NEAR(GetBValue(c.corner), GetBValue(corner), 12);
        EXPECT_FALSE(canvas.Save(c.file).empty());
        picture->Release();
    }
    CoUninitialize();
}
