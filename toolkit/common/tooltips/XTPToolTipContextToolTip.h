// The toolkit's own tooltip window: answers the tooltip messages a tooltip
// context sends (add, delete and update a tool, relay a mouse event,
// activate, set a title), decides itself when to show which tool, measures
// and draws the tip, and follows the mouse with a thread mouse hook.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/collections/CArray.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CSize.h"
#include "framework/text/CString.h"
#include "framework/windows/CWnd.h"

class CDC;
class CXTPToolTipContext;

// A child window that answers this message with 1 passes tooltips to its parent.
const UINT WM_XTP_TOOLTIP_PASS_TO_PARENT = 0x2A48;

class CXTPToolTipContextToolTip : public CWnd
{
    DECLARE_DYNAMIC(CXTPToolTipContextToolTip)

public:
    // One registered tool; an empty record has window 0 and id -1.
    struct TOOLITEM
    {
        CString strText;
        BOOL bCallbackText = FALSE;
        UINT uFlags = 0;
        RECT rect = {};
        HINSTANCE hinst = nullptr;
        HWND hwnd = nullptr;
        UINT_PTR uId = static_cast<UINT_PTR>(-1);

        BOOL IsEmpty() const { return hwnd == nullptr && uId == static_cast<UINT_PTR>(-1); }
        BOOL IsSameTool(const TOOLITEM& other) const { return hwnd == other.hwnd && uId == other.uId; }
        void Clear() { *this = TOOLITEM(); }
    };

    explicit CXTPToolTipContextToolTip(CXTPToolTipContext* pContext);
    ~CXTPToolTipContextToolTip() override;

    virtual BOOL Create(CWnd* pParent, DWORD dwStyle);

    // The window under a screen point, passed on to the parent of a child
    // that asks for it.
    static HWND WindowUnderPoint(POINT pt);

    // What the tip shows now: the tool (empty when hidden) and its text.
    const TOOLITEM& GetShownTool() const { return m_toolShown; }
    const CString& GetShownText() const { return m_strShownText; }
    const CString& GetTitle() const { return m_strTitle; }
    BOOL IsActive() const { return m_bActive; }
    INT_PTR GetToolCount() const { return m_arrTools.GetSize(); }

    // Initial delay before a tip shows; a tip changing tools within the
    // reshow window shows at once.
    enum { SHOW_TIMER_ID = 1, INITIAL_DELAY = 500, RESHOW_WINDOW = 200, CURSOR_OFFSET_Y = 21 };
    // While a tip shows, how often it looks whether the pointer went on
    // into a window its mouse hook does not see (another program's).
    enum { LEAVE_TIMER_ID = 2, LEAVE_CHECK_INTERVAL = 100 };

protected:
    virtual CSize CalcSize(CDC* pDC);
    virtual void DrawText(CDC* pDC, CRect rc);
    virtual void DrawBackground(CDC* pDC, CRect rc);
    // The clock of the show and reshow timings.
    virtual DWORD GetCurrentTick() const;

    CXTPToolTipContext* GetContext() const { return m_pContext; }
    const CString& GetTipText() const { return m_strShownText; }
    CString GetToolText(const TOOLITEM& tool) const;
    CFont& GetNormalFont() { return m_fontNormal; }

    afx_msg LRESULT OnAddTool(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDelTool(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateTipText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTitle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnActivateTip(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayEvent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnDestroy();
    // WM_FLOATSTATUS from the frame that owns the tip.
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    TOOLITEM* FindTool(HWND hWnd, UINT_PTR uId) const;
    const TOOLITEM* ToolFromCursor() const;
    void ShowTool(const TOOLITEM* pTool);
    void HideTip() { ShowTool(nullptr); }
    // A mouse move at the cursor, as if relayed: the tip hides or moves on.
    void FollowCursor();
    void KillShowTimer();
    void RemoveAllTools();
    void InstallMouseHook();
    void RemoveMouseHook();
    BOOL HasNoPrefix() const { return (GetStyle() & TTS_NOPREFIX) != 0; }

    CXTPToolTipContext* m_pContext;
    CArray<TOOLITEM*, TOOLITEM*> m_arrTools;
    BOOL m_bActive;
    TOOLITEM m_toolShown;
    TOOLITEM m_toolPressed;
    TOOLITEM m_toolPending;
    CString m_strShownText;
    CFont m_fontNormal;
    CFont m_fontBold;
    UINT_PTR m_nShowTimer;
    DWORD m_dwLastChangeTick;
    CString m_strTitle;
    HWND m_hWndNotify;
    // Quiet from the owner's loss of activation or input until the pointer
    // moves away from where it was then.
    BOOL m_bQuiet;
    POINT m_ptQuiet;

    static HHOOK s_hMouseHook;
    static CXTPToolTipContextToolTip* s_pHookOwner;
};
