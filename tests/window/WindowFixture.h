#pragma once
// What every window test shares: the main window on a clock standing at 17 May 2024,
// 10:08:30, its random draws fixed (a seed, or a script of draws), its timers ticking only
// when a test calls their handlers; the face as the design measures it; and the gestures of
// a learner: clicking named controls, starting an exercise, typing, entering minutes,
// pointing at marks and setting hands, reading hands and colours back.
#include "DesignColours.h"
#include "app/Unit1.h"
#include "clock/core/Clock.h"
#include "clock/core/ClockState.h"
#include "clock/core/FaceGeometry.h"
#include "clock/core/HandRules.h"
#include "clock/core/TimeUnits.h"
#include "exercise/core/ExerciseState.h"
#include "exercise/core/Levels.h"
#include "exercise/core/RandomSource.h"
#include "exercise/core/RunState.h"
#include "exercise/core/Task.h"
#include "handset/core/HandSetState.h"

#include <QApplication>
#include <QtTest>

#include <cmath>
#include <memory>

// The tests' one way to write the window's state, for a case that starts from a state no
// learner can reach quickly; everything else goes through the controls.
class TForm1Probe
{
public:
    explicit TForm1Probe(TForm1 &form) : m_form(form) {}
    KlokToestand &klok() { return m_form.klok; }
    WijzerZetten &zetten() { return m_form.zetten; }
    Run &run() { return m_form.run; }
    Oefening &oefening() { return m_form.oefening; }

private:
    TForm1 &m_form;
};

namespace WindowFixture {

// Outer size 805 x 642: centre 201, 289 and radius 189.
constexpr int MiddenX = 201;
constexpr int MiddenY = 289;

// Hand lengths from the centre: radius - 23, - 50 and - 70.
constexpr int SecondsLength = 166;
constexpr int MinuteLength = 139;
constexpr int HourLength = 119;

using DesignColour::Background;
using DesignColour::Black;
using DesignColour::Blue;
using DesignColour::Green;
using DesignColour::Red;
using DesignColour::White;
using DesignColour::Yellow;

inline QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second));
}

// The window's timers keep running, but their ticks reach it only when a test calls the
// handler: a tick that came after real time had passed would make a test's outcome depend
// on how busy the machine is.
inline void holdTimers(TForm1 &form)
{
    for (QTimer *timer : {form.Timer1, form.Timer2, form.Timer3})
        timer->blockSignals(true);
}

// Without a script the draws come from seed 1. A script is used round and round.
inline std::shared_ptr<RandomSource> draws(const QList<int> &script)
{
    if (script.isEmpty())
        return std::make_shared<SeededRandomSource>(1);
    return std::make_shared<ScriptedRandomSource>(script);
}

// What the named choices, clicked on a fresh window, tell the drawing of a task. The notation
// drops nothing here: a row states the whole task drawn.
inline TaakInstellingen settingsAfter(const QStringList &keuzes)
{
    TaakInstellingen instellingen;
    for (const NiveauRij &rij : niveaus()) {
        if (keuzes.contains(QLatin1String(rij.knop)))
            instellingen.niveau = rij.niveau;
    }
    instellingen.notatieStijl = NotatieUrenMinutenSeconden;
    instellingen.vierentwintigUren = keuzes.contains(QStringLiteral("VierentwintigUren"));
    instellingen.secondenAan = !keuzes.contains(QStringLiteral("SecondenAan")); // a click takes it off
    return instellingen;
}

// The script of draws that gives these tasks in turn after the named choices, so that a row
// states the tasks it wants, not the order in which a task's parts are drawn: the hour, the
// minutes in the level's steps, then the seconds. Should the drawing change that order, the
// check below stops the run here, the one place to mend. The script goes round again after
// the last task; where that would draw the last hour over and over, a task one hour on
// comes between.
inline QList<int> drawsFor(const QStringList &keuzes, QList<Opgave> opgaven)
{
    const TaakInstellingen instellingen = settingsAfter(keuzes);
    const NiveauRij &niveau = niveauRij(instellingen.niveau);
    const int gevraagd = int(opgaven.size());
    if (!opgaven.isEmpty() && opgaven.first().uur == opgaven.last().uur)
        opgaven << Opgave{opgaven.last().uur + 1};
    QList<int> script;
    for (const Opgave &opgave : opgaven) {
        script << opgave.uur;
        if (niveau.minutenStap < Tijd::MinutenPerUur)
            script << opgave.min / niveau.minutenStap;
        if (instellingen.secondenAan && niveau.seconden)
            script << opgave.sec;
    }
    opgaven.resize(gevraagd);
    ScriptedRandomSource bron(script);
    int vorigUur = Oefening().VorigOpgaveUur;
    for (const Opgave &opgave : opgaven) {
        const Opgave getrokken = trekOpgave(instellingen, vorigUur, bron);
        if (getrokken.uur != opgave.uur || getrokken.min != opgave.min || getrokken.sec != opgave.sec)
            qFatal("drawsFor: no script draws %d:%02d:%02d here", opgave.uur, opgave.min, opgave.sec);
        vorigUur = getrokken.uur;
    }
    return script;
}

struct Window
{
    explicit Window(const QList<int> &script = {})
        : clock(std::make_shared<FixedClock>(at(10, 8, 30))), form(clock, draws(script))
    {
        holdTimers(form);
    }

    std::shared_ptr<FixedClock> clock;
    TForm1 form;
};

// Shown and active, so the focus moves as it does for a learner.
inline bool showActive(TForm1 &form)
{
    form.show();
    return QTest::qWaitForWindowActive(&form);
}

// The sets of radios of which exactly one is selected: dial, numerals, level and notation.
inline QList<QList<QRadioButton *>> radioSets(const TForm1 &form)
{
    return {{form.TwaalfUren, form.VierentwintigUren},
            {form.Cijfers, form.Punten, form.Romeins},
            {form.UrenAan, form.HalveUrenAan, form.KwartierenAan, form.MinutenAan},
            {form.Notitie1, form.Notitie2, form.Notitie3}};
}

inline void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

// A click on a control of the window named as in the layout (a radio button, a check box).
inline void clickNamed(TForm1 &form, const QString &name)
{
    QWidget *w = form.findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    click(w);
}

// Selects a radio button or ticks a check box by name without a click, so no handler runs.
inline void choose(TForm1 &form, const QString &name)
{
    form.findChild<QAbstractButton *>(name)->setChecked(true);
}

inline void clickStarter(TForm1 &form, int oefenType)
{
    click(oefenType == DigitaalNaarAnaloog ? form.DigitaalAnaloog : form.AnaloogDigitaal);
}

// Opens the choice panel with a starter, clicks the named choices and settings, presses OK.
inline void startExercise(TForm1 &form, int oefenType, const QStringList &choices = {})
{
    clickStarter(form, oefenType);
    for (const QString &name : choices)
        clickNamed(form, name);
    click(form.KeuzePaneelOkKnop);
}

inline void typeKeys(QLineEdit *field, const QString &text)
{
    QTest::keyClicks(field, text);
}

// Selects the field's whole text and types over it.
inline void replaceText(QLineEdit *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Clicks into the field first, as a learner does before typing.
inline void typeInto(QLineEdit *field, const QString &text)
{
    click(field);
    replaceText(field, text);
}

// A key goes to the control with the keyboard focus, as on a real keyboard.
inline void pressKey(QWidget &window, Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && window.isAncestorOf(focus) ? focus : &window, key);
}

// Tab takes the focus on to the next control, so the timer field is left.
inline void enterMinutes(TForm1 &form, const QString &text)
{
    typeInto(form.TimerMinuten, text);
    QTest::keyClick(form.TimerMinuten, Qt::Key_Tab);
}

enum class Stage { Idle, Choosing, Running };

// Minutes entered in Idle, in the choice panel of the analog-to-digital exercise, or there
// and then OK: its run in whole hours.
inline void reach(TForm1 &form, Stage stage, const QString &minutes)
{
    if (stage != Stage::Idle)
        clickStarter(form, AnaloogNaarDigitaal);
    enterMinutes(form, minutes);
    if (stage == Stage::Running)
        click(form.KeuzePaneelOkKnop);
}

// Types the task's hour, or an hour no task has, and presses OK; the learner types 12 for hour 0.
inline void answer(TForm1 &form, bool right)
{
    const int hour = form.oefenToestand().OpgaveUur == 0 ? 12 : form.oefenToestand().OpgaveUur;
    typeInto(form.UurInvoerVeld, right ? QString::number(hour) : QStringLiteral("99"));
    click(form.ADOkKnop);
}

// Answers the task with OK and a fresh task comes, so a test can reach a task that the
// first draw of a run cannot give (hour 0).
inline void skipTasks(TForm1 &form, int count)
{
    for (int i = 0; i < count; ++i)
        click(form.ADOkKnop);
}

// The pointer over a place of the mark that no other control covers; it comes from the
// middle of the face, so every call is a real move.
inline bool pointAt(TForm1 &form, int mark)
{
    QWidget *m = form.MinuutMerken[mark];
    QTest::mouseMove(&form, QPoint(form.klokToestand().MiddenX, form.klokToestand().MiddenY));
    const QRect r = m->geometry();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (form.childAt(x, y) == m) {
                QTest::mouseMove(m, m->mapFrom(&form, QPoint(x, y)));
                return true;
            }
    return false;
}

// Pick the hand up by its knob, point it at the mark and put it down there.
inline bool setHand(TForm1 &form, ShapeKnob *knob, int mark)
{
    click(knob);
    if (!pointAt(form, mark))
        return false;
    click(form.MinuutMerken[mark]);
    return true;
}

// Ticks of the hand animation, as long as its timer runs: a stopped timer sends none.
inline void tickAnimation(TForm1 &form, int ticks)
{
    for (int i = 0; i < ticks && form.Timer3->isActive(); ++i)
        form.Timer3Timer();
}

// Position p of the 60-step scale at distance d from the centre, each coordinate cut towards zero.
inline QPoint facePoint(double position, int distance)
{
    const double angle = 3.14159265358979323846 / 180.0 * 6.0 * -position;
    return {MiddenX - static_cast<int>(std::sin(angle) * distance),
            MiddenY - static_cast<int>(std::cos(angle) * distance)};
}

inline QColor pixelAt(const TForm1 &form, const QPoint &point)
{
    return form.surface().pixelColor(point);
}

// A one-pixel line at a slant may pass beside the point computed on it.
inline bool inkNear(const TForm1 &form, const QPoint &point, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (pixelAt(form, point + QPoint(dx, dy)) == colour)
                return true;
    return false;
}

// Whether the hand from the centre to its end point shows in the colour along its middle part.
inline bool handIn(const TForm1 &form, const QPoint &end, const QColor &colour)
{
    const QPoint middle(form.klokToestand().MiddenX, form.klokToestand().MiddenY);
    for (int tenth = 3; tenth <= 7; ++tenth)
        if (!inkNear(form, middle + (end - middle) * tenth / 10, colour))
            return false;
    return true;
}

inline QColor markColour(const TForm1 &form, int minute)
{
    return form.MinuutMerken[minute]->palette().color(QPalette::WindowText);
}

inline QColor backgroundOf(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

inline QColor textColourOf(const QWidget *w)
{
    return w->palette().color(QPalette::Text);
}

} // namespace WindowFixture

Q_DECLARE_METATYPE(WindowFixture::Stage)
