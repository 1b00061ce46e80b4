// Hiding the settings while an exercise runs, and the score panel.
#include "app/Unit1.h"
#include "exercise/core/Boekhouding.h"
#include "exercise/core/ExerciseState.h"

void TForm1::VerbergInstellingen()
{
    for (QWidget *w : instellingenLijst())
        w->hide();
    ADKnop1->show();
}

void TForm1::ToonInstellingen()
{
    for (QWidget *w : instellingenLijst())
        w->show();
    ADKnop1->hide();
}

void TForm1::ToonPunten()
{
    Label6->setText(QString::number(oefening.BehaaldePunten));
    Label8->setText(QString::number(oefening.MaximumPunten));
}

void TForm1::WisPunten()
{
    wisScore(oefening);
    ToonPunten();
}
