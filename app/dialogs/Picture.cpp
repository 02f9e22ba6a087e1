#include "app/dialogs/Picture.h"

#include "framework/core/CException.h"
#include "framework/files/CArchive.h"
#include "framework/files/CArchiveStream.h"
#include "framework/files/CFile.h"
#include "framework/gdi/CDC.h"
#include "toolkit/common/images/XTPPictureFileCheck.h"

namespace {

const int HIMETRIC_PER_INCH = 2540;

int ScreenPixelsPerInch(int nIndex)
{
    HDC hdc = ::GetDC(nullptr);
    const int nPixels = ::GetDeviceCaps(hdc, nIndex);
    ::ReleaseDC(nullptr, hdc);
    return nPixels;
}

} // namespace

CPicture::CPicture()
    : m_pPicture(nullptr)
{
}

CPicture::~CPicture()
{
    Release();
}

void CPicture::Release()
{
    if (m_pPicture != nullptr)
    {
        m_pPicture->Release();
        m_pPicture = nullptr;
    }
}

BOOL CPicture::Load(LPCTSTR lpszPath)
{
    Release();
    // The system's decoders run past the end of a damaged GIF or bitmap:
    // such a file is no picture.
    if (!XTPIsSoundPictureFile(lpszPath))
        return FALSE;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try
    {
        CArchive ar(&file, CArchive::load, 4096);
        CArchiveStream stream(&ar);
        IPicture* pPicture = nullptr;
        if (FAILED(::OleLoadPicture(&stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&pPicture))) ||
            pPicture == nullptr)
            return FALSE;
        m_pPicture = pPicture;
        return TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
        Release();
        return FALSE;
    }
}

int CPicture::GetWidth() const
{
    if (m_pPicture == nullptr)
        return 0;
    OLE_XSIZE_HIMETRIC cx = 0;
    m_pPicture->get_Width(&cx);
    return ::MulDiv(cx, ScreenPixelsPerInch(LOGPIXELSX), HIMETRIC_PER_INCH);
}

int CPicture::GetHeight() const
{
    if (m_pPicture == nullptr)
        return 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    m_pPicture->get_Height(&cy);
    return ::MulDiv(cy, ScreenPixelsPerInch(LOGPIXELSY), HIMETRIC_PER_INCH);
}

void CPicture::Render(CDC* pDC, const RECT& rect) const
{
    if (m_pPicture == nullptr || pDC == nullptr)
        return;
    OLE_XSIZE_HIMETRIC cx = 0;
    OLE_YSIZE_HIMETRIC cy = 0;
    m_pPicture->get_Width(&cx);
    m_pPicture->get_Height(&cy);
    ::SetStretchBltMode(pDC->GetSafeHdc(), HALFTONE);
    // The picture's origin is its bottom-left corner in HIMETRIC.
    m_pPicture->Render(pDC->GetSafeHdc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, cy,
                       cx, -cy, nullptr);
}
