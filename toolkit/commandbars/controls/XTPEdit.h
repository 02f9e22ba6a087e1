// The edit window of bar controls: a rich edit window in plain-text mode when
// the rich edit library loads, else a plain edit window.
#pragma once
#include "framework/controls/CEdit.h"
#include "framework/text/CString.h"

class CXTPCommandBars;

// The process-wide choice of the edit window class, made on first use; the
// library stays loaded for the life of the process.
struct XTP_RICHEDIT_LOADER
{
    HMODULE hModule;
    CString strClassName;
    BOOL bRichEdit2;
};

typedef HMODULE(WINAPI* PFNXTPLOADLIBRARY)(LPCWSTR);

const XTP_RICHEDIT_LOADER& XTPGetRichEditLoader();
// Makes the choice again with another library loader (a null loader: the
// system's); the record of an earlier choice is replaced.
void XTPResetRichEditLoader(PFNXTPLOADLIBRARY pfnLoadLibrary);

class CXTPEdit : public CEdit
{
public:
    CXTPEdit();

    // Cut, Copy and Paste in a popup bar of the manager at the screen point.
    virtual void ShowContextMenu(CPoint point);
    virtual BOOL CreateEdit(DWORD dwStyle, CWnd* pParentWnd);
    // The manager whose popup bar the context menu is; none: no menu.
    virtual CXTPCommandBars* GetCommandBars() const { return nullptr; }

    BOOL IsImeComposing() const { return m_bComposited; }
    BOOL HasSelection() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditCutCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL m_bComposited;
};
