// The system's non-client metrics (caption, menu, status and message fonts
// and sizes), read once when the object is made.
#pragma once
#include <windows.h>

class CXTPNonClientMetrics : public NONCLIENTMETRICSW
{
public:
    // Asks the system; when it cannot answer, the fonts are the stock GUI
    // font's and the sizes the system metrics of the same names.
    CXTPNonClientMetrics();
};
