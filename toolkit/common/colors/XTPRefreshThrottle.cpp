#include "toolkit/common/colors/XTPRefreshThrottle.h"

CXTPRefreshThrottle::CXTPRefreshThrottle(DWORD dwInterval)
    : m_dwInterval(dwInterval)
    , m_dwLast(0)
    , m_bRecorded(FALSE)
{
}

BOOL CXTPRefreshThrottle::IsDue(DWORD dwNow) const
{
    return !m_bRecorded || dwNow - m_dwLast > m_dwInterval;
}

void CXTPRefreshThrottle::Record(DWORD dwNow)
{
    m_dwLast = dwNow;
    m_bRecorded = TRUE;
}
