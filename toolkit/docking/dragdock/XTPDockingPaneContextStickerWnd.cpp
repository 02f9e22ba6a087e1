#include "toolkit/docking/dragdock/XTPDockingPaneContextStickerWnd.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/docking/dragdock/XTPDockingPaneContext.h"
#include "resources/ToolkitDockingIds.h"

BEGIN_MESSAGE_MAP(CXTPDockingPaneContextStickerWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const DWORD kTransparent = RGB(0, 255, 0);

struct StickerEntry
{
    POINT pt;
    RECT rcSource;
};

// Per arrow in the order top, left, bottom, right: its bit, the entry in a
// cross (plain, highlighted) and the single sticker's source (plain,
// highlighted) for the classic and the second style.
struct StickerArrow
{
    int nBit;
    StickerEntry classic[2];
    StickerEntry second[2];
    RECT rcSingleSecond[2];
};

const StickerArrow kArrows[] = {
    {xtpStickerTop,
     {{{25, 0}, {0, 0, 43, 30}}, {{25, 0}, {0, 76, 43, 106}}},
     {{{30, 0}, {61, 29, 90, 59}}, {{30, 0}, {61, 90, 90, 120}}},
     {{0, 29, 29, 61}, {0, 90, 29, 122}}},
    {xtpStickerLeft,
     {{{0, 25}, {30, 33, 60, 76}}, {{0, 25}, {90, 33, 120, 76}}},
     {{{0, 30}, {90, 30, 120, 59}}, {{0, 30}, {90, 91, 120, 120}}},
     {{29, 32, 61, 61}, {29, 93, 61, 122}}},
    {xtpStickerBottom,
     {{{25, 63}, {43, 0, 86, 30}}, {{25, 63}, {43, 76, 86, 106}}},
     {{{30, 59}, {91, 0, 120, 30}}, {{30, 59}, {91, 61, 120, 91}}},
     {{32, 0, 61, 32}, {32, 61, 61, 93}}},
    {xtpStickerRight,
     {{{63, 25}, {0, 33, 30, 76}}, {{63, 25}, {60, 33, 90, 76}}},
     {{{60, 30}, {62, 0, 92, 29}}, {{60, 30}, {62, 61, 92, 90}}},
     {{0, 0, 32, 29}, {0, 61, 32, 90}}},
};

const StickerEntry kCentreClassic[2] = {{{30, 30}, {86, 0, 119, 33}}, {{30, 30}, {86, 76, 119, 109}}};
const StickerEntry kCentreSecond = {{30, 30}, {120, 82, 148, 111}};
const StickerEntry kCrossBackClassic = {{25, 25}, {0, 0, 43, 43}};
const StickerEntry kCrossBackSecond[2] = {{{24, 24}, {120, 0, 161, 41}}, {{24, 24}, {120, 41, 161, 82}}};

XTP_DOCKINGPANE_STICKER_PIXELS LoadPixels(UINT nID)
{
    XTP_DOCKINGPANE_STICKER_PIXELS pixels;
    CBitmap bmp;
    if (!XTPGetResourceManager()->LoadBitmap(&bmp, nID))
        return pixels;
    BITMAP info = {};
    if (!::GetObjectW(static_cast<HBITMAP>(bmp.GetSafeHandle()), sizeof(info), &info) || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
        return pixels;
    std::vector<DWORD> bits(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    if (!XTPReadBitmapPixels32(static_cast<HBITMAP>(bmp.GetSafeHandle()), info.bmWidth, info.bmHeight, bits.data()))
        return pixels;
    // DIB order is blue, green, red: kept as COLORREF with alpha cleared.
    for (DWORD& px : bits)
        px = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    pixels.cx = info.bmWidth;
    pixels.cy = info.bmHeight;
    pixels.bits.swap(bits);
    return pixels;
}

} // namespace

CXTPDockingPaneContextStickerWnd::CXTPDockingPaneContextStickerWnd(CXTPDockingPaneContext* pContext, int nMask,
                                                                   BOOL bSecondStyle)
    : m_pContext(pContext)
    , m_nMask(nMask)
    , m_bSecondStyle(bSecondStyle)
{
    UINT nArrows = XTP_IDB_DOCKINGPANE_STICKERS_SECOND;
    if (!bSecondStyle)
    {
        XTPCurrentSystemTheme theme = XTPGetColorManager()->GetCurrentSystemTheme();
        nArrows = theme == xtpSystemThemeOlive    ? XTP_IDB_DOCKINGPANE_STICKERS_OLIVE
                  : theme == xtpSystemThemeSilver ? XTP_IDB_DOCKINGPANE_STICKERS_SILVER
                                                  : XTP_IDB_DOCKINGPANE_STICKERS;
        if (nMask & xtpStickerCross)
            m_crossBack = LoadPixels(XTP_IDB_DOCKINGPANE_STICKER_CROSS);
    }
    m_arrows = LoadPixels(nArrows);
}

CSize CXTPDockingPaneContextStickerWnd::GetStickerSize(int nMask, BOOL bSecondStyle)
{
    if (nMask & xtpStickerCross)
        return bSecondStyle ? CSize(89, 89) : CSize(93, 93);
    if (nMask & (xtpStickerTop | xtpStickerBottom))
        return bSecondStyle ? CSize(29, 32) : CSize(43, 30);
    return bSecondStyle ? CSize(32, 29) : CSize(30, 43);
}

void CXTPDockingPaneContextStickerWnd::DrawEntry(XTP_DOCKINGPANE_STICKER_PIXELS& image,
                                                 const XTP_DOCKINGPANE_STICKER_PIXELS& source, POINT pt,
                                                 RECT rcSource) const
{
    for (int y = rcSource.top; y < rcSource.bottom; y++)
    {
        int yTo = pt.y + y - rcSource.top;
        if (y >= source.cy || yTo < 0 || yTo >= image.cy)
            continue;
        for (int x = rcSource.left; x < rcSource.right; x++)
        {
            int xTo = pt.x + x - rcSource.left;
            if (x >= source.cx || xTo < 0 || xTo >= image.cx)
                continue;
            DWORD px = source.bits[y * source.cx + x];
            if (px != kTransparent)
                image.bits[yTo * image.cx + xTo] = px;
        }
    }
}

XTP_DOCKINGPANE_STICKER_PIXELS CXTPDockingPaneContextStickerWnd::DrawImage(BOOL bBackground, int nArrows,
                                                                           int nHighlighted) const
{
    CSize sz = GetStickerSize(m_nMask, m_bSecondStyle);
    XTP_DOCKINGPANE_STICKER_PIXELS image;
    image.cx = sz.cx;
    image.cy = sz.cy;
    image.bits.assign(static_cast<size_t>(sz.cx) * sz.cy, 0);
    BOOL bCross = (m_nMask & xtpStickerCross) != 0;
    if (bCross && bBackground)
    {
        if (m_bSecondStyle)
        {
            const StickerEntry& back = kCrossBackSecond[(nHighlighted & xtpStickerCenter) ? 1 : 0];
            DrawEntry(image, m_arrows, back.pt, back.rcSource);
        }
        else
            DrawEntry(image, m_crossBack, kCrossBackClassic.pt, kCrossBackClassic.rcSource);
    }
    for (const StickerArrow& arrow : kArrows)
    {
        if (!(nArrows & m_nMask & arrow.nBit))
            continue;
        int nHot = (nHighlighted & arrow.nBit) ? 1 : 0;
        const StickerEntry& entry = m_bSecondStyle ? arrow.second[nHot] : arrow.classic[nHot];
        if (bCross)
            DrawEntry(image, m_arrows, entry.pt, entry.rcSource);
        else
            DrawEntry(image, m_arrows, POINT{0, 0}, m_bSecondStyle ? arrow.rcSingleSecond[nHot] : entry.rcSource);
    }
    if (bCross && (nArrows & m_nMask & xtpStickerCenter))
    {
        const StickerEntry& centre =
            m_bSecondStyle ? kCentreSecond : kCentreClassic[(nHighlighted & xtpStickerCenter) ? 1 : 0];
        DrawEntry(image, m_arrows, centre.pt, centre.rcSource);
    }
    return image;
}

HRGN CXTPDockingPaneContextStickerWnd::CreateImageRegion() const
{
    XTP_DOCKINGPANE_STICKER_PIXELS image = DrawImage(TRUE, m_nMask, 0);
    std::vector<RECT> runs;
    for (int y = 0; y < image.cy; y++)
    {
        for (int x = 0; x < image.cx;)
        {
            if (!image.Pixel(x, y))
            {
                x++;
                continue;
            }
            int xStart = x;
            while (x < image.cx && image.Pixel(x, y))
                x++;
            runs.push_back({xStart, y, x, y + 1});
        }
    }
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(runs.size());
    pData->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    pData->rdh.rcBound = {0, 0, image.cx, image.cy};
    if (!runs.empty())
        memcpy(pData->Buffer, runs.data(), runs.size() * sizeof(RECT));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), pData);
}

int CXTPDockingPaneContextStickerWnd::HitTest(CPoint ptScreen) const
{
    if (!m_hWnd)
        return 0;
    CRect rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    CPoint pt(ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top);
    for (int nBit : {xtpStickerTop, xtpStickerLeft, xtpStickerBottom, xtpStickerRight, xtpStickerCenter})
    {
        if ((m_nMask & nBit) && DrawImage(FALSE, nBit, 0).Pixel(pt.x, pt.y))
            return nBit;
    }
    return 0;
}

BOOL CXTPDockingPaneContextStickerWnd::Create(CWnd* pSite, CPoint ptTopLeft)
{
    CSize sz = GetStickerSize(m_nMask, m_bSecondStyle);
    if (!CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"", WS_POPUP,
                  ptTopLeft.x, ptTopLeft.y, sz.cx, sz.cy, pSite ? pSite->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    // The window takes the region it is handed: it gets a copy of the cached one.
    HRGN hCached = m_pContext ? m_pContext->GetStickerRegion(this) : nullptr;
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    if (hCached)
        ::CombineRgn(hRegion, hCached, nullptr, RGN_COPY);
    else
    {
        ::DeleteObject(hRegion);
        hRegion = CreateImageRegion();
    }
    ::SetWindowRgn(m_hWnd, hRegion, FALSE);
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

void CXTPDockingPaneContextStickerWnd::SetHighlighted(int nHighlighted)
{
    if (nHighlighted == m_nHighlighted)
        return;
    m_nHighlighted = nHighlighted;
    if (m_hWnd)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void CXTPDockingPaneContextStickerWnd::OnPaint()
{
    CPaintDC dc(this);
    XTP_DOCKINGPANE_STICKER_PIXELS image = DrawImage(TRUE, m_nMask, m_nHighlighted);
    for (DWORD& px : image.bits)
        px = (GetRValue(px) << 16) | (GetGValue(px) << 8) | GetBValue(px);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = image.cx;
    bmi.bmiHeader.biHeight = -image.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    // One copy of the composed picture: never drawn piece by piece on screen.
    ::SetDIBitsToDevice(dc.m_hDC, 0, 0, image.cx, image.cy, 0, 0, 0, image.cy, image.bits.data(), &bmi,
                        DIB_RGB_COLORS);
}

BOOL CXTPDockingPaneContextStickerWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}
