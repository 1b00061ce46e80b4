// Setting the hands with the mouse: a press on a knob picks a hand up, the hand points at
// each mark the pointer passes, and a click on a mark puts it down. Forgiving, for fingers
// and children: a click or tap beside a mark counts as one on the nearest mark the hand may
// take, and a knob dragged over the ring of marks puts its hand down where it is let go.
// The keys do the same: a letter presses a knob, an arrow points the hand at the next mark
// it may take, Enter or Space clicks the mark it points at.
#include "app/Unit1.h"

#include "handset/core/MarkRules.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
constexpr int MinutenPerUur = 5;

// The hand picked up turns yellow; the hands are drawn hour first, so the seconds hand lies on top.
void kiesWijzer(TForm1 &f, Wijzer wijzer)
{
    if (f.run.state == RunState::Choosing)
        return;
    f.zetten.ZetModus = 1;
    f.zetten.GekozenWijzer = wijzer;
    f.TekenUurwijzer(f.klok.StandUur);
    f.TekenMinutenwijzer(f.klok.StandMin);
    f.TekenSecondenwijzer(f.klok.StandSec);
}
}

void TForm1::UurWijzerKnopMouseDown()
{
    kiesWijzer(*this, UurWijzer);
}

void TForm1::MinutenWijzerKnopMouseDown()
{
    kiesWijzer(*this, MinutenWijzer);
}

void TForm1::SecondenWijzerKnopMouseDown()
{
    kiesWijzer(*this, SecondenWijzer);
}

void TForm1::MinuutMerkMouseMove(int i)
{
    if (zetten.ZetModus != 1)
        return;
    zetten.AangewezenMinuut = i;
    RichtGekozenWijzer();
}

void TForm1::RichtGekozenWijzer()
{
    switch (zetten.GekozenWijzer) {
    case SecondenWijzer:
        tekenWijzers({klok.StandUur, klok.StandMin, zetten.AangewezenMinuut});
        break;
    case MinutenWijzer:
        tekenWijzers({klok.StandUur, zetten.AangewezenMinuut, klok.StandSec});
        break;
    case UurWijzer:
        // The hour hand is only set on the twelve hour marks; mark 0 (the 12) is hour 0.
        if (zetten.AangewezenMinuut % MinutenPerUur != 0)
            return;
        zetten.AangewezenMinuut /= MinutenPerUur;
        tekenWijzers({zetten.AangewezenMinuut, klok.StandMin, klok.StandSec});
        break;
    default:
        break;
    }
}

void TForm1::WijzerNaarPunt(QPoint punt, bool neerleggen)
{
    if (zetten.ZetModus != 1)
        return;
    const std::optional<int> merk = merkBijPunt({klok.MiddenX, klok.MiddenY, klok.Straal}, punt, zetten.GekozenWijzer);
    if (!merk)
        return;
    MinuutMerkMouseMove(*merk);
    if (neerleggen)
        M0Click();
}

// A press on a knob holds the pointer, so the knob hears the drag and its end. Let go on
// the knob itself, the hand stays picked up, as after a tap.
void TForm1::WijzerKnopSlepen(const QObject *watched, const QEvent *event)
{
    // Every event of every control passes here: its type is the cheap test.
    const bool los = event->type() == QEvent::MouseButtonRelease;
    if ((!los && event->type() != QEvent::MouseMove) || !qobject_cast<const ShapeKnob *>(watched))
        return;
    const auto *muis = static_cast<const QMouseEvent *>(event);
    if (!los && muis->buttons() == Qt::NoButton)
        return;
    // The knob follows its hand, so the pointer is placed by its screen position.
    WijzerNaarPunt(mapFromGlobal(muis->globalPosition().toPoint()), los);
}

// A click on the window's own background, between the marks.
void TForm1::mouseReleaseEvent(QMouseEvent *event)
{
    WijzerNaarPunt(event->position().toPoint(), true);
    QWidget::mouseReleaseEvent(event);
}

bool TForm1::WijzerToets(const QKeyEvent &toets)
{
    const std::pair<int, ShapeKnob *> letters[] = {
        {Qt::Key_U, UurWijzerKnop}, {Qt::Key_M, MinutenWijzerKnop}, {Qt::Key_S, SecondenWijzerKnop}};
    for (const auto &[letter, knop] : letters) {
        if (toets.key() == letter && toets.modifiers() == Qt::NoModifier && klikBereikt(knop)) {
            Q_EMIT knop->pressed();
            meldWijzer();
            return true;
        }
    }
    if (zetten.ZetModus != 1)
        return false;
    switch (toets.key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        MinuutMerkMouseMove(merkNaStap(gekozenMerk(), zetten.GekozenWijzer, 1));
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        MinuutMerkMouseMove(merkNaStap(gekozenMerk(), zetten.GekozenWijzer, -1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        M0Click();
        break;
    default:
        return false;
    }
    meldWijzer();
    return true;
}

int TForm1::gekozenMerk() const
{
    switch (zetten.GekozenWijzer) {
    case UurWijzer:
        return merkVanUur(klok.StandUur % 12);
    case SecondenWijzer:
        return klok.StandSec;
    default:
        return klok.StandMin;
    }
}

void TForm1::M0Click()
{
    zetten.ZetModus = 0;
    tekenWijzers({klok.StandUur, klok.StandMin, klok.StandSec});
}
