// Choosing, starting, interrupting and ending an exercise: which panels and controls
// show in each state, the way between the states by clicks and keys, the notation that
// the start settles on and what survives the way back.
#include "WindowFixture.h"

using namespace WindowFixture;

namespace {
enum Gebaar { KlikOk, EnterOpKeuze, EnterInTimerveld };
enum Einde { Terug, Stop };

bool getoond(const QWidget *w)
{
    return !w->isHidden();
}

// From the choice panel: "Terug" at once, or "Stop Oefening" in the run that OK starts.
void beeindig(TForm1 &f, int einde)
{
    if (einde == Stop) {
        click(f.KeuzePaneelOkKnop);
        click(f.ADStopKnop);
    } else {
        click(f.KeuzePaneelTerugKnop);
    }
}

// The timer field holds "0"; the learner replaces it.
void vulTimerIn(TForm1 &f, const QString &minuten)
{
    QTest::keyClick(f.TimerMinuten, Qt::Key_End);
    QTest::keyClick(f.TimerMinuten, Qt::Key_Backspace);
    typeKeys(f.TimerMinuten, minuten);
}
}

class TestRunControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void idleAtStartUp();
    void starterOpensChoice_data();
    void starterOpensChoice();
    void choiceOkStartsRun_data();
    void choiceOkStartsRun();
    void endingReturnsToIdle_data();
    void endingReturnsToIdle();
    void instellingenReturnsToChoice_data();
    void instellingenReturnsToChoice();
    void scoreSurvivesUntilNextStart_data();
    void scoreSurvivesUntilNextStart();
    void timerFieldHiddenAfterEndAndZeroAtNextStarter_data();
    void timerFieldHiddenAfterEndAndZeroAtNextStarter();
    void startButtonShowsForPositiveTimerMinutes_data();
    void startButtonShowsForPositiveTimerMinutes();
    void starterStopsHandAnimation();
    void notationSettledAtStart_data();
    void notationSettledAtStart();
    void notation3WithSecondsHandOff();
    void memoNamesExerciseAndLevel_data();
    void memoNamesExerciseAndLevel();

private:
    void verifyIdle(bool timerveldGetoond) const;
    void verifyChoosing(int soort) const;
    void verifyRunning(int soort) const;
    std::unique_ptr<Window> m_form;
};

void TestRunControl::init()
{
    m_form = std::make_unique<Window>(drawsFor({}, {{3}, {5}}));
}

void TestRunControl::cleanup()
{
    m_form.reset();
}

void TestRunControl::verifyIdle(bool timerveldGetoond) const
{
    const TForm1 &f = m_form->form;
    QCOMPARE(f.runToestand().OefenType, int(GeenOefening));
    QVERIFY(getoond(f.DigitaalAnaloog) && getoond(f.AnaloogDigitaal));
    QVERIFY(f.KeuzePaneel->isHidden());
    QVERIFY(f.ADOefening->isHidden());
    QVERIFY(f.ADKnop1->isHidden());
    QVERIFY(f.Startknop->isHidden());
    for (QWidget *w : f.instellingenLijst())
        if (w != f.Label4 && w != f.TimerMinuten)
            QVERIFY2(getoond(w), qPrintable(w->objectName()));
    QCOMPARE(getoond(f.TimerMinuten), timerveldGetoond);
    QCOMPARE(getoond(f.Label4), timerveldGetoond);
    for (QWidget *k : f.knoppen())
        QVERIFY2(k->isHidden(), qPrintable(k->objectName()));
    QVERIFY(f.klokToestand().KlokLoopt);
    QVERIFY(f.Timer2->isActive());
}

void TestRunControl::verifyChoosing(int soort) const
{
    const TForm1 &f = m_form->form;
    QCOMPARE(f.runToestand().OefenType, soort);
    QVERIFY(getoond(f.KeuzePaneel));
    QVERIFY(f.ADOefening->isHidden());
    QVERIFY(f.DigitaalAnaloog->isHidden() && f.AnaloogDigitaal->isHidden());
    for (QWidget *w : f.instellingenLijst())
        QVERIFY2(getoond(w), qPrintable(w->objectName()));
    QVERIFY(f.ADKnop1->isHidden());
    QVERIFY(f.klokToestand().KlokLoopt);
    QVERIFY(f.Timer2->isActive());
    QVERIFY(!f.Timer3->isActive());
}

void TestRunControl::verifyRunning(int soort) const
{
    const TForm1 &f = m_form->form;
    QCOMPARE(f.runToestand().OefenType, soort);
    QVERIFY(f.KeuzePaneel->isHidden());
    QVERIFY(getoond(f.ADOefening));
    QVERIFY(f.DigitaalAnaloog->isHidden() && f.AnaloogDigitaal->isHidden());
    for (QWidget *w : f.instellingenLijst())
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QVERIFY(getoond(f.ADKnop1));
    QVERIFY(getoond(f.Button1));
    QVERIFY(!f.klokToestand().KlokLoopt);
    QCOMPARE(getoond(f.UurWijzerKnop), soort == DigitaalNaarAnaloog);
    QCOMPARE(getoond(f.MinutenWijzerKnop), soort == DigitaalNaarAnaloog);
    // Without seconds in the notation the seconds hand and its knob are hidden.
    QCOMPARE(getoond(f.SecondenWijzerKnop), soort == DigitaalNaarAnaloog && f.oefenToestand().NotatieStijl == 3);
}

void TestRunControl::idleAtStartUp()
{
    verifyIdle(true);
    QCOMPARE(m_form->form.TimerMinuten->text(), QStringLiteral("0"));
    QCOMPARE(m_form->form.Memo1->toPlainText(), QStringLiteral("Oefening\nanaloog -> digitaal\nNotitie- methode"));
}

void TestRunControl::starterOpensChoice_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<bool>("veldenAlleenLezen");
    QTest::addRow("digitaal_naar_analoog") << int(DigitaalNaarAnaloog) << true;
    QTest::addRow("analoog_naar_digitaal") << int(AnaloogNaarDigitaal) << false;
}

void TestRunControl::starterOpensChoice()
{
    QFETCH(int, soort);
    QFETCH(bool, veldenAlleenLezen);
    TForm1 &f = m_form->form;
    clickStarter(f, soort);
    verifyChoosing(soort);
    for (EditField *veld : f.antwoordVelden())
        QCOMPARE(veld->isReadOnly(), veldenAlleenLezen);
}

void TestRunControl::choiceOkStartsRun_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("gebaar");
    QTest::addRow("digitaal_klik_op_ok") << int(DigitaalNaarAnaloog) << int(KlikOk);
    QTest::addRow("analoog_klik_op_ok") << int(AnaloogNaarDigitaal) << int(KlikOk);
    QTest::addRow("digitaal_enter_na_keuze") << int(DigitaalNaarAnaloog) << int(EnterOpKeuze);
    QTest::addRow("analoog_enter_na_keuze") << int(AnaloogNaarDigitaal) << int(EnterOpKeuze);
    QTest::addRow("digitaal_enter_in_timerveld") << int(DigitaalNaarAnaloog) << int(EnterInTimerveld);
    QTest::addRow("analoog_enter_in_timerveld") << int(AnaloogNaarDigitaal) << int(EnterInTimerveld);
}

void TestRunControl::choiceOkStartsRun()
{
    QFETCH(int, soort);
    QFETCH(int, gebaar);
    TForm1 &f = m_form->form;
    QVERIFY(showActive(f));
    clickStarter(f, soort);
    click(f.KwartierenAan);
    QWidget *focus = gebaar == EnterInTimerveld ? static_cast<QWidget *>(f.TimerMinuten) : f.KwartierenAan;
    if (gebaar == KlikOk) {
        click(f.KeuzePaneelOkKnop);
    } else {
        click(focus);
        QCOMPARE(QApplication::focusWidget(), focus);
        QTest::keyClick(focus, Qt::Key_Return);
    }
    verifyRunning(soort);
    QVERIFY(f.Startknop->isHidden());
    QVERIFY(f.ADControleKnop->isHidden());
    // The digital clock stands still while the learner sets the hands.
    QCOMPARE(f.Timer2->isActive(), soort == AnaloogNaarDigitaal);
    const bool analoog = soort == AnaloogNaarDigitaal;
    QCOMPARE(backgroundOf(f.UurInvoerVeld), analoog ? White : Blue);
    QCOMPARE(textColourOf(f.UurInvoerVeld), analoog ? Black : Yellow);
    QCOMPARE(f.UurInvoerVeld->isReadOnly(), !analoog);
    if (analoog)
        QCOMPARE(QApplication::focusWidget(), f.UurInvoerVeld);
}

void TestRunControl::endingReturnsToIdle_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<int>("einde");
    QTest::addRow("terug_digitaal") << int(DigitaalNaarAnaloog) << int(Terug);
    QTest::addRow("terug_analoog") << int(AnaloogNaarDigitaal) << int(Terug);
    QTest::addRow("stop_digitaal") << int(DigitaalNaarAnaloog) << int(Stop);
    QTest::addRow("stop_analoog") << int(AnaloogNaarDigitaal) << int(Stop);
}

void TestRunControl::endingReturnsToIdle()
{
    QFETCH(int, soort);
    QFETCH(int, einde);
    TForm1 &f = m_form->form;
    clickStarter(f, soort);
    beeindig(f, einde);
    verifyIdle(false);
    QVERIFY(!f.Timer3->isActive());
    for (EditField *veld : f.antwoordVelden())
        QVERIFY(!veld->isReadOnly());
}

void TestRunControl::instellingenReturnsToChoice_data()
{
    starterOpensChoice_data();
}

void TestRunControl::instellingenReturnsToChoice()
{
    QFETCH(int, soort);
    TForm1 &f = m_form->form;
    startExercise(f, int(soort), {"Notitie2"});
    click(f.ADKnop1);
    verifyChoosing(soort);
    QCOMPARE(f.oefenToestand().NotatieStijl, 2);
    QVERIFY(f.Startknop->isHidden());
    for (QWidget *k : f.knoppen())
        QCOMPARE(getoond(k), soort == DigitaalNaarAnaloog);
    // The hands follow the real time again.
    QCOMPARE(f.klokToestand().StandUur, 10);
    QCOMPARE(f.klokToestand().StandMin, 8);
}

void TestRunControl::scoreSurvivesUntilNextStart_data()
{
    QTest::addColumn<bool>("viaStop");
    QTest::addRow("instellingen_en_ok") << false;
    QTest::addRow("stop_en_starter") << true;
}

// Tasks of whole hours 3 and 5 in turn: one right and one wrong answer give 1 of 2.
void TestRunControl::scoreSurvivesUntilNextStart()
{
    QFETCH(bool, viaStop);
    m_form = std::make_unique<Window>(drawsFor({}, {{3}, {5}}));
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal);
    typeKeys(f.UurInvoerVeld, QStringLiteral("3"));
    click(f.ADOkKnop);
    typeKeys(f.UurInvoerVeld, QStringLiteral("3"));
    click(f.ADOkKnop);
    click(viaStop ? f.ADStopKnop : f.ADKnop1);
    QCOMPARE(f.Label6->text(), QStringLiteral("1"));
    QCOMPARE(f.Label8->text(), QStringLiteral("2"));
    if (viaStop)
        click(f.AnaloogDigitaal);
    click(f.KeuzePaneelOkKnop);
    QCOMPARE(f.Label6->text(), QStringLiteral("0"));
    QCOMPARE(f.Label8->text(), QStringLiteral("0"));
}

void TestRunControl::timerFieldHiddenAfterEndAndZeroAtNextStarter_data()
{
    QTest::addColumn<int>("einde");
    QTest::addRow("na_terug") << int(Terug);
    QTest::addRow("na_stop") << int(Stop);
}

void TestRunControl::timerFieldHiddenAfterEndAndZeroAtNextStarter()
{
    QFETCH(int, einde);
    TForm1 &f = m_form->form;
    click(f.DigitaalAnaloog);
    vulTimerIn(f, QStringLiteral("5"));
    beeindig(f, einde);
    QVERIFY(f.TimerMinuten->isHidden());
    QVERIFY(f.Label4->isHidden());
    click(f.AnaloogDigitaal);
    QVERIFY(!f.TimerMinuten->isHidden());
    QVERIFY(!f.Label4->isHidden());
    QCOMPARE(f.TimerMinuten->text(), QStringLiteral("0"));
}

void TestRunControl::startButtonShowsForPositiveTimerMinutes_data()
{
    QTest::addColumn<QString>("minuten");
    QTest::addColumn<bool>("startGetoond");
    QTest::addRow("nul_minuten") << QStringLiteral("0") << false;
    QTest::addRow("vijf_minuten") << QStringLiteral("5") << true;
    QTest::addRow("honderd_minuten") << QStringLiteral("100") << true;
}

void TestRunControl::startButtonShowsForPositiveTimerMinutes()
{
    QFETCH(QString, minuten);
    QFETCH(bool, startGetoond);
    TForm1 &f = m_form->form;
    click(f.AnaloogDigitaal);
    vulTimerIn(f, minuten);
    click(f.KeuzePaneelOkKnop);
    QCOMPARE(!f.Startknop->isHidden(), startGetoond);
}

// The window starts with the hands turning from 12:00:00; a starter stops them on the time.
void TestRunControl::starterStopsHandAnimation()
{
    TForm1 &f = m_form->form;
    QVERIFY(f.Timer3->isActive());
    click(f.AnaloogDigitaal);
    QVERIFY(!f.Timer3->isActive());
    QCOMPARE(f.klokToestand().StandUur, 10);
    QCOMPARE(f.klokToestand().StandMin, 8);
    QCOMPARE(f.klokToestand().StandSec, 30);
}

void TestRunControl::notationSettledAtStart_data()
{
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<QString>("notatie");
    QTest::addColumn<int>("verwachtStijl");
    QTest::addRow("halve_uren_met_uren_wordt_uren_minuten") << "HalveUrenAan" << "Notitie1" << 2;
    QTest::addRow("kwartieren_met_uren_wordt_uren_minuten") << "KwartierenAan" << "Notitie1" << 2;
    QTest::addRow("alle_tijden_met_uren_blijft_uren") << "MinutenAan" << "Notitie1" << 1;
    QTest::addRow("enkel_uren_met_uren_blijft_uren") << "UrenAan" << "Notitie1" << 1;
    QTest::addRow("kwartieren_met_alles_blijft_alles") << "KwartierenAan" << "Notitie3" << 3;
}

// Task 7:25:40 drawn at every minute, else 7:00; hours alone keep only the hour.
void TestRunControl::notationSettledAtStart()
{
    QFETCH(QString, niveau);
    QFETCH(QString, notatie);
    QFETCH(int, verwachtStijl);
    const Opgave opgave = niveau == u"MinutenAan" ? Opgave{7, 25, 40} : Opgave{7};
    m_form = std::make_unique<Window>(drawsFor({niveau}, {opgave}));
    TForm1 &f = m_form->form;
    startExercise(f, DigitaalNaarAnaloog, {niveau, notatie});
    QCOMPARE(f.oefenToestand().NotatieStijl, verwachtStijl);
    QCOMPARE(getoond(f.MinInvoerVeld), verwachtStijl >= 2);
    QCOMPARE(getoond(f.SecInvoerVeld), verwachtStijl == 3);
    if (verwachtStijl == 1) {
        QCOMPARE(f.UurInvoerVeld->text(), QStringLiteral("7"));
        QCOMPARE(f.oefenToestand().OpgaveMin, 0);
        QCOMPARE(f.oefenToestand().OpgaveSec, 0);
    }
    click(f.ADKnop1);
    const QRadioButton *gekozen = verwachtStijl == 1 ? f.Notitie1 : verwachtStijl == 2 ? f.Notitie2 : f.Notitie3;
    QVERIFY(gekozen->isChecked());
}

void TestRunControl::notation3WithSecondsHandOff()
{
    TForm1 &f = m_form->form;
    startExercise(f, AnaloogNaarDigitaal, {"SecondenAan", "MinutenAan", "Notitie3"});
    QVERIFY(!f.SecondenAan->isChecked());
    QVERIFY(getoond(f.SecInvoerVeld));
    QVERIFY(f.SecInvoerVeld->text().isEmpty());
    QVERIFY(!f.SecInvoerVeld->isEnabled());
    QVERIFY(f.MinInvoerVeld->isEnabled());
}

void TestRunControl::memoNamesExerciseAndLevel_data()
{
    QTest::addColumn<int>("soort");
    QTest::addColumn<QString>("niveau");
    QTest::addColumn<QString>("tekst");
    const int digitaal = DigitaalNaarAnaloog;
    const int analoog = AnaloogNaarDigitaal;
    QTest::addRow("digitaal_uren") << digitaal << "UrenAan" << "Oefen: Digitaal -> analoog\nEnkel uren";
    QTest::addRow("analoog_halve_uren") << analoog << "HalveUrenAan" << "Oefen: Analoog -> digitaal\nEnkel halve uren";
    QTest::addRow("analoog_kwartieren") << analoog << "KwartierenAan" << "Oefen: Analoog -> digitaal\nEnkel kwartieren";
    QTest::addRow("digitaal_alle_tijden") << digitaal << "MinutenAan" << "Oefen: Digitaal -> analoog\nUren+Minuten+Seconden";
}

void TestRunControl::memoNamesExerciseAndLevel()
{
    QFETCH(int, soort);
    QFETCH(QString, niveau);
    QFETCH(QString, tekst);
    startExercise(m_form->form, int(soort), {niveau});
    QCOMPARE(m_form->form.Memo1->toPlainText(), tekst);
}

QTEST_MAIN(TestRunControl)
#include "tst_runcontrol.moc"
