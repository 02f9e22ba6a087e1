// Tooltips for one toolkit window (or a family of them): the owner passes
// its mouse and keyboard messages in; the context asks the owner's tool-hit
// test which tool lies under the mouse, keeps exactly that tool registered
// in a tooltip window of the chosen style, relays the mouse to it and hides
// the tip on clicks and key presses.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/core/CCmdTarget.h"
#include "framework/text/CString.h"

class CWnd;

// Tooltip window kinds.
enum XTPToolTipStyle
{
    xtpToolTipStandard = 0,
    xtpToolTipBalloon = 1,
    xtpToolTipOffice = 2,
    xtpToolTipRTF = 3,
    xtpToolTipLuna = 4,
    xtpToolTipOffice2007 = 5,
};

// Behind the last field of a 44-byte TOOLINFO when titles are shown.
struct XTP_TOOLTIP_TITLED_TEXT
{
    LPTSTR lpszDescription;
    LPTSTR lpszTitle;
};

// Tool flag: show the tip even while the application is in the background.
const UINT XTP_TTF_ALWAYS_ACTIVE = 0x40000000;

// Run-time class of a tooltip window class nested in the context (the
// framework's macro pastes the class name into identifiers).
#define XTP_IMPLEMENT_TOOLTIP_DYNAMIC(inner_name, base_class_name) \
    CRuntimeClass CXTPToolTipContext::inner_name::class##inner_name = { \
        "CXTPToolTipContext::" #inner_name, sizeof(CXTPToolTipContext::inner_name), AFX_NO_SCHEMA, nullptr, \
        RUNTIME_CLASS(base_class_name), nullptr}; \
    static const AFX_CLASSINIT afxClassInit_##inner_name(&CXTPToolTipContext::inner_name::class##inner_name); \
    CRuntimeClass* CXTPToolTipContext::inner_name::GetRuntimeClass() const \
    { \
        return &CXTPToolTipContext::inner_name::class##inner_name; \
    }

class CXTPToolTipContext : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPToolTipContext)

public:
    class CStandardToolTip;
    class CRichEditToolTip;
    class CLunaToolTip;
    class COffice2007ToolTip;

    CXTPToolTipContext();
    ~CXTPToolTipContext() override;

    // Creates the tooltip window of the current style; null on failure.
    virtual CWnd* CreateToolTip(CWnd* pParent);

    void SetStyle(int nStyle);
    int GetStyle() const { return m_nStyle; }
    void ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd);
    DWORD GetToolTipStyle() const { return m_dwToolTipStyle; }

    // Tool-hit tests then deliver a title and a description.
    void ShowTitleAndDescription(BOOL bShowTitle, int nTitleIcon = TTI_INFO);
    BOOL IsShowTitleAndDescription() const { return m_bShowTitleAndDescription; }

    void SetMaxTipWidth(int nWidth) { m_nMaxTipWidth = nWidth; }
    int GetMaxTipWidth() const { return m_nMaxTipWidth; }
    void SetMargin(const RECT& rcMargin) { m_rcMargin = rcMargin; }
    const RECT& GetMargin() const { return m_rcMargin; }
    // TTDT_INITIAL, TTDT_RESHOW or TTDT_AUTOPOP; -1 for the system default.
    void SetDelayTime(DWORD dwDuration, int nTime);
    void SetTipBkColor(COLORREF clr) { m_clrTipBack = clr; }
    void SetTipTextColor(COLORREF clr) { m_clrTipText = clr; }
    // The colours in force (the system's when none is set).
    COLORREF GetTipBkColor() const;
    COLORREF GetTipTextColor() const;

    DWORD GetComCtlVersion() const { return m_dwComCtlVersion; }
    CWnd* GetToolTip() const { return m_pToolTip; }

    // The entry point for owners.
    void FilterToolTipMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam);
    void DeactivateToolTip();

    // For tool-hit tests: fills a TOOLINFO of at least 40 bytes; the context
    // frees the text copies after use.
    static void FillInToolInfo(TOOLINFO* pTI, HWND hWnd, int nLeft, int nTop, int nRight, int nBottom, UINT nID,
                               const CString& strText, const CString& strTitle = CString(),
                               const CString& strDescription = CString());

protected:
    void FilterToolTipMessage(CWnd* pOwner, MSG* pMsg);
    void DestroyToolTip();
    BOOL EnsureToolTip(CWnd* pTopParent);
    void ConfigureNewToolTip();
    void UpdateTitle(const TOOLINFO& ti, const XTP_TOOLTIP_TITLED_TEXT& texts);
    void RelayToolTipMessage(const MSG* pMsg);
    void ActivateAndRaise();
    void HideAndForgetTool();

    BOOL m_bShowTitleAndDescription;
    int m_nStyle;
    DWORD m_dwComCtlVersion;
    int m_nTitleIcon;
    int m_nMaxTipWidth;
    DWORD m_dwToolTipStyle;
    RECT m_rcMargin;
    int m_nInitialDelay;
    int m_nReshowDelay;
    int m_nAutoPopDelay;
    CWnd* m_pToolTip;
    TOOLINFO m_lastTool;
    COLORREF m_clrTipBack;
    COLORREF m_clrTipText;
};
