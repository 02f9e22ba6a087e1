#include "toolkit/commandbars/bars/XTPChildWindowsWatch.h"

BOOL CXTPChildWindowsWatch::HasChildWindows(HWND hWnd)
{
    if (m_bKnownNone)
        return FALSE;
    // Windows may leave without a notice (moved to another parent): only
    // "none" is remembered, a bar with children looks each time.
    m_bKnownNone = hWnd && ::GetWindow(hWnd, GW_CHILD) == nullptr;
    return !m_bKnownNone;
}
