// Choosing, starting, interrupting and stopping an exercise. Each handler moves the run to
// its next state (exercise/core/RunState.h) and does what the move entails beyond showing:
// toonToestand shows every state as the core's table gives it, in this one place.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/HandRules.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Judging.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RunState.h"

namespace {
void zetTimer(QTimer *timer, bool aan)
{
    if (!aan)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}
}

bool TForm1::gebeurt(RunEvent event)
{
    const Run na = volgende(run, event);
    if (na == run)
        return false;
    run = na;
    toonToestand();
    return true;
}

void TForm1::toonToestand()
{
    const Zichtbaar z = zichtbaar(run);
    if (z.instellingen)
        ToonInstellingen();
    else
        VerbergInstellingen();
    for (QWidget *w : std::initializer_list<QWidget *>{Label4, TimerMinuten})
        w->setVisible(z.timerVeld);
    ADKnop1->setVisible(z.instellingenKnop);
    DigitaalAnaloog->setVisible(z.starters);
    AnaloogDigitaal->setVisible(z.starters);
    KeuzePaneel->setVisible(z.keuzePaneel);
    ADOefening->setVisible(z.oefenPaneel);
    Panel3->setVisible(z.uitslag);
    Panel8->setVisible(z.aftelklok);
    OKKnop1->setVisible(z.aftelklok);
    ADStopKnop->setVisible(z.stopKnop);
    Startknop->setVisible(z.startKnop);
    ZetKlokLoopt(klokLoopt(run));
    zetTimer(Timer1, run.AftellenLoopt());
    zetTimer(Timer2, liveKlokTikt(run.OefenType, z.keuzePaneel));
}

// The choice panel for one exercise; the hands jump to the current time.
void TForm1::openKeuze(RunEvent kies)
{
    if (!gebeurt(kies))
        return;
    Timer3->stop();
    ToonTijd(true);
    ZetInvoerModus(run.OefenType);
}

void TForm1::DigitaalAnaloogClick()
{
    openKeuze(RunEvent::KiesDigitaalNaarAnaloog);
}

void TForm1::AnaloogDigitaalClick()
{
    openKeuze(RunEvent::KiesAnaloogNaarDigitaal);
}

void TForm1::KeuzePaneelOkKnopClick()
{
    // Hiding the timer field first confirms an entry typed but not yet left.
    if (run.state != RunState::Choosing)
        return;
    VerbergInstellingen();
    run.aftelMinuten = LeesGetal(TimerMinuten->text()).value_or(0);
    gebeurt(RunEvent::KeuzeOk);
    const Notatie notatie = effectiveNotation(gekozenNotatie(), gekozenNiveau());
    radio(notatieRij(notatie).knop)->setChecked(true);
    oefening.NotatieStijl = notatie;
    Memo1->setPlainText((run.OefenType == AnaloogNaarDigitaal ? QStringLiteral("Oefen: Analoog -> digitaal")
                                                              : QStringLiteral("Oefen: Digitaal -> analoog"))
                        + QLatin1Char('\n') + QString::fromUtf16(niveauRij(gekozenNiveau()).tekst));
    PlaatsVeldjesVoorNotatie();
    SecInvoerVeld->clear();
    SecInvoerVeld->setEnabled(SecondenAan->isChecked());
    if (run.OefenType == AnaloogNaarDigitaal) {
        ZetVeldenSoort2();
        UurInvoerVeld->setFocus();
    } else {
        ZetVeldenSoort1();
        for (ShapeKnob *k : knoppen())
            k->show();
        tekenWijzers({klok.StandUur, klok.StandMin, klok.StandSec});
    }
    ADControleKnop->setVisible(VraagtekenAan->isChecked());
    WisPunten();
    NieuweOpgave();
    meld(opgaveWoorden());
}

// Back to the choice panel; the exercise, its notation and the score stay.
void TForm1::ADKnop1Click()
{
    if (!gebeurt(RunEvent::Instellingen))
        return;
    Timer3->stop();
    ToonTijd(true);
}

// "Stop Oefening" and "Terug": back to the live clock, the score kept.
void TForm1::ADStopKnopClick()
{
    if (!gebeurt(RunEvent::Stop))
        return;
    TimerMinuten->setText(QStringLiteral("0"));
    for (ShapeKnob *k : knoppen())
        k->hide();
    Timer3->stop();
    ToonTijd(true);
    ZetInvoerModus(GeenOefening);
}
