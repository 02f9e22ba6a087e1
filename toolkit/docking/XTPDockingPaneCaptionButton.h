// A button in a docking caption (close, auto-hide pin, maximise, restore,
// menu): its place, its owner node and its hot, pressed and state bits.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/gdi/CRect.h"
#include "framework/text/CString.h"

class CXTPDockingPaneBase;

// State bits of a caption button.
enum XTPDockingPaneCaptionButtonState
{
    xtpPaneCaptionButtonPinned = 2,
};

class CXTPDockingPaneCaptionButton
{
public:
    CXTPDockingPaneCaptionButton(int nId, CXTPDockingPaneBase* pOwner);

    int GetId() const { return m_nId; }
    CRect GetRect() const { return m_rcButton; }
    void SetRect(const CRect& rc) { m_rcButton = rc; }
    CXTPDockingPaneBase* GetOwner() const { return m_pOwner; }
    BOOL IsHot() const { return m_bHot; }
    BOOL IsPressed() const { return m_bPressed; }
    void SetHot(BOOL bHot) { m_bHot = bHot; }
    void SetPressed(BOOL bPressed) { m_bPressed = bPressed; }
    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD dwState) { m_dwState = dwState; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    // The string of the button's id.
    CString GetTooltip() const;
    // Holds the button pressed while the left button is down on hWnd
    // (captured), hot and pressed only while the pointer is over it, and
    // answers whether it was released over it. Esc, the right button,
    // cancel mode or a lost capture end it unclicked. bNonClient: the button
    // lies in hWnd's own caption, in window coordinates.
    BOOL Track(HWND hWnd, BOOL bNonClient = FALSE);

private:
    int m_nId;
    CRect m_rcButton;
    CXTPDockingPaneBase* m_pOwner;
    BOOL m_bHot = FALSE;
    BOOL m_bPressed = FALSE;
    DWORD m_dwState = 0;
    BOOL m_bVisible = TRUE;
};

typedef CArray<CXTPDockingPaneCaptionButton*, CXTPDockingPaneCaptionButton*> CXTPDockingPaneCaptionButtons;
