// One tab of a tab strip: its caption, tooltip, colour, page window and the
// place the layout gave it. Reference counted; the manager holds one count.
#pragma once
#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CXTPTabManager;

// New tabs take these codes in turn; the manager resolves them to colours.
const COLORREF XTP_TABCOLOR_INDEXED = 0x1000000;
const int XTP_TABCOLOR_INDEXED_COUNT = 8;

class CXTPTabManagerItem : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPTabManagerItem)

public:
    CXTPTabManagerItem() = default;

    // A changed text lays the strip out again.
    void SetCaption(LPCTSTR lpszCaption);
    // The manager's caption for this tab (hosts may replace the stored one).
    CString GetCaption() const;
    void SetTooltip(LPCTSTR lpszTooltip) { m_strToolTip = lpszTooltip; }
    CString GetTooltip() const { return m_strToolTip; }

    // A colour or one of the indexed codes; the strip is redrawn.
    void SetColor(COLORREF clr);
    // The resolved colour of this tab.
    COLORREF GetColor() const;
    COLORREF GetStoredColor() const { return m_clrItem; }

    void SetHandle(HWND hWnd) { m_hWnd = hWnd; }
    HWND GetHandle() const { return m_hWnd; }
    void SetImageIndex(int nImage);
    int GetImageIndex() const { return m_nImage; }
    void SetData(void* pData) { m_pData = pData; }
    void* GetData() const { return m_pData; }
    void SetUserValue(DWORD_PTR dwValue) { m_dwUserValue = dwValue; }
    DWORD_PTR GetUserValue() const { return m_dwUserValue; }

    // Hidden tabs take no room; disabled ones take no clicks or keys.
    void SetVisible(BOOL bVisible);
    BOOL IsVisible() const { return m_bVisible; }
    void SetEnabled(BOOL bEnabled);
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetClosable(BOOL bClosable);
    BOOL IsClosable() const { return m_bClosable; }

    int GetIndex() const { return m_nIndex; }
    CRect GetRect() const { return m_rcItem; }
    int GetItemRow() const { return m_nItemRow; }
    int GetButtonLength() const { return m_nButtonLength; }
    int GetContentLength() const { return m_nContentLength; }
    CXTPTabManager* GetTabManager() const { return m_pTabManager; }

    BOOL IsSelected() const;
    BOOL IsHighlighted() const;
    BOOL IsPressed() const;

private:
    void Reposition();

public:
    // Set by the layout and the manager.
    int m_nButtonLength = 0;
    int m_nContentLength = 0;
    int m_nImage = -1;
    int m_nIndex = -1;
    BOOL m_bEnabled = TRUE;
    BOOL m_bVisible = TRUE;
    HWND m_hWnd = nullptr;
    DWORD_PTR m_dwUserValue = 0;
    void* m_pData = nullptr;
    CRect m_rcItem;
    CString m_strCaption;
    CString m_strToolTip;
    COLORREF m_clrItem = 0;
    CXTPTabManager* m_pTabManager = nullptr;
    int m_nItemRow = 0;
    BOOL m_bClosable = TRUE;
};
