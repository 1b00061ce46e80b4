// The live clock (every second) and the hand animation towards a task's time (every 15 ms).
#include "app/Unit1.h"
#include "clock/core/Clock.h"
#include "clock/core/ClockState.h"
#include "clock/core/HandAnimation.h"
#include "clock/core/TimeText.h"
#include "exercise/core/ExerciseState.h"

void TForm1::ToonTijd(bool metWijzers)
{
    const QTime tijd = m_clock->now().time();
    DigiKlok->setText(digitalClockText(tijd, TwaalfUren->isChecked(), QLocale()));
    if (metWijzers) {
        tekenWijzers({tijd.hour(), tijd.minute(), tijd.second()});
    }
}

void TForm1::ZetKlokLoopt(bool loopt)
{
    klok.KlokLoopt = loopt;
}

// The hands set off from where they stand towards the task's hour.
void TForm1::BeginAnimatie(int doelUur)
{
    klok.AnimUur = klok.StandUur;
    klok.AnimMin = klok.StandMin;
    klok.AnimSec = klok.StandSec;
    klok.AnimDoelUur = doelUur;
}

void TForm1::Timer2Timer()
{
    ToonTijd(klok.KlokLoopt);
}

void TForm1::Timer3Timer()
{
    HandAnimation anim{klok.AnimUur, klok.AnimMin, klok.AnimSec, klok.AnimDoelUur};
    const bool aangekomen = animationStep(anim, oefening.OpgaveMin, oefening.OpgaveSec);
    klok.AnimUur = anim.uur;
    klok.AnimMin = anim.min;
    klok.AnimSec = anim.sec;
    klok.AnimDoelUur = anim.doelUur;
    tekenWijzers({klok.AnimUur, klok.AnimMin, klok.AnimSec});
    if (aangekomen) {
        Timer3->stop();
        tekenWijzers({oefening.OpgaveUur, oefening.OpgaveMin, oefening.OpgaveSec});
    }
}
