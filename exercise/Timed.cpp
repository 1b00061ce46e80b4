// The timed exercise: minutes in the timer field, START, the countdown, the result panel
// and RESET, the only way out once the countdown runs.
#include "app/Unit1.h"
#include "clock/core/Clock.h"
#include "clock/core/TimeText.h"
#include "exercise/core/Boekhouding.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Judging.h"
#include "exercise/core/ResultText.h"
#include "exercise/core/RunState.h"
#include "guide/Unit2.h"

void TForm1::TimerMinutenClick()
{
    aftellen.VorigeTimerTekst = TimerMinuten->text();
    TimerMinuten->setText(QStringLiteral("0"));
    TimerMinuten->setFocus();
}

// Trims the entry and puts the saved text back when it is no whole number.
std::optional<qint32> TForm1::leesTimerMinuten()
{
    TimerMinuten->setText(TimerMinuten->text().trimmed());
    const std::optional<qint32> minuten = LeesGetal(TimerMinuten->text());
    if (!minuten)
        TimerMinuten->setText(aftellen.VorigeTimerTekst);
    return minuten;
}

// A whole number confirmed: a new task, the score cleared, and START for a positive one.
void TForm1::TimerMinutenExit()
{
    const std::optional<qint32> minuten = leesTimerMinuten();
    if (!minuten)
        return;
    NieuweOpgave();
    WisPunten();
    run.aftelMinuten = *minuten;
    toonToestand();
}

bool TForm1::TimerMinutenKeyPress()
{
    if (standaardKnopZichtbaar())
        return false;
    leesTimerMinuten();
    return true;
}

// The countdown starts with a fresh task and score; its display keeps its last text until
// the first tick.
void TForm1::StartknopClick()
{
    if (!gebeurt(RunEvent::Start))
        return;
    for (EditField *veld : antwoordVelden())
        veld->setText(QStringLiteral("0"));
    NieuweOpgave();
    if (run.state == RunState::Timed && run.OefenType == AnaloogNaarDigitaal)
        UurInvoerVeld->setFocus();
    WisPunten();
    aftellen.vorigeMeting = m_clock->now();
    aftellen.EindTijd = aftellen.vorigeMeting.addSecs(60LL * run.aftelMinuten);
    KlokVenster->show();
    meld(opgaveWoorden());
}

void TForm1::Timer1Timer()
{
    AftelTik();
}

void TForm1::AftelTik()
{
    if (!run.AftellenLoopt())
        return;
    const QDateTime nu = m_clock->now();
    const AftelStap stap = aftelStap(aftellen, nu);
    aftellen.EindTijd = stap.eind;
    aftellen.vorigeMeting = nu;
    if (stap.tijdOm) {
        ToonUitslag();
        return;
    }
    KlokVenster->setText(countdownText(stap.restMs, QLocale()));
}

// The time is up: the answer standing is judged once more, not scored, under the result.
void TForm1::ToonUitslag()
{
    ControleerAntwoord();
    const Uitslag u = uitslag(oefening, QLocale());
    Label48->setText(u.procent ? QString::number(u.behaald) : QString());
    Label49->setText(u.procent ? QString::number(u.maximum) : QString());
    Label51->setText(u.procent.value_or(QString()));
    gebeurt(RunEvent::TijdOm);
    meld(uitslagVoorlezen());
    if (Form2 && Form2->isVisible()) {
        Form2->hide();
        Button1->setText(QStringLiteral("Hulpjes Aan"));
    }
}

// RESET: back to the choice panel of the exercise, with an empty timer field and score.
// Without an exercise it returns to Idle and the score stays.
void TForm1::OKKnop1Click()
{
    const bool zonderOefening = run.OefenType == GeenOefening;
    if (!gebeurt(RunEvent::Reset))
        return;
    TimerMinuten->setText(QStringLiteral("0"));
    for (EditField *veld : antwoordVelden()) {
        veld->setColors(Kleur::Wit, veld->palette().color(QPalette::Text));
        veld->clear();
    }
    for (ShapeKnob *k : knoppen())
        k->setFill(Kleur::Wit);
    if (zonderOefening)
        Timer3->stop();
    ToonTijd(true);
    if (!zonderOefening)
        WisPunten();
}
