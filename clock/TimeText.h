#pragma once
// The digital clock and the countdown show times in the user's own notation:
// the locale's hour style, time separator and AM/PM marker, and nothing more
// (no time zone, no words around the digits).
#include <QLocale>
#include <QString>
#include <QTime>

// Hour token as the locale has it (h, hh, H or HH), the separator, "mm", the
// separator, "ss", and the locale's AM/PM marker in its place where it has one.
QString longTimeFormat(const QLocale &locale);

// On the twelve-hour dial afternoon hours show as 1..11; 0 and 12 stay.
QString digitalClockText(const QTime &time, bool twaalfUren, const QLocale &locale);

// Hours without a leading zero, seconds cut off; nothing left reads 0:00:00.
QString countdownText(qint64 remainingMs, const QLocale &locale);
