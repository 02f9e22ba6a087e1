#include "toolkit/controls/buttons/XTButton.h"

#include "framework/core/ModuleState.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPaintDC.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/drawing/XTPDrawHelpers.h"
#include "toolkit/common/images/XTPImageManagerIcon.h"
#include "toolkit/controls/buttons/XTButtonThemeFactory.h"
#include "toolkit/controls/buttons/XTButtonThemeOfficeXP.h"
#include "toolkit/controls/XTMemDC.h"

namespace {

const UINT_PTR HOVER_TIMER = 1;
const UINT HOVER_INTERVAL = 10;

} // namespace

IMPLEMENT_DYNAMIC(CXTButton, CButton)

BEGIN_MESSAGE_MAP(CXTButton, CButton)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTButton::CXTButton(CRuntimeClass* pFactoryClass)
    : CXTThemeManagerStyleHost(pFactoryClass != nullptr ? pFactoryClass : RUNTIME_CLASS(CXTButtonThemeFactory))
{
}

CXTButton::~CXTButton()
{
    ReleaseImages();
    delete m_pIcon;
    m_pIcon = nullptr;
    // The style host part leaves its factory after this; then the window goes.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CXTButtonTheme* CXTButton::GetTheme() const
{
    return dynamic_cast<CXTButtonTheme*>(GetSafeTheme());
}

void CXTButton::OnThemeChanged()
{
}

BOOL CXTButton::PreCreateWindow(CREATESTRUCT& cs)
{
    m_bSubclassed = false;
    return CButton::PreCreateWindow(cs);
}

void CXTButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    if (m_bSubclassed)
        MakeOwnerDraw();
}

int CXTButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    MakeOwnerDraw();
    return 0;
}

BOOL CXTButton::MakeOwnerDraw()
{
    if (m_hWnd == nullptr)
        return FALSE;
    ModifyStyle(0, BS_OWNERDRAW);
    return TRUE;
}

void CXTButton::RedrawButton(BOOL bRedraw)
{
    if (bRedraw && m_hWnd != nullptr)
        RedrawWindow();
}

BOOL CXTButton::SetIcon(CSize size, const CXTPImageManagerIconHandle& hIcon,
                        const CXTPImageManagerIconHandle& hIconHot, BOOL bRedraw)
{
    // The handles may be the button's own images: copy them before the old
    // image object goes.
    CSize sizeImage = (size.cx == 0 && size.cy == 0) ? hIcon.GetExtent() : size;
    CXTPImageManagerIcon* pIcon = new CXTPImageManagerIcon(0, sizeImage.cx, sizeImage.cy);
    pIcon->SetIcon(hIcon);
    if (!hIconHot.IsEmpty())
        pIcon->SetHotIcon(hIconHot);
    delete m_pIcon;
    m_pIcon = pIcon;
    m_sizeImage = sizeImage;
    RedrawButton(bRedraw);
    return TRUE;
}

BOOL CXTButton::SetIcon(CSize size, UINT nID, UINT nHotID, BOOL bRedraw)
{
    CXTPImageManagerIconHandle hIcon, hIconHot;
    if (!LoadIconAtSize(hIcon, nID, size))
        return FALSE;
    if (nHotID != 0)
        LoadIconAtSize(hIconHot, nHotID, size);
    return SetIcon(size, hIcon, hIconHot, bRedraw);
}

BOOL CXTButton::LoadIconAtSize(CXTPImageManagerIconHandle& hIcon, UINT nID, CSize size)
{
    // An image of exactly that size keeps its alpha channel; any other size
    // the platform scales from the group's best image (0 x 0: its own size).
    if (size.cx > 0 && size.cy > 0 && hIcon.LoadIconResource(nID, size.cx, size.cy, TRUE))
        return TRUE;
    HICON hLoaded = static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), IMAGE_ICON,
                                                    size.cx, size.cy, 0));
    if (hLoaded == nullptr)
        return FALSE;
    hIcon.AttachIcon(hLoaded);
    return TRUE;
}

BOOL CXTButton::SetIcon(CSize size, WORD wID, WORD wHotID, BOOL bRedraw)
{
    return SetIcon(size, static_cast<UINT>(wID), static_cast<UINT>(wHotID), bRedraw);
}

BOOL CXTButton::SetIcon(CSize size, HICON hIcon, HICON hIconHot, BOOL bRedraw)
{
    return SetIcon(size, CXTPImageManagerIconHandle(hIcon), CXTPImageManagerIconHandle(hIconHot), bRedraw);
}

BOOL CXTButton::SetBitmap(CSize size, UINT nID, BOOL bRedraw)
{
    delete m_pIcon;
    m_pIcon = nullptr;
    m_sizeImage = CSize(0, 0);

    HMODULE hModule = AfxGetResourceHandle();
    CXTPImageManagerIconHandle hImage;
    HBITMAP hAlpha = XTPLoadAlphaBitmapResource(hModule, MAKEINTRESOURCEW(nID));
    if (hAlpha != nullptr)
    {
        hImage.AttachBitmap(hAlpha);
    }
    else
    {
        HBITMAP hBitmap = ::LoadBitmapW(hModule, MAKEINTRESOURCEW(nID));
        if (hBitmap == nullptr)
        {
            RedrawButton(bRedraw);
            return FALSE;
        }
        HICON hIcon = XTPBitmapToIcon(hBitmap);
        ::DeleteObject(hBitmap);
        if (hIcon == nullptr)
        {
            RedrawButton(bRedraw);
            return FALSE;
        }
        hImage.AttachIcon(hIcon);
    }
    return SetIcon(size, hImage, CXTPImageManagerIconHandle(), bRedraw);
}

BOOL CXTButton::SetImageAndTextPos(int xImage, int yImage, int xText, int yText, BOOL bRedraw)
{
    m_ptImage = CPoint(xImage, yImage);
    m_ptText = CPoint(xText, yText);
    m_bUserPosition = TRUE;
    RedrawButton(bRedraw);
    return TRUE;
}

DWORD CXTButton::SetXButtonStyle(DWORD dwxStyle, BOOL bRedraw)
{
    DWORD dwOld = m_dwxStyle;
    m_dwxStyle = dwxStyle;
    if (dwxStyle & BS_XT_XPFLAT)
        SetTheme(new CXTButtonThemeOfficeXP(FALSE));
    else if (dwxStyle & BS_XT_FLAT)
        SetTheme(new CXTButtonTheme);
    else
        SetTheme(nullptr);
    RedrawButton(bRedraw);
    return dwOld;
}

DWORD CXTButton::GetXButtonStyle() const
{
    return m_dwxStyle;
}

BOOL CXTButton::HasTheme() const
{
    return GetTheme() != nullptr;
}

void CXTButton::SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetColors(clrFace, clrLight, clrShadow, clrText);
}

void CXTButton::SetBackColor(COLORREF clrFace)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetBackColor(clrFace);
}

COLORREF CXTButton::GetBackColor() const
{
    CXTButtonTheme* pTheme = GetTheme();
    return pTheme != nullptr ? pTheme->GetBackColor() : XTPGetColorManager()->GetColor(COLOR_3DFACE);
}

void CXTButton::SetHiliteColor(COLORREF clrLight)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetHiliteColor(clrLight);
}

void CXTButton::SetShadowColor(COLORREF clrShadow)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetShadowColor(clrShadow);
}

void CXTButton::SetTextColor(COLORREF clrText)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetTextColor(clrText);
}

void CXTButton::SetThemeColors(COLORREF clrBorder, COLORREF clrHotFill, COLORREF clrPressedFill)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme == nullptr || pTheme->m_nThemeID != 1)
        return;
    CXTButtonThemeOfficeXP* pThemeXP = dynamic_cast<CXTButtonThemeOfficeXP*>(pTheme);
    if (pThemeXP == nullptr)
        return;
    pThemeXP->SetHiliteColor(clrBorder);
    pThemeXP->SetShadowColor(clrBorder);
    pThemeXP->SetHotFillColor(clrHotFill);
    pThemeXP->SetPressedFillColor(clrPressedFill);
}

void CXTButton::ToggleThemeOption()
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->SetOption(!pTheme->IsOptionSet());
    RedrawButton(TRUE);
}

CFont* CXTButton::SetFont(CFont* pFont)
{
    CFont* pOld = CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->GetSafeHandle() : nullptr), TRUE);
    return pOld;
}

void CXTButton::ReleaseImages()
{
    if (m_pIcon != nullptr)
        m_pIcon->Refresh();
}

CString CXTButton::GetButtonText(BOOL bRemoveAmpersand) const
{
    CString strText;
    if (m_hWnd != nullptr)
        GetWindowText(strText);
    if (!bRemoveAmpersand)
        return strText;
    CString strResult;
    for (int i = 0; i < strText.GetLength(); i++)
    {
        if (strText[i] == L'&')
        {
            // A doubled ampersand stays as it is.
            if (i + 1 < strText.GetLength() && strText[i + 1] == L'&')
            {
                strResult += L"&&";
                i++;
            }
            continue;
        }
        strResult += strText[i];
    }
    return strResult;
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->DrawItem(lpDIS, this);
}

void CXTButton::CheckHover()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CXTButtonTheme* pTheme = GetTheme();

    if (!m_bPressed && rcWindow.PtInRect(pt))
    {
        if (pTheme != nullptr && pTheme->IsThemedOrFlat(this) && !m_bHotDrawn)
        {
            m_bHot = TRUE;
            m_bHotDrawn = TRUE;
            RedrawButton(TRUE);
        }
        return;
    }
    KillTimer(HOVER_TIMER);
    m_bHot = FALSE;
    if (m_bHotDrawn)
    {
        m_bHotDrawn = FALSE;
        RedrawButton(TRUE);
    }
}

void CXTButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CXTButtonTheme* pTheme = GetTheme();
    if (pTheme != nullptr && pTheme->IsThemedOrFlat(this))
    {
        SetTimer(HOVER_TIMER, HOVER_INTERVAL);
        CheckHover();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CXTButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == HOVER_TIMER)
    {
        CheckHover();
        return;
    }
    CButton::OnTimer(nIDEvent);
}

void CXTButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bPressed)
    {
        m_bPressed = TRUE;
        RedrawButton(TRUE);
    }
    CButton::OnLButtonDown(nFlags, point);
}

void CXTButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bPressed)
    {
        m_bPressed = FALSE;
        RedrawButton(TRUE);
    }
    CButton::OnLButtonUp(nFlags, point);
}

void CXTButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The second click of a double click counts as a press of its own.
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(pt.x, pt.y));
    CButton::OnLButtonDblClk(nFlags, point);
}

BOOL CXTButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTMemDC memDC(&dc, rcClient, CXTMemDC::FaceBackground());
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

UINT CXTButton::OnGetDlgCode()
{
    return ::GetFocus() == m_hWnd ? (DLGC_BUTTON | DLGC_DEFPUSHBUTTON) : DLGC_BUTTON;
}

LRESULT CXTButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    // The dialog manager moves the default state with this message; the
    // button must stay owner-drawn through it.
    DWORD dwOld = GetStyle();
    DWORD dwNew = dwOld | static_cast<DWORD>(wParam & 0xFFFF) | BS_OWNERDRAW;
    if (dwNew != dwOld)
    {
        ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(dwNew));
        if (lParam)
            RedrawButton(TRUE);
    }
    return 0;
}

void CXTButton::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    XTPGetColorManager()->RefreshColors();
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
    CButton::OnSettingChange(uFlags, lpszSection);
}

void CXTButton::OnSysColorChange()
{
    XTPGetColorManager()->RefreshColors();
    if (CXTButtonTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
    CButton::OnSysColorChange();
}

void CXTButton::OnDestroy()
{
    KillTimer(HOVER_TIMER);
    CButton::OnDestroy();
}
