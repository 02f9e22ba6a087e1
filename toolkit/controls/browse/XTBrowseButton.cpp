#include "toolkit/controls/browse/XTBrowseButton.h"

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CImageList.h"
#include "resources/ToolkitControlsIds.h"
#include "toolkit/common/system/XTAuxData.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/controls/browse/XTBrowseEdit.h"

namespace {

const int GLYPH_SIZE = 11;
const int GLYPH_COUNT = 8;
const int POPUP_GLYPH = 4;
const int POPUP_ICON_SIZE = 10;

} // namespace

IMPLEMENT_DYNAMIC(CXTBrowseButton, CXTButton)

BEGIN_MESSAGE_MAP(CXTBrowseButton, CXTButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_ENABLE()
END_MESSAGE_MAP()

CXTBrowseButton::CXTBrowseButton() = default;
CXTBrowseButton::~CXTBrowseButton() = default;

int CXTBrowseButton::GetButtonWidth()
{
    static const int s_nWidth = ::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    return s_nWidth;
}

BOOL CXTBrowseButton::Create(CXTBrowseEdit* pEditWnd, DWORD dwBStyle, UINT nID, UINT nMenu, int nSubMenuIndx)
{
    m_pEditWnd = pEditWnd;
    m_dwBStyle = dwBStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    if (pEditWnd->GetSafeHwnd() == nullptr)
        return FALSE;

    DWORD dwStyle = WS_CHILD | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_OWNERDRAW;
    if (pEditWnd->GetStyle() & WS_VISIBLE)
        dwStyle |= WS_VISIBLE;

    CString strCaption;
    if (dwBStyle & BES_XT_POPUPMENU)
    {
        CImageList imageList;
        CBitmap bitmap;
        if (imageList.Create(GLYPH_SIZE, GLYPH_SIZE, ILC_COLOR8 | ILC_MASK, 0, 1) &&
            XTPGetResourceManager()->LoadBitmap(&bitmap, XT_IDB_BROWSE_GLYPHS))
        {
            imageList.Add(&bitmap, RGB(255, 0, 255));
            if (imageList.GetImageCount() == GLYPH_COUNT)
            {
                m_hIcon = imageList.ExtractIcon(POPUP_GLYPH);
                if (static_cast<HICON>(m_hIcon) != nullptr)
                    dwStyle |= BS_ICON;
            }
        }
    }
    else
    {
        XTPGetResourceManager()->LoadString(&strCaption, XT_IDS_BROWSE_CAPTION);
    }

    if (!CButton::Create(strCaption, dwStyle, CRect(0, 0, 0, 0), pEditWnd->GetParent(), nID))
        return FALSE;
    if (!strCaption.IsEmpty())
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(XTPGetAuxData().font.GetSafeHandle()), TRUE);
    if (static_cast<HICON>(m_hIcon) != nullptr)
        CXTButton::SetIcon(CSize(POPUP_ICON_SIZE, POPUP_ICON_SIZE), static_cast<HICON>(m_hIcon), nullptr, TRUE);
    EnableWindow(pEditWnd->IsWindowEnabled());
    return TRUE;
}

void CXTBrowseButton::OnBrowseClicked()
{
    if (m_pEditWnd != nullptr)
        m_pEditWnd->OnBrowse();
}

BOOL CXTBrowseButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE))
    {
        OnBrowseClicked();
        return TRUE;
    }
    return CXTButton::PreTranslateMessage(pMsg);
}

void CXTBrowseButton::OnClicked()
{
    OnBrowseClicked();
}

void CXTBrowseButton::OnEnable(BOOL bEnable)
{
    CXTButton::OnEnable(bEnable);
    Invalidate();
}
