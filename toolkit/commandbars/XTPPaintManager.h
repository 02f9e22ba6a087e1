// The command bars' paint manager: the process-wide current one decides the
// theme that toolkit controls drawn in command-bar colours follow.
#pragma once
#include "framework/core/CCmdTarget.h"

class CXTPPaintManager : public CCmdTarget
{
public:
    CXTPPaintManager();
    ~CXTPPaintManager() override;

    // Makes the paint manager of the theme number (1 Office, 2 Office2003,
    // 3 NativeXP, 4 Whidbey, 5 Office2007, any other the default theme) the
    // current one and records the number.
    static void SetTheme(int nTheme);

    // 0 default, 1 Office, 2 Office2003, 3 NativeXP, 4 Whidbey, 5 Office2007.
    virtual int GetCurrentTheme() { return m_themeCurrent; }

protected:
    int m_themeCurrent;
};

// The current paint manager, or null before the first SetTheme.
CXTPPaintManager* XTPPaintManager();
