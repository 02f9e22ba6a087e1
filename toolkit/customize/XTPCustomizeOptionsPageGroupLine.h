// A static text drawn as a group heading: the text, then a line at mid
// height to the other edge.
#pragma once
#include "framework/controls/CStatic.h"
#include "toolkit/common/visualstyles/XTPWinThemeWrapper.h"

class CXTPCustomizeOptionsPageGroupLine : public CStatic
{
public:
    // Without a library the process's visual-styles library is used.
    explicit CXTPCustomizeOptionsPageGroupLine(CXTPWinThemeLibrary* pLibrary = nullptr);

    // The line in the style's border colour, else a shadow line over a
    // highlight line; the text in the style's group-box colour.
    void Draw(HDC hDC);

    // The width the text takes as drawn in the DC's font, at most the
    // measured one; the format's alignment tells which end to look at.
    static int DrawnTextWidth(HDC hDC, const CString& strText, const SIZE& szMeasured, UINT nFormat);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CXTPWinThemeWrapper m_themeHelper;
};
