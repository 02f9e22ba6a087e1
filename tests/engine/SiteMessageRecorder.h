// A real top-level window that records the worker messages it receives,
// and pumps the test thread's messages until an expected one has come.
#pragma once

#include "engine/Thread.h"
#include "support/TestPump.h"

#include <vector>

// Waits for the worker's end; its exit code.
inline DWORD Joined(CThread& worker)
{
    DWORD exitCode = 0;
    worker.Stop(exitCode);
    return exitCode;
}

// Sets the worker's stop event and waits for its end; the milliseconds that took.
template <class Worker> DWORD StopAndTime(Worker& worker)
{
    const DWORD start = GetTickCount();
    worker.m_eventStop.SetEvent();
    Joined(worker);
    return GetTickCount() - start;
}

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class SiteMessageRecorder
{
public:
    SiteMessageRecorder();
    ~SiteMessageRecorder();

    HWND GetHandle() const { return m_hWnd; }
    // Dispatches messages until `message` has arrived (true) or the time is up.
    bool WaitFor(UINT message, DWORD timeoutMs = testpump::kDeadline);
    // Dispatches what a worker that has ended posted.
    void Drain() { testpump::PumpUntilIdle(); }

    const std::vector<RecordedMessage>& GetMessages() const { return m_messages; }
    int Count(UINT message) const;
    void Clear() { m_messages.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    std::vector<RecordedMessage> m_messages;
};
