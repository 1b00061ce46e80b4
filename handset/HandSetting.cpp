// Setting the hands with the mouse: a press on a knob picks a hand up, the hand points at
// each mark the pointer passes, and a click on a mark puts it down.
#include "app/Unit1.h"

namespace {
constexpr int MinutenPerUur = 5;

// The hand picked up turns yellow; the hands are drawn hour first, so the seconds hand lies on top.
void kiesWijzer(TForm1 &f, Wijzer wijzer)
{
    if (f.run.state == RunState::Choosing)
        return;
    f.zetten.ZetModus = 1;
    f.zetten.GekozenWijzer = wijzer;
    f.TekenUurwijzer(f.klok.StandUur);
    f.TekenMinutenwijzer(f.klok.StandMin);
    f.TekenSecondenwijzer(f.klok.StandSec);
}
}

void TForm1::UurWijzerKnopMouseDown()
{
    kiesWijzer(*this, UurWijzer);
}

void TForm1::MinutenWijzerKnopMouseDown()
{
    kiesWijzer(*this, MinutenWijzer);
}

void TForm1::SecondenWijzerKnopMouseDown()
{
    kiesWijzer(*this, SecondenWijzer);
}

void TForm1::MinuutMerkMouseMove(int i)
{
    if (zetten.ZetModus != 1)
        return;
    zetten.AangewezenMinuut = i;
    RichtGekozenWijzer();
}

void TForm1::RichtGekozenWijzer()
{
    switch (zetten.GekozenWijzer) {
    case SecondenWijzer:
        tekenWijzers({klok.StandUur, klok.StandMin, zetten.AangewezenMinuut});
        break;
    case MinutenWijzer:
        tekenWijzers({klok.StandUur, zetten.AangewezenMinuut, klok.StandSec});
        break;
    case UurWijzer:
        // The hour hand is only set on the twelve hour marks; mark 0 (the 12) is hour 0.
        if (zetten.AangewezenMinuut % MinutenPerUur != 0)
            return;
        zetten.AangewezenMinuut /= MinutenPerUur;
        tekenWijzers({zetten.AangewezenMinuut, klok.StandMin, klok.StandSec});
        break;
    default:
        break;
    }
}

void TForm1::M0Click()
{
    zetten.ZetModus = 0;
    tekenWijzers({klok.StandUur, klok.StandMin, klok.StandSec});
}
