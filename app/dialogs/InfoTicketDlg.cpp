#include "app/dialogs/InfoTicketDlg.h"

#include <shellapi.h>
#include <string.h>

#include "engine/SiteHosts.h"
#include "framework/core/ModuleState.h"
#include "framework/dialogs/CDataExchange.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "resources/AppIds.h"

namespace {

const wchar_t FAQ_PATH[] = L"/06/de/tickets/faq.html";
const wchar_t RTF_RESOURCE_TYPE[] = L"RTF";
// Halving the screen's width ends long before this.
const int MAX_FIT_PROBES = 32;

struct ResourceText
{
    const BYTE* pData;
    DWORD nSize;
    DWORD nRead;
};

DWORD CALLBACK ReadResourcePiece(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG nWanted, LONG* pnRead)
{
    ResourceText* pText = reinterpret_cast<ResourceText*>(dwCookie);
    const DWORD nLeft = pText->nSize - pText->nRead;
    const DWORD nPiece = nWanted <= 0 ? 0 : (DWORD(nWanted) < nLeft ? DWORD(nWanted) : nLeft);
    memcpy(pBuffer, pText->pData + pText->nRead, nPiece);
    pText->nRead += nPiece;
    *pnRead = LONG(nPiece);
    return 0;
}

LONG ToTwips(int nPixels, int nPixelsPerInch)
{
    return ::MulDiv(nPixels, 1440, nPixelsPerInch > 0 ? nPixelsPerInch : 96);
}

} // namespace

BEGIN_MESSAGE_MAP(CInfoTicketDlg, CDialog)
    ON_NOTIFY(EN_REQUESTRESIZE, IDC_RTF_TEXT, OnRequestResize)
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_BN_CLICKED(IDC_FAQ, OnFaq)
END_MESSAGE_MAP()

CInfoTicketDlg::CInfoTicketDlg(UINT nRtfId, CWnd* pParentWnd)
    : CDialog(IDD_INFO_TICKET, pParentWnd)
    , m_nRtfId(nRtfId)
    , m_sizeRequested(0, 0)
    , m_bRichEditShown(FALSE)
{
    // The template's rich edit needs its window class.
    AfxInitRichEdit2();
}

CString CInfoTicketDlg::GetFaqAddress()
{
    return CString(L"http://") + TICKET_SITE_HOST + FAQ_PATH;
}

void CInfoTicketDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RTF_TEXT, m_wndRich);
}

BOOL CInfoTicketDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME)), TRUE);

    m_wndRich.GetWindowRect(&m_rcRich);
    ScreenToClient(&m_rcRich);
    m_wndRich.SetEventMask(m_wndRich.GetEventMask() | ENM_REQUESTRESIZE);
    StreamInText();
    TakeFaceColour();

    LayOutAround(FitText());
    CenterWindow();
    ShowRichEditWhenUnformatted();
    return TRUE;
}

void CInfoTicketDlg::StreamInText()
{
    HMODULE hModule = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(m_nRtfId), RTF_RESOURCE_TYPE);
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hModule, hResource) : nullptr;
    const BYTE* pData = hData != nullptr ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (pData == nullptr)
        return;
    ResourceText text = {pData, ::SizeofResource(hModule, hResource), 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&text), 0, &ReadResourcePiece};
    m_wndRich.StreamIn(SF_RTF, stream);
}

void CInfoTicketDlg::OnRequestResize(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const REQRESIZE* pRequest = reinterpret_cast<const REQRESIZE*>(pNotifyStruct);
    m_sizeRequested = CSize(pRequest->rc.right - pRequest->rc.left, pRequest->rc.bottom - pRequest->rc.top);
    *pResult = 0;
}

void CInfoTicketDlg::RequestSizeAtWidth(int nWidth)
{
    m_wndRich.MoveWindow(0, 0, nWidth, 1, FALSE);
    // Only the width breaks the lines; a formatting rectangle one pixel
    // high is not taken by every rich edit, the screen's height is.
    CRect rcFormat(0, 0, nWidth, ::GetSystemMetrics(SM_CYSCREEN));
    m_wndRich.SetRect(&rcFormat);
    m_wndRich.RequestResize();
}

CSize CInfoTicketDlg::FitText()
{
    m_wndRich.SetEventMask(ENM_REQUESTRESIZE);
    m_sizeRequested = CSize(0, 0);

    int nLow = 0;
    int nHigh = ::GetSystemMetrics(SM_CXSCREEN) & ~1;
    int nTargetHeight = -1;
    for (int nProbe = 0; nLow < nHigh && nProbe < MAX_FIT_PROBES; nProbe++)
    {
        const int nMid = (nLow + nHigh) / 2;
        RequestSizeAtWidth(nMid);
        if (nTargetHeight < 0)
            nTargetHeight = m_sizeRequested.cy;
        if (m_sizeRequested.cy > nTargetHeight)
            nLow = nMid + 1;
        else
            nHigh = nMid - 1;
    }
    if (nTargetHeight >= 0 && m_sizeRequested.cy > nTargetHeight)
        RequestSizeAtWidth(nHigh + 1);

    // A rich edit whose answers ignore the width asks for a sliver as high
    // as several screens: the template's size is kept instead.
    if (m_sizeRequested.cx <= 0 || m_sizeRequested.cy > ::GetSystemMetrics(SM_CYSCREEN))
        m_sizeRequested = CSize(m_rcRich.Width() - 18, m_rcRich.Height() - 6);

    const CSize sizeText(m_sizeRequested.cx + 2, m_sizeRequested.cy + 2);
    m_wndRich.MoveWindow(0, 0, sizeText.cx, sizeText.cy, FALSE);
    return sizeText;
}

void CInfoTicketDlg::LayOutAround(CSize sizeText)
{
    const CRect rcOld = m_rcRich;
    m_rcRich = CRect(rcOld.left + 8, rcOld.top + 4, rcOld.left + 8 + sizeText.cx, rcOld.top + 4 + sizeText.cy);
    m_wndRich.MoveWindow(&m_rcRich, FALSE);

    const int dx = sizeText.cx + 16 - rcOld.Width();
    const int dy = sizeText.cy + 4 - rcOld.Height();
    const int buttons[] = {IDOK, IDC_FAQ};
    for (int nID : buttons)
    {
        CWnd* pButton = GetDlgItem(nID);
        if (pButton == nullptr)
            continue;
        CRect rc;
        pButton->GetWindowRect(&rc);
        ScreenToClient(&rc);
        rc.OffsetRect(dx, dy);
        pButton->MoveWindow(&rc, FALSE);
    }
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(nullptr, 0, 0, rcWindow.Width() + dx, rcWindow.Height() + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

long CInfoTicketDlg::FormatText(HDC hDC, BOOL bDisplay)
{
    CRect rcText = m_rcRich;
    rcText.DeflateRect(1, 1);
    const int nDpiX = ::GetDeviceCaps(hDC, LOGPIXELSX);
    const int nDpiY = ::GetDeviceCaps(hDC, LOGPIXELSY);
    FORMATRANGE range = {};
    range.hdc = hDC;
    range.hdcTarget = hDC;
    range.rc.left = ToTwips(rcText.left, nDpiX);
    range.rc.right = ToTwips(rcText.right, nDpiX);
    range.rc.top = ToTwips(rcText.top, nDpiY);
    range.rc.bottom = ToTwips(rcText.bottom, nDpiY);
    range.rcPage = range.rc;
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;
    const long nFitted = m_wndRich.FormatRange(&range, bDisplay);
    m_wndRich.FormatRange(nullptr, FALSE);
    return nFitted;
}

void CInfoTicketDlg::ShowRichEditWhenUnformatted()
{
    if (m_wndRich.GetTextLength() == 0)
        return;
    {
        CClientDC dc(this);
        if (FormatText(dc.GetSafeHdc(), FALSE) > 0)
            return;
    }
    m_wndRich.ModifyStyle(WS_BORDER, 0);
    m_wndRich.ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    m_wndRich.SetWindowPos(nullptr, m_rcRich.left, m_rcRich.top, m_rcRich.Width(), m_rcRich.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CRect rcFormat(0, 0, m_rcRich.Width(), m_rcRich.Height());
    m_wndRich.SetRect(&rcFormat);
    m_wndRich.SetReadOnly(TRUE);
    m_wndRich.ShowWindow(SW_SHOWNA);
    m_bRichEditShown = TRUE;
}

void CInfoTicketDlg::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bRichEditShown)
        FormatText(dc.GetSafeHdc(), TRUE);
}

void CInfoTicketDlg::TakeFaceColour()
{
    m_wndRich.SetBackgroundColor(FALSE, ::GetSysColor(COLOR_BTNFACE));
}

void CInfoTicketDlg::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    // The text keeps the dialog's face, also one changed while it is open.
    TakeFaceColour();
    m_wndRich.Invalidate();
    Invalidate();
}

void CInfoTicketDlg::OnFaq()
{
    ::ShellExecuteW(m_hWnd, L"open", GetFaqAddress(), nullptr, nullptr, SW_SHOW);
}
