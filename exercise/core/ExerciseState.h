#pragma once
// The exercise's own state: the notation fixed at the start, the task, the score, the parts
// found wrong, whether "?" is held and the hands the learner had set while it is, and the
// countdown of a timed exercise.
#include "exercise/core/Levels.h"

#include <QDateTime>
#include <QString>

struct Oefening
{
    Notatie NotatieStijl = GeenNotatie;
    int OpgaveUur = 0; // the task's time, hour 0..11 or 0..23
    int OpgaveMin = 0;
    int OpgaveSec = 0;
    int VorigOpgaveUur = 0; // the previous task's hour, never drawn again at once
    int BehaaldePunten = 0; // tasks entirely right
    int MaximumPunten = 0;  // tasks answered
    bool UurFout = false;   // a typed part is wrong
    bool MinFout = false;
    bool SecFout = false;
    bool ToonControle = false; // "?" is held down
    int OpgaveJuist = 0;       // 1 when the last check found the task entirely right
    int BewaardUur = 0;        // the learner's hands, put back when "?" is released
    int BewaardMin = 0;
    int BewaardSec = 0;
};

struct AftelToestand
{
    QDateTime EindTijd;
    QString VorigeTimerTekst; // put back when an entry in the timer field is not a whole number
    QDateTime vorigeMeting;   // the clock's reading at the countdown's last look
};
