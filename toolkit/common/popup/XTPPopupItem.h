// One area of the popup notification window: text, hyperlink, icon or
// button at a fixed rectangle in the popup's client coordinates.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CDC;
class CXTPPopupControl;

// Which icon image an item's SetIcon stores.
enum XTPPopupItemIcon
{
    xtpPopupItemIconNormal = 1,
    xtpPopupItemIconSelected = 2,
    xtpPopupItemIconPressed = 4,
};

class CXTPPopupItem : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPPopupItem)

public:
    CXTPPopupItem();
    CXTPPopupItem(LPCRECT rcItem, LPCTSTR lpszCaption = nullptr, COLORREF clrBackground = (COLORREF)-1,
                  COLORREF clrBorder = (COLORREF)-1);
    ~CXTPPopupItem() override;

    // Has the owner's paint manager draw the item.
    virtual void Draw(CDC* pDC);
    // The item's own font when it has one, else the paint manager's.
    virtual CFont* GetTextFont();
    // Called right after the item was added to a popup.
    virtual void OnItemInserted();

    CXTPPopupControl* GetPopupControl() const { return m_pControl; }
    int GetIndex() const { return m_nIndex; }
    CRect GetRect() const { return m_rcItem; }
    void SetRect(const CRect& rc) { m_rcItem = rc; }
    int GetID() const { return m_nID; }
    void SetID(int nID) { m_nID = nID; }
    BOOL IsButton() const { return m_bButton; }
    void SetButton(BOOL bButton) { m_bButton = bButton; }
    BOOL IsHyperLink() const { return m_bHyperLink; }
    void SetHyperLink(BOOL bHyperLink) { m_bHyperLink = bHyperLink; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    UINT GetTextFormat() const { return m_nFormat; }
    void SetTextAlignment(UINT nFormat) { m_nFormat = nFormat; }
    BOOL IsBold() const { return m_bBold; }
    void SetBold(BOOL bBold) { m_bBold = bBold; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    CPoint GetIconOffset() const { return m_ptIconOffset; }
    void SetIconOffset(CPoint pt) { m_ptIconOffset = pt; }
    int GetIconIndex() const { return m_nIconIndex; }
    void SetIconIndex(int nIconIndex) { m_nIconIndex = nIconIndex; }
    // The id of the item's icons in the popup's image manager.
    int GetIconId() const { return m_nIconIndex != -1 ? m_nIconIndex : m_nIndex; }
    // The item gets a font of its own (a copy of this one).
    void SetTextFont(CFont* pFont);

    // Stores an icon in the popup's image manager at the icon's own width:
    // xtpPopupItemIconNormal as the normal image, xtpPopupItemIconSelected
    // as the hot one, anything else as the checked one. FALSE before the
    // item belongs to a popup.
    BOOL SetIcon(HICON hIcon, int nState = xtpPopupItemIconNormal);

    BOOL IsHot() const;
    BOOL IsPressed() const;
    void RedrawControl();

private:
    friend class CXTPPopupControl;

    BOOL m_bButton = FALSE;
    int m_nID = 0;
    CRect m_rcItem;
    CXTPPopupControl* m_pControl = nullptr;
    CFont m_fntItem;
    BOOL m_bHyperLink = TRUE;
    CString m_strCaption;
    UINT m_nFormat = 0;
    BOOL m_bBold = FALSE;
    COLORREF m_clrText = (COLORREF)-1;
    COLORREF m_clrBackground = (COLORREF)-1;
    COLORREF m_clrBorder = (COLORREF)-1;
    CPoint m_ptIconOffset;
    int m_nIndex = 0;
    int m_nIconIndex = -1;
};
