#pragma once
// The system's menu font made `height` tall for a test, the earlier metrics
// set again when the guard goes, and the toolkit's fonts taken anew with
// them (a test without a frame has nobody else to do that). With
// `bTellEveryWindow` the change is stored and every window told, as the
// control panel does; without, the test tells the windows it means.
#include <windows.h>

#include "toolkit/commandbars/themes/XTPPaintManager.h"

namespace testmetrics {

class CChangedMenuFont
{
public:
    CChangedMenuFont(LONG height, bool bTellEveryWindow)
        : m_fWinIni(bTellEveryWindow ? SPIF_UPDATEINIFILE | SPIF_SENDCHANGE : 0)
    {
        m_old.cbSize = sizeof(m_old);
        m_bChanged = ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m_old), &m_old, 0);
        NONCLIENTMETRICSW metrics = m_old;
        metrics.lfMenuFont.lfHeight = height;
        m_bChanged =
            m_bChanged && ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, m_fWinIni);
    }
    ~CChangedMenuFont()
    {
        if (m_bChanged)
            ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(m_old), &m_old, m_fWinIni);
        XTPPaintManager()->RefreshMetrics();
    }
    CChangedMenuFont(const CChangedMenuFont&) = delete;
    CChangedMenuFont& operator=(const CChangedMenuFont&) = delete;
    bool Changed() const { return m_bChanged != FALSE; }

private:
    UINT m_fWinIni;
    NONCLIENTMETRICSW m_old = {};
    BOOL m_bChanged = FALSE;
};

} // namespace testmetrics
