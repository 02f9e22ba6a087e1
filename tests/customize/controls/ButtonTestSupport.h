// A themed button the tests can put into the hot and checked states that
// only the mouse (or no operation at all) reaches otherwise.
#pragma once
#include "customize/controls/ControlsTestSupport.h"
#include "framework/gdi/CRect.h"
#include "toolkit/controls/buttons/XTButton.h"

#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "{" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << "}";
}

namespace ctltest {

class CProbeButton : public CXTButton
{
public:
    void SetLook(BOOL bHot, BOOL bChecked)
    {
        m_bHot = m_bHotDrawn = bHot;
        m_bChecked = bChecked;
    }
};

// Button states as a test draws them.
enum class Look
{
    normal,
    hot,
    pressed,
    checked,
    checkedHot,
    disabled,
};

// Puts the button into the state and captures its face.
testshot::Image Capture(CProbeButton& button, Look look, const wchar_t* lpszShot = nullptr);

// The colour manager's colour of an index.
COLORREF Colour(int nIndex);

// Pixels of the image that look like the test icon's blue box.
CRect BlueBox(const testshot::Image& image);
// The bounding box of pixels of exactly the colour (within the area when
// one is given).
CRect BoxOf(const testshot::Image& image, COLORREF colour, CRect within = CRect(0, 0, 0, 0));

} // namespace ctltest
