// Times the tab strip: laying out 500 tabs in each layout code and one full
// paint of the strip, beside the system's multi-line tab control holding the
// same captions (insertion, a resize that lays it out, one paint).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "framework/gdi/CDC.h"
#include "toolkit/tabs/XTPTabManager.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

namespace
{
const int kTabs = 500;
const RECT kRoom = {0, 0, 1000, 700};

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

void Caption(int i, wchar_t* buffer, int size)
{
    // 6 to 26 characters: tabs of about 40 to 160 pixels.
    _snwprintf(buffer, size, L"Spiel %d %.*s", i, (i * 7) % 21, L"Gelsenkirchen-Dortmund");
}

class CBenchHost : public CXTPTabManager
{
public:
    CBenchHost()
    {
        m_dc.Attach(::CreateCompatibleDC(nullptr));
        m_paint.AddAtom(this);
    }
    ~CBenchHost() override
    {
        m_paint.RemoveAtom(this);
        DeleteAllItems();
        ::DeleteDC(m_dc.Detach());
    }
    void Reposition() override
    {
        if (m_bLayout)
            m_paint.RepositionTabControl(this, &m_dc, kRoom);
    }
    CXTPTabPaintManager* GetPaintManager() const override { return const_cast<CXTPTabPaintManager*>(&m_paint); }
    void RedrawControl() override {}
    BOOL DrawItemIcon(CDC*, CPoint, CXTPTabManagerItem*, BOOL, CSize&) override { return FALSE; }

    CXTPTabPaintManager m_paint;
    CDC m_dc;
    BOOL m_bLayout = FALSE;
};

double PaintInto(HDC hdc, const RECT& rc, CBenchHost* host)
{
    CDC dc;
    dc.Attach(hdc);
    double start = Now();
    host->m_paint.DrawTabControl(host, &dc, rc);
    double elapsed = Now() - start;
    dc.Detach();
    return elapsed;
}
} // namespace

int wmain()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kRoom.right, kRoom.bottom);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = ::SelectObject(mem, bitmap);

    CBenchHost host;
    wchar_t caption[64];
    for (int i = 0; i < kTabs; i++)
    {
        Caption(i, caption, 64);
        host.AddItem(-1)->m_strCaption = caption;
    }
    host.m_bLayout = TRUE;
    host.SetCurSel(kTabs / 2);

    std::printf("%d tabs in %ld x %ld pixels\n\n", kTabs, kRoom.right, kRoom.bottom);
    std::printf("%-34s %12s\n", "tab strip", "ms");
    static const char* const names[] = {"natural (scrolled)", "shrink to fit", "fixed width",
                                        "caption on selected only", "multi-row", "stacked"};
    double multiRowPaint = 0;
    for (int layout = 0; layout <= 5; layout++)
    {
        host.m_paint.m_nLayout = layout;
        double start = Now();
        host.Reposition();
        double elapsed = Now() - start;
        std::printf("layout %d %-25s %12.2f", layout, names[layout], elapsed);
        if (layout == xtpTabLayoutMultiRow)
            std::printf("   (%d rows)", host.GetRowIndexer()->GetRowCount());
        std::printf("\n");
        if (layout == xtpTabLayoutMultiRow)
            multiRowPaint = PaintInto(mem, kRoom, &host);
    }
    std::printf("paint, multi-row %25s %12.2f\n", "", multiRowPaint);

    // The system's tab control, multi-line, same captions.
    HWND tab = ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_POPUP | TCS_MULTILINE, 0, 0, 10, 10, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(host.m_paint.m_fntNormal.GetSafeHandle()), FALSE);
    double start = Now();
    for (int i = 0; i < kTabs; i++)
    {
        Caption(i, caption, 64);
        TCITEMW item = {TCIF_TEXT};
        item.pszText = caption;
        ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    double insert = Now() - start;
    ::SendMessageW(tab, TCM_SETCURSEL, kTabs / 2, 0);
    start = Now();
    ::SetWindowPos(tab, nullptr, 0, 0, kRoom.right, kRoom.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT adjusted = kRoom;
    ::SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    double resize = Now() - start;
    start = Now();
    ::SendMessageW(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
    double paint = Now() - start;
    int rows = static_cast<int>(::SendMessageW(tab, TCM_GETROWCOUNT, 0, 0));
    ::DestroyWindow(tab);

    std::printf("\n%-34s %12s\n", "system tab control (multi-line)", "ms");
    std::printf("%-34s %12.2f\n", "insert 500 tabs", insert);
    std::printf("%-34s %12.2f   (%d rows)\n", "resize and lay out", resize, rows);
    std::printf("%-34s %12.2f\n", "paint", paint);

    ::SelectObject(mem, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    return 0;
}
