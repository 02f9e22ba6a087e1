// The About box: a frameless window showing the program's picture at its
// own size; a click anywhere closes it.
#pragma once
#include "app/dialogs/Picture.h"
#include "framework/dialogs/CDialog.h"

class CAboutBoxDlg : public CDialog
{
public:
    explicit CAboutBoxDlg(CWnd* pParentWnd = nullptr);

    const CPicture& GetPicture() const { return m_picture; }

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CPicture m_picture;
};
