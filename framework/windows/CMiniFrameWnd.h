// A floating frame with a small tool-window caption. MFS_SYNCACTIVE makes
// its caption follow its owner frame's activation; MFS_BLOCKSYSMENU keeps
// the system menu from opening.
#pragma once
#include "framework/windows/CFrameWnd.h"

#define MFS_SYNCACTIVE   0x00000100L
#define MFS_4THICKFRAME  0x00000200L
#define MFS_THICKFRAME   0x00000400L
#define MFS_MOVEFRAME    0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)

public:
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;

    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    // The active look of the owner frame (synchronised floating frames).
    BOOL m_bActive = FALSE;

    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
