#include "app/core/Names.h"
#include "handset/core/MarkRules.h"

#include <QTest>

// The window's face: centre (201, 289), radius 189; dots stand 171 out, numerals 179.
class TestMarkRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void merkBijPunt_data();
    void merkBijPunt();
    void magOpMerk_data();
    void magOpMerk();
    void merkNaStap_data();
    void merkNaStap();
};

namespace {
const FaceGeometry Face{201, 289, 189};

QPoint op(double positie, double afstand)
{
    const double hoek = positionAngle(positie);
    return {int(std::lround(Face.middenX - std::sin(hoek) * afstand)),
            int(std::lround(Face.middenY - std::cos(hoek) * afstand))};
}
}

void TestMarkRules::merkBijPunt_data()
{
    QTest::addColumn<QPoint>("punt");
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("merk"); // -1: no mark

    QTest::addRow("on_a_dot") << op(20, 171) << int(MinutenWijzer) << 20;
    QTest::addRow("on_a_numeral") << op(45, 179) << int(SecondenWijzer) << 45;
    QTest::addRow("seven_pixels_beside_a_dot") << op(20, 171) + QPoint(0, 7) << int(MinutenWijzer) << 20;
    QTest::addRow("just_short_of_halfway_to_the_next") << op(20.45, 171) << int(MinutenWijzer) << 20;
    QTest::addRow("just_past_halfway_to_the_next") << op(20.55, 171) << int(MinutenWijzer) << 21;
    QTest::addRow("left_of_12_wraps_to_0") << op(59.6, 175) << int(MinutenWijzer) << 0;
    QTest::addRow("hour_hand_to_the_nearest_hour") << op(37, 171) << int(UurWijzer) << 35;
    QTest::addRow("hour_hand_past_halfway") << op(38, 171) << int(UurWijzer) << 40;
    QTest::addRow("hour_hand_near_12_from_the_left") << op(57.6, 171) << int(UurWijzer) << 0;
    QTest::addRow("inner_edge_of_the_ring") << op(10, 189 - 30) << int(MinutenWijzer) << 10;
    QTest::addRow("among_the_knobs_is_no_mark") << op(10, 124) << int(MinutenWijzer) << -1;
    QTest::addRow("outer_edge_of_the_ring") << op(10, 189 + 6) << int(MinutenWijzer) << 10;
    QTest::addRow("beyond_the_face_is_no_mark") << op(10, 189 + 12) << int(MinutenWijzer) << -1;
    QTest::addRow("the_centre_is_no_mark") << QPoint(201, 289) << int(MinutenWijzer) << -1;
}

void TestMarkRules::merkBijPunt()
{
    QFETCH(QPoint, punt);
    QFETCH(int, wijzer);
    QFETCH(int, merk);

    const std::optional<int> gevonden = ::merkBijPunt(Face, punt, wijzer);
    QCOMPARE(gevonden.value_or(-1), merk);
}

void TestMarkRules::magOpMerk_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("merk");
    QTest::addColumn<int>("stand"); // -1: the hand may not land there

    QTest::addRow("hour_hand_on_an_hour_mark_takes_its_hour") << int(UurWijzer) << 35 << 7;
    QTest::addRow("hour_hand_on_the_12_is_hour_0") << int(UurWijzer) << 0 << 0;
    QTest::addRow("hour_hand_not_between_hours") << int(UurWijzer) << 36 << -1;
    QTest::addRow("minute_hand_on_any_mark") << int(MinutenWijzer) << 36 << 36;
    QTest::addRow("seconds_hand_on_the_last_mark") << int(SecondenWijzer) << 59 << 59;
    QTest::addRow("no_mark_beyond_the_face") << int(MinutenWijzer) << 60 << -1;
}

void TestMarkRules::magOpMerk()
{
    QFETCH(int, wijzer);
    QFETCH(int, merk);
    QFETCH(int, stand);

    QCOMPARE(::magOpMerk(wijzer, merk), stand >= 0);
    if (stand >= 0)
        QCOMPARE(standOpMerk(wijzer, merk), stand);
}

void TestMarkRules::merkNaStap_data()
{
    QTest::addColumn<int>("merk");
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("richting");
    QTest::addColumn<int>("naar");

    QTest::addRow("minute_hand_one_minute_on") << 20 << int(MinutenWijzer) << 1 << 21;
    QTest::addRow("seconds_hand_one_second_back") << 20 << int(SecondenWijzer) << -1 << 19;
    QTest::addRow("minute_hand_past_the_12") << 59 << int(MinutenWijzer) << 1 << 0;
    QTest::addRow("minute_hand_back_past_the_12") << 0 << int(MinutenWijzer) << -1 << 59;
    QTest::addRow("hour_hand_one_hour_on") << 35 << int(UurWijzer) << 1 << 40;
    QTest::addRow("hour_hand_back_past_the_12") << 0 << int(UurWijzer) << -1 << 55;
    QTest::addRow("hour_hand_between_marks_counts_from_its_hour") << 37 << int(UurWijzer) << 1 << 40;
}

void TestMarkRules::merkNaStap()
{
    QFETCH(int, merk);
    QFETCH(int, wijzer);
    QFETCH(int, richting);
    QFETCH(int, naar);

    QCOMPARE(::merkNaStap(merk, wijzer, richting), naar);
}

QTEST_GUILESS_MAIN(TestMarkRules)
#include "tst_markrules.moc"
