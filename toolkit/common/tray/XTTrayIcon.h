// One icon in the notification area of the taskbar, kept there: tooltip,
// icon changes, balloons, an animation through a list of icons, the tray
// menu and the default command, re-adding after the taskbar was re-created,
// and hiding a frame window in the tray.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "framework/collections/CList.h"
#include "framework/text/CString.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/images/XTIconHandle.h"

// The message the icon's window gets from the shell and forwards to its owner.
#define XTWM_TRAYICON_NOTIFY 0x273D

class CXTTrayIcon : public CWnd
{
public:
    struct TRAYICONDATA
    {
        HICON hIcon;
        CString strToolTip;
    };

    CXTTrayIcon();
    ~CXTTrayIcon() override;

    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, CWnd* pParentWnd, UINT nIconID);
    virtual BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, UINT nIconID, UINT uID, UINT uDefMenuItemID,
                        BOOL bDefMenuItemByPos);
    virtual void StopAnimation();
    virtual void StartAnimationTimer(UINT nElapse);
    // Replaces the animation frames by the icons of these resources (and
    // their tooltips); FALSE at the first icon that does not load.
    virtual BOOL SetAnimationIcons(const UINT* lpIDArray, int nIDCount, const CString* lpStrTipArray = nullptr);
    virtual BOOL SetAnimationIcons(const UINT* lpIDArray, const CString* lpStrTipArray, int nIDCount);
    // Adds the icon again after the taskbar was re-created, when it should show.
    virtual void ReinstallIcon();
    virtual BOOL HideFromTaskbar(CWnd* pWndFrame);
    virtual void RemoveAnimationIcons();
    virtual BOOL SetTooltipText(LPCTSTR lpszTipText);
    virtual BOOL SetIcon(UINT nIconID);
    virtual void HaltAnimation();
    virtual void StartAnimation(UINT nIDEvent, UINT nElapse);
    virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

    BOOL ShowBalloonTip(LPCTSTR lpszInfo, LPCTSTR lpszInfoTitle = nullptr, DWORD dwInfoFlags = NIIF_NONE,
                        UINT uTimeout = 10);
    BOOL AddIcon();
    BOOL RemoveIcon();
    void MinimizeToTray(CWnd* pWndFrame);
    void RestoreFromTray(CWnd* pWndFrame);
    void SetDefaultMenuItem(UINT uItem, BOOL bByPos);

    // The rectangle the minimize animation flies to.
    static CRect GetTrayWindowRect();

    // What the shell was (or will be) told.
    const NOTIFYICONDATAW& GetNotifyIconData() const { return m_niData; }
    CString GetTooltipText() const { return m_strToolTip; }
    BOOL IsHidden() const { return m_bHidden; }
    BOOL IsRemoved() const { return m_bRemoved; }
    BOOL IsAddPending() const { return m_bAddPending; }
    INT_PTR GetAnimationFrameCount() const { return m_arTrayIcons.GetCount(); }

protected:
    // Sends one change (NIF_ICON, NIF_TIP or NIF_INFO); while the icon is
    // hidden only the record changes.
    BOOL ModifyIcon(UINT uFlags);
    BOOL ShowIcon(HICON hIcon);
    BOOL ShowTooltip(const CString& strTip);
    static BOOL IsMinimizeAnimationOn();

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTrayIconNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    NOTIFYICONDATAW m_niData;
    UINT m_nIconID = 0;
    CXTIconHandle m_hIcon;
    CString m_strToolTip;
    int m_nMaxTipText = 64;
    UINT_PTR m_nIDEvent = 1001;
    INT_PTR m_nCounter = 0;
    UINT m_uDefMenuItemID = 0;
    BOOL m_bDefMenuItemByPos = TRUE;
    BOOL m_bHidden = TRUE;
    BOOL m_bRemoved = TRUE;
    BOOL m_bAddPending = FALSE;
    CWnd* m_pWndOwner = nullptr;
    CWnd m_wndMinimize;
    CList<TRAYICONDATA, const TRAYICONDATA&> m_arTrayIcons;
};
