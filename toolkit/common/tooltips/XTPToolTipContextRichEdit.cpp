#include "toolkit/common/tooltips/XTPToolTipContextRichEdit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/gdi/CDC.h"
#include "framework/text/CStringA.h"

XTP_IMPLEMENT_TOOLTIP_DYNAMIC(CRichEditToolTip, CXTPToolTipContextToolTip)

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CRichEditToolTip, CXTPToolTipContextToolTip)
    ON_NOTIFY(EN_REQUESTRESIZE, 1, OnRequestResize)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const UINT RICHEDIT_ID = 1;
const DWORD CHARFORMAT_MASK = 0x4000001F;   // colour, bold, italic, underline, strikeout, protected
const int TWIPS_PER_INCH = 1440;

// Hands a byte buffer to the control's stream reader.
struct XTP_STREAM_SOURCE
{
    const BYTE* pData;
    LONG nSize;
    LONG nPos;
};

DWORD CALLBACK ReadStreamSource(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    XTP_STREAM_SOURCE* pSource = reinterpret_cast<XTP_STREAM_SOURCE*>(dwCookie);
    LONG nCount = std::min(cb, pSource->nSize - pSource->nPos);
    if (nCount > 0)
        memcpy(pbBuff, pSource->pData + pSource->nPos, static_cast<size_t>(nCount));
    pSource->nPos += nCount;
    *pcb = nCount;
    return 0;
}

LRESULT StreamIn(HWND hWnd, UINT nFormat, const void* pData, LONG nSize)
{
    XTP_STREAM_SOURCE source = {static_cast<const BYTE*>(pData), nSize, 0};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    es.pfnCallback = ReadStreamSource;
    return ::SendMessageW(hWnd, EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es));
}

BOOL HasCentredOrRightAlignment(const CString& strText)
{
    return strText.Find(L"\\qr") >= 0 || strText.Find(L"\\qc") >= 0;
}

} // namespace

CXTPToolTipContext::CRichEditToolTip::CRichEditToolTip(CXTPToolTipContext* pContext)
    : CXTPToolTipContextToolTip(pContext), m_hRichEditLibrary(nullptr), m_hWndRichEdit(nullptr), m_szRequested(0, 0)
{
}

CXTPToolTipContext::CRichEditToolTip::~CRichEditToolTip()
{
    if (m_hWndRichEdit && ::IsWindow(m_hWndRichEdit))
        ::DestroyWindow(m_hWndRichEdit);
    m_hWndRichEdit = nullptr;
    if (m_hRichEditLibrary)
        ::FreeLibrary(m_hRichEditLibrary);
}

BOOL CXTPToolTipContext::CRichEditToolTip::Create(CWnd* pParent, DWORD dwStyle)
{
    if (!CXTPToolTipContextToolTip::Create(pParent, dwStyle))
        return FALSE;
    if (!m_hRichEditLibrary)
        m_hRichEditLibrary = ::LoadLibraryW(L"riched32.dll");
    m_hWndRichEdit = ::CreateWindowExW(0, L"RICHEDIT", nullptr, WS_CHILD | ES_READONLY | ES_MULTILINE, 0, 0, 0, 0,
                                       m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(RICHEDIT_ID)),
                                       ::GetModuleHandleW(nullptr), nullptr);
    if (m_hWndRichEdit)
        ::SendMessageW(m_hWndRichEdit, EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
    return TRUE;
}

void CXTPToolTipContext::CRichEditToolTip::OnDestroy()
{
    if (m_hWndRichEdit && ::IsWindow(m_hWndRichEdit))
        ::DestroyWindow(m_hWndRichEdit);
    m_hWndRichEdit = nullptr;
    CXTPToolTipContextToolTip::OnDestroy();
}

void CXTPToolTipContext::CRichEditToolTip::OnRequestResize(NMHDR* pNMHDR, LRESULT* pResult)
{
    const REQRESIZE* pResize = reinterpret_cast<const REQRESIZE*>(pNMHDR);
    m_szRequested = CSize(pResize->rc.right - pResize->rc.left, pResize->rc.bottom - pResize->rc.top);
    *pResult = 0;
}

CSize CXTPToolTipContext::CRichEditToolTip::RequestSize(int nWidth)
{
    m_szRequested = CSize(0, 0);
    ::SetWindowPos(m_hWndRichEdit, nullptr, 0, 0, nWidth, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(m_hWndRichEdit, EM_REQUESTRESIZE, 0, 0);
    // Some controls answer with the width their text needs rather than the
    // width they were given; the text was laid out in the width given.
    m_szRequested.cx = std::max<LONG>(m_szRequested.cx, nWidth);
    return m_szRequested;
}

void CXTPToolTipContext::CRichEditToolTip::LoadText(const CString& strText)
{
    ::SendMessageW(m_hWndRichEdit, EM_SETBKGNDCOLOR, 0, GetContext()->GetTipBkColor());
    ::SetWindowTextW(m_hWndRichEdit, L"");
    CHARFORMATW cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CHARFORMAT_MASK;
    cf.dwEffects = 0;
    cf.crTextColor = GetContext()->GetTipTextColor();
    ::SendMessageW(m_hWndRichEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    ::SendMessageW(m_hWndRichEdit, WM_SETFONT, reinterpret_cast<WPARAM>(GetNormalFont().GetSafeHandle()), FALSE);

    CStringA strRtf(strText);
    LRESULT nRead = StreamIn(m_hWndRichEdit, SF_RTF, strRtf.GetString(), strRtf.GetLength());
    if (nRead == 0)
        StreamIn(m_hWndRichEdit, SF_TEXT | SF_UNICODE, strText.GetString(),
                 static_cast<LONG>(strText.GetLength() * sizeof(WCHAR)));
}

CSize CXTPToolTipContext::CRichEditToolTip::CalcSize(CDC*)
{
    if (!m_hWndRichEdit)
        return CSize(0, 0);
    const CString& strText = GetTipText();
    LoadText(strText);
    if (strText.IsEmpty())
        return CSize(0, 0);

    // The narrowest width that keeps the height reached at full width.
    int nWidthLimit = GetContext()->GetMaxTipWidth();
    if (nWidthLimit < 0)
        nWidthLimit = ::GetSystemMetrics(SM_CXSCREEN);
    int nLow = 0, nHigh = 2 * nWidthLimit;
    int nReference = -1, nLastHeight = 0;
    while (nLow < nHigh) {
        int nMiddle = (nLow + nHigh) / 2;
        nLastHeight = RequestSize(nMiddle).cy;
        if (nReference < 0)
            nReference = nLastHeight;
        if (nLastHeight <= nReference)
            nHigh = nMiddle - 1;
        else
            nLow = nMiddle + 1;
    }
    if (nLastHeight > nReference)
        RequestSize(nHigh + 1);

    CSize szKept(m_szRequested.cx + 2, m_szRequested.cy + 2);
    ::SetWindowPos(m_hWndRichEdit, nullptr, 0, 0, szKept.cx, szKept.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const RECT& rcMargin = GetContext()->GetMargin();
    int nExtraWidth = rcMargin.left + rcMargin.right + 4 + (HasCentredOrRightAlignment(strText) ? 5 : 0);
    return CSize(szKept.cx + nExtraWidth, szKept.cy + rcMargin.top + rcMargin.bottom + 2);
}

void CXTPToolTipContext::CRichEditToolTip::DrawText(CDC* pDC, CRect rc)
{
    if (!m_hWndRichEdit)
        return;
    const RECT& rcMargin = GetContext()->GetMargin();
    CRect rcText(rc.left + rcMargin.left + 3, rc.top + rcMargin.top + 2, rc.right - 1, rc.bottom - 1);
    int nPixelsX = pDC->GetDeviceCaps(LOGPIXELSX);
    int nPixelsY = pDC->GetDeviceCaps(LOGPIXELSY);
    FORMATRANGE fr = {};
    fr.hdc = pDC->GetSafeHdc();
    fr.hdcTarget = pDC->GetSafeHdc();
    fr.rc.left = ::MulDiv(rcText.left, TWIPS_PER_INCH, nPixelsX);
    fr.rc.top = ::MulDiv(rcText.top, TWIPS_PER_INCH, nPixelsY);
    fr.rc.right = ::MulDiv(rcText.right, TWIPS_PER_INCH, nPixelsX);
    fr.rc.bottom = ::MulDiv(rcText.bottom, TWIPS_PER_INCH, nPixelsY);
    fr.rcPage = fr.rc;
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    LRESULT nNextChar = ::SendMessageW(m_hWndRichEdit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr));
    ::SendMessageW(m_hWndRichEdit, EM_FORMATRANGE, FALSE, 0);
    if (nNextChar == 0 && ::GetWindowTextLengthW(m_hWndRichEdit) > 0)
        PrintControl(pDC, rcText);
}

void CXTPToolTipContext::CRichEditToolTip::PrintControl(CDC* pDC, const CRect& rcText)
{
    // Controls that cannot print a range into a foreign DC still paint
    // their client area into one, laid out at the size CalcSize chose.
    HDC hDC = pDC->GetSafeHdc();
    int nSaved = ::SaveDC(hDC);
    ::IntersectClipRect(hDC, rcText.left, rcText.top, rcText.right, rcText.bottom);
    POINT ptOldOrigin;
    ::OffsetViewportOrgEx(hDC, rcText.left, rcText.top, &ptOldOrigin);
    ::SendMessageW(m_hWndRichEdit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
    ::RestoreDC(hDC, nSaved);
}
