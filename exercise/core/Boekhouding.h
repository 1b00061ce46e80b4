#pragma once
// The exercise's bookkeeping, apart from the window: the score, the task drawn and the hour of
// the one before it, and the countdown's look at the clock. The handlers call these and show
// what comes out.
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Task.h"

#include <QDateTime>
#include <QLocale>
#include <optional>

// OK: one more task answered, and one more point when it was entirely right.
void scoor(Oefening &oefening, bool juist);

// A new run, a timer entry or RESET starts the score afresh.
void wisScore(Oefening &oefening);

// The task drawn becomes the task; its hour is remembered, so the next draw is another hour.
void neemOpgave(Oefening &oefening, const Opgave &opgave);

// One look of the countdown at the clock: where its end now lies, and whether the time is up.
struct AftelStap
{
    QDateTime eind;
    bool tijdOm = false;
    qint64 restMs = 0; // what is left while the time is not up
};
AftelStap aftelStap(const AftelToestand &aftellen, const QDateTime &nu);

// The result at time-up: the score as it stands. The answer standing then is judged for the
// learner to see, but never scored, so the result takes the exercise as read-only.
struct Uitslag
{
    int behaald = 0;
    int maximum = 0;
    std::optional<QString> procent; // none when no task was answered
};
Uitslag uitslag(const Oefening &oefening, const QLocale &locale);
