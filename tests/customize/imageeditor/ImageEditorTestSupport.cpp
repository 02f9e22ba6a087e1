#include "customize/imageeditor/ImageEditorTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "resources/ToolkitCustomizeIds.h"
#include "support/TestInput.h"
#include "framework/windows/AfxMessages.h"
#include "support/TestPump.h"
#include "support/ThreadTimer.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/resources/XTPResourceManager.h"

namespace edittest {

namespace {

struct StepRun
{
    CTestEditor* pDlg = nullptr;
    std::vector<Step> steps;
    size_t nNext = 0;
    int nIdlesAtLastStep = 0;
    UINT_PTR nTimer = 0;
    bool bBusy = false;
};
StepRun g_run;

// Ready for input once the picture sets its tool's cursor under the mouse.
void WaitForInput(CTestEditor& dlg)
{
    // The capture of a drag leaving the dialog holds for the foreground window only.
    ::SetForegroundWindow(dlg.m_hWnd);
    EXPECT_TRUE(testpump::PumpUntil([&] { return ::GetForegroundWindow() == dlg.m_hWnd; }));
    CRect rc;
    dlg.GetPicture().GetClientRect(&rc);
    testinput::MoveMouseTo(testinput::ClientToScreenPoint(dlg.GetPicture().m_hWnd, rc.right - 2, rc.bottom - 2));
    HCURSOR hPencil = XTPGetResourceManager()->LoadCursor(XTP_IDC_EDITOR_PENCIL);
    EXPECT_TRUE(testpump::PumpUntil([&] { return ::GetCursor() == hPencil; }));
}

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CTestEditor* pDlg = g_run.pDlg;
    if (g_run.bBusy || pDlg == nullptr || pDlg->m_hWnd == nullptr || !::IsWindowVisible(pDlg->m_hWnd))
        return;
    if (g_run.nNext > 0 && pDlg->m_nKickIdles == g_run.nIdlesAtLastStep) {
        // A message lets the modal loop go idle again (timer ticks do not).
        ::PostMessageW(pDlg->m_hWnd, WM_NULL, 0, 0);
        return;
    }
    g_run.bBusy = true;
    // No ticks while a step waits for its input to settle.
    testtimer::Kill(g_run.nTimer);
    if (g_run.nNext == 0)
        WaitForInput(*pDlg);
    if (g_run.nNext < g_run.steps.size()) {
        g_run.steps[g_run.nNext++](*pDlg);
    } else {
        if (pDlg->m_hWnd != nullptr)
            ::PostMessageW(pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        g_run.bBusy = false;
        return;
    }
    g_run.nTimer = testtimer::Set(20, &OnStepTimer);
    g_run.nIdlesAtLastStep = pDlg->m_nKickIdles;
    if (pDlg->m_hWnd != nullptr)
        ::PostMessageW(pDlg->m_hWnd, WM_NULL, 0, 0);
    g_run.bBusy = false;
}

} // namespace

DWORD CTestEditor::GetComCtlVersion() const
{
    return m_dwComCtlVersion != 0 ? m_dwComCtlVersion : CXTPImageEditorDlg::GetComCtlVersion();
}

LRESULT CTestEditor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KICKIDLE)
        m_nKickIdles++;
    if (message == WM_INITDIALOG) {
        // The picture control as the template makes it, before the editor fits it.
        RECT rc = {};
        ::GetClientRect(::GetDlgItem(m_hWnd, XTP_IDC_STATIC_PICTURE), &rc);
        m_szPictureControl = CSize(rc.right, rc.bottom);
    }
    return CXTPImageEditorDlg::WindowProc(message, wParam, lParam);
}

namespace {

void PutLE(std::vector<BYTE>& out, DWORD value, int nBytes)
{
    for (int i = 0; i < nBytes; i++)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

// Bottom-up rows padded to four bytes.
void PutPixels(std::vector<BYTE>& out, int cx, int cy, int nBits, const std::function<DWORD(int, int)>& pixel)
{
    for (int y = cy - 1; y >= 0; y--) {
        size_t nRow = 0;
        for (int x = 0; x < cx; x++) {
            PutLE(out, pixel(x, y), nBits / 8);
            nRow += nBits / 8;
        }
        for (; nRow % 4; nRow++)
            out.push_back(0);
    }
}

void PutInfoHeader(std::vector<BYTE>& out, int cx, int cy, int nBits)
{
    PutLE(out, 40, 4);
    PutLE(out, static_cast<DWORD>(cx), 4);
    PutLE(out, static_cast<DWORD>(cy), 4);
    PutLE(out, 1, 2);
    PutLE(out, static_cast<DWORD>(nBits), 2);
    for (int i = 0; i < 6; i++)
        PutLE(out, 0, 4);
}

} // namespace

HBITMAP MakeAlphaBitmap(int cx, int cy, const std::function<DWORD(int, int)>& pixel)
{
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(cx, cy, &pBits);
    DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            pPixels[y * cx + x] = pixel(x, y);
    return hBitmap;
}

HICON MakePlainIcon(int cx, int cy, const std::function<COLORREF(int, int)>& pixel)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hColour = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HDC hMaskDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hColour);
    HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMask);
    for (int y = 0; y < cy; y++) {
        for (int x = 0; x < cx; x++) {
            const COLORREF clr = pixel(x, y);
            ::SetPixelV(hDC, x, y, clr == CLR_NONE ? RGB(0, 0, 0) : clr);
            ::SetPixelV(hMaskDC, x, y, clr == CLR_NONE ? RGB(255, 255, 255) : RGB(0, 0, 0));
        }
    }
    ::SelectObject(hDC, hOld);
    ::SelectObject(hMaskDC, hOldMask);
    ::DeleteDC(hDC);
    ::DeleteDC(hMaskDC);
    ::ReleaseDC(nullptr, hScreen);
    ICONINFO info = {TRUE, 0, 0, hMask, hColour};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColour);
    ::DeleteObject(hMask);
    return hIcon;
}

INT_PTR RunEditor(CTestEditor& dlg, std::vector<Step> steps)
{
    g_run = StepRun();
    g_run.pDlg = &dlg;
    g_run.steps = std::move(steps);
    g_run.nTimer = testtimer::Set(20, &OnStepTimer);
    const INT_PTR nResult = dlg.DoModal();
    testtimer::Kill(g_run.nTimer);
    g_run = StepRun();
    return nResult;
}

INT_PTR RunEditor(CTestEditor& dlg, const Step& step)
{
    return RunEditor(dlg, std::vector<Step>{step});
}

POINT PixelOnScreen(CXTPImageEditorDlg& dlg, int x, int y)
{
    const CSize cell = dlg.GetPicture().GetCellSize();
    return testinput::ClientToScreenPoint(dlg.GetPicture().m_hWnd, x * cell.cx + cell.cx / 2,
                                          y * cell.cy + cell.cy / 2);
}

void ClickPixel(CXTPImageEditorDlg& dlg, int x, int y)
{
    DragPixels(dlg, POINT{x, y}, POINT{x, y});
}

void DragPixels(CXTPImageEditorDlg& dlg, POINT from, POINT to)
{
    const int nBefore = dlg.GetPicture().GetUndoCount();
    const bool bFull = nBefore == CXTPImageEditorPicture::kHistoryLimit;
    const CImage* pBefore = dlg.GetPicture().GetImage();
    testinput::MoveMouseTo(PixelOnScreen(dlg, from.x, from.y));
    testinput::SendMouse(MOUSEEVENTF_LEFTDOWN, PixelOnScreen(dlg, from.x, from.y));
    testinput::MoveMouseTo(PixelOnScreen(dlg, (from.x + to.x) / 2, (from.y + to.y) / 2));
    testinput::MoveMouseTo(PixelOnScreen(dlg, to.x, to.y));
    testinput::SendMouse(MOUSEEVENTF_LEFTUP, PixelOnScreen(dlg, to.x, to.y));
    // A stroke ends in the history (a full one keeps its length).
    EXPECT_TRUE(testpump::PumpUntil([&] {
        return ::GetCapture() == nullptr && (bFull ? dlg.GetPicture().GetImage() != pBefore
                                                   : dlg.GetPicture().GetUndoCount() == nBefore + 1);
    })) << "capture " << ::GetCapture() << " picture " << dlg.GetPicture().m_hWnd << " undo " << dlg.GetPicture().GetUndoCount() << " before " << nBefore << " drag " << from.x << "," << from.y << " to " << to.x << "," << to.y;
}

void ClickButton(CXTPImageEditorDlg& dlg, UINT nID)
{
    CToolBar* pBars[] = {&dlg.GetToolsBar(), &dlg.GetMoveBar()};
    for (CToolBar* pBar : pBars) {
        const int nIndex = pBar->CommandToIndex(nID);
        if (nIndex < 0)
            continue;
        RECT rc = {};
        pBar->SendMessage(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rc));
        testinput::ClickAt(testinput::ClientToScreenPoint(pBar->m_hWnd, (rc.left + rc.right) / 2,
                                                          (rc.top + rc.bottom) / 2));
        testpump::PumpUntilIdle();
        return;
    }
    ADD_FAILURE() << "no button " << nID;
}

void ClickCell(CXTPImageEditorDlg& dlg, UINT nID)
{
    HWND hCell = ::GetDlgItem(dlg.m_hWnd, nID);
    ASSERT_NE(nullptr, hCell);
    RECT rc;
    ::GetClientRect(hCell, &rc);
    testinput::ClickAt(testinput::ClientToScreenPoint(hCell, rc.right / 2, rc.bottom / 2));
    testpump::PumpUntilIdle();
}

DWORD RawPixel(const CImage* pImage, int x, int y)
{
    return pImage->GetPixels()[y * pImage->GetSize().cx + x];
}

CString WriteFile(LPCWSTR lpszName, const std::vector<BYTE>& bytes)
{
    WCHAR szPath[MAX_PATH];
    ::GetFullPathNameW(lpszName, MAX_PATH, szPath, nullptr);
    HANDLE hFile = ::CreateFileW(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr);
    ::CloseHandle(hFile);
    return szPath;
}

std::vector<BYTE> IconFileBytes(int cx, int cy, int nBits, const std::function<DWORD(int, int)>& pixel)
{
    std::vector<BYTE> image;
    PutInfoHeader(image, cx, cy * 2, nBits);
    PutPixels(image, cx, cy, nBits, pixel);
    // The mask: transparent where the alpha byte is 0 (32 bits) or the pixel is 0.
    const int nMaskRow = ((cx + 31) / 32) * 4;
    for (int y = cy - 1; y >= 0; y--) {
        std::vector<BYTE> row(nMaskRow, 0);
        for (int x = 0; x < cx; x++) {
            const DWORD value = pixel(x, y);
            if (nBits == 32 ? (value >> 24) == 0 : value == 0)
                row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
        image.insert(image.end(), row.begin(), row.end());
    }
    std::vector<BYTE> file;
    PutLE(file, 0, 2);
    PutLE(file, 1, 2);
    PutLE(file, 1, 2);
    file.push_back(static_cast<BYTE>(cx));
    file.push_back(static_cast<BYTE>(cy));
    file.push_back(0);
    file.push_back(0);
    PutLE(file, 1, 2);
    PutLE(file, static_cast<DWORD>(nBits), 2);
    PutLE(file, static_cast<DWORD>(image.size()), 4);
    PutLE(file, 22, 4);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

std::vector<BYTE> BitmapFileBytes(int cx, int cy, int nBits, const std::function<DWORD(int, int)>& pixel)
{
    std::vector<BYTE> pixels;
    PutPixels(pixels, cx, cy, nBits, pixel);
    std::vector<BYTE> file;
    file.push_back('B');
    file.push_back('M');
    PutLE(file, static_cast<DWORD>(14 + 40 + pixels.size()), 4);
    PutLE(file, 0, 4);
    PutLE(file, 14 + 40, 4);
    PutInfoHeader(file, cx, cy, nBits);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

std::vector<BYTE> GifFileBytes(int cx, int cy, const DWORD (&palette)[4], const std::function<int(int, int)>& index,
                               GifLayout layout)
{
    std::vector<BYTE> file = {'G', 'I', 'F', '8', '9', 'a'};
    PutLE(file, static_cast<DWORD>(cx), 2);
    PutLE(file, static_cast<DWORD>(cy), 2);
    auto putPalette = [&] {
        for (DWORD rgb : palette) {
            file.push_back(static_cast<BYTE>(rgb >> 16));
            file.push_back(static_cast<BYTE>(rgb >> 8));
            file.push_back(static_cast<BYTE>(rgb));
        }
    };
    // Palette flag, 2 bits of colour resolution, 4 entries.
    file.push_back(layout.localPalette ? 0x10 : 0x91);
    file.push_back(0);
    file.push_back(0);
    if (!layout.localPalette)
        putPalette();
    if (layout.transparentIndex >= 0) {
        const BYTE control[] = {0x21, 0xF9, 4, 0x01, 0, 0, static_cast<BYTE>(layout.transparentIndex), 0};
        file.insert(file.end(), std::begin(control), std::end(control));
    }
    file.push_back(0x2C);
    PutLE(file, 0, 4);
    PutLE(file, static_cast<DWORD>(cx), 2);
    PutLE(file, static_cast<DWORD>(cy), 2);
    file.push_back(layout.localPalette ? 0x81 : 0);
    if (layout.localPalette)
        putPalette();

    // Three-bit codes without compression: a clear code before every two
    // pixels keeps the decoder's table (and so the code width) from growing.
    const int kClear = 4;
    const int kEnd = 5;
    std::vector<BYTE> packed;
    DWORD bits = 0;
    int nBits = 0;
    auto putCode = [&](int code) {
        bits |= static_cast<DWORD>(code) << nBits;
        nBits += 3;
        while (nBits >= 8) {
            packed.push_back(static_cast<BYTE>(bits));
            bits >>= 8;
            nBits -= 8;
        }
    };
    for (int i = 0; i < cx * cy; i++) {
        if (i % 2 == 0)
            putCode(kClear);
        putCode(index(i % cx, i / cx) & 3);
    }
    putCode(kEnd);
    if (nBits > 0)
        packed.push_back(static_cast<BYTE>(bits));
    file.push_back(2);  // minimum code size
    for (size_t at = 0; at < packed.size(); at += 255) {
        const size_t n = std::min<size_t>(255, packed.size() - at);
        file.push_back(static_cast<BYTE>(n));
        file.insert(file.end(), packed.begin() + at, packed.begin() + at + n);
    }
    file.push_back(0);
    file.push_back(0x3B);
    return file;
}

} // namespace edittest
