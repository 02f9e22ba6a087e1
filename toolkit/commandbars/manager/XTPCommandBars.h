// The command bars manager of one frame: its bars, options, paint and image
// managers, customize mode and the popups it tracks.
#pragma once
#include "framework/collections/CArray.h"
#include "framework/core/CCmdTarget.h"
#include "framework/windows/CWnd.h"
#include "toolkit/commandbars/XTPCommandBarsDefs.h"

class CXTPCommandBar;
class CXTPCommandBarList;
struct XTP_COMMANDBARS_PROPEXCHANGE_PARAM;
class CXTPCommandBarsOptions;
class CXTPControl;
class CXTPDockBar;
class CXTPMenuBar;
class CXTPPropExchange;
class CXTPImageManager;
class CXTPMouseManager;
class CXTPPaintManager;
class CXTPShortcutManager;
class CXTPToolBar;
class CXTPToolBarInfoList;
class CXTPPopupBar;
class CXTPToolTipContext;
class CMenu;
class CXTPCustomizeDragHelper;

class CXTPCommandBars : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPCommandBars)
public:
    CXTPCommandBars();
    ~CXTPCommandBars() override;

    CXTPCommandBarsOptions* GetOptions() const { return m_pOptions; }
    CWnd* GetSite() const { return m_pFrame; }
    // Keeps the frame and whether it handles the customize command.
    void SetSite(CWnd* pFrame);

    // Own managers, else the process-wide ones. Handing the object held
    // already changes nothing.
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);

    // Bars: the toolbars and the menu bar (bar id 1), each held once.
    int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
    CXTPToolBar* GetAt(int nIndex) const;
    CXTPToolBar* FindToolBar(UINT nBarID) const;
    // Shows the bar at the index when hidden, else hides it.
    void ToggleVisible(int nIndex);
    int FindIndex(CXTPToolBar* pBar) const;
    CXTPToolBar* GetMenuBar() const;
    // Takes over the caller's reference to a bar made by the bar creation.
    void AppendBar(CXTPToolBar* pBar);
    int GetNextVisibleIndex(int nIndex, int nStep) const;
    // A toolbar the user makes: not built in, appended under the id.
    virtual CXTPToolBar* AddCustomBar(LPCTSTR lpszName, UINT nID, BOOL bTearOffBar = FALSE);
    // Hides the bar, takes it out and releases it; a bar not held: nothing.
    void Remove(CXTPToolBar* pBar);

    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    void SetCustomizeMode(BOOL bMode);
    void SetQuickCustomizeMode(BOOL bMode);
    CXTPControl* GetDragControl() const { return m_pDragSelected; }
    void SetDragControl(CXTPControl* pControl);
    // The customize selection; a change tells the customize dialog, else the site.
    void SetCustomizeSelection(CXTPControl* pControl);
    BOOL IsCustomizeAvail() const { return m_bCustomizeAvail; }
    void SetCustomizeDialog(CWnd* pDialog) { m_pCustomizeDialog = pDialog; }
    CWnd* GetCustomizeDialog() const { return m_pCustomizeDialog; }

    // Keyboard cues: always, never, or as the system says (until Alt).
    BOOL IsKeyboardCuesVisible() const { return m_bKeyboardCuesVisible || m_bCustomizeMode; }
    void ShowKeyboardCues(BOOL bShow);
    void SetKeyboardCuesShow(long nShow);
    BOOL IsKeyboardCuesOnDemand() const { return m_bKeyboardCuesOnDemand; }
    BOOL IsLayoutRTL() const;

    // Short menus: hidden commands until used.
    void HideCommand(UINT nId);
    void HideCommands(const UINT* pIds, int nCount);
    void SetCommandUsed(UINT nId);
    void ResetUsageData();
    virtual BOOL IsCommandHidden(UINT nId) const;
    virtual BOOL IsControlHidden(CXTPControl* pControl) const;
    // The resource id of the menu the menu bar shows for the active MDI
    // child: its document's template, else the child's own; the loaded
    // menu without a child; 0 outside an MDI frame.
    virtual UINT GetActiveDocTemplate() const;
    virtual void OnTrackingModeChanged(CXTPCommandBar* pBar, int bMode);

    // Runs a popup bar modally at a screen point (TPM_ flags). The chosen
    // command with TPM_RETURNCMD, else TRUE; 0 when the bar did not open.
    static int TrackPopupBar(CXTPCommandBar* pPopup, UINT nFlags, int x, int y, CWnd* pWndOwner,
                             LPCRECT lpExclude = nullptr, CXTPControl* pControl = nullptr);
    // The same for a menu, loaded into a new popup bar of the manager.
    static int TrackPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, LPCRECT lpExclude = nullptr,
                              CXTPControl* pControl = nullptr, CXTPCommandBars* pCommandBars = nullptr);

    // Ends the tracking of every bar the thread tracks.
    void ClosePopups() const;
    BOOL ActivateNextBar(CXTPToolBar* pBar, int nStep);
    // Alt+key: the control whose mnemonic the key types, across bars when
    // the options say so; -1 when none.
    int FindAccel(CXTPCommandBar* pBar, UINT nChar, BOOL& bDuplicate, CXTPCommandBar** ppFound,
                  LPARAM lKeyData = 0) const;
    // lKeyData: the key message's (a unicode key's character is there).
    BOOL OnKeyMnemonic(UINT nChar, LPARAM lKeyData = 0);
    CXTPMouseManager* GetMouseManager() const;
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    CXTPCustomizeDragHelper* GetDragHelper() const { return m_pDragHelper; }

    // Docking: the four dock bars of the site (ids 59419-59422).
    void EnableDocking();
    CXTPDockBar* GetDockBar(XTPBarPosition barPosition) const;
    BOOL DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar);
    BOOL DockCommandBar(CXTPToolBar* pBar, XTPBarPosition barPosition);
    // The bar's window becomes a pop-up of the site, off its dock bar.
    BOOL FloatCommandBar(CXTPToolBar* pBar);
    // The dock bar whose window, grown by 20 pixels, holds the screen point;
    // the preferred one first.
    CXTPDockBar* CanDock(CPoint point, CXTPDockBar* pPreferred = nullptr) const;
    // A menu bar of the menu bar class docked at the top, loaded from the
    // menu resource (none for 0) in place of the frame's own menu.
    CXTPMenuBar* SetMenu(LPCTSTR lpszName, UINT nID);
    // A toolbar of the given class (toolbar when null) docked at the side.
    CXTPToolBar* Add(LPCTSTR lpszName, XTPBarPosition barPosition, CRuntimeClass* pToolbarClass = nullptr);
    void RecalcFrameLayout(BOOL bDelay = FALSE);
    void IdleRecalcLayout();
    void RecalcAllBars();
    // The toolbars menu at the screen point (the site may change or empty
    // it, 0x285C); nothing while customizing.
    virtual void ShowToolbarsContextMenu(CPoint ptScreen, CXTPCommandBar* pBar);
    virtual CXTPPopupBar* CreateToolbarsPopup();
    // The expand popup's lists: clones of the controls of the toolbar's dock
    // row that did not fit, and one add-or-remove entry per bar of that row
    // (the toolbar alone when floating) with the customize command after.
    virtual void GetHiddenControls(CXTPToolBar* pToolBar, CXTPCommandBar* pExpandBar);
    virtual void GetAddOrRemoveControls(CXTPToolBar* pToolBar, CXTPCommandBar* pExpandBar);
    // Bands of the site's rebar (the child 59396 when it is a CXTPReBar); nothing without one.
    virtual BOOL AddToRebar(CXTPToolBar* pBar);
    virtual void RemoveFromRebar(CXTPToolBar* pBar);
    CXTPShortcutManager* GetShortcutManager() const { return m_pShortcutManager; }

    // The frame's messages: pre-translation of its input and its window
    // messages; TRUE when taken.
    BOOL PreTranslateFrameMessage(MSG* pMsg);
    BOOL OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnSetPreviewMode(BOOL bPreview);

    // The options under "<profile>-Options" of the application's key.
    void SaveOptions(LPCTSTR lpszProfileName);
    void LoadOptions(LPCTSTR lpszProfileName);
    // Both directions; the basic set is what the registry keeps.
    void DoOptionsExchange(CXTPPropExchange* pPX, BOOL bBasicOnly);

    // The layout of the bars under "<profile>-..." sections of the
    // application's key; customized controls go along when the site
    // handles the customize command (only changed bars unless told).
    void SaveBarState(LPCTSTR lpszProfileName, BOOL bOnlyCustomized = TRUE);
    // A stored state that cannot be read leaves the bars as built.
    void LoadBarState(LPCTSTR lpszProfileName, BOOL bSilent = FALSE);
    // Where customized controls too large for the registry are kept.
    CString GetControlsFileName(LPCTSTR lpszProfileName) const;
    virtual void GenerateCommandBarList(CXTPCommandBarList* pCommandBarList,
                                        XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam);
    virtual BOOL SaveCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pCommandBarList,
                                    XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam);
    virtual BOOL LoadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pCommandBarList);
    // Merges loaded bars into the manager's; asks before a changed
    // built-in bar loses its new controls, unless silent.
    virtual void RestoreCommandBarList(CXTPCommandBarList* pCommandBarList, BOOL bSilent = FALSE);

    // Set: the customized controls file, instead of one in the user's
    // application data.
    CString m_strControlsFileName;

    // The classes the manager makes its bars of: the menu bar SetMenu makes,
    // the four dock bars, and the toolbars Add (without a class of its own)
    // and AddCustomBar make.
    static CRuntimeClass* m_pMenuBarClass;
    static CRuntimeClass* m_pDockBarClass;
    static CRuntimeClass* m_pToolBarClass;

    // Movability of controls on bars that are not customizable.
    BOOL m_bCustomizeMovable;

protected:
    CXTPCustomizeDragHelper* m_pDragHelper;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPControl* m_pDragSelected;
    CWnd* m_pCustomizeDialog;
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
    BOOL m_bLockLayout = FALSE;

private:
    void ExchangeRegistryOptions(LPCTSTR lpszProfileName, BOOL bLoading);
    void SaveDockBarsState(LPCTSTR lpszProfileName) const;
    void LoadDockBarsState(LPCTSTR lpszProfileName);
    void SaveControls(LPCTSTR lpszProfileName, BOOL bOnlyCustomized);
    void LoadControls(LPCTSTR lpszProfileName, BOOL bSilent, const CXTPToolBarInfoList& state);
};
