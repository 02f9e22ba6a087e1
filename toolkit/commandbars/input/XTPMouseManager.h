// Per thread: the mouse hook that closes tracked bars on clicks elsewhere,
// the tracked and trusted lists, lock counts and the emulated mouse leave.
#pragma once
#include <windows.h>
#include "framework/collections/CArray.h"
#include "framework/core/CNoTrackObject.h"
#include "framework/gdi/CPoint.h"

class CXTPCommandBar;

const UINT_PTR XTP_TID_MOUSELEAVE = 0x1BABD;

class CXTPMouseManager : public CNoTrackObject
{
public:
    class CTrackArray : public CArray<CXTPCommandBar*, CXTPCommandBar*>
    {
    public:
        int Find(const CXTPCommandBar* pBar) const;
    };
    class CTrustedArray : public CArray<HWND, HWND>
    {
    public:
        int Find(HWND hWnd) const;
    };

    CXTPMouseManager();
    ~CXTPMouseManager() override;

    void SetTrack(CXTPCommandBar* pBar);
    void RemoveTrack(CXTPCommandBar* pBar);
    void EndAllTracking();
    void LockTrackedBars(BOOL bLock);
    void CloseUnlockedBars();
    BOOL IsTrackingElsewhere(CXTPCommandBar* pBar) const;
    const CTrackArray& GetTrackArray() const { return m_arrTracked; }

    void AddTrustedWindow(HWND hWnd) { m_arrTrusted.Add(hWnd); }
    void RemoveTrustedWindow(HWND hWnd);
    BOOL IsInTrustedWindow(POINT pt) const;

    void TrackMouseLeave(HWND hWnd);
    HWND GetMouseLeaveWindow() const { return m_hwndLeave; }
    void PreviewMouseMessage(UINT nMessage, CPoint ptScreen);

    void LockMouseMove() { m_nLock++; }
    void UnlockMouseMove() { m_nLock--; }
    BOOL IsMouseLocked() const { return m_nLock > 0; }
    void SetSelected(CXTPCommandBar* pBar) { m_pSelected = pBar; }
    CXTPCommandBar* GetSelected() const { return m_pSelected; }
    void SetForceExpanded(BOOL bForce) { m_bForceExpanded = bForce; }
    BOOL IsForceExpanded() const { return m_bForceExpanded; }
    // The next left button-up is swallowed (a popup was just shown).
    void SendTrackLost() { m_bSwallowUp = TRUE; }
    void SetSwallowButtonUp(BOOL bSwallow) { m_bSwallowUp = bSwallow; }
    BOOL IsSwallowButtonUp() const { return m_bSwallowUp; }
    BOOL IsMouseHooked() const { return m_hHookMouse != nullptr; }

    static CXTPMouseManager* GetThreadManager();
    static POINT& LastMousePoint();
    // The thread's mouse hook: non-zero consumes the message.
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);

private:
    static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMessage, UINT_PTR nIDEvent, DWORD dwTime);

    int m_nLock;
    CTrackArray m_arrTracked;
    HHOOK m_hHookMouse;
    CXTPCommandBar* m_pSelected;
    HWND m_hwndLeave;
    BOOL m_bForceExpanded;
    CTrustedArray m_arrTrusted;
    BOOL m_bSwallowUp;
};

CXTPMouseManager* XTPMouseManager();
