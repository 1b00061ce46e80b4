// Judging the answer: OK scores it and draws the next task; "?" held shows right and wrong
// in green and red and puts the task's time on the hands until it is released.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/TimeUnits.h"
#include "exercise/core/Boekhouding.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Judging.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RunState.h"
#include "handset/core/HandSetState.h"

namespace {
void kleurVeld(EditField *veld, bool fout)
{
    veld->setColors(fout ? Kleur::Rood : Kleur::Groen, veld->palette().color(QPalette::Text));
}

void toonJuisteWaarde(QLabel *controle, int waarde)
{
    controle->setText(QString::number(waarde));
    controle->show();
}
}

void TForm1::ControleerAntwoord()
{
    for (QLabel *controle : controles())
        controle->clear();
    // Without an exercise (a countdown started from Idle) there is nothing to judge, and an
    // earlier verdict must not be scored again.
    oefening.OpgaveJuist = 0;
    const Opgave opgave{oefening.OpgaveUur, oefening.OpgaveMin, oefening.OpgaveSec};
    if (run.OefenType == AnaloogNaarDigitaal)
        controleerGetypt(opgave);
    else if (run.OefenType == DigitaalNaarAnaloog)
        controleerWijzers(opgave);
}

void TForm1::controleerGetypt(const Opgave &opgave)
{
    for (EditField *veld : antwoordVelden())
        if (veld->text().isEmpty())
            veld->setText(QStringLiteral("0"));
    const TypedVerdict oordeel = judgeTyped(UurInvoerVeld->text(), MinInvoerVeld->text(), SecInvoerVeld->text(), opgave, oefening.NotatieStijl);
    const struct { bool judged; bool fout; int juist; bool *vlag; } delen[] = {
        {true, oordeel.uurFout, Tijd::gelezenUur(opgave.uur), &oefening.UurFout},
        {oordeel.judgedMin, oordeel.minFout, opgave.min, &oefening.MinFout},
        {oordeel.judgedSec, oordeel.secFout, opgave.sec, &oefening.SecFout},
    };
    for (int i = 0; i < 3; ++i) {
        const auto &deel = delen[i];
        if (!deel.judged)
            continue;
        kleurVeld(antwoordVelden().at(i), deel.fout);
        *deel.vlag = deel.fout;
        if (deel.fout) {
            PlaatsVeldjes1();
            toonJuisteWaarde(controles().at(i), deel.juist);
        }
    }
    TekenUurwijzer(opgave.uur);
    if (oordeel.judgedMin)
        TekenMinutenwijzer(opgave.min);
    if (oordeel.judgedSec)
        TekenSecondenwijzer(opgave.sec);
    oefening.OpgaveJuist = oordeel.juist() ? 1 : 0;
}

void TForm1::controleerWijzers(const Opgave &opgave)
{
    oefening.BewaardUur = klok.GezetUur;
    oefening.BewaardMin = klok.GezetMin;
    oefening.BewaardSec = klok.GezetSec;
    const HandsVerdict oordeel = judgeHands({klok.GezetUur, klok.GezetMin, klok.GezetSec}, opgave, VierentwintigUren->isChecked(), SecondenAan->isChecked());
    UurWijzerKnop->setFill(oordeel.uurGoed ? Kleur::Groen : Kleur::Rood);
    MinutenWijzerKnop->setFill(oordeel.minGoed ? Kleur::Groen : Kleur::Rood);
    if (oordeel.secJudged)
        SecondenWijzerKnop->setFill(oordeel.secGoed ? Kleur::Groen : Kleur::Rood);
    // A wrong hand turns towards the task's time.
    if (!oordeel.juist() && !Timer3->isActive())
        Timer3->start();
    oefening.OpgaveJuist = oordeel.juist() ? 1 : 0;
}

void TForm1::ADOkKnopClick()
{
    if (ADOefening->isHidden())
        return;
    oefening.UurFout = oefening.MinFout = oefening.SecFout = false;
    ControleerAntwoord();
    const QString oordeel = oordeelVoorlezen();
    scoor(oefening, oefening.OpgaveJuist == 1);
    ToonPunten();
    if (run.OefenType == AnaloogNaarDigitaal) {
        ZetVeldenSoort2();
        UurInvoerVeld->setFocus();
    } else if (run.OefenType == DigitaalNaarAnaloog) {
        ZetVeldenSoort1();
        for (ShapeKnob *k : knoppen())
            k->setFill(Kleur::Wit);
        PlaatsVeldjes1();
        ADOkKnopMouseDown();
    }
    NieuweOpgave();
    meld(QStringLiteral("%1 %2 op %3. %4").arg(oordeel, Label6->text(), Label8->text(), opgaveWoorden()));
}

void TForm1::ADControleKnopMouseDown()
{
    oefening.ToonControle = true;
    ControleerAntwoord();
    meld(oordeelVoorlezen());
    // The task's time goes onto the hands one hand at a time, as if the learner set them.
    ZetWijzerAlsLeerling(SecondenWijzer, {klok.StandUur, klok.StandMin, oefening.OpgaveSec});
    ZetWijzerAlsLeerling(MinutenWijzer, {klok.StandUur, oefening.OpgaveMin, klok.StandSec});
    ZetWijzerAlsLeerling(UurWijzer, {oefening.OpgaveUur, klok.StandMin, klok.StandSec});
    PlaatsVeldjes1();
    if (oefening.NotatieStijl == NotatieUren)
        MinuutNaam->hide();
    if (!beoordeeltSeconden(oefening.NotatieStijl))
        SecNaam->hide();
}

void TForm1::ADControleKnopMouseUp()
{
    oefening.ToonControle = oefening.UurFout = oefening.MinFout = oefening.SecFout = false;
    if (run.OefenType == AnaloogNaarDigitaal) {
        for (EditField *veld : antwoordVelden())
            veld->setColors(Kleur::Wit, Kleur::Zwart);
        tekenWijzers({oefening.OpgaveUur, oefening.OpgaveMin, oefening.OpgaveSec});
    } else if (run.OefenType == DigitaalNaarAnaloog) {
        // The check may have set the hands turning towards the task's time; the learner's
        // own setting must stay on the clock, or the next OK would score the task's time.
        Timer3->stop();
        for (EditField *veld : antwoordVelden())
            veld->setColors(Kleur::Blauw, Kleur::Geel);
        PlaatsVeldjes1();
        for (QLabel *controle : controles())
            controle->hide();
        tekenWijzers({oefening.BewaardUur, oefening.BewaardMin, oefening.BewaardSec});
        for (ShapeKnob *k : knoppen())
            k->setFill(Kleur::Wit);
    }
    for (QLabel *controle : controles())
        controle->clear();
}

void TForm1::VraagtekenAanClick()
{
    ADControleKnop->setVisible(VraagtekenAan->isChecked());
}
