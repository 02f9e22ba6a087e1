// Tells a handler of the report control whether the control went away
// while it ran (a notification's receiver may destroy it).
#pragma once
#include "toolkit/report/XTPReportControl.h"

class CXTPReportDestroyGuard
{
public:
    explicit CXTPReportDestroyGuard(CXTPReportControl* pControl) : m_pControl(pControl), m_pOuter(pControl->m_pbDestroyed)
    {
        pControl->m_pbDestroyed = &m_bDestroyed;
    }
    ~CXTPReportDestroyGuard()
    {
        if (!m_bDestroyed)
            m_pControl->m_pbDestroyed = m_pOuter;
        else if (m_pOuter)
            *m_pOuter = TRUE;
    }
    BOOL IsDestroyed() const { return m_bDestroyed; }

private:
    CXTPReportControl* m_pControl;
    BOOL* m_pOuter;
    BOOL m_bDestroyed = FALSE;
};

