// Setting the hands with the mouse in the digital -> analog exercise: a press on a knob
// picks a hand up, the pointer over a minute mark turns it there, a click puts it down.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {

ShapeKnob *knop(const TForm1 &f, int wijzer)
{
    return wijzer == UurWijzer ? f.UurWijzerKnop : wijzer == MinutenWijzer ? f.MinutenWijzerKnop : f.SecondenWijzerKnop;
}

QPoint eindpunt(const TForm1 &f, int wijzer)
{
    return wijzer == UurWijzer ? f.klokToestand().UurEindpunt : wijzer == MinutenWijzer ? f.klokToestand().MinEindpunt : f.klokToestand().SecEindpunt;
}

int stand(const TForm1 &f, int wijzer)
{
    return wijzer == UurWijzer ? f.klokToestand().StandUur : wijzer == MinutenWijzer ? f.klokToestand().StandMin : f.klokToestand().StandSec;
}

// A point on the ring of marks, at a position on the 60-step scale, in client coordinates.
QPoint opRing(const TForm1 &f, double positie, int afstand)
{
    return pointOnClock({f.klokToestand().MiddenX, f.klokToestand().MiddenY, f.klokToestand().Straal}, positionAngle(positie), afstand);
}
}

class TestHandSetting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void knobPressPicksHand_data();
    void knobPressPicksHand();
    void pointerTurnsPickedHand_data();
    void pointerTurnsPickedHand();
    void clickOnMarkPutsHandDown_data();
    void clickOnMarkPutsHandDown();
    void knobDraggedToMark_data();
    void knobDraggedToMark();
    void clickBesideMarkCountsAsMark();
    void keysSetHands_data();
    void keysSetHands();
    void secondKnobSwitchesHands();
    void leavingTheFaceKeepsTheHandPicked();
    void clickWithNoHandPickedChangesNothing();
    void pointerWithNoHandPickedChangesNothing();
    void knobPressWhileChoosingChangesNothing_data();
    void knobPressWhileChoosingChangesNothing();
    void nextTaskKeepsHandPicked();
    void questionMarkPassesPickedHandToHourHand_data();
    void questionMarkPassesPickedHandToHourHand();

private:
    void verifyHandsAtStart() const;
    std::unique_ptr<Window> m_form;
};

// A run with all three hands in use; the clock left them at 10:08:30.
void TestHandSetting::init()
{
    m_form = std::make_unique<Window>(drawsFor({"MinutenAan"}, {{7, 25, 40}}));
    QVERIFY(showActive(m_form->form));
    startExercise(m_form->form, DigitaalNaarAnaloog, {"VraagtekenAan", "MinutenAan", "Notitie3"});
    QCOMPARE(m_form->form.oefenToestand().NotatieStijl, 3);
    verifyHandsAtStart();
}

void TestHandSetting::cleanup()
{
    m_form.reset();
}

void TestHandSetting::verifyHandsAtStart() const
{
    QCOMPARE(m_form->form.klokToestand().StandUur, 10);
    QCOMPARE(m_form->form.klokToestand().StandMin, 8);
    QCOMPARE(m_form->form.klokToestand().StandSec, 30);
}

void TestHandSetting::knobPressPicksHand_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<Qt::MouseButton>("muisknop");
    QTest::addRow("uurwijzer") << int(UurWijzer) << Qt::LeftButton;
    QTest::addRow("minutenwijzer") << int(MinutenWijzer) << Qt::LeftButton;
    QTest::addRow("secondenwijzer") << int(SecondenWijzer) << Qt::LeftButton;
    QTest::addRow("uurwijzer_rechter_muisknop") << int(UurWijzer) << Qt::RightButton;
}

void TestHandSetting::knobPressPicksHand()
{
    QFETCH(int, wijzer);
    QFETCH(Qt::MouseButton, muisknop);
    TForm1 &f = m_form->form;
    QTest::mouseClick(knop(f, wijzer), muisknop);
    QCOMPARE(f.zetToestand().ZetModus, 1);
    QCOMPARE(f.zetToestand().GekozenWijzer, wijzer);
    for (int w : {UurWijzer, MinutenWijzer, SecondenWijzer})
        QVERIFY2(handIn(f, eindpunt(f, w), w == wijzer ? Yellow : Black), qPrintable(QString::number(w)));
    verifyHandsAtStart();
}

void TestHandSetting::pointerTurnsPickedHand_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("merk");
    QTest::addColumn<int>("verwachtStand");
    QTest::addColumn<int>("geelMerk");
    QTest::addColumn<int>("zwartMerk");
    QTest::addRow("minutenwijzer_naar_20") << int(MinutenWijzer) << 20 << 20 << 20 << 8;
    QTest::addRow("secondenwijzer_naar_45") << int(SecondenWijzer) << 45 << 45 << 45 << 30;
    QTest::addRow("uurwijzer_op_merk_35_is_7_uur") << int(UurWijzer) << 35 << 7 << 35 << 50;
    QTest::addRow("uurwijzer_op_merk_0_is_uur_0") << int(UurWijzer) << 0 << 0 << 0 << 50;
    QTest::addRow("uurwijzer_niet_op_merk_7") << int(UurWijzer) << 7 << 10 << 50 << 7;
}

void TestHandSetting::pointerTurnsPickedHand()
{
    QFETCH(int, wijzer);
    QFETCH(int, merk);
    QFETCH(int, verwachtStand);
    QFETCH(int, geelMerk);
    QFETCH(int, zwartMerk);
    TForm1 &f = m_form->form;
    QTest::mouseClick(knop(f, wijzer), Qt::LeftButton);
    QVERIFY(pointAt(f, merk));
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QCOMPARE(f.zetToestand().ZetModus, 1);
    QVERIFY(handIn(f, eindpunt(f, wijzer), Yellow));
    QCOMPARE(markColour(f, geelMerk), Yellow);
    QCOMPARE(markColour(f, zwartMerk), Black);
}

void TestHandSetting::clickOnMarkPutsHandDown_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<QList<int>>("langs");
    QTest::addColumn<int>("verwachtStand");
    QTest::addRow("minutenwijzer_op_20") << int(MinutenWijzer) << QList<int>{20} << 20;
    QTest::addRow("secondenwijzer_op_12") << int(SecondenWijzer) << QList<int>{11, 12} << 12;
    QTest::addRow("uurwijzer_blijft_op_laatste_uurmerk") << int(UurWijzer) << QList<int>{35, 36} << 7;
}

void TestHandSetting::clickOnMarkPutsHandDown()
{
    QFETCH(int, wijzer);
    QFETCH(QList<int>, langs);
    QFETCH(int, verwachtStand);
    TForm1 &f = m_form->form;
    QTest::mouseClick(knop(f, wijzer), Qt::LeftButton);
    for (int merk : langs)
        QVERIFY(pointAt(f, merk));
    click(f.MinuutMerken[langs.last()]);
    QCOMPARE(f.zetToestand().ZetModus, 0);
    QCOMPARE(f.zetToestand().GekozenWijzer, wijzer);
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QVERIFY(handIn(f, eindpunt(f, wijzer), Black));
    // Put down, the hand no longer follows the pointer.
    QVERIFY(pointAt(f, 40));
    QCOMPARE(stand(f, wijzer), verwachtStand);
}

void TestHandSetting::knobDraggedToMark_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<double>("naar"); // a position on the ring; -1: let go on the knob itself
    QTest::addColumn<int>("verwachtStand");
    QTest::addColumn<int>("verwachtModus");
    QTest::addRow("minutenwijzer_naar_20") << int(MinutenWijzer) << 20.0 << 20 << 0;
    QTest::addRow("uurwijzer_naar_37_is_7_uur") << int(UurWijzer) << 37.0 << 7 << 0;
    QTest::addRow("losgelaten_op_de_knop_blijft_opgepakt") << int(MinutenWijzer) << -1.0 << 8 << 1;
}

// Press on the knob, drag, let go over a mark, as on a touch screen: the knob holds the
// pointer, so every move and the release reach it.
void TestHandSetting::knobDraggedToMark()
{
    QFETCH(int, wijzer);
    QFETCH(double, naar);
    QFETCH(int, verwachtStand);
    QFETCH(int, verwachtModus);
    TForm1 &f = m_form->form;
    ShapeKnob *k = knop(f, wijzer);
    QTest::mousePress(k, Qt::LeftButton, {}, k->rect().center());
    // The knob follows its hand, so the pointer's place is told in screen coordinates.
    QPoint doel = k->mapToGlobal(k->rect().center());
    if (naar >= 0) {
        doel = f.mapToGlobal(opRing(f, naar, f.klokToestand().Straal - 18));
        QMouseEvent sleep(QEvent::MouseMove, k->mapFromGlobal(doel), doel, Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(k, &sleep);
    }
    QMouseEvent los(QEvent::MouseButtonRelease, k->mapFromGlobal(doel), doel, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(k, &los);
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QCOMPARE(f.zetToestand().ZetModus, verwachtModus);
}

void TestHandSetting::keysSetHands_data()
{
    QTest::addColumn<QList<int>>("toetsen");
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("verwachtStand");
    QTest::addColumn<int>("verwachtModus");
    QTest::addRow("m_pakt_de_minutenwijzer_pijlen_enter_legt_neer")
        << QList<int>{Qt::Key_M, Qt::Key_Right, Qt::Key_Up, Qt::Key_Return} << int(MinutenWijzer) << 10 << 0;
    QTest::addRow("u_en_pijl_terug_een_uur_spatie_legt_neer")
        << QList<int>{Qt::Key_U, Qt::Key_Left, Qt::Key_Space} << int(UurWijzer) << 9 << 0;
    QTest::addRow("uurwijzer_voorbij_de_12") << QList<int>{Qt::Key_U, Qt::Key_Right, Qt::Key_Right} << int(UurWijzer) << 0 << 1;
    QTest::addRow("s_pakt_de_secondenwijzer") << QList<int>{Qt::Key_S, Qt::Key_Down} << int(SecondenWijzer) << 29 << 1;
    QTest::addRow("pijlen_zonder_opgepakte_wijzer_doen_niets") << QList<int>{Qt::Key_Right} << int(MinutenWijzer) << 8 << 0;
}

void TestHandSetting::keysSetHands()
{
    QFETCH(QList<int>, toetsen);
    QFETCH(int, wijzer);
    QFETCH(int, verwachtStand);
    QFETCH(int, verwachtModus);
    TForm1 &f = m_form->form;
    for (int toets : toetsen)
        pressKey(f, Qt::Key(toets));
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QCOMPARE(f.zetToestand().ZetModus, verwachtModus);
}

void TestHandSetting::clickBesideMarkCountsAsMark()
{
    TForm1 &f = m_form->form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    const QPoint naast = opRing(f, 22.4, f.klokToestand().Straal - 29);
    QVERIFY(!f.childAt(naast)); // on the window itself, beside the mark
    QTest::mouseClick(&f, Qt::LeftButton, {}, naast);
    QCOMPARE(f.klokToestand().StandMin, 22);
    QCOMPARE(f.zetToestand().ZetModus, 0);
}

void TestHandSetting::secondKnobSwitchesHands()
{
    TForm1 &f = m_form->form;
    QTest::mouseClick(f.UurWijzerKnop, Qt::LeftButton);
    QVERIFY(pointAt(f, 35));
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QCOMPARE(f.zetToestand().GekozenWijzer, int(MinutenWijzer));
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 8);
    QVERIFY(handIn(f, f.klokToestand().UurEindpunt, Black));
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Yellow));
    QVERIFY(pointAt(f, 20));
    QCOMPARE(f.klokToestand().StandMin, 20);
    QCOMPARE(f.klokToestand().StandUur, 7);
}

void TestHandSetting::leavingTheFaceKeepsTheHandPicked()
{
    TForm1 &f = m_form->form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(pointAt(f, 20));
    QTest::mouseMove(f.Help);
    QCOMPARE(f.zetToestand().ZetModus, 1);
    QCOMPARE(f.klokToestand().StandMin, 20);
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Yellow));
}

void TestHandSetting::clickWithNoHandPickedChangesNothing()
{
    TForm1 &f = m_form->form;
    const int gezet[] = {f.klokToestand().GezetUur, f.klokToestand().GezetMin, f.klokToestand().GezetSec};
    click(f.MinuutMerken[20]);
    verifyHandsAtStart();
    QCOMPARE(f.klokToestand().GezetUur, gezet[0]);
    QCOMPARE(f.klokToestand().GezetMin, gezet[1]);
    QCOMPARE(f.klokToestand().GezetSec, gezet[2]);
    QCOMPARE(f.zetToestand().ZetModus, 0);
    for (int w : {UurWijzer, MinutenWijzer, SecondenWijzer})
        QVERIFY(handIn(f, eindpunt(f, w), Black));
}

void TestHandSetting::pointerWithNoHandPickedChangesNothing()
{
    TForm1 &f = m_form->form;
    for (int merk : {20, 35, 45})
        QVERIFY(pointAt(f, merk));
    verifyHandsAtStart();
    QCOMPARE(f.zetToestand().AangewezenMinuut, 0);
    QCOMPARE(markColour(f, 20), Black);
}

void TestHandSetting::knobPressWhileChoosingChangesNothing_data()
{
    knobPressPicksHand_data();
}

// "Instellingen" brings the choice panel back while the knobs still stand on the hands.
void TestHandSetting::knobPressWhileChoosingChangesNothing()
{
    QFETCH(int, wijzer);
    QFETCH(Qt::MouseButton, muisknop);
    TForm1 &f = m_form->form;
    click(f.ADKnop1);
    QVERIFY(!f.KeuzePaneel->isHidden());
    QTest::mouseClick(knop(f, wijzer), muisknop);
    QCOMPARE(f.zetToestand().ZetModus, 0);
    QCOMPARE(f.zetToestand().GekozenWijzer, int(GeenWijzer));
    QVERIFY(handIn(f, eindpunt(f, wijzer), Black));
    QVERIFY(pointAt(f, 20));
    verifyHandsAtStart();
}

void TestHandSetting::nextTaskKeepsHandPicked()
{
    TForm1 &f = m_form->form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(pointAt(f, 20));
    click(f.ADOkKnop);
    QCOMPARE(f.zetToestand().ZetModus, 1);
    QVERIFY(pointAt(f, 40));
    QCOMPARE(f.klokToestand().StandMin, 40);
}

// "?" puts the task on the hands one by one and ends with the hour hand picked.
void TestHandSetting::questionMarkPassesPickedHandToHourHand_data()
{
    QTest::addColumn<bool>("f2");
    QTest::addRow("muis") << false;
    QTest::addRow("f2_ingedrukt_gehouden") << true;
}

void TestHandSetting::questionMarkPassesPickedHandToHourHand()
{
    QFETCH(bool, f2);
    TForm1 &f = m_form->form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(pointAt(f, 20));
    if (f2) {
        QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyPress(focus, Qt::Key_F2);
        QVERIFY(f.oefenToestand().ToonControle);
        QTest::keyRelease(focus, Qt::Key_F2);
    } else {
        QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
        QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    }
    QVERIFY(!f.oefenToestand().ToonControle);
    QCOMPARE(f.zetToestand().ZetModus, 1);
    QCOMPARE(f.zetToestand().GekozenWijzer, int(UurWijzer));
    QVERIFY(handIn(f, f.klokToestand().UurEindpunt, Yellow));
    QVERIFY(handIn(f, f.klokToestand().MinEindpunt, Black));
    QVERIFY(pointAt(f, 35));
    QCOMPARE(f.klokToestand().StandUur, 7);
    QCOMPARE(f.klokToestand().StandMin, 20);
}

QTEST_MAIN(TestHandSetting)
#include "tst_handsetting.moc"
