// Owns one event handle of an HTTP request and closes it at scope end.
#pragma once
#include <windows.h>

class CHttpEventHolder
{
public:
    // An auto-reset, unsignalled, unnamed event.
    CHttpEventHolder() : m_hEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~CHttpEventHolder()
    {
        if (m_hEvent != nullptr)
            CloseHandle(m_hEvent);
    }
    CHttpEventHolder(const CHttpEventHolder&) = delete;
    CHttpEventHolder& operator=(const CHttpEventHolder&) = delete;

    operator HANDLE() const { return m_hEvent; }

private:
    HANDLE m_hEvent;
};
