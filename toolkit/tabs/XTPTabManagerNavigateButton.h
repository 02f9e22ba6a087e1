// A button at the far end of a tab strip (scroll back, scroll forward,
// close): where it goes, its press loop with repeat, and its glyph.
#pragma once
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CDC;
class CXTPTabManager;

enum XTPTabNavigateButton
{
    xtpTabNavigateButtonLeft = 0,
    xtpTabNavigateButtonRight = 1,
    xtpTabNavigateButtonClose = 2,
};

enum XTPTabNavigateButtonFlags
{
    xtpTabNavigateButtonNone = 0,
    xtpTabNavigateButtonAutomatic = 1,
    xtpTabNavigateButtonAlways = 2,
};

// Milliseconds as GetTickCount counts them; replaceable so that the repeat
// of a held button can be driven without waiting.
typedef DWORD (*XTP_TAB_TICK_PROC)();

class CXTPTabManagerNavigateButton
{
public:
    CXTPTabManagerNavigateButton(CXTPTabManager* pManager, int nId, int nFlags);
    virtual ~CXTPTabManagerNavigateButton() = default;
    CXTPTabManagerNavigateButton(const CXTPTabManagerNavigateButton&) = delete;
    CXTPTabManagerNavigateButton& operator=(const CXTPTabManagerNavigateButton&) = delete;

    // Takes from the room what the button always needs.
    virtual void AdjustLength(int& nRoom);
    // The press loop; returns when the button is released or the press ends.
    virtual void PerformClick(HWND hWnd, CPoint point);
    // Takes the button's place at the far end of the header rectangle.
    virtual void Reposition(CRect& rcHeader);
    virtual void DrawEntry(CDC* pDC, CRect rc) = 0;
    virtual void OnExecute(BOOL bRepeat);

    void PerformMouseMove(HWND hWnd, CPoint point);
    void Draw(CDC* pDC);

    CString GetTooltip() const { return m_strToolTip; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strToolTip = lpszTooltip; }
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHot() const { return m_bHot; }
    CRect GetRect() const { return m_rcButton; }
    int GetId() const { return m_nId; }
    int GetFlags() const { return m_dwFlags; }
    void SetFlags(int nFlags) { m_dwFlags = nFlags; }
    CSize GetSize() const { return CSize(m_nWidth, m_nHeight); }

    // Null restores GetTickCount.
    static void SetTickSource(XTP_TAB_TICK_PROC pfnTicks);

protected:
    // Shown now: always, or when needed and the manager allows it.
    BOOL IsShownByManager() const;
    void PlaceAtEnd(CRect& rcHeader);

public:
    int m_nId;
    int m_dwFlags;
    int m_nWidth = 14;
    int m_nHeight = 15;
    CXTPTabManager* m_pManager;
    CRect m_rcButton;
    BOOL m_bEnabled = TRUE;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    CString m_strToolTip;
};
