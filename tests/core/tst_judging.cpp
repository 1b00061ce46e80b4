#include "clock/core/TimeUnits.h"
#include "exercise/core/Judging.h"

#include <QTest>

class TestJudging : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typed_data();
    void typed();
    void expectedHour_data();
    void expectedHour();
    void hands_data();
    void hands();
};

void TestJudging::typed_data()
{
    QTest::addColumn<QString>("uur");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("sec");
    QTest::addColumn<int>("opgaveUur");
    QTest::addColumn<int>("opgaveMin");
    QTest::addColumn<int>("opgaveSec");
    QTest::addColumn<Notatie>("notatie");
    QTest::addColumn<bool>("uurFout");
    QTest::addColumn<bool>("minFout");
    QTest::addColumn<bool>("secFout");
    QTest::addColumn<bool>("juist");

    const QString none;
    QTest::addRow("twelve_for_task_0_15") << "12" << "15" << none << 0 << 15 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("zero_for_task_0_15") << "0" << "15" << none << 0 << 15 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("empty_hour_for_task_0") << none << "15" << none << 0 << 15 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("afternoon_typed_17") << "17" << "0" << none << 17 << 0 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("afternoon_typed_5") << "5" << "0" << none << 17 << 0 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("noon_typed_12") << "12" << "0" << none << 12 << 0 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("noon_typed_0") << "0" << "0" << none << 12 << 0 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("hours_only_ignores_minutes_and_seconds") << "3" << "xx" << "99" << 3 << 0 << 0 << NotatieUren << false << false << false << true;
    QTest::addRow("hours_only_wrong_hour") << "4" << "0" << "0" << 3 << 0 << 0 << NotatieUren << true << false << false << false;
    QTest::addRow("empty_minute_for_minute_0") << "4" << none << none << 4 << 0 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("empty_minute_for_minute_20") << "4" << none << none << 4 << 20 << 0 << NotatieUrenMinuten << false << true << false << false;
    QTest::addRow("blank_minute_is_not_empty") << "4" << " " << none << 4 << 0 << 0 << NotatieUrenMinuten << false << true << false << false;
    QTest::addRow("empty_hour_is_wrong") << none << "30" << none << 5 << 30 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("letters_in_hour") << "ab" << "30" << none << 5 << 30 << 0 << NotatieUrenMinuten << true << false << false << false;
    QTest::addRow("letters_in_minute") << "5" << "3o" << none << 5 << 30 << 0 << NotatieUrenMinuten << false << true << false << false;
    QTest::addRow("leading_zero_minute") << "5" << "05" << none << 5 << 5 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("leading_zero_hour") << "07" << "45" << none << 7 << 45 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("minus_zero_minute") << "5" << "-0" << none << 5 << 0 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("minutes_notation_ignores_seconds") << "4" << "30" << "zz" << 4 << 30 << 0 << NotatieUrenMinuten << false << false << false << true;
    QTest::addRow("full_notation_right") << "4" << "30" << "15" << 4 << 30 << 15 << NotatieUrenMinutenSeconden << false << false << false << true;
    QTest::addRow("full_notation_wrong_second") << "4" << "30" << "16" << 4 << 30 << 15 << NotatieUrenMinutenSeconden << false << false << true << false;
    QTest::addRow("full_notation_empty_second_0") << "4" << "30" << none << 4 << 30 << 0 << NotatieUrenMinutenSeconden << false << false << false << true;
    QTest::addRow("full_notation_all_wrong") << "1" << "2" << "3" << 4 << 30 << 15 << NotatieUrenMinutenSeconden << true << true << true << false;
}

void TestJudging::typed()
{
    QFETCH(QString, uur);
    QFETCH(QString, min);
    QFETCH(QString, sec);
    QFETCH(int, opgaveUur);
    QFETCH(int, opgaveMin);
    QFETCH(int, opgaveSec);
    QFETCH(Notatie, notatie);
    QFETCH(bool, uurFout);
    QFETCH(bool, minFout);
    QFETCH(bool, secFout);
    QFETCH(bool, juist);

    const TypedVerdict verdict = judgeTyped(uur, min, sec, {opgaveUur, opgaveMin, opgaveSec}, notatie);
    QCOMPARE(verdict.uurFout, uurFout);
    QCOMPARE(verdict.minFout, minFout);
    QCOMPARE(verdict.secFout, secFout);
    QCOMPARE(verdict.judgedMin, notatie != NotatieUren);
    QCOMPARE(verdict.judgedSec, notatie == NotatieUrenMinutenSeconden);
    QCOMPARE(verdict.juist(), juist);
}

void TestJudging::expectedHour_data()
{
    QTest::addColumn<int>("opgaveUur");
    QTest::addColumn<int>("expected");

    QTest::addRow("twelve_oclock_or_midnight") << 0 << 12;
    QTest::addRow("morning") << 5 << 5;
    QTest::addRow("noon") << 12 << 12;
    QTest::addRow("late_evening") << 23 << 23;
}

void TestJudging::expectedHour()
{
    QFETCH(int, opgaveUur);
    QFETCH(int, expected);

    QCOMPARE(Tijd::gelezenUur(opgaveUur), expected);
}

void TestJudging::hands_data()
{
    QTest::addColumn<int>("gezetUur");
    QTest::addColumn<int>("gezetMin");
    QTest::addColumn<int>("gezetSec");
    QTest::addColumn<int>("opgaveUur");
    QTest::addColumn<int>("opgaveMin");
    QTest::addColumn<int>("opgaveSec");
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<bool>("seconden");
    QTest::addColumn<bool>("uurGoed");
    QTest::addColumn<bool>("minGoed");
    QTest::addColumn<bool>("secGoed");
    QTest::addColumn<bool>("juist");

    QTest::addRow("afternoon_hand_on_5") << 5 << 0 << 0 << 17 << 0 << 0 << true << true << true << true << true << true;
    QTest::addRow("afternoon_hand_on_6") << 6 << 0 << 0 << 17 << 0 << 0 << true << true << false << true << true << false;
    QTest::addRow("morning_24h_hand_on_5") << 5 << 0 << 0 << 5 << 0 << 0 << true << true << true << true << true << true;
    QTest::addRow("noon_24h_hand_on_12") << 0 << 0 << 0 << 12 << 0 << 0 << true << true << true << true << true << true;
    QTest::addRow("midnight_24h_hand_on_12") << 0 << 0 << 0 << 0 << 0 << 0 << true << true << true << true << true << true;
    QTest::addRow("twelve_12h_hand_on_12") << 0 << 0 << 0 << 0 << 0 << 0 << false << true << true << true << true << true;
    QTest::addRow("twelve_12h_hand_on_11") << 11 << 0 << 0 << 0 << 0 << 0 << false << true << false << true << true << false;
    QTest::addRow("morning_12h_hand_on_7") << 7 << 30 << 0 << 7 << 30 << 0 << false << false << true << true << true << true;
    QTest::addRow("minute_judged_for_whole_hour") << 3 << 10 << 0 << 3 << 0 << 0 << false << true << true << false << true << false;
    QTest::addRow("minute_off_by_one") << 3 << 44 << 0 << 3 << 45 << 0 << false << true << true << false << true << false;
    QTest::addRow("seconds_off_not_judged") << 3 << 45 << 30 << 3 << 45 << 10 << false << false << true << true << true << true;
    QTest::addRow("seconds_on_wrong") << 3 << 45 << 30 << 3 << 45 << 10 << false << true << true << true << false << false;
    QTest::addRow("seconds_on_right") << 3 << 45 << 10 << 3 << 45 << 10 << false << true << true << true << true << true;
    QTest::addRow("everything_wrong") << 2 << 21 << 3 << 13 << 20 << 30 << true << true << false << false << false << false;
}

void TestJudging::hands()
{
    QFETCH(int, gezetUur);
    QFETCH(int, gezetMin);
    QFETCH(int, gezetSec);
    QFETCH(int, opgaveUur);
    QFETCH(int, opgaveMin);
    QFETCH(int, opgaveSec);
    QFETCH(bool, vierentwintig);
    QFETCH(bool, seconden);
    QFETCH(bool, uurGoed);
    QFETCH(bool, minGoed);
    QFETCH(bool, secGoed);
    QFETCH(bool, juist);

    const HandsVerdict verdict = judgeHands({gezetUur, gezetMin, gezetSec}, {opgaveUur, opgaveMin, opgaveSec},
                                            vierentwintig, seconden);
    QCOMPARE(verdict.uurGoed, uurGoed);
    QCOMPARE(verdict.minGoed, minGoed);
    QCOMPARE(verdict.secGoed, secGoed);
    QCOMPARE(verdict.secJudged, seconden);
    QCOMPARE(verdict.juist(), juist);
}

QTEST_GUILESS_MAIN(TestJudging)
#include "tst_judging.moc"
