// Lets an action run at most once per interval: due when strictly more than
// the interval passed since the last recorded run.
#pragma once
#include <windows.h>

class CXTPRefreshThrottle
{
public:
    explicit CXTPRefreshThrottle(DWORD dwInterval);

    // Tick counts wrap around; the difference is taken modulo 2^32.
    BOOL IsDue(DWORD dwNow) const;
    void Record(DWORD dwNow);

private:
    DWORD m_dwInterval;
    DWORD m_dwLast;
    BOOL m_bRecorded;
};
