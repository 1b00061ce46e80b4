#pragma once
// Every reading of the time goes through this seam, so tests and tools can
// stand the clock still or move it on while the program reads the real one.
#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time, with milliseconds.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime t);
    QDateTime now() const override;
    void set(QDateTime t);
    void advance(qint64 ms);

private:
    QDateTime m_now;
};
