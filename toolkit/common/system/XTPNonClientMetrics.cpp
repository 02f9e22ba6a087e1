#include "toolkit/common/system/XTPNonClientMetrics.h"

#include <cstring>

CXTPNonClientMetrics::CXTPNonClientMetrics()
{
    NONCLIENTMETRICSW& metrics = *this;
    memset(&metrics, 0, sizeof(metrics));
    cbSize = sizeof(NONCLIENTMETRICSW);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICSW), &metrics, 0))
        return;

    // Callers build fonts from these records: never leave them empty.
    memset(&metrics, 0, sizeof(metrics));
    cbSize = sizeof(NONCLIENTMETRICSW);
    LOGFONTW lf = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lfCaptionFont = lfSmCaptionFont = lfMenuFont = lfStatusFont = lfMessageFont = lf;
    iBorderWidth = ::GetSystemMetrics(SM_CXBORDER);
    iScrollWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    iScrollHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    iCaptionWidth = ::GetSystemMetrics(SM_CXSIZE);
    iCaptionHeight = ::GetSystemMetrics(SM_CYSIZE);
    iSmCaptionWidth = ::GetSystemMetrics(SM_CXSMSIZE);
    iSmCaptionHeight = ::GetSystemMetrics(SM_CYSMSIZE);
    iMenuWidth = ::GetSystemMetrics(SM_CXMENUSIZE);
    iMenuHeight = ::GetSystemMetrics(SM_CYMENUSIZE);
}
