#pragma once

#include "exercise/core/Task.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// A decimal whole number with an optional sign, blanks (spaces, tabs) around
// allowed. Anything else, or a value outside 32 bits, does not read.
std::optional<qint32> LeesGetal(const QString &text);

struct TypedVerdict
{
    bool uurFout = false;
    bool minFout = false;
    bool secFout = false;
    bool judgedMin = false;
    bool judgedSec = false;
    bool juist() const;
};

// An empty text stands for "0"; the notation decides which parts count.
TypedVerdict judgeTyped(const QString &uur, const QString &min, const QString &sec,
                        const Opgave &opgave, Notatie notatieStijl);

struct HandsVerdict
{
    bool uurGoed = true;
    bool minGoed = true;
    bool secGoed = true;
    bool secJudged = false;
    bool juist() const;
};

// The hands as set: the hour hand's position 0..11 and the minute and second marks; on a
// 24-hour dial an afternoon task is matched by the same hand position.
HandsVerdict judgeHands(const Opgave &gezet, const Opgave &opgave, bool vierentwintigUren, bool secondenAan);
