#pragma once
// The digital clock and the countdown show times in the user's own notation: the
// locale's hour style, time separator and digits, and nothing more (no time zone, no
// words around the digits, no AM/PM marker: the dial choice decides the hours).
#include <QLocale>
#include <QString>
#include <QTime>

// Hour token as the locale has it (h, hh, H or HH), the separator, "mm", the
// separator and "ss". Without a marker every hour token counts 0..23.
QString clockFormat(const QLocale &locale);

// On the twelve-hour dial afternoon hours show as 1..11, 0 and 12 stay; on the
// 24-hour dial the hours run 0..23.
QString digitalClockText(const QTime &time, bool twaalfUren, const QLocale &locale);

// Hours without a leading zero, seconds cut off; nothing left reads 0:00:00.
QString countdownText(qint64 remainingMs, const QLocale &locale);
