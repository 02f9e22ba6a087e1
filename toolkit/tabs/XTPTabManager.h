// The window-less logic of one tab strip: the tabs in display order, the
// selected, highlighted and pressed tab, scrolling, the rows of a multi-row
// strip, the navigate buttons, and mouse, keyboard and tooltip behaviour.
// A host derives from it and supplies the window-bound parts.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "framework/collections/CArray.h"
#include "framework/gdi/CRect.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"
#include "toolkit/tabs/XTPTabManagerAtom.h"
#include "toolkit/tabs/XTPTabManagerItem.h"
#include "toolkit/tabs/XTPTabManagerNavigateButton.h"

class CDC;
class CXTPTabPaintManager;
class CXTPTabLoopGuard;

enum XTPTabPosition
{
    xtpTabPositionTop = 0,
    xtpTabPositionLeft = 1,
    xtpTabPositionBottom = 2,
    xtpTabPositionRight = 3,
};

class CXTPTabManager : public CXTPTabManagerAtom
{
public:
    // The rows of the last multi-row layout; row 0 lies next to the client.
    class CRowIndexer
    {
    public:
        struct ROW
        {
            int nFirstItem;
            int nLastItem;
        };

        explicit CRowIndexer(CXTPTabManager* pManager);
        ~CRowIndexer();
        CRowIndexer(const CRowIndexer&) = delete;
        CRowIndexer& operator=(const CRowIndexer&) = delete;

        // With at least one row, the first spans every item.
        ROW* SetRowCount(int nRowCount);
        int GetRowCount() const { return m_nRowCount; }
        ROW* GetRows() const { return m_pRows; }

    private:
        CXTPTabManager* m_pManager;
        ROW* m_pRows = nullptr;
        int m_nRowCount = 0;
    };

    class CNavigateButtonArrow;
    class CNavigateButtonArrowLeft;
    class CNavigateButtonArrowRight;
    class CNavigateButtonClose;

    CXTPTabManager();
    ~CXTPTabManager() override;
    CXTPTabManager(const CXTPTabManager&) = delete;
    CXTPTabManager& operator=(const CXTPTabManager&) = delete;

    virtual CString GetItemCaption(const CXTPTabManagerItem* pItem) const;
    virtual DWORD_PTR GetItemUserValue(const CXTPTabManagerItem* pItem) const;
    virtual COLORREF GetItemColor(const CXTPTabManagerItem* pItem) const;
    virtual CString GetItemTooltip(const CXTPTabManagerItem* pItem) const;
    virtual void OnItemsChanged();
    virtual void SetSelectedItem(CXTPTabManagerItem* pItem);
    virtual void SetFocusedItem(CXTPTabManagerItem* pItem);
    virtual void GetLayoutSizes(SIZE* pszFixed, SIZE* pszMin, SIZE* pszMax) const;
    virtual CXTPTabPaintManager* GetPaintManager() const = 0;
    virtual void SetPaintManager(CXTPTabPaintManager* pPaintManager);
    virtual void RedrawControl() = 0;
    virtual BOOL IsTrackDragEnabled() const { return m_bAllowReorder; }
    virtual void EnableTrackDrag(BOOL bEnable) { m_bAllowReorder = bEnable; }
    virtual BOOL IsDrawStaticFrame() const;
    // Draws (or only measures) the item's icon at the point; FALSE when it
    // has none. With no item the answer is the icon size tabs get.
    virtual BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) = 0;
    virtual int GetPosition() const;
    virtual void ScrollTabs(BOOL bForward);
    virtual BOOL IsNavigateButtonAllowed(CXTPTabManagerNavigateButton* pButton) const;
    virtual void SelectItem(CXTPTabManagerItem* pItem) { SetSelectedItem(pItem); }
    virtual BOOL CanSelectItem(CXTPTabManagerItem* /*pItem*/) const { return TRUE; }
    virtual void TrackItemDrag(HWND hWnd, CPoint point, CXTPTabManagerItem* pItem);
    virtual void OnNavigateButtonClick(int /*nId*/) {}
    virtual BOOL IsMouseLocked() const { return FALSE; }
    virtual BOOL PerformKeyDown(HWND hWnd, UINT nChar);
    virtual BOOL ShowKeyboardCues() const { return FALSE; }

    // An index below 0 or above the count appends.
    CXTPTabManagerItem* AddItem(int nItem, CXTPTabManagerItem* pItem = nullptr);
    BOOL DeleteItem(int nItem);
    void DeleteAllItems();
    void SetCurSel(int nIndex);
    int GetCurSel() const;
    CXTPTabManagerItem* GetItem(int nIndex) const;
    int GetItemCount() const { return static_cast<int>(m_arrItems.GetSize()); }
    // The item's place in the strip, -1 when it is none of its tabs.
    int IndexOfItem(const CXTPTabManagerItem* pItem) const;

    CXTPTabManagerItem* GetSelectedItem() const { return m_pSelected; }
    CXTPTabManagerItem* GetHighlightedItem() const { return m_pHighlighted; }
    CXTPTabManagerItem* GetPressedItem() const { return m_pPressed; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    BOOL IsActive() const { return m_bActive; }

    CXTPTabManagerItem* HitTest(CPoint point) const;
    CXTPTabManagerNavigateButton* FindNavigateButton(int nId) const;
    CXTPTabManagerNavigateButton* HitTestNavigateButton(CPoint point, int* pnIndex = nullptr) const;
    int GetNavigateButtonCount() const { return static_cast<int>(m_arrNavigateButtons.GetSize()); }
    CXTPTabManagerNavigateButton* GetNavigateButton(int nIndex) const { return m_arrNavigateButtons[nIndex]; }

    void EnsureVisible(CXTPTabManagerItem* pItem);
    void SetScrollOffset(int nOffset);
    int GetScrollOffset() const { return m_nHeaderOffset; }
    int GetItemsLength() const;

    BOOL PerformClick(HWND hWnd, CPoint point, BOOL bNavigateButtonsOnly = FALSE);
    void PerformMouseMove(HWND hWnd, CPoint point);
    int PerformToolHitTest(HWND hWnd, CPoint point, TOOLINFO* pTI) const;

    BOOL IsHorizontal() const;
    int GetLayout() const;

    CRect GetHeaderRect() const { return m_rcHeaderRect; }
    CRect GetControlRect() const { return m_rcControl; }
    CRect GetClientRect() const { return m_rcClient; }
    CRowIndexer* GetRowIndexer() const { return m_pRowIndexer; }

protected:
    // Press tracking of a tab when selection waits for the release.
    void TrackItemPress(HWND hWnd, CPoint point, CXTPTabManagerItem* pItem);
    BOOL IsHotTracking() const;

private:
    friend class CXTPTabLoopGuard;
    // The innermost loop of the strip's own that runs, told of its deletion.
    CXTPTabLoopGuard* m_pLoopGuard = nullptr;

public:
    CXTPTabManagerItem* m_pSelected = nullptr;
    CXTPTabManagerItem* m_pHighlighted = nullptr;
    CXTPTabManagerItem* m_pPressed = nullptr;
    int m_nHeaderOffset = 0;
    BOOL m_bAllowReorder = TRUE;
    BOOL m_bActive = TRUE;
    CSize m_szItemFixed{70, 18};
    CSize m_szItemMin{0, 0};
    CSize m_szItemMax{0, 0};
    CRect m_rcHeaderRect;
    CRect m_rcControl;
    CRect m_rcClient;
    CArray<CXTPTabManagerItem*, CXTPTabManagerItem*> m_arrItems;
    CArray<CXTPTabManagerNavigateButton*, CXTPTabManagerNavigateButton*> m_arrNavigateButtons;
    CXTPWinThemeWrapper m_themeTabs;
    CRowIndexer* m_pRowIndexer;
    int m_nScrollDelta = 20;
};

// The arrows scroll while held; the close button acts once, on release.
class CXTPTabManager::CNavigateButtonArrow : public CXTPTabManagerNavigateButton
{
public:
    CNavigateButtonArrow(CXTPTabManager* pManager, int nId, int nFlags)
        : CXTPTabManagerNavigateButton(pManager, nId, nFlags)
    {
    }
    void AdjustLength(int& nRoom) override;
    void Reposition(CRect& rcHeader) override;
};

class CXTPTabManager::CNavigateButtonArrowLeft : public CXTPTabManager::CNavigateButtonArrow
{
public:
    explicit CNavigateButtonArrowLeft(CXTPTabManager* pManager);
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bRepeat) override;
};

class CXTPTabManager::CNavigateButtonArrowRight : public CXTPTabManager::CNavigateButtonArrow
{
public:
    explicit CNavigateButtonArrowRight(CXTPTabManager* pManager);
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bRepeat) override;
};

class CXTPTabManager::CNavigateButtonClose : public CXTPTabManagerNavigateButton
{
public:
    explicit CNavigateButtonClose(CXTPTabManager* pManager);
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bRepeat) override;
};

// The fixed colours behind the indexed tab colour codes; other values
// come back unchanged.
COLORREF XTPTabResolveItemColor(COLORREF clr);
