#include "exercise/core/Boekhouding.h"

#include <QTest>

class TestBoekhouding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void score_data();
    void score();
    void aftelStap_data();
    void aftelStap();
    void tijdOmScoortHetStaandeAntwoordNiet();
    void opgaveOnthoudtHaarUur();
};

enum class Zet { Goed, Fout, Wis };
Q_DECLARE_METATYPE(Zet)

void TestBoekhouding::score_data()
{
    QTest::addColumn<QList<Zet>>("zetten");
    QTest::addColumn<int>("behaald");
    QTest::addColumn<int>("maximum");

    QTest::addRow("right_scores_a_point_of_one") << QList{Zet::Goed} << 1 << 1;
    QTest::addRow("wrong_counts_the_task_only") << QList{Zet::Fout} << 0 << 1;
    QTest::addRow("points_add_up") << QList{Zet::Goed, Zet::Fout, Zet::Goed} << 2 << 3;
    QTest::addRow("reset_clears_the_score") << QList{Zet::Goed, Zet::Goed, Zet::Wis} << 0 << 0;
    QTest::addRow("scoring_goes_on_after_a_reset") << QList{Zet::Goed, Zet::Wis, Zet::Fout} << 0 << 1;
}

void TestBoekhouding::score()
{
    QFETCH(QList<Zet>, zetten);
    QFETCH(int, behaald);
    QFETCH(int, maximum);

    Oefening oefening;
    for (Zet zet : zetten) {
        if (zet == Zet::Wis)
            wisScore(oefening);
        else
            scoor(oefening, zet == Zet::Goed);
    }
    QCOMPARE(oefening.BehaaldePunten, behaald);
    QCOMPARE(oefening.MaximumPunten, maximum);
}

void TestBoekhouding::aftelStap_data()
{
    QTest::addColumn<qint64>("naEind"); // ms past the end at this look; negative: before it
    QTest::addColumn<bool>("tijdOm");
    QTest::addColumn<qint64>("restMs");

    QTest::addRow("a_minute_before_the_end") << qint64(-60000) << false << qint64(60000);
    QTest::addRow("at_the_end_the_last_second_shows") << qint64(0) << false << qint64(0);
    QTest::addRow("a_millisecond_past_the_end_is_time_up") << qint64(1) << true << qint64(0);
}

void TestBoekhouding::aftelStap()
{
    QFETCH(qint64, naEind);
    QFETCH(bool, tijdOm);
    QFETCH(qint64, restMs);

    const QDateTime eind(QDate(2026, 12, 8), QTime(23, 59, 0));
    const QDateTime nu = eind.addMSecs(naEind);
    const AftelStap stap = ::aftelStap({eind, {}, nu.addMSecs(-500)}, nu);
    QCOMPARE(stap.tijdOm, tijdOm);
    QCOMPARE(stap.restMs, restMs);
    QCOMPARE(stap.eind, eind);
}

// The answer standing at time-up is judged for the learner to see; the result is the score
// as it was.
void TestBoekhouding::tijdOmScoortHetStaandeAntwoordNiet()
{
    Oefening oefening;
    scoor(oefening, true);
    scoor(oefening, false);
    oefening.OpgaveJuist = 1;
    const Uitslag u = uitslag(oefening, QLocale(QLocale::Dutch));
    QCOMPARE(u.behaald, 1);
    QCOMPARE(u.maximum, 2);
    QVERIFY(u.procent.has_value());
    QCOMPARE(uitslag(Oefening{}, QLocale(QLocale::Dutch)).procent, std::nullopt);
}

void TestBoekhouding::opgaveOnthoudtHaarUur()
{
    Oefening oefening;
    neemOpgave(oefening, {7, 30, 15});
    QCOMPARE(oefening.OpgaveUur, 7);
    QCOMPARE(oefening.OpgaveMin, 30);
    QCOMPARE(oefening.OpgaveSec, 15);
    QCOMPARE(oefening.VorigOpgaveUur, 7);
}

QTEST_GUILESS_MAIN(TestBoekhouding)
#include "tst_boekhouding.moc"
