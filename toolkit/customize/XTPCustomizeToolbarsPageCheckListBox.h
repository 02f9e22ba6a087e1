// The toolbars page's check list: check marks in the system's visual style
// when one is active, else from the framework's check bitmap.
#pragma once
#include "framework/controls/CCheckListBox.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"

class CXTPCustomizeToolbarsPageCheckListBox : public CCheckListBox
{
public:
    // Without a library the process's visual-styles library is used.
    explicit CXTPCustomizeToolbarsPageCheckListBox(CXTPWinThemeLibrary* pLibrary = nullptr);
    ~CXTPCustomizeToolbarsPageCheckListBox() override;

    void PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    CSize GetCheckSize() const { return CSize(m_nCheckWidth, m_nCheckHeight); }

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    BOOL DrawThemedCheck(HDC hDC, const CRect& rcCheck, int nCheck);

    CXTPWinThemeWrapper m_themeHelper;
    HBITMAP m_hBitmapCheck;
    int m_nCheckWidth;
    int m_nCheckHeight;
};
