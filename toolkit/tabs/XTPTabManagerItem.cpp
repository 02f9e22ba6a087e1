#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabManager.h"

IMPLEMENT_DYNAMIC(CXTPTabManagerItem, CCmdTarget)

void CXTPTabManagerItem::SetCaption(LPCTSTR lpszCaption)
{
    CString strCaption(lpszCaption ? lpszCaption : L"");
    if (strCaption == m_strCaption)
        return;
    m_strCaption = strCaption;
    Reposition();
}

CString CXTPTabManagerItem::GetCaption() const
{
    return m_pTabManager ? m_pTabManager->GetItemCaption(this) : m_strCaption;
}

void CXTPTabManagerItem::SetColor(COLORREF clr)
{
    m_clrItem = clr;
    if (m_pTabManager)
        m_pTabManager->RedrawControl();
}

COLORREF CXTPTabManagerItem::GetColor() const
{
    return m_pTabManager ? m_pTabManager->GetItemColor(this) : XTPTabResolveItemColor(m_clrItem);
}

void CXTPTabManagerItem::SetImageIndex(int nImage)
{
    if (m_nImage == nImage)
        return;
    m_nImage = nImage;
    Reposition();
}

void CXTPTabManagerItem::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    Reposition();
}

void CXTPTabManagerItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    Reposition();
}

void CXTPTabManagerItem::SetClosable(BOOL bClosable)
{
    if (m_bClosable == bClosable)
        return;
    m_bClosable = bClosable;
    Reposition();
}

BOOL CXTPTabManagerItem::IsSelected() const
{
    return m_pTabManager && m_pTabManager->GetSelectedItem() == this;
}

BOOL CXTPTabManagerItem::IsHighlighted() const
{
    return m_pTabManager && m_pTabManager->GetHighlightedItem() == this;
}

BOOL CXTPTabManagerItem::IsPressed() const
{
    return m_pTabManager && m_pTabManager->GetPressedItem() == this;
}

void CXTPTabManagerItem::Reposition()
{
    if (m_pTabManager)
        m_pTabManager->Reposition();
}
