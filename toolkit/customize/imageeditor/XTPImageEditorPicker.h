// A colour cell of the button image editor's palette: a click notifies the
// dialog (NM_CLICK with the cell's id); the selected cell is framed.
#pragma once
#include <windows.h>

#include "framework/controls/CStatic.h"

class CXTPImageEditorPicker : public CStatic
{
public:
    CXTPImageEditorPicker() = default;

    COLORREF GetColor() const { return m_clr; }
    void SetColor(COLORREF clr);
    BOOL IsSelected() const { return m_bSelected; }
    void SetSelected(BOOL bSelected);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_clr = 0;
    BOOL m_bSelected = FALSE;
};
