// How each hand looks from the exercise state alone: colour and knob, and the seconds hand's
// own rules by level, notation and the choice panel; and when the live clock ticks on.
#include "clock/core/HandRules.h"

#include <QTest>

Q_DECLARE_METATYPE(HandKleur)

namespace {
constexpr int DA = DigitaalNaarAnaloog;
constexpr int AD = AnaloogNaarDigitaal;
using K = HandKleur;
} // namespace

class TestHandRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hands_data();
    void hands();
    void secondsHand_data();
    void secondsHand();
    void liveClock_data();
    void liveClock();
};

void TestHandRules::hands_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<bool>("fout");
    QTest::addColumn<int>("oefenType");
    QTest::addColumn<int>("zetModus");
    QTest::addColumn<int>("gekozen");
    QTest::addColumn<bool>("controle");
    QTest::addColumn<HandKleur>("kleur");
    QTest::addColumn<bool>("knop");

    QTest::addRow("live_clock_black_no_knob") << int(UurWijzer) << false << int(GeenOefening) << 0 << int(GeenWijzer) << false << K::Zwart << false;
    QTest::addRow("setting_hands_knob_shows") << int(MinutenWijzer) << false << DA << 0 << int(GeenWijzer) << false << K::Zwart << true;
    QTest::addRow("picked_up_hand_yellow") << int(MinutenWijzer) << false << DA << 1 << int(MinutenWijzer) << false << K::Geel << true;
    QTest::addRow("other_hand_stays_black") << int(UurWijzer) << false << DA << 1 << int(MinutenWijzer) << false << K::Zwart << true;
    QTest::addRow("put_down_hand_black") << int(MinutenWijzer) << false << DA << 0 << int(MinutenWijzer) << false << K::Zwart << true;
    QTest::addRow("question_right_green") << int(UurWijzer) << false << AD << 0 << int(GeenWijzer) << true << K::Groen << false;
    QTest::addRow("question_wrong_red") << int(SecondenWijzer) << true << AD << 0 << int(GeenWijzer) << true << K::Rood << false;
    QTest::addRow("typing_without_question_black") << int(UurWijzer) << true << AD << 0 << int(GeenWijzer) << false << K::Zwart << false;
    QTest::addRow("question_colours_only_typed_answers") << int(UurWijzer) << true << DA << 1 << int(UurWijzer) << true << K::Geel << true;
}

void TestHandRules::hands()
{
    QFETCH(int, wijzer);
    QFETCH(bool, fout);
    QFETCH(int, oefenType);
    QFETCH(int, zetModus);
    QFETCH(int, gekozen);
    QFETCH(bool, controle);
    QFETCH(HandKleur, kleur);
    QFETCH(bool, knop);

    const HandBeeld beeld = handBeeld(Wijzer(wijzer), fout, {oefenType, zetModus, gekozen, controle});
    QCOMPARE(beeld.kleur, kleur);
    QCOMPARE(beeld.knop, knop);
}

void TestHandRules::secondsHand_data()
{
    QTest::addColumn<bool>("secondenAan");
    QTest::addColumn<Niveau>("niveau");
    QTest::addColumn<Notatie>("notatie");
    QTest::addColumn<bool>("keuze");
    QTest::addColumn<int>("oefenType");
    // what the rules say for a hand asked to point at 40
    QTest::addColumn<bool>("getekend");
    QTest::addColumn<int>("richting");
    QTest::addColumn<int>("stand");
    QTest::addColumn<HandKleur>("kleur");
    QTest::addColumn<bool>("knop");
    QTest::addColumn<bool>("veldWeg");

    const Niveau uren = Niveau::Uren, kwartieren = Niveau::Kwartieren, alles = Niveau::Minuten;
    const Notatie u = NotatieUren, um = NotatieUrenMinuten, ums = NotatieUrenMinutenSeconden;
    QTest::addRow("live_clock_points") << true << uren << u << false << int(GeenOefening) << true << 40 << 40 << K::Zwart << false << false;
    QTest::addRow("switched_off_draws_nothing") << false << alles << ums << false << int(GeenOefening) << false << 0 << 40 << K::Weg << false << false;
    QTest::addRow("typing_all_times_points") << true << alles << ums << false << AD << true << 40 << 40 << K::Zwart << false << false;
    QTest::addRow("typing_whole_hours_hides_with_field") << true << uren << ums << false << AD << true << 40 << 0 << K::Weg << false << true;
    QTest::addRow("typing_quarters_hides_with_field") << true << kwartieren << um << false << AD << true << 40 << 0 << K::Weg << false << true;
    QTest::addRow("typing_quarters_black_while_choosing") << true << kwartieren << um << true << AD << true << 40 << 40 << K::Zwart << false << true;
    QTest::addRow("setting_full_notation_with_knob") << true << alles << ums << false << DA << true << 40 << 40 << K::Zwart << true << false;
    QTest::addRow("setting_hours_only_parks_at_zero") << true << alles << u << false << DA << true << 0 << 0 << K::Weg << false << false;
    QTest::addRow("setting_minutes_parks_at_zero") << true << alles << um << false << DA << true << 0 << 0 << K::Weg << false << false;
    QTest::addRow("setting_parks_even_when_off") << false << alles << u << false << DA << true << 0 << 0 << K::Weg << false << false;
    QTest::addRow("hours_only_shows_while_choosing") << true << alles << u << true << DA << true << 40 << 40 << K::Zwart << true << false;
}

void TestHandRules::secondsHand()
{
    QFETCH(bool, secondenAan);
    QFETCH(Niveau, niveau);
    QFETCH(Notatie, notatie);
    QFETCH(bool, keuze);
    QFETCH(int, oefenType);
    QFETCH(bool, getekend);
    QFETCH(int, richting);
    QFETCH(int, stand);
    QFETCH(HandKleur, kleur);
    QFETCH(bool, knop);
    QFETCH(bool, veldWeg);

    const SecondenBeeld seconden = secondenBeeld(40, secondenAan, niveau, notatie, keuze, false, {oefenType});
    QCOMPARE(seconden.getekend, getekend);
    if (getekend)
        QCOMPARE(seconden.richting, richting);
    QCOMPARE(seconden.stand, stand);
    QCOMPARE(seconden.beeld.kleur, kleur);
    QCOMPARE(seconden.beeld.knop, knop);
    QCOMPARE(seconden.volgtS, secondenAan);
    QCOMPARE(seconden.veldVerbergen, veldWeg);
}

void TestHandRules::liveClock_data()
{
    QTest::addColumn<int>("oefenType");
    QTest::addColumn<bool>("keuze");
    QTest::addColumn<bool>("tikt");

    QTest::addRow("idle_ticks") << int(GeenOefening) << false << true;
    QTest::addRow("typing_keeps_the_digital_clock") << AD << false << true;
    QTest::addRow("setting_hands_stands_still") << DA << false << false;
    QTest::addRow("choice_panel_ticks_again") << DA << true << true;
}

void TestHandRules::liveClock()
{
    QFETCH(int, oefenType);
    QFETCH(bool, keuze);
    QFETCH(bool, tikt);

    QCOMPARE(liveKlokTikt(oefenType, keuze), tikt);
}

QTEST_GUILESS_MAIN(TestHandRules)
#include "tst_handrules.moc"
