#include "exercise/core/Countdown.h"

QDateTime countdownEndAfter(const QDateTime &end, const QDateTime &previous, const QDateTime &now)
{
    if (!previous.isValid() || now >= previous)
        return end;
    return end.addMSecs(previous.msecsTo(now));
}
