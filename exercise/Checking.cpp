// Judging the answer: OK scores it and draws the next task; "?" held shows right and wrong
// in green and red and puts the task's time on the hands until it is released.
#include "app/Unit1.h"
#include "exercise/Judging.h"

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
    Uurcontrol->clear();
    Minuutcontrol->clear();
    Secondcontrol->clear();
    // Without an exercise kind (a countdown started from the start screen) there is nothing
    // to judge, and an earlier verdict must not be scored again.
    OpgaveJuist = 0;
    const Opgave opgave{OpgaveUur, OpgaveMin, OpgaveSec};
    if (OefenType == 2)
        controleerGetypt(opgave);
    else if (OefenType == 1)
        controleerWijzers(opgave);
}

void TForm1::controleerGetypt(const Opgave &opgave)
{
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld})
        if (veld->text().isEmpty())
            veld->setText(QStringLiteral("0"));
    const TypedVerdict oordeel = judgeTyped(UurInvoerVeld->text(), MinInvoerVeld->text(), SecInvoerVeld->text(), opgave, NotatieStijl);
    const struct { bool judged; bool fout; EditField *veld; QLabel *controle; int juist; bool *vlag; } delen[] = {
        {true, oordeel.uurFout, UurInvoerVeld, Uurcontrol, verwachtUur(opgave.uur), &UurFout},
        {oordeel.judgedMin, oordeel.minFout, MinInvoerVeld, Minuutcontrol, opgave.min, &MinFout},
        {oordeel.judgedSec, oordeel.secFout, SecInvoerVeld, Secondcontrol, opgave.sec, &SecFout},
    };
    for (const auto &deel : delen) {
        if (!deel.judged)
            continue;
        kleurVeld(deel.veld, deel.fout);
        *deel.vlag = deel.fout;
        if (deel.fout) {
            PlaatsVeldjes1();
            toonJuisteWaarde(deel.controle, deel.juist);
        }
    }
    TekenUurwijzer(opgave.uur);
    if (oordeel.judgedMin)
        TekenMinutenwijzer(opgave.min);
    if (oordeel.judgedSec)
        TekenSecondenwijzer(opgave.sec);
    OpgaveJuist = oordeel.juist() ? 1 : 0;
}

void TForm1::controleerWijzers(const Opgave &opgave)
{
    BewaardUur = GezetUur;
    BewaardMin = GezetMin;
    BewaardSec = GezetSec;
    const HandsVerdict oordeel = judgeHands({GezetUur, GezetMin, GezetSec}, opgave, VierentwintigUren->isChecked(), SecondenAan->isChecked());
    UurWijzerKnop->setFill(oordeel.uurGoed ? Kleur::Groen : Kleur::Rood);
    MinutenWijzerKnop->setFill(oordeel.minGoed ? Kleur::Groen : Kleur::Rood);
    if (oordeel.secJudged)
        SecondenWijzerKnop->setFill(oordeel.secGoed ? Kleur::Groen : Kleur::Rood);
    // A wrong hand turns towards the task's time.
    if (!oordeel.juist() && !Timer3->isActive())
        Timer3->start();
    OpgaveJuist = oordeel.juist() ? 1 : 0;
}

void TForm1::ADOkKnopClick()
{
    if (ADOefening->isHidden())
        return;
    UurFout = MinFout = SecFout = false;
    ControleerAntwoord();
    BehaaldePunten += OpgaveJuist;
    MaximumPunten += 1;
    ToonPunten();
    if (OefenType == 2) {
        ZetVeldenSoort2();
        UurInvoerVeld->setFocus();
    } else if (OefenType == 1) {
        ZetVeldenSoort1();
        for (ShapeKnob *k : {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop})
            k->setFill(Kleur::Wit);
        PlaatsVeldjes1();
        ADOkKnopMouseDown();
    }
    NieuweOpgave();
}

void TForm1::ADControleKnopMouseDown()
{
    ToonControle = true;
    ControleerAntwoord();
    // The task's time goes onto the hands one hand at a time, as if the learner set them.
    GekozenWijzer = 3;
    TekenSecondenwijzer(OpgaveSec);
    TekenMinutenwijzer(StandMin);
    TekenUurwijzer(StandUur);
    GekozenWijzer = 2;
    TekenSecondenwijzer(StandSec);
    TekenMinutenwijzer(OpgaveMin);
    TekenUurwijzer(StandUur);
    GekozenWijzer = 1;
    TekenSecondenwijzer(StandSec);
    TekenMinutenwijzer(StandMin);
    TekenUurwijzer(OpgaveUur);
    PlaatsVeldjes1();
    if (NotatieStijl == 1)
        MinuutNaam->hide();
    if (NotatieStijl <= 2)
        SecNaam->hide();
}

void TForm1::ADControleKnopMouseUp()
{
    ToonControle = UurFout = MinFout = SecFout = false;
    if (OefenType == 2) {
        for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld})
            veld->setColors(Kleur::Wit, Kleur::Zwart);
        TekenSecondenwijzer(OpgaveSec);
        TekenMinutenwijzer(OpgaveMin);
        TekenUurwijzer(OpgaveUur);
    } else if (OefenType == 1) {
        // The check may have set the hands turning towards the task's time; the learner's
        // own setting must stay on the clock, or the next OK would score the task's time.
        Timer3->stop();
        for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld})
            veld->setColors(Kleur::Blauw, Kleur::Geel);
        PlaatsVeldjes1();
        for (QLabel *c : {Uurcontrol, Minuutcontrol, Secondcontrol})
            c->hide();
        TekenSecondenwijzer(BewaardSec);
        TekenMinutenwijzer(BewaardMin);
        TekenUurwijzer(BewaardUur);
        for (ShapeKnob *k : {UurWijzerKnop, MinutenWijzerKnop, SecondenWijzerKnop})
            k->setFill(Kleur::Wit);
    }
    Uurcontrol->clear();
    Minuutcontrol->clear();
    Secondcontrol->clear();
}

void TForm1::VraagtekenAanClick()
{
    ADControleKnop->setVisible(VraagtekenAan->isChecked());
}
