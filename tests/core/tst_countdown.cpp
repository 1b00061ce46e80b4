#include "exercise/core/Countdown.h"

#include <QTest>

namespace {
// A five-minute countdown started two minutes before midnight.
QDateTime lastLook()
{
    return QDateTime(QDate(2026, 12, 8), QTime(23, 58, 0));
}

QDateTime endOfCountdown()
{
    return lastLook().addSecs(5LL * 60);
}
}

class TestCountdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endAfterClockChange_data();
    void endAfterClockChange();
};

void TestCountdown::endAfterClockChange_data()
{
    QTest::addColumn<QDateTime>("previous");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("expectedEnd");

    const QDateTime look = lastLook();
    const QDateTime end = endOfCountdown();
    QTest::addRow("a_second_on_keeps_the_end") << look << look.addSecs(1) << end;
    QTest::addRow("the_clock_standing_still_keeps_the_end") << look << look << end;
    QTest::addRow("hours_on_past_the_end_keeps_it") << look << look.addSecs(3LL * 3600) << end;
    QTest::addRow("set_back_an_hour_moves_it_back_an_hour") << look << look.addSecs(-3600) << end.addSecs(-3600);
    QTest::addRow("set_back_a_millisecond") << look << look.addMSecs(-1) << end.addMSecs(-1);
    QTest::addRow("set_back_two_days_over_midnight") << look << look.addDays(-2) << end.addDays(-2);
    QTest::addRow("no_earlier_look_keeps_the_end") << QDateTime() << look.addSecs(-3600) << end;
}

void TestCountdown::endAfterClockChange()
{
    QFETCH(QDateTime, previous);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, expectedEnd);

    const QDateTime moved = countdownEndAfter(endOfCountdown(), previous, now);
    QCOMPARE(moved, expectedEnd);
    if (previous.isValid())
        QVERIFY(now.msecsTo(moved) <= previous.msecsTo(endOfCountdown())); // never more left than at the last look
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
