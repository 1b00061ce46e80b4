#include "app/core/Names.h"
#include "guide/core/Voorlezen.h"

#include <QTest>

class TestVoorlezen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wijzerWoorden_data();
    void wijzerWoorden();
    void wijzerplaatNoemtDeSecondenwijzerAlsHijTeZienIs();
    void oordeelWoorden_data();
    void oordeelWoorden();
};

void TestVoorlezen::wijzerWoorden_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("stand");
    QTest::addColumn<int>("standMin");
    QTest::addColumn<bool>("correctie");
    QTest::addColumn<QString>("woorden");

    QTest::addRow("hour_hand_on_its_numeral") << int(UurWijzer) << 7 << 0 << true << "op 7";
    QTest::addRow("hour_hand_follows_the_minutes") << int(UurWijzer) << 7 << 30 << true << "tussen 7 en 8";
    QTest::addRow("hour_hand_kept_on_the_hour") << int(UurWijzer) << 7 << 30 << false << "op 7";
    QTest::addRow("hour_0_is_the_12") << int(UurWijzer) << 0 << 0 << true << "op 12";
    QTest::addRow("afternoon_hour_on_the_dial") << int(UurWijzer) << 23 << 45 << true << "tussen 11 en 12";
    QTest::addRow("minute_hand_on_a_numeral") << int(MinutenWijzer) << 30 << 30 << true << "op 6";
    QTest::addRow("minute_hand_at_the_top") << int(MinutenWijzer) << 0 << 0 << true << "op 12";
    QTest::addRow("one_mark_past") << int(MinutenWijzer) << 31 << 31 << true << "1 streepje na de 6";
    QTest::addRow("marks_past_the_12") << int(SecondenWijzer) << 58 << 0 << true << "3 streepjes na de 11";
}

void TestVoorlezen::wijzerWoorden()
{
    QFETCH(int, wijzer);
    QFETCH(int, stand);
    QFETCH(int, standMin);
    QFETCH(bool, correctie);
    QFETCH(QString, woorden);

    QCOMPARE(::wijzerWoorden(Wijzer(wijzer), stand, standMin, correctie), woorden);
}

void TestVoorlezen::wijzerplaatNoemtDeSecondenwijzerAlsHijTeZienIs()
{
    QCOMPARE(wijzerplaatWoorden(7, 30, 0, true, false), QStringLiteral("kleine wijzer tussen 7 en 8, grote wijzer op 6"));
    QCOMPARE(wijzerplaatWoorden(7, 30, 5, true, true),
             QStringLiteral("kleine wijzer tussen 7 en 8, grote wijzer op 6, secondewijzer op 1"));
}

void TestVoorlezen::oordeelWoorden_data()
{
    using Delen = std::array<Antwoorddeel, 3>;
    QTest::addColumn<Delen>("delen");
    QTest::addColumn<QString>("woorden");

    const Antwoorddeel goed{true, false, {}}, nietBeoordeeld{false, true, QStringLiteral("9")};
    QTest::addRow("all_right") << Delen{goed, goed, goed} << "Goed.";
    QTest::addRow("parts_not_judged_are_not_told") << Delen{goed, nietBeoordeeld, nietBeoordeeld} << "Goed.";
    QTest::addRow("wrong_hand_without_value") << Delen{Antwoorddeel{true, true, {}}, goed, goed} << "Niet goed: het uur.";
    QTest::addRow("typed_parts_with_the_right_values")
        << Delen{Antwoorddeel{true, true, QStringLiteral("7")}, Antwoorddeel{true, true, QStringLiteral("30")}, goed}
        << "Niet goed: het uur is 7, de minuten zijn 30.";
    QTest::addRow("only_the_seconds") << Delen{goed, goed, Antwoorddeel{true, true, QStringLiteral("5")}}
                                      << "Niet goed: de seconden zijn 5.";
}

void TestVoorlezen::oordeelWoorden()
{
    using Delen = std::array<Antwoorddeel, 3>;
    QFETCH(Delen, delen);
    QFETCH(QString, woorden);

    QCOMPARE(::oordeelWoorden(delen), woorden);
}

QTEST_GUILESS_MAIN(TestVoorlezen)
#include "tst_voorlezen.moc"
