// An owner window for popup tests: records every popup notification with
// the popup's state at that moment, and can delete the popup from inside
// a chosen notification.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/windows/CWnd.h"
#include "toolkit/common/popup/XTPPopupControl.h"

namespace popuptest {

struct Event
{
    WPARAM code;
    LPARAM data;
    int state; // the popup's state when the event arrived (-1 after deletion)
};

class COwner : public CWnd
{
public:
    std::vector<Event> events;
    // The popup to delete when a notification with this code (and, for
    // state changes, this state) arrives; null: never.
    CXTPPopupControl* pDeleteOn = nullptr;
    WPARAM deleteCode = XTP_PCN_STATECHANGED;
    int deleteState = xtpPopupStateClosed;
    bool deleted = false;

    BOOL CreateOwner();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::vector<int> States() const;
};

// Sends n timer messages with this id; stops early when the window went.
int Tick(HWND hWnd, UINT_PTR nID, int nMax);
// Puts the cursor away from where popups appear.
void ParkCursor();

} // namespace popuptest
