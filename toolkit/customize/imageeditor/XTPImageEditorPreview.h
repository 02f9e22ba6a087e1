// The button image editor's preview: the image at its real size on the
// dialog face, in a sunken frame.
#pragma once
#include <windows.h>

#include "framework/controls/CStatic.h"

class CXTPImageEditorDlg;

class CXTPImageEditorPreview : public CStatic
{
public:
    BOOL Create(UINT nID, CXTPImageEditorDlg* pDlg);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CXTPImageEditorDlg* m_pDlg = nullptr;
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
};
