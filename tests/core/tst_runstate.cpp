// The run of an exercise as the design's state table gives it, with the sound behaviours
// chosen beside it: no run without an exercise, a countdown before a run, "Terug" during a
// countdown, and what each state shows.
#include "exercise/core/RunState.h"

#include <QTest>

namespace {
constexpr int DA = DigitaalNaarAnaloog;
constexpr int AD = AnaloogNaarDigitaal;
using A = Aftelling;

Run idle(A aftelling = A::Uit, bool timerVeld = true, int minuten = 0)
{
    return {RunState::Idle, GeenOefening, aftelling, timerVeld, minuten};
}

Run in(RunState state, int oefenType, A aftelling = A::Uit, int minuten = 0)
{
    return {state, oefenType, aftelling, true, minuten};
}

// The names of what shows, in the order of the table.
QString shown(const Zichtbaar &z)
{
    const std::pair<bool, const char *> parts[] = {
        {z.starters, "starters"},         {z.keuzePaneel, "keuze"},   {z.oefenPaneel, "oefening"},
        {z.uitslag, "uitslag"},           {z.aftelklok, "aftelklok"}, {z.stopKnop, "stop"},
        {z.instellingenKnop, "instellingenknop"}, {z.instellingen, "instellingen"}, {z.timerVeld, "timer"},
        {z.startKnop, "start"}};
    QStringList names;
    for (const auto &[on, name] : parts)
        if (on)
            names << QLatin1String(name);
    return names.join(u' ');
}
} // namespace

Q_DECLARE_METATYPE(Run)
Q_DECLARE_METATYPE(RunEvent)

class TestRunState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transitions_data();
    void transitions();
    void shownInState_data();
    void shownInState();
    void handsFollowTheClockOnlyOutsideARun();
};

void TestRunState::transitions_data()
{
    QTest::addColumn<Run>("from");
    QTest::addColumn<RunEvent>("event");
    QTest::addColumn<Run>("to");
    using E = RunEvent;
    using S = RunState;

    // The design's table.
    QTest::addRow("idle_starter_digital_chooses") << idle() << E::KiesDigitaalNaarAnaloog << in(S::Choosing, DA);
    QTest::addRow("idle_starter_analog_chooses") << idle() << E::KiesAnaloogNaarDigitaal << in(S::Choosing, AD);
    QTest::addRow("choosing_ok_runs") << in(S::Choosing, DA) << E::KeuzeOk << in(S::Running, DA);
    QTest::addRow("choosing_terug_idle_without_timer_field") << in(S::Choosing, AD) << E::Stop << idle(A::Uit, false);
    QTest::addRow("running_instellingen_chooses") << in(S::Running, AD) << E::Instellingen << in(S::Choosing, AD);
    QTest::addRow("running_stop_idle") << in(S::Running, DA) << E::Stop << idle(A::Uit, false);
    QTest::addRow("running_start_timed") << in(S::Running, DA, A::Uit, 5) << E::Start << in(S::Timed, DA, A::Loopt, 5);
    QTest::addRow("timed_time_up_results") << in(S::Timed, AD, A::Loopt, 5) << E::TijdOm << in(S::Results, AD, A::Gestopt, 5);
    QTest::addRow("timed_reset_chooses") << in(S::Timed, AD, A::Loopt, 5) << E::Reset << in(S::Choosing, AD);
    QTest::addRow("results_reset_chooses") << in(S::Results, DA, A::Gestopt, 5) << E::Reset << in(S::Choosing, DA);
    // The exercise changes only in Idle; a control that does not show does nothing.
    QTest::addRow("choosing_has_no_starters") << in(S::Choosing, DA) << E::KiesAnaloogNaarDigitaal << in(S::Choosing, DA);
    QTest::addRow("timed_has_no_stop") << in(S::Timed, DA, A::Loopt) << E::Stop << in(S::Timed, DA, A::Loopt);
    QTest::addRow("timed_has_no_instellingen") << in(S::Timed, DA, A::Loopt) << E::Instellingen << in(S::Timed, DA, A::Loopt);
    QTest::addRow("no_start_without_minutes") << idle() << E::Start << idle();
    QTest::addRow("no_time_up_without_countdown") << in(S::Running, AD) << E::TijdOm << in(S::Running, AD);
    QTest::addRow("no_reset_without_countdown") << in(S::Choosing, AD) << E::Reset << in(S::Choosing, AD);
    // A countdown before a run.
    QTest::addRow("idle_start_counts_down") << idle(A::Uit, true, 3) << E::Start << idle(A::Loopt, true, 3);
    QTest::addRow("choosing_start_counts_down") << in(S::Choosing, AD, A::Uit, 3) << E::Start << in(S::Choosing, AD, A::Loopt, 3);
    QTest::addRow("counting_starter_chooses") << idle(A::Loopt, true, 3) << E::KiesDigitaalNaarAnaloog << in(S::Choosing, DA, A::Loopt, 3);
    QTest::addRow("counting_choice_ok_timed") << in(S::Choosing, DA, A::Loopt, 3) << E::KeuzeOk << in(S::Timed, DA, A::Loopt, 3);
    QTest::addRow("idle_countdown_time_up_results") << idle(A::Loopt, true, 3) << E::TijdOm << in(S::Results, GeenOefening, A::Gestopt, 3);
    // "Terug" stops a countdown but leaves its display and RESET standing.
    QTest::addRow("terug_leaves_countdown_standing") << in(S::Choosing, AD, A::Loopt, 3) << E::Stop << idle(A::Gestopt, false);
    QTest::addRow("left_countdown_starter_chooses") << idle(A::Gestopt, false) << E::KiesAnaloogNaarDigitaal << in(S::Choosing, AD, A::Gestopt);
    QTest::addRow("left_countdown_ok_timed") << in(S::Choosing, AD, A::Gestopt) << E::KeuzeOk << in(S::Timed, AD, A::Gestopt);
    // No run without an exercise: RESET without one returns to Idle.
    QTest::addRow("reset_without_exercise_idle") << idle(A::Loopt, true, 3) << E::Reset << idle();
    QTest::addRow("reset_after_terug_idle") << idle(A::Gestopt, false) << E::Reset << idle();
    QTest::addRow("results_without_exercise_reset_idle") << in(S::Results, GeenOefening, A::Gestopt, 3) << E::Reset << idle();
    QTest::addRow("idle_ok_starts_nothing") << idle() << E::KeuzeOk << idle();
    // START waits for the timer field to be read again after "Instellingen".
    QTest::addRow("instellingen_waits_for_minutes") << in(S::Running, DA, A::Uit, 5) << E::Instellingen << in(S::Choosing, DA);
}

void TestRunState::transitions()
{
    QFETCH(Run, from);
    QFETCH(RunEvent, event);
    QFETCH(Run, to);

    const Run next = volgende(from, event);
    QCOMPARE(int(next.state), int(to.state));
    QCOMPARE(next.OefenType, to.OefenType);
    QCOMPARE(int(next.aftelling), int(to.aftelling));
    QCOMPARE(next.timerVeldInRust, to.timerVeldInRust);
    QCOMPARE(next.aftelMinuten, to.aftelMinuten);
}

void TestRunState::shownInState_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<QString>("shown");
    using S = RunState;

    QTest::addRow("idle_at_start") << idle() << "starters stop instellingen timer";
    QTest::addRow("idle_with_minutes") << idle(A::Uit, true, 5) << "starters stop instellingen timer start";
    QTest::addRow("idle_after_stop") << idle(A::Uit, false) << "starters stop instellingen";
    QTest::addRow("idle_counting_down") << idle(A::Loopt, true, 5) << "starters aftelklok";
    QTest::addRow("idle_countdown_left_by_terug") << idle(A::Gestopt, false) << "starters aftelklok instellingen";
    QTest::addRow("choosing") << in(S::Choosing, DA, A::Uit, 5) << "keuze stop instellingen timer start";
    QTest::addRow("choosing_counting_down") << in(S::Choosing, DA, A::Loopt, 5) << "keuze aftelklok";
    QTest::addRow("running") << in(S::Running, AD) << "oefening stop instellingenknop";
    QTest::addRow("running_with_minutes") << in(S::Running, AD, A::Uit, 5) << "oefening stop instellingenknop start";
    QTest::addRow("timed") << in(S::Timed, AD, A::Loopt, 5) << "oefening aftelklok";
    QTest::addRow("results") << in(S::Results, AD, A::Gestopt, 5) << "uitslag aftelklok";
}

void TestRunState::shownInState()
{
    QFETCH(Run, run);
    QFETCH(QString, shown);

    QCOMPARE(::shown(zichtbaar(run)), shown);
}

void TestRunState::handsFollowTheClockOnlyOutsideARun()
{
    for (RunState state : {RunState::Idle, RunState::Choosing})
        QVERIFY(klokLoopt(in(state, DA)));
    for (RunState state : {RunState::Running, RunState::Timed, RunState::Results})
        QVERIFY(!klokLoopt(in(state, DA)));
}

QTEST_GUILESS_MAIN(TestRunState)
#include "tst_runstate.moc"
