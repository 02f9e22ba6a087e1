#pragma once
// The system colours changed for a test as the control panel changes them:
// every top-level window is told. The earlier ones come back, and are told,
// when the guard goes, and the toolkit's colours are taken anew with them
// (a test without a frame has nobody else to do that).
#include <windows.h>

#include "toolkit/common/colors/XTPColorManager.h"

namespace testcolours {

// Colours no theme uses, so that each pixel tells where it came from.
const COLORREF kWindow = RGB(210, 0, 0), kFace = RGB(0, 160, 0), kLight = RGB(250, 230, 0), kShadow = RGB(0, 0, 170);

class CChangedSystemColours
{
public:
    CChangedSystemColours()
    {
        for (int i = 0; i < kCount; ++i)
            m_saved[i] = ::GetSysColor(kElements[i]);
        m_bChanged = ::SetSysColors(kCount, kElements, kChanged) != FALSE;
    }
    ~CChangedSystemColours()
    {
        if (m_bChanged)
            ::SetSysColors(kCount, kElements, m_saved);
        XTPGetColorManager()->RefreshColors();
    }
    CChangedSystemColours(const CChangedSystemColours&) = delete;
    CChangedSystemColours& operator=(const CChangedSystemColours&) = delete;

    bool IsChanged() const { return m_bChanged; }

private:
    static constexpr int kCount = 4;
    static constexpr int kElements[kCount] = {COLOR_WINDOW, COLOR_3DFACE, COLOR_3DHILIGHT, COLOR_3DSHADOW};
    static constexpr COLORREF kChanged[kCount] = {kWindow, kFace, kLight, kShadow};
    COLORREF m_saved[kCount];
    bool m_bChanged;
};

} // namespace testcolours
