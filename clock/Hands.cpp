// The three hands: lines from their end points to the centre, drawn straight onto the
// surface. Each drawing erases the hand where it stood, asks the hand rules
// (clock/core/HandRules.h) for its colour and knob, draws it anew, moves its knob along and
// moves the yellow mark highlight.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "clock/core/HandRules.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RunState.h"
#include "handset/core/HandSetState.h"

#include <QPainter>

namespace {
constexpr int SecondenPen = 1;
constexpr int MinutenPen = 3;
constexpr int UrenPen = 6;

QColor kleurVan(HandKleur kleur)
{
    switch (kleur) {
    case HandKleur::Geel: return Kleur::Geel;
    case HandKleur::Groen: return Kleur::Groen;
    case HandKleur::Rood: return Kleur::Rood;
    case HandKleur::Weg: return SysColor::ActiveBorder;
    case HandKleur::Zwart: break;
    }
    return Kleur::Zwart;
}

void zetKnop(ShapeKnob *knop, const QPoint &midden, bool zichtbaar)
{
    knop->move(midden - QPoint(KnopStraal, KnopStraal));
    knop->setVisible(zichtbaar);
}
}

void TForm1::tekenLijn(const QPoint &eind, const QColor &kleur, int breedte)
{
    const QPoint midden(klok.MiddenX, klok.MiddenY);
    {
        QPainter p(&m_surface);
        // A flat one-pixel line drops its lower or right end pixel, which would cut the tip
        // off a hand pointing down or right; a square cap keeps both ends. Wider pens end round.
        p.setPen(QPen(kleur, breedte, Qt::SolidLine, breedte == 1 ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(eind, midden);
    }
    QRegion gewijzigd;
    for (const QRect &stuk : wijzerStrook(eind, midden, breedte))
        gewijzigd += stuk;
    update(gewijzigd);
}

int TForm1::standVan(int wijzer) const
{
    switch (wijzer) {
    case UurWijzer:
        return klok.StandUur;
    case SecondenWijzer:
        return klok.StandSec;
    default:
        return klok.StandMin;
    }
}

ShapeKnob *TForm1::knopVan(int wijzer) const
{
    return wijzer == UurWijzer ? UurWijzerKnop : wijzer == SecondenWijzer ? SecondenWijzerKnop : MinutenWijzerKnop;
}

WijzerStand TForm1::wijzerStand() const
{
    return {run.OefenType, zetten.ZetModus, zetten.GekozenWijzer, oefening.ToonControle};
}

void TForm1::MarkeerMerk(int i, quint8 aan)
{
    if (i < 0 || i >= MinuutMerken.size())
        return;
    QLabel *merk = MinuutMerken[i];
    const QColor kleur = aan == 1 ? Kleur::Geel : Kleur::Zwart;
    if (merk->palette().color(QPalette::WindowText) != kleur)
        Make::setTextColor(merk, kleur);
}

void TForm1::tekenWijzers(const Wijzerstand &stand)
{
    TekenSecondenwijzer(stand.sec);
    TekenMinutenwijzer(stand.min);
    TekenUurwijzer(stand.uur);
    vertelWijzers();
}

void TForm1::TekenMinutenwijzer(int m)
{
    MarkeerMerk(klok.StandMin, 0);
    MinutenWijzerKnop->hide();
    tekenLijn(klok.MinEindpunt, SysColor::ActiveBorder, MinutenPen);
    klok.GezetMin = m;
    const FaceGeometry g{klok.MiddenX, klok.MiddenY, klok.Straal};
    const double a = positionAngle(m);
    klok.MinEindpunt = pointOnClock(g, a, klok.Straal - MinutenLengte);
    const HandBeeld beeld = handBeeld(MinutenWijzer, oefening.MinFout, wijzerStand());
    tekenLijn(klok.MinEindpunt, kleurVan(beeld.kleur), MinutenPen);
    klok.StandMin = quint16(m);
    zetKnop(MinutenWijzerKnop, pointOnClock(g, a, klok.Straal - MinutenKnop), beeld.knop);
    MarkeerMerk(m, 1);
}

void TForm1::TekenUurwijzer(int h)
{
    MarkeerMerk(merkVanUur(klok.StandUur), 0);
    UurWijzerKnop->hide();
    tekenLijn(klok.UurEindpunt, SysColor::ActiveBorder, UrenPen);
    h = Tijd::wijzerUur(h);
    klok.GezetUur = h;
    const FaceGeometry g{klok.MiddenX, klok.MiddenY, klok.Straal};
    const double a = hourHandAngle(h, klok.StandMin, WijzerCorrectie->isChecked());
    klok.UurEindpunt = pointOnClock(g, a, klok.Straal - UrenLengte);
    const HandBeeld beeld = handBeeld(UurWijzer, oefening.UurFout, wijzerStand());
    tekenLijn(klok.UurEindpunt, kleurVan(beeld.kleur), UrenPen);
    klok.StandUur = quint16(h);
    zetKnop(UurWijzerKnop, pointOnClock(g, a, klok.Straal - UrenKnop), beeld.knop);
    MarkeerMerk(merkVanUur(h), 1);
}

void TForm1::TekenSecondenwijzer(int s)
{
    MarkeerMerk(klok.StandSec, 0);
    tekenLijn(klok.SecEindpunt, SysColor::ActiveBorder, SecondenPen);
    const FaceGeometry g{klok.MiddenX, klok.MiddenY, klok.Straal};
    const SecondenBeeld seconden = secondenBeeld(s, SecondenAan->isChecked(), gekozenNiveau(), gekozenNotatie(),
                                                 run.state == RunState::Choosing, oefening.SecFout, wijzerStand());
    if (seconden.volgtS) {
        SecondenWijzerKnop->hide();
        klok.GezetSec = s;
        klok.SecEindpunt = pointOnClock(g, positionAngle(s), klok.Straal - SecondenLengte);
    }
    if (seconden.veldVerbergen)
        SecInvoerVeld->hide();
    if (seconden.getekend) {
        const double a = positionAngle(seconden.richting);
        zetKnop(SecondenWijzerKnop, pointOnClock(g, a, klok.Straal - SecondenKnop), seconden.beeld.knop);
        tekenLijn(pointOnClock(g, a, klok.Straal - SecondenLengte), kleurVan(seconden.beeld.kleur), SecondenPen);
    }
    klok.StandSec = quint16(seconden.stand);
    MarkeerMerk(seconden.stand, 1);
}
