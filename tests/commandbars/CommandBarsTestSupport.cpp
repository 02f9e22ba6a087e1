#include "CommandBarsTestSupport.h"
#include <mutex>
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPSoundManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

BOOL CTestSite::Create(const RECT& rc)
{
    return CreateEx(0, AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW)),
                    L"Site", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rc.left, rc.top, rc.right - rc.left,
                    rc.bottom - rc.top, nullptr, nullptr);
}

LRESULT CTestSite::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case 0x2862: {
        const NMXTPCONTROL* pNotify = reinterpret_cast<const NMXTPCONTROL*>(lParam);
        received.push_back({message, wParam, pNotify ? pNotify->hdr.code : 0});
        return notifyAnswer;
    }
    case WM_COMMAND:
        received.push_back({message, wParam, static_cast<UINT>(lParam)});
        if (onCommand)
            onCommand(this, wParam);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keys.push_back(static_cast<UINT>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        mouseMoves++;
        break;
    case WM_LBUTTONUP:
        buttonUps++;
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CTestBar::Create(CWnd* pSite, const RECT& rc)
{
    SetBarPosition(xtpBarTop);
    return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW)), L"Bar",
                    WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                    pSite->GetSafeHwnd(), nullptr);
}

BOOL CreateTopBar(CXTPToolBar& bar, CWnd& site, const RECT& rc, DWORD dwExtraStyle)
{
    bar.SetBarPosition(xtpBarTop);
    return bar.CreateEx(0, AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW)), L"Bar",
                        WS_CHILD | WS_VISIBLE | dwExtraStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                        site.GetSafeHwnd(), nullptr);
}

CXTPCommandBars* CreateUnanimatedBars(CWnd& site)
{
    CXTPCommandBars* pCommandBars = new CXTPCommandBars();
    pCommandBars->SetSite(&site);
    pCommandBars->GetOptions()->animationType = xtpAnimateNone;
    return pCommandBars;
}

void LayOutRow(CXTPCommandBar& bar, int nWidth)
{
    CClientDC dc(&bar);
    bar.GetControls()->CalcDynamicSize(&dc, nWidth, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
}

CXTPControlButton* CTestBar::AddButton(int nId, const RECT& rc, LPCWSTR lpszCaption)
{
    CXTPControlButton* pButton = new CXTPControlButton();
    GetControls()->Add(pButton, nId);
    pButton->SetCaption(lpszCaption);
    pButton->SetRect(rc);
    return pButton;
}

int CTestBar::OnHookKeyDown(UINT nChar, LPARAM /*lParam*/)
{
    hookedKeys.push_back(nChar);
    return answer;
}

CTestCanvas::CTestCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_bits(nullptr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    m_hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
    m_dc.CreateCompatibleDC(nullptr);
    m_hOld = SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    m_dc.FillSolidRect(0, 0, width, height, background);
}

CTestCanvas::~CTestCanvas()
{
    SelectObject(m_dc.GetSafeHdc(), m_hOld);
    m_dc.DeleteDC();
    DeleteObject(m_hBitmap);
}

COLORREF CTestCanvas::Pixel(int x, int y) const
{
    GdiFlush();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    DWORD v = m_bits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int CTestCanvas::CountPixels(const RECT& rc, COLORREF color) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            n += Pixel(x, y) == color;
    return n;
}

namespace {
std::mutex g_soundLock;
std::vector<std::wstring> g_played;
HANDLE g_hHolding = CreateEventW(nullptr, TRUE, FALSE, nullptr);
HANDLE g_hRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
bool g_bHoldNext = false;

BOOL WINAPI RecordingPlaySound(LPCWSTR pszSound, HMODULE, DWORD)
{
    if (!pszSound) {
        // Stopping the process's sounds ends a held one.
        SetEvent(g_hRelease);
        return TRUE;
    }
    bool bHold;
    {
        std::lock_guard<std::mutex> lock(g_soundLock);
        g_played.push_back(pszSound);
        bHold = g_bHoldNext;
        g_bHoldNext = false;
    }
    if (bHold) {
        SetEvent(g_hHolding);
        WaitForSingleObject(g_hRelease, 10000);
        ResetEvent(g_hHolding);
    }
    return TRUE;
}
} // namespace

CSoundRecorder::CSoundRecorder()
{
    XTPSoundManager()->StopThread();
    g_played.clear();
    ResetEvent(g_hRelease);
    ResetEvent(g_hHolding);
    XTPSoundManager()->SetPlayProc(&RecordingPlaySound);
}

CSoundRecorder::~CSoundRecorder()
{
    Release();
    XTPSoundManager()->StopThread();
    XTPSoundManager()->SetPlayProc(nullptr);
}

std::vector<std::wstring> CSoundRecorder::Played()
{
    std::lock_guard<std::mutex> lock(g_soundLock);
    return g_played;
}

void CSoundRecorder::HoldNextSound()
{
    std::lock_guard<std::mutex> lock(g_soundLock);
    ResetEvent(g_hRelease);
    g_bHoldNext = true;
}

BOOL CSoundRecorder::WaitUntilHolding()
{
    return WaitForSingleObject(g_hHolding, testpump::kDeadline) == WAIT_OBJECT_0;
}

void CSoundRecorder::Release()
{
    SetEvent(g_hRelease);
}

BOOL CSoundRecorder::IsHolding()
{
    return WaitForSingleObject(g_hHolding, 0) == WAIT_OBJECT_0;
}
