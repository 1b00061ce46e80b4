// Drawing and presenting a task, and the answer fields: their layout per notation, their
// looks per exercise kind and the Enter key that moves from field to field.
#include "app/Unit1.h"
#include "exercise/Task.h"

namespace {
constexpr int VeldTop = 22;
constexpr int NaamDx = 4, NaamDy = 25, ControleDx = 6, ControleDy = 45, LabelBreedte = 30;

Niveau gekozenNiveau(const TForm1 &f)
{
    if (f.HalveUrenAan->isChecked())
        return Niveau::HalveUren;
    if (f.KwartierenAan->isChecked())
        return Niveau::Kwartieren;
    if (f.MinutenAan->isChecked())
        return Niveau::Minuten;
    return Niveau::Uren;
}

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
    const Niveau niveau = gekozenNiveau(*this);
    Button2->setVisible(niveau != Niveau::Minuten);
    SecFout = MinFout = UurFout = false;
    const bool vierentwintig = VierentwintigUren->isChecked();
    const Opgave opgave = trekOpgave({niveau, NotatieStijl, vierentwintig, SecondenAan->isChecked()}, VorigOpgaveUur, *m_random);
    OpgaveUur = opgave.uur;
    OpgaveMin = opgave.min;
    OpgaveSec = opgave.sec;
    AnimUur = StandUur;
    AnimMin = StandMin;
    AnimSec = StandSec;
    AnimDoelUur = OpgaveUur;
    VorigOpgaveUur = OpgaveUur;
    VoorMiddagNaMiddag->setText(voorMiddagNaMiddagText(OpgaveUur, vierentwintig));
    if (OefenType == 1) {
        VoorMiddagNaMiddag->clear();
        Timer3->stop();
        UurInvoerVeld->setText(QString::number(OpgaveUur));
        MinInvoerVeld->setText(QString::number(OpgaveMin));
        SecInvoerVeld->setText(QString::number(OpgaveSec));
        PlaatsVeldjes1();
    } else if (!Timer3->isActive()) {
        Timer3->start();
    }
    Uurcontrol->clear();
    Minuutcontrol->clear();
    Secondcontrol->clear();
}

void TForm1::PlaatsVeldjes1()
{
    const struct { EditField *veld; QLabel *naam; QLabel *controle; } rijen[] = {
        {UurInvoerVeld, UurNaam, Uurcontrol},
        {MinInvoerVeld, MinuutNaam, Minuutcontrol},
        {SecInvoerVeld, SecNaam, Secondcontrol},
    };
    for (const auto &r : rijen) {
        const QRect v = r.veld->geometry();
        r.naam->setGeometry(v.left() + NaamDx, v.top() + NaamDy, LabelBreedte, v.height());
        r.controle->setGeometry(v.left() + ControleDx, v.top() + ControleDy, LabelBreedte, v.height());
    }
}

void TForm1::PlaatsVeldjesVoorNotatie()
{
    static constexpr int links[4][3] = {{}, {75, 0, 0}, {47, 104, 0}, {32, 76, 119}};
    const int notatie = qBound(1, NotatieStijl, 3);
    EditField *velden[] = {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld};
    for (int i = 0; i < notatie; ++i)
        verplaats(velden[i], links[notatie][i]);
    PlaatsVeldjes1();
    QLabel *namen[] = {UurNaam, MinuutNaam, SecNaam};
    for (int i = 0; i < 3; ++i) {
        namen[i]->setVisible(i < notatie);
        velden[i]->setVisible(i < notatie);
    }
}

void TForm1::ZetVeldenSoort1()
{
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld}) {
        veld->setColors(Kleur::Blauw, Kleur::Geel);
        veld->setFocusPolicy(Qt::ClickFocus);
        veld->setReadOnly(true);
    }
}

void TForm1::ZetVeldenSoort2()
{
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld}) {
        veld->setColors(Kleur::Wit, Kleur::Zwart);
        veld->setFocusPolicy(Qt::StrongFocus);
        veld->setReadOnly(false);
        veld->clear();
    }
}

// Kind 1 shows the task in the fields: they cannot be typed in and explain nothing.
void TForm1::ZetInvoerModus(int soort)
{
    m_veldTipsAan = soort != 1;
    for (EditField *veld : {UurInvoerVeld, MinInvoerVeld, SecInvoerVeld}) {
        veld->setReadOnly(soort == 1);
        if (soort == 1)
            veld->setCursor(Make::noDropCursor());
        else
            veld->setCursor(Qt::ArrowCursor);
    }
}

static bool naarVolgende(TForm1 &f, EditField *volgende)
{
    if (f.standaardKnopZichtbaar())
        return false;
    if (volgende && kanFocus(volgende)) {
        volgende->setFocus();
        volgende->clear();
    } else {
        f.ADOkKnop->setFocus();
    }
    return true;
}

bool TForm1::UurInvoerVeldKeyPress()
{
    return naarVolgende(*this, MinInvoerVeld);
}

bool TForm1::MinInvoerVeldKeyPress()
{
    return naarVolgende(*this, SecInvoerVeld);
}

bool TForm1::SecInvoerVeldKeyPress()
{
    return naarVolgende(*this, nullptr);
}

void TForm1::ADOkKnopMouseDown()
{
    Uurcontrol->clear();
    Minuutcontrol->clear();
    Secondcontrol->clear();
}
