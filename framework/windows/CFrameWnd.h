// A top-level frame: hosts control bars and one view, lays them out with
// WM_SIZEPARENT, routes commands view -> frame -> application, translates
// its accelerators and shows prompts in its status bar's message pane.
#pragma once
#include <vector>

#include "framework/windows/CCreateContext.h"
#include "framework/windows/CWnd.h"
#include "resources/FrameworkIds.h"

class CControlBar;
class CView;
struct CPrintPreviewState;

// Frame styles (class-specific bits of the window style).
#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

// The style of a view created by its frame.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    // Lets the system choose position and size.
    static const CRect rectDefault;

    CFrameWnd();
    ~CFrameWnd() override;

    // Accelerators translated by PreTranslateMessage (null: none).
    HACCEL m_hAccelTable = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;
    // Menu items without update handler are enabled by their command handler.
    BOOL m_bAutoMenuEnable = TRUE;
    // Extra room around the view (reposExtra of RepositionBars).
    CRect m_rectBorder;
    // Context help mode (Shift+F1): HELP_ACTIVE while the user picks
    // something to get help on.
    enum { HELP_INACTIVE = 0, HELP_ACTIVE = 1, HELP_ENTERING = -1 };
    int m_bHelpMode = HELP_INACTIVE;
    // The menu the frame was created with.
    HMENU m_hMenuDefault = nullptr;
    // A menu of someone else's that OnUpdateFrameMenu put in.
    HMENU m_hMenuAlt = nullptr;

    // Puts hMenuAlt into the frame's menu bar, or the frame's own menu
    // when it is null.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    // While a modal dialog runs: the frame and the framework windows it owns
    // (floating bars and panes) take no input; topmost ones (alert popups)
    // keep it. Nested calls count; the last EndModalState enables again what
    // BeginModalState disabled. A top-level frame disabled by a dialog or
    // box it owns enters this state itself.
    void BeginModalState();
    void EndModalState();
    BOOL InModalState() const { return m_nModalStack > 0; }

    // Creates the frame from the resources of one id: title string (up to
    // the first '\n'), icon, menu and accelerators.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    // Lays the bars and the view out now: every child with a control id
    // takes its share in WM_SIZEPARENT, the view (AFX_IDW_PANE_FIRST) the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Asks for RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCTSTR lpszTitle);
    CString GetTitle() const;

    CView* GetActiveView() const;
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CFrameWnd* GetActiveFrame();
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Sends WM_FLOATSTATUS(dwFlags) to the popups this frame owns, directly
    // or through the popups it owns.
    void NotifyFloatingWindows(DWORD dwFlags);
    // A synchronised floating window of the frame took the activation from,
    // or lost it to, a window outside the frame's group: the frame's caption
    // shows the group's state with it.
    void SetStayActive(BOOL bStayActive);
    virtual HACCEL GetDefaultAccelerator();
    // The prompt of a command: its string resource up to the first '\n'.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The status bar (child AFX_IDW_STATUS_BAR), or null.
    virtual CWnd* GetMessageBar();
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Print preview is not supported; hosts of command bars hook in here.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags = 0;
    UINT m_nIDTracking = 0;
    UINT m_nIDLastMessage = 0;

protected:
    CView* m_pViewActive = nullptr;
    int m_nModalStack = 0;
    std::vector<HWND> m_disabledForModal;
    // The modal state was entered because the frame was disabled.
    BOOL m_bModalByDisable = FALSE;
    BOOL m_bInRecalcLayout = FALSE;
    // The caption stays active while a synchronised floating window is.
    BOOL m_bStayActive = FALSE;

    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    // Destroys the frame; frames with a life of their own (a floating
    // frame that belongs to a layout, say) override it.
    afx_msg virtual void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The CAP/NUM/SCRL indicators: enabled while the key's toggle is on.
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
