// Setting the hands with the mouse in the digital -> analog exercise: a press on a knob
// picks a hand up, the pointer over a minute mark turns it there, a click puts it down.
#include "ExerciseFixture.h"

using namespace OefenFixture;

namespace {
enum Wijzer { Uur = 1, Minuut = 2, Seconde = 3 };

ShapeKnob *knop(const TForm1 &f, int wijzer)
{
    return wijzer == Uur ? f.UurWijzerKnop : wijzer == Minuut ? f.MinutenWijzerKnop : f.SecondenWijzerKnop;
}

QPoint eindpunt(const TForm1 &f, int wijzer)
{
    return wijzer == Uur ? f.klok.UurEindpunt : wijzer == Minuut ? f.klok.MinEindpunt : f.klok.SecEindpunt;
}

int stand(const TForm1 &f, int wijzer)
{
    return wijzer == Uur ? f.klok.StandUur : wijzer == Minuut ? f.klok.StandMin : f.klok.StandSec;
}
}

class TestHandSetting : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void knobPressPicksHand_data();
    void knobPressPicksHand();
    void pointerTurnsPickedHand_data();
    void pointerTurnsPickedHand();
    void clickOnMarkPutsHandDown_data();
    void clickOnMarkPutsHandDown();
    void secondKnobSwitchesHands();
    void leavingTheFaceKeepsTheHandPicked();
    void clickWithNoHandPickedChangesNothing();
    void pointerWithNoHandPickedChangesNothing();
    void knobPressWhileChoosingChangesNothing_data();
    void knobPressWhileChoosingChangesNothing();
    void nextTaskKeepsHandPicked();
    void questionMarkPassesPickedHandToHourHand();

private:
    void verifyHandsAtStart() const;
    std::unique_ptr<TForm1> m_form;
};

// A run with all three hands in use; the clock left them at 10:08:30.
void TestHandSetting::init()
{
    m_form = maakVenster({7, 25, 40});
    QVERIFY(toonActief(*m_form));
    start(*m_form, DigitaalAnaloog, {"VraagtekenAan", "MinutenAan", "Notitie3"});
    QCOMPARE(m_form->oefening.NotatieStijl, 3);
    verifyHandsAtStart();
}

void TestHandSetting::cleanup()
{
    m_form.reset();
}

void TestHandSetting::verifyHandsAtStart() const
{
    QCOMPARE(m_form->klok.StandUur, 10);
    QCOMPARE(m_form->klok.StandMin, 8);
    QCOMPARE(m_form->klok.StandSec, 30);
}

void TestHandSetting::knobPressPicksHand_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<Qt::MouseButton>("muisknop");
    QTest::addRow("uurwijzer") << int(Uur) << Qt::LeftButton;
    QTest::addRow("minutenwijzer") << int(Minuut) << Qt::LeftButton;
    QTest::addRow("secondenwijzer") << int(Seconde) << Qt::LeftButton;
    QTest::addRow("uurwijzer_rechter_muisknop") << int(Uur) << Qt::RightButton;
}

void TestHandSetting::knobPressPicksHand()
{
    QFETCH(int, wijzer);
    QFETCH(Qt::MouseButton, muisknop);
    TForm1 &f = *m_form;
    QTest::mouseClick(knop(f, wijzer), muisknop);
    QCOMPARE(f.zetten.ZetModus, 1);
    QCOMPARE(f.zetten.GekozenWijzer, wijzer);
    for (int w : {Uur, Minuut, Seconde})
        QVERIFY2(wijzerIn(f, eindpunt(f, w), w == wijzer ? Yellow : Black), qPrintable(QString::number(w)));
    verifyHandsAtStart();
}

void TestHandSetting::pointerTurnsPickedHand_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<int>("merk");
    QTest::addColumn<int>("verwachtStand");
    QTest::addColumn<int>("geelMerk");
    QTest::addColumn<int>("zwartMerk");
    QTest::addRow("minutenwijzer_naar_20") << int(Minuut) << 20 << 20 << 20 << 8;
    QTest::addRow("secondenwijzer_naar_45") << int(Seconde) << 45 << 45 << 45 << 30;
    QTest::addRow("uurwijzer_op_merk_35_is_7_uur") << int(Uur) << 35 << 7 << 35 << 50;
    QTest::addRow("uurwijzer_op_merk_0_is_uur_0") << int(Uur) << 0 << 0 << 0 << 50;
    QTest::addRow("uurwijzer_niet_op_merk_7") << int(Uur) << 7 << 10 << 50 << 7;
}

void TestHandSetting::pointerTurnsPickedHand()
{
    QFETCH(int, wijzer);
    QFETCH(int, merk);
    QFETCH(int, verwachtStand);
    QFETCH(int, geelMerk);
    QFETCH(int, zwartMerk);
    TForm1 &f = *m_form;
    QTest::mouseClick(knop(f, wijzer), Qt::LeftButton);
    QVERIFY(wijsAan(f, merk));
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QCOMPARE(f.zetten.ZetModus, 1);
    QVERIFY(wijzerIn(f, eindpunt(f, wijzer), Yellow));
    QCOMPARE(merkKleur(f, geelMerk), Yellow);
    QCOMPARE(merkKleur(f, zwartMerk), Black);
}

void TestHandSetting::clickOnMarkPutsHandDown_data()
{
    QTest::addColumn<int>("wijzer");
    QTest::addColumn<QList<int>>("langs");
    QTest::addColumn<int>("verwachtStand");
    QTest::addRow("minutenwijzer_op_20") << int(Minuut) << QList<int>{20} << 20;
    QTest::addRow("secondenwijzer_op_12") << int(Seconde) << QList<int>{11, 12} << 12;
    QTest::addRow("uurwijzer_blijft_op_laatste_uurmerk") << int(Uur) << QList<int>{35, 36} << 7;
}

void TestHandSetting::clickOnMarkPutsHandDown()
{
    QFETCH(int, wijzer);
    QFETCH(QList<int>, langs);
    QFETCH(int, verwachtStand);
    TForm1 &f = *m_form;
    QTest::mouseClick(knop(f, wijzer), Qt::LeftButton);
    for (int merk : langs)
        QVERIFY(wijsAan(f, merk));
    klik(f.MinuutMerken[langs.last()]);
    QCOMPARE(f.zetten.ZetModus, 0);
    QCOMPARE(f.zetten.GekozenWijzer, wijzer);
    QCOMPARE(stand(f, wijzer), verwachtStand);
    QVERIFY(wijzerIn(f, eindpunt(f, wijzer), Black));
    // Put down, the hand no longer follows the pointer.
    QVERIFY(wijsAan(f, 40));
    QCOMPARE(stand(f, wijzer), verwachtStand);
}

void TestHandSetting::secondKnobSwitchesHands()
{
    TForm1 &f = *m_form;
    QTest::mouseClick(f.UurWijzerKnop, Qt::LeftButton);
    QVERIFY(wijsAan(f, 35));
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QCOMPARE(f.zetten.GekozenWijzer, int(Minuut));
    QCOMPARE(f.klok.StandUur, 7);
    QCOMPARE(f.klok.StandMin, 8);
    QVERIFY(wijzerIn(f, f.klok.UurEindpunt, Black));
    QVERIFY(wijzerIn(f, f.klok.MinEindpunt, Yellow));
    QVERIFY(wijsAan(f, 20));
    QCOMPARE(f.klok.StandMin, 20);
    QCOMPARE(f.klok.StandUur, 7);
}

void TestHandSetting::leavingTheFaceKeepsTheHandPicked()
{
    TForm1 &f = *m_form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(wijsAan(f, 20));
    QTest::mouseMove(f.Help);
    QCOMPARE(f.zetten.ZetModus, 1);
    QCOMPARE(f.klok.StandMin, 20);
    QVERIFY(wijzerIn(f, f.klok.MinEindpunt, Yellow));
}

void TestHandSetting::clickWithNoHandPickedChangesNothing()
{
    TForm1 &f = *m_form;
    const int gezet[] = {f.klok.GezetUur, f.klok.GezetMin, f.klok.GezetSec};
    klik(f.MinuutMerken[20]);
    verifyHandsAtStart();
    QCOMPARE(f.klok.GezetUur, gezet[0]);
    QCOMPARE(f.klok.GezetMin, gezet[1]);
    QCOMPARE(f.klok.GezetSec, gezet[2]);
    QCOMPARE(f.zetten.ZetModus, 0);
    for (int w : {Uur, Minuut, Seconde})
        QVERIFY(wijzerIn(f, eindpunt(f, w), Black));
}

void TestHandSetting::pointerWithNoHandPickedChangesNothing()
{
    TForm1 &f = *m_form;
    for (int merk : {20, 35, 45})
        QVERIFY(wijsAan(f, merk));
    verifyHandsAtStart();
    QCOMPARE(f.zetten.AangewezenMinuut, 0);
    QCOMPARE(merkKleur(f, 20), Black);
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
    TForm1 &f = *m_form;
    klik(f.ADKnop1);
    QVERIFY(!f.KeuzePaneel->isHidden());
    QTest::mouseClick(knop(f, wijzer), muisknop);
    QCOMPARE(f.zetten.ZetModus, 0);
    QCOMPARE(f.zetten.GekozenWijzer, 0);
    QVERIFY(wijzerIn(f, eindpunt(f, wijzer), Black));
    QVERIFY(wijsAan(f, 20));
    verifyHandsAtStart();
}

void TestHandSetting::nextTaskKeepsHandPicked()
{
    TForm1 &f = *m_form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(wijsAan(f, 20));
    klik(f.ADOkKnop);
    QCOMPARE(f.zetten.ZetModus, 1);
    QVERIFY(wijsAan(f, 40));
    QCOMPARE(f.klok.StandMin, 40);
}

// "?" puts the task on the hands one by one and ends with the hour hand picked.
void TestHandSetting::questionMarkPassesPickedHandToHourHand()
{
    TForm1 &f = *m_form;
    QTest::mouseClick(f.MinutenWijzerKnop, Qt::LeftButton);
    QVERIFY(wijsAan(f, 20));
    QTest::mousePress(f.ADControleKnop, Qt::LeftButton);
    QTest::mouseRelease(f.ADControleKnop, Qt::LeftButton);
    QCOMPARE(f.zetten.ZetModus, 1);
    QCOMPARE(f.zetten.GekozenWijzer, int(Uur));
    QVERIFY(wijzerIn(f, f.klok.UurEindpunt, Yellow));
    QVERIFY(wijzerIn(f, f.klok.MinEindpunt, Black));
    QVERIFY(wijsAan(f, 35));
    QCOMPARE(f.klok.StandUur, 7);
    QCOMPARE(f.klok.StandMin, 20);
}

QTEST_MAIN(TestHandSetting)
#include "tst_handsetting.moc"
