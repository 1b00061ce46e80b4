// The three hands as lines on the window surface: their length, colour, knob and mark
// highlight, and what erasing leaves behind.
#include "WindowFixture.h"

#include <limits>

using namespace WindowFixture;

namespace {

enum Hand { Seconds, Minute, Hour };

// Draws a hand at a position of the 60-step scale (the hour hand at position / 5).
void draw(TForm1 &form, Hand hand, int position)
{
    if (hand == Seconds)
        form.TekenSecondenwijzer(position);
    else if (hand == Minute)
        form.TekenMinutenwijzer(position);
    else
        form.TekenUurwijzer(position / 5);
}

int lengthOf(Hand hand)
{
    return hand == Seconds ? SecondsLength : hand == Minute ? MinuteLength : HourLength;
}

} // namespace

Q_DECLARE_METATYPE(Hand)

class TestHands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void handDrawnAtItsLength_data();
    void handDrawnAtItsLength();
    void erasingLeavesBackground_data();
    void erasingLeavesBackground();
    void hourHand_data();
    void hourHand();
    void hourZeroAndTwelveDrawTheSame();
    void markHighlight_data();
    void markHighlight();
    void minuteHandLeavingHourMarkClearsItsHighlight();
    void exerciseColours_data();
    void exerciseColours();
    void secondsHandSwitchedOffOnlyErases();
    void erasingCutsGapIntoHandBeneath();

private:
    TForm1 &form() { return m_window->form; }

    std::unique_ptr<Window> m_window;
};

void TestHands::init()
{
    m_window = std::make_unique<Window>();
}

void TestHands::cleanup()
{
    m_window.reset();
}

void TestHands::handDrawnAtItsLength_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("beyond");

    // How far past the end the background shows again: the round caps of the wider pens.
    QTest::addRow("seconds_up") << Seconds << 0 << 2;
    QTest::addRow("seconds_right") << Seconds << 15 << 2;
    QTest::addRow("seconds_down") << Seconds << 30 << 2;
    QTest::addRow("seconds_left") << Seconds << 45 << 2;
    QTest::addRow("seconds_at_7") << Seconds << 7 << 2;
    QTest::addRow("minute_up") << Minute << 0 << 3;
    QTest::addRow("minute_right") << Minute << 15 << 3;
    QTest::addRow("minute_down") << Minute << 30 << 3;
    QTest::addRow("minute_left") << Minute << 45 << 3;
    QTest::addRow("minute_at_40") << Minute << 40 << 3;
    QTest::addRow("hour_12") << Hour << 0 << 5;
    QTest::addRow("hour_3") << Hour << 15 << 5;
    QTest::addRow("hour_6") << Hour << 30 << 5;
    QTest::addRow("hour_9") << Hour << 45 << 5;
    QTest::addRow("hour_8") << Hour << 40 << 5;
}

void TestHands::handDrawnAtItsLength()
{
    QFETCH(Hand, hand);
    QFETCH(int, position);
    QFETCH(int, beyond);

    draw(form(), hand, position);

    const int length = lengthOf(hand);
    QCOMPARE(pixelAt(form(), facePoint(position, length)), Black);
    QCOMPARE(pixelAt(form(), facePoint(position, length / 2)), Black);
    QCOMPARE(pixelAt(form(), facePoint(position, length + beyond)), Background);
}

void TestHands::erasingLeavesBackground_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addRow("seconds") << Seconds;
    QTest::addRow("minute") << Minute;
    QTest::addRow("hour") << Hour;
}

void TestHands::erasingLeavesBackground()
{
    QFETCH(Hand, hand);

    const int length = lengthOf(hand);
    draw(form(), hand, 15);
    draw(form(), hand, 45);

    QCOMPARE(pixelAt(form(), facePoint(15, length)), Background);
    QCOMPARE(pixelAt(form(), facePoint(15, length / 2)), Background);
    QCOMPARE(pixelAt(form(), facePoint(15, 20)), Background);
    QCOMPARE(pixelAt(form(), facePoint(45, length / 2)), Black);
}

void TestHands::hourHand_data()
{
    QTest::addColumn<bool>("correction");
    QTest::addColumn<int>("standMin");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<int>("standUur");

    QTest::addRow("three_without_correction_ignores_minutes") << false << 30 << 15 << QPoint(320, 289) << 3;
    QTest::addRow("three_thirty_corrected_15_degrees_on") << true << 30 << 15 << QPoint(315, 319) << 3;
    QTest::addRow("three_sharp_corrected") << true << 0 << 15 << QPoint(320, 289) << 3;
    QTest::addRow("midnight") << true << 0 << 0 << QPoint(201, 170) << 0;
    QTest::addRow("noon_reduced_to_0") << true << 0 << 12 << QPoint(201, 170) << 0;
    QTest::addRow("23_reduced_to_11") << false << 0 << 23 << QPoint(142, 186) << 11;
}

void TestHands::hourHand()
{
    QFETCH(bool, correction);
    QFETCH(int, standMin);
    QFETCH(int, hour);
    QFETCH(QPoint, end);
    QFETCH(int, standUur);

    form().WijzerCorrectie->setChecked(correction);
    TForm1Probe(form()).klok().StandMin = quint16(standMin);
    form().TekenUurwijzer(hour);

    QCOMPARE(form().klokToestand().UurEindpunt, end);
    QCOMPARE(pixelAt(form(), end), Black);
    QCOMPARE(int(form().klokToestand().StandUur), standUur);
    QCOMPARE(form().klokToestand().GezetUur, standUur);
    // The highlight marks the whole hour, not the corrected direction.
    QCOMPARE(markColour(form(), standUur * 5), Yellow);
    QCOMPARE(markColour(form(), (standUur * 5 + 5) % 60), Black);
}

void TestHands::hourZeroAndTwelveDrawTheSame()
{
    form().TekenUurwijzer(0);
    const QImage atZero = form().surface().copy();
    form().TekenUurwijzer(12);

    QCOMPARE(form().surface(), atZero);
    QCOMPARE(form().klokToestand().StandUur, quint16(0));
    QCOMPARE(pixelAt(form(), {MiddenX, MiddenY - HourLength}), Black);
}

void TestHands::markHighlight_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("aan");
    QTest::addColumn<QColor>("colour");

    QTest::addRow("on_turns_yellow") << 7 << 1 << Yellow;
    QTest::addRow("off_turns_black") << 59 << 0 << Black;
    QTest::addRow("two_is_not_on") << 59 << 2 << Black;
    QTest::addRow("255_is_not_on") << 59 << 255 << Black;
    QTest::addRow("60_changes_nothing") << 60 << 1 << QColor();
    QTest::addRow("61_changes_nothing") << 61 << 0 << QColor();
    QTest::addRow("minus_one_changes_nothing") << -1 << 1 << QColor();
    QTest::addRow("largest_changes_nothing") << std::numeric_limits<int>::max() << 1 << QColor();
}

// M59 starts yellow; only the mark of the given index may change.
void TestHands::markHighlight()
{
    QFETCH(int, index);
    QFETCH(int, aan);
    QFETCH(QColor, colour);

    form().MarkeerMerk(59, 1);
    form().MarkeerMerk(index, quint8(aan));

    for (int minute = 0; minute < 60; ++minute) {
        const QColor expected = minute == index ? colour : minute == 59 ? Yellow : Black;
        QCOMPARE(markColour(form(), minute), expected);
    }
}

// Minute and hour hand share the highlight of M15; the minute hand moving on clears it.
void TestHands::minuteHandLeavingHourMarkClearsItsHighlight()
{
    form().TekenUurwijzer(3);
    form().TekenMinutenwijzer(15);
    QCOMPARE(markColour(form(), 15), Yellow);

    form().TekenMinutenwijzer(16);
    QCOMPARE(markColour(form(), 15), Black);
    QCOMPARE(markColour(form(), 16), Yellow);

    form().TekenUurwijzer(3);
    QCOMPARE(markColour(form(), 15), Yellow);
}

void TestHands::exerciseColours_data()
{
    QTest::addColumn<int>("oefenType");
    QTest::addColumn<int>("zetModus");
    QTest::addColumn<int>("gekozen");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QColor>("hourColour");
    QTest::addColumn<QColor>("minuteColour");
    QTest::addColumn<QColor>("secondsColour");
    QTest::addColumn<bool>("knobs");

    // Analog to digital with "?" held: each hand right in green, wrong in red.
    QTest::addRow("check_held_wrong_hour") << int(AnaloogNaarDigitaal) << 0 << int(GeenWijzer) << true << "uur" << Red << Green << Green << false;
    QTest::addRow("check_held_wrong_minute_and_seconds") << int(AnaloogNaarDigitaal) << 0 << int(GeenWijzer) << true << "min sec" << Green << Red << Red << false;
    QTest::addRow("check_held_all_right") << int(AnaloogNaarDigitaal) << 0 << int(GeenWijzer) << true << "" << Green << Green << Green << false;
    QTest::addRow("check_released") << int(AnaloogNaarDigitaal) << 0 << int(GeenWijzer) << false << "uur min sec" << Black << Black << Black << false;
    QTest::addRow("check_ignores_pick_up") << int(AnaloogNaarDigitaal) << 1 << int(MinutenWijzer) << false << "" << Black << Black << Black << false;
    // Digital to analog: the picked-up hand is yellow and every knob rides on its hand.
    QTest::addRow("hour_picked_up") << int(DigitaalNaarAnaloog) << 1 << int(UurWijzer) << false << "" << Yellow << Black << Black << true;
    QTest::addRow("minute_picked_up") << int(DigitaalNaarAnaloog) << 1 << int(MinutenWijzer) << false << "" << Black << Yellow << Black << true;
    QTest::addRow("seconds_picked_up") << int(DigitaalNaarAnaloog) << 1 << int(SecondenWijzer) << false << "" << Black << Black << Yellow << true;
    QTest::addRow("minute_chosen_but_put_down") << int(DigitaalNaarAnaloog) << 0 << int(MinutenWijzer) << false << "" << Black << Black << Black << true;
    QTest::addRow("pick_up_ignores_check") << int(DigitaalNaarAnaloog) << 0 << int(GeenWijzer) << true << "uur min sec" << Black << Black << Black << true;
    QTest::addRow("no_exercise_ignores_both") << int(GeenOefening) << 1 << int(MinutenWijzer) << true << "uur min sec" << Black << Black << Black << false;
}

void TestHands::exerciseColours()
{
    QFETCH(int, oefenType);
    QFETCH(int, zetModus);
    QFETCH(int, gekozen);
    QFETCH(bool, held);
    QFETCH(QString, wrong);
    QFETCH(QColor, hourColour);
    QFETCH(QColor, minuteColour);
    QFETCH(QColor, secondsColour);
    QFETCH(bool, knobs);

    // A level and a notation with seconds, so every exercise shows the seconds hand.
    choose(form(), QStringLiteral("MinutenAan"));
    choose(form(), QStringLiteral("Notitie3"));
    for (QWidget *knob : form().knoppen())
        knob->setVisible(!knobs);
    TForm1Probe(form()).run().OefenType = oefenType;
    TForm1Probe(form()).zetten().ZetModus = zetModus;
    TForm1Probe(form()).zetten().GekozenWijzer = gekozen;
    TForm1Probe(form()).oefening().ToonControle = held;
    TForm1Probe(form()).oefening().UurFout = wrong.contains(QStringLiteral("uur"));
    TForm1Probe(form()).oefening().MinFout = wrong.contains(QStringLiteral("min"));
    TForm1Probe(form()).oefening().SecFout = wrong.contains(QStringLiteral("sec"));
    form().TekenUurwijzer(6);
    form().TekenMinutenwijzer(15);
    form().TekenSecondenwijzer(45);

    QCOMPARE(pixelAt(form(), {MiddenX, MiddenY + 59}), hourColour);
    QCOMPARE(pixelAt(form(), {MiddenX + 69, MiddenY}), minuteColour);
    QCOMPARE(pixelAt(form(), {MiddenX - 83, MiddenY}), secondsColour);
    for (QWidget *knob : form().knoppen())
        QCOMPARE(!knob->isHidden(), knobs);
    // Knob centres at radius - 85, - 65 and - 45; the 15 x 15 circle sits 7 up and left of it.
    if (knobs) {
        QCOMPARE(form().UurWijzerKnop->geometry(), QRect(194, 386, 15, 15));
        QCOMPARE(form().MinutenWijzerKnop->geometry(), QRect(318, 282, 15, 15));
        QCOMPARE(form().SecondenWijzerKnop->geometry(), QRect(50, 282, 15, 15));
    }
}

void TestHands::secondsHandSwitchedOffOnlyErases()
{
    form().TekenSecondenwijzer(10);
    QCOMPARE(pixelAt(form(), facePoint(10, SecondsLength / 2)), Black);
    form().SecondenAan->setChecked(false);
    form().TekenSecondenwijzer(20);

    QCOMPARE(pixelAt(form(), facePoint(10, SecondsLength)), Background);
    QCOMPARE(pixelAt(form(), facePoint(10, SecondsLength / 2)), Background);
    QCOMPARE(pixelAt(form(), facePoint(20, SecondsLength)), Background);
    QCOMPARE(pixelAt(form(), facePoint(20, SecondsLength / 2)), Background);
    QCOMPARE(form().klokToestand().StandSec, quint16(20));
    QCOMPARE(form().klokToestand().GezetSec, 10);
    QCOMPARE(markColour(form(), 10), Black);
    QCOMPARE(markColour(form(), 20), Yellow);
}

// Hour and minute hand both at twelve; moving the minute hand away erases a strip of
// the hour hand, which stays until the hour hand is drawn again.
void TestHands::erasingCutsGapIntoHandBeneath()
{
    form().WijzerCorrectie->setChecked(false);
    form().TekenUurwijzer(0);
    form().TekenMinutenwijzer(0);
    form().TekenMinutenwijzer(15);

    const int y = MiddenY - HourLength / 2;
    QCOMPARE(pixelAt(form(), {MiddenX, y}), Background);
    QCOMPARE(pixelAt(form(), {MiddenX - 2, y}), Black);
    QCOMPARE(pixelAt(form(), {MiddenX + 2, y}), Black);

    form().TekenUurwijzer(0);
    QCOMPARE(pixelAt(form(), {MiddenX, y}), Black);
}

QTEST_MAIN(TestHands)
#include "tst_hands.moc"
