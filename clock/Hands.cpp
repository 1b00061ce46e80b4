// The three hands: lines from their end points to the centre, drawn straight onto the
// surface. Each drawing erases the hand where it stood, picks its colour from the exercise
// state, draws it anew, moves its knob along and moves the yellow mark highlight.
#include "app/Unit1.h"
#include "clock/FaceGeometry.h"

#include <QPainter>

namespace {
constexpr int SecondenPen = 1;
constexpr int MinutenPen = 3;
constexpr int UrenPen = 6;
enum Wijzer { Uur = 1, Minuut = 2, Seconde = 3 };

bool gekozen(const QRadioButton *r) { return r->isChecked(); }
}

void TForm1::tekenLijn(const QPoint &eind, const QColor &kleur, int breedte)
{
    const QPoint midden(MiddenX, MiddenY);
    {
        QPainter p(&m_surface);
        // A flat one-pixel line drops its lower or right end pixel, which would cut the tip
        // off a hand pointing down or right; a square cap keeps both ends. Wider pens end round.
        p.setPen(QPen(kleur, breedte, Qt::SolidLine, breedte == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(eind, midden);
    }
    const int marge = breedte / 2 + 2;
    QRegion gewijzigd;
    for (const QRect &stuk : lineCover(eind, midden, marge))
        gewijzigd += stuk;
    update(gewijzigd);
}

QColor TForm1::wijzerKleur(int wijzer, bool fout, bool &knopZichtbaar) const
{
    knopZichtbaar = OefenType == 1;
    if (OefenType == 2 && ToonControle)
        return fout ? Kleur::Rood : Kleur::Groen;
    if (OefenType == 1 && ZetModus == 1 && GekozenWijzer == wijzer)
        return Kleur::Geel;
    return Kleur::Zwart;
}

void TForm1::MarkeerMerk(unsigned i, quint8 aan)
{
    if (i >= MinuutMerken.size())
        return;
    QLabel *merk = MinuutMerken[i];
    const QColor kleur = aan == 1 ? Kleur::Geel : Kleur::Zwart;
    if (merk->palette().color(QPalette::WindowText) != kleur)
        Make::setTextColor(merk, kleur);
}

static void zetKnop(ShapeKnob *knop, const QPoint &midden, bool zichtbaar)
{
    knop->move(midden - QPoint(KnopStraal, KnopStraal));
    knop->setVisible(zichtbaar);
}

void TForm1::TekenMinutenwijzer(int m)
{
    MarkeerMerk(StandMin, 0);
    MinutenWijzerKnop->hide();
    tekenLijn(MinEindpunt, SysColor::ActiveBorder, MinutenPen);
    GezetMin = m;
    const FaceGeometry g{MiddenX, MiddenY, Straal};
    const double a = positionAngle(m);
    MinEindpunt = pointOnClock(g, a, Straal - MinutenLengte);
    bool knop = false;
    tekenLijn(MinEindpunt, wijzerKleur(Minuut, MinFout, knop), MinutenPen);
    StandMin = quint16(m);
    zetKnop(MinutenWijzerKnop, pointOnClock(g, a, Straal - MinutenKnop), knop);
    MarkeerMerk(m, 1);
}

void TForm1::TekenUurwijzer(int h)
{
    MarkeerMerk(StandUur * 5u, 0);
    UurWijzerKnop->hide();
    tekenLijn(UurEindpunt, SysColor::ActiveBorder, UrenPen);
    if (h > 11)
        h -= 12;
    GezetUur = h;
    const FaceGeometry g{MiddenX, MiddenY, Straal};
    const double a = hourHandAngle(h, StandMin, WijzerCorrectie->isChecked());
    UurEindpunt = pointOnClock(g, a, Straal - UrenLengte);
    bool knop = false;
    tekenLijn(UurEindpunt, wijzerKleur(Uur, UurFout, knop), UrenPen);
    StandUur = quint16(h);
    zetKnop(UurWijzerKnop, pointOnClock(g, a, Straal - UrenKnop), knop);
    MarkeerMerk(h * 5u, 1);
}

void TForm1::TekenSecondenwijzer(int s)
{
    MarkeerMerk(StandSec, 0);
    tekenLijn(SecEindpunt, SysColor::ActiveBorder, SecondenPen);
    const FaceGeometry g{MiddenX, MiddenY, Straal};
    QColor pen = SysColor::ActiveBorder;
    bool knop = false;
    bool tekenen = false;
    double a = 0;
    QPoint eind;
    if (SecondenAan->isChecked()) {
        SecondenWijzerKnop->hide();
        GezetSec = s;
        a = positionAngle(s);
        SecEindpunt = pointOnClock(g, a, Straal - SecondenLengte);
        eind = SecEindpunt;
        tekenen = true;
        pen = wijzerKleur(Seconde, SecFout, knop);
        // Levels without seconds hide the seconds hand while the task is on the clock.
        if (OefenType == 2 && (gekozen(UrenAan) || gekozen(HalveUrenAan) || gekozen(KwartierenAan))) {
            if (!KeuzePaneel->isHidden()) {
                pen = Kleur::Zwart;
            } else {
                pen = SysColor::ActiveBorder;
                s = 0;
            }
            knop = false;
            SecInvoerVeld->hide();
        }
    }
    if (OefenType == 1) {
        // The live clock stands still while the learner sets the hands.
        if (KeuzePaneel->isHidden())
            Timer2->stop();
        else if (!Timer2->isActive())
            Timer2->start();
        if ((gekozen(Notitie1) || gekozen(Notitie2)) && KeuzePaneel->isHidden()) {
            pen = SysColor::ActiveBorder;
            knop = false;
            s = 0;
            a = 0;
            eind = pointOnClock(g, 0, Straal - SecondenLengte);
            tekenen = true;
        }
    }
    if (tekenen) {
        zetKnop(SecondenWijzerKnop, pointOnClock(g, a, Straal - SecondenKnop), knop);
        tekenLijn(eind, pen, SecondenPen);
    }
    StandSec = quint16(s);
    MarkeerMerk(s, 1);
}
