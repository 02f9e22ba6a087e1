#include "support/ThreadTimer.h"
#include "support/PendingTestItems.h"

#include <string>

namespace testtimer {

namespace {

UINT_PTR SetRecorded(UINT ms, TIMERPROC proc, const char* file, int line, unsigned long* pSerial)
{
    const UINT_PTR id = ::SetTimer(nullptr, 0, ms, proc);
    if (id != 0)
        *pSerial = testpending::Add(testpending::Kind::Timer, id,
                                    "thread timer (every " + std::to_string(ms) + " ms) set at " +
                                        testpending::Where(file, line));
    return id;
}

} // namespace

UINT_PTR Set(UINT ms, TIMERPROC proc, const char* file, int line)
{
    unsigned long serial = 0;
    return SetRecorded(ms, proc, file, line, &serial);
}

void Kill(UINT_PTR id)
{
    if (id == 0)
        return;
    ::KillTimer(nullptr, id);
    testpending::Remove(testpending::Kind::Timer, id);
}

ThreadTimer::ThreadTimer(UINT ms, TIMERPROC proc, const char* file, int line)
{
    Start(ms, proc, file, line);
}

ThreadTimer::~ThreadTimer()
{
    Kill();
}

void ThreadTimer::Start(UINT ms, TIMERPROC proc, const char* file, int line)
{
    Kill();
    m_id = SetRecorded(ms, proc, file, line, &m_serial);
}

void ThreadTimer::Kill()
{
    if (m_id != 0 && testpending::Remove(testpending::Kind::Timer, m_id, m_serial))
        ::KillTimer(nullptr, m_id);
    m_id = 0;
    m_serial = 0;
}

} // namespace testtimer
