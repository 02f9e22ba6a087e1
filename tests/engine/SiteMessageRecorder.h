// A real top-level window that records the worker messages it receives,
// and pumps the test thread's messages until an expected one has come.
#pragma once

#include <windows.h>

#include <vector>

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD tick;
};

class SiteMessageRecorder
{
public:
    SiteMessageRecorder();
    ~SiteMessageRecorder();

    HWND GetHandle() const { return m_hWnd; }

    // Dispatches messages until `message` has arrived (TRUE) or the time is up.
    bool WaitFor(UINT message, DWORD timeoutMs);
    // Dispatches messages for the given time.
    void Pump(DWORD durationMs);

    const std::vector<RecordedMessage>& GetMessages() const { return m_messages; }
    int Count(UINT message) const;
    void Clear() { m_messages.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    std::vector<RecordedMessage> m_messages;
};
