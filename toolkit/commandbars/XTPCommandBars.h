// The command bars manager of one frame: its bars, options, paint and image
// managers, customize mode and the popups it tracks.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/windows/CWnd.h"

class CXTPCommandBar;
class CXTPCommandBarsOptions;
class CXTPControl;
class CXTPDockBar;
class CXTPImageManager;
class CXTPMouseManager;
class CXTPPaintManager;
class CXTPShortcutManager;
class CXTPToolBar;
class CXTPToolTipContext;
class CXTPCustomizeDragHelper;

class CXTPCommandBars : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPCommandBars)
public:
    CXTPCommandBars();
    ~CXTPCommandBars() override;

    CXTPCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
    CWnd* GetSite() const { return m_pFrame; }
    void SetSite(CWnd* pFrame) { m_pFrame = pFrame; }

    // Own managers, else the process-wide ones. Handing the object held
    // already changes nothing.
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);

    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    void SetCustomizeMode(BOOL bMode) { m_bCustomizeMode = bMode; }
    CXTPControl* GetDragControl() const { return m_pDragSelected; }
    void SetDragControl(CXTPControl* pControl);
    BOOL IsKeyboardCuesVisible() const { return m_bKeyboardCuesVisible; }
    void ShowKeyboardCues(BOOL bShow) { m_bKeyboardCuesVisible = bShow; }
    BOOL IsLayoutRTL() const { return m_bRightToLeft; }

    // TRUE when the command is hidden in shortened menus.
    BOOL IsControlHidden(CXTPControl* pControl) const;
    void SetCommandUsed(UINT nId);
    // Ends the tracking of every bar that tracks a popup.
    void ClosePopups() const;
    CXTPMouseManager* GetMouseManager() const;
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }

    // Movability of controls on bars that are not customizable.
    BOOL m_bCustomizeMovable;

protected:
    CXTPCustomizeDragHelper* m_pDragHelper;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPControl* m_pDragSelected;
    BOOL m_bCustomizeMode;
    BOOL m_bCustomizeAvail;
    UINT m_nIDMenu;
    BOOL m_bQuickCustomizeMode;
    CXTPCommandBarsOptions* m_pOptions;
    CArray<CXTPToolBar*, CXTPToolBar*> m_arrBars;
    CXTPDockBar* m_pDocks[4];
    CWnd* m_pFrame;
    CXTPToolTipContext* m_pToolTipContext;
    mutable CXTPMouseManager* m_pMouseManager;
    BOOL m_bKeyboardCuesVisible;
    CXTPShortcutManager* m_pShortcutManager;
    BOOL m_bRecalcLayout;
    BOOL m_bKeyboardCuesOnDemand;
    BOOL m_bRightToLeft;
    BOOL m_bIgnoreShiftMenuKey;
};
