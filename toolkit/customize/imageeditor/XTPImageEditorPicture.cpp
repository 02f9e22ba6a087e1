#include "toolkit/customize/imageeditor/XTPImageEditorPicture.h"

#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "framework/dialogs/CFileDialog.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPPictureFileCheck.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"
#include "toolkit/customize/imageeditor/XTPImageEditorIconFile.h"

BEGIN_MESSAGE_MAP(CXTPImageEditorPicture, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

const DWORD kTransparentPixel = 0x00FFFEFF;

DWORD ToPixel(COLORREF clr)
{
    return (static_cast<DWORD>(GetRValue(clr)) << 16) | (static_cast<DWORD>(GetGValue(clr)) << 8) | GetBValue(clr);
}

// Any bitmap's pixels as top-down 32-bit values (alpha as stored, 0 for
// fewer bits per pixel).
BOOL ReadPixels(HBITMAP hBitmap, std::vector<DWORD>& pixels, CSize& size, int* pnBitsPixel)
{
    BITMAP bm = {};
    if (hBitmap == nullptr || !::GetObject(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return FALSE;
    pixels.assign(static_cast<size_t>(bm.bmWidth) * bm.bmHeight, 0);
    if (!XTPReadBitmapPixels32(hBitmap, bm.bmWidth, bm.bmHeight, pixels.data()))
        return FALSE;
    size = CSize(bm.bmWidth, bm.bmHeight);
    if (pnBitsPixel != nullptr)
        *pnBitsPixel = bm.bmBitsPixel;
    return TRUE;
}

// Pixels drawn at (0, 0) onto a transparent image of the given size. A
// plain image turns the key colour (when given) into the transparent colour
// and drops the alpha byte; an alpha image turns pixels of all bits 0 into
// the transparent colour, so that the tools do not take them for black.
CXTPImageEditorPicture::CAlphaBitmap* ImageFromPixels(const std::vector<DWORD>& pixels, CSize sizeSource,
                                                     CSize size, BOOL bAlpha, const DWORD* pKey)
{
    auto* pImage = CXTPImageEditorPicture::CAlphaBitmap::CreateTransparent(size, bAlpha);
    DWORD* pTarget = pImage != nullptr ? pImage->GetPixels() : nullptr;
    if (pTarget == nullptr)
        return pImage;
    for (int y = 0; y < std::min(size.cy, sizeSource.cy); y++) {
        for (int x = 0; x < std::min(size.cx, sizeSource.cx); x++) {
            DWORD pixel = pixels[static_cast<size_t>(y) * sizeSource.cx + x];
            if (!bAlpha) {
                pixel &= 0xFFFFFF;
                if (pKey != nullptr && pixel == *pKey)
                    pixel = kTransparentPixel;
            } else if (pixel == 0) {
                pixel = kTransparentPixel;
            }
            pTarget[y * size.cx + x] = pixel;
        }
    }
    return pImage;
}

// A memory DC with the image selected for GDI to draw on.
class CImageDC
{
public:
    explicit CImageDC(CXTPImageEditorPicture::CAlphaBitmap* pImage)
        : m_hDC(::CreateCompatibleDC(nullptr)), m_hOld(::SelectObject(m_hDC, pImage->GetSafeHandle()))
    {
    }
    ~CImageDC()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteDC(m_hDC);
        ::GdiFlush();
    }
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

} // namespace

CXTPImageEditorPicture::CXTPImageEditorPicture() = default;

CXTPImageEditorPicture::~CXTPImageEditorPicture()
{
    delete m_pUndoCandidate;
    delete m_pCurrent;
    DeleteAll(m_undo);
    DeleteAll(m_redo);
}

void CXTPImageEditorPicture::DeleteAll(std::vector<CAlphaBitmap*>& list)
{
    for (CAlphaBitmap* pImage : list)
        delete pImage;
    list.clear();
}

void CXTPImageEditorPicture::SetImage(CAlphaBitmap* pImage)
{
    if (pImage == m_pCurrent)
        return;
    delete m_pCurrent;
    m_pCurrent = pImage;
    delete m_pUndoCandidate;
    m_pUndoCandidate = nullptr;
    DeleteAll(m_undo);
    DeleteAll(m_redo);
    if (m_pCurrent != nullptr)
        m_szImage = m_pCurrent->GetSize();
}

BOOL CXTPImageEditorPicture::Create(UINT nID, CXTPImageEditorDlg* pDlg)
{
    m_pDlg = pDlg;
    if (!SubclassDlgItem(nID, pDlg))
        return FALSE;
    m_szImage = pDlg->GetImageSize();
    if (m_pCurrent == nullptr)
        m_pCurrent = CAlphaBitmap::CreateTransparent(m_szImage, FALSE);
    CRect rc;
    GetWindowRect(&rc);
    pDlg->ScreenToClient(&rc);
    // At least one screen pixel per image pixel: a larger image grows the control.
    m_nCellWidth = std::max(1L, rc.Width() / std::max(1L, m_szImage.cx));
    m_nCellHeight = std::max(1L, rc.Height() / std::max(1L, m_szImage.cy));
    SetWindowPos(nullptr, 0, 0, m_nCellWidth * m_szImage.cx + 1, m_nCellHeight * m_szImage.cy + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    CXTPResourceManager* pResources = XTPGetResourceManager();
    m_hCursorShape = pResources->LoadCursor(XTP_IDC_EDITOR_LINE);
    m_hCursorPick = pResources->LoadCursor(XTP_IDC_EDITOR_PICKCOLOR);
    m_hCursorFill = pResources->LoadCursor(XTP_IDC_EDITOR_FILL);
    m_hCursorPencil = pResources->LoadCursor(XTP_IDC_EDITOR_PENCIL);
    return TRUE;
}

CPoint CXTPImageEditorPicture::ToImagePixel(CPoint point) const
{
    // Floor division: points left of or above the picture stay outside.
    auto floorDiv = [](long a, long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return CPoint(floorDiv(point.x, m_nCellWidth), floorDiv(point.y, m_nCellHeight));
}

void CXTPImageEditorPicture::Redraw()
{
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
    if (m_pDlg != nullptr)
        m_pDlg->RedrawPreview();
}

void CXTPImageEditorPicture::BeginChange()
{
    // A change still open (its button release never came) is kept first.
    if (m_pUndoCandidate != nullptr)
        CommitChange();
    m_pUndoCandidate = m_pCurrent;
}

void CXTPImageEditorPicture::StartChange()
{
    BeginChange();
    m_pCurrent = m_pUndoCandidate->Clone();
    if (m_pCurrent == nullptr)
        m_pCurrent = CAlphaBitmap::CreateTransparent(m_szImage, m_pUndoCandidate->m_bAlpha);
}

void CXTPImageEditorPicture::ReplaceCurrent(CAlphaBitmap* pImage)
{
    if (pImage == nullptr)
        return;
    delete m_pCurrent;
    m_pCurrent = pImage;
}

void CXTPImageEditorPicture::CommitChange()
{
    DeleteAll(m_redo);
    if (m_pUndoCandidate != nullptr) {
        if (static_cast<int>(m_undo.size()) >= kHistoryLimit) {
            delete m_undo.front();
            m_undo.erase(m_undo.begin());
        }
        m_undo.push_back(m_pUndoCandidate);
        m_pUndoCandidate = nullptr;
    }
    Redraw();
}

void CXTPImageEditorPicture::Undo()
{
    if (m_undo.empty())
        return;
    m_redo.push_back(m_pCurrent);
    m_pCurrent = m_undo.back();
    m_undo.pop_back();
    Redraw();
}

void CXTPImageEditorPicture::Redo()
{
    if (m_redo.empty())
        return;
    m_undo.push_back(m_pCurrent);
    m_pCurrent = m_redo.back();
    m_redo.pop_back();
    Redraw();
}

void CXTPImageEditorPicture::Clear()
{
    CAlphaBitmap* pCleared = CAlphaBitmap::CreateTransparent(m_szImage, m_pCurrent->m_bAlpha);
    if (pCleared == nullptr)
        return;
    BeginChange();
    m_pCurrent = pCleared;
    CommitChange();
}

void CXTPImageEditorPicture::MoveImage(int dx, int dy)
{
    CAlphaBitmap* pMoved = CAlphaBitmap::CreateTransparent(m_szImage, m_pCurrent->m_bAlpha);
    DWORD* pTarget = pMoved != nullptr ? pMoved->GetPixels() : nullptr;
    const DWORD* pSource = m_pCurrent->GetPixels();
    if (pTarget == nullptr || pSource == nullptr) {
        delete pMoved;
        return;
    }
    for (int y = 0; y < m_szImage.cy; y++) {
        for (int x = 0; x < m_szImage.cx; x++) {
            if (pMoved->IsInside(x + dx, y + dy))
                pTarget[(y + dy) * m_szImage.cx + x + dx] = pSource[y * m_szImage.cx + x];
        }
    }
    BeginChange();
    m_pCurrent = pMoved;
    CommitChange();
}

void CXTPImageEditorPicture::Copy()
{
    const DWORD* pSource = m_pCurrent->GetPixels();
    if (pSource == nullptr || !::OpenClipboard(m_hWnd))
        return;
    if (!::EmptyClipboard()) {
        ::CloseClipboard();
        return;
    }
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = XTPCreateAlphaDIB(m_szImage.cx, m_szImage.cy, &pBits);
    if (hBitmap != nullptr) {
        DWORD* pTarget = reinterpret_cast<DWORD*>(pBits);
        const DWORD face = ToPixel(::GetSysColor(COLOR_3DFACE));
        for (long i = 0; i < m_szImage.cx * m_szImage.cy; i++) {
            const DWORD pixel = pSource[i];
            pTarget[i] = m_pCurrent->m_bAlpha || (pixel & 0xFFFFFF) != kTransparentPixel ? pixel : face;
        }
        if (!::SetClipboardData(CF_BITMAP, hBitmap))
            ::DeleteObject(hBitmap);
        if (m_pCurrent->m_bAlpha) {
            HGLOBAL hMarker = ::GlobalAlloc(GMEM_MOVEABLE, 1);
            if (hMarker != nullptr && !::SetClipboardData(::RegisterClipboardFormatW(L"Alpha Bitmap Image"), hMarker))
                ::GlobalFree(hMarker);
        }
    }
    ::CloseClipboard();
}

void CXTPImageEditorPicture::Paste()
{
    if (!::IsClipboardFormatAvailable(CF_BITMAP) || !::OpenClipboard(m_hWnd))
        return;
    BOOL bMarked = FALSE;
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0 && !bMarked;
         nFormat = ::EnumClipboardFormats(nFormat)) {
        wchar_t szName[128] = {};
        if (::GetClipboardFormatNameW(nFormat, szName, 128) > 0 && std::wcsstr(szName, L"DIB32") != nullptr)
            bMarked = TRUE;
    }
    if (!bMarked)
        bMarked = ::IsClipboardFormatAvailable(::RegisterClipboardFormatW(L"Alpha Bitmap Image"));
    std::vector<DWORD> pixels;
    CSize sizeSource;
    int nBitsPixel = 0;
    const BOOL bRead =
        ReadPixels(static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)), pixels, sizeSource, &nBitsPixel);
    ::CloseClipboard();
    if (!bRead)
        return;
    // Any program can offer the marker: only 32-bit pixels have alpha to take.
    const BOOL bAlpha = bMarked && nBitsPixel == 32;
    const DWORD face = ToPixel(::GetSysColor(COLOR_3DFACE));
    CAlphaBitmap* pPasted = ImageFromPixels(pixels, sizeSource, m_szImage, bAlpha, &face);
    if (pPasted == nullptr)
        return;
    BeginChange();
    m_pCurrent = pPasted;
    CommitChange();
}

void CXTPImageEditorPicture::Import()
{
    CString strFilter;
    XTPGetResourceManager()->LoadString(&strFilter, XTP_IDS_BUTTONEDITOR_FILTER);
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, strFilter, m_pDlg);
    if (dlg.DoModal() != IDOK)
        return;
    ImportFile(dlg.GetPathName());
}

BOOL CXTPImageEditorPicture::ReplaceWithImport(CAlphaBitmap* pImage)
{
    if (pImage == nullptr)
        return FALSE;
    BeginChange();
    m_pCurrent = pImage;
    CommitChange();
    return TRUE;
}

BOOL CXTPImageEditorPicture::ImportFile(LPCTSTR lpszPath)
{
    CString strPath(lpszPath);
    const int nDot = strPath.ReverseFind(L'.');
    CString strExt = nDot >= 0 ? strPath.Mid(nDot + 1) : CString();
    strExt.MakeLower();
    std::vector<DWORD> pixels;
    CSize sizeSource;
    int nBitsPixel = 0;

    if (strExt == L"ico") {
        // Directory, offsets and sizes are checked before any loader reads them.
        if (!XTPIsSoundIconFile(strPath))
            return FALSE;
        HBITMAP hAlpha = XTPLoadAlphaIconFile(strPath, m_szImage.cx);
        if (hAlpha != nullptr) {
            const BOOL bRead = ReadPixels(hAlpha, pixels, sizeSource, nullptr);
            ::DeleteObject(hAlpha);
            return bRead && ReplaceWithImport(ImageFromPixels(pixels, sizeSource, m_szImage, TRUE, nullptr));
        }
        HICON hIcon = static_cast<HICON>(::LoadImageW(nullptr, strPath, IMAGE_ICON, m_szImage.cx, m_szImage.cy,
                                                      LR_CREATEDIBSECTION | LR_LOADFROMFILE));
        if (hIcon == nullptr)
            return FALSE;
        CAlphaBitmap* pImage = CAlphaBitmap::CreateTransparent(m_szImage, FALSE);
        if (pImage != nullptr) {
            CImageDC dc(pImage);
            ::DrawIconEx(dc.Get(), 0, 0, hIcon, m_szImage.cx, m_szImage.cy, 0, nullptr, DI_NORMAL);
        }
        ::DestroyIcon(hIcon);
        return ReplaceWithImport(pImage);
    }
    // The system's loaders run past the end of a damaged bitmap or GIF.
    if (!XTPIsSoundPictureFile(strPath))
        return FALSE;
    if (strExt == L"bmp") {
        HBITMAP hBitmap = static_cast<HBITMAP>(
            ::LoadImageW(nullptr, strPath, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADFROMFILE));
        if (hBitmap == nullptr)
            return FALSE;
        const BOOL bRead = ReadPixels(hBitmap, pixels, sizeSource, &nBitsPixel);
        ::DeleteObject(hBitmap);
        return bRead && ReplaceWithImport(ImageFromPixels(pixels, sizeSource, m_szImage, nBitsPixel == 32, nullptr));
    }

    IPicture* pPicture = nullptr;
    if (FAILED(::OleLoadPicturePath(const_cast<LPOLESTR>(static_cast<LPCWSTR>(strPath)), nullptr, 0, 0, IID_IPicture,
                                    reinterpret_cast<void**>(&pPicture))) ||
        pPicture == nullptr)
        return FALSE;
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    pPicture->get_Width(&cx);
    pPicture->get_Height(&cy);
    CAlphaBitmap* pImage = CAlphaBitmap::CreateTransparent(m_szImage, FALSE);
    HRESULT hr = E_FAIL;
    if (pImage != nullptr && cx > 0 && cy > 0) {
        CImageDC dc(pImage);
        hr = pPicture->Render(dc.Get(), 0, 0, m_szImage.cx, m_szImage.cy, 0, cy, cx, -cy, nullptr);
    }
    pPicture->Release();
    if (FAILED(hr)) {
        delete pImage;
        return FALSE;
    }
    // Some decoders render opaque alpha bytes; GDI's colour matching (flood
    // fill) sees them as other colours than its own drawing gives.
    if (DWORD* pPixels = pImage->GetPixels()) {
        for (long i = 0; i < m_szImage.cx * m_szImage.cy; i++)
            pPixels[i] &= 0xFFFFFF;
    }
    return ReplaceWithImport(pImage);
}

BOOL CXTPImageEditorPicture::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPImageEditorPicture::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width();
    const int cy = rcClient.Height();
    if (cx <= 0 || cy <= 0)
        return;
    BYTE* pBits = nullptr;
    HBITMAP hBuffer = XTPCreateAlphaDIB(cx, cy, &pBits);
    if (hBuffer == nullptr)
        return;
    DWORD* pTarget = reinterpret_cast<DWORD*>(pBits);
    const DWORD* pSource = m_pCurrent != nullptr ? m_pCurrent->GetPixels() : nullptr;
    const BOOL bAlpha = m_pCurrent != nullptr && m_pCurrent->m_bAlpha;
    for (int y = 0; y < cy; y++) {
        for (int x = 0; x < cx; x++) {
            const DWORD background = ((x + 3) / 4 + (y + 3) / 4) % 2 == 0 ? 0xFF : 0xEB;
            DWORD pixel = kTransparentPixel;
            if (pSource != nullptr)
                pixel = pSource[(m_szImage.cy * y / cy) * m_szImage.cx + m_szImage.cx * x / cx];
            DWORD shown;
            if (bAlpha) {
                const DWORD alpha = pixel >> 24;
                shown = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    const DWORD channel = (pixel >> shift) & 0xFF;
                    const DWORD blended = background - (static_cast<int>(background) - static_cast<int>(channel)) *
                                                           static_cast<int>(alpha) / 255;
                    shown |= (blended & 0xFF) << shift;
                }
            } else if ((pixel & 0xFFFFFF) == kTransparentPixel) {
                shown = background * 0x010101;
            } else {
                shown = pixel & 0xFFFFFF;
            }
            pTarget[y * cx + x] = shown;
        }
    }
    HDC hMemDC = ::CreateCompatibleDC(dc.GetSafeHdc());
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBuffer);
    ::FrameRect(hMemDC, &rcClient, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::BitBlt(dc.GetSafeHdc(), 0, 0, cx, cy, hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBuffer);
}

void CXTPImageEditorPicture::OnLButtonDown(UINT, CPoint point)
{
    if (m_pDlg == nullptr || m_pCurrent == nullptr)
        return;
    const CPoint pixel = ToImagePixel(point);
    const int nTool = m_pDlg->GetCurrentTool();
    const COLORREF clrCurrent = m_pDlg->GetCurrentColor();
    switch (nTool) {
    case CXTPImageEditorDlg::toolFill:
        StartChange();
        FillAt(pixel);
        CommitChange();
        return;
    case CXTPImageEditorDlg::toolPickColor:
        m_pDlg->OnColorPicked(m_pCurrent->GetColor(pixel.x, pixel.y));
        return;
    default:
        break;
    }
    StartChange();
    m_clrDraw = clrCurrent;
    // A second click with the pencil on a pixel of the current colour erases it.
    if (nTool == CXTPImageEditorDlg::toolPencil && m_pCurrent->IsInside(pixel.x, pixel.y) &&
        m_pCurrent->GetColor(pixel.x, pixel.y) == clrCurrent)
        m_clrDraw = XTP_IMAGEEDITOR_TRANSPARENT;
    m_ptStart = point;
    m_bTracking = TRUE;
    SetCapture();
    DrawTrackStep(point);
}

void CXTPImageEditorPicture::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The static class sends a quick second click as a double click.
    OnLButtonDown(nFlags, point);
}

void CXTPImageEditorPicture::FillAt(CPoint pixel)
{
    if (!m_pCurrent->IsInside(pixel.x, pixel.y))
        return;
    const COLORREF clrSurface = m_pCurrent->GetColor(pixel.x, pixel.y);
    const COLORREF clrFill = m_pDlg->GetCurrentColor();
    if (clrSurface != clrFill) {
        // GDI matches the surface colour against whole pixels, so the alpha
        // bytes stay aside while it fills the area of that colour.
        DWORD* pPixels = m_pCurrent->GetPixels();
        const CSize size = m_pCurrent->GetSize();
        const long nPixels = size.cx * size.cy;
        std::vector<DWORD> before;
        if (m_pCurrent->m_bAlpha && pPixels != nullptr) {
            before.assign(pPixels, pPixels + nPixels);
            for (long i = 0; i < nPixels; i++)
                pPixels[i] &= 0xFFFFFF;
        }
        {
            CImageDC dc(m_pCurrent);
            HBRUSH hBrush = ::CreateSolidBrush(clrFill);
            HGDIOBJ hOld = ::SelectObject(dc.Get(), hBrush);
            ::ExtFloodFill(dc.Get(), pixel.x, pixel.y, clrSurface, FLOODFILLSURFACE);
            ::SelectObject(dc.Get(), hOld);
            ::DeleteObject(hBrush);
        }
        // Only the pixels the fill left alone get their alpha back: filled
        // ones start from none, as the pencil's do, so that filling with the
        // transparent colour leaves them transparent and the alpha rebuild
        // makes any other colour opaque.
        for (size_t i = 0; i < before.size(); i++) {
            if ((before[i] & 0xFFFFFF) == pPixels[i])
                pPixels[i] = before[i];
        }
    }
    if (m_pCurrent->m_bAlpha)
        m_pCurrent->RebuildAlpha(m_pUndoCandidate);
}

void CXTPImageEditorPicture::DrawTrackStep(CPoint point)
{
    if (m_pUndoCandidate == nullptr)
        return;
    const CPoint pixel = ToImagePixel(point);
    const int nTool = m_pDlg->GetCurrentTool();
    if (nTool == CXTPImageEditorDlg::toolPencil) {
        // Outside the picture there is nothing to paint.
        if (!m_pCurrent->IsInside(pixel.x, pixel.y))
            return;
        CAlphaBitmap* pBefore = m_pCurrent;
        CAlphaBitmap* pNext = pBefore->Clone();
        if (pNext == nullptr)
            return;
        {
            CImageDC dc(pNext);
            ::SetPixelV(dc.Get(), pixel.x, pixel.y, m_clrDraw);
        }
        if (pNext->m_bAlpha)
            pNext->RebuildAlpha(pBefore);
        ReplaceCurrent(pNext);
        Redraw();
        return;
    }
    CAlphaBitmap* pNext = m_pUndoCandidate->Clone();
    if (pNext == nullptr)
        return;
    const CPoint start = ToImagePixel(m_ptStart);
    {
        CImageDC dc(pNext);
        HPEN hPen = ::CreatePen(PS_SOLID, 1, m_clrDraw);
        HGDIOBJ hOldPen = ::SelectObject(dc.Get(), hPen);
        if (nTool == CXTPImageEditorDlg::toolLine) {
            ::MoveToEx(dc.Get(), start.x, start.y, nullptr);
            ::LineTo(dc.Get(), pixel.x, pixel.y);
        } else {
            CRect rc(start, pixel);
            rc.NormalizeRect();
            HBRUSH hBrush = nTool == CXTPImageEditorDlg::toolEllipse ? ::CreateSolidBrush(XTP_IMAGEEDITOR_TRANSPARENT)
                                                                     : nullptr;
            HGDIOBJ hOldBrush =
                ::SelectObject(dc.Get(), hBrush != nullptr ? hBrush : ::GetStockObject(NULL_BRUSH));
            if (nTool == CXTPImageEditorDlg::toolEllipse)
                ::Ellipse(dc.Get(), rc.left, rc.top, rc.right, rc.bottom);
            else
                ::Rectangle(dc.Get(), rc.left, rc.top, rc.right, rc.bottom);
            ::SelectObject(dc.Get(), hOldBrush);
            if (hBrush != nullptr)
                ::DeleteObject(hBrush);
        }
        ::SelectObject(dc.Get(), hOldPen);
        ::DeleteObject(hPen);
    }
    if (pNext->m_bAlpha)
        pNext->RebuildAlpha(m_pUndoCandidate);
    ReplaceCurrent(pNext);
    Redraw();
}

void CXTPImageEditorPicture::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking)
        DrawTrackStep(point);
}

void CXTPImageEditorPicture::OnLButtonUp(UINT, CPoint)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    ::ReleaseCapture();
}

void CXTPImageEditorPicture::OnCaptureChanged(CWnd*)
{
    m_bTracking = FALSE;
    if (m_pUndoCandidate != nullptr)
        CommitChange();
}

BOOL CXTPImageEditorPicture::OnSetCursor(CWnd*, UINT, UINT)
{
    HCURSOR hCursor = m_hCursorShape;
    if (m_pDlg != nullptr) {
        switch (m_pDlg->GetCurrentTool()) {
        case CXTPImageEditorDlg::toolFill: hCursor = m_hCursorFill; break;
        case CXTPImageEditorDlg::toolPencil: hCursor = m_hCursorPencil; break;
        case CXTPImageEditorDlg::toolPickColor: hCursor = m_hCursorPick; break;
        default: break;
        }
    }
    ::SetCursor(hCursor != nullptr ? hCursor : ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}
