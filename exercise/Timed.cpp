// The timed exercise: minutes in the timer field, START, the countdown, the result panel
// and RESET, the only way out once the countdown runs.
#include "app/Unit1.h"
#include "clock/TimeText.h"
#include "exercise/Countdown.h"
#include "exercise/Judging.h"
#include "exercise/ResultText.h"
#include "guide/Unit2.h"

void TForm1::TimerMinutenClick()
{
    VorigeTimerTekst = TimerMinuten->text();
    TimerMinuten->setText(QStringLiteral("0"));
    TimerMinuten->setFocus();
}

// Trims the entry and puts the saved text back when it is no whole number.
std::optional<qint32> TForm1::leesTimerMinuten()
{
    TimerMinuten->setText(TimerMinuten->text().trimmed());
    const std::optional<qint32> minuten = LeesGetal(TimerMinuten->text());
    if (!minuten)
        TimerMinuten->setText(VorigeTimerTekst);
    return minuten;
}

void TForm1::TimerMinutenExit()
{
    const std::optional<qint32> minuten = leesTimerMinuten();
    if (!minuten)
        return;
    NieuweOpgave();
    WisPunten();
    // While RESET is shown (a countdown that "Terug" left behind, or its result) START is not offered.
    Startknop->setVisible(*minuten > 0 && OKKnop1->isHidden());
}

bool TForm1::TimerMinutenKeyPress()
{
    if (standaardKnopZichtbaar())
        return false;
    leesTimerMinuten();
    return true;
}

void TForm1::StartknopClick()
{
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld})
        veld->setText(QStringLiteral("0"));
    VerbergInstellingen();
    NieuweOpgave();
    if (!ADOefening->isHidden() && OefenType == 2)
        UurInvoerVeld->setFocus();
    WisPunten();
    m_vorigeAftelMeting = m_clock->now();
    EindTijd = m_vorigeAftelMeting.addSecs(60LL * LeesGetal(TimerMinuten->text()).value_or(0));
    Startknop->hide();
    KlokVenster->show();
    Panel8->show();
    AftellenLoopt = true;
    Timer1->start();
    OKKnop1->show();
    VerbergInstellingen();
    ADKnop1->hide();
    ADStopKnop->hide();
}

void TForm1::Timer1Timer()
{
    AftelTik();
}

void TForm1::AftelTik()
{
    if (!AftellenLoopt)
        return;
    if (KlokVenster->isHidden() || Panel8->isHidden()) {
        Timer1->stop();
        AftellenLoopt = false;
        return;
    }
    const QDateTime nu = m_clock->now();
    EindTijd = countdownEndAfter(EindTijd, m_vorigeAftelMeting, nu);
    m_vorigeAftelMeting = nu;
    if (nu > EindTijd) {
        AftellenLoopt = false;
        Timer1->stop();
        ToonUitslag();
        return;
    }
    KlokVenster->setText(countdownText(nu.msecsTo(EindTijd), QLocale()));
}

// The time is up: the answer standing is judged once more, not scored, under the result.
void TForm1::ToonUitslag()
{
    ControleerAntwoord();
    const std::optional<QString> procent = percentageText(BehaaldePunten, MaximumPunten, QLocale());
    Label48->setText(procent ? QString::number(BehaaldePunten) : QString());
    Label49->setText(procent ? QString::number(MaximumPunten) : QString());
    Label51->setText(procent.value_or(QString()));
    Panel3->show();
    OKKnop1->show();
    if (Form2 && Form2->isVisible()) {
        Form2->hide();
        Button1->setText(QStringLiteral("Hulpjes Aan"));
    }
}

// RESET leads back to the choice panel of the exercise kind. A countdown started from the
// start screen, or one that "Terug" left running, has no kind: RESET then ends it and goes
// back to the start screen, score kept, for the choice panel could start no exercise.
void TForm1::OKKnop1Click()
{
    if (OefenType == 0) {
        AftellenLoopt = false;
        Timer1->stop();
        for (QWidget *w : std::initializer_list<QWidget *>{Panel8, OKKnop1, Panel3})
            w->hide();
        TimerMinuten->setText(QStringLiteral("0"));
        ADStopKnopClick();
        ToonInstellingen();
        return;
    }
    ToonInstellingen();
    KlokLoopt = true;
    ADOefening->hide();
    KeuzePaneel->show();
    // In the choice panel the exercise kind cannot change.
    DigitaalAnaloog->hide();
    AnaloogDigitaal->hide();
    if (!Timer2->isActive())
        Timer2->start();
    Panel8->hide();
    OKKnop1->hide();
    TimerMinuten->setText(QStringLiteral("0"));
    Panel3->hide();
    ADStopKnop->show();
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld}) {
        veld->setColors(Kleur::Wit, veld->palette().color(QPalette::Text));
        veld->clear();
    }
    for (ShapeKnob *k : {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop})
        k->setFill(Kleur::Wit);
    ToonTijd(true);
    WisPunten();
}
