#include "toolkit/common/popup/XTPPopupItem.h"

#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/popup/XTPPopupControl.h"
#include "toolkit/common/popup/XTPPopupPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPPopupItem, CCmdTarget)

CXTPPopupItem::CXTPPopupItem()
    : m_rcItem(0, 0, 0, 0)
{
}

CXTPPopupItem::CXTPPopupItem(LPCRECT rcItem, LPCTSTR lpszCaption, COLORREF clrBackground, COLORREF clrBorder)
    : m_rcItem(rcItem != nullptr ? CRect(*rcItem) : CRect(0, 0, 0, 0))
    , m_strCaption(lpszCaption != nullptr ? lpszCaption : L"")
    , m_clrBackground(clrBackground)
    , m_clrBorder(clrBorder)
{
}

CXTPPopupItem::~CXTPPopupItem() = default;

void CXTPPopupItem::Draw(CDC* pDC)
{
    if (m_pControl != nullptr)
        m_pControl->GetPaintManager()->DrawItem(pDC, this);
}

CFont* CXTPPopupItem::GetTextFont()
{
    if (m_fntItem.GetSafeHandle() != nullptr || m_pControl == nullptr)
        return &m_fntItem;
    return &m_pControl->GetPaintManager()->m_fntText;
}

void CXTPPopupItem::OnItemInserted()
{
}

void CXTPPopupItem::SetTextFont(CFont* pFont)
{
    // Read the font before deleting ours: it may be the item's own.
    LOGFONT lf = {};
    BOOL bHasFont = pFont != nullptr && pFont->GetLogFont(&lf) != 0;
    m_fntItem.DeleteObject();
    if (bHasFont)
        m_fntItem.CreateFontIndirect(&lf);
}

BOOL CXTPPopupItem::SetIcon(HICON hIcon, int nState)
{
    if (m_pControl == nullptr || hIcon == nullptr)
        return FALSE;
    int nImageState = nState == xtpPopupItemIconNormal     ? xtpImageNormal
                      : nState == xtpPopupItemIconSelected ? xtpImageHot
                                                           : xtpImageChecked;
    return m_pControl->GetImageManager()->SetIcon(hIcon, static_cast<UINT>(GetIconId()), CSize(0, 0), nImageState);
}

BOOL CXTPPopupItem::IsHot() const
{
    return m_pControl != nullptr && m_pControl->GetHotItem() == this;
}

BOOL CXTPPopupItem::IsPressed() const
{
    return m_pControl != nullptr && m_pControl->GetPressedItem() == this;
}

void CXTPPopupItem::RedrawControl()
{
    if (m_pControl != nullptr)
        m_pControl->RedrawControl();
}
