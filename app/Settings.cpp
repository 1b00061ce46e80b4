// Hiding the settings while an exercise runs, and the score panel.
#include "app/Unit1.h"

namespace {
// The settings list, in the order it is hidden and shown.
template <typename F>
void voorElkeInstelling(TForm1 &f, F &&doe)
{
    for (QWidget *w : std::initializer_list<QWidget *>{f.TwaalfUren, f.VierentwintigUren, f.Label4, f.TimerMinuten,
                                                       f.SecondenAan, f.WijzerCorrectie, f.VraagtekenAan,
                                                       f.Cijfers, f.Punten, f.Romeins})
        doe(w);
}
}

void TForm1::VerbergInstellingen()
{
    voorElkeInstelling(*this, [](QWidget *w) { w->hide(); });
    ADKnop1->show();
}

void TForm1::ToonInstellingen()
{
    voorElkeInstelling(*this, [](QWidget *w) { w->show(); });
    ADKnop1->hide();
}

void TForm1::ToonPunten()
{
    Label6->setText(QString::number(BehaaldePunten));
    Label8->setText(QString::number(MaximumPunten));
}

void TForm1::WisPunten()
{
    BehaaldePunten = 0;
    MaximumPunten = 0;
    ToonPunten();
}
