#pragma once
// The countdown of a timed exercise ends at a moment on the computer's clock, so a run that
// passes midnight, or a computer that slept, still ends at its end time.
#include <QDateTime>

// Where the end lies once the clock reads `now`, having read `previous` at the last look.
// A clock set back moves the end back as far, so a countdown never counts up; a clock that
// moved on leaves the end where it was.
QDateTime countdownEndAfter(const QDateTime &end, const QDateTime &previous, const QDateTime &now);
