// The application's resources as the program reads them: the quoted texts
// of the string table, a prompt and a caption for every command that a menu
// or toolbar offers, toolbars that agree with their image strips, and
// images that carry the colour depth and transparency their users expect.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"

namespace {

std::wstring LoadText(UINT id)
{
    const WCHAR* text = nullptr;
    // Length 0 asks for a pointer into the resource itself (not terminated).
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, length) : std::wstring();
}

void CollectCommands(HMENU menu, std::set<UINT>& ids)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            CollectCommands(sub, ids);
        else if (UINT id = GetMenuItemID(menu, i); id != 0 && id != static_cast<UINT>(-1))
            ids.insert(id);
    }
}

struct ToolbarData
{
    WORD version, width, height, count;
    std::vector<WORD> ids;
};

ToolbarData LoadToolbar(UINT id)
{
    ToolbarData data{};
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(RT_TOOLBAR));
    if (res == nullptr)
        return data;
    const WORD* words = static_cast<const WORD*>(LockResource(LoadResource(nullptr, res)));
    DWORD size = SizeofResource(nullptr, res);
    if (words == nullptr || size < 8)
        return data;
    data.version = words[0];
    data.width = words[1];
    data.height = words[2];
    data.count = words[3];
    for (DWORD i = 0; i < data.count && 8 + 2 * i < size; ++i)
        data.ids.push_back(words[4 + i]);
    return data;
}

// The bitmap resource's own header (the loaded bitmap would be converted).
BITMAPINFOHEADER BitmapHeader(UINT id)
{
    BITMAPINFOHEADER header{};
    HRSRC res = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));
    if (res != nullptr && SizeofResource(nullptr, res) >= sizeof(header))
        header = *static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, res)));
    return header;
}

// Pixels of a bitmap resource as 32-bit BGRA, top-down.
std::vector<RGBQUAD> BitmapPixels(UINT id, int& width, int& height)
{
    std::vector<RGBQUAD> pixels;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return pixels;
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    pixels.resize(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(bitmap);
    return pixels;
}

} // namespace

TEST(AppResources, QuotedStringsAreInTheTableVerbatim)
{
    struct Quoted { UINT id; const wchar_t* text; };
    const Quoted quoted[] = {
        {100, L"OLE Initialisierung fehlgeschlagen.  Stellen Sie bitte sicher, dass Ihre installierten "
              L"OLE-Bibliotheken die korrekte Versions-Nummer haben."},
        {103, L"Es besteht keine Internetverbindung. Stellen Sie bitte zunächst eine Internetverbindung her."},
        {104, L"Die Ticket-Information wurde geladen."},
        {105, L"Die Ticket-Information wird gerade geladen..."},
        {106, L"Die Ticket-Information konnte nicht geladen werden."},
        {107, L"Die Protokolldatenbank konnte nicht initialisiert werden."},
        {108, L"Verfügbare Tickets"},
        {110, L"Menu Bar"},
        {111, L"Standard"},
        {112, L"Derzeit sind keine Tickets verfügbar."},
        {113, L"Verfügbar von"},
        {114, L"Mannschaft 1"},
        {115, L"Mannschaft 2"},
        {116, L"Stadt"},
        {117, L"Datum"},
        {118, L"Kategorie"},
        {119, L"Der Tavrolin läuft bereits."},
        {120, L"Wav Dateien(*.wav)|*.wav||"},
        {121, L"Wählen Sie bitte eine Sounddatei aus."},
        {122, L"WM Tickets"},
        {123, L"Online Statistik"},
        {124, L"Überwachen"},
        {125, L"Nr."},
        {126, L"Spielrunde"},
        {127, L"Die Datei Games.xml kann nicht gelesen werden!"},
        {128, L"Tavrolin\n\nTavrolin\n\n\nTavrolin.Document\nTavrolin.Document"},
        {129, L"Von"},
        {130, L"bis"},
        {131, L"Statistik konnte nicht geladen werden."},
        {132, L"Statistik wird geladen..."},
        {35001, L"\nAnpassen..."},
        {57344, L"Tavrolin"},
        {32771, L"Startet die Suche nach verfügbaren Tickets\nSuche starten"},
    };
    for (const Quoted& q : quoted)
        EXPECT_EQ(std::wstring(q.text), LoadText(q.id)) << "string " << q.id;

    // The start-up information opens with its four fixed lines.
    std::wstring info = LoadText(IDS_STARTUP_INFO);
    EXPECT_EQ(0u, info.find(L"WM-Tickets\r\n\r\nDie fünfte Verkaufsphase\r\n1. Mai 2006 bis 9. Juli 2006\r\n"));
    EXPECT_GT(info.size(), 600u);
}

TEST(AppResources, EveryOfferedCommandHasAPromptAndACaption)
{
    std::set<UINT> commands;
    for (UINT menuId : {IDR_MAINFRAME, IDR_TRAYMENU, IDR_CONTEXTMENU}) {
        HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
        ASSERT_NE(nullptr, menu) << "menu " << menuId;
        CollectCommands(menu, commands);
        DestroyMenu(menu);
    }
    for (WORD id : LoadToolbar(IDR_TOOLBAR_ALPHA).ids)
        if (id != 0)
            commands.insert(id);
    commands.insert(ID_WEB_PAGE);
    commands.insert(ID_WEB_GLOBE);
    EXPECT_EQ(23u, commands.size());
    for (UINT id : commands) {
        std::wstring text = LoadText(id);
        size_t newline = text.find(L'\n');
        ASSERT_NE(std::wstring::npos, newline) << "command " << id << ": \"" << std::string(text.begin(), text.end());
        EXPECT_GT(newline, 0u) << "command " << id << " has no prompt";
        EXPECT_LT(newline + 1, text.size()) << "command " << id << " has no caption";
    }
}

TEST(AppResources, ToolbarsListTheirButtonsOverStripsOfMatchingWidth)
{
    const std::vector<WORD> buttons = {32771, 32772, 32775, 32804, 0, 32773, 0, 57670, 32823};
    struct Case { UINT id; WORD bits; };
    for (Case c : {Case{IDR_TOOLBAR_ALPHA, 32}, Case{IDR_TOOLBAR_COLOR, 24}}) {
        ToolbarData toolbar = LoadToolbar(c.id);
        EXPECT_EQ(1, toolbar.version);
        EXPECT_EQ(32, toolbar.width);
        EXPECT_EQ(32, toolbar.height);
        EXPECT_EQ(buttons, toolbar.ids) << "toolbar " << c.id;
        BITMAPINFOHEADER header = BitmapHeader(c.id);
        // One image per button, none for a separator.
        EXPECT_EQ(32 * 7, header.biWidth) << "toolbar " << c.id;
        EXPECT_EQ(32, header.biHeight);
        EXPECT_EQ(c.bits, header.biBitCount);
    }
}

TEST(AppResources, AlphaImagesAreTransparentAroundOpaqueShapes)
{
    struct Case { UINT id; int width, height; };
    for (Case c : {Case{IDR_TOOLBAR_ALPHA, 224, 32}, Case{IDB_FLAGS, 512, 16}}) {
        EXPECT_EQ(32, BitmapHeader(c.id).biBitCount) << "bitmap " << c.id;
        int width = 0, height = 0;
        std::vector<RGBQUAD> pixels = BitmapPixels(c.id, width, height);
        ASSERT_EQ(c.width, width);
        ASSERT_EQ(c.height, height);
        // Each image has clear and solid pixels, and soft edges between.
        int size = height;
        for (int image = 0; image < width / size; ++image) {
            int clear = 0, solid = 0, soft = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    BYTE a = pixels[static_cast<size_t>(y) * width + image * size + x].rgbReserved;
                    clear += a == 0;
                    solid += a == 255;
                    soft += a != 0 && a != 255;
                }
            EXPECT_GT(clear, 0) << "bitmap " << c.id << " image " << image;
            EXPECT_GT(solid, size * size / 4) << "bitmap " << c.id << " image " << image;
            if (c.id == IDR_TOOLBAR_ALPHA) {
                EXPECT_GT(soft, 0) << "image " << image;
            }
        }
    }
}

TEST(AppResources, MaskedStripsShowPureGreenWhereTheyAreTransparent)
{
    struct Case { UINT id; int width, height; };
    for (Case c : {Case{IDR_TOOLBAR_COLOR, 224, 32}, Case{IDB_WEB_ICONS, 32, 16}, Case{IDB_PLAY_SOUND, 16, 16}}) {
        EXPECT_EQ(24, BitmapHeader(c.id).biBitCount) << "bitmap " << c.id;
        int width = 0, height = 0;
        std::vector<RGBQUAD> pixels = BitmapPixels(c.id, width, height);
        ASSERT_EQ(c.width, width);
        ASSERT_EQ(c.height, height);
        int green = 0;
        for (const RGBQUAD& p : pixels)
            green += p.rgbRed == 0 && p.rgbGreen == 255 && p.rgbBlue == 0;
        EXPECT_GT(green, 0) << "bitmap " << c.id;
        EXPECT_LT(green, width * height * 9 / 10) << "bitmap " << c.id;
    }
}

TEST(AppResources, IconsLoadAtTheirSizes)
{
    struct Case { UINT id; int size; };
    for (Case c : {Case{IDR_MAINFRAME, 16}, Case{IDR_MAINFRAME, 32}, Case{IDI_POPUP_CLOSE, 16}}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id), IMAGE_ICON, c.size, c.size, 0));
        EXPECT_NE(nullptr, icon) << "icon " << c.id << " at " << c.size;
        ICONINFO info{};
        if (icon != nullptr && GetIconInfo(icon, &info)) {
            BITMAP colour{};
            GetObjectW(info.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(c.size, colour.bmWidth);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        DestroyIcon(icon);
    }
}
