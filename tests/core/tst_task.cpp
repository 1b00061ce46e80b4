#include "exercise/core/RandomSource.h"
#include "exercise/core/Task.h"

#include <QSet>
#include <QTest>

#include <utility>

namespace {

// Hands out the scripted values and remembers which ranges were asked for.
class RecordingRandomSource final : public RandomSource
{
public:
    explicit RecordingRandomSource(QList<int> values) : m_script(std::move(values)) {}
    void reseed() override {}
    int below(int n) override
    {
        ranges.append(n);
        return m_script.below(n);
    }
    QList<int> ranges;

private:
    ScriptedRandomSource m_script;
};

constexpr int manyDraws = 6000;

} // namespace

class TestTask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levels_data();
    void levels();
    void hourNeverRepeats_data();
    void hourNeverRepeats();
    void consecutiveTasksDiffer();
    void minutesAndSecondsCoverTheirRange();
    void halfDayText_data();
    void halfDayText();
    void notation_data();
    void notation();
};

void TestTask::levels_data()
{
    QTest::addColumn<Niveau>("niveau");
    QTest::addColumn<Notatie>("notatie");
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<bool>("seconden");
    QTest::addColumn<int>("vorig");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("uur");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("sec");
    QTest::addColumn<QList<int>>("ranges");

    using L = QList<int>;
    QTest::addRow("hours") << Niveau::Uren << NotatieUren << false << true << 0 << L{5, 7, 9} << 5 << 0 << 0 << L{12};
    QTest::addRow("hours_full_notation") << Niveau::Uren << NotatieUrenMinutenSeconden << false << true << 0 << L{5, 7, 9} << 5 << 0 << 0 << L{12};
    QTest::addRow("half_hours_zero") << Niveau::HalveUren << NotatieUrenMinuten << false << true << 0 << L{5, 0} << 5 << 0 << 0 << L{12, 2};
    QTest::addRow("half_hours_thirty") << Niveau::HalveUren << NotatieUrenMinuten << false << true << 0 << L{5, 1} << 5 << 30 << 0 << L{12, 2};
    QTest::addRow("quarters_fifteen") << Niveau::Kwartieren << NotatieUrenMinuten << false << true << 0 << L{8, 1} << 8 << 15 << 0 << L{12, 4};
    QTest::addRow("quarters_forty_five") << Niveau::Kwartieren << NotatieUrenMinutenSeconden << false << true << 0 << L{8, 3, 50} << 8 << 45 << 0 << L{12, 4};
    QTest::addRow("minutes_all_parts") << Niveau::Minuten << NotatieUrenMinutenSeconden << false << true << 0 << L{4, 37, 42} << 4 << 37 << 42 << L{12, 60, 60};
    QTest::addRow("minutes_hours_notation") << Niveau::Minuten << NotatieUren << false << true << 0 << L{4, 37, 42} << 4 << 0 << 0 << L{12, 60, 60};
    QTest::addRow("minutes_minutes_notation") << Niveau::Minuten << NotatieUrenMinuten << false << true << 0 << L{4, 37, 42} << 4 << 37 << 0 << L{12, 60, 60};
    QTest::addRow("minutes_seconds_hand_off") << Niveau::Minuten << NotatieUrenMinutenSeconden << false << false << 0 << L{4, 37, 42} << 4 << 37 << 0 << L{12, 60};
    QTest::addRow("twenty_four_hours") << Niveau::Uren << NotatieUren << true << true << 0 << L{17} << 17 << 0 << 0 << L{24};
    QTest::addRow("twenty_four_hours_minutes") << Niveau::Minuten << NotatieUrenMinutenSeconden << true << true << 0 << L{23, 59, 0} << 23 << 59 << 0 << L{24, 60, 60};
    QTest::addRow("previous_hour_drawn_again") << Niveau::Kwartieren << NotatieUrenMinuten << false << true << 6 << L{6, 6, 9, 2} << 9 << 30 << 0 << L{12, 12, 12, 4};
    QTest::addRow("first_task_hour_zero_redrawn") << Niveau::Uren << NotatieUren << false << true << 0 << L{0, 11} << 11 << 0 << 0 << L{12, 12};
    QTest::addRow("afternoon_previous_allows_zero") << Niveau::Uren << NotatieUren << false << true << 15 << L{0} << 0 << 0 << 0 << L{12};
    QTest::addRow("unfitting_script_value_wraps") << Niveau::Minuten << NotatieUrenMinuten << true << false << 0 << L{29, 75} << 5 << 15 << 0 << L{24, 60};
}

void TestTask::levels()
{
    QFETCH(Niveau, niveau);
    QFETCH(Notatie, notatie);
    QFETCH(bool, vierentwintig);
    QFETCH(bool, seconden);
    QFETCH(int, vorig);
    QFETCH(QList<int>, script);
    QFETCH(int, uur);
    QFETCH(int, min);
    QFETCH(int, sec);
    QFETCH(QList<int>, ranges);

    RecordingRandomSource random(script);
    const Opgave opgave = trekOpgave({niveau, notatie, vierentwintig, seconden}, vorig, random);
    QCOMPARE(opgave.uur, uur);
    QCOMPARE(opgave.min, min);
    QCOMPARE(opgave.sec, sec);
    QCOMPARE(random.ranges, ranges);
}

void TestTask::hourNeverRepeats_data()
{
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<int>("vorig");
    QTest::addColumn<int>("possibleHours");

    QTest::addRow("twelve_after_start") << false << 0 << 11;
    QTest::addRow("twelve_after_five") << false << 5 << 11;
    QTest::addRow("twelve_after_eleven") << false << 11 << 11;
    QTest::addRow("twelve_after_afternoon_task") << false << 17 << 12;
    QTest::addRow("twenty_four_after_start") << true << 0 << 23;
    QTest::addRow("twenty_four_after_noon") << true << 12 << 23;
    QTest::addRow("twenty_four_after_twenty_three") << true << 23 << 23;
}

void TestTask::hourNeverRepeats()
{
    QFETCH(bool, vierentwintig);
    QFETCH(int, vorig);
    QFETCH(int, possibleHours);

    SeededRandomSource random(20240501);
    TaakInstellingen instellingen;
    instellingen.vierentwintigUren = vierentwintig;
    const int range = vierentwintig ? 24 : 12;
    QSet<int> seen;
    for (int i = 0; i < manyDraws; ++i) {
        const int uur = trekOpgave(instellingen, vorig, random).uur;
        QVERIFY(uur != vorig);
        QVERIFY(uur >= 0 && uur < range);
        seen.insert(uur);
    }
    QCOMPARE(seen.size(), possibleHours);
}

void TestTask::consecutiveTasksDiffer()
{
    SeededRandomSource random(7);
    const TaakInstellingen instellingen{Niveau::Kwartieren, NotatieUrenMinuten, true, true};
    int vorig = 0;
    for (int i = 0; i < manyDraws; ++i) {
        const int uur = trekOpgave(instellingen, vorig, random).uur;
        QVERIFY(uur != vorig);
        vorig = uur;
    }
}

void TestTask::minutesAndSecondsCoverTheirRange()
{
    SeededRandomSource random(12345);
    const TaakInstellingen instellingen{Niveau::Minuten, NotatieUrenMinutenSeconden, false, true};
    QList<int> minuteCounts(60);
    QList<int> secondCounts(60);
    for (int i = 0; i < manyDraws; ++i) {
        const Opgave opgave = trekOpgave(instellingen, i % 12, random);
        ++minuteCounts[opgave.min];
        ++secondCounts[opgave.sec];
    }
    // About 100 each; a skewed draw would leave some far off.
    for (int value = 0; value < 60; ++value) {
        QVERIFY2(minuteCounts.at(value) > 50 && minuteCounts.at(value) < 150, qPrintable(QString::number(value)));
        QVERIFY2(secondCounts.at(value) > 50 && secondCounts.at(value) < 150, qPrintable(QString::number(value)));
    }
}

void TestTask::halfDayText_data()
{
    QTest::addColumn<int>("uur");
    QTest::addColumn<bool>("vierentwintig");
    QTest::addColumn<QString>("expected");

    QTest::addRow("midnight") << 0 << true << "In de voormiddag";
    QTest::addRow("last_morning_hour") << 11 << true << "In de voormiddag";
    QTest::addRow("noon") << 12 << true << "In de namiddag";
    QTest::addRow("evening") << 23 << true << "In de namiddag";
    QTest::addRow("twelve_hour_morning") << 3 << false << "";
    QTest::addRow("twelve_hour_zero") << 0 << false << "";
}

void TestTask::halfDayText()
{
    QFETCH(int, uur);
    QFETCH(bool, vierentwintig);
    QFETCH(QString, expected);

    QCOMPARE(voorMiddagNaMiddagText(uur, vierentwintig), expected);
}

void TestTask::notation_data()
{
    QTest::addColumn<Notatie>("chosen");
    QTest::addColumn<Niveau>("niveau");
    QTest::addColumn<Notatie>("expected");

    QTest::addRow("hours_only_whole_hours") << NotatieUren << Niveau::Uren << NotatieUren;
    QTest::addRow("hours_only_half_hours") << NotatieUren << Niveau::HalveUren << NotatieUrenMinuten;
    QTest::addRow("hours_only_quarters") << NotatieUren << Niveau::Kwartieren << NotatieUrenMinuten;
    QTest::addRow("hours_only_minutes") << NotatieUren << Niveau::Minuten << NotatieUren;
    QTest::addRow("minutes_half_hours") << NotatieUrenMinuten << Niveau::HalveUren << NotatieUrenMinuten;
    QTest::addRow("seconds_quarters") << NotatieUrenMinutenSeconden << Niveau::Kwartieren << NotatieUrenMinutenSeconden;
    QTest::addRow("seconds_whole_hours") << NotatieUrenMinutenSeconden << Niveau::Uren << NotatieUrenMinutenSeconden;
}

void TestTask::notation()
{
    QFETCH(Notatie, chosen);
    QFETCH(Niveau, niveau);
    QFETCH(Notatie, expected);

    QCOMPARE(effectiveNotation(chosen, niveau), expected);
}

QTEST_GUILESS_MAIN(TestTask)
#include "tst_task.moc"
