// The live clock (every second) and the hand animation towards a task's time (every 15 ms).
#include "app/Unit1.h"
#include "clock/HandAnimation.h"
#include "clock/TimeText.h"

void TForm1::ToonTijd(bool metWijzers)
{
    const QTime tijd = m_clock->now().time();
    DigiKlok->setText(digitalClockText(tijd, TwaalfUren->isChecked(), QLocale()));
    if (metWijzers) {
        TekenSecondenwijzer(tijd.second());
        TekenMinutenwijzer(tijd.minute());
        TekenUurwijzer(tijd.hour());
    }
}

void TForm1::Timer2Timer()
{
    ToonTijd(KlokLoopt);
}

void TForm1::Timer3Timer()
{
    HandAnimation anim{AnimUur, AnimMin, AnimSec, AnimDoelUur};
    const bool aangekomen = animationStep(anim, OpgaveMin, OpgaveSec);
    AnimUur = anim.uur;
    AnimMin = anim.min;
    AnimSec = anim.sec;
    AnimDoelUur = anim.doelUur;
    TekenSecondenwijzer(AnimSec);
    TekenMinutenwijzer(AnimMin);
    TekenUurwijzer(AnimUur);
    if (aangekomen) {
        Timer3->stop();
        TekenSecondenwijzer(OpgaveSec);
        TekenMinutenwijzer(OpgaveMin);
        TekenUurwijzer(OpgaveUur);
    }
}
