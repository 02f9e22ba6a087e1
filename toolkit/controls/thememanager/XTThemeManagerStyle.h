// The base of every drawing style a theme factory hands out: it knows its
// factory and the theme id it was made for, and can paint a transparent
// control with a snapshot of its parent's pixels.
#pragma once
#include "framework/gdi/CBitmap.h"

class CDC;
class CWnd;
class CXTThemeManagerStyleFactory;

class CXTThemeManagerStyle
{
public:
    CXTThemeManagerStyle();
    virtual ~CXTThemeManagerStyle();
    CXTThemeManagerStyle(const CXTThemeManagerStyle&) = delete;
    CXTThemeManagerStyle& operator=(const CXTThemeManagerStyle&) = delete;

    // Takes the colours and metrics from the system again.
    virtual void RefreshMetrics();
    // Refreshes when the toolkit's colours changed since the last refresh:
    // a shared style hears no window of its own, and a control must draw
    // with the colours in force however long it was closed.
    void RefreshMetricsIfColoursChanged();
    // Copies the parent's pixels under the control; FALSE without a parent.
    virtual BOOL TakeSnapShot(CWnd* pWnd);
    // For a WS_EX_TRANSPARENT window: paints the parent's pixels; TRUE then.
    virtual BOOL DrawTransparent(CDC* pDC, CWnd* pWnd);

    CXTThemeManagerStyleFactory* m_pFactory = nullptr;
    // The id the factory made the style for (0 when given directly).
    int m_nThemeID = 0;

protected:
    CBitmap m_bmpSnapShot;

private:
    // The colour manager's change count at the last refresh.
    UINT m_nColourChangeCount = 0;
};
