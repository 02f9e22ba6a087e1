// What the tabbed MDI client asks of the frame hosting it. A frame whose
// bars lay it out implements this; other frames lay out as the framework does.
#pragma once
#include <windows.h>

class CXTPTabClientSite
{
public:
    virtual ~CXTPTabClientSite() = default;
    // Lays the frame out again at once; FALSE when the frame has nothing
    // of its own to do it with.
    virtual BOOL RecalcSiteLayout() = 0;
};
