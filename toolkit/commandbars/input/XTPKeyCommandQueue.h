// Per thread: commands that a key chose while the keyboard hook still held
// that key. The hook sees a key before Windows takes it from the input
// queue, so a command run there that starts a modal loop (a dialog) would
// have that loop read the same key again: Return would press the dialog's
// default button at once. Such a command waits for a posted message, which
// arrives once the key is used up.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>
#include "framework/core/CNoTrackObject.h"

class CXTPCommandBars;
class CXTPControl;

class CXTPKeyCommandQueue : public CNoTrackObject
{
public:
    CXTPKeyCommandQueue();
    ~CXTPKeyCommandQueue() override;

    // Runs the action on the control now, or, while the keyboard hook hands
    // a key to the bars, as soon as that key has left the queue. A waiting
    // control is held; it is left alone when meanwhile it left its bar.
    static void Run(CXTPControl* pControl, std::function<void(CXTPControl*)> action);

    static CXTPKeyCommandQueue* GetThreadQueue();
    // Releases, without running them, the waiting commands of the manager's
    // controls: called while the manager goes.
    static void DropWaitingOf(CXTPCommandBars* pCommandBars);

private:
    struct CWaiting
    {
        CXTPControl* pControl;
        CXTPCommandBars* pCommandBars;  // the control's when it was chosen
        std::function<void(CXTPControl*)> action;
    };
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Add(CXTPControl* pControl, std::function<void(CXTPControl*)> action);
    void RunWaiting();
    BOOL IsRunOnItsWay() const;

    HWND m_hWnd;
    std::vector<CWaiting> m_waiting;
    // A run is posted and not yet arrived.
    BOOL m_bPosted;
};
