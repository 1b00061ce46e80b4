#include "clock/core/Clock.h"

#include <utility>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

FixedClock::FixedClock(QDateTime t)
    : m_now(std::move(t))
{
}

QDateTime FixedClock::now() const
{
    return m_now;
}

void FixedClock::set(QDateTime t)
{
    m_now = std::move(t);
}

void FixedClock::advance(qint64 ms)
{
    m_now = m_now.addMSecs(ms);
}
