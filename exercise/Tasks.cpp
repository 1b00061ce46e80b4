// Drawing and presenting a task, and the answer fields: their layout per notation, their
// looks per exercise kind and the Enter key that moves from field to field.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "exercise/core/Boekhouding.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RandomSource.h"
#include "exercise/core/RunState.h"
#include "exercise/core/Task.h"

namespace {
constexpr int VeldTop = 22;
constexpr int NaamDx = 4, NaamDy = 25, ControleDx = 6, ControleDy = 45, LabelBreedte = 30;

bool kanFocus(const QWidget *w)
{
    return !w->isHidden() && w->isEnabled();
}

void verplaats(EditField *veld, int left)
{
    veld->move(left, VeldTop);
    veld->clear();
}
}

void TForm1::NieuweOpgave()
{
    m_random->reseed();
    const Niveau niveau = gekozenNiveau();
    // Every minute can be a task's, so the minute marks cannot be hidden.
    Button2->setVisible(niveauRij(niveau).minutenStap > 1);
    oefening.SecFout = oefening.MinFout = oefening.UurFout = false;
    const bool vierentwintig = VierentwintigUren->isChecked();
    const Opgave opgave = trekOpgave({niveau, oefening.NotatieStijl, vierentwintig, SecondenAan->isChecked()}, oefening.VorigOpgaveUur, *m_random);
    neemOpgave(oefening, opgave);
    BeginAnimatie(oefening.OpgaveUur);
    VoorMiddagNaMiddag->setText(voorMiddagNaMiddagText(oefening.OpgaveUur, vierentwintig));
    if (run.OefenType == DigitaalNaarAnaloog) {
        VoorMiddagNaMiddag->clear();
        Timer3->stop();
        const int delen[] = {oefening.OpgaveUur, oefening.OpgaveMin, oefening.OpgaveSec};
        for (int i = 0; i < 3; ++i)
            antwoordVelden().at(i)->setText(QString::number(delen[i]));
        PlaatsVeldjes1();
    } else if (!Timer3->isActive()) {
        Timer3->start();
    }
    for (QLabel *controle : controles())
        controle->clear();
}

void TForm1::VergeetVorigeOpgave()
{
    oefening.VorigOpgaveUur = 0;
}

void TForm1::PlaatsVeldjes1()
{
    for (int i = 0; i < 3; ++i) {
        const QRect v = antwoordVelden().at(i)->geometry();
        veldNamen().at(i)->setGeometry(v.left() + NaamDx, v.top() + NaamDy, LabelBreedte, v.height());
        controles().at(i)->setGeometry(v.left() + ControleDx, v.top() + ControleDy, LabelBreedte, v.height());
    }
}

void TForm1::PlaatsVeldjesVoorNotatie()
{
    const QList<int> &links = notatieRij(oefening.NotatieStijl).veldLinks;
    for (int i = 0; i < links.size(); ++i)
        verplaats(antwoordVelden().at(i), links[i]);
    PlaatsVeldjes1();
    for (int i = 0; i < 3; ++i) {
        veldNamen().at(i)->setVisible(i < links.size());
        antwoordVelden().at(i)->setVisible(i < links.size());
    }
}

void TForm1::ZetVeldenSoort1()
{
    for (EditField *veld : antwoordVelden()) {
        veld->setColors(Kleur::Blauw, Kleur::Geel);
        veld->setFocusPolicy(Qt::ClickFocus);
        veld->setReadOnly(true);
    }
}

void TForm1::ZetVeldenSoort2()
{
    for (EditField *veld : antwoordVelden()) {
        veld->setColors(Kleur::Wit, Kleur::Zwart);
        veld->setFocusPolicy(Qt::StrongFocus);
        veld->setReadOnly(false);
        veld->clear();
    }
}

// Digital to analog shows the task in the fields: they cannot be typed in and explain nothing.
void TForm1::ZetInvoerModus(int soort)
{
    const bool toontOpgave = soort == DigitaalNaarAnaloog;
    m_veldTipsAan = !toontOpgave;
    for (EditField *veld : antwoordVelden()) {
        veld->setReadOnly(toontOpgave);
        if (toontOpgave)
            veld->setCursor(Make::noDropCursor());
        else
            veld->setCursor(Qt::ArrowCursor);
    }
}

// Enter moves on to the next field in use, or to OK.
bool TForm1::naarVolgendVeld(EditField *volgende)
{
    if (standaardKnopZichtbaar())
        return false;
    if (volgende && kanFocus(volgende)) {
        volgende->setFocus();
        volgende->clear();
    } else {
        ADOkKnop->setFocus();
    }
    return true;
}

bool TForm1::UurInvoerVeldKeyPress()
{
    return naarVolgendVeld(MinInvoerVeld);
}

bool TForm1::MinInvoerVeldKeyPress()
{
    return naarVolgendVeld(SecInvoerVeld);
}

bool TForm1::SecInvoerVeldKeyPress()
{
    return naarVolgendVeld(nullptr);
}

void TForm1::ADOkKnopMouseDown()
{
    for (QLabel *controle : controles())
        controle->clear();
}
