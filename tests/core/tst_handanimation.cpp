#include "clock/core/HandAnimation.h"

#include <QTest>

namespace {

constexpr int MaxSteps = 200;

struct Run
{
    int stopStep = -1; // step whose result was true, -1 when it never arrived
    int hourArrives = -1;
    int minuteArrives = -1;
    int secondArrives = -1;
    bool handWentBack = false;
    HandAnimation end;
};

// Drives the animation as Timer3 would and notes when each hand first stands
// at its target; a hand must not leave its target once it got there.
Run drive(HandAnimation anim, int opgaveMin, int opgaveSec)
{
    Run run;
    const auto note = [&run](int &arrives, bool there, int step) {
        if (there && arrives < 0)
            arrives = step;
        else if (!there && arrives >= 0)
            run.handWentBack = true;
    };
    for (int step = 1; step <= MaxSteps && run.stopStep < 0; ++step) {
        const bool arrived = animationStep(anim, opgaveMin, opgaveSec);
        note(run.hourArrives, anim.uur == anim.doelUur, step);
        note(run.minuteArrives, anim.min == opgaveMin, step);
        note(run.secondArrives, anim.sec == opgaveSec, step);
        if (arrived)
            run.stopStep = step;
    }
    run.end = anim;
    return run;
}

} // namespace

class TestHandAnimation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
    void afternoonTaskHourFoldedAtFirstStep();
    void minuteOutOfRangeNeverArrives();
};

void TestHandAnimation::steps_data()
{
    QTest::addColumn<int>("uur");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("sec");
    QTest::addColumn<int>("doelUur");
    QTest::addColumn<int>("opgaveMin");
    QTest::addColumn<int>("opgaveSec");
    QTest::addColumn<int>("stopStep");
    QTest::addColumn<int>("hourArrives");
    QTest::addColumn<int>("minuteArrives");
    QTest::addColumn<int>("secondArrives");

    QTest::addRow("ten_50_30_to_two_05_00") << 10 << 50 << 30 << 2 << 5 << 0 << 30 << 4 << 15 << 30;
    QTest::addRow("task_hour_14_same_as_2") << 10 << 50 << 30 << 14 << 5 << 0 << 30 << 4 << 15 << 30;
    QTest::addRow("already_there") << 3 << 20 << 40 << 3 << 20 << 40 << 1 << 1 << 1 << 1;
    QTest::addRow("already_there_afternoon_task") << 3 << 20 << 40 << 15 << 20 << 40 << 1 << 1 << 1 << 1;
    QTest::addRow("longest_59_steps") << 0 << 1 << 1 << 0 << 0 << 0 << 59 << 1 << 59 << 59;
    QTest::addRow("hour_only_forward_1_to_0") << 1 << 0 << 0 << 0 << 0 << 0 << 11 << 11 << 1 << 1;
    QTest::addRow("hour_wraps_11_to_0") << 11 << 0 << 0 << 0 << 0 << 0 << 1 << 1 << 1 << 1;
    QTest::addRow("seconds_wrap_59_to_0") << 0 << 0 << 59 << 0 << 0 << 0 << 1 << 1 << 1 << 1;
    QTest::addRow("midnight_start_to_11_59_59") << 0 << 0 << 0 << 23 << 59 << 59 << 59 << 11 << 59 << 59;
}

void TestHandAnimation::steps()
{
    QFETCH(int, uur);
    QFETCH(int, min);
    QFETCH(int, sec);
    QFETCH(int, doelUur);
    QFETCH(int, opgaveMin);
    QFETCH(int, opgaveSec);
    QFETCH(int, stopStep);
    QFETCH(int, hourArrives);
    QFETCH(int, minuteArrives);
    QFETCH(int, secondArrives);

    const Run run = drive(HandAnimation{ uur, min, sec, doelUur }, opgaveMin, opgaveSec);
    QCOMPARE(run.stopStep, stopStep);
    QCOMPARE(run.hourArrives, hourArrives);
    QCOMPARE(run.minuteArrives, minuteArrives);
    QCOMPARE(run.secondArrives, secondArrives);
    QVERIFY(!run.handWentBack);
    QCOMPARE(run.end.uur, doelUur % 12);
    QCOMPARE(run.end.min, opgaveMin);
    QCOMPARE(run.end.sec, opgaveSec);
}

void TestHandAnimation::afternoonTaskHourFoldedAtFirstStep()
{
    HandAnimation anim{ 10, 50, 30, 14 };
    animationStep(anim, 5, 0);
    QCOMPARE(anim.doelUur, 2);
    QCOMPARE(anim.uur, 11);
    QCOMPARE(anim.min, 51);
    QCOMPARE(anim.sec, 31);
}

void TestHandAnimation::minuteOutOfRangeNeverArrives()
{
    HandAnimation anim{ 0, 58, 0, 0 };
    for (int step = 0; step < MaxSteps; ++step) {
        QVERIFY(!animationStep(anim, 60, 0));
        QVERIFY(anim.min >= 0 && anim.min <= 59);
    }
}

QTEST_GUILESS_MAIN(TestHandAnimation)
#include "tst_handanimation.moc"
