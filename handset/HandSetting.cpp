// Setting the hands with the mouse: a press on a knob picks a hand up, the hand points at
// each mark the pointer passes, and a click on a mark puts it down.
#include "app/Unit1.h"

namespace {
enum Wijzer { Geen = 0, Uur = 1, Minuut = 2, Seconde = 3 };
constexpr int MinutenPerUur = 5;
}

static void kiesWijzer(TForm1 &f, int wijzer)
{
    if (!f.KeuzePaneel->isHidden())
        return;
    f.ZetModus = 1;
    f.GekozenWijzer = wijzer;
    f.TekenUurwijzer(f.StandUur);
    f.TekenMinutenwijzer(f.StandMin);
    f.TekenSecondenwijzer(f.StandSec);
}

void TForm1::UurWijzerKnopMouseDown()
{
    kiesWijzer(*this, Uur);
}

void TForm1::MinutenWijzerKnopMouseDown()
{
    kiesWijzer(*this, Minuut);
}

void TForm1::SecondenWijzerKnopMouseDown()
{
    kiesWijzer(*this, Seconde);
}

void TForm1::MinuutMerkMouseMove(int i)
{
    if (ZetModus != 1)
        return;
    AangewezenMinuut = i;
    RichtGekozenWijzer();
}

void TForm1::RichtGekozenWijzer()
{
    switch (GekozenWijzer) {
    case Seconde:
        TekenSecondenwijzer(AangewezenMinuut);
        TekenMinutenwijzer(StandMin);
        TekenUurwijzer(StandUur);
        break;
    case Minuut:
        TekenSecondenwijzer(StandSec);
        TekenMinutenwijzer(AangewezenMinuut);
        TekenUurwijzer(StandUur);
        break;
    case Uur:
        // The hour hand is only set on the twelve hour marks; mark 0 (the 12) is hour 0.
        if (AangewezenMinuut % MinutenPerUur != 0)
            return;
        AangewezenMinuut /= MinutenPerUur;
        TekenSecondenwijzer(StandSec);
        TekenMinutenwijzer(StandMin);
        TekenUurwijzer(AangewezenMinuut);
        break;
    default:
        break;
    }
}

void TForm1::M0Click()
{
    ZetModus = 0;
    TekenSecondenwijzer(StandSec);
    TekenMinutenwijzer(StandMin);
    TekenUurwijzer(StandUur);
}
