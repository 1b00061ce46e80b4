// Setting the hands with the mouse: a press on a knob picks a hand up, the hand points at
// each mark the pointer passes, and a click on a mark puts it down. Forgiving, for fingers
// and children: a click or tap beside a mark counts as one on the nearest mark the hand may
// take, and a knob dragged over the ring of marks puts its hand down where it is let go.
// The keys do the same: a letter presses a knob, an arrow points the hand at the next mark
// it may take, Enter or Space clicks the mark it points at.
#include "app/Unit1.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "exercise/core/RunState.h"
#include "handset/core/HandSetState.h"
#include "handset/core/MarkRules.h"

#include <QKeyEvent>
#include <QMouseEvent>

// The hand picked up turns yellow; the hands are drawn hour first, so the seconds hand lies on top.
void TForm1::kiesWijzer(int wijzer)
{
    if (run.state == RunState::Choosing)
        return;
    zetten.ZetModus = 1;
    zetten.GekozenWijzer = wijzer;
    TekenUurwijzer(klok.StandUur);
    TekenMinutenwijzer(klok.StandMin);
    TekenSecondenwijzer(klok.StandSec);
}

// The hands drawn as if the learner had set this one last: "?" puts the task's time on them.
void TForm1::ZetWijzerAlsLeerling(int wijzer, const Wijzerstand &stand)
{
    zetten.GekozenWijzer = wijzer;
    tekenWijzers(stand);
}

void TForm1::UurWijzerKnopMouseDown()
{
    kiesWijzer(UurWijzer);
}

void TForm1::MinutenWijzerKnopMouseDown()
{
    kiesWijzer(MinutenWijzer);
}

void TForm1::SecondenWijzerKnopMouseDown()
{
    kiesWijzer(SecondenWijzer);
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
    if (!magOpMerk(zetten.GekozenWijzer, zetten.AangewezenMinuut))
        return;
    const int stand = standOpMerk(zetten.GekozenWijzer, zetten.AangewezenMinuut);
    switch (zetten.GekozenWijzer) {
    case SecondenWijzer:
        tekenWijzers({klok.StandUur, klok.StandMin, stand});
        break;
    case MinutenWijzer:
        tekenWijzers({klok.StandUur, stand, klok.StandSec});
        break;
    case UurWijzer:
        // The hour hand keeps its hour as the mark it points at.
        zetten.AangewezenMinuut = stand;
        tekenWijzers({stand, klok.StandMin, klok.StandSec});
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
    const int stand = standVan(zetten.GekozenWijzer);
    return zetten.GekozenWijzer == UurWijzer ? merkVanUur(stand % 12) : stand;
}

void TForm1::M0Click()
{
    zetten.ZetModus = 0;
    tekenWijzers({klok.StandUur, klok.StandMin, klok.StandSec});
}
