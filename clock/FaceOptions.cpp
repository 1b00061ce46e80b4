// The face options of the settings group: numerals, minute marks, 12/24-hour dial,
// seconds hand and the hour hand's minute correction.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "exercise/core/ExerciseState.h"

namespace {
const char *const RomeinseTeksten[Tijd::UrenOpWijzerplaat] = {"XII", "I", "II",  "III", "IV", "V",
                                                              "VI",  "VII", "VIII", "IX", "X", "XI"};
}

void TForm1::CijfersClick()
{
    for (int uur = 0; uur < Tijd::UrenOpWijzerplaat; ++uur) {
        const QString tekst = Cijfers->isChecked() ? QString::number(Tijd::gelezenUur(uur))
                              : Punten->isChecked() ? QStringLiteral("O")
                                                    : QString::fromLatin1(RomeinseTeksten[uur]);
        MinuutMerken[merkVanUur(uur)]->setText(tekst);
    }
}

void TForm1::VerbergMinuten()
{
    for (int i = 0; i < AantalMerken; ++i)
        if (!isUurMerk(i))
            MinuutMerken[i]->hide();
}

void TForm1::ToonMinuten()
{
    for (int i = 0; i < AantalMerken; ++i)
        if (!isUurMerk(i))
            MinuutMerken[i]->show();
}

void TForm1::Button2Click()
{
    // The caption names what the next click does; M1 stands for all 48 minute marks.
    if (!MinuutMerken[1]->isHidden()) {
        VerbergMinuten();
        Button2->setText(QStringLiteral("Minuten zichtbaar"));
    } else {
        ToonMinuten();
        Button2->setText(QStringLiteral("Minuten onzichtbaar"));
    }
}

void TForm1::TwaalfUrenClick()
{
    for (EditField *veld : antwoordVelden()) {
        veld->setColors(Kleur::Wit, veld->palette().color(QPalette::Text));
        veld->clear();
    }
}

void TForm1::SecondenAanClick()
{
    tekenWijzers({klok.StandUur, klok.StandMin, oefening.OpgaveSec});
}

void TForm1::WijzerCorrectieClick()
{
    tekenWijzers({klok.StandUur, klok.StandMin, klok.StandSec});
}
