// What the command bars ask of the customize dialog running over them: the
// dialog itself lives a floor above and is reached through this interface.
#pragma once
#include "framework/gdi/CPoint.h"

class CXTPCustomizeDialogBase
{
public:
    virtual ~CXTPCustomizeDialogBase() = default;
    // The context menu of the customize selection, tracked at the point.
    virtual void ShowContextMenu(CPoint ptScreen) = 0;
};
