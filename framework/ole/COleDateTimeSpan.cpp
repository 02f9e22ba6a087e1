#include "framework/ole/COleDateTimeSpan.h"

#include <cmath>

namespace {
const double kSecondsPerDay = 86400.0;
}

COleDateTimeSpan::COleDateTimeSpan()
    : m_span(0.0)
    , m_status(valid)
{
}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc)
    : m_span(dblSpanSrc)
    , m_status(std::isfinite(dblSpanSrc) ? valid : invalid)
{
}

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((nHours * 60.0 + nMins) * 60.0 + nSecs) / kSecondsPerDay;
    m_status = valid;
}

long long COleDateTimeSpan::TotalWholeSeconds() const
{
    return std::llround(m_span * kSecondsPerDay);
}

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(TotalWholeSeconds() / 86400);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(TotalWholeSeconds() / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(TotalWholeSeconds() / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(TotalWholeSeconds() % 60);
}

// A result is valid only when both operands are.
COleDateTimeSpan COleDateTimeSpan::Combine(const COleDateTimeSpan& a, const COleDateTimeSpan& b, double value)
{
    COleDateTimeSpan result(value);
    if (a.m_status != valid || b.m_status != valid) {
        result.m_span = 0.0;
        result.m_status = (a.m_status == null || b.m_status == null) ? null : invalid;
    }
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const
{
    return Combine(*this, other, m_span + other.m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const
{
    return Combine(*this, other, m_span - other.m_span);
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other)
{
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other)
{
    return *this = *this - other;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    return Combine(*this, *this, -m_span);
}

COleDateTimeSpan COleDateTimeSpan::operator*(double factor) const
{
    return Combine(*this, *this, m_span * factor);
}

COleDateTimeSpan COleDateTimeSpan::operator/(double divisor) const
{
    return Combine(*this, *this, m_span / divisor);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const
{
    return m_status == other.m_status && m_span == other.m_span;
}
