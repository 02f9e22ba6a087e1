// An edit control with the toolkit's font, a flicker-free paint and a
// ready-made context menu (undo, cut, copy, paste, delete, select all).
#pragma once
#include "framework/controls/CEdit.h"

class CCmdUI;

class CXTEdit : public CEdit
{
    DECLARE_DYNAMIC(CXTEdit)

public:
    CXTEdit();
    ~CXTEdit() override;

    // Text is on the clipboard.
    virtual BOOL CanPaste();
    virtual BOOL HasSelection();
    // FALSE unless both windows exist; sets the toolkit's control font.
    virtual BOOL Initialize(CWnd* pParentWnd);

    CWnd* GetInitializedParent() const { return m_pParentWnd; }

protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnEditClear();
    afx_msg void OnUpdateWithSelection(CCmdUI* pCmdUI);
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParentWnd = nullptr;
};
