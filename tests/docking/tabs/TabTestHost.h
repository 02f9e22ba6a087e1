// A window-less tab strip host for tests: lays out into a rectangle with a
// screen-compatible DC, counts repositions, redraws and selection changes,
// and can give tabs fixed lengths (user value) and square icons.
#pragma once
#include <memory>
#include "framework/gdi/CDC.h"
#include "framework/windows/CWnd.h"
#include "toolkit/tabs/appearance/XTPTabAppearanceSets.h"
#include "toolkit/tabs/XTPTabManager.h"

// Tabs whose user value is not 0 are that long, whatever their caption.
template <class BASE>
class CFixedLengthSet : public BASE
{
public:
    int GetButtonLength(CDC* pDC, CXTPTabManagerItem* pItem) override
    {
        DWORD_PTR length = pItem->GetUserValue();
        return length ? static_cast<int>(length) : BASE::GetButtonLength(pDC, pItem);
    }
};

class CTabTestHost : public CXTPTabManager
{
public:
    // A shared paint manager is held by reference; else the host makes its own.
    explicit CTabTestHost(CXTPTabPaintManager* pShared = nullptr);
    ~CTabTestHost() override;

    void Reposition() override;
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawControl() override { m_nRedraws++; }
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) override;
    void SetSelectedItem(CXTPTabManagerItem* pItem) override;

    // Tabs with these lengths (user values), captions "Tab 0", "Tab 1", ...
    void AddTabs(std::initializer_list<int> lengths);
    // Installs the PropertyPage set with user-value lengths.
    void UseFixedLengths();
    CRect ItemRect(int i) const { return GetItem(i)->GetRect(); }

    CXTPTabPaintManager* m_pPaintManager;
    CRect m_rcLayout{0, 0, 400, 200};
    CDC m_dc;
    int m_nRepositions = 0;
    int m_nRedraws = 0;
    int m_nSelectionChanges = 0;
    int m_nIconSize = 0;
};

// A real top-level window for the press, drag and button loops: captures,
// reads posted mouse messages and forwards clicks to its host.
class CTabTestWindow : public CWnd
{
public:
    explicit CTabTestWindow(CTabTestHost& host);
    ~CTabTestWindow() override;

    // Posts a mouse message at a client point.
    void Post(UINT message, CPoint pt, WPARAM wParam = 0);
    // Posts moves through the points and a release at the last.
    void PostDrag(std::initializer_list<CPoint> points);

    CTabTestHost& m_host;
};

// Removes every message waiting for this thread; answers whether WM_QUIT was among them.
BOOL DrainQueueFindQuit();
